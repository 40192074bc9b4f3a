// The Criteria panel through its real widgets on the small sample, and its condition run by the engine.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "error.h"
#include "grid.h"
#include "test_window.h"
#include "criteria_panel.h"

namespace {

using quelva::Dialogs;
using testing_support::TestWindow;

constexpr int kCriterionVariableCount = 12;  // rows of CD_VAR marked "criterio" in the small sample
const char* const kNameOfK002 = "Total de lei orgânica informatizados";
const char* const kLongCodeName = "Quantidade de emissoras de rádio em 1998";

class Criteria : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.start());
        t.window->show();
        t.window->MnuCriterios->trigger();
        p = t.window->criteriaPanel;
        ASSERT_NE(p, nullptr);
    }

    // The entry of a variable code, as its value holds it in the first 20 characters.
    int entryOf(const QString& code) {
        for (int i = 0; i < p->FraCri_DbCmbVar->count(); ++i)
            if (p->FraCri_DbCmbVar->itemData(i).toString().left(20).trimmed() == code) return i;
        ADD_FAILURE() << "no criterion variable " << code.toStdString();
        return -1;
    }
    // A choice made in a drop-down list, as a click in its open list makes it.
    static void choose(QComboBox* list, const QString& text) {
        const int i = list->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        list->setCurrentIndex(i);
    }
    void criterion(const QString& code, const QString& op, const QString& value, const QString& connector = {}) {
        p->FraCri_DbCmbVar->setCurrentIndex(entryOf(code));
        choose(p->FraCri_CmbOperador, op);
        if (!connector.isEmpty()) choose(p->FraCri_CmbConector, connector);
        QTest::keyClicks(p->FraCri_TxtValor, value);
    }
    void add() { QTest::mouseClick(p->FraCri_CmdAdicionaCri, Qt::LeftButton); }
    void clearAll(Dialogs::Answer answer) {
        t.dialogs.answer(answer);
        QTest::mouseClick(p->FraCri_CmdLimpaTodosCri, Qt::LeftButton);
    }
    QStringList row(int l) const {
        QStringList s;
        for (int c = 0; c < p->criteriaGrid->columns(); ++c) s << p->criteriaGrid->text(l, c);
        return s;
    }
    // Adicionar, Limpar, Limpar all.
    std::array<bool, 3> buttons() const {
        return {p->FraCri_CmdAdicionaCri->isEnabled(), p->FraCri_CmdLimpaCri->isEnabled(), p->FraCri_CmdLimpaTodosCri->isEnabled()};
    }
    bool connectorVisible() const {
        return !p->FraCri_CmbConector->isHidden() && !p->FraCri_LblTit[3]->isHidden();
    }

    TestWindow t;
    quelva::CriteriaPanel* p = nullptr;
};

using ButtonStates = std::array<bool, 3>;

TEST_F(Criteria, PreparationFillsTheListsAndStartsWithNoCriterion) {
    QComboBox* var = p->FraCri_DbCmbVar;
    ASSERT_EQ(var->count(), kCriterionVariableCount);
    // The engine's order (CD_VAR's own), the name shown, the code padded to 20 characters then the name as value.
    EXPECT_EQ(var->itemText(0), QString::fromUtf8(kNameOfK002));
    EXPECT_EQ(var->itemData(0).toString(), "K002                " + QString::fromUtf8(kNameOfK002));
    EXPECT_EQ(var->itemText(1).left(10), "Existência");
    EXPECT_EQ(var->itemData(8).toString(), "G_TOTAL_INFORMADO_PE" + QString::fromUtf8(kLongCodeName));
    EXPECT_EQ(var->currentIndex(), -1);
    EXPECT_TRUE(p->chosenVariableValue().isEmpty());

    EXPECT_EQ(p->FraCri_CmbOperador->currentIndex(), -1);
    EXPECT_EQ(p->FraCri_CmbConector->currentIndex(), -1);

    EXPECT_EQ(buttons(), (ButtonStates{false, false, false}));
    EXPECT_TRUE(p->FraCri_CmbConector->isHidden());
    EXPECT_TRUE(p->FraCri_LblTit[3]->isHidden());
    EXPECT_EQ(p->criteriaGrid->rows(), 1);
    EXPECT_TRUE(t.state->criteria.ExpressaoCriterio().isEmpty());
}

