#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace quelva {

struct RunState;

// What tells one survey's catalogue from another's, so that a selection is opened only on the survey it was
// made on: SHA-256, in lower-case hexadecimal, of the UTF-8 text made of the variable codes sorted by their
// bytes, each followed by a line feed, then one more line feed, then the area codes in ascending order in
// decimal, each followed by a line feed. Neither order of the rows nor names or data count.
QString surveyFingerprint(QStringList variableCodes, std::vector<int> areaCodes);

// The fingerprint of the survey the program runs on: the codes of VetorVariavel and of CD_AREA. Throws
// jet::Error.
QString surveyFingerprint(const RunState& state);

}  // namespace quelva
