// The main window's own widgets: the stacked panels, the menu line and the message frame, styled as designed.
#include "main_window.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include "resources.h"
#include "stretched_image.h"

namespace quelva {

namespace {

const char* kMessageText = "Processando. Aguarde ...";
const char* kMessageCaption = "Mensagem";

// Colours written as the program's &HBBGGRR values.
QColor vbColor(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

QGroupBox* newPanel(QWidget* parent, const char* name, const char* title) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setObjectName(name);
    g->hide();
    return g;
}

}  // namespace

void FrmQuelva::createPanels() {
    auto* panelArea = new QWidget(this);
    panelArea->setObjectName("PanelArea");
    setCentralWidget(panelArea);

    FraLog = newPanel(panelArea, "FraLog", "");
    FraLog->setFlat(true);
    registerResources();
    FraLog->setStyleSheet(QStringLiteral("QGroupBox#FraLog { border: 0; margin: 0; padding: 0; }"));
    FraLog_ImgLogo = new StretchedImage(QString::fromUtf8(kLogoImage), FraLog);
    FraLog_ImgLogo->setObjectName("FraLog_ImgLogo");
    FraVar = newPanel(panelArea, "FraVar", "Variáveis");
    FraPal = newPanel(panelArea, "FraPal", "Palavras chave");
    FraLoc = newPanel(panelArea, "FraLoc", "Localidades");
    FraCri = newPanel(panelArea, "FraCri", "Critérios");
    FraSel = newPanel(panelArea, "FraSel", "Ver seleções");
    FraRes = newPanel(panelArea, "FraRes", "Ver resultado");

    LinMenu = new QFrame(panelArea);
    LinMenu->setObjectName("LinMenu");
    LinMenu->setFrameShape(QFrame::NoFrame);
    LinMenu->setAutoFillBackground(true);
    QPalette pl = LinMenu->palette();
    pl.setColor(QPalette::Window, vbColor(0xE0E0E0));
    LinMenu->setPalette(pl);

    // The message frame belongs to the window, not to the result panel, and stands above whatever panel is shown.
    FraRes_Mensagem = newPanel(panelArea, "FraRes_Mensagem", kMessageCaption);
    FraRes_Mensagem->setAutoFillBackground(true);
    QPalette pm = FraRes_Mensagem->palette();
    pm.setColor(QPalette::Window, vbColor(0x808080));
    pm.setColor(QPalette::WindowText, vbColor(0xFFFF));
    FraRes_Mensagem->setPalette(pm);
    FraRes_LblMensagem = new QLabel(QString::fromUtf8(kMessageText), FraRes_Mensagem);
    FraRes_LblMensagem->setObjectName("FraRes_LblMensagem");
    FraRes_LblMensagem->setAlignment(Qt::AlignCenter);
    FraRes_LblMensagem->setAutoFillBackground(true);
    QFont messageFont(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    messageFont.setStyleHint(QFont::SansSerif);
    FraRes_LblMensagem->setFont(messageFont);
    QPalette pr = FraRes_LblMensagem->palette();
    pr.setColor(QPalette::Window, QApplication::palette().color(QPalette::Dark));
    pr.setColor(QPalette::WindowText, vbColor(0xFFFF));
    FraRes_LblMensagem->setPalette(pr);
}

void FrmQuelva::showMessage(bool visible) {
    FraRes_Mensagem->setVisible(visible);
    if (visible) FraRes_Mensagem->raise();
    FraRes_Mensagem->repaint();
    if (centralWidget()) centralWidget()->repaint();
}

}  // namespace quelva
