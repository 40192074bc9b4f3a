// The result statement: validation, assembly byte for byte, the length limit, the run on the engine, and what
// a run leaves in the state.
#include <gtest/gtest.h>

#include "run_state.h"
#include "grid_rules.h"
#include "scripted_dialogs.h"
#include "result_fixture.h"
#include "result_query.h"
#include "result_rows.h"

namespace {

using testing_support::ResultState;

TEST(ValidarSelecao, SaysWhatIsMissing) {
    ResultState t;
    testing_support::ScriptedDialogs dialogs;
    EXPECT_FALSE(quelva::ValidarSelecao(*t.state, dialogs, nullptr));
    t.tickLocalities({0});
    EXPECT_FALSE(quelva::ValidarSelecao(*t.state, dialogs, nullptr));
    t.state->localities.setMark(0, false);
    t.select({"M1_1028"});
    EXPECT_FALSE(quelva::ValidarSelecao(*t.state, dialogs, nullptr));
    ASSERT_EQ(dialogs.messages().size(), 3u);
    EXPECT_EQ(dialogs.messages()[0].text, "Selecionar no mínimo uma Localidade e uma Variável");
    EXPECT_EQ(dialogs.messages()[1].text, "Selecionar no mínimo uma Variável");
    EXPECT_EQ(dialogs.messages()[2].text, "Selecionar no mínimo uma Localidade");
    for (const auto& m : dialogs.messages()) {
        EXPECT_EQ(m.icon, quelva::Dialogs::Icon::Information);
        EXPECT_EQ(m.buttons, quelva::Dialogs::Buttons::Ok);
        EXPECT_EQ(m.title, "");  // the application's title
    }
    t.tickLocalities({850});  // the last code counts
    EXPECT_TRUE(quelva::ValidarSelecao(*t.state, dialogs, nullptr));
    EXPECT_EQ(dialogs.messages().size(), 3u);
}

// The outcome of assembling the current selection; the test stops when it fails.
quelva::ResultOutcome assembled(const ResultState& t) {
    std::optional<quelva::ResultOutcome> outcome = quelva::assembleQuery(*t.state);
    EXPECT_TRUE(outcome);
    return outcome ? std::move(*outcome) : quelva::ResultOutcome{};
}

TEST(MontarConsulta, TheStatementWithAndWithoutCriteria) {
    ResultState t;
    t.tickLocalities({12, 5});
    t.select({"X2", "X1"});  // table order, not the order of the clicks
    quelva::ResultOutcome outcome = assembled(t);
    const QString plain = outcome.statement;
    EXPECT_TRUE(plain.startsWith("Select TK.Cod_Mun, TA.X1, TK.X2 From ")) << plain.toStdString();
    EXPECT_TRUE(plain.contains(" WHERE (TK.Cod_Mun=5 or TK.Cod_Mun=12) and ")) << plain.toStdString();
    EXPECT_TRUE(plain.endsWith("=municipios.COD_AREA_NORVA Order By municipios.DESCRICAO")) << plain.toStdString();
    EXPECT_EQ(t.state->session.database().open().openRecordset(plain.toStdString()).recordCount(), 2);
    EXPECT_TRUE(outcome.HaResultado);
    EXPECT_EQ(outcome.QtdM1, 0);

    t.state->criteria.append("   ");  // a blank criterion adds nothing
    EXPECT_EQ(assembled(t).statement, plain);
    t.state->criteria.clear();
    t.state->criteria.append(" [tabcri].[cri_X2] > 60 Or [tabcri].[cri_X2] < 0");
    QString criteria = plain;
    criteria.insert(plain.indexOf(" Order By"), " and ( [tabcri].[cri_X2] > 60 Or [tabcri].[cri_X2] < 0)");
    EXPECT_EQ(assembled(t).statement, criteria);
}

TEST(MontarConsulta, TheM1BlockAfterTheOrdinaryFields) {
    ResultState t;
    t.tickLocalities({5});
    t.select({"M1_1012", "M1_1003"});
    quelva::ResultOutcome outcome = assembled(t);
    const QString& s = outcome.statement;
    const std::string fields = s.toStdString().substr(0, s.indexOf(" From "));
    EXPECT_TRUE(fields.starts_with("Select TK.Cod_Mun, TM1.M1_Nome_1, TM1.M1_1003_1, TM1.M1_1012_1, TM1.M1_Nome_2, "
                                   "TM1.M1_1003_2, TM1.M1_1012_2, TM1.M1_Nome_3, TM1.M1_1003_3"))
        << fields;
    EXPECT_EQ(QString::fromStdString(fields).count(", TM1."), 27);
    EXPECT_TRUE(fields.ends_with(", TM1.M1_Nome_9, TM1.M1_1003_9, TM1.M1_1012_9")) << fields;
    EXPECT_EQ(outcome.QtdM1, 3);
    EXPECT_TRUE(outcome.MarcaM1[0] && outcome.MarcaM1[3] && outcome.MarcaM1[12]);
    EXPECT_FALSE(outcome.MarcaM1[1]);

    // Entry 28 is recorded but has no column; once committed, no later run clears it.
    t.select({"X1", "M1_1028"});
    outcome = assembled(t);
    EXPECT_TRUE(outcome.statement.startsWith("Select TK.Cod_Mun, TA.X1, TM1.M1_Nome_1, TM1.M1_1003_1, TM1.M1_1012_1, TM1.M1_Nome_2"));
    EXPECT_FALSE(outcome.statement.contains("28"));
    EXPECT_TRUE(outcome.MarcaM1[28]);
    EXPECT_EQ(outcome.QtdM1, 3);
    quelva::commitResult((*t.state).result, std::move(outcome));
    t.selectOnly("X1");
    outcome = assembled(t);
    EXPECT_TRUE(outcome.statement.startsWith("Select TK.Cod_Mun, TA.X1 From"));
    EXPECT_EQ(outcome.QtdM1, 0);
    EXPECT_FALSE(outcome.MarcaM1[0]);
    EXPECT_TRUE(outcome.MarcaM1[28]);
}

TEST(MontarConsulta, AStatementOfTwentyThousandCharactersAndNotOneMore) {
    ResultState t;
    t.tickLocalities({5});
    t.select({"X1"});
    t.state->criteria.clear();
    t.state->criteria.append("1=1");
    const qsizetype base = assembled(t).statement.size();
    t.state->criteria.clear();
    t.state->criteria.append("1=1" + QString(20000 - base, u' '));
    EXPECT_EQ(assembled(t).statement.size(), 20000);
    t.state->criteria.append(" ");
    EXPECT_FALSE(quelva::assembleQuery(*t.state));
}

// The first variable renamed into the M1 group, with a sub-variable number past the group's marks.
const char* const kSubVariable29 = ";UPDATE CD_VAR SET CodVariavel = 'M1_1029' WHERE NumSeq = 1;";

TEST(MontarConsulta, ASubVariableNumberPastTheMarksFails) {
    ResultState t(kSubVariable29);
    t.tickLocalities({5});
    t.state->variables.setMark(0, true);
    EXPECT_FALSE(quelva::assembleQuery(*t.state));
    EXPECT_EQ(quelva::subVariableNumber("M1_10AB"), 0);
    EXPECT_EQ(quelva::subVariableNumber("M1_NOME"), 0);
    EXPECT_EQ(quelva::subVariableNumber("M1_1007"), 7);
    EXPECT_FALSE(quelva::belongsToM1("m1_1007"));
    EXPECT_TRUE(quelva::belongsToM1("M1"));
    EXPECT_FALSE(quelva::belongsToM1("M"));
}

TEST(OpenResult, RowsInNameOrderOnlyForLocalitiesInEveryTable) {
    ResultState t;
    t.tickLocalities({5, 12, 20, 30});
    t.select({"X2"});
    t.state->result.AbrirTabelasCD(t.state->session.database());
    std::optional<quelva::ResultOutcome> outcome = quelva::MontarConsulta(*t.state);
    ASSERT_TRUE(outcome);
    jet::Recordset& rs = outcome->rows;
    ASSERT_EQ(rs.recordCount(), 3);  // Delta has no row in TD
    EXPECT_TRUE(rs.eof() == false && rs.absolutePosition() == 2);  // left on the last record
    std::string order;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) order += rs.field("Cod_Mun").toText() + " " + rs.field("X2").toText() + ";";
    EXPECT_EQ(order, "12 120;5 50;20 200;");

