#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace jet {

// How a Jet file stores its texts: Jet 4 and ACE in UTF-16 (little-endian), or in the compressed form that
// begins with the bytes FF FE; Jet 3 one byte a character, in the file's code page (Windows-1252 here).
enum class StoredTextForm { Utf16, Windows1252 };

// Appends to `out` the UTF-8 text of a stored value. Characters outside the Basic Multilingual Plane (UTF-16
// surrogate pairs) arrive whole. What stands for no character (an unpaired surrogate, one of the five bytes
// Windows-1252 leaves undefined, a last byte without its pair) becomes U+FFFD, the replacement character, so
// that the loss is seen rather than hidden behind a question mark.
void appendStoredText(StoredTextForm form, const unsigned char* bytes, std::size_t length, std::string& out);

// A Replication ID as Access shows it, "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in capitals: the first three
// groups are little-endian numbers, the last eight bytes are written in their stored order. Nothing when
// the value is not 16 bytes long, which only a damaged file holds.
std::optional<std::string> storedGuidText(const unsigned char* bytes, std::size_t length);

}  // namespace jet
