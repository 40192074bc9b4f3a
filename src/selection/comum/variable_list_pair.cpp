#include "variable_list_pair.h"

#include <QListWidget>
#include <QPushButton>

#include "cursor_espera.h"
#include "definicao.h"
#include "error_policy.h"
#include "estado.h"
#include "lista_variaveis.h"

namespace quelva {

const char* const kDicaListaVariaveis =
    "Selecione uma variável e clique com o botão direito do mouse para visualizar a definição da variável.";
const char* const kMarcarTodas = "&Marcar todas";
const char* const kDesmarcarTodas = "&Desmarcar todas";
const char* const kMostrarDefinicao = "&Mostrar definição";

namespace {

QPushButton* botao(QWidget* pai, const QString& nome, const char* texto) {
    auto* b = new QPushButton(QString::fromUtf8(texto), pai);
    b->setObjectName(nome);
    return b;
}

}  // namespace

VariableListPair::VariableListPair(QWidget* pai, const QString& prefixo, Options opcoes, Estado& estado, ListasVariaveis& listas,
                                   ErrorPolicy& politica)
    : QObject(pai), opcoes_(opcoes), estado_(estado), listas_(listas), politica_(politica) {
    codigos = new QListWidget(pai);
    codigos->setObjectName(prefixo + "LstCodVariavel");
    codigos->hide();
    nomes = new QListWidget(pai);
    nomes->setObjectName(prefixo + "LstNomeVariavel");
    nomes->setToolTip(QString::fromUtf8(kDicaListaVariaveis));
    if (opcoes_.markAllButton) marcarTodas = botao(pai, prefixo + "CmdMarcarTodas", kMarcarTodas);
    desmarcarTodas = botao(pai, prefixo + "CmdDesmarcarTodas", kDesmarcarTodas);
    mostrarDefinicao = botao(pai, prefixo + "CmdMostrarDefinicao", kMostrarDefinicao);

    listas_.ligar(*codigos, *nomes, politica_);
    if (marcarTodas) politica_.connect(marcarTodas, &QPushButton::clicked, this, [this] { markAll(); });
    politica_.connect(desmarcarTodas, &QPushButton::clicked, this, [this] { unmarkAll(); });
    politica_.connect(mostrarDefinicao, &QPushButton::clicked, this, [this] { showDefinition(); });
    ligarBotaoDireito(*nomes, politica_, [this] { showDefinition(); });
}

void VariableListPair::markAll() {
    CursorEspera espera(marcarTodas);
    listas_.marcarTodas(*codigos, *nomes, true, opcoes_.hideWhileMarking);
}

void VariableListPair::unmarkAll() {
    CursorEspera espera(desmarcarTodas);
    listas_.marcarTodas(*codigos, *nomes, false, opcoes_.hideWhileUnmarking);
}

void VariableListPair::showDefinition() {
    MostrarDefinicaoDaLista(estado_.banco, politica_.dialogos(), mostrarDefinicao, *codigos, *nomes);
}

void VariableListPair::clear() { listas_.limpar(*codigos, *nomes); }

void VariableListPair::append(const QString& codigo, const QString& nome) { listas_.acrescentar(*codigos, *nomes, codigo, nome); }

void VariableListPair::finishFilling() {
    listas_.Ger_AtualizarListaVariavel(*codigos, *nomes);
    const QSignalBlocker b(nomes);
    nomes->setCurrentRow(-1);
}

void VariableListPair::refreshMarks() { listas_.Ger_AtualizarListaVariavel(*codigos, *nomes); }

}  // namespace quelva
