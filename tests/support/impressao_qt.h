#pragma once
#include <QString>
#include <QStringList>
#include <ostream>

// GoogleTest shows Qt's texts as text in failure messages instead of as raw bytes. Found by argument-dependent
// lookup, so they live in the global namespace with QString itself.
inline void PrintTo(const QString& texto, std::ostream* saida) { *saida << '"' << texto.toStdString() << '"'; }
inline void PrintTo(const QStringList& textos, std::ostream* saida) {
    *saida << '{';
    for (qsizetype i = 0; i < textos.size(); ++i) {
        if (i) *saida << ", ";
        PrintTo(textos.at(i), saida);
    }
    *saida << '}';
}
