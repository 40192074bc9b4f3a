#pragma once
#include <filesystem>
#include <vector>

#include "bytes.h"
#include "description.h"

namespace jetwrite {

// The whole file: the header page, the catalogue, each table's definition, data pages, long values and
// usage maps. The same tables give the same bytes. Indexes are not written (no table declares one).
// Throws WriteError, naming the table and column, on anything Jet would refuse or a reader would misread.
Bytes jetImage(Version v, const std::vector<Table>& tables);

// jetImage written to `file`; throws WriteError also when the file cannot be written.
void writeJet(const std::filesystem::path& file, Version v, const std::vector<Table>& tables);

}  // namespace jetwrite
