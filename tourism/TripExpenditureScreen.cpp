#include "tourism/TripExpenditureScreen.h"

#include "validation/checks_211.h"

namespace r78 {

namespace {

// What an item takes: an amount (digits of any value), or one of three code lists.
enum class Kind { Amount, Codes12, Codes13, Codes129 };

struct Item {
    const char* number;  // the column is the block's prefix and this: B61I41 is item 4.1
    const char* caption;
    int width;
    Kind kind;
};

// The items in table order. The captions keep their trailing blanks, and the
// sub-total captions read as printed on the schedule ("4.1 to 4.9" though the
// items end at 4.6; there is no item 7.09).
// clang-format off
constexpr Item kItems[] = {
    {"2", "t\ny\np\ne\n\nI2", 400, Kind::Codes12},
    {"3", "pack\nage\ncompo\nnent\n\nI3", 900, Kind::Amount},
    {"31", "tr\nan\np\nr\nt\nI3.1", 500, Kind::Codes12},
    {"32", "ac\no\nmo\nd\n\nI3.2", 500, Kind::Codes12},
    {"33", "m\ne\na\nl\ns\nI3.3", 500, Kind::Codes12},
    {"34", "en\ntr\nt\nmn\nt\nI3.4", 500, Kind::Codes12},
    {"41", "ho\nte\nl\n\n\nI4.1", 800, Kind::Amount},
    {"42", "gu\nest\nhou\nse\n\nI4.2", 800, Kind::Amount},
    {"43", "dh\nar \nam\nsha\nla\nI4.3", 800, Kind::Amount},
    {"44", "ren\nted\nhou\nse\n\nI4.4", 800, Kind::Amount},
    {"45", "hom\ne\nsta\ny\n\nI4.5", 850, Kind::Amount},
    {"46", "oth\ners\n\n\n\nI4.6", 850, Kind::Amount},
    {"40", "sub\ntotal\n4.1\nto\n4.9\nI4.0", 1000, Kind::Amount},
    {"51", "fd\nn\ndrnk\naccm\nunt\nI5.1", 800, Kind::Amount},
    {"52", "fd\nn\ndrnk\nout\nside\nI5.2", 850, Kind::Amount},
    {"50", "sub\ntotal\n5.1\nto\n5.2\nI5.0", 900, Kind::Amount},
    {"61", "rail\nways\n\n\n\nI6.1", 600, Kind::Amount},
    {"62", "pub\nlic\nroad\ntrn\nprt\nI6.2", 600, Kind::Amount},
    {"63", "own\nroad\ntrn\nprt\n\nI6.3", 700, Kind::Amount},
    {"64", "ren\ntal\nvehi\ncle\n\nI6.4", 1000, Kind::Amount},
    {"65", "wat\ner\ntrn\nprt\n\nI6.5", 1000, Kind::Amount},
    {"66", "air\n\n\n\n\nI6.6", 1000, Kind::Amount},
    {"67", "tra\nvel\nagen\ncy\n \nI6.7", 800, Kind::Amount},
    {"68", "oth\ners\n\n\n \nI6.8", 800, Kind::Amount},
    {"60", "sub\ntotal\n6.1\nto\n6.9 \nI6.0", 1000, Kind::Amount},
    {"701", "clo\nthi\nng\n\n \nI7.01", 800, Kind::Amount},
    {"702", "pro\nce\nssed\nfood\npt \nI7.02", 800, Kind::Amount},
    {"703", "al\nco\nhol\n\n \nI7.03", 800, Kind::Amount},
    {"704", "tra\nvel\n\n\n \nI7.04", 800, Kind::Amount},
    {"705", "foot\nwear\n\n\n \nI7.05", 600, Kind::Amount},
    {"706", "toi\nlet\nries\n\n\nI7.06", 600, Kind::Amount},
    {"707", "gem\n&\njewe\nlle\nry\nI7.07", 900, Kind::Amount},
    {"708", "boo\nks\n\n\n\nI7.08", 900, Kind::Amount},
    {"710", "mem\nnto\n\n\n\nI7.10", 900, Kind::Amount},
    {"711", "oth\ners\n\n\n\nI7.11", 600, Kind::Amount},
    {"700", "sub\ntotal\n7.01\nto\n7.19\nI7.00", 1000, Kind::Amount},
    {"81", "cin\nema\n\n\n\nI8.1", 600, Kind::Amount},
    {"82", "ent\nry\nfee\nrel\n \nI8.2", 700, Kind::Amount},
    {"83", "ent\nry\nfee\ncul\n\nI8.3", 700, Kind::Amount},
    {"84", "sp\nor\nt\nact\n\nI8.4", 700, Kind::Amount},
    {"851", "me\ndi\nci\nne\n \nI8.5.1", 800, Kind::Amount},
    {"852", "me\ndi\ncal\nacc\n \nI8.5.2", 700, Kind::Amount},
    {"853", "oth\ner\ns\n\n \nI8.5.3", 700, Kind::Amount},
    {"850", "sub\ntotal\n8.5.1\nto\n8.5.3\nI8.5.0", 900, Kind::Amount},
    {"80", "sub\ntotal\n8.1\nto\n8.5.0 \nI8.0", 1000, Kind::Amount},
    {"9", "ot\nhe\nrs\n\n\nI9", 600, Kind::Amount},
    {"10", "sub\ntotal\n4.0\nto\n9\nI10", 1000, Kind::Amount},
    {"11", "total\n\n3\n+\n10\nI11", 1000, Kind::Amount},
    {"12", "re\nim\nbr\nse\ngov\nI12", 800, Kind::Codes13},
    {"13", "amnt\n\n\n\n\nI13", 800, Kind::Amount},
    {"14", "re\nim\nbr\nse\noth\nI14", 400, Kind::Codes13},
    {"15", "amnt\n\n\n\n\nI15", 800, Kind::Amount},
    {"161", "int\ner\nnet\n\n\nI16.1", 800, Kind::Codes12},
    {"162", "wit\nout\nint\ner\nnet\nI16.2", 800, Kind::Codes12},
    {"163", "dir\nec\nint\ner\nnet\nI16.3", 800, Kind::Codes12},
    {"164", "with\nout\nint\ner\nnet\nI16.4", 800, Kind::Codes12},
    {"165", "ser\nvic\ntour\ngui\nde\nI16.5", 800, Kind::Codes12},
    {"171", "sat\nis\nfied\nacco\n\nI17.1", 800, Kind::Codes129},
    {"172", "sat\nis\nfied\nfood\n\nI17.2", 800, Kind::Codes129},
    {"173", "sat\nis\nfied\ntrns\nprt\nI17.3", 800, Kind::Codes129},
    {"174", "sat\nis\nfied\noth\ner\nI17.4", 800, Kind::Codes129},
    {"18", "sat\nis\nfied\ntour\nguid\nI18", 800, Kind::Codes12},
};
// clang-format on

FieldRule ItemRule(const std::string& field, Kind kind) {
    switch (kind) {
        case Kind::Codes12:
            return rule::YesNo(field);
        case Kind::Codes13:
            return rule::Code(field, "1..3,x", "code 1 to 3 please");
        case Kind::Codes129:
            return rule::Code(field, "1,2,9,x", "code 1, 2 or 9 please");
        case Kind::Amount:
            break;
    }
    return rule::AnyDigits(field);
}

GridParams Params(const TripExpenditureScreen::Block& b) {
    GridParams p;
    HouseholdBlock(p, b.index, b.title);
    p.blockCheck = b.check;
    p.householdCaption = b.householdCaption;
    p.header = b.header;
    p.order = " order by fsuno, SSS,SSU,slno";
    p.columns = {{"SLNO", " \n \nSl\nNo\nI1", 350}};
    p.rules = {rule::Positive("SLNO", true)};
    for (const Item& item : kItems) {
        const std::string field = b.prefix + item.number;
        p.columns.push_back({field, item.caption, item.width});
        p.rules.push_back(ItemRule(field, item.kind));
    }
    p.lastEditField = p.columns.back().field;
    return p;
}

}  // namespace

TripExpenditureScreen::TripExpenditureScreen(SharedState& s, const Block& block)
    : GridBlockScreen(s, Params(block)) {
    Compose();
    Form_Load();
}

}  // namespace r78
