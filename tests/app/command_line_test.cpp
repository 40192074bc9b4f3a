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
    const QString program = QStringLiteral("/usr/lib/quelva");
    const CommandLine withoutFolder = readCommandLine({"quelva"}, program);
    EXPECT_EQ(withoutFolder.action, CommandLine::Action::Run);
    EXPECT_EQ(withoutFolder.surveyFolder, program);

    const CommandLine absolute = readCommandLine({"quelva", "/home/ana/pesquisa/"}, program);
    EXPECT_EQ(absolute.action, CommandLine::Action::Run);
    EXPECT_EQ(absolute.surveyFolder, "/home/ana/pesquisa");

    // A relative folder is the user's, taken from where they started the program.
    const CommandLine relative = readCommandLine({"quelva", "dados/../pesquisa"}, program);
    EXPECT_EQ(relative.surveyFolder, QDir::current().absoluteFilePath("pesquisa"));
    EXPECT_EQ(readCommandLine({"quelva", "./-estranha"}, program).surveyFolder,
              QDir::current().absoluteFilePath("-estranha"));
}

TEST(CommandLine, HelpAndWrongCommandLines) {
    EXPECT_EQ(readCommandLine({"quelva", "-h"}, "/p").action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine({"quelva", "--help"}, "/p").action, CommandLine::Action::Help);
    for (const QStringList& wrong : {QStringList{"quelva", "a", "b"}, QStringList{"quelva", "--pasta"},
                                      QStringList{"quelva", ""}, QStringList{"quelva", "-h", "a"}}) {
        const CommandLine c = readCommandLine(wrong, "/p");
        EXPECT_EQ(c.action, CommandLine::Action::Misuse) << wrong.join(' ').toStdString();
        EXPECT_TRUE(c.surveyFolder.isEmpty());
    }
}

// The program run over `pasta` as `quelva PASTA` runs it; `onShown` works on the shown window, and the
// event loop then ends with status 0.
int runInFolder(const std::string& pasta, testing_support::DialogosRoteiro& dialogos,
                const std::function<void(quelva::FrmQuelva&)>& onShown = {}) {
    return quelva::executarQuelva(QString::fromStdString(pasta), dialogos, [&](quelva::FrmQuelva& janela) {
        QTimer::singleShot(0, &janela, [&] {
            if (onShown) onShown(janela);
            QCoreApplication::exit(0);
        });
    });
}

TEST(StartUpInAFolder, TheSurveyAndTheRecordFilesComeFromTheFolder) {
    testing_support::TempDir pasta;
    testing_support::copiarAmostraPequena(pasta.path());
    std::filesystem::remove(pasta.file("fichatec.txt"));
    testing_support::DialogosRoteiro dialogos;
    std::string dataFile;
    int localities = 0;
    const int status = runInFolder(pasta.path(), dialogos, [&](quelva::FrmQuelva& janela) {
        dataFile = janela.estado().banco.caminho();
        for (const QString& name : janela.estado().VetorNomeLocalidade) localities += name.isEmpty() ? 0 : 1;
        janela.MnuFichaTecnica->trigger();  // missing from the folder: said, and no window opens
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dataFile, pasta.file("Quelva.mdb"));
    EXPECT_GT(localities, 1);  // names read from the folder's file, beside the state's total
    ASSERT_EQ(dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(dialogos.mensagens()[0].texto.contains(QString::fromStdString(pasta.file("fichatec.txt"))))
        << dialogos.mensagens()[0].texto.toStdString();
}

TEST(StartUpInAFolder, AFolderWithoutTheDataFileEndsWithTheMessageThatNamesIt) {
    testing_support::TempDir pasta;
    testing_support::copiarAmostraPequena(pasta.path());
    std::filesystem::remove(pasta.file("Quelva.mdb"));
    testing_support::DialogosRoteiro dialogos;
    bool shown = false;
    EXPECT_EQ(runInFolder(pasta.path(), dialogos, [&](quelva::FrmQuelva&) { shown = true; }), 1);
    EXPECT_FALSE(shown);
    ASSERT_EQ(dialogos.mensagens().size(), 1u);
    EXPECT_EQ(dialogos.mensagens()[0].titulo, "Quelva");
    EXPECT_EQ(dialogos.mensagens()[0].icone, quelva::Dialogos::Icone::Critico);
    EXPECT_TRUE(dialogos.mensagens()[0].texto.contains(QString::fromStdString(pasta.file("Quelva.mdb"))))
        << dialogos.mensagens()[0].texto.toStdString();
}

}  // namespace
