#include <gtest/gtest.h>

#include <QApplication>
#include <QVBoxLayout>

#include "screens/GridBlockScreen.h"
#include "screens/LazyForm.h"
#include "screens/SingleRecordBlockScreen.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"
#include "validation/ErrorLog.h"

// The household paths of both block-screen templates, on screens made for the
// test over Schedule 5.1's tables of blocks 4.1 (a list) and 8 (one row).
namespace r78 {
namespace {

using namespace test;

class TestGrid : public GridBlockScreen {
public:
    static GridParams::EmptyBlock gate;
    explicit TestGrid(SharedState& s) : GridBlockScreen(s, Params()) {
        Compose();
        Form_Load();
    }

private:
    static GridParams Params() {
        GridParams p;
        p.index = 16;
        p.blockNo = 4.1;
        p.scheduleHeading = "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY";
        p.blockTitle = "Block-4.1. a list";
        p.columns = {{"SLNO", "Srl\nNo.", 800}, {"B41C2", "Age", 1600}};
        p.rules = {rule::Positive("SLNO", true), rule::AnyDigits("B41C2")};
        p.lastEditField = "B41C2";
        p.emptyBlock = gate;
        // One error row for each row of the block, so that each run's list shows its own length.
        p.blockCheck = [](SharedState& s, int rows) {
            for (int i = 0; i < rows; ++i) LogValError(s, "B 4.1", "", "", "checked", "");
        };
        p.emptyBlockMessage = gate == GridParams::EmptyBlock::Refuse
                                  ? "Block-4.1 can not be left empty"
                                  : "current block is empty. Do you want to Proceed?";
        return p;
    }
};
GridParams::EmptyBlock TestGrid::gate = GridParams::EmptyBlock::Ask;

// A trip list whose total line (serial 99) skips column 2 when Enter moves on.
class TestTrips : public GridBlockScreen {
public:
    explicit TestTrips(SharedState& s) : GridBlockScreen(s, Params()) {
        Compose();
        Form_Load();
    }

protected:
    int ColStepAfter(const std::string& field) override {
        return field == "SLNO" && RowField("SLNO") == "99" ? 2 : 1;
    }

private:
    static GridParams Params() {
        GridParams p;
        p.index = 7;
        p.columns = {{"SLNO", "Sl", 600}, {"B51C2", "C(2)", 800}, {"B51C3", "C(3)", 800}};
        p.rules = {rule::Positive("SLNO", true), rule::AnyDigits("B51C2"), rule::AnyDigits("B51C3")};
        p.lastEditField = "B51C3";
        return p;
    }
};

class TestRecord : public SingleRecordBlockScreen {
public:
    explicit TestRecord(SharedState& s) : SingleRecordBlockScreen(s, Params()) {
        Compose(nullptr, new QVBoxLayout);
        Form_Load();
    }

private:
    static SingleRecordParams Params() {
        SingleRecordParams p;
        p.index = 21;
        p.blockNo = 8;
        p.rules = {rule::Code("B8I1", "1,2,x", "code 1 or 2 please")};
        return p;
    }
};

class HouseholdTemplatesTest : public ::testing::Test {
protected:
    HouseholdTemplatesTest() {
        f.s.CurSss = "2";
        f.s.CurSsu = "07";
        f.s.FormTable[0] = &packet;
        f.s.Packet = &packet;
        f.s.FormTable[15] = &before;
        f.s.FormTable[16] = &grid;
        f.s.FormTable[17] = &after;
        f.s.FormTable[20] = &before;
        f.s.FormTable[21] = &record;
    }
    ~HouseholdTemplatesTest() override { TestGrid::gate = GridParams::EmptyBlock::Ask; }

    TestGrid* OpenGrid() {
        grid.Show();
        Activate(grid.Current());
        return grid.Current();
    }
    TestRecord* OpenRecord() {
        record.Show();
        Activate(record.Current());
        return record.Current();
    }
    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        std::string row;
        for (int i = 0; i < rs.FieldCount(); ++i)
            row += (i ? "|" : "") + (rs.Field(i).IsNull() ? std::string("<null>") : rs.Field(i).Text());
        return row;
    }

    FsuFile f{"10001", 2};
    StandInPacket packet;
    StandInScreen before, after;
    LazyForm<TestGrid> grid{f.s};
    LazyForm<TestRecord> record{f.s};
    LazyForm<TestTrips> trips{f.s};
};

TEST_F(HouseholdTemplatesTest, ANewGridRowIsStampedWithTheHouseholdAndItsSerialZeroFilled) {
    TestGrid* screen = OpenGrid();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->Label21->text(), "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY");
    EXPECT_EQ(screen->lbssu->text(), "07");
    KeyRow({"3", "12"});
    Click(screen->exit);
    EXPECT_EQ(Read("select DPC, FSUNO, SU, SSS, SSU, SLNO, B41C2, creby from S051L04"),
              "101|10001||2|07|03|12|OPR1");
    EXPECT_TRUE(f.messages.Texts().empty());
}

