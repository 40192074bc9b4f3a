#pragma once
#include <string>
#include <vector>

namespace quelva {

// What `quelva [PASTA] [ARQUIVO.quelva]` asks for. The survey (Quelva.mdb and the two record files) is read
// from PASTA when one is given, so that an analyst keeps it in a folder of their own; from the program's
// folder otherwise. ARQUIVO is a saved selection, opened once the window is shown.
struct CommandLine {
    enum class Action { Run, Help, Misuse };
    Action action = Action::Run;
    // Absolute, for Run. The file system's own bytes, as the user gave them: a name need not be valid UTF-8,
    // and decoding it would lose the very bytes that open it.
    std::string surveyFolder;
    std::string selectionFile;  // empty without one
};

// `arguments` as the program received them, once Qt took its own options out: the program first. A relative
// PASTA or ARQUIVO is taken from the current folder. An argument that is no folder and either ends in
// ".quelva" (in any case) or names a file is the selection, in either place; any other is the folder. An
// argument that starts with "-" is an option, and only "-h" and "--help" are known; a folder of such a name
// is given as "./-name".
CommandLine readCommandLine(const std::vector<std::string>& arguments, const std::string& programFolder);

// What "-h" prints, and a wrong command line on the error output.
inline constexpr char kCommandLineUsage[] =
    "uso: quelva [PASTA] [ARQUIVO.quelva]\n"
    "  abre a pesquisa (Quelva.mdb, fichatec.txt e fichains.txt) da PASTA;\n"
    "  sem PASTA, a que acompanha o programa;\n"
    "  com ARQUIVO.quelva, abre nela a seleção salva nesse arquivo\n";

}  // namespace quelva
