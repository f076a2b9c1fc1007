#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/FsuFile.h"
#include "validation/ErrorLog.h"
#include "validation/ValidationRun.h"

namespace r78 {
namespace {

using test::FsuFile;
using Lines = std::vector<std::string>;

// The record table as a load of a block would leave it: row i, column k+1 holds rows[i][k].
void SetRecTable(SharedState& s, const std::vector<std::vector<std::string>>& rows) {
    for (size_t i = 0; i < rows.size(); ++i)
        for (size_t k = 0; k < rows[i].size(); ++k) s.RecTable.Set(i, k + 1, rows[i][k]);
    s.RecTableRows = static_cast<int>(rows.size());
}

// ---- Number forms ----

TEST(NumberForms, PlainAndSignPositionForms) {
    struct Case {
        double n;
        const char* plain;
        const char* sign;
    };
    for (const Case& c : {Case{12, "12", " 12"}, Case{4.1, "4.1", " 4.1"}, Case{-3, "-3", "-3"},
                          Case{0, "0", " 0"}, Case{-0.5, "-0.5", "-0.5"},
                          Case{10.000001, "10.000001", " 10.000001"}, Case{0.1 + 0.2, "0.3", " 0.3"}}) {
        EXPECT_EQ(NumText(c.n), c.plain) << c.n;
        EXPECT_EQ(SignText(c.n), c.sign) << c.n;
    }
}

// ---- The error row ----

class ErrorLogTest : public ::testing::Test {
protected:
    ErrorLogTest() {
        f.s.CurSss = "2";
        f.s.CurSsu = "07";
        f.s.ValIsCritical = true;
    }
    FsuFile f{"10001", 1};
};

TEST_F(ErrorLogTest, StatementFormFollowsTheRunKind) {
    struct Case {
        bool runAll, runSch0;
        const char* sss;
        const char* ssu;
    };
    // Only a whole-FSU household run names the household; a listing run and a block
    // screen's run do not, whatever household the control screen holds.
    for (const Case& c : {Case{false, false, "", ""}, Case{true, true, "", ""}, Case{false, true, "", ""},
                          Case{true, false, "2", "07"}}) {
        f.s.FsuConn->Execute("delete from val_error");
        f.s.ValErrCount = 0;
        f.s.ValRunAll = c.runAll;
        f.s.ValRunSch0 = c.runSch0;
        LogValError(f.s, " 3", "03", "1", "srlno not continuous from 1", "");
        const FsuFile::ErrorRow want{
            "1", "", c.sss, c.ssu, "B 3", "03", "1", "srlno not continuous from 1", "", "Crit", "1"};
        EXPECT_EQ(f.ErrorRows(), std::vector<FsuFile::ErrorRow>{want}) << c.runAll << c.runSch0;
    }
}

TEST_F(ErrorLogTest, SeverityAndScheduleAreThoseInForceAtTheCall) {
    LogValError(f.s, " 4.1", "5", "", "a", "b");
    f.s.ValIsCritical = false;
    f.s.CurSchType = 0;
    LogValError(f.s, " 6-211", " 1", "9", "c", "d");
    const auto rows = f.ErrorRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].msgtype, "Crit");
    EXPECT_EQ(rows[0].schno, "1");
    EXPECT_EQ(rows[0].blk, "B 4.1");
    EXPECT_EQ(rows[1].msgtype, "Warn");
    EXPECT_EQ(rows[1].schno, "0");
    EXPECT_EQ(rows[1].srlno, "2");
    EXPECT_EQ(f.s.ValCritCount, 1);
}

TEST_F(ErrorLogTest, TextsWithQuotesAreStoredAsTheyAre) {
    LogValError(f.s, " 6-'", "O'1", "'", "it's", "Survey code= '");
    EXPECT_EQ(f.ErrorLines(), Lines{"B 6-'|O'1|'|it's|Survey code= '|Crit"});
}

TEST_F(ErrorLogTest, SerialNumbersStopAt399ButEveryCriticalRowIsCounted) {
    f.s.ValIsCritical = false;
    for (int i = 0; i < 399; ++i) LogValError(f.s, " 3", "1", "1", "w", "");
    EXPECT_EQ(f.s.ValErrCount, 399);
    EXPECT_EQ(f.s.ValCritCount, 0);
    // Critical rows past the cap must still refuse the entry-complete mark and the freeze.
    f.s.ValIsCritical = true;
    for (int i = 0; i < 3; ++i) LogValError(f.s, " 3", "1", "1", "c", "");
    EXPECT_EQ(f.s.ValErrCount, 399);
    EXPECT_EQ(f.s.ValCritCount, 3);

    const auto rows = f.ErrorRows();
    ASSERT_EQ(rows.size(), 402u);
    EXPECT_EQ(rows[0].srlno, "1");
    EXPECT_EQ(rows[397].srlno, "398");
    for (size_t i = 398; i < rows.size(); ++i) EXPECT_EQ(rows[i].srlno, "399") << i;
    EXPECT_EQ(rows[401].msgtype, "Crit");
}

