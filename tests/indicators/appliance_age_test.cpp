#include <QPointer>

#include "indicators/ApplianceAgeScreen.h"
#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::HouseholdScreenTest;
using test::Texts;

constexpr int SLNO = 5, AGE = 6;
const char* kWidth2 = "field length exceeds field size field size = 2";

struct Block {
    int index;
    const char* table;
    const char* age;
    const char* blk;
    int prev, next;
};
void PrintTo(const Block& b, std::ostream* os) { *os << b.table; }

// Blocks 4.1 and 4.2 are one screen on two tables: every case runs on both.
class ApplianceAgeTest : public test::HouseholdScreenTest, public ::testing::WithParamInterface<Block> {
protected:
    void Open() {
        if (GetParam().index == 16)
            screen = HouseholdScreenTest::Open<orcl_051d>(16);
        else
            screen = HouseholdScreenTest::Open<orcl_051e>(17);
    }
    bool Gone() {
        test::FlushDeletes();
        return screen.isNull();
    }
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    Texts Stored() { return Rows(GetParam().table, std::string("SLNO,") + GetParam().age); }

    QPointer<GridBlockScreen> screen;
};

TEST_P(ApplianceAgeTest, EachCellTakesAPositiveNumberOfTwoDigitsAndTheAgeEndsTheRow) {
    Open();
    EXPECT_EQ(Grid()->DataField(AGE), GetParam().age);
    struct Case {
        int column;
        const char* typed;
        Texts messages;  // none: accepted
    };
    const Case cases[] = {
        {SLNO, "5 ", {"numeric positive entry please"}},
        {SLNO, "0", {"positive entry please"}},
        {SLNO, "00", {"positive entry please"}},
        {SLNO, "", {"numeric positive entry please"}},
        {AGE, "0", {"positive entry please"}},
        {AGE, " ", {"numeric positive entry please"}},
        {AGE, "abc", {kWidth2, "numeric positive entry please"}},
        {AGE, "123", {kWidth2}},
        {SLNO, "99999999999999999999", {kWidth2}},
        {SLNO, " 5", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " \"" + c.typed + "\"");
        Grid()->SetCurrentCell(0, c.column);
        Clear();
        Enter(c.typed);
        EXPECT_EQ(Messages(), c.messages);
        if (c.messages.empty()) continue;
        // The cursor stays on the refused cell, its text kept for correction.
        EXPECT_EQ(Grid()->CurrentColumn(), c.column);
        EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
        if (Grid()->IsEditing()) test::Key(Qt::Key_Escape);
    }
    // " 5" went in as "05" and on to the age, whose Enter stores the row and
    // goes to the next row's serial.
    EXPECT_EQ(Grid()->FieldText(0, "SLNO"), "05");
    EXPECT_EQ(Grid()->CurrentColumn(), AGE);
    Enter("12");
    Enter("7");
    Enter("3");
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->CurrentRow(), 2);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(Stored(), (Texts{"05|12", "07|3"}));
}

TEST_P(ApplianceAgeTest, AButtonClickedWithAnOverlongCellKeepsTheCursorOnIt) {
    Open();
    Enter("1");
    test::Type("123");
    test::ClickInWindow(screen, screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{kWidth2});
    EXPECT_FALSE(Gone());
    EXPECT_EQ(Grid()->CurrentColumn(), AGE);
    EXPECT_EQ(test::Focus(), Grid()->Editor());
    // Corrected, the row in hand is stored and Next moves on without asking.
    test::Key(Qt::Key_Backspace);
    Clear();
    test::ClickInWindow(screen, screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Gone());
    EXPECT_EQ(Stored(), Texts{"01|12"});
    EXPECT_EQ(f.s.CurFormIndex, GetParam().next);
}

TEST_P(ApplianceAgeTest, AnEmptyBlockAsksBeforeMovingAndKeepsNoBlankRow) {
    const char* question = "current block is empty. Do you want to Proceed?";
    Open();
    f.messages.Answer(false);
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{question});
    EXPECT_FALSE(Gone());
    f.messages.Answer(true);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), (Texts{question, question}));
    EXPECT_TRUE(Gone());
    EXPECT_EQ(f.s.CurFormIndex, GetParam().prev);
    EXPECT_TRUE(Stored().empty());
}

TEST_P(ApplianceAgeTest, ValidateBlockListsEachSerialOutOfStep) {
    const Block& b = GetParam();
    for (const char* serial : {"01", "03"})
        f.Insert(b.table, {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}, {"SLNO", serial}, {b.age, "3"}});
    Open();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    const std::string error = std::string(b.blk) + "|03|1|srlno not continuous from 1||Crit";
    EXPECT_EQ(f.ErrorLines(), Texts{error});
    EXPECT_EQ(screen->DataGrid->RecordCount(), 1);
    // The row in hand is written first; Validate HH lists under its own caption.
    Grid()->SetCurrentCell(2, SLNO);
    Enter("4");
    Click(screen->Cmdval);
    EXPECT_EQ(f.ErrorLines(), (Texts{error, std::string(b.blk) + "|04|1|srlno not continuous from 1||Crit"}));
    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

INSTANTIATE_TEST_SUITE_P(Blocks, ApplianceAgeTest,
                         ::testing::Values(Block{16, "S051L04", "B41C2", "B 4.1", 15, 17},
                                           Block{17, "S051L05", "B42C2", "B 4.2", 16, 18}));

TEST_F(HouseholdScreenTest, GoToBlkFromBlock41) {
    struct Case {
        const char* typed;
        int shows;  // 16: the screen stays, with the focus in the box
        Texts messages;
    };
    const Case cases[] = {{"", 16, {}},    {"4.1", 16, {}}, {"x", 16, {"beep"}},
                          {"4.2", 17, {}}, {"9", 13, {}},   {"   ", 13, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        QPointer<orcl_051d> screen = Open<orcl_051d>(16);
        const int shown13 = Shown(13);
        Clear();
        test::EnterInBox(screen->Text3, c.typed);
        EXPECT_EQ(Kinds(), c.messages);
        test::FlushDeletes();
        EXPECT_EQ(screen.isNull(), c.shows != 16);
        EXPECT_EQ(Shown(13) - shown13, c.shows == 13 ? 1 : 0);
        EXPECT_EQ(screens.Current<orcl_051e>(17) != nullptr, c.shows == 17);
        if (!screen.isNull()) {
            EXPECT_EQ(test::Focus(), screen->Text3);
        }
        for (int index : {16, 17}) screens.At(index)->Unload();
    }
}

}  // namespace
}  // namespace r78
