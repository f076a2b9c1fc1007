#include <QHeaderView>
#include <QTest>

#include "platform/ui/Keys.h"

#include "tests/tourism/TripScreensFixture.h"
#include "tourism/orcl_211d.h"
#include "tourism/orcl_211e.h"

namespace r78 {
namespace {

using test::Enter;
using test::Focus;
using test::Key;
using test::KeyRow;
using test::Texts;
using test::Type;

// Grid columns of blocks 5.1 and 5.2: SLNO, then the questionnaire's columns 2 to 15.
constexpr int SLNO = 5;
constexpr int Col(int questionnaireColumn) { return questionnaireColumn + 4; }

const std::vector<std::string> kTripColumns = {"SLNO",   "B51C2",  "B51C3",  "B51C4",  "B51C5",
                                               "B51C6",  "B51C7",  "B51C8",  "B51C9",  "B51C10",
                                               "B51C11", "B51C12", "B51C13", "B51C14", "B51C15"};

class TripTest : public test::TripScreensTest {
protected:
    void Trip51(std::vector<std::pair<std::string, std::string>> values) { InsertRow("S211L04", std::move(values)); }
    // Empties a cell of row 0 and puts the cursor on it.
    void Fresh(int column) {
        Grid()->SetFieldText(0, Grid()->DataField(column), "");
        At(0, column);
        Clear();
    }
};

TEST_F(TripTest, ATripOfTwoMembersAndTheTotalLineAreKeyedAndStored) {
    Open<orcl_211d>(7);
    EXPECT_EQ(f.s.CurFormIndex, 7);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    // The first member keys the number of members on the trip.
    KeyRow({"1", "2", "1", "30", "1", "1", "05", "", "1", "", "3", "2", "05", "1", ""});
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    // The second leaves it blank and Enter takes it from the trip map.
    KeyRow({"1", ""});
    EXPECT_EQ(Grid()->FieldText(1, "B51C2"), "2");
    KeyRow({"2", "28", "1", "1", "05", "", "1", "", "3", "", "", "", ""});
    // The total line: 99 skips column 2, and column 3 ends the row.
    Enter("99");
    EXPECT_EQ(Grid()->CurrentColumn(), Col(3));
    Enter("1");
    EXPECT_TRUE(Messages().empty()) << Messages().front();
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);

    test::Click(screen->exit);
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(Rows("S211L04", kTripColumns), (Texts{"01 2 01 30 1 1 05 - 1 - 3 2 05 1 -",
                                                    "01 2 02 28 1 1 05 - 1 - 3 - - - -",
                                                    "99 - 01 - - - - - - - - - - - -"}));
    EXPECT_EQ(Rows("S211L04", {"DPC", "FSUNO", "SU", "SSS", "SSU", "creby", "credate"}),
              Texts(3, "101 10001  1 01 OPR1 200315"));

