#include <gtest/gtest.h>

#include <map>

#include "control/FsuRegistration.h"
#include "core/HouseholdCounts.h"
#include "core/ListingSummary.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

using Row = std::array<int, 7>;

// A control screen that records what is shown on it: the counts and the summary
// are the screen's to show, so nothing below it may paint them.
class FakeControlScreen : public ControlScreenHandle {
public:
    void Show() override {}
    void Unload() override {}
    std::string SssBoxText() const override { return sss; }
    std::string ShhnoBoxText() const override { return shhno; }
    void ShowListingSummary(const std::string& e, const std::string& c211, const std::string& c051) override {
        entered = e;
        cnt211 = c211;
        cnt051 = c051;
    }
    void ShowHhCount(int schType, const std::string& caption) override { hhCount[schType] = caption; }
    void ReturnToGoToBlock() override {}

    std::string sss = "1", shhno = "01";
    std::string entered = "-", cnt211 = "-", cnt051 = "-";
    std::map<int, std::string> hhCount;
};

class HouseholdCountsTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.DriveC = drive.Root();
        state.MaxSchType = 2;
        state.MaxSss = 5;
        state.Packet = &screen;
        state.CurFsuNo = "10001";
        std::filesystem::copy_file(drive.BlankPath(), file);
        state.FsuConn = db::Connection::Open(file);
        Exec("insert into S000L01 (FSUNO) values ('10001')");
    }

    void Exec(const std::string& sql, const db::Params& params = {}) { state.FsuConn->Execute(sql, params); }
    std::string Read(const std::string& sql) {
        const auto rs = state.FsuConn->Query(sql);
        return rs.Eof() || rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    void AddHousehold(const char* table, const std::string& fsu, const std::string& sss,
                      const std::string& ssu, const std::string& svc) {
        Exec(std::string("insert into ") + table + " (FSUNO, SSS, SSU, SVC) values (?, ?, ?, ?)",
             {fsu, sss, ssu, svc});
    }

    test::TempDrive drive;
    std::filesystem::path file = drive.Root() / "fsu.mdb";
    FakeControlScreen screen;
    SharedState state;
};

