#pragma once
#include <functional>

class QListWidget;
class QObject;

namespace quelva {

class ErrorPolicy;

// A click on a check box of `list` makes its entry the current one, whose mark is then recorded: `record`
// runs after each change of a check mark, once the changed entry is the current one, unless `recording`
// says the marks are being set by the program. The handler runs under `policy`, in `context`'s lifetime.
void recordTicksAsClicks(QListWidget* list, QObject* context, ErrorPolicy& policy, std::function<bool()> recording,
                         std::function<void()> record);

}  // namespace quelva
