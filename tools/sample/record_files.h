#pragma once
#include <string>

#include "survey_plan.h"

namespace sample {

// The two record files shown by the information windows: one line per grid row, lines starting with "BB"
// in bold. Both say, in their first lines, that the data are invented; the counts they quote are the
// sample's own.
std::string technicalRecord(const SurveyPlan& plan);
std::string institutionalRecord(const SurveyPlan& plan);

}  // namespace sample
