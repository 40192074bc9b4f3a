#include "result_panel.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs.h"
#include "error_policy.h"
#include "run_state.h"
#include "shown_message.h"
#include "fixed_font.h"
#include "result_formats.h"
#include "layouts.h"
#include "grid.h"
#include "notes.h"
#include "result_query.h"
#include "result_rows.h"
#include "tabbed_frame.h"
#include "table_layout.h"
#include "value_order.h"
#include "twips.h"
#include "wrapping_button.h"

namespace quelva {

namespace {

const char* kSave = "Salvar em Excel";
const char* kConventions = "Convenções";
const char* kClose = "&Fechar";
const char* kPrint = "Imprimir";
const char* kChart = "Gráfico";
const char* kSelectionTooLarge = "Seleção muito grande !!";
const char* kSmallerQueries = "Faça consultas menores.";
// The legend's longest line fits its box at this size.
constexpr int kConventionsPoints = 8;
const char* kNoData = "Nenhum dado recuperado/satisfaz o(s) critério(s).";

template <class W>
W* newNamed(QWidget* parent, const char* name) {
    W* w = new W(parent);
    w->setObjectName(QString::fromUtf8(name));
    return w;
}

// A text box shows lines apart by a bare line feed; the program writes CR LF.
QString forTextBox(const QString& s) {
    QString r = s;
    return r.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

ResultPanel::ResultPanel(QGroupBox* frame, const RunState& state, LastResult& result, ErrorPolicy& policy)
    : QObject(frame), FraRes(frame), state_(state), result_(result), policy_(policy) {
    QStringList tabs;
    for (const char* a : kLayoutNames) tabs << QString::fromUtf8(a);
    FraRes_SSTab1 = new TabbedFrame(tabs, FraRes);
    FraRes_SSTab1->setObjectName(QStringLiteral("FraRes_SSTab1"));
    for (int i = 0; i < kLayoutCount; ++i) {
        const QString n = QString::number(i + 1);
        FraRes_LblTituloGrid[i] = new QLabel(FraRes_SSTab1);
        FraRes_LblTituloGrid[i]->setObjectName("FraRes_LblTituloGrid" + n);
        FraRes_LblSubTituloGrid[i] = new QLabel(FraRes_SSTab1);
        FraRes_LblSubTituloGrid[i]->setObjectName("FraRes_LblSubTituloGrid" + n);
        for (QLabel* l : {FraRes_LblTituloGrid[i], FraRes_LblSubTituloGrid[i]}) {
            l->setAlignment(Qt::AlignCenter);
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        grids_[i] = new Grid(this);
        FraRes_MSFlexGrid[i] = new GridTableView(policy_, FraRes_SSTab1);
        FraRes_MSFlexGrid[i]->setObjectName("FraRes_MSFlexGrid" + n);
        FraRes_MSFlexGrid[i]->setGrid(grids_[i]);
        // Formato 1 and 2 are read across a title row and down a name column the reader must keep seeing;
        // Formato 3 repeats its titles on every row.
        if (i < 2) FraRes_MSFlexGrid[i]->setFrozenHeaders(1, 1);
    }
    hideGroups();

    FraRes_TxtNotas = newNamed<QPlainTextEdit>(FraRes, "FraRes_TxtNotas");
    FraRes_TxtNotas->setReadOnly(true);
    FraRes_CmdSalvar = newNamed<WrappingButton>(FraRes, "FraRes_CmdSalvar");
    FraRes_CmdSalvar->setText(QString::fromUtf8(kSave));
    FraRes_CmdConvencoes = newNamed<QPushButton>(FraRes, "FraRes_CmdConvencoes");
    FraRes_CmdConvencoes->setText(QString::fromUtf8(kConventions));
    FraRes_CmdImprimir = newNamed<QPushButton>(FraRes, "FraRes_CmdImprimir");
    FraRes_CmdImprimir->setText(QString::fromUtf8(kPrint));
    FraRes_CmdImprimir->hide();
    FraRes_CmdChart = newNamed<QPushButton>(FraRes, "FraRes_CmdChart");
    FraRes_CmdChart->setText(QString::fromUtf8(kChart));

    FraRes_FraConvencoes = newNamed<QGroupBox>(FraRes, "FraRes_FraConvencoes");
    FraRes_FraConvencoes->setTitle(QString::fromUtf8(kConventions));
    FraRes_FraConvencoes->setAutoFillBackground(true);
    FraRes_TxtConvencoes = newNamed<QPlainTextEdit>(FraRes_FraConvencoes, "FraRes_TxtConvencoes");
    FraRes_TxtConvencoes->setReadOnly(true);
    FraRes_TxtConvencoes->setLineWrapMode(QPlainTextEdit::NoWrap);
    FraRes_TxtConvencoes->setFont(fixedPitchFont(kConventionsPoints));
    FraRes_CmdFechar = newNamed<QPushButton>(FraRes_FraConvencoes, "FraRes_CmdFechar");
    FraRes_CmdFechar->setText(QString::fromUtf8(kClose));
    FraRes_FraConvencoes->hide();

    policy_.connect(FraRes_SSTab1, &TabbedFrame::tabClicked, this, [this](int previous) { FraRes_SSTab1_Click(previous); });
    policy_.connect(FraRes_CmdConvencoes, &QPushButton::clicked, this, [this] { FraRes_CmdConvencoes_Click(); });
    policy_.connect(FraRes_CmdFechar, &QPushButton::clicked, this, [this] { FraRes_CmdFechar_Click(); });
    policy_.connect(FraRes_CmdSalvar, &QPushButton::clicked, this, [this] { FraRes_CmdSalvar_Click(); });
    policy_.connect(FraRes_CmdChart, &QPushButton::clicked, this, [this] { FraRes_CmdChart_Click(); });
    for (int i = 0; i < 2; ++i)
        policy_.connect(FraRes_MSFlexGrid[i], &GridTableView::cellChosen, this, [this, i](int row, int column) { sortByTitle(i, row, column); });
}

ResultPanel::~ResultPanel() = default;

bool ResultPanel::run(ShownMessage& message) {
    Dialogs& dialogs = policy_.dialogs();
    QWidget* window = FraRes->window();
    result_.clear();
    if (!ValidarSelecao(state_, dialogs, window)) return false;
    message.show();
    result_.AbrirTabelasCD(state_.session.database());
    std::optional<ResultOutcome> outcome = MontarConsulta(state_);
    if (!outcome) {
        result_.FecharTabelasCD();
        message.hide();
        dialogs.message(window, QString::fromUtf8(kSelectionTooLarge) + "\r\n\r\n" + QString::fromUtf8(kSmallerQueries),
                          Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
        return false;
    }
    commitResult(result_, std::move(*outcome));
    // One reading of the result for the three layouts, which then answer their cells from it.
    const std::shared_ptr<const ResultRows> result = readResult(state_, result_);
    MontarFormato1(result, *grids_[0]);
    MontarFormato2(result, *grids_[1]);
    MontarFormato3(result, *grids_[2], pixelsToTwips(FraRes_MSFlexGrid[2]->width(), FraRes_MSFlexGrid[2]->logicalDpiX()));
    FraRes_TxtNotas->setPlainText(forTextBox(MontarNotas(state_)));
    result_.FecharTabelasCD();
    if (!result_.HaResultado()) {
        message.hide();
        dialogs.message(window, QString::fromUtf8(kNoData), Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
        return false;
    }
    showGroup(0, true);
    showGroup(1, false);
    showGroup(2, false);
    FraRes_SSTab1->setTab(0);
    enableChart();
    return true;
}

void ResultPanel::showGroup(int i, bool visible) {
    FraRes_LblTituloGrid[i]->setVisible(visible);
    FraRes_LblSubTituloGrid[i]->setVisible(visible);
    FraRes_MSFlexGrid[i]->setVisible(visible);
}

void ResultPanel::hideGroups() {
    for (int i = 0; i < kLayoutCount; ++i) showGroup(i, false);
}

void ResultPanel::FraRes_SSTab1_Click(int) {
    hideGroups();
    const int tab = FraRes_SSTab1->Tab();
    if (tab >= 0 && tab < kLayoutCount) showGroup(tab, true);
    enableChart();
    for (int i = 0; i < kLayoutCount; ++i) {
        FraRes_LblTituloGrid[i]->repaint();
        FraRes_LblSubTituloGrid[i]->repaint();
        FraRes_MSFlexGrid[i]->repaint();
    }
}

void ResultPanel::FraRes_CmdConvencoes_Click() {
    FraRes_FraConvencoes->show();
    FraRes_FraConvencoes->raise();
}

void ResultPanel::FraRes_CmdFechar_Click() { FraRes_FraConvencoes->hide(); }

void ResultPanel::FraRes_CmdSalvar_Click() {
    if (save_) save_();
}

void ResultPanel::enableChart() { FraRes_CmdChart->setEnabled(FraRes_SSTab1->Tab() == 0 || FraRes_SSTab1->Tab() == 1); }

void ResultPanel::FraRes_CmdChart_Click() {
    const std::optional<VariableSeries> series = currentSeries();
    if (series && chart_) chart_(*series);
}

std::optional<VariableSeries> ResultPanel::currentSeries() const {
    const int tab = FraRes_SSTab1->Tab();
    if (tab != 0 && tab != 1) return std::nullopt;
    const auto* layout = dynamic_cast<const TableLayout*>(grids_[tab]->source());
    if (!layout || layout->endField() <= layout->firstField()) return std::nullopt;
    const QModelIndex current = FraRes_MSFlexGrid[tab]->currentIndex();
    int field = current.isValid() ? layout->fieldOf(current.row(), current.column()) : 0;
    if (field < layout->firstField() || field >= layout->endField()) field = layout->firstField();
    return layout->series(field);
}

void ResultPanel::sortByTitle(int tab, int row, int column) {
    Grid& grid = *grids_[tab];
    const auto* layout = dynamic_cast<const TableLayout*>(grid.source());
    if (!layout) return;
    const int field = layout->titleField(row, column);
    if (field == 0) return;
    SortKey key = layout->sortKey();
    key.direction = key.field == field ? nextDirection(key.direction) : SortDirection::Descending;
    key.field = field;
    // Made once, when first needed: the text order holds a collator.
    if (!valueOrder_) valueOrder_ = std::make_unique<const ValueOrder>();
    grid.setSource(layout->sorted(key, *valueOrder_));
    // The title stays the current cell, for the next Enter or Space.
    FraRes_MSFlexGrid[tab]->setCurrentIndex(grid.index(row, column));
}

void ResultPanel::PrepararConvencoes() {
    FraRes_FraConvencoes->hide();
    FraRes_TxtConvencoes->clear();
    FraRes_TxtConvencoes->setPlainText(forTextBox(conventionsText()));
}

void ResultPanel::setTitles(const QString& title, const QString& subtitle) {
    for (int i = 0; i < kLayoutCount; ++i) {
        FraRes_LblTituloGrid[i]->setText(title);
        FraRes_LblSubTituloGrid[i]->setText(subtitle);
    }
}

}  // namespace quelva