// ---- The run ----

TEST_F(ErrorLogTest, RunSetsItsFlagsResetsCountersAndClearsOnlyThisFsusRows) {
    f.s.FsuConn->Execute(
        "insert into val_error (fsuno,srlno,blk,msgtype) values ('10001',1,'B 1','Crit'),('10002',1,'B "
        "1','Crit')");
    struct Case {
        ValidationRun::Kind kind;
        bool runAll, runSch0;
    };
    for (const Case& c :
         {Case{ValidationRun::Kind::Listing, true, true}, Case{ValidationRun::Kind::Households, true, false},
          Case{ValidationRun::Kind::AsIs, false, true}}) {
        f.s.ValRunAll = false;
        f.s.ValRunSch0 = true;
        f.s.ValErrCount = f.s.ValCritCount = 7;
        f.s.ValIsCritical = false;
        {
            ValidationRun run(f.s, c.kind);
            EXPECT_EQ(f.s.ValRunAll, c.runAll);
            EXPECT_EQ(f.s.ValRunSch0, c.runSch0);
            EXPECT_EQ(f.s.ValErrCount, 0);
            EXPECT_EQ(f.s.ValCritCount, 0);
            EXPECT_TRUE(f.s.ValIsCritical);
            EXPECT_TRUE(f.ErrorRows().empty());
            LogValError(f.s, " 1", "", "", "m", "");
            EXPECT_EQ(run.CriticalRows(), 1);
            run.Commit();
        }
        EXPECT_EQ(f.ErrorRows().size(), 1u) << "the run's own row alone";
        EXPECT_FALSE(f.s.ValRunAll);
        EXPECT_TRUE(f.s.ValRunSch0);
        EXPECT_EQ(f.s.ValCritCount, 1) << "the starter reads the outcome after the run";
    }
    EXPECT_EQ(f.s.FsuConn->Query("select count(*) from val_error where fsuno = '10002'").Field(0).Text(),
              "1");
}

TEST_F(ErrorLogTest, RunInterruptedHalfWayPutsBackTheHouseholdAndFlags) {
    f.s.ValRunAll = false;
    f.s.ValRunSch0 = false;
    try {
        ValidationRun run(f.s, ValidationRun::Kind::Households);
        f.s.CurSss = "4";  // the household run moves through the FSU's households
        f.s.CurSsu = "11";
        LogValError(f.s, " 3", "1", "1", "first", "");
        f.s.ValIsCritical = false;
        f.s.FsuConn->Execute("drop table val_error");
        LogValError(f.s, " 3", "2", "1", "second", "");
        FAIL() << "the refused row must end the run";
    } catch (const db::DbError&) {
    }
    EXPECT_EQ(f.s.CurSss, "2");
    EXPECT_EQ(f.s.CurSsu, "07");
    EXPECT_FALSE(f.s.ValRunAll);
    EXPECT_FALSE(f.s.ValRunSch0);
    EXPECT_TRUE(f.s.ValIsCritical);
}

// The FSU's error rows as another program reading the file finds them: what was committed.
Lines CommittedMessages(FsuFile& f) {
    const auto rs = db::Connection::Open(f.s.FsuConn->Path())
                        ->Query("select msg1 from val_error where fsuno = ? order by rowid", {f.s.CurFsuNo});
    Lines msgs;
    for (long r = 0; r < rs.RecordCount(); ++r) msgs.push_back(rs.Row(r)[0].Text());
    return msgs;
}

