#include <gtest/gtest.h>

#include "app/BlockScreens.h"
#include "indicators/orcl_051a.h"
#include "indicators/orcl_051b.h"
#include "indicators/orcl_051c.h"
#include "tests/control/ControlScreenFixture.h"
#include "tests/support/ScreenDriver.h"

namespace r78 {
namespace {

using Texts = std::vector<std::string>;

// The program's control screen and block screens, on household 1/01 of FSU
// 10001, new to Schedule 5.1.
class Schedule051RoadTest : public test::ControlScreenTest {
protected:
    void SetUp() override {
        ControlScreenTest::SetUp();
        // After the start-up, which empties the block-screen table.
        screens = std::make_unique<BlockScreens>(state);
        MakeFsuFile("10001");
        AddBlock1("10001");
        AddBlock6("10001", kSch051, "1", "6", "4", "1");
        Choose(kSch051);
        Register("10001");
        SelectHousehold("1", "01");
        ASSERT_TRUE(state.HhSelected);
        messages.shown.clear();
    }
    void TearDown() override {
        screens.reset();
        test::FlushDeletes();
        ControlScreenTest::TearDown();
    }
    // The screen at an index, once it is in front.
    template <class Screen>
    Screen* InFront(int index) {
        test::FlushDeletes();
        Screen* shown = screens->Current<Screen>(index);
        EXPECT_NE(shown, nullptr) << index;
        if (shown) test::Activate(shown);
        return shown;
    }
    void GoTo(const QString& block) { Enter(screen->Text3, block); }

    std::unique_ptr<BlockScreens> screens;
};

TEST_F(Schedule051RoadTest, GoToBlockAndNextAndPrevLeadThroughBlocksOneToFour) {
    GoTo("3");
    EXPECT_EQ(messages.Texts(),
              Texts{"No data entered under this combination. you may navigate to block-1 only"});
    GoTo("1");
    auto* blocks12 = InFront<orcl_051a>(13);
    ASSERT_NE(blocks12, nullptr);
    test::EnterInBox(blocks12->Text1[16], "1");
    test::Click(blocks12->CmdSave);
    EXPECT_EQ(screen->Lb051->text().trimmed(), "1") << "packet shows the count";
    test::Click(blocks12->CmdNext);

    auto* block3 = InFront<orcl_051b>(14);
    ASSERT_NE(block3, nullptr);
    test::KeyRow({"1", "1", "1", "40"});
    test::Click(block3->CmdNext);
    auto* block4 = InFront<orcl_051c>(15);
    ASSERT_NE(block4, nullptr);
    block4->Text1[0]->setText("1");
    messages.Answer(true);
    test::Click(block4->CmdPrev);
    block3 = InFront<orcl_051b>(14);
    ASSERT_NE(block3, nullptr);
    test::Click(block3->CmdPrev);
    blocks12 = InFront<orcl_051a>(13);
    ASSERT_NE(blocks12, nullptr);
    test::Click(blocks12->CmdExit);
    test::FlushDeletes();
    EXPECT_FALSE(screen->isHidden());

    GoTo("4");
    block4 = InFront<orcl_051c>(15);
    ASSERT_NE(block4, nullptr);
    EXPECT_EQ(block4->Text1[0]->text(), "1") << "saved on the way back";
    test::Click(block4->CmdExit);
    GoTo("3");
    EXPECT_NE(InFront<orcl_051b>(14), nullptr);
}

}  // namespace
}  // namespace r78
