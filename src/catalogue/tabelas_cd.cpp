#include "tabelas_cd.h"

#include "banco.h"

namespace quelva {

namespace {

// The statement of each recordset, in opening order.
const char* const kSqlTabelasCD[TabelasCD::kQuantidade] = {
    "Select * From CD_TEMA order by CodTema ",
    "Select * From CD_SUBTEMA order by CodSubTema",
    "Select * From CD_VAR order by CodVariavel",
    "Select * From CD_SUBVAR order by CodVariavel, CodSubVar",
    "Select * From CD_VARM1 order by CodVariavel",
    "Select * From CD_AREA order by Cod_Area_Norva",
    "Select * From CD_FONTES order by CodFonte",
    "Select * From CD_NOTAS order by CodNota",
    "Select * From CD_DEFINICOES order by CodVariavel",
};

// Finds the first row of `rs` where `campoCodigo` equals `codigo` and returns its `campoNome`, or "".
std::string nomePorCodigo(jet::Recordset& rs, const char* campoCodigo, const jet::Value& codigo, const char* campoNome) {
    if (codigo.isNull()) {
        rs.recordCount();  // still an error outside a run, like any look-up
        return {};         // "Code = " alone would be no criterion at all
    }
    rs.findFirst(std::string(campoCodigo) + " = " + codigo.toText());
    if (rs.noMatch()) return {};
    return rs.field(campoNome).toText();
}

}  // namespace

jet::Recordset* TabelasCD::emOrdem(int i) {
    jet::Recordset* todos[kQuantidade] = {&RsCdTema,  &RsCdSubTema, &RsCdVar,   &RsCdSubVar,    &RsCdVarM1,
                                          &RsCdArea,  &RsCdFontes,  &RsCdNotas, &RsCdDefinicoes};
    return todos[i];
}

void AbrirTabelasCD(TabelasCD& cd, Banco& banco) {
    cd.DbCatalogo = banco.abrir();
    for (int i = 0; i < TabelasCD::kQuantidade; ++i) *cd.emOrdem(i) = cd.DbCatalogo.openRecordset(kSqlTabelasCD[i]);
}

void FecharTabelasCD(TabelasCD& cd) {
    for (int i = 0; i < TabelasCD::kQuantidade; ++i) cd.emOrdem(i)->close();
    cd.DbCatalogo.close();
}

std::string BuscarDescricao(TabelasCD& cd, const jet::Value& codigo, const std::string& tipo) {
    if (tipo == "TEMA") return nomePorCodigo(cd.RsCdTema, "CodTema", codigo, "NomeTema");
    if (tipo == "SUBTEMA") return nomePorCodigo(cd.RsCdSubTema, "CodSubTema", codigo, "NomeSubTema");
    if (tipo == "LOCALIDADE") return nomePorCodigo(cd.RsCdArea, "Cod_Area_Norva", codigo, "Descricao");
    return {};
}

}  // namespace quelva
