#include "locality_selection.h"

#include <span>

namespace quelva {

namespace {

std::span<const AreaBand> selectionBands(RegionFamily family) {
    if (family == RegionFamily::RaRg) return kRaRgSelectionBands;
    return {&kDradsBand, 1};
}

}  // namespace

std::optional<RegionFamily> regionFamily(int code) {
    if (kRaRgBand.contains(code)) return RegionFamily::RaRg;
    if (kDradsBand.contains(code)) return RegionFamily::Drads;
    return std::nullopt;
}

RegionFamily otherFamily(RegionFamily family) {
    return family == RegionFamily::RaRg ? RegionFamily::Drads : RegionFamily::RaRg;
}

bool LocalitySelection::anySelected(AreaBand band) const {
    for (int c = band.first; c <= band.last; ++c)
        if (isMarked(c)) return true;
    return false;
}

bool LocalitySelection::familySelected(RegionFamily family) const {
    for (const AreaBand& b : selectionBands(family))
        if (anySelected(b)) return true;
    return false;
}

void LocalitySelection::setMark(int code, bool marked) {
    if (code < 0 || code > kMaxAreaCode) return;
    marks_[static_cast<std::size_t>(code)] = marked;
}

void LocalitySelection::clearFamily(RegionFamily family) {
    for (const AreaBand& b : selectionBands(family))
        for (int c = b.first; c <= b.last; ++c) setMark(c, false);
}

bool LocalitySelection::mixesRegionFamilies() const {
    return (anySelected(kRaRgCheckBands[0]) || anySelected(kRaRgCheckBands[1])) && anySelected(kDradsBand);
}

}  // namespace quelva
