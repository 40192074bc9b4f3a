// The menu bar and its handlers.
#include "main_window.h"

#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>

#include "keywords_panel.h"
#include "localities_panel.h"
#include "result_panel.h"
#include "review_panel.h"
#include "shown_message.h"
#include "variable_list_pair.h"
#include "variables_panel.h"

namespace quelva {

void FrmQuelva::createMenu() {
    QMenuBar* bar = menuBar();
    QMenu* dropDown = nullptr;
    // An item of the bar, or of the drop-down menu being filled.
    auto item = [&](QAction*& action, const char* name, const char* text, void (FrmQuelva::*handler)()) {
        QWidget* owner = dropDown ? static_cast<QWidget*>(dropDown) : bar;
        action = owner->addAction(QString::fromUtf8(text));
        action->setObjectName(name);
        policy_.connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    item(MnuApresentacao, "MnuApresentacao", "&Apresentação", &FrmQuelva::MnuApresentacao_Click);
    item(MnuVariaveis, "MnuVariaveis", "&Variáveis", &FrmQuelva::MnuVariaveis_Click);
    item(MnuPalavrasChaves, "MnuPalavrasChaves", "&Palavras chave", &FrmQuelva::MnuPalavrasChaves_Click);
    item(MnuLocalidades, "MnuLocalidades", "&Localidades", &FrmQuelva::MnuLocalidades_Click);
    item(MnuCriterios, "MnuCriterios", "&Critérios", &FrmQuelva::MnuCriterios_Click);
    item(MnuVerSelecoes, "MnuVerSelecoes", "Ver &seleções", &FrmQuelva::MnuVerSelecoes_Click);
    item(MnuVerResultado, "MnuVerResultado", "Ver &resultado", &FrmQuelva::MnuVerResultado_Click);

    // Its access key is the one letter of its caption no other item of the bar uses.
    dropDown = bar->addMenu(QString::fromUtf8("S&eleção"));
    dropDown->setObjectName("selectionMenuList");
    selectionMenu = dropDown->menuAction();
    selectionMenu->setObjectName("selectionMenu");
    item(openSelectionAction, "openSelectionAction", "Abrir seleção...", &FrmQuelva::openSelection);
    openSelectionAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    item(saveSelectionAction, "saveSelectionAction", "Salvar seleção...", &FrmQuelva::saveSelection);
    saveSelectionAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    dropDown = bar->addMenu(QString::fromUtf8("&Informações"));
    dropDown->setObjectName("MnuInformacoesList");
    MnuInformacoes = dropDown->menuAction();
    MnuInformacoes->setObjectName("MnuInformacoes");
    item(MnuFichaInstitucional, "MnuFichaInstitucional", "Ficha &Institucional", &FrmQuelva::MnuFichaInstitucional_Click);
    item(MnuFichaTecnica, "MnuFichaTecnica", "Ficha &Técnica", &FrmQuelva::MnuFichaTecnica_Click);
    MnuTraco01 = dropDown->addSeparator();
    MnuTraco01->setObjectName("MnuTraco01");
    item(MnuSobre, "MnuSobre", "So&bre", &FrmQuelva::MnuSobre_Click);

    dropDown = nullptr;  // "S&air" closes the bar
    item(MnuSair, "MnuSair", "S&air", &FrmQuelva::MnuSair_Click);
}

void FrmQuelva::MnuApresentacao_Click() { MostrarPainel(QStringLiteral("APRESENTACAO")); }

void FrmQuelva::MnuVariaveis_Click() {
    if (FraVar->isVisibleTo(this)) return;
    variablesPanel->variableList().Ger_AtualizarListaVariavel(*variablesPanel->FraVar_LstCodVariavel,
                                                              *variablesPanel->FraVar_LstNomeVariavel);
    MostrarPainel(QStringLiteral("VARIAVEIS"));
}

void FrmQuelva::MnuPalavrasChaves_Click() {
    if (FraPal->isVisibleTo(this)) return;
    keywordsPanel->variableList().Ger_AtualizarListaVariavel(*keywordsPanel->FraPal_LstCodVariavel,
                                                             *keywordsPanel->FraPal_LstNomeVariavel);
    MostrarPainel(QStringLiteral("PALAVRASCHAVE"));
}

void FrmQuelva::MnuLocalidades_Click() {
    if (FraLoc->isVisibleTo(this)) return;
    localitiesPanel->FraLoc_LstMunSelec->show();
    localitiesPanel->AtualizarMarcasLocalidades();
    MostrarPainel(QStringLiteral("LOCALIDADES"));
}

void FrmQuelva::MnuCriterios_Click() {
    if (FraCri->isVisibleTo(this)) return;
    MostrarPainel(QStringLiteral("CRITERIOS"));
}

void FrmQuelva::MnuVerSelecoes_Click() {
    if (FraSel->isVisibleTo(this)) return;
    reviewPanel->CarregarVariaveisSelecionadas();
    if (!reviewPanel->CarregarLocalidadesSelecionadas()) return;  // the program is ending
    MostrarPainel(QStringLiteral("VERSELECOES"));
}

void FrmQuelva::MnuVerResultado_Click() {
    if (FraRes->isVisibleTo(this)) return;
    // Shown by the run while it works, and hidden once the panel is shown, or however the run ends.
    ShownMessage message([this](bool visible) { showMessage(visible); });
    if (resultPanel->run(message)) MostrarPainel(QStringLiteral("VERRESULTADO"));
}

void FrmQuelva::MnuFichaInstitucional_Click() { MostrarPainel(QStringLiteral("FICHAINSTITUCIONAL")); }
void FrmQuelva::MnuFichaTecnica_Click() { MostrarPainel(QStringLiteral("FICHATECNICA")); }
void FrmQuelva::MnuSobre_Click() { MostrarPainel(QStringLiteral("SOBRE")); }

void FrmQuelva::MnuSair_Click() { policy_.endProgram(0); }

}  // namespace quelva
