#include "workbook.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "atomic_file.h"
#include "compound_file.h"
#include "sheet_stream.h"
#include "string_table.h"
#include "utf8.h"
#include "workbook_globals.h"
#include "xls_error.h"

namespace xls {

namespace {

std::string place(int row, int column) {
    return "linha " + std::to_string(row + 1) + ", coluna " + std::to_string(column + 1);
}

char16_t folded(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool sameName(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

void checkSheetName(std::u16string_view name) {
    const std::string shown = "'" + utf8(name) + "'";
    if (name.empty()) throw Error("O nome da planilha não pode ficar vazio.");
    if (name.size() > kMaxSheetNameLength)
        throw Error("O nome da planilha " + shown + " tem mais de " + std::to_string(kMaxSheetNameLength) + " caracteres.");
    if (name.find_first_of(u":\\/?*[]") != std::u16string_view::npos)
        throw Error("O nome da planilha " + shown + " contém um dos caracteres : \\ / ? * [ ].");
    if (name.front() == u'\'' || name.back() == u'\'')
        throw Error("O nome da planilha " + shown + " começa ou termina com apóstrofo.");
}

void checkPlace(int row, int column) {
    if (row < 0 || row >= kMaxRows || column < 0 || column >= kMaxColumns)
        throw Error("A célula da " + place(row, column) + " está fora dos limites do Excel (" + std::to_string(kMaxRows) +
                    " linhas, " + std::to_string(kMaxColumns) + " colunas).");
}

}  // namespace

Sheet::Sheet(std::u16string name, StringTable& strings) : name_(std::move(name)), strings_(strings) {}

void Sheet::add(int row, int column, double number, std::uint32_t text) {
    const Cell cell{number, static_cast<std::uint32_t>(row) << 8 | static_cast<std::uint32_t>(column), text};
    if (final_ && (text == Cell::kEmpty || (!cells_.empty() && cells_.back().key >= cell.key))) final_ = false;
    cells_.push_back(cell);
}

void Sheet::setText(int row, int column, std::u16string_view text) {
    checkPlace(row, column);
    if (text.size() > kMaxTextLength)
        throw Error("O texto da " + place(row, column) + " tem " + std::to_string(text.size()) +
                    " caracteres; o Excel aceita até " + std::to_string(kMaxTextLength) + " numa célula.");
    add(row, column, 0, text.empty() ? Cell::kEmpty : strings_.intern(text));
}

void Sheet::setNumber(int row, int column, double value) {
    checkPlace(row, column);
    if (!std::isfinite(value)) throw Error("O valor da " + place(row, column) + " não é um número finito.");
    add(row, column, value, Cell::kNumber);
}

std::span<const Cell> Sheet::finalCells(std::vector<Cell>& scratch) const {
    if (final_) return cells_;
    scratch = cells_;
    std::ranges::stable_sort(scratch, {}, &Cell::key);
    // Of the values one place received, the last set is the one kept.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < scratch.size(); ++i) {
        if (i + 1 < scratch.size() && scratch[i + 1].key == scratch[i].key) continue;
        if (scratch[i].text != Cell::kEmpty) scratch[kept++] = scratch[i];
    }
    scratch.resize(kept);
    return scratch;
}

Workbook::Workbook() : strings_(std::make_unique<StringTable>()) {}
Workbook::~Workbook() = default;

Sheet& Workbook::addSheet(std::u16string_view name) {
    checkSheetName(name);
    for (const auto& sheet : sheets_)
        if (sameName(sheet->name(), name)) throw Error("Já existe uma planilha chamada '" + utf8(sheet->name()) + "'.");
    sheets_.push_back(std::make_unique<Sheet>(std::u16string(name), *strings_));
    return *sheets_.back();
}

void Workbook::save(const std::string& path) const {
    if (sheets_.empty()) throw Error("Não foi possível salvar o arquivo '" + path + "': a pasta de trabalho não tem planilhas.");

    std::vector<std::vector<Cell>> scratch(sheets_.size());
    std::vector<std::span<const Cell>> cells;
    std::vector<std::u16string> names;
    std::uint32_t textCells = 0;
    std::size_t cellCount = 0;
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        cells.push_back(sheets_[i]->finalCells(scratch[i]));
        names.push_back(sheets_[i]->name());
        textCells += static_cast<std::uint32_t>(std::ranges::count_if(cells[i], [](const Cell& c) { return c.text != Cell::kNumber; }));
        cellCount += cells[i].size();
    }

    ByteBuffer stream;
    stream.reserve(4096 + cellCount * 14 + strings_->size() * 16);
    const std::vector<std::size_t> sheetPositions = writeGlobals(stream, names, *strings_, textCells);
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        if (stream.size() > kMaxStreamSize) break;
        stream.patch32(sheetPositions[i], static_cast<std::uint32_t>(stream.size()));
        writeSheetStream(stream, cells[i], i == 0);
    }
    if (stream.size() > kMaxStreamSize)
        throw Error("Não foi possível salvar o arquivo '" + path + "': a pasta de trabalho passa de 2 GB, o maior arquivo do Excel 97-2003.");

    AtomicFile file(path);
    writeCompoundFile(stream.bytes(), [&file](const std::uint8_t* data, std::size_t size) { file.write(data, size); });
    file.commit();
}

}  // namespace xls
