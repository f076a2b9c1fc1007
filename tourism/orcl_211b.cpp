#include "tourism/orcl_211b.h"

#include "validation/checks_211.h"

namespace r78 {

namespace {

GridParams Params() {
    GridParams p;
    HouseholdBlock(p, 5, "Block-3. Particulars of household members  (Level - 02)");
    p.blockCheck = [](SharedState& s, int rows) { ValBlk211_3(s, rows); };
    p.header = {{"FSUNO:", HeaderItem::Value::Fsu},
                {"SSS NO:", HeaderItem::Value::Sss},
                {"SEGMENT NO:", HeaderItem::Value::FsuSu},
                {"SHH NO.", HeaderItem::Value::Ssu}};
    p.gridCaption = "BLOCK 3: PARTICULARS OF HOUSEHOLD MEMBERS (SCH 21.1)";
    // Column 2 of the questionnaire (the name) is not entered.
    p.columns = {
        {"SLNO", " \n \nSrl\nNo.\nC(1)", 800},
        {"B3C3", "Reln\nto\nhead\ncode\nC(3)", 800},
        {"B3C4", " \n \nGender\ncode\nC(4)", 1200},
        {"B3C5", " \n \nAge\nyears\nC(5)", 800},
        {"B3C6", " \nMari\ntal\nstatus\nC(6)", 1000},
        {"B3C7", " high\nest\nedu\nlevel\nC(7)", 1200},
        {"B3C8", "Usual\nprinci\npal\nstatus\nC(8)", 1200},
    };
    p.rules = rule::Block3Members();
    p.lastEditField = "B3C8";
    // Every key reaches the cell; the Enter check refuses what is not digits.
    p.filterKeys = false;
    p.emptyBlock = GridParams::EmptyBlock::Refuse;
    p.emptyBlockMessage = "Block-3 can not be left empty";
    return p;
}

}  // namespace

orcl_211b::orcl_211b(SharedState& state) : GridBlockScreen(state, Params()) {
    setObjectName("orcl_211b");
    Compose();
    Form_Load();
}

}  // namespace r78
