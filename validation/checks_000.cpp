#include "validation/checks_000.h"

#include "core/HouseholdCounts.h"
#include "core/ListingSummary.h"
#include "core/Loader.h"
#include "validation/ErrorLog.h"
#include "validation/RecRow.h"

namespace r78 {

namespace {

// Columns of the loaded S000L01.
enum Block1 {
    Sector = 5,
    STR = 6,
    Dist = 7,
    APOP1 = 16,
    D1 = 17,
    SVC = 18,
    RES_Subst = 19,
    DOS = 23,
    DOD = 24,
    REM1 = 26,
    REM2 = 27,
    REM3 = 28,
    REM4 = 29
};
// Columns of the loaded S000L02 / S000L03 (also the columns the rows name).
enum Block6 {
    SEGPOP = 2,
    SSS = 3,
    CAPH = 4,
    SELH = 5,
    SURVD = 6,
    SSURVD = 7,
    TSURVD = 8,
    Casualty = 9,
    REPLHHD = 10
};

// Block 6 of a schedule is listed at all only for a surveyed FSU (survey code 1 or 4).
void Block6PresenceRule(SharedState& s, const std::string& blk, const std::string& surveyCode) {
    if (surveyCode != "1" && surveyCode != "4") {
        s.ValIsCritical = true;
        LogValError(s, blk, "", "", "Block-6 contains records", "Survey code= " + surveyCode);
    }
}

// Households listed as surveyed and as casualties in a stratum, against those entered.
void CoverageCheck(SharedState& s, int t, const std::string& suffix) {
    CountSurveyedBySss(s, t, s.CurFsuNo);
    const std::string blk = SignText(6) + suffix;
    for (int k = 1; k <= s.MaxSss; ++k) {
        const std::string item = SignText(k);
        const int listed = s.TsurvdBySss[t][k], casualty = s.CasualtyBySss[t][k];
        const int entered = s.AsurvdBySss[t][k], enteredCasualty = s.AcasualtyBySss[t][k];
        s.ValIsCritical = false;
        if (listed != entered)
            LogValError(s, blk, item, "9", "Surveyed not = Actual entered in detail sch",
                        "Col(8)= " + SignText(listed) + " ActSurvd= " + SignText(entered));
        if (casualty != enteredCasualty)
            LogValError(s, blk, item, "10", "Casualty not = Actual entered in detail sch",
                        "Col(9)= " + SignText(casualty) + " ActCasulty= " + SignText(enteredCasualty));
        s.ValIsCritical = true;
        if (t == 1 && listed + casualty != entered + enteredCasualty)
            LogValError(s, blk, item, "9", "Surveyed+casualty not = Actual entered in detail sch",
                        "Col(8)+Col(9)= " + SignText(listed + casualty) +
                            " ActEntered= " + SignText(entered + enteredCasualty));
    }
}

}  // namespace

ListingSummary ValSch000(SharedState& s) {
    s.ValBlockNo = 1;
    std::string surveyCode;
    if (LoadTableData(s, 1) == 0) {
        LogValError(s, BlockText(s), "", "", "Block-1 contains no records", "Essential Block");
    } else {
        ValBlk000_1(s);
        surveyCode = RecRow(s, 0).Text(SVC);
    }

    s.ValBlockNo = 6;
    if (int rows = LoadTableData(s, 2); rows > 0) {
        ValBlk000_6A(s, rows);
        Block6PresenceRule(s, BlockText(s) + "-211", surveyCode);
    }
    if (int rows = LoadTableData(s, 3); rows > 0) {
        ValBlk000_6B(s, rows);
        Block6PresenceRule(s, BlockText(s) + "-051", surveyCode);
    }

    const ListingSummary summary = LoadListingSummary(s, s.CurFsuNo);
    s.ValIsCritical = false;
    CoverageCheck(s, 1, "-211");
    CoverageCheck(s, 2, "-051");
    s.ValIsCritical = true;
    return summary;
}

void ValBlk000_1(SharedState& s) {
    const RecRow r(s, 0);
    const std::string blk = BlockText(s);

    s.ValIsCritical = false;
    if (r.Num(D1) != SubDivisionCount(r.Text(Sector), r.Text(STR), r.Text(Dist), r.Text(APOP1)))
        LogValError(s, blk, "17", "", "D1 value inconsistent with item-16", "check both the items");
    s.ValIsCritical = true;
    if (!r.In(SVC, "1..7,x"))
        LogValError(s, blk, "18", "", "inconsistent survey code", "it should be 1 to 7 ");
    s.ValIsCritical = false;
    if (r.In(SVC, "4..7,x") && !r.In(RES_Subst, "1..3,9,x"))
        LogValError(s, blk, "19", "", "reason code soulod be 1 to 3 or 9", "if survey code is 4 to 7 ");
    if (r.In(SVC, "1..3,x") && !r.Blank(RES_Subst))
        LogValError(s, blk, "19", "", "reason code soulod be blank", "if survey code is 1 to 3 ");
    if (r.In(SVC, "2,3,5,6,7,x") && r.Num(D1) != 1)
        LogValError(s, blk, "17", "", "D value should be 1 for item-17 not equal to 1,4",
                    "convention to put D=1");

    SurveyDatesAndRemarksRules(s, 0, DOS, REM1, "2(v)", "5(i)", "5(ii)");
    s.ValIsCritical = true;
}

void ValBlk000_6A(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s) + "-211";
    CheckSubTotal(s, blk, SSS, 6, "4,5,6,7,8,9", 5, "1,2,3,4,5", 1, "9");
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const std::string item = r.Text(SSS);
        s.ValIsCritical = true;
        if (r.Num(SELH) > r.Num(CAPH)) LogValError(s, blk, item, "5", "H should be >= h in col-5", "");
        s.ValIsCritical = false;
        if (r.Num(CAPH) >= 1 && r.Num(SELH) == 0)
            LogValError(s, blk, item, "5", "SelH should be > 0 if H in col-4 > 0", "");
        s.ValIsCritical = true;
        if (r.Num(SELH) > 10) LogValError(s, blk, item, "5", "SelH should be <=10", "");
        if (r.Num(TSURVD) != r.Num(SURVD) + r.Num(SSURVD))
            LogValError(s, blk, item, "8", "Col.8 should be Col.6 + Col.7", "");
        if (r.Num(Casualty) != r.Num(SELH) - r.Num(TSURVD))
            LogValError(s, blk, item, "9", "Col.9 should be Col.5 - Col.8", "");
        s.ValIsCritical = false;
        if (r.Num(CAPH) >= 1 && r.Num(TSURVD) == 0)
            LogValError(s, blk, item, "8", "Total Surveyed should be > 0 if H in col-4 > 0", "");
        s.ValIsCritical = true;
    }
    // Every stratum's row carries the segment's population: their mean must be the
    // total row's, and that may not be 0.
    const int strata = CountItemList(s, SSS, 5, "1,2,3,4,5");
    if (strata >= 1) {
        const double mean = SumItemList(s, SSS, SEGPOP, 5, "1,2,3,4,5") / strata;
        const double total = SumItemList(s, SSS, SEGPOP, 1, "9");
        if (total == 0 || mean != total)
            LogValError(s, blk, "9", "2", "col.2 should be > 0 and same for all SSS",
                        "convention to put same value");
    }
}

