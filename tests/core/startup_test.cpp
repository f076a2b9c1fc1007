#include "core/Startup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/FieldWidths.h"
#include "core/SharedState.h"
#include "platform/db/Connection.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

namespace fs = std::filesystem;
using db::Value;
using test::FixedClock;
using test::TempDrive;

class StartUpTest : public ::testing::Test {
protected:
    StartUpTest() { s.DriveC = drive.Root(); }

    // Replaces the rows of a code list in the master database with the given codes.
    void SetCodes(const std::string& table, const std::string& column, const std::vector<Value>& codes) {
        auto conn = drive.OpenMaster();
        db::Transaction tx(*conn);
        conn->Execute("delete from " + table);
        for (const auto& code : codes)
            conn->Execute("insert into " + table + " (" + column + ") values (?)", {code});
        tx.Commit();
    }

    // The error start-up gives, or "" when it completes.
    std::string StartUpError() {
        try {
            StartUp(s, clock);
        } catch (const StartupError& e) {
            return e.what();
        }
        return "";
    }

    TempDrive drive;
    FixedClock clock{Date{2020, 2, 29}};
    SharedState s;
};

// --- Today's date ---------------------------------------------------------------

struct DateCase {
    Date date;
    std::string ymd;
};
void PrintTo(const DateCase& c, std::ostream* os) { *os << c.ymd; }

class TodayStamp : public StartUpTest, public ::testing::WithParamInterface<DateCase> {};

TEST_P(TodayStamp, IsTwoDigitsEachOfYearMonthDay) {
    clock.date = GetParam().date;
    StartUp(s, clock);
    EXPECT_EQ(s.TodayYmd, GetParam().ymd);
}

INSTANTIATE_TEST_SUITE_P(Dates, TodayStamp,
                         ::testing::Values(DateCase{{2020, 2, 29}, "200229"},
                                           DateCase{{2021, 1, 5}, "210105"}, DateCase{{2000, 1, 1}, "000101"},
                                           DateCase{{1999, 12, 31}, "991231"},
                                           DateCase{{2009, 10, 9}, "091009"}));

TEST_F(StartUpTest, DateIsTakenOnceForTheWholeRun) {
    StartUp(s, clock);
    clock.date = {2020, 3, 1};  // the run goes on past midnight
    EXPECT_EQ(s.TodayYmd, "200229");
}

// --- NIC and NCO lists ------------------------------------------------------------

TEST_F(StartUpTest, CodesLoadFromIndexOneInAscendingOrder) {
    SetCodes("nic78", "niccode", {"47211", "01111", "10101"});
    StartUp(s, clock);
    EXPECT_EQ(s.NicList[0], "");
    EXPECT_EQ(s.NicList[1], "01111");
    EXPECT_EQ(s.NicList[2], "10101");
    EXPECT_EQ(s.NicList[3], "47211");
    EXPECT_EQ(s.NicList[4], "");
}

TEST_F(StartUpTest, NcoCodesLoadTheSameWay) {
    SetCodes("nco78", "ncocode", {"9211", "1110", "5120"});
    StartUp(s, clock);
    EXPECT_EQ(s.NcoList[0], "");
    EXPECT_EQ(s.NcoList[1], "1110");
    EXPECT_EQ(s.NcoList[2], "5120");
    EXPECT_EQ(s.NcoList[3], "9211");
    EXPECT_EQ(s.NcoList[4], "");
}

TEST_F(StartUpTest, DemoMasterGivesBothLists) {
    StartUp(s, clock);
    // The demo lists keep their codes in the form the block-4 checks look up: "A" and the code.
    EXPECT_EQ(s.NicList[1], "A01111");
    EXPECT_NE(s.NicList[20], "");
    EXPECT_EQ(s.NicList[21], "");
    EXPECT_EQ(s.NcoList[1], "A111");
    EXPECT_NE(s.NcoList[28], "");
    EXPECT_EQ(s.NcoList[29], "");
}

struct CodeCase {
    std::string stored;
    std::string loaded;
};
void PrintTo(const CodeCase& c, std::ostream* os) { *os << "\"" << c.stored << "\""; }

class CodeText : public StartUpTest, public ::testing::WithParamInterface<CodeCase> {};