    // Consistent answers: the block check finds nothing.
    Open<orcl_211d>(7);
    test::Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(f.ErrorLines().empty()) << f.ErrorLines().front();
    EXPECT_FALSE(screen->DataGrid->isHidden());
}

TEST_F(TripTest, EachColumnAcceptsOrRefusesWithItsMessageOnBothBlocks) {
    struct Case {
        int column;
        const char* typed;
        Texts messages;  // none: accepted
        const char* stored = nullptr;  // accepted: the row's value, when not the typed text
    };
    const Texts width2{"field length exceeds field size field size = 2"};
    const Texts width3{"field length exceeds field size field size = 3"};
    const char* positive = "positive entry please";
    const char* numericPositive = "numeric positive entry please";
    const char* modes = "entry 01 to 08, 10 or 19 please";
    const char* months = "entry 01 to 12 please";
    const char* states = "entry 01 to 35 please";
    const std::vector<Case> common = {
        {SLNO, "", {numericPositive}},
        {SLNO, "#", {numericPositive}},
        {SLNO, "0", {positive}},
        {SLNO, "123", width2},
        {SLNO, "7", {}, "07"},
        {Col(2), "", {}},
        {Col(2), "#", {numericPositive}},
        {Col(2), "0", {positive}},
        {Col(2), "3", {}},
        {Col(3), "", {numericPositive}},
        {Col(3), "00", {positive}},
        {Col(3), "4", {}, "04"},
        {Col(4), "110", {}},
        {Col(4), "111", {"age > 110! recheck pl"}},
        {Col(4), "99999999999999999999", {width3[0], "age > 110! recheck pl"}},
        {Col(4), "(", {"numeric entry please"}},
        {Col(5), "8", {"code 1 to 7 or 9 please"}},
        {Col(5), "9", {}},
        {Col(6), "3", {"code 1 or 2 please"}},
        {Col(6), "2", {}},
        {Col(7), "5", {modes}},
        {Col(7), "09", {modes}},
        {Col(7), "05", {}},
        {Col(7), "19", {}},
        {Col(8), "5", {modes}},
        {Col(8), "10", {}},
        {Col(9), "6", {"code 1 to 5 or 9 please"}},
        {Col(10), "9", {}},
        {Col(11), "0", {positive}},
        {Col(11), "$", {numericPositive}},
        {Col(11), "", {}},
        {Col(11), "365", {}},
        {Col(13), "5", {months}},
        {Col(13), "13", {months}},
        {Col(13), "12", {}},
        {Col(14), "5", {"entry 1 to 4 please"}},
        {Col(14), "4", {}},
        {Col(15), "0", {states}},
        {Col(15), "36", {states}},
        {Col(15), "&", {"numeric entry please"}},
        {Col(15), "5", {}, "05"},
        {Col(15), "35", {}},
    };
    struct Block {
        int index;
        const char* table;
        std::string prefix;
        std::vector<Case> leadPurpose;  // column 12 differs
    };
    for (const Block& b : {Block{7, "S211L04", "B51C", {{Col(12), "1", {"entry 2, 6 or 7 please"}}, {Col(12), "7", {}}}},
                           Block{8, "S211L05", "B52C",
                                 {{Col(12), "2", {"entry 1, 3 to 5 or 9 please"}}, {Col(12), "9", {}}}}}) {
        SCOPED_TRACE(b.table);
        InsertRow(b.table, {{"SLNO", "01"}});
        if (b.index == 7)
            Open<orcl_211d>(7);
        else
            Open<orcl_211e>(8);
        ASSERT_NE(screen, nullptr);
        std::vector<Case> cases = common;
        cases.insert(cases.end(), b.leadPurpose.begin(), b.leadPurpose.end());
        for (const Case& c : cases) {
            const std::string field = Grid()->DataField(c.column);
            SCOPED_TRACE(field + " \"" + c.typed + "\"");
            ASSERT_TRUE(c.column == SLNO || field == b.prefix + std::to_string(c.column - 4));
            Fresh(c.column);
            Enter(c.typed);
            EXPECT_EQ(Messages(), c.messages);
            if (!c.messages.empty()) {
                // The refused text stays in the cell, with the cursor.
                EXPECT_EQ(Grid()->CurrentColumn(), c.column);
                EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
                if (Grid()->IsEditing()) Key(Qt::Key_Escape);
                continue;
            }
            EXPECT_EQ(Grid()->FieldText(0, field), c.stored ? c.stored : c.typed);
            // Accepted: the next column, or after the last one the next row.
            if (c.column == Col(15)) {
                EXPECT_EQ(Grid()->CurrentRow(), 1);
                EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
            } else {
                EXPECT_EQ(Grid()->CurrentRow(), 0);
                EXPECT_EQ(Grid()->CurrentColumn(), c.column + 1);
            }
            Grid()->SetFieldText(0, "SLNO", "01");
        }
        screen->Unload();
        test::FlushDeletes();
    }
}

TEST_F(TripTest, TheTotalLineTakesOnlyItsColumnThree) {
    Trip51({{"SLNO", "01"}, {"B51C3", "01"}});
    Open<orcl_211d>(7);
    // "099", which the file would refuse to store, is read as the grid holds it.
    for (const char* total : {"099", "99"}) {
        SCOPED_TRACE(total);
        Grid()->SetFieldText(0, "SLNO", total);
        for (int q = 2; q <= 15; ++q) {
            if (q == 3) continue;
            SCOPED_TRACE(q);
            Fresh(Col(q));
            Enter("1");
            EXPECT_EQ(Messages(), Texts{"col-" + std::to_string(q) + " should be blank"});
            EXPECT_EQ(Grid()->CurrentColumn(), Col(q));
            Key(Qt::Key_Escape);
        }
    }
    // Before the column's own rule, after the width.
    Fresh(Col(4));
    Enter("1234");
    EXPECT_EQ(Messages(), (Texts{"field length exceeds field size field size = 3", "col-4 should be blank"}));
    Key(Qt::Key_Escape);
    // A blank passes; column 3 keeps its rule and ends the line.
    Fresh(Col(8));
    Enter("");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->CurrentColumn(), Col(9));
    Fresh(Col(3));
    Enter("");
    EXPECT_EQ(Messages(), Texts{"numeric positive entry please"});
    Enter("2");
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(Grid()->FieldText(0, "B51C3"), "02");
    // Leaving the grid from column 3 of the total line goes to the next row too.
    At(0, Col(3));
    test::ClickInWindow(screen, screen->Text3);
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    EXPECT_EQ(Focus(), screen->Text3);
    // A serial number that is no number is no total line.
    Grid()->FocusGrid();
    Grid()->SetFieldText(0, "SLNO", "#9");
    Fresh(Col(4));
    Enter("30");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TripTest, TheTripMapComesFromTheLastMemberRowOfEachTripAndFillsBlankCells) {
    f.s.TripMemberList.Set(7, "4");  // left by the other trip block
    Trip51({{"SLNO", "01"}, {"B51C2", "3"}, {"B51C3", "01"}});
    Trip51({{"SLNO", "02"}, {"B51C2", "2"}, {"B51C3", "01"}});
    Trip51({{"SLNO", "02"}, {"B51C3", "02"}});  // the trip's last row has no count
    Trip51({{"SLNO", "#1"}, {"B51C2", "5"}});
    Trip51({{"SLNO", "99"}, {"B51C2", "8"}, {"B51C3", "02"}});
    Trip51({{"SLNO", "03"}, {"B51C2", "x"}, {"B51C3", "01"}});
    Open<orcl_211d>(7);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(f.s.TripMemberList.Size(), 101u);
    Texts map;
    for (size_t n = 0; n <= 100; ++n) map.push_back(f.s.TripMemberList[n]);
    Texts expected(101);
    expected[1] = "3";
    expected[3] = "x";
    EXPECT_EQ(map, expected);
    EXPECT_EQ(f.s.TripSlnoList[1], "");

    // Rows in record-source order: #1, 01, 02, 02, 03, 99.
    auto row = [&](const std::string& slno, const std::string& member) {
        for (int r = 0; r < Grid()->RecordCount(); ++r)
            if (Grid()->FieldText(r, "SLNO") == slno && Grid()->FieldText(r, "B51C3") == member) return r;
        ADD_FAILURE() << slno << " " << member;
        return 0;
    };
    struct Case {
        std::string slno, member, filled;
    };
    // Enter on a blank column 2: a trip with a count takes it; a trip whose last
    // row had none, a count that is no number, and rows that name no trip stay blank.
    for (const Case& c : {Case{"01", "01", "3"}, Case{"02", "02", ""}, Case{"03", "01", ""}, Case{"#1", "", ""},
                          Case{"99", "02", ""}}) {
        SCOPED_TRACE(c.slno);
        const int r = row(c.slno, c.member);
        Grid()->SetFieldText(r, "B51C2", "");
        At(r, Col(2));
        Clear();
        Enter("");
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(Grid()->FieldText(r, "B51C2"), c.filled);
        EXPECT_EQ(Grid()->CurrentColumn(), c.slno == "99" ? Col(2) + 1 : Col(3));
    }

    // A count keyed on trip 2 is remembered; erased on another of its rows, the row takes it back.
    At(row("02", "01"), Col(2));
    Enter("4");
    EXPECT_EQ(f.s.TripMemberList[2], "4");
    const int second = row("02", "02");
    Grid()->SetFieldText(second, "B51C2", "9");
    At(second, Col(2));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->FieldText(second, "B51C2"), "4");
    EXPECT_TRUE(Messages().empty());

    // A serial too long for the file, taken into a new row by a click past the
    // Enter check, names no trip either.
    At(Grid()->RecordCount(), SLNO);
    Type("123");
    At(Grid()->RecordCount() - 1, Col(2));
    EXPECT_EQ(Grid()->FieldText(Grid()->RecordCount() - 1, "SLNO"), "123");
    f.s.TripMemberList.Set(23, "5");
    Enter("");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->FieldText(Grid()->RecordCount() - 1, "B51C2"), "");
}

