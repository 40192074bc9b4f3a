#pragma once
#include <vector>

#include "dialogos_roteiro.h"
#include "error_policy.h"

namespace testing_support {

// The program's error policy over scripted dialogs, recording each end of the program it asks for.
struct PoliticaRoteiro {
    DialogosRoteiro dialogos;
    std::vector<int> fins;
    quelva::ErrorPolicy politica{dialogos, [this](int s) { fins.push_back(s); }};
};

}  // namespace testing_support
