#include "catalogue_tables.h"

#include "text_case.h"

namespace sample {
namespace {

using T = ColumnType;

Field num(std::int64_t v) { return v; }

Table themes(const Catalogue& c) {
    Table t{"CD_TEMA", {{"CodTema", T::Integer}, {"NomeTema", T::Text}}, {}};
    for (const auto& th : c.themes) t.rows.push_back({num(th.code), th.name});
    return t;
}

Table subthemes(const Catalogue& c) {
    Table t{"CD_SUBTEMA", {{"CodSubTema", T::Integer}, {"NomeSubTema", T::Text}}, {}};
    for (const auto& s : c.subthemes) t.rows.push_back({num(s.code), s.name});
    return t;
}

Table variables(const Catalogue& c) {
    Table t{"CD_VAR",
            {{"NumSeq", T::Integer}, {"CodTema", T::Integer}, {"CodSubTema", T::Integer}, {"CodVariavel", T::Text},
             {"NomeVariavel", T::Text}, {"CodFonte", T::Integer}, {"CodNota", T::Integer}, {"NomeTabela", T::Text},
             {"Palavra-Chave", T::Text}, {"criterio", T::Boolean}},
            {}};
    for (const auto& v : c.variables)
        t.rows.push_back({num(v.numSeq), num(v.themeCode), num(v.subthemeCode), v.code, v.name, num(v.sourceCode),
                          num(v.noteCode), v.table, v.keywords, jetBoolean(v.criterion)});
    return t;
}

Table subVariables(const Catalogue& c) {
    Table t{"CD_SUBVAR", {{"CodVariavel", T::Text}, {"CodSubVar", T::Text}, {"NomeSubVar", T::Text}}, {}};
    for (const auto& s : c.subVariables) t.rows.push_back({s.variableCode, s.code, s.name});
    return t;
}

Table repeatedNames(const Catalogue& c) {
    Table t{"CD_VARM1", {{"CodVariavel", T::Text}, {"NomeVariavel", T::Text}}, {}};
    for (const auto& col : c.repeatedColumns) t.rows.push_back({col.code, col.name});
    return t;
}

Table codedTexts(const std::string& name, const std::string& codeColumn, const std::string& textColumn,
                 const std::vector<CodedText>& items) {
    Table t{name, {{codeColumn, T::Integer}, {textColumn, T::Text}}, {}};
    for (const auto& i : items) t.rows.push_back({num(i.code), i.text});
    return t;
}

Table definitions(const Catalogue& c) {
    Table t{"CD_DEFINICOES", {{"CodVariavel", T::Text}, {"DefinicaoVariavel", T::Memo}}, {}};
    for (const auto& d : c.definitions) t.rows.push_back({d.variableCode, d.text});
    return t;
}

Table areas(const Localities& l) {
    Table t{"CD_AREA",
            {{"COD_AREA_NORVA", T::Integer}, {"DESCRICAO", T::Text}, {"mun", T::Integer}, {"munseqrarg", T::Integer},
             {"munseqdrads", T::Integer}},
            {}};
    for (const auto& a : l.areas)
        t.rows.push_back({num(a.code), a.name, num(a.listed), num(a.seqRaRg), num(a.seqDrads)});
    return t;
}

// One row per entry of the locality list, that is per listed area, groups included. The capitals keep
// the order of the names under the engine's text comparison, which ignores case, so row p of the table in
// name order is entry p of the list.
Table nameSearch(const Localities& l) {
    Table t{"nomemun", {{"desc", T::Text}}, {}};
    for (const auto& a : l.areas)
        if (a.listed != 0) t.rows.push_back({upperPt(a.name)});
    return t;
}

}  // namespace

std::vector<Table> catalogueTables(const SurveyPlan& plan) {
    const auto& c = plan.catalogue;
    return {themes(c),
            subthemes(c),
            variables(c),
            subVariables(c),
            repeatedNames(c),
            codedTexts("CD_FONTES", "CodFonte", "DescricaoFonte", c.sources),
            codedTexts("CD_NOTAS", "CodNota", "DescricaoNota", c.notes),
            definitions(c),
            areas(plan.localities),
            nameSearch(plan.localities)};
}

}  // namespace sample
