#include "ticked_entry.h"

#include <QListWidget>

#include "error_policy.h"

namespace quelva {

void recordTicksAsClicks(QListWidget* list, QObject* context, ErrorPolicy& policy, std::function<bool()> recording,
                         std::function<void()> record) {
    policy.connect(list, &QListWidget::itemChanged, context,
                   [list, recording = std::move(recording), record = std::move(record)](QListWidgetItem* item) {
                       if (!recording()) return;
                       if (list->currentItem() != item) {
                           const QSignalBlocker b(list);
                           list->setCurrentItem(item);
                       }
                       record();
                   });
}

}  // namespace quelva
