#pragma once
#include <string>

namespace jet {

// A name as SQLite reads it: in double quotes, a quote inside doubled.
std::string quoteName(const std::string& name);

// A text literal as SQLite reads it: in single quotes, a quote inside doubled.
std::string quoteText(const std::string& text);

}  // namespace jet
