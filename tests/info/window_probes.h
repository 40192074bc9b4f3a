#pragma once
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "grid.h"
#include "qt_printing.h"

namespace info_probes {

// The grid an information window shows, found as the user's tools would find it: by its control name.
inline quelva::GridTableView* windowGridView(const QWidget& window) {
    return window.findChild<quelva::GridTableView*>(QStringLiteral("MSFlexGrid1"));
}

inline const quelva::Grid* windowGrid(const QWidget& window) {
    const quelva::GridTableView* view = windowGridView(window);
    return view ? view->grid() : nullptr;
}

// Column 0 of a grid, row by row: the text and whether it is bold.
inline std::vector<std::pair<QString, bool>> firstColumn(const quelva::Grid& grid) {
    std::vector<std::pair<QString, bool>> rows;
    for (int l = 0; l < grid.rows(); ++l) rows.emplace_back(grid.text(l, 0), grid.cell(l, 0).bold);
    return rows;
}

}  // namespace info_probes
