// `quelva [PASTA]`: which folder the survey is read from, and a start-up over a folder of the user's.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
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
#include "test_window.h"

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

// The program run over `folder` as `quelva PASTA` runs it; `onShown` works on the shown window, and the
// event loop then ends with status 0.
int runInFolder(const std::string& folder, testing_support::ScriptedDialogs& dialogs,
                const std::function<void(quelva::FrmQuelva&)>& onShown = {}) {
    return quelva::runQuelva(folder, dialogs, [&](quelva::FrmQuelva& window) {
        QTimer::singleShot(0, &window, [&] {
            if (onShown) onShown(window);
            QCoreApplication::exit(0);
        });
    });
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
