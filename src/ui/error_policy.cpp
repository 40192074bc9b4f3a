#include "error_policy.h"

#include <cstdio>
#include <exception>

#include "dialogs.h"

namespace quelva {

bool ErrorPolicy::run(const std::function<void()>& handler) {
    if (ended_) return false;
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        const QString text = QString::fromUtf8(e.what());
        try {
            dialogs_.message(window_, text, Dialogs::Icon::Critical, Dialogs::Buttons::Ok, QString::fromUtf8(kApplicationTitle));
        } catch (...) {
            // The box itself failed: the message must still reach the user somewhere before the end.
            std::fprintf(stderr, "Quelva: %s\n", e.what());
        }
    } catch (...) {
        std::fprintf(stderr, "Quelva: erro desconhecido\n");
    }
    endProgram(1);
    return false;
}

void ErrorPolicy::endProgram(int status) {
    if (ended_) return;
    ended_ = true;
    endProgram_(status);
}

}  // namespace quelva
