// Damaged copies of the public Jet files, made here from the originals: each kind of damage ends fast, in a
// message that names the file and the table, and never in a short table presented as the data.
#include <glib.h>
#include <mdbtools.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <set>

#include "connection.h"
#include "error.h"
#include "fixture.h"
#include "import_budget.h"

namespace {

using Clock = std::chrono::steady_clock;

// Where a table of a good Jet file keeps its definition and its rows, read with libmdb from the original.
struct Layout {
    std::size_t pageSize = 0;
    std::size_t rowCountOffset = 0;  // of the row count in a table definition page
    std::size_t definitionPage = 0;
    std::vector<std::size_t> dataPages;
    std::set<std::size_t> longValuePages;  // where the table's memo texts begin
};

std::set<std::size_t> longValuePagesOf(MdbHandle* mdb, MdbCatalogEntry* entry) {
    std::set<std::size_t> pages;
    MdbTableDef* t = mdb_read_table(entry);
    if (!t) return pages;
    mdb_read_columns(t);
    mdb_rewind_table(t);
    while (mdb_fetch_row(t)) {
        for (unsigned i = 0; i < t->num_cols; ++i) {
            auto* c = static_cast<MdbColumn*>(g_ptr_array_index(t->columns, i));
            if (c->col_type != MDB_MEMO || c->cur_value_len < MDB_MEMO_OVERHEAD) continue;
            if (static_cast<unsigned long>(mdb_get_int32(mdb->pg_buf, c->cur_value_start)) & 0x80000000UL) continue;
            pages.insert(static_cast<std::size_t>(mdb_get_int32(mdb->pg_buf, c->cur_value_start + 4)) >> 8);
        }
    }
    mdb_free_tabledef(t);
    return pages;
}

Layout layoutOf(const std::string& path, const std::string& bytes, const std::string& table) {
    Layout l;
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!mdb) return l;
    mdb_read_catalog(mdb, MDB_TABLE);
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* e = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (e->object_type != MDB_TABLE || table != e->object_name) continue;
        l.definitionPage = e->table_pg;
        l.longValuePages = longValuePagesOf(mdb, e);
    }
    l.pageSize = static_cast<std::size_t>(mdb->fmt->pg_size);
    l.rowCountOffset = mdb->fmt->tab_num_rows_offset;
    mdb_close(mdb);
    for (std::size_t p = 1; (p + 1) * l.pageSize <= bytes.size(); ++p) {
        const char* page = bytes.data() + p * l.pageSize;
        if (page[0] != MDB_PAGE_DATA) continue;
        std::uint32_t owner;
        std::memcpy(&owner, page + 4, 4);
        if (owner == l.definitionPage) l.dataPages.push_back(p);
    }
    return l;
}

struct Outcome {
    std::string message;  // empty when the statement ran
    int rows = -1;
    double seconds = 0;
};

// Opens `path` as the program does (every table) or as the console does (the statement's tables only) and
// runs `sql`.
Outcome run(const std::string& path, const std::string& sql, bool wholeFile) {
    Outcome o;
    auto start = Clock::now();
    try {
        jet::Connection db = wholeFile ? jet::Connection::open(path) : jet::Connection::openForStatement(path, sql);
        o.rows = db.openRecordset(sql).recordCount();
    } catch (const jet::Error& e) {
        o.message = e.what();
    }
    o.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return o;
}

class Damaged : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = testing_support::testdataFolder();
        if (folder_.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
        original_ = testing_support::readFile(folder_ + "/nwind.mdb");
        orders_ = layoutOf(folder_ + "/nwind.mdb", original_, "Orders");
        employees_ = layoutOf(folder_ + "/nwind.mdb", original_, "Employees");
        ASSERT_EQ(orders_.pageSize, 2048u);
        ASSERT_GT(orders_.definitionPage, 0u);
        ASSERT_GT(orders_.dataPages.size(), 10u);
        ASSERT_FALSE(employees_.longValuePages.empty());
    }
    std::string write(const std::string& name, const std::string& bytes) {
        testing_support::writeFile(dir_.file(name), bytes);
        return dir_.file(name);
    }
    void zeroPage(std::string& bytes, std::size_t page) const {
        std::memset(bytes.data() + page * orders_.pageSize, 0, orders_.pageSize);
    }
    // The file named, the table named (when the catalogue could still be read), "danificad…" said, quickly.
    static void expectDamaged(const Outcome& o, const std::string& path, const std::string& table) {
        EXPECT_EQ(o.rows, -1) << "a damaged table read as " << o.rows << " rows";
        EXPECT_NE(o.message.find(path), std::string::npos) << o.message;
        if (!table.empty()) {
            EXPECT_NE(o.message.find("'" + table + "'"), std::string::npos) << o.message;
        }
        EXPECT_NE(o.message.find("danificad"), std::string::npos) << o.message;
        EXPECT_LT(o.seconds, 10);
    }
    testing_support::TempDir dir_;
    std::string folder_, original_;
    Layout orders_, employees_;
};

TEST_F(Damaged, ATableWhoseDataPagesWereZeroedIsNoEmptyTable) {
    std::string bytes = original_;
    for (std::size_t p : orders_.dataPages) zeroPage(bytes, p);
    const std::string path = write("zerada.mdb", bytes);
    Outcome o = run(path, "select * from Orders", false);
    expectDamaged(o, path, "Orders");
    expectDamaged(run(path, "select * from Customers", true), path, "Orders");
    // The console reads only what its statement needs: the other tables answer.
    EXPECT_EQ(run(path, "select * from Customers", false).rows, 91);
}

