#pragma once
#include <QString>
#include <vector>

namespace quelva {

struct RunState;

// The notes of a run: one block per selected variable with a source, a note or a definition, in the order of
// the variable table, blocks apart by one empty line, lines joined by CR LF, no break after the last. Needs
// the catalogue recordsets open. A source or note code with no catalogue row gives no line.
QString MontarNotas(const RunState& state);

// The conventions legend: the codes the value cells may hold, four lines joined by CR LF.
QString conventionsText();
// The codes of the legend, in its order ("NR", "SB", "...", "-"): each line's code, before its dash.
std::vector<QString> legendCodes();

}  // namespace quelva
