#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "app/BlockScreens.h"
#include "screens/GridBlockScreen.h"
#include "screens/SingleRecordBlockScreen.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78::test {

using Texts = std::vector<std::string>;

// A household of an FSU file with the program's block screens in the
// block-screen table and a stand-in control screen: what the tests of the
// household block screens of both schedules stand on.
class HouseholdScreens : public ::testing::Test {
protected:
    HouseholdScreens(const std::string& fsuNo, int schType, const std::string& sss, const std::string& ssu)
        : f(fsuNo, schType) {
        f.s.CurSss = sss;
        f.s.CurSsu = ssu;
        f.s.Packet = &packet;
        f.s.FormTable[0] = &packet;
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
    // The kinds of what was shown: "ok", "question", "beep" ...
    Texts Kinds() const {
        Texts kinds;
        for (const auto& shown : f.messages.shown) kinds.push_back(shown.kind);
        return kinds;
    }
    void Clear() { f.messages.shown.clear(); }

    // A text typed into a cell of row 0 and entered, and the messages it brings.
    // None: accepted, the cursor one column on, the text in the row (a serial
    // number with its leading zero). Else the cursor stays on the cell, the text
    // kept for correction.
    struct CellCase {
        const char* field;
        const char* typed;
        Texts messages;
    };
    void EnterCells(GridBlockScreen& screen, const std::vector<CellCase>& cases) {
        ui::BoundGrid& grid = *screen.DataGridX;
        for (const CellCase& c : cases) {
            SCOPED_TRACE(std::string(c.field) + " \"" + c.typed + "\"");
            const int column = grid.FieldColumn(c.field);
            grid.SetCurrentCell(0, column);
            Clear();
            Enter(c.typed);
            EXPECT_EQ(Messages(), c.messages);
            EXPECT_EQ(grid.CurrentRow(), 0);
            if (!c.messages.empty()) {
                EXPECT_EQ(grid.CurrentColumn(), column);
                EXPECT_EQ(grid.CurrentCellText(), c.typed);
                if (grid.IsEditing()) Key(Qt::Key_Escape);
                continue;
            }
            EXPECT_EQ(grid.CurrentColumn(), column + 1);
            const std::string typed = c.typed;
            EXPECT_EQ(grid.FieldText(0, c.field),
                      std::string(c.field) == "SLNO" && typed.size() == 1 ? "0" + typed : typed);
        }
    }

    // A text typed into a box of a single-record screen and entered, and the
    // messages it brings. None: accepted, the next box (Save after the last) gets
    // the focus. Else the focus stays in the box, which holds the text left.
    struct BoxCase {
        int box;
        const char* typed;
        Texts messages;
        const char* left;
    };
    void EnterBoxes(SingleRecordBlockScreen& screen, const std::vector<BoxCase>& cases) {
        for (const BoxCase& c : cases) {
            SCOPED_TRACE(std::to_string(c.box) + " \"" + c.typed + "\"");
            Clear();
            EnterInBox(screen.Text1[c.box], c.typed);
            EXPECT_EQ(Messages(), c.messages);
            if (c.messages.empty()) {
                EXPECT_EQ(Focus(), c.box == screen.LastBox() ? static_cast<QWidget*>(screen.CmdSave)
                                                             : screen.Text1[c.box + 1]);
            } else {
                EXPECT_EQ(Focus(), screen.Text1[c.box]);
                EXPECT_EQ(screen.Text1[c.box]->text().toStdString(), c.left);
            }
        }
    }

    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    // The only message shown was an OK box telling this cause.
    void ExpectReported(const std::string& cause) {
        ASSERT_EQ(f.messages.shown.size(), 1u) << ::testing::PrintToString(Messages());
        EXPECT_EQ(f.messages.shown[0].kind, "ok");
        EXPECT_NE(f.messages.shown[0].text.find(cause), std::string::npos) << f.messages.shown[0].text;
    }

    FsuFile f;
    StandInPacket packet;
    BlockScreens screens{f.s};
};

}  // namespace r78::test
