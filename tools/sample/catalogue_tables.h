#pragma once
#include <vector>

#include "survey_plan.h"
#include "table.h"

namespace sample {

// The catalogue tables (CD_TEMA, CD_SUBTEMA, CD_VAR, CD_SUBVAR, CD_VARM1, CD_FONTES, CD_NOTAS,
// CD_DEFINICOES, CD_AREA) and the name-search table nomemun.
std::vector<Table> catalogueTables(const SurveyPlan& plan);

}  // namespace sample
