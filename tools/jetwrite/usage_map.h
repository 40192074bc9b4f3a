#pragma once
#include <vector>

#include "page_file.h"

namespace jetwrite {

// A table's map of the pages it owns. Inline (a first page and a bitmap of the pages after it) when the
// pages lie within the bitmap's reach; otherwise the reference form, a list of map pages (type 0x05) of
// which the k-th maps pages k * bits to (k + 1) * bits - 1, taken here.
Bytes usageMap(PageFile& file, const std::vector<std::uint32_t>& pages);

}  // namespace jetwrite
