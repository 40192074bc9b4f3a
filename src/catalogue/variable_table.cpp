#include "variable_table.h"

#include "survey_database.h"
#include "error.h"

namespace quelva {

namespace {
const char* kSqlVariableTable = "Select * From CD_VAR Order By NumSeq";
}

void CarregarVetorVariavel(VetorVariavel& table, const SurveyDatabase& database) {
    jet::Connection db = database.open();
    jet::Recordset rs = db.openRecordset(kSqlVariableTable);
    rs.moveFirst();  // an empty CD_VAR stops here, as the engine has no current record
    int i = 0;
    while (!rs.eof()) {
        if (i >= kMaxVariables)
            throw jet::Error("A tabela CD_VAR tem mais de " + std::to_string(kMaxVariables) +
                             " variáveis; o programa comporta no máximo " + std::to_string(kMaxVariables) + ".");
        SurveyVariable& v = table[static_cast<std::size_t>(i)];
        v.CodTema = rs.field("CodTema");
        v.CodSubTema = rs.field("CodSubTema");
        v.CodVariavel = rs.field("CodVariavel");
        v.NomeVariavel = rs.field("NomeVariavel");
        v.Selecionada = jet::Value::boolean(false);
        v.CodFonte = rs.field("CodFonte");
        v.CodNota = rs.field("CodNota");
        v.NomeTabela = rs.field("NomeTabela");
        ++i;
        rs.moveNext();
    }
    rs.close();
    db.close();
}

}  // namespace quelva
