// The trip and expenditure blocks of Schedule 21.1: blocks 5.1 and 5.2 (overnight
// trips by member), 6.1 and 6.2 (their expenditure), 7 (same-day trips) and 8
// (special trips of more than 180 days).
#include <cmath>
#include <cstdint>
#include <string_view>

#include "validation/ErrorLog.h"
#include "validation/RecRow.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

// Columns of the loaded S211L04 / S211L05 (column k holds B51Ck / B52Ck).
// clang-format off
enum TripMember { SLNO = 1, Members = 2, Member = 3, Age = 4, Purpose = 5, TripType = 6, ModeMajor = 7,
                  ModeMinor = 8, TypeMajor = 9, TypeMinor = 10, Nights = 11, LeadPurpose = 12, Month = 13,
                  Destination = 14, State = 15 };
// clang-format on
// The row of blocks 5.1 and 5.2 that holds the total number of trips.
constexpr long kTotalRow = 99;

// Columns of the loaded S211L06 / S211L07, named by the item they hold (I851 is item 8.5.1).
// clang-format off
enum TripExpenditure { I2 = 2, I3 = 3, I31 = 4, I41 = 8, I46 = 13, I40 = 14, I51 = 15, I52 = 16, I50 = 17,
                       I61 = 18, I68 = 25, I60 = 26, I701 = 27, I711 = 36, I700 = 37, I81 = 38, I84 = 41,
                       I851 = 42, I853 = 44, I850 = 45, I80 = 46, I9 = 47, I10 = 48, I11 = 49, I12 = 50, I13 = 51,
                       I14 = 52, I15 = 53, I161 = 54, I162 = 55, I165 = 58, I171 = 59, I18 = 63 };
// clang-format on

// Columns of the loaded S211L08 (block 7) and S211L09 (block 8) that have a name
// of their own; the rest are named by number, as the rules name them.
enum SameDay { LeadingPurpose = 3, Package = 4, Subtotal = 12, Total = 13 };
enum Special { SpecialPurpose = 3 };

// An amount to the whole rupee, a half going to the even one.
int64_t Whole(double amount) { return static_cast<int64_t>(std::nearbyint(amount)); }

// The amounts of columns from to to, added in column order.
double Amounts(const RecRow& r, int from, int to) {
    double sum = 0;
    for (int c = from; c <= to; ++c) sum += r.Dbl(c);
    return sum;
}

// A stated total against the sum of its parts, both to the whole rupee.
void SumRule(SharedState& s, const std::string& blk, const std::string& item, double stated, double parts,
             const std::string& label, const std::string& sumText) {
    const int64_t total = Whole(stated), computed = Whole(parts);
    if (total != computed)
        LogValError(s, blk, item, "-", label + "=" + SignText(static_cast<double>(total)) + " not = ",
                    sumText + "=" + SignText(static_cast<double>(computed)));
}

// Rows of a list block whose serial number is not its position.
void ContinuityRule(SharedState& s, int rowCount, const std::string& col) {
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        if (r.Num(SLNO) != i + 1)
            LogValError(s, BlockText(s), r.Text(SLNO), col, "trip srlno not continuous from 1", "");
    }
}

// The trip numbers of blocks 5.1 and 5.2 as the rows change trip: a row counts as
// a change whenever its number differs from the count so far. The last row (the
// total row of a complete block) takes no part. Places are numbered from 1.
int CountTripChanges(const SharedState& s, int rowCount, TextList* places = nullptr) {
    int k = 0;
    for (int i = 0; i <= rowCount - 2; ++i) {
        const long slno = RecRow(s, i).Num(SLNO);
        if (slno == k) continue;
        ++k;
        if (places) places->Set(k, NumText(slno));
    }
    return k;
}

