#include "indicators/orcl_051h.h"

#include "core/Text.h"
#include "core/Values.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

constexpr const char* kOneToSixOrNine = "code 1 to 6 or 9 please";

// Why the member left the last place, or why the member would move: two digits,
// 01 to 08 or 10 to 19.
FieldRule Reason(std::string field) {
    return rule::TwoDigitCode(std::move(field), "1..8,10..19,x", "2-digit valid code please",
                              "code 01 to 08, 10 to 19 please");
}

// The state (01 to 37), the country (41 to 55) or unknown (99) of the last
// place, in two digits. A text that is no number is taken as typed: the block
// check reports it as a bad state code.
FieldRule State(std::string field) {
    return {std::move(field),
            true,
            {rule::Test(
                [](const std::string& t, const FieldReader&) {
                    return !IsAllDigits(t) || (text::CharCount(t) == 2 && InCodeList(t, "1..37,41..55,99,x"));
                },
                "2-digit valid entry please")}};
}

}  // namespace

GridParams orcl_051h::Params() {
    GridParams p;
    HouseholdBlock(p, 20, "Block-7. Migration particulars of HHD members (level - 09)");
    p.blockCheck = [](SharedState& s, int rows) { ValBlk051_7(s, rows); };
    p.order = " order by fsuno, SSS,SSU,slno";
    p.columns = {
        {"SLNO", " \n \nSl\nNo\nI1", 350},
        {"B7I2", "a\ng\ne\n\n\nI2", 800},
        {"B7I3", "dif\nfer\nlast\nUPR\n\nI3", 800},
        {"B7I4", "loca\ntion\nof\nlast\nUPR\nI4", 800},
        {"B7I5", "state\nof\nlast\nUPR\n\nI5", 800},
        {"B7I6", "main\nrea\nson\nfor\nleave\nI6", 900},
        {"B7I7", "tenu\nrial\nstatus\nlast\nUPR\nI7", 900},
        {"B7I8", "area\ntype\n\n\n\nI8", 800},
        {"B7I9", "ty\npe\nof\ninst\n\nI9", 800},
        {"B7I10", "cha\nge \nin\ninc\nome\nI10", 800},
        {"B7I11", "doc\ntran\nsferd\n\n\nI11", 800},
        {"B7I12", "fac\ning\nprob\nlem\n\nI12", 850},
        {"B7I13", "type\nof\nprob\nlem\n\nI13", 850},
        {"B7I14", "will\ning\nto\nmove\n\nI14", 1000},
        {"B7I15", "main\nrea\nson\nfor\nmv\nI15", 800},
        {"B7I16", "where\nwill\ning\nto\nmv\nI16", 850},
    };
    p.lastEditField = "B7I16";
    p.rules = {
        rule::Positive("SLNO", true),
        rule::Positive("B7I2"),
        rule::YesNo("B7I3"),
        rule::Code("B7I4", "1..7,x", "code 1 to 7 please"),
        State("B7I5"),
        Reason("B7I6"),
        rule::Code("B7I7", "1..6,9,x", kOneToSixOrNine),
        rule::Code("B7I8", "1..3,9,x", "code 1 to 3 or 9 please"),
        rule::YesNo("B7I9"),
        rule::Code("B7I10", "1..3,x", "code 1 to 3 please"),
        rule::Code("B7I11", "1..6,9,x", kOneToSixOrNine),
        rule::YesNo("B7I12"),
        rule::Code("B7I13", "1..5,x", "code 1 to 5 please"),
        rule::YesNo("B7I14"),
        Reason("B7I15"),
        rule::YesNo("B7I16"),
    };
    p.blankGoToIsZero = true;
    return p;
}

orcl_051h::orcl_051h(SharedState& state) : GridBlockScreen(state, Params()) {
    setObjectName("orcl_051h");
    Compose();
    Form_Load();
}

}  // namespace r78
