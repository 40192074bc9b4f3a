#include "variables_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "theme_tree.h"
#include "wait_cursor.h"
#include "error_policy.h"
#include "run_state.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

const char* const kThemeTreeSql[] = {
    "Select V.NumSeq, V.CodTema, T.NomeTema, V.CodSubTema, S.NomeSubTema ",
    "From CD_VAR V, CD_TEMA T, CD_SUBTEMA S ",
    "Where V.CodTema = T.CodTema And ",
    "V.CodSubTema = S.CodSubTema ",
    "Order By V.NumSeq",
};

}  // namespace

VariablesPanel::VariablesPanel(QGroupBox* FraVar, const RunState& state, VariableSelection& variables,
                               HighlightedNode& NoDestacadoVar, ErrorPolicy& policy)
    : QObject(FraVar), frame_(FraVar), state_(state), NoDestacadoVar_(NoDestacadoVar) {
    const char* captions[2] = {"Temas", "Variáveis"};
    for (int i = 0; i < 2; ++i) {
        FraVar_LblTitulo[i] = new QLabel(QString::fromUtf8(captions[i]), frame_);
        FraVar_LblTitulo[i]->setObjectName(QStringLiteral("FraVar_LblTitulo(%1)").arg(i));
    }
    FraVar_TrwTemas = new ThemeTree(frame_);
    FraVar_TrwTemas->setObjectName("FraVar_TrwTemas");
    pair_ = new VariableListPair(frame_, QStringLiteral("FraVar_"), {}, state_.session.database(), variables, policy);
    FraVar_LstNomeVariavel = pair_->names;
    FraVar_LstCodVariavel = pair_->codes;
    FraVar_CmdMarcarTodas = pair_->markAllButton;
    FraVar_CmdDesmarcarTodas = pair_->unmarkAllButton;
    FraVar_CmdMostrarDefinicao = pair_->definitionButton;
    pair_->connectHandlers({[this] { FraVar_CmdMarcarTodas_Click(); }, [this] { FraVar_CmdDesmarcarTodas_Click(); },
                            [this] { FraVar_CmdMostrarDefinicao_Click(); }, [this] { FraVar_LstNomeVariavel_Click(); },
                            [this] { FraVar_LstNomeVariavel_MouseDown(); }});

    policy.connect(FraVar_TrwTemas, &QTreeWidget::itemClicked, this, [this] { FraVar_TrwTemas_Click(); });
    policy.connect(FraVar_TrwTemas, &ThemeTree::keyReleased, this, [this] { FraVar_TrwTemas_KeyUp(); });
}

void VariablesPanel::FraVar_TrwTemas_KeyUp() { FraVar_TrwTemas_Click(); }
void VariablesPanel::FraVar_LstNomeVariavel_Click() { pair_->recordCurrent(); }
void VariablesPanel::FraVar_LstNomeVariavel_MouseDown() { pair_->showDefinition(); }
void VariablesPanel::FraVar_CmdMarcarTodas_Click() { pair_->markAll(); }
void VariablesPanel::FraVar_CmdDesmarcarTodas_Click() { pair_->unmarkAll(); }
void VariablesPanel::FraVar_CmdMostrarDefinicao_Click() { pair_->showDefinition(); }

void VariablesPanel::CarregarArvoreTemas() {
    jet::Connection db = state_.session.database().open();
    std::string sql;
    for (const char* part : kThemeTreeSql) sql += part;
    jet::Recordset rs = db.openRecordset(sql);
    FraVar_TrwTemas->build(rs);
    rs.close();
}

void VariablesPanel::FraVar_TrwTemas_Click() {
    if (FraVar_TrwTemas->selectedIndex() < 0) return;  // an empty tree: nothing is selected
    WaitCursor busy(FraVar_TrwTemas);
    FraVar_LstNomeVariavel->hide();
    pair_->clear();
    NoDestacadoVar_.set(FraVar_TrwTemas->highlightSelected(NoDestacadoVar_.index()));
    const QString key = FraVar_TrwTemas->key(FraVar_TrwTemas->currentItem());
    if (key.startsWith(QLatin1String("ST"))) {
        const std::string subtheme = key.mid(2).toStdString();
        for (const SurveyVariable& v : state_.variables.VetorVariavel()) {
            if (v.CodSubTema.isNull() || v.CodSubTema.toText() != subtheme) continue;
            pair_->append(QString::fromStdString(v.CodVariavel.toText()), QString::fromStdString(v.NomeVariavel.toText()));
        }
        pair_->finishFilling();
    }
    FraVar_LstNomeVariavel->show();
}


}  // namespace quelva
