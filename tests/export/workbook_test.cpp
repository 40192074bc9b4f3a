// Workbooks written by the writer and read again, cell by cell, by xlrd.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "fixture.h"
#include "utf8.h"
#include "workbook.h"
#include "xls_error.h"
#include "xls_reading.h"

using namespace xls_testing;
using testing_support::TempDir;

TEST(XlsWorkbook, TextsAndNumbersReadBackExactlyAndEmptyCellsStayEmpty) {
    TempDir dir;
    Book book;
    const int s = book.sheet(u"Resultado - Formato 1");
    // Latin-1 texts take one byte a character, the others two; both kinds side by side.
    book.text(s, 0, 0, u"Município não respondeu");
    book.text(s, 1, 0, u"Fontes, Notas e Definições:");
    book.text(s, 2, 0, u" -  Fenômeno inexistente");
    book.text(s, 3, 0, u"€ 12 – Ωμέγα");
    book.text(s, 4, 0, u"\U0001F600 fora do plano básico");
    book.text(s, 5, 0, u"duas\nlinhas\r\ne\ttabulação");
    book.text(s, 6, 0, u"NR");
    book.text(s, 7, 0, u"...");
    book.text(s, 8, 0, u"-");
    // Numbers: the 4-byte RK form where it is exact (30-bit integers, doubles with 34 low zero bits), a
    // full double elsewhere, and the edges of each.
    const double numbers[] = {0.0, -0.0, 1234, 1234.5, -12, 0.1, 1.0 / 3, 123456789.123,
                              536870911, 536870912, -536870912, -536870913, 0.5, -2.75, 1e-300, 1e300,
                              std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min(),
                              std::numeric_limits<double>::lowest(), 4294967296.0};
    int row = 0;
    for (double n : numbers) book.number(s, row++, 3, n);
    // Far apart, with nothing between them: the reader must find nothing there.
    book.text(s, 300, 200, u"longe");
    book.saveAndExpectReadBack(dir.file("values.xls"));
}

TEST(XlsWorkbook, OneCellIsAValidWorkbook) {
    TempDir dir;
    Book book;
    book.number(book.sheet(u"Plan1"), 0, 0, 1);
    book.saveAndExpectReadBack(dir.file("um.xls"));
    Book empty;
    empty.sheet(u"Vazia");
    empty.saveAndExpectReadBack(dir.file("vazia.xls"));
}

TEST(XlsWorkbook, TheLastValueSetInACellWinsAndAnEmptyTextClearsIt) {
    TempDir dir;
    Book book;
    const int s = book.sheet(u"Plan1");
    book.text(s, 5, 1, u"depois");
    book.text(s, 1, 1, u"antes");  // out of order
    book.text(s, 2, 2, u"apagado");
    book.text(s, 2, 2, u"");
    book.number(s, 3, 0, 1);
    book.text(s, 3, 0, u"texto por cima de número");
    book.text(s, 4, 0, u"número por cima de texto");
    book.number(s, 4, 0, 2.5);
    book.text(s, 0, 7, u"");  // never set: nothing
    book.saveAndExpectReadBack(dir.file("ultimo.xls"));
}

TEST(XlsWorkbook, SheetsKeepTheirNamesOrderAndOwnCells) {
    TempDir dir;
    Book book;
    const int first = book.sheet(u"Resultado - Formato 3");
    const int second = book.sheet(u"Notas e conveções");
    const int third = book.sheet(u"Ω é a última");
    book.text(first, 0, 0, u"primeira");
    book.text(second, 0, 0, u"segunda");
    book.text(third, 0, 0, u"primeira");  // the same text shared through the string table
    book.number(second, 9, 9, 99);
    book.saveAndExpectReadBack(dir.file("planilhas.xls"));
}

TEST(XlsWorkbook, RefusesWhatExcelCannotHoldAndStaysUsable) {
    TempDir dir;
    Book book;
    const int s = book.sheet(u"Plan1");
    const std::u16string longest(31, u'n');
    EXPECT_NO_THROW(book.sheet(longest));
    for (std::u16string_view bad : {u"", u"nome com trinta e dois caractere", u"a:b", u"a\\b", u"a/b", u"a?b", u"a*b",
                                    u"[a", u"a]", u"'a", u"a'", u"PLAN1"}) {
        EXPECT_THROW(book.workbook.addSheet(bad), xls::Error) << xls::utf8(bad);
    }
    try {
        book[s].setText(65536, 0, u"x");
        ADD_FAILURE() << "row 65536 accepted";
    } catch (const xls::Error& e) {
        EXPECT_NE(std::string(e.what()).find("linha 65537, coluna 1"), std::string::npos) << e.what();
    }
    EXPECT_THROW(book[s].setNumber(0, 256, 1), xls::Error);
    EXPECT_THROW(book[s].setNumber(-1, 0, 1), xls::Error);
    EXPECT_THROW(book[s].setText(0, -1, u"x"), xls::Error);
    EXPECT_THROW(book[s].setText(0, 0, std::u16string(xls::kMaxTextLength + 1, u'x')), xls::Error);
    EXPECT_THROW(book[s].setNumber(0, 1, std::nan("")), xls::Error);
    EXPECT_THROW(book[s].setNumber(0, 2, std::numeric_limits<double>::infinity()), xls::Error);
    // The far corner is still inside, and nothing refused was kept.
    book.text(s, 65535, 255, u"canto");
    book.number(s, 0, 0, 7);
    book.saveAndExpectReadBack(dir.file("limites.xls"));
}
