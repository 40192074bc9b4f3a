#pragma once
#include <filesystem>
#include <vector>

#include "table.h"

namespace sample {

// Writes the tables into a new SQLite file at `file` (replacing one already there) in one transaction.
// Text columns carry the engine's collation, so the handle gets the engine's SQLite setup first.
// Throws std::runtime_error with SQLite's reason on any failure; the caller removes the half-written file.
void writeSqlite(const std::filesystem::path& file, const std::vector<Table>& tables);

}  // namespace sample