TEST_F(Criteria, TheVisibleColumnsFillTheGridAndTheCodeLiesBeyondIt) {
    const quelva::Grid& g = *p->criteriaGrid;
    ASSERT_EQ(g.columns(), 5);
    int visibleWidth = 0;
    for (int c = 0; c < 4; ++c) {
        EXPECT_GT(g.columnWidth(c), 0) << c;
        visibleWidth += g.columnWidth(c);
    }
    // The name takes whatever the connector, operator and value leave of the grid's design width.
    EXPECT_EQ(visibleWidth, t.window->controls().at("FraCri_GrdCri").Width);
    // The code's column starts where the grid's visible width ends.
    EXPECT_GE(p->FraCri_GrdCri->columnViewportPosition(4), p->FraCri_GrdCri->viewport()->width());
}

TEST_F(Criteria, FirstCriterionIsExactlyOnePieceWithoutConnector) {
    criterion("K002", ">", "100");
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_K002]>100 ");
    ASSERT_EQ(p->criteriaGrid->rows(), 2);
    EXPECT_EQ(row(1), QStringList({"", QString::fromUtf8(kNameOfK002), ">", "100", "K002"}));
    EXPECT_TRUE(connectorVisible());
    // The inputs are cleared, the criteria stay.
    EXPECT_EQ(p->FraCri_DbCmbVar->currentIndex(), -1);
    EXPECT_EQ(p->FraCri_CmbOperador->currentIndex(), -1);
    EXPECT_EQ(p->FraCri_CmbConector->currentIndex(), -1);
    EXPECT_TRUE(p->FraCri_TxtValor->text().isEmpty());
}

TEST_F(Criteria, LaterCriteriaNeedAConnectorAndJoinWithOrAndAnd) {
    criterion("K002", ">", "100");
    add();
    const QString first = t.state->criteria.ExpressaoCriterio();

    criterion("G003", "=", "1");
    EXPECT_FALSE(p->FraCri_CmdAdicionaCri->isEnabled());
    add();  // a click on the disabled button does nothing
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), first);
    EXPECT_EQ(p->criteriaGrid->rows(), 2);

    choose(p->FraCri_CmbConector, " OU ");
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), first + " or  [tabcri].[cri_G003]=1 ");
    EXPECT_EQ(row(2).at(0), " OU ");

    criterion("M003", "<=", "7", " E ");
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), first + " or  [tabcri].[cri_G003]=1  and  [tabcri].[cri_M003]<=7 ");
    EXPECT_EQ(row(3), QStringList({" E ", "Número de cadastro imobiliário em 1998", "<=", "7", "M003"}));
}

TEST_F(Criteria, ButtonRuleBeforeAndAfterTheFirstCriterion) {
    // No criterion: the connector list is hidden, so "Limpar Critério" is enabled whatever the inputs.
    choose(p->FraCri_CmbOperador, "<>");
    EXPECT_EQ(buttons(), (ButtonStates{false, true, false}));
    QTest::keyClicks(p->FraCri_TxtValor, "3");
    EXPECT_EQ(buttons(), (ButtonStates{false, true, false}));
    p->FraCri_DbCmbVar->setCurrentIndex(entryOf("J002"));
    EXPECT_EQ(buttons(), (ButtonStates{true, true, false}));
    QTest::mouseClick(p->FraCri_CmdLimpaCri, Qt::LeftButton);
    EXPECT_EQ(p->FraCri_DbCmbVar->currentIndex(), -1);
    EXPECT_TRUE(p->FraCri_TxtValor->text().isEmpty());
    EXPECT_EQ(buttons(), (ButtonStates{false, true, false}));

    criterion("J002", "<>", "3");
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_J002]<>3 ");
    // One criterion, empty inputs, no connector chosen: only "Limpar todos os Critérios".
    EXPECT_EQ(buttons(), (ButtonStates{false, false, true}));
    choose(p->FraCri_CmbConector, " E ");
    EXPECT_EQ(buttons(), (ButtonStates{false, true, true}));
    QTest::mouseClick(p->FraCri_CmdLimpaCri, Qt::LeftButton);
    EXPECT_EQ(buttons(), (ButtonStates{false, false, true}));
    QTest::keyClicks(p->FraCri_TxtValor, "8");
    EXPECT_EQ(buttons(), (ButtonStates{false, true, true}));
    criterion("K004", "=", "");
    EXPECT_EQ(buttons(), (ButtonStates{false, true, true}));  // still no connector
    choose(p->FraCri_CmbConector, " OU ");
    EXPECT_EQ(buttons(), (ButtonStates{true, true, true}));
    QTest::keyClick(p->FraCri_TxtValor, Qt::Key_Backspace);
    EXPECT_EQ(buttons(), (ButtonStates{false, true, true}));  // no value
}

