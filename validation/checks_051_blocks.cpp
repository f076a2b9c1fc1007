// Schedule 5.1: the checks of blocks 4.1 to 8, each on its own block's entries.
// What blocks 4.1, 4.2, 5 and 7 must agree with elsewhere is the household
// driver's to check.
#include <cmath>
#include <string>
#include <string_view>

#include "validation/ErrorLog.h"
#include "validation/RecRow.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

// clang-format off
// Columns of the loaded S051L06, named by the questionnaire's items.
enum Block5 {
    SLNO = 1, AGE = 2, I3 = 3, I4 = 4, I41 = 5, I42 = 6,
    I51 = 7, I52 = 8, I53 = 9, I541 = 10, I542 = 11, I55 = 12, I561 = 13, I562 = 14, I57 = 15, I58 = 16,
    I59 = 17, I5101 = 18, I5102 = 19,
    I61 = 20, I62 = 21, I63 = 22, I64 = 23, I65 = 24, I661 = 25, I662 = 26,
    I71 = 27, I72 = 28, I731 = 29, I732 = 30,
    I8 = 31, I16 = 39
};
// Columns of the loaded S051L07.
enum Block6 {
    B6I1 = 1, B6I21 = 2, B6I22 = 3, B6I23 = 4, B6I3 = 5, B6I4 = 6, B6I5 = 7, B6I6 = 8, B6I7 = 9, B6I8 = 10,
    B6I9 = 11, B6I10 = 12, B6I11 = 13, B6I12 = 14, B6I13 = 15, B6I14 = 16, B6I15 = 17, B6I16 = 18, B6I17 = 19
};
// clang-format on

// The appliances of blocks 4.1 and 4.2 are numbered 1, 2, 3 ... in the order keyed.
void CheckSerials(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s);
    SerialContinuityRule(s, blk, rowCount, 1);
    s.ValIsCritical = true;
}

// Amounts are keyed with at most a few decimals; a difference below this is the
// arithmetic's, not the operator's.
bool SumDiffers(double sum, double total) { return std::fabs(sum - total) >= 0.00001; }

// Writes the error rows of one member's row of block 5.
struct MemberLog {
    SharedState& s;
    const std::string& blk;
    const RecRow& r;
    void operator()(const std::string& col, const std::string& msg1, const std::string& msg2 = "") const {
        LogValError(s, blk, r.Text(SLNO), col, msg1, msg2);
    }
    // One row for each item of the columns from..to that holds more than blanks.
    void EachKeyed(int from, int to, const std::string& col, const std::string& msg1,
                   const std::string& msg2) const {
        for (int c = from; c <= to; ++c)
            if (!r.Blank(c)) (*this)(col, msg1, msg2);
    }
};

bool Is(const RecRow& r, int col, std::string_view code) { return r.Text(col) == code; }

// Items 5.1 to 5.10.2, for a member with code 3 in item 4.
void CheckItems5(const RecRow& r, const MemberLog& log) {
    if (!r.InTwoDigits(I51, "1..8,10..15,x")) log("5.1", "Invalid code");
    if (!r.In(I52, "1..4,x")) log("5.2", "Invalid code");
    if (!r.In(I53, "1..4,x")) log("5.3", "Invalid code");
    const bool item54Asked = r.In(I51, "6..8,10,x");
    if (item54Asked && !r.InTwoDigits(I541, "1..12,x"))
        log("5.4.1", "entry any of 06-08 or 10 in item 5.1 ", "but invalid code in item 5.4.1");
    if (!r.Empty(I541) && !item54Asked)
        log("5.4.1", "entry not any of 06-08 or 10 in item 5.1 ", "but entry exists in item 5.4.1");
    if (item54Asked && !r.In(I542, "1..2,x"))
        log("5.4.2", "entry any of 06-08 or 10 in item 5.1 ", "but invalid code in item 5.4.2");
    if (!r.Empty(I542) && !item54Asked)
        log("5.4.2", "entry not any of 06-08 or 10 in item 5.1 ", "but entry exists in item 5.4.2");
    if (Is(r, I541, "01") && !r.In(I55, "1..2,x"))
        log("5.5", "entry in item 5.4.1 is 01 ", "but invalid code in item 5.5");
    if (!r.Empty(I55) && !Is(r, I541, "01"))
        log("5.5", "entry not 01 in item 5.4.1 ", "but entry exists in item 5.5");
    if (!r.In(I561, "1..2,x")) log("5.6.1", "invalid code in item 5.6.1");
    if (!r.In(I562, "1..2,x")) log("5.6.2", "invalid code in item 5.6.2");
    const bool both562 = Is(r, I561, "2") && Is(r, I562, "2");
    if (both562 && !r.In(I57, "1..2,x"))
        log("5.7", "2 in item 5.6.1 and 5.6.2 ", "but invalid code in item 5.7");
    if (!r.Empty(I57) && !both562)
        log("5.7", "entry in item 5.6.1 or 5.6.2 is not 2 ", "but entry exists in item 5.7");
    if (!r.In(I58, "1..3,x")) log("5.8", "invalid code in item 5.8");
    if (Is(r, I58, "3") && !r.In(I59, "1..3,x")) log("5.9", "3 in item 5.8 ", "but invalid code in item 5.9");
    if (!r.Empty(I59) && !Is(r, I58, "3"))
        log("5.9", "entry in item 5.8 is not 3 ", "but entry exists in item 5.9");
    if (!r.In(I5101, "1..2,x")) log("5.101", "invalid code in item 5.10.1");
    const bool item5102Asked = Is(r, I5101, "2") && Is(r, I58, "3") && both562;
    if (item5102Asked && !r.In(I5102, "1..6,9,x"))
        log("5.102", "2 in I5.10.1, 3 in I5.8, 2 in I5.6.1&5.6.2 ", "but invalid code in item 5.10.2");
    if (!r.Empty(I5102) && !item5102Asked)
        log("5.102", "not 2 in I5.10.1 or 3 in I5.8 or 2 in I5.6.1&5.6.2", " but entry exists in I5.10.2");
}

