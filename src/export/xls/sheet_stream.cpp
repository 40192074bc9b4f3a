#include "sheet_stream.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "biff_records.h"

namespace xls {

namespace {

// Excel finds a cell through INDEX, which points at one DBCELL per block of rows, which points at each
// row's first cell. A block covers 32 consecutive row numbers; blocks without cells are left out.
constexpr int kRowsPerBlock = 32;
constexpr std::size_t kRowRecordSize = 20;
constexpr std::uint16_t kCellFormat = 15;        // the workbook's one cell format
constexpr std::uint16_t kDefaultRowHeight = 255;  // twips, the height of a row of 10-point Arial
constexpr std::uint16_t kDefaultColumnWidth = 8;  // characters
constexpr std::uint16_t kWindowFlags = 0x00B6;    // grid lines, headers, zeros, outline symbols shown
constexpr std::uint16_t kWindowShown = 0x0600;    // the sheet selected and on screen

struct RowCells {
    int row;
    std::size_t first, end;  // its cells: [first, end)
};

std::vector<RowCells> rowsOf(std::span<const Cell> cells) {
    std::vector<RowCells> rows;
    for (std::size_t i = 0; i < cells.size();) {
        std::size_t j = i;
        while (j < cells.size() && cells[j].row() == cells[i].row()) ++j;
        rows.push_back({cells[i].row(), i, j});
        i = j;
    }
    return rows;
}

// The 4-byte RK form keeps a number exactly when it is an integer of 30 bits, or a double whose 34 low bits
// are zero; anything else takes a NUMBER record with the full double.
bool toRk(double v, std::uint32_t& rk) {
    constexpr double kRkIntegerLimit = 1 << 29;
    if (v >= -kRkIntegerLimit && v < kRkIntegerLimit && v == std::floor(v) && !(v == 0 && std::signbit(v))) {
        rk = (static_cast<std::uint32_t>(static_cast<std::int32_t>(v)) << 2) | 2;
        return true;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    if ((bits & 0x3FFFFFFFFull) != 0) return false;
    rk = static_cast<std::uint32_t>(bits >> 32);
    return true;
}

void writeCell(ByteBuffer& out, const Cell& c) {
    std::uint32_t rk = 0;
    const bool isText = c.text != Cell::kNumber;
    const bool isRk = !isText && toRk(c.number, rk);
    const std::size_t r = biff::begin(out, isText ? biff::kLabelSst : isRk ? biff::kRk : biff::kNumber);
    out.u16(static_cast<std::uint16_t>(c.row()));
    out.u16(static_cast<std::uint16_t>(c.column()));
    out.u16(kCellFormat);
    if (isText) out.u32(c.text);
    else if (isRk) out.u32(rk);
    else out.f64(c.number);
    biff::end(out, r);
}

void writeRowRecord(ByteBuffer& out, std::span<const Cell> cells, const RowCells& row) {
    const std::size_t r = biff::begin(out, biff::kRow);
    out.u16(static_cast<std::uint16_t>(row.row));
    out.u16(static_cast<std::uint16_t>(cells[row.first].column()));
    out.u16(static_cast<std::uint16_t>(cells[row.end - 1].column() + 1));
    out.u16(kDefaultRowHeight);
    out.u32(0);
    out.u16(0x0100);  // default height, no outline; the reserved bit Excel sets
    out.u16(kCellFormat);
    biff::end(out, r);
}

// One block: its ROW records, its cells, and the DBCELL that indexes them. Returns the DBCELL's position.
std::size_t writeBlock(ByteBuffer& out, std::span<const Cell> cells, std::span<const RowCells> rows) {
    const std::size_t firstRow = out.size();
    for (const RowCells& row : rows) writeRowRecord(out, cells, row);
    std::array<std::size_t, kRowsPerBlock> firstCell{};
    for (std::size_t k = 0; k < rows.size(); ++k) {
        firstCell[k] = out.size();
        for (std::size_t i = rows[k].first; i < rows[k].end; ++i) writeCell(out, cells[i]);
    }
    const std::size_t dbCell = out.size();
    const std::size_t r = biff::begin(out, biff::kDbCell);
    out.u32(static_cast<std::uint32_t>(dbCell - firstRow));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::size_t from = k == 0 ? firstRow + kRowRecordSize : firstCell[k - 1];
        out.u16(static_cast<std::uint16_t>(firstCell[k] - from));
    }
    biff::end(out, r);
    return dbCell;
}

void writeSettings(ByteBuffer& out) {
    biff::flag(out, biff::kCalcMode, 1);  // automatic
    biff::flag(out, biff::kCalcCount, 100);
    biff::flag(out, biff::kRefMode, 1);  // A1
    biff::flag(out, biff::kIteration, 0);
    std::size_t r = biff::begin(out, biff::kDelta);
    out.f64(0.001);
    biff::end(out, r);
    biff::flag(out, biff::kSaveRecalc, 1);
    biff::flag(out, biff::kPrintHeaders, 0);
    biff::flag(out, biff::kPrintGridlines, 0);
    biff::flag(out, biff::kGridSet, 1);
    r = biff::begin(out, biff::kGuts);
    out.zeros(8);  // no outline
    biff::end(out, r);
    r = biff::begin(out, biff::kDefaultRowHeight);
    out.u16(0);
    out.u16(kDefaultRowHeight);
    biff::end(out, r);
    biff::flag(out, biff::kWsBool, 0x04C1);  // page breaks shown, outline summaries below and right
    biff::end(out, biff::begin(out, biff::kHeader));
    biff::end(out, biff::begin(out, biff::kFooter));
    biff::flag(out, biff::kHCenter, 0);
    biff::flag(out, biff::kVCenter, 0);
    r = biff::begin(out, biff::kSetup);
    out.u16(0);    // paper size,
    out.u16(100);  // scale,
    out.u16(1);    // first page number,
    out.u16(1);    // pages wide and
    out.u16(1);    // tall when fitted
    out.u16(0x0006);  // portrait; no printer settings, so the printer's own apply
    out.u16(0);
    out.u16(0);
    out.f64(0.5);  // header and footer margins, inches
    out.f64(0.5);
    out.u16(1);  // copies
    biff::end(out, r);
}

}  // namespace

void writeSheetStream(ByteBuffer& out, std::span<const Cell> cells, bool shown) {
    const std::vector<RowCells> rows = rowsOf(cells);
    std::vector<std::span<const RowCells>> blocks;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j < rows.size() && rows[j].row / kRowsPerBlock == rows[i].row / kRowsPerBlock) ++j;
        blocks.emplace_back(rows.data() + i, j - i);
        i = j;
    }
    int firstColumn = 0, endColumn = 0;
    if (!cells.empty()) {
        firstColumn = kMaxColumns;
        for (const RowCells& row : rows) {
            firstColumn = std::min(firstColumn, cells[row.first].column());
            endColumn = std::max(endColumn, cells[row.end - 1].column() + 1);
        }
    }
    const std::uint32_t firstRow = rows.empty() ? 0 : rows.front().row;
    const std::uint32_t endRow = rows.empty() ? 0 : rows.back().row + 1;

    biff::bof(out, biff::kWorksheetSubstream);
    std::size_t r = biff::begin(out, biff::kIndex);
    out.u32(0);
    out.u32(firstRow);
    out.u32(endRow);
    const std::size_t columnWidthAt = out.size();
    out.u32(0);
    const std::size_t blocksAt = out.size();
    out.zeros(4 * blocks.size());
    biff::end(out, r);

    writeSettings(out);
    out.patch32(columnWidthAt, static_cast<std::uint32_t>(out.size()));
    biff::flag(out, biff::kDefColWidth, kDefaultColumnWidth);
    r = biff::begin(out, biff::kDimensions);
    out.u32(firstRow);
    out.u32(endRow);
    out.u16(static_cast<std::uint16_t>(firstColumn));
    out.u16(static_cast<std::uint16_t>(endColumn));
    out.u16(0);
    biff::end(out, r);

    for (std::size_t b = 0; b < blocks.size(); ++b)
        out.patch32(blocksAt + 4 * b, static_cast<std::uint32_t>(writeBlock(out, cells, blocks[b])));

    r = biff::begin(out, biff::kWindow2);
    out.u16(kWindowFlags | (shown ? kWindowShown : 0));
    out.u16(0);   // top row and
    out.u16(0);   // left column in view
    out.u16(64);  // grid line colour: automatic
    out.u16(0);
    out.u16(0);  // zoom: default
    out.u16(0);
    out.u32(0);
    biff::end(out, r);
    biff::end(out, biff::begin(out, biff::kEof));
}

}  // namespace xls
