#pragma once
#include <QTreeWidget>
#include <vector>

namespace jet { class Recordset; }

namespace quelva {

// A two-level tree of themes and subthemes. Nodes carry keys ("T" + theme code, "ST" + subtheme code) and are
// numbered from 1 in insertion order; that number is what the panels remember as their bold node.
class ArvoreTemas : public QTreeWidget {
    Q_OBJECT
public:
    explicit ArvoreTemas(QWidget* pai = nullptr);

    // Builds the nodes from rows of NumSeq, CodTema, NomeTema, CodSubTema, NomeSubTema in NumSeq order:
    // a theme node at each change of theme, a subtheme node at each change of subtheme within it.
    void montar(jet::Recordset& rs);
    void limpar();

    int quantidade() const { return static_cast<int>(nos_.size()); }
    QTreeWidgetItem* no(int indice) const;           // by index from 1; null when absent
    QString chave(const QTreeWidgetItem* no) const;  // "" for null
    int indiceSelecionado() const;                   // the selected node's index, -1 when none

    // Shows the node `noDestacado` (if not -1) in normal weight, then the selected node in bold, and stores its
    // index in `noDestacado`.
    void destacarSelecionado(int& noDestacado);

signals:
    void teclaSolta();  // any key released while the tree has the focus

protected:
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    QTreeWidgetItem* acrescentar(QTreeWidgetItem* pai, const QString& chave, const QString& texto);
    std::vector<QTreeWidgetItem*> nos_;
};

}  // namespace quelva
