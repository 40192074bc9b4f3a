#pragma once
#include "record_window.h"

namespace quelva {

// The technical record window: the file "fichatec.txt" of the program folder, which tells how the survey
// was carried out, its concepts and its coverage.
class FrmFichaTecnica : public RecordWindow {
    Q_OBJECT
public:
    FrmFichaTecnica(const std::string& programFolder, ErrorPolicy& policy, QWidget* parent = nullptr);
};

}  // namespace quelva
