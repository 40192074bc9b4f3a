// The Variables panel and the list mechanism it shares, through the real widgets on the small sample.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "arvore_temas.h"
#include "janela_teste.h"
#include "painel_palavras.h"
#include "painel_variaveis.h"

namespace {

using testing_support::JanelaTeste;
using testing_support::textos;

class Variaveis : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(t.iniciar());
        t.janela->MnuVariaveis->trigger();
        p = t.janela->painelVariaveis;
    }
    void clicarNo(const QString& chave) { ASSERT_TRUE(testing_support::clicarNo(p->FraVar_TrwTemas, chave)) << chave.toStdString(); }
    bool selecionada(const char* codigo) {
        for (const auto& v : t.estado->VetorVariavel)
            if (v.CodVariavel.toText() == codigo) return v.selecionada();
        ADD_FAILURE() << "no variable " << codigo;
        return false;
    }
    // Ticks or unticks entry `i` with the keyboard: it becomes the current entry, the space bar toggles it.
    void alternar(QListWidget* lista, int i) {
        lista->setCurrentRow(i);
        QTest::keyClick(lista, Qt::Key_Space);
    }
    JanelaTeste t;
    quelva::PainelVariaveis* p = nullptr;
};

TEST_F(Variaveis, TreeOfThemesAndSubthemesInNumSeqOrder) {
    auto* arvore = p->FraVar_TrwTemas;
    ASSERT_EQ(arvore->topLevelItemCount(), 3);
    EXPECT_EQ(arvore->topLevelItem(0)->text(0), "Administração Municipal");
    EXPECT_EQ(arvore->topLevelItem(1)->text(0), "Saneamento e Meio Ambiente");
    EXPECT_EQ(arvore->topLevelItem(2)->text(0), "Tecnologia da Informação e Comunicação");
    EXPECT_EQ(arvore->topLevelItem(0)->childCount(), 3);
    EXPECT_EQ(arvore->chave(arvore->no(1)), "T2");
    EXPECT_EQ(arvore->chave(arvore->no(2)), "ST1");
    EXPECT_EQ(arvore->chave(arvore->no(5)), "T5");
    EXPECT_EQ(arvore->quantidade(), 10);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->toolTip(),
              "Selecione uma variável e clique com o botão direito do mouse para visualizar a definição da variável.");
    EXPECT_EQ(p->FraVar_CmdMarcarTodas->text(), "&Marcar todas");
    EXPECT_EQ(p->FraVar_CmdDesmarcarTodas->text(), "&Desmarcar todas");
    EXPECT_EQ(p->FraVar_CmdMostrarDefinicao->text(), "&Mostrar definição");
    EXPECT_FALSE(p->FraVar_LstCodVariavel->isVisibleTo(t.janela.get()));
}

TEST_F(Variaveis, SubthemeClickListsItsVariablesThemeClickEmptiesTheLists) {
    clicarNo("ST2");
    EXPECT_EQ(textos(p->FraVar_LstCodVariavel), QStringList({"M003", "I001", "I002", "I003", "H001", "H002", "H003"}));
    EXPECT_EQ(p->FraVar_LstNomeVariavel->count(), 7);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->text(), "Número de cadastro imobiliário em 1998");
    EXPECT_EQ(p->FraVar_LstNomeVariavel->currentRow(), -1);
    EXPECT_TRUE(p->FraVar_LstNomeVariavel->isVisibleTo(t.janela.get()));
    EXPECT_TRUE(p->FraVar_TrwTemas->no(3)->font(0).bold());
    EXPECT_EQ(t.estado->NoDestacadoVar, 3);

    clicarNo("T2");
    EXPECT_EQ(p->FraVar_LstNomeVariavel->count(), 0);
    EXPECT_EQ(p->FraVar_LstCodVariavel->count(), 0);
    EXPECT_TRUE(p->FraVar_TrwTemas->no(1)->font(0).bold());
    EXPECT_FALSE(p->FraVar_TrwTemas->no(3)->font(0).bold());
    clicarNo("ST1");
    EXPECT_FALSE(p->FraVar_TrwTemas->no(1)->font(0).bold());
    EXPECT_EQ(p->FraVar_LstNomeVariavel->count(), 8);
}

TEST_F(Variaveis, TicksAreWrittenThroughAtOnce) {
    clicarNo("ST2");
    alternar(p->FraVar_LstNomeVariavel, 1);
    EXPECT_TRUE(selecionada("I001"));
    EXPECT_FALSE(selecionada("M003"));
    alternar(p->FraVar_LstNomeVariavel, 1);
    EXPECT_FALSE(selecionada("I001"));
    alternar(p->FraVar_LstNomeVariavel, 6);
    clicarNo("ST1");
    clicarNo("ST2");  // the list is refilled from the table
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(6)->checkState(), Qt::Checked);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(1)->checkState(), Qt::Unchecked);
}