    t.state->criteria.clear();
    t.state->criteria.append("[tabcri].[cri_X2] > 100");
    outcome = quelva::MontarConsulta(*t.state);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->rows.recordCount(), 2);
}

TEST(OpenResult, ARefusedStatementGivesNothingAndTellsTheErrorStream) {
    ResultState t;
    t.state->result.AbrirTabelasCD(t.state->session.database());
    testing::internal::CaptureStderr();
    EXPECT_FALSE(quelva::openResult(*t.state, "Select TK.Cod_Mun, TK.NaoExiste From TK"));
    const std::string error = testing::internal::GetCapturedStderr();
    EXPECT_NE(error.find("NaoExiste"), std::string::npos) << error;
}

// What the state holds of the last result, to compare before and after a run.
struct LastResult {
    int records;
    std::string firstField;
    bool HaResultado;
    std::array<bool, quelva::kM1Marks> MarcaM1;
    int QtdM1;
    bool operator==(const LastResult&) const = default;
};
LastResult lastResult(const quelva::RunState& s) {
    if (!s.result.RsResultado().isOpen()) return {-1, std::string(), s.result.HaResultado(), s.result.MarcaM1(), s.result.QtdM1()};
    return {s.result.RsResultado().recordCount(), s.result.RsResultado().fieldCount() > 1 ? s.result.RsResultado().fieldName(1) : std::string(), s.result.HaResultado(),
            s.result.MarcaM1(), s.result.QtdM1()};
}

