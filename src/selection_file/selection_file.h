#pragma once
// A selection saved by the user and opened again: the `.quelva` file, JSON in UTF-8 (the README shows one).
// It records the survey it belongs to and the selection as codes and criteria, never as SQL: whoever opens it
// rebuilds the selection through the parts' own owners, which check every value again.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "criterion.h"

namespace quelva {

// The format this program writes and reads; a file of a later one is refused, never guessed at.
inline constexpr int kSelectionFileVersion = 1;
// Every variable code of the catalogue at the 255 characters Jet allows a text, every area code and
// thousands of criteria take far less; a larger file is refused before a byte of it is parsed.
inline constexpr long long kMaxSelectionFileBytes = 1024 * 1024;

struct SavedSelection {
    QString title, subtitle;  // TituloResultado and SubTituloResultado of the survey
    QString fingerprint;      // surveyFingerprint() of its catalogue
    QStringList variables;    // codes, in the order of VetorVariavel
    std::vector<int> areaCodes;
    std::vector<Criterion> criteria;  // in the order of adding
};

QByteArray selectionFileBytes(const SavedSelection& selection);

enum class SelectionFileFailure { None, Unreadable, TooLarge, NotASelection, NewerVersion, OtherSurvey };

struct SelectionFileRead {
    SelectionFileFailure failure = SelectionFileFailure::None;
    QString reason;  // for Unreadable: why, in the user's words
    SavedSelection selection;
};

// Reads the file at `path` (the file system's bytes) and checks it against the survey whose fingerprint is
// `fingerprint`. The values inside are only checked for their JSON types here: codes the survey lacks and
// criteria the builder would not make are for the owners to find.
SelectionFileRead readSelectionFile(const std::string& path, const QString& fingerprint);
// The same over bytes already read.
SelectionFileRead parseSelectionFile(const QByteArray& bytes, const QString& fingerprint);

}  // namespace quelva
