// The Keywords panel and the definition box, through the real widgets on the small sample.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "theme_tree.h"
#include "variable_definition.h"
#include "test_window.h"
#include "keywords_panel.h"
#include "variables_panel.h"

namespace {

using quelva::Dialogs;
using quelva::keywordsOfLetter;
using testing_support::TestWindow;
using testing_support::texts;

TEST(KeywordsOfLetter, SplitsOnSemicolonsAndKeepsThePiecesOfTheLetter) {
    EXPECT_EQ(keywordsOfLetter("Casa;carro;Cavalo", "C"), QStringList({"Casa", "carro", "Cavalo"}));
    EXPECT_EQ(keywordsOfLetter("Água;Abrigo", "A"), QStringList({"Abrigo"}));  // Á is not the letter A
    EXPECT_EQ(keywordsOfLetter("Água;Abrigo", "Á"), QStringList({"Água"}));
    EXPECT_EQ(keywordsOfLetter("Consórcio;Administração;;Agenda", "A"), QStringList({"Administração", "Agenda"}));
    EXPECT_EQ(keywordsOfLetter(" casa ;Rua", "C"), QStringList({" casa "}));  // kept as stored, not trimmed
    EXPECT_EQ(keywordsOfLetter("", "C"), QStringList());
    EXPECT_EQ(keywordsOfLetter(";;;", "C"), QStringList());
    EXPECT_EQ(keywordsOfLetter("Rua;", "R"), QStringList({"Rua"}));
    EXPECT_EQ(keywordsOfLetter("D'Água;Dique", "D"), QStringList({"D'Água", "Dique"}));
}

class Keywords : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.start());
        t.window->MnuPalavrasChaves->trigger();
        p = t.window->keywordsPanel;
    }
    void letter(char c) { QTest::mouseClick(p->FraPal_LblLetra[static_cast<std::size_t>(c - 'A')], Qt::LeftButton); }
    void chooseKeyword(const QString& w) {
        auto items = p->FraPal_LstPalavraChave->findItems(w, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << w.toStdString();
        p->FraPal_LstPalavraChave->setCurrentItem(items[0]);
        emit p->FraPal_LstPalavraChave->itemClicked(items[0]);
    }
    void clickKeywordNode(const QString& key) { ASSERT_TRUE(testing_support::clickNode(p->FraPal_TrwTema, key)) << key.toStdString(); }
    QStringList keys() {
        QStringList s;
        for (int i = 1; i <= p->FraPal_TrwTema->nodeCount(); ++i) s << p->FraPal_TrwTema->key(p->FraPal_TrwTema->node(i));
        return s;
    }
    TestWindow t;
    quelva::KeywordsPanel* p = nullptr;
};

TEST_F(Keywords, LetterListsEachKeywordOnceSortedWithoutRegardToCase) {
    letter('C');
    // "Casa" and "casa" are two keywords; "Conselho" is in eight rows and listed once.
    QStringList list = texts(p->FraPal_LstPalavraChave);
    EXPECT_EQ(list.count("Conselho"), 1);
    EXPECT_TRUE(list.contains("Casa"));
    EXPECT_TRUE(list.contains("casa"));
    for (int i = 1; i < list.size(); ++i)
        EXPECT_LE(QString::compare(list[i - 1], list[i], Qt::CaseInsensitive), 0) << list.join(",").toStdString();
    letter('A');
    list = texts(p->FraPal_LstPalavraChave);
    EXPECT_TRUE(list.contains("Administração"));
    EXPECT_TRUE(list.contains("Agenda"));    // after an empty piece
    EXPECT_FALSE(list.contains("Água"));     // Á is not A
    EXPECT_TRUE(t.dialogs.messages().empty());
}