TEST_F(HouseholdCountsTest, CountsSurveyedAndCasualtyHouseholdsPerStratum) {
    for (const auto& [sss, ssu, svc] : std::initializer_list<std::array<const char*, 3>>{{"1", "01", "1"},
                                                                                         {"1", "02", "2"},
                                                                                         {"1", "03", "3"},
                                                                                         {"2", "01", "3"},
                                                                                         {"2", "02", "3"},
                                                                                         {"4", "01", "4"},
                                                                                         {"9", "01", "1"},
                                                                                         {" ", "02", "1"}})
        AddHousehold("S211L01", "10001", sss, ssu, svc);
    AddHousehold("S211L01", "10002", "1", "04", "1");
    AddHousehold("S051L01", "10001", "5", "01", "1");
    state.AsurvdBySss[1].fill(9);
    state.AcasualtyBySss[1].fill(9);
    state.SssFull[1].fill(1);

    CountSurveyedBySss(state, 1, "10001");
    EXPECT_EQ(state.AsurvdBySss[1], (Row{0, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(state.AcasualtyBySss[1], (Row{0, 1, 2, 0, 0, 0, 0}));
    EXPECT_EQ(state.SssFull[1], (Row{}));

    CountSurveyedBySss(state, 2, "10001");
    EXPECT_EQ(state.AsurvdBySss[2], (Row{0, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(state.AsurvdBySss[1][1], 2) << "one schedule's count leaves the other's alone";
}

struct RoomCase {
    int tsurvd, casualty;      // the listing's figures for the stratum
    int surveyed, casualties;  // households entered
    bool full;
};

std::ostream& operator<<(std::ostream& os, const RoomCase& c) {
    return os << "listed " << c.tsurvd << "+" << c.casualty << ", entered " << c.surveyed << "+"
              << c.casualties;
}

class RoomRuleTest : public HouseholdCountsTest, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(RoomRuleTest, StratumIsFullWhenItsEnteredTotalMatchesTheListing) {
    const auto& c = GetParam();
    int ssu = 1;
    for (int i = 0; i < c.surveyed; ++i)
        AddHousehold("S211L01", "10001", "1", "0" + std::to_string(ssu++), "1");
    for (int i = 0; i < c.casualties; ++i)
        AddHousehold("S211L01", "10001", "1", "0" + std::to_string(ssu++), "3");
    state.TsurvdBySss[1][1] = c.tsurvd;
    state.CasualtyBySss[1][1] = c.casualty;
    const auto counts = UpdateHhCounts(state, 1, "10001", "1", "01");
    ASSERT_TRUE(counts);
    EXPECT_EQ(state.SssFull[1][1], c.full ? 1 : 0);
    EXPECT_EQ(counts->households, c.surveyed + c.casualties);
    EXPECT_EQ(state.HhCountBySch[1], c.surveyed + c.casualties);
}

INSTANTIATE_TEST_SUITE_P(Cases, RoomRuleTest,
                         ::testing::Values(RoomCase{4, 1, 4, 1, true},   // the quota exactly
                                           RoomCase{4, 1, 3, 1, false},  // one to go
                                           RoomCase{4, 1, 5, 1, false},  // beyond the quota leaves room
                                           RoomCase{4, 1, 5, 0, true},   // the totals compare, not each part
                                           RoomCase{0, 0, 0, 0, true}));

TEST_F(HouseholdCountsTest, HouseholdAskedAboutIsFoundByStratumAndNumber) {
    AddHousehold("S211L01", "10001", "2", "05", "1");
    AddHousehold("S211L01", "10002", "2", "06", "1");
    for (const auto& [sss, shhno, exists] : std::initializer_list<std::tuple<const char*, const char*, int>>{
             {"2", "05", 1}, {"1", "05", 0}, {"2", "5", 0}, {"2", "06", 0}, {"2", "05' or '1'='1", 0}}) {
        SCOPED_TRACE(std::string(sss) + "/" + shhno);
        const auto counts = UpdateHhCounts(state, 1, "10001", sss, shhno);
        ASSERT_TRUE(counts);
        EXPECT_EQ(counts->householdEntered, exists == 1);
        EXPECT_EQ(state.HhExists, exists);
        EXPECT_EQ(counts->households, 1) << "the FSU's own households";
    }
    EXPECT_TRUE(screen.hhCount.empty()) << "the control screen shows the count itself";
}

TEST_F(HouseholdCountsTest, WritingTheCountsChangesNothingInMemoryAndARefusalNothingAtAll) {
    AddHousehold("S211L01", "10001", "1", "01", "1");
    AddHousehold("S211L01", "10001", "1", "02", "3");
    Exec("insert into S000L02 (FSUNO, SSS, TSURVD, CASUALTY) values ('10001', '1', '1', '1')");
    Exec("insert into samplelist (FSUNO) values ('10001')");
    state.TsurvdBySss[1][1] = 1;
    state.CasualtyBySss[1][1] = 1;
    state.HhExists = 0;
    state.HhCountBySch[1] = 9;
    state.AsurvdBySss[1][1] = 9;

    const auto counts = WriteHhCounts(state, 1, "10001", "1", "01");
    ASSERT_TRUE(counts);
    EXPECT_TRUE(counts->householdEntered);
    EXPECT_EQ(counts->households, 2);
    EXPECT_EQ(counts->asurvdBySss, (Row{0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(counts->acasualtyBySss, (Row{0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(counts->sssFull, (Row{0, 1, 1, 1, 1, 1, 0})) << "strata 2 to 5: none listed, none entered";
    EXPECT_EQ(Read("select CNT211 || ' ' || (select CNT211 from samplelist) || ' ' || "
                   "(select ASURVD from S000L02) from S000L01"),
              "2 2 1");
    EXPECT_EQ(state.HhExists, 0);
    EXPECT_EQ(state.HhCountBySch[1], 9);
    EXPECT_EQ(state.AsurvdBySss[1][1], 9);
    EXPECT_EQ(state.SssFull[1], (Row{}));

    // The last of the three writes refused: the first two are undone, and nothing in memory changes.
    AddHousehold("S211L01", "10001", "1", "03", "1");
    Exec("create trigger refuse before update on samplelist begin select raise(abort, 'refused'); end");
    EXPECT_THROW(UpdateHhCounts(state, 1, "10001", "1", "01"), db::DbError);
    EXPECT_FALSE(state.FsuConn->InTransaction());
    EXPECT_EQ(Read("select CNT211 || ' ' || (select ASURVD from S000L02) from S000L01"), "2 1");
    EXPECT_EQ(state.HhExists, 0);
    EXPECT_EQ(state.HhCountBySch[1], 9);
    EXPECT_EQ(state.AsurvdBySss[1][1], 9);

    Exec("drop trigger refuse");
    ASSERT_TRUE(UpdateHhCounts(state, 1, "10001", "1", "01"));
    EXPECT_EQ(state.HhExists, 1);
    EXPECT_EQ(state.HhCountBySch[1], 3);
    EXPECT_EQ(state.AsurvdBySss[1], (Row{0, 2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(state.SssFull[1], (Row{0, 0, 1, 1, 1, 1, 0})) << "stratum 1: three entered against two listed";
}

TEST_F(HouseholdCountsTest, NoHouseholdScheduleMeansNoCountAndNoStatement) {
    // Not even a table to count in: a statement would fail on the missing one.
    Exec("drop table S211L01");
    Exec("drop table S051L01");
    state.HhExists = 1;
    for (int schType : {0, 9, 99}) {
        EXPECT_NO_THROW(EXPECT_FALSE(UpdateHhCounts(state, schType, "10001", "1", "01")));
        EXPECT_NO_THROW(CountSurveyedBySss(state, schType, "10001"));
    }
    EXPECT_EQ(state.HhExists, 1);
    EXPECT_TRUE(screen.hhCount.empty());
    EXPECT_EQ(Read("select CNT211 from S000L01"), "<null>");
}

TEST_F(HouseholdCountsTest, ListingSummaryOfAnFsuWithoutBlock1ShowsNothing) {
    Exec("delete from S000L01");
    state.FsuSro = "9999";
    state.HasS000L01 = 1;
    const ListingSummary summary = LoadListingSummary(state, "10001");
    EXPECT_EQ(summary.entered, "");
    EXPECT_EQ(summary.cnt211, "");
    EXPECT_EQ(summary.cnt051, "");
    EXPECT_EQ(state.FsuSro, "");
    EXPECT_EQ(state.HasS000L01, 0);
    EXPECT_EQ(screen.entered, "-") << "the control screen shows the summary itself";
}

TEST_F(HouseholdCountsTest, ListingSummaryTakesBlock6FiguresOfStrataOneToFive) {
    const char* insert =
        "insert into S000L02 (FSUNO, SSS, CAPH, SELH, TSURVD, CASUALTY) values (?, ?, ?, ?, ?, ?)";
    Exec(insert, {"10001", "1", "40", "6", "4", "1"});
    Exec(insert, {"10001", "3", "12", "5", "", db::Param::Null()});
    Exec(insert, {"10001", "3", "20", "7", "3", "2"});   // a later row of a stratum wins
    Exec(insert, {"10001", "9", "60", "13", "7", "3"});  // the total row
    Exec(insert, {"10001", db::Param::Null(), "1", "1", "1", "1"});
    Exec(insert, {"10002", "2", "1", "1", "1", "1"});
    state.SelhBySss[0].fill(7);
    state.SelhBySss[2].fill(7);

    LoadListingSummary(state, "10001");
    EXPECT_EQ(state.HasS000L02, 1);
    EXPECT_EQ(state.HasS000L03, 0);
    EXPECT_EQ(state.CaphBySss[1], (Row{0, 40, 0, 20, 0, 0, 0}));
    EXPECT_EQ(state.SelhBySss[1], (Row{0, 6, 0, 7, 0, 0, 0}));
    EXPECT_EQ(state.TsurvdBySss[1], (Row{0, 4, 0, 3, 0, 0, 0}));
    EXPECT_EQ(state.CasualtyBySss[1], (Row{0, 1, 0, 2, 0, 0, 0}));
    EXPECT_EQ(state.SelhBySss[2], (Row{})) << "part B has no rows: its figures are cleared";
    EXPECT_EQ(state.SelhBySss[0], (Row{7, 7, 7, 7, 7, 7, 7}));
}

}  // namespace
}  // namespace r78