TEST(CommitResult, OnlyASuccessfulRunReplacesTheLastResult) {
    ResultState t(kSubVariable29);
    t.tickLocalities({5, 12});
    t.select({"X2", "M1_1003"});
    t.state->result.AbrirTabelasCD(t.state->session.database());
    std::optional<quelva::ResultOutcome> outcome = quelva::MontarConsulta(*t.state);
    ASSERT_TRUE(outcome);
    const LastResult empty = lastResult(*t.state);
    quelva::commitResult((*t.state).result, std::move(*outcome));
    const LastResult first = lastResult(*t.state);
    EXPECT_NE(first, empty);
    EXPECT_EQ(first.records, 2);
    EXPECT_EQ(first.firstField, "X2");
    EXPECT_TRUE(first.HaResultado);
    EXPECT_EQ(first.QtdM1, 2);

    // Failures in assembly and in the engine change nothing, though the marks they met differ.
    t.state->variables.setMark(0, true);
    EXPECT_FALSE(quelva::MontarConsulta(*t.state));
    EXPECT_EQ(lastResult(*t.state), first);
    t.state->variables.setMark(0, false);
    t.state->criteria.clear();
    t.state->criteria.append("[tabcri].[naoexiste] > 1");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(quelva::MontarConsulta(*t.state));
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(lastResult(*t.state), first);

    // A run that starts only says there is no result: the rows and marks stay until a run succeeds.
    (*t.state).result.clear();
    LastResult cleared = first;
    cleared.HaResultado = false;
    EXPECT_EQ(lastResult(*t.state), cleared);

    // A run without rows is committed, and the layouts then find it empty.
    t.state->criteria.clear();
    t.state->criteria.append("1 = 0");
    outcome = quelva::MontarConsulta(*t.state);
    ASSERT_TRUE(outcome);
    quelva::commitResult((*t.state).result, std::move(*outcome));
    EXPECT_EQ(t.state->result.RsResultado().recordCount(), 0);
    EXPECT_TRUE(t.state->result.HaResultado());
    EXPECT_EQ(quelva::readResult(*t.state, (*t.state).result), nullptr);
    EXPECT_FALSE(t.state->result.HaResultado());
    EXPECT_EQ(t.state->result.QtdM1(), 2);
}

}  // namespace
