#pragma once
#include <vector>

#include "survey_plan.h"
#include "table.h"

namespace sample {

// The survey tables: the eleven ordinary ones, TM1 with the repeated group, municipios and TABCRI, in the
// order the result statement joins them. Each holds one row per area keyed by Cod_Mun (COD_AREA_NORVA in
// municipios), but for the rows the plan leaves out.
std::vector<Table> surveyTables(const SurveyPlan& plan);

// Column name of a criterion variable in TABCRI.
inline std::string criterionColumn(const std::string& code) { return "cri_" + code; }

}  // namespace sample
