#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace sample {

// What a variable's cells hold; decides how values are drawn and how a group totals them.
enum class ValueKind {
    Count,     // whole numbers: "1.234"
    Decimal,   // numbers with decimals: "12,5"
    YesNo,     // "Sim" / "Não"
    Category,  // one word out of a short list of the variable's own
};

struct Theme {
    int code = 0;
    std::string name;
};

struct Subtheme {
    int code = 0;  // unique across themes: a subtheme is found by its code alone
    int themeCode = 0;
    std::string name;
};

struct Variable {
    int numSeq = 0;
    int themeCode = 0;
    int subthemeCode = 0;
    std::string code;  // also its column in its survey table, and with "cri_" in front, in TABCRI
    std::string name;
    int sourceCode = 0;  // 0: no source
    int noteCode = 0;    // 0: no note
    std::string table;
    std::string keywords;  // ";"-separated, as stored
    bool criterion = false;
    ValueKind kind = ValueKind::Count;
    int decimals = 0;        // for Decimal
    std::int64_t scale = 0;  // upper bound of a municipality's value (scaled by decimals for Decimal)
    std::vector<std::string> categories;  // for Category
    bool sanitation = false;  // cells may hold "SB"
    bool repeatedGroup() const { return code.rfind("M1", 0) == 0; }
};

struct CodedText {
    int code = 0;
    std::string text;
};

struct Definition {
    std::string variableCode;
    std::string text;
};

struct SubVariable {
    std::string variableCode;
    std::string code;
    std::string name;
};

// One of the 27 value columns of each repetition of the repeated group (plus its name column, "M1_NOME").
struct RepeatedColumn {
    std::string code;  // "M1_10" + two digits, or "M1_NOME"
    std::string name;
    ValueKind kind = ValueKind::YesNo;
    std::int64_t scale = 0;
    std::vector<std::string> categories;
};

enum class AreaKind { State, Municipality, RegionRa, RegionRg, RegionOther, Drads };

struct Area {
    int code = 0;
    std::string name;
    AreaKind kind = AreaKind::Municipality;
    int listed = 0;  // the catalogue's "mun": non-zero for entries of the locality list
    int seqRaRg = 0;
    int seqDrads = 0;
    std::vector<int> members;  // area codes of the municipalities a group totals
    int repetitions = 0;       // real repetitions of the repeated group (0 for groups)
};

// A municipality that has no row in one survey table.
struct MissingRow {
    int areaCode = 0;
    std::string table;
};

struct Catalogue {
    std::vector<Theme> themes;
    std::vector<Subtheme> subthemes;
    std::vector<Variable> variables;  // in NumSeq order
    std::vector<CodedText> sources;
    std::vector<CodedText> notes;
    std::vector<Definition> definitions;
    std::vector<SubVariable> subVariables;
    std::vector<RepeatedColumn> repeatedColumns;  // the 27 value columns, in number order, then "M1_NOME"
};

struct Localities {
    std::vector<Area> areas;  // in code order
    std::vector<MissingRow> missing;
};

// The whole sample, decided before anything is written.
struct SurveyPlan {
    std::uint64_t seed = 0;
    Catalogue catalogue;
    Localities localities;
};

// Survey tables that hold the ordinary variables.
inline const std::vector<std::string>& ordinaryTables() {
    static const std::vector<std::string> names{"TK", "TJ", "TM", "TI", "TH", "TA", "TB", "TL99", "TD", "TG", "socioe_char"};
    return names;
}
// Every survey table, in the order the result statement joins them.
inline const std::vector<std::string>& joinedTables() {
    static const std::vector<std::string> names{"TK", "TJ", "TM", "TM1", "TI", "TH", "TA",
                                                "TB", "TL99", "TD", "TG", "municipios", "TABCRI", "socioe_char"};
    return names;
}
inline constexpr const char* kRepeatedTable = "TM1";
inline constexpr const char* kCriteriaTable = "TABCRI";
inline constexpr const char* kOrderTable = "municipios";
inline constexpr int kRepetitions = 9;
inline constexpr int kRepeatedColumns = 27;

}  // namespace sample
