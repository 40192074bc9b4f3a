#include "criteria_panel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "blanks.h"
#include "button_text_fit.h"
#include "dialogs.h"
#include "error_policy.h"
#include "run_state.h"
#include "grid.h"
#include "twips.h"
#include "type_to_find.h"
#include "typed_character_filter.h"

namespace quelva {

namespace {

// The query of FraCri_DatVarCri, the data source the criterion variable list is bound to: here the list is
// filled from it directly, on a connection of its own.
const char* const kVariableListSql[] = {
    "select cstr(mid(codvariavel+space(20),1,20)) & ",
    "cstr(nomevariavel) , nomevariavel , codvariavel ",
    "from cd_var where criterio",
};

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
enum Column { kColConnector, kColName, kColOperator, kColValue, kColCode, kColumnCount };
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

QPushButton* newButton(QWidget* parent, const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(name);
    b->setEnabled(false);
    return b;
}

// A value that may enter the criteria expression: one or more of the digits 0-9 and nothing else.
bool isCriterionValue(const QString& value) {
    if (value.isEmpty()) return false;
    for (QChar c : value)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

QComboBox* newList(QWidget* parent, const char* name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

}  // namespace

int mdl_verifica_numero(int KeyAscii, int /*length*/) {
    if (KeyAscii == kBackspace) return KeyAscii;
    return KeyAscii >= '0' && KeyAscii <= '9' ? KeyAscii : 0;
}

CriteriaPanel::CriteriaPanel(QGroupBox* FraCri, const RunState& state, CriteriaExpression& criteria, ErrorPolicy& policy)
    : QObject(FraCri), frame_(FraCri), state_(state), criteria_(criteria), policy_(policy) {
    FraCri_FraCriTop = new QGroupBox(frame_);
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

    FraCri_FraCri = new QGroupBox(frame_);
    FraCri_FraCri->setObjectName("FraCri_FraCri");
    QFont font(QString::fromLatin1(kFontFamily), kFontSize);
    font.setStyleHint(QFont::SansSerif);
    FraCri_FraCriTop->setFont(font);
    FraCri_FraCri->setFont(font);
    criteriaGrid = new Grid(this);
    FraCri_GrdCri = new GridTableView(policy_, FraCri_FraCri);
    FraCri_GrdCri->setObjectName("FraCri_GrdCri");
    FraCri_GrdCri->setGrid(criteriaGrid);
    // A narrow column clips its text, as the header's larger font needs, rather than ending it in dots.
    FraCri_GrdCri->setTextElideMode(Qt::ElideNone);
    FraCri_CmdLimpaTodosCri = newButton(FraCri_FraCri, "FraCri_CmdLimpaTodosCri", "Limpar todos os Critérios");

    for (QPushButton* b : {FraCri_CmdLimpaCri, FraCri_CmdAdicionaCri, FraCri_CmdLimpaTodosCri}) new ButtonTextFit(b, policy_);
    new TypeToFind(FraCri_DbCmbVar, policy_);
    new TypedCharacterFilter(FraCri_TxtValor, policy_, {}, [this](int& KeyAscii) { FraCri_txtvalor_KeyPress(KeyAscii); });

    // Every change of an input recomputes the buttons, the program's own clearing included.
    policy_.connect(FraCri_DbCmbVar, &QComboBox::currentIndexChanged, this, [this] { FraCri_dbcmbvar_Click(); });
    policy_.connect(FraCri_CmbOperador, &QComboBox::currentIndexChanged, this, [this] { FraCri_cmboperador_Click(); });
    policy_.connect(FraCri_CmbConector, &QComboBox::currentIndexChanged, this, [this] { FraCri_cmbconector_Click(); });
    policy_.connect(FraCri_TxtValor, &QLineEdit::textChanged, this, [this] { FraCri_txtvalor_Change(); });
    policy_.connect(FraCri_CmdAdicionaCri, &QPushButton::clicked, this, [this] { FraCri_cmdadicionacri_Click(); });
    policy_.connect(FraCri_CmdLimpaCri, &QPushButton::clicked, this, [this] { FraCri_cmdlimpacri_Click(); });
    policy_.connect(FraCri_CmdLimpaTodosCri, &QPushButton::clicked, this, [this] { FraCri_cmdlimpatodoscri_Click(); });
}

void CriteriaPanel::prepareControls() {
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
    criteria_.clear();
}

// One entry per row, in the order the engine returns them: the name shown, the first column as the value.
void CriteriaPanel::loadVariableList() {
    std::string sql;
    for (const char* part : kVariableListSql) sql += part;
    jet::Connection db = state_.session.database().open();
    jet::Recordset rs = db.openRecordset(sql);
    const QSignalBlocker blocker(FraCri_DbCmbVar);
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

void CriteriaPanel::writeGridHeader() {
    Grid& g = *criteriaGrid;
    g.beginChanges();
    g.setSize(1, kColumnCount);
    const int gridWidth = pixelsToTwips(FraCri_GrdCri->width(), FraCri_GrdCri->logicalDpiX());
    g.setColumnWidth(kColConnector, kConnectorWidth);
    g.setColumnWidth(kColName, gridWidth - kWidthBesideName);
    g.setColumnWidth(kColOperator, kOperatorWidth);
    g.setColumnWidth(kColValue, kValueWidth);
    for (int c = kColConnector; c <= kColValue; ++c) {
        Grid::Cell& cell = g.writableCell(0, c);
        cell.text = QString::fromUtf8(kHeaderCaptions[c]);
        cell.color = kHeaderColour;
        cell.alignment = Qt::AlignCenter;
        cell.bold = true;
        cell.fontSize = kHeaderFontSize;
    }
    g.setRowHeight(0, kHeaderHeight);
    g.endChanges();
}

QString CriteriaPanel::chosenVariableValue() const {
    return FraCri_DbCmbVar->currentIndex() < 0 ? QString() : FraCri_DbCmbVar->currentData().toString();
}

// The connector list is hidden before the first criterion; after it, one of its entries must be chosen.
bool CriteriaPanel::connectorOk() const {
    return FraCri_CmbConector->isHidden() || FraCri_CmbConector->currentIndex() >= 0;
}

void CriteriaPanel::AtualizarBotoesCriterio() {
    const QString value = FraCri_TxtValor->text();
    const bool hasValue = !trimBlanks(value).isEmpty();
    const bool hasVariable = !FraCri_DbCmbVar->currentText().isEmpty();
    const bool hasOperator = !FraCri_CmbOperador->currentText().isEmpty();
    // Only digits may enter the condition, whether typed, pasted or dropped into the box.
    FraCri_CmdAdicionaCri->setEnabled(isCriterionValue(value) && hasVariable && hasOperator && connectorOk());
    FraCri_CmdLimpaCri->setEnabled(hasValue || hasVariable || hasOperator || connectorOk());
    FraCri_CmdLimpaTodosCri->setEnabled(criteriaGrid->rows() > 1);
}

void CriteriaPanel::FraCri_txtvalor_KeyPress(int& KeyAscii) {
    KeyAscii = mdl_verifica_numero(KeyAscii, static_cast<int>(FraCri_TxtValor->text().size()));
}

void CriteriaPanel::FraCri_cmdadicionacri_Click() {
    const QString value = FraCri_TxtValor->text();
    const QString op = FraCri_CmbOperador->currentText();
    const QString choice = chosenVariableValue();
    // The button's own rule, again: nothing but a whole number reaches the condition.
    if (!isCriterionValue(value) || choice.isEmpty() || op.isEmpty() || !connectorOk()) return;
    addCriterion(choice, op, value, FraCri_CmbConector->currentIndex());
    FraCri_cmdlimpacri_Click();
}

void CriteriaPanel::addCriterion(const QString& choice, const QString& op, const QString& value, int connector) {
    const QString code = trimBlanks(choice.mid(0, kCriteriaCodeWidth));
    const QString name = trimBlanks(choice.mid(kCriteriaCodeWidth, kCriteriaNameWidth));

    Grid& g = *criteriaGrid;
    const int row = g.rows();
    g.beginChanges();
    g.setSize(row + 1, kColumnCount);
    g.writableCell(row, kColName).text = name;
    g.writableCell(row, kColOperator).text = op;
    g.writableCell(row, kColValue).text = value;
    g.writableCell(row, kColConnector).text = connector < 0 ? QString() : FraCri_CmbConector->itemText(connector);
    g.writableCell(row, kColCode).text = code;
    g.endChanges();

    FraCri_CmbConector->show();
    FraCri_LblTit[kConnectorLabel]->show();

    if (!criteria_.ExpressaoCriterio().isEmpty()) criteria_.append(QLatin1String(connector == 0 ? kAndPiece : kOrPiece));
    criteria_.append(QStringLiteral(" [tabcri].[cri_") + code + QStringLiteral("]") + op + value + QStringLiteral(" "));
}

std::vector<Criterion> CriteriaPanel::criteria() const {
    std::vector<Criterion> list;
    const Grid& g = *criteriaGrid;
    for (int row = 1; row < g.rows(); ++row)
        list.push_back({g.cell(row, kColCode).text, g.cell(row, kColOperator).text, g.cell(row, kColValue).text,
                        trimBlanks(g.cell(row, kColConnector).text)});
    return list;
}

QString CriteriaPanel::listValueOfCode(const QString& code) const {
    for (int i = 0; i < FraCri_DbCmbVar->count(); ++i) {
        const QString value = FraCri_DbCmbVar->itemData(i).toString();
        if (trimBlanks(value.mid(0, kCriteriaCodeWidth)) == code) return value;
    }
    return {};
}

std::optional<int> CriteriaPanel::replaceCriteria(const std::vector<Criterion>& list) {
    // Every value is checked before anything changes, as the inputs would check it: the operator and the
    // connector must be entries of their lists, and the first criterion has no connector.
    std::vector<int> connectors;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Criterion& c = list[i];
        if (FraCri_CmbOperador->findText(c.op, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0 || !isCriterionValue(c.number))
            return std::nullopt;
        int connector = -1;
        for (int k = 0; k < FraCri_CmbConector->count() && !c.connector.isEmpty(); ++k)
            if (trimBlanks(FraCri_CmbConector->itemText(k)) == c.connector) connector = k;
        if ((i == 0) != c.connector.isEmpty() || (i > 0 && connector < 0)) return std::nullopt;
        connectors.push_back(connector);
    }
    clearCriteria();
    int unknown = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const QString choice = listValueOfCode(list[i].code);
        if (choice.isEmpty()) ++unknown;
        // A criterion whose predecessors were all left out is the first: nothing to join it to.
        else addCriterion(choice, list[i].op, list[i].number, criteriaGrid->rows() > 1 ? connectors[i] : -1);
    }
    FraCri_cmdlimpacri_Click();
    AtualizarBotoesCriterio();
    return unknown;
}

void CriteriaPanel::FraCri_cmdlimpacri_Click() {
    FraCri_DbCmbVar->setCurrentIndex(-1);
    FraCri_CmbOperador->setCurrentIndex(-1);
    FraCri_CmbConector->setCurrentIndex(-1);
    FraCri_TxtValor->clear();
}

void CriteriaPanel::FraCri_cmdlimpatodoscri_Click() {
    const auto answer = policy_.dialogs().message(frame_, QString::fromUtf8(kClearAllQuestion), Dialogs::Icon::Exclamation,
                                                        Dialogs::Buttons::YesNo, QString::fromUtf8(kClearAllTitle), true);
    if (answer != Dialogs::Answer::Yes) return;
    clearCriteria();
    // The buttons follow the state at once rather than at the next change of an input.
    AtualizarBotoesCriterio();
}

void CriteriaPanel::clearCriteria() {
    criteria_.clear();
    criteriaGrid->setSize(1, kColumnCount);
    FraCri_LblTit[kConnectorLabel]->hide();
    FraCri_CmbConector->hide();
    // Back to no criterion: a connector chosen before must not stand beside the next first criterion.
    FraCri_CmbConector->setCurrentIndex(-1);
}

}  // namespace quelva
