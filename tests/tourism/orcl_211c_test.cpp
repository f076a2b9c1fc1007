#include "tourism/orcl_211c.h"

#include <QLabel>

#include "tests/tourism/HouseholdScreenTest.h"
#include "tourism/orcl_211b.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;

class Orcl211cTest : public test::HouseholdScreenTest {
protected:
    void Open() {
        screen = HouseholdScreenTest::Open<orcl_211c>(6);
        ASSERT_NE(screen, nullptr);
    }
    ui::TextBox* Box(int i) const { return screen->Text1[i]; }
    std::string Text(int i) const { return Box(i)->text().toStdString(); }
    std::string Stored() { return Read("select B4I1 from S211L03"); }

    orcl_211c* screen = nullptr;
};

TEST_F(Orcl211cTest, EachBoxRuleWithTheOccupationsXAndTheSectorsHouseholdTypes) {
    Open();
    bool ampersand = false;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        ampersand |= label->text().trimmed() == "7.4  Education & training";
    EXPECT_TRUE(ampersand);

    const char* nco = "nco-3 digit pl";
    const char* type = "invalid household type code";
    struct Case {
        const char* sector;
        int box;
        const char* typed;
        Texts messages;  // none: the entry passes and the focus moves on
        const char* after;
    };
    const Case cases[] = {
        {"1", 0, "50", {}, "50"},
        {"1", 0, "51", {"household size : abnormal!"}, "51"},
        {"1", 1, "X1", {nco}, "X1"},
        {"1", 1, "1&3", {nco}, "1&3"},
        {"1", 1, "1X2", {}, "1X2"},
        {"1", 2, "1234", {"nic-5 digit pl"}, "1234"},
        {"1", 3, "4", {}, "4"},
        {"2", 3, "4", {type}, "4"},
        {"2", 3, "9", {}, "9"},
        {"3", 3, "1", {type}, "1"},
        {"1", 4, "8", {"religion code 1 to 7 or 9 please"}, "8"},
        {"1", 5, "4", {"social code 1 to 3 or 9 please"}, "4"},
        {"1", 6, "#", {"numeric  entry please "}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("sector ") + c.sector + " box " + std::to_string(c.box) + " \"" + c.typed +
                     "\"");
        f.s.FsuSector = c.sector;
        Clear();
        test::EnterInBox(Box(c.box), c.typed);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Text(c.box), c.after);
        EXPECT_EQ(Focus(), c.messages.empty() ? Box(c.box + 1) : Box(c.box));
    }
    test::EnterInBox(Box(16), "");
    EXPECT_EQ(Focus(), screen->CmdSave);

    // Only the occupation code takes an X: elsewhere the key beeps and is erased.
    Clear();
    Box(0)->setFocus();
    test::Type("12X");
    EXPECT_EQ(Messages(), Texts{"numeric entry please"});
    EXPECT_EQ(Text(0), "1");
}

TEST_F(Orcl211cTest, AnUpdateThatFindsNoRowIsNotASave) {
    Open();
    Box(0)->setText("4");
    Click(screen->CmdSave);
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(
        Read("select typeof(SU) || '|' || SU || '|' || B4I1 || '|' || coalesce(B4I2, '-') from S211L03"),
        "text||4|-");

    // Another program has given the row a segment: the update, keyed on SU, finds none.
    f.s.FsuConn->Execute("update S211L03 set SU = '001'");
    Box(0)->setText("5");
    Clear();
    Click(screen->Cmdval);
    ExpectReported("S211L03");
    EXPECT_EQ(Stored(), "4");
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(Text(0), "5");
    EXPECT_TRUE(screen->DataGrid->isHidden());
}

TEST_F(Orcl211cTest, NextPrevAndExitAskToSaveANewRowAndRefuseABlankOne) {
    Open();
    Click(screen->CmdNext);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), (Texts{"Block-4 is blank can't proceed to next block",
                                 "Block-4 is blank can't proceed to previous block"}));
    ASSERT_EQ(Current<orcl_211c>(6), screen);

    Box(0)->setText("3");
    Clear();
    f.messages.Answer(false);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), Texts{"Save Block-4 before exiting?"});
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(Stored(), "<no row>");

    Open();
    Box(0)->setText("3");
    Clear();
    f.messages.Answer(true);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"Save Block-4 before navigating to previous block?"});
    EXPECT_EQ(Stored(), "3");
    EXPECT_NE(Current<orcl_211b>(5), nullptr);

    // A stored row leaves without a question, its unsaved edits dropped.
    Open();
    Box(0)->setText("7");
    Clear();
    Click(screen->CmdPrev);
    EXPECT_TRUE(Messages().empty());
    EXPECT_NE(Current<orcl_211b>(5), nullptr);
    EXPECT_EQ(Stored(), "3");
}

}  // namespace
}  // namespace r78