TEST_F(Variaveis, AMouseClickOnACheckBoxTicksAndRecordsIt) {
    t.janela->show();
    clicarNo("ST2");
    QListWidget* lista = p->FraVar_LstNomeVariavel;
    QStyleOptionViewItem opcao;
    opcao.initFrom(lista);
    opcao.rect = lista->visualItemRect(lista->item(2));
    opcao.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect caixa = lista->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opcao, lista);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, caixa.center());
    EXPECT_EQ(lista->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(lista->currentRow(), 2);
    EXPECT_TRUE(selecionada("I002"));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, caixa.center());
    EXPECT_FALSE(selecionada("I002"));
}

TEST_F(Variaveis, MarkAndUnmarkAllTouchOnlyTheListedVariables) {
    clicarNo("ST1");
    alternar(p->FraVar_LstNomeVariavel, 0);  // K001, in another subtheme than the next list
    clicarNo("ST2");
    QTest::mouseClick(p->FraVar_CmdMarcarTodas, Qt::LeftButton);
    for (const char* c : {"M003", "I001", "I002", "I003", "H001", "H002", "H003"}) EXPECT_TRUE(selecionada(c)) << c;
    EXPECT_TRUE(selecionada("K001"));
    EXPECT_FALSE(selecionada("K002"));
    EXPECT_EQ(p->FraVar_LstNomeVariavel->currentRow(), -1);
    EXPECT_TRUE(p->FraVar_LstNomeVariavel->isVisibleTo(t.janela.get()));
    int selecionadas = 0;
    for (const auto& v : t.estado->VetorVariavel) selecionadas += v.selecionada();
    EXPECT_EQ(selecionadas, 8);

    QTest::mouseClick(p->FraVar_CmdDesmarcarTodas, Qt::LeftButton);
    for (const char* c : {"M003", "I001", "H003"}) EXPECT_FALSE(selecionada(c)) << c;
    EXPECT_TRUE(selecionada("K001"));
    for (int i = 0; i < p->FraVar_LstNomeVariavel->count(); ++i)
        EXPECT_EQ(p->FraVar_LstNomeVariavel->item(i)->checkState(), Qt::Unchecked);
}

TEST_F(Variaveis, MarkAllOnAnEmptyListChangesNothing) {
    QTest::mouseClick(p->FraVar_CmdMarcarTodas, Qt::LeftButton);  // before any subtheme click
    clicarNo("T5");
    QTest::mouseClick(p->FraVar_CmdMarcarTodas, Qt::LeftButton);
    QTest::mouseClick(p->FraVar_CmdDesmarcarTodas, Qt::LeftButton);
    for (const auto& v : t.estado->VetorVariavel) EXPECT_FALSE(v.selecionada());
}

TEST_F(Variaveis, ArrowKeysInTheTreeRefillTheList) {
    p->FraVar_TrwTemas->no(1)->setExpanded(true);  // the user opened the first theme
    clicarNo("ST1");
    p->FraVar_TrwTemas->setFocus();
    QTest::keyClick(p->FraVar_TrwTemas, Qt::Key_Down);
    EXPECT_EQ(p->FraVar_TrwTemas->chave(p->FraVar_TrwTemas->currentItem()), "ST2");
    EXPECT_EQ(p->FraVar_LstCodVariavel->item(0)->text(), "M003");
    EXPECT_EQ(t.estado->NoDestacadoVar, 3);
    QTest::keyClick(p->FraVar_TrwTemas, Qt::Key_Up);
    EXPECT_EQ(p->FraVar_LstCodVariavel->item(0)->text(), "K001");
}

TEST_F(Variaveis, ReopeningFromTheMenuShowsMarksChangedElsewhere) {
    clicarNo("ST2");
    alternar(p->FraVar_LstNomeVariavel, 0);
    t.janela->MnuVariaveis->trigger();  // already shown: nothing happens
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Checked);
    t.janela->MnuCriterios->trigger();
    // Another panel unticks it in the table.
    for (auto& v : t.estado->VetorVariavel)
        if (v.CodVariavel.toText() == "M003") v.Selecionada = jet::Value::boolean(false);
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Checked);
    t.janela->MnuVariaveis->trigger();
    EXPECT_EQ(p->FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(selecionada("M003"));
    EXPECT_EQ(t.estado->NoDestacadoVar, 3);  // the tree and the bold node stay
}

}  // namespace
