#include "validation/checks_000.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/Loader.h"
#include "tests/support/FsuFile.h"
#include "validation/ErrorLog.h"
#include "validation/ValidationRun.h"

namespace r78 {
namespace {

using test::FsuFile;
using Lines = std::vector<std::string>;
using Cells = std::vector<std::pair<std::string, std::string>>;

Cells With(Cells row, const Cells& changes) {
    for (const auto& [name, value] : changes) {
        bool found = false;
        for (auto& cell : row) {
            if (cell.first != name) continue;
            cell.second = value;
            found = true;
        }
        if (!found) row.emplace_back(name, value);
    }
    return row;
}

// Blocks 1-2 of a surveyed FSU that break no rule.
const Cells kBlock1 = {{"FSUNO", "10001"}, {"Sector", "1"}, {"STR", "191"}, {"Dist", "01"},
                       {"APOP1", "500"},   {"D1", "1"},     {"SVC", "1"},   {"DOS", "150320"},
                       {"DOD", "160320"},  {"REM1", "1"},   {"REM2", "2"},  {"REM3", "1"},
                       {"REM4", "2"}};
// A stratum of block 6 that breaks no rule: 4 of 20 households selected, 3 surveyed, 1 casualty.
const Cells kStratum = {{"FSUNO", "10001"}, {"SEGPOP", "100"}, {"CAPH", "20"},
                        {"SELH", "4"},      {"SURVD", "3"},    {"SSURVD", "0"},
                        {"TSURVD", "3"},    {"Casualty", "1"}, {"REPLHHD", "0"}};
// A stratum with no households at all.
const Cells kEmptyStratum = {{"FSUNO", "10001"}, {"SEGPOP", "100"}, {"CAPH", "0"},   {"SELH", "0"},
                             {"SURVD", "0"},     {"SSURVD", "0"},   {"TSURVD", "0"}, {"Casualty", "0"}};

class ListingChecksTest : public ::testing::Test {
protected:
    void Reset() {
        for (const char* t : {"S000L01", "S000L02", "S000L03", "S211L01", "S051L01", "val_error"})
            f.s.FsuConn->Execute(std::string("delete from ") + t);
        f.s.ValErrCount = f.s.ValCritCount = 0;
    }

    // Stratum 1 and the all-strata row 9, which then holds the same figures.
    void StratumAndTotal(const char* table, const Cells& row) {
        f.Insert(table, With(row, {{"SSS", "1"}}));
        f.Insert(table, With(row, {{"SSS", "9"}}));
    }

    void Household(const char* table, const std::string& sss, const std::string& ssu, const std::string& svc,
                   const std::string& fsu = "10001") {
        f.Insert(table, {{"FSUNO", fsu}, {"SSS", sss}, {"SSU", ssu}, {"SVC", svc}});
    }

    // As a block screen's Validate Block runs a check on its freshly loaded block.
    Lines RunBlock(int tableNo, double blockNo, void (*check)(SharedState&, int)) {
        f.s.ValBlockNo = blockNo;
        f.s.ValIsCritical = true;
        check(f.s, LoadTableData(f.s, tableNo));
        EXPECT_TRUE(f.s.ValIsCritical);
        return f.ErrorLines();
    }

    // As the validation screen's Schedule 0.0 button runs the whole listing.
    Lines RunListing() {
        {
            ValidationRun run(f.s, ValidationRun::Kind::Listing);
            ValSch000(f.s);
            run.Commit();
        }
        EXPECT_TRUE(f.s.ValIsCritical);
        EXPECT_EQ(f.s.ValBlockNo, 6);
        return f.ErrorLines();
    }

