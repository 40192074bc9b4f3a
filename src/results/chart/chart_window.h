#pragma once
#include <QStringList>
#include <QWidget>
#include <memory>

class QPushButton;
class QScrollArea;

namespace quelva {

class ChartView;
class ErrorPolicy;
struct ChartModel;
struct VariableSeries;

// The window of one chart, titled with its variable: the chart in a scrolled area as wide as the window,
// and "Salvar imagem". It keeps its chart whatever the result panel does next, and goes when closed.
class ChartWindow : public QWidget {
    Q_OBJECT
public:
    ChartWindow(std::shared_ptr<const ChartModel> model, ErrorPolicy& policy, QString saveFolder, QWidget* parent);

    ChartView* view = nullptr;
    QScrollArea* scrollArea = nullptr;
    QPushButton* saveButton = nullptr;

private:
    std::shared_ptr<const ChartModel> model_;
    ErrorPolicy& policy_;
    QString saveFolder_;
};

// "Gráfico": the chart of `series` under the survey's `headings`, in a window of its own over `parent`,
// shown at once. The images it saves are offered in `saveFolder` first.
ChartWindow* openChart(const VariableSeries& series, const QStringList& headings, ErrorPolicy& policy, const QString& saveFolder,
                       QWidget* parent);

}  // namespace quelva
