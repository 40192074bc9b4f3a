#include "theme_tree.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "recordset.h"

namespace quelva {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
}  // namespace

ThemeTree::ThemeTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSortingEnabled(false);
}

QTreeWidgetItem* ThemeTree::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    nodes_.push_back(item);
    item->setData(0, kIndexRole, static_cast<int>(nodes_.size()));
    return item;
}

void ThemeTree::build(jet::Recordset& rs) {
    QTreeWidgetItem* theme = nullptr;
    double currentTheme = 0, previousSubtheme = 0;
    bool first = true;
    for (; !rs.eof(); rs.moveNext()) {
        const double themeCode = rs.field("CodTema").toDouble();
        if (first || themeCode != currentTheme) {
            theme = addNode(nullptr, "T" + QString::fromStdString(rs.field("CodTema").toText()),
                               QString::fromStdString(rs.field("NomeTema").toText()));
            currentTheme = themeCode;
            previousSubtheme = 0;
            first = false;
        }
        const double subthemeCode = rs.field("CodSubTema").toDouble();
        if (subthemeCode != previousSubtheme) {
            addNode(theme, "ST" + QString::fromStdString(rs.field("CodSubTema").toText()),
                        QString::fromStdString(rs.field("NomeSubTema").toText()));
            previousSubtheme = subthemeCode;
        }
    }
}

void ThemeTree::clearNodes() {
    clear();
    nodes_.clear();
}

QTreeWidgetItem* ThemeTree::node(int index) const {
    return index >= 1 && index <= nodeCount() ? nodes_[static_cast<std::size_t>(index - 1)] : nullptr;
}

QString ThemeTree::key(const QTreeWidgetItem* node) const { return node ? node->data(0, kKeyRole).toString() : QString(); }

int ThemeTree::selectedIndex() const {
    QTreeWidgetItem* current = currentItem();
    return current ? current->data(0, kIndexRole).toInt() : -1;
}

int ThemeTree::highlightSelected(int previous) {
    if (QTreeWidgetItem* before = this->node(previous)) {
        QFont f = before->font(0);
        f.setBold(false);
        before->setFont(0, f);
    }
    const int selected = selectedIndex();
    if (QTreeWidgetItem* now = this->node(selected)) {
        QFont f = now->font(0);
        f.setBold(true);
        now->setFont(0, f);
    }
    return selected;
}

void ThemeTree::keyReleaseEvent(QKeyEvent* e) {
    QTreeWidget::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) emit keyReleased();
}

}  // namespace quelva
