#include "region_groups.h"

#include <span>

namespace quelva {

namespace {

const char* const kTitulo = "Seleção de RA/RG e DRADS incompatível";
const char* const kPerguntaRaRg =
    "ATENÇÃO !\r\n"
    "A seleção de RA/RG é icompatível com as DRADS previamente selecionadas\r\n"
    "\r\n"
    "Deseja CONFIMAR a seleção da RA/RG e \r\n"
    "cancelar a seleção de DRADS ? ";
const char* const kPerguntaDrads =
    "ATENÇÃO !\r\n"
    "A seleção de DRADS é icompatível com as RA/RG's previamente selecionadas\r\n"
    "\r\n"
    "Deseja CONFIMAR a seleção da DRAD e \r\n"
    "cancelar a seleção de RA/RG ? ";

std::span<const AreaBand> selectionBands(RegionFamily familia) {
    if (familia == RegionFamily::RaRg) return kRaRgSelectionBands;
    return {&kDradsBand, 1};
}

}  // namespace

std::optional<RegionFamily> regionFamily(int codigo) {
    if (kRaRgBand.contains(codigo)) return RegionFamily::RaRg;
    if (kDradsBand.contains(codigo)) return RegionFamily::Drads;
    return std::nullopt;
}

bool familySelected(const LocalityMarks& marcas, RegionFamily familia) {
    for (const AreaBand& b : selectionBands(familia))
        for (int c = b.first; c <= b.last; ++c)
            if (marcas[static_cast<std::size_t>(c)]) return true;
    return false;
}

void clearFamily(LocalityMarks& marcas, RegionFamily familia) {
    for (const AreaBand& b : selectionBands(familia))
        for (int c = b.first; c <= b.last; ++c) marcas[static_cast<std::size_t>(c)] = false;
}

RegionFamily otherFamily(RegionFamily familia) {
    return familia == RegionFamily::RaRg ? RegionFamily::Drads : RegionFamily::RaRg;
}

QString switchFamilyQuestion(RegionFamily familia) {
    return QString::fromUtf8(familia == RegionFamily::RaRg ? kPerguntaRaRg : kPerguntaDrads);
}

QString switchFamilyTitle() { return QString::fromUtf8(kTitulo); }

}  // namespace quelva
