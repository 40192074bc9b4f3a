#include "csv_sink.h"

#include "cell_number.h"

namespace quelva {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;
const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool needsQuotes(const QByteArray& field) {
    for (char c : field)
        if (c == ';' || c == '"' || c == '\n' || c == '\r') return true;
    return false;
}

// A text a spreadsheet would take for a formula when it opens the file (OWASP's list of such starts). The
// survey's code "-" and a negative number stay as they are.
bool runsAsFormula(const QString& text) {
    if (text.isEmpty()) return false;
    switch (text.front().unicode()) {
    case u'=':
    case u'+':
    case u'@':
    case u'\t':
    case u'\r': return true;
    case u'-': return text.size() > 1 && !numberFromCellText(text);
    default: return false;
    }
}

}  // namespace

CsvSink::CsvSink(const std::string& path) : file_(path) {
    buffer_.reserve(kBufferBytes + 4096);
    buffer_ += kByteOrderMark;
}

void CsvSink::moveTo(int row, int column) {
    for (; row_ < row; ++row_) {
        buffer_ += "\r\n";
        fields_ = 0;
    }
    for (; fields_ < column; ++fields_)
        if (fields_ > 0) buffer_ += ';';
    if (fields_ > 0) buffer_ += ';';
    ++fields_;
}

void CsvSink::text(int row, int column, const QString& text, const QColor&) {
    moveTo(row, column);
    // A leading apostrophe keeps such a text a text in every spreadsheet.
    const QByteArray utf8 = runsAsFormula(text) ? '\'' + text.toUtf8() : text.toUtf8();
    if (!needsQuotes(utf8)) {
        buffer_.append(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    } else {
        buffer_ += '"';
        for (char c : utf8) {
            if (c == '"') buffer_ += '"';
            buffer_ += c;
        }
        buffer_ += '"';
    }
    flushWhenFull();
}

void CsvSink::number(int row, int column, double, const QString& text, const QColor&) {
    moveTo(row, column);
    // The cell's own digits, sign and decimal comma (all ASCII, as the number rule requires) without the
    // thousands points: exact, and what the spreadsheet reads back as the same number.
    for (QChar c : text)
        if (c != u'.') buffer_ += static_cast<char>(c.unicode());
    flushWhenFull();
}

void CsvSink::flushWhenFull() {
    if (buffer_.size() < kBufferBytes) return;
    file_.write(buffer_.data(), buffer_.size());
    buffer_.clear();
}

void CsvSink::save() {
    if (row_ > 0 || fields_ > 0) buffer_ += "\r\n";
    file_.write(buffer_.data(), buffer_.size());
    buffer_.clear();
    file_.commit();
}

}  // namespace quelva
