#include "arvore_temas.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "recordset.h"

namespace quelva {

namespace {
constexpr int kPapelChave = Qt::UserRole;
constexpr int kPapelIndice = Qt::UserRole + 1;
}  // namespace

ArvoreTemas::ArvoreTemas(QWidget* pai) : QTreeWidget(pai) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSortingEnabled(false);
}

QTreeWidgetItem* ArvoreTemas::acrescentar(QTreeWidgetItem* pai, const QString& chave, const QString& texto) {
    auto* item = pai ? new QTreeWidgetItem(pai) : new QTreeWidgetItem(this);
    item->setText(0, texto);
    item->setData(0, kPapelChave, chave);
    nos_.push_back(item);
    item->setData(0, kPapelIndice, static_cast<int>(nos_.size()));
    return item;
}

void ArvoreTemas::montar(jet::Recordset& rs) {
    QTreeWidgetItem* tema = nullptr;
    double temaAtual = 0, subtemaAnterior = 0;
    bool primeira = true;
    for (; !rs.eof(); rs.moveNext()) {
        const double codTema = rs.field("CodTema").toDouble();
        if (primeira || codTema != temaAtual) {
            tema = acrescentar(nullptr, "T" + QString::fromStdString(rs.field("CodTema").toText()),
                               QString::fromStdString(rs.field("NomeTema").toText()));
            temaAtual = codTema;
            subtemaAnterior = 0;
            primeira = false;
        }
        const double codSubTema = rs.field("CodSubTema").toDouble();
        if (codSubTema != subtemaAnterior) {
            acrescentar(tema, "ST" + QString::fromStdString(rs.field("CodSubTema").toText()),
                        QString::fromStdString(rs.field("NomeSubTema").toText()));
            subtemaAnterior = codSubTema;
        }
    }
}

void ArvoreTemas::limpar() {
    clear();
    nos_.clear();
}

QTreeWidgetItem* ArvoreTemas::no(int indice) const {
    return indice >= 1 && indice <= quantidade() ? nos_[static_cast<std::size_t>(indice - 1)] : nullptr;
}

QString ArvoreTemas::chave(const QTreeWidgetItem* no) const { return no ? no->data(0, kPapelChave).toString() : QString(); }

int ArvoreTemas::indiceSelecionado() const {
    QTreeWidgetItem* atual = currentItem();
    return atual ? atual->data(0, kPapelIndice).toInt() : -1;
}

void ArvoreTemas::destacarSelecionado(int& noDestacado) {
    if (QTreeWidgetItem* antes = no(noDestacado)) {
        QFont f = antes->font(0);
        f.setBold(false);
        antes->setFont(0, f);
    }
    noDestacado = indiceSelecionado();
    if (QTreeWidgetItem* agora = no(noDestacado)) {
        QFont f = agora->font(0);
        f.setBold(true);
        agora->setFont(0, f);
    }
}

void ArvoreTemas::keyReleaseEvent(QKeyEvent* e) {
    QTreeWidget::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) emit teclaSolta();
}

}  // namespace quelva
