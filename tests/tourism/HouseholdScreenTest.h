#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/BlockScreens.h"
#include "control/FsuRegistration.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78::test {

// Household 2/05 of Schedule 21.1 in FSU 10003 (rural), with every block screen
// of the program in the block-screen table and a stand-in control screen, whose
// household boxes are empty: the household counts judge another household.
class HouseholdScreenTest : public ::testing::Test {
protected:
    using Texts = std::vector<std::string>;

    HouseholdScreenTest() {
        LoadSampleList(f.s, "10003");
        f.s.CurSss = "2";
        f.s.CurSsu = "05";
        f.s.FormTable[0] = &packet;
        f.s.Packet = &packet;
    }

    // Shows the screen at index as packet's Go to Block does.
    template <class Screen>
    Screen* Open(int index) {
        f.s.FormTable[index]->Show();
        return Current<Screen>(index);
    }
    // The screen at index once the screens left have gone; made active.
    template <class Screen>
    Screen* Current(int index) {
        FlushDeletes();
        Screen* screen = screens.Current<Screen>(index);
        if (screen) Activate(screen);
        return screen;
    }
    static void GoTo(QLineEdit* text3, const std::string& block) { EnterInBox(text3, block); }

    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    Texts Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }
    // The only message shown was an OK box telling this cause.
    void ExpectReported(const std::string& cause) {
        ASSERT_EQ(f.messages.shown.size(), 1u) << ::testing::PrintToString(Messages());
        EXPECT_EQ(f.messages.shown[0].kind, "ok");
        EXPECT_NE(f.messages.shown[0].text.find(cause), std::string::npos) << f.messages.shown[0].text;
    }

    FsuFile f{"10003", 1};
    StandInPacket packet;
    BlockScreens screens{f.s};
};

}  // namespace r78::test
