#pragma once
#include <string>
#include <string_view>

namespace xls {

// UTF-16 to UTF-8, for messages that quote a sheet name or a text. An unpaired surrogate becomes U+FFFD.
std::string utf8(std::u16string_view text);

}  // namespace xls
