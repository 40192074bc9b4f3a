// The Localities panel through its real widgets on the small sample: the list and its entries, the name
// search, marking, and the region group rules.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>

#include "janela_teste.h"
#include "locality_entry.h"
#include "painel_localidades.h"
#include "painel_selecoes.h"

namespace {

using quelva::Dialogos;

// The area code an entry's text holds, read back as every part of the program reads it.
int codigoDe(const QListWidgetItem* item) { return quelva::codeOfLocalityEntry(quelva::entryOfLocalityItem(item)); }
using testing_support::JanelaTeste;

const QString kPerguntaRaRg = QString::fromUtf8(
    "ATENÇÃO !\r\nA seleção de RA/RG é icompatível com as DRADS previamente selecionadas\r\n\r\n"
    "Deseja CONFIMAR a seleção da RA/RG e \r\ncancelar a seleção de DRADS ? ");
const QString kPerguntaDrads = QString::fromUtf8(
    "ATENÇÃO !\r\nA seleção de DRADS é icompatível com as RA/RG's previamente selecionadas\r\n\r\n"
    "Deseja CONFIMAR a seleção da DRAD e \r\ncancelar a seleção de RA/RG ? ");

class Localidades : public ::testing::Test {
protected:
    void SetUp() override { abrir(); }
    void abrir() {
        ASSERT_TRUE(t.iniciar());
        t.janela->MnuLocalidades->trigger();
        p = t.janela->painelLocalidades;
        lista = p->FraLoc_LstMunSelec;
        busca = p->FraLoc_txtprocmun;
    }
    // The list entry of an area code.
    int linha(int codigo) {
        for (int i = 0; i < lista->count(); ++i)
            if (codigoDe(lista->item(i)) == codigo) return i;
        ADD_FAILURE() << "no entry for code " << codigo;
        return 0;
    }
    int linhaDoNome(const QString& nome) {
        for (int i = 0; i < lista->count(); ++i)
            if (lista->item(i)->text() == nome) return i;
        ADD_FAILURE() << "no entry named " << nome.toStdString();
        return 0;
    }
    bool marcada(int codigo) { return lista->item(linha(codigo))->checkState() == Qt::Checked; }
    bool& selecionada(int codigo) { return t.estado->VetorLocalidade[static_cast<std::size_t>(codigo)]; }
    // Ticks or clears the entry of `codigo` as the user does with the keyboard: it becomes current, the space
    // bar toggles its check box.
    void alternar(int codigo) {
        lista->setCurrentRow(linha(codigo));
        QTest::keyClick(lista, Qt::Key_Space);
    }
    // Types each character as its key gives it (QTest's own typing knows ASCII only).
    void digitar(const QString& texto) {
        for (char32_t c : texto.toUcs4()) digitarCaractere(QString::fromUcs4(&c, 1));
    }
    void digitarCaractere(const QString& c) {
        QTest::sendKeyEvent(QTest::Press, busca, Qt::Key_unknown, c, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, busca, Qt::Key_unknown, c, Qt::NoModifier);
    }
    void colar(const QString& texto) {
        QApplication::clipboard()->setText(texto);
        QTest::keyClick(busca, Qt::Key_V, Qt::ControlModifier);
    }
    void apagarTudo() {
        busca->end(false);
        while (!busca->text().isEmpty()) QTest::keyClick(busca, Qt::Key_Backspace);
    }
    int todasMarcadas() {
        int n = 0;
        for (int i = 0; i < lista->count(); ++i) n += lista->item(i)->checkState() == Qt::Checked;
        return n;
    }
    // The list's check boxes agree with VetorLocalidade.
    void esperarMarcasIguaisAoVetor() {
        for (int i = 0; i < lista->count(); ++i) {
            const int c = codigoDe(lista->item(i));
            EXPECT_EQ(lista->item(i)->checkState() == Qt::Checked, selecionada(c)) << "code " << c;
        }
    }

