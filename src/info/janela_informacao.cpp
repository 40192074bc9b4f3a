#include "janela_informacao.h"

#include <QDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>

#include "twips.h"

namespace quelva {

namespace {
constexpr char kFechar[] = "&Fechar";
// The row heights of the texts are set for this face and size; a larger one would cut the paragraphs short.
constexpr char kFonteGrade[] = "MS Sans Serif";
constexpr int kTamanhoFonteGrade = 8;
}  // namespace

void prepararJanelaInformacao(QDialog* janela, const QString& titulo, int larguraTwips, int alturaTwips) {
    janela->setWindowTitle(titulo);
    janela->setModal(true);
    janela->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    janela->resize(pixelsX(janela, larguraTwips), pixelsY(janela, alturaTwips));
}

QPushButton* criarBotaoFechar(QDialog* janela, const QString& nome) {
    auto* botao = new QPushButton(QString::fromUtf8(kFechar), janela);
    botao->setObjectName(nome);
    botao->setAutoDefault(false);
    botao->setDefault(true);
    // Closing ends exec() and the caller destroys the window: the next opening builds it afresh.
    QObject::connect(botao, &QPushButton::clicked, janela, &QDialog::reject);
    return botao;
}

QHBoxLayout* linhaBotaoFechar(QPushButton* botao) {
    auto* linha = new QHBoxLayout;
    linha->addStretch();
    linha->addWidget(botao);
    return linha;
}

void prepararGradeInformacao(QWidget* grade) {
    QFont fonte(QString::fromUtf8(kFonteGrade), kTamanhoFonteGrade);
    fonte.setStyleHint(QFont::SansSerif);
    grade->setFont(fonte);
    grade->setFocusPolicy(Qt::NoFocus);
}

int pixelsX(const QWidget* widget, int twips) { return twipsParaPixels(twips, widget->logicalDpiX()); }
int pixelsY(const QWidget* widget, int twips) { return twipsParaPixels(twips, widget->logicalDpiY()); }

}  // namespace quelva
