#include "frm_ficha_tecnica.h"

namespace quelva {

namespace {
constexpr char kTitulo[] = "Ficha Técnica";
constexpr char kArquivo[] = "fichatec.txt";
constexpr char kNomeBotaoFechar[] = "FrmFichaTecnica_cmdfechar";
}  // namespace

FrmFichaTecnica::FrmFichaTecnica(const QString& pastaPrograma, ErrorPolicy& politica, QWidget* pai)
    : FrmFicha({kTitulo, kArquivo, kNomeBotaoFechar}, pastaPrograma, politica, pai) {
    setObjectName(QStringLiteral("FrmFichaTecnica"));
}

}  // namespace quelva
