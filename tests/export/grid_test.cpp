// The largest grids the survey exports: 65530 rows, and 255 columns, each after the sheet's first column.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fixture.h"
#include "xls_reading.h"

using namespace xls_testing;
using testing_support::TempDir;

namespace {

constexpr int kFirstGridRow = 3;  // the grid starts below two title rows and an empty one

std::u16string localityName(int i) {
    std::u16string s = u"Localidade número " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u" ";
    for (int k = i; k > 0; k /= 10) s += static_cast<char16_t>(u'0' + k % 10);
    // Long and distinct, so that the table alone outgrows 109 FAT sectors; every seventh needs two bytes.
    s += i % 7 == 0 ? u" – região administrativa de São José dos Campos, vale do Paraíba"
                    : u" - região administrativa de São José dos Campos, vale do Paraíba";
    return s;
}

}  // namespace

TEST(XlsGrid, SixtyFiveThousandFiveHundredThirtyRows) {
    TempDir dir;
    Book book;
    const int s = book.sheet(u"Resultado - Formato 1");
    book.text(s, 0, 0, u"Título");
    for (int i = 0; i < 65530; ++i) {
        book.text(s, kFirstGridRow + i, 1, localityName(i));
        if (i % 4 == 0) book.number(s, kFirstGridRow + i, 2, i % 3 == 0 ? i * 1000.0 : i + 0.25);
    }
    const std::string path = dir.file("linhas.xls");
    book.saveAndExpectReadBack(path);
    // Past 109 FAT sectors of 128 sectors each the FAT's own list continues in DIFAT sectors.
    EXPECT_GT(std::filesystem::file_size(path), 109u * 128 * 512);
}

TEST(XlsGrid, TwoHundredFiftyFiveColumns) {
    TempDir dir;
    Book book;
    const int s = book.sheet(u"Resultado - Formato 2");
    for (int j = 0; j < 255; ++j) {
        book.text(s, kFirstGridRow, 1 + j, u"Variável " + localityName(j).substr(0, 30));
        for (int i = 1; i <= 40; ++i) book.number(s, kFirstGridRow + i, 1 + j, (i * 255 + j) * 1.5);
    }
    book.saveAndExpectReadBack(dir.file("colunas.xls"));
}
