#include "region_groups.h"

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

}  // namespace

QString switchFamilyQuestion(RegionFamily family) {
    return QString::fromUtf8(family == RegionFamily::RaRg ? kRaRgQuestion : kDradsQuestion);
}

QString switchFamilyTitle() { return QString::fromUtf8(kSwitchTitle); }

}  // namespace quelva
