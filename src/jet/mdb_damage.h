#pragma once
#include <cstdint>
#include <string>

#include "error.h"
#include "import_budget.h"

// What the pieces of the import say about a damaged table, and what it has spent against its budget.
namespace jet {

inline std::string quoted(const std::string& name) { return "'" + name + "'"; }

inline Error damagedTable(const std::string& table, const std::string& why) {
    return Error("a tabela " + quoted(table) + " está danificada: " + why);
}

// Everything one import has spent so far, against its budget.
struct Spending {
    const ImportBudget& budget;
    std::uint64_t fileBytes;
    std::uint64_t pages;
    std::uint64_t rows = 0, outputBytes = 0;

    void addOutput(const std::string& table, std::uint64_t bytes) {
        outputBytes += bytes;
        if (outputBytes > budget.outputBytes)
            throw damagedTable(table, "os dados lidos passam de " + std::to_string(budget.outputBytes >> 20) +
                                          " MB, mais do que um arquivo de " + std::to_string(fileBytes) +
                                          " bytes pode conter");
    }
};

}  // namespace jet
