#include "excel_export.h"

#include <QFile>
#include <exception>
#include <memory>

#include "survey_database.h"
#include "wait_cursor.h"
#include "csv_sink.h"
#include "dialogs.h"
#include "run_state.h"
#include "shown_message.h"
#include "file_types.h"
#include "grid.h"
#include "worksheet.h"
#include "export_limits.h"
#include "save_folder.h"
#include "save_questions.h"
#include "xls_sink.h"
#include "xlsx_sink.h"

namespace quelva {

namespace {

const char* const kCannotSave = "Este formato não pode ser salvo em Excel.";
const char* const kRowLimit = "O Excel não suporta mais de 65530 linhas.";
const char* const kColumnLimit = "O Excel não suporta mais de 255 colunas.";
const char* const kLimitSeparator = "\n\r\n\r";
const char* const kSaveTitle = "Salvar como";

void warnLimit(const ExportRequest& e, const char* limit) {
    e.dialogs.message(e.parent, QString::fromUtf8(kCannotSave) + QString::fromUtf8(kLimitSeparator) + QString::fromUtf8(limit),
                       Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
}

std::unique_ptr<SheetSink> openSink(FileType type, const std::string& file) {
    switch (type) {
    case FileType::Xlsx: return std::make_unique<XlsxSink>(file);
    case FileType::Csv: return std::make_unique<CsvSink>(file);
    case FileType::Xls: break;
    }
    return std::make_unique<XlsSink>(file);
}

}  // namespace

void SalvarExcel(const ExportRequest& e) {
    // A grid the .xls cannot hold is offered as .xlsx; the .xls limits are told only when it is still chosen.
    const bool tooTall = e.grid.rows() > kMaxExportRows, tooWide = e.grid.columns() > kMaxExportColumns;
    const QString folder = firstSaveFolder(e.state.session.database().programFolder());
    const Dialogs::SaveChoice choice = e.dialogs.saveFile(e.parent, QString::fromUtf8(kSaveTitle), folder, saveFilters(),
                                                                filterOf(tooTall || tooWide ? FileType::Xlsx : FileType::Xls));
    if (choice.file.isEmpty()) return;
    const ChosenFile target = resolveChosenFile(choice.file, choice.filter);
    if (target.type == FileType::Xls && tooTall) return warnLimit(e, kRowLimit);
    if (target.type == FileType::Xls && tooWide) return warnLimit(e, kColumnLimit);
    const QString& file = target.path;
    if (!mayReplaceFile(e.dialogs, e.parent, file)) return;

    QString failure;
    {
        ShownMessage message(e.showMessage);
        message.show();
        WaitCursor waitCursor;
        try {
            const std::unique_ptr<SheetSink> sheet = openSink(target.type, QFile::encodeName(file).toStdString());
            const int LinhaPlanilha = PreencherPlanilha(*sheet, e.tab, e.grid, e.state);
            EscreverNotasPlanilha(*sheet, LinhaPlanilha, e.state);
            sheet->save();
        } catch (const std::exception& error) {
            failure = QString::fromUtf8(error.what());
        }
    }
    if (!failure.isEmpty()) tellSaveFailed(e.dialogs, e.parent, file, failure);
}

}  // namespace quelva
