#include "notes.h"

#include "run_state.h"
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

QString MontarNotas(RunState& state) {
    CatalogueTables& cd = state.catalogueTables;
    const QString lineBreak = QString::fromUtf8(kLineBreak);
    QString notes;
    for (const SurveyVariable& v : state.VetorVariavel) {
        if (!v.isSelected()) continue;
        const VariableTexts t = variableTexts(cd.RsCdFontes, cd.RsCdNotas, cd.RsCdDefinicoes, v);
        if (isBlank(t.source) && isBlank(t.note) && isBlank(t.definition)) continue;
        const QString name = QString::fromUtf8(kVariableLabel) + QString::fromStdString(v.NomeVariavel.toText());
        notes += notes.isEmpty() ? name : lineBreak + lineBreak + name;
        if (!isBlank(t.source)) notes += lineBreak + QString::fromUtf8(kSourceLabel) + QString::fromStdString(t.source);
        if (!isBlank(t.note)) notes += lineBreak + QString::fromUtf8(kNoteLabel) + QString::fromStdString(t.note);
        if (!isBlank(t.definition)) notes += lineBreak + QString::fromUtf8(kDefinitionLabel) + QString::fromStdString(t.definition);
    }
    return notes;
}

QString conventionsText() {
    QString s;
    for (const char* line : kConventionLines) s += (s.isEmpty() ? QString() : QString::fromUtf8(kLineBreak)) + QString::fromUtf8(line);
    return s;
}

}  // namespace quelva
