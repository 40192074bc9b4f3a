#pragma once
#include <string>

namespace jet {

// A name as SQLite reads it: in double quotes, a quote inside doubled.
std::string quoteName(const std::string& name);

// A text literal as SQLite and Jet read it: in single quotes, a quote inside doubled. A keyword or code
// holding an apostrophe then finds itself instead of breaking the statement.
std::string quoteText(const std::string& text);

// The part of a Jet Like pattern that must match itself: quotes doubled and Like's wildcards * ? # [ in
// brackets. UTF-8 in, UTF-8 out; only ASCII characters are touched.
std::string likeLiteral(const std::string& text);

}  // namespace jet
