// The About window through its widgets.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "frm_sobre.h"
#include "imagem_esticada.h"
#include "janelas_teste.h"

using quelva::FrmSobre;

namespace {

TEST(FrmSobre, CaptionLabelsPictureAndButton) {
    FrmSobre janela;
    EXPECT_EQ(janela.windowTitle(), QStringLiteral("Sobre Brenvala"));
    EXPECT_TRUE(janela.isModal());
    const QStringList rotulos = info_teste::textosDosRotulos(janela);
    for (const char* texto : {"Desenvolvido por:", "Para Windows 32 bits", "Produto Tarsenal"})
        EXPECT_EQ(rotulos.count(QString::fromUtf8(texto)), 1) << texto;
    auto* imagem = janela.findChild<quelva::ImagemEsticada*>(QStringLiteral("Image1"));
    ASSERT_NE(imagem, nullptr);
    EXPECT_EQ(imagem->caminho(), QStringLiteral(":/quelva/sobre.svg"));
    EXPECT_TRUE(imagem->temImagem());

    auto* fechar = janela.findChild<QPushButton*>(QStringLiteral("CmdFechar"));
    ASSERT_NE(fechar, nullptr);
    EXPECT_EQ(fechar->text(), QStringLiteral("&Fechar"));
    bool visivel = false;
    QTimer::singleShot(0, &janela, [&] {
        visivel = janela.isVisible();
        QTest::mouseClick(fechar, Qt::LeftButton);
    });
    janela.exec();
    EXPECT_TRUE(visivel);
    EXPECT_FALSE(janela.isVisible());
}

TEST(FrmSobre, Text1HoldsSevenIdentificationLinesJoinedByCrLf) {
    const QString texto = FrmSobre::identificacaoDesenvolvedor();
    // Every break is CR LF, and there is none at the end.
    EXPECT_EQ(texto.count(QStringLiteral("\r\n")), 6);
    EXPECT_EQ(texto.count(u'\n') + texto.count(u'\r'), 12);
    const QStringList linhas = texto.split(QStringLiteral("\r\n"));
    ASSERT_EQ(linhas.size(), 7);
    // Name, street, district and city, postal code; a blank line; the service department and its telephone,
    // an obviously fictitious one.
    for (int i : {0, 1, 2, 3, 5, 6}) EXPECT_FALSE(linhas[i].trimmed().isEmpty()) << "line " << i;
    EXPECT_TRUE(linhas[4].isEmpty());
    EXPECT_TRUE(linhas[3].contains(QStringLiteral("CEP")));
    EXPECT_TRUE(linhas[6].contains(QStringLiteral("(00) 0000-0000")));

    FrmSobre janela;
    auto* text1 = janela.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_NE(text1, nullptr);
    EXPECT_TRUE(text1->isReadOnly());
    EXPECT_EQ(text1->toPlainText().split(u'\n'), linhas);
}

}  // namespace
