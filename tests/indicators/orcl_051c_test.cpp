#include "indicators/orcl_051c.h"

#include <gtest/gtest.h>

#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;
using Texts = std::vector<std::string>;

class Orcl051cTest : public test::HouseholdScreenTest<orcl_051c, 15> {
protected:
    std::string Stored(const std::string& column) { return Read("select " + column + " from S051L03"); }
};

TEST_F(Orcl051cTest, AllFortySixItemsAreInViewWithTheBlockTexts) {
    f.s.BlkRecExists = 1;  // left over from another screen: the file has no row
    Open();
    EXPECT_EQ(f.s.CurFormIndex, 15);
    EXPECT_EQ(f.s.BlkRecExists, 0);
    EXPECT_EQ(screen->Label21->text(), "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY");
    EXPECT_EQ(screen->Label2->text(), "Block-4. Household Characteristics   ");
    bool level = false;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        level |= label->text() == "(Level - 03 & 04 )";
    EXPECT_TRUE(level) << "the level line shows one &";
    EXPECT_EQ(screen->CmdNext->text(), "&2. Next Blk");
    ASSERT_NE(screen->CmdPrev, nullptr);
    EXPECT_EQ(screen->CmdPrev->text(), "&6. Prev Blk");
    EXPECT_EQ(screen->Label30->text(), "&Go to Blk");
    ASSERT_EQ(screen->LastBox(), 45);
    for (int i = 0; i <= 45; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Box(i)->isVisible());
        EXPECT_TRUE(screen->rect().contains(QRect(Box(i)->mapTo(screen, QPoint(0, 0)), Box(i)->size())));
    }
    EXPECT_EQ(Focus(), Box(0));

    // Any character is typed; Enter empties a box that is not digits.
    QTest::keyClicks(Box(1), "a");
    EXPECT_EQ(Text(1), "a");
    EXPECT_TRUE(Messages().empty());
    QTest::keyClick(Box(1), Qt::Key_Return);
    EXPECT_EQ(Text(1), "");
    EXPECT_EQ(Messages(), Texts{"numeric  entry please "});
    EXPECT_EQ(Focus(), Box(1));
}