TEST_F(ErrorLogTest, RunThatEndsCommitsAndOneThatFailsPartWayLeavesThePreviousList) {
    for (const auto kind :
         {ValidationRun::Kind::Listing, ValidationRun::Kind::Households, ValidationRun::Kind::AsIs}) {
        SCOPED_TRACE(static_cast<int>(kind));
        f.s.FsuConn->Execute("drop trigger if exists halfway");
        {
            ValidationRun run(f.s, kind);
            for (const char* msg : {"earlier 1", "earlier 2"}) LogValError(f.s, " 3", "1", "1", msg, "");
            run.Commit();
        }
        EXPECT_EQ(CommittedMessages(f), (Lines{"earlier 1", "earlier 2"}));

        // The file refuses the third row of the next run.
        f.s.FsuConn->Execute(
            "create trigger halfway before insert on val_error when (select count(*) from val_error) >= 2 "
            "begin select raise(abort, 'disk full'); end");
        try {
            ValidationRun run(f.s, kind);
            for (const char* msg : {"later 1", "later 2", "later 3", "later 4"})
                LogValError(f.s, " 3", "1", "1", msg, "");
            ADD_FAILURE() << "the refused row must end the run";
        } catch (const db::DbError& e) {
            EXPECT_NE(std::string(e.what()).find("disk full"), std::string::npos) << e.what();
        }
        EXPECT_FALSE(f.s.FsuConn->InTransaction());
        EXPECT_EQ(CommittedMessages(f), (Lines{"earlier 1", "earlier 2"}));
        EXPECT_EQ(f.ErrorLines().size(), 2u) << "nor does the program's own connection see the later rows";
    }
}

TEST_F(ErrorLogTest, RunThatCannotClearTheLogLeavesTheFlagsAlone) {
    f.s.ValRunAll = false;
    f.s.ValRunSch0 = false;
    f.s.FsuConn->Execute("drop table val_error");
    EXPECT_THROW(ValidationRun(f.s, ValidationRun::Kind::Listing), db::DbError);
    EXPECT_FALSE(f.s.ValRunAll);
    EXPECT_FALSE(f.s.ValRunSch0);
    EXPECT_EQ(f.s.CurSss, "2");
}

// ---- Record-table procedures ----

class RecordTableTest : public ::testing::Test {
protected:
    SharedState s;
};

TEST_F(RecordTableTest, TableValueTakesTheFirstMatchingRowWithAValue) {
    struct Case {
        std::vector<std::vector<std::string>> rows;  // key, value
        long key;
        double want;
    };
    const Case cases[] = {
        {{{"1", "5"}, {"2", "4"}}, 3, 0},                 // no such key
        {{{"2", "4"}, {"2", "9"}}, 2, 4},                 // the first of two
        {{{"2", ""}, {"1", "3"}, {"2", "6.5"}}, 2, 6.5},  // an empty cell is passed over
        {{{"02", "7"}}, 2, 7},                            // keys compare as numbers
        {{{" 2 ", "7"}}, 2, 7},
        {{{"2", "1x"}, {"2", "8"}}, 2, 0},  // an unreadable value reads as 0 and stops the search
        {{{"x", "7"}}, 0, 7},               // an unreadable key reads as 0
        {{{"", "7"}}, 0, 7},
    };
    for (const Case& c : cases) {
        SetRecTable(s, c.rows);
        EXPECT_EQ(TableValue(s, 1, c.key, 2), c.want) << c.rows.size() << " rows, key " << c.key;
    }
}

TEST_F(RecordTableTest, RowsPastTheLastLoadAreNotRead) {
    SetRecTable(s, {{"1", "5"}, {"2", "4"}, {"3", "2"}});
    SetRecTable(s, {{"1", "5"}});  // a shorter load leaves rows 1 and 2 behind
    EXPECT_EQ(TableValue(s, 1, 2, 2), 0);
    EXPECT_EQ(TableHasKey(s, 1, 3), 0);
    EXPECT_EQ(TableHasKey(s, 1, 1), 1);
}

TEST_F(RecordTableTest, SignedCodeListsSubtractCodesAbove1000) {
    SetRecTable(s, {{"1", "5"}, {"2", "4"}, {"3", "2"}, {"1000", "8"}, {"0", "6"}});
    EXPECT_EQ(SumItemList(s, 1, 2, 3, "1,2,1003"), 7);
    EXPECT_EQ(SumItemList(s, 1, 2, 2, "1,2,1003"), 9);  // only the first n codes
    EXPECT_EQ(SumItemList(s, 1, 2, 1, "1000"), 8);      // 1000 is a code of its own, not minus 0
    EXPECT_EQ(CountItemList(s, 1, 3, "1,2,1003"), 1);
    EXPECT_EQ(CountItemList(s, 1, 2, "1000,1001"), 0);
    SetRecTable(s, {{"1", "5"}, {"3", "2"}});
    EXPECT_EQ(CountItemList(s, 1, 3, "1,2,1003"), 0);
    EXPECT_EQ(CountItemList(s, 1, 5, "1,2,3,4,5"), 2);
}

