// The compound document around streams of every size that matters to its layout: below and at the mini
// stream cutoff, the FAT growing a sector, and the FAT's list outgrowing the header into DIFAT sectors.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "compound_file.h"
#include "fixture.h"
#include "xls_reading.h"

using namespace xls_testing;
using testing_support::TempDir;

namespace {

// The test pattern read_xls.py recognises.
std::vector<std::uint8_t> pattern(std::size_t size) {
    std::vector<std::uint8_t> v(size);
    for (std::size_t i = 0; i < size; ++i) v[i] = static_cast<std::uint8_t>((i % 251 * 131 + 7) % 251 + 1);
    return v;
}

std::uint32_t headerField(const std::string& path, std::size_t offset) {
    std::ifstream in(path, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    unsigned char b[4] = {};
    in.read(reinterpret_cast<char*>(b), 4);
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

constexpr std::size_t kFatSectorsField = 0x2C;
constexpr std::size_t kDifatSectorsField = 0x48;

}  // namespace

TEST(XlsCompoundFile, ValidAtEverySizeThatChangesItsLayout) {
    struct Case {
        std::size_t sectors, extraBytes;
        std::uint32_t fat, difat;  // what the case is about: the FAT and DIFAT sector counts
    };
    // One FAT sector maps 128 sectors: its own, the directory's and the stream's. The header lists 109 FAT
    // sectors, each DIFAT sector 127 more.
    const Case cases[] = {
        {0, 1, 1, 0},     {7, 511, 1, 0},     {8, 0, 1, 0},       {8, 1, 1, 0},       {126, 0, 1, 0},
        {126, 1, 2, 0},   {13842, 0, 109, 0}, {13842, 1, 110, 1}, {29970, 0, 236, 1}, {29970, 1, 237, 2},
    };
    TempDir dir;
    std::vector<std::string> paths;
    for (const Case& c : cases) {
        const std::size_t size = c.sectors * 512 + c.extraBytes;
        const std::vector<std::uint8_t> stream = pattern(size);
        paths.push_back(dir.file("fluxo-" + std::to_string(size) + ".bin"));
        xls::AtomicFile file(paths.back());
        xls::writeCompoundFile(stream, [&file](const std::uint8_t* d, std::size_t n) { file.write(d, n); });
        file.commit();
    }
    const auto read = readWithXlrd(paths, true);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        SCOPED_TRACE(paths[i]);
        const std::size_t size = cases[i].sectors * 512 + cases[i].extraBytes;
        const ReadFile& f = read.at(paths[i]);
        EXPECT_EQ(f.fault, "");
        // A short stream is padded with zeros so that it never goes to the mini stream.
        EXPECT_EQ(f.streamSize, std::max<std::size_t>(size, 4096));
        EXPECT_EQ(f.patternBytes, static_cast<long long>(size));
        EXPECT_EQ(headerField(paths[i], kFatSectorsField), cases[i].fat);
        EXPECT_EQ(headerField(paths[i], kDifatSectorsField), cases[i].difat);
    }
}
