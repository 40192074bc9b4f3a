#pragma once
#include <QColor>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace jet {
class Recordset;
class Value;
}

namespace quelva {

class Grade;
struct TabelasCD;

// The cell colours the three result layouts share.
QColor localityColour();  // cells naming a locality
QColor variableColour();  // cells naming a variable
QColor valueColour();     // cells holding a value: the system's highlighted-text colour

// The title of the result field `nome`: its CD_VAR name, else its CD_SUBVAR name; for the M1 group, the
// CD_VARM1 name of its first seven characters in capitals, " - Órgão " and its repetition number. A field
// found in no catalogue table is titled with its own name. Needs the catalogue recordsets open.
QString TituloColuna(TabelasCD& cd, const std::string& nome);

// The titles of the fields 0..F-1 of `rs` (field 0 included, though no layout shows it), looked up once.
std::vector<QString> fieldTitles(TabelasCD& cd, const jet::Recordset& rs);

// The repetition number of an M1 field: the value of the last character of its name.
int repetitionNumber(const std::string& nome);

// A value as a cell shows it: its text with blanks trimmed; Null as an empty text; a real number with a decimal
// comma and no thousands separator ("1234,5", "1,234"). A text shows as stored.
QString cellText(const jet::Value& v);

// Follows the repetition count K of the M1 group while values are written: the highest repetition that
// holds anything other than "-" in any row; 1 when none does.
class RepetitionCount {
public:
    void see(const std::string& nome, const QString& valor);
    int K() const { return k_; }
    // How many of the group's fields the layout drops: repetitions K+1..9 of QtdM1 fields each.
    int dropped(int QtdM1) const;

private:
    int k_ = 1;
};

// Reads every value of the result from its first record: `escrever(p, i, texto)` for record p and field i
// (1..F-1), the text trimmed. Returns the repetition count the values give.
RepetitionCount readValues(jet::Recordset& rs, const std::function<void(int, int, const QString&)>& escrever);

// The colours, alignments and widths Formato 1 and 2 share: row 0 centred, every column 2500 twips wide, the
// corner in `canto` and the rest of row 0 in `linha0`; column 0 below it in `coluna0` with `alinhamento0`;
// the values centred in the value colour.
void styleTable(Grade& grade, const QColor& canto, const QColor& linha0, const QColor& coluna0, Qt::Alignment alinhamento0);

// Each row's height from its longest cell text: 2 lines up to 30 characters, then one line per 30 more
// characters begun, plus one; 240 twips a line.
void AjustarAlturaLinhas(Grade& grade);
int rowHeightFor(int caracteres);

// Every value column of Formato 1 and 2 is this wide.
inline constexpr int kLarguraColunaResultado = 2500;

}  // namespace quelva
