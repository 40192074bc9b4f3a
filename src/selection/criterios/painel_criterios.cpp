#include "painel_criterios.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "button_text_fit.h"
#include "dialogos.h"
#include "error_policy.h"
#include "estado.h"
#include "grade.h"
#include "twips.h"
#include "type_to_find.h"
#include "typed_character_filter.h"

namespace quelva {

namespace {

const char* const kVariableListSql[] = {
    "select cstr(mid(codvariavel+space(20),1,20)) & ",
    "cstr(nomevariavel) , nomevariavel , codvariavel ",
    "from cd_var where criterio",
};
// The list's value: the code in its first 20 characters, the name in the 300 after them.
constexpr int kCodeWidth = 20;
constexpr int kNameWidth = 300;

const char* const kOperators[] = {"=", "<>", ">", "<", ">=", "<="};
// Position 0 joins with "and", any other with "or".
const char* const kConnectors[] = {" E ", " OU "};
const char* const kAndPiece = " and ";
const char* const kOrPiece = " or ";

const char* const kAndOrCaption = "E / Ou";
const char* const kValueCaption = "Valor";
// Labels FraCri_LblTit(0) to (3); the last one stands over the connector list.
const char* const kLabelCaptions[] = {"Variável de Critério", "Operador", kValueCaption, kAndOrCaption};
constexpr int kConnectorLabel = 3;

// The grid: the connector, the variable's name, the operator, the value, and the code beyond the visible width.
enum Coluna { kColConnector, kColName, kColOperator, kColValue, kColCode, kColumnCount };
const char* const kHeaderCaptions[] = {kAndOrCaption, "Variável", "Oper.", kValueCaption};
constexpr int kConnectorWidth = 800, kOperatorWidth = 800, kValueWidth = 1200;
constexpr int kWidthBesideName = kConnectorWidth + kOperatorWidth + kValueWidth;
constexpr int kHeaderFontSize = 11;
// Tall enough for the header's larger font.
constexpr int kHeaderHeight = 330;
const QColor kHeaderColour(0, 0, 255);

const char* const kClearAllQuestion = "Deseja apagar TODOS os critérios ? ";
const char* const kClearAllTitle = "Apagar todos os critérios";

constexpr int kBackspace = 8;

// The panel's controls are sized for the small sans face of the form's design.
const char* const kFontFamily = "MS Sans Serif";
constexpr int kFontSize = 8;

// Blanks off both ends, and nothing else (tabs and line breaks are text).
QString trimBlanks(const QString& s) {
    qsizetype inicio = 0, fim = s.size();
    while (inicio < fim && s.at(inicio) == QLatin1Char(' ')) ++inicio;
    while (fim > inicio && s.at(fim - 1) == QLatin1Char(' ')) --fim;
    return s.mid(inicio, fim - inicio);
}

QPushButton* newButton(QWidget* pai, const char* nome, const char* texto) {
    auto* b = new QPushButton(QString::fromUtf8(texto), pai);
    b->setObjectName(nome);
    b->setEnabled(false);
    return b;
}

QComboBox* newList(QWidget* pai, const char* nome) {
    auto* c = new QComboBox(pai);
    c->setObjectName(nome);
    return c;
}

}  // namespace

int mdl_verifica_numero(int KeyAscii, int /*length*/) {
    if (KeyAscii == kBackspace) return KeyAscii;
    return KeyAscii >= '0' && KeyAscii <= '9' ? KeyAscii : 0;
}

bool isCriterionValue(const QString& valor) {
    if (valor.isEmpty()) return false;
    for (QChar c : valor)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

PainelCriterios::PainelCriterios(QGroupBox* FraCri, Estado& estado, ErrorPolicy& politica)
    : QObject(FraCri), fra_(FraCri), estado_(estado), politica_(politica) {
    FraCri_FraCriTop = new QGroupBox(fra_);
    FraCri_FraCriTop->setObjectName("FraCri_FraCriTop");
    for (int i = 0; i < 4; ++i) {
        FraCri_LblTit[i] = new QLabel(QString::fromUtf8(kLabelCaptions[i]), FraCri_FraCriTop);
        FraCri_LblTit[i]->setObjectName(QStringLiteral("FraCri_LblTit(%1)").arg(i));
    }
    FraCri_CmbConector = newList(FraCri_FraCriTop, "FraCri_CmbConector");
    FraCri_DbCmbVar = newList(FraCri_FraCriTop, "FraCri_DbCmbVar");
    FraCri_CmbOperador = newList(FraCri_FraCriTop, "FraCri_CmbOperador");
    FraCri_TxtValor = new QLineEdit(FraCri_FraCriTop);
    FraCri_TxtValor->setObjectName("FraCri_TxtValor");
    FraCri_CmdLimpaCri = newButton(FraCri_FraCriTop, "FraCri_CmdLimpaCri", "Limpar Critério");
    FraCri_CmdAdicionaCri = newButton(FraCri_FraCriTop, "FraCri_CmdAdicionaCri", "Adicionar Critério");
    // No criterion yet: nothing to join to.
    FraCri_LblTit[kConnectorLabel]->hide();
    FraCri_CmbConector->hide();

    FraCri_FraCri = new QGroupBox(fra_);
    FraCri_FraCri->setObjectName("FraCri_FraCri");
    QFont fonte(QString::fromLatin1(kFontFamily), kFontSize);
    fonte.setStyleHint(QFont::SansSerif);
    FraCri_FraCriTop->setFont(fonte);
    FraCri_FraCri->setFont(fonte);
    criteriaGrid = new Grade(this);
    FraCri_GrdCri = new VisaoGrade(politica_, FraCri_FraCri);
    FraCri_GrdCri->setObjectName("FraCri_GrdCri");
    FraCri_GrdCri->definirGrade(criteriaGrid);
    // A narrow column clips its text, as the header's larger font needs, rather than ending it in dots.
    FraCri_GrdCri->setTextElideMode(Qt::ElideNone);
    FraCri_CmdLimpaTodosCri = newButton(FraCri_FraCri, "FraCri_CmdLimpaTodosCri", "Limpar todos os Critérios");

    for (QPushButton* b : {FraCri_CmdLimpaCri, FraCri_CmdAdicionaCri, FraCri_CmdLimpaTodosCri}) new ButtonTextFit(b, politica_);
    new TypeToFind(FraCri_DbCmbVar, politica_);
    new TypedCharacterFilter(FraCri_TxtValor, politica_, [this](int& KeyAscii) { FraCri_txtvalor_KeyPress(KeyAscii); });

    // Every change of an input recomputes the buttons, the program's own clearing included.
    politica_.connect(FraCri_DbCmbVar, &QComboBox::currentIndexChanged, this, [this] { FraCri_dbcmbvar_Click(); });
    politica_.connect(FraCri_CmbOperador, &QComboBox::currentIndexChanged, this, [this] { FraCri_cmboperador_Click(); });
    politica_.connect(FraCri_CmbConector, &QComboBox::currentIndexChanged, this, [this] { FraCri_cmbconector_Click(); });
    politica_.connect(FraCri_TxtValor, &QLineEdit::textChanged, this, [this] { FraCri_txtvalor_Change(); });
    politica_.connect(FraCri_CmdAdicionaCri, &QPushButton::clicked, this, [this] { FraCri_cmdadicionacri_Click(); });
    politica_.connect(FraCri_CmdLimpaCri, &QPushButton::clicked, this, [this] { FraCri_cmdlimpacri_Click(); });
    politica_.connect(FraCri_CmdLimpaTodosCri, &QPushButton::clicked, this, [this] { FraCri_cmdlimpatodoscri_Click(); });
}

void PainelCriterios::prepareControls() {
    loadVariableList();
    {
        // Filling a list chooses its first entry; the lists start with none, and the buttons stay disabled.
        const QSignalBlocker bo(FraCri_CmbOperador), bc(FraCri_CmbConector);
        for (const char* o : kOperators) FraCri_CmbOperador->addItem(QString::fromUtf8(o));
        for (const char* c : kConnectors) FraCri_CmbConector->addItem(QString::fromUtf8(c));
        FraCri_CmbOperador->setCurrentIndex(-1);
        FraCri_CmbConector->setCurrentIndex(-1);
    }
    writeGridHeader();
    estado_.ExpressaoCriterio.clear();
}

// One entry per row, in the order the engine returns them: the name shown, the first column as the value.
void PainelCriterios::loadVariableList() {
    std::string sql;
    for (const char* parte : kVariableListSql) sql += parte;
    jet::Connection db = estado_.banco.abrir();
    jet::Recordset rs = db.openRecordset(sql);
    const QSignalBlocker bloqueio(FraCri_DbCmbVar);
    FraCri_DbCmbVar->hide();
    FraCri_DbCmbVar->clear();
    while (!rs.eof()) {
        FraCri_DbCmbVar->addItem(QString::fromStdString(rs.field(1).toText()), QString::fromStdString(rs.field(0).toText()));
        rs.moveNext();
    }
    rs.close();
    FraCri_DbCmbVar->setCurrentIndex(-1);
    FraCri_DbCmbVar->show();
}

void PainelCriterios::writeGridHeader() {
    Grade& g = *criteriaGrid;
    g.iniciarAlteracoes();
    g.definirTamanho(1, kColumnCount);
    const int larguraGrade = pixelsParaTwips(FraCri_GrdCri->width(), FraCri_GrdCri->logicalDpiX());
    g.definirLarguraColuna(kColConnector, kConnectorWidth);
    g.definirLarguraColuna(kColName, larguraGrade - kWidthBesideName);
    g.definirLarguraColuna(kColOperator, kOperatorWidth);
    g.definirLarguraColuna(kColValue, kValueWidth);
    for (int c = kColConnector; c <= kColValue; ++c) {
        Grade::Celula& celula = g.writableCell(0, c);
        celula.texto = QString::fromUtf8(kHeaderCaptions[c]);
        celula.cor = kHeaderColour;
        celula.alinhamento = Qt::AlignCenter;
        celula.negrito = true;
        celula.tamanhoFonte = kHeaderFontSize;
    }
    g.definirAlturaLinha(0, kHeaderHeight);
    g.concluirAlteracoes();
}

QString PainelCriterios::chosenVariableValue() const {
    return FraCri_DbCmbVar->currentIndex() < 0 ? QString() : FraCri_DbCmbVar->currentData().toString();
}

// The connector list is hidden before the first criterion; after it, one of its entries must be chosen.
bool PainelCriterios::connectorOk() const {
    return FraCri_CmbConector->isHidden() || FraCri_CmbConector->currentIndex() >= 0;
}

void PainelCriterios::AtualizarBotoesCriterio() {
    const QString valor = FraCri_TxtValor->text();
    const bool temValor = !trimBlanks(valor).isEmpty();
    const bool temVariavel = !FraCri_DbCmbVar->currentText().isEmpty();
    const bool temOperador = !FraCri_CmbOperador->currentText().isEmpty();
    // Only digits may enter the condition, whether typed, pasted or dropped into the box.
    FraCri_CmdAdicionaCri->setEnabled(isCriterionValue(valor) && temVariavel && temOperador && connectorOk());
    FraCri_CmdLimpaCri->setEnabled(temValor || temVariavel || temOperador || connectorOk());
    FraCri_CmdLimpaTodosCri->setEnabled(criteriaGrid->linhas() > 1);
}

void PainelCriterios::FraCri_txtvalor_KeyPress(int& KeyAscii) {
    KeyAscii = mdl_verifica_numero(KeyAscii, static_cast<int>(FraCri_TxtValor->text().size()));
}

void PainelCriterios::FraCri_cmdadicionacri_Click() {
    const QString valor = FraCri_TxtValor->text();
    const QString operador = FraCri_CmbOperador->currentText();
    const QString escolha = chosenVariableValue();
    // The button's own rule, again: nothing but a whole number reaches the condition.
    if (!isCriterionValue(valor) || escolha.isEmpty() || operador.isEmpty() || !connectorOk()) return;
    const QString codigo = trimBlanks(escolha.mid(0, kCodeWidth));
    const QString nome = trimBlanks(escolha.mid(kCodeWidth, kNameWidth));

    Grade& g = *criteriaGrid;
    const int linha = g.linhas();
    g.iniciarAlteracoes();
    g.definirTamanho(linha + 1, kColumnCount);
    g.writableCell(linha, kColName).texto = nome;
    g.writableCell(linha, kColOperator).texto = operador;
    g.writableCell(linha, kColValue).texto = valor;
    g.writableCell(linha, kColConnector).texto = FraCri_CmbConector->currentText();
    g.writableCell(linha, kColCode).texto = codigo;
    g.concluirAlteracoes();

    FraCri_CmbConector->show();
    FraCri_LblTit[kConnectorLabel]->show();

    QString& expressao = estado_.ExpressaoCriterio;
    if (!expressao.isEmpty()) expressao += QLatin1String(FraCri_CmbConector->currentIndex() == 0 ? kAndPiece : kOrPiece);
    expressao += QStringLiteral(" [tabcri].[cri_") + codigo + QStringLiteral("]") + operador + valor + QStringLiteral(" ");

    FraCri_cmdlimpacri_Click();
}

void PainelCriterios::FraCri_cmdlimpacri_Click() {
    FraCri_DbCmbVar->setCurrentIndex(-1);
    FraCri_CmbOperador->setCurrentIndex(-1);
    FraCri_CmbConector->setCurrentIndex(-1);
    FraCri_TxtValor->clear();
}

void PainelCriterios::FraCri_cmdlimpatodoscri_Click() {
    const auto resposta = politica_.dialogos().mensagem(fra_, QString::fromUtf8(kClearAllQuestion), Dialogos::Icone::Exclamacao,
                                                        Dialogos::Botoes::SimNao, QString::fromUtf8(kClearAllTitle), true);
    if (resposta != Dialogos::Resposta::Sim) return;
    estado_.ExpressaoCriterio.clear();
    criteriaGrid->definirTamanho(1, kColumnCount);
    FraCri_LblTit[kConnectorLabel]->hide();
    FraCri_CmbConector->hide();
    // Back to no criterion: a connector chosen before must not stand beside the next first criterion, and
    // the buttons follow the state at once rather than at the next change of an input.
    FraCri_CmbConector->setCurrentIndex(-1);
    AtualizarBotoesCriterio();
}

}  // namespace quelva
