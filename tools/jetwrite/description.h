#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

// What the Jet writer is asked to write: tables of typed columns and their rows. Texts are UTF-8.
namespace jetwrite {

enum class Version {
    Jet3,  // Access 97: 2 KB pages, texts in Windows-1252
    Jet4,  // Access 2000-2003: 4 KB pages, texts in UTF-16 (compressed where Access compresses them)
};

enum class Type { Byte, Integer, Long, Single, Double, Currency, DateTime, YesNo, Text, Memo, LongBinary };

// A date as Jet stores it: days since 30 December 1899, the time of day as the fraction.
struct Date {
    double serial = 0;
};
// A Currency value in ten-thousandths, as Jet stores it.
struct Currency {
    std::int64_t tenThousandths = 0;
};

// Null, Yes/No, whole number, real number, currency, date, text.
using Value = std::variant<std::monostate, bool, std::int64_t, double, Currency, Date, std::string>;
using Row = std::vector<Value>;

struct Column {
    std::string name;
    Type type = Type::Text;
    int length = 255;  // Text only: the most characters a value may have (1 to 255)
};

struct Table {
    std::string name;
    std::vector<Column> columns;
    std::vector<Row> rows;
};

// Bad input: the message names the table and, where there is one, the column.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace jetwrite
