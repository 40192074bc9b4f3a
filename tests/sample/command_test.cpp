// The quelva-sample command: repeatable output, the small sample, the record files, and its failures.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "fixture.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string err;
};

std::string readFile(const fs::path& p) { return testing_support::readFile(p.string()); }

class Command : public ::testing::Test {
protected:
    testing_support::TempDir temp;
    fs::path root{temp.path()};

    Outcome run(const std::string& args) const {
        const auto err = root / "stderr.txt";
        const std::string cmd = std::string("'") + QUELVA_SAMPLE_EXE + "' " + args + " >/dev/null 2>'" + err.string() + "'";
        const int rc = std::system(cmd.c_str());
        return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, readFile(err)};
    }
};

const char* const kFiles[] = {"Quelva.mdb", "fichatec.txt", "fichains.txt"};

TEST_F(Command, TwoRunsWriteTheSameBytes) {
    for (const std::string option : {"", " --small", " --small --jet3", " --small --sqlite"}) {
        ASSERT_EQ(run("'" + (root / "a").string() + "'" + option).status, 0);
        ASSERT_EQ(run("'" + (root / "b").string() + "'" + option).status, 0);
        for (const char* f : kFiles) {
            const auto a = readFile(root / "a" / f);
            EXPECT_FALSE(a.empty()) << f;
            EXPECT_TRUE(a == readFile(root / "b" / f)) << f << " differs between runs" << option;
        }
        fs::remove_all(root / "a");
        fs::remove_all(root / "b");
    }
}

TEST_F(Command, SmallSampleIsSmallerAndTheBuildFixtureIsCurrent) {
    ASSERT_EQ(run("'" + (root / "full").string() + "'").status, 0);
    ASSERT_EQ(run("--small '" + (root / "small").string() + "'").status, 0);
    EXPECT_LT(fs::file_size(root / "small" / "Quelva.mdb") * 5, fs::file_size(root / "full" / "Quelva.mdb"));
    for (const char* f : kFiles)
        EXPECT_TRUE(readFile(root / "small" / f) == readFile(fs::path(QUELVA_SMALL_SAMPLE_DIR) / f))
            << f << " of the build's fixture is not what the generator writes now";
}

TEST_F(Command, ReplacesEarlierFilesAndLeavesNoTemporaryOnes) {
    const auto dir = root / "again";
    fs::create_directories(dir);
    std::ofstream(dir / "Quelva.mdb") << "old";
    ASSERT_EQ(run("'" + dir.string() + "'").status, 0);
    EXPECT_EQ(readFile(dir / "Quelva.mdb").substr(0, 20), std::string("\0\1\0\0Standard Jet DB\0", 20));
    std::size_t entries = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        ++entries;
        EXPECT_EQ(e.path().extension() == ".tmp", false) << e.path();
    }
    EXPECT_EQ(entries, 3u);
}

TEST_F(Command, RecordFilesSayTheDataAreInventedWithBoldAndEmptyLines) {
    ASSERT_EQ(run("'" + root.string() + "' --small").status, 0);
    for (const char* f : {"fichatec.txt", "fichains.txt"}) {
        std::ifstream in(root / f);
        std::string line, text;
        int bold = 0, empty = 0, lines = 0;
        while (std::getline(in, line)) {
            ++lines;
            bold += line.rfind("BB", 0) == 0;
            empty += line.empty();
            text += line + "\n";
        }
        EXPECT_EQ(text.rfind("BB", 0), 0u) << f << " opens with a bold title";
        EXPECT_GE(bold, 3) << f;
        EXPECT_GE(empty, 2) << f;
        EXPECT_GT(lines, 10) << f;
        EXPECT_NE(text.find("FICTÍCIOS"), std::string::npos) << f;
        EXPECT_NE(text.find("ção"), std::string::npos) << f << " is UTF-8 Portuguese";
    }
}

TEST_F(Command, FolderThatCannotBeMadeFailsWithAMessage) {
    const auto file = root / "arquivo";
    std::ofstream(file) << "x";
    for (const auto& bad : {file, file / "dentro"}) {
        const auto r = run("'" + bad.string() + "'");
        EXPECT_EQ(r.status, 1) << bad;
        EXPECT_NE(r.err.find(bad.string()), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("quelva-sample:"), std::string::npos) << r.err;
    }
    EXPECT_EQ(readFile(file), "x");
}

TEST_F(Command, WrongArgumentsShowTheUsage) {
    for (const std::string& args : std::vector<std::string>{"", "--grande '" + root.string() + "'", "'" + root.string() + "' outra",
                                                            "'" + root.string() + "' --jet3 --sqlite"}) {
        const auto r = run(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_NE(r.err.find("uso: quelva-sample PASTA [--small] [--jet3 | --sqlite]"), std::string::npos) << args << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(root / "Quelva.mdb"));
}

}  // namespace
