#include "estado.h"
#include "formatos.h"
#include "lote_grade.h"
#include "regras_grade.h"

namespace quelva {

namespace {
const char* kCantoFormato1 = "Município";
}

void MontarFormato1(Estado& estado, Grade& grade) {
    jet::Recordset& rs = estado.RsResultado;
    if (rs.recordCount() == 0) {
        estado.HaResultado = false;
        return;
    }
    const int F = rs.fieldCount(), R = rs.recordCount();
    const std::vector<QString> titulos = fieldTitles(estado.tabelasCD, rs);
    GradeBatch lote(grade);
    grade.definirTamanho(0, 0);
    grade.definirTamanho(R + 1, F);
    grade.definirTexto(0, 0, QString::fromUtf8(kCantoFormato1));
    for (int i = 1; i < F; ++i) grade.definirTexto(0, i, titulos[static_cast<std::size_t>(i)]);

    rs.moveFirst();
    for (int p = 0; !rs.eof(); ++p, rs.moveNext())
        grade.definirTexto(p + 1, 0, QString::fromStdString(BuscarDescricao(estado.tabelasCD, rs.field(0), "LOCALIDADE")));
    const RepetitionCount repeticoes = readValues(rs, [&](int p, int i, const QString& v) { grade.definirTexto(p + 1, i, v); });
    grade.definirTamanho(R + 1, F - repeticoes.dropped(estado.QtdM1));
    grade.definirQuebraTexto(true);
    styleTable(grade, localityColour(), variableColour(), localityColour(), Qt::AlignLeft | Qt::AlignVCenter);
    AjustarAlturaLinhas(grade);
}

}  // namespace quelva
