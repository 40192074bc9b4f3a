#pragma once
// The worksheet as an Excel 97-2003 workbook (.xls): cells only, as the format's first readers expect; no
// widths, panes or colours.
#include <string>

#include "sheet_sink.h"
#include "workbook.h"

namespace quelva {

class XlsSink : public SheetSink {
public:
    explicit XlsSink(std::string path) : path_(std::move(path)) {}

    int maxRows() const override { return xls::kMaxRows; }
    void startSheet(const QString& name) override { sheet_ = &book_.addSheet(name.toStdU16String()); }
    void describeGrid(const GridView&) override {}
    void text(int row, int column, const QString& text, const QColor&) override { sheet_->setText(row, column, text.toStdU16String()); }
    void number(int row, int column, double value, const QString&, const QColor&) override { sheet_->setNumber(row, column, value); }
    void save() override { book_.save(path_); }

private:
    std::string path_;
    xls::Workbook book_;
    xls::Sheet* sheet_ = nullptr;
};

}  // namespace quelva
