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
#include "grade.h"
#include "janela_teste.h"
#include "painel_criterios.h"
#include "twips.h"

namespace {

using quelva::Dialogos;
using testing_support::JanelaTeste;

constexpr int kQuantidadeVariaveisCriterio = 12;  // rows of CD_VAR marked "criterio" in the small sample
const char* const kNomeK002 = "Total de lei orgânica informatizados";
const char* const kNomeCodigoLongo = "Quantidade de emissoras de rádio em 1998";

class Criterios : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.iniciar());
        t.janela->show();
        t.janela->MnuCriterios->trigger();
        p = t.janela->painelCriterios;
        ASSERT_NE(p, nullptr);
    }

    // The entry of a variable code, as its value holds it in the first 20 characters.
    int entrada(const QString& codigo) {
        for (int i = 0; i < p->FraCri_DbCmbVar->count(); ++i)
            if (p->FraCri_DbCmbVar->itemData(i).toString().left(20).trimmed() == codigo) return i;
        ADD_FAILURE() << "no criterion variable " << codigo.toStdString();
        return -1;
    }
    // A choice made in a drop-down list, as a click in its open list makes it.
    static void escolher(QComboBox* lista, const QString& texto) {
        const int i = lista->findText(texto);
        ASSERT_GE(i, 0) << texto.toStdString();
        lista->setCurrentIndex(i);
    }
    void criterio(const QString& codigo, const QString& operador, const QString& valor, const QString& conector = {}) {
        p->FraCri_DbCmbVar->setCurrentIndex(entrada(codigo));
        escolher(p->FraCri_CmbOperador, operador);
        if (!conector.isEmpty()) escolher(p->FraCri_CmbConector, conector);
        QTest::keyClicks(p->FraCri_TxtValor, valor);
    }
    void adicionar() { QTest::mouseClick(p->FraCri_CmdAdicionaCri, Qt::LeftButton); }
    void limparTodos(Dialogos::Resposta resposta) {
        t.dialogos.responder(resposta);
        QTest::mouseClick(p->FraCri_CmdLimpaTodosCri, Qt::LeftButton);
    }
    QStringList linha(int l) const {
        QStringList s;
        for (int c = 0; c < p->criteriaGrid->colunas(); ++c) s << p->criteriaGrid->texto(l, c);
        return s;
    }
    // Adicionar, Limpar, Limpar todos.
    std::array<bool, 3> botoes() const {
        return {p->FraCri_CmdAdicionaCri->isEnabled(), p->FraCri_CmdLimpaCri->isEnabled(), p->FraCri_CmdLimpaTodosCri->isEnabled()};
    }
    bool conectorVisivel() const {
        return !p->FraCri_CmbConector->isHidden() && !p->FraCri_LblTit[3]->isHidden();
    }

    JanelaTeste t;
    quelva::PainelCriterios* p = nullptr;
};

using Botoes = std::array<bool, 3>;

TEST_F(Criterios, PreparationFillsTheListsAndStartsWithNoCriterion) {
    QComboBox* var = p->FraCri_DbCmbVar;
    ASSERT_EQ(var->count(), kQuantidadeVariaveisCriterio);
    // The engine's order (CD_VAR's own), the name shown, the code padded to 20 characters then the name as value.
    EXPECT_EQ(var->itemText(0), QString::fromUtf8(kNomeK002));
    EXPECT_EQ(var->itemData(0).toString(), "K002                " + QString::fromUtf8(kNomeK002));
    EXPECT_EQ(var->itemText(1).left(10), "Existência");
    EXPECT_EQ(var->itemData(8).toString(), "G_TOTAL_INFORMADO_PE" + QString::fromUtf8(kNomeCodigoLongo));
    EXPECT_EQ(var->currentIndex(), -1);
    EXPECT_TRUE(p->chosenVariableValue().isEmpty());

    QStringList operadores, conectores;
    for (int i = 0; i < p->FraCri_CmbOperador->count(); ++i) operadores << p->FraCri_CmbOperador->itemText(i);
    for (int i = 0; i < p->FraCri_CmbConector->count(); ++i) conectores << p->FraCri_CmbConector->itemText(i);
    EXPECT_EQ(operadores, QStringList({"=", "<>", ">", "<", ">=", "<="}));
    EXPECT_EQ(conectores, QStringList({" E ", " OU "}));
    EXPECT_EQ(p->FraCri_CmbOperador->currentIndex(), -1);
    EXPECT_EQ(p->FraCri_CmbConector->currentIndex(), -1);

    EXPECT_EQ(botoes(), (Botoes{false, false, false}));
    EXPECT_TRUE(p->FraCri_CmbConector->isHidden());
    EXPECT_TRUE(p->FraCri_LblTit[3]->isHidden());
    EXPECT_EQ(p->criteriaGrid->linhas(), 1);
    EXPECT_TRUE(t.estado->ExpressaoCriterio.isEmpty());
    EXPECT_EQ(p->FraCri_LblTit[3]->text(), "E / Ou");
    EXPECT_EQ(p->FraCri_CmdLimpaTodosCri->text(), "Limpar todos os Critérios");
}