TEST_F(Criteria, ValueBoxDiscardsEveryTypedCharacterButDigitsAndBackspace) {
    QLineEdit* value = p->FraCri_TxtValor;
    QTest::keyClicks(value, "a-1.2, 3x");
    EXPECT_EQ(value->text(), "123");
    QTest::keyClick(value, Qt::Key_Backspace);
    EXPECT_EQ(value->text(), "12");
    QTest::keyClick(value, Qt::Key_Left);
    QTest::keyClicks(value, "9");
    EXPECT_EQ(value->text(), "192");
    QTest::keyClick(value, Qt::Key_Delete);
    EXPECT_EQ(value->text(), "19");

    EXPECT_EQ(quelva::mdl_verifica_numero(8, 0), 8);
    EXPECT_EQ(quelva::mdl_verifica_numero('0', 5), '0');
    EXPECT_EQ(quelva::mdl_verifica_numero('9', 0), '9');
    for (int c : std::initializer_list<int>{'/', ':', '-', '.', ',', ' ', 'e', 13, 22, 0x00B2 /* superscript two */})
        EXPECT_EQ(quelva::mdl_verifica_numero(c, 0), 0) << c;
}

TEST_F(Criteria, PastedOrDroppedNonDigitsNeverReachTheExpression) {
    criterion("K002", ">", "");
    QLineEdit* value = p->FraCri_TxtValor;
    // A paste through the box's context menu, and text dropped into it, pass no key filter.
    for (const QString& pasted : {QStringLiteral("0 or 1=1"), QStringLiteral("1'"), QStringLiteral(" 12"), QStringLiteral("12 "),
                                  QStringLiteral("-5"), QStringLiteral("1.5"), QString::fromUtf8("١٢"), QStringLiteral("  ")}) {
        value->clear();
        QApplication::clipboard()->setText(pasted);
        value->paste();
        ASSERT_EQ(value->text(), pasted) << "the paste did not happen";
        EXPECT_FALSE(p->FraCri_CmdAdicionaCri->isEnabled()) << pasted.toStdString();
        add();
        value->clear();
        value->insert(pasted);
        EXPECT_FALSE(p->FraCri_CmdAdicionaCri->isEnabled()) << pasted.toStdString();
        add();
    }
    EXPECT_TRUE(t.state->criteria.ExpressaoCriterio().isEmpty());
    EXPECT_EQ(p->criteriaGrid->rows(), 1);
    // The handler itself refuses what the button refuses.
    value->setText("1 or 1=1");
    p->FraCri_cmdadicionacri_Click();
    EXPECT_TRUE(t.state->criteria.ExpressaoCriterio().isEmpty());

    value->clear();
    QApplication::clipboard()->setText("042");
    value->paste();
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_K002]>042 ");
}