// Items 6.1 to 6.6.2, for a member with code 2 in item 4.
void CheckItems6(const RecRow& r, const MemberLog& log) {
    if (!r.InTwoDigits(I61, "1..8,10..15,x")) log("6.1", "invalid code in item 6.1");
    const bool item62Asked = r.In(I61, "6..8,x");
    if (item62Asked && !r.In(I62, "1..12,x"))
        log("6.2", "code 06-08 in item 6.1, ", "but invalid code in item 6.2");
    if (!r.Empty(I62) && !item62Asked)
        log("6.2", "code not 06-08 in item 6.1, ", "but entry exists in item 6.2");
    if (!r.In(I63, "1..2,x")) log("6.3", "invalid code in item 6.3");
    if (!r.In(I64, "1..3,x")) log("6.4", "invalid code in item 6.4");
    if (Is(r, I64, "3") && !r.In(I65, "1..3,x"))
        log("6.5", "code 3 in item 6.4 ", "but invalid code in item 6.5");
    if (!r.Empty(I65) && !Is(r, I64, "3"))
        log("6.5", "code not 3 in item 6.4 ", "but entry exists in item 6.5");
    if (!r.In(I661, "1..3,x")) log("6.6", "invalid code in item 6.6.1");
    const bool item662Asked = Is(r, I661, "2") && Is(r, I64, "3");
    if (item662Asked && !r.In(I662, "1..6,9,x"))
        log("6.6", "2 in I6.6.1, 3 in I6.4 ", "but invalid code in item 6.6.2");
    if (!r.Empty(I662) && !item662Asked)
        log("6.6", "2 not in I6.6.1, 3 not in I6.4 ", "but entry exists item 6.6.2");
}

// Items 7.1 to 7.3.2, for a member with code 1 in item 4.
void CheckItems7(const RecRow& r, const MemberLog& log) {
    if (!r.In(I71, "1..3,x")) log("7.1", "invalid code in item 7.1");
    if (Is(r, I71, "3") && !r.In(I72, "1..3,x"))
        log("7.2", "code 3 in item 7.1, ", "but invalid code in item 7.2");
    if (!r.Empty(I72) && !Is(r, I71, "3"))
        log("7.2", "code not 3 in item 7.1, ", "but entry exists in item 7.2");
    if (!r.In(I731, "1..2,x")) log("7.3", "invalid code in item 7.3.1");
    const bool item732Asked = Is(r, I731, "2") && Is(r, I71, "3");
    if (item732Asked && !r.In(I732, "1..6,9,x"))
        log("7.3.2", "2 in I7.3.1, 3 in I7.1 ", "but invalid code in item 7.3.2");
    if (!r.Empty(I732) && !item732Asked)
        log("7.3.2", "2 not in I7.3.1, 3 not in I7.1 ", "but entry exists in item 7.3.2");
}

}  // namespace

void ValBlk051_41(SharedState& s, int rowCount) { CheckSerials(s, rowCount); }

void ValBlk051_42(SharedState& s, int rowCount) { CheckSerials(s, rowCount); }

