#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QComboBox;

namespace quelva {

class ErrorPolicy;

// Typing into a closed drop-down list chooses the first entry whose text begins with the letters typed in
// quick succession, ignoring case; typing the same letter again moves on to the next entry that begins with it.
// Letters that begin no entry leave the choice as it is.
class TypeToFind : public QObject {
public:
    TypeToFind(QComboBox* list, ErrorPolicy& policy);

protected:
    bool eventFilter(QObject* target, QEvent* e) override;

private:
    void find(const QString& text);
    int firstBeginningWith(const QString& prefix, int from) const;

    QComboBox* list_;
    ErrorPolicy& policy_;
    QString typed_;
    QElapsedTimer lastKey_;
};

}  // namespace quelva