TEST_F(Criterios, GridHeaderAndColumnWidths) {
    const quelva::Grade& g = *p->criteriaGrid;
    ASSERT_EQ(g.colunas(), 5);
    EXPECT_EQ(linha(0), QStringList({"E / Ou", "Variável", "Oper.", "Valor", ""}));
    for (int c = 0; c < 4; ++c) {
        const QModelIndex i = g.index(0, c);
        EXPECT_EQ(g.data(i, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255)) << c;
        EXPECT_EQ(g.data(i, Qt::TextAlignmentRole).toInt(), int(Qt::AlignHCenter | Qt::AlignVCenter)) << c;
        const QFont f = g.data(i, Qt::FontRole).value<QFont>();
        EXPECT_TRUE(f.bold()) << c;
        EXPECT_EQ(f.pointSize(), 11) << c;
    }
    const int larguraGrade = t.janela->controles["FraCri_GrdCri"].Width;
    EXPECT_EQ(g.larguraColuna(0), 800);
    EXPECT_EQ(g.larguraColuna(1), larguraGrade - 2800);
    EXPECT_EQ(g.larguraColuna(2), 800);
    EXPECT_EQ(g.larguraColuna(3), 1200);
    // The code's column starts where the grid's visible width ends.
    EXPECT_GE(p->FraCri_GrdCri->columnViewportPosition(4), p->FraCri_GrdCri->viewport()->width());
}

TEST_F(Criterios, FirstCriterionIsExactlyOnePieceWithoutConnector) {
    criterio("K002", ">", "100");
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_K002]>100 ");
    ASSERT_EQ(p->criteriaGrid->linhas(), 2);
    EXPECT_EQ(linha(1), QStringList({"", QString::fromUtf8(kNomeK002), ">", "100", "K002"}));
    EXPECT_TRUE(conectorVisivel());
    // The inputs are cleared, the criteria stay.
    EXPECT_EQ(p->FraCri_DbCmbVar->currentIndex(), -1);
    EXPECT_EQ(p->FraCri_CmbOperador->currentIndex(), -1);
    EXPECT_EQ(p->FraCri_CmbConector->currentIndex(), -1);
    EXPECT_TRUE(p->FraCri_TxtValor->text().isEmpty());
}

TEST_F(Criterios, LaterCriteriaNeedAConnectorAndJoinWithOrAndAnd) {
    criterio("K002", ">", "100");
    adicionar();
    const QString primeiro = t.estado->ExpressaoCriterio;

    criterio("G003", "=", "1");
    EXPECT_FALSE(p->FraCri_CmdAdicionaCri->isEnabled());
    adicionar();  // a click on the disabled button does nothing
    EXPECT_EQ(t.estado->ExpressaoCriterio, primeiro);
    EXPECT_EQ(p->criteriaGrid->linhas(), 2);

    escolher(p->FraCri_CmbConector, " OU ");
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, primeiro + " or  [tabcri].[cri_G003]=1 ");
    EXPECT_EQ(linha(2).at(0), " OU ");

    criterio("M003", "<=", "7", " E ");
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, primeiro + " or  [tabcri].[cri_G003]=1  and  [tabcri].[cri_M003]<=7 ");
    EXPECT_EQ(linha(3), QStringList({" E ", "Número de cadastro imobiliário em 1998", "<=", "7", "M003"}));
}