TEST_F(Keywords, ALetterWithoutKeywordsSaysSo) {
    letter('C');
    chooseKeyword("Conselho");
    letter('Y');
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "Não existem palavras-chave para esta letra.");
    EXPECT_EQ(t.dialogs.messages()[0].icon, Dialogs::Icon::Critical);
    EXPECT_EQ(t.dialogs.messages()[0].title, "");
    EXPECT_EQ(p->FraPal_LstPalavraChave->count(), 0);
    EXPECT_EQ(p->FraPal_TrwTema->nodeCount(), 0);
}

TEST_F(Keywords, KeywordTreeAndItsVariables) {
    letter('R');
    chooseKeyword("RADIO");
    // RADIO also finds the variables whose keyword text holds RADIODIFUSAO.
    EXPECT_EQ(keys(), QStringList({"T2", "ST2", "T8", "ST6"}));
    EXPECT_EQ(t.state->NoDestacadoPal.index(), -1);
    clickKeywordNode("ST6");
    EXPECT_EQ(texts(p->FraPal_LstCodVariavel), QStringList({"D003", "G_TOTAL_INFORMADO_PELA_PREFEITURA", "G002"}));
    EXPECT_EQ(p->FraPal_LstNomeVariavel->currentRow(), -1);
    EXPECT_TRUE(p->FraPal_TrwTema->node(4)->font(0).bold());
    clickKeywordNode("T8");  // a theme empties the variable lists
    EXPECT_EQ(p->FraPal_LstNomeVariavel->count(), 0);
    // A new letter empties the tree but leaves the variable lists.
    clickKeywordNode("ST2");
    letter('S');
    EXPECT_EQ(p->FraPal_TrwTema->nodeCount(), 0);
    EXPECT_EQ(texts(p->FraPal_LstCodVariavel), QStringList({"H001", "H003"}));
}

TEST_F(Keywords, AKeywordWithAnApostropheFindsItsVariables) {
    letter('D');
    chooseKeyword("D'Água");
    EXPECT_EQ(keys(), QStringList({"T2", "ST2"}));
    clickKeywordNode("ST2");
    EXPECT_EQ(texts(p->FraPal_LstCodVariavel), QStringList({"M003"}));
    EXPECT_TRUE(t.dialogs.messages().empty());
}

TEST_F(Keywords, AKeywordWhoseVariablesAreGoneSaysSo) {
    letter('T');
    testing_support::editSample(t.folder.file("Quelva.mdb"), "DELETE FROM CD_VAR WHERE [Palavra-Chave] LIKE '%Telefone%'");
    chooseKeyword("Telefone");
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "Não existem variáveis para esta palavras-chave.");
    EXPECT_EQ(p->FraPal_TrwTema->nodeCount(), 0);
}

TEST_F(Keywords, TicksHereShowInTheVariablesPanelAndBack) {
    letter('R');
    chooseKeyword("RADIO");
    clickKeywordNode("ST6");
    p->FraPal_LstNomeVariavel->setCurrentRow(1);
    QTest::keyClick(p->FraPal_LstNomeVariavel, Qt::Key_Space);
    EXPECT_TRUE(t.state->variables.VetorVariavel()[35].isSelected());  // G_TOTAL_... is NumSeq 36

    t.window->MnuVariaveis->trigger();
    auto* v = t.window->variablesPanel;
    ASSERT_TRUE(testing_support::clickNode(v->FraVar_TrwTemas, "ST6"));
    ASSERT_EQ(v->FraVar_LstCodVariavel->item(3)->text(), "G_TOTAL_INFORMADO_PELA_PREFEITURA");
    EXPECT_EQ(v->FraVar_LstNomeVariavel->item(3)->checkState(), Qt::Checked);
    v->FraVar_LstNomeVariavel->setCurrentRow(3);
    QTest::keyClick(v->FraVar_LstNomeVariavel, Qt::Key_Space);

    t.window->MnuPalavrasChaves->trigger();
    EXPECT_EQ(p->FraPal_LstNomeVariavel->item(1)->checkState(), Qt::Unchecked);
    EXPECT_TRUE(texts(p->FraPal_LstPalavraChave).contains("RADIO"));  // the panel kept its content
    QTest::mouseClick(p->FraPal_CmdMarcarTodas, Qt::LeftButton);
    EXPECT_TRUE(t.state->variables.VetorVariavel()[34].isSelected());
    EXPECT_TRUE(t.state->variables.VetorVariavel()[36].isSelected());
    QTest::mouseClick(p->FraPal_CmdDesmarcarTodas, Qt::LeftButton);
    EXPECT_FALSE(t.state->variables.VetorVariavel()[34].isSelected());
}

