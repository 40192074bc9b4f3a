#pragma once
#include "info_window.h"
#include "record_window.h"

namespace quelva {

// The institutional record window: the file "fichains.txt" of the program folder, which tells who made the
// survey: the institutions and teams behind it.
class FrmFichaInstitucional : public RecordWindow {
    Q_OBJECT
public:
    FrmFichaInstitucional(const std::string& programFolder, ErrorPolicy& policy, QWidget* parent = nullptr);
};

}  // namespace quelva
