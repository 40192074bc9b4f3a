#include "painel_resultado.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "consulta.h"
#include "dialogos.h"
#include "error_policy.h"
#include "estado.h"
#include "fixed_font.h"
#include "result_formats.h"
#include "formatos.h"
#include "grade.h"
#include "notas.h"
#include "result_rows.h"
#include "tabbed_frame.h"
#include "twips.h"
#include "wrapping_button.h"

namespace quelva {

namespace {

const char* kSalvar = "Salvar em Excel";
const char* kConvencoes = "Convenções";
const char* kFechar = "&Fechar";
const char* kImprimir = "Imprimir";
const char* kSelecaoGrande = "Seleção muito grande !!";
const char* kConsultasMenores = "Faça consultas menores.";
// The legend's longest line fits its box at this size.
constexpr int kPontosConvencoes = 8;
const char* kNenhumDado = "Nenhum dado recuperado/satisfaz o(s) critério(s).";

template <class W>
W* novo(QWidget* pai, const char* nome) {
    W* w = new W(pai);
    w->setObjectName(QString::fromUtf8(nome));
    return w;
}

// A text box shows lines apart by a bare line feed; the program writes CR LF.
QString paraCaixa(const QString& s) {
    QString r = s;
    return r.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

PainelResultado::PainelResultado(QGroupBox* fra, Estado& estado, ErrorPolicy& politica)
    : QObject(fra), FraRes(fra), estado_(estado), politica_(politica) {
    QStringList abas;
    for (const char* a : kNomesFormatos) abas << QString::fromUtf8(a);
    FraRes_SSTab1 = new TabbedFrame(abas, FraRes);
    FraRes_SSTab1->setObjectName(QStringLiteral("FraRes_SSTab1"));
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        FraRes_LblTituloGrid[i] = new QLabel(FraRes_SSTab1);
        FraRes_LblTituloGrid[i]->setObjectName("FraRes_LblTituloGrid" + n);
        FraRes_LblSubTituloGrid[i] = new QLabel(FraRes_SSTab1);
        FraRes_LblSubTituloGrid[i]->setObjectName("FraRes_LblSubTituloGrid" + n);
        for (QLabel* l : {FraRes_LblTituloGrid[i], FraRes_LblSubTituloGrid[i]}) {
            l->setAlignment(Qt::AlignCenter);
            l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
        grades_[i] = new Grade(this);
        FraRes_MSFlexGrid[i] = new VisaoGrade(politica_, FraRes_SSTab1);
        FraRes_MSFlexGrid[i]->setObjectName("FraRes_MSFlexGrid" + n);
        FraRes_MSFlexGrid[i]->definirGrade(grades_[i]);
        // Formato 1 and 2 are read across a title row and down a name column the reader must keep seeing;
        // Formato 3 repeats its titles on every row.
        if (i < 2) FraRes_MSFlexGrid[i]->setFrozenHeaders(1, 1);
    }
    hideGroups();

    FraRes_TxtNotas = novo<QPlainTextEdit>(FraRes, "FraRes_TxtNotas");
    FraRes_TxtNotas->setReadOnly(true);
    FraRes_CmdSalvar = novo<WrappingButton>(FraRes, "FraRes_CmdSalvar");
    FraRes_CmdSalvar->setText(QString::fromUtf8(kSalvar));
    FraRes_CmdConvencoes = novo<QPushButton>(FraRes, "FraRes_CmdConvencoes");
    FraRes_CmdConvencoes->setText(QString::fromUtf8(kConvencoes));
    FraRes_CmdImprimir = novo<QPushButton>(FraRes, "FraRes_CmdImprimir");
    FraRes_CmdImprimir->setText(QString::fromUtf8(kImprimir));
    FraRes_CmdImprimir->hide();

    FraRes_FraConvencoes = novo<QGroupBox>(FraRes, "FraRes_FraConvencoes");
    FraRes_FraConvencoes->setTitle(QString::fromUtf8(kConvencoes));
    FraRes_FraConvencoes->setAutoFillBackground(true);
    FraRes_TxtConvencoes = novo<QPlainTextEdit>(FraRes_FraConvencoes, "FraRes_TxtConvencoes");
    FraRes_TxtConvencoes->setReadOnly(true);
    FraRes_TxtConvencoes->setLineWrapMode(QPlainTextEdit::NoWrap);
    FraRes_TxtConvencoes->setFont(fixedPitchFont(kPontosConvencoes));
    FraRes_CmdFechar = novo<QPushButton>(FraRes_FraConvencoes, "FraRes_CmdFechar");
    FraRes_CmdFechar->setText(QString::fromUtf8(kFechar));
    FraRes_FraConvencoes->hide();

    politica_.connect(FraRes_SSTab1, &TabbedFrame::tabClicked, this, [this](int anterior) { FraRes_SSTab1_Click(anterior); });
    politica_.connect(FraRes_CmdConvencoes, &QPushButton::clicked, this, [this] { FraRes_CmdConvencoes_Click(); });
    politica_.connect(FraRes_CmdFechar, &QPushButton::clicked, this, [this] { FraRes_CmdFechar_Click(); });
    politica_.connect(FraRes_CmdSalvar, &QPushButton::clicked, this, [this] { FraRes_CmdSalvar_Click(); });
}

bool PainelResultado::run(const std::function<void(bool)>& mensagem) {
    Dialogos& dialogos = politica_.dialogos();
    QWidget* janela = FraRes->window();
    estado_.HaResultado = false;
    if (!ValidarSelecao(estado_, dialogos, janela)) return false;
    mensagem(true);
    AbrirTabelasCD(estado_.tabelasCD, estado_.banco);
    const std::optional<QString> instrucao = MontarConsulta(estado_);
    if (!instrucao || !openResult(estado_, *instrucao)) {
        FecharTabelasCD(estado_.tabelasCD);
        mensagem(false);
        dialogos.mensagem(janela, QString::fromUtf8(kSelecaoGrande) + "\r\n\r\n" + QString::fromUtf8(kConsultasMenores),
                          Dialogos::Icone::Critico, Dialogos::Botoes::Ok, QString());
        return false;
    }
    // One reading of the result for the three layouts, which then answer their cells from it.
    const std::shared_ptr<const ResultRows> resultado = readResult(estado_);
    MontarFormato1(resultado, *grades_[0]);
    MontarFormato2(resultado, *grades_[1]);
    MontarFormato3(resultado, *grades_[2], pixelsParaTwips(FraRes_MSFlexGrid[2]->width(), FraRes_MSFlexGrid[2]->logicalDpiX()));
    notas_ = MontarNotas(estado_);
    FraRes_TxtNotas->setPlainText(paraCaixa(notas_));
    FecharTabelasCD(estado_.tabelasCD);
    if (!estado_.HaResultado) {
        mensagem(false);
        dialogos.mensagem(janela, QString::fromUtf8(kNenhumDado), Dialogos::Icone::Critico, Dialogos::Botoes::Ok, QString());
        return false;
    }
    showGroup(0, true);
    showGroup(1, false);
    showGroup(2, false);
    FraRes_SSTab1->setTab(0);
    return true;
}

void PainelResultado::showGroup(int i, bool visivel) {
    FraRes_LblTituloGrid[i]->setVisible(visivel);
    FraRes_LblSubTituloGrid[i]->setVisible(visivel);
    FraRes_MSFlexGrid[i]->setVisible(visivel);
}

void PainelResultado::hideGroups() {
    for (int i = 0; i < 3; ++i) showGroup(i, false);
}

void PainelResultado::FraRes_SSTab1_Click(int) {
    hideGroups();
    const int aba = FraRes_SSTab1->Tab();
    if (aba >= 0 && aba < 3) showGroup(aba, true);
    for (int i = 0; i < 3; ++i) {
        FraRes_LblTituloGrid[i]->repaint();
        FraRes_LblSubTituloGrid[i]->repaint();
        FraRes_MSFlexGrid[i]->repaint();
    }
}

void PainelResultado::FraRes_CmdConvencoes_Click() {
    FraRes_FraConvencoes->show();
    FraRes_FraConvencoes->raise();
}

void PainelResultado::FraRes_CmdFechar_Click() { FraRes_FraConvencoes->hide(); }

void PainelResultado::FraRes_CmdSalvar_Click() {
    if (salvar_) salvar_();
}

void PainelResultado::PrepararConvencoes() {
    FraRes_FraConvencoes->hide();
    FraRes_TxtConvencoes->clear();
    convencoes_ = conventionsText();
    FraRes_TxtConvencoes->setPlainText(paraCaixa(convencoes_));
}

void PainelResultado::setTitles(const QString& titulo, const QString& subtitulo) {
    for (int i = 0; i < 3; ++i) {
        FraRes_LblTituloGrid[i]->setText(titulo);
        FraRes_LblSubTituloGrid[i]->setText(subtitulo);
    }
}

}  // namespace quelva
