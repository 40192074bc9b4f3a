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
    TypeToFind(QComboBox* lista, ErrorPolicy& politica);

protected:
    bool eventFilter(QObject* alvo, QEvent* e) override;

private:
    void find(const QString& texto);
    int firstBeginningWith(const QString& inicio, int desde) const;

    QComboBox* lista_;
    ErrorPolicy& politica_;
    QString digitado_;
    QElapsedTimer ultimaTecla_;
};

}  // namespace quelva
