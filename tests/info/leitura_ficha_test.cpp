// How a record file's bytes become characters and its text becomes lines.
#include <gtest/gtest.h>

#include <QByteArray>

#include "decodificacao.h"
#include "impressao_qt.h"
#include "leitura_ficha.h"

using quelva::decodificarTexto;
using quelva::dividirLinhas;

namespace {

QStringList linhas(std::initializer_list<const char*> textos) {
    QStringList l;
    for (const char* t : textos) l.append(QString::fromUtf8(t));
    return l;
}

TEST(DividirLinhas, CrLfLfAndCrEndALineAndAFinalBreakStartsNone) {
    EXPECT_EQ(dividirLinhas("um\r\ndois\ntrês\rquatro"), linhas({"um", "dois", "três", "quatro"}));
    EXPECT_EQ(dividirLinhas("a\n\rb"), linhas({"a", "", "b"}));  // LF then CR: two breaks
    EXPECT_EQ(dividirLinhas("a\r\n"), linhas({"a"}));
    EXPECT_EQ(dividirLinhas("a\n\n"), linhas({"a", ""}));
    EXPECT_EQ(dividirLinhas("\n"), linhas({""}));
    EXPECT_TRUE(dividirLinhas("").isEmpty());
    EXPECT_EQ(dividirLinhas("  \n\tx  "), linhas({"  ", "\tx  "}));
}

TEST(DecodificarTexto, ValidUtf8IsUtf8WithoutItsByteOrderMark) {
    EXPECT_EQ(decodificarTexto("\xEF\xBB\xBFT\xC3\xA9" "cnica"), QString::fromUtf8("Técnica"));
    EXPECT_EQ(decodificarTexto("\xEF\xBB\xBF"), QString());
    EXPECT_EQ(decodificarTexto("S\xC3\xA3o"), QString::fromUtf8("São"));
}

TEST(DecodificarTexto, AnythingElseIsWindows1252) {
    // One invalid byte decides for the whole file, even after valid UTF-8.
    EXPECT_EQ(decodificarTexto("S\xC3\xA3o\nS\xE3o"), QString::fromUtf8("SÃ£o\nSão"));
    // A cut-off sequence at the very end, an overlong form, an encoded surrogate.
    EXPECT_EQ(decodificarTexto("Jos\xE9"), QString::fromUtf8("José"));
    EXPECT_EQ(decodificarTexto("\xC0\x80"), QString::fromUtf8("À€"));
    EXPECT_EQ(decodificarTexto("\xED\xA0\x80"), QString::fromUtf8("í\u00A0€"));
}

TEST(DecodificarTexto, Windows1252TypographicRangeAndUndefinedBytes) {
    EXPECT_EQ(decodificarTexto("\x93x\x94\x91\x92\x96\x97\x85\x99\x95"), QString::fromUtf8("“x”‘’–—…™•"));
    EXPECT_EQ(decodificarTexto("\x8A\x9A\x8C\x9C\x9F\x80"), QString::fromUtf8("ŠšŒœŸ€"));
    // The five bytes the code page leaves undefined keep their own value.
    const QString indefinidos = decodificarTexto("\x81\x8D\x8F\x90\x9D");
    ASSERT_EQ(indefinidos.size(), 5);
    EXPECT_EQ(indefinidos.at(0).unicode(), 0x81);
    EXPECT_EQ(indefinidos.at(4).unicode(), 0x9D);
    EXPECT_EQ(decodificarTexto(QByteArray("\x7F\xA0\xFF", 3)), QString::fromUtf8("\x7F\u00A0ÿ"));
}

}  // namespace