void ValBlk051_5(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s);
    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const MemberLog log{s, blk, r};
        const double age = r.Dbl(AGE);
        // Items 4 to 7.3.2 are asked of members aged 3 to 35; item 4 then says which
        // of the sections 5, 6 or 7 applies (codes 3, 2 and 1).
        const bool schoolAge = age >= 3 && age <= 35;

        if (!r.In(I3, "1..2,x")) log("3", "invalid code");
        if (schoolAge) {
            if (!r.In(I4, "1..3,x")) log("4", "invalid code");
            const bool item4Sub = r.In(I4, "2,3,x");
            if (r.Empty(I41) && item4Sub) log("4.1", "code 3 or 4 in item 4, but item 4.1 is blank");
            if (!r.Empty(I41) && !item4Sub) log("4.1", "item 4 not 3 or 4, but item 4.1 is non-blank");
            if (!r.In(I42, "1,2,x") && item4Sub) log("4.2", "code 3 or 4 in item 4, but item 4.2 is blank");
            if (!r.Empty(I42) && !item4Sub) log("4.2", "item 4 not 3 or 4, but item 4.2 is non-blank");

            if (Is(r, I4, "3"))
                CheckItems5(r, log);
            else
                log.EachKeyed(I51, I5102, "5", "entry in item 4 not 3 ",
                              "but entry exists in any of 5.1 to 5.10.2");
            if (Is(r, I4, "2"))
                CheckItems6(r, log);
            else
                log.EachKeyed(I61, I662, "6", "entry in item 4 not 2 ",
                              "but entry exists in any of 6.1 to 6.6.2");
            if (Is(r, I4, "1"))
                CheckItems7(r, log);
            else
                log.EachKeyed(I71, I732, "7", "entry in item 4 not 1 ",
                              "but entry exists in any of 7.1 to 7.3.2");
        }

        if (!schoolAge)
            log.EachKeyed(I4, I732, "-", "entry should be blank in item 5/6/7", " for age not 3 to 35");
        // Items 8 to 16 are asked of members aged 15 and above.
        for (int col = I8; col <= I16; ++col) {
            const std::string item = SignText(col - I8 + 8);
            if (age >= 15 && !r.In(col, "1,2,x")) log(item, "Invalid code", " for age >=15");
            if (age < 15 && !r.Blank(col)) log(item, "entry should be blank", " for age <15");
        }
    }
    s.ValIsCritical = true;
}

void ValBlk051_6(SharedState& s) {
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);
    auto log = [&](const std::string& item, const std::string& msg1, const std::string& msg2 = "") {
        LogValError(s, blk, item, "", msg1, msg2);
    };

    if (!r.In(B6I1, "1..2,x")) log("1", "Invalid code");
    s.ValIsCritical = false;
    for (int k = 1; k <= 3; ++k) {
        const int col = B6I21 + k - 1;
        const std::string item = "2." + SignText(k);
        if (r.Empty(col) && Is(r, B6I1, "1")) log(item, "Invalid relentry, should be>=0");
        if (!r.Empty(col) && !Is(r, B6I1, "1")) log(item, "Item 1 is not 1", "but Item 2>0");
    }
    if (SumDiffers(r.Dbl(B6I21) + r.Dbl(B6I22), r.Dbl(B6I23)))
        log("2.3", "Item 2.3 is not equal to", "sum of 2.1 and 2.2");
    if (!r.In(B6I3, "1..2,x")) log("3", "Invalid code in item 3");
    if (Is(r, B6I3, "1") && !r.In(B6I4, "1..2,x"))
        log("4", "code 1 in item 3 ", "but invalid code in item 4");
    if (!r.Empty(B6I4) && !Is(r, B6I3, "1")) log("4", "code not 1 in item 3 ", "but entry exists in item 4");
    if (Is(r, B6I3, "1") && !r.In(B6I5, "1..2,x"))
        log("5", "code 1 in item 3 ", "but invalid code in item 5");
    if (!r.Empty(B6I5) && !Is(r, B6I3, "1")) log("5", "code not 1 in item 3 ", "but entry exists in item 5");

    if (Is(r, B6I5, "1")) {
        if (!r.In(B6I6, "1..2,x")) log("6", "Invalid code in item 6");
        if (r.Text(B6I7).size() != 4) log("7", "Invalid year in item 7");
        if (r.Empty(B6I8)) log("8", "Pl. check entry in item 8");
        if (r.Empty(B6I9)) log("9", "Pl. check entry in item 9");
        if (SumDiffers(r.Dbl(B6I10) + r.Dbl(B6I11) + r.Dbl(B6I12) + r.Dbl(B6I13), r.Dbl(B6I14)))
            log("14", "Item 14 is not equal to", "sum of 10 to 13");
        if (!r.In(B6I15, "1..9,x")) log("15", "Invalid code in item 15");
        if (!r.In(B6I16, "1..9,x")) log("16", "Invalid code in item 16");
        if (!r.In(B6I17, "1..4,x")) log("17", "Invalid code in item 17");
    } else {
        // Items 16 and 17 stay out of this test.
        for (int col = B6I6; col <= B6I15; ++col)
            if (!r.Empty(col)) log(SignText(col - B6I6 + 6), "item 5 is not 1", "but entry exists");
    }
    s.ValIsCritical = true;
}

