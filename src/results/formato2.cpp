#include "estado.h"
#include "formatos.h"
#include "lote_grade.h"
#include "regras_grade.h"

namespace quelva {

namespace {
const char* kCantoFormato2 = "Variáveis";
}

void MontarFormato2(Estado& estado, Grade& grade) {
    jet::Recordset& rs = estado.RsResultado;
    if (rs.recordCount() == 0) {
        estado.HaResultado = false;
        return;
    }
    const int F = rs.fieldCount(), R = rs.recordCount();
    GradeBatch lote(grade);
    grade.definirTamanho(0, 0);
    grade.definirTamanho(F, R + 1);
    grade.definirTexto(0, 0, QString::fromUtf8(kCantoFormato2));
    rs.moveFirst();
    for (int p = 0; !rs.eof(); ++p, rs.moveNext())
        grade.definirTexto(0, p + 1, QString::fromStdString(BuscarDescricao(estado.tabelasCD, rs.field(0), "LOCALIDADE")));
    const std::vector<QString> titulos = fieldTitles(estado.tabelasCD, rs);
    for (int i = 1; i < F; ++i) grade.definirTexto(i, 0, titulos[static_cast<std::size_t>(i)]);

    const RepetitionCount repeticoes = readValues(rs, [&](int p, int i, const QString& v) { grade.definirTexto(i, p + 1, v); });
    grade.definirTamanho(F - repeticoes.dropped(estado.QtdM1), R + 1);
    grade.definirQuebraTexto(true);
    styleTable(grade, variableColour(), localityColour(), variableColour(), Qt::AlignCenter);
    AjustarAlturaLinhas(grade);
}

}  // namespace quelva