    JanelaTeste t;
    quelva::PainelLocalidades* p = nullptr;
    QListWidget* lista = nullptr;
    QLineEdit* busca = nullptr;
};

// ---- the list ----

TEST_F(Localidades, ListsEveryLocalityButTheStateTotalInNameOrder) {
    EXPECT_EQ(lista->count(), 43);
    EXPECT_EQ(lista->item(0)->text(), "Águas de Ipocuquara");
    EXPECT_EQ(codigoDe(lista->item(0)), 420);
    EXPECT_EQ(lista->item(42)->text(), "São Sebastião do Araçá");
    const QString um = quelva::entryOfLocalityItem(lista->item(linha(5)));
    EXPECT_EQ(um, "Anhurapuã" + QString(290, ' ') + "5" + QString(9, ' '));
    EXPECT_EQ(quelva::entryOfLocalityItem(lista->item(linha(803))).mid(299), "803" + QString(29, ' '));
    for (int i = 0; i < lista->count(); ++i) {
        EXPECT_NE(codigoDe(lista->item(i)), 0);
        EXPECT_EQ(lista->item(i)->checkState(), Qt::Unchecked);
        EXPECT_EQ(lista->item(i)->data(Qt::AccessibleTextRole).toString(), lista->item(i)->text());
    }
    EXPECT_EQ(lista->currentRow(), -1);
    EXPECT_TRUE(lista->isVisibleTo(t.janela.get()));
}

TEST_F(Localidades, TheListShowsNamesOnlyAndDoesNotScrollSidewaysToTheCode) {
    t.janela->show();
    QStyleOptionViewItem opcao;
    opcao.initFrom(lista);
    const int i = linha(698);  // the longest name of the sample
    const QSize dica = lista->itemDelegate()->sizeHint(opcao, lista->model()->index(i, 0));
    const int larguraNome = lista->fontMetrics().horizontalAdvance(lista->item(i)->text());
    EXPECT_LT(dica.width(), larguraNome + 60);
    lista->resize(dica.width() + 60, lista->height());
    QApplication::processEvents();
    EXPECT_EQ(lista->horizontalScrollBar()->maximum(), 0);
}

TEST_F(Localidades, StartUpTicksWhatTheTableAlreadyHolds) {
    JanelaTeste outra;
    outra.estado->VetorLocalidade[5] = true;
    outra.estado->VetorLocalidade[802] = true;
    ASSERT_TRUE(outra.iniciar());
    auto* l = outra.janela->painelLocalidades->FraLoc_LstMunSelec;
    int marcadas = 0;
    for (int i = 0; i < l->count(); ++i) {
        if (l->item(i)->checkState() != Qt::Checked) continue;
        ++marcadas;
        const int c = codigoDe(l->item(i));
        EXPECT_TRUE(c == 5 || c == 802) << c;
    }
    EXPECT_EQ(marcadas, 2);
}

TEST(LocalidadesCarga, ACodeOutsideTheTablesOrNoneStopsStartUpWithItsMessage) {
    for (const char* linha : {"(900, 'Fora da faixa', 1, 0, 0)", "(NULL, 'Sem código', 1, 0, 0)"}) {
        JanelaTeste t;
        testing_support::makeDatabase(t.pasta.file("Quelva.mdb"), std::string("INSERT INTO CD_AREA VALUES ") + linha);
        EXPECT_FALSE(t.iniciar());
        EXPECT_EQ(t.encerrouCom, 1);
        ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
        const QString texto = t.dialogos.mensagens()[0].texto;
        EXPECT_TRUE(texto.contains("CD_AREA")) << texto.toStdString();
        EXPECT_TRUE(texto.contains("900") || texto.contains("vazio")) << texto.toStdString();
    }
}

// ---- the name search ----

TEST_F(Localidades, TypedLettersMoveToTheFirstNameTheyBegin) {
    digitar("s");
    EXPECT_EQ(lista->currentRow(), linhaDoNome("Santa Cruz"));
    digitar(QString::fromUtf8("ão "));
    EXPECT_EQ(busca->text(), QString::fromUtf8("são "));
    EXPECT_EQ(lista->currentRow(), linhaDoNome("São Caetano do Campo"));
    digitar("p");
    EXPECT_EQ(lista->currentRow(), linhaDoNome("São Pedro das Palmeiras"));
    EXPECT_EQ(lista->selectedItems().size(), 1);
    EXPECT_EQ(todasMarcadas(), 0);  // the search never ticks

    apagarTudo();
    EXPECT_EQ(lista->currentRow(), 0);
    digitar("  ipa");
    EXPECT_EQ(lista->currentRow(), linhaDoNome("Ipapobeté"));
}

TEST_F(Localidades, APrefixWithoutMatchLeavesNoEntryCurrentOrHighlighted) {
    digitar("ipa");
    ASSERT_GE(lista->currentRow(), 0);
    digitar("x");
    EXPECT_EQ(lista->currentRow(), -1);
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    digitar("q");
    EXPECT_EQ(lista->currentRow(), -1);
}

TEST_F(Localidades, TheKeyFilterRefusesPunctuationAndTakesLettersAndAccents) {
    digitar("-'");
    EXPECT_EQ(busca->text(), "");
    digitar(QString::fromUtf8("ãÇ"));
    EXPECT_EQ(busca->text(), QString::fromUtf8("ãÇ"));
    busca->clear();
    // The edges of the bands the filter lets through, by their Windows Latin-1 codes.
    const QString aceitos = QString::fromUtf8(" 09AZazÀ÷û");
    const QString recusados = QString::fromUtf8("!/:@[`{~¡¿üÿ\"*?#]");
    digitar(aceitos + recusados);
    EXPECT_EQ(busca->text(), aceitos);
    busca->clear();
    // Characters the code page lacks, or holds among the signs, are refused too.
    digitar(QString::fromUtf8("€Šő Ж😀"));
    EXPECT_EQ(busca->text(), " ");
    busca->clear();
    // Editing keys still edit.
    digitar("boi");
    QTest::keyClick(busca, Qt::Key_Backspace);
    QTest::keyClick(busca, Qt::Key_Home);
    QTest::keyClick(busca, Qt::Key_Delete);
    EXPECT_EQ(busca->text(), "o");
    EXPECT_TRUE(t.dialogos.mensagens().empty());
}

TEST_F(Localidades, AnInputMethodsCharactersPassTheSameFilter) {
    QInputMethodEvent composto;
    composto.setCommitString(QString::fromUtf8("s-ã'o€"));
    QApplication::sendEvent(busca, &composto);
    EXPECT_EQ(busca->text(), QString::fromUtf8("são"));
}

TEST_F(Localidades, PastedQuotesAndWildcardsMatchThemselves) {
    colar(QString::fromUtf8("cajocunópolis d'"));
    EXPECT_EQ(lista->currentRow(), linhaDoNome("Cajocunópolis d'Oeste"));
    for (const char* texto : {"*", "s?o", "[", "[s]", "#", "\"", "d'x"}) {
        busca->clear();
        colar(QString::fromUtf8(texto));
        EXPECT_EQ(busca->text(), QString::fromUtf8(texto));
        EXPECT_EQ(lista->currentRow(), -1) << texto;
    }
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_FALSE(t.encerrouCom.has_value());
    busca->clear();
    colar("potipecatu-");
    EXPECT_EQ(lista->currentRow(), linhaDoNome("Potipecatu-Mirim"));
}

// ---- marking ----

TEST_F(Localidades, TickingAndClearingAMunicipalityWritesThrough) {
    alternar(5);
    EXPECT_TRUE(selecionada(5));
    EXPECT_TRUE(marcada(5));
    alternar(5);
    EXPECT_FALSE(selecionada(5));
    EXPECT_FALSE(marcada(5));
}

TEST_F(Localidades, AMouseClickOnACheckBoxTicksAndRecordsIt) {
    t.janela->show();
    const int i = linha(212);
    QStyleOptionViewItem opcao;
    opcao.initFrom(lista);
    opcao.rect = lista->visualItemRect(lista->item(i));
    opcao.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect caixa = lista->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opcao, lista);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, caixa.center());
    EXPECT_EQ(lista->currentRow(), i);
    EXPECT_TRUE(selecionada(212));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, caixa.center());
    EXPECT_FALSE(selecionada(212));
}

