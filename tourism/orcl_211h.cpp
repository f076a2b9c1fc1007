#include "tourism/orcl_211h.h"

#include "tourism/TripColumns.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

GridParams Params() {
    GridParams p = tourism::TripBlock(
        11, [](SharedState& s, int rows) { ValBlk211_7(s, rows); },
        "Block-7. Particulars and expenditure of same day trips completed by hhd members during last 30 days "
        "(level - 16)");
    p.header = {{"FSUNO:", HeaderItem::Value::Fsu},
                {"SU NO:", HeaderItem::Value::Segment},
                {"SSS NO:", HeaderItem::Value::Sss},
                {"SHH NO.", HeaderItem::Value::Ssu}};
    // A go-to text of blanks reads as block 0, which leads to blocks 1 and 2.
    p.blankGoToIsZero = true;

    tourism::AddTripLead(p, "B7C", "lea\nding\npur\npose\n");
    // The expenditure by purpose; the sub-total and total are keyed as amounts,
    // their sums are the block check's.
    struct Amount {
        const char* caption;
        int width;
    };
    const Amount amounts[] = {
        {"pac\nkage\n\n\n", 900},    {"acc\nomm\noda\ntion\n", 900}, {"food\nn\ndri\nnk\n", 900},
        {"tran\nspo\nrt\n \n", 900}, {"sho\nppi\nng\n \n", 700},     {"rec\nrea\nti\non\n", 700},
        {"med\nical\n \n\n ", 700},  {"oth\ners\n\n\n", 600},        {"sub\ntotal\n\n\n", 900},
        {"total\n\n\n \n", 900},
    };
    int column = 4;
    for (const Amount& a : amounts) tourism::AddAmount(p, "B7C", column++, a.caption, a.width);
    tourism::AddTripServices(p, "B7C", column);
    return p;
}

}  // namespace

orcl_211h::orcl_211h(SharedState& state) : GridBlockScreen(state, Params()) {
    setObjectName("orcl_211h");
    Compose();
    Form_Load();
}

}  // namespace r78