TEST_F(HouseholdTemplatesTest, AnEmptyGridBlockAsksBeforeMovingOnOrRefuses) {
    f.messages.Answer(false);
    OpenGrid();
    Click(grid.Current()->CmdNext);
    EXPECT_EQ(f.messages.Texts(),
              std::vector<std::string>{"current block is empty. Do you want to Proceed?"});
    EXPECT_NE(grid.Current(), nullptr);
    EXPECT_EQ(after.shown, 0);

    f.messages.Answer(true);
    Click(grid.Current()->CmdPrev);
    EXPECT_EQ(before.shown, 1);
    FlushDeletes();
    EXPECT_EQ(grid.Current(), nullptr);

    TestGrid::gate = GridParams::EmptyBlock::Refuse;
    f.messages.shown.clear();
    OpenGrid();
    Click(grid.Current()->CmdNext);
    EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{"Block-4.1 can not be left empty"});
    EXPECT_EQ(after.shown, 0);
    EXPECT_NE(grid.Current(), nullptr);
}

TEST_F(HouseholdTemplatesTest, ABlankSingleRecordBlockCannotBeLeftAndATypedOneIsOfferedForSaving) {
    TestRecord* screen = OpenRecord();
    Click(screen->CmdNext);
    EXPECT_EQ(f.messages.Texts(), std::vector<std::string>{"Block-8 is blank can't proceed to next block"});
    EXPECT_EQ(before.shown + after.shown, 0);

    f.messages.shown.clear();
    f.messages.Answer(true);
    EnterInBox(screen->Text1[0], "2");
    Click(screen->CmdPrev);
    EXPECT_EQ(f.messages.Texts(),
              std::vector<std::string>{"Save Block-8 before navigating to previous block?"});
    EXPECT_EQ(Read("select SU, B8I1 from S051L09 where sss = '2' and SSU = '07'"), "|2");
    EXPECT_EQ(before.shown, 1);
}

TEST_F(HouseholdTemplatesTest, AnUpdateThatFindsNoRowIsNotASave) {
    f.Insert("S051L09", {{"FSUNO", "10001"}, {"SU", "9"}, {"SSS", "2"}, {"SSU", "07"}, {"B8I1", "1"}});
    TestRecord* screen = OpenRecord();
    ASSERT_EQ(f.s.BlkRecExists, 1);
    EnterInBox(screen->Text1[0], "2");
    EXPECT_EQ(screen->CmdSave_Click(), SingleRecordBlockScreen::SaveOutcome::Failed);
    ASSERT_EQ(f.messages.Texts().size(), 1u);
    EXPECT_NE(f.messages.Texts()[0].find("Block 8 was not saved."), std::string::npos);
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(screen->Text1[0]->text(), "2");
    EXPECT_EQ(Read("select B8I1 from S051L09"), "1");
}

// Another program reading the FSU file keeps the run from storing its list: the
// operator is told, and the list shown is the earlier run's, which the file keeps.
TEST_F(HouseholdTemplatesTest, ValidateBlockWhoseListTheFileRefusesShowsTheEarlierList) {
    const auto addRow = [&](const char* slno) {
        f.Insert("S051L04", {{"FSUNO", "10001"}, {"SSS", "2"}, {"SSU", "07"}, {"SLNO", slno}});
    };
    addRow("01");
    TestGrid* screen = OpenGrid();
    Click(screen->Cmdval);
    ASSERT_EQ(screen->DataGrid->RecordCount(), 1);
    addRow("02");
    const auto reader = db::Connection::Open(f.s.FsuConn->Path());
    reader->Execute("BEGIN");
    reader->Query("select count(*) from val_error");
    Click(screen->Cmdval);
    reader->Execute("ROLLBACK");

    ASSERT_EQ(f.messages.Texts().size(), 1u);
    const std::string told = f.messages.Texts()[0];
    EXPECT_NE(told.find("The validation results could not be stored.\nThe file "), std::string::npos) << told;
    EXPECT_NE(told.find("is in use by another program"), std::string::npos) << told;
    EXPECT_EQ(f.ErrorLines().size(), 1u);
    EXPECT_EQ(screen->DataGrid->RecordCount(), 1);
}

TEST_F(HouseholdTemplatesTest, ABlankGoToTextKeepsTheFocusAndATextThatIsNoNumberBeeps) {
    TestRecord* screen = OpenRecord();
    EnterInBox(screen->Text3, "  ");
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_NE(record.Current(), nullptr);
    EnterInBox(screen->Text3, "x");
    EXPECT_EQ(f.messages.shown, (std::vector<ScriptedMessages::Shown>{{"beep", ""}}));
    EXPECT_NE(record.Current(), nullptr);
}

TEST_F(HouseholdTemplatesTest, AnUpdateStepsTheCursorOnlyWhenEnterMovesIt) {
    trips.Show();
    TestTrips* screen = trips.Current();
    ASSERT_NE(screen, nullptr);
    Activate(screen);
    ui::BoundGrid* grid = screen->DataGridX;
    const int c1 = grid->FieldColumn("SLNO"), c3 = grid->FieldColumn("B51C3");
    Enter("99");
    EXPECT_EQ(grid->CurrentColumn(), c3);

    // Typed, then left by an arrow: the cursor goes down in its own column.
    grid->SetCurrentCell(0, c1);
    Type("99");
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->CurrentColumn(), c1);
    EXPECT_TRUE(f.messages.Texts().empty());
}

}  // namespace
}  // namespace r78
