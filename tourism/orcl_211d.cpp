#include "tourism/orcl_211d.h"

#include "validation/checks_211.h"

namespace r78 {

orcl_211d::orcl_211d(SharedState& state)
    : TripMembersScreen(state, {7, "B51C",
                                "Block-5.1. Particulars of overnight trips completed by members during last "
                                "365 days  (Level - 04)",
                                "2,6,7,x", "entry 2, 6 or 7 please",
                                [](SharedState& s, int rows) { ValBlk211_51(s, rows); }}) {
    setObjectName("orcl_211d");
}

}  // namespace r78
