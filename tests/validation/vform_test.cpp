#include "validation/ui/vform.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/Text.h"
#include "platform/ui/Keys.h"
#include "tests/control/ControlScreenFixture.h"

namespace r78 {
namespace {

using Texts = std::vector<std::string>;

const QString kCaption = "List of Error Messages detected by Data Validation Checks";

// A shown column of a grid as "FIELD|caption|width in pixels".
std::string Column(const std::string& field, const std::string& caption, int twips) {
    return field + "|" + caption + "|" + std::to_string(ui::TwipsToPixels(twips));
}
std::vector<std::string> ShownColumns(const ui::BoundGrid& grid) {
    std::vector<std::string> shown;
    for (int c = 0; c < grid.ColumnCount(); ++c)
        if (grid.ColumnVisible(c))
            shown.push_back(text::ToUpper(grid.DataField(c)) + "|" + grid.ColumnCaption(c).toStdString() +
                            "|" + std::to_string(grid.View()->columnWidth(c)));
    return shown;
}

const std::vector<std::string> kErrorColumns = {
    Column("BLK", "Block\nNo", 800), Column("COL", "Col\nNo", 600),
    Column("MSG1", "Description of Error", 5500), Column("MSG2", "Additional Message", 4000),
    Column("MSGTYPE", "Error\nType", 800)};
// The columns of a list, with the item column's caption and the household columns when shown.
std::vector<std::string> ErrorColumns(const std::string& itemCaption, bool household, bool segment = false) {
    std::vector<std::string> cols;
    if (segment) cols.push_back(Column("SEG", "Seg\nNo", 600));
    if (household) {
        cols.push_back(Column("SSS", "SSS\nNo", 600));
        cols.push_back(Column("SSU", "SHH\nNo", 600));
    }
    cols.push_back(kErrorColumns[0]);
    cols.push_back(Column("ITEM", itemCaption, 1100));
    cols.insert(cols.end(), kErrorColumns.begin() + 1, kErrorColumns.end());
    return cols;
}

// FSU 10001 registered on Schedule 0.0. Its listing's block 1 breaks rules whose
// rows are written out of the order of block, item and column (item 17 after 19).
class VformTest : public test::ControlScreenTest {
protected:
    void SetUp() override {
        ControlScreenTest::SetUp();
        MakeFsuFile("10001");
        Exec("10001", "insert into S000L01 (FSUNO, SVC, D1, APOP1) values ('10001', '5', '3', '500')");
        Choose(kSch00);
        Register("10001");
        ASSERT_TRUE(state.FsuOpen);
        messages.shown.clear();
        state.CurSss = "4";
        state.CurSsu = "07";
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* open = qobject_cast<vform*>(w)) delete open;
        ControlScreenTest::TearDown();
    }

    void AddHousehold(const std::string& table, const std::string& sss, const std::string& ssu) {
        Exec("10001", "insert into " + table + " (FSUNO, SSS, SSU, SVC) values ('10001', ?, ?, '1')",
             {sss, ssu});
    }
    void Click(QPushButton* button) {
        button->click();
        QApplication::processEvents();
    }
    vform* ShownScreen() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<vform*>(w); v && v->isVisible()) return v;
        return nullptr;
    }
    vform* Open() {
        Click(screen->Cmdval);
        return ShownScreen();
    }
    // The sort keys of the FSU's error rows in the order written: "blk item col",
    // with "sss ssu" in front for a household run.
    Texts WrittenKeys(bool household) {
        const auto rs =
            db::Connection::Open(FsuFile("10001"))
                ->Query(
                    "select sss, ssu, blk, item, col from val_error where fsuno = '10001' order by rowid");
        Texts keys;
        for (long r = 0; r < rs.RecordCount(); ++r) keys.push_back(Key(rs.Row(r), household ? 0 : 2, 5));
        return keys;
    }
    // The same of the rows that the grid lists, in its order.
    static Texts ListedKeys(const ui::BoundGrid& grid, bool household) {
        Texts keys;
        for (long r = 0; r < grid.Records().RecordCount(); ++r)
            keys.push_back(Key(grid.Records().Row(r), 0, household ? 5 : 3));
        return keys;
    }
    // Fields joined by a character below any in the texts, so that the joined keys
    // sort as the fields do.
    static std::string Key(const std::vector<db::Value>& row, size_t from, size_t to) {
        std::string key;
        for (size_t i = from; i < to; ++i) key += row.at(i).Text() + '\x01';
        return key;
    }
    long Count(const std::string& where) {
        return std::stol(Read("10001", "select count(*) from val_error where " + where));
    }
};