TEST_F(Criteria, ClearAllAsksNoKeepsYesReturnsToNoCriterion) {
    criterion("K002", ">", "100");
    add();
    criterion("G003", "=", "1", " OU ");
    add();
    const QString expression = t.state->criteria.ExpressaoCriterio();

    clearAll(Dialogs::Answer::No);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    const auto& m = t.dialogs.messages()[0];
    EXPECT_EQ(m.text, "Deseja apagar TODOS os critérios ? ");
    EXPECT_EQ(m.title, "Apagar todos os critérios");
    EXPECT_EQ(m.icon, Dialogs::Icon::Exclamation);
    EXPECT_EQ(m.buttons, Dialogs::Buttons::YesNo);
    EXPECT_TRUE(m.defaultNo);
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), expression);
    EXPECT_EQ(p->criteriaGrid->rows(), 3);
    EXPECT_TRUE(connectorVisible());

    choose(p->FraCri_CmbConector, " OU ");  // chosen, then left behind by the clearing
    clearAll(Dialogs::Answer::Yes);
    EXPECT_TRUE(t.state->criteria.ExpressaoCriterio().isEmpty());
    ASSERT_EQ(p->criteriaGrid->rows(), 1);
    EXPECT_EQ(p->criteriaGrid->text(0, 0), "E / Ou");
    EXPECT_TRUE(p->FraCri_CmbConector->isHidden());
    EXPECT_TRUE(p->FraCri_LblTit[3]->isHidden());
    EXPECT_EQ(buttons(), (ButtonStates{false, true, false}));

    criterion("J002", "<", "4");
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_J002]<4 ");
    EXPECT_EQ(row(1).at(0), "");
    EXPECT_EQ(t.dialogs.answersLeft(), 0u);
}

TEST_F(Criteria, AnInformationWindowVisitedKeepsListsAndCriteria) {
    criterion("K002", ">", "100");
    add();
    const QString expression = t.state->criteria.ExpressaoCriterio();
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    t.window->MnuSobre->trigger();
    EXPECT_EQ(t.visiblePanel(), "FraLog");  // the activation ran again
    EXPECT_EQ(p->FraCri_CmbOperador->count(), 6);
    EXPECT_EQ(p->FraCri_CmbConector->count(), 2);
    EXPECT_EQ(p->FraCri_DbCmbVar->count(), kCriterionVariableCount);
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), expression);
    EXPECT_EQ(p->criteriaGrid->rows(), 2);
    EXPECT_TRUE(connectorVisible());
}

TEST_F(Criteria, ACodeLongerThanTwentyCharactersIsCutAndTheQueryThenFails) {
    criterion("G_TOTAL_INFORMADO_PE", ">", "0");
    EXPECT_EQ(p->FraCri_DbCmbVar->currentText(), QString::fromUtf8(kLongCodeName));
    add();
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_G_TOTAL_INFORMADO_PE]>0 ");
    EXPECT_EQ(row(1).at(4), "G_TOTAL_INFORMADO_PE");
    jet::Connection db = t.state->session.database().open();
    EXPECT_THROW(db.openRecordset("Select TK.Cod_Mun From TK, TABCRI WHERE TK.Cod_Mun=tabcri.Cod_Mun and (" +
                                  t.state->criteria.ExpressaoCriterio().toStdString() + ")"),
                 jet::Error);
}

TEST_F(Criteria, TheExpressionRunsOnTheSampleAsTheResultRunPutsIt) {
    jet::Connection db = t.state->session.database().open();
    const std::int64_t largest = db.openRecordset("Select max(cri_K002) From TABCRI").field(0).toInteger();
    const std::int64_t noCriterion =
        db.openRecordset("Select TK.Cod_Mun From TK, TABCRI WHERE TK.Cod_Mun=tabcri.Cod_Mun").recordCount();
    ASSERT_GT(noCriterion, 1);
    // The shape of the result run's statement: its joins, then the expression in parentheses.
    auto rows = [&] {
        const std::string sql = "Select TK.Cod_Mun, TABCRI.cri_K002 From TK, TABCRI WHERE TK.Cod_Mun=tabcri.Cod_Mun and (" +
                                t.state->criteria.ExpressaoCriterio().toStdString() + ") Order By TK.Cod_Mun";
        return db.openRecordset(sql);
    };
    criterion("K002", "=", QString::number(largest));
    add();
    jet::Recordset rs = rows();
    ASSERT_GT(rs.recordCount(), 0);
    for (; !rs.eof(); rs.moveNext()) EXPECT_EQ(rs.field(1).toInteger(), largest);

    criterion("K002", "<", "0", " OU ");  // nothing below 0: the first criterion still holds
    add();
    EXPECT_GT(rows().recordCount(), 0);
    criterion("K002", ">", QString::number(largest), " E ");  // and binds first: (= max) or (< 0 and > max)
    add();
    EXPECT_GT(rows().recordCount(), 0);

    clearAll(Dialogs::Answer::Yes);
    criterion("K002", ">", QString::number(largest));
    add();
    EXPECT_EQ(rows().recordCount(), 0);
}

