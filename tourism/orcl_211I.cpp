#include "tourism/orcl_211I.h"

#include "tourism/TripColumns.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

GridParams Params() {
    GridParams p = tourism::TripBlock(
        12, [](SharedState& s, int rows) { ValBlk211_8(s, rows); },
        "Block-8. Particulars and expenditure of special domestic trips duration more than 180 days "
        "but uptu 365 days  (Level - 17)");
    // The household's errors are listed under the caption of a block's.
    p.householdCaption = kBlockLevelCaption;
    p.order = " order by fsuno, SSS,SSU,slno";
    p.header = {{"FSUNO:", HeaderItem::Value::Fsu},
                {"SSS NO:", HeaderItem::Value::Sss},
                {"SU NO:", HeaderItem::Value::Segment},
                {"SHH NO.", HeaderItem::Value::Ssu}};

    tourism::AddTripLead(p, "B8C", "lead\ning\npur\npose\n");
    tourism::AddAmount(p, "B8C", 4, "total\nexpdt\n\n\n", 800);
    tourism::AddAmount(p, "B8C", 5, "night\nout\nside\nUPR\n", 1200);
    tourism::AddTripServices(p, "B8C", 6);
    return p;
}

}  // namespace

orcl_211I::orcl_211I(SharedState& state) : GridBlockScreen(state, Params()) {
    setObjectName("orcl_211I");
    Compose();
    Form_Load();
}

}  // namespace r78
