#include <gtest/gtest.h>

#include <QHeaderView>
#include <QTest>

#include "app/BlockScreens.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"
#include "tourism/orcl_211d.h"
#include "tourism/orcl_211e.h"
#include "tourism/orcl_211f.h"
#include "tourism/orcl_211g.h"

namespace r78 {
namespace {

using namespace test;
using Texts = std::vector<std::string>;

constexpr int SLNO = 5;
// Grid column of the trip blocks' questionnaire column q.
constexpr int Col(int q) { return q + 4; }

// Household 1/01 of FSU 10001 with the program's block screens, and stand-ins for
// packet and for blocks 4 and 7 around the trip blocks.
class TripScreensTest : public ::testing::Test {
protected:
    TripScreensTest() {
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.Packet = &packet;
        f.s.FormTable[0] = &packet;
        f.s.FormTable[6] = &block4;
        f.s.FormTable[11] = &block7;
    }
    GridBlockScreen* Open(int index) {
        screens.At(index)->Show();
        GridBlockScreen* shown = index == 7   ? static_cast<GridBlockScreen*>(screens.Current<orcl_211d>(7))
                                 : index == 8 ? screens.Current<orcl_211e>(8)
                                 : index == 9 ? static_cast<GridBlockScreen*>(screens.Current<orcl_211f>(9))
                                              : screens.Current<orcl_211g>(10);
        if (shown) Activate(shown);
        return screen = shown;
    }
    void Close() {
        screen->Unload();
        FlushDeletes();
    }
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    void At(int row, int column) { Grid()->SetCurrentCell(row, column); }
    Texts Messages() const { return f.messages.Texts(); }
    void Insert(const std::string& table, std::vector<std::pair<std::string, std::string>> values) {
        values.insert(values.begin(), {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}});
        f.Insert(table, values);
    }
    // The columns of the table's rows in the order written, Null as "-".
    Texts Rows(const std::string& table, const std::string& columns) {
        Texts rows;
        auto rs = f.s.FsuConn->Query("select " + columns + " from " + table + " order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            std::string row;
            for (int i = 0; i < rs.FieldCount(); ++i)
                row += (i ? " " : "") + (rs.Field(i).IsNull() ? "-" : rs.Field(i).Text());
            rows.push_back(row);
        }
        return rows;
    }

    struct Case {
        std::string field;
        std::string typed;
        Texts messages;           // none: accepted, and the cursor moves on
        std::string stored = "";  // accepted: the row's value, when not the typed text
    };
    // Enter on each emptied cell of row 0 (SLNO kept at slno).
    void CheckCells(const std::vector<Case>& cases, const std::string& slno = "01") {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.field + " \"" + c.typed + "\"");
            const int column = Grid()->FieldColumn(c.field);
            ASSERT_GE(column, SLNO);
            Grid()->SetFieldText(0, "SLNO", slno);
            Grid()->SetFieldText(0, c.field, "");
            At(0, column);
            f.messages.shown.clear();
            Enter(c.typed);
            EXPECT_EQ(Messages(), c.messages);
            if (!c.messages.empty()) {
                // The refused text stays in the cell, with the cursor.
                EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
                EXPECT_EQ(Grid()->CurrentColumn(), column);
                if (Grid()->IsEditing()) Key(Qt::Key_Escape);
            } else {
                EXPECT_EQ(Grid()->FieldText(0, c.field), c.stored.empty() ? c.typed : c.stored);
                EXPECT_NE(Grid()->CurrentColumn(), column);
            }
        }
    }

    FsuFile f{"10001", 1};
    StandInPacket packet;
    StandInScreen block4, block7;
    BlockScreens screens{f.s};
    GridBlockScreen* screen = nullptr;
};

