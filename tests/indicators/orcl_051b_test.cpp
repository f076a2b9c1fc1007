#include "indicators/orcl_051b.h"

#include <gtest/gtest.h>

#include "platform/ui/Keys.h"
#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::Focus;
using test::Key;
using test::KeyRow;
using test::Type;
using Texts = std::vector<std::string>;

constexpr int SLNO = 5, B3C5 = 8, B3C8 = 11, B3C9 = 12, B3C10 = 13, B3C16 = 19;

class Orcl051bTest : public test::HouseholdScreenTest<orcl_051b, 14> {
protected:
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    void At(int row, int column) { Grid()->SetCurrentCell(row, column); }
    // The household's members as "SLNO B3C3 ... B3C16", Null as "-".
    Texts Members() {
        std::string cells = "coalesce(SLNO,'-')";
        for (int c = 3; c <= 16; ++c) cells += " || ' ' || coalesce(B3C" + std::to_string(c) + ",'-')";
        Texts rows;
        auto rs = f.s.FsuConn->Query("select " + cells + " from S051L02 order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) rows.push_back(rs.Field(0).Text());
        return rows;
    }
    // A member of 40 who works in agriculture and answered every column.
    const std::vector<std::string> member{"1",  "1", "1", "40", "2", "05", "11", "01",
                                          "61", "1", "1", "",   "1", "1",  "2"};
};

TEST_F(Orcl051bTest, EmptyBlockOpensOnOneStampedRowUnderTheBlockCaptions) {
    Open();
    EXPECT_EQ(f.s.CurFormIndex, 14);
    EXPECT_EQ(screen->Label21->text(), "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY");
    EXPECT_EQ(screen->Label2->text(), "Block-3. Particulars of household members  (Level - 02)");
    EXPECT_EQ(Grid()->Caption(), "BLOCK 3: PARTICULARS OF HOUSEHOLD MEMBERS (SCH 5.1)");
    EXPECT_EQ(screen->lbseg->text(), "001") << "the FSU's SU from the sample list";
    EXPECT_EQ(screen->LabelSegment->text(), "SU NO:");
    ASSERT_NE(screen->CmdValHH, nullptr);
    EXPECT_EQ(Grid()->RecordCount(), 1);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(Focus(), Grid()->View());

    // The block's fifteen columns, C(2) having none, and nothing else.
    for (int c = 0; c < Grid()->ColumnCount(); ++c) {
        SCOPED_TRACE(Grid()->DataField(c));
        EXPECT_EQ(Grid()->ColumnVisible(c), c >= SLNO && c <= B3C16);
    }
    EXPECT_EQ(Grid()->ColumnCaption(SLNO), " \n \nSrl\nNo.\nC(1)");
    EXPECT_EQ(Grid()->ColumnCaption(B3C10), "2-digit\noccu\npation\n\nC(10)");
    EXPECT_EQ(Grid()->View()->columnWidth(B3C16), ui::TwipsToPixels(1000));

    // Enter on the last column leads to the next row's serial number.
    KeyRow(member);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Members(), Texts{"01 1 1 40 2 05 11 01 61 1 1 - 1 1 2"});
    EXPECT_EQ(
        Read("select DPC || '|' || FSUNO || '|' || typeof(SU) || SU || '|' || SSS || '|' || SSU || '|' || "
             "creby || '|' || credate from S051L02"),
        "101|10001|text|1|01|OPR1|200315");
}

