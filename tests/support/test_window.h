#pragma once
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QListWidget>
#include <filesystem>
#include <memory>
#include <optional>

#include "scripted_dialogs.h"
#include "run_state.h"
#include "fixture.h"
#include "theme_tree.h"
#include "main_window.h"
#include "qt_printing.h"

namespace testing_support {

// The small sample survey the build generates for tests (a Jet 4 file; beside it the same in Jet 3 and in
// SQLite form), copied to a folder of the test's own so that a test may damage it.
inline const std::string kSmallSample = QUELVA_SMALL_SAMPLE;
inline const std::string kSmallSampleJet3 = kSmallSample + "-jet3";
inline const std::string kSmallSampleSqlite = kSmallSample + "-sqlite";

inline void copySmallSample(const std::string& target, const std::string& from = kSmallSample) {
    for (const char* f : {"Quelva.mdb", "fichatec.txt", "fichains.txt"})
        std::filesystem::copy_file(from + "/" + f, target + "/" + f, std::filesystem::copy_options::overwrite_existing);
}

// A test that changes the sample's tables runs `script` on its SQLite form, copied over `file`.
inline void editSample(const std::string& file, const std::string& script) {
    std::filesystem::copy_file(kSmallSampleSqlite + "/Quelva.mdb", file, std::filesystem::copy_options::overwrite_existing);
    makeDatabase(file, script);
}

// A main window over a program folder, with scripted dialogs and an observed end of the program.
struct TestWindow {
    TempDir folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<quelva::RunState> state;
    std::unique_ptr<quelva::FrmQuelva> window;
    std::optional<int> endedWith;

    explicit TestWindow(bool withSample = true) : TestWindow(withSample ? kSmallSample : std::string()) {}
    // Over a copy of the sample in `sampleDir` (none when empty).
    explicit TestWindow(const std::string& sampleDir) {
        if (!sampleDir.empty()) copySmallSample(folder.path(), sampleDir);
        state = std::make_unique<quelva::RunState>(QString::fromStdString(folder.path()));
        window = std::make_unique<quelva::FrmQuelva>(*state, dialogs, [this](int s) { endedWith = s; });
    }

    // Start-up and the first activation, as the program runs them; false when either failed (the failure was
    // then reported through the dialogs and the end of the program asked for).
    bool start() {
        bool ok = false;
        window->runHandled([&] {
            window->Form_Load();
            window->Form_Activate();
            ok = true;
        });
        return ok;
    }

    // The one panel shown, by name; "" when none.
    QString visiblePanel() const {
        QString name;
        for (QGroupBox* p : window->findChildren<QGroupBox*>()) {
            const bool panel = p->objectName().startsWith("Fra") && !p->objectName().contains('_');  // not a frame inside one
            if (panel && p->isVisibleTo(window.get())) name += (name.isEmpty() ? "" : "+") + p->objectName();
        }
        return name;
    }
};

// Clicks the node of `key` in a theme tree as a user would; false when there is none.
inline bool clickNode(quelva::ThemeTree* tree, const QString& key) {
    for (int i = 1; i <= tree->nodeCount(); ++i) {
        QTreeWidgetItem* node = tree->node(i);
        if (tree->key(node) != key) continue;
        tree->setCurrentItem(node);
        emit tree->itemClicked(node, 0);
        return true;
    }
    return false;
}

// The texts of a list's entries, in order.
inline QStringList texts(const QListWidget* list) {
    QStringList s;
    for (int i = 0; i < list->count(); ++i) s << list->item(i)->text();
    return s;
}

}  // namespace testing_support
