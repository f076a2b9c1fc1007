#pragma once

namespace r78 {

// A screen as the block-screen table holds it: the core layer shows and unloads
// screens through this without knowing their classes.
class FormHandle {
public:
    virtual ~FormHandle() = default;
    // Loads the screen when it is not loaded, then shows it modeless.
    virtual void Show() = 0;
    // Closes the screen; its state is discarded until it is shown again.
    virtual void Unload() = 0;
};

}  // namespace r78
