#include "tourism/orcl_211g.h"

#include "validation/checks_211.h"

namespace r78 {

orcl_211g::orcl_211g(SharedState& state)
    : TripExpenditureScreen(state, {10, "B62I",
                                    "Block-6.2.Particulars of expenditure for all trips in last 30 days "
                                    "covered in block 5.2 (level - 11 to 15)",
                                    HouseholdHeader(), kBlockLevelCaption,
                                    [](SharedState& s, int rows) { ValBlk211_62(s, rows); }}) {
    setObjectName("orcl_211g");
}

}  // namespace r78
