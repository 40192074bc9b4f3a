// The main window through its real widgets: menu, panels, start-up, activation and end.
#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "grade.h"
#include "janela_teste.h"

namespace {

using testing_support::JanelaTeste;
using quelva::Dialogos;

TEST(FrmQuelva, MenuBarItemsCaptionsAndOrder) {
    JanelaTeste t;
    QStringList barra;
    for (QAction* a : t.janela->menuBar()->actions()) barra << a->text();
    EXPECT_EQ(barra, QStringList({"&Apresentação", "&Variáveis", "&Palavras chave", "&Localidades", "&Critérios",
                                  "Ver &seleções", "Ver &resultado", "&Informações", "S&air"}));
    QMenu* info = t.janela->MnuInformacoes->menu();
    ASSERT_NE(info, nullptr);
    QStringList itens;
    for (QAction* a : info->actions()) itens << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(itens, QStringList({"Ficha &Institucional", "Ficha &Técnica", "-", "So&bre"}));
    for (QAction* a : t.janela->menuBar()->actions()) {
        EXPECT_TRUE(a->isEnabled());
        EXPECT_FALSE(a->isCheckable());
    }
    EXPECT_EQ(t.janela->windowTitle(), "Tarsenal");
}

TEST(FrmQuelva, PanelCaptionsAndTheMessageFrame) {
    JanelaTeste t;
    EXPECT_EQ(t.janela->FraVar->title(), "Variáveis");
    EXPECT_EQ(t.janela->FraPal->title(), "Palavras chave");
    EXPECT_EQ(t.janela->FraLoc->title(), "Localidades");
    EXPECT_EQ(t.janela->FraCri->title(), "Critérios");
    EXPECT_EQ(t.janela->FraSel->title(), "Ver seleções");
    EXPECT_EQ(t.janela->FraRes->title(), "Ver resultado");
    EXPECT_EQ(t.janela->FraLog->title(), "");
    EXPECT_EQ(t.janela->FraRes_Mensagem->title(), "Mensagem");
    EXPECT_EQ(t.janela->FraRes_LblMensagem->text(), "Processando. Aguarde ...");
    EXPECT_EQ(t.janela->FraRes_Mensagem->palette().color(QPalette::Window), QColor(128, 128, 128));
    EXPECT_EQ(t.janela->FraRes_Mensagem->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    EXPECT_TRUE(t.janela->FraRes_LblMensagem->font().bold());
    EXPECT_EQ(t.janela->FraRes_LblMensagem->font().pointSize(), 12);
    EXPECT_EQ(t.janela->LinMenu->palette().color(QPalette::Window), QColor(224, 224, 224));
}

TEST(FrmQuelva, StartUpShowsTheLogoAndFillsNamesAndTitles) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    EXPECT_EQ(t.painelVisivel(), "FraLog");
    EXPECT_FALSE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
    EXPECT_TRUE(t.estado->VetorVariavel[0].CodVariavel.toText() == "K001");
    EXPECT_EQ(t.estado->TituloResultado, "Lumbra 1999");
    EXPECT_EQ(t.estado->SubTituloResultado, "Tarsenal");
    EXPECT_EQ(t.estado->NoDestacadoVar, -1);
    EXPECT_EQ(t.estado->NoDestacadoPal, -1);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.janela->FraRes_LblTituloGrid[i]->text(), "Lumbra 1999");
        EXPECT_EQ(t.janela->FraRes_LblSubTituloGrid[i]->text(), "Tarsenal");
        EXPECT_FALSE(t.janela->FraRes_MSFlexGrid[i]->isVisibleTo(t.janela.get()));
    }
    // CD_AREA's row of code 0 replaces the state total's name, since the rows are copied after it is set.
    EXPECT_EQ(t.estado->VetorNomeLocalidade[0], "Total do Estado");
    EXPECT_EQ(t.estado->VetorNomeLocalidade[681], "RA de Potipecatu-Mirim");
    EXPECT_EQ(t.estado->VetorNomeLocalidade[850], "");
    EXPECT_TRUE(t.estado->RsBuscaMunicipio.isOpen());
    EXPECT_EQ(t.estado->RsArea.absolutePosition(), 0);  // moved back to its first row
    EXPECT_TRUE(t.estado->ExpressaoCriterio.isEmpty());
    EXPECT_FALSE(t.encerrouCom.has_value());
    EXPECT_TRUE(t.dialogos.mensagens().empty());
}

