// The sample in its Jet forms, as mdbtools read it, cell by cell against the tables the generator describes.
#include <gtest/gtest.h>

#include "fixture.h"
#include "generator.h"
#include "mdb_tools.h"

namespace {

std::string exported(const sample::Field& f) {
    if (const auto* i = std::get_if<std::int64_t>(&f)) return std::to_string(*i);
    if (const auto* s = std::get_if<std::string>(&f)) return *s;
    return "";
}

void expectSame(const std::string& file, const sample::Table& t) {
    SCOPED_TRACE(t.name);
    const auto rows = mdb_tools::exportTable(file, t.name);
    ASSERT_EQ(rows.size(), t.rows.size() + 1);
    for (std::size_t c = 0; c < t.columns.size(); ++c) EXPECT_EQ(rows[0].at(c), t.columns[c].name);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        ASSERT_EQ(rows[r + 1].size(), t.columns.size()) << "row " << r;
        for (std::size_t c = 0; c < t.columns.size(); ++c) {
            // Yes/No: mdb-export prints 1 for the -1 that Jet means by True.
            const std::string want = t.columns[c].type == sample::ColumnType::Boolean
                                         ? (std::get<std::int64_t>(t.rows[r][c]) != 0 ? "1" : "0")
                                         : exported(t.rows[r][c]);
            EXPECT_EQ(rows[r + 1][c], want) << "row " << r << " " << t.columns[c].name;
        }
    }
}

TEST(JetForm, EveryTableOfTheSmallSampleInBothVersions) {
    const auto tables = sample::sampleTables(sample::buildPlan(sample::smallSizes()));
    for (const char* dir : {QUELVA_SMALL_SAMPLE_DIR, QUELVA_SMALL_JET3_SAMPLE_DIR}) {
        const std::string file = std::string(dir) + "/Quelva.mdb";
        std::string listed;
        for (const auto& t : tables) {
            expectSame(file, t);
            listed += t.name + "\n";
        }
        EXPECT_EQ(mdb_tools::run("mdb-tables -1 '" + file + "'"), listed);
    }
}

// The repeated group's table: 253 columns, and rows of hundreds of pages.
TEST(JetForm, TheWidestTableOfTheFullSample) {
    testing_support::TempDir temp;
    sample::generateSample(temp.path(), sample::fullSizes());
    const auto tables = sample::sampleTables(sample::buildPlan(sample::fullSizes()));
    std::size_t widest = 0;
    for (std::size_t i = 0; i < tables.size(); ++i)
        if (tables[i].columns.size() > tables[widest].columns.size()) widest = i;
    ASSERT_EQ(tables[widest].columns.size(), 253u);
    expectSame(temp.file("Quelva.mdb"), tables[widest]);
}

}  // namespace