void ValBlk051_7(SharedState& s, int rowCount) {
    // Column k of the loaded S051L08 holds item k, column 1 the serial number.
    const std::string blk = BlockText(s);
    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        auto log = [&](int col, const std::string& msg1, const std::string& msg2 = "") {
            LogValError(s, blk, r.Text(1), std::to_string(col), msg1, msg2);
        };

        if (!r.In(3, "1..2,x")) log(3, "invalid code");
        // Items 4 to 16 are looked at only when item 3 is 1, whatever they hold otherwise.
        if (!Is(r, 3, "1")) continue;
        if (!r.In(4, "1..7,x")) log(4, "invalid code");
        if (!r.InTwoDigits(5, "1..37,41..55,99,x")) log(5, "invalid state/ country code");
        if (!r.InTwoDigits(6, "1..8,10..18,19,x")) log(6, "invalid code");
        if (!r.In(7, "1..6,9,x")) log(7, "invalid code");
        const bool item8Asked = r.In(7, "1..5,9,x");
        if (item8Asked && !r.In(8, "1..3,9,x"))
            log(8, "item 7 is any of 1-5 or 9, ", "invalid code in item 8");
        if (!r.Empty(8) && !item8Asked) log(8, "item 7 is not any of 1-5 or 9, ", "entry exits in item 8");
        if (!r.In(9, "1..2,x")) log(9, "invalid code");
        if (Is(r, 9, "1") && !r.In(10, "1..3,x")) log(10, "1 in item 9", "but invalid code in item 10");
        if (!r.Empty(10) && !Is(r, 9, "1")) log(10, "item 9 not 1,", " but entry exists in item 10");
        if (!r.In(11, "1..6,9,x")) log(11, "invalid code");
        if (!r.In(12, "1..2,x")) log(12, "invalid code");
        if (Is(r, 12, "1") && !r.In(13, "1..5,x")) log(13, "item 12 is 1", "but item 13 is invalid");
        if (!r.Empty(13) && !Is(r, 12, "1")) log(13, "item 12 is not 1", "but item 13 exists");
        if (!r.In(14, "1..2,x")) log(14, "invalid code");
        if (Is(r, 14, "1") && !r.InTwoDigits(15, "1..8,10,19,x"))
            log(15, "item 14 is 1", "but item 15 is invalid");
        if (!r.Empty(15) && !Is(r, 14, "1")) log(15, "item 14 is not 1", "but item 15 exists");
        if (Is(r, 14, "1") && !r.In(16, "1..2,x")) log(16, "item 14 is 1", "but item 16 is invalid");
        if (!r.Empty(16) && !Is(r, 14, "1")) log(16, "item 14 is not 1", "but item 16 exists");
    }
    s.ValIsCritical = true;
}

void ValBlk051_8(SharedState& s) {
    // Column k of the loaded S051L09 holds item k.
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);
    auto log = [&](const std::string& item, const std::string& msg1, const std::string& msg2 = "") {
        LogValError(s, blk, item, "", msg1, msg2);
    };
    s.ValIsCritical = false;
    if (!r.In(1, "1..2,x")) log("1", "Invalid code in item 1");
    if (r.Empty(2) && Is(r, 1, "1")) log("2", "code 1 in item 1 ", "but blank in item 2");
    if (!r.Empty(2) && !Is(r, 1, "1")) log("2", "item 1 is not 1", "but entry exists in item 2");
    if (!r.In(3, "1..2,x")) log("3", "Invalid code in item 3");
    if (r.Empty(4) && Is(r, 3, "1")) log("4", "code 1 in item 3 ", "but blank in item 4");
    if (!r.Empty(4) && !Is(r, 3, "1")) log("4", "item 3 is not 1", "but entry exists in item 4");
    s.ValIsCritical = true;
}

}  // namespace r78
