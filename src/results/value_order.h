#pragma once
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace jet {
class TextRules;
}

namespace quelva {

// Which way a column of the result is sorted; None is the query's order.
enum class SortDirection { None, Descending, Ascending };

// The next direction of the cycle a title cell steps through: a ranking first (largest first), then the
// other way, then the query's order again.
SortDirection nextDirection(SortDirection d);

// How the cells of one variable rank against each other. A cell that reads as a number by the export's rule
// ("1.519" is 1519) is a number; a code of the legend ranks by its place in the legend; any other text ranks
// as Jet sorts texts; an empty cell has nothing to rank by. The kinds keep that order in both directions, so
// a ranking of numbers is never headed by a code or an empty cell: a direction turns the numbers and the
// texts around, never the codes, which are no magnitude.
class ValueOrder {
public:
    enum class Kind { Number, Code, Text, Empty };
    struct Rank {
        Kind kind = Kind::Empty;
        double number = 0;
        int code = 0;     // its place in the legend
        std::string key;  // Jet's sort key of a text: equal keys are texts Jet finds equal
    };

    ValueOrder();
    ~ValueOrder();

    Rank rank(const QString& cell) const;
    // Whether `a` goes strictly before `b` in direction `d` (not None).
    static bool before(const Rank& a, const Rank& b, SortDirection d);
    // The positions of `cells` in the order of direction `d`; cells that rank alike keep their order. None
    // gives the positions as they are.
    std::vector<int> sorted(const std::vector<QString>& cells, SortDirection d) const;

private:
    std::unique_ptr<jet::TextRules> text_;
    std::vector<QString> codes_;
};

}  // namespace quelva
