#pragma once
#include "control/FsuRegistration.h"
#include "tests/support/HouseholdScreens.h"

namespace r78::test {

// Household 2/05 of Schedule 21.1 in FSU 10003 (rural); the stand-in control
// screen's household boxes are empty: the household counts judge another household.
class HouseholdScreenTest : public HouseholdScreens {
protected:
    using Texts = test::Texts;

    HouseholdScreenTest() : HouseholdScreens("10003", 1, "2", "05") { LoadSampleList(f.s, "10003"); }

    // Shows the screen at index as packet's Go to Block does.
    template <class Screen>
    Screen* Open(int index) {
        f.s.FormTable[index]->Show();
        return Current<Screen>(index);
    }
    // The screen at index once the screens left have gone; made active.
    template <class Screen>
    Screen* Current(int index) {
        FlushDeletes();
        Screen* screen = screens.Current<Screen>(index);
        if (screen) Activate(screen);
        return screen;
    }
    static void GoTo(QLineEdit* text3, const std::string& block) { EnterInBox(text3, block); }
};

}  // namespace r78::test
