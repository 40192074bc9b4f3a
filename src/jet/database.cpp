#include "database.h"

#include <sqlite3.h>

#include "engine_limits.h"
#include "error.h"
#include "sql_args.h"
#include "sqlite_setup.h"

namespace jet {

Database::~Database() {
    if (scratch) sqlite3_close_v2(scratch);
    if (db) sqlite3_close_v2(db);
}

sqlite3* Database::scratchHandle() {
    if (!scratch) {
        if (sqlite3_open_v2(":memory:", &scratch, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
            std::string m = scratch ? sqlite3_errmsg(scratch) : "sem memória";
            sqlite3_close_v2(scratch);
            scratch = nullptr;
            throw Error("Não foi possível preparar a pesquisa no recordset: " + m);
        }
        registerJetSqlite(scratch);
    }
    return scratch;
}

const TextRules& Database::textRules() {
    if (!rules_) rules_ = std::make_unique<TextRules>();
    return *rules_;
}

std::string quotedPath(const std::string& path) { return "'" + path + "'"; }

namespace {

const char* kNotAllowed =
    "A instrução tenta ler uma tabela ou usar uma função interna do mecanismo de dados, o que não é permitido.";

bool startsWith(const std::string& s, const char* prefix, std::string& rest) {
    std::string p = prefix;
    if (s.compare(0, p.size(), p) != 0) return false;
    rest = s.substr(p.size());
    return true;
}

}  // namespace

std::string statementError(const std::string& msg, const std::string& jetSql, const std::string& path) {
    std::string what, rest;
    if (!msg.empty() && msg[0] == kEngineMessageMark)
        what = msg.substr(1);
    else if (startsWith(msg, "no such table: ", rest))
        what = "A tabela ou consulta '" + rest + "' não existe no banco de dados " + quotedPath(path) + ".";
    else if (startsWith(msg, "no such column: ", rest))
        what = "O campo '" + rest + "' não existe nas tabelas da instrução.";
    else if (startsWith(msg, "ambiguous column name: ", rest))
        what = "O campo '" + rest + "' pode se referir a mais de uma tabela da instrução.";
    else if (startsWith(msg, "access to ", rest) || startsWith(msg, "not authorized", rest))
        what = kNotAllowed;
    else if (startsWith(msg, "too many columns", rest))
        what = "A instrução pede campos demais.";
    else if (msg.find("Expression tree is too large") != std::string::npos ||
             msg.find("too many terms") != std::string::npos)
        what = "A instrução é complexa demais.";
    else if (msg == "parser stack overflow")  // calls nested some forty deep, beyond SQLite's parser
        what = kTooComplex;
    else if (msg.find("tables in a join") != std::string::npos)
        what = "Consulta muito complexa: a instrução junta mais de 64 tabelas.";
    else if (startsWith(msg, "misuse of aggregate", rest))
        what = "Não é possível ter uma função agregada nesta parte da instrução (no Where, numa junção ou dentro de "
               "outra função agregada).";
    else if (startsWith(msg, "vtable constructor failed", rest) || startsWith(msg, "no such module", rest))
        what = kNotAllowed;
    else if (msg == "interrupted")  // the time limit
        what = "A instrução passou de " + std::to_string(kMaxStatementSeconds) + " segundos e foi interrompida.";
    else if (startsWith(msg, "out of memory", rest))
        what = kOutOfMemory;
    else if (startsWith(msg, "string or blob too big", rest))
        what = kTextTooLong;
    else if (msg.find("do not have the same number of result columns") != std::string::npos)
        what = "O número de campos das consultas de uma consulta União não corresponde.";
    else if (msg.find("ORDER BY term out of range") != std::string::npos)
        what = "Um número do Order By não corresponde a nenhum campo do Select.";
    else if (startsWith(msg, "near ", rest))
        what = "Erro de sintaxe na instrução, perto de " + rest + ".";
    else
        what = "O mecanismo de dados não pôde executar a instrução: " + msg;
    return inStatement(what, jetSql, path);
}

std::string inStatement(const std::string& what, const std::string& jetSql, const std::string& path) {
    std::string m = what;
    if (m.find(quotedPath(path)) == std::string::npos) m += "\nArquivo: " + quotedPath(path);
    if (m.find("\nInstrução: ") == std::string::npos)
        m += "\nInstrução: " + (jetSql.size() > 300 ? jetSql.substr(0, 300) + " ..." : jetSql);
    return m;
}

}  // namespace jet
