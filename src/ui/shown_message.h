#pragma once
#include <functional>
#include <utility>

namespace quelva {

// The window's message frame "Processando. Aguarde ..." while some work runs: shown when the work starts,
// hidden before a message to the user, and hidden however the work ends, an error included. `show` is the
// window's own (true shows the frame, false hides it); without one nothing is shown.
class ShownMessage {
public:
    explicit ShownMessage(std::function<void(bool)> show) : show_(std::move(show)) {}
    ~ShownMessage() { hide(); }
    ShownMessage(const ShownMessage&) = delete;
    ShownMessage& operator=(const ShownMessage&) = delete;

    void show() {
        if (show_) show_(true);
        shown_ = true;
    }
    void hide() {
        if (show_ && shown_) show_(false);
        shown_ = false;
    }

private:
    std::function<void(bool)> show_;
    bool shown_ = false;
};

}  // namespace quelva
