#include "frm_sobre.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "stretched_image.h"
#include "info_window.h"
#include "resources.h"

namespace quelva {

namespace {

constexpr char kTitle[] = "Sobre Brenvala";
constexpr char kProduct[] = "Produto Tarsenal";
constexpr char kPlatform[] = "Para Windows 32 bits";
constexpr char kDevelopedBy[] = "Desenvolvido por:";

// The development team. Every item is fictitious: no such street, postal code or telephone exists.
constexpr std::array<const char*, 7> kIdentification = {
    "Equipe Quelva",
    "Rua dos Exemplos Fictícios, 000",
    "Bairro Imaginário - Cidade Inventada",
    "CEP 00000-000",
    "",
    "Central de Atendimento ao Usuário Quelva",
    "Telefone (00) 0000-0000",
};

// Twips.
constexpr int kImageSide = 1440;
constexpr int kWindowWidth = 6600;
constexpr int kWindowHeight = 4200;

}  // namespace

QString FrmSobre::developerIdentification() {
    QStringList lines;
    for (const char* line : kIdentification) lines.append(QString::fromUtf8(line));
    return lines.join(QStringLiteral("\r\n"));
}

FrmSobre::FrmSobre(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmSobre"));
    setUpInfoWindow(this, QString::fromUtf8(kTitle), kWindowWidth, kWindowHeight);
    registerResources();

    Image1 = new StretchedImage(QString::fromUtf8(kAboutImage), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(pixelsX(this, kImageSide), pixelsY(this, kImageSide));

    productLabel_ = new QLabel(QString::fromUtf8(kProduct), this);
    productLabel_->setObjectName(QStringLiteral("LblProduto"));
    QFont emphasis = productLabel_->font();
    emphasis.setBold(true);
    emphasis.setPointSizeF(emphasis.pointSizeF() * 1.25);
    productLabel_->setFont(emphasis);
    platformLabel_ = new QLabel(QString::fromUtf8(kPlatform), this);
    platformLabel_->setObjectName(QStringLiteral("LblPlataforma"));
    developedByLabel_ = new QLabel(QString::fromUtf8(kDevelopedBy), this);
    developedByLabel_->setObjectName(QStringLiteral("LblDesenvolvidoPor"));

    // Load fills Text1; the user may select and copy the address but not change it.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setPlainText(developerIdentification());

    CmdFechar = makeCloseButton(this, QStringLiteral("CmdFechar"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(productLabel_, 0, 1);
    layout->addWidget(platformLabel_, 1, 1);
    layout->addWidget(developedByLabel_, 2, 1);
    layout->addWidget(Text1, 3, 1);
    layout->addLayout(closeButtonRow(CmdFechar), 4, 0, 1, 2);
    layout->setColumnStretch(1, 1);
}

}  // namespace quelva
