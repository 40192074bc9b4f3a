#pragma once
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "recordset.h"

namespace quelva {

class LastResult;
struct RunState;

// One result as the three layouts read it: its rows, kept as the engine holds them, and what every layout
// must know before any cell is asked for. The field titles and locality names are looked up once, while the
// catalogue is open (it is closed when the run ends); each value's length is measured once, for the row
// heights, which follow the longest text of a row.
class ResultRows {
public:
    // Reads RsResultado from its first record, on a cursor of its own. Needs the catalogue open.
    explicit ResultRows(const RunState& state);

    int records() const { return records_; }
    int fields() const { return fields_; }
    // Field `field` (1..fields()-1) of record `record` as a cell shows it.
    QString value(int record, int field) const;
    // The length of that text, counted as QString counts it.
    int length(int record, int field) const { return lengths_[position(record, field)]; }
    const QString& title(int field) const { return titles_[static_cast<std::size_t>(field)]; }
    const QString& place(int record) const { return places_[static_cast<std::size_t>(record)]; }
    // The source of the variable a field holds (for the M1 group, of its sub-variable), as stored; empty
    // where it has none.
    const QString& source(int field) const { return sources_[static_cast<std::size_t>(field)]; }

    bool isM1(int field) const { return m1_[static_cast<std::size_t>(field)] != 0; }
    // The fields the tables of Formato 1 and 2 keep, field 0 included: the M1 repetitions past the last one
    // with data in any record are dropped (they are the last fields).
    int tableFields() const { return tableFields_; }
    // The first field from which a record card leaves M1 fields out: the first name column, after the group's
    // first field, that holds "-"; fields() when there is none.
    int m1CutFrom(int record) const { return cut_[static_cast<std::size_t>(record)]; }

private:
    std::size_t position(int record, int field) const {
        return static_cast<std::size_t>(record) * static_cast<std::size_t>(fields_) + static_cast<std::size_t>(field);
    }
    jet::Recordset rs_;
    int records_ = 0, fields_ = 0, tableFields_ = 0;
    std::vector<QString> titles_, places_, sources_;
    std::vector<char> m1_;
    std::vector<std::uint32_t> lengths_;
    std::vector<int> cut_;
};

// The rows of the last result; null, with HaResultado false, when it has none.
std::shared_ptr<const ResultRows> readResult(const RunState& state, LastResult& result);

}  // namespace quelva
