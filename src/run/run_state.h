#pragma once
#include <QString>
#include <array>
#include <string>

#include "survey_database.h"
#include "connection.h"
#include "quelva_limits.h"
#include "recordset.h"
#include "catalogue_tables.h"
#include "variable_table.h"

namespace quelva {

// Everything the program keeps for the whole run: the selections, the criteria, the connection kept open
// and the last result. One object, created at start-up and handed by reference to whoever reads or
// writes it; nothing of it is saved.
//
// Anyone may read a field; each is written only by its owner, through these functions:
//   VetorVariavel (rows)               CarregarVetorVariavel (catalogue)
//   VetorVariavel (Selecionada)        VariableListPair: Ger_AtualizarVetorVariavel and the buttons (selection)
//   SincronizarMarcas                  VariableListPair (selection)
//   VetorLocalidade                    setLocalityMark (selection)
//   VetorNomeLocalidade                fillLocalityNames
//   ExpressaoCriterio                  the Criteria panel (selection); prepareControls empties it at the
//                                      first activation
//   TituloResultado, SubTituloResultado
//   and NoDestacadoVar, NoDestacadoPal setStartUpState; the two nodes afterwards by the Variables and the
//                                      Keywords panels (selection)
//   DbSessao, RsBuscaMunicipio         openSession
//   RsArea                             openSession, reopenAreaRecordset
//   catalogueTables                    AbrirTabelasCD, FecharTabelasCD (catalogue)
//   RsResultado, HaResultado,
//   MarcaM1, QtdM1                     commitResult and clearResult (results)
struct RunState {
    explicit RunState(const QString& programFolder) : database(programFolder.toStdString()) {}
    explicit RunState(std::string programFolder) : database(std::move(programFolder)) {}

    SurveyDatabase database;

    quelva::VetorVariavel VetorVariavel{};
    std::array<bool, kMaxAreaCode + 1> VetorLocalidade{};
    std::array<QString, kMaxAreaCode + 1> VetorNomeLocalidade;
    QString ExpressaoCriterio;

    QString TituloResultado;
    QString SubTituloResultado;
    bool SincronizarMarcas = false;
    int NoDestacadoVar = -1;
    int NoDestacadoPal = -1;

    jet::Connection DbSessao;
    jet::Recordset RsBuscaMunicipio;
    jet::Recordset RsArea;

    CatalogueTables catalogueTables;  // DbCatalogo and RsCdTema ... RsCdDefinicoes

    jet::Recordset RsResultado;
    bool HaResultado = false;
    std::array<bool, kM1Marks> MarcaM1{};
    int QtdM1 = 0;
};

// What start-up sets: the result titles "Lumbra 1999" and "Tarsenal", and no node in bold in either tree.
void setStartUpState(RunState& state);

// Opens DbSessao to the data file, replacing the previous one, then on it RsBuscaMunicipio over the
// name-search table and RsArea over CD_AREA, in this order. Throws jet::Error.
void openSession(RunState& state);

// Replaces RsArea by the rows of `jetSql` on DbSessao. Throws jet::Error.
void reopenAreaRecordset(RunState& state, const std::string& jetSql);

// Fills VetorNomeLocalidade from RsArea: entry 0 is the state's total, then every row's DESCRICAO at its
// area code (a row of code 0 replaces the total), and RsArea is left on its first row. Throws jet::Error on
// an area code outside the table, naming it.
void fillLocalityNames(RunState& state);

}  // namespace quelva
