#include "frm_ficha_institucional.h"

namespace quelva {

namespace {
constexpr char kTitulo[] = "Ficha Institucional";
constexpr char kArquivo[] = "fichains.txt";
}  // namespace

FrmFichaInstitucional::FrmFichaInstitucional(const QString& pastaPrograma, ErrorPolicy& politica, QWidget* pai)
    : FrmFicha({kTitulo, kArquivo, kFrmFichaInstitucional_cmdfechar}, pastaPrograma, politica, pai) {
    setObjectName(QStringLiteral("FrmFichaInstitucional"));
}

}  // namespace quelva
