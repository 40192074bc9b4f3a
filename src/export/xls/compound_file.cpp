#include "compound_file.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <string_view>

#include "byte_buffer.h"

namespace xls {

namespace {

constexpr std::size_t kSectorSize = 512;
constexpr std::uint32_t kIdsPerSector = kSectorSize / 4;
constexpr std::uint32_t kHeaderFatIds = 109;  // the header lists the first FAT sectors itself,
constexpr std::uint32_t kDifatIdsPerSector = kIdsPerSector - 1;  // DIFAT sectors the rest, in a chain
constexpr std::size_t kDirectoryEntrySize = 128;

constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;

constexpr std::array<std::uint8_t, 8> kSignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
// The class of the root storage: an Excel workbook.
constexpr std::array<std::uint8_t, 16> kExcelClass = {0x20, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                      0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::array<std::uint8_t, 16> kNoClass = {};

std::uint32_t sectorsFor(std::size_t bytes, std::size_t per) { return static_cast<std::uint32_t>((bytes + per - 1) / per); }

// Sector order in the file: the stream, the directory, the FAT, the DIFAT. The FAT maps every sector,
// its own included, so its size is found by growing it until it covers the whole.
struct Layout {
    std::size_t streamSize = 0;
    std::uint32_t streamSectors = 0;
    std::uint32_t fatSectors = 1;
    std::uint32_t difatSectors = 0;

    explicit Layout(std::size_t size) : streamSize(std::max(size, kMiniStreamCutoff)) {
        streamSectors = sectorsFor(streamSize, kSectorSize);
        for (;;) {
            difatSectors = fatSectors > kHeaderFatIds ? sectorsFor(fatSectors - kHeaderFatIds, kDifatIdsPerSector) : 0;
            const std::uint32_t needed = sectorsFor(std::size_t{totalSectors()}, kIdsPerSector);
            if (needed <= fatSectors) break;
            fatSectors = needed;
        }
    }
    std::uint32_t directory() const { return streamSectors; }
    std::uint32_t firstFat() const { return streamSectors + 1; }
    std::uint32_t firstDifat() const { return firstFat() + fatSectors; }
    std::uint32_t totalSectors() const { return streamSectors + 1 + fatSectors + difatSectors; }
};

void directoryEntry(ByteBuffer& out, std::u16string_view name, std::uint8_t type, std::uint32_t child,
                    const std::array<std::uint8_t, 16>& cls, std::uint32_t start, std::uint32_t size) {
    [[maybe_unused]] const std::size_t at = out.size();
    for (char16_t c : name) out.u16(c);
    out.zeros(64 - 2 * name.size());
    out.u16(static_cast<std::uint16_t>(name.empty() ? 0 : 2 * (name.size() + 1)));  // with its final zero
    out.u8(type);
    out.u8(type == 0 ? 0 : 1);  // black: a tree of one node per level
    out.u32(kNoStream);         // no siblings
    out.u32(kNoStream);
    out.u32(child);
    out.append(cls.data(), cls.size());
    out.zeros(4 + 8 + 8);  // state bits, creation and modification times
    out.u32(start);
    out.u32(size);
    out.u32(0);
    assert(out.size() - at == kDirectoryEntrySize);
}

ByteBuffer header(const Layout& l) {
    ByteBuffer out;
    out.append(kSignature.data(), kSignature.size());
    out.zeros(16);
    out.u16(0x003E);  // minor and major version: 3
    out.u16(0x0003);
    out.u16(0xFFFE);  // little-endian
    out.u16(9);       // sectors of 2^9 bytes,
    out.u16(6);       // mini sectors of 2^6
    out.zeros(6);
    out.u32(0);  // directory sectors: not counted in version 3
    out.u32(l.fatSectors);
    out.u32(l.directory());
    out.u32(0);
    out.u32(kMiniStreamCutoff);
    out.u32(kEndOfChain);  // no mini FAT
    out.u32(0);
    out.u32(l.difatSectors ? l.firstDifat() : kEndOfChain);
    out.u32(l.difatSectors);
    for (std::uint32_t i = 0; i < kHeaderFatIds; ++i) out.u32(i < l.fatSectors ? l.firstFat() + i : kFree);
    assert(out.size() == kSectorSize);
    return out;
}

// The directory, FAT and DIFAT sectors that follow the stream.
ByteBuffer tables(const Layout& l) {
    ByteBuffer out;
    directoryEntry(out, u"Root Entry", 5, 1, kExcelClass, kEndOfChain, 0);
    directoryEntry(out, u"Workbook", 2, kNoStream, kNoClass, 0, static_cast<std::uint32_t>(l.streamSize));
    while (out.size() < kSectorSize) directoryEntry(out, u"", 0, kNoStream, kNoClass, 0, 0);

    for (std::uint32_t s = 1; s < l.streamSectors; ++s) out.u32(s);
    out.u32(kEndOfChain);  // the stream's last sector
    out.u32(kEndOfChain);  // the directory, one sector
    for (std::uint32_t i = 0; i < l.fatSectors; ++i) out.u32(kFatSector);
    for (std::uint32_t i = 0; i < l.difatSectors; ++i) out.u32(kDifatSector);
    for (std::uint32_t i = l.totalSectors(); i < l.fatSectors * kIdsPerSector; ++i) out.u32(kFree);

    std::uint32_t fat = kHeaderFatIds;
    for (std::uint32_t d = 0; d < l.difatSectors; ++d) {
        for (std::uint32_t i = 0; i < kDifatIdsPerSector; ++i, ++fat) out.u32(fat < l.fatSectors ? l.firstFat() + fat : kFree);
        out.u32(d + 1 < l.difatSectors ? l.firstDifat() + d + 1 : kEndOfChain);
    }
    assert(out.size() == kSectorSize * (l.totalSectors() - l.streamSectors));
    return out;
}

}  // namespace

void writeCompoundFile(std::span<const std::uint8_t> stream, const WriteBytes& write) {
    assert(stream.size() <= kMaxStreamSize);
    const Layout layout(stream.size());
    write(header(layout).bytes().data(), kSectorSize);
    write(stream.data(), stream.size());
    static constexpr std::array<std::uint8_t, kMiniStreamCutoff> kZeros{};
    for (std::size_t pad = std::size_t{layout.streamSectors} * kSectorSize - stream.size(); pad > 0;) {
        const std::size_t n = std::min(pad, kZeros.size());
        write(kZeros.data(), n);
        pad -= n;
    }
    const ByteBuffer rest = tables(layout);
    write(rest.bytes().data(), rest.size());
}

}  // namespace xls
