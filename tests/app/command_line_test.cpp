// `quelva [PASTA] [ARQUIVO.quelva]`: which folder the survey is read from and which selection is opened, and a
// start-up over a folder of the user's.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QTimer>
#include <filesystem>

#include "command_line.h"
#include "scripted_dialogs.h"
#include "run_state.h"
#include "run_quelva.h"
#include "fixture.h"
#include "frm_ficha_tecnica.h"
#include "main_window.h"
#include "scripted_policy.h"
#include "review_panel.h"
#include "test_window.h"
#include "variable_marks.h"

namespace {

using quelva::CommandLine;
using quelva::readCommandLine;

// The current folder followed by `relative`, as the tests expect it.
std::string fromCurrent(const char* relative) { return QDir::current().absoluteFilePath(relative).toStdString(); }

TEST(CommandLine, WithoutAFolderTheProgramsFolderAndWithOneThatFolder) {
    const std::string program = "/usr/lib/quelva";
    const CommandLine withoutFolder = readCommandLine({"quelva"}, program);
    EXPECT_EQ(withoutFolder.action, CommandLine::Action::Run);
    EXPECT_EQ(withoutFolder.surveyFolder, program);

    const CommandLine absolute = readCommandLine({"quelva", "/home/ana/pesquisa/"}, program);
    EXPECT_EQ(absolute.action, CommandLine::Action::Run);
    EXPECT_EQ(absolute.surveyFolder, "/home/ana/pesquisa");

    // A relative folder is the user's, taken from where they started the program.
    const CommandLine relative = readCommandLine({"quelva", "dados/../pesquisa"}, program);
    EXPECT_EQ(relative.surveyFolder, fromCurrent("pesquisa"));
    EXPECT_EQ(readCommandLine({"quelva", "./-estranha"}, program).surveyFolder, fromCurrent("-estranha"));
}

TEST(CommandLine, HelpAndWrongCommandLines) {
    EXPECT_EQ(readCommandLine({"quelva", "-h"}, "/p").action, CommandLine::Action::Help);
    EXPECT_EQ(readCommandLine({"quelva", "--help"}, "/p").action, CommandLine::Action::Help);
    using Arguments = std::vector<std::string>;
    for (const Arguments& wrong : {Arguments{"quelva", "a", "b"}, Arguments{"quelva", "--pasta"}, Arguments{"quelva", ""},
                                   Arguments{"quelva", "-h", "a"}}) {
        const CommandLine c = readCommandLine(wrong, "/p");
        EXPECT_EQ(c.action, CommandLine::Action::Misuse) << wrong.at(1);
        EXPECT_TRUE(c.surveyFolder.empty());
    }
}

TEST(CommandLine, TheSelectionIsTheArgumentThatIsAFileOrEndsInQuelva) {
    testing_support::TempDir folder;
    const std::string saved = folder.file("mensal.QUELVA"), plain = folder.file("mensal");
    testing_support::writeFile(plain, "{}");
    for (const auto& arguments : {std::vector<std::string>{"quelva", folder.path(), saved}, {"quelva", saved, folder.path()}}) {
        const CommandLine c = readCommandLine(arguments, "/p");
        EXPECT_EQ(c.action, CommandLine::Action::Run);
        EXPECT_EQ(c.surveyFolder, folder.path());
        EXPECT_EQ(c.selectionFile, saved);
    }
    EXPECT_EQ(readCommandLine({"quelva", plain}, "/p").selectionFile, plain);  // a file, whatever its name
    EXPECT_EQ(readCommandLine({"quelva", plain, saved}, "/p").action, CommandLine::Action::Misuse);
    EXPECT_NE(std::string(quelva::kCommandLineUsage).find("uso: quelva [PASTA] [ARQUIVO.quelva]\n"), std::string::npos);
}

// The program run over `folder` as `quelva PASTA [ARQUIVO]` runs it; `onShown` works on the shown window,
// and the event loop then ends with status 0.
int runInFolder(const std::string& folder, testing_support::ScriptedDialogs& dialogs,
                const std::function<void(quelva::FrmQuelva&)>& onShown = {}, const std::string& selection = {}) {
    return quelva::runQuelva(folder, dialogs, [&](quelva::FrmQuelva& window) {
        QTimer::singleShot(0, &window, [&] {
            if (onShown) onShown(window);
            QCoreApplication::exit(0);
        });
    }, selection);
}

TEST(StartUpInAFolder, ASelectionFileIsOpenedOnceTheWindowIsShownAndABadOneIsTold) {
    testing_support::TempDir folder;
    testing_support::copySmallSample(folder.path());
    testing_support::ScriptedDialogs dialogs;
    dialogs.chooseFile(QString::fromStdString(folder.file("sel.quelva")));
    EXPECT_EQ(runInFolder(folder.path(), dialogs, [&](quelva::FrmQuelva& window) {
        window.runHandled([&] { testing_support::markCode(window.state().variables, "K002"); });
        window.saveSelectionAction->trigger();
    }), 0);
    testing_support::ScriptedDialogs reopened;
    EXPECT_EQ(runInFolder(folder.path(), reopened, [&](quelva::FrmQuelva& window) {
        EXPECT_TRUE(window.FraSel->isVisible());
        EXPECT_EQ(window.reviewPanel->FraSel_FraVar_LstNomeVariavel->count(), 1);  // K002 alone
    }, folder.file("sel.quelva")), 0);
    EXPECT_TRUE(reopened.messages().empty());
    testing_support::ScriptedDialogs bad;
    EXPECT_EQ(runInFolder(folder.path(), bad, {}, folder.file("Quelva.mdb")), 0);  // still starts
    ASSERT_EQ(bad.messages().size(), 1u);
    EXPECT_TRUE(bad.messages()[0].text.contains(QString::fromUtf8("não é uma seleção do Quelva"))) << bad.messages()[0].text.toStdString();
}

TEST(StartUpInAFolder, TheSurveyAndTheRecordFilesComeFromTheFolder) {
    testing_support::TempDir folder;
    testing_support::copySmallSample(folder.path());
    std::filesystem::remove(folder.file("fichatec.txt"));
    testing_support::ScriptedDialogs dialogs;
    std::string dataFile;
    int localities = 0;
    const int status = runInFolder(folder.path(), dialogs, [&](quelva::FrmQuelva& window) {
        dataFile = window.state().session.database().filePath();
        for (const QString& name : window.state().session.VetorNomeLocalidade()) localities += name.isEmpty() ? 0 : 1;
        window.MnuFichaTecnica->trigger();  // missing from the folder: said, and no window opens
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(dataFile, folder.file("Quelva.mdb"));
    EXPECT_GT(localities, 1);  // names read from the folder's file, beside the state's total
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QString::fromStdString(folder.file("fichatec.txt"))))
        << dialogs.messages()[0].text.toStdString();
}

TEST(StartUpInAFolder, AFolderWithoutTheDataFileEndsWithTheMessageThatNamesIt) {
    testing_support::TempDir folder;
    testing_support::copySmallSample(folder.path());
    std::filesystem::remove(folder.file("Quelva.mdb"));
    testing_support::ScriptedDialogs dialogs;
    bool shown = false;
    EXPECT_EQ(runInFolder(folder.path(), dialogs, [&](quelva::FrmQuelva&) { shown = true; }), 1);
    EXPECT_FALSE(shown);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Quelva");
    EXPECT_EQ(dialogs.messages()[0].icon, quelva::Dialogs::Icon::Critical);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QString::fromStdString(folder.file("Quelva.mdb"))))
        << dialogs.messages()[0].text.toStdString();
}

TEST(StartUpInAFolder, AFolderWhoseNameIsNotUtf8IsOpenedAsGiven) {
    testing_support::TempDir parent;
    const std::string folder = parent.file("pesquisa-\xE9");  // "é" in Latin-1, no UTF-8
    std::filesystem::create_directory(folder);
    testing_support::copySmallSample(folder);
    EXPECT_EQ(readCommandLine({"quelva", folder + "/"}, "/p").surveyFolder, folder);
    testing_support::ScriptedDialogs dialogs;
    std::string dataFile;
    bool recordRead = false;
    EXPECT_EQ(runInFolder(folder, dialogs, [&](quelva::FrmQuelva& window) {
        dataFile = window.state().session.database().filePath();
        testing_support::ScriptedPolicy policy;
        recordRead = quelva::FrmFichaTecnica(window.state().session.database().programFolder(), policy.policy).fill();
    }), 0);
    EXPECT_EQ(dataFile, folder + "/Quelva.mdb");
    EXPECT_TRUE(recordRead);
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
