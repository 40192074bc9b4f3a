#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "survey_plan.h"

namespace sample {

// The codes a survey cell may hold instead of a value (the conventions legend of the result panel).
inline constexpr const char* kNoAnswer = "NR";         // the municipality did not answer
inline constexpr const char* kSabesp = "SB";           // sanitation run by the state company
inline constexpr const char* kNotAvailable = "...";    // figure not available
inline constexpr const char* kNone = "-";              // the thing does not exist (also: no such repetition)
inline constexpr const char* kYes = "Sim";
inline constexpr const char* kNo = "Não";

// One survey cell: its text as stored, and the whole number that criteria compare (TABCRI), absent when
// the cell holds a code rather than a value.
struct Cell {
    std::string text;
    std::optional<std::int64_t> number;
};

// Draws the values of the survey tables. A municipality's cell depends only on the seed, the variable and
// the area code; a group's cell totals its municipalities (sums for counts, the number of "Sim" answers for
// yes/no questions, the mean for decimals; "..." for categories).
class CellValues {
public:
    explicit CellValues(const SurveyPlan& plan);

    // The cells of one ordinary variable for every area, in the order of `plan.localities.areas`.
    std::vector<Cell> column(const Variable& v) const;

    // The repeated group's cells for one area, in table order: for each repetition n = 1..9 the name, then
    // the 27 values. Repetitions after the area's last real one hold "-" throughout.
    std::vector<std::string> repeatedRow(const Area& area) const;

private:
    Cell municipalityCell(const Variable& v, int areaCode) const;
    Cell groupCell(const Variable& v, const Area& group, const std::vector<Cell>& cells) const;
    std::string repeatedValue(const RepeatedColumn& col, int areaCode, int repetition) const;

    const SurveyPlan& plan_;
    std::vector<int> indexOfCode_;  // area code -> position in plan_.localities.areas
};

}  // namespace sample
