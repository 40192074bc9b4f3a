#include "region_groups.h"

#include <span>

namespace quelva {

namespace {

const char* const kSwitchTitle = "Seleção de RA/RG e DRADS incompatível";
const char* const kRaRgQuestion =
    "ATENÇÃO !\r\n"
    "A seleção de RA/RG é icompatível com as DRADS previamente selecionadas\r\n"
    "\r\n"
    "Deseja CONFIMAR a seleção da RA/RG e \r\n"
    "cancelar a seleção de DRADS ? ";
const char* const kDradsQuestion =
    "ATENÇÃO !\r\n"
    "A seleção de DRADS é icompatível com as RA/RG's previamente selecionadas\r\n"
    "\r\n"
    "Deseja CONFIMAR a seleção da DRAD e \r\n"
    "cancelar a seleção de RA/RG ? ";

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

bool familySelected(const LocalityMarks& marks, RegionFamily family) {
    for (const AreaBand& b : selectionBands(family))
        for (int c = b.first; c <= b.last; ++c)
            if (marks[static_cast<std::size_t>(c)]) return true;
    return false;
}

void clearFamily(LocalityMarks& marks, RegionFamily family) {
    for (const AreaBand& b : selectionBands(family))
        for (int c = b.first; c <= b.last; ++c) marks[static_cast<std::size_t>(c)] = false;
}

RegionFamily otherFamily(RegionFamily family) {
    return family == RegionFamily::RaRg ? RegionFamily::Drads : RegionFamily::RaRg;
}

QString switchFamilyQuestion(RegionFamily family) {
    return QString::fromUtf8(family == RegionFamily::RaRg ? kRaRgQuestion : kDradsQuestion);
}

QString switchFamilyTitle() { return QString::fromUtf8(kSwitchTitle); }

}  // namespace quelva
