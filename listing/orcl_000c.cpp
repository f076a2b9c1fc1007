#include "listing/orcl_000c.h"

#include "validation/checks_000.h"

namespace r78 {

orcl_000c::orcl_000c(SharedState& state)
    : ListingBlock6Screen(
          state,
          {3, "051", false, "Block -6-PT-B.  Particulars of Sampling  of households ( Sch 5.1) (Level - 03)",
           [](SharedState& s, int rows) { ValBlk000_6B(s, rows); }}) {
    setObjectName("orcl_000c");
}

}  // namespace r78
