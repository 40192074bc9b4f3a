// The shared string table past the 8224-byte record limit: CONTINUE records, strings split across them
// with their flags byte repeated, one or two bytes a character chosen string by string.
#include <gtest/gtest.h>

#include <string>

#include "fixture.h"
#include "xls_reading.h"

using namespace xls_testing;
using testing_support::TempDir;

namespace {

// A text of `length` characters, two bytes each when `wide`, not repeating its neighbours.
std::u16string text(std::size_t length, bool wide, int seed) {
    static constexpr std::u16string_view kLatin = u"abcdefghijklmnopqrstuvwxyzáéíóúãõçâêô ";
    static constexpr std::u16string_view kWide = u"αβγδεζηθ€–ŒœŠšŽžĀāĂă";
    std::u16string s;
    for (std::size_t i = 0; i < length; ++i) {
        const std::u16string_view from = wide && i % 3 == 0 ? kWide : kLatin;
        s += from[(i * 7 + static_cast<std::size_t>(seed) * 13) % from.size()];
    }
    return s;
}

}  // namespace

TEST(XlsStringTable, ManyAndLongTextsContinueAcrossRecords) {
    TempDir dir;
    Book book;
    const int s = book.sheet(u"Textos");
    // Some 600 kB of texts of every length up to 400: dozens of CONTINUE records, each boundary falling
    // somewhere inside or between strings of both kinds.
    for (int i = 0; i < 3000; ++i) book.text(s, i, 0, text(1 + i * 37 % 400, i % 5 == 0, i));
    // The longest texts a cell holds, each spread over several records.
    book.text(s, 0, 1, text(32767, true, 1));
    book.text(s, 1, 1, text(32767, false, 2));
    // Repeated texts go into the table once and are read back in every cell.
    for (int i = 0; i < 50; ++i) book.text(s, i, 2, u"Município não respondeu");
    book.saveAndExpectReadBack(dir.file("textos.xls"));
}

TEST(XlsStringTable, EveryWayARecordBoundaryMeetsAString) {
    // The first record has 8216 bytes for strings. A one-byte string of n characters takes 3 + n of them,
    // so each filler leaves 0 to 6 bytes for the next string: room for nothing, for its count and flags
    // only, for them and one character of either width, or one wide character and a byte to spare.
    TempDir dir;
    std::vector<std::unique_ptr<Book>> books;
    std::vector<std::string> paths;
    for (std::size_t left = 0; left <= 6; ++left) {
        for (bool wide : {false, true}) {
            auto book = std::make_unique<Book>();
            const int s = book->sheet(u"Limite");
            book->text(s, 0, 0, std::u16string(8213 - left, u'a'));
            book->text(s, 1, 0, text(9000, wide, 3));  // crosses into the next record, and out of it
            book->text(s, 2, 0, text(5, !wide, 4));
            paths.push_back(dir.file("limit-" + std::to_string(left) + (wide ? "-wide" : "-narrow") + ".xls"));
            book->workbook.save(paths.back());
            books.push_back(std::move(book));
        }
    }
    const auto read = readWithXlrd(paths);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        books[i]->expectReadBack(read.at(paths[i]));
    }
}
