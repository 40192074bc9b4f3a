#pragma once
#include "frm_ficha.h"
#include "janela_informacao.h"

namespace quelva {

// The institutional record window: the file "fichains.txt" of the program folder, which tells who made the
// survey: the institutions and teams behind it.
class FrmFichaInstitucional : public FrmFicha {
    Q_OBJECT
public:
    FrmFichaInstitucional(const QString& pastaPrograma, ErrorPolicy& politica, QWidget* pai = nullptr);
};

}  // namespace quelva
