#pragma once
#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;
class QWidget;

namespace quelva {

// What the four information windows have in common: a modal window with a caption of its own, sized in
// twips, that its "&Fechar" button unloads.
void setUpInfoWindow(QDialog* window, const QString& title, int widthTwips, int heightTwips);

// The window's close button, carrying the control name `name`; a click closes the window.
QPushButton* makeCloseButton(QDialog* window, const QString& name);

// The row under an information window's contents: the close button on the right.
QHBoxLayout* closeButtonRow(QPushButton* button);

// The institutional record's close button name, which the presentation window's button carries too.
inline constexpr char kFrmFichaInstitucional_cmdfechar[] = "FrmFichaInstitucional_cmdfechar";

// Prepares a grid of an information window: the grid's face, the small sans serif the texts were measured
// in, and no keyboard focus, which stays on the close button.
void setUpInfoGrid(QWidget* grid);

// Twips to pixels at the widget's own screen resolution.
int pixelsX(const QWidget* widget, int twips);
int pixelsY(const QWidget* widget, int twips);

}  // namespace quelva
