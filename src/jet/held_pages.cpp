#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <unordered_set>
#include <vector>

#include "import_budget.h"

namespace jet {
namespace {

constexpr int kVersionOffset = 0x14;
constexpr int kKeyOffset = 0x3E;
// What the header's RC4 mask puts over a database key of 0 at its offset: any other stored value means
// the pages themselves are encrypted, and their types cannot be read.
constexpr std::uint32_t kMaskedZeroKey = 0x4ebc8afb;
constexpr std::uint32_t kLongValueOwner = 0x4C41564C;  // "LVAL"
constexpr std::uint64_t kAlwaysHeldPages = 3;
constexpr std::uint64_t kJet3LargestFile = 1ull << 30;  // Access 97
constexpr std::uint64_t kJet4LargestFile = 2ull << 30;  // Access 2000 and later
constexpr std::uint64_t kBlockPages = 256;          // the header, the global usage map, the catalogue

enum PageType : std::uint8_t { kData = 0x01, kDefinition = 0x02, kIndex = 0x03, kLeafIndex = 0x04, kUsageMap = 0x05 };

std::uint32_t read32(const std::uint8_t* b) {
    std::uint32_t v;
    std::memcpy(&v, b, 4);
    return v;
}

struct PageHead {
    std::uint8_t type = 0;
    std::uint8_t mark = 0;  // 0x01 on every page in use
    std::uint32_t owner = 0;
};

class File {
public:
    explicit File(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~File() {
        if (fd_ >= 0) ::close(fd_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    bool read(std::uint64_t at, void* into, std::size_t n) const {
        return fd_ >= 0 && ::pread(fd_, into, n, static_cast<off_t>(at)) == static_cast<ssize_t>(n);
    }
    // Where data begins at or after `at`: past the end when only a hole follows, `at` itself where the file
    // system cannot say.
    std::uint64_t nextData(std::uint64_t at) const {
        const off_t d = ::lseek(fd_, static_cast<off_t>(at), SEEK_DATA);
        if (d >= 0) return static_cast<std::uint64_t>(d);
        return errno == ENXIO ? UINT64_MAX : at;
    }
    std::uint64_t size() const {
        struct stat sb;
        return fd_ >= 0 && ::fstat(fd_, &sb) == 0 ? static_cast<std::uint64_t>(sb.st_size) : 0;
    }

private:
    int fd_;
};

}  // namespace

std::uint64_t heldBytes(const std::string& path) {
    const File file(path);
    const std::uint64_t size = file.size();
    std::uint8_t header[kKeyOffset + 4];
    if (!file.read(0, header, sizeof header) || std::memcmp(header + 4, "Standard ", 9) != 0) return size;
    if (read32(header + kKeyOffset) != kMaskedZeroKey) return size;
    const std::uint64_t pageSize = header[kVersionOffset] == 0 ? 2048 : 4096;
    // No Jet database grows past its version's largest file, so pages beyond it hold nothing of the
    // database; and without this bound a sparse file of a terabyte would cost minutes of reads and gigabytes
    // of page heads here, before any limit of the importer's applies.
    const std::uint64_t largestFile = pageSize == 2048 ? kJet3LargestFile : kJet4LargestFile;
    std::vector<PageHead> heads(std::min(size, largestFile) / pageSize);
    std::unordered_set<std::uint32_t> definitions;
    // Pages are read a block at a time, and the holes of a sparse file, where no page is, are jumped over.
    std::vector<std::uint8_t> block;
    for (std::uint64_t p = 0; p < heads.size();) {
        const std::uint64_t data = file.nextData(p * pageSize) / pageSize;
        if (data >= heads.size()) break;
        if (data > p) {
            p = data;
            continue;
        }
        const std::uint64_t n = std::min(kBlockPages, heads.size() - p);
        block.resize(n * pageSize);
        if (!file.read(p * pageSize, block.data(), block.size())) break;
        for (std::uint64_t k = 0; k < n; ++k, ++p) {
            const std::uint8_t* b = block.data() + k * pageSize;
            heads[p] = {b[0], b[1], read32(b + 4)};
            if (b[0] == kDefinition && b[1] == 0x01) definitions.insert(static_cast<std::uint32_t>(p));
        }
    }
    std::uint64_t held = 0;
    for (std::uint64_t p = 0; p < heads.size(); ++p) {
        const PageHead& h = heads[p];
        const bool owned = definitions.count(h.owner) != 0;
        held += p < kAlwaysHeldPages || (h.mark == 0x01 && (h.type == kDefinition || h.type == kUsageMap ||
                                                            (h.type == kData && (owned || h.owner == kLongValueOwner)) ||
                                                            ((h.type == kIndex || h.type == kLeafIndex) && owned)));
    }
    return held * pageSize;
}

ImportBudget importBudgetOf(const std::string& path) { return importBudget(heldBytes(path)); }

}  // namespace jet
