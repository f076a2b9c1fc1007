// Schedule 5.1: the checks of blocks 1-2, 3 and 4, the blocks every surveyed
// household must have.
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Values.h"
#include "validation/ErrorLog.h"
#include "validation/RecRow.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

// Columns of the loaded S051L01.
enum Block1 { SVC = 17, RES_SUBST = 18, DOS = 22, DOD = 23, REM1 = 26, REM2 = 27, REM3 = 28, REM4 = 29 };
// Columns of the loaded S051L02: column k holds B3Ck, column 1 the serial number.
enum Block3 { SLNO = 1, AGE = 5 };

// The industry (NIC) and occupation (NCO) divisions, keyed as two digits.
constexpr std::string_view kNicDivisions =
    "01..03,05..33,35..39,41..43,45..47,49..53,55,56,58..66,68..75,77..82,84..88,90..97,99,x";
constexpr std::string_view kNcoDivisions = "11..13,21..24,31..34,41,42,51,52,61,62,71..74,81..83,91..93,x";

}  // namespace

void ValBlk051_1(SharedState& s) {
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);

    if (!r.In(SVC, "1..3,x")) LogValError(s, blk, "9", "", "inconsistent survey code", " ");
    s.ValIsCritical = false;
    // A reason for substitution belongs to a substituted household (survey code 2 or 3) only.
    const bool hasReason = r.In(RES_SUBST, "1..3,9,x"), substituted = r.In(SVC, "2..3,x");
    if (hasReason != substituted)
        LogValError(s, blk, "10", "", "item-10 = 1 to 3 or 9 iff item 9 not = 1",
                    "inconsistent reason for subst");

    SurveyDatesAndRemarksRules(s, 0, DOS, REM1, "2(iv)", "6(i)", "6(ii)");
    s.ValIsCritical = true;
}

void ValBlk051_3(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s);
    SerialContinuityRule(s, blk, rowCount, SLNO);

    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        auto log = [&](int col, const char* msg1) {
            LogValError(s, blk, r.Text(SLNO), std::to_string(col), msg1, "");
        };
        const long age = r.Num(AGE);
        // Industry and occupation are asked of the usually working only.
        const bool working = r.In(8, "11,12,21,31,41,51,x");
        const std::string& nco = r.Text(10);
        const bool ncoX = nco == "X0" || nco == "X1" || nco == "X9";

        if (!r.In(3, "1..9,x")) log(3, "invalid relation to head code");
        if (!r.In(4, "1..3,x")) log(4, "invalid gender code");
        if (age > 110) log(5, "Pl. check age");
        if (!r.In(6, "1..4,x")) log(6, "invalid marital status code");
        if (!r.InTwoDigits(7, "1..8,10..13,x")) log(7, "invalid educational level code");
        if (!r.In(8, "11,12,21,31,41,51,81,91..95,97,x"))
            log(8, "invalid usual principal activity status code");
        if (working && !r.InTwoDigits(9, kNicDivisions)) log(9, "invalid NIC code");
        if (working && ((!ncoX && !r.In(10, kNcoDivisions)) || nco.size() < 2)) log(10, "invalid NCO code");
        if (!working && !r.Empty(9)) log(9, "col.8 not any of 11-51 but entry exists");
        if (!working && !r.Empty(10)) log(10, "col.8 not any of 11-51 but entry exists");
        if (!r.In(11, "1..4,x")) log(11, "invalid code, Pl. check");
        // Columns 12 and 13 are asked of members aged 50 or less only.
        if (age <= 50 && !r.In(12, "1..3,x")) log(12, "invalid code, Pl. check");
        if (!r.Empty(12) && age > 50) log(12, "age>50 but entry exists");
        const bool col13Asked = age <= 50 && r.In(12, "2,3,x");
        if (col13Asked && !r.In(13, "1..3,x")) log(13, "invalid code, Pl. check");
        if (!r.Empty(13) && !col13Asked) log(13, "age>50 or col.12 is not 2 or 3, but entry exists");
        if (age >= 15 && !r.In(14, "1..2,x")) log(14, "invalid code, Pl. check");
        if (!r.Empty(14) && age < 15) log(14, "age<15 but entry exists");
        const bool col15Asked = age >= 15 && r.Text(14) == "1";
        if (col15Asked && !r.In(15, "1..4,x")) log(15, "invalid code, Pl. check");
        if (!r.Empty(15) && !col15Asked) log(15, "age<15 or col.14 not 1 but entry exists");
        if (age >= 15 && !r.In(16, "1..2,x")) log(16, "invalid code, Pl. check");
        if (!r.Empty(16) && age < 15) log(16, "age<15 but entry exists");
    }
    s.ValIsCritical = true;
}

