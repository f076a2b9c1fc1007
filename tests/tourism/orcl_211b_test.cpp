#include "tourism/orcl_211b.h"

#include "tests/tourism/HouseholdScreenTest.h"
#include "tourism/orcl_211a.h"
#include "tourism/orcl_211c.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::Key;
using test::KeyRow;
using test::Type;

class Orcl211bTest : public test::HouseholdScreenTest {
protected:
    enum Col { SLNO = 5, B3C3, B3C4, B3C5, B3C6, B3C7, B3C8 };

    void Open() {
        screen = HouseholdScreenTest::Open<orcl_211b>(5);
        ASSERT_NE(screen, nullptr);
    }
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    std::string Members() { return Read("select count(*) from S211L02"); }

    orcl_211b* screen = nullptr;
};

TEST_F(Orcl211bTest, EachCellRuleAcceptsOrRefusesWithItsMessages) {
    Open();
    EXPECT_EQ(f.s.CurFormIndex, 5);
    EXPECT_EQ(screen->lbseg->text(), "001") << "the FSU's SU from the sample list";
    for (int c = 0; c < Grid()->ColumnCount(); ++c)
        EXPECT_EQ(Grid()->ColumnVisible(c), c >= SLNO && c <= B3C8) << c;
    const char* age = "age > 110! recheck pl";
    const char* width3 = "field length exceeds field size field size = 3";
    const char* education = "Highest edu 01 to 08 and 10 to 14 please";
    struct Case {
        int column;
        const char* typed;
        Texts messages;  // none: accepted, and the cursor moves one column right
    };
    const Case cases[] = {
        {SLNO, "", {"numeric positive entry please"}},
        {SLNO, "00", {"positive entry please"}},
        {SLNO, "1", {}},
        {B3C3, "a", {"numeric entry please"}},
        {B3C3, "0", {"relationship code 1 to 9 please"}},
        {B3C3, "9", {}},
        {B3C4, "4", {"gender code 1, 2 or 3 please"}},
        {B3C4, "", {}},
        {B3C5, "  ", {"numeric entry please"}},
        {B3C5, "111", {age}},
        {B3C5, "1100", {width3, age}},
        {B3C5, "999999999999", {width3, age}},
        {B3C5, "110", {}},
        {B3C6, "5", {"marital status code 1 to 4 please"}},
        {B3C6, "4", {}},
        {B3C7, "1", {education}},
        {B3C7, "09", {education}},
        {B3C7, "15", {education}},
        {B3C7, "14", {}},
        {B3C8, "96", {"usual principal activity status code 11,12,21,31,41,51,81,91 to 95 or 97 please"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " \"" + c.typed + "\"");
        Grid()->SetCurrentCell(0, c.column);
        Clear();
        Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Grid()->CurrentColumn(), c.messages.empty() ? c.column + 1 : c.column);
        if (!c.messages.empty()) {
            EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
        }
        if (Grid()->IsEditing()) Key(Qt::Key_Escape);
    }
    EXPECT_EQ(Members(), "0");
}

TEST_F(Orcl211bTest, AMemberIsStoredWithATwoDigitSerialAndTheHouseholdKey) {
    Open();
    KeyRow({"3", "1", "1", "40", "2", "05", "97"});
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(
        Read(
            "select SLNO || '|' || typeof(SU) || SU || '|' || DPC || FSUNO || SSS || SSU || creby || credate "
            "|| '|' || B3C5 || B3C8 from S211L02"),
        "03|text|10110003205OPR1200315|4097");

    Click(screen->Cmdval);
    EXPECT_EQ(f.ErrorLines(), Texts{"B 3|03|1|srlno not continuous from 1||Crit"});
    EXPECT_EQ(f.s.ValBlockNo, 3);
    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

TEST_F(Orcl211bTest, TheBlockIsNotLeftEmptyButAMemberInHandCounts) {
    Open();
    for (QPushButton* leave : std::initializer_list<QPushButton*>{screen->CmdNext, screen->CmdPrev}) {
        Clear();
        Click(leave);
        EXPECT_EQ(Messages(), Texts{"Block-3 can not be left empty"});
        ASSERT_EQ(Current<orcl_211b>(5), screen);
    }
    EXPECT_EQ(Members(), "0");

    Type("1");
    Key(Qt::Key_Tab);
    Type("1");  // still in its editor
    Clear();
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_NE(Current<orcl_211c>(6), nullptr);
    EXPECT_EQ(Read("select SLNO || B3C3 from S211L02"), "011");

    // With a member stored, Prev leads back to blocks 1 and 2.
    Open();
    Click(screen->CmdPrev);
    EXPECT_NE(Current<orcl_211a>(4), nullptr);
    EXPECT_EQ(f.s.CurFormIndex, 4);
}

}  // namespace
}  // namespace r78
