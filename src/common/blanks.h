#pragma once
// Leading and trailing blanks removed, blanks only: the survey pads its texts with spaces, while a tab or a
// line break is part of what the user or the catalogue wrote. For the layers that read Qt texts and for the
// engine's own UTF-8 texts alike.
#include <QString>
#include <string_view>

namespace quelva {

inline QString trimBlanks(const QString& s) {
    qsizetype first = 0, end = s.size();
    while (first < end && s[first] == u' ') ++first;
    while (end > first && s[end - 1] == u' ') --end;
    return first == 0 && end == s.size() ? s : s.mid(first, end - first);
}

inline std::string_view trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace quelva
