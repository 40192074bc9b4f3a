// The recordset's values keep their order and contents across the blocks they are stored in.
#include <gtest/gtest.h>

#include <string>

#include "cell_store.h"

namespace {

using jet::CellStore;
using jet::Value;

TEST(CellStore, ValuesKeepTheirPlaceAcrossBlocksAndShrinkingDropsTheLast) {
    CellStore cells;
    const std::size_t n = 70000;  // more than one block
    for (std::size_t i = 0; i < n; ++i)
        cells.push_back(i % 3 == 0 ? Value::text("t" + std::to_string(i)) : Value::integer(static_cast<std::int64_t>(i)));
    ASSERT_EQ(cells.size(), n);
    EXPECT_EQ(cells[0].toText(), "t0");
    EXPECT_EQ(cells[65535].toText(), "t65535");
    EXPECT_EQ(cells[65536].toInteger(), 65536);
    EXPECT_EQ(cells[n - 1].toText(), "t69999");
    EXPECT_EQ(cells[n - 2].toInteger(), 69998);

    cells.shrink(65536);  // exactly one full block left
    ASSERT_EQ(cells.size(), 65536u);
    EXPECT_EQ(cells[65535].toText(), "t65535");
    cells.push_back(Value::text("again"));
    EXPECT_EQ(cells[65536].toText(), "again");

    cells.shrink(0);
    EXPECT_EQ(cells.size(), 0u);
    cells.push_back(Value::real(0.5));
    EXPECT_EQ(cells[0].toDouble(), 0.5);
}

}  // namespace
