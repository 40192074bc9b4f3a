#pragma once
#include <stdexcept>
#include <string>

namespace jet {

// Jet's own messages for what goes wrong inside an expression.
inline constexpr const char* kTypeMismatch = "Tipos incompatíveis na expressão.";
inline constexpr const char* kInvalidArgument = "Chamada de procedimento ou argumento inválido.";
inline constexpr const char* kInvalidNull = "Uso inválido de Null.";
inline constexpr const char* kOverflow = "Estouro de capacidade na expressão.";
inline constexpr const char* kOutOfMemory = "Memória insuficiente para executar a instrução.";
inline constexpr const char* kTooComplex = "Expressão muito complexa na instrução.";

// Leads the messages the engine's SQLite functions stop a statement with, telling them from SQLite's own.
inline constexpr char kEngineMessageMark = '\x1f';

// Every failure of the engine: a file that cannot be opened, a statement it cannot run, a recordset used
// the wrong way. The message is written for the person at the keyboard, since callers that do not trap
// errors show it as it stands.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace jet
