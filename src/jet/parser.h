#pragma once
#include <string_view>

#include "ast.h"

namespace jet {

// Jet SQL select statements and criteria (the expressions of FindFirst). Throw jet::Error on a syntax error.
SelectStatement parseSelect(std::string_view sql);
ExprPtr parseExpression(std::string_view text);

}  // namespace jet
