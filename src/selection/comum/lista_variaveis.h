#pragma once
#include <QHash>
#include <QString>

class QListWidget;
class QListWidgetItem;

namespace quelva {

class ErrorPolicy;
struct Estado;

// The variable list pair every panel that lists variables holds: a visible check-box list of names and a
// hidden list of codes, matched by position. The check marks are a view of Selecionada in VetorVariavel:
// filled from it, and every change written back at once. One mechanism for the three panels.
class ListasVariaveis {
public:
    explicit ListasVariaveis(Estado& estado) : estado_(estado) {}

    // The first position of VetorVariavel whose code, as text, equals `codigo` exactly; -1 when none.
    int posicaoDoCodigo(const QString& codigo);

    // Sets the name list's check marks from VetorVariavel, with the write-through off meanwhile.
    void Ger_AtualizarListaVariavel(QListWidget& codigos, QListWidget& nomes);

    // Writes the current entry's check mark into VetorVariavel (nothing without a current entry, or while
    // the marks are being set from the table).
    void Ger_AtualizarVetorVariavel(QListWidget& codigos, QListWidget& nomes);

    // Empties both lists.
    void limpar(QListWidget& codigos, QListWidget& nomes);
    // Appends one variable to both lists (a check box, unticked, in the name list).
    void acrescentar(QListWidget& codigos, QListWidget& nomes, const QString& codigo, const QString& nome);

    // "&Marcar todas" and "&Desmarcar todas": every listed entry, each recorded as a click would.
    // `esconder`: hide the name list during the loop, so that it is repainted once.
    void marcarTodas(QListWidget& codigos, QListWidget& nomes, bool marcar, bool esconder);

    // Makes the name list record every change of a check mark or of the current entry.
    void ligar(QListWidget& codigos, QListWidget& nomes, ErrorPolicy& politica);

private:
    void indexar();
    Estado& estado_;
    QHash<QString, int> posicoes_;
    bool indexado_ = false;
};

}  // namespace quelva
