#include "xlsx_sink.h"

#include <xlsxwriter.h>

#include <cerrno>

#include "twips.h"
#include "workbook.h"
#include "xls_error.h"

namespace quelva {

namespace {

// Column widths are kept as the screen shows them at its usual resolution.
constexpr double kScreenDpi = 96;

std::string place(int row, int column) { return "linha " + std::to_string(row + 1) + ", coluna " + std::to_string(column + 1); }

}  // namespace

XlsxSink::XlsxSink(const std::string& path) : path_(path), file_(path) {
    // Each row goes to a temporary file as soon as the next begins, so that the largest grids take no more
    // memory than the smallest; texts are then stored in their cells rather than in a shared table.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    book_ = workbook_new_opt(file_.temporaryPath().c_str(), &options);
    if (!book_) throw xls::Error("Não foi possível salvar o arquivo '" + path_ + "': não há memória suficiente.");
}

XlsxSink::~XlsxSink() {
    // Not saved: nothing is written, and the temporary file goes with file_.
    if (book_) lxw_workbook_free(book_);
}

void XlsxSink::check(int error, int row, int column) const {
    switch (error) {
    case LXW_NO_ERROR: return;
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        throw xls::Error("A célula da " + place(row, column) + " está fora dos limites do Excel (" + std::to_string(kMaxRows) + " linhas, " +
                         std::to_string(kMaxColumns) + " colunas).");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        throw xls::Error("O texto da " + place(row, column) + " tem mais de " + std::to_string(xls::kMaxTextLength) +
                         " caracteres, o que o Excel aceita numa célula.");
    default: throw xls::Error("Não foi possível salvar o arquivo '" + path_ + "': " + lxw_strerror(static_cast<lxw_error>(error)) + ".");
    }
}

void XlsxSink::startSheet(const QString& name) {
    sheet_ = workbook_add_worksheet(book_, name.toUtf8().constData());
    if (!sheet_) throw xls::Error("O Excel não aceita o nome de planilha '" + name.toStdString() + "'.");
}

void XlsxSink::describeGrid(const GridView& grid) {
    for (std::size_t j = 0; j < grid.columnWidths.size(); ++j) {
        const int column = static_cast<int>(j);
        check(worksheet_set_column_pixels(sheet_, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                                          static_cast<std::uint32_t>(twipsToPixels(grid.columnWidths[j], kScreenDpi)), nullptr),
              grid.firstRow, column);
    }
    if (grid.frozenHeaders) worksheet_freeze_panes(sheet_, static_cast<lxw_row_t>(grid.firstRow + 1), 1);
}

lxw_format* XlsxSink::formatFor(const QColor& fill) {
    if (!fill.isValid()) return nullptr;
    const QRgb rgb = fill.rgb() & 0xFFFFFF;
    auto [it, added] = fills_.try_emplace(rgb, nullptr);
    if (added) {
        it->second = workbook_add_format(book_);
        format_set_pattern(it->second, LXW_PATTERN_SOLID);
        format_set_bg_color(it->second, rgb);
    }
    return it->second;
}

void XlsxSink::text(int row, int column, const QString& text, const QColor& fill) {
    lxw_format* format = formatFor(fill);
    const auto r = static_cast<lxw_row_t>(row);
    const auto c = static_cast<lxw_col_t>(column);
    if (text.isEmpty()) {
        // A coloured cell keeps its colour though empty; a plain empty one is not written at all.
        if (format) check(worksheet_write_blank(sheet_, r, c, format), row, column);
        return;
    }
    check(worksheet_write_string(sheet_, r, c, text.toUtf8().constData(), format), row, column);
}

void XlsxSink::number(int row, int column, double value, const QString&, const QColor& fill) {
    check(worksheet_write_number(sheet_, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column), value, formatFor(fill)), row,
          column);
}

void XlsxSink::save() {
    errno = 0;
    const lxw_error error = workbook_close(book_);
    book_ = nullptr;  // freed by workbook_close, whatever it returned
    if (error != LXW_NO_ERROR) {
        // The library's errors name no cause; the system's, when there is one, says it in the user's words.
        if (errno != 0) file_.fail(errno);
        check(error, 0, 0);
    }
    file_.commit();
}

}  // namespace quelva