TEST_F(Damaged, AFlippedBitInARowCountIsCaughtWhereverItLands) {
    std::string low = original_, high = original_;
    const std::size_t at = orders_.definitionPage * orders_.pageSize + orders_.rowCountOffset;
    low[at] = static_cast<char>(low[at] ^ 0x01);             // 830 becomes 831
    high[at + 3] = static_cast<char>(high[at + 3] ^ 0x40);  // more rows than 3 MB can hold
    const std::string one = write("um-bit.mdb", low), many = write("bit-alto.mdb", high);
    Outcome o = run(one, "select OrderID from Orders", false);
    expectDamaged(o, one, "Orders");
    EXPECT_NE(o.message.find("declara 831 registros e só 830"), std::string::npos) << o.message;
    Outcome h = run(many, "select OrderID from Orders", false);
    expectDamaged(h, many, "Orders");
    // The file's size counts the pages that hold its data, not the ones no table owns.
    EXPECT_NE(h.message.find("mais do que um arquivo de " + std::to_string(jet::heldBytes(many)) + " bytes pode conter"),
              std::string::npos) << h.message;
}

TEST_F(Damaged, AZeroedLongValuePageIsNoEmptyMemo) {
    std::string bytes = original_;
    zeroPage(bytes, *employees_.longValuePages.begin());
    const std::string path = write("textos.mdb", bytes);
    Outcome o = run(path, "select Notes from Employees", false);
    expectDamaged(o, path, "Employees");
    EXPECT_NE(o.message.find("texto longo da coluna 'Notes'"), std::string::npos) << o.message;
    EXPECT_EQ(run(path, "select * from Orders", false).rows, 830);
}

TEST_F(Damaged, ATruncationInsideATable) {
    // Cut in the middle of a page of Orders, which also takes later pages of the catalogue: the file as a
    // whole is refused, with what libmdb found in the detail.
    const std::size_t middle = orders_.dataPages[orders_.dataPages.size() / 2];
    const std::string path = write("cortado.mdb", original_.substr(0, middle * orders_.pageSize + orders_.pageSize / 2));
    Outcome o = run(path, "select * from Orders", false);
    expectDamaged(o, path, "");
    EXPECT_NE(o.message.find("beyond EOF"), std::string::npos) << o.message;
}

TEST_F(Damaged, LibmdbWarningsStopTheTableAndAreKeptInTheDetail) {
    // A data page that the table's page map lists but that now says it belongs to another table.
    std::string bytes = original_;
    const std::size_t page = orders_.dataPages[orders_.dataPages.size() / 2];
    bytes[page * orders_.pageSize + 4] = static_cast<char>(bytes[page * orders_.pageSize + 4] ^ 0x10);
    const std::string path = write("dono.mdb", bytes);
    Outcome o = run(path, "select * from Orders", false);
    expectDamaged(o, path, "Orders");
    EXPECT_NE(o.message.find("avisos\n"), std::string::npos) << o.message;
    EXPECT_NE(o.message.find("doesn't match"), std::string::npos) << o.message;
}

TEST(DamagedDefinition, AnotherTablesDefinitionInItsPlaceIsNoEmptyTable) {
    const std::string folder = testing_support::testdataFolder();
    if (folder.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    const std::string source = folder + "/ASampleDatabase.accdb";
    std::string bytes = testing_support::readFile(source);
    const Layout items = layoutOf(source, bytes, "Asset Items");
    ASSERT_EQ(items.pageSize, 4096u);
    // The definition page of an empty system table of the file, swapped with that of "Asset Items".
    std::size_t other = 0;
    for (std::size_t p = 1; p < items.definitionPage && !other; ++p)
        if (bytes[p * items.pageSize] == 2 && layoutOf(source, bytes, "MSysComplexType_IEEESingle").definitionPage == p) other = p;
    ASSERT_GT(other, 0u);
    std::swap_ranges(bytes.begin() + static_cast<long>(other * items.pageSize),
                     bytes.begin() + static_cast<long>((other + 1) * items.pageSize),
                     bytes.begin() + static_cast<long>(items.definitionPage * items.pageSize));
    testing_support::TempDir dir;
    testing_support::writeFile(dir.file("trocada.accdb"), bytes);
    Outcome o = run(dir.file("trocada.accdb"), "select * from [Asset Items]", false);
    EXPECT_EQ(o.rows, -1);
    EXPECT_NE(o.message.find("'Asset Items' está danificada: o catálogo descreve colunas"), std::string::npos) << o.message;
    EXPECT_NE(o.message.find("'Asset No'"), std::string::npos) << o.message;
}

TEST(ImportBudget, ADamagedFileOfTenMegabytesEndsWithinTenSecondsAndOneGigabyte) {
    if (jet::kSanitizedBuild) GTEST_SKIP() << "a sanitizer build is given more time and memory";
    const jet::ImportBudget b = jet::importBudget(10'000'000);
    EXPECT_LE(b.seconds, 9);  // and a second for the program around it
    EXPECT_LT(b.memoryBytes + b.outputBytes * 2, 1ull << 30);  // the importer, and the copy the program receives
    EXPECT_EQ(b.rows, 2'000'000u);
}

TEST(ImportBudget, AGoodFileFitsItsBudget) {
    const std::string folder = testing_support::testdataFolder();
    if (folder.empty()) GTEST_SKIP() << "the shared test data folder (../shared/testdata) is not beside the checkout";
    // Opening imports every table under the budget of its size; the largest is far under its row budget.
    jet::Connection db = jet::Connection::open(folder + "/nwind.mdb");
    EXPECT_LT(db.openRecordset("select * from [Order Details]").recordCount() * 100,
              static_cast<int>(jet::importBudget(3002368).rows));
}

}  // namespace
