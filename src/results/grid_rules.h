#pragma once
#include <QColor>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace jet {
class Recordset;
class Value;
}

namespace quelva {

struct CatalogueTables;

// The cell colours the three result layouts share.
QColor localityColour();  // cells naming a locality
QColor variableColour();  // cells naming a variable
QColor valueColour();     // cells holding a value: the system's highlighted-text colour

// A field or variable code of the repeated group M1: its first two characters are "M1" (case counts).
bool belongsToM1(std::string_view name);

// The title of the result field `nome`: its CD_VAR name, else its CD_SUBVAR name; for the M1 group, the
// CD_VARM1 name of its first seven characters in capitals, " - Órgão " and its repetition number. A field
// found in no catalogue table is titled with its own name. Needs the catalogue recordsets open.
QString TituloColuna(const CatalogueTables& cd, const std::string& nome);

// The titles of the fields 0..F-1 of `rs` (field 0 included, though no layout shows it), looked up once.
std::vector<QString> fieldTitles(const CatalogueTables& cd, const jet::Recordset& rs);

// The repetition number of an M1 field: the value of the last character of its name.
int repetitionNumber(const std::string& name);

// The length QString gives UTF-8 text `s`, counted without converting it: one unit a character, two for
// those past U+FFFF.
int utf16Length(std::string_view s);
// A value as a cell shows it: its text with blanks trimmed; Null as an empty text; a real number with a decimal
// comma and no thousands separator ("1234,5", "1,234"). A text shows as stored.
QString cellText(const jet::Value& v);

// The first seven characters of an M1 field's name in capitals: the code of its group's variable ("M1_1012",
// "M1_NOME").
std::string m1Key(const std::string& name);

// Whether an M1 field is the name column of its repetition: its first seven characters, in capitals, are
// "M1_NOME".
bool isM1NameColumn(const std::string& name);

// Follows the repetition count K of the M1 group while values are read: the highest repetition that
// holds anything other than "-" in any row; 1 when none does.
class RepetitionCount {
public:
    void see(const std::string& name, bool dash);
    // How many of the group's fields the layout drops: repetitions K+1..9 of QtdM1 fields each.
    int dropped(int QtdM1) const;

private:
    int k_ = 1;
};

// Each row's height from the length of its longest cell text: 2 lines up to 30 characters, then one line per
// 30 more characters begun, plus one; 240 twips a line. `longestText` holds that length for each row and gets
// the height in its place.
void AjustarAlturaLinhas(std::vector<int>& longestText);
int rowHeightFor(int characters);

// Every value column of Formato 1 and 2 is this wide.
inline constexpr int kResultColumnWidth = 2500;

}  // namespace quelva