TEST_F(TripScreensTest, ATripOfTwoMembersAndItsTotalLineAreKeyedStoredAndConsistent) {
    ASSERT_TRUE(Open(7));
    EXPECT_EQ(
        screen->Label2->text(),
        "Block-5.1. Particulars of overnight trips completed by members during last 365 days  (Level - 04)");
    KeyRow({"1", "2", "1", "30", "1", "1", "05", "", "1", "", "3", "2", "05", "1", ""});
    // The second member's count comes from the trip map on Enter.
    KeyRow({"1", "", "2", "28", "1", "1", "05", "", "1", "", "3", "", "", "", ""});
    // The total line: 99 skips column 2, and column 3 ends the row.
    Enter("99");
    EXPECT_EQ(Grid()->CurrentColumn(), Col(3));
    Enter("1");
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    Click(screen->exit);
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(Rows("S211L04", "SLNO,B51C2,B51C3,B51C4,B51C7,B51C12,B51C13,B51C15,SU,creby"),
              (Texts{"01 2 01 30 05 2 05 -  OPR1", "01 2 02 28 05 - - -  OPR1", "99 - 01 - - - - -  OPR1"}));
    ASSERT_TRUE(Open(7));
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(), Texts{});
    EXPECT_EQ(f.ErrorLines(), Texts{});
    EXPECT_FALSE(screen->DataGrid->isHidden());
}

TEST_F(TripScreensTest, EachTripColumnAcceptsOrRefusesWithItsMessage) {
    const char* positive = "positive entry please";
    const char* numericPositive = "numeric positive entry please";
    const char* modes = "entry 01 to 08, 10 or 19 please";
    const char* months = "entry 01 to 12 please";
    const char* states = "entry 01 to 35 please";
    const char* width3 = "field length exceeds field size field size = 3";
    for (const std::string p : {"B51C", "B52C"}) {
        SCOPED_TRACE(p);
        const bool b51 = p == "B51C";
        Insert(b51 ? "S211L04" : "S211L05", {{"SLNO", "01"}});
        ASSERT_TRUE(Open(b51 ? 7 : 8));
        CheckCells({
            {"SLNO", "", {numericPositive}},
            {"SLNO", "0", {positive}},
            {"SLNO", "7", {}, "07"},
            {"SLNO", "123", {"field length exceeds field size field size = 2"}},
            {p + "2", "", {}},
            {p + "2", "#", {numericPositive}},
            {p + "2", "0", {positive}},
            {p + "3", "", {numericPositive}},
            {p + "3", "00", {positive}},
            {p + "3", "4", {}, "04"},
            {p + "4", "110", {}},
            {p + "4", "111", {"age > 110! recheck pl"}},
            {p + "4", "99999999999999999999", {width3, "age > 110! recheck pl"}},
            {p + "5", "8", {"code 1 to 7 or 9 please"}},
            {p + "5", "(", {"numeric entry please"}},
            {p + "6", "3", {"code 1 or 2 please"}},
            {p + "7", "5", {modes}},
            {p + "7", "09", {modes}},
            {p + "7", "19", {}},
            {p + "8", "5", {modes}},
            {p + "9", "6", {"code 1 to 5 or 9 please"}},
            {p + "10", "9", {}},
            {p + "11", "0", {positive}},
            {p + "11", "$", {numericPositive}},
            {p + "11", "365", {}},
            {p + "12", "2", b51 ? Texts{} : Texts{"entry 1, 3 to 5 or 9 please"}},
            {p + "12", "9", b51 ? Texts{"entry 2, 6 or 7 please"} : Texts{}},
            {p + "13", "5", {months}},
            {p + "13", "13", {months}},
            {p + "13", "12", {}},
            {p + "14", "5", {"entry 1 to 4 please"}},
            {p + "15", "0", {states}},
            {p + "15", "36", {states}},
            {p + "15", "&", {"numeric entry please"}},
            {p + "15", "5", {}, "05"},
        });
        Close();
    }
}

