#include "locality_list.h"

#include <QListWidget>
#include <QStyledItemDelegate>

#include "locality_entry.h"

namespace quelva {

namespace {

// Draws, and measures, the label instead of the whole entry text.
class LabelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = localityEntryLabel(option->text);
    }
};

}  // namespace

void showLocalityLabelsOnly(QListWidget& lista) { lista.setItemDelegate(new LabelDelegate(&lista)); }

QListWidgetItem* newLocalityItem(const QString& label, int code, bool checked) {
    auto* item = new QListWidgetItem(localityEntryText(label, code));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    item->setData(Qt::AccessibleTextRole, label);
    return item;
}

}  // namespace quelva
