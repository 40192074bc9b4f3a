#include "frm_ficha_tecnica.h"

namespace quelva {

namespace {
constexpr char kTitle[] = "Ficha Técnica";
constexpr char kFile[] = "fichatec.txt";
constexpr char kCloseButtonName[] = "FrmFichaTecnica_cmdfechar";
}  // namespace

FrmFichaTecnica::FrmFichaTecnica(const std::string& programFolder, ErrorPolicy& policy, QWidget* parent)
    : RecordWindow({kTitle, kFile, kCloseButtonName}, programFolder, policy, parent) {
    setObjectName(QStringLiteral("FrmFichaTecnica"));
}

}  // namespace quelva
