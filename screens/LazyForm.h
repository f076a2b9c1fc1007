#pragma once
#include <QPointer>

#include "core/FormHandle.h"
#include "core/SharedState.h"

namespace r78 {

// A block screen's place in the block-screen table: showing it makes the screen
// (whose constructor is its load), leaving it deletes the screen, so every visit
// reads the block afresh. A load that failed has told the operator why; packet
// comes back in front then.
template <class Screen>
class LazyForm : public FormHandle {
public:
    explicit LazyForm(SharedState& s) : s_(s) {}
    ~LazyForm() override { delete screen_.data(); }
    LazyForm(const LazyForm&) = delete;
    LazyForm& operator=(const LazyForm&) = delete;

    void Show() override {
        if (!screen_ || screen_->Unloaded()) screen_ = new Screen(s_);
        if (!screen_->Loaded()) {
            delete screen_.data();
            if (s_.Packet) s_.Packet->ReturnToGoToBlock();
            return;
        }
        screen_->show();
        screen_->raise();
        screen_->activateWindow();
    }
    void Unload() override {
        if (screen_) screen_->Unload();
    }
    // The screen while it is loaded; nullptr otherwise.
    Screen* Current() const { return screen_ && !screen_->Unloaded() ? screen_.data() : nullptr; }

private:
    SharedState& s_;
    QPointer<Screen> screen_;
};

}  // namespace r78
