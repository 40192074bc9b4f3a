#pragma once
#include <optional>
#include <string>

#include "connection.h"
#include "recordset.h"

namespace quelva {

class SurveyDatabase;

// The catalogue connection of one result run and its nine recordsets, in the order they are opened.
struct CatalogueTables {
    jet::Connection DbCatalogo;
    jet::Recordset RsCdTema;
    jet::Recordset RsCdSubTema;
    jet::Recordset RsCdVar;
    jet::Recordset RsCdSubVar;
    jet::Recordset RsCdVarM1;
    jet::Recordset RsCdArea;
    jet::Recordset RsCdFontes;
    jet::Recordset RsCdNotas;
    jet::Recordset RsCdDefinicoes;

    // The recordsets in opening (and closing) order.
    jet::Recordset* inOpeningOrder(int i);
    static constexpr int kCount = 9;
    // Positions in that order of the three tables the notes read.
    static constexpr int kFontes = 6, kNotas = 7, kDefinicoes = 8;
};

// The statement that opens recordset `i` (in opening order) of the catalogue.
const char* catalogueStatement(int i);

// Opens DbCatalogo, replacing the previous one, and the nine recordsets in order. Throws jet::Error.
void AbrirTabelasCD(CatalogueTables& cd, const SurveyDatabase& database);

// Closes the nine recordsets in order, then DbCatalogo. The closed objects stay until the next opening.
void FecharTabelasCD(CatalogueTables& cd);

// The text of `field` in the first row of `rs` that satisfies `criterion`, on a cursor of its own; none
// without a match. Every look-up of a name or text by its code goes through here.
std::optional<std::string> fieldOfFirstMatch(jet::Recordset rs, const std::string& criterion, const char* field);

// The name of a theme ("TEMA"), subtheme ("SUBTEMA") or locality ("LOCALIDADE") by its code; an empty text
// when the code is absent or the kind is none of the three (compared exactly). Needs the recordsets open.
std::string BuscarDescricao(const CatalogueTables& cd, const jet::Value& codigo, const std::string& tipo);

}  // namespace quelva
