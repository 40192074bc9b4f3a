#include "record_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "cursor_espera.h"
#include "dialogos.h"
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

RecordWindow::RecordWindow(const Record& record, const QString& programFolder, ErrorPolicy& policy, QWidget* parent)
    : QDialog(parent),
      title_(QString::fromUtf8(record.title)),
      path_(programFolder + u'/' + QString::fromUtf8(record.file)),
      policy_(policy),
      dialogs_(policy.dialogos()) {
    setUpInfoWindow(this, title_, kWindowWidth, kWindowHeight);

    MSFlexGrid1 = new VisaoGrade(policy, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    setUpInfoGrid(MSFlexGrid1);
    MSFlexGrid1->definirGrade(&grid_);
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
        CursorEspera wait(this);
        return readRecordFile(path_);
    }();
    if (!record.ok()) {
        reportFailure(record.failure);
        return false;
    }
    CursorEspera wait(this);
    fillGrid(record.lines);
    MSFlexGrid1->show();
    filled_ = true;
    return true;
}

void RecordWindow::fillGrid(const QStringList& lines) {
    // One row per line in file order, and the row the next line would have gone into stays empty at the end.
    const int count = static_cast<int>(lines.size());
    grid_.iniciarAlteracoes();
    grid_.definirTamanho(0, 0);
    grid_.definirTamanho(count + 1, 1);
    grid_.definirLarguraColuna(0, kColumnWidth);
    for (int row = 0; row <= count; ++row) {
        Grade::Celula& cell = grid_.writableCell(row, 0);
        cell.alinhamento = Qt::AlignCenter;
        if (row == count) break;
        const QString& text = lines.at(row);
        cell.negrito = text.startsWith(kBoldMark);
        cell.texto = cell.negrito ? text.mid(kBoldMark.size()) : text;
    }
    grid_.concluirAlteracoes();
}

void RecordWindow::reportFailure(const QString& failure) {
    // Before the window is shown the message belongs to the window that asked for it.
    QWidget* owner = isVisible() || !parentWidget() ? this : parentWidget();
    dialogs_.mensagem(owner, QString::fromUtf8(kNotShown).arg(title_, failure), Dialogos::Icone::Exclamacao,
                      Dialogos::Botoes::Ok, {});
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