class CheckSubTotalTest : public ::testing::Test {
protected:
    CheckSubTotalTest() { f.s.ValIsCritical = true; }
    FsuFile f{"10001", 0};
};

TEST_F(CheckSubTotalTest, ReportsEachColumnWhoseTotalDiffersFromItsItems) {
    struct Case {
        std::string item1, item2, total;
        Lines want;
    };
    const Case cases[] = {
        {"4", "6.000001", "10", {}},
        {"4", "6", "10.000001", {}},
        {"4", "5", "10", {"B 6-211|9|2|SubTotal error : rep total= 10|computed total=9 Diff=1|Crit"}},
        {"4", "6", "9", {"B 6-211|9|2|SubTotal error : rep total= 9|computed total=10 Diff=-1|Crit"}},
        {"4", "6", "", {"B 6-211|9|2|SubTotal error : rep total= 0|computed total=10 Diff=-10|Crit"}},
        {"2.5", "", "3", {"B 6-211|9|2|SubTotal error : rep total= 3|computed total=2.5 Diff=0.5|Crit"}},
    };
    for (const Case& c : cases) {
        f.s.FsuConn->Execute("delete from val_error");
        // Stratum rows 1 and 2 and the all-strata row 9; column 5 always agrees.
        SetRecTable(f.s, {{"1", c.item1, "3"}, {"2", c.item2, "4"}, {"9", c.total, "7"}});
        const int written = CheckSubTotal(f.s, " 6-211", 1, 2, "2,3", 5, "1,2,3,4,5", 1, "9");
        EXPECT_EQ(f.ErrorLines(), c.want) << c.item1 << " + " << c.item2 << " vs " << c.total;
        EXPECT_EQ(written, static_cast<int>(c.want.size()));
    }
}

TEST_F(CheckSubTotalTest, OneRowPerColumnInListOrderWithSignedCodes) {
    f.s.ValIsCritical = false;
    // Total 8 is stratum 1 less stratum 3.
    SetRecTable(f.s, {{"1", "10", "10", "10"}, {"3", "4", "4", "4"}, {"8", "6", "7", "5"}});
    EXPECT_EQ(CheckSubTotal(f.s, " 3", 1, 3, "4,2,3", 2, "1,1003", 1, "8"), 2);
    EXPECT_EQ(f.ErrorLines(), (Lines{"B 3|8|4|SubTotal error : rep total= 5|computed total=6 Diff=-1|Warn",
                                     "B 3|8|3|SubTotal error : rep total= 7|computed total=6 Diff=1|Warn"}));
}

TEST_F(CheckSubTotalTest, ToleranceIsAHundredThousandth) {
    struct Case {
        const char* item;
        const char* total;
        int rows;
    };
    for (const Case& c : {Case{"", "0.00001", 1}, Case{"0.00001", "", 0}, Case{"0.000011", "", 1},
                          Case{"", "0.0000099", 0}}) {
        f.s.FsuConn->Execute("delete from val_error");
        SetRecTable(f.s, {{"1", c.item}, {"9", c.total}});
        EXPECT_EQ(CheckSubTotal(f.s, " 6-051", 1, 1, "2", 5, "1,2,3,4,5", 1, "9"), c.rows)
            << c.item << " " << c.total;
        EXPECT_EQ(f.ErrorRows().size(), static_cast<size_t>(c.rows));
    }
}

// ---- Code lists ----

TEST(CodeListLookup, ExactTextWithinTheRange) {
    SharedState s;
    s.NicList.Set(1, "01111");
    s.NicList.Set(2, "45A01");
    s.NicList.Set(3, "99000");
    s.NcoList.Set(1, "111");
    struct Case {
        const char* code;
        int from, to;
        bool want;
    };
    for (const Case& c : {Case{"01111", 1, 3, true}, Case{"99000", 1, 3, true}, Case{"1111", 1, 3, false},
                          Case{"001111", 1, 3, false}, Case{"45a01", 1, 3, false},
                          Case{"01111 ", 1, 3, false}, Case{"99000", 1, 2, false}, Case{"01111", 2, 3, false},
                          Case{"", 0, 3, false}, Case{"99000", 1, 1500, true}}) {
        EXPECT_EQ(InNicList(s, c.code, c.from, c.to), c.want)
            << "'" << c.code << "' " << c.from << ".." << c.to;
    }
    EXPECT_TRUE(InNcoList(s, "111", 1, 116));
    EXPECT_FALSE(InNcoList(s, "01111", 1, 116));
    EXPECT_FALSE(InNcoList(s, "", 0, 116));
}

}  // namespace
}  // namespace r78
