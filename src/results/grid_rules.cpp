#include "grid_rules.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

#include "blanks.h"
#include "quelva_limits.h"
#include "recordset.h"
#include "sql_text.h"
#include "catalogue_tables.h"

namespace quelva {

namespace {

constexpr int kCharactersPerLine = 30;
constexpr int kTwipsPerLine = 240;
const char* kRepetitionLabel = " - Órgão ";

// The `nameField` of the first row whose `codeField` is `code`; false without one.
bool lookUp(const jet::Recordset& rs, const char* codeField, const std::string& code, const char* nameField, QString& name) {
    const std::optional<std::string> found = fieldOfFirstMatch(rs, std::string(codeField) + " = " + jet::quoteText(code), nameField);
    if (found) name = QString::fromStdString(*found);
    return found.has_value();
}

}  // namespace

// Field names are ASCII.
std::string m1Key(const std::string& name) {
    std::string key = name.substr(0, 7);
    for (char& c : key) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return key;
}

QColor localityColour() { return QColor(128, 128, 255); }
QColor variableColour() { return QColor(255, 255, 192); }
QColor valueColour() { return QApplication::palette().color(QPalette::HighlightedText); }

bool belongsToM1(std::string_view name) { return name.starts_with("M1"); }

QString TituloColuna(const CatalogueTables& cd, const std::string& nome) {
    QString title;
    if (!belongsToM1(nome)) {
        if (lookUp(cd.RsCdVar, "CodVariavel", nome, "NomeVariavel", title)) return title;
        if (lookUp(cd.RsCdSubVar, "CodSubVar", nome, "NomeSubVar", title)) return title;
        return QString::fromStdString(nome);
    }
    if (!lookUp(cd.RsCdVarM1, "CodVariavel", m1Key(nome), "NomeVariavel", title)) return QString::fromStdString(nome);
    return title + QString::fromUtf8(kRepetitionLabel) + QString::fromStdString(nome.substr(nome.size() - 1));
}

std::vector<QString> fieldTitles(const CatalogueTables& cd, const jet::Recordset& rs) {
    std::vector<QString> titles(static_cast<std::size_t>(rs.fieldCount()));
    for (int i = 1; i < rs.fieldCount(); ++i) titles[static_cast<std::size_t>(i)] = TituloColuna(cd, rs.fieldName(i));
    return titles;
}

int repetitionNumber(const std::string& name) {
    const char c = name.empty() ? '0' : name.back();
    return c >= '0' && c <= '9' ? c - '0' : 0;
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
    const std::string_view t = trimBlanks(std::string_view(s));
    QString text = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    // The engine writes a real number with a decimal point; the program's language puts a comma there, which
    // is also how the workbook's number rule reads it back. No thousands separator is added.
    if (v.kind() == jet::Value::Kind::Double) text.replace(u'.', u',');
    return text;
}

bool isM1NameColumn(const std::string& name) {
    return m1Key(name) == "M1_NOME";
}

void RepetitionCount::see(const std::string& name, bool dash) {
    if (!belongsToM1(name) || dash) return;
    k_ = std::max(k_, repetitionNumber(name));
}

int RepetitionCount::dropped(int QtdM1) const { return (kM1Repetitions - k_) * QtdM1; }

int rowHeightFor(int characters) {
    const int lines = characters <= kCharactersPerLine ? 2 : (characters + kCharactersPerLine - 1) / kCharactersPerLine + 1;
    return lines * kTwipsPerLine;
}

void AjustarAlturaLinhas(std::vector<int>& longestText) {
    for (int& row : longestText) row = rowHeightFor(row);
}

}  // namespace quelva
