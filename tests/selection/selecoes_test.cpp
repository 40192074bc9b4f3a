// The review panel "Ver seleções" through its widgets on the small sample: the lines of the selected
// localities, their order by family, what unticking writes, and the mixed families that end the program.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <map>

#include "janela_teste.h"
#include "locality_entry.h"
#include "painel_localidades.h"
#include "painel_selecoes.h"

namespace {

using quelva::Dialogos;
using testing_support::JanelaTeste;

class Selecoes : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.iniciar()); }
    void selecionar(std::initializer_list<int> codigos) {
        for (int c : codigos) t.estado->VetorLocalidade[static_cast<std::size_t>(c)] = true;
    }
    void abrir() {
        t.janela->MnuVerSelecoes->trigger();
        p = t.janela->painelSelecoes;
    }
    QListWidget* lista() const { return p->FraSel_Fraloc_Lstlocalidade; }
    QString entrada(int i) const { return quelva::entryOfLocalityItem(lista()->item(i)); }
    std::vector<int> codigosListados() const {
        std::vector<int> v;
        for (int i = 0; i < lista()->count(); ++i) v.push_back(quelva::codeOfLocalityEntry(entrada(i)));
        return v;
    }
    // The line as the user reads it: the entry up to the code, without the trailing blanks.
    QString visivel(int i) const { return lista()->item(i)->text(); }

    JanelaTeste t;
    quelva::PainelSelecoes* p = nullptr;
};

TEST(LinhaLocalidadeSelecionada, IndentPrefixAndTheCodeAtCharacterThreeHundred) {
    int recuo = 0;
    const QString m = quelva::LinhaLocalidadeSelecionada(5, "Anhurapuã", recuo);
    EXPECT_EQ(m.left(18), QString(9, ' ') + "Anhurapuã");
    EXPECT_EQ(m.mid(299), "5" + QString(8 + 9 + 300 - 300 - 18 + 18 - 18, ' ').left(0) + m.mid(300));
    EXPECT_EQ(m.mid(299, 3), "5  ");
    EXPECT_EQ(m.size(), 9 + 9 + 300);  // blanks left after the code stay
    EXPECT_EQ(quelva::codeOfLocalityEntry(m), 5);
    EXPECT_EQ(recuo, 9);

    const QString g = quelva::LinhaLocalidadeSelecionada(823, "DRADS de X", recuo);
    EXPECT_TRUE(g.startsWith("     Totais da DRADS de X  "));
    EXPECT_EQ(g.mid(299, 3), "823");
    EXPECT_EQ(quelva::codeOfLocalityEntry(g), 823);

    recuo = 0;
    EXPECT_TRUE(quelva::LinhaLocalidadeSelecionada(681, "RA", recuo).startsWith("   Totais da RA "));
    EXPECT_TRUE(quelva::LinhaLocalidadeSelecionada(742, "RG", recuo).startsWith("      Totais da RG "));
    // Outside every band: the previous line's indent, and the prefix from 681 on.
    EXPECT_TRUE(quelva::LinhaLocalidadeSelecionada(698, "RM", recuo).startsWith("      Totais da RM "));
    EXPECT_TRUE(quelva::LinhaLocalidadeSelecionada(680, "X", recuo).startsWith("      X "));
    EXPECT_EQ(recuo, 6);

    // The state total: no indent, no prefix, "0" at 300; a name long enough to reach 300 is overwritten.
    recuo = 9;
    const QString e = quelva::LinhaLocalidadeSelecionada(0, "Totais", recuo);
    EXPECT_TRUE(e.startsWith("Totais "));
    EXPECT_EQ(e.mid(299, 3), "0  ");
    const QString longa = quelva::LinhaLocalidadeSelecionada(12, QString(295, 'n'), recuo);
    EXPECT_EQ(longa.mid(299, 3), "12n");
    EXPECT_EQ(quelva::codeOfLocalityEntry(longa), 12);
}

