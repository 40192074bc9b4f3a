#include "regras_grade.h"

#include <QApplication>
#include <QPalette>

#include "grade.h"
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

QString cellText(const jet::Value& v) {
    // Every value of a result passes here three times: no copy of the text but the one the cell keeps.
    const std::string s = v.toText();
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    const auto b = s.find_last_not_of(' ');
    QString texto = QString::fromUtf8(s.data() + a, static_cast<qsizetype>(b - a + 1));
    // The engine writes a real number with a decimal point; the program's language puts a comma there, which
    // is also how the workbook's number rule reads it back. No thousands separator is added.
    if (v.kind() == jet::Value::Kind::Double) texto.replace(u'.', u',');
    return texto;
}

void RepetitionCount::see(const std::string& nome, const QString& valor) {
    if (nome.rfind("M1", 0) != 0 || valor == u"-") return;
    k_ = std::max(k_, repetitionNumber(nome));
}

int RepetitionCount::dropped(int QtdM1) const { return (kRepeticoesM1 - k_) * QtdM1; }

RepetitionCount readValues(jet::Recordset& rs, const std::function<void(int, int, const QString&)>& escrever) {
    const int F = rs.fieldCount();
    std::vector<std::string> nomes;
    for (int i = 0; i < F; ++i) nomes.push_back(rs.fieldName(i));
    RepetitionCount repeticoes;
    rs.moveFirst();
    for (int p = 0; !rs.eof(); ++p, rs.moveNext()) {
        for (int i = 1; i < F; ++i) {
            const QString valor = cellText(rs.field(i));
            repeticoes.see(nomes[static_cast<std::size_t>(i)], valor);
            escrever(p, i, valor);
        }
    }
    return repeticoes;
}

void styleTable(Grade& grade, const QColor& canto, const QColor& linha0, const QColor& coluna0, Qt::Alignment alinhamento0) {
    const QColor valor = valueColour();
    for (int c = 0; c < grade.colunas(); ++c) {
        grade.definirLarguraColuna(c, kLarguraColunaResultado);
        grade.celula(0, c).fundo = c == 0 ? canto : linha0;
        grade.celula(0, c).alinhamento = Qt::AlignCenter;
    }
    for (int r = 1; r < grade.linhas(); ++r) {
        grade.celula(r, 0).fundo = coluna0;
        grade.celula(r, 0).alinhamento = alinhamento0;
        for (int c = 1; c < grade.colunas(); ++c) {
            grade.celula(r, c).fundo = valor;
            grade.celula(r, c).alinhamento = Qt::AlignCenter;
        }
    }
}

int rowHeightFor(int caracteres) {
    const int linhas = caracteres <= kCaracteresPorLinha ? 2 : (caracteres + kCaracteresPorLinha - 1) / kCaracteresPorLinha + 1;
    return linhas * kTwipsPorLinha;
}

void AjustarAlturaLinhas(Grade& grade) {
    for (int r = 0; r < grade.linhas(); ++r) {
        qsizetype maior = 0;
        for (int c = 0; c < grade.colunas(); ++c) maior = std::max(maior, std::as_const(grade).celula(r, c).texto.size());
        grade.definirAlturaLinha(r, rowHeightFor(static_cast<int>(maior)));
    }
}

}  // namespace quelva
