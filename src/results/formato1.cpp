#include "estado.h"
#include "formatos.h"
#include "grade.h"
#include "regras_grade.h"
#include "result_rows.h"
#include "table_layout.h"

namespace quelva {

namespace {
const char* kCantoFormato1 = "Município";
}

void MontarFormato1(const std::shared_ptr<const ResultRows>& resultado, Grade& grade) {
    if (!resultado) return;
    TableStyle estilo;
    estilo.localitiesDown = true;
    estilo.canto = QString::fromUtf8(kCantoFormato1);
    estilo.corCanto = localityColour();
    estilo.corLinha0 = variableColour();
    estilo.corColuna0 = localityColour();
    estilo.alinhamento0 = Qt::AlignLeft | Qt::AlignVCenter;
    grade.definirFonte(std::make_shared<const TableLayout>(resultado, estilo));
}

void MontarFormato1(Estado& estado, Grade& grade) { MontarFormato1(readResult(estado), grade); }

}  // namespace quelva
