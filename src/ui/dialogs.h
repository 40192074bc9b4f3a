#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace quelva {

// Every message box, question and save dialog of the program goes through one object, so that tests can
// answer them from a script instead of blocking on a modal window.
class Dialogs {
public:
    enum class Icon { NoIcon, Critical, Exclamation, Information };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // `title` empty: the application's title, "Quelva". In a question, `defaultNo` makes its "Não" button the default.
    virtual Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& title,
                              bool defaultNo = false) = 0;

    // What the user chose in a save dialog: the file's name as typed (empty when the user gave up) and the
    // type chosen in the list.
    struct SaveChoice {
        QString file;
        QString filter;
    };

    // A save dialog opened in the folder or on the name `suggestedName`, listing the file types `filters` with
    // `selectedFilter` chosen. No extension is added to the name typed: the caller decides it from the name
    // and the type. Replacing an existing file is not asked here.
    virtual SaveChoice saveFile(QWidget* parent, const QString& title, const QString& suggestedName, const QStringList& filters,
                                     const QString& selectedFilter) = 0;

    // An open dialog in `folder` listing the file types `filters`: the name of the file chosen, empty when the
    // user gave up.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& folder, const QStringList& filters) = 0;
};

// The real dialogs of the toolkit.
class QtDialogs : public Dialogs {
public:
    Answer message(QWidget* parent, const QString& text, Icon icon, Buttons buttons, const QString& title,
                      bool defaultNo) override;
    SaveChoice saveFile(QWidget* parent, const QString& title, const QString& suggestedName, const QStringList& filters,
                             const QString& selectedFilter) override;
    QString openFile(QWidget* parent, const QString& title, const QString& folder, const QStringList& filters) override;
};

// The application's title, shown by message boxes without a title of their own.
inline const char* const kApplicationTitle = "Quelva";

}  // namespace quelva