TEST_F(Orcl051bTest, EachColumnRefusesWithItsMessage) {
    Open();
    struct Case {
        int column;
        const char* typed;
        Texts messages;  // none: accepted, and the cursor moves one column right
    };
    const char* width1 = "field length exceeds field size field size = 1";
    const char* width2 = "field length exceeds field size field size = 2";
    const char* notDigits = "numeric entry please";
    // Per column, the refusals first: an accepted value stays in the row.
    const Case cases[] = {
        {SLNO, "", {"numeric positive entry please"}},
        {SLNO, "00", {"positive entry please"}},
        {SLNO, "123", {width2}},
        {6, "0", {"relationship code 1 to 9 please"}},
        {6, "#", {notDigits}},
        {7, "4", {"gender code 1, 2 or 3 please"}},
        {B3C5, "111", {"age > 110! recheck pl"}},
        {B3C5, "1100", {"field length exceeds field size field size = 3", "age > 110! recheck pl"}},
        {B3C5, "110", {}},
        {9, "5", {"marital status code 1 to 4 please"}},
        {10, "1", {"Highest edu 01 to 08 and 10 to 14 please"}},
        {10, "09", {"Highest edu 01 to 08 and 10 to 14 please"}},
        {10, "15", {"Highest edu 01 to 08 and 10 to 14 please"}},
        {10, "14", {}},
        {B3C8, "96", {"usual principal activity status code 11,12,21,31,41,51,81,91 to 95 or 97 please"}},
        {B3C9, "5", {"2-digit code pl"}},
        {B3C9, "", {}},
        {B3C9, "05", {}},
        {B3C10, "123", {width2, "2-digit code pl"}},
        {B3C10, "X1", {}},
        {14, "5", {"code 1 to 4 please"}},
        {14, "4", {}},
        {15, "4", {"code 1 to 3 please"}},
        {16, "4", {"code 1 to 3 please"}},
        {17, "3", {"code 1 or 2 please"}},
        {18, "5", {"code 1 to 4 please"}},
        {B3C16, "3", {"code 1 or 2 please"}},
        {B3C16, "12", {width1, "code 1 or 2 please"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " \"" + c.typed + "\"");
        At(0, c.column);
        Clear();
        if (*c.typed) Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), c.messages);
        if (c.messages.empty()) {
            EXPECT_EQ(Grid()->CurrentColumn(), c.column + 1);
        } else {
            EXPECT_EQ(Grid()->CurrentColumn(), c.column);
            EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
            if (Grid()->IsEditing()) Key(Qt::Key_Escape);
        }
    }
}

TEST_F(Orcl051bTest, OnlyTheOccupationColumnTakesAnUpperCaseX) {
    Open();
    struct Case {
        int column;
        const char* typed;
        const char* cell;  // what the cell then holds: a refused key acts as a Backspace
    };
    for (const Case& c :
         {Case{B3C10, "X", "X"}, Case{B3C10, "1x", ""}, Case{B3C9, "X", ""}, Case{B3C8, "X", ""}}) {
        SCOPED_TRACE(std::to_string(c.column) + " \"" + c.typed + "\"");
        At(0, c.column);
        Clear();
        Type(c.typed);
        EXPECT_EQ(Grid()->CurrentCellText(), c.cell);
        EXPECT_EQ(Messages(), c.cell[0] ? Texts{} : Texts{"numeric entry please"});
        Key(Qt::Key_Escape);
    }
}

TEST_F(Orcl051bTest, BlockWithoutMembersIsNeverLeftByNextOrPrev) {
    Open();
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"Block-3 can not be left empty"});
    Clear();
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"Block-3 can not be left empty"});
    EXPECT_FALSE(Left());
    EXPECT_EQ(Other(13).shown + Other(15).shown, 0);
    EXPECT_TRUE(Members().empty());

    // A member typed but not yet written is written by Next, which then moves on.
    At(0, SLNO);
    Grid()->FocusGrid();
    Type("3");
    Key(Qt::Key_Tab);
    Type("1");
    Clear();
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Members(), Texts{"03 1 - - - - - - - - - - - - -"});
    EXPECT_TRUE(Left());
    EXPECT_EQ(Other(15).shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 15);

    Open();
    Click(screen->CmdPrev);
    EXPECT_EQ(Other(13).shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 13);
}

TEST_F(Orcl051bTest, MemberThatCannotBeWrittenKeepsTheScreen) {
    test::RefuseWrites(*f.s.FsuConn, "S051L02", "insert", "members locked");
    Open();
    Type("1");
    Click(screen->CmdNext);
    ASSERT_FALSE(f.messages.shown.empty());
    EXPECT_NE(f.messages.shown[0].text.find("members locked"), std::string::npos);
    EXPECT_FALSE(Left());
    EXPECT_EQ(Other(15).shown, 0);
}

TEST_F(Orcl051bTest, ValidateBlockListsTheMembersErrorsAndValidateHhTheHousehold) {
    Open();
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(), Texts{"block contains no records"});
    EXPECT_TRUE(screen->DataGrid->isHidden());

    // A member of 40 whose industry is missing, typed and left unwritten in the grid.
    std::vector<std::string> cells = member;
    cells[7] = "";
    KeyRow({cells.begin(), cells.end() - 1});
    Type(cells.back());
    Clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.ErrorLines(), Texts{"B 3|01|9|invalid NIC code||Warn"});
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks block level");

    Click(screen->CmdValHH);
    EXPECT_FALSE(screen->DataGrid->isHidden());
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

}  // namespace
}  // namespace r78
