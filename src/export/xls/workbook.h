#pragma once
// An Excel 97-2003 workbook (.xls: BIFF8 in a compound document) built in memory and saved in one go.
//
//     xls::Workbook book;
//     xls::Sheet& sheet = book.addSheet(u"Resultado - Formato 1");
//     sheet.setText(0, 0, u"Município");
//     sheet.setNumber(0, 1, 1234.5);
//     book.save("/home/ana/resultado.xls");   // throws xls::Error naming the file and the reason
//
// Rows and columns count from 0. Texts are UTF-16; a cell never set, or set to an empty text, is not
// written at all. Setting a cell again replaces its value.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "export_limits.h"

namespace xls {

class StringTable;

// One cell as the sheet keeps it: its place packed into a key that sorts row by row, and its value.
struct Cell {
    static constexpr std::uint32_t kNumber = 0xFFFFFFFF;  // `text` of a number cell
    static constexpr std::uint32_t kEmpty = 0xFFFFFFFE;   // `text` of a cell set to an empty text

    double number;
    std::uint32_t key;   // row << 8 | column
    std::uint32_t text;  // index in the workbook's string table, or one of the two markers above

    int row() const { return static_cast<int>(key >> 8); }
    int column() const { return static_cast<int>(key & 0xFF); }
};

class Sheet {
public:
    Sheet(std::u16string name, StringTable& strings);

    const std::u16string& name() const { return name_; }
    void setText(int row, int column, std::u16string_view text);
    void setNumber(int row, int column, double value);

    // The cells to write: sorted by row then column, one per place with the last value set, no empty ones.
    // When the cells were set that way (the usual case), the sheet's own list; otherwise one put in `scratch`.
    std::span<const Cell> finalCells(std::vector<Cell>& scratch) const;

private:
    void add(int row, int column, double number, std::uint32_t text);

    std::u16string name_;
    StringTable& strings_;
    std::vector<Cell> cells_;
    bool final_ = true;  // strictly increasing keys, nothing empty
};

class Workbook {
public:
    Workbook();
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // Adds a worksheet after the others. Excel's rules for the name: 1 to 31 characters, none of : \ / ? * [ ],
    // no apostrophe first or last, unlike every other sheet's name whatever the case.
    Sheet& addSheet(std::u16string_view name);

    // Writes the workbook to `path`, replacing any file there. The file is written under a temporary name in
    // the same folder and renamed only once complete: a failure leaves no partial file and any earlier file
    // intact. At least one sheet is required.
    void save(const std::string& path) const;

private:
    std::unique_ptr<StringTable> strings_;
    std::vector<std::unique_ptr<Sheet>> sheets_;
};

}  // namespace xls
