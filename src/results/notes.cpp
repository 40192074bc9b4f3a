#include "notes.h"

#include "run_state.h"
#include "variable_texts.h"

namespace quelva {

namespace {

const char* kDefinitionLabel = "Definição: ";
const char* kLineBreak = "\r\n";
const char* kBlockBreak = "\r\n\r\n";

// Each line: the code in its first five characters, then its meaning.
constexpr int kCodeWidth = 5;
const char* const kConventionLines[] = {
    "NR   -  Município não respondeu",
    "SB   -  Saneamento básico do município operado pela SABESP",
    "...  -  Dado não disponível",
    " -   -  Fenômeno inexistente",
};

}  // namespace

QString MontarNotas(const RunState& state) {
    const CatalogueTables& cd = state.result.catalogueTables();
    QString notes;
    for (const std::vector<std::string>& block :
         selectedVariableNotes(state.variables.VetorVariavel(), cd.RsCdFontes, cd.RsCdNotas, cd.RsCdDefinicoes, kDefinitionLabel)) {
        for (std::size_t i = 0; i < block.size(); ++i) {
            // Lines of a block apart by one break, blocks by an empty line.
            if (!notes.isEmpty()) notes += QString::fromUtf8(i > 0 ? kLineBreak : kBlockBreak);
            notes += QString::fromStdString(block[i]);
        }
    }
    return notes;
}

QString conventionsText() {
    QString s;
    for (const char* line : kConventionLines) s += (s.isEmpty() ? QString() : QString::fromUtf8(kLineBreak)) + QString::fromUtf8(line);
    return s;
}

std::vector<QString> legendCodes() {
    std::vector<QString> codes;
    for (const char* line : kConventionLines) codes.push_back(QString::fromUtf8(line).left(kCodeWidth).trimmed());
    return codes;
}

}  // namespace quelva
