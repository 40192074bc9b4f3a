#pragma once
#include <QTreeWidget>
#include <vector>

namespace jet { class Recordset; }

namespace quelva {

// A two-level tree of themes and subthemes. Nodes carry keys ("T" + theme code, "ST" + subtheme code) and are
// numbered from 1 in insertion order; that number is what the panels remember as their bold node.
class ThemeTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit ThemeTree(QWidget* parent = nullptr);

    // Builds the nodes from rows of NumSeq, CodTema, NomeTema, CodSubTema, NomeSubTema in NumSeq order:
    // a theme node at each change of theme, a subtheme node at each change of subtheme within it.
    void build(jet::Recordset& rs);
    void clearNodes();

    int nodeCount() const { return static_cast<int>(nodes_.size()); }
    QTreeWidgetItem* node(int index) const;           // by index from 1; null when absent
    QString key(const QTreeWidgetItem* node) const;  // "" for null
    int selectedIndex() const;                   // the selected node's index, -1 when none

    // Shows the node `previous` (if not -1) in normal weight, then the selected node in bold; gives the selected
    // node's index, which the panel keeps as its bold node.
    int highlightSelected(int previous);

signals:
    void keyReleased();  // any key released while the tree has the focus

protected:
    void keyReleaseEvent(QKeyEvent* e) override;

private:
    QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text);
    std::vector<QTreeWidgetItem*> nodes_;
};

}  // namespace quelva