TEST_F(VformTest, ValidateOpensTheScreenForARegisteredFsuAndExitReturnsToGoToBlock) {
    Choose(kSch00);  // empties the FSUNO box
    EXPECT_EQ(Open(), nullptr);
    EXPECT_EQ(messages.Texts(), Texts{"FSU NO not yet registered"});
    EXPECT_TRUE(screen->isVisible());

    Register("10001");
    screen->Text3->setText("6");
    messages.shown.clear();
    QPointer<vform> v = Open();
    ASSERT_FALSE(v.isNull());
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(v->windowTitle(), "Validation screen");
    EXPECT_EQ(v->Lbusercode->text(), "OPR1");
    EXPECT_EQ(v->lbfsu->text(), "10001");
    EXPECT_EQ(v->Lbsch->text(), "0.0");
    EXPECT_EQ(v->DataGrid2->Caption(), kCaption);
    EXPECT_EQ(v->DataGrid2->RecordCaption(), "Error Message Navigation");
    EXPECT_EQ(v->CmdVal000->text(), "Validate_Sch0.0 && Cov Check");

    Click(v->CmdExit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(v.isNull());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(screen->Text3->selectedText(), "6");
    EXPECT_TRUE(messages.shown.empty());
}

TEST(VformLoadTest, ScheduleLabelFollowsTheScheduleChosen) {
    const std::pair<int, const char*> cases[] = {
        {0, "0.0"}, {1, "211"}, {2, "051"}, {99, "xxxxx"}, {9, "xxxxx"}};
    for (const auto& [schType, label] : cases) {
        SharedState s;
        s.CurSchType = schType;
        vform v(s);
        EXPECT_EQ(v.Lbsch->text(), label) << schType;
    }
}

TEST_F(VformTest, ListingRunReplacesEveryEarlierRowAndListsByBlockItemAndColumn) {
    Exec("10001",
         "insert into val_error (fsuno, srlno, blk, msg1) values ('10001', 1, 'B 9', 'earlier run')");
    Exec("10001",
         "insert into val_error (fsuno, srlno, blk, msg1) values ('10009', 1, 'B 9', 'another FSU')");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    Click(v->CmdVal000);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(v->Lbsch->text(), "0.0");
    EXPECT_EQ(v->DataGrid2->Caption(), kCaption + " Sch 0.0");
    EXPECT_EQ(ShownColumns(*v->DataGrid2), ErrorColumns("Seg-SSS/\nItem No", false));
    EXPECT_EQ(Count("msg1 = 'earlier run'"), 0);
    EXPECT_EQ(Count("fsuno = '10009'"), 1);
    EXPECT_EQ(Count("fsuno = '10001' and sss is not null"), 0);
    const long rows = Count("fsuno = '10001'");
    EXPECT_EQ(v->DataGrid2->RecordCount(), rows);
    EXPECT_EQ(v->DataGrid2->RecordCaption(), QString("Record  1/%1").arg(rows));

    Texts written = WrittenKeys(false), sorted = written;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_NE(written, sorted) << "the rows must be written out of order for the listing to show its order";
    EXPECT_EQ(ListedKeys(*v->DataGrid2, false), sorted);
    EXPECT_FALSE(state.ValRunAll);
    EXPECT_FALSE(state.ValRunSch0);
}

TEST_F(VformTest, ListingRunShowsTheListingSummaryOnTheControlScreen) {
    EXPECT_EQ(screen->Lb211->text(), "");
    Exec("10001", "update S000L01 set CNT211 = 4, CNT051 = 2");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    Click(v->CmdVal000);
    EXPECT_EQ(screen->Label27->text(), "YES");
    EXPECT_EQ(screen->Lb211->text(), "4");
    EXPECT_EQ(screen->Lb051->text(), "2");
}

class VformHouseholdRunTest : public VformTest, public ::testing::WithParamInterface<int> {};

TEST_P(VformHouseholdRunTest, ChecksEveryHouseholdInOrderAndListsThemBySssAndSsu) {
    const int schType = GetParam();
    const std::string table = schType == 1 ? "S211L01" : "S051L01";
    // Households of a surveyed code with block 1 only: each misses its blocks 3 and 4.
    AddHousehold(table, "2", "01");
    AddHousehold(table, "1", "03");
    AddHousehold(table, "1", "02");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    Click(schType == 1 ? v->CmdVal211 : v->CmdVal051);

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(v->Lbsch->text(), schType == 1 ? "211" : "051");
    EXPECT_EQ(v->DataGrid2->Caption(), kCaption + (schType == 1 ? " Sch 211" : " Sch 5.1"));
    EXPECT_EQ(ShownColumns(*v->DataGrid2), ErrorColumns("Item\nNo", true));
    const long rows = Count("fsuno = '10001'");
    EXPECT_EQ(v->DataGrid2->RecordCaption(), QString("Record  1/%1").arg(rows));

    // Households are checked in the order of SSS and SSU, one run numbering all their rows.
    const auto order = db::Connection::Open(FsuFile("10001"))
                           ->Query(
                               "select sss || '/' || ssu from val_error where fsuno = '10001' "
                               "group by sss, ssu order by min(srlno)");
    Texts households;
    for (long r = 0; r < order.RecordCount(); ++r) households.push_back(order.Row(r)[0].Text());
    EXPECT_EQ(households, (Texts{"1/02", "1/03", "2/01"}));
    EXPECT_EQ(Read("10001", "select max(srlno) from val_error where fsuno = '10001'"), std::to_string(rows));

    Texts written = WrittenKeys(true), sorted = written;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_NE(written, sorted);
    EXPECT_EQ(ListedKeys(*v->DataGrid2, true), sorted);

    EXPECT_EQ(state.CurSss, "4");
    EXPECT_EQ(state.CurSsu, "07");
    EXPECT_FALSE(state.ValRunAll);
    EXPECT_FALSE(state.ValRunSch0);
    EXPECT_EQ(state.CurSchType, kSch00);
}

INSTANTIATE_TEST_SUITE_P(Schedules, VformHouseholdRunTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "Sch211" : "Sch51"; });

