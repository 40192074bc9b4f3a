#pragma once
#include "frm_ficha.h"

namespace quelva {

// The technical record window: the file "fichatec.txt" of the program folder, which tells how the survey
// was carried out, its concepts and its coverage.
class FrmFichaTecnica : public FrmFicha {
    Q_OBJECT
public:
    FrmFichaTecnica(const QString& pastaPrograma, ErrorPolicy& politica, QWidget* pai = nullptr);
};

}  // namespace quelva
