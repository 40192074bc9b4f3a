#pragma once
#include <QString>
#include <QStringList>
#include <ostream>

// GoogleTest shows Qt's texts as text in failure messages instead of as raw bytes. Found by argument-dependent
// lookup, so they live in the global namespace with QString itself.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < texts.size(); ++i) {
        if (i) *out << ", ";
        PrintTo(texts.at(i), out);
    }
    *out << '}';
}
