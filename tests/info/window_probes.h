#pragma once
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

#include "grade.h"
#include "impressao_qt.h"

namespace info_probes {

// The grid an information window shows, found as the user's tools would find it: by its control name.
inline quelva::VisaoGrade* windowGridView(const QWidget& window) {
    return window.findChild<quelva::VisaoGrade*>(QStringLiteral("MSFlexGrid1"));
}

inline const quelva::Grade* windowGrid(const QWidget& window) {
    const quelva::VisaoGrade* view = windowGridView(window);
    return view ? view->grid() : nullptr;
}

// Column 0 of a grid, row by row: the text and whether it is bold.
inline std::vector<std::pair<QString, bool>> firstColumn(const quelva::Grade& grid) {
    std::vector<std::pair<QString, bool>> rows;
    for (int l = 0; l < grid.linhas(); ++l) rows.emplace_back(grid.texto(l, 0), grid.celula(l, 0).negrito);
    return rows;
}

}  // namespace info_probes