// Blocks 5.1 and 5.2, which differ only in the leading purposes of column 12.
void TripMemberChecks(SharedState& s, int rowCount, std::string_view leadPurposes) {
    const std::string blk = BlockText(s);

    TextList tripNumbers;
    const int k = CountTripChanges(s, rowCount, &tripNumbers);
    // Each gap is reported against the last trip of the list.
    for (int j = 1; j <= k; ++j)
        if (ToLong(tripNumbers[j]) != j)
            LogValError(s, blk, tripNumbers[k], "1", "srlno not continuous from 1", "");

    long tripTotal = 0;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        tripTotal = r.Num(SLNO) == kTotalRow ? r.Num(Member) : 0;
        if (r.Empty(Member)) LogValError(s, blk, r.Text(SLNO), "3", "col-3 cannot be blank", "");
    }

    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const bool total = r.Num(SLNO) == kTotalRow;
        // The trip's own columns (12 to 15) are keyed on the first member's row only.
        const bool first = i == 0 || r.Num(SLNO) != RecRow(s, i - 1).Num(SLNO);
        const std::string item = r.Text(SLNO) + "-" + r.Text(Member);
        if (!total && !r.In(Purpose, "1..7,9,x"))
            LogValError(s, blk, item, "5", "invalid code in col. 5", "");
        if (!total && !r.In(TripType, "1..2,x")) LogValError(s, blk, item, "6", "invalid code in col. 6", "");
        if (!total && (!r.In(ModeMajor, "1..8,10,19,x") || r.Text(ModeMajor).size() < 2))
            LogValError(s, blk, item, "7", "Pl. check code for col. 7", "");
        if (r.Num(ModeMinor) > 0 && (!r.In(ModeMinor, "1..8,10,19,x") || r.Text(ModeMinor).size() < 2))
            LogValError(s, blk, item, "8", "Pl. check code for col. 8", "");
        if (!total && !r.Empty(ModeMajor) && !r.Empty(ModeMinor) && r.Text(ModeMajor) == r.Text(ModeMinor))
            LogValError(s, blk, item, "7", "Pl. check code for col. 7 & 8", "");
        if (!total && !r.In(TypeMajor, "1..5,9,x"))
            LogValError(s, blk, item, "9", "Pl. check code for col. 9", "");
        if (r.Num(TypeMinor) > 0 && !r.In(TypeMinor, "1..5,9,x"))
            LogValError(s, blk, item, "10", "Pl. check code for col. 10", "");
        if (!total && !r.Empty(TypeMajor) && !r.Empty(TypeMinor) && r.Text(TypeMajor) == r.Text(TypeMinor))
            LogValError(s, blk, item, "9", "Pl. check code for col. 9 & 10", "");
        if (first && !total && !r.In(LeadPurpose, leadPurposes))
            LogValError(s, blk, item, "12", "Pl. check code for col. 12", "");
        if (first && !total && (!r.In(Month, "1..12,x") || r.Text(Month).size() < 2))
            LogValError(s, blk, item, "13", "Pl. check code for col. 13", "");
        if (first && !total && !r.In(Destination, "1..4,x"))
            LogValError(s, blk, item, "14", "Pl. check code for col. 14", "");
        if (first && r.Num(State) > 0 && (!r.In(State, "1..36,x") || r.Text(State).size() < 2))
            LogValError(s, blk, item, "15", "Pl. check code for col. 15", "");
        // A state code goes with a main destination of code 3 or 4, and only with it.
        if (first && r.Num(State) > 0 && !r.In(Destination, "3,4,x"))
            LogValError(s, blk, item, "15", "Col. 14 is not 3 or 4 but col.15 exists", "");
        if (first && r.Empty(State) && r.In(Destination, "3,4,x"))
            LogValError(s, blk, item, "15", "Col. 14 is 3 or 4 but col.15 blank", "");
        if (total) {
            // The total row holds only the number of trips (and the type of trip).
            for (int c : {Age, Purpose, ModeMajor, ModeMinor, TypeMajor, TypeMinor, Nights, LeadPurpose,
                          Month, Destination, State})
                if (!r.Blank(c))
                    LogValError(s, blk, r.Text(SLNO), SignText(c), "entry should be blank", " for item = 99");
            if (!r.Blank(Members))
                LogValError(s, blk, r.Text(SLNO), SignText(Members), "entry should be blank",
                            " for item = 99");
        }
    }

    const int trips = CountTripChanges(s, rowCount);
    if (tripTotal != trips || tripTotal == 0)
        LogValError(s, blk, SignText(kTotalRow), "3", "Pl. check total no. of trip",
                    "with detail trips entered");
    s.ValIsCritical = true;
}

