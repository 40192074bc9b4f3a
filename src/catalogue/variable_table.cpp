#include "vetor_variavel.h"

#include "banco.h"
#include "error.h"

namespace quelva {

namespace {
const char* kSqlVariableTable = "Select * From CD_VAR Order By NumSeq";
}

void CarregarVetorVariavel(VetorVariavel& table, Banco& banco) {
    jet::Connection db = banco.abrir();
    jet::Recordset rs = db.openRecordset(kSqlVariableTable);
    rs.moveFirst();  // an empty CD_VAR stops here, as the engine has no current record
    int i = 0;
    while (!rs.eof()) {
        if (i >= kMaxVariaveis)
            throw jet::Error("A tabela CD_VAR tem mais de " + std::to_string(kMaxVariaveis) +
                             " variáveis; o programa comporta no máximo " + std::to_string(kMaxVariaveis) + ".");
        Variavel& v = table[static_cast<std::size_t>(i)];
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
