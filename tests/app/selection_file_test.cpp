// "Seleção": a selection saved to a `.quelva` file and opened in a new window, and every file refused.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>

#include "criteria_panel.h"
#include "result_query.h"
#include "selection_file.h"
#include "survey_fingerprint.h"
#include "test_window.h"
#include "variable_marks.h"

namespace {

using quelva::Criterion;
using quelva::Dialogs;
using testing_support::TestWindow;

class SelectionFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(t.start()); }

    // Two variables, two municipalities and two criteria, the criteria through the builder's inputs.
    static void select(TestWindow& w) {
        ASSERT_TRUE(testing_support::markCode(w.state->variables, "K002"));
        ASSERT_TRUE(testing_support::markCode(w.state->variables, "J001"));
        w.state->localities.setMark(5, true);
        w.state->localities.setMark(26, true);
        quelva::CriteriaPanel* p = w.window->criteriaPanel;
        for (const Criterion& c : {Criterion{"K002", ">", "100", ""}, Criterion{"J001", "=", "1", " OU "}}) {
            p->FraCri_DbCmbVar->setCurrentIndex(p->FraCri_DbCmbVar->findData(c.code.leftJustified(20), Qt::UserRole, Qt::MatchStartsWith));
            p->FraCri_CmbOperador->setCurrentIndex(p->FraCri_CmbOperador->findText(c.op));
            p->FraCri_CmbConector->setCurrentIndex(p->FraCri_CmbConector->findText(c.connector));
            p->FraCri_TxtValor->setText(c.number);
            p->FraCri_CmdAdicionaCri->click();
        }
        ASSERT_EQ(p->criteria().size(), 2u);
    }
    static void open(TestWindow& w, const std::string& file) {
        w.dialogs.chooseFile(QString::fromStdString(file));
        w.window->openSelectionAction->trigger();
    }
    // A file of the sample's survey made by hand: `edit` changes the saved selection's JSON.
    std::string handMade(const std::function<void(QJsonObject&)>& edit) {
        static int made = 0;
        quelva::SavedSelection s;
        s.fingerprint = quelva::surveyFingerprint(*t.state);
        QJsonObject o = QJsonDocument::fromJson(quelva::selectionFileBytes(s)).object();
        edit(o);
        const std::string file = t.folder.file("feito" + std::to_string(++made) + ".quelva");
        testing_support::writeFile(file, QJsonDocument(o).toJson().toStdString());
        return file;
    }
    QString lastMessage() const { return t.dialogs.messages().empty() ? QString() : t.dialogs.messages().back().text; }

    TestWindow t;
};

TEST_F(SelectionFile, SavedAndOpenedInANewWindowGivesTheSameSelectionAndStatement) {
    select(t);
    t.dialogs.chooseFile(QString::fromStdString(t.folder.file("mensal")));  // the extension is added
    t.window->saveSelectionAction->trigger();
    EXPECT_TRUE(t.dialogs.messages().empty()) << lastMessage().toStdString();

    TestWindow other;
    ASSERT_TRUE(other.start());
    open(other, t.folder.file("mensal.quelva"));  // nothing selected there: no question
    EXPECT_TRUE(other.dialogs.messages().empty()) << other.dialogs.messages().at(0).text.toStdString();
    EXPECT_EQ(other.visiblePanel(), "FraSel");
    EXPECT_EQ(other.window->criteriaPanel->criteria(), t.window->criteriaPanel->criteria());
    EXPECT_EQ(other.state->localities.VetorLocalidade(), t.state->localities.VetorLocalidade());
    EXPECT_EQ(quelva::assembleQuery(*other.state)->statement, quelva::assembleQuery(*t.state)->statement);
    EXPECT_TRUE(other.state->criteria.ExpressaoCriterio().contains(" or  [tabcri].[cri_J001]=1"));
    // Something is selected now: opening asks first, and "Não" opens no file dialog (the failures below say "Sim").
    other.dialogs.answer(Dialogs::Answer::No);
    other.window->openSelectionAction->trigger();
    EXPECT_EQ(other.dialogs.messages().back().buttons, Dialogs::Buttons::YesNo);
    EXPECT_EQ(other.dialogs.answersLeft(), 0u);
}

