#pragma once
// The worksheet as text that a Portuguese-language spreadsheet opens without asking how: UTF-8 with a
// byte-order mark, ";" between fields, CR LF after every row, a field in quotes when it holds ";", a quote or
// a line break (its quotes doubled), numbers with the decimal comma and no thousands points, and a text that
// would run as a formula after an apostrophe.
#include <climits>
#include <string>

#include "atomic_file.h"
#include "sheet_sink.h"

namespace quelva {

class CsvSink : public SheetSink {
public:
    // Creates the temporary file beside `path`; throws xls::Error when it cannot.
    explicit CsvSink(const std::string& path);

    // One table of rows, however long: a second sheet is never needed, and its name is not written.
    int maxRows() const override { return INT_MAX; }
    void startSheet(const QString&) override {}
    void describeGrid(const GridView&) override {}
    void text(int row, int column, const QString& text, const QColor&) override;
    void number(int row, int column, double value, const QString& text, const QColor&) override;
    void save() override;

private:
    // Ends rows and adds empty fields up to the cell's own field, and the separator before it.
    void moveTo(int row, int column);
    void flushWhenFull();

    xls::AtomicFile file_;
    std::string buffer_;
    int row_ = 0;
    int fields_ = 0;  // fields written in row_
};

}  // namespace quelva
