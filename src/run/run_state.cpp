#include "area_code.h"
#include "run_state.h"

namespace quelva {

namespace {

const char* const kResultTitle = "Lumbra 1999";
const char* const kResultSubtitle = "Tarsenal";
const char* const kStateTotal = "Totais para o Estado de São Paulo";
const char* const kSqlNameSearch = "Select * From nomemun order by [desc]";
const char* const kSqlArea = "Select * From CD_Area";

}  // namespace

void setStartUpState(RunState& state) {
    state.TituloResultado = QString::fromUtf8(kResultTitle);
    state.SubTituloResultado = QString::fromUtf8(kResultSubtitle);
    state.NoDestacadoVar = -1;
    state.NoDestacadoPal = -1;
}

void openSession(RunState& state) {
    state.DbSessao = state.database.open();
    state.RsBuscaMunicipio = state.DbSessao.openRecordset(kSqlNameSearch);
    reopenAreaRecordset(state, kSqlArea);
}

void reopenAreaRecordset(RunState& state, const std::string& jetSql) { state.RsArea = state.DbSessao.openRecordset(jetSql); }

void fillLocalityNames(RunState& state) {
    jet::Recordset& rs = state.RsArea;
    state.VetorNomeLocalidade[0] = QString::fromUtf8(kStateTotal);
    rs.moveFirst();
    while (!rs.eof()) {
        const int code = areaCode(rs.field("COD_AREA_NORVA"));
        state.VetorNomeLocalidade[static_cast<std::size_t>(code)] = QString::fromStdString(rs.field("DESCRICAO").toText());
        rs.moveNext();
    }
    rs.moveFirst();
}

}  // namespace quelva