TEST_F(Criterios, ButtonRuleBeforeAndAfterTheFirstCriterion) {
    // No criterion: the connector list is hidden, so "Limpar Critério" is enabled whatever the inputs.
    escolher(p->FraCri_CmbOperador, "<>");
    EXPECT_EQ(botoes(), (Botoes{false, true, false}));
    QTest::keyClicks(p->FraCri_TxtValor, "3");
    EXPECT_EQ(botoes(), (Botoes{false, true, false}));
    p->FraCri_DbCmbVar->setCurrentIndex(entrada("J002"));
    EXPECT_EQ(botoes(), (Botoes{true, true, false}));
    QTest::mouseClick(p->FraCri_CmdLimpaCri, Qt::LeftButton);
    EXPECT_EQ(p->FraCri_DbCmbVar->currentIndex(), -1);
    EXPECT_TRUE(p->FraCri_TxtValor->text().isEmpty());
    EXPECT_EQ(botoes(), (Botoes{false, true, false}));

    criterio("J002", "<>", "3");
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_J002]<>3 ");
    // One criterion, empty inputs, no connector chosen: only "Limpar todos os Critérios".
    EXPECT_EQ(botoes(), (Botoes{false, false, true}));
    escolher(p->FraCri_CmbConector, " E ");
    EXPECT_EQ(botoes(), (Botoes{false, true, true}));
    QTest::mouseClick(p->FraCri_CmdLimpaCri, Qt::LeftButton);
    EXPECT_EQ(botoes(), (Botoes{false, false, true}));
    QTest::keyClicks(p->FraCri_TxtValor, "8");
    EXPECT_EQ(botoes(), (Botoes{false, true, true}));
    criterio("K004", "=", "");
    EXPECT_EQ(botoes(), (Botoes{false, true, true}));  // still no connector
    escolher(p->FraCri_CmbConector, " OU ");
    EXPECT_EQ(botoes(), (Botoes{true, true, true}));
    QTest::keyClick(p->FraCri_TxtValor, Qt::Key_Backspace);
    EXPECT_EQ(botoes(), (Botoes{false, true, true}));  // no value
}

TEST_F(Criterios, ValueBoxDiscardsEveryTypedCharacterButDigitsAndBackspace) {
    QLineEdit* valor = p->FraCri_TxtValor;
    QTest::keyClicks(valor, "a-1.2, 3x");
    EXPECT_EQ(valor->text(), "123");
    QTest::keyClick(valor, Qt::Key_Backspace);
    EXPECT_EQ(valor->text(), "12");
    QTest::keyClick(valor, Qt::Key_Left);
    QTest::keyClicks(valor, "9");
    EXPECT_EQ(valor->text(), "192");
    QTest::keyClick(valor, Qt::Key_Delete);
    EXPECT_EQ(valor->text(), "19");

    EXPECT_EQ(quelva::mdl_verifica_numero(8, 0), 8);
    EXPECT_EQ(quelva::mdl_verifica_numero('0', 5), '0');
    EXPECT_EQ(quelva::mdl_verifica_numero('9', 0), '9');
    for (int c : std::initializer_list<int>{'/', ':', '-', '.', ',', ' ', 'e', 13, 22, 0x00B2 /* superscript two */})
        EXPECT_EQ(quelva::mdl_verifica_numero(c, 0), 0) << c;
}

TEST_F(Criterios, PastedOrDroppedNonDigitsNeverReachTheExpression) {
    criterio("K002", ">", "");
    QLineEdit* valor = p->FraCri_TxtValor;
    // A paste through the box's context menu, and text dropped into it, pass no key filter.
    for (const QString& colado : {QStringLiteral("0 or 1=1"), QStringLiteral("1'"), QStringLiteral(" 12"), QStringLiteral("12 "),
                                  QStringLiteral("-5"), QStringLiteral("1.5"), QString::fromUtf8("١٢"), QStringLiteral("  ")}) {
        valor->clear();
        QApplication::clipboard()->setText(colado);
        valor->paste();
        ASSERT_EQ(valor->text(), colado) << "the paste did not happen";
        EXPECT_FALSE(p->FraCri_CmdAdicionaCri->isEnabled()) << colado.toStdString();
        adicionar();
        valor->clear();
        valor->insert(colado);
        EXPECT_FALSE(p->FraCri_CmdAdicionaCri->isEnabled()) << colado.toStdString();
        adicionar();
    }
    EXPECT_TRUE(t.estado->ExpressaoCriterio.isEmpty());
    EXPECT_EQ(p->criteriaGrid->linhas(), 1);
    // The handler itself refuses what the button refuses.
    valor->setText("1 or 1=1");
    p->FraCri_cmdadicionacri_Click();
    EXPECT_TRUE(t.estado->ExpressaoCriterio.isEmpty());

    valor->clear();
    QApplication::clipboard()->setText("042");
    valor->paste();
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_K002]>042 ");
}