TEST_F(Orcl051cTest, EachBoxRuleAcceptsOrRefusesWithItsMessage) {
    Open();
    struct Case {
        const char* sector;
        int box;
        const char* typed;
        Texts messages;     // none: accepted, and the focus moves to the next box
        const char* after;  // the box's text afterwards
    };
    const Case cases[] = {
        {"1", 0, "0", {}, "0"},
        {"1", 0, "50", {}, "50"},
        {"1", 0, "51", {"household size : abnormal!"}, "51"},
        {"1", 0, "999999999999", {"household size : abnormal!"}, "999999999999"},
        {"1", 1, "8", {"religion code 1 to 7 or 9 please"}, "8"},
        {"1", 1, "a", {"numeric  entry please "}, ""},
        {"1", 2, "a", {"social code 1 to 3 or 9 please"}, "a"},
        {"1", 2, "9", {}, "9"},
        {"1", 3, "5", {"2-digit code any of 01 to 08 or 10 to 12 please"}, "5"},
        {"1", 3, "09", {"code any of 01 to 08 or 10 to 12 please"}, "09"},
        {"1", 3, "05", {}, "05"},
        {"1", 3, "12", {}, "12"},
        {"1", 4, "12345678", {}, "12345678"},
        {"1", 10, "7", {"code 1 to 6 or 9 please"}, "7"},
        {"1", 15, "1", {"2-digit code any of 01 to 12 or 19 please"}, "1"},
        {"1", 15, "13", {"code 01 to 12 or 19 please"}, "13"},
        {"1", 17, "19", {}, "19"},
        {"1", 19, "16", {}, "16"},
        {"1", 19, "17", {"code 01 to 16 or 19 please"}, "17"},
        {"1", 22, "8", {"code 1 to 7 please"}, "8"},
        {"1", 25, "9", {"2-digit code any of 01 to 08, 10, 11 or 19 please"}, "9"},
        {"1", 25, "09", {"code 01 to 08, 10, 11 or 19 please"}, "09"},
        {"1", 25, "11", {}, "11"},
        {"1", 28, "5", {"code 1 to 4 or 9 please"}, "5"},
        {"1", 31, "2", {}, "2"},
        {"1", 32, "1", {"code 1 or 2 for URBAN only"}, "1"},
        {"2", 31, "1", {"code 1 or 2 for RURAL only"}, "1"},
        {"2", 32, "2", {}, "2"},
        {"2", 32, "3", {"code 1 or 2 for URBAN only"}, "3"},
        {"3", 32, "1", {"code 1 or 2 for URBAN only"}, "1"},
        {"1", 36, "7", {"code 1 to 6 please"}, "7"},
        {"1", 44, "3", {"code 1 or 2 please"}, "3"},
        {"1", 32, "", {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("box " + std::to_string(c.box) + " \"" + c.typed + "\" sector " + c.sector);
        f.s.FsuSector = c.sector;
        Box(c.box)->setText(c.typed);
        Box(c.box)->setFocus();
        Clear();
        QTest::keyClick(Box(c.box), Qt::Key_Return);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Text(c.box), c.after);
        EXPECT_EQ(Focus(), c.messages.empty() ? Box(c.box + 1) : Box(c.box));
    }
    test::EnterInBox(Box(45), "");
    EXPECT_EQ(Focus(), screen->CmdSave);
    EXPECT_EQ(Read("select count(*) from S051L03"), "0");
}

TEST_F(Orcl051cTest, FirstSaveInsertsWithNullsLaterSavesUpdateWithEmptyTexts) {
    Open();
    Fill({{0, "4"}, {1, "1"}, {4, "3'000"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(
        Stored(
            "DPC || '|' || FSUNO || '|' || typeof(SU) || '|' || SSS || SSU || '|' || B4I1 || '|' || B4I5 || "
            "'|' || creby || '|' || credate"),
        "101|10001|text|101|4|3'000|OPR1|200315");
    EXPECT_EQ(Stored("B4I2"), "1");
    EXPECT_EQ(Stored("B4I3"), "<null>");

    Fill({{1, ""}, {2, "3"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Read("select count(*) from S051L03"), "1");
    EXPECT_EQ(Stored("B4I2"), "") << "an update writes an emptied box as ''";
    EXPECT_EQ(Stored("B4I3"), "3");

    // Reopened, the stored row is shown.
    screen->Unload();
    Open();
    EXPECT_EQ(Text(0), "4");
    EXPECT_EQ(Text(4), "3'000");
    EXPECT_EQ(f.s.BlkRecExists, 1);
}

TEST_F(Orcl051cTest, UpdateThatMatchesNoRowIsReportedAsNotSaved) {
    // Keyed elsewhere with SU left Null: the update, which also matches SU '', finds no row.
    f.Insert("S051L03", {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}, {"B4I1", "3"}});
    Open();
    EXPECT_EQ(f.s.BlkRecExists, 1);
    Box(0)->setText("5");
    Box(0)->setFocus();
    Click(screen->CmdSave);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, "ok");
    EXPECT_NE(f.messages.shown[0].text.find("not saved"), std::string::npos);
    EXPECT_EQ(Stored("B4I1"), "3");
    EXPECT_EQ(Focus(), Box(0));
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
}

TEST_F(Orcl051cTest, LeavingANewBlockAsksToSaveItAndRefusesABlankOne) {
    Open();
    Click(screen->CmdNext);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), (Texts{"Block-4 is blank can't proceed to next block",
                                 "Block-4 is blank can't proceed to previous block"}));
    EXPECT_FALSE(Left());
    Click(screen->CmdExit);
    EXPECT_TRUE(Left()) << "a blank new block leaves by Exit without a question";
    EXPECT_EQ(packet.returns, 1);

    Open();
    Box(0)->setText("2");
    Clear();
    f.messages.Answer(false);
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"Save Block-4 before navigating to next block?"});
    EXPECT_TRUE(Left());
    EXPECT_EQ(Other(16).shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 16);
    EXPECT_EQ(Read("select count(*) from S051L03"), "0");

    Open();
    Box(0)->setText("2");
    Clear();
    f.messages.Answer(true);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"Save Block-4 before navigating to previous block?"});
    EXPECT_TRUE(Left());
    EXPECT_EQ(Other(14).shown, 1);
    EXPECT_EQ(Stored("B4I1"), "2");

    // A stored block leaves without a question, dropping the edits since its save.
    Open();
    Box(0)->setText("7");
    Clear();
    Click(screen->CmdExit);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Left());
    EXPECT_EQ(Stored("B4I1"), "2");

    f.s.FsuConn->Execute("delete from S051L03");
    Open();
    Box(45)->setText("1");
    f.messages.Answer(false);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), Texts{"Save Block-4 before exiting?"});
    EXPECT_TRUE(Left());
}

TEST_F(Orcl051cTest, DeleteRemovesTheBlockAloneWithoutAnArchive) {
    Open();
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"No such Data"});
    Box(0)->setText("2");
    Click(screen->CmdSave);
    Clear();
    f.messages.Answer(true);
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"Are you sure that you want to delete the record ?"});
    EXPECT_EQ(Read("select count(*) from S051L03"), "0");
    EXPECT_EQ(Read("select count(*) from S051L03_del"), "0");
    EXPECT_EQ(f.s.BlkRecExists, 0);
    EXPECT_EQ(Text(0), "");
    EXPECT_EQ(Focus(), Box(0));
}

TEST_F(Orcl051cTest, ValidationSavesEvenABlankBlockThenListsItsErrors) {
    Open();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Stored("coalesce(B4I1, 'null')"), "null");
    ASSERT_FALSE(f.ErrorLines().empty());
    EXPECT_EQ(f.ErrorLines()[0], "B 4|1||Househod size should be >= 1||Crit");
    EXPECT_EQ(f.s.ValBlockNo, 4);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks block level");

    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

}  // namespace
}  // namespace r78
