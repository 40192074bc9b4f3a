#include "frm_sobre.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

#include "imagem_esticada.h"
#include "janela_informacao.h"
#include "recursos.h"

namespace quelva {

namespace {

constexpr char kTitulo[] = "Sobre Brenvala";
constexpr char kProduto[] = "Produto Tarsenal";
constexpr char kPlataforma[] = "Para Windows 32 bits";
constexpr char kDesenvolvidoPor[] = "Desenvolvido por:";

// The development team. Every item is fictitious: no such street, postal code or telephone exists.
constexpr std::array<const char*, 7> kIdentificacao = {
    "Equipe Quelva",
    "Rua dos Exemplos Fictícios, 000",
    "Bairro Imaginário - Cidade Inventada",
    "CEP 00000-000",
    "",
    "Central de Atendimento ao Usuário Quelva",
    "Telefone (00) 0000-0000",
};

// Twips.
constexpr int kLadoImagem = 1440;
constexpr int kLarguraJanela = 6600;
constexpr int kAlturaJanela = 4200;

}  // namespace

QString FrmSobre::identificacaoDesenvolvedor() {
    QStringList linhas;
    for (const char* linha : kIdentificacao) linhas.append(QString::fromUtf8(linha));
    return linhas.join(QStringLiteral("\r\n"));
}

FrmSobre::FrmSobre(QWidget* pai) : QDialog(pai) {
    setObjectName(QStringLiteral("FrmSobre"));
    prepararJanelaInformacao(this, QString::fromUtf8(kTitulo), kLarguraJanela, kAlturaJanela);
    registrarRecursos();

    Image1 = new ImagemEsticada(QString::fromUtf8(kImagemSobre), this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(pixelsX(this, kLadoImagem), pixelsY(this, kLadoImagem));

    LblProduto = new QLabel(QString::fromUtf8(kProduto), this);
    LblProduto->setObjectName(QStringLiteral("LblProduto"));
    QFont destaque = LblProduto->font();
    destaque.setBold(true);
    destaque.setPointSizeF(destaque.pointSizeF() * 1.25);
    LblProduto->setFont(destaque);
    LblPlataforma = new QLabel(QString::fromUtf8(kPlataforma), this);
    LblPlataforma->setObjectName(QStringLiteral("LblPlataforma"));
    LblDesenvolvidoPor = new QLabel(QString::fromUtf8(kDesenvolvidoPor), this);
    LblDesenvolvidoPor->setObjectName(QStringLiteral("LblDesenvolvidoPor"));

    // Load fills Text1; the user may select and copy the address but not change it.
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setPlainText(identificacaoDesenvolvedor());

    CmdFechar = criarBotaoFechar(this, QStringLiteral("CmdFechar"));

    auto* grade = new QGridLayout(this);
    grade->addWidget(Image1, 0, 0, 4, 1, Qt::AlignTop);
    grade->addWidget(LblProduto, 0, 1);
    grade->addWidget(LblPlataforma, 1, 1);
    grade->addWidget(LblDesenvolvidoPor, 2, 1);
    grade->addWidget(Text1, 3, 1);
    grade->addLayout(linhaBotaoFechar(CmdFechar), 4, 0, 1, 2);
    grade->setColumnStretch(1, 1);
}

}  // namespace quelva
