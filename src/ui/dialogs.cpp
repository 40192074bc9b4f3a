#include "dialogos.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quelva {

Dialogos::Resposta DialogosQt::mensagem(QWidget* parent, const QString& text, Icone icon, Botoes buttons,
                                        const QString& title, bool defaultNo) {
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? QString::fromUtf8(kApplicationTitle) : title);
    box.setText(text);
    switch (icon) {
    case Icone::Nenhum: box.setIcon(QMessageBox::NoIcon); break;
    case Icone::Critico: box.setIcon(QMessageBox::Critical); break;
    case Icone::Exclamacao: box.setIcon(QMessageBox::Warning); break;
    case Icone::Informacao: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == Botoes::SimNao) {
        QPushButton* yes = box.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        box.setDefaultButton(defaultNo ? no : yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Resposta::Sim : Resposta::Nao;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Resposta::Ok;
}

Dialogos::SaveChoice DialogosQt::salvarArquivo(QWidget* parent, const QString& title, const QString& suggestedName,
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

}  // namespace quelva
