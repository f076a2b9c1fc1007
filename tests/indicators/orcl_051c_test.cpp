#include "indicators/orcl_051c.h"

#include "tests/indicators/SingleScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;
using test::Texts;

class Orcl051cTest : public test::SingleScreenTest<orcl_051c, 15> {
protected:
    std::string Stored(const std::string& column) { return Read("select " + column + " from S051L03"); }
};

TEST_F(Orcl051cTest, AllFortySixBoxesAreInViewAndAnyCharacterMayBeTyped) {
    Open();
    ASSERT_EQ(screen->LastBox(), 45);
    for (int i = 0; i <= 45; ++i)
        EXPECT_TRUE(screen->rect().contains(QRect(Box(i)->mapTo(screen, QPoint(0, 0)), Box(i)->size()))) << i;
    QTest::keyClicks(Box(1), "a");
    EXPECT_EQ(Text(1), "a");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Orcl051cTest, EachBoxRuleAcceptsOrRefusesWithItsMessage) {
    Open();
    struct Case {
        const char* sector;
        int box;
        const char* typed;
        const char* message;  // "": accepted, and the focus moves on
        const char* after;
    };
    const Case cases[] = {
        {"1", 0, "51", "household size : abnormal!", "51"},
        {"1", 0, "999999999999", "household size : abnormal!", "999999999999"},
        {"1", 1, "a", "numeric  entry please ", ""},
        {"1", 2, "a", "social code 1 to 3 or 9 please", "a"},
        {"1", 3, "5", "2-digit code any of 01 to 08 or 10 to 12 please", "5"},
        {"1", 3, "09", "code any of 01 to 08 or 10 to 12 please", "09"},
        {"1", 3, "05", "", "05"},
        {"1", 15, "13", "code 01 to 12 or 19 please", "13"},
        {"1", 19, "17", "code 01 to 16 or 19 please", "17"},
        {"1", 25, "9", "2-digit code any of 01 to 08, 10, 11 or 19 please", "9"},
        {"1", 31, "2", "", "2"},
        {"1", 32, "1", "code 1 or 2 for URBAN only", "1"},
        {"2", 31, "1", "code 1 or 2 for RURAL only", "1"},
        {"2", 32, "2", "", "2"},
        {"3", 32, "1", "code 1 or 2 for URBAN only", "1"},
        {"1", 45, "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.box) + " \"" + c.typed + "\" sector " + c.sector);
        f.s.FsuSector = c.sector;
        const auto [messages, focus] = EnterBox(c.box, c.typed);
        EXPECT_EQ(messages, *c.message ? Texts{c.message} : Texts{});
        EXPECT_EQ(Text(c.box), c.after);
        QWidget* next = c.box == 45 ? static_cast<QWidget*>(screen->CmdSave) : Box(c.box + 1);
        EXPECT_EQ(focus, *c.message ? Box(c.box) : next);
    }
}

TEST_F(Orcl051cTest, SaveInsertsBlanksAsNullAndUpdatesThemAsEmptyTexts) {
    Open();
    Fill({{0, "4"}, {1, "1"}, {4, "3000"}});
    Click(screen->CmdSave);
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(Stored("typeof(SU) || SSS || SSU || B4I1 || B4I5 || creby || coalesce(B4I3, '-')"),
              "text10143000OPR1-");
    Fill({{1, ""}, {2, "3"}});
    Click(screen->CmdSave);
    EXPECT_EQ(Stored("count(*) || '|' || B4I2 || '|' || B4I3"), "1||3");
}

// Any character may be typed here, and a box left by a click has not met its
// Enter check; but Save stores no box whose column takes digits only and that
// holds another character: it is refused with the box's own digit message, as
// its Enter would refuse it, and nothing is stored.
TEST_F(Orcl051cTest, SaveRefusesABoxOfDigitsThatHoldsAnotherCharacter) {
    Open();
    ASSERT_EQ(Focus(), Box(0));
    test::Type("&9");
    test::ClickInWindow(screen, screen->CmdSave);
    EXPECT_EQ(Messages(), Texts{"numeric  entry please "});
    EXPECT_EQ(Focus(), Box(0));
    EXPECT_EQ(Text(0), "&9");
    EXPECT_EQ(f.s.BlkRecExists, 0);
    EXPECT_EQ(Stored("count(*)"), "0");

    // Exit told to save keeps the screen, and the entries with it.
    Clear();
    f.messages.Answer(true);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), (Texts{"Save Block-4 before exiting?", "numeric  entry please "}));
    ASSERT_FALSE(Left());
    EXPECT_EQ(Stored("count(*)"), "0");

    // The social group's column takes any character: its code list judges it at Enter.
    Fill({{0, "9"}, {2, "a"}});
    Clear();
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Stored("B4I1 || '|' || B4I3"), "9|a");

    // An update is refused alike; a blank box is stored as before.
    Fill({{0, ""}, {5, "1("}});
    Click(screen->CmdSave);
    EXPECT_EQ(Messages(), Texts{"numeric  entry please "});
    EXPECT_EQ(Focus(), Box(5));
    EXPECT_EQ(Stored("B4I1 || '|' || coalesce(B4I6, '-')"), "9|-");
    Box(5)->setText("");
    Clear();
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Stored("B4I1 || '|' || B4I6"), "|");
}

TEST_F(Orcl051cTest, UpdateThatMatchesNoRowIsToldAsNotSaved) {
    // Keyed elsewhere with SU Null: the update also matches SU, so it finds no row.
    f.Insert("S051L03", {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}, {"B4I1", "3"}});
    Open();
    Box(0)->setText("5");
    Click(screen->CmdSave);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("not saved"), std::string::npos);
    EXPECT_EQ(Stored("B4I1"), "3");
}

TEST_F(Orcl051cTest, LeavingANewBlockAsksToSaveItAndRefusesABlankOne) {
    Open();
    Click(screen->CmdNext);
    Click(screen->CmdPrev);
    Box(0)->setText("2");
    f.messages.Answer(false);
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), (Texts{"Block-4 is blank can't proceed to next block",
                                 "Block-4 is blank can't proceed to previous block",
                                 "Save Block-4 before navigating to next block?"}));
    EXPECT_EQ(Other(16).shown, 1);
    EXPECT_EQ(Stored("count(*)"), "0");

    Open();
    Box(0)->setText("2");
    f.messages.Answer(true);
    Click(screen->CmdPrev);
    EXPECT_EQ(Other(14).shown, 1);
    EXPECT_EQ(Stored("B4I1"), "2");

    Open();  // stored: no question, and the edit is dropped
    Box(0)->setText("7");
    Clear();
    Click(screen->CmdExit);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Stored("B4I1"), "2");

    f.s.FsuConn->Execute("delete from S051L03");
    Open();
    Box(45)->setText("1");
    f.messages.Answer(false);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), Texts{"Save Block-4 before exiting?"});
}

}  // namespace
}  // namespace r78