void ValBlk000_6B(SharedState& s, int rowCount) {
    const std::string blk = BlockText(s) + "-051";
    CheckSubTotal(s, blk, SSS, 7, "4,5,6,7,8,9,10", 5, "1,2,3,4,5", 1, "9");
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        const std::string item = r.Text(SSS);
        s.ValIsCritical = false;
        if (r.Num(CAPH) >= 1 && r.Num(SELH) == 0)
            LogValError(s, blk, item, "5", "SelH should be > 0 if H in col-4 > 0", "");
        s.ValIsCritical = true;
        if (r.Num(SELH) > 20) LogValError(s, blk, item, "5", "SelH should be <=20", "");
        if (r.Num(TSURVD) != r.Num(SURVD) + r.Num(SSURVD))
            LogValError(s, blk, item, "8", "Col.8 should be Col.6 + Col.7", "");
        if (r.Num(Casualty) != r.Num(SELH) - r.Num(TSURVD))
            LogValError(s, blk, item, "9", "Col.9 should be Col.5 - Col.8", "");
        s.ValIsCritical = false;
        if (r.Num(CAPH) >= 1 && r.Num(TSURVD) == 0)
            LogValError(s, blk, item, "8", "Total Surveyed should be > 0 if H in col-4 > 0", "");
        if (r.Num(REPLHHD) > r.Num(TSURVD)) LogValError(s, blk, item, "10", "Col.10 should be <= Col.8", "");
        s.ValIsCritical = true;
    }
}

}  // namespace r78
