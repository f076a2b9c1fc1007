#pragma once
#include <string>
#include <vector>

#include "screens/GridBlockScreen.h"

namespace r78 {

// Blocks 6.1 and 6.2 of Schedule 21.1: the expenditure of each overnight trip of
// blocks 5.1 and 5.2, one grid row per trip named by its serial number. The 62
// items are alike in both blocks but for their prefix (B61I / B62I): amounts,
// sub-totals and totals are keyed as written, none is summed or compared at
// entry (the block check does that), and the code items take their lists.
class TripExpenditureScreen : public GridBlockScreen {
    Q_OBJECT
public:
    struct Block {
        int index;
        std::string prefix;  // of the item columns: "B61I" gives B61I2 .. B61I18
        QString title;
        std::vector<HeaderItem> header;
        QString householdCaption;
        BlockCheck check;
    };

protected:
    TripExpenditureScreen(SharedState& s, const Block& block);
};

}  // namespace r78