TEST_F(TripTest, SerialNinetyNineSkipsColumnTwoOnlyWhenTheGridMovesOnByItself) {
    Trip51({{"SLNO", "01"}, {"B51C3", "01"}});
    Open<orcl_211d>(7);
    QTableView* view = Grid()->View();
    auto type99 = [&] {
        Grid()->SetFieldText(0, "SLNO", "01");
        At(0, SLNO);
        Type("99");
    };
    type99();
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid()->CurrentColumn(), Col(3));
    type99();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->CurrentColumn(), Col(3));
    // An arrow, a click on a cell and a button take the cell into the row without a step.
    type99();
    Key(Qt::Key_Down);
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    type99();
    const QRect cell = view->visualRect(view->model()->index(0, Col(4)));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    QApplication::processEvents();
    EXPECT_EQ(Grid()->CurrentColumn(), Col(4));
    type99();
    test::Click(screen->Refresh);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(Grid()->FieldText(0, "SLNO"), "99");
    // An ordinary serial moves one column.
    type99();
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid()->FieldText(0, "SLNO"), "09");
    EXPECT_EQ(Grid()->CurrentColumn(), Col(2));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(TripTest, ValidateBlockListsTheTotalLineErrors) {
    Trip51({{"SLNO", "01"}, {"B51C2", "1"}, {"B51C3", "01"}, {"B51C5", "1"}, {"B51C6", "1"}, {"B51C7", "05"},
            {"B51C9", "1"}, {"B51C12", "2"}, {"B51C13", "05"}, {"B51C14", "1"}});
    Trip51({{"SLNO", "99"}, {"B51C3", "01"}, {"B51C4", "30"}});
    Open<orcl_211d>(7);
    test::Click(screen->Cmdval);
    EXPECT_EQ(f.s.ValBlockNo, 5.1);
    EXPECT_EQ(f.ErrorLines(), Texts{"B 5.1|99| 4|entry should be blank| for item = 99|Warn"});
    EXPECT_EQ(screen->DataGrid->Caption(), "List of Error Messages detected by Data Validation Checks block level");
    EXPECT_EQ(screen->DataGrid->RecordCount(), 1);
}

