#include "salvar_excel.h"

#include <QFileInfo>
#include <exception>
#include <memory>

#include "banco.h"
#include "cursor_espera.h"
#include "csv_sink.h"
#include "dialogos.h"
#include "estado.h"
#include "file_types.h"
#include "grade.h"
#include "planilha.h"
#include "quelva_limits.h"
#include "xls_sink.h"
#include "xlsx_sink.h"

namespace quelva {

namespace {

const char* const kNaoPodeSalvar = "Este formato não pode ser salvo em Excel.";
const char* const kLimiteLinhas = "O Excel não suporta mais de 65530 linhas.";
const char* const kLimiteColunas = "O Excel não suporta mais de 255 colunas.";
const char* const kSeparadorLimite = "\n\r\n\r";
const char* const kTituloSalvar = "Salvar como";
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

std::unique_ptr<SheetSink> openSink(FileType tipo, const std::string& arquivo) {
    switch (tipo) {
    case FileType::Xlsx: return std::make_unique<XlsxSink>(arquivo);
    case FileType::Csv: return std::make_unique<CsvSink>(arquivo);
    case FileType::Xls: break;
    }
    return std::make_unique<XlsSink>(arquivo);
}

}  // namespace

void SalvarExcel(const ExportacaoExcel& e) {
    // A grid the .xls cannot hold is offered as .xlsx; the .xls limits are told only when it is still chosen.
    const bool alto = e.grade.linhas() > kMaxExportRows, largo = e.grade.colunas() > kMaxExportColumns;
    const QString pasta = QString::fromStdString(e.estado.banco.pastaPrograma());
    const Dialogos::SaveChoice escolha = e.dialogos.salvarArquivo(e.pai, QString::fromUtf8(kTituloSalvar), pasta, saveFilters(),
                                                                   filterOf(alto || largo ? FileType::Xlsx : FileType::Xls));
    if (escolha.file.isEmpty()) return;
    const ChosenFile destino = resolveChosenFile(escolha.file, escolha.filter);
    if (destino.type == FileType::Xls && alto) return avisarLimite(e, kLimiteLinhas);
    if (destino.type == FileType::Xls && largo) return avisarLimite(e, kLimiteColunas);
    const QString& arquivo = destino.path;
    if (QFileInfo::exists(arquivo) &&
        e.dialogos.mensagem(e.pai, QString::fromUtf8(kSubstituir).arg(arquivo), Dialogos::Icone::Exclamacao, Dialogos::Botoes::SimNao,
                            QString(), true) != Dialogos::Resposta::Sim)
        return;

    QString falha;
    {
        MensagemVisivel mensagem(e.mostrarMensagem);
        CursorEspera espera;
        try {
            const std::unique_ptr<SheetSink> planilha = openSink(destino.type, arquivo.toStdString());
            const int LinhaPlanilha = PreencherPlanilha(*planilha, e.aba, e.grade, e.estado);
            EscreverNotasPlanilha(*planilha, LinhaPlanilha, e.estado);
            planilha->save();
        } catch (const std::exception& erro) {
            falha = QString::fromUtf8(erro.what());
        }
    }
    if (!falha.isEmpty())
        e.dialogos.mensagem(e.pai, QString::fromUtf8(kFalhaSalvar).arg(arquivo, falha), Dialogos::Icone::Critico, Dialogos::Botoes::Ok,
                            QString());
}

}  // namespace quelva
