#pragma once
// What a chart of one variable of the result shows, worked out from the table without drawing anything.
#include <QString>
#include <QStringList>
#include <vector>

namespace quelva {

class ValueOrder;
struct VariableSeries;

// One bar: what it stands for (a locality, or a text the cells hold), its value as written beside it, and
// its length.
struct ChartBar {
    QString label;
    QString value;
    double amount = 0;
    // How a screen reader reads it.
    QString spoken() const { return label + QStringLiteral(": ") + value; }
};

// A locality the bars leave out, with what its cell holds (a code of the legend, a text among numbers, or
// nothing).
struct ChartEntry {
    QString locality;
    QString cell;
};

struct ChartModel {
    // A bar per locality with a number, or, for a variable without numbers, a bar per text with the count
    // of the localities that hold it.
    enum class Kind { Values, Counts };
    Kind kind = Kind::Values;
    QString title;          // the variable's name
    QStringList headings;   // the survey's titles
    QString source;         // "Fonte: " and the variable's source; empty without one
    std::vector<ChartBar> bars;
    std::vector<ChartEntry> listed;
    // The span the bars are drawn over: the smallest and largest amounts, zero always within it.
    double low = 0, high = 0;
};

// The chart of `series`, which holds the cells in the table's order: a variable with at least one number
// gets a bar per locality with a number, in that order (a sorted table gives a ranking), each valued as the
// table writes it; one without any number gets a bar per text (Jet's equal texts are one, written as first
// met), in Jet's order, valued with its count. Either way the localities whose cell holds a code of the
// legend, or nothing the bars count, are listed in the table's order.
ChartModel buildChart(const VariableSeries& series, const QStringList& headings, const ValueOrder& order);

}  // namespace quelva