TEST_F(Criterios, ClearAllAsksNoKeepsYesReturnsToNoCriterion) {
    criterio("K002", ">", "100");
    adicionar();
    criterio("G003", "=", "1", " OU ");
    adicionar();
    const QString expressao = t.estado->ExpressaoCriterio;

    limparTodos(Dialogos::Resposta::Nao);
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    const auto& m = t.dialogos.mensagens()[0];
    EXPECT_EQ(m.texto, "Deseja apagar TODOS os critérios ? ");
    EXPECT_EQ(m.titulo, "Apagar todos os critérios");
    EXPECT_EQ(m.icone, Dialogos::Icone::Exclamacao);
    EXPECT_EQ(m.botoes, Dialogos::Botoes::SimNao);
    EXPECT_TRUE(m.padraoNao);
    EXPECT_EQ(t.estado->ExpressaoCriterio, expressao);
    EXPECT_EQ(p->criteriaGrid->linhas(), 3);
    EXPECT_TRUE(conectorVisivel());

    escolher(p->FraCri_CmbConector, " OU ");  // chosen, then left behind by the clearing
    limparTodos(Dialogos::Resposta::Sim);
    EXPECT_TRUE(t.estado->ExpressaoCriterio.isEmpty());
    ASSERT_EQ(p->criteriaGrid->linhas(), 1);
    EXPECT_EQ(p->criteriaGrid->texto(0, 0), "E / Ou");
    EXPECT_TRUE(p->FraCri_CmbConector->isHidden());
    EXPECT_TRUE(p->FraCri_LblTit[3]->isHidden());
    EXPECT_EQ(botoes(), (Botoes{false, true, false}));

    criterio("J002", "<", "4");
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_J002]<4 ");
    EXPECT_EQ(linha(1).at(0), "");
    EXPECT_EQ(t.dialogos.respostasRestantes(), 0u);
}

TEST_F(Criterios, AnInformationWindowVisitedKeepsListsAndCriteria) {
    criterio("K002", ">", "100");
    adicionar();
    const QString expressao = t.estado->ExpressaoCriterio;
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    t.janela->MnuSobre->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraLog");  // the activation ran again
    EXPECT_EQ(p->FraCri_CmbOperador->count(), 6);
    EXPECT_EQ(p->FraCri_CmbConector->count(), 2);
    EXPECT_EQ(p->FraCri_DbCmbVar->count(), kQuantidadeVariaveisCriterio);
    EXPECT_EQ(t.estado->ExpressaoCriterio, expressao);
    EXPECT_EQ(p->criteriaGrid->linhas(), 2);
    EXPECT_TRUE(conectorVisivel());
}

TEST_F(Criterios, ACodeLongerThanTwentyCharactersIsCutAndTheQueryThenFails) {
    criterio("G_TOTAL_INFORMADO_PE", ">", "0");
    EXPECT_EQ(p->FraCri_DbCmbVar->currentText(), QString::fromUtf8(kNomeCodigoLongo));
    adicionar();
    EXPECT_EQ(t.estado->ExpressaoCriterio, " [tabcri].[cri_G_TOTAL_INFORMADO_PE]>0 ");
    EXPECT_EQ(linha(1).at(4), "G_TOTAL_INFORMADO_PE");
    jet::Connection db = t.estado->banco.abrir();
    EXPECT_THROW(db.openRecordset("Select TK.Cod_Mun From TK, TABCRI WHERE TK.Cod_Mun=tabcri.Cod_Mun and (" +
                                  t.estado->ExpressaoCriterio.toStdString() + ")"),
                 jet::Error);
}

TEST_F(Criterios, TheExpressionRunsOnTheSampleAsTheResultRunPutsIt) {
    jet::Connection db = t.estado->banco.abrir();
    const std::int64_t maior = db.openRecordset("Select max(cri_K002) From TABCRI").field(0).toInteger();
    const std::int64_t semCriterio =
        db.openRecordset("Select TK.Cod_Mun From TK, TABCRI WHERE TK.Cod_Mun=tabcri.Cod_Mun").recordCount();
    ASSERT_GT(semCriterio, 1);
    // The shape of the result run's statement: its joins, then the expression in parentheses.
    auto linhas = [&] {
        const std::string sql = "Select TK.Cod_Mun, TABCRI.cri_K002 From TK, TABCRI WHERE TK.Cod_Mun=tabcri.Cod_Mun and (" +
                                t.estado->ExpressaoCriterio.toStdString() + ") Order By TK.Cod_Mun";
        return db.openRecordset(sql);
    };
    criterio("K002", "=", QString::number(maior));
    adicionar();
    jet::Recordset rs = linhas();
    ASSERT_GT(rs.recordCount(), 0);
    for (; !rs.eof(); rs.moveNext()) EXPECT_EQ(rs.field(1).toInteger(), maior);

    criterio("K002", "<", "0", " OU ");  // nothing below 0: the first criterion still holds
    adicionar();
    EXPECT_GT(linhas().recordCount(), 0);
    criterio("K002", ">", QString::number(maior), " E ");  // and binds first: (= max) or (< 0 and > max)
    adicionar();
    EXPECT_GT(linhas().recordCount(), 0);

    limparTodos(Dialogos::Resposta::Sim);
    criterio("K002", ">", QString::number(maior));
    adicionar();
    EXPECT_EQ(linhas().recordCount(), 0);
}

