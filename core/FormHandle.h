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

#include <string>

namespace r78 {

// What the other screens reach of the control screen, which stays loaded,
// hidden, while a block screen or the validation screen is in front. The layers
// below the screens never call it: they return their figures to a screen.
class ControlScreenHandle : public FormHandle {
public:
    // The texts of the SSS and SHHNO boxes: the household the counts concern.
    virtual std::string SssBoxText() const = 0;
    virtual std::string ShhnoBoxText() const = 0;
    // "SCH 0.0 ENTERED?" and the households entered per schedule, from the listing's block 1.
    virtual void ShowListingSummary(const std::string& entered, const std::string& cnt211,
                                    const std::string& cnt051) = 0;
    // The count label of schedule type 1 or 2.
    virtual void ShowHhCount(int schType, const std::string& caption) = 0;
    // The households entered as the label shows them: a blank where a sign would go.
    void ShowHhCount(int schType, int households) { ShowHhCount(schType, " " + std::to_string(households)); }
    // Shown again after another screen closes: the "Go to Block:" box has the
    // focus with its whole text selected.
    virtual void ReturnToGoToBlock() = 0;
};

}  // namespace r78
