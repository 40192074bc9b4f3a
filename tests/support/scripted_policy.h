#pragma once
#include <vector>

#include "scripted_dialogs.h"
#include "error_policy.h"

namespace testing_support {

// The program's error policy over scripted dialogs, recording each end of the program it asks for.
struct ScriptedPolicy {
    ScriptedDialogs dialogs;
    std::vector<int> ends;
    quelva::ErrorPolicy policy{dialogs, [this](int s) { ends.push_back(s); }};
};

}  // namespace testing_support