// Blocks 6.1 and 6.2, which differ only in the message for an item 13 without code 1 in item 12.
void TripExpenditureChecks(SharedState& s, int rowCount, const std::string& item13WithoutCode1) {
    const std::string blk = BlockText(s);
    ContinuityRule(s, rowCount, "I1");
    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const std::string& item = r.Text(SLNO);
        if (!r.In(I2, "1..2,x")) LogValError(s, blk, item, "I-2", "invalid code", "");
        for (int p = 0; p < 4; ++p)
            if (r.Num(I2) != 2 && !r.In(I31 + p, "1..2,x"))
                LogValError(s, blk, item, "I-3." + std::to_string(p + 1), "invalid code", "");

        SumRule(s, blk, item, r.Dbl(I40), Amounts(r, I41, I46), "Item-4.0", "sum of I-4.1 to I-4.6");
        SumRule(s, blk, item, r.Dbl(I50), r.Dbl(I51) + r.Dbl(I52), "Item-5.0", "sum of I-5.1 to I-5.2");
        SumRule(s, blk, item, r.Dbl(I60), Amounts(r, I61, I68), "Item-6.0", "sum of I-6.1 to I-6.8");
        SumRule(s, blk, item, r.Dbl(I700), Amounts(r, I701, I711), "Item-7.00", "sum of I-7.01 to I-7.11");
        SumRule(s, blk, item, r.Dbl(I850), Amounts(r, I851, I853), "Item-8.5.0", "sum of I-8.5.1 to I-8.5.3");
        SumRule(s, blk, item, r.Dbl(I80), Amounts(r, I81, I84) + r.Dbl(I850), "Item-8.0",
                "sum of I-8.1 to I-8.4 and I-8.5.0");
        SumRule(s, blk, item, r.Dbl(I10),
                r.Dbl(I40) + r.Dbl(I50) + r.Dbl(I60) + r.Dbl(I700) + r.Dbl(I80) + r.Dbl(I9), "Item-10",
                "sum of I-4.0,I-5.0,I-6.0,I-7.00,I-8.0 & I-9");
        SumRule(s, blk, item, r.Dbl(I11), r.Dbl(I3) + r.Dbl(I10), "Item-11", "sum of I-3 & I-10");

        // Items 13 and 15 follow code 1 in items 12 and 14, and stay within item 11.
        if (!r.In(I12, "1..3,x")) LogValError(s, blk, item, "I-12", "invalid code", "");
        if (r.Text(I12) == "1" && r.Empty(I13))
            LogValError(s, blk, item, "I-13", "code 1 in item 12 but item 13 blank", "");
        if (r.Text(I12) != "1" && !r.Empty(I13)) LogValError(s, blk, item, "I-13", item13WithoutCode1, "");
        if (r.Dbl(I11) < r.Dbl(I13)) LogValError(s, blk, item, "I-13", "item 13 >item 11", "please check");
        if (!r.In(I14, "1..3,x")) LogValError(s, blk, item, "I-14", "invalid code", "");
        if (r.Text(I14) == "1" && r.Empty(I15))
            LogValError(s, blk, item, "I-15", "code 1 in item 14 but item 15 blank", "");
        if (r.Text(I14) != "1" && !r.Empty(I15))
            LogValError(s, blk, item, "I-15", "code not 1 in item 14 but item 15 exists", "");
        if (r.Dbl(I11) < r.Dbl(I15)) LogValError(s, blk, item, "I-15", "item 15 >item 11", "please check");
        if (r.Dbl(I11) < r.Dbl(I13) + r.Dbl(I15))
            LogValError(s, blk, item, "I-11", "item13 + item 15 >item 11", "please check");

        for (int p = 0; p < 5; ++p)
            if (!r.In(I161 + p, "1..2,x"))
                LogValError(s, blk, item, "I-16" + SignText(p), "invalid code", "");
        // Items 17.1 to 17.4 follow code 1 in item 16.1 or 16.2.
        const bool code1In16 = r.Text(I161) == "1" || r.Text(I162) == "1";
        for (int p = 0; p < 4; ++p) {
            if (code1In16 && !r.In(I171 + p, "1,2,9,x"))
                LogValError(s, blk, item, "I-17" + SignText(p),
                            "code 1 in item 16.1 or 16.2 but invalid code", "");
            if (!code1In16 && !r.Empty(I171 + p))
                LogValError(s, blk, item, "I-17" + SignText(p),
                            "code not 1 in item 16.1 & 16.2 but entry exists", "");
        }
        if (r.Text(I165) == "1" && !r.In(I18, "1,2,x"))
            LogValError(s, blk, item, "I-18", "code 1 in item 16.5 but invalid code", "");
        if (r.Text(I165) != "1" && !r.Empty(I18))
            LogValError(s, blk, item, "I-18", "code not 1 in item 16.5 but entry exists", "");
    }
    s.ValIsCritical = true;
}

}  // namespace

void ValBlk211_51(SharedState& s, int rowCount) { TripMemberChecks(s, rowCount, "2,6,7,x"); }

void ValBlk211_52(SharedState& s, int rowCount) { TripMemberChecks(s, rowCount, "1,3,4,5,9,x"); }

void ValBlk211_61(SharedState& s, int rowCount) {
    TripExpenditureChecks(s, rowCount, "code not 1 in item 12 exists");
}

