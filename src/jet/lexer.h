#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace jet {

enum class TokenType { End, Name, Number, String, Date, Symbol };

struct Token {
    TokenType type = TokenType::End;
    std::string text;        // names without brackets, strings without quotes, symbols as written
    bool bracketed = false;  // [a name] as opposed to a bare name, which may be a keyword
    std::size_t pos = 0;     // byte offset in the statement, for messages
};

// Splits a Jet SQL text into tokens. Throws jet::Error on an unterminated string, name or date.
std::vector<Token> tokenize(std::string_view sql);

}  // namespace jet
