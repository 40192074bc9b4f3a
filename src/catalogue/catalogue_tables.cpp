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

// The `nameField` of the first row of `rs` where `codeField` equals `code`, or "".
std::string nameByCode(const jet::Recordset& rs, const char* codeField, const jet::Value& code, const char* nameField) {
    if (code.isNull()) {
        rs.recordCount();  // still an error outside a run, like any look-up
        return {};         // "Code = " alone would be no criterion at all
    }
    return fieldOfFirstMatch(rs, std::string(codeField) + " = " + code.toText(), nameField).value_or(std::string());
}

}  // namespace

std::optional<std::string> fieldOfFirstMatch(jet::Recordset rs, const std::string& criterion, const char* field) {
    rs.findFirst(criterion);
    if (rs.noMatch()) return std::nullopt;
    return rs.field(field).toText();
}

const char* catalogueStatement(int i) { return kSqlCatalogueTables[i]; }

jet::Recordset* CatalogueTables::inOpeningOrder(int i) {
    jet::Recordset* recordsets[kCount] = {&RsCdTema,  &RsCdSubTema, &RsCdVar,   &RsCdSubVar,    &RsCdVarM1,
                                          &RsCdArea,  &RsCdFontes,  &RsCdNotas, &RsCdDefinicoes};
    return recordsets[i];
}

void AbrirTabelasCD(CatalogueTables& cd, const SurveyDatabase& database) {
    cd.DbCatalogo = database.open();
    for (int i = 0; i < CatalogueTables::kCount; ++i) *cd.inOpeningOrder(i) = cd.DbCatalogo.openRecordset(kSqlCatalogueTables[i]);
}

void FecharTabelasCD(CatalogueTables& cd) {
    for (int i = 0; i < CatalogueTables::kCount; ++i) cd.inOpeningOrder(i)->close();
    cd.DbCatalogo.close();
}

std::string BuscarDescricao(const CatalogueTables& cd, const jet::Value& codigo, const std::string& tipo) {
    if (tipo == "TEMA") return nameByCode(cd.RsCdTema, "CodTema", codigo, "NomeTema");
    if (tipo == "SUBTEMA") return nameByCode(cd.RsCdSubTema, "CodSubTema", codigo, "NomeSubTema");
    if (tipo == "LOCALIDADE") return nameByCode(cd.RsCdArea, "Cod_Area_Norva", codigo, "Descricao");
    return {};
}

}  // namespace quelva
