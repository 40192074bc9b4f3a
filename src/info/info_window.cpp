#include "info_window.h"

#include <QDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>

#include "twips.h"

namespace quelva {

namespace {
constexpr char kClose[] = "&Fechar";
// The row heights of the texts are set for this face and size; a larger one would cut the paragraphs short.
constexpr char kGridFont[] = "MS Sans Serif";
constexpr int kGridFontSize = 8;
}  // namespace

void setUpInfoWindow(QDialog* window, const QString& title, int widthTwips, int heightTwips) {
    window->setWindowTitle(title);
    window->setModal(true);
    window->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    window->resize(pixelsX(window, widthTwips), pixelsY(window, heightTwips));
}

QPushButton* makeCloseButton(QDialog* window, const QString& name) {
    auto* button = new QPushButton(QString::fromUtf8(kClose), window);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(true);
    // Closing ends exec() and the caller destroys the window: the next opening builds it afresh.
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::reject);
    return button;
}

QHBoxLayout* closeButtonRow(QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

void setUpInfoGrid(QWidget* grid) {
    QFont font(QString::fromUtf8(kGridFont), kGridFontSize);
    font.setStyleHint(QFont::SansSerif);
    grid->setFont(font);
    grid->setFocusPolicy(Qt::NoFocus);
}

int pixelsX(const QWidget* widget, int twips) { return twipsToPixels(twips, widget->logicalDpiX()); }
int pixelsY(const QWidget* widget, int twips) { return twipsToPixels(twips, widget->logicalDpiY()); }

}  // namespace quelva
