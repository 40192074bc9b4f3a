#include "save_questions.h"

#include <QFile>
#include <QFileInfo>
#include <exception>

#include "atomic_file.h"
#include "dialogs.h"
#include "wait_cursor.h"

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

void writeWholeFile(const QString& file, const std::function<QByteArray()>& make) {
    xls::AtomicFile out(QFile::encodeName(file).toStdString());
    const QByteArray bytes = make();
    out.write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    out.commit();
}

bool saveWholeFile(Dialogs& dialogs, QWidget* parent, const QString& file, const std::function<QByteArray()>& make) {
    if (!mayReplaceFile(dialogs, parent, file)) return false;
    QString failure;
    try {
        WaitCursor wait;
        writeWholeFile(file, make);
    } catch (const std::exception& e) {
        failure = QString::fromUtf8(e.what());
    }
    // Told once the wait cursor is gone.
    if (failure.isEmpty()) return true;
    tellSaveFailed(dialogs, parent, file, failure);
    return false;
}

}  // namespace quelva
