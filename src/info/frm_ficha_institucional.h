#pragma once
#include "frm_ficha.h"

namespace quelva {

// The close button's control name, which the presentation window's button carries too.
inline constexpr char kFrmFichaInstitucional_cmdfechar[] = "FrmFichaInstitucional_cmdfechar";

// The institutional record window: the file "fichains.txt" of the program folder, which tells who made the
// survey: the institutions and teams behind it.
class FrmFichaInstitucional : public FrmFicha {
    Q_OBJECT
public:
    FrmFichaInstitucional(const QString& pastaPrograma, Dialogos& dialogos, QWidget* pai = nullptr);
};

}  // namespace quelva
