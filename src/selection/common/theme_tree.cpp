#include "arvore_temas.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "recordset.h"

namespace quelva {

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
}  // namespace

ArvoreTemas::ArvoreTemas(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSortingEnabled(false);
}

QTreeWidgetItem* ArvoreTemas::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text) {
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    item->setText(0, text);
    item->setData(0, kKeyRole, key);
    nodes_.push_back(item);
    item->setData(0, kIndexRole, static_cast<int>(nodes_.size()));
    return item;
}

void ArvoreTemas::build(jet::Recordset& rs) {
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

void ArvoreTemas::clearNodes() {
    clear();
    nodes_.clear();
}

QTreeWidgetItem* ArvoreTemas::no(int index) const {
    return index >= 1 && index <= quantidade() ? nodes_[static_cast<std::size_t>(index - 1)] : nullptr;
}

QString ArvoreTemas::chave(const QTreeWidgetItem* node) const { return node ? node->data(0, kKeyRole).toString() : QString(); }

int ArvoreTemas::selectedIndex() const {
    QTreeWidgetItem* current = currentItem();
    return current ? current->data(0, kIndexRole).toInt() : -1;
}

int ArvoreTemas::highlightSelected(int previous) {
    if (QTreeWidgetItem* before = this->no(previous)) {
        QFont f = before->font(0);
        f.setBold(false);
        before->setFont(0, f);
    }
    const int selected = selectedIndex();
    if (QTreeWidgetItem* now = this->no(selected)) {
        QFont f = now->font(0);
        f.setBold(true);
        now->setFont(0, f);
    }
    return selected;
}

void ArvoreTemas::keyReleaseEvent(QKeyEvent* e) {
    QTreeWidget::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) emit keyReleased();
}

}  // namespace quelva
