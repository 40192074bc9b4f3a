// Saving the largest result grid of the sample survey that fits the export's limits (Formato 1: a header
// row and the 645 localities, a name column and 254 variables: the 255 columns allowed) with our .xls
// writer, and the same cells with libxlsxwriter to an .xlsx, alternately in the same run. Prints one JSON
// line.
#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "utf8.h"
#include "workbook.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kLocalities = 645;
constexpr int kVariables = 254;
constexpr int kFirstGridRow = 3;

struct GridCell {
    int row, col;
    bool isText;
    std::u16string text;
    double number;
    std::string utf8;  // the text as libxlsxwriter takes it, converted before the clock starts
};

GridCell text(int row, int col, std::u16string t) { return {row, col, true, std::move(t), 0, {}}; }
GridCell number(int row, int col, double n) { return {row, col, false, {}, n, {}}; }

std::u16string digits(int n) { return std::u16string(1, static_cast<char16_t>(u'0' + n / 100 % 10)) + static_cast<char16_t>(u'0' + n / 10 % 10) + static_cast<char16_t>(u'0' + n % 10); }

// Deterministic, survey-like cells: names with accents, mostly numbers, now and then a special code.
std::vector<GridCell> formato1Grid() {
    static const std::u16string kCodes[] = {u"NR", u"SB", u"...", u"-"};
    static const std::u16string kPlaces[] = {u"São José", u"Ribeirão", u"Araçá", u"Itapuí", u"Guaratinguetá"};
    std::vector<GridCell> cells;
    cells.push_back(text(0, 0, u"Lumbra 1999 - Tarsenal: resultado da consulta"));
    cells.push_back(text(1, 0, u"Municípios selecionados, variáveis de população, saneamento e finanças"));
    cells.push_back(text(kFirstGridRow, 0, u"Localidade"));
    for (int v = 0; v < kVariables; ++v)
        cells.push_back(text(kFirstGridRow, 1 + v, u"Variável " + digits(v) + u" - domicílios particulares permanentes atendidos"));
    std::uint32_t seed = 12345;
    for (int l = 0; l < kLocalities; ++l) {
        const int row = kFirstGridRow + 1 + l;
        cells.push_back(text(row, 0, kPlaces[l % 5] + u" " + digits(l)));
        for (int v = 0; v < kVariables; ++v) {
            seed = seed * 1103515245 + 12345;
            const std::uint32_t r = seed >> 8;
            if (r % 100 < 12) cells.push_back(text(row, 1 + v, kCodes[r % 4]));
            else if (r % 3 == 0) cells.push_back(number(row, 1 + v, static_cast<double>(r % 1000000) / 10.0));
            else cells.push_back(number(row, 1 + v, static_cast<double>(r % 5000000)));
        }
    }
    for (GridCell& c : cells)
        if (c.isText) c.utf8 = xls::utf8(c.text);
    return cells;
}

void saveXls(const std::vector<GridCell>& cells, const std::string& path) {
    xls::Workbook book;
    xls::Sheet& sheet = book.addSheet(u"Resultado - Formato 1");
    for (const GridCell& c : cells) {
        if (c.isText) sheet.setText(c.row, c.col, c.text);
        else sheet.setNumber(c.row, c.col, c.number);
    }
    book.save(path);
}

bool saveXlsx(const std::vector<GridCell>& cells, const std::string& path) {
    lxw_workbook* book = workbook_new(path.c_str());
    if (!book) return false;
    lxw_worksheet* sheet = workbook_add_worksheet(book, "Resultado - Formato 1");
    for (const GridCell& c : cells) {
        if (c.isText) worksheet_write_string(sheet, c.row, c.col, c.utf8.c_str(), nullptr);
        else worksheet_write_number(sheet, c.row, c.col, c.number, nullptr);
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path dir = fs::temp_directory_path() / ("quelva-bench-xls-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string xlsPath = (dir / "formato1.xls").string();
    const std::string xlsxPath = (dir / "formato1.xlsx").string();
    const std::vector<GridCell> cells = formato1Grid();

    std::vector<double> xlsMs, xlsxMs;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        saveXls(cells, xlsPath);
        xlsMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        start = Clock::now();
        if (!saveXlsx(cells, xlsxPath)) {
            std::fprintf(stderr, "libxlsxwriter failed\n");
            return 1;
        }
        xlsxMs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    const auto xlsBytes = fs::file_size(xlsPath);
    const auto xlsxBytes = fs::file_size(xlsxPath);
    fs::remove_all(dir);
    std::printf("{\"bench\":\"xls\",\"cells\":%zu,\"ms\":%.1f,\"min_ms\":%.1f,\"bytes\":%llu,"
                "\"xlsx_ms\":%.1f,\"xlsx_min_ms\":%.1f,\"xlsx_bytes\":%llu,\"runs\":%d}\n",
                cells.size(), median(xlsMs), *std::min_element(xlsMs.begin(), xlsMs.end()),
                static_cast<unsigned long long>(xlsBytes), median(xlsxMs),
                *std::min_element(xlsxMs.begin(), xlsxMs.end()), static_cast<unsigned long long>(xlsxBytes), runs);
    return 0;
}
