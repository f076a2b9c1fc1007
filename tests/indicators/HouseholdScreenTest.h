#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <map>
#include <string>
#include <vector>

#include "app/BlockScreens.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78::test {

using Texts = std::vector<std::string>;

// Household 1/01 of FSU 10001 in Schedule 5.1, with the program's block screens
// and stand-ins for blocks 1 to 4 and 7 to 8, so that these screens are tried
// on their own and every way out of them is counted.
class HouseholdScreenTest : public ::testing::Test {
protected:
    HouseholdScreenTest() {
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.FsuSu = "4";
        f.s.Packet = &packet;
        f.s.FormTable[0] = &packet;
        // Blocks 1 to 4, 7 and 8 are stand-ins whatever the table holds; so is
        // any other block not yet in it.
        for (int index = 13; index <= 21; ++index)
            if (!f.s.FormTable[index] || index <= 15 || index >= 20) f.s.FormTable[index] = &standIns[index];
    }

    // Shows the block screen at the index, as Go to Block does, and puts it in front.
    template <class Screen>
    Screen* Open(int index) {
        screens.At(index)->Show();
        Screen* screen = screens.Current<Screen>(index);
        EXPECT_NE(screen, nullptr);
        if (screen) Activate(screen);
        return screen;
    }
    int Shown(int index) { return standIns[index].shown; }

    // The household's stored rows of a table: the columns' texts joined by "|",
    // Null as "-", in the order they were written.
    Texts Rows(const std::string& table, const std::string& columns) {
        Texts rows;
        auto rs = f.s.FsuConn->Query("select " + columns + " from " + table + " order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            std::string row;
            for (int i = 0; i < rs.FieldCount(); ++i)
                row += (i ? "|" : "") + (rs.Field(i).IsNull() ? std::string("-") : rs.Field(i).Text());
            rows.push_back(row);
        }
        return rows;
    }
    Texts Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }

    FsuFile f{"10001", 2};
    StandInPacket packet;
    std::map<int, StandInScreen> standIns;
    BlockScreens screens{f.s};
};

}  // namespace r78::test
