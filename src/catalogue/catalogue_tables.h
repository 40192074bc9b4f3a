#pragma once
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
};

// Opens DbCatalogo, replacing the previous one, and the nine recordsets in order. Throws jet::Error.
void AbrirTabelasCD(CatalogueTables& cd, SurveyDatabase& database);

// Closes the nine recordsets in order, then DbCatalogo. The closed objects stay until the next opening.
void FecharTabelasCD(CatalogueTables& cd);

// The name of a theme ("TEMA"), subtheme ("SUBTEMA") or locality ("LOCALIDADE") by its code; an empty text
// when the code is absent or the kind is none of the three (compared exactly). Needs the recordsets open.
std::string BuscarDescricao(CatalogueTables& cd, const jet::Value& codigo, const std::string& tipo);

}  // namespace quelva
