#include "indicators/orcl_051b.h"

#include "core/Text.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

GridParams Params() {
    GridParams params;
    HouseholdBlock(params, 14, "Block-3. Particulars of household members  (Level - 02)");
    params.blockCheck = ValBlk051_3;
    params.header = {{"FSUNO:", HeaderItem::Value::Fsu},
                     {"SSS NO:", HeaderItem::Value::Sss},
                     {"SU NO:", HeaderItem::Value::FsuSu},
                     {"SHH NO.", HeaderItem::Value::Ssu}};
    params.gridCaption = "BLOCK 3: PARTICULARS OF HOUSEHOLD MEMBERS (SCH 5.1)";
    params.columns = {
        {"SLNO", " \n \nSrl\nNo.\nC(1)", 800},
        {"B3C3", "Reln\nto\nhead\ncode\nC(3)", 800},
        {"B3C4", " \n \nGender\ncode\nC(4)", 1200},
        {"B3C5", " \n \nAge\nyears\nC(5)", 800},
        {"B3C6", " \nMari\ntal\nstatus\nC(6)", 1000},
        {"B3C7", " high\nest\nedu\nlevel\nC(7)", 1000},
        {"B3C8", "Usual\nprinci\npal\nstatus\nC(8)", 1000},
        {"B3C9", "2-digit\nindus\ntry\n\nC(9)", 1000},
        {"B3C10", "2-digit\noccu\npation\n\nC(10)", 1000},
        {"B3C11", "uses\nmob\nile\n\nC(11)", 1000},
        {"B3C12", "birth\ncerti\nfic\nate\nC(12)", 1000},
        {"B3C13", "regd\ncivil\nauth\nrity\nC(13)", 1000},
        {"B3C14", "acct.\n\n\n\nC(14)", 1000},
        {"B3C15", "type\nof\nacct.\n\nC(15)", 1000},
        {"B3C16", "indeb\nted\n\n\nC(16)", 1000},
    };
    params.rules = rule::Block3Members();
    // Industry and occupation are two-character codes; the block check knows the divisions.
    for (const char* field : {"B3C9", "B3C10"})
        params.rules.push_back({field, true, {rule::Length(2, "2-digit code pl")}});
    params.rules.push_back(rule::Code("B3C11", "1..4,x", "code 1 to 4 please"));
    params.rules.push_back(rule::Code("B3C12", "1..3,x", "code 1 to 3 please"));
    params.rules.push_back(rule::Code("B3C13", "1..3,x", "code 1 to 3 please"));
    params.rules.push_back(rule::YesNo("B3C14"));
    params.rules.push_back(rule::Code("B3C15", "1..4,x", "code 1 to 4 please"));
    params.rules.push_back(rule::YesNo("B3C16"));
    params.lastEditField = "B3C16";
    params.emptyBlock = GridParams::EmptyBlock::Refuse;
    params.emptyBlockMessage = "Block-3 can not be left empty";
    return params;
}

}  // namespace

orcl_051b::orcl_051b(SharedState& state) : GridBlockScreen(state, Params()) {
    setObjectName("orcl_051b");
    Compose();
    Form_Load();
}

bool orcl_051b::MayType(const std::string& field, int keyAscii) const {
    return keyAscii == 'X' && text::EqualsNoCase(field, "B3C10");
}

}  // namespace r78
