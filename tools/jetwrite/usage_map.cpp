#include "usage_map.h"

#include <algorithm>
#include <map>

namespace jetwrite {
namespace {

constexpr std::size_t kInlineHeader = 5;  // the form and the first page
constexpr std::size_t kMapPageHeader = 4;

void setBit(Bytes& b, std::size_t at, std::size_t bit) { b[at + bit / 8] |= static_cast<std::uint8_t>(1 << (bit % 8)); }

}  // namespace

Bytes usageMap(PageFile& file, const std::vector<std::uint32_t>& pages) {
    const Format& f = file.format();
    Bytes map(static_cast<std::size_t>(f.mapSize), 0);
    if (pages.empty()) return map;
    const auto [low, high] = std::minmax_element(pages.begin(), pages.end());
    const std::size_t inlineBits = (map.size() - kInlineHeader) * 8;
    if (*high - *low < inlineBits) {
        put32(map, 1, *low);
        for (std::uint32_t p : pages) setBit(map, kInlineHeader, p - *low);
        return map;
    }
    map[0] = 0x01;
    const std::size_t bits = (static_cast<std::size_t>(f.pageSize) - kMapPageHeader) * 8;
    if (*high / bits >= (map.size() - 1) / 4) throw WriteError("o arquivo passa do tamanho que um mapa de páginas alcança");
    std::map<std::size_t, std::uint32_t> mapPages;
    for (std::uint32_t p : pages) {
        auto [it, added] = mapPages.try_emplace(p / bits, 0);
        if (added) {
            it->second = file.allocate();
            Bytes& m = file.page(it->second);
            m[0] = 0x05;
            m[1] = 0x01;
            put32(map, 1 + 4 * it->first, it->second);
        }
        setBit(file.page(it->second), kMapPageHeader, p % bits);
    }
    return map;
}

}  // namespace jetwrite