TEST_F(TripScreensTest, TheTotalLineTakesOnlyColumnThreeWhichEndsTheRow) {
    Insert("S211L04", {{"SLNO", "99"}});
    ASSERT_TRUE(Open(7));
    std::vector<Case> cases;
    for (int q = 2; q <= 15; ++q)
        if (q != 3)
            cases.push_back(
                {"B51C" + std::to_string(q), "1", {"col-" + std::to_string(q) + " should be blank"}});
    // "099" is the total line too, as the grid holds it.
    CheckCells(cases, "099");
    CheckCells(
        {{"B51C4", "1234", {"field length exceeds field size field size = 3", "col-4 should be blank"}},
         {"B51C8", "", {}},
         {"B51C3", "", {"numeric positive entry please"}}},
        "99");
    Enter("2");
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    // Leaving the grid from there goes to the next row as well.
    At(0, Col(3));
    ClickInWindow(screen, screen->Text3);
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    // A serial that is no number is no total line.
    Grid()->FocusGrid();
    CheckCells({{"B51C4", "30", {}}}, "#9");
}

TEST_F(TripScreensTest, TheTripMapHoldsEachTripsLastCountAndFillsItsBlankRows) {
    f.s.TripMemberList.Set(7, "4");  // left by the other trip block
    for (auto [slno, count, member] : {std::tuple{"01", "3", "01"},
                                       {"02", "2", "01"},
                                       {"02", "", "02"},
                                       {"#1", "5", "01"},
                                       {"03", "x", "01"},
                                       {"99", "8", "02"}}) {
        std::vector<std::pair<std::string, std::string>> values{{"SLNO", slno}, {"B51C3", member}};
        if (*count) values.push_back({"B51C2", count});
        Insert("S211L04", values);
    }
    ASSERT_TRUE(Open(7));
    Texts map(101), expected(101);
    for (size_t n = 0; n <= 100; ++n) map[n] = f.s.TripMemberList[n];
    expected[1] = "3";
    expected[3] = "x";
    EXPECT_EQ(map, expected);
    // Rows in record-source order: #1, 01, 02/01, 02/02, 03, 99. Enter on a blank
    // count fills it only where the trip's map entry is a number.
    const Texts filled{"", "3", "", "", "", ""};
    for (int r = 0; r < 6; ++r) {
        SCOPED_TRACE(Grid()->FieldText(r, "SLNO"));
        Grid()->SetFieldText(r, "B51C2", "");
        At(r, Col(2));
        Enter("");
        EXPECT_EQ(Grid()->FieldText(r, "B51C2"), filled[r]);
    }
    // A count taken into a row is remembered; erased on another row of the trip, it comes back.
    At(2, Col(2));
    Enter("6");
    EXPECT_EQ(f.s.TripMemberList[2], "6");
    Grid()->SetFieldText(3, "B51C2", "9");
    At(3, Col(2));
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->FieldText(3, "B51C2"), "6");
    EXPECT_EQ(Messages(), Texts{});
}

TEST_F(TripScreensTest, SerialNinetyNineSkipsColumnTwoOnlyWhenTheGridMovesOnByItself) {
    Insert("S211L04", {{"SLNO", "01"}});
    ASSERT_TRUE(Open(7));
    QTableView* view = Grid()->View();
    struct Way {
        std::function<void()> commit;
        int row, column;
    };
    for (const Way& w : {Way{[] { Key(Qt::Key_Return); }, 0, Col(3)},
                         Way{[] { Key(Qt::Key_Tab); }, 0, Col(3)}, Way{[] { Key(Qt::Key_Down); }, 1, SLNO},
                         Way{[&] {
                                 const QRect cell = view->visualRect(view->model()->index(0, Col(4)));
                                 QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
                             },
                             0, Col(4)},
                         Way{[&] { Click(screen->Refresh); }, 0, SLNO}}) {
        Grid()->SetFieldText(0, "SLNO", "01");
        At(0, SLNO);
        Type("99");
        w.commit();
        QApplication::processEvents();
        EXPECT_EQ(Grid()->FieldText(0, "SLNO"), "99");
        EXPECT_EQ(Grid()->CurrentRow(), w.row);
        EXPECT_EQ(Grid()->CurrentColumn(), w.column);
    }
}

