#pragma once
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <concepts>
#include <functional>
#include <type_traits>
#include <utility>

namespace quelva {

class Dialogs;

// The program's one way of running an event handler. An error that a handler does not trap is shown with
// its own message under the application's title, and the program then ends with status 1; nothing that a
// handler throws ever reaches the toolkit's event loop. Every slot, event filter and handler goes through
// here, usually by connect().
class ErrorPolicy {
public:
    // `endProgram` ends the program with an exit status: the program quits its event loop, tests record it.
    ErrorPolicy(Dialogs& dialogs, std::function<void(int)> endProgram)
        : dialogs_(dialogs), endProgram_(std::move(endProgram)) {}
    ErrorPolicy(const ErrorPolicy&) = delete;
    ErrorPolicy& operator=(const ErrorPolicy&) = delete;

    Dialogs& dialogs() { return dialogs_; }

    // The window that owns the error message box.
    void setWindow(QWidget* window) { window_ = window; }

    // Runs `handler` under the policy; true when it ran to its end. Once the program has been asked to end,
    // no further handler runs.
    bool run(const std::function<void()>& handler);

    // The one function that ends the program. Later calls do nothing.
    void endProgram(int status);
    bool ended() const { return ended_; }

    // QObject::connect with the handler run under the policy. The handler may take the signal's arguments,
    // or fewer of them, as with a plain connect.
    template <typename Sender, typename Signal, typename Handler>
    QMetaObject::Connection connect(const Sender* sender, Signal signal, const QObject* context, Handler handler) {
        return QObject::connect(
            sender, signal, context,
            [this, handler = std::move(handler)]<typename... Args>(Args&&... args) -> void
                requires std::invocable<const Handler&, Args...>
            { run([&] { std::invoke(handler, std::forward<Args>(args)...); }); });
    }

private:
    Dialogs& dialogs_;
    std::function<void(int)> endProgram_;
    QPointer<QWidget> window_;
    bool ended_ = false;
};

}  // namespace quelva
