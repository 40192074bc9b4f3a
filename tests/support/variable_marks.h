#pragma once
#include <string>

#include "variable_selection.h"

namespace testing_support {

// Every variable of `variables` whose code is `code` marked or unmarked; false when there is none.
inline bool markCode(quelva::VariableSelection& variables, const std::string& code, bool marked = true) {
    bool found = false;
    for (int i = 0; i < quelva::kMaxVariables; ++i) {
        if (variables.VetorVariavel()[static_cast<std::size_t>(i)].CodVariavel.toText() != code) continue;
        variables.setMark(i, marked);
        found = true;
    }
    return found;
}

}  // namespace testing_support
