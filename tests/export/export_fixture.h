#pragma once
// The export as the tests drive it: a program folder with a copy of the small sample, its state loaded, a
// result grid to save and scripted dialogs; and the sheet's column 1 as a reader found it.
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "scripted_dialogs.h"
#include "run_state.h"
#include "fixture.h"
#include "grid.h"
#include "excel_export.h"
#include "variable_table.h"
#include "xls_reading.h"

namespace export_testing {

using testing_support::TempDir;
using xls_testing::ReadCell;

// A program folder holding a copy of the small sample, its state loaded, and a result grid to save.
struct ExportFixture {
    TempDir folder;
    testing_support::ScriptedDialogs dialogs;
    std::unique_ptr<quelva::RunState> state;
    quelva::Grid grid;
    int messageFrames = 0;

    ExportFixture() {
        std::filesystem::copy_file(std::string(QUELVA_SMALL_SAMPLE) + "/Quelva.mdb", folder.file("Quelva.mdb"));
        state = std::make_unique<quelva::RunState>(QString::fromStdString(folder.path()));
        state->variables.load(state->session.database());
        state->session.setStartUpTitles();
    }
    void select(const char* code) {
        for (int i = 0; i < quelva::kMaxVariables; ++i)
            if (state->variables.VetorVariavel()[static_cast<std::size_t>(i)].CodVariavel.toText() == code) state->variables.setMark(i, true);
    }
    void save(int tab) {
        quelva::SalvarExcel({*state, dialogs, nullptr, tab, grid, [this](bool v) { messageFrames += v ? 1 : 0; }});
    }
    std::string target() const { return folder.file("resultado.xls"); }
};

inline ReadCell textCell(const char* t) { return ReadCell::ofText(QString::fromUtf8(t).toStdU16String()); }

// The sheet's column 1 from `from` to `to` (rows from 1), texts only, "" for an empty row.
inline std::vector<std::string> column1(const xls_testing::Cells& c, int from, int to) {
    std::vector<std::string> v;
    for (int r = from; r <= to; ++r) {
        auto it = c.find({r - 1, 0});
        v.push_back(it == c.end() ? "" : it->second.value);
    }
    return v;
}

}  // namespace export_testing
