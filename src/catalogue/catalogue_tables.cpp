#include "catalogue_tables.h"

#include "survey_database.h"

namespace quelva {

namespace {

// The statement of each recordset, in opening order.
const char* const kSqlCatalogueTables[CatalogueTables::kCount] = {
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

// Finds the first row of `rs` where `codeField` equals `code` and returns its `nameField`, or "".
std::string nameByCode(jet::Recordset& rs, const char* codeField, const jet::Value& code, const char* nameField) {
    if (code.isNull()) {
        rs.recordCount();  // still an error outside a run, like any look-up
        return {};         // "Code = " alone would be no criterion at all
    }
    rs.findFirst(std::string(codeField) + " = " + code.toText());
    if (rs.noMatch()) return {};
    return rs.field(nameField).toText();
}

}  // namespace

jet::Recordset* CatalogueTables::inOpeningOrder(int i) {
    jet::Recordset* recordsets[kCount] = {&RsCdTema,  &RsCdSubTema, &RsCdVar,   &RsCdSubVar,    &RsCdVarM1,
                                          &RsCdArea,  &RsCdFontes,  &RsCdNotas, &RsCdDefinicoes};
    return recordsets[i];
}

void AbrirTabelasCD(CatalogueTables& cd, SurveyDatabase& database) {
    cd.DbCatalogo = database.open();
    for (int i = 0; i < CatalogueTables::kCount; ++i) *cd.inOpeningOrder(i) = cd.DbCatalogo.openRecordset(kSqlCatalogueTables[i]);
}

void FecharTabelasCD(CatalogueTables& cd) {
    for (int i = 0; i < CatalogueTables::kCount; ++i) cd.inOpeningOrder(i)->close();
    cd.DbCatalogo.close();
}

std::string BuscarDescricao(CatalogueTables& cd, const jet::Value& codigo, const std::string& tipo) {
    if (tipo == "TEMA") return nameByCode(cd.RsCdTema, "CodTema", codigo, "NomeTema");
    if (tipo == "SUBTEMA") return nameByCode(cd.RsCdSubTema, "CodSubTema", codigo, "NomeSubTema");
    if (tipo == "LOCALIDADE") return nameByCode(cd.RsCdArea, "Cod_Area_Norva", codigo, "Descricao");
    return {};
}

}  // namespace quelva
