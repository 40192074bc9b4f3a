// The order a column's cells sort in: numbers by the export's rule, the legend's codes, Jet's text order.
#include <gtest/gtest.h>

#include "value_order.h"

namespace {

using quelva::SortDirection;

TEST(ValueOrder, NumbersThenCodesInLegendOrderThenTextsInJetOrderWithTiesInPlace) {
    const std::vector<QString> cells = {"Sim", "-", "1.519", "NR", "200", "...", "não", "SB", "12,5", "", "1519", "Não", "-3"};
    const quelva::ValueOrder order;
    // Codes and the empty cell stay below the numbers and texts whichever way; "não" and "Não" are one text to Jet.
    EXPECT_EQ(order.sorted(cells, SortDirection::Descending), std::vector<int>({2, 10, 4, 8, 12, 3, 7, 5, 1, 0, 6, 11, 9}));
    EXPECT_EQ(order.sorted(cells, SortDirection::Ascending), std::vector<int>({12, 8, 4, 2, 10, 3, 7, 5, 1, 6, 11, 0, 9}));
    EXPECT_EQ(order.sorted(cells, SortDirection::None), std::vector<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(quelva::nextDirection(SortDirection::None), SortDirection::Descending);
    EXPECT_EQ(quelva::nextDirection(SortDirection::Descending), SortDirection::Ascending);
    EXPECT_EQ(quelva::nextDirection(SortDirection::Ascending), SortDirection::None);
}

}  // namespace
