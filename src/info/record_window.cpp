#include "record_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "wait_cursor.h"
#include "dialogs.h"
#include "error_policy.h"
#include "info_window.h"
#include "record_file.h"

namespace quelva {

namespace {

// A bold line is marked by these two characters at its very start; they are not shown.
constexpr QStringView kBoldMark = u"BB";

constexpr int kColumnWidth = 8000;  // twips
constexpr int kWindowWidth = 8700;
constexpr int kWindowHeight = 6600;

constexpr char kNotShown[] = "Não foi possível mostrar a %1.\n\n%2";

}  // namespace

RecordWindow::RecordWindow(const Record& record, const std::string& programFolder, ErrorPolicy& policy, QWidget* parent)
    : QDialog(parent),
      title_(QString::fromUtf8(record.title)),
      path_(programFolder + '/' + record.file),
      policy_(policy),
      dialogs_(policy.dialogs()) {
    setUpInfoWindow(this, title_, kWindowWidth, kWindowHeight);

    MSFlexGrid1 = new GridTableView(policy, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    setUpInfoGrid(MSFlexGrid1);
    MSFlexGrid1->setGrid(&grid_);
    // Load hides the grid; it appears once filled.
    MSFlexGrid1->hide();
    closeButton_ = makeCloseButton(this, QString::fromUtf8(record.closeButtonName));

    auto* column = new QVBoxLayout(this);
    column->addWidget(MSFlexGrid1, 1);
    column->addLayout(closeButtonRow(closeButton_));
}

bool RecordWindow::fill() {
    // The normal pointer is back before the message, if there is one.
    const RecordFile record = [this] {
        WaitCursor wait(this);
        return readRecordFile(path_);
    }();
    if (!record.ok()) {
        reportFailure(record.failure);
        return false;
    }
    WaitCursor wait(this);
    fillGrid(record.lines);
    MSFlexGrid1->show();
    filled_ = true;
    return true;
}

void RecordWindow::fillGrid(const QStringList& lines) {
    // One row per line in file order, and the row the next line would have gone into stays empty at the end.
    const int count = static_cast<int>(lines.size());
    grid_.beginChanges();
    grid_.setSize(0, 0);
    grid_.setSize(count + 1, 1);
    grid_.setColumnWidth(0, kColumnWidth);
    for (int row = 0; row <= count; ++row) {
        Grid::Cell& cell = grid_.writableCell(row, 0);
        cell.alignment = Qt::AlignCenter;
        if (row == count) break;
        const QString& text = lines.at(row);
        cell.bold = text.startsWith(kBoldMark);
        cell.text = cell.bold ? text.mid(kBoldMark.size()) : text;
    }
    grid_.endChanges();
}

void RecordWindow::reportFailure(const QString& failure) {
    // Before the window is shown the message belongs to the window that asked for it.
    QWidget* owner = isVisible() || !parentWidget() ? this : parentWidget();
    dialogs_.message(owner, QString::fromUtf8(kNotShown).arg(title_, failure), Dialogs::Icon::Exclamation,
                      Dialogs::Buttons::Ok, {});
}

int RecordWindow::exec() {
    if (!fill()) return QDialog::Rejected;
    return QDialog::exec();
}

void RecordWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (filled_) return;
    policy_.run([this] {
        // Closed once the message is answered and the window has finished showing.
        if (!fill()) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    });
}

}  // namespace quelva
