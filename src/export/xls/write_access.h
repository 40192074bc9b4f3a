#pragma once
#include <string>

namespace xls {

// Why the user may not write to the file or folder at `path`. A mode without any write bit counts as
// read-only even for root, whom the system lets write anyway: the user marked it so, and expects the mark to
// hold.
enum class WriteRefusal { None, ReadOnlyDisk, ReadOnlyMark, NoPermission };
WriteRefusal writeRefusal(const std::string& path);

}  // namespace xls
