#include "indicators/orcl_051I.h"

#include <QPointer>

#include "indicators/orcl_051h.h"
#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Texts;

const char* kItems = "B8I1,B8I2,B8I3,B8I4";

class Block8Test : public test::HouseholdScreenTest {
protected:
    void Open() {
        screen = HouseholdScreenTest::Open<orcl_051I>(21);
        ASSERT_FALSE(screen.isNull());
    }
    bool Gone() {
        test::FlushDeletes();
        return screen.isNull();
    }
    void Key(int box, const std::string& text, Qt::Key key = Qt::Key_Return) {
        test::EnterInBox(screen->Text1[box], text, key);
    }
    std::string Count(const std::string& table) {
        auto rs = f.s.FsuConn->Query("select coalesce(CNT051, '-') from " + table);
        return rs.Eof() ? "<no row>" : rs.Field(0).Text();
    }

    QPointer<orcl_051I> screen;
};

TEST_F(Block8Test, EachBoxRuleRefusesWithItsMessage) {
    Open();
    EnterBoxes(*screen,
               {
                   {0, "3", {"code 1 or 2 please"}, "3"},
                   {0, "&", {"numeric  entry please "}, ""},
                   {0, "1", {}, ""},
                   {1, "#", {"numeric  entry please "}, ""},
                   {1, "5", {}, ""},
                   // Whether all meals were skipped keeps a text that is no number, refused by its codes.
                   {2, "&", {"code 1 or 2 please"}, "&"},
                   {2, "", {}, ""},
                   {3, "12", {}, ""},
               });
    // A letter is refused as it is typed.
    screen->Text1[1]->clear();
    screen->Text1[1]->setFocus();
    Clear();
    test::Type("7x");
    EXPECT_EQ(Messages(), Texts{"numeric entry please"});
    EXPECT_EQ(screen->Text1[1]->text(), "");
}

TEST_F(Block8Test, SaveInsertsBlanksAsNullUpdatesThemAsEmptyTextsAndLeavesTheCountsAlone) {
    // Figures that a recount would change.
    f.Insert("S000L01", {{"FSUNO", "10001"}, {"SCH", "000"}, {"CNT051", "7"}});
    f.s.FsuConn->Execute("update samplelist set CNT051 = 7");
    Open();
    for (auto [box, text] : std::vector<std::pair<int, const char*>>{{0, "1"}, {1, "5"}}) Key(box, text);
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(test::Focus(), screen->Text3);
    EXPECT_EQ(Rows("S051L09", std::string(kItems) + ",DPC,SU,SSS,SSU,creby,credate"),
              Texts{"1|5|-|-|101||1|01|OPR1|200315"});
    screen->Text1[1]->clear();
    Click(screen->CmdSave);
    EXPECT_EQ(Rows("S051L09", kItems), Texts{"1|||"});
    EXPECT_EQ(Count("S000L01"), "7");
    EXPECT_EQ(Count("samplelist"), "7");

    // A stored row whose SU no longer matches changes nothing, and says so.
    f.s.FsuConn->Execute("update S051L09 set SU = null");
    Key(1, "3");
    Clear();
    Click(screen->CmdSave);
    ASSERT_EQ(Kinds(), Texts{"ok"});
    EXPECT_TRUE(Messages()[0].starts_with("Block 8 was not saved."));
    EXPECT_EQ(Rows("S051L09", kItems), Texts{"1|||"});

    // A stored row is left at once; the edit since the save is not written.
    Clear();
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Gone());
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(f.s.CurFormIndex, 0);
}

TEST_F(Block8Test, NextAndPrevRefuseABlankNewRecordAndOfferToSaveOneWithText) {
    Open();
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"Block-8 is blank can't proceed to next block"});
    Clear();
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"Block-8 is blank can't proceed to previous block"});
    EXPECT_FALSE(Gone());

    // Yes to a save that the file refuses keeps the screen and its entries.
    screen->Text1[0]->setText("2");
    test::RefuseWrites(*f.s.FsuConn, "S051L09", "insert");
    f.messages.Answer(true);
    Clear();
    Click(screen->CmdNext);
    EXPECT_EQ(Kinds(), (Texts{"question", "ok"}));
    EXPECT_FALSE(Gone());
    EXPECT_EQ(f.s.BlkRecExists, 0);
    EXPECT_EQ(packet.returns, 0);
    f.s.FsuConn->Execute("drop trigger refuse_insert_S051L09");

    // No leaves for the control screen without saving.
    f.messages.Answer(false);
    Clear();
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"Save Block-8 before navigating to next block?"});
    EXPECT_TRUE(Gone());
    EXPECT_EQ(packet.returns, 1);
    EXPECT_TRUE(Rows("S051L09", kItems).empty());

    // Yes saves, and Prev leads to block 7.
    Open();
    screen->Text1[0]->setText("2");
    f.messages.Answer(true);
    Clear();
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"Save Block-8 before navigating to previous block?"});
    EXPECT_TRUE(Gone());
    EXPECT_EQ(f.s.CurFormIndex, 20);
    EXPECT_NE(screens.Current<orcl_051h>(20), nullptr);
    EXPECT_EQ(Rows("S051L09", kItems), Texts{"2|-|-|-"});
}

TEST_F(Block8Test, DeleteRemovesTheRowAloneAndValidateSavesABlankRecordFirst) {
    Open();
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"No such Data"});

    // Validate Block on a blank new record stores it, all Null, and checks it.
    Clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(Rows("S051L09", kItems), Texts{"-|-|-|-"});
    const Texts errors = f.ErrorLines();
    EXPECT_EQ(errors, (Texts{"B 8|1||Invalid code in item 1||Warn", "B 8|3||Invalid code in item 3||Warn"}));
    EXPECT_FALSE(screen->DataGrid->isHidden());

    f.messages.Answer(true);
    Clear();
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"Are you sure that you want to delete the record ?"});
    EXPECT_EQ(f.s.BlkRecExists, 0);
    EXPECT_TRUE(Rows("S051L09", kItems).empty());
    EXPECT_TRUE(Rows("S051L09_del", kItems).empty());
    EXPECT_EQ(test::Focus(), screen->Text1[0]);
}

TEST_F(Block8Test, GoToBlkReadsABlankTextAsBlockZero) {
    struct Case {
        const char* typed;
        int shows;  // 21: the screen stays, with the focus in the box
        Texts kinds;
    };
    const Case cases[] = {{"", 21, {}}, {"8", 21, {}}, {"x", 21, {"beep"}}, {"   ", 13, {}}, {"7", 20, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.typed + "\"");
        Open();
        const int shown13 = Shown(13);
        Clear();
        test::EnterInBox(screen->Text3, c.typed);
        EXPECT_EQ(Kinds(), c.kinds);
        const bool gone = Gone();
        EXPECT_EQ(gone, c.shows != 21);
        EXPECT_EQ(Shown(13) - shown13, c.shows == 13 ? 1 : 0);
        EXPECT_EQ(screens.Current<orcl_051h>(20) != nullptr, c.shows == 20);
        if (!gone) {
            EXPECT_EQ(test::Focus(), screen->Text3);
        }
        for (int index : {20, 21}) screens.At(index)->Unload();
        test::FlushDeletes();
    }
}

}  // namespace
}  // namespace r78
