// The two record windows through their widgets. Both windows run every case: they share one mechanism and
// differ only in caption, file and close button.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>

#include "dialogos_roteiro.h"
#include "fixture.h"
#include "frm_ficha_institucional.h"
#include "frm_ficha_tecnica.h"
#include "janelas_teste.h"
#include "politica_roteiro.h"
#include "twips.h"

using info_teste::coluna0;
using info_teste::gradeDaJanela;
using info_teste::visaoDaJanela;
using quelva::Dialogos;
using quelva::FrmFicha;

namespace {

struct Janela {
    const char* nome;
    const char* arquivo;
    const char* titulo;
    const char* botao;
    std::function<std::unique_ptr<FrmFicha>(const QString&, quelva::ErrorPolicy&, QWidget*)> criar;
};

template <class Frm>
std::unique_ptr<FrmFicha> criar(const QString& pasta, quelva::ErrorPolicy& politica, QWidget* pai) {
    return std::make_unique<Frm>(pasta, politica, pai);
}

void PrintTo(const Janela& janela, std::ostream* saida) { *saida << janela.nome; }

using Linhas = std::vector<std::pair<QString, bool>>;
std::pair<QString, bool> normal(const char* texto) { return {QString::fromUtf8(texto), false}; }
std::pair<QString, bool> negrito(const char* texto) { return {QString::fromUtf8(texto), true}; }

class FichaTest : public ::testing::TestWithParam<Janela> {
protected:
    std::string arquivo() const { return pasta.file(GetParam().arquivo); }
    void escrever(const std::string& bytes) const { testing_support::writeFile(arquivo(), bytes); }
    std::unique_ptr<FrmFicha> abrir(QWidget* pai = nullptr) {
        return GetParam().criar(QString::fromStdString(pasta.path()), roteiro.politica, pai);
    }
    QPushButton* fechar(const FrmFicha& janela) const {
        return janela.findChild<QPushButton*>(QString::fromUtf8(GetParam().botao));
    }
    // The rows a new window shows for a file holding `bytes`.
    Linhas mostrado(const std::string& bytes) {
        escrever(bytes);
        auto janela = abrir();
        EXPECT_TRUE(janela->preencher());
        return coluna0(*gradeDaJanela(*janela));
    }

    testing_support::TempDir pasta;
    testing_support::PoliticaRoteiro roteiro;
};

TEST_P(FichaTest, CaptionFileAndCloseButton) {
    auto janela = abrir();
    EXPECT_EQ(janela->windowTitle(), QString::fromUtf8(GetParam().titulo));
    EXPECT_EQ(janela->objectName(), QString::fromUtf8(GetParam().nome));
    EXPECT_TRUE(janela->isModal());
    EXPECT_EQ(janela->caminhoArquivo(), QString::fromStdString(arquivo()));
    ASSERT_NE(fechar(*janela), nullptr);
    EXPECT_EQ(fechar(*janela)->text(), QStringLiteral("&Fechar"));
}

TEST_P(FichaTest, TheGridIsHiddenUntilFilledWithOneCentredColumnOf8000Twips) {
    escrever("a\nBBb\n");
    auto janela = abrir();
    EXPECT_TRUE(visaoDaJanela(*janela)->isHidden());
    ASSERT_TRUE(janela->preencher());
    EXPECT_FALSE(visaoDaJanela(*janela)->isHidden());
    const quelva::Grade& grade = *gradeDaJanela(*janela);
    ASSERT_EQ(grade.colunas(), 1);
    EXPECT_EQ(grade.larguraColuna(0), 8000);
    for (int l = 0; l < grade.linhas(); ++l) EXPECT_EQ(grade.celula(l, 0).alinhamento, Qt::AlignCenter) << l;
    const quelva::VisaoGrade& visao = *visaoDaJanela(*janela);
    EXPECT_EQ(visao.columnWidth(0), quelva::twipsParaPixels(8000, visao.logicalDpiX()));
}

TEST_P(FichaTest, OnlyBBAtTheVeryStartMakesABoldLineAndIsNotShown) {
    EXPECT_EQ(mostrado("BBFICHA\nBB\nBBB\n BB x\nxBB\nbbmin\xC3\xBAsculas\n\tBB\n  recuo  \n"),
              (Linhas{negrito("FICHA"), negrito(""), negrito("B"), normal(" BB x"), normal("xBB"),
                      normal("bbminúsculas"), normal("\tBB"), normal("  recuo  "), normal("")}));
}

TEST_P(FichaTest, OneRowPerLineInFileOrderThenOneEmptyRow) {
    EXPECT_EQ(mostrado("primeira\nBBsegunda\n\nquarta"),
              (Linhas{normal("primeira"), negrito("segunda"), normal(""), normal("quarta"), normal("")}));
    EXPECT_EQ(mostrado(""), Linhas{normal("")});  // an empty file: the single empty row
    EXPECT_EQ(mostrado("a\n").size(), 2u);        // a final line break adds no row
    EXPECT_EQ(mostrado("a\n\n").size(), 3u);      // an empty last line does
}

TEST_P(FichaTest, Utf8WithByteOrderMarkAndCrLfOrWindows1252) {
    const Linhas esperado{negrito("Informações técnicas"), normal(""), normal("São José"), normal("")};
    EXPECT_EQ(mostrado("\xEF\xBB\xBF" "BBInforma\xC3\xA7\xC3\xB5" "es t\xC3\xA9" "cnicas\r\n\r\nS\xC3\xA3o Jos\xC3\xA9\r\n"),
              esperado);
    EXPECT_EQ(mostrado("BBInforma\xE7\xF5" "es t\xE9" "cnicas\n\nS\xE3o Jos\xE9"), esperado);
}

TEST_P(FichaTest, EachFillingReadsTheFileAnew) {
    escrever("BBum\ndois\n");
    auto primeira = abrir();
    ASSERT_TRUE(primeira->preencher());
    escrever("depois\n");
    EXPECT_EQ(coluna0(*gradeDaJanela(*abrir())), Linhas{});  // nothing is read before the opening
    auto segunda = abrir();
    ASSERT_TRUE(segunda->preencher());
    EXPECT_EQ(coluna0(*gradeDaJanela(*segunda)), (Linhas{normal("depois"), normal("")}));
    // Filling the first window again shows the new content only.
    ASSERT_TRUE(primeira->preencher());
    EXPECT_EQ(coluna0(*gradeDaJanela(*primeira)), coluna0(*gradeDaJanela(*segunda)));
}

TEST_P(FichaTest, AMissingOrFolderFileIsSaidOnceByItsPath) {
    QWidget principal;
    const std::vector<std::pair<const char*, std::function<void()>>> casos = {
        {"não foi encontrado", [] {}},
        {"é uma pasta", [this] { std::filesystem::create_directory(arquivo()); }},
    };
    for (const auto& [motivo, preparar] : casos) {
        preparar();
        testing_support::PoliticaRoteiro outro;
        auto janela = GetParam().criar(QString::fromStdString(pasta.path()), outro.politica, &principal);
        EXPECT_FALSE(janela->preencher());
        ASSERT_EQ(outro.dialogos.mensagens().size(), 1u) << motivo;
        const auto& m = outro.dialogos.mensagens().front();
        for (const QString& parte : {QString::fromStdString(arquivo()), QString::fromUtf8(GetParam().titulo),
                                     QString::fromUtf8(motivo)})
            EXPECT_TRUE(m.texto.contains(parte)) << m.texto.toStdString();
        EXPECT_EQ(m.icone, Dialogos::Icone::Exclamacao);
        EXPECT_EQ(m.botoes, Dialogos::Botoes::Ok);
        EXPECT_EQ(m.pai, &principal);  // the record window is not on screen
        EXPECT_TRUE(visaoDaJanela(*janela)->isHidden());
    }
}

TEST_P(FichaTest, ExecOpensOnlyAReadableFileAndFecharClosesIt) {
    auto janela = abrir();
    bool mostrada = false;
    // Should the window open after all, close it so that the test reports instead of waiting for a person.
    QTimer::singleShot(2000, janela.get(), [&] {
        mostrada = true;
        janela->reject();
    });
    EXPECT_EQ(janela->exec(), QDialog::Rejected);
    EXPECT_FALSE(mostrada);
    EXPECT_EQ(roteiro.dialogos.mensagens().size(), 1u);

    escrever("BBtítulo\n");
    janela = abrir();
    Linhas noClique;
    QTimer::singleShot(0, janela.get(), [&] {
        mostrada = janela->isVisible();
        noClique = coluna0(*gradeDaJanela(*janela));
        QTest::mouseClick(fechar(*janela), Qt::LeftButton);
    });
    janela->exec();
    EXPECT_TRUE(mostrada);
    EXPECT_EQ(noClique, (Linhas{negrito("título"), normal("")}));
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(roteiro.dialogos.mensagens().size(), 1u);
}

TEST_P(FichaTest, ShowingFillsTheWindowOrClosesItAfterTheMessage) {
    auto janela = abrir();
    janela->show();
    ASSERT_EQ(roteiro.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(roteiro.dialogos.mensagens().front().pai, janela.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !janela->isVisible(); }, 2000));

