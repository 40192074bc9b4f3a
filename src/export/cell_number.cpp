#include "cell_number.h"

#include <charconv>
#include <string>

namespace quelva {

QString SubstituirTexto(const QString& texto, const QString& procurar, const QString& por) {
    if (procurar.size() != 1) return texto;
    QString saida;
    saida.reserve(texto.size());
    for (QChar c : texto) {
        if (c == procurar.front()) saida += por;
        else saida += c;
    }
    return saida;
}

std::optional<double> numberFromCellText(const QString& texto) {
    // Read by hand rather than by a regular expression: every cell of the largest grids passes here.
    // An optional sign, then either up to three digits followed by groups of "." and three digits, or digits
    // alone; then "," and digits. The digits, the sign and a decimal point go to the C-locale reader.
    std::string numero;  // what the C-locale reader takes
    const qsizetype tamanho = texto.size();
    if (tamanho == 0) return std::nullopt;
    numero.reserve(static_cast<std::size_t>(tamanho));
    const QChar* c = texto.constData();
    qsizetype i = 0;
    if (c[0] == u'+' || c[0] == u'-') {
        if (c[0] == u'-') numero += '-';
        ++i;
    }
    auto digito = [&](qsizetype k) { return k < tamanho && c[k] >= u'0' && c[k] <= u'9'; };
    const qsizetype inicio = i;
    while (digito(i)) numero += static_cast<char>(c[i++].unicode());
    if (i == inicio) return std::nullopt;
    if (i < tamanho && c[i] == u'.') {
        if (i - inicio > 3) return std::nullopt;
        while (i < tamanho && c[i] == u'.') {
            if (!digito(i + 1) || !digito(i + 2) || !digito(i + 3) || digito(i + 4)) return std::nullopt;
            for (qsizetype k = i + 1; k <= i + 3; ++k) numero += static_cast<char>(c[k].unicode());
            i += 4;
        }
    }
    if (i < tamanho && c[i] == u',') {
        numero += '.';
        const qsizetype decimais = ++i;
        while (digito(i)) numero += static_cast<char>(c[i++].unicode());
        if (i == decimais) return std::nullopt;
    }
    if (i != tamanho) return std::nullopt;
    double valor = 0;
    const char* const fim = numero.data() + numero.size();
    const auto [lido, erro] = std::from_chars(numero.data(), fim, valor);
    if (erro != std::errc() || lido != fim) return std::nullopt;
    return valor;
}

}  // namespace quelva
