#include "salvar_excel.h"

#include <QFileInfo>
#include <exception>

#include "banco.h"
#include "cursor_espera.h"
#include "dialogos.h"
#include "estado.h"
#include "grade.h"
#include "planilha.h"
#include "quelva_limits.h"
#include "workbook.h"

namespace quelva {

namespace {

const char* const kNaoPodeSalvar = "Este formato não pode ser salvo em Excel.";
const char* const kLimiteLinhas = "O Excel não suporta mais de 65530 linhas.";
const char* const kLimiteColunas = "O Excel não suporta mais de 255 colunas.";
const char* const kSeparadorLimite = "\n\r\n\r";
const char* const kTituloSalvar = "Salvar como";
const char* const kFiltro = "*.xls";
const char* const kExtensao = ".xls";
const char* const kSubstituir = "O arquivo %1 já existe.\nDeseja substituí-lo?";
const char* const kFalhaSalvar = "Não foi possível salvar o arquivo %1.\n%2";

void avisarLimite(const ExportacaoExcel& e, const char* limite) {
    e.dialogos.mensagem(e.pai, QString::fromUtf8(kNaoPodeSalvar) + QString::fromUtf8(kSeparadorLimite) + QString::fromUtf8(limite),
                        Dialogos::Icone::Critico, Dialogos::Botoes::Ok, QString());
}

// The message frame shown while the export works, hidden however it ends.
class MensagemVisivel {
public:
    explicit MensagemVisivel(const std::function<void(bool)>& f) : f_(f) { if (f_) f_(true); }
    ~MensagemVisivel() { if (f_) f_(false); }
    MensagemVisivel(const MensagemVisivel&) = delete;
    MensagemVisivel& operator=(const MensagemVisivel&) = delete;

private:
    const std::function<void(bool)>& f_;
};

}  // namespace

void SalvarExcel(const ExportacaoExcel& e) {
    if (e.grade.linhas() > kMaxExportRows) return avisarLimite(e, kLimiteLinhas);
    if (e.grade.colunas() > kMaxExportColumns) return avisarLimite(e, kLimiteColunas);

    const QString pasta = QString::fromStdString(e.estado.banco.pastaPrograma());
    QString arquivo = e.dialogos.salvarArquivo(e.pai, QString::fromUtf8(kTituloSalvar), pasta, QString::fromUtf8(kFiltro));
    if (arquivo.isEmpty()) return;
    if (QFileInfo(arquivo).suffix().isEmpty()) arquivo += QString::fromUtf8(kExtensao);
    if (QFileInfo::exists(arquivo) &&
        e.dialogos.mensagem(e.pai, QString::fromUtf8(kSubstituir).arg(arquivo), Dialogos::Icone::Exclamacao, Dialogos::Botoes::SimNao,
                            QString(), true) != Dialogos::Resposta::Sim)
        return;

    QString falha;
    {
        MensagemVisivel mensagem(e.mostrarMensagem);
        CursorEspera espera;
        try {
            xls::Workbook pasta;
            xls::Sheet& planilha = pasta.addSheet(nomePlanilha(e.aba).toStdU16String());
            const int LinhaPlanilha = PreencherPlanilha(planilha, e.grade, e.estado);
            EscreverNotasPlanilha(pasta, planilha, LinhaPlanilha, e.estado);
            pasta.save(arquivo.toStdString());
        } catch (const std::exception& erro) {
            falha = QString::fromUtf8(erro.what());
        }
    }
    if (!falha.isEmpty())
        e.dialogos.mensagem(e.pai, QString::fromUtf8(kFalhaSalvar).arg(arquivo, falha), Dialogos::Icone::Critico, Dialogos::Botoes::Ok,
                            QString());
}

}  // namespace quelva
