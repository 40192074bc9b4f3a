#include "chart_window.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

#include "chart_image.h"
#include "chart_model.h"
#include "chart_view.h"
#include "error_policy.h"
#include "table_layout.h"
#include "value_order.h"

namespace quelva {

namespace {

// The window takes at most these shares of the screen, and is never wider than a chart reads well.
constexpr double kScreenShare = 0.85;
constexpr int kMostWidth = 1000;

}  // namespace

ChartWindow::ChartWindow(std::shared_ptr<const ChartModel> model, ErrorPolicy& policy, QString saveFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(std::move(model)), policy_(policy), saveFolder_(std::move(saveFolder)) {
    setObjectName(QStringLiteral("chartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(model_->title);
    scrollArea = new QScrollArea(this);
    scrollArea->setWidgetResizable(true);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view = new ChartView(model_, policy_);
    scrollArea->setWidget(view);
    saveButton = new QPushButton(saveImageCaption(), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scrollArea, 1);
    layout->addWidget(saveButton, 0, Qt::AlignRight);
    policy_.connect(view, &ChartView::currentMoved, this, [this](const QRect& row) {
        scrollArea->ensureVisible(row.center().x(), row.center().y(), 0, row.height());
    });
    // Escape closes the window, as it does the program's other windows.
    auto* close = new QShortcut(QKeySequence::Cancel, this);
    policy_.connect(close, &QShortcut::activated, this, [this] { this->close(); });
    policy_.connect(saveButton, &QPushButton::clicked, this, [this] { saveChartImage(*model_, policy_.dialogs(), this, saveFolder_); });

    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = std::min(kMostWidth, static_cast<int>(available.width() * kScreenShare));
    const int chrome = saveButton->sizeHint().height() + 4 * layout->spacing() + scrollArea->frameWidth() * 2 + 24;
    const int height = std::min(static_cast<int>(available.height() * kScreenShare),
                                layOutChart(*model_, width, view->font(), view).height + chrome);
    resize(width, height);
}

ChartWindow* openChart(const VariableSeries& series, const QStringList& headings, ErrorPolicy& policy, const QString& saveFolder,
                       QWidget* parent) {
    const ValueOrder order;
    auto* window = new ChartWindow(std::make_shared<const ChartModel>(buildChart(series, headings, order)), policy, saveFolder, parent);
    window->show();
    window->view->setFocus();
    return window;
}

}  // namespace quelva
