#pragma once
#include <QString>

namespace quelva {

// The text of a locality list entry, as the Localities and the review panels write it and read it back: the
// label (the name, or the review panel's indent, prefix and name), 300 blanks, and the area code written
// over the blanks from character 300, far to the right of what the user should see. The text is never
// shorter than 302 characters, so that even an empty label keeps its whole code.
QString localityEntryText(const QString& label, int code);

// The area code read back from characters 300-302: their leading digits. -1 when there is none (a text that
// is not an entry), so that such a text never stands for the state total, code 0.
int localityEntryCode(const QString& text);

// What the user sees of an entry: the text before character 300, without the blanks that end it.
QString localityEntryLabel(const QString& text);

}  // namespace quelva
