// The importer's budget follows the pages a Jet file holds, not its length.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fixture.h"
#include "import_budget.h"
#include "jet_writer.h"

namespace {

using namespace jetwrite;

TEST(ImportBudget, PaddingAFileDoesNotRaiseItsBudget) {
    testing_support::TempDir temp;
    for (const Version v : {Version::Jet4, Version::Jet3}) {
        Table t{"Dados", {{"Código", Type::Long}, {"Nome", Type::Text}, {"Nota", Type::Memo}}, {}};
        for (int r = 0; r < 300; ++r) t.rows.push_back({std::int64_t{r}, std::string(200, 'n'), std::string(3000, 'm')});
        const std::string file = temp.file("dados.mdb");
        writeJet(file, v, {t});
        const auto size = std::filesystem::file_size(file);
        EXPECT_EQ(jet::heldBytes(file), size) << "every page the writer writes belongs to the database";
        const jet::ImportBudget before = jet::importBudgetOf(file);
        std::filesystem::resize_file(file, 200u << 20);
        const jet::ImportBudget after = jet::importBudgetOf(file);
        EXPECT_EQ(after.fileBytes, size);
        EXPECT_EQ(after.seconds, before.seconds);
        EXPECT_EQ(after.memoryBytes, before.memoryBytes);
        EXPECT_EQ(after.rows, before.rows);
    }
}

TEST(ImportBudget, PagesBeyondTheLargestJetFileDoNotCount) {
    testing_support::TempDir temp;
    const std::string file = temp.file("dados.mdb");
    writeJet(file, Version::Jet4, {Table{"Dados", {{"Código", Type::Long}}, {{std::int64_t{1}}}}});
    const auto size = std::filesystem::file_size(file);
    const std::uint64_t beyond = 2ull << 30;  // sparse: nothing is written before it
    std::filesystem::resize_file(file, beyond + 4096);
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(beyond));
    f.write("\x02\x01", 2);  // a table definition's head
    f.close();
    EXPECT_EQ(jet::heldBytes(file), size);
}

TEST(ImportBudget, AFileThatIsNoJetFileCountsWhole) {
    testing_support::TempDir temp;
    const std::string file = temp.file("outro.mdb");
    testing_support::writeFile(file, std::string(10000, 'x'));
    EXPECT_EQ(jet::heldBytes(file), 10000u);
}

}  // namespace