TEST_F(TripScreensTest, ValidateBlockListsATotalLineWithOtherColumns) {
    Insert("S211L04", {{"SLNO", "01"},
                       {"B51C3", "01"},
                       {"B51C5", "1"},
                       {"B51C6", "1"},
                       {"B51C7", "05"},
                       {"B51C9", "1"},
                       {"B51C12", "2"},
                       {"B51C13", "05"},
                       {"B51C14", "1"}});
    Insert("S211L04", {{"SLNO", "99"}, {"B51C3", "01"}, {"B51C4", "30"}});
    ASSERT_TRUE(Open(7));
    Click(screen->Cmdval);
    EXPECT_EQ(f.ErrorLines(), Texts{"B 5.1|99| 4|entry should be blank| for item = 99|Warn"});
    EXPECT_EQ(screen->DataGrid->RecordCount(), 1);
}

TEST_F(TripScreensTest, NextStoresTheTripInHandOrKeepsTheScreenWithTheCause) {
    RefuseWrites(*f.s.FsuConn, "S211L04", "insert", "disk full");
    ASSERT_TRUE(Open(7));
    Enter("1");
    Type("2");
    Click(screen->CmdNext);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("disk full"), std::string::npos);
    EXPECT_EQ(screens.Current<orcl_211d>(7), screen);
    f.s.FsuConn->Execute("drop trigger refuse_insert_S211L04");
    f.messages.shown.clear();
    Click(screen->CmdNext);
    // Stored, so no question of an empty block.
    EXPECT_EQ(Messages(), Texts{});
    EXPECT_EQ(Rows("S211L04", "SLNO,B51C2"), Texts{"01 2"});
    FlushDeletes();
    ASSERT_TRUE(screens.Current<orcl_211e>(8));
    EXPECT_EQ(f.s.CurFormIndex, 8);
}

TEST_F(TripScreensTest, ARowRefusedOnAButtonLeavesTheFocusOnItsCellWhereEscCancelsIt) {
    RefuseWrites(*f.s.FsuConn, "S211L04", "insert", "disk full");
    ASSERT_TRUE(Open(7));
    Enter("1");
    Type("2");
    ClickInWindow(screen, screen->exit);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Focus(), Grid()->View());
    EXPECT_EQ(Grid()->CurrentRow(), 0);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid()->RecordCount(), 0);
}

TEST_F(TripScreensTest, AStampedRowLeftBlankIsNotStoredSoTheBlockStaysEmpty) {
    ASSERT_TRUE(Open(7));
    Key(Qt::Key_Down);
    Click(screen->exit);
    EXPECT_EQ(Rows("S211L04", "FSUNO"), Texts{});
    f.messages.Answer(false);
    ASSERT_TRUE(Open(7));
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"current block is empty. Do you want to Proceed?"});
}

TEST_F(TripScreensTest, LeavingAStampedRowTabbedAlongBlankActsOnTheFirstClickOrAccessKey) {
    for (const bool click : {true, false}) {
        SCOPED_TRACE(click ? "click" : "Alt+2");
        ASSERT_TRUE(Open(7));
        int last = Grid()->ColumnCount() - 1;
        while (!Grid()->ColumnVisible(last)) --last;
        for (int i = 0; i < 20 && Grid()->CurrentColumn() < last; ++i) Key(Qt::Key_Tab);
        ASSERT_EQ(Grid()->CurrentColumn(), last);
        f.messages.Answer(false);
        if (click)
            ClickInWindow(screen, screen->CmdNext);
        else
            Key(Qt::Key_2, Qt::AltModifier);
        EXPECT_EQ(Messages(), Texts{"current block is empty. Do you want to Proceed?"});
        f.messages.shown.clear();
        Close();
    }
}