TEST_F(VformTest, HouseholdRunWithoutHouseholdsLeavesTheListAndOnlyRelabels) {
    AddHousehold("S211L01", "1", "01");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    Click(v->CmdVal000);
    const long rows = Count("fsuno = '10001'");
    const QString recordCaption = v->DataGrid2->RecordCaption();

    Click(v->CmdVal051);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(v->Lbsch->text(), "051");
    EXPECT_EQ(v->DataGrid2->Caption(), kCaption + " Sch 0.0");
    EXPECT_EQ(v->DataGrid2->RecordCount(), rows);
    EXPECT_EQ(v->DataGrid2->RecordCaption(), recordCaption);
    EXPECT_EQ(Count("fsuno = '10001'"), rows);
    EXPECT_EQ(Count("fsuno = '10001' and sss is not null"), 0) << "the listing run's rows stay";
    EXPECT_EQ(state.CurSss, "4");
}

TEST_F(VformTest, FormatErrorGridFollowsTheRunAndTheScheduleLabel) {
    AddHousehold("S211L01", "1", "01");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    Click(v->CmdVal211);
    // Every column of the table: only the error list's own are shown.
    ASSERT_TRUE(
        v->DataGrid2->SetRecordSource(*state.FsuConn, "select * from val_error where fsuno = ?", {"10001"}));
    struct Case {
        bool listingRun;
        const char* label;
        std::vector<std::string> shown;
    };
    const Case cases[] = {{true, "0.0", ErrorColumns("Seg-SSS/\nItem No", false)},
                          {true, "211", ErrorColumns("Item\nNo", false)},
                          {false, "211", ErrorColumns("Item\nNo", true, true)},
                          {false, "0.0", ErrorColumns("Seg-SSS/\nItem No", true, true)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.label) + (c.listingRun ? " listing run" : " household run"));
        state.ValRunSch0 = c.listingRun;
        v->Lbsch->setText(c.label);
        v->FormatErrorGrid();
        EXPECT_EQ(ShownColumns(*v->DataGrid2), c.shown);
        EXPECT_EQ(v->DataGrid2->CurrentColumn(), 1);
    }
    state.ValRunSch0 = false;
}

