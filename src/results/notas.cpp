#include "notas.h"

#include "estado.h"
#include "sql_text.h"
#include "texto.h"

namespace quelva {

namespace {

const char* kVariavel = "Variável: ";
const char* kFonte = "Fonte: ";
const char* kNota = "Nota: ";
const char* kDefinicao = "Definição: ";
const char* kQuebra = "\r\n";

const char* const kConvencoes[] = {
    "NR   -  Município não respondeu",
    "SB   -  Saneamento básico do município operado pela SABESP",
    "...  -  Dado não disponível",
    " -   -  Fenômeno inexistente",
};

// The `campo` of the first row matching `criterio`; empty without one.
QString firstMatch(jet::Recordset& rs, const std::string& criterio, const char* campo) {
    rs.findFirst(criterio);
    return rs.noMatch() ? QString() : QString::fromStdString(rs.field(campo).toText());
}

bool blank(const QString& s) { return trimBlanks(s).isEmpty(); }

}  // namespace

QString MontarNotas(Estado& estado) {
    TabelasCD& cd = estado.tabelasCD;
    const QString quebra = QString::fromUtf8(kQuebra);
    QString notas;
    for (const Variavel& v : estado.VetorVariavel) {
        if (!v.selecionada()) continue;
        QString fonte, nota, definicao;
        if (v.CodFonte.toInteger() != 0)
            fonte = firstMatch(cd.RsCdFontes, "CodFonte = " + std::to_string(v.CodFonte.toInteger()), "DescricaoFonte");
        if (v.CodNota.toInteger() != 0)
            nota = firstMatch(cd.RsCdNotas, "CodNota = " + std::to_string(v.CodNota.toInteger()), "DescricaoNota");
        definicao = firstMatch(cd.RsCdDefinicoes, "CodVariavel = " + jet::quoteText(v.CodVariavel.toText()), "DefinicaoVariavel");
        if (blank(fonte) && blank(nota) && blank(definicao)) continue;
        const QString nome = QString::fromUtf8(kVariavel) + QString::fromStdString(v.NomeVariavel.toText());
        notas += blank(notas) ? nome : quebra + quebra + nome;
        if (!blank(fonte)) notas += quebra + QString::fromUtf8(kFonte) + fonte;
        if (!blank(nota)) notas += quebra + QString::fromUtf8(kNota) + nota;
        if (!blank(definicao)) notas += quebra + QString::fromUtf8(kDefinicao) + definicao;
    }
    return notas;
}

QString conventionsText() {
    QString s;
    for (const char* linha : kConvencoes) s += (s.isEmpty() ? QString() : QString::fromUtf8(kQuebra)) + QString::fromUtf8(linha);
    return s;
}

}  // namespace quelva