void ValBlk211_62(SharedState& s, int rowCount) {
    TripExpenditureChecks(s, rowCount, "code not 1 in item 12 but item 13>0");
}

void ValBlk211_7(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s);
    ContinuityRule(s, rowCount, "1");
    s.ValIsCritical = false;
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const std::string& item = r.Text(SLNO);
        if (!r.In(LeadingPurpose, "1..7,9,x")) LogValError(s, blk, item, "3", "invalid code", "for col. 3");
        SumRule(s, blk, item, r.Dbl(Subtotal), Amounts(r, 5, 11), "Col.-12", "sum of col.5 to col. 11");
        SumRule(s, blk, item, r.Dbl(Total), r.Dbl(Package) + r.Dbl(Subtotal), "Item-13",
                "sum of col.4 & col.12");

        // Columns 14 to 23 belong to trips of leading purpose 2 or 4 only; columns 18
        // to 21 and 23 follow code 1 in columns 14-15 and 22.
        const bool asked = r.In(LeadingPurpose, "2,4,x");
        const bool code1In14 = r.Text(15) == "1" || r.Text(14) == "1";
        for (int p = 0; p < 4; ++p) {
            const int n = 14 + p, m = 18 + p;
            if (!r.In(n, "1,2,x") && asked)
                LogValError(s, blk, item, SignText(n),
                            "code 2 or 4 in col.3 but invalid code in col." + SignText(n), " ");
            if (!r.Empty(n) && !asked)
                LogValError(s, blk, item, SignText(n),
                            "code not 2 or 4 in col.3 but entry exists in col." + SignText(n), " ");
            if (code1In14 && !r.In(m, "1,2,9,x") && asked)
                LogValError(s, blk, item, SignText(m),
                            "code 1 in col.14/15 but invalid code in col." + SignText(m), " ");
            if ((!code1In14 || !asked) && !r.Empty(m))
                LogValError(
                    s, blk, item, SignText(m),
                    "code not 2/4 in col.3 or not 1 in col.14/15 but entry exists in col." + SignText(m),
                    " ");
        }
        if (!r.In(22, "1,2,x") && asked)
            LogValError(s, blk, item, "22", "code 2 or 4 in col. 3 but invalid code in col.22", " ");
        if (!r.Empty(22) && !asked)
            LogValError(s, blk, item, "22", "code not 2 or 4 in col.3 but entry exists in col.22", " ");
        if (r.Text(22) == "1" && !r.In(23, "1,2,x") && asked)
            LogValError(s, blk, item, "23", "code 1 in col.22 but invalid code in col.23", " ");
        if ((r.Text(22) != "1" || !asked) && !r.Empty(23))
            LogValError(s, blk, item, "23",
                        "code not 2/4 in col.3 or not 1 in col.22 but entry exists in col.23", " ");
    }
    s.ValIsCritical = true;
}

void ValBlk211_8(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s);
    s.ValIsCritical = false;
    ContinuityRule(s, rowCount, "1");
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const std::string& item = r.Text(SLNO);
        if (!r.In(SpecialPurpose, "1..7,9,x")) LogValError(s, blk, item, "3", "invalid code", "for col. 3");
        // Columns 10 to 13 follow code 1 in column 6 or 7; column 15 code 1 in column 14.
        const bool code1In6 = r.Text(7) == "1" || r.Text(6) == "1";
        for (int p = 0; p < 4; ++p) {
            const int n = 6 + p, m = 10 + p;
            if (!r.In(n, "1,2,x"))
                LogValError(s, blk, item, SignText(n), "invalid code in col." + SignText(n), " ");
            if (code1In6 && !r.In(m, "1,2,9,x"))
                LogValError(s, blk, item, SignText(m),
                            "code 1 in col.6/7 but invalid code in col." + SignText(m), " ");
            if (!code1In6 && !r.Empty(m))
                LogValError(s, blk, item, SignText(m),
                            "code not 1 in col.6/7 but entry exists in col." + SignText(m), " ");
        }
        if (!r.In(14, "1,2,x")) LogValError(s, blk, item, "14", "invalid code in col.14", " ");
        if (r.Text(14) == "1" && !r.In(15, "1,2,x"))
            LogValError(s, blk, item, "15", "code 1 in col.14 but invalid code in col.15", " ");
        if (r.Text(14) != "1" && !r.Empty(15))
            LogValError(s, blk, item, "15", "code not 1 in col.14 but entry exists in col.15", " ");
    }
    s.ValIsCritical = true;
}

}  // namespace r78
