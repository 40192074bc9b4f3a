#include "result_query.h"

#include <cstdio>

#include "blanks.h"
#include "dialogs.h"
#include "error.h"
#include "run_state.h"
#include "grid_rules.h"

namespace quelva {

namespace {

const char* kBothMissing = "Selecionar no mínimo uma Localidade e uma Variável";
const char* kLocalityMissing = "Selecionar no mínimo uma Localidade";
const char* kVariableMissing = "Selecionar no mínimo uma Variável";

const char* kTables = "From TK, TJ, TM, TM1, TI, TH, TA, TB, TL99, TD, TG, municipios, TABCRI, socioe_char ";
// Every survey table joins TK on the area code, in this order.
const char* const kJoins[] = {
    "TK.Cod_Mun=TJ.Cod_Mun and ",   "TK.Cod_Mun=TM.Cod_Mun and ",     "TK.Cod_Mun=TM1.Cod_Mun and ",
    "TK.Cod_Mun=TI.Cod_Mun and ",   "TK.Cod_Mun=TH.Cod_Mun and ",     "TK.Cod_Mun=TA.Cod_Mun and ",
    "TK.Cod_Mun=TB.Cod_Mun and ",   "TK.Cod_Mun=TL99.Cod_Mun and ",   "TK.Cod_Mun=TD.Cod_Mun and ",
    "TK.Cod_Mun=TG.Cod_Mun and ",   "TK.Cod_Mun=tabcri.Cod_Mun and ", "TK.Cod_Mun=socioe_char.Cod_Mun and ",
    "TK.Cod_Mun=municipios.COD_AREA_NORVA",
};
const char* kOrder = " Order By municipios.DESCRICAO";

QString text(const jet::Value& v) { return QString::fromStdString(v.toText()); }

}  // namespace

bool ValidarSelecao(const RunState& state, Dialogs& dialogs, QWidget* parent) {
    bool locality = false, variable = false;
    for (bool ticked : state.localities.VetorLocalidade()) locality = locality || ticked;
    for (const SurveyVariable& v : state.variables.VetorVariavel()) variable = variable || v.isSelected();
    const char* missing = !locality && !variable ? kBothMissing : !locality ? kLocalityMissing : !variable ? kVariableMissing : nullptr;
    if (!missing) return true;
    dialogs.message(parent, QString::fromUtf8(missing), Dialogs::Icon::Information, Dialogs::Buttons::Ok, QString());
    return false;
}

int subVariableNumber(const std::string& code) {
    if (code.size() < 7) return 0;
    const char a = code[5], b = code[6];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return (a - '0') * 10 + (b - '0');
}

std::optional<ResultOutcome> assembleQuery(const RunState& state) {
    ResultOutcome outcome;
    QString L;
    for (int c = 0; c <= kMaxAreaCode; ++c) {
        if (!state.localities.isMarked(c)) continue;
        L += (trimBlanks(L).isEmpty() ? QStringLiteral("TK.Cod_Mun=") : QStringLiteral(" or TK.Cod_Mun=")) + QString::number(c);
        if (L.size() > kMaxStatementLength) return std::nullopt;
    }
    L = "(" + L + ")";
    if (L.size() > kMaxStatementLength) return std::nullopt;

    QString F;
    for (const SurveyVariable& v : state.variables.VetorVariavel()) {
        if (!v.isSelected() || belongsToM1(v.CodVariavel.toText())) continue;
        outcome.HaResultado = true;
        F += (F.isEmpty() ? QString() : QStringLiteral(", ")) + text(v.NomeTabela) + "." + text(v.CodVariavel);
    }

    // Entry 28 of the marks is neither cleared here nor ever given a column.
    std::array<bool, kM1Marks>& marks = outcome.MarcaM1;
    marks[kM1Marks - 1] = state.result.MarcaM1()[kM1Marks - 1];
    for (const SurveyVariable& v : state.variables.VetorVariavel()) {
        const std::string code = v.CodVariavel.toText();
        if (!v.isSelected() || !belongsToM1(code)) continue;
        outcome.HaResultado = true;
        marks[0] = true;
        const int k = subVariableNumber(code);
        if (k >= kM1Marks) return std::nullopt;
        marks[static_cast<std::size_t>(k)] = true;
    }
    if (marks[0]) {
        for (int n = 1; n <= kM1Repetitions; ++n) {
            F += (F.isEmpty() ? QStringLiteral("TM1.M1_Nome_") : QStringLiteral(", TM1.M1_Nome_")) + QString::number(n);
            for (int k = 1; k <= kM1Columns; ++k)
                if (marks[static_cast<std::size_t>(k)]) F += QStringLiteral(", TM1.M1_10%1_%2").arg(k, 2, 10, QLatin1Char('0')).arg(n);
        }
    }
    for (int k = 0; k < kM1Marks - 1; ++k) outcome.QtdM1 += marks[static_cast<std::size_t>(k)];
    F = "TK.Cod_Mun, " + F;

    QString S = "Select " + F + " " + QString::fromUtf8(kTables) + "WHERE " + L + " and ";
    for (const char* j : kJoins) S += QString::fromUtf8(j);
    if (!trimBlanks(state.criteria.ExpressaoCriterio()).isEmpty()) S += " and (" + state.criteria.ExpressaoCriterio() + ")";
    S += QString::fromUtf8(kOrder);
    if (S.size() > kMaxStatementLength) return std::nullopt;
    outcome.statement = std::move(S);
    return outcome;
}

std::optional<jet::Recordset> openResult(const RunState& state, const QString& statement) {
    try {
        jet::Recordset rs = state.result.catalogueTables().DbCatalogo.openRecordset(statement.toStdString());
        if (rs.recordCount() > 0) rs.moveLast();
        return rs;
    } catch (const jet::Error& e) {
        std::fprintf(stderr, "Quelva: o banco de dados recusou a consulta do resultado: %s\n", e.what());
        return std::nullopt;
    }
}

std::optional<ResultOutcome> MontarConsulta(const RunState& state) {
    std::optional<ResultOutcome> outcome = assembleQuery(state);
    if (!outcome) return std::nullopt;
    std::optional<jet::Recordset> rows = openResult(state, outcome->statement);
    if (!rows) return std::nullopt;
    outcome->rows = std::move(*rows);
    return outcome;
}

void commitResult(LastResult& result, ResultOutcome outcome) {
    result.commit(std::move(outcome.rows), outcome.HaResultado, outcome.MarcaM1, outcome.QtdM1);
}

}  // namespace quelva
