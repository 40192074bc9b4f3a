#pragma once
#include <string>
#include <vector>

namespace sample {

// How big a sample to make. Both presets hold every kind of row and every odd case; the small one is for
// test fixtures, where a reader must be able to look at the whole file.
struct Sizes {
    std::vector<int> themes;       // 1-based positions in the theme list (see theme_words.h)
    int subthemesPerTheme = 0;     // ordinary subthemes taken from each theme's list
    int ordinaryVariables = 0;     // variables outside the repeated group
    std::vector<int> repeatedNumbers;  // numbers kk of the repeated group's variables "M1_10kk" in CD_VAR
    int tableRun = 0;              // ordinary variables in a row that share a survey table
    int municipalities = 0;
    int raGroups = 0;              // codes from 681 on (at most 15)
    int rgGroups = 0;              // codes from 701 on (at most 42)
    int dradsGroups = 0;           // codes from 801 on (at most 23)
    std::vector<std::string> tablesWithMissingRow;  // one municipality lacks its row in each of them
};

Sizes fullSizes();
Sizes smallSizes();

}  // namespace sample
