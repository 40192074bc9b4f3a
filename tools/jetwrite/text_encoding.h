#pragma once
#include <string>

#include "bytes.h"
#include "format.h"

namespace jetwrite {

// The characters of a UTF-8 text as UTF-16 code units; throws WriteError (with `where`) on bad UTF-8.
std::u16string utf16(const std::string& utf8, const std::string& where);

// A text as a column stores it. Jet 4: UTF-16, or Access's compressed form (FF FE, then one byte a
// character) when every character fits in one byte and `compressible`; Jet 3: Windows-1252, where a
// character that Windows-1252 lacks is an error naming `where`.
Bytes storedText(const Format& f, const std::u16string& text, bool compressible, const std::string& where);

// A name in a table definition (Jet 4: 2-byte length and UTF-16; Jet 3: 1-byte length and Windows-1252).
Bytes storedName(const Format& f, const std::string& name, const std::string& where);

}  // namespace jetwrite
