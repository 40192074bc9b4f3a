// Catalogue figures on the full sample: opening Quelva.mdb from scratch and loading VetorVariavel, and the
// nine catalogue recordsets of a result run. Prints JSON lines.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "survey_database.h"
#include "catalogue_tables.h"
#include "variable_table.h"

namespace {
using Clock = std::chrono::steady_clock;
double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }
double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}  // namespace

int main() {
    std::vector<double> openTimes, loadTimes, tableTimes;
    for (int i = 0; i < 11; ++i) {
        quelva::SurveyDatabase database(QUELVA_BIN);  // a new cache: the file is read and checked again
        auto table = std::make_unique<quelva::VetorVariavel>();
        auto a = Clock::now();
        jet::Connection db = database.open();
        auto b = Clock::now();
        quelva::CarregarVetorVariavel(*table, database);
        auto c = Clock::now();
        quelva::CatalogueTables cd;
        quelva::AbrirTabelasCD(cd, database);
        quelva::FecharTabelasCD(cd);
        auto d = Clock::now();
        openTimes.push_back(ms(b - a));
        loadTimes.push_back(ms(c - b));
        tableTimes.push_back(ms(d - c));
    }
    std::printf("{\"bench\":\"catalogue\",\"open_ms\":%.2f,\"load_variable_table_ms\":%.2f,\"open_close_catalogue_tables_ms\":%.2f}\n",
                median(openTimes), median(loadTimes), median(tableTimes));
}
