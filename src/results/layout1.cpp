#include "layouts.h"
#include "grid.h"
#include "grid_rules.h"
#include "result_rows.h"
#include "table_layout.h"

namespace quelva {

namespace {
const char* kFormat1Corner = "Município";
}

void MontarFormato1(const std::shared_ptr<const ResultRows>& result, Grid& grid) {
    if (!result) return;
    TableStyle style;
    style.localitiesDown = true;
    style.corner = QString::fromUtf8(kFormat1Corner);
    style.cornerColour = localityColour();
    style.row0Colour = variableColour();
    style.column0Colour = localityColour();
    style.column0Alignment = Qt::AlignLeft | Qt::AlignVCenter;
    grid.setSource(std::make_shared<const TableLayout>(result, style));
}

}  // namespace quelva
