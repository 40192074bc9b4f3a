#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quelva {

Dialogs::Answer QtDialogs::message(QWidget* parent, const QString& text, Icon icon, Buttons buttons,
                                        const QString& title, bool defaultNo) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QString::fromUtf8(kApplicationTitle) : title);
    box.setText(text);
    switch (icon) {
    case Icon::NoIcon: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == Buttons::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(defaultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

Dialogs::SaveChoice QtDialogs::saveFile(QWidget* parent, const QString& title, const QString& suggestedName,
                                               const QStringList& filters, const QString& selectedFilter) {
    QFileDialog dialog(parent, title, suggestedName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(selectedFilter);
    // The caller asks before replacing a file, through this same service, so that the question can be scripted.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

QString QtDialogs::openFile(QWidget* parent, const QString& title, const QString& folder, const QStringList& filters) {
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace quelva