    escrever("BBvisto\n");
    janela = abrir();
    janela->show();
    EXPECT_EQ(coluna0(*gradeDaJanela(*janela)), (Linhas{negrito("visto"), normal("")}));
    EXPECT_FALSE(visaoDaJanela(*janela)->isHidden());
    EXPECT_EQ(roteiro.dialogos.mensagens().size(), 1u);
}

// Dialogs whose message box itself fails.
class DialogosQueFalham : public testing_support::DialogosRoteiro {
public:
    Resposta mensagem(QWidget*, const QString& texto, Icone, Botoes, const QString&, bool = false) override {
        vistas.push_back(texto);
        throw std::runtime_error("a caixa de mensagem falhou");
    }
    QStringList vistas;
};

// Showing the window runs under the error policy: what fails there ends the program through the policy and
// never unwinds into the toolkit.
TEST_P(FichaTest, AFailureWhileShowingEndsUnderTheErrorPolicy) {
    DialogosQueFalham falham;
    std::vector<int> fins;
    quelva::ErrorPolicy politica(falham, [&](int s) { fins.push_back(s); });
    auto janela = GetParam().criar(QString::fromStdString(pasta.path()), politica, nullptr);
    janela->show();  // the file is missing: the message about it is the failure
    EXPECT_EQ(fins, std::vector<int>{1});
    ASSERT_EQ(falham.vistas.size(), 2);  // the missing file, then the policy's own message of the failure
    EXPECT_TRUE(falham.vistas[0].contains(QString::fromStdString(arquivo())));
    EXPECT_EQ(falham.vistas[1], "a caixa de mensagem falhou");
    janela->hide();
}

INSTANTIATE_TEST_SUITE_P(
    AsDuasFichas, FichaTest,
    ::testing::Values(Janela{"FrmFichaTecnica", "fichatec.txt", "Ficha Técnica", "FrmFichaTecnica_cmdfechar",
                             criar<quelva::FrmFichaTecnica>},
                      Janela{"FrmFichaInstitucional", "fichains.txt", "Ficha Institucional",
                             "FrmFichaInstitucional_cmdfechar", criar<quelva::FrmFichaInstitucional>}),
    [](const ::testing::TestParamInfo<Janela>& info) { return std::string(info.param.nome); });

}  // namespace