    FsuFile f{"10001", 0};
};

// ---- Blocks 1 and 2 ----

TEST_F(ListingChecksTest, Block1RulesEachBrokenOnce) {
    const std::string svcRange = "B 1|18||inconsistent survey code|it should be 1 to 7 |Crit";
    const std::string reason = "B 1|19||reason code soulod be 1 to 3 or 9|if survey code is 4 to 7 |Warn";
    const std::string noReason = "B 1|19||reason code soulod be blank|if survey code is 1 to 3 |Warn";
    const std::string dOne =
        "B 1|17||D value should be 1 for item-17 not equal to 1,4|convention to put D=1|Warn";
    const std::string badDos = "B 2|2(i)|3|Invalid Date of survey||Warn";
    const std::string badDod = "B 2|2(v)|4|Invalid Date of Despatch||Warn";
    const std::string dodEarly = "B 2|2(v)|4|Date of despatch < date of survey||Warn";
    struct Case {
        const char* name;
        Cells changes;
        Lines want;
    };
    const Case cases[] = {
        {"clean", {}, {}},
        {"D1 against population",
         {{"D1", "2"}},
         {"B 1|17||D1 value inconsistent with item-16|check both the items|Warn"}},
        {"D1 of a larger population", {{"APOP1", "2000"}, {"D1", "2"}}, {}},
        {"population and D1 blank", {{"APOP1", ""}, {"D1", ""}}, {}},
        {"survey code 8", {{"SVC", "8"}}, {svcRange}},
        {"survey code blank", {{"SVC", ""}}, {svcRange}},
        {"code 4 without reason", {{"SVC", "4"}}, {reason}},
        {"code 7 with reason 4", {{"SVC", "7"}, {"RES_Subst", "4"}}, {reason}},
        {"code 7 with reason 9", {{"SVC", "7"}, {"RES_Subst", "9"}}, {}},
        {"code 3 with a reason", {{"SVC", "3"}, {"RES_Subst", "1"}}, {noReason}},
        {"code 2 with a blank reason", {{"SVC", "2"}, {"RES_Subst", " "}}, {}},
        {"code 7 with D 2", {{"SVC", "7"}, {"RES_Subst", "1"}, {"APOP1", "2000"}, {"D1", "2"}}, {dOne}},
        {"code 4 with D 2", {{"SVC", "4"}, {"RES_Subst", "1"}, {"APOP1", "2000"}, {"D1", "2"}}, {}},
        {"survey date 31 Feb", {{"DOS", "310220"}}, {badDos}},
        {"survey date in 2019",
         {{"DOS", "311219"}},
         {"B 2|2(i)|3|Date of survey beyond survey period||Warn"}},
        {"first day of the period", {{"DOS", "010120"}, {"DOD", "010120"}}, {}},
        {"last day of the period", {{"DOS", "311220"}, {"DOD", "311220"}}, {}},
        {"despatch date blank", {{"DOD", ""}}, {badDod}},
        {"despatch on the survey day", {{"DOD", "150320"}}, {}},
        {"despatch a day early", {{"DOD", "140320"}}, {dodEarly}},
        {"no survey date, despatch in 2019", {{"DOS", ""}, {"DOD", "311219"}}, {badDos, dodEarly}},
        {"no survey date, despatch in the period", {{"DOS", ""}, {"DOD", "020120"}}, {badDos}},
        {"remarks blank",
         {{"REM1", ""}, {"REM2", ""}, {"REM3", ""}, {"REM4", ""}},
         {"B 2|5(i)|3|invalid code||Warn", "B 2|5(i)|4|invalid code||Warn", "B 2|5(ii)|3|invalid code||Warn",
          "B 2|5(ii)|4|invalid code||Warn"}},
        {"remarks coded 3",
         {{"REM1", "3"}, {"REM2", "3"}, {"REM3", "3"}, {"REM4", "3"}},
         {"B 2|5(i)|3|invalid code||Warn", "B 2|5(i)|4|invalid code||Warn", "B 2|5(ii)|3|invalid code||Warn",
          "B 2|5(ii)|4|invalid code||Warn"}},
        // Severity switches between rules 1, 2 and 3, in the order of the form.
        {"many rules at once",
         {{"SVC", "0"}, {"D1", "3"}, {"DOD", "1403x0"}, {"REM4", "x"}},
         {"B 1|17||D1 value inconsistent with item-16|check both the items|Warn", svcRange, badDod,
          "B 2|5(ii)|4|invalid code||Warn"}},
        {"advisory rules in order",
         {{"SVC", "6"}, {"RES_Subst", "5"}, {"D1", "3"}, {"APOP1", "100"}, {"DOS", "999999"}, {"DOD", ""}},
         {"B 1|17||D1 value inconsistent with item-16|check both the items|Warn", reason, dOne, badDos,
          badDod}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        f.Insert("S000L01", With(kBlock1, c.changes));
        f.s.ValBlockNo = 1;
        f.s.ValIsCritical = true;
        ASSERT_EQ(LoadTableData(f.s, 1), 1);
        ValBlk000_1(f.s);
        EXPECT_EQ(f.ErrorLines(), c.want);
        EXPECT_TRUE(f.s.ValIsCritical);
    }
}

// ---- Block 6, rules on each stratum ----

struct StratumCase {
    const char* name;
    Cells changes;
    Lines want;  // "col|msg1|msg2|msgtype" for stratum 1, repeated for the total row 9
};

class StratumRulesTest : public ListingChecksTest {
protected:
    void Check(const char* table, int tableNo, const char* blk, void (*check)(SharedState&, int),
               const std::vector<StratumCase>& cases) {
        for (const StratumCase& c : cases) {
            SCOPED_TRACE(c.name);
            Reset();
            StratumAndTotal(table, With(kStratum, c.changes));
            Lines want;
            for (const char* item : {"1", "9"})
                for (const auto& w : c.want) want.push_back(std::string(blk) + "|" + item + "|" + w);
            EXPECT_EQ(RunBlock(tableNo, 6, check), want);
        }
    }
};

TEST_F(StratumRulesTest, PartA) {
    Check("S000L02", 2, "B 6-211", ValBlk000_6A,
          {
              {"clean", {}, {}},
              {"more selected than listed", {{"CAPH", "3"}}, {"5|H should be >= h in col-5||Crit"}},
              {"none selected of 20",
               {{"SELH", "0"}, {"Casualty", "-3"}},
               {"5|SelH should be > 0 if H in col-4 > 0||Warn"}},
              {"11 selected", {{"SELH", "11"}, {"Casualty", "8"}}, {"5|SelH should be <=10||Crit"}},
              {"10 selected", {{"SELH", "10"}, {"Casualty", "7"}}, {}},
              {"surveyed not the sum", {{"SURVD", "2"}}, {"8|Col.8 should be Col.6 + Col.7||Crit"}},
              {"surveyed and substitutes", {{"SURVD", "1"}, {"SSURVD", "2"}}, {}},
              {"unreadable surveyed reads 0", {{"SURVD", "3a"}}, {"8|Col.8 should be Col.6 + Col.7||Crit"}},
              {"casualties not the rest", {{"Casualty", "2"}}, {"9|Col.9 should be Col.5 - Col.8||Crit"}},
              {"none surveyed of 20",
               {{"SURVD", "0"}, {"TSURVD", "0"}, {"Casualty", "4"}},
               {"8|Total Surveyed should be > 0 if H in col-4 > 0||Warn"}},
              {"empty stratum",
               {{"CAPH", "0"}, {"SELH", "0"}, {"SURVD", "0"}, {"TSURVD", "0"}, {"Casualty", "0"}},
               {}},
              {"replacements are not checked in part A", {{"REPLHHD", "9"}}, {}},
              {"rules in order",
               {{"CAPH", "2"}, {"SURVD", "1"}, {"TSURVD", "0"}},
               {"5|H should be >= h in col-5||Crit", "8|Col.8 should be Col.6 + Col.7||Crit",
                "9|Col.9 should be Col.5 - Col.8||Crit",
                "8|Total Surveyed should be > 0 if H in col-4 > 0||Warn"}},
              {"both advisory rules",
               {{"CAPH", "5"}, {"SELH", "0"}, {"SURVD", "0"}, {"TSURVD", "0"}, {"Casualty", "0"}},
               {"5|SelH should be > 0 if H in col-4 > 0||Warn",
                "8|Total Surveyed should be > 0 if H in col-4 > 0||Warn"}},
          });
}

TEST_F(StratumRulesTest, PartB) {
    Check("S000L03", 3, "B 6-051", ValBlk000_6B,
          {
              {"clean", {}, {}},
              {"more selected than listed is no fault here", {{"CAPH", "3"}}, {}},
              {"20 selected", {{"CAPH", "30"}, {"SELH", "20"}, {"Casualty", "17"}}, {}},
              {"21 selected",
               {{"CAPH", "30"}, {"SELH", "21"}, {"Casualty", "18"}},
               {"5|SelH should be <=20||Crit"}},
              {"none selected of 20",
               {{"SELH", "0"}, {"Casualty", "-3"}},
               {"5|SelH should be > 0 if H in col-4 > 0||Warn"}},
              {"surveyed not the sum", {{"SSURVD", "1"}}, {"8|Col.8 should be Col.6 + Col.7||Crit"}},
              {"casualties not the rest", {{"Casualty", "0"}}, {"9|Col.9 should be Col.5 - Col.8||Crit"}},
              {"replacements above surveyed", {{"REPLHHD", "4"}}, {"10|Col.10 should be <= Col.8||Warn"}},
              {"replacements equal to surveyed", {{"REPLHHD", "3"}}, {}},
              {"rules in order",
               {{"CAPH", "5"},
                {"SELH", "0"},
                {"SURVD", "1"},
                {"TSURVD", "0"},
                {"Casualty", "1"},
                {"REPLHHD", "1"}},
               {"5|SelH should be > 0 if H in col-4 > 0||Warn", "8|Col.8 should be Col.6 + Col.7||Crit",
                "9|Col.9 should be Col.5 - Col.8||Crit",
                "8|Total Surveyed should be > 0 if H in col-4 > 0||Warn",
                "10|Col.10 should be <= Col.8||Warn"}},
          });
}

// ---- Block 6, totals and segment population ----

TEST_F(ListingChecksTest, TotalRowMustBeTheSumOfTheStrata) {
    // Two strata of kStratum and a total row with listed households 30 (not 40) and 7 replacements (not 0).
    const Cells total = {{"SSS", "9"},    {"CAPH", "30"},    {"SELH", "8"},   {"SURVD", "6"},
                         {"TSURVD", "6"}, {"Casualty", "2"}, {"REPLHHD", "7"}};
    for (const char* table : {"S000L02", "S000L03"}) {
        f.Insert(table, With(kStratum, {{"SSS", "1"}}));
        f.Insert(table, With(kStratum, {{"SSS", "2"}}));
        f.Insert(table, With(kStratum, total));
    }
    // Part A leaves column 10 out of its totals and has no replacement rule.
    EXPECT_EQ(RunBlock(2, 6, ValBlk000_6A),
              Lines{"B 6-211|9|4|SubTotal error : rep total= 30|computed total=40 Diff=-10|Crit"});
    f.s.FsuConn->Execute("delete from val_error");
    EXPECT_EQ(RunBlock(3, 6, ValBlk000_6B),
              (Lines{"B 6-051|9|4|SubTotal error : rep total= 30|computed total=40 Diff=-10|Crit",
                     "B 6-051|9|10|SubTotal error : rep total= 7|computed total=0 Diff=7|Crit",
                     "B 6-051|9|10|Col.10 should be <= Col.8||Warn"}));
}

TEST_F(ListingChecksTest, SegmentPopulationOfPartA) {
    const std::string fault =
        "B 6-211|9|2|col.2 should be > 0 and same for all SSS|convention to put same value|Crit";
    struct Case {
        std::vector<std::pair<const char*, const char*>> strata;  // SSS, SEGPOP
        Lines want;
    };
    const Case cases[] = {
        {{{"1", "100"}, {"2", "100"}, {"9", "100"}}, {}},
        {{{"1", "100"}, {"2", "120"}, {"9", "110"}}, {}},  // the mean is compared, not each stratum
        {{{"1", "100"}, {"2", "120"}, {"9", "100"}}, {fault}},
        {{{"1", "100"}, {"9", "101"}}, {fault}},
        {{{"5", "100"}}, {fault}},  // no total row
        {{{"9", "110"}}, {}},       // no stratum row
        {{{"1", "0"}, {"9", "0"}}, {fault}},
        {{{"1", ""}, {"9", ""}}, {fault}},
    };
    for (const Case& c : cases) {
        Reset();
        std::string trace;
        for (const auto& [sss, pop] : c.strata) {
            f.Insert("S000L02", With(kEmptyStratum, {{"SSS", sss}, {"SEGPOP", pop}}));
            f.Insert("S000L03", With(kEmptyStratum, {{"SSS", sss}, {"SEGPOP", pop}}));
            trace += std::string(sss) + ":" + pop + " ";
        }
        SCOPED_TRACE(trace);
        EXPECT_EQ(RunBlock(2, 6, ValBlk000_6A), c.want);
        f.s.FsuConn->Execute("delete from val_error");
        EXPECT_EQ(RunBlock(3, 6, ValBlk000_6B), Lines{}) << "part B has no segment population rule";
    }
}

// ---- The whole listing ----

TEST_F(ListingChecksTest, CleanListingWithAllHouseholdsEnteredWritesNothing) {
    f.Insert("S000L01", kBlock1);
    StratumAndTotal("S000L02", kStratum);
    f.Insert("S000L03", With(kStratum, {{"SSS", "2"}}));
    f.Insert("S000L03", With(kStratum, {{"SSS", "9"}}));
    for (const char* ssu : {"01", "02", "03"}) Household("S211L01", "1", ssu, ssu[1] == '2' ? "2" : "1");
    Household("S211L01", "1", "04", "3");
    Household("S211L01", "1", "05", "4");           // neither surveyed nor casualty
    Household("S211L01", "2", "01", "1", "10002");  // another FSU
    for (const char* ssu : {"01", "02", "03"}) Household("S051L01", "2", ssu, "1");
    Household("S051L01", "2", "04", "3");

    f.s.ValRunAll = false;
    f.s.ValRunSch0 = false;
    EXPECT_EQ(RunListing(), Lines{});
    EXPECT_EQ(f.s.ValCritCount, 0);
    EXPECT_FALSE(f.s.ValRunAll);
    EXPECT_FALSE(f.s.ValRunSch0);
}

TEST_F(ListingChecksTest, Block6RowsNeedASurveyedFsu) {
    const auto presence = [](const char* part, const std::string& code) {
        return std::string("B 6-") + part + "|||Block-6 contains records|Survey code= " + code + "|Crit";
    };
    struct Case {
        const char* svc;  // nullptr: no block-1 row
        bool partA, partB;
        Lines want;
    };
    const Case cases[] = {
        {"1", true, true, {}},
        {"4", true, true, {}},
        {"2", true, true, {presence("211", "2"), presence("051", "2")}},
        {"5", false, true, {presence("051", "5")}},
        {"2", false, false, {}},
        {nullptr,
         true,
         true,
         {"B 1|||Block-1 contains no records|Essential Block|Crit", presence("211", ""),
          presence("051", "")}},
        // A stored quote reaches the log as it is.
        {"'",
         true,
         false,
         {"B 1|18||inconsistent survey code|it should be 1 to 7 |Crit", presence("211", "'")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.svc ? c.svc : "no block 1");
        Reset();
        if (c.svc)
            f.Insert("S000L01", With(kBlock1, {{"SVC", c.svc}, {"RES_Subst", *c.svc >= '4' ? "1" : ""}}));
        if (c.partA) StratumAndTotal("S000L02", kEmptyStratum);
        if (c.partB) StratumAndTotal("S000L03", kEmptyStratum);
        EXPECT_EQ(RunListing(), c.want);
        EXPECT_EQ(f.s.ValCritCount, static_cast<long>(c.want.size()));
    }
}

TEST_F(ListingChecksTest, CoverageOfEachScheduleAgainstEnteredHouseholds) {
    struct Case {
        const char* name;
        const char* table;
        std::vector<const char*> codes;  // survey codes of the households entered in stratum 1
        Lines want;
        long crit;
    };
    const Case cases[] = {
        {"21.1: 3 and 1 listed, 2 and 2 entered: totals agree",
         "S211L01",
         {"1", "2", "3", "3"},
         {"B 6-211| 1|9|Surveyed not = Actual entered in detail sch|Col(8)=  3 ActSurvd=  2|Warn",
          "B 6-211| 1|10|Casualty not = Actual entered in detail sch|Col(9)=  1 ActCasulty=  2|Warn"},
         0},
        {"21.1: one surveyed household short",
         "S211L01",
         {"1", "2", "3"},
         {"B 6-211| 1|9|Surveyed not = Actual entered in detail sch|Col(8)=  3 ActSurvd=  2|Warn",
          "B 6-211| 1|9|Surveyed+casualty not = Actual entered in detail sch|Col(8)+Col(9)=  4 ActEntered=  "
          "3|Crit"},
         1},
        {"5.1: one surveyed household short is only advisory",
         "S051L01",
         {"1", "2", "3"},
         {"B 6-051| 1|9|Surveyed not = Actual entered in detail sch|Col(8)=  3 ActSurvd=  2|Warn"},
         0},
        {"5.1: nothing entered",
         "S051L01",
         {},
         {"B 6-051| 1|9|Surveyed not = Actual entered in detail sch|Col(8)=  3 ActSurvd=  0|Warn",
          "B 6-051| 1|10|Casualty not = Actual entered in detail sch|Col(9)=  1 ActCasulty=  0|Warn"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        f.Insert("S000L01", kBlock1);
        // Both schedules list the same stratum; only c.table's households fall short.
        StratumAndTotal("S000L02", kStratum);
        StratumAndTotal("S000L03", kStratum);
        const char* other = std::string(c.table) == "S211L01" ? "S051L01" : "S211L01";
        Household(other, "1", "01", "1");
        Household(other, "1", "02", "1");
        Household(other, "1", "03", "2");
        Household(other, "1", "04", "3");
        int ssu = 10;
        for (const char* svc : c.codes) Household(c.table, "1", std::to_string(ssu++), svc);
        EXPECT_EQ(RunListing(), c.want);
        EXPECT_EQ(f.s.ValCritCount, c.crit);
    }
}

TEST_F(ListingChecksTest, HouseholdsInAStratumTheListingLacksAreReported) {
    f.Insert("S000L01", kBlock1);
    Household("S211L01", "5", "01", "3");
    Household("S051L01", "3", "01", "1");
    Household("S051L01", "3", "02", "2");
    // A listing run names no household, whatever the control screen holds.
    f.s.CurSss = "5";
    f.s.CurSsu = "02";
    EXPECT_EQ(
        RunListing(),
        (Lines{"B 6-211| 5|10|Casualty not = Actual entered in detail sch|Col(9)=  0 ActCasulty=  1|Warn",
               "B 6-211| 5|9|Surveyed+casualty not = Actual entered in detail sch|Col(8)+Col(9)=  0 "
               "ActEntered=  1|Crit",
               "B 6-051| 3|9|Surveyed not = Actual entered in detail sch|Col(8)=  0 ActSurvd=  2|Warn"}));
    const auto rows = f.ErrorRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].srlno, std::to_string(i + 1));
        EXPECT_EQ(rows[i].seg + rows[i].sss + rows[i].ssu, "");
        EXPECT_EQ(rows[i].schno, "0");
    }
}

TEST_F(ListingChecksTest, CriticalFindingAfterTheCapStillRefuses) {
    {
        ValidationRun run(f.s, ValidationRun::Kind::Listing);
        f.s.ValIsCritical = false;
        for (int i = 0; i < 399; ++i) LogValError(f.s, " 1", "", "", "advisory", "");
        f.s.ValIsCritical = true;
        ValSch000(f.s);  // no block 1
        EXPECT_EQ(run.CriticalRows(), 1);
        run.Commit();
    }
    const auto rows = f.ErrorRows();
    ASSERT_EQ(rows.size(), 400u);
    EXPECT_EQ(rows.back().srlno, "399");
    EXPECT_EQ(rows.back().msg1, "Block-1 contains no records");
    EXPECT_EQ(f.s.ValErrCount, 399);
}

TEST_F(ListingChecksTest, RunStoppedByADatabaseFailureLeavesTheStateAsItWas) {
    f.s.CurSss = "3";
    f.s.CurSsu = "04";
    f.s.ValRunAll = false;
    f.s.ValRunSch0 = false;
    f.s.FsuConn->Execute(
        "insert into val_error (fsuno, srlno, blk, msg1, msgtype) values ('10001', 1, 'B 9', 'earlier', "
        "'Warn')");
    // The coverage check of Schedule 21.1 cannot count its households.
    f.s.FsuConn->Execute("drop table S211L01");
    EXPECT_THROW(RunListing(), db::DbError);
    EXPECT_EQ(f.s.CurSss, "3");
    EXPECT_EQ(f.s.CurSsu, "04");
    EXPECT_FALSE(f.s.ValRunAll);
    EXPECT_FALSE(f.s.ValRunSch0);
    EXPECT_TRUE(f.s.ValIsCritical);
    // The rows the run wrote before it stopped give way to the list before it.
    EXPECT_EQ(f.ErrorLines(), Lines{"B 9|||earlier||Warn"});
}

}  // namespace
}  // namespace r78
