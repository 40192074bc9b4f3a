#include "dialogos.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quelva {

Dialogos::Resposta DialogosQt::mensagem(QWidget* pai, const QString& texto, Icone icone, Botoes botoes,
                                        const QString& titulo, bool padraoNao) {
    QMessageBox caixa(pai);
    caixa.setWindowTitle(titulo.isEmpty() ? QString::fromUtf8(kTituloAplicacao) : titulo);
    caixa.setText(texto);
    switch (icone) {
    case Icone::Nenhum: caixa.setIcon(QMessageBox::NoIcon); break;
    case Icone::Critico: caixa.setIcon(QMessageBox::Critical); break;
    case Icone::Exclamacao: caixa.setIcon(QMessageBox::Warning); break;
    case Icone::Informacao: caixa.setIcon(QMessageBox::Information); break;
    }
    if (botoes == Botoes::SimNao) {
        QPushButton* sim = caixa.addButton(QStringLiteral("&Sim"), QMessageBox::YesRole);
        QPushButton* nao = caixa.addButton(QStringLiteral("&Não"), QMessageBox::NoRole);
        caixa.setDefaultButton(padraoNao ? nao : sim);
        caixa.setEscapeButton(nao);
        caixa.exec();
        return caixa.clickedButton() == sim ? Resposta::Sim : Resposta::Nao;
    }
    caixa.setStandardButtons(QMessageBox::Ok);
    caixa.exec();
    return Resposta::Ok;
}

Dialogos::SaveChoice DialogosQt::salvarArquivo(QWidget* pai, const QString& titulo, const QString& nomeSugerido,
                                               const QStringList& filters, const QString& selectedFilter) {
    QFileDialog dialogo(pai, titulo, nomeSugerido);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setNameFilters(filters);
    dialogo.selectNameFilter(selectedFilter);
    // The caller asks before replacing a file, through this same service, so that the question can be scripted.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return {dialogo.selectedFiles().front(), dialogo.selectedNameFilter()};
}

}  // namespace quelva
