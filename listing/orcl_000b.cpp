#include "listing/orcl_000b.h"

#include "validation/checks_000.h"

namespace r78 {

orcl_000b::orcl_000b(SharedState& state)
    : ListingBlock6Screen(
          state,
          {2, "211", true, "Block -6-PT-A.  Particulars of Sampling  of households ( Sch 21.1) (Level - 02)",
           [](SharedState& s, int rows) { ValBlk000_6A(s, rows); }}) {
    setObjectName("orcl_000b");
}

}  // namespace r78
