// Schedule 5.1: the household driver. It runs every block's check in the order of
// the form and adds the rules that look across blocks.
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/Loader.h"
#include "core/Values.h"
#include "validation/ErrorLog.h"
#include "validation/RecRow.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

// Table numbers of the household's blocks.
// clang-format off
enum Tables { T_BLOCK1 = 13, T_BLOCK3 = 14, T_BLOCK4 = 15, T_BLOCK41 = 16, T_BLOCK42 = 17, T_BLOCK5 = 18,
              T_BLOCK6 = 19, T_BLOCK7 = 20, T_BLOCK8 = 21 };
// clang-format on
// Columns of the loaded S051L01, S051L02 and S051L03.
enum Block1 { INFSLN = 15, SVC = 17 };
enum Block3 { SLNO = 1, AGE = 5 };
enum Block4 { HHSIZE = 1, AIRCOND = 44, AIRCOOL = 46 };
// Blocks 5 and 7 keep the member's serial number in column 1 and age in column 2.
enum MemberBlock { M_SLNO = 1, M_AGE = 2 };

// A household was surveyed when its survey code is 1 or 2; only then does it
// have blocks beyond 1 and 2.
bool Surveyed(const std::string& surveyCode) { return surveyCode == "1" || surveyCode == "2"; }

// The whole number nearest to x, a half to the even neighbour; an absurd figure
// is held within reach so that it still compares unequal.
long Nearest(double x) { return static_cast<long>(std::nearbyint(std::clamp(x, -1e9, 1e9))); }

struct Member {
    std::optional<long> serial;  // none when the serial number is blank or no number
    long age;
};

// The members of block 3 in the order of their serial numbers, however many.
std::vector<Member> ReadMembers(const SharedState& s, int rows) {
    std::vector<Member> members;
    for (int i = 0; i < rows; ++i) {
        const RecRow r(s, i);
        members.push_back(
            {IsNumeric(r.Text(SLNO)) ? std::optional<long>(r.Num(SLNO)) : std::nullopt, r.Num(AGE)});
    }
    return members;
}

const Member* FindMember(const std::vector<Member>& members, long serial) {
    auto m =
        std::find_if(members.begin(), members.end(), [&](const Member& x) { return x.serial == serial; });
    return m == members.end() ? nullptr : &*m;
}

void BlockContainsRecords(SharedState& s, const std::string& surveyCode) {
    s.ValIsCritical = true;
    if (!Surveyed(surveyCode))
        LogValError(s, BlockText(s), "", "", "Block contains records", "Survey code= " + surveyCode);
}

void BlockContainsNoRecords(SharedState& s, const std::string& surveyCode) {
    s.ValIsCritical = true;
    if (Surveyed(surveyCode))
        LogValError(s, BlockText(s), "", "", "Block contains no records", "Survey code= " + surveyCode);
}

// Loads a block that a household may leave empty and, when it has rows, runs its
// check on them. Returns the block's row count; the rows stay in the record table.
template <typename Check>
int RunOptionalBlock(SharedState& s, double blockNo, int tableNo, const std::string& surveyCode,
                     Check check) {
    s.ValIsCritical = true;
    s.ValBlockNo = blockNo;
    const int rows = LoadTableData(s, tableNo);
    if (rows > 0) {
        check(rows);
        BlockContainsRecords(s, surveyCode);
    }
    return rows;
}

// Blocks 5 and 7, whose rows are in the record table, list members of block 3:
// each serial number must be a member's, with the member's age. A member listed
// on several rows in a row is judged once; serial numbers of 99 and above stand
// for no member.
void CrossCheckMembers(SharedState& s, int rows, const std::vector<Member>& members, bool surveyed) {
    s.ValIsCritical = false;
    const std::string blk = BlockText(s);
    long previous = 0;
    for (int i = 0; i < rows; ++i) {
        const RecRow r(s, i);
        const long serial = r.Num(M_SLNO);
        if (serial == previous) continue;
        previous = serial;
        if (serial >= 99 || serial <= 0 || !surveyed) continue;
        const Member* m = FindMember(members, serial);
        if (!m)
            LogValError(s, blk, r.Text(M_SLNO), "1", "Srl no. not matching with bl. 3 ", " Pl. check ");
        else if (r.Num(M_AGE) != m->age)
            LogValError(s, blk, r.Text(M_SLNO), "2", "Age not matching with bl. 3 ", " Pl. check ");
    }
}

}  // namespace

