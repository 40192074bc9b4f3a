#include "sizes.h"

#include "survey_plan.h"

namespace sample {

Sizes fullSizes() {
    Sizes s;
    s.themes = {1, 2, 3, 4, 5, 6, 7, 8};
    s.subthemesPerTheme = 6;
    std::vector<int> all;
    for (int k = 1; k <= kRepeatedColumns; ++k) all.push_back(k);
    s.repeatedNumbers = all;
    // The program's variable table has exactly 706 places; the full sample fills every one.
    s.ordinaryVariables = 706 - kRepeatedColumns;
    s.tableRun = 15;
    s.municipalities = 645;
    s.raGroups = 15;
    s.rgGroups = 42;
    s.dradsGroups = 23;
    s.tablesWithMissingRow = {"TJ", "TM1", "TABCRI", "municipios", "socioe_char", "TL99"};
    return s;
}

Sizes smallSizes() {
    Sizes s;
    // Administration holds the repeated group, sanitation the "SB" cells, technology RADIO/RADIODIFUSAO.
    s.themes = {2, 5, 8};
    s.subthemesPerTheme = 2;
    s.repeatedNumbers = {1, 2, 3, 5, 12, 20, 26, 27};
    s.ordinaryVariables = 34;
    s.tableRun = 3;
    s.municipalities = 30;
    s.raGroups = 3;
    s.rgGroups = 5;
    s.dradsGroups = 3;
    s.tablesWithMissingRow = {"TJ", "TM1", "municipios"};
    return s;
}

}  // namespace sample
