// `quelva [PASTA]`: which folder the survey is read from, and a start-up over a folder of the user's.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTimer>
#include <filesystem>

#include "command_line.h"
#include "dialogos_roteiro.h"
#include "estado.h"
#include "executar.h"
#include "fixture.h"
#include "frm_quelva.h"
#include "janela_teste.h"

namespace {

using quelva::CommandLine;
using quelva::readCommandLine;

TEST(CommandLine, WithoutAFolderTheProgramsFolderAndWithOneThatFolder) {
    const QString programa = QStringLiteral("/usr/lib/quelva");
    const CommandLine semPasta = readCommandLine({"quelva"}, programa);
    EXPECT_EQ(semPasta.action, CommandLine::Action::Run);
    EXPECT_EQ(semPasta.surveyFolder, programa);

    const CommandLine absoluta = readCommandLine({"quelva", "/home/ana/pesquisa/"}, programa);
    EXPECT_EQ(absoluta.action, CommandLine::Action::Run);
    EXPECT_EQ(absoluta.surveyFolder, "/home/ana/pesquisa");

    // A relative folder is the user's, taken from where they started the program.
    const CommandLine relativa = readCommandLine({"quelva", "dados/../pesquisa"}, programa);
    EXPECT_EQ(relativa.surveyFolder, QDir::current().absoluteFilePath("pesquisa"));
    EXPECT_EQ(readCommandLine({"quelva", "./-estranha"}, programa).surveyFolder,
              QDir::current().absoluteFilePath("-estranha"));
}

TEST(CommandLine, HelpAndWrongCommandLines) {
    EXPECT_EQ(readCommandLine({"quelva", "-h"}, "/p").action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine({"quelva", "--help"}, "/p").action, CommandLine::Action::Help);
    for (const QStringList& errada : {QStringList{"quelva", "a", "b"}, QStringList{"quelva", "--pasta"},
                                      QStringList{"quelva", ""}, QStringList{"quelva", "-h", "a"}}) {
        const CommandLine c = readCommandLine(errada, "/p");
        EXPECT_EQ(c.action, CommandLine::Action::Misuse) << errada.join(' ').toStdString();
        EXPECT_TRUE(c.surveyFolder.isEmpty());
    }
}

// The program run over `pasta` as `quelva PASTA` runs it; `aoMostrar` works on the shown window, and the
// event loop then ends with status 0.
int executar(const std::string& pasta, testing_support::DialogosRoteiro& dialogos,
             const std::function<void(quelva::FrmQuelva&)>& aoMostrar = {}) {
    return quelva::executarQuelva(QString::fromStdString(pasta), dialogos, [&](quelva::FrmQuelva& janela) {
        QTimer::singleShot(0, &janela, [&] {
            if (aoMostrar) aoMostrar(janela);
            QCoreApplication::exit(0);
        });
    });
}

TEST(StartUpInAFolder, TheSurveyAndTheRecordFilesComeFromTheFolder) {
    testing_support::TempDir pasta;
    testing_support::copiarAmostraPequena(pasta.path());
    std::filesystem::remove(pasta.file("fichatec.txt"));
    testing_support::DialogosRoteiro dialogos;
    std::string banco;
    int localidades = 0;
    const int status = executar(pasta.path(), dialogos, [&](quelva::FrmQuelva& janela) {
        banco = janela.estado().banco.caminho();
        for (const QString& nome : janela.estado().VetorNomeLocalidade) localidades += nome.isEmpty() ? 0 : 1;
        janela.MnuFichaTecnica->trigger();  // missing from the folder: said, and no window opens
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(banco, pasta.file("Quelva.mdb"));
    EXPECT_GT(localidades, 1);  // names read from the folder's file, beside the state's total
    ASSERT_EQ(dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(dialogos.mensagens()[0].texto.contains(QString::fromStdString(pasta.file("fichatec.txt"))))
        << dialogos.mensagens()[0].texto.toStdString();
}

TEST(StartUpInAFolder, AFolderWithoutTheDataFileEndsWithTheMessageThatNamesIt) {
    testing_support::TempDir pasta;
    testing_support::copiarAmostraPequena(pasta.path());
    std::filesystem::remove(pasta.file("Quelva.mdb"));
    testing_support::DialogosRoteiro dialogos;
    bool mostrada = false;
    EXPECT_EQ(executar(pasta.path(), dialogos, [&](quelva::FrmQuelva&) { mostrada = true; }), 1);
    EXPECT_FALSE(mostrada);
    ASSERT_EQ(dialogos.mensagens().size(), 1u);
    EXPECT_EQ(dialogos.mensagens()[0].titulo, "Quelva");
    EXPECT_EQ(dialogos.mensagens()[0].icone, quelva::Dialogos::Icone::Critico);
    EXPECT_TRUE(dialogos.mensagens()[0].texto.contains(QString::fromStdString(pasta.file("Quelva.mdb"))))
        << dialogos.mensagens()[0].texto.toStdString();
}

}  // namespace
