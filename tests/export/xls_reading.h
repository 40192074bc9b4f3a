#pragma once
// What an independent reader finds in the files the tests write: read_xls.py checks each .xls file's
// structure and reads its cells with Debian's xlrd; read_back.py reads .xlsx files with openpyxl and .csv
// files with Python's csv module.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "workbook.h"

namespace xls_testing {

struct ReadCell {
    bool text = false;
    std::string value;  // a text cell's text, UTF-8
    double number = 0;

    static ReadCell ofText(std::u16string_view t);
    static ReadCell ofNumber(double n) { return {false, {}, n}; }
    // Numbers compare bit for bit: -0.0 is not 0.0.
    bool operator==(const ReadCell& other) const;
};

using Cells = std::map<std::pair<int, int>, ReadCell>;

struct ReadSheet {
    std::string name;
    Cells cells;
    // .xlsx only: the top-left cell of the pane that scrolls ("" when nothing is frozen), the columns given a
    // width (in characters) and the cells with a solid background (RRGGBB).
    std::string frozen;
    std::map<int, double> widths;
    std::map<std::pair<int, int>, std::string> fills;
    // .csv only: the number of fields of each row.
    std::map<int, int> fieldCounts;
};

struct ReadFile {
    std::string fault;  // empty when the file passed every check
    std::vector<ReadSheet> sheets;
    std::size_t streamSize = 0;  // with streamOnly
    long long patternBytes = -1;  // with streamOnly: bytes of the test pattern before only zeros
};

// Reads every file in one run of the reader, which takes a moment to start. streamOnly: the compound
// document's checks and its Workbook stream's size and pattern, for files that hold a raw test stream.
std::map<std::string, ReadFile> readWithXlrd(const std::vector<std::string>& paths, bool streamOnly = false);
ReadFile readWithXlrd(const std::string& path);
// .xlsx and .csv files, through read_back.py.
std::map<std::string, ReadFile> readBack(const std::vector<std::string>& paths);
ReadFile readBack(const std::string& path);

// "" when the cells are the same, else the first difference, for a failure message.
std::string firstDifference(const Cells& expected, const Cells& actual);

// A workbook being written, and what each of its sheets must read back as.
class Book {
public:
    xls::Workbook workbook;

    // Adds a sheet; returns its index for text() and number().
    int sheet(std::u16string_view name);
    void text(int sheet, int row, int col, std::u16string_view t);
    void number(int sheet, int row, int col, double n);
    // A cell the reader must not find, whatever was set there before.
    void clear(int sheet, int row, int col) { sheets_.at(sheet).cells.erase({row, col}); }
    xls::Sheet& operator[](int sheet) { return *sheets_.at(sheet).sheet; }

    // Saves to `path` and adds a failure for every way the file read back differs.
    void saveAndExpectReadBack(const std::string& path) const;
    // What read_xls.py found in a file this book was saved to, against the expectation.
    void expectReadBack(const ReadFile& file) const;

private:
    struct Expected {
        xls::Sheet* sheet;
        std::string name;
        Cells cells;
    };
    std::vector<Expected> sheets_;
};

}  // namespace xls_testing
