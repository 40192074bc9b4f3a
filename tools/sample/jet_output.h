#pragma once
#include <filesystem>
#include <vector>

#include "description.h"
#include "table.h"

namespace sample {

// The sample's tables as the Jet writer describes them: whole numbers as Long, Yes/No as Yes/No, memos as
// Memo, texts as Text of 255 characters, or as Memo in a column where some text is longer.
std::vector<jetwrite::Table> jetTables(const std::vector<Table>& tables);

}  // namespace sample
