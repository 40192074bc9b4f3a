#include "layouts.h"
#include "grid.h"
#include "grid_rules.h"
#include "result_rows.h"
#include "table_layout.h"

namespace quelva {

namespace {
const char* kFormat2Corner = "Variáveis";
}

void MontarFormato2(const std::shared_ptr<const ResultRows>& result, Grid& grid) {
    if (!result) return;
    TableStyle style;
    style.localitiesDown = false;
    style.corner = QString::fromUtf8(kFormat2Corner);
    style.cornerColour = variableColour();
    style.row0Colour = localityColour();
    style.column0Colour = variableColour();
    style.column0Alignment = Qt::AlignCenter;
    grid.setSource(std::make_shared<const TableLayout>(result, style));
}

}  // namespace quelva
