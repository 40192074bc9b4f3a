#include "review_panel.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "wait_cursor.h"
#include "dialogs.h"
#include "error_policy.h"
#include "run_state.h"
#include "fixed_font.h"
#include "locality_entry.h"
#include "ticked_entry.h"
#include "variable_list_pair.h"

namespace quelva {

namespace {

const char* const kVariablesTitle = "Variáveis Selecionadas";
const char* const kLocalitiesTitle = "Localidades Selecionadas";
const char* const kMixedFamiliesError = "ERRO DE SELEÇÃO DE LOCALIDADES !!!";
const char* const kGroupPrefix = "Totais da ";

const char* const kRaRgSql = "select * from cd_Area where munseqrarg > 0 order by munseqrarg";
const char* const kDradsSql = "select * from cd_Area where munseqdrads > 0 order by munseqdrads";
const char* const kMunicipalitiesSql = "select * from cd_Area where mun > 0 order by descricao";

// The indent a code sets, or -1 for a code that keeps the previous line's.
int indentOfCode(int code) {
    if (kMunicipalityBand.contains(code)) return 9;
    if (kRaRgSelectionBands[0].contains(code)) return 3;
    if (kRaRgSelectionBands[1].contains(code)) return 6;
    if (kDradsBand.contains(code)) return 5;
    return -1;
}

}  // namespace

QString reviewLineOfLocality(int code, const QString& name, int& indent) {
    if (code == kStateTotalCode) return localityEntryText(name, kStateTotalCode);
    const int own = indentOfCode(code);
    if (own >= 0) indent = own;
    const QString prefix = code >= kRaRgBand.first ? QString::fromUtf8(kGroupPrefix) : QString();
    return localityEntryText(QString(indent, QLatin1Char(' ')) + prefix + name, code);
}

ReviewPanel::ReviewPanel(QGroupBox* FraSel, const RunState& state, VariableSelection& variables, LocalitySelection& localities,
                         Session& session, ErrorPolicy& policy, std::function<void()> unmarkLocalities)
    : QObject(FraSel), frame_(FraSel), state_(state), localities_(localities), session_(session), policy_(policy),
      unmarkLocalities_(std::move(unmarkLocalities)) {
    FraSel_FraVar = new QGroupBox(QString::fromUtf8(kVariablesTitle), frame_);
    FraSel_FraVar->setObjectName("FraSel_FraVar");
    pair_ = new VariableListPair(FraSel_FraVar, QStringLiteral("FraSel_FraVar_"), {.hasMarkAll = false}, state_.session.database(), variables,
                                 policy);
    FraSel_FraVar_LstNomeVariavel = pair_->names;
    FraSel_FraVar_LstCodVariavel = pair_->codes;
    FraSel_FraVar_CmdDesmarcarTodas = pair_->unmarkAllButton;
    FraSel_FraVar_CmdMostrarDefinicao = pair_->definitionButton;
    pair_->connectHandlers({nullptr, [this] { FraSel_FraVar_CmdDesmarcarTodas_Click(); },
                            [this] { FraSel_FraVar_CmdMostrarDefinicao_Click(); },
                            [this] { FraSel_FraVar_LstNomeVariavel_Click(); },
                            [this] { FraSel_FraVar_LstNomeVariavel_MouseDown(); }});

    FraSel_Fraloc = new QGroupBox(QString::fromUtf8(kLocalitiesTitle), frame_);
    FraSel_Fraloc->setObjectName("FraSel_Fraloc");
    FraSel_Fraloc_Lstlocalidade = new QListWidget(FraSel_Fraloc);
    FraSel_Fraloc_Lstlocalidade->setObjectName("FraSel_Fraloc_Lstlocalidade");
    FraSel_Fraloc_Lstlocalidade->setFont(fixedPitchFont());
    FraSel_Fraloc_Cmddesmarcartodas = new QPushButton(QString::fromUtf8(kUnmarkAllCaption), FraSel_Fraloc);
    FraSel_Fraloc_Cmddesmarcartodas->setObjectName("FraSel_Fraloc_Cmddesmarcartodas");

    recordTicksAsClicks(FraSel_Fraloc_Lstlocalidade, this, policy_, [this] { return !filling_; },
                        [this] { FraSel_Fraloc_Lstlocalidade_Click(); });
    policy_.connect(FraSel_Fraloc_Lstlocalidade, &QListWidget::currentRowChanged, this, [this] {
        if (!filling_) FraSel_Fraloc_Lstlocalidade_Click();
    });
    policy_.connect(FraSel_Fraloc_Cmddesmarcartodas, &QPushButton::clicked, this, [this] { FraSel_Fraloc_Cmddesmarcartodas_Click(); });
}

void ReviewPanel::CarregarVariaveisSelecionadas() {
    pair_->clear(true);
    for (const SurveyVariable& v : state_.variables.VetorVariavel()) {
        if (!v.isSelected()) continue;
        pair_->append(QString::fromStdString(v.CodVariavel.toText()), QString::fromStdString(v.NomeVariavel.toText()));
    }
    // Every entry is selected: Ger_AtualizarListaVariavel ticks them all and writes nothing back.
    pair_->finishFilling();
}

bool ReviewPanel::CarregarLocalidadesSelecionadas() {
    QListWidget* list = FraSel_Fraloc_Lstlocalidade;
    filling_ = true;
    list->clear();
    list->hide();
    const LocalitySelection& marks = state_.localities;
    const bool raRg = marks.anySelected(kRaRgCheckBands[0]) || marks.anySelected(kRaRgCheckBands[1]);
    const bool drads = marks.anySelected(kDradsBand);
    if (marks.mixesRegionFamilies()) {
        filling_ = false;
        policy_.dialogs().message(frame_, QString::fromUtf8(kMixedFamiliesError), Dialogs::Icon::NoIcon, Dialogs::Buttons::Ok, QString());
        policy_.endProgram(1);
        return false;
    }
    session_.reopenAreaRecordset(raRg ? kRaRgSql : drads ? kDradsSql : kMunicipalitiesSql);
    int indent = 0;  // no indent before the first line that sets one
    const Session::LocalityNames& names = state_.session.VetorNomeLocalidade();
    if (marks.isMarked(kStateTotalCode))
        appendLocality(reviewLineOfLocality(kStateTotalCode, names[kStateTotalCode], indent), names[kStateTotalCode]);
    for (jet::Recordset rs = state_.session.RsArea(); !rs.eof(); rs.moveNext()) {
        const std::int64_t code = rs.field("COD_AREA_NORVA").toInteger();
        if (code < 0 || code > kMaxAreaCode || !marks.isMarked(static_cast<int>(code))) continue;
        const QString& name = names[static_cast<std::size_t>(code)];
        appendLocality(reviewLineOfLocality(static_cast<int>(code), name, indent), name);
    }
    list->setCurrentRow(-1);
    list->show();
    filling_ = false;
    return true;
}

void ReviewPanel::appendLocality(const QString& line, const QString& name) {
    QListWidgetItem* item = newLocalityItem(line, name);
    item->setCheckState(Qt::Checked);
    FraSel_Fraloc_Lstlocalidade->addItem(item);
}

void ReviewPanel::FraSel_FraVar_LstNomeVariavel_Click() { pair_->recordCurrent(); }
void ReviewPanel::FraSel_FraVar_LstNomeVariavel_MouseDown() { pair_->showDefinition(); }
void ReviewPanel::FraSel_FraVar_CmdDesmarcarTodas_Click() { pair_->unmarkAll(); }
void ReviewPanel::FraSel_FraVar_CmdMostrarDefinicao_Click() { pair_->showDefinition(); }

void ReviewPanel::FraSel_Fraloc_Lstlocalidade_Click() {
    QListWidgetItem* item = FraSel_Fraloc_Lstlocalidade->currentItem();
    if (!item) return;
    recordLocality(item);
}

void ReviewPanel::recordLocality(QListWidgetItem* item) {
    localities_.setMark(codeOfLocalityEntry(entryOfLocalityItem(item)), item->checkState() == Qt::Checked);
}

void ReviewPanel::FraSel_Fraloc_Cmddesmarcartodas_Click() {
    unmarkLocalities_();
    WaitCursor busy(frame_->window());
    QListWidget* list = FraSel_Fraloc_Lstlocalidade;
    {
        const QSignalBlocker noSignals(list);
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            item->setCheckState(Qt::Unchecked);
            recordLocality(item);
        }
        list->setCurrentRow(-1);
    }
    list->viewport()->update();
}

}  // namespace quelva