void ValHH051(SharedState& s) {
    s.ValIsCritical = true;
    s.ValBlockNo = 1;
    std::string surveyCode;
    long informant = 0;
    if (LoadTableData(s, T_BLOCK1) == 0) {
        LogValError(s, BlockText(s), "", "", "Block contains no records", "Essential Block");
    } else {
        ValBlk051_1(s);
        const RecRow r(s, 0);
        surveyCode = r.Text(SVC);
        informant = r.Num(INFSLN);
    }
    const bool surveyed = Surveyed(surveyCode);

    s.ValIsCritical = true;
    s.ValBlockNo = 4;
    long hhSize = 0, airConditioners = 0, airCoolers = 0;
    if (LoadTableData(s, T_BLOCK4) == 0) {
        BlockContainsNoRecords(s, surveyCode);
    } else {
        ValBlk051_4(s);
        const RecRow r(s, 0);
        hhSize = r.Num(HHSIZE);
        airConditioners = Nearest(r.Dbl(AIRCOND));
        airCoolers = Nearest(r.Dbl(AIRCOOL));
        BlockContainsRecords(s, surveyCode);
    }

    // Block 3 is read once, for the household size, the informant, its own check
    // and the members that blocks 5 and 7 must repeat.
    const int memberRows = LoadTableData(s, T_BLOCK3);
    const std::vector<Member> members = ReadMembers(s, memberRows);
    if (static_cast<long>(members.size()) != hhSize)
        LogValError(s, BlockText(s), "1", "", "hhsize not= block-3 total members ",
                    "hhsize= " + NumText(hhSize) + "blk-3 total mem= " + NumText(members.size()));

    // The informant is a member of the household aged 12 or more, or 99 for someone else.
    s.ValIsCritical = false;
    const Member* respondent = FindMember(members, informant);
    if (surveyed && !respondent && informant != 99)
        LogValError(s, SignText(1), "7", "", "Srl no. of informant not a current member or 99",
                    "check from blk-3");
    if (surveyed && respondent && respondent->age < 12)
        LogValError(s, SignText(1), "7", "", "age of Srl no. of informant<12", "pl. check");

    s.ValIsCritical = true;
    s.ValBlockNo = 3;
    if (memberRows == 0) {
        BlockContainsNoRecords(s, surveyCode);
    } else {
        ValBlk051_3(s, memberRows);
        BlockContainsRecords(s, surveyCode);
    }

    // Blocks 4.1 and 4.2 list as many appliances as items 44 and 46 of block 4 count.
    const int airConditionersListed =
        RunOptionalBlock(s, 4.1, T_BLOCK41, surveyCode, [&](int rows) { ValBlk051_41(s, rows); });
    if (airConditioners != airConditionersListed)
        LogValError(s, BlockText(s), "1", "", "B4I44 not= block-4.1 total airconditioners ",
                    "B4I44= " + NumText(airConditioners) +
                        " blk-4.1 total aircond= " + NumText(airConditionersListed));
    const int airCoolersListed =
        RunOptionalBlock(s, 4.2, T_BLOCK42, surveyCode, [&](int rows) { ValBlk051_42(s, rows); });
    if (airCoolers != airCoolersListed)
        LogValError(
            s, BlockText(s), "1", "", "B4I46 not= block-4.2 total aircooler ",
            "B4I46= " + NumText(airCoolers) + " blk-4.2 total aircooler= " + NumText(airCoolersListed));

    const int block5Rows =
        RunOptionalBlock(s, 5, T_BLOCK5, surveyCode, [&](int rows) { ValBlk051_5(s, rows); });
    CrossCheckMembers(s, block5Rows, members, surveyed);
    RunOptionalBlock(s, 6, T_BLOCK6, surveyCode, [&](int) { ValBlk051_6(s); });
    const int block7Rows =
        RunOptionalBlock(s, 7, T_BLOCK7, surveyCode, [&](int rows) { ValBlk051_7(s, rows); });
    CrossCheckMembers(s, block7Rows, members, surveyed);
    RunOptionalBlock(s, 8, T_BLOCK8, surveyCode, [&](int) { ValBlk051_8(s); });
    s.ValIsCritical = true;
}

}  // namespace r78
