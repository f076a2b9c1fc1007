#include "tourism/orcl_211f.h"

#include "validation/checks_211.h"

namespace r78 {

orcl_211f::orcl_211f(SharedState& state)
    : TripExpenditureScreen(state, {9,
                                    "B61I",
                                    "Block-6.1.Particulars of expenditure for all trips in last 365 days "
                                    "covered in block 5.1 (level - 06 to 10)",
                                    {{"FSUNO:", HeaderItem::Value::Fsu},
                                     {"SSS NO:", HeaderItem::Value::Sss},
                                     {"SU NO:", HeaderItem::Value::Segment},
                                     {"SHH NO:", HeaderItem::Value::Ssu}},
                                    kHouseholdLevelCaption,
                                    [](SharedState& s, int rows) { ValBlk211_61(s, rows); }}) {
    setObjectName("orcl_211f");
}

}  // namespace r78