TEST(FrmQuelva, StateTotalKeepsItsNameWithoutARowOfCodeZero) {
    JanelaTeste t;
    testing_support::makeDatabase(t.pasta.file("Quelva.mdb"), "DELETE FROM CD_AREA WHERE COD_AREA_NORVA = 0");
    ASSERT_TRUE(t.iniciar());
    EXPECT_EQ(t.estado->VetorNomeLocalidade[0], "Totais para o Estado de São Paulo");
}

TEST(FrmQuelva, MostrarPainelByKeyword) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    const std::pair<const char*, const char*> casos[] = {
        {"VARIAVEIS", "FraVar"}, {"LOCALIDADES", "FraLoc"}, {"CRITERIOS", "FraCri"}, {"PALAVRASCHAVE", "FraPal"},
        {"VERSELECOES", "FraSel"}, {"VERRESULTADO", "FraRes"}};
    for (const auto& [palavra, painel] : casos) {
        t.janela->MostrarPainel(palavra);
        EXPECT_EQ(t.painelVisivel(), painel) << palavra;
    }
    t.janela->MostrarPainel("");
    EXPECT_EQ(t.painelVisivel(), "");
    t.janela->MostrarPainel("VARIAVEIS");
    t.janela->MostrarPainel("variaveis");  // keywords compare exactly
    EXPECT_EQ(t.painelVisivel(), "");
    t.janela->MostrarPainel("LOGO");
    EXPECT_EQ(t.painelVisivel(), "");
}

TEST(FrmQuelva, MenuItemsLeadToTheirPanelsAndDoNothingWhenAlreadyThere) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MnuCriterios->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraCri");
    t.janela->MnuCriterios->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraCri");
    t.janela->MnuVariaveis->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraVar");
    t.janela->MnuPalavrasChaves->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraPal");
    t.janela->MnuLocalidades->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraLoc");
    t.janela->MnuVerSelecoes->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraSel");
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(FrmQuelva, SairAndClosingTheWindowEndTheProgramAtOnce) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MnuSair->trigger();
    EXPECT_EQ(t.encerrouCom, 0);
    EXPECT_TRUE(t.dialogos.mensagens().empty());  // no question asked

    JanelaTeste u;
    ASSERT_TRUE(u.iniciar());
    u.janela->show();
    u.janela->close();
    EXPECT_EQ(u.encerrouCom, 0);
}

// A start-up that fails shows the error's own message under "Quelva" and ends the program with status 1.
void esperarFalha(JanelaTeste& t, const std::string& trecho) {
    EXPECT_FALSE(t.iniciar());
    EXPECT_EQ(t.encerrouCom, 1);
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    const auto& m = t.dialogos.mensagens()[0];
    EXPECT_EQ(m.titulo, "Quelva");
    EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
    EXPECT_NE(m.texto.toStdString().find(trecho), std::string::npos) << m.texto.toStdString();
    EXPECT_FALSE(t.janela->isVisible());
}

TEST(FrmQuelva, StartUpFailuresEndTheProgramWithTheirMessage) {
    JanelaTeste semArquivo(false);
    esperarFalha(semArquivo, semArquivo.pasta.file("Quelva.mdb"));

    JanelaTeste semTabela;
    testing_support::makeDatabase(semTabela.pasta.file("Quelva.mdb"), "DROP TABLE nomemun");
    esperarFalha(semTabela, "nomemun");

    JanelaTeste semColuna;
    testing_support::makeDatabase(semColuna.pasta.file("Quelva.mdb"), "ALTER TABLE CD_VAR DROP COLUMN NomeTabela");
    esperarFalha(semColuna, "NomeTabela");

    JanelaTeste codigoAlto;
    testing_support::makeDatabase(codigoAlto.pasta.file("Quelva.mdb"),
                                  "INSERT INTO CD_AREA VALUES (851, 'Fora da faixa', 0, 0, 0)");
    esperarFalha(codigoAlto, "851");

    JanelaTeste danificado;
    testing_support::writeFile(danificado.pasta.file("Quelva.mdb"), "SQLite format 3" + std::string(200, 'x'));
    esperarFalha(danificado, danificado.pasta.file("Quelva.mdb"));
}