TEST_F(Criterios, TypingInTheClosedListChoosesTheFirstNameBeginningWithTheLetters) {
    QComboBox* var = p->FraCri_DbCmbVar;
    var->setFocus();
    const int intervalo = QApplication::keyboardInputInterval();
    auto pausa = [&] { QTest::qWait(intervalo + 100); };

    QTest::keyClicks(var, "n");
    EXPECT_EQ(var->currentText(), QString::fromUtf8("Número de cadastro imobiliário em 1998"));
    EXPECT_EQ(p->FraCri_CmdLimpaCri->isEnabled(), true);  // a choice is an input change
    QTest::keyClicks(var, "n");  // the same letter again: the next name with it
    EXPECT_EQ(var->currentText(), QString::fromUtf8("Número de ligações de água sob gestão estadual"));
    pausa();
    QTest::keyClicks(var, "QUANTIDADE DE S");
    EXPECT_EQ(var->currentText(), QString::fromUtf8("Quantidade de serviços de radiodifusão em 1998"));
    pausa();
    QTest::keyClicks(var, "n");  // a new search starts from the top
    EXPECT_EQ(var->currentIndex(), 3);
    pausa();
    QTest::keyClicks(var, "zz");  // no name begins so: the choice stays
    EXPECT_EQ(var->currentIndex(), 3);
    EXPECT_EQ(p->chosenVariableValue().left(20), "M003                ");
}

TEST_F(Criterios, LayoutPlacesEveryControlAtItsDesignGeometryInItsFrame) {
    const double dpiX = t.janela->logicalDpiX(), dpiY = t.janela->logicalDpiY();
    int vistos = 0;
    for (const auto& [nome, g] : t.janela->controles.todos()) {
        if (quelva::painelDoControle(nome) != "FraCri" || nome == "FraCri") continue;
        QWidget* w = t.janela->findChild<QWidget*>(QString::fromStdString(nome));
        ASSERT_NE(w, nullptr) << nome;
        EXPECT_EQ(w->geometry(), QRect(quelva::twipsParaPixels(g.Left, dpiX), quelva::twipsParaPixels(g.Top, dpiY),
                                       quelva::twipsParaPixels(g.Width, dpiX), quelva::twipsParaPixels(g.Height, dpiY)))
            << nome;
        ++vistos;
    }
    EXPECT_EQ(vistos, 14);
    for (QWidget* w : {static_cast<QWidget*>(p->FraCri_LblTit[0]), static_cast<QWidget*>(p->FraCri_CmbConector),
                       static_cast<QWidget*>(p->FraCri_DbCmbVar), static_cast<QWidget*>(p->FraCri_TxtValor),
                       static_cast<QWidget*>(p->FraCri_CmdAdicionaCri), static_cast<QWidget*>(p->FraCri_CmdLimpaCri)})
        EXPECT_EQ(w->parentWidget(), p->FraCri_FraCriTop) << w->objectName().toStdString();
    EXPECT_EQ(p->FraCri_GrdCri->parentWidget(), p->FraCri_FraCri);
    EXPECT_EQ(p->FraCri_CmdLimpaTodosCri->parentWidget(), p->FraCri_FraCri);
    // Captions stay whole at the design widths, whatever the face the system gives.
    for (QPushButton* b : {p->FraCri_CmdLimpaCri, p->FraCri_CmdAdicionaCri, p->FraCri_CmdLimpaTodosCri})
        EXPECT_LE(QFontMetrics(b->font()).horizontalAdvance(b->text()), b->width()) << b->text().toStdString();
    const auto& fra = t.janela->controles["FraCri"];
    EXPECT_EQ(fra.Height, t.janela->medidas.AlturaTela - 900);

    // A control the layout names but the panel lacks stops the program with its name.
    delete p->FraCri_CmdLimpaTodosCri;
    t.janela->executarTratado([&] { t.janela->Form_Activate(); });
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(t.dialogos.mensagens()[0].texto.contains("FraCri_CmdLimpaTodosCri"));
    EXPECT_EQ(t.encerrouCom, 1);
}

}  // namespace
