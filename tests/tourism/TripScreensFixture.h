#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/BlockScreens.h"
#include "screens/GridBlockScreen.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78::test {

using Texts = std::vector<std::string>;

// Household 1/01 of FSU 10001 on Schedule 21.1, with the program's block screens
// and stand-ins for packet and for blocks 4 and 7, the neighbours of the trip blocks.
class TripScreensTest : public ::testing::Test {
protected:
    TripScreensTest() {
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.Packet = &packet;
        f.s.FormTable[0] = &packet;
        f.s.FormTable[6] = &block4;
        f.s.FormTable[11] = &block7;
    }

    // Shows the screen at index as Go to Block does; the test fails when it did not load.
    template <class Screen>
    Screen* Open(int index) {
        screens.At(index)->Show();
        Screen* shown = screens.Current<Screen>(index);
        EXPECT_NE(shown, nullptr);
        screen = shown;
        if (shown) Activate(shown);
        return shown;
    }

    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    void At(int row, int column) { Grid()->SetCurrentCell(row, column); }
    Texts Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }

    // A row of the household; columns not named stay Null.
    void InsertRow(const std::string& table, std::vector<std::pair<std::string, std::string>> values) {
        values.insert(values.begin(), {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}});
        f.Insert(table, values);
    }
    // The named columns of the table's rows, in the order written, Null as "-".
    Texts Rows(const std::string& table, const std::vector<std::string>& columns) {
        std::string list;
        for (const std::string& c : columns) list += (list.empty() ? "" : ",") + ("coalesce(" + c + ",'-')");
        Texts rows;
        auto rs = f.s.FsuConn->Query("select " + list + " from " + table + " order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            std::string row;
            for (int i = 0; i < rs.FieldCount(); ++i) row += (i ? " " : "") + rs.Field(i).Text();
            rows.push_back(row);
        }
        return rows;
    }

    FsuFile f{"10001", 1};
    StandInPacket packet;
    StandInScreen block4, block7;
    BlockScreens screens{f.s};
    GridBlockScreen* screen = nullptr;
};

}  // namespace r78::test
