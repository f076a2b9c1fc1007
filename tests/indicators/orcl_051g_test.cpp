#include "indicators/orcl_051g.h"

#include <QPointer>

#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Texts;

const char* kItems = "B6I1,B6I21,B6I22,B6I23,B6I3,B6I7,B6I17,SU";

class Block6Test : public test::HouseholdScreenTest {
protected:
    void Open() { screen = HouseholdScreenTest::Open<orcl_051g>(19); }
    void Key(int box, const std::string& text, Qt::Key key = Qt::Key_Return) {
        test::EnterInBox(screen->Text1[box], text, key);
    }
    QPointer<orcl_051g> screen;
};

TEST_F(Block6Test, EachBoxRuleRefusesWithItsMessageInTheGivenOrder) {
    Open();
    const std::string none = "numeric entry  please. If no purchase/constructed flat/house, put 0.";
    EnterBoxes(*screen, {
                            // The urban count is not emptied: a text that is no number is refused as such.
                            {2, "#", {none}, "#"},
                            {2, "11", {"please check the entry"}, "11"},
                            {2, "10", {}, ""},
                            // Elsewhere such a text is emptied.
                            {1, "#", {"numeric  entry please "}, ""},
                            {3, "11", {"please check the entry"}, "11"},
                            {9, "21", {"please check entry"}, "21"},
                            {10, "20", {}, ""},
                            {8, "98", {"4-digit in YYYY format please"}, "98"},
                            {8, "1998", {}, ""},
                            {18, "5", {"code 1 to 4 please"}, "5"},
                            {18, "", {}, ""},
                        });
    // Down checks as Enter does.
    Clear();
    Key(9, "21", Qt::Key_Down);
    EXPECT_EQ(Messages(), Texts{"please check entry"});
}

TEST_F(Block6Test, SaveInsertsBlanksAsNullAndUpdatesThemAsEmptyTexts) {
    Open();
    for (auto [box, text] :
         std::vector<std::pair<int, const char*>>{{0, "1"}, {1, "1"}, {2, "0"}, {3, "1"}, {8, "2019"}})
        Key(box, text);
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(test::Focus(), screen->Text3);
    EXPECT_EQ(Rows("S051L07", kItems), Texts{"1|1|0|1|-|2019|-|"});
    screen->Text1[3]->clear();
    Click(screen->CmdSave);
    EXPECT_EQ(Rows("S051L07", kItems), Texts{"1|1|0|||2019||"});

    // A stored row whose SU no longer matches changes nothing, and says so.
    f.s.FsuConn->Execute("update S051L07 set SU = null");
    Key(3, "1");
    Clear();
    Click(screen->CmdSave);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, "ok");
    EXPECT_EQ(f.messages.shown[0].text.rfind("Block 6 was not saved.", 0), 0u);
    EXPECT_EQ(Rows("S051L07", kItems), Texts{"1|1|0|||2019||-"});
    EXPECT_EQ(f.s.BlkRecExists, 1);
}

TEST_F(Block6Test, ValidateSavesABlankNewRecordFirstAndStopsWhenTheSaveFails) {
    f.Insert("val_error", {{"fsuno", "10001"}, {"blk", "B1"}, {"msg1", "from an earlier run"}});
    test::RefuseWrites(*f.s.FsuConn, "S051L07", "insert");
    Open();
    Click(screen->Cmdval);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, "ok");
    EXPECT_EQ(f.s.BlkRecExists, 0);
    EXPECT_EQ(f.ErrorLines(), Texts{"B1|||from an earlier run||"});
    EXPECT_TRUE(screen->DataGrid->isHidden());

    f.s.FsuConn->Execute("drop trigger refuse_insert_S051L07");
    Clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.BlkRecExists, 1);
    EXPECT_EQ(Rows("S051L07", kItems), Texts{"-|-|-|-|-|-|-|"});
    const auto errors = f.ErrorRows();
    ASSERT_FALSE(errors.empty());
    for (const auto& e : errors) EXPECT_EQ(e.blk, "B 6") << e.msg1;
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks block level");
}

}  // namespace
}  // namespace r78
