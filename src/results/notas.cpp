#include "notas.h"

#include "estado.h"
#include "variable_texts.h"

namespace quelva {

namespace {

const char* kDefinicao = "Definição: ";
const char* kQuebra = "\r\n";

const char* const kConvencoes[] = {
    "NR   -  Município não respondeu",
    "SB   -  Saneamento básico do município operado pela SABESP",
    "...  -  Dado não disponível",
    " -   -  Fenômeno inexistente",
};

}  // namespace

QString MontarNotas(Estado& estado) {
    TabelasCD& cd = estado.tabelasCD;
    const QString quebra = QString::fromUtf8(kQuebra);
    QString notas;
    for (const Variavel& v : estado.VetorVariavel) {
        if (!v.selecionada()) continue;
        const VariableTexts t = variableTexts(cd.RsCdFontes, cd.RsCdNotas, cd.RsCdDefinicoes, v);
        if (isBlank(t.fonte) && isBlank(t.nota) && isBlank(t.definicao)) continue;
        const QString nome = QString::fromUtf8(kRotuloVariavel) + QString::fromStdString(v.NomeVariavel.toText());
        notas += notas.isEmpty() ? nome : quebra + quebra + nome;
        if (!isBlank(t.fonte)) notas += quebra + QString::fromUtf8(kRotuloFonte) + QString::fromStdString(t.fonte);
        if (!isBlank(t.nota)) notas += quebra + QString::fromUtf8(kRotuloNota) + QString::fromStdString(t.nota);
        if (!isBlank(t.definicao)) notas += quebra + QString::fromUtf8(kDefinicao) + QString::fromStdString(t.definicao);
    }
    return notas;
}

QString conventionsText() {
    QString s;
    for (const char* linha : kConvencoes) s += (s.isEmpty() ? QString() : QString::fromUtf8(kQuebra)) + QString::fromUtf8(linha);
    return s;
}

}  // namespace quelva
