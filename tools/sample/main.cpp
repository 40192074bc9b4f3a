// quelva-sample: writes the synthetic sample survey (Quelva.mdb, fichatec.txt, fichains.txt) into a folder.
#include <exception>
#include <iostream>
#include <string>

#include "generator.h"

namespace {

constexpr const char* kUsage =
    "uso: quelva-sample PASTA [--pequena]\n"
    "  grava na PASTA (criada se faltar) a amostra fictícia: Quelva.mdb, fichatec.txt e fichains.txt\n"
    "  --pequena  amostra reduzida, com a mesma estrutura, para testes\n";

}  // namespace

int main(int argc, char** argv) {
    std::string dir;
    bool small = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--pequena") {
            small = true;
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
    if (dir.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        sample::generateSample(dir, small ? sample::smallSizes() : sample::fullSizes());
    } catch (const std::exception& e) {
        std::cerr << "quelva-sample: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
