#include "estado.h"
#include "formatos.h"
#include "grade.h"
#include "regras_grade.h"
#include "result_rows.h"
#include "table_layout.h"

namespace quelva {

namespace {
const char* kCantoFormato2 = "Variáveis";
}

void MontarFormato2(const std::shared_ptr<const ResultRows>& resultado, Grade& grade) {
    if (!resultado) return;
    TableStyle estilo;
    estilo.localitiesDown = false;
    estilo.canto = QString::fromUtf8(kCantoFormato2);
    estilo.corCanto = variableColour();
    estilo.corLinha0 = localityColour();
    estilo.corColuna0 = variableColour();
    estilo.alinhamento0 = Qt::AlignCenter;
    grade.definirFonte(std::make_shared<const TableLayout>(resultado, estilo));
}

void MontarFormato2(Estado& estado, Grade& grade) { MontarFormato2(readResult(estado), grade); }

}  // namespace quelva
