// The presentation window through its widgets: the heading and five paragraphs in a six-row grid.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>

#include "frm_apresentacao.h"
#include "janelas_teste.h"
#include "politica_roteiro.h"
#include "twips.h"

using info_teste::gradeDaJanela;
using info_teste::visaoDaJanela;
using quelva::FrmApresentacao;

namespace {

QPushButton* fechar(const FrmApresentacao& janela) {
    return janela.findChild<QPushButton*>(QStringLiteral("FrmFichaInstitucional_cmdfechar"));
}

TEST(FrmApresentacao, CaptionAndTheButtonNamedAfterTheInstitutionalRecord) {
    testing_support::PoliticaRoteiro roteiro;
    FrmApresentacao janela(roteiro.politica);
    EXPECT_EQ(janela.windowTitle(), QString::fromUtf8("Apresentação"));
    EXPECT_EQ(janela.objectName(), QStringLiteral("FrmApresentacao"));
    EXPECT_TRUE(janela.isModal());
    ASSERT_NE(fechar(janela), nullptr);
    EXPECT_EQ(fechar(janela)->text(), QStringLiteral("&Fechar"));
}

TEST(FrmApresentacao, ShowingFillsTheHiddenGridAndFecharCloses) {
    testing_support::PoliticaRoteiro roteiro;
    FrmApresentacao janela(roteiro.politica);
    EXPECT_TRUE(visaoDaJanela(janela)->isHidden());
    EXPECT_EQ(gradeDaJanela(janela)->linhas(), 0);
    int linhasNoClique = 0;
    QTimer::singleShot(0, &janela, [&] {
        linhasNoClique = visaoDaJanela(janela)->isVisible() ? gradeDaJanela(janela)->linhas() : -1;
        QTest::mouseClick(fechar(janela), Qt::LeftButton);
    });
    janela.exec();
    EXPECT_EQ(linhasNoClique, 6);
    EXPECT_FALSE(janela.isVisible());
}

TEST(FrmApresentacao, SixRowsOfTheirHeightsInOneWrappedColumnOf7700Twips) {
    testing_support::PoliticaRoteiro roteiro;
    FrmApresentacao janela(roteiro.politica);
    janela.preencher();
    const quelva::Grade& grade = *gradeDaJanela(janela);
    ASSERT_EQ(grade.linhas(), 6);
    ASSERT_EQ(grade.colunas(), 1);
    EXPECT_EQ(grade.larguraColuna(0), 7700);
    EXPECT_TRUE(grade.quebraTexto());
    const quelva::VisaoGrade& visao = *visaoDaJanela(janela);
    EXPECT_TRUE(visao.wordWrap());
    const std::array<int, 6> alturas = {480, 2160, 1440, 3360, 2640, 2400};
    for (int l = 0; l < 6; ++l) {
        EXPECT_EQ(grade.alturaLinha(l), alturas[l]) << "row " << l;
        EXPECT_EQ(visao.rowHeight(l), quelva::twipsParaPixels(alturas[l], visao.logicalDpiY())) << "row " << l;
    }
}

TEST(FrmApresentacao, ACentredBoldHeadingThenFiveLeftAlignedParagraphs) {
    testing_support::PoliticaRoteiro roteiro;
    FrmApresentacao janela(roteiro.politica);
    janela.preencher();
    const quelva::Grade& grade = *gradeDaJanela(janela);
    const auto& cabecalho = grade.celula(0, 0);
    EXPECT_EQ(cabecalho.texto, QString::fromUtf8("TECNOLOGIA DA INFORMAÇÃO E MUNICÍPIOS"));
    EXPECT_TRUE(cabecalho.negrito);
    EXPECT_EQ(cabecalho.alinhamento, Qt::AlignHCenter | Qt::AlignVCenter);

    const std::array<std::size_t, 5> tamanhos = {575, 392, 991, 643, 181};
    for (int p = 1; p <= 5; ++p) {
        const auto& celula = grade.celula(p, 0);
        // Characters, not bytes or UTF-16 units.
        EXPECT_EQ(celula.texto.toStdU32String().size(), tamanhos[p - 1]) << "paragraph " << p;
        EXPECT_TRUE(celula.texto.startsWith(QStringLiteral("   ")) && !celula.texto.at(3).isSpace()) << "paragraph " << p;
        EXPECT_FALSE(celula.texto.contains(u'\n') || celula.texto.contains(u'\r')) << "paragraph " << p;
        EXPECT_FALSE(celula.negrito) << "paragraph " << p;
        EXPECT_EQ(celula.alinhamento, Qt::AlignLeft | Qt::AlignVCenter) << "paragraph " << p;
    }
    EXPECT_TRUE(grade.texto(5, 0).contains(QString::fromUtf8("645 municípios")));
}

}  // namespace
