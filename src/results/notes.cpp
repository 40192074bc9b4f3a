#include "notes.h"

#include "estado.h"
#include "variable_texts.h"

namespace quelva {

namespace {

const char* kDefinitionLabel = "Definição: ";
const char* kLineBreak = "\r\n";

const char* const kConventionLines[] = {
    "NR   -  Município não respondeu",
    "SB   -  Saneamento básico do município operado pela SABESP",
    "...  -  Dado não disponível",
    " -   -  Fenômeno inexistente",
};

}  // namespace

QString MontarNotas(Estado& state) {
    TabelasCD& cd = state.tabelasCD;
    const QString lineBreak = QString::fromUtf8(kLineBreak);
    QString notes;
    for (const Variavel& v : state.VetorVariavel) {
        if (!v.selecionada()) continue;
        const VariableTexts t = variableTexts(cd.RsCdFontes, cd.RsCdNotas, cd.RsCdDefinicoes, v);
        if (isBlank(t.fonte) && isBlank(t.nota) && isBlank(t.definicao)) continue;
        const QString name = QString::fromUtf8(kRotuloVariavel) + QString::fromStdString(v.NomeVariavel.toText());
        notes += notes.isEmpty() ? name : lineBreak + lineBreak + name;
        if (!isBlank(t.fonte)) notes += lineBreak + QString::fromUtf8(kRotuloFonte) + QString::fromStdString(t.fonte);
        if (!isBlank(t.nota)) notes += lineBreak + QString::fromUtf8(kRotuloNota) + QString::fromStdString(t.nota);
        if (!isBlank(t.definicao)) notes += lineBreak + QString::fromUtf8(kDefinitionLabel) + QString::fromStdString(t.definicao);
    }
    return notes;
}

QString conventionsText() {
    QString s;
    for (const char* line : kConventionLines) s += (s.isEmpty() ? QString() : QString::fromUtf8(kLineBreak)) + QString::fromUtf8(line);
    return s;
}

}  // namespace quelva
