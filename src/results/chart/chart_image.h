#pragma once
// "Salvar imagem": the whole chart, not just what the window shows, as a PNG picture, an SVG drawing or a
// PDF document, with the export's guarantees: the file appears complete or not at all, an existing one is
// replaced only when the user agrees, and a failure is told with the file's name and the reason.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

namespace quelva {

class Dialogs;
struct ChartModel;

enum class ImageType { Png, Svg, Pdf };

// The caption of the button and the title of its save dialog.
QString saveImageCaption();

// The save dialog's list of types, PNG first.
QStringList imageFilters();

struct ChosenImage {
    QString path;
    ImageType type;
};
// A name ending in .png, .svg or .pdf is saved in that type; any other gets the extension of the type chosen.
ChosenImage resolveImageFile(const QString& name, const QString& filter);

// The chart drawn whole in that type. Throws std::runtime_error when it cannot be drawn.
QByteArray renderChart(const ChartModel& m, ImageType type);

// Draws the chart into `path`, which appears only once complete. Throws std::runtime_error (the file's name
// and the reason) on a failure.
void writeChartImage(const ChartModel& m, const QString& path, ImageType type);

// The dialog (opened in `folder`), the question before replacing, the drawing and the message of a failure.
void saveChartImage(const ChartModel& m, Dialogs& dialogs, QWidget* parent, const QString& folder);

}  // namespace quelva
