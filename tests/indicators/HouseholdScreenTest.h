#pragma once
#include <map>

#include "tests/support/HouseholdScreens.h"

namespace r78::test {

// Household 1/01 of FSU 10001 in Schedule 5.1, with stand-ins for blocks 1 to 4,
// so that these screens are tried on their own and every way out of them is counted.
class HouseholdScreenTest : public HouseholdScreens {
protected:
    HouseholdScreenTest() : HouseholdScreens("10001", 2, "1", "01") {
        f.s.FsuSu = "4";
        // Blocks 1 to 4 are stand-ins whatever the table holds; so is any other
        // block not yet in it.
        for (int index = 13; index <= 21; ++index)
            if (!f.s.FormTable[index] || index <= 15) f.s.FormTable[index] = &standIns[index];
    }
    int Shown(int index) { return standIns[index].shown; }

    std::map<int, StandInScreen> standIns;
};

}  // namespace r78::test
