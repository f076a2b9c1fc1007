#include "indicators/orcl_051h.h"

#include <QPointer>

#include "indicators/orcl_051I.h"
#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::Texts;

constexpr int SLNO = 5;
constexpr int LAST = 20;  // B7I16
const char* kEmptyQuestion = "current block is empty. Do you want to Proceed?";

class Block7Test : public test::HouseholdScreenTest {
protected:
    void Open() {
        screen = HouseholdScreenTest::Open<orcl_051h>(20);
        ASSERT_FALSE(screen.isNull());
    }
    bool Gone() {
        test::FlushDeletes();
        return screen.isNull();
    }
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    int Col(const std::string& field) const { return Grid()->FieldColumn(field); }
    void Member(const char* slno, std::vector<std::pair<std::string, std::string>> items) {
        items.insert(items.begin(), {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}, {"SLNO", slno}});
        f.Insert("S051L08", items);
    }

    QPointer<orcl_051h> screen;
};

TEST_F(Block7Test, EachCellAcceptsOrRefusesWithItsMessages) {
    Open();
    EXPECT_EQ(Grid()->DataField(SLNO), "SLNO");
    EXPECT_EQ(Grid()->DataField(LAST), "B7I16");
    const char* state = "2-digit valid entry please";
    const char* reason = "code 01 to 08, 10 to 19 please";
    EnterCells(*screen,
               {
                   {"SLNO", "", {"numeric positive entry please"}},
                   {"SLNO", "00", {"positive entry please"}},
                   // A number too long for the cell is read by its value, not as 0.
                   {"SLNO", "99999999999999999999", {"field length exceeds field size field size = 2"}},
                   {"B7I2", "", {"numeric positive entry please"}},
                   {"B7I2", "1234", {"field length exceeds field size field size = 3"}},
                   {"B7I2", "25", {}},
                   {"B7I3", "&", {"numeric entry please"}},
                   {"B7I3", "3", {"code 1 or 2 please"}},
                   {"B7I4", "8", {"code 1 to 7 please"}},
                   {"B7I4", "", {}},
                   // The state or country: two digits in its lists; what is no number goes unchecked.
                   {"B7I5", "", {}},
                   {"B7I5", "05", {}},
                   {"B7I5", "37", {}},
                   {"B7I5", "41", {}},
                   {"B7I5", "55", {}},
                   {"B7I5", "99", {}},
                   {"B7I5", "#", {}},
                   {"B7I5", "5", {state}},
                   {"B7I5", "00", {state}},
                   {"B7I5", "38", {state}},
                   {"B7I5", "40", {state}},
                   {"B7I5", "56", {state}},
                   {"B7I5", "98", {state}},
                   {"B7I5", "123", {"field length exceeds field size field size = 2", state}},
                   {"B7I6", "1", {"2-digit valid code please"}},
                   {"B7I6", "09", {reason}},
                   {"B7I6", "20", {reason}},
                   {"B7I6", "08", {}},
                   {"B7I15", "19", {}},
                   {"B7I15", "1", {"2-digit valid code please"}},
                   {"B7I7", "7", {"code 1 to 6 or 9 please"}},
                   {"B7I8", "4", {"code 1 to 3 or 9 please"}},
                   {"B7I13", "6", {"code 1 to 5 please"}},
                   {"B7I16", "3", {"code 1 or 2 please"}},
               });

    // The key filter: a letter beeps and is taken back; the characters that
    // share the arrows' codes reach the cell.
    Grid()->SetCurrentCell(0, Col("B7I3"));
    Clear();
    test::Type("1a");
    EXPECT_EQ(Messages(), Texts{"numeric entry please"});
    EXPECT_EQ(Grid()->CurrentCellText(), "");
    test::Type("&");
    EXPECT_EQ(Grid()->CurrentCellText(), "&");
}

TEST_F(Block7Test, AMemberKeyedToTheLastColumnIsStoredAndTheCursorGoesToTheNextRow) {
    Open();
    // Member 1, aged 30, came from another state (09) for work (03), and would not move again.
    const Texts row = {"1", "30", "1", "2", "09", "03", "1", "1", "1", "1", "9", "2", "", "2", "", ""};
    for (const std::string& cell : row) Enter(cell);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(Rows("S051L08", "SLNO,B7I2,B7I5,B7I6,B7I14,B7I16,DPC,SU,SSS,SSU,creby,credate"),
              Texts{"01|30|09|03|2|-|101||1|01|OPR1|200315"});

    // A second member left on the last column by a click elsewhere: the row is
    // written and the cursor waits on the new-row line, without a message.
    Enter("2");
    Enter("8");
    Enter("2");
    Grid()->SetCurrentCell(1, LAST);
    test::ClickInWindow(screen, screen->Refresh);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S051L08", "SLNO,B7I2,B7I3"), (Texts{"01|30|1", "02|8|2"}));

    // Counted, they make Next move on without asking.
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Gone());
    EXPECT_EQ(f.s.CurFormIndex, 21);
    EXPECT_NE(screens.Current<orcl_051I>(21), nullptr);
}

TEST_F(Block7Test, AnEmptyBlockAsksBeforeMovingAndATypedMemberIsNotEmpty) {
    Open();
    f.messages.Answer(false);
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{kEmptyQuestion});
    EXPECT_FALSE(Gone());
    f.messages.Answer(true);
    Clear();
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{kEmptyQuestion});
    EXPECT_TRUE(Gone());
    EXPECT_EQ(f.s.CurFormIndex, 19);
    EXPECT_TRUE(Rows("S051L08", "SLNO").empty());

    // The row in hand is written before the count.
    Open();
    Clear();
    Enter("1");
    Enter("30");
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Gone());
    EXPECT_EQ(Rows("S051L08", "SLNO,B7I2"), Texts{"01|30"});
}

TEST_F(Block7Test, ValidateBlockListsEachMembersFindingsAsWarnings) {
    Open();
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(), Texts{"block contains no records"});
    EXPECT_TRUE(screen->DataGrid->isHidden());
    screens.At(20)->Unload();
    test::FlushDeletes();

    // Member 1 did not move; member 2's answer to item 3 is no code.
    Member("01", {{"B7I2", "30"}, {"B7I3", "2"}});
    Member("02", {{"B7I2", "8"}, {"B7I3", "3"}});
    f.Insert("val_error", {{"fsuno", "10001"}, {"blk", "B1"}, {"msg1", "from an earlier run"}});
    Open();
    Clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.ErrorLines(), Texts{"B 7|02|3|invalid code||Warn"});
    EXPECT_FALSE(screen->DataGrid->isHidden());
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks block level");
    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

}  // namespace
}  // namespace r78
