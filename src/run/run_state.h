#pragma once
#include <QString>
#include <string>
#include <utility>

#include "criteria_expression.h"
#include "highlighted_node.h"
#include "last_result.h"
#include "locality_selection.h"
#include "session.h"
#include "variable_selection.h"

namespace quelva {

// Everything the program keeps for the whole run, nothing of it saved: one object, created at start-up. Each
// part keeps its data to itself and is written only through its own functions; a panel is handed the parts
// it owns, and the whole state read-only, so that a write from anyone else does not compile.
//   session                         the main window (Session::open at each activation); the review panel reopens RsArea
//   variables                       the variable list pairs of FraVar, FraPal and FraSel
//   localities                      FraLoc and its region-group rule; FraSel takes entries out
//   criteria                        FraCri (emptied at the first activation)
//   NoDestacadoVar, NoDestacadoPal  FraVar and FraPal; start-up sets both to -1
//   result                          FraRes (the catalogue of a run, commit and clear)
struct RunState {
    explicit RunState(const QString& programFolder) : session(programFolder) {}
    explicit RunState(std::string programFolder) : session(std::move(programFolder)) {}

    Session session;
    VariableSelection variables;
    LocalitySelection localities;
    CriteriaExpression criteria;
    HighlightedNode NoDestacadoVar;
    HighlightedNode NoDestacadoPal;
    LastResult result;
};

// What start-up sets: the result titles "Lumbra 1999" and "Tarsenal", and no node in bold in either tree.
void setStartUpState(RunState& state);

}  // namespace quelva