// The first six characters are taken, then the blanks around them removed.
TEST_P(CodeText, IsCutToSixThenTrimmed) {
    SetCodes("nic78", "niccode", {GetParam().stored});
    SetCodes("nco78", "ncocode", {GetParam().stored});
    StartUp(s, clock);
    EXPECT_EQ(s.NicList[1], GetParam().loaded);
    EXPECT_EQ(s.NcoList[1], GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Codes, CodeText,
                         ::testing::Values(CodeCase{"47211", "47211"}, CodeCase{"011112", "011112"},
                                           CodeCase{"0111123", "011112"}, CodeCase{"123456789012", "123456"},
                                           CodeCase{"47211 ", "47211"}, CodeCase{" 47211", "47211"},
                                           CodeCase{"  47211", "4721"}, CodeCase{"  4721  ", "4721"},
                                           CodeCase{"      ", ""}, CodeCase{"a1", "a1"}));

TEST_F(StartUpTest, EmptyCodeTablesGiveEmptyLists) {
    SetCodes("nic78", "niccode", {});
    SetCodes("nco78", "ncocode", {});
    EXPECT_EQ(StartUpError(), "");
    EXPECT_EQ(s.NicList[0], "");
    EXPECT_EQ(s.NicList[1], "");
    EXPECT_EQ(s.NcoList[1], "");
    EXPECT_NE(s.MasterConn, nullptr);
}

TEST_F(StartUpTest, LongCodeListsAreKeptWhole) {
    std::vector<Value> nic, nco;
    char buf[16];
    for (int i = 1; i <= 1600; ++i) {
        std::snprintf(buf, sizeof buf, "%05d", i);
        nic.emplace_back(buf);
    }
    for (int i = 1; i <= 600; ++i) {
        std::snprintf(buf, sizeof buf, "%04d", i);
        nco.emplace_back(buf);
    }
    SetCodes("nic78", "niccode", nic);
    SetCodes("nco78", "ncocode", nco);
    StartUp(s, clock);
    EXPECT_EQ(s.NicList[1], "00001");
    EXPECT_EQ(s.NicList[1500], "01500");
    EXPECT_EQ(s.NicList[1501], "01501");
    EXPECT_EQ(s.NicList[1600], "01600");
    EXPECT_EQ(s.NicList[1601], "");
    EXPECT_EQ(s.NcoList[500], "0500");
    EXPECT_EQ(s.NcoList[600], "0600");
    EXPECT_EQ(s.NcoList[601], "");
}

// --- First values of the shared state -------------------------------------------------

TEST_F(StartUpTest, GivesTheSharedStateItsFirstValues) {
    StartUp(s, clock);
    EXPECT_TRUE(s.GridEventsOn);
    EXPECT_EQ(s.MaxSchType, 2);
    EXPECT_EQ(s.MaxSss, 5);
    EXPECT_FALSE(s.FsuOpen);
    EXPECT_FALSE(s.HhSelected);
    EXPECT_EQ(s.HasS000L01, 0);
    EXPECT_FALSE(s.ValRunAll);
    EXPECT_TRUE(s.ValIsCritical);
    EXPECT_EQ(s.BlockFormCount, 21);
    EXPECT_EQ(s.MaxFieldNo, 70);

    EXPECT_EQ(s.SchTypeNames[0], "Schedule 0.0");
    EXPECT_EQ(s.SchTypeNames[1], "Schedule 21.1");
    EXPECT_EQ(s.SchTypeNames[2], "Schedule 5.1");
    for (size_t t = 3; t < s.SchTypeNames.size(); ++t) EXPECT_EQ(s.SchTypeNames[t], "") << t;

    EXPECT_EQ(s.ZeroPad, std::string(64, '0'));
    EXPECT_EQ(s.BlankPad, std::string(64, ' '));
    for (const auto* form : s.FormTable) EXPECT_EQ(form, nullptr);
    for (int n : s.HhCountBySch) EXPECT_EQ(n, 0);
    for (size_t k = 0; k <= 100; ++k) {
        EXPECT_EQ(s.TripSlnoList[k], "") << k;
        EXPECT_EQ(s.TripMemberList[k], "") << k;
    }

    // Nobody has logged in and no FSU is registered yet.
    EXPECT_EQ(s.UserId, "");
    EXPECT_EQ(s.UserDpc, "");
    EXPECT_EQ(s.UserType, "");
    EXPECT_EQ(s.CurFsuNo, "");
    EXPECT_EQ(s.CurSeg, "");
    EXPECT_EQ(s.FsuConn, nullptr);
}

TEST_F(StartUpTest, SetsUpTheFieldWidthsOfEveryBlockScreen) {
    StartUp(s, clock);
    EXPECT_EQ(s.WidthSpec[0], "");
    EXPECT_EQ(s.WidthSpec[22], "");
    for (int i = 1; i <= 21; ++i) {
        EXPECT_EQ(s.WidthSpec[i], WidthText(i)) << i;
        EXPECT_EQ(s.FieldCount[i] * 3, static_cast<int>(WidthText(i).size())) << i;
    }
    EXPECT_EQ(s.FieldCount[9], 68);
    EXPECT_EQ(s.FieldCount[16], 7);
    EXPECT_EQ(s.Width(1, 1), 3);
    EXPECT_EQ(s.Width(1, 2), 5);
    EXPECT_EQ(s.Width(9, 8), 7);
    EXPECT_EQ(s.FieldCount[0], 0);
    EXPECT_EQ(s.FieldCount[22], 0);
}

TEST_F(StartUpTest, MasterDatabaseIsOpenForReadingOnly) {
    StartUp(s, clock);
    ASSERT_NE(s.MasterConn, nullptr);
    EXPECT_TRUE(s.MasterConn->IsOpen());
    EXPECT_EQ(s.MasterConn->Path(), drive.MasterPath());
    EXPECT_NO_THROW(s.MasterConn->Query("select * from valid_user"));
    EXPECT_THROW(s.MasterConn->Execute("delete from valid_user"), db::DbError);
    EXPECT_EQ(drive.OpenMaster()->Query("select count(*) from valid_user").Field(0).Text(), "4");
}

TEST_F(StartUpTest, CreatesNoFile) {
    auto listing = [&] {
        std::set<fs::path> files;
        for (const auto& e : fs::recursive_directory_iterator(drive.Root())) files.insert(e.path());
        return files;
    };
    const auto before = listing();
    StartUp(s, clock);
    EXPECT_EQ(listing(), before);
}

// --- A master database that cannot be used -----------------------------------------------

TEST_F(StartUpTest, MissingMasterDatabaseNamesTheFile) {
    fs::remove(drive.MasterPath());
    const std::string error = StartUpError();
    EXPECT_NE(error.find(drive.MasterPath().string()), std::string::npos) << error;
    EXPECT_EQ(s.MasterConn, nullptr);
    EXPECT_FALSE(fs::exists(drive.MasterPath()));
}

TEST_F(StartUpTest, MasterDatabaseWithoutTheNcoTable) {
    drive.OpenMaster()->Execute("drop table nco78");
    const std::string error = StartUpError();
    EXPECT_NE(error.find(drive.MasterPath().string()), std::string::npos) << error;
    EXPECT_NE(error.find("no such table"), std::string::npos) << error;
    EXPECT_NE(error.find("nco78"), std::string::npos) << error;
    EXPECT_EQ(s.MasterConn, nullptr);
}

TEST_F(StartUpTest, MasterDatabaseWithoutTheNicTable) {
    drive.OpenMaster()->Execute("drop table nic78");
    const std::string error = StartUpError();
    EXPECT_NE(error.find(drive.MasterPath().string()), std::string::npos) << error;
    EXPECT_NE(error.find("no such table: nic78"), std::string::npos) << error;
}

TEST_F(StartUpTest, MasterFileThatIsNotADatabase) {
    fs::remove(drive.MasterPath());
    {
        std::ofstream out(drive.MasterPath());
        out << "userid,passwd,dpc,usertype\nOPR1,PASS1,101,O\n";
    }
    const std::string error = StartUpError();
    EXPECT_NE(error.find(drive.MasterPath().string()), std::string::npos) << error;
    EXPECT_EQ(s.MasterConn, nullptr);
}

}  // namespace
}  // namespace r78
