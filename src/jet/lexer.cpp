#include "lexer.h"

#include "error.h"

namespace jet {
namespace {

bool nameStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool namePart(unsigned char c) { return nameStart(c) || (c >= '0' && c <= '9') || c == '$'; }
bool digit(unsigned char c) { return c >= '0' && c <= '9'; }

// Reads a text literal delimited by `quote`, where a doubled quote stands for one.
std::size_t readQuoted(std::string_view s, std::size_t i, char quote, std::string& out) {
    for (std::size_t j = i + 1; j < s.size(); ++j) {
        if (s[j] != quote) { out += s[j]; continue; }
        if (j + 1 < s.size() && s[j + 1] == quote) { out += quote; ++j; continue; }
        return j + 1;
    }
    throw Error("Erro de sintaxe: texto sem as aspas de fecho na instrução, a partir de " + std::string(s.substr(i, 30)));
}

}  // namespace

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') { ++i; continue; }
        Token t;
        t.pos = i;
        if (c == '[') {
            std::size_t close = s.find(']', i + 1);
            if (close == std::string_view::npos)
                throw Error("Erro de sintaxe: nome entre colchetes sem o ']' de fecho na instrução.");
            t.type = TokenType::Name;
            t.bracketed = true;
            t.text = std::string(s.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (c == '\'' || c == '"') {
            t.type = TokenType::String;
            i = readQuoted(s, i, static_cast<char>(c), t.text);
        } else if (c == '#') {
            std::size_t close = s.find('#', i + 1);
            if (close == std::string_view::npos) throw Error("Erro de sintaxe: data sem o '#' de fecho na instrução.");
            t.type = TokenType::Date;
            t.text = std::string(s.substr(i + 1, close - i - 1));
            i = close + 1;
        } else if (digit(c) || (c == '.' && i + 1 < s.size() && digit(static_cast<unsigned char>(s[i + 1])))) {
            std::size_t j = i;
            while (j < s.size() && digit(static_cast<unsigned char>(s[j]))) ++j;
            if (j < s.size() && s[j] == '.') {
                ++j;
                while (j < s.size() && digit(static_cast<unsigned char>(s[j]))) ++j;
            }
            if (j < s.size() && (s[j] == 'e' || s[j] == 'E')) {
                std::size_t k = j + 1;
                if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
                if (k < s.size() && digit(static_cast<unsigned char>(s[k]))) {
                    j = k;
                    while (j < s.size() && digit(static_cast<unsigned char>(s[j]))) ++j;
                }
            }
            t.type = TokenType::Number;
            t.text = std::string(s.substr(i, j - i));
            i = j;
        } else if (nameStart(c)) {
            std::size_t j = i;
            while (j < s.size() && namePart(static_cast<unsigned char>(s[j]))) ++j;
            t.type = TokenType::Name;
            t.text = std::string(s.substr(i, j - i));
            i = j;
        } else {
            static const char* two[] = {"<>", "<=", ">=", "!="};
            t.type = TokenType::Symbol;
            for (const char* op : two) {
                if (s.substr(i, 2) == op) t.text = op;
            }
            if (t.text.empty()) {
                if (std::string_view("=<>+-*/\\^&(),.;!").find(static_cast<char>(c)) == std::string_view::npos)
                    throw Error(std::string("Erro de sintaxe: caractere inesperado '") + static_cast<char>(c) + "' na instrução.");
                t.text = std::string(1, static_cast<char>(c));
            }
            i += t.text.size();
        }
        out.push_back(std::move(t));
    }
    Token end;
    end.pos = s.size();
    out.push_back(end);
    return out;
}

}  // namespace jet