TEST_F(Selecoes, OneMunicipalityGivesOneTickedLineWithItsCodeOutOfSight) {
    selecionar({5});
    abrir();
    ASSERT_EQ(lista()->count(), 1);
    EXPECT_EQ(visivel(0), QString(9, ' ') + "Anhurapuã");
    EXPECT_EQ(entrada(0).mid(299, 3), "5  ");
    EXPECT_EQ(lista()->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(lista()->item(0)->data(Qt::AccessibleTextRole).toString(), "Anhurapuã");
    EXPECT_EQ(lista()->font().family(), QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(lista()->currentRow(), -1);
    EXPECT_EQ(t.painelVisivel(), "FraSel");
}

TEST_F(Selecoes, LinesFollowTheOrderOfTheFamilySelectedStateTotalFirst) {
    // DRADS 801 (sequence 1) with municipalities 622 (3) and 5 (6), and the state total.
    selecionar({0, 5, 622, 801});
    abrir();
    EXPECT_EQ(codigosListados(), (std::vector<int>{0, 801, 622, 5}));
    EXPECT_EQ(visivel(0), "Total do Estado");  // CD_AREA's row 0 names the state total
    EXPECT_EQ(visivel(1), "     Totais da DRADS de Santa Isabel");
    EXPECT_EQ(visivel(2), QString(9, ' ') + "Santa Isabel");

    // No group: municipalities by name.
    t.estado->VetorLocalidade = {};
    selecionar({5, 420, 1});
    t.janela->MnuVariaveis->trigger();
    abrir();
    EXPECT_EQ(codigosListados(), (std::vector<int>{420, 5, 1}));  // Águas, Anhurapuã, Ilha
}

TEST_F(Selecoes, RaRgGroupsInBothBandsAndACodeOutsideThemTakingThePreviousIndent) {
    // 698 moved after the bands' groups in the RA/RG sequence: 700 (2), 681 (3), 701 (4), 698 (5).
    testing_support::makeDatabase(t.pasta.file("Quelva.mdb"), "UPDATE CD_AREA SET munseqrarg = 5 WHERE COD_AREA_NORVA = 698");
    t.janela->Form_Activate();  // the session connection opened again on the changed file
    selecionar({698, 700, 681, 701, 5});
    abrir();
    EXPECT_EQ(codigosListados(), (std::vector<int>{700, 681, 701, 698, 5}));
    EXPECT_EQ(visivel(0), "Totais da Interior do Estado");  // before any band: no indent
    EXPECT_EQ(visivel(1), "   Totais da RA de Potipecatu-Mirim");
    EXPECT_EQ(visivel(2), "      Totais da RG de Potipecatu-Mirim");
    EXPECT_EQ(visivel(3), "      Totais da Região Metropolitana de Potipecatu-Mirim");
    EXPECT_EQ(visivel(4), QString(9, ' ') + "Anhurapuã");
}

TEST_F(Selecoes, UntickingWritesAtOnceAndTickingAgainSelectsAgain) {
    selecionar({5, 622});
    t.estado->VetorVariavel[0].Selecionada = jet::Value::boolean(true);
    t.estado->VetorVariavel[3].Selecionada = jet::Value::boolean(true);
    abrir();
    auto* nomes = p->FraSel_FraVar_LstNomeVariavel;
    ASSERT_EQ(nomes->count(), 2);
    EXPECT_EQ(nomes->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(p->FraSel_FraVar_LstCodVariavel->item(1)->text(), QString::fromStdString(t.estado->VetorVariavel[3].CodVariavel.toText()));

    nomes->setCurrentRow(1);
    QTest::keyClick(nomes, Qt::Key_Space);
    EXPECT_FALSE(t.estado->VetorVariavel[3].selecionada());
    QTest::keyClick(nomes, Qt::Key_Space);
    EXPECT_TRUE(t.estado->VetorVariavel[3].selecionada());

    // A mouse click on a locality's check box.
    const QRect r = lista()->visualItemRect(lista()->item(0));
    QTest::mouseClick(lista()->viewport(), Qt::LeftButton, {}, QPoint(r.left() + 8, r.center().y()));
    const int codigo = quelva::codeOfLocalityEntry(entrada(0));
    EXPECT_EQ(lista()->item(0)->checkState(), Qt::Unchecked);
    EXPECT_FALSE(t.estado->VetorLocalidade[static_cast<std::size_t>(codigo)]);
    EXPECT_EQ(lista()->count(), 2);  // entries stay while the panel is shown

    // Reopened: the unticked items are gone.
    t.janela->MnuVariaveis->trigger();
    abrir();
    EXPECT_EQ(lista()->count(), 1);
}

TEST_F(Selecoes, UnmarkAllButtonsLeaveTheEntriesUnticked) {
    selecionar({5, 622});
    t.estado->VetorVariavel[0].Selecionada = jet::Value::boolean(true);
    abrir();
    QTest::mouseClick(p->FraSel_FraVar_CmdDesmarcarTodas, Qt::LeftButton);
    EXPECT_FALSE(t.estado->VetorVariavel[0].selecionada());
    EXPECT_EQ(p->FraSel_FraVar_LstNomeVariavel->item(0)->checkState(), Qt::Unchecked);

    QTest::mouseClick(p->FraSel_Fraloc_Cmddesmarcartodas, Qt::LeftButton);
    for (bool marcado : t.estado->VetorLocalidade) EXPECT_FALSE(marcado);
    ASSERT_EQ(lista()->count(), 2);
    EXPECT_EQ(lista()->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(lista()->currentRow(), -1);
}

TEST_F(Selecoes, BothFamiliesSelectedShowTheMessageAndEndTheProgram) {
    selecionar({700, 801});  // 700 counts for RA/RG here
    t.janela->MnuVerSelecoes->trigger();
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    const auto& m = t.dialogos.mensagens()[0];
    EXPECT_EQ(m.texto.toStdString(), "ERRO DE SELEÇÃO DE LOCALIDADES !!!");
    EXPECT_EQ(m.icone, Dialogos::Icone::Nenhum);
    EXPECT_EQ(m.botoes, Dialogos::Botoes::Ok);
    EXPECT_EQ(m.titulo, "");  // the application's title
    EXPECT_EQ(t.encerrouCom, 1);
    EXPECT_NE(t.painelVisivel(), "FraSel");
}

TEST_F(Selecoes, NothingSelectedShowsTwoEmptyListsAndOpeningAgainChangesNothing) {
    abrir();
    EXPECT_EQ(lista()->count(), 0);
    EXPECT_EQ(p->FraSel_FraVar_LstNomeVariavel->count(), 0);
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_EQ(t.painelVisivel(), "FraSel");

    selecionar({5});
    t.janela->MnuVerSelecoes->trigger();  // already shown: no refill
    EXPECT_EQ(lista()->count(), 0);
}

}  // namespace

namespace {

// The Localities panel's marks, by code.
std::map<int, bool> marcasLocalidades(quelva::PainelLocalidades* l) {
    std::map<int, bool> m;
    for (int i = 0; i < l->FraLoc_LstMunSelec->count(); ++i) {
        QListWidgetItem* item = l->FraLoc_LstMunSelec->item(i);
        m[quelva::codeOfLocalityEntry(quelva::entryOfLocalityItem(item))] = item->checkState() == Qt::Checked;
    }
    return m;
}

TEST_F(Selecoes, WhatIsUntickedHereIsUntickedInTheLocalitiesPanel) {
    t.janela->MnuLocalidades->trigger();
    auto* l = t.janela->painelLocalidades;
    selecionar({5, 622});
    abrir();
    lista()->setCurrentRow(0);  // 5 (Anhurapuã) before 622 (Santa Isabel)
    QTest::keyClick(lista(), Qt::Key_Space);
    t.janela->MnuLocalidades->trigger();
    const auto m = marcasLocalidades(l);
    EXPECT_FALSE(m.at(5));
    EXPECT_TRUE(m.at(622));
}

TEST_F(Selecoes, TheLocalitiesUnmarkAllLeavesNothingSelectedListedHereOrNot) {
    selecionar({5});
    abrir();
    // Selected after the list was built: not listed here, yet unmarked too.
    t.estado->VetorLocalidade[622] = true;
    QTest::mouseClick(p->FraSel_Fraloc_Cmddesmarcartodas, Qt::LeftButton);
    for (std::size_t c = 0; c < t.estado->VetorLocalidade.size(); ++c) EXPECT_FALSE(t.estado->VetorLocalidade[c]) << c;
}

TEST_F(Selecoes, MarkingEveryLocalityThenReviewingEndsTheProgram) {
    t.janela->MnuLocalidades->trigger();
    QTest::mouseClick(t.janela->painelLocalidades->FraLoc_cmdmarcartodas, Qt::LeftButton);
    EXPECT_TRUE(t.dialogos.mensagens().empty());  // no question for "&Marcar todas"
    t.janela->MnuVerSelecoes->trigger();
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(t.dialogos.mensagens()[0].texto.toStdString(), "ERRO DE SELEÇÃO DE LOCALIDADES !!!");
    EXPECT_EQ(t.encerrouCom, 1);
}

}  // namespace
