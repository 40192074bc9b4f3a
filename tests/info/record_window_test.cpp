// The two record windows through their widgets. Both windows run every case: they share one mechanism and
// differ only in caption, file and close button.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>

#include "scripted_dialogs.h"
#include "fixture.h"
#include "frm_ficha_institucional.h"
#include "frm_ficha_tecnica.h"
#include "scripted_policy.h"
#include "window_probes.h"

using info_probes::firstColumn;
using info_probes::windowGrid;
using info_probes::windowGridView;
using quelva::Dialogs;
using quelva::RecordWindow;

namespace {

struct Window {
    const char* name;
    const char* file;
    const char* title;
    const char* button;
    std::function<std::unique_ptr<RecordWindow>(const std::string&, quelva::ErrorPolicy&, QWidget*)> make;
};

template <class Frm>
std::unique_ptr<RecordWindow> make(const std::string& folder, quelva::ErrorPolicy& policy, QWidget* parent) {
    return std::make_unique<Frm>(folder, policy, parent);
}

void PrintTo(const Window& window, std::ostream* out) { *out << window.name; }

using Rows = std::vector<std::pair<QString, bool>>;
std::pair<QString, bool> plain(const char* text) { return {QString::fromUtf8(text), false}; }
std::pair<QString, bool> bold(const char* text) { return {QString::fromUtf8(text), true}; }

class RecordWindowTest : public ::testing::TestWithParam<Window> {
protected:
    std::string recordPath() const { return folder.file(GetParam().file); }
    void write(const std::string& bytes) const { testing_support::writeFile(recordPath(), bytes); }
    std::unique_ptr<RecordWindow> open(QWidget* parent = nullptr) {
        return GetParam().make(folder.path(), scripted.policy, parent);
    }
    QPushButton* closeButton(const RecordWindow& window) const {
        return window.findChild<QPushButton*>(QString::fromUtf8(GetParam().button));
    }
    // The rows a new window shows for a file holding `bytes`.
    Rows shown(const std::string& bytes) {
        write(bytes);
        auto window = open();
        EXPECT_TRUE(window->fill());
        return firstColumn(*windowGrid(*window));
    }

    testing_support::TempDir folder;
    testing_support::ScriptedPolicy scripted;
};

TEST_P(RecordWindowTest, TheGridIsHiddenUntilFilledWithOneCentredColumn) {
    write("a\nBBb\n");
    auto window = open();
    EXPECT_TRUE(windowGridView(*window)->isHidden());
    ASSERT_TRUE(window->fill());
    EXPECT_FALSE(windowGridView(*window)->isHidden());
    const quelva::Grid& grid = *windowGrid(*window);
    ASSERT_EQ(grid.columns(), 1);
    ASSERT_EQ(grid.rows(), 3);
    for (int l = 0; l < grid.rows(); ++l) EXPECT_EQ(grid.cell(l, 0).alignment, Qt::AlignCenter) << l;
}

TEST_P(RecordWindowTest, OnlyBBAtTheVeryStartMakesABoldLineAndIsNotShown) {
    EXPECT_EQ(shown("BBFICHA\nBB\nBBB\n BB x\nxBB\nbbmin\xC3\xBAsculas\n\tBB\n  recuo  \n"),
              (Rows{bold("FICHA"), bold(""), bold("B"), plain(" BB x"), plain("xBB"),
                      plain("bbminúsculas"), plain("\tBB"), plain("  recuo  "), plain("")}));
}

TEST_P(RecordWindowTest, OneRowPerLineInFileOrderThenOneEmptyRow) {
    EXPECT_EQ(shown("primeira\nBBsegunda\n\nquarta"),
              (Rows{plain("primeira"), bold("segunda"), plain(""), plain("quarta"), plain("")}));
    EXPECT_EQ(shown(""), Rows{plain("")});  // an empty file: the single empty row
    EXPECT_EQ(shown("a\n").size(), 2u);        // a final line break adds no row
    EXPECT_EQ(shown("a\n\n").size(), 3u);      // an empty last line does
}

TEST_P(RecordWindowTest, Utf8WithByteOrderMarkAndCrLfOrWindows1252) {
    const Rows expected{bold("Informações técnicas"), plain(""), plain("São José"), plain("")};
    EXPECT_EQ(shown("\xEF\xBB\xBF" "BBInforma\xC3\xA7\xC3\xB5" "es t\xC3\xA9" "cnicas\r\n\r\nS\xC3\xA3o Jos\xC3\xA9\r\n"),
              expected);
    EXPECT_EQ(shown("BBInforma\xE7\xF5" "es t\xE9" "cnicas\n\nS\xE3o Jos\xE9"), expected);
}

TEST_P(RecordWindowTest, EachFillingReadsTheFileAnew) {
    write("BBum\ndois\n");
    auto first = open();
    ASSERT_TRUE(first->fill());
    write("depois\n");
    EXPECT_EQ(firstColumn(*windowGrid(*open())), Rows{});  // nothing is read before the opening
    auto second = open();
    ASSERT_TRUE(second->fill());
    EXPECT_EQ(firstColumn(*windowGrid(*second)), (Rows{plain("depois"), plain("")}));
    // Filling the first window again shows the new content only.
    ASSERT_TRUE(first->fill());
    EXPECT_EQ(firstColumn(*windowGrid(*first)), firstColumn(*windowGrid(*second)));
}

TEST_P(RecordWindowTest, AMissingFolderPipeOrDeviceFileIsSaidOnceByItsPath) {
    QWidget mainWindow;
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"não foi encontrado", [] {}},
        {"é uma pasta", [this] { std::filesystem::create_directory(recordPath()); }},
        // Neither waits for a writer nor reads without end.
        {"não é um arquivo de texto comum", [this] { std::filesystem::remove(recordPath()), ::mkfifo(recordPath().c_str(), 0600); }},
        {"não é um arquivo de texto comum", [this] { std::filesystem::remove(recordPath()), std::filesystem::create_symlink("/dev/zero", recordPath()); }},
    };
    for (const auto& [reason, prepare] : cases) {
        prepare();
        testing_support::ScriptedPolicy other;
        auto window = GetParam().make(folder.path(), other.policy, &mainWindow);
        EXPECT_FALSE(window->fill());
        ASSERT_EQ(other.dialogs.messages().size(), 1u) << reason;
        const auto& m = other.dialogs.messages().front();
        for (const QString& part : {QString::fromStdString(recordPath()), QString::fromUtf8(GetParam().title),
                                     QString::fromUtf8(reason)})
            EXPECT_TRUE(m.text.contains(part)) << m.text.toStdString();
        EXPECT_EQ(m.icon, Dialogs::Icon::Exclamation);
        EXPECT_EQ(m.buttons, Dialogs::Buttons::Ok);
        EXPECT_EQ(m.parent, &mainWindow);  // the record window is not on screen
        EXPECT_TRUE(windowGridView(*window)->isHidden());
    }
}

