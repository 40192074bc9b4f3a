// quelva-sql FILE STATEMENT [--find CRITERION]: runs one Jet SQL statement on a data file and prints the rows,
// for people who want to look into their data and for our own checks.
#include <cstdio>
#include <iostream>
#include <new>
#include <string>

#include "connection.h"
#include "error.h"

namespace {

const char* kUsage =
    "uso: quelva-sql ARQUIVO INSTRUÇÃO [--find CRITÉRIO]\n"
    "Mostra os nomes dos campos na primeira linha e depois uma linha por registro, com os valores separados\n"
    "por tabulação (Nulo como campo vazio; quebras de linha como \\n, tabulações como \\t, barras como \\\\).\n"
    "Com --find, mostra a posição (a partir de 0) do primeiro registro que satisfaz o critério, ou 'no match'.\n";

// One value on one line: the characters that would break the layout are written as escapes.
std::string escaped(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') { out += "\\n"; ++i; }
        else if (c == '\n' || c == '\r') out += "\\n";
        else if (c == '\t') out += "\\t";
        else if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    std::string file, statement, criterion;
    bool find = false;
    int positional = 0;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--find" && i + 1 < argc) { find = true; criterion = argv[++i]; }
        else if (a == "--help" || a == "-h") { std::fputs(kUsage, stdout); return 0; }
        else if (positional == 0) { file = a; ++positional; }
        else if (positional == 1) { statement = a; ++positional; }
        else { std::fputs(kUsage, stderr); return 1; }
    }
    if (positional != 2) { std::fputs(kUsage, stderr); return 1; }
    try {
        jet::Connection db = jet::Connection::openForStatement(file, statement);
        jet::Recordset rs = db.openRecordset(statement);
        if (find) {
            rs.findFirst(criterion);
            if (rs.noMatch()) std::cout << "no match\n";
            else std::cout << rs.absolutePosition() << "\n";
            return 0;
        }
        std::string line;
        for (int i = 0; i < rs.fieldCount(); ++i) line += (i ? "\t" : "") + escaped(rs.fieldName(i));
        std::cout << line << "\n";
        for (; !rs.eof(); rs.moveNext()) {
            line.clear();
            for (int i = 0; i < rs.fieldCount(); ++i) line += (i ? "\t" : "") + escaped(rs.field(i).display());
            std::cout << line << "\n";
        }
        return 0;
    } catch (const jet::Error& e) {
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::bad_alloc&) {
        std::cerr << jet::kOutOfMemory << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "Erro inesperado: " << e.what() << "\n";  // the library's words, after ours
        return 1;
    }
}
