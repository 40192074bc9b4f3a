#include "regras_grade.h"

#include <QApplication>
#include <QPalette>

#include "recordset.h"
#include "sql_text.h"
#include "tabelas_cd.h"

namespace quelva {

namespace {

constexpr int kRepeticoesM1 = 9;
constexpr int kCaracteresPorLinha = 30;
constexpr int kTwipsPorLinha = 240;
const char* kOrgao = " - Órgão ";

// The `campoNome` of the first row whose `campoCodigo` is `codigo`; false without one.
bool lookUp(jet::Recordset& rs, const char* campoCodigo, const std::string& codigo, const char* campoNome, QString& nome) {
    rs.findFirst(std::string(campoCodigo) + " = " + jet::quoteText(codigo));
    if (rs.noMatch()) return false;
    nome = QString::fromStdString(rs.field(campoNome).toText());
    return true;
}

}  // namespace

QColor localityColour() { return QColor(128, 128, 255); }
QColor variableColour() { return QColor(255, 255, 192); }
QColor valueColour() { return QApplication::palette().color(QPalette::HighlightedText); }

QString TituloColuna(TabelasCD& cd, const std::string& nome) {
    QString titulo;
    if (nome.rfind("M1", 0) != 0) {
        if (lookUp(cd.RsCdVar, "CodVariavel", nome, "NomeVariavel", titulo)) return titulo;
        if (lookUp(cd.RsCdSubVar, "CodSubVar", nome, "NomeSubVar", titulo)) return titulo;
        return QString::fromStdString(nome);
    }
    std::string chave = nome.substr(0, 7);
    for (char& c : chave) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (!lookUp(cd.RsCdVarM1, "CodVariavel", chave, "NomeVariavel", titulo)) return QString::fromStdString(nome);
    return titulo + QString::fromUtf8(kOrgao) + QString::fromStdString(nome.substr(nome.size() - 1));
}

std::vector<QString> fieldTitles(TabelasCD& cd, const jet::Recordset& rs) {
    std::vector<QString> t(static_cast<std::size_t>(rs.fieldCount()));
    for (int i = 1; i < rs.fieldCount(); ++i) t[static_cast<std::size_t>(i)] = TituloColuna(cd, rs.fieldName(i));
    return t;
}

int repetitionNumber(const std::string& nome) {
    const char c = nome.empty() ? '0' : nome.back();
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

std::string_view trimmedText(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return std::string_view(s).substr(a, s.find_last_not_of(' ') - a + 1);
}

int utf16Length(std::string_view s) {
    int n = 0;
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        n += (b & 0xC0) != 0x80;
        n += b >= 0xF0;
    }
    return n;
}

QString cellText(const jet::Value& v) {
    // Every cell on screen passes here at each paint: no copy of the text but the one the cell shows.
    const std::string s = v.toText();
    const std::string_view t = trimmedText(s);
    QString texto = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    // The engine writes a real number with a decimal point; the program's language puts a comma there, which
    // is also how the workbook's number rule reads it back. No thousands separator is added.
    if (v.kind() == jet::Value::Kind::Double) texto.replace(u'.', u',');
    return texto;
}

bool isM1NameColumn(const std::string& nome) {
    return QString::fromStdString(nome.substr(0, 7)).toUpper() == u"M1_NOME";
}

void RepetitionCount::see(const std::string& nome, bool traco) {
    if (nome.rfind("M1", 0) != 0 || traco) return;
    k_ = std::max(k_, repetitionNumber(nome));
}

int RepetitionCount::dropped(int QtdM1) const { return (kRepeticoesM1 - k_) * QtdM1; }

int rowHeightFor(int caracteres) {
    const int linhas = caracteres <= kCaracteresPorLinha ? 2 : (caracteres + kCaracteresPorLinha - 1) / kCaracteresPorLinha + 1;
    return linhas * kTwipsPorLinha;
}

void AjustarAlturaLinhas(std::vector<int>& maiorTexto) {
    for (int& linha : maiorTexto) linha = rowHeightFor(linha);
}

}  // namespace quelva
