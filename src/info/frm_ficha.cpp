#include "frm_ficha.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "cursor_espera.h"
#include "dialogos.h"
#include "error_policy.h"
#include "janela_informacao.h"
#include "leitura_ficha.h"

namespace quelva {

namespace {

// A bold line is marked by these two characters at its very start; they are not shown.
constexpr QStringView kMarcaNegrito = u"BB";

constexpr int kLarguraColuna = 8000;  // twips
constexpr int kLarguraJanela = 8700;
constexpr int kAlturaJanela = 6600;

constexpr char kNaoMostrada[] = "Não foi possível mostrar a %1.\n\n%2";

}  // namespace

FrmFicha::FrmFicha(const Ficha& ficha, const QString& pastaPrograma, ErrorPolicy& politica, QWidget* pai)
    : QDialog(pai),
      titulo_(QString::fromUtf8(ficha.titulo)),
      caminho_(pastaPrograma + u'/' + QString::fromUtf8(ficha.arquivo)),
      politica_(politica),
      dialogos_(politica.dialogos()) {
    prepararJanelaInformacao(this, titulo_, kLarguraJanela, kAlturaJanela);

    MSFlexGrid1 = new VisaoGrade(politica, this);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    prepararGradeInformacao(MSFlexGrid1);
    MSFlexGrid1->definirGrade(&grade_);
    // Load hides the grid; it appears once filled.
    MSFlexGrid1->hide();
    cmdFechar_ = criarBotaoFechar(this, QString::fromUtf8(ficha.nomeBotaoFechar));

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(MSFlexGrid1, 1);
    coluna->addLayout(linhaBotaoFechar(cmdFechar_));
}

bool FrmFicha::preencher() {
    // The normal pointer is back before the message, if there is one.
    const LeituraFicha leitura = [this] {
        CursorEspera espera(this);
        return lerFicha(caminho_);
    }();
    if (!leitura.ok()) {
        avisarFalha(leitura.falha);
        return false;
    }
    CursorEspera espera(this);
    preencherGrade(leitura.linhas);
    MSFlexGrid1->show();
    preenchida_ = true;
    return true;
}

void FrmFicha::preencherGrade(const QStringList& linhas) {
    // One row per line in file order, and the row the next line would have gone into stays empty at the end.
    const int quantidade = static_cast<int>(linhas.size());
    grade_.iniciarAlteracoes();
    grade_.definirTamanho(0, 0);
    grade_.definirTamanho(quantidade + 1, 1);
    grade_.definirLarguraColuna(0, kLarguraColuna);
    for (int linha = 0; linha <= quantidade; ++linha) {
        Grade::Celula& celula = grade_.writableCell(linha, 0);
        celula.alinhamento = Qt::AlignCenter;
        if (linha == quantidade) break;
        const QString& texto = linhas.at(linha);
        celula.negrito = texto.startsWith(kMarcaNegrito);
        celula.texto = celula.negrito ? texto.mid(kMarcaNegrito.size()) : texto;
    }
    grade_.concluirAlteracoes();
}

void FrmFicha::avisarFalha(const QString& falha) {
    // Before the window is shown the message belongs to the window that asked for it.
    QWidget* dono = isVisible() || !parentWidget() ? this : parentWidget();
    dialogos_.mensagem(dono, QString::fromUtf8(kNaoMostrada).arg(titulo_, falha), Dialogos::Icone::Exclamacao,
                       Dialogos::Botoes::Ok, {});
}

int FrmFicha::exec() {
    if (!preencher()) return QDialog::Rejected;
    return QDialog::exec();
}

void FrmFicha::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (preenchida_) return;
    politica_.run([this] {
        // Closed once the message is answered and the window has finished showing.
        if (!preencher()) QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    });
}

}  // namespace quelva
