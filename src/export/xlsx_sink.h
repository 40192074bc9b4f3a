#pragma once
// The worksheet as an Excel workbook (.xlsx), through libxlsxwriter: the columns as wide as on screen, the
// header cells in their colours, and the header row and first column of a table kept in view.
#include <QRgb>
#include <string>
#include <unordered_map>

#include "atomic_file.h"
#include "sheet_sink.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace quelva {

class XlsxSink : public SheetSink {
public:
    // The format's own sheet size.
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    // Creates the temporary file beside `path`; throws xls::Error when it cannot.
    explicit XlsxSink(const std::string& path);
    ~XlsxSink() override;
    XlsxSink(const XlsxSink&) = delete;
    XlsxSink& operator=(const XlsxSink&) = delete;

    int maxRows() const override { return kMaxRows; }
    void startSheet(const QString& name) override;
    void describeGrid(const GridView& grid) override;
    void text(int row, int column, const QString& text, const QColor& fill) override;
    void number(int row, int column, double value, const QString& text, const QColor& fill) override;
    void save() override;

private:
    lxw_format* formatFor(const QColor& fill);
    void check(int error, int row, int column) const;

    std::string path_;
    xls::AtomicFile file_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    std::unordered_map<QRgb, lxw_format*> fills_;
};

}  // namespace quelva
