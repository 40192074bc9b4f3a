// Times the generation of the full sample survey, the step every build of the project runs, in each form of
// its database. Prints one JSON object per form: {"bench":"sample","form":...,"ms":...,"runs":...,"bytes":...}.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <utility>
#include <vector>

#include "generator.h"

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const fs::path dir = fs::temp_directory_path() / ("quelva-bench-sample-" + std::to_string(::getpid()));
    using sample::DatabaseForm;
    for (const auto& [form, name] : {std::pair{DatabaseForm::Jet4, "jet4"}, {DatabaseForm::Jet3, "jet3"}, {DatabaseForm::Sqlite, "sqlite"}}) {
        std::vector<double> ms;
        for (int i = 0; i < runs; ++i) {
            const auto start = std::chrono::steady_clock::now();
            sample::generateSample(dir, sample::fullSizes(), form);
            ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        const auto bytes = fs::file_size(dir / sample::kDatabaseFile);
        fs::remove_all(dir);
        std::sort(ms.begin(), ms.end());
        std::printf("{\"bench\":\"sample\",\"form\":\"%s\",\"ms\":%.1f,\"min_ms\":%.1f,\"runs\":%d,\"bytes\":%llu}\n", name,
                    ms[ms.size() / 2], ms.front(), runs, static_cast<unsigned long long>(bytes));
    }
    return 0;
}