TEST_F(TripScreensTest, EachExpenditureItemGroupAcceptsOrRefusesWithItsMessage) {
    for (const std::string p : {"B61I", "B62I"}) {
        SCOPED_TRACE(p);
        Insert(p == "B61I" ? "S211L06" : "S211L07", {{"SLNO", "01"}});
        ASSERT_TRUE(Open(p == "B61I" ? 9 : 10));
        CheckCells({
            {"SLNO", "0", {"positive entry please"}},
            {"SLNO", "7", {}, "07"},
            {p + "3", "1234567", {}},
            {p + "40", "#", {"numeric entry please"}},
            {p + "41", "12345678", {"field length exceeds field size field size = 7"}},
            {p + "11", "12345678", {}},
            {p + "15", "123456789", {"field length exceeds field size field size = 8"}},
            {p + "2", "", {}},
            {p + "2", "3", {"code 1 or 2 please"}},
            {p + "2", "12", {"field length exceeds field size field size = 1", "code 1 or 2 please"}},
            {p + "165", "9", {"code 1 or 2 please"}},
            {p + "34", "(", {"numeric entry please"}},
            {p + "12", "3", {}},
            {p + "14", "4", {"code 1 to 3 please"}},
            {p + "171", "9", {}},
            {p + "174", "3", {"code 1, 2 or 9 please"}},
        });
        // The last item leads to the next row's serial, brought into view.
        At(0, 67);
        Enter("1");
        EXPECT_TRUE(Grid()->OnNewRowLine());
        EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
        QTableView* view = Grid()->View();
        EXPECT_TRUE(view->viewport()->rect().contains(view->visualRect(view->model()->index(1, SLNO))));
        Close();
    }
}

TEST_F(TripScreensTest, ExpenditureBlocksShowTheSameSixLineColumnsButForPrefixTitleHeaderAndCaption) {
    struct Block {
        int index;
        QString title;
        std::vector<QString> header;
        QString householdCaption;
    };
    std::vector<std::tuple<std::string, QString, int>> columns[2];
    for (const Block& b : {Block{9,
                                 "Block-6.1.Particulars of expenditure for all trips in last 365 days "
                                 "covered in block 5.1 (level - 06 to 10)",
                                 {"FSUNO:", "SSS NO:", "SU NO:", "SHH NO:"},
                                 "List of Error Messages detected by Data Validation Checks Household level"},
                           Block{10,
                                 "Block-6.2.Particulars of expenditure for all trips in last 30 days covered "
                                 "in block 5.2 (level - 11 to 15)",
                                 {"FSUNO:", "SU NO:", "SSS NO:", "SHH NO:"},
                                 "List of Error Messages detected by Data Validation Checks block level"}}) {
        SCOPED_TRACE(b.index);
        ASSERT_TRUE(Open(b.index));
        EXPECT_EQ(screen->Label2->text(), b.title);
        std::vector<std::pair<int, QString>> labels;
        for (QLabel* label : screen->findChildren<QLabel*>())
            if (std::count(b.header.begin(), b.header.end(), label->text()))
                labels.emplace_back(label->mapTo(screen, QPoint()).x(), label->text());
        std::sort(labels.begin(), labels.end());
        for (size_t i = 0; i < labels.size(); ++i) EXPECT_EQ(labels[i].second, b.header[i]);
        for (int c = 0; c < Grid()->ColumnCount(); ++c)
            if (Grid()->ColumnVisible(c)) {
                std::string field = Grid()->DataField(c);
                if (field != "SLNO") field.replace(0, 4, "item");
                columns[b.index - 9].emplace_back(field, Grid()->ColumnCaption(c),
                                                  Grid()->ColumnWidthTwips(c));
            }
        QHeaderView* header = Grid()->View()->horizontalHeader();
        EXPECT_GE(header->height(), 6 * header->fontMetrics().lineSpacing());
        // An empty block: Validate HH still lists the household's errors.
        Click(screen->CmdValHH);
        EXPECT_EQ(screen->DataGrid->Caption(), b.householdCaption);
        Close();
    }
    ASSERT_EQ(columns[0].size(), 63u);
    EXPECT_EQ(columns[0], columns[1]);
    EXPECT_EQ(columns[0][0], std::make_tuple(std::string("SLNO"), QString(" \n \nSl\nNo\nI1"), 350));
    EXPECT_EQ(std::get<1>(columns[0][9]), "dh\nar \nam\nsha\nla\nI4.3");
    EXPECT_EQ(std::get<1>(columns[0][36]), "sub\ntotal\n7.01\nto\n7.19\nI7.00");
    for (const auto& c : columns[0]) EXPECT_EQ(std::get<1>(c).count('\n'), std::get<0>(c) == "SLNO" ? 4 : 5);
}

}  // namespace
}  // namespace r78
