#include "frm_ficha_institucional.h"

namespace quelva {

namespace {
constexpr char kTitle[] = "Ficha Institucional";
constexpr char kFile[] = "fichains.txt";
}  // namespace

FrmFichaInstitucional::FrmFichaInstitucional(const std::string& programFolder, ErrorPolicy& policy, QWidget* parent)
    : RecordWindow({kTitle, kFile, kFrmFichaInstitucional_cmdfechar}, programFolder, policy, parent) {
    setObjectName(QStringLiteral("FrmFichaInstitucional"));
}

}  // namespace quelva
