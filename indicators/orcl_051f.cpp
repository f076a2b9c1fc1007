#include "indicators/orcl_051f.h"

#include "validation/checks_051.h"

namespace r78 {

namespace {

constexpr const char* kOneToThree = "code 1 to 3 please";
// What a member did in the last 7 days.
constexpr const char* kActivity = "code 1 to 6 or 9 please";

// The level of education (01-08, 10-15) and the class (01-12) are keyed in two digits.
FieldRule Level(std::string field) {
    return rule::TwoDigitCode(std::move(field), "1..8,10..15,x", "2-digit code 01 to 08, 10 to 15 please",
                              "code 01 to 08, 10 to 15 please");
}
FieldRule Class(std::string field) {
    return rule::TwoDigitCode(std::move(field), "1..12,x", "2-digit code 01 to 12 please",
                              "code 01 to 12 please");
}

}  // namespace

GridParams orcl_051f::Params() {
    GridParams p;
    HouseholdBlock(p, 18,
                   "Block-5.Person level information on education and ICT skills for HHD members with age>3 "
                   "(level - 07)");
    p.blockCheck = [](SharedState& s, int rows) { ValBlk051_5(s, rows); };
    p.columns = {
        {"SLNO", " \n \nSl\nNo\nI1", 350},
        {"B5I2", "a\ng\ne\n\n\nI2", 400},
        {"B5I3", "bro\nad\nsta\ntus\n\nI3", 600},
        {"B5I4", "en\nrol\nmnt\nsta\ntus\nI4", 500},
        {"B5I41", "age\n1st\nen\nrol\nmnt\nI4.1", 500},
        {"B5I42", "ev\ner\nen\nrold\n\nI4.2", 500},
        {"B5I51", "cur\nrent\nlvl\nof\nedu\nI5.1", 500},
        {"B5I52", "ty\npe\nof\ncou\nrse\nI5.2", 800},
        {"B5I53", "ty\npe\nof\ninst\n\nI5.3", 800},
        {"B5I541", "cl\nass \nen\nrl\n\nI5.4.1", 800},
        {"B5I542", "sa\nme\ncla\nss\n\nI5.4.2", 800},
        {"B5I55", "pre\npri\nma\nry\nedu\nI5.5", 850},
        {"B5I561", "cur\nntly\natt\nsame\ncrse\nI5.6.1", 850},
        {"B5I562", "any\noth\ncour\nse\n\nI5.6.2", 1000},
        {"B5I57", "cou\nrse\nin\nlast\n12mnt\nI5.7", 800},
        {"B5I58", "any\nvoc\ntio\nnal\nedu\nI5.8", 850},
        {"B5I59", "recv\nany\ntrg\n12\nmnth\nI5.9", 900},
        {"B5I5101", "wrkd\nat\nlest\n1\nhr\nI5.10.1", 900},
        {"B5I5102", "wht\ndid\nin\nlast\n7day\nI5.10.2", 900},
        {"B5I61", "lvl\nlast\nen\nrl\nmnt\nI6.1", 700},
        {"B5I62", "cla\nss\nlst\nenr\nld\nI6.2", 800},
        {"B5I63", "any\ncrse\nin\n12\nmnth\nI6.3", 800},
        {"B5I64", "any\nvoc\ntrg\n\n\nI6.4", 800},
        {"B5I65", "any\nvoc\ntrg\n12\nmnth\nI6.5", 800},
        {"B5I661", "wrk\nat\nlest\n1\nhr\nI6.6.1", 800},
        {"B5I662", "wht\ndid\nin\n7\ndays \nI6.6.2", 800},
        {"B5I71", "voc\ntrg\nout\nsid\ncov\nI7.1", 800},
        {"B5I72", "recv\nany\nvoc\ntrg\n\nI7.2", 800},
        {"B5I731", "wrk\nat\nlest\n1\nhr\nI7.3.1", 800},
        {"B5I732", "wht\ndid\nlast\n7\ndays\nI7.3.2", 800},
        {"B5I8", "abl\nto\ncpy\nfile\n \nI8", 600},
        {"B5I9", "abl\nto\nuse\ncpy\ntool\nI9", 600},
        {"B5I10", "abl\nto\nsend\ne\nmail\nI10", 900},
        {"B5I11", "abl\nto\nuse\nfor\nmula\nI11", 900},
        {"B5I12", "abl\nto\ninstl\nnew\ndev\nI12", 900},
        {"B5I13", "abl\nto\nfind\n\n\nI13", 600},
        {"B5I14", "abl\nto\ncre\nate\n\nI14", 800},
        {"B5I15", "abl\nto\ntra\nns\nfer\nI15", 600},
        {"B5I16", "abl\nto\nwri\nte\nprg\nI16", 700},
    };
    p.lastEditField = "B5I16";
    // Every key reaches the cell; Enter's check refuses what is not a number.
    p.filterKeys = false;
    p.rules = {
        rule::Positive("SLNO", true),
        // The age must be given; any number, 0 included.
        {"B5I2", false, {rule::Digits(kNumericPositive)}},
        rule::YesNo("B5I3"),
        rule::Code("B5I4", "1,2,3,x", kOneToThree),
        rule::AnyDigits("B5I41"),
        rule::YesNo("B5I42"),
        Level("B5I51"),
        rule::Code("B5I52", "1..4,x", "code 1 to 4 please"),
        rule::Code("B5I53", "1..4,x", "code 1 to 4 please"),
        Class("B5I541"),
        rule::YesNo("B5I542"),
        rule::YesNo("B5I55"),
        rule::YesNo("B5I561"),
        rule::YesNo("B5I562"),
        rule::YesNo("B5I57"),
        rule::Code("B5I58", "1..3,x", kOneToThree),
        rule::Code("B5I59", "1..3,x", kOneToThree),
        rule::YesNo("B5I5101"),
        rule::Code("B5I5102", "1..6,9,x", kActivity),
        Level("B5I61"),
        Class("B5I62"),
        rule::YesNo("B5I63"),
        rule::Code("B5I64", "1..3,x", kOneToThree),
        rule::Code("B5I65", "1..3,x", kOneToThree),
        rule::YesNo("B5I661"),
        rule::Code("B5I662", "1..6,9,x", kActivity),
        rule::Code("B5I71", "1..3,x", kOneToThree),
        rule::Code("B5I72", "1..3,x", kOneToThree),
        rule::YesNo("B5I731"),
        rule::Code("B5I732", "1..6,9,x", kActivity),
    };
    // The ICT skills, items 8 to 16: able (1) or not (2).
    for (const char* skill : {"B5I8", "B5I9", "B5I10", "B5I11", "B5I12", "B5I13", "B5I14", "B5I15", "B5I16"})
        p.rules.push_back(rule::YesNo(skill));
    p.blankGoToIsZero = true;
    return p;
}

orcl_051f::orcl_051f(SharedState& state) : GridBlockScreen(state, Params()) {
    setObjectName("orcl_051f");
    Compose();
    Form_Load();
}

}  // namespace r78