void ValBlk051_4(SharedState& s) {
    // Column k of the loaded S051L03 holds item k.
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);
    auto log = [&](const std::string& item, const std::string& msg1) {
        LogValError(s, blk, item, "", msg1, "");
    };

    if (!r.In(1, "1..99,x")) log("1", "Househod size should be >= 1");
    s.ValIsCritical = false;
    if (!r.In(2, "1..7,9,x")) log("2", "Invalid religion code");
    if (!r.In(3, "1..3,9,x")) log("3", "Invalid social group code");
    if (!r.InTwoDigits(4, "1..8,10..12,x")) log("4", "Invalid social group code");

    // Item 10 is a monthly figure: items 5 to 7 count whole, the yearly items 8 and 9 a twelfth.
    const long reported = r.Num(10);
    const long sum =
        r.Num(5) + r.Num(6) + r.Num(7) + static_cast<long>(std::nearbyint((r.Num(8) + r.Num(9)) / 12.0));
    if (std::labs(reported - sum) > 1)
        log("10", "Item 10" + SignText(reported) + " not equal to sum of items 5 to 9 " + SignText(sum));

    if (!r.In(11, "1..6,9,x")) log("11", "Invalid code");
    const bool items12To15Asked = r.In(11, "1..5,9,x");
    if (items12To15Asked && !r.In(12, "1..3,9,x"))
        log("12", "1-5 or 9 in item 11 but invalid code in item 12");
    if (!items12To15Asked && !r.Empty(12)) log("12", "code not 1-5 or 9 in item 11 but item 12 exists");
    if (items12To15Asked && !r.In(13, "1..9,x")) log("13", "1-5 or 9 in item 11 but invalid code in item 13");
    if (!items12To15Asked && !r.Empty(13)) log("13", "code not 1-5 or 9 in item 11 but item 13 exists");
    if (items12To15Asked && !r.In(14, "1..9,x")) log("14", "1-5 or 9 in item 11 but invalid code in item 14");
    if (!items12To15Asked && !r.Empty(14)) log("14", "code not 1-5 or 9 in item 11 but item 14 exists");
    if (items12To15Asked && !r.In(15, "1..3,x")) log("15", "1-5 or 9 in item 11 but invalid code in item 15");
    if (!items12To15Asked && !r.Empty(15)) log("15", "code not 1-5 or 9 in item 11 but item 15 exists");

    if (!r.InTwoDigits(16, "1..12,19,x")) log("16", "Invalid code");
    if (!r.In(17, "1..6,9,x")) log("17", "Invalid code");
    if (!r.InTwoDigits(18, "1..12,19,x")) log("18", "Invalid code");
    if (!r.In(19, "1..8,x")) log("19", "Invalid code");
    if (!r.InTwoDigits(20, "1..16,19,x")) log("20", "Invalid code");
    if (!r.In(21, "1,2,x")) log("21", "Invalid code");
    if (!r.In(22, "1..7,9,x")) log("22", "Invalid code");
    if (!r.In(23, "1..7,x")) log("23", "Invalid code");
    const bool item24Asked = r.In(23, "3..7,x");
    if (item24Asked && r.Dbl(24) > 90) log("24", "please check the figure");
    if (!item24Asked && r.Dbl(24) > 0) log("24", "item 23 not any of 3 to 7 but item 24>0");

    if (!r.In(25, "1..5,9,x")) log("25", "Invalid code");
    const bool item26Asked = r.In(25, "1..4,9,x");
    if (item26Asked && !r.InTwoDigits(26, "1..8,10,11,19,x"))
        log("26", "1-4 or 9 in item 25 but invalid code in item 26");
    if (!item26Asked && !r.Empty(26)) log("26", "item 25 not any of 1-4 or 9 but item 26 exists");
    if (!r.In(27, "1..5,9,x")) log("27", "Invalid code");
    if (!r.In(28, "1..4,x")) log("28", "Invalid code");
    if (!r.In(29, "1..4,9,x")) log("29", "Invalid code");
    if (!r.In(30, "1..5,9,x")) log("30", "Invalid code");
    const bool item31Asked = r.In(30, "3,4,x");
    if (item31Asked && !r.In(31, "1..4,x")) log("31", "3 or 4 in item 30 but invalid code in item 31");
    if (!item31Asked && !r.Empty(31)) log("31", "3 or 4 not in item 30 but entry exists in item 31");

    // Item 32 is asked in the villages, item 33 in the towns.
    const bool rural = s.FsuSector == "1", urban = s.FsuSector == "2";
    if (rural && !r.In(32, "1,2,x")) log("32", "Invalid code");
    if (!rural && !r.Empty(32)) log("32", "Item 32 applicable only for RURAL");
    if (urban && !r.In(33, "1,2,x")) log("33", "Invalid code");
    if (!urban && !r.Empty(33)) log("33", "Item 33 applicable only for URBAN");

    for (int item = 34; item <= 36; ++item)
        if (!r.In(item, "1..5,x")) log(SignText(item), "Invalid code");
    if (!r.In(37, "1..6,x")) log("37", "Invalid code");
    for (int item = 38; item <= 43; ++item)
        if (!r.In(item, "1,2,x")) log(SignText(item), "Invalid code");
    if (r.Empty(44) && r.Text(43) == "1") log("44", "1 in item 43 but item 44 blank");
    if (!r.In(45, "1,2,x")) log("45", "Invalid code");
    if (r.Empty(46) && r.Text(45) == "1") log("46", "1 in item 45 but item 46 blank");
    s.ValIsCritical = true;
}

}  // namespace r78