TEST_F(SelectionFile, EveryFileThatCannotBeOpenedIsToldAndChangesNothing) {
    select(t);
    const auto before = t.state->localities.VetorLocalidade();
    const QString expression = t.state->criteria.ExpressaoCriterio();
    const std::string large = t.folder.file("grande.quelva");
    testing_support::writeFile(large, std::string(quelva::kMaxSelectionFileBytes + 1, ' '));
    const std::string text = t.folder.file("texto.quelva");
    testing_support::writeFile(text, "{\"format\": \"planilha\", \"version\": 1}");
    const std::pair<std::string, const char*> cases[] = {
        {text, "não é uma seleção"},
        {handMade([](QJsonObject& o) { o["version"] = 2; }), "versão mais nova"},
        {handMade([](QJsonObject& o) { o["survey"] = QJsonObject{{"title", ""}, {"subtitle", ""}, {"fingerprint", "0"}}; }), "outra pesquisa"},
        {large, "grande demais"},
        {t.folder.path(), "é uma pasta"},
        {t.folder.file("nenhum.quelva"), "o arquivo não existe"},
        {handMade([](QJsonObject& o) { o["localities"] = QJsonArray{681, 801}; }), "RA/RG e DRADS"},
        {handMade([](QJsonObject& o) { o["variables"] = QJsonArray{1}; }), "não é uma seleção"},
    };
    for (const auto& [file, said] : cases) {
        t.dialogs.answer(Dialogs::Answer::Yes);
        open(t, file);
        EXPECT_TRUE(lastMessage().contains(QString::fromUtf8(said)) && lastMessage().contains(QString::fromStdString(file)))
            << lastMessage().toStdString();
        EXPECT_EQ(t.dialogs.messages().back().icon, Dialogs::Icon::Critical);
        EXPECT_EQ(t.state->localities.VetorLocalidade(), before);
        EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), expression);
    }
    EXPECT_NE(quelva::surveyFingerprint({"A", "B"}, {1, 2}), quelva::surveyFingerprint({"A", "C"}, {1, 2}));
    EXPECT_EQ(quelva::surveyFingerprint({"A", "B"}, {2, 1}), quelva::surveyFingerprint({"B", "A"}, {1, 2}));
}

// A criterion is made as the builder makes a typed one: a file cannot put text of its own into the statement.
TEST_F(SelectionFile, CriteriaTheBuilderWouldNotMakeRefuseTheFile) {
    const auto criterion = [](const char* op, const char* number, const char* connector) {
        return QJsonObject{{"variable", "K002"}, {"operator", op}, {"number", number}, {"connector", connector}};
    };
    for (const QJsonArray& criteria : {QJsonArray{criterion(">", "1 OR 1=1", "")}, QJsonArray{criterion("; DROP", "1", "")},
                                       QJsonArray{criterion(">", "1", ""), criterion(">", "1", "OR 1=1")},
                                       QJsonArray{criterion(">", "-1", "")}, QJsonArray{criterion(">", "1", "E")}}) {
        open(t, handMade([&](QJsonObject& o) { o["criteria"] = criteria; }));
        EXPECT_TRUE(lastMessage().contains(QString::fromUtf8("não é uma seleção"))) << lastMessage().toStdString();
        EXPECT_TRUE(t.state->criteria.ExpressaoCriterio().isEmpty());
    }
}

TEST_F(SelectionFile, CodesTheSurveyLacksAreLeftOutAndCounted) {
    open(t, handMade([](QJsonObject& o) {
        o["variables"] = QJsonArray{"K002", "NAO_EXISTE", "K'002"};
        o["localities"] = QJsonArray{5, 999, 3};
        o["criteria"] = QJsonArray{QJsonObject{{"variable", "K002'; --"}, {"operator", ">"}, {"number", "1"}, {"connector", ""}},
                                   QJsonObject{{"variable", "K002"}, {"operator", ">"}, {"number", "5"}, {"connector", "E"}}};
    }));
    ASSERT_EQ(t.dialogs.messages().size(), 1u);
    EXPECT_EQ(lastMessage(), QString::fromUtf8("Códigos que esta pesquisa não tem ficaram de fora: 5."));
    // The criterion left first takes no connector.
    EXPECT_EQ(t.state->criteria.ExpressaoCriterio(), " [tabcri].[cri_K002]>5 ");
    EXPECT_TRUE(t.state->localities.isMarked(5));
    EXPECT_EQ(t.visiblePanel(), "FraSel");
}

}  // namespace