struct FailingRun {
    int button;  // 0, 1, 2: the run of Schedule 0.0, 21.1, 5.1
    const char* dropped;
};

std::ostream& operator<<(std::ostream& os, const FailingRun& c) {
    return os << "run " << c.button << " without " << c.dropped;
}

class VformFailingRunTest : public VformTest, public ::testing::WithParamInterface<FailingRun> {};

TEST_P(VformFailingRunTest, IsReportedAndGivesTheHouseholdAndTheFlagsBack) {
    const FailingRun& c = GetParam();
    AddHousehold("S211L01", "1", "01");
    AddHousehold("S051L01", "1", "01");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    v->Lbsch->setText("xxxxx");
    Exec("10001", std::string("drop table ") + c.dropped);
    Click(c.button == 0 ? v->CmdVal000 : c.button == 1 ? v->CmdVal211 : v->CmdVal051);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "ok");
    EXPECT_TRUE(messages.shown[0].text.starts_with("The validation could not be completed."));
    EXPECT_NE(messages.shown[0].text.find(c.dropped), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(state.CurSss, "4");
    EXPECT_EQ(state.CurSsu, "07");
    EXPECT_FALSE(state.ValRunAll);
    EXPECT_FALSE(state.ValRunSch0);
    EXPECT_TRUE(state.ValIsCritical);
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(v->Lbsch->text().toStdString(), c.button == 0   ? "0.0"
                                              : c.button == 1 ? "211"
                                                              : "051")
        << "the run is named";
}

// Without val_error every run fails at its first step, the delete of the old rows;
// the others fail half-way, the household runs at the first household's block 4.
INSTANTIATE_TEST_SUITE_P(Cases, VformFailingRunTest,
                         ::testing::Values(FailingRun{0, "val_error"}, FailingRun{0, "S000L02"},
                                           FailingRun{1, "val_error"}, FailingRun{1, "S211L03"},
                                           FailingRun{2, "val_error"}, FailingRun{2, "S051L03"}),
                         [](const auto& info) {
                             return "Sch" + std::to_string(info.param.button) + "_" + info.param.dropped;
                         });

class VformHalfWayRunTest : public VformTest, public ::testing::WithParamInterface<int> {};

TEST_P(VformHalfWayRunTest, LeavesThePreviousListAsItWas) {
    const int button = GetParam();
    for (const char* ssu : {"01", "02"}) {
        AddHousehold("S211L01", "1", ssu);
        AddHousehold("S051L01", "1", ssu);
    }
    for (const char* msg : {"earlier 1", "earlier 2"})
        Exec("10001", "insert into val_error (fsuno, srlno, blk, msg1) values ('10001', 1, 'B 9', ?)", {msg});
    // The file refuses the third row of a run.
    Exec("10001",
         "create trigger halfway before insert on val_error when (select count(*) from val_error) >= 2 "
         "begin select raise(abort, 'disk full'); end");
    vform* v = Open();
    ASSERT_NE(v, nullptr);
    Click(button == 0 ? v->CmdVal000 : button == 1 ? v->CmdVal211 : v->CmdVal051);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "ok");
    EXPECT_TRUE(messages.shown[0].text.starts_with("The validation could not be completed."));
    EXPECT_NE(messages.shown[0].text.find("disk full"), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(Count("fsuno = '10001'"), 2);
    EXPECT_EQ(Count("msg1 like 'earlier _'"), 2);
    EXPECT_FALSE(state.FsuConn->InTransaction());
}

INSTANTIATE_TEST_SUITE_P(Runs, VformHalfWayRunTest, ::testing::Values(0, 1, 2),
                         [](const auto& info) { return "Sch" + std::to_string(info.param); });

}  // namespace
}  // namespace r78