// ---- the definition box ----

TEST_F(Keywords, DefinitionNeedsASelectedVariable) {
    QTest::mouseClick(p->FraPal_CmdMostrarDefinicao, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "Selecione uma variável");
    EXPECT_EQ(t.dialogs.messages()[0].icon, Dialogs::Icon::Critical);
}

TEST_F(Keywords, DefinitionOfTheCurrentEntryByButtonAndRightClick) {
    t.window->MnuVariaveis->trigger();
    auto* v = t.window->variablesPanel;
    ASSERT_TRUE(testing_support::clickNode(v->FraVar_TrwTemas, "ST1"));
    // A right click before any entry is current asks for one.
    QTest::mouseClick(v->FraVar_LstNomeVariavel->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(t.dialogs.messages()[0].text, "Selecione uma variável");

    v->FraVar_LstNomeVariavel->setCurrentRow(1);  // K002
    QTest::mouseClick(v->FraVar_CmdMostrarDefinicao, Qt::LeftButton);
    ASSERT_EQ(t.dialogs.messages().size(), 2u);
    const auto m = t.dialogs.messages()[1];
    EXPECT_EQ(m.title, "Definição de variável");
    EXPECT_EQ(m.icon, Dialogs::Icon::Information);
    EXPECT_EQ(m.text, "Tema: Administração Municipal\r\rSubTema: Estrutura administrativa\r\rVariável: Total de lei orgânica "
                       "informatizados\r\rDefinição: Refere-se a \"Total de lei orgânica informatizados\", conforme declarado "
                       "pela prefeitura ao questionário de 1999.");
    // The right button does not move the current entry.
    QRect r = v->FraVar_LstNomeVariavel->visualItemRect(v->FraVar_LstNomeVariavel->item(4));
    QTest::mouseClick(v->FraVar_LstNomeVariavel->viewport(), Qt::RightButton, {}, r.center());
    EXPECT_EQ(v->FraVar_LstNomeVariavel->currentRow(), 1);
    ASSERT_EQ(t.dialogs.messages().size(), 3u);
    EXPECT_EQ(t.dialogs.messages()[2].text, m.text);
}

TEST(Definition, LastDefinitionRowNoDefinitionAndQuotedCodes) {
    TestWindow t;
    testing_support::editSample(t.folder.file("Quelva.mdb"),
        "INSERT INTO CD_VAR VALUES (43, 8, 7, 'X''1', 'Com aspas', 0, 0, 'TK', 'Aspas', 0);"
        "INSERT INTO CD_DEFINICOES VALUES ('X''1', 'Primeira'), ('X''1', 'Segunda');"
        "DELETE FROM CD_DEFINICOES WHERE CodVariavel = 'S003'");
    ASSERT_TRUE(t.start());
    quelva::Ger_MostrarDescricaoVariavel(t.state->session.database(), t.dialogs, nullptr, "X'1");
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_TRUE(t.dialogs.messages()[0].text.endsWith("Definição: Segunda"));
    EXPECT_TRUE(t.dialogs.messages()[0].text.contains("Variável: Com aspas"));
    quelva::Ger_MostrarDescricaoVariavel(t.state->session.database(), t.dialogs, nullptr, "S003");
    EXPECT_EQ(t.dialogs.messages().size(), 1u);  // no definition: nothing at all
    quelva::Ger_MostrarDescricaoVariavel(t.state->session.database(), t.dialogs, nullptr, "NADA");
    EXPECT_EQ(t.dialogs.messages().size(), 1u);
}

}  // namespace
