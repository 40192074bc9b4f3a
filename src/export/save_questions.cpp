#include "save_questions.h"

#include <QFileInfo>

#include "dialogs.h"

namespace quelva {

namespace {

const char* const kReplaceQuestion = "O arquivo %1 já existe.\nDeseja substituí-lo?";
const char* const kSaveFailed = "Não foi possível salvar o arquivo %1.\n%2";

}  // namespace

bool mayReplaceFile(Dialogs& dialogs, QWidget* parent, const QString& file) {
    const QFileInfo existing(file);
    return !(existing.exists() || existing.isSymLink()) ||
           dialogs.message(parent, QString::fromUtf8(kReplaceQuestion).arg(file), Dialogs::Icon::Exclamation,
                           Dialogs::Buttons::YesNo, QString(), true) == Dialogs::Answer::Yes;
}

void tellSaveFailed(Dialogs& dialogs, QWidget* parent, const QString& file, const QString& reason) {
    dialogs.message(parent, QString::fromUtf8(kSaveFailed).arg(file, reason), Dialogs::Icon::Critical, Dialogs::Buttons::Ok,
                    QString());
}

}  // namespace quelva
