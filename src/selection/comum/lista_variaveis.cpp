#include "lista_variaveis.h"

#include <QListWidget>

#include "error_policy.h"
#include "estado.h"

namespace quelva {

void ListasVariaveis::indexar() {
    // VetorVariavel's codes never change after loading: one pass gives every look-up of the run, the same
    // answer as scanning positions 0 to 705 in order (the first match wins, empty codes match nothing).
    for (int p = kMaxVariaveis - 1; p >= 0; --p) {
        const jet::Value& c = estado_.VetorVariavel[static_cast<std::size_t>(p)].CodVariavel;
        if (c.isNull()) continue;
        QString texto = QString::fromStdString(c.toText());
        if (!texto.isEmpty()) posicoes_.insert(texto, p);
    }
    indexado_ = true;
}

int ListasVariaveis::posicaoDoCodigo(const QString& codigo) {
    if (!indexado_) indexar();
    return posicoes_.value(codigo, -1);
}

void ListasVariaveis::Ger_AtualizarListaVariavel(QListWidget& codigos, QListWidget& nomes) {
    estado_.SincronizarMarcas = false;
    for (int i = 0; i < codigos.count(); ++i) {
        int p = posicaoDoCodigo(codigos.item(i)->text());
        if (p < 0 || i >= nomes.count()) continue;
        const bool marcada = estado_.VetorVariavel[static_cast<std::size_t>(p)].selecionada();
        nomes.item(i)->setCheckState(marcada ? Qt::Checked : Qt::Unchecked);
    }
    estado_.SincronizarMarcas = true;
}

void ListasVariaveis::Ger_AtualizarVetorVariavel(QListWidget& codigos, QListWidget& nomes) {
    const int i = nomes.currentRow();
    if (i < 0 || !estado_.SincronizarMarcas || i >= codigos.count()) return;
    int p = posicaoDoCodigo(codigos.item(i)->text());
    if (p < 0) return;
    estado_.VetorVariavel[static_cast<std::size_t>(p)].Selecionada =
        jet::Value::boolean(nomes.item(i)->checkState() == Qt::Checked);
}

void ListasVariaveis::limpar(QListWidget& codigos, QListWidget& nomes) {
    codigos.clear();
    nomes.clear();
}

void ListasVariaveis::acrescentar(QListWidget& codigos, QListWidget& nomes, const QString& codigo, const QString& nome) {
    auto* c = new QListWidgetItem(codigo);
    c->setFlags(c->flags() | Qt::ItemIsUserCheckable);
    c->setCheckState(Qt::Unchecked);
    codigos.addItem(c);
    auto* n = new QListWidgetItem(nome);  // set up before it joins the list, so no change is signalled
    n->setFlags(n->flags() | Qt::ItemIsUserCheckable);
    n->setCheckState(Qt::Unchecked);
    nomes.addItem(n);
}

void ListasVariaveis::marcarTodas(QListWidget& codigos, QListWidget& nomes, bool marcar, bool esconder) {
    if (esconder) nomes.hide();
    const QSignalBlocker semAvisos(nomes);  // each entry is recorded here, once, not again by the signals
    for (int i = 0; i < nomes.count(); ++i) {
        nomes.setCurrentRow(i);
        nomes.item(i)->setCheckState(marcar ? Qt::Checked : Qt::Unchecked);
        Ger_AtualizarVetorVariavel(codigos, nomes);
    }
    nomes.setCurrentRow(-1);
    if (esconder) nomes.show();
}

void ListasVariaveis::ligar(QListWidget& codigos, QListWidget& nomes, ErrorPolicy& politica) {
    politica.connect(&nomes, &QListWidget::itemChanged, &nomes, [this, &codigos, &nomes](QListWidgetItem* item) {
        if (!estado_.SincronizarMarcas) return;
        // A click on a check box makes its entry the current one, whose mark is then recorded.
        if (nomes.currentItem() != item) {
            const QSignalBlocker b(nomes);
            nomes.setCurrentItem(item);
        }
        Ger_AtualizarVetorVariavel(codigos, nomes);
    });
    politica.connect(&nomes, &QListWidget::currentRowChanged, &nomes,
                     [this, &codigos, &nomes](int) { Ger_AtualizarVetorVariavel(codigos, nomes); });
}

}  // namespace quelva
