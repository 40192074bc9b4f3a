#pragma once
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "result_formats.h"

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace quelva {

class ErrorPolicy;
class Grid;
class TabbedFrame;
class ValueOrder;
struct VariableSeries;
class GridTableView;
class LastResult;
class ShownMessage;
struct RunState;

// The result panel: the three layouts of the last run on three tabs, each under its title and subtitle, the
// notes of the selected variables, the conventions legend, and the buttons that save and explain the result.
class ResultPanel : public QObject {
    Q_OBJECT
public:
    // The panel owns the last result and reads the rest of the state.
    ResultPanel(QGroupBox* FraRes, const RunState& state, LastResult& result, ErrorPolicy& policy);
    ~ResultPanel() override;

    // The result run, up to showing the panel: validation, the statement, the three layouts and the notes.
    // `message` is shown while it works and hidden before any message to the user. True when there are rows to show:
    // the first tab is then selected with its group visible, and the caller shows the panel.
    bool run(ShownMessage& message);

    void FraRes_SSTab1_Click(int previous);
    void FraRes_CmdConvencoes_Click();
    void FraRes_CmdFechar_Click();
    // The export fills this in; until then the button does nothing.
    void FraRes_CmdSalvar_Click();
    void onSave(std::function<void()> save) { save_ = std::move(save); }
    // "Gráfico": the variable of the current cell handed to whoever draws it (the window gives it the chart).
    void FraRes_CmdChart_Click();
    void onChart(std::function<void(const VariableSeries&)> chart) { chart_ = std::move(chart); }
    // The variable of the current cell of Formato 1 (its column) or 2 (its row), the first one when the
    // current cell names a locality or there is none; none on Formato 3.
    std::optional<VariableSeries> currentSeries() const;

    // A title cell of Formato 1 or 2 chosen (clicked, or Enter or Space): the localities sorted by that
    // variable, largest first, then the other way, then in the query's order again.
    void sortByTitle(int tab, int row, int column);

    // At every activation: the legend hidden and written anew.
    void PrepararConvencoes();
    // The captions of the three title and subtitle labels.
    void setTitles(const QString& title, const QString& subtitle);
    // Hides the title, subtitle and grid of every tab.
    void hideGroups();

    Grid& grid(int i) const { return *grids_[static_cast<std::size_t>(i)]; }

    QGroupBox* FraRes;
    TabbedFrame* FraRes_SSTab1 = nullptr;
    std::array<QLabel*, kLayoutCount> FraRes_LblTituloGrid{};
    std::array<QLabel*, kLayoutCount> FraRes_LblSubTituloGrid{};
    std::array<GridTableView*, kLayoutCount> FraRes_MSFlexGrid{};
    QPlainTextEdit* FraRes_TxtNotas = nullptr;
    QPushButton* FraRes_CmdSalvar = nullptr;
    QPushButton* FraRes_CmdConvencoes = nullptr;
    QPushButton* FraRes_CmdImprimir = nullptr;
    QPushButton* FraRes_CmdChart = nullptr;
    QGroupBox* FraRes_FraConvencoes = nullptr;
    QPlainTextEdit* FraRes_TxtConvencoes = nullptr;
    QPushButton* FraRes_CmdFechar = nullptr;

private:
    void showGroup(int i, bool visible);
    // The chart is drawn of Formato 1 and 2.
    void enableChart();

    const RunState& state_;
    LastResult& result_;
    ErrorPolicy& policy_;
    std::array<Grid*, kLayoutCount> grids_{};
    std::function<void()> save_;
    std::function<void(const VariableSeries&)> chart_;
    std::unique_ptr<const ValueOrder> valueOrder_;
};

}  // namespace quelva