TEST_F(Localidades, MarkAllSelectsBothFamiliesWithoutAQuestionUnmarkAllTouchesOnlyListedCodes) {
    selecionada(0) = true;  // not listed: neither button touches it
    selecionada(850) = true;
    QTest::mouseClick(p->FraLoc_cmdmarcartodas, Qt::LeftButton);
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_EQ(todasMarcadas(), lista->count());
    for (int c : {1, 5, 679, 681, 683, 698, 700, 701, 705, 801, 803}) EXPECT_TRUE(selecionada(c)) << c;
    EXPECT_EQ(lista->currentRow(), -1);
    EXPECT_TRUE(lista->isVisibleTo(t.janela.get()));

    QTest::mouseClick(p->FraLoc_cmddesmarcartodas, Qt::LeftButton);
    EXPECT_EQ(todasMarcadas(), 0);
    int selecionadas = 0;
    for (bool s : t.estado->VetorLocalidade) selecionadas += s;
    EXPECT_EQ(selecionadas, 2);
    EXPECT_TRUE(selecionada(0));
    EXPECT_TRUE(selecionada(850));
    EXPECT_EQ(lista->currentRow(), -1);
}

// ---- region groups ----

TEST_F(Localidades, SwitchingFromDradsToRaRgAsksAndYesClearsTheDradsAtOnce) {
    alternar(801);
    alternar(802);
    alternar(5);
    t.dialogos.responder(Dialogos::Resposta::Sim);
    alternar(681);
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    const auto& m = t.dialogos.mensagens()[0];
    EXPECT_EQ(m.texto, kPerguntaRaRg);
    EXPECT_EQ(m.titulo, QString::fromUtf8("Seleção de RA/RG e DRADS incompatível"));
    EXPECT_EQ(m.icone, Dialogos::Icone::Exclamacao);
    EXPECT_EQ(m.botoes, Dialogos::Botoes::SimNao);
    EXPECT_TRUE(m.padraoNao);
    EXPECT_TRUE(selecionada(681));
    EXPECT_FALSE(selecionada(801));
    EXPECT_FALSE(selecionada(802));
    EXPECT_TRUE(selecionada(5));  // municipalities never conflict
    EXPECT_FALSE(marcada(801));
    EXPECT_FALSE(marcada(802));
    EXPECT_TRUE(marcada(681));
    esperarMarcasIguaisAoVetor();
}

