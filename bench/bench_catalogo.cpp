// Catalogue figures on the full sample: opening Quelva.mdb from scratch and loading VetorVariavel, and the
// nine catalogue recordsets of a result run. Prints JSON lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "banco.h"
#include "tabelas_cd.h"
#include "vetor_variavel.h"

namespace {
using Clock = std::chrono::steady_clock;
double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

int main() {
    std::vector<double> abrir, carregar, tabelas;
    for (int i = 0; i < 11; ++i) {
        quelva::Banco banco(QUELVA_BIN);  // a new cache: the file is read and checked again
        auto vetor = std::make_unique<quelva::VetorVariavel>();
        auto a = Clock::now();
        jet::Connection db = banco.abrir();
        auto b = Clock::now();
        quelva::CarregarVetorVariavel(*vetor, banco);
        auto c = Clock::now();
        quelva::TabelasCD cd;
        quelva::AbrirTabelasCD(cd, banco);
        quelva::FecharTabelasCD(cd);
        auto d = Clock::now();
        abrir.push_back(ms(b - a));
        carregar.push_back(ms(c - b));
        tabelas.push_back(ms(d - c));
    }
    std::printf("{\"bench\":\"catalogo\",\"open_ms\":%.2f,\"load_vetor_variavel_ms\":%.2f,\"open_close_tabelas_cd_ms\":%.2f}\n",
                mediana(abrir), mediana(carregar), mediana(tabelas));
}