TEST(FrmQuelva, TheMessageFrameShowsAboveThePanelAndHidesAgain) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->MostrarPainel("VARIAVEIS");
    t.janela->MostrarMensagem(true);
    EXPECT_TRUE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
    EXPECT_EQ(t.painelVisivel(), "FraVar");  // not one of the panels MostrarPainel switches
    t.janela->MostrarMensagem(false);
    EXPECT_FALSE(t.janela->FraRes_Mensagem->isVisibleTo(t.janela.get()));
}

}  // namespace

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>

namespace {

// Chooses a menu item that opens a modal window; while it is open, notes its caption and the panels shown
// behind it, then closes it as the user would.
struct Modal {
    QString titulo = "(none)";
    QString paineisAtras;
};

Modal abrirEFechar(JanelaTeste& t, QAction* item) {
    Modal m;
    QTimer::singleShot(0, [&] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            m.titulo = w->windowTitle();
            m.paineisAtras = t.painelVisivel();
            w->close();
        }
    });
    item->trigger();
    return m;
}

TEST(FrmQuelva, InformationWindowsOpenModallyAndReturnToTheLogo) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->show();
    t.janela->MnuVariaveis->trigger();
    Modal m = abrirEFechar(t, t.janela->MnuFichaTecnica);
    EXPECT_EQ(m.titulo, "Ficha Técnica");
    EXPECT_EQ(m.paineisAtras, "");             // every panel hidden while it is open
    EXPECT_EQ(t.painelVisivel(), "FraLog");   // back to the logo, not to the variables panel
    EXPECT_EQ(abrirEFechar(t, t.janela->MnuFichaInstitucional).titulo, "Ficha Institucional");
    EXPECT_EQ(abrirEFechar(t, t.janela->MnuApresentacao).titulo, "Apresentação");
    EXPECT_EQ(abrirEFechar(t, t.janela->MnuSobre).titulo, "Sobre Brenvala");
    EXPECT_EQ(t.painelVisivel(), "FraLog");
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(FrmQuelva, AMissingRecordFileIsSaidAndTheLogoComesBack) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.janela->show();
    std::filesystem::remove(t.pasta.file("fichains.txt"));
    t.janela->MnuCriterios->trigger();
    Modal m = abrirEFechar(t, t.janela->MnuFichaInstitucional);
    EXPECT_EQ(m.titulo, "(none)");
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(t.dialogos.mensagens()[0].texto.contains(QString::fromStdString(t.pasta.file("fichains.txt"))));
    EXPECT_EQ(t.painelVisivel(), "FraLog");
    EXPECT_FALSE(t.encerrouCom.has_value());
}

TEST(FrmQuelva, ActivationAfterAWindowKeepsTheSelections) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    t.estado->VetorLocalidade[5] = true;
    t.estado->VetorVariavel[2].Selecionada = jet::Value::boolean(true);
    t.estado->ExpressaoCriterio = " [tabcri].[cri_K002]>1 ";
    abrirEFechar(t, t.janela->MnuSobre);
    EXPECT_TRUE(t.estado->VetorLocalidade[5]);
    EXPECT_TRUE(t.estado->VetorVariavel[2].selecionada());
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_K002]>1 ");  // cleared at the first activation only
}

TEST(FrmQuelva, TheLogoFillsItsPanel) {
    JanelaTeste t;
    ASSERT_TRUE(t.iniciar());
    EXPECT_EQ(t.janela->FraLog_ImgLogo->geometry().size(), t.janela->FraLog->size());
    EXPECT_EQ(t.janela->controles["FraLog"].Height, t.janela->medidas.AlturaTela - 500);
}

}  // namespace
