// The household-level blocks of Schedule 21.1: blocks 1 and 2, block 3 and block 4.
#include <cmath>
#include <cstdint>

#include "core/Text.h"
#include "validation/ErrorLog.h"
#include "validation/RecRow.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

// Columns of the loaded S211L01.
enum Block1 { SVC = 17, RES_SUBST = 18, DOS = 22, DOD = 23, REM1 = 26, REM2 = 27, REM3 = 28, REM4 = 29 };
// Columns of the loaded S211L02 (column k holds B3Ck).
enum Block3 { SLNO = 1, Relation = 3, Gender = 4, Age = 5, Marital = 6, Education = 7, Activity = 8 };
// Columns of the loaded S211L03 (items 1 to 6, 8 to 13; items 7.1-7.5 have no rule).
// clang-format off
enum Block4 { B4I1 = 1, B4I2 = 2, B4I3 = 3, B4I4 = 4, B4I5 = 5, B4I6 = 6, B4I8 = 12, B4I9 = 13, B4I10 = 14,
              B4I11 = 15, B4I12 = 16, B4I13 = 17 };
// clang-format on

// The NCO and NIC lists are searched only so far: the codes of the survey's own
// part of each list (NCO-2004 and NIC-2008 entries 1 to 116 and 1 to 1302).
constexpr int kLastNco = 116, kLastNic = 1302;

// Usual monthly consumer expenditure from items 8 to 12: items 11 and 12 cover a
// year, so their twelfth is added (to the nearest rupee, a half to the even one).
// Held in 64 bits: a year's clothing and durables of 393210 and more is ordinary.
int64_t MonthlyExpenditure(const RecRow& r) {
    const int64_t yearly = int64_t{r.Num(B4I11)} + r.Num(B4I12);
    const auto month = static_cast<int64_t>(std::nearbyint(static_cast<double>(yearly) / 12));
    return int64_t{r.Num(B4I8)} + r.Num(B4I9) + r.Num(B4I10) + month;
}

}  // namespace

void ValBlk211_1(SharedState& s) {
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);

    if (!r.In(SVC, "1..3,x")) LogValError(s, blk, "9", "", "inconsistent survey code", " ");
    s.ValIsCritical = false;
    // A reason for substitution or casualty is given exactly when the household
    // is a substitute (2) or a casualty (3).
    if (r.In(RES_SUBST, "1..3,9,x") != r.In(SVC, "2..3,x"))
        LogValError(s, blk, "10", "", "item-10 = 1 to 3 or 9 iff item 9 not = 1",
                    "inconsistent reason for subst");

    SurveyDatesAndRemarksRules(s, 0, DOS, REM1, "2(iv)", "6(i)", "6(ii)");
    s.ValIsCritical = true;
}

void ValBlk211_3(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s);
    // The continuity rows of all members come first, then each member's codes.
    SerialContinuityRule(s, blk, rowCount, SLNO);
    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const std::string& item = r.Text(SLNO);
        if (!r.In(Relation, "1..9,x")) LogValError(s, blk, item, "3", "invalid relation to head code", "");
        if (!r.In(Gender, "1..3,x")) LogValError(s, blk, item, "4", "invalid gender code", "");
        if (r.Num(Age) > 110) LogValError(s, blk, item, "5", "Pl. check age", "");
        if (!r.In(Marital, "1..4,x")) LogValError(s, blk, item, "6", "invalid marital status code", "");
        // The level is keyed in two digits: "05", never "5".
        if (!r.In(Education, "1..8,10..13,x") || r.Text(Education).size() < 2)
            LogValError(s, blk, item, "7", "invalid educational level code", "");
        if (!r.In(Activity, "11,12,21,31,41,51,81,91..95,97,x"))
            LogValError(s, blk, item, "8", "invalid usual principal activity status code", "");
    }
    s.ValIsCritical = true;
}

void ValBlk211_4(SharedState& s) {
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);

    if (!r.In(B4I1, "1..99,x")) LogValError(s, blk, "1", "", "Househod size should be >= 1", "");
    s.ValIsCritical = false;
    // Looked up as "A" and the trimmed code: the master lists nco78 and nic78 hold
    // their codes in that form.
    if (!r.Empty(B4I2) && !InNcoList(s, "A" + text::Trim(r.Text(B4I2)), 1, kLastNco))
        LogValError(s, blk, "2", "", "Invalid NCO code", "");
    if (!r.Empty(B4I3) && !InNicList(s, "A" + text::Trim(r.Text(B4I3)), 1, kLastNic))
        LogValError(s, blk, "3", "", "Invalid NIC code", "");
    if (r.Empty(B4I3) && !r.Empty(B4I2)) LogValError(s, blk, "3", "", "NCO exists but NIC blank", "");
    if (!r.Empty(B4I3) && r.Empty(B4I2)) LogValError(s, blk, "3", "", "NIC exists but NCO blank", "");
    if (s.FsuSector == "1" && !r.In(B4I4, "1..6,9,x"))
        LogValError(s, blk, "4", "", "For RURAL HHD, invalid household type code", "");
    if (s.FsuSector == "2" && !r.In(B4I4, "1..3,9,x"))
        LogValError(s, blk, "4", "", "For URBAN HHD, invalid household type code", "");
    // Household type 9 (others) is the one that has no principal occupation and industry.
    if (r.Text(B4I4) != "9" && r.Empty(B4I2) && r.Empty(B4I3))
        LogValError(s, blk, "2", "", "HH type other than 9, but NCO&NIC blank", "");
    if (r.Text(B4I4) == "9" && (!r.Empty(B4I2) || !r.Empty(B4I3)))
        LogValError(s, blk, "2", "", "HH type=9, but NCO&NIC non-blank", "");
    if (!r.In(B4I5, "1..7,9,x")) LogValError(s, blk, "5", "", "Invalid religion code", "");
    if (!r.In(B4I6, "1..3,9,x")) LogValError(s, blk, "6", "", "Invalid social group code", "");
    if (r.Empty(B4I13)) LogValError(s, blk, "13", "", "Amount should be >0", "");
    // Item 13 may differ from its computed value by a rupee of rounding.
    const int64_t computed = MonthlyExpenditure(r);
    const int64_t stated = r.Num(B4I13);
    if (computed + 1 < stated || computed - 1 > stated)
        LogValError(s, blk, "13", "",
                    "Item 13" + SignText(static_cast<double>(stated)) + "not equal to sum of items 8 to 12" +
                        SignText(static_cast<double>(computed)),
                    "");
    s.ValIsCritical = true;
}

}  // namespace r78
