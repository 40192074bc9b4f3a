// The notes of a run and the conventions legend.
#include <gtest/gtest.h>

#include "notas.h"
#include "resultado_fixture.h"

namespace {

using testing_support::EstadoTeste;

QString notas(EstadoTeste& t) {
    quelva::AbrirTabelasCD(t.estado->tabelasCD, t.estado->banco);
    QString n = quelva::MontarNotas(*t.estado);
    quelva::FecharTabelasCD(t.estado->tabelasCD);
    return n;
}

TEST(MontarNotas, OneBlockPerVariableWithTextsBlankOnesLeftOut) {
    EstadoTeste t;
    // M1_1003: no source, note or definition; T30: a note of blanks only; T31: a source code with no row and
    // a definition of blanks only.
    t.selecionar({"M1_1003", "T30", "T31"});
    EXPECT_EQ(notas(t), "");
    t.selecionar({"X2"});
    EXPECT_EQ(notas(t), "Variável: Creches\r\nDefinição: Vagas em creche");
    t.selecionar({"X1"});
    // The texts as stored, untrimmed; one empty line between blocks, no break after the last.
    EXPECT_EQ(notas(t), "Variável: Escolas\r\nFonte: Censo\r\nNota:  Em 1998 \r\n\r\nVariável: Creches\r\nDefinição: Vagas em creche");
}

TEST(Convencoes, FourLinesJoinedByCrLf) {
    EXPECT_EQ(quelva::conventionsText(),
              "NR   -  Município não respondeu\r\nSB   -  Saneamento básico do município operado pela SABESP\r\n"
              "...  -  Dado não disponível\r\n -   -  Fenômeno inexistente");
}

}  // namespace
