#include "save_steps.h"

#include <QFileInfo>

#include "dialogs.h"

namespace quelva {

namespace {

const char* const kSaveTitle = "Salvar como";
const char* const kReplaceQuestion = "O arquivo %1 já existe.\nDeseja substituí-lo?";
const char* const kSaveFailed = "Não foi possível salvar o arquivo %1.\n%2";

}  // namespace

QString saveDialogTitle() { return QString::fromUtf8(kSaveTitle); }

bool mayReplace(Dialogs& dialogs, QWidget* parent, const QString& file) {
    const QFileInfo existing(file);
    if (!existing.exists() && !existing.isSymLink()) return true;
    return dialogs.message(parent, QString::fromUtf8(kReplaceQuestion).arg(file), Dialogs::Icon::Exclamation, Dialogs::Buttons::YesNo,
                           QString(), true) == Dialogs::Answer::Yes;
}

void reportSaveFailure(Dialogs& dialogs, QWidget* parent, const QString& file, const QString& reason) {
    dialogs.message(parent, QString::fromUtf8(kSaveFailed).arg(file, reason), Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString());
}

}  // namespace quelva