TEST_F(Criteria, TypingInTheClosedListChoosesTheFirstNameBeginningWithTheLetters) {
    QComboBox* var = p->FraCri_DbCmbVar;
    var->setFocus();
    const int interval = QApplication::keyboardInputInterval();
    auto pause = [&] { QTest::qWait(interval + 100); };

    QTest::keyClicks(var, "n");
    EXPECT_EQ(var->currentText(), QString::fromUtf8("Número de cadastro imobiliário em 1998"));
    EXPECT_EQ(p->FraCri_CmdLimpaCri->isEnabled(), true);  // a choice is an input change
    QTest::keyClicks(var, "n");  // the same letter again: the next name with it
    EXPECT_EQ(var->currentText(), QString::fromUtf8("Número de ligações de água sob gestão estadual"));
    pause();
    QTest::keyClicks(var, "QUANTIDADE DE S");
    EXPECT_EQ(var->currentText(), QString::fromUtf8("Quantidade de serviços de radiodifusão em 1998"));
    pause();
    QTest::keyClicks(var, "n");  // a new search starts from the top
    EXPECT_EQ(var->currentIndex(), 3);
    pause();
    QTest::keyClicks(var, "zz");  // no name begins so: the choice stays
    EXPECT_EQ(var->currentIndex(), 3);
    EXPECT_EQ(p->chosenVariableValue().left(20), "M003                ");
}

TEST_F(Criteria, EveryControlTheLayoutNamesExistsAndSitsWhollyInsideItsFrame) {
    int seen = 0;
    for (const auto& [name, g] : t.window->controls().all()) {
        if (quelva::panelOfControl(name) != "FraCri" || name == "FraCri") continue;
        QWidget* w = t.window->findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(w, nullptr) << name;
        ASSERT_NE(w->parentWidget(), nullptr) << name;
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry())) << name;
        ++seen;
    }
    EXPECT_EQ(seen, 14);
    for (QWidget* w : {static_cast<QWidget*>(p->FraCri_LblTit[0]), static_cast<QWidget*>(p->FraCri_CmbConector),
                       static_cast<QWidget*>(p->FraCri_DbCmbVar), static_cast<QWidget*>(p->FraCri_TxtValor),
                       static_cast<QWidget*>(p->FraCri_CmdAdicionaCri), static_cast<QWidget*>(p->FraCri_CmdLimpaCri)})
        EXPECT_EQ(w->parentWidget(), p->FraCri_FraCriTop) << w->objectName().toStdString();
    EXPECT_EQ(p->FraCri_GrdCri->parentWidget(), p->FraCri_FraCri);
    EXPECT_EQ(p->FraCri_CmdLimpaTodosCri->parentWidget(), p->FraCri_FraCri);
    // Captions stay whole at the design widths, whatever the face the system gives.
    for (QPushButton* b : {p->FraCri_CmdLimpaCri, p->FraCri_CmdAdicionaCri, p->FraCri_CmdLimpaTodosCri})
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width()) << b->text().toStdString();

    // A control the layout names but the panel lacks stops the program with its name.
    delete p->FraCri_CmdLimpaTodosCri;
    t.window->runHandled([&] { t.window->Form_Activate(); });
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_TRUE(t.dialogs.messages()[0].text.contains("FraCri_CmdLimpaTodosCri"));
    EXPECT_EQ(t.endedWith, 1);
}

}  // namespace
