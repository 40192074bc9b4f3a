// quelva-sample: writes the synthetic sample survey (Quelva.mdb, fichatec.txt, fichains.txt) into a folder.
#include <exception>
#include <iostream>
#include <string>

#include "generator.h"

namespace {

constexpr const char* kUsage =
    "uso: quelva-sample PASTA [--small] [--jet3 | --sqlite]\n"
    "  grava na PASTA (criada se faltar) a amostra fictícia: Quelva.mdb, fichatec.txt e fichains.txt\n"
    "  Quelva.mdb é um arquivo Jet 4 (Access 2000-2003), salvo opção:\n"
    "  --small   amostra reduzida, com a mesma estrutura, para testes\n"
    "  --jet3    Quelva.mdb como arquivo Jet 3 (Access 97)\n"
    "  --sqlite  Quelva.mdb como arquivo SQLite\n";

}  // namespace

int main(int argc, char** argv) {
    std::string dir;
    bool small = false;
    int forms = 0;
    auto form = sample::DatabaseForm::Jet4;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--small") {
            small = true;
        } else if (arg == "--jet3" || arg == "--sqlite") {
            form = arg == "--jet3" ? sample::DatabaseForm::Jet3 : sample::DatabaseForm::Sqlite;
            ++forms;
        } else if (arg == "-h" || arg == "--help" || arg == "--ajuda") {
            std::cout << kUsage;
            return 0;
        } else if (arg.rfind("-", 0) == 0 || !dir.empty()) {
            std::cerr << "quelva-sample: argumento inesperado: " << arg << "\n" << kUsage;
            return 2;
        } else {
            dir = arg;
        }
    }
    if (forms > 1) {
        std::cerr << "quelva-sample: escolha uma só forma, --jet3 ou --sqlite\n" << kUsage;
        return 2;
    }
    if (dir.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        sample::generateSample(dir, small ? sample::smallSizes() : sample::fullSizes(), form);
    } catch (const std::exception& e) {
        std::cerr << "quelva-sample: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