TEST_F(Localidades, SwitchingFromDradsToRaRgWithNoKeepsTheDradsAndWithdrawsTheTick) {
    alternar(803);
    t.dialogos.responder(Dialogos::Resposta::Nao);
    alternar(703);
    EXPECT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(selecionada(803));
    EXPECT_FALSE(selecionada(703));
    EXPECT_FALSE(marcada(703));
    EXPECT_TRUE(marcada(803));
    esperarMarcasIguaisAoVetor();
}

TEST_F(Localidades, SwitchingFromRaRgToDradsAsksTheMirrorQuestion) {
    alternar(701);
    alternar(682);
    t.dialogos.responder(Dialogos::Resposta::Nao);
    alternar(801);
    ASSERT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(t.dialogos.mensagens()[0].texto, kPerguntaDrads);
    EXPECT_TRUE(selecionada(701));
    EXPECT_FALSE(selecionada(801));
    EXPECT_FALSE(marcada(801));

    t.dialogos.responder(Dialogos::Resposta::Sim);
    alternar(801);
    EXPECT_EQ(t.dialogos.mensagens().size(), 2u);
    EXPECT_TRUE(selecionada(801));
    EXPECT_FALSE(selecionada(701));
    EXPECT_FALSE(selecionada(682));
    esperarMarcasIguaisAoVetor();
}

TEST_F(Localidades, CodesOutsideTheRaRgSelectionBandAreTickedAsRaRgButNeverExamined) {
    alternar(698);
    alternar(700);
    alternar(801);  // 698 and 700 are not "the RA/RG selection"
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_TRUE(selecionada(698));
    EXPECT_TRUE(selecionada(801));

    alternar(698);  // cleared without a question
    EXPECT_FALSE(selecionada(698));
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    t.dialogos.responder(Dialogos::Resposta::Sim);
    alternar(698);  // ticked while a DRADS is selected: it asks
    EXPECT_EQ(t.dialogos.mensagens().size(), 1u);
    EXPECT_TRUE(selecionada(698));
    EXPECT_FALSE(selecionada(801));
    EXPECT_TRUE(selecionada(700));  // the switch does not clear what it does not examine
    EXPECT_TRUE(marcada(700));
    esperarMarcasIguaisAoVetor();
}

TEST_F(Localidades, ASecondGroupOfTheSameFamilyAsksNothing) {
    for (int c : {681, 704, 683}) alternar(c);
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    for (int c : {681, 704, 683}) EXPECT_TRUE(selecionada(c)) << c;
    QTest::mouseClick(p->FraLoc_cmddesmarcartodas, Qt::LeftButton);
    for (int c : {801, 803}) alternar(c);
    EXPECT_TRUE(t.dialogos.mensagens().empty());
    EXPECT_TRUE(selecionada(801) && selecionada(803));
}

// ---- opening the panel ----

TEST_F(Localidades, ReopeningReappliesTheTableOpeningItWhileShownChangesNothing) {
    t.janela->show();
    alternar(5);
    digitar("boi");
    const int atual = lista->currentRow();
    // The review panel changes the table meanwhile.
    selecionada(5) = false;
    selecionada(212) = true;
    t.janela->MnuLocalidades->trigger();  // already shown
    EXPECT_TRUE(marcada(5));
    EXPECT_FALSE(marcada(212));
    EXPECT_EQ(lista->currentRow(), atual);

    t.janela->MnuCriterios->trigger();
    t.janela->MnuLocalidades->trigger();
    EXPECT_EQ(t.painelVisivel(), "FraLoc");
    EXPECT_FALSE(marcada(5));
    EXPECT_TRUE(marcada(212));
    EXPECT_EQ(lista->currentRow(), -1);
}

TEST_F(Localidades, TheReviewPanelsUnmarkAllShowsEveryEntryClearedOnReopening) {
    for (int c : {5, 212, 681, 700}) alternar(c);
    t.janela->MnuVerSelecoes->trigger();
    ASSERT_EQ(t.painelVisivel(), "FraSel");
    QTest::mouseClick(t.janela->painelSelecoes->FraSel_Fraloc_Cmddesmarcartodas, Qt::LeftButton);
    for (bool s : t.estado->VetorLocalidade) ASSERT_FALSE(s);
    EXPECT_EQ(todasMarcadas(), 0);  // it ran the Localities panel's own "&Desmarcar todas"
    t.janela->MnuLocalidades->trigger();
    EXPECT_EQ(todasMarcadas(), 0);
    EXPECT_FALSE(t.encerrouCom.has_value());
}

}  // namespace
