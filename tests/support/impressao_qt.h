#pragma once
#include <QString>
#include <QStringList>
#include <ostream>

// GoogleTest shows Qt's texts as text in failure messages instead of as raw bytes. Found by argument-dependent
// lookup, so they live in the global namespace with QString itself.
inline void PrintTo(const QString& texto, std::ostream* out) { *out << '"' << texto.toStdString() << '"'; }
inline void PrintTo(const QStringList& textos, std::ostream* out) {
    *out << '{';
    for (qsizetype i = 0; i < textos.size(); ++i) {
        if (i) *out << ", ";
        PrintTo(textos.at(i), out);
    }
    *out << '}';
}
