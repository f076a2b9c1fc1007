#include "tourism/orcl_211e.h"

#include "validation/checks_211.h"

namespace r78 {

orcl_211e::orcl_211e(SharedState& state)
    : TripMembersScreen(
          state,
          {8, "B52C",
           "Block-5.2. Particulars of overnight trips completed by members during last 30 days  (Level - 05)",
           "1,3..5,9,x", "entry 1, 3 to 5 or 9 please",
           [](SharedState& s, int rows) { ValBlk211_52(s, rows); }}) {
    setObjectName("orcl_211e");
}

}  // namespace r78
