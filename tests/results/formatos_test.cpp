// The three layouts of a result: shapes, titles, colours, alignments, widths, heights and the M1 repetitions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "consulta.h"
#include "formatos.h"
#include "grade.h"
#include "regras_grade.h"
#include "resultado_fixture.h"

namespace {

using quelva::Grade;
using testing_support::EstadoTeste;

const QColor kAzul(128, 128, 255), kAmarelo(255, 255, 192);
const Qt::Alignment kCentro = Qt::AlignCenter, kEsquerda = Qt::AlignLeft | Qt::AlignVCenter;

class Formatos : public ::testing::Test {
protected:
    // Runs the statement of the current selection and fills the three grids.
    void executar(int largura3 = 8000) {
        quelva::AbrirTabelasCD(e().tabelasCD, e().banco);
        ASSERT_TRUE(quelva::openResult(e(), *quelva::MontarConsulta(e())));
        quelva::MontarFormato1(e(), g1);
        quelva::MontarFormato2(e(), g2);
        quelva::MontarFormato3(e(), g3, largura3);
        quelva::FecharTabelasCD(e().tabelasCD);
    }
    quelva::Estado& e() { return *t.estado; }
    static QStringList linha(const Grade& g, int l) {
        QStringList r;
        for (int c = 0; c < g.colunas(); ++c) r << g.texto(l, c);
        return r;
    }
    static QStringList coluna(const Grade& g, int c) {
        QStringList r;
        for (int l = 0; l < g.linhas(); ++l) r << g.texto(l, c);
        return r;
    }
    EstadoTeste t;
    Grade g1, g2, g3;
};

TEST_F(Formatos, OneLocalityAndOneVariable) {
    t.localidades({12});
    t.selecionar({"X1"});
    executar();
    const QColor valor = QApplication::palette().color(QPalette::HighlightedText);

    ASSERT_EQ(g1.linhas(), 2);
    ASSERT_EQ(g1.colunas(), 2);
    EXPECT_EQ(linha(g1, 0), QStringList({"Município", "Escolas"}));
    EXPECT_EQ(linha(g1, 1), QStringList({"Alfa", "x12"}));  // the value's blanks trimmed
    EXPECT_EQ(g1.celula(0, 0).fundo, kAzul);
    EXPECT_EQ(g1.celula(0, 1).fundo, kAmarelo);
    EXPECT_EQ(g1.celula(1, 0).fundo, kAzul);
    EXPECT_EQ(g1.celula(1, 1).fundo, valor);
    EXPECT_EQ(g1.celula(0, 0).alinhamento, kCentro);
    EXPECT_EQ(g1.celula(0, 1).alinhamento, kCentro);
    EXPECT_EQ(g1.celula(1, 0).alinhamento, kEsquerda);
    EXPECT_EQ(g1.celula(1, 1).alinhamento, kCentro);
    EXPECT_EQ(g1.larguraColuna(0), 2500);
    EXPECT_EQ(g1.larguraColuna(1), 2500);
    EXPECT_EQ(g1.alturaLinha(0), 480);
    EXPECT_EQ(g1.alturaLinha(1), 480);
    EXPECT_TRUE(g1.quebraTexto());

    ASSERT_EQ(g2.linhas(), 2);
    ASSERT_EQ(g2.colunas(), 2);
    EXPECT_EQ(linha(g2, 0), QStringList({"Variáveis", "Alfa"}));
    EXPECT_EQ(linha(g2, 1), QStringList({"Escolas", "x12"}));
    EXPECT_EQ(g2.celula(0, 0).fundo, kAmarelo);
    EXPECT_EQ(g2.celula(0, 1).fundo, kAzul);
    EXPECT_EQ(g2.celula(1, 0).fundo, kAmarelo);
    EXPECT_EQ(g2.celula(1, 0).alinhamento, kCentro);  // titles centred here, unlike Formato 1's names
    EXPECT_EQ(g2.celula(1, 1).fundo, valor);
    EXPECT_EQ(g2.larguraColuna(1), 2500);

    ASSERT_EQ(g3.colunas(), 2);
    EXPECT_EQ(coluna(g3, 0), QStringList({"Município: Alfa", "Escolas"}));
    EXPECT_EQ(coluna(g3, 1), QStringList({"", "x12"}));
    EXPECT_EQ(g3.celula(0, 1).fundo, kAzul);
    EXPECT_EQ(g3.celula(0, 1).alinhamento, kEsquerda);
    EXPECT_EQ(g3.celula(1, 0).fundo, kAmarelo);
    EXPECT_EQ(g3.celula(1, 0).alinhamento, kEsquerda);
    EXPECT_EQ(g3.celula(1, 1).fundo, valor);
    EXPECT_EQ(g3.celula(1, 1).alinhamento, kCentro);
    EXPECT_EQ(g3.larguraColuna(0), 5000);
    EXPECT_EQ(g3.larguraColuna(1), 2600);
}

TEST_F(Formatos, TwoLocalitiesInNameOrderAndANullValueAsAnEmptyCell) {
    t.localidades({20, 12});
    t.selecionar({"X1", "X2"});
    executar(9001);
    EXPECT_EQ(coluna(g1, 0), QStringList({"Município", "Alfa", "Gama"}));
    EXPECT_EQ(linha(g1, 2), QStringList({"Gama", "", "200"}));
    EXPECT_EQ(linha(g2, 0), QStringList({"Variáveis", "Alfa", "Gama"}));
    EXPECT_EQ(linha(g2, 2), QStringList({"Creches", "120", "200"}));
    EXPECT_EQ(coluna(g3, 0), QStringList({"Município: Alfa", "Escolas", "Creches", "Município: Gama", "Escolas", "Creches"}));
    EXPECT_EQ(coluna(g3, 1), QStringList({"", "x12", "120", "", "", "200"}));
    EXPECT_EQ(g3.celula(3, 0).fundo, kAzul);
    // 9001 / 4 x 2.5 = 5625.625
    EXPECT_EQ(g3.larguraColuna(0), 5626);
    EXPECT_EQ(g3.larguraColuna(1), 9001 - 5626 - 400);
}

TEST_F(Formatos, RowHeightsFollowTheLongestTextOfTheRow) {
    t.localidades({12});
    t.selecionar({"T30", "T31", "T61"});
    executar();
    // Formato 2 has a row per variable: titles of 30, 31 and 61 characters.
    ASSERT_EQ(g2.linhas(), 4);
    EXPECT_EQ(g2.texto(1, 0).size(), 30);
    EXPECT_EQ(g2.alturaLinha(0), 480);
    EXPECT_EQ(g2.alturaLinha(1), 480);
    EXPECT_EQ(g2.alturaLinha(2), 720);
    EXPECT_EQ(g2.alturaLinha(3), 960);
    EXPECT_EQ(linha(g2, 1).last(), "NR");  // codes shown as stored
    EXPECT_EQ(linha(g2, 3).last(), "...");
    // Formato 1 has them all in its title row.
    EXPECT_EQ(g1.alturaLinha(0), 960);
    EXPECT_EQ(g1.alturaLinha(1), 480);
    EXPECT_EQ(quelva::rowHeightFor(0), 480);
    EXPECT_EQ(quelva::rowHeightFor(60), 720);
    EXPECT_EQ(quelva::rowHeightFor(90), 960);
    EXPECT_EQ(quelva::rowHeightFor(91), 1200);
}

TEST_F(Formatos, M1RepetitionsPastTheLastWithDataAreDroppedInFormats1And2) {
    t.localidades({5, 12, 20});
    t.selecionar({"M1_1003"});
    executar();
    // QtdM1 = 2 (name and sub-variable 3), K = 3: 1 + 3 x 2 columns.
    EXPECT_EQ(e().QtdM1, 2);
    EXPECT_EQ(linha(g1, 0), QStringList({"Município", "Nome do conselho - Órgão 1", "Tem sede - Órgão 1",
                                         "Nome do conselho - Órgão 2", "Tem sede - Órgão 2", "Nome do conselho - Órgão 3",
                                         "Tem sede - Órgão 3"}));
    EXPECT_EQ(linha(g1, 1), QStringList({"Alfa", "Conselho 1", "Sim", "Conselho 2", "Sim", "Conselho 3", "Sim"}));
    EXPECT_EQ(linha(g1, 2), QStringList({"Beta", "-", "-", "-", "-", "-", "-"}));
    EXPECT_EQ(linha(g1, 3), QStringList({"Gama", "Conselho 1", "Sim", "Conselho 2", "Sim", "-", "-"}));
    EXPECT_EQ(g1.celula(0, 6).fundo, kAmarelo);
    ASSERT_EQ(g2.linhas(), 7);
    EXPECT_EQ(coluna(g2, 0).last(), "Tem sede - Órgão 3");
    EXPECT_EQ(coluna(g2, 3), QStringList({"Gama", "Conselho 1", "Sim", "Conselho 2", "Sim", "-", "-"}));
}

TEST_F(Formatos, AllM1ValuesDashKeepOneRepetition) {
    t.localidades({5});
    t.selecionar({"M1_1003", "M1_1012", "X2"});
    executar();
    EXPECT_EQ(e().QtdM1, 3);
    EXPECT_EQ(linha(g1, 0), QStringList({"Município", "Creches", "Nome do conselho - Órgão 1", "Tem sede - Órgão 1",
                                         "Reuniões - Órgão 1"}));
    EXPECT_EQ(linha(g1, 1), QStringList({"Beta", "50", "-", "-", "-"}));  // " - " trimmed
    EXPECT_EQ(g2.linhas(), 5);
    // Formato 3 lists repetition 1 even when its name column holds "-".
    EXPECT_EQ(coluna(g3, 0), QStringList({"Município: Beta", "Creches", "Nome do conselho - Órgão 1", "Tem sede - Órgão 1",
                                          "Reuniões - Órgão 1"}));
}

TEST_F(Formatos, Format3DropsRepetitionsLocalityByLocality) {
    t.localidades({12, 20});
    t.selecionar({"M1_1012"});
    executar();
    EXPECT_EQ(coluna(g3, 0),
              QStringList({"Município: Alfa", "Nome do conselho - Órgão 1", "Reuniões - Órgão 1", "Nome do conselho - Órgão 2",
                           "Reuniões - Órgão 2", "Nome do conselho - Órgão 3", "Reuniões - Órgão 3", "Município: Gama",
                           "Nome do conselho - Órgão 1", "Reuniões - Órgão 1", "Nome do conselho - Órgão 2",
                           "Reuniões - Órgão 2"}));
    EXPECT_EQ(coluna(g3, 1), QStringList({"", "Conselho 1", "1", "Conselho 2", "2", "Conselho 3", "3", "", "Conselho 1", "1",
                                          "Conselho 2", "2"}));
}

TEST_F(Formatos, AnEmptyResultKeepsThePreviousGrids) {
    t.localidades({12});
    t.selecionar({"X2"});
    executar();
    const QStringList antes1 = linha(g1, 1), antes2 = linha(g2, 1), antes3 = coluna(g3, 0);
    e().HaResultado = true;
    e().ExpressaoCriterio = "[tabcri].[cri_X2] > 1000";
    t.selecionar({"X1"});
    executar();
    EXPECT_FALSE(e().HaResultado);
    EXPECT_EQ(g1.colunas(), 2);
    EXPECT_EQ(linha(g1, 1), antes1);
    EXPECT_EQ(linha(g2, 1), antes2);
    EXPECT_EQ(coluna(g3, 0), antes3);
}

TEST_F(Formatos, Format3RowsAreAsHighAsTheirLongerCellAndKeepTheirColours) {
    t.localidades({12, 20});
    t.selecionar({"T30", "T31", "T61", "M1_1012"});
    executar();
    // Alfa: heading, three titles, three repetitions of two M1 fields; Gama: heading, three titles, two.
    ASSERT_EQ(g3.linhas(), 1 + 3 + 6 + 1 + 3 + 4);
    const QStringList valores = coluna(g3, 1);
    EXPECT_EQ(valores.mid(0, 4), QStringList({"", "NR", "SB", "..."}));
    EXPECT_EQ(valores.mid(10, 4), QStringList({"", "NR", "SB", "..."}));
    EXPECT_EQ(g3.texto(17, 0), "Reuniões - Órgão 2");
    EXPECT_EQ(g3.texto(17, 1), "2");
    const int alturas[] = {480, 480, 720, 960};
    for (int base : {0, 10})
        for (int k = 0; k < 4; ++k) EXPECT_EQ(g3.alturaLinha(base + k), alturas[k]) << base + k;
    EXPECT_EQ(g3.celula(10, 1).fundo, kAzul);
    EXPECT_EQ(g3.celula(17, 0).fundo, kAmarelo);
    EXPECT_EQ(g3.celula(17, 1).alinhamento, kCentro);
    EXPECT_THROW(g3.texto(g3.linhas(), 0), std::out_of_range);
}

TEST(CellRules, TextLengthsAreCountedAsTheGridCountsThem) {
    for (const char* s : {"", "abc", "Órgão", "ação e reunião", "\xF0\x9F\x98\x80 ok", "日本"})
        EXPECT_EQ(quelva::utf16Length(s), QString::fromUtf8(s).size()) << s;
}

TEST(TituloColuna, CatalogueNamesSubVariablesM1AndUnknownFields) {
    EstadoTeste t;
    quelva::TabelasCD& cd = t.estado->tabelasCD;
    quelva::AbrirTabelasCD(cd, t.estado->banco);
    EXPECT_EQ(quelva::TituloColuna(cd, "X2"), "Creches");
    EXPECT_EQ(quelva::TituloColuna(cd, "X1A"), "Escolas públicas");
    EXPECT_EQ(quelva::TituloColuna(cd, "M1_Nome_7"), "Nome do conselho - Órgão 7");
    EXPECT_EQ(quelva::TituloColuna(cd, "M1_1012_9"), "Reuniões - Órgão 9");
    EXPECT_EQ(quelva::TituloColuna(cd, "ZZ9"), "ZZ9");
    EXPECT_EQ(quelva::TituloColuna(cd, "M1_1099_2"), "M1_1099_2");
    EXPECT_EQ(quelva::TituloColuna(cd, "O'Hara"), "O'Hara");
}

}  // namespace
