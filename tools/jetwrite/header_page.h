#pragma once
#include "bytes.h"
#include "format.h"

namespace jetwrite {

// Page 0: the file's signature, its version, its code page and sort order. No password, no encryption key
// and no creation date, so that the same tables always give the same bytes.
Bytes headerPage(const Format& f);

}  // namespace jetwrite
