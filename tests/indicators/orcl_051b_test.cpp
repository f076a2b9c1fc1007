#include "indicators/orcl_051b.h"

#include "tests/indicators/SingleScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Key;
using test::Texts;
using test::Type;

constexpr int SLNO = 5, B3C5 = 8, B3C9 = 12, B3C10 = 13, B3C16 = 19;

class Orcl051bTest : public test::SingleScreenTest<orcl_051b, 14> {
protected:
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    void At(int column) {
        Grid()->SetCurrentCell(0, column);
        Grid()->FocusGrid();
    }
    std::string Members() {
        return Read(
            "select group_concat(SLNO || ' ' || B3C3 || ' ' || coalesce(B3C9, '-'), ';') from S051L02");
    }
};

TEST_F(Orcl051bTest, MemberKeyedByEnterIsStoredWithTheHouseholdStamps) {
    Open();
    test::KeyRow({"1", "1", "1", "40", "2", "05", "11", "01", "X1", "1", "1", "", "1", "1", "2"});
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(
        Read("select DPC || FSUNO || typeof(SU) || SU || SSS || SSU || creby || credate || SLNO || B3C10 || "
             "coalesce(B3C13, '-') from S051L02"),
        "10110001text101OPR120031501X1-");
}

TEST_F(Orcl051bTest, EachColumnRefusesWithItsMessages) {
    Open();
    const char* width2 = "field length exceeds field size field size = 2";
    struct Case {
        int column;
        const char* typed;
        Texts messages;
    };
    for (const Case& c :
         {Case{SLNO, "", {"numeric positive entry please"}}, Case{SLNO, "123", {width2}},
          Case{B3C5, "1100", {"field length exceeds field size field size = 3", "age > 110! recheck pl"}},
          Case{B3C9, "5", {"2-digit code pl"}}, Case{B3C10, "123", {width2, "2-digit code pl"}},
          Case{15, "4", {"code 1 to 3 please"}}, Case{17, "3", {"code 1 or 2 please"}},
          Case{B3C16, "#", {"numeric entry please"}}}) {
        SCOPED_TRACE(std::to_string(c.column) + " \"" + c.typed + "\"");
        At(c.column);
        Clear();
        Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Grid()->CurrentColumn(), c.column);
        if (Grid()->IsEditing()) Key(Qt::Key_Escape);
    }
    // Only the occupation takes an upper-case X; elsewhere the key acts as a Backspace.
    for (int column : {B3C9, B3C10}) {
        At(column);
        Clear();
        Type("X");
        EXPECT_EQ(Grid()->CurrentCellText(), column == B3C10 ? "X" : "") << column;
        EXPECT_EQ(Messages().size(), column == B3C10 ? 0u : 1u) << column;
        if (Grid()->IsEditing()) Key(Qt::Key_Escape);
    }
}

TEST_F(Orcl051bTest, BlockIsNeverLeftEmptyButATypedMemberIsStoredOnLeaving) {
    Open();
    Click(screen->CmdNext);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), (Texts{"Block-3 can not be left empty", "Block-3 can not be left empty"}));
    EXPECT_EQ(Other(13).shown + Other(15).shown, 0);

    At(SLNO);
    Type("3");
    Key(Qt::Key_Tab);
    Type("1");  // still in its editor
    Click(screen->CmdNext);
    EXPECT_EQ(Members(), "03 1 -");
    EXPECT_EQ(Other(15).shown, 1);
    EXPECT_TRUE(Left());
    Open();
    Click(screen->CmdPrev);
    EXPECT_EQ(Other(13).shown, 1);
}

TEST_F(Orcl051bTest, ValidateBlockListsTheMembersErrors) {
    Open();
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(), Texts{"block contains no records"});
    // A working member of 40 without an industry, the last cell still in its editor.
    test::KeyRow({"1", "1", "1", "40", "2", "05", "11", "", "61", "1", "1", "", "1", "1"});
    Type("2");
    Click(screen->Cmdval);
    EXPECT_EQ(f.ErrorLines(), Texts{"B 3|01|9|invalid NIC code||Warn"});
    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

}  // namespace
}  // namespace r78
