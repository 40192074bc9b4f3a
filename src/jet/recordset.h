#pragma once
#include <memory>
#include <string>
#include <vector>

#include "value.h"

namespace jet {

struct RecordsetData;

// The rows of one statement, held in memory, with a current row as DAO's recordsets have.
// Copies share the rows, which never change, and each has a current row of its own: a copy starts where its
// original stood, and moving one never moves another. Closing closes the rows for every copy.
class Recordset {
public:
    Recordset();

    bool eof() const;  // past the last row (also true when there are no rows)
    void moveFirst();  // errors on an empty recordset ("no current record")
    void moveNext();
    void moveLast();
    int recordCount() const;
    int absolutePosition() const;  // 0-based; -1 when there is no current row

    int fieldCount() const;
    std::string fieldName(int i) const;
    const Value& field(int i) const;
    const Value& field(const std::string& name) const;  // any case; errors when there is no such field
    // Field `i` of row `row` (0-based), without moving the current row: for views that read rows out of order.
    const Value& value(int row, int i) const;

    // Moves to the first row, from the top, that satisfies `criterion` (Jet expression syntax over the
    // fields). Without a match the current row stays where it was and noMatch() is true.
    void findFirst(const std::string& criterion);
    bool noMatch() const;

    void close();
    bool isOpen() const;

private:
    friend class Connection;
    explicit Recordset(std::shared_ptr<RecordsetData> d) : d_(std::move(d)) {}
    RecordsetData& data() const;
    std::shared_ptr<RecordsetData> d_;
    int pos_ = 0;  // the current row; the row count when past the last
    bool noMatch_ = false;
};

}  // namespace jet