TEST_P(RecordWindowTest, ExecOpensOnlyAReadableFileAndTheCloseButtonClosesIt) {
    auto window = open();
    bool wasShown = false;
    // Should the window open after all, close it so that the test reports instead of waiting for a person.
    QTimer::singleShot(2000, window.get(), [&] {
        wasShown = true;
        window->reject();
    });
    EXPECT_EQ(window->exec(), QDialog::Rejected);
    EXPECT_FALSE(wasShown);
    EXPECT_EQ(scripted.dialogs.messages().size(), 1u);

    write("BBtítulo\n");
    window = open();
    Rows atClick;
    QTimer::singleShot(0, window.get(), [&] {
        // Shown modally: while it is open the rest of the program takes no input.
        wasShown = window->isVisible() && QApplication::activeModalWidget() == window.get();
        atClick = firstColumn(*windowGrid(*window));
        QTest::mouseClick(closeButton(*window), Qt::LeftButton);
    });
    window->exec();
    EXPECT_TRUE(wasShown);
    EXPECT_EQ(atClick, (Rows{bold("título"), plain("")}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(scripted.dialogs.messages().size(), 1u);
}

TEST_P(RecordWindowTest, ShowingFillsTheWindowOrClosesItAfterTheMessage) {
    auto window = open();
    window->show();
    ASSERT_EQ(scripted.dialogs.messages().size(), 1u);
    EXPECT_EQ(scripted.dialogs.messages().front().parent, window.get());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 2000));

    write("BBvisto\n");
    window = open();
    window->show();
    EXPECT_EQ(firstColumn(*windowGrid(*window)), (Rows{bold("visto"), plain("")}));
    EXPECT_FALSE(windowGridView(*window)->isHidden());
    EXPECT_EQ(scripted.dialogs.messages().size(), 1u);
}

// Dialogs whose message box itself fails.
class FailingDialogs : public testing_support::ScriptedDialogs {
public:
    Answer message(QWidget*, const QString& text, Icon, Buttons, const QString&, bool = false) override {
        seen.push_back(text);
        throw std::runtime_error("a caixa de mensagem falhou");
    }
    QStringList seen;
};

// Showing the window runs under the error policy: what fails there ends the program through the policy and
// never unwinds into the toolkit.
TEST_P(RecordWindowTest, AFailureWhileShowingEndsUnderTheErrorPolicy) {
    FailingDialogs failing;
    std::vector<int> ends;
    quelva::ErrorPolicy policy(failing, [&](int s) { ends.push_back(s); });
    auto window = GetParam().make(folder.path(), policy, nullptr);
    window->show();  // the file is missing: the message about it is the failure
    EXPECT_EQ(ends, std::vector<int>{1});
    ASSERT_EQ(failing.seen.size(), 2);  // the missing file, then the policy's own message of the failure
    EXPECT_TRUE(failing.seen[0].contains(QString::fromStdString(recordPath())));
    EXPECT_EQ(failing.seen[1], "a caixa de mensagem falhou");
    window->hide();
}

INSTANTIATE_TEST_SUITE_P(
    BothRecords, RecordWindowTest,
    ::testing::Values(Window{"FrmFichaTecnica", "fichatec.txt", "Ficha Técnica", "FrmFichaTecnica_cmdfechar",
                             make<quelva::FrmFichaTecnica>},
                      Window{"FrmFichaInstitucional", "fichains.txt", "Ficha Institucional",
                             "FrmFichaInstitucional_cmdfechar", make<quelva::FrmFichaInstitucional>}),
    [](const ::testing::TestParamInfo<Window>& test) { return std::string(test.param.name); });

}  // namespace