TEST_F(TripTest, NextStoresTheTripInHandAndAFailedWriteKeepsTheScreen) {
    test::RefuseWrites(*f.s.FsuConn, "S211L04", "insert", "disk full");
    Open<orcl_211d>(7);
    Enter("1");
    Type("2");
    test::Click(screen->CmdNext);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("disk full"), std::string::npos) << Messages()[0];
    EXPECT_EQ(screens.Current<orcl_211d>(7), screen);
    EXPECT_EQ(f.s.CurFormIndex, 7);
    EXPECT_EQ(Grid()->FieldText(0, "B51C2"), "2");

    f.s.FsuConn->Execute("drop trigger refuse_insert_S211L04");
    Clear();
    test::Click(screen->CmdNext);
    // Stored, so no question of an empty block.
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S211L04", {"SLNO", "B51C2"}), Texts{"01 2"});
    test::FlushDeletes();
    EXPECT_EQ(screens.Current<orcl_211d>(7), nullptr);
    ASSERT_NE(screens.Current<orcl_211e>(8), nullptr);
    EXPECT_EQ(f.s.CurFormIndex, 8);

    // Block 5.2 empty: asked; Prev leads back.
    f.messages.Answer(true);
    test::Click(screens.Current<orcl_211e>(8)->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"current block is empty. Do you want to Proceed?"});
    test::FlushDeletes();
    ASSERT_NE(screens.Current<orcl_211d>(7), nullptr);
    screen = screens.Current<orcl_211d>(7);
    test::Click(screen->CmdPrev);
    EXPECT_EQ(block4.shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 6);
}

TEST_F(TripTest, TheScreensShowTheirBlockAndHousehold) {
    struct Screen {
        int index;
        QString title;
    };
    for (const Screen& s :
         {Screen{7, "Block-5.1. Particulars of overnight trips completed by members during last 365 days  (Level - 04)"},
          Screen{8, "Block-5.2. Particulars of overnight trips completed by members during last 30 days  (Level - 05)"}}) {
        SCOPED_TRACE(s.index);
        if (s.index == 7)
            Open<orcl_211d>(7);
        else
            Open<orcl_211e>(8);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(screen->Label21->text(), "SCHEDULE 21.1:DOMESTIC TOURISM EXPENDITURE");
        EXPECT_EQ(screen->Label2->text(), s.title);
        EXPECT_EQ(screen->lbfsu->text(), "10001");
        EXPECT_EQ(screen->lbsss->text(), "1");
        EXPECT_EQ(screen->lbssu->text(), "01");
        EXPECT_EQ(screen->Label30->text(), "&Go to Blk:");
        ASSERT_NE(screen->CmdValHH, nullptr);
        // Fifteen columns of five caption lines, the rest hidden.
        int shown = 0;
        for (int c = 0; c < Grid()->ColumnCount(); ++c) {
            if (!Grid()->ColumnVisible(c)) continue;
            ++shown;
            EXPECT_EQ(Grid()->ColumnCaption(c).count('\n'), 4);
        }
        EXPECT_EQ(shown, 15);
        EXPECT_EQ(Grid()->ColumnCaption(Col(15)), "desti\nnation\nstate\ncode\nC(15)");
        EXPECT_EQ(Grid()->View()->columnWidth(Col(15)), ui::TwipsToPixels(1200));
        screen->Unload();
        test::FlushDeletes();
    }
}

}  // namespace
}  // namespace r78
