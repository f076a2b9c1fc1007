#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/BlockScreens.h"
#include "core/Loader.h"
#include "screens/LazyForm.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"
#include "tourism/orcl_211I.h"
#include "tourism/orcl_211h.h"
#include "validation/ValidationRun.h"
#include "validation/checks_211.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::Focus;
using test::Key;
using test::KeyRow;
using test::Type;

using Texts = std::vector<std::string>;

// Grid column of item column n of blocks 7 and 8: the five key columns come first.
constexpr int Col(int n) { return n + 4; }
constexpr int SLNO = Col(1);

// A same-day trip of leading purpose 2 that adds up: package 100, then 50 + 60
// + 70 to a sub-total of 180 and a total of 280; booked by internet, satisfied
// but with food (9: not used), tour guide used and satisfied with.
const Texts kBlock7Trip = {"1",   "2", "2", "100", "50", "60", "70", "",  "",  "",  "", "180",
                           "280", "1", "2", "2",   "2",  "1",  "9",  "1", "2", "1", "1"};
// A special trip of purpose 1: 5000 spent, 200 nights outside the usual place,
// no booking by internet (so no satisfaction codes) and no tour guide.
const Texts kBlock8Trip = {"1", "3", "1", "5000", "200", "2", "2", "2", "2", "", "", "", "", "2", ""};

// Household 1/01 of FSU 10001 in Schedule 21.1, with blocks 7 and 8 in the
// block-screen table and stand-ins for the screens around them.
class TripBlocksTest : public ::testing::Test {
protected:
    TripBlocksTest() {
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.FormTable[0] = &packet;
        f.s.Packet = &packet;
        f.s.FormTable[4] = &blocks12;
        f.s.FormTable[10] = &block62;
        f.s.FormTable[11] = &block7;
        f.s.FormTable[12] = &block8;
    }

    template <class Screen>
    Screen* Open(LazyForm<Screen>& form) {
        form.Show();
        screen = form.Current();
        if (screen) test::Activate(screen);
        return form.Current();
    }
    GridBlockScreen* OpenBlock(int index) {
        return index == 11 ? static_cast<GridBlockScreen*>(Open(block7)) : Open(block8);
    }
    // The screen in front after a move, or nullptr when it is not one of these two.
    GridBlockScreen* Shown() {
        test::FlushDeletes();
        if (block7.Current()) return block7.Current();
        return block8.Current();
    }
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    void At(int row, int column) { Grid()->SetCurrentCell(row, column); }
    void GoTo(const std::string& text) { test::EnterInBox(screen->Text3, text); }

    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        return rs.Eof() || rs.Field(0).IsNull() ? "<none>" : rs.Field(0).Text();
    }
    // The stored trips of a block table, each as "SLNO C2 ... Cn" with Null as "-".
    Texts Rows(const std::string& table, const std::string& prefix, int last) {
        std::string cells = "coalesce(SLNO,'-')";
        for (int n = 2; n <= last; ++n)
            cells += " || ' ' || coalesce(" + prefix + std::to_string(n) + ",'-')";
        Texts rows;
        auto rs = f.s.FsuConn->Query("select " + cells + ", DPC, FSUNO, SU, SSS, SSU, creby from " + table +
                                     " order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            rows.push_back(rs.Field(0).Text());
            // Every trip carries the household's key and its maker.
            EXPECT_EQ(rs.Field(1).Text() + rs.Field(2).Text() + "[" + rs.Field(3).Text() + "]" +
                          rs.Field(4).Text() + rs.Field(5).Text() + rs.Field(6).Text(),
                      "10110001[]101OPR1");
        }
        return rows;
    }
    Texts Block7Rows() { return Rows("S211L08", "B7C", 23); }
    Texts Block8Rows() { return Rows("S211L09", "B8C", 15); }
    static std::string Joined(const Texts& cells) {
        std::string row;
        for (const std::string& c : cells) row += (row.empty() ? "" : " ") + (c.empty() ? "-" : c);
        return row;
    }
    // Cells left blank, as Rows shows them.
    static std::string Blanks(int n) {
        std::string cells;
        for (int i = 0; i < n; ++i) cells += " -";
        return cells;
    }
    Texts Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }

    test::FsuFile f{"10001", 1};
    test::StandInPacket packet;
    test::StandInScreen blocks12, block62;
    LazyForm<orcl_211h> block7{f.s};
    LazyForm<orcl_211I> block8{f.s};
    GridBlockScreen* screen = nullptr;
};

TEST(TripBlocksRegistry, TheProgramHoldsBlocksSevenAndEightAtElevenAndTwelve) {
    test::FsuFile f{"10001", 1};
    test::StandInPacket packet;
    f.s.Packet = &packet;
    f.s.CurSss = "1";
    f.s.CurSsu = "01";
    BlockScreens screens(f.s);
    f.s.FormTable[11]->Show();
    ASSERT_NE(screens.Current<orcl_211h>(11), nullptr);
    EXPECT_EQ(f.s.CurFormIndex, 11);
    f.s.FormTable[12]->Show();
    ASSERT_NE(screens.Current<orcl_211I>(12), nullptr);
    EXPECT_EQ(f.s.CurFormIndex, 12);
}

TEST_F(TripBlocksTest, EachScreenShowsItsHeadingsAndItsHeaderInItsOwnOrder) {
    struct Case {
        int index;
        QString title;
        Texts header;
    };
    const Case cases[] = {
        {11,
         "Block-7. Particulars and expenditure of same day trips completed by hhd members during last 30 "
         "days "
         "(level - 16)",
         {"USER CODE:", "FSUNO:", "SU NO:", "SSS NO:", "SHH NO."}},
        {12,
         "Block-8. Particulars and expenditure of special domestic trips duration more than 180 days "
         "but uptu 365 days  (Level - 17)",
         {"USER CODE:", "FSUNO:", "SSS NO:", "SU NO:", "SHH NO."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        OpenBlock(c.index);
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(f.s.CurFormIndex, c.index);
        EXPECT_EQ(screen->Label21->text(), "SCHEDULE 21.1:DOMESTIC TOURISM EXPENDITURE");
        EXPECT_EQ(screen->Label2->text(), c.title);
        EXPECT_EQ(screen->Label30->text(), "&Go to Blk:");
        EXPECT_EQ(screen->Label6->text(),
                  "Press ESC twice before leaving blank new record marked *  in the GRID");
        ASSERT_NE(screen->CmdValHH, nullptr);
        Texts header;
        for (QLabel* l : screen->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (l != screen->Label30 && (l->text().endsWith(':') || l->text() == "SHH NO."))
                header.push_back(l->text().toStdString());
        EXPECT_EQ(header, c.header);
        EXPECT_EQ((Texts{screen->Lbusercode->text().toStdString(), screen->lbfsu->text().toStdString(),
                         screen->lbseg->text().toStdString(), screen->lbsss->text().toStdString(),
                         screen->lbssu->text().toStdString()}),
                  (Texts{"OPR1", "10001", "", "1", "01"}));
        // An empty block opens on one stamped row, the cursor on its serial number.
        EXPECT_EQ(Grid()->RecordCount(), 1);
        EXPECT_TRUE(Grid()->IsNewRow(0));
        EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
        EXPECT_EQ(Grid()->FieldText(0, "SSU"), "01");
        EXPECT_EQ(Focus(), Grid()->View());
        screen->Unload();
    }
}

TEST_F(TripBlocksTest, OnlyTheTripColumnsShowEachWithSixCaptionLinesAndItsWidth) {
    struct Case {
        int index;
        std::vector<int> widths;  // from SLNO on
        std::vector<std::pair<int, QString>> captions;
    };
    const Case cases[] = {
        {11,
         {600, 800,  800,  900,  900,  900,  900,  700,  700,  700,  600, 900,
          900, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200},
         {{SLNO, " \n \nSrl\nNo.\n\nC(1)"},
          {Col(3), "lea\nding\npur\npose\n\nC(3)"},
          {Col(10), "med\nical\n \n\n \nC(10)"},
          {Col(14), "int\ner\nnet\n\n\nC(14)"},
          {Col(23), "sat\nis\nfied\ntour\nguid\nC(23)"}}},
        {12,
         {600, 800, 800, 800, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200, 1200},
         {{Col(2), "no.\nof\nhhd\nmems\n\nC(2)"},
          {Col(3), "lead\ning\npur\npose\n\nC(3)"},
          {Col(5), "night\nout\nside\nUPR\n\nC(5)"},
          {Col(6), "int\ner\nnet\n\n\nC(6)"},
          {Col(12), "sat\nis\nfied\ntrns\nprt\nC(12)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        OpenBlock(c.index);
        const int last = SLNO + static_cast<int>(c.widths.size()) - 1;
        for (int col = 0; col < Grid()->ColumnCount(); ++col) {
            SCOPED_TRACE(Grid()->DataField(col));
            const bool shown = col >= SLNO && col <= last;
            EXPECT_EQ(Grid()->ColumnVisible(col), shown);
            if (!shown) continue;
            const QStringList lines = Grid()->ColumnCaption(col).split('\n');
            EXPECT_EQ(lines.size(), 6);
            EXPECT_EQ(lines.back(), QString("C(%1)").arg(col - 4));
            EXPECT_EQ(Grid()->ColumnWidthTwips(col), c.widths[static_cast<size_t>(col - SLNO)]);
        }
        for (const auto& [col, caption] : c.captions) EXPECT_EQ(Grid()->ColumnCaption(col), caption);
        screen->Unload();
    }
}

TEST_F(TripBlocksTest, EachColumnRuleAcceptsOrRefusesWithItsMessages) {
    const std::string huge = "99999999999999999999999";
    auto width = [](int n) { return "field length exceeds field size field size = " + std::to_string(n); };
    struct Case {
        int column;
        std::string typed;  // a text starting with a blank is put into the cell, as no key can type it
        Texts messages;     // none: accepted, and the cursor moves one column right
    };
    const std::vector<Case> block7Cases = {
        {SLNO, "", {"numeric positive entry please"}},
        {SLNO, "  ", {"numeric positive entry please"}},
        {SLNO, "0", {"positive entry please"}},
        {SLNO, "00", {"positive entry please"}},
        {SLNO, "#", {"numeric positive entry please"}},
        // Too long for any number, it still reads by its value: only the width refuses it.
        {SLNO, huge, {width(2)}},
        {SLNO, "7", {}},
        {Col(2), "", {"numeric positive entry please"}},
        {Col(2), "0", {"positive entry please"}},
        {Col(2), huge, {width(2)}},
        {Col(2), "12", {}},
        {Col(3), "8", {"code 1 to 7 or 9 please"}},
        {Col(3), "0", {"code 1 to 7 or 9 please"}},
        {Col(3), "12", {width(1), "code 1 to 7 or 9 please"}},
        {Col(3), huge, {width(1), "code 1 to 7 or 9 please"}},
        {Col(3), " ", {"numeric entry please"}},
        {Col(3), "&", {"numeric entry please"}},
        {Col(3), "", {}},
        {Col(3), "9", {}},
        {Col(4), "12345678", {width(7)}},
        {Col(4), "1(", {"numeric entry please"}},
        {Col(4), "", {}},
        {Col(4), "1234567", {}},
        {Col(13), "9999999", {}},
        {Col(14), huge, {width(1), "code 1 or 2 please"}},
        {Col(17), "2", {}},
        {Col(18), "3", {"code 1, 2 or 9 please"}},
        {Col(21), "0", {"code 1, 2 or 9 please"}},
        {Col(22), "1", {}},
    };
    const std::vector<Case> block8Cases = {
        {SLNO, "", {"numeric positive entry please"}},
        {SLNO, "0", {"positive entry please"}},
        {Col(2), "00", {"positive entry please"}},
        {Col(2), huge, {width(2)}},
        {Col(2), "4", {}},
        {Col(3), "8", {"code 1 to 7 or 9 please"}},
        {Col(3), "9", {}},
        {Col(4), "123456789", {width(8)}},
        {Col(4), "12345678", {}},
        {Col(5), "1234", {width(3)}},
        {Col(5), "365", {}},
        {Col(6), "12", {width(1), "code 1 or 2 please"}},
        {Col(9), "", {}},
        {Col(13), "3", {"code 1, 2 or 9 please"}},
        {Col(14), "#", {"numeric entry please"}},
    };
    // Code 9 (not used) is taken only by the four satisfaction columns: 18 to 21
    // of block 7, 10 to 13 of block 8; the other codes of the trip's services are 1 or 2.
    auto nineOnServices = [](std::vector<Case> cases, int first, int firstSatisfaction) {
        for (int n = first; n < first + 10; ++n) {
            const bool satisfaction = n >= firstSatisfaction && n < firstSatisfaction + 4;
            cases.push_back({Col(n), "9", satisfaction ? Texts{} : Texts{"code 1 or 2 please"}});
        }
        return cases;
    };
    for (int index : {11, 12}) {
        SCOPED_TRACE(index);
        OpenBlock(index);
        for (const Case& c :
             index == 11 ? nineOnServices(block7Cases, 14, 18) : nineOnServices(block8Cases, 6, 10)) {
            SCOPED_TRACE(Grid()->DataField(c.column) + " \"" + c.typed + "\"");
            At(0, c.column);
            Clear();
            if (!c.typed.empty() && c.typed[0] == ' ')
                Grid()->SetCurrentCellText(c.typed);
            else
                Type(c.typed);
            Key(Qt::Key_Return);
            EXPECT_EQ(Messages(), c.messages);
            if (c.messages.empty()) {
                EXPECT_EQ(Grid()->CurrentColumn(), c.column + 1);
                EXPECT_EQ(Grid()->FieldText(0, Grid()->DataField(c.column)), c.typed == "7" ? "07" : c.typed);
            } else {
                // The refused text stays in the cell, with the cursor.
                EXPECT_EQ(Grid()->CurrentColumn(), c.column);
                EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
                if (Grid()->IsEditing()) Key(Qt::Key_Escape);
            }
        }
        // No letter gets into a cell: it beeps and acts as a Backspace.
        At(0, Col(4));
        Clear();
        Type("5a");
        EXPECT_EQ(Messages(), Texts{"numeric entry please"});
        EXPECT_EQ(Grid()->CurrentCellText(), "");
        Key(Qt::Key_Escape);
        screen->Unload();
    }
}

TEST_F(TripBlocksTest, ATripKeyedByEnterIsStoredAndTheLastColumnLeadsToTheNextRow) {
    Open(block7);
    for (size_t i = 0; i + 2 < kBlock7Trip.size(); ++i) Enter(kBlock7Trip[i]);
    EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
    ASSERT_EQ(Grid()->CurrentColumn(), Col(22));
    Enter(kBlock7Trip[21]);
    EXPECT_EQ(Grid()->CurrentColumn(), Col(23));
    EXPECT_EQ(Grid()->CurrentRow(), 0);
    Enter(kBlock7Trip[22]);
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_EQ(Grid()->RecordCaption(), "Record  0/1");
    const std::string stored = "01" + Joined(kBlock7Trip).substr(1);
    EXPECT_EQ(Block7Rows(), Texts{stored});

    // A second trip left in hand by Next is stored, and no question is asked of a
    // block that has rows.
    KeyRow({"2", "1", "1"});
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
    EXPECT_EQ(Block7Rows(), (Texts{stored, "02 1 1" + Blanks(20)}));
    ASSERT_NE(Shown(), nullptr);
    EXPECT_EQ(block8.Current(), Shown());
    EXPECT_EQ(f.s.CurFormIndex, 12);

    // Block 8 likewise, ended on its column 15.
    screen = Shown();
    KeyRow(kBlock8Trip);
    EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Block8Rows(), Texts{"01" + Joined(kBlock8Trip).substr(1)});

    // Both blocks as keyed pass their checks.
    for (int index : {11, 12}) {
        ValidationRun run(f.s, ValidationRun::Kind::AsIs);
        f.s.ValBlockNo = index == 11 ? 7 : 8;
        const int rows = LoadTableData(f.s, index);
        index == 11 ? ValBlk211_7(f.s, rows) : ValBlk211_8(f.s, rows);
        EXPECT_EQ(f.ErrorLines(), Texts{}) << index;
    }
}

TEST_F(TripBlocksTest, EmptyBlocksAskBeforeNextAndPrevAndBlockEightLeadsBackToPacket) {
    Open(block7);
    // Esc twice drops the new row that was begun without a serial number.
    At(0, Col(2));
    Type("3");
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    EXPECT_EQ(Grid()->RecordCount(), 0);

    f.messages.Answer(false);
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"current block is empty. Do you want to Proceed?"});
    EXPECT_EQ(Shown(), block7.Current());
    EXPECT_EQ(f.s.CurFormIndex, 11);

    Clear();
    f.messages.Answer(true);
    Click(screen->CmdPrev);
    EXPECT_EQ(Messages(), Texts{"current block is empty. Do you want to Proceed?"});
    EXPECT_EQ(block62.shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 10);
    EXPECT_EQ(Shown(), nullptr);

    // Block 8 with no stored row: the question first, then packet with its go-to box.
    Open(block8);
    Clear();
    f.messages.Answer(false);
    Click(screen->CmdNext);
    EXPECT_EQ(packet.returns, 0);
    f.messages.Answer(true);
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), (Texts{"current block is empty. Do you want to Proceed?",
                                 "current block is empty. Do you want to Proceed?"}));
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(f.s.CurFormIndex, 0);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_TRUE(Block8Rows().empty());

    // With a stored trip, Prev from block 8 goes to block 7 without a question.
    f.Insert("S211L09", {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}, {"SLNO", "01"}});
    Open(block8);
    Clear();
    Click(screen->CmdPrev);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Shown(), block7.Current());
    EXPECT_EQ(f.s.CurFormIndex, 11);
}

TEST_F(TripBlocksTest, GoToBlkOpensTheTypedBlockAndReadsBlanksOnBlockSevenAsBlocksOneAndTwo) {
    struct Case {
        int index;
        std::string typed;
        int opens;  // the screen shown; the same index: it stays, the focus in its box
        bool beeps;
    };
    const Case cases[] = {
        {11, "7", 11, false},  {11, "", 11, false},    {11, "abc", 11, true},
        {11, "   ", 4, false}, {11, "8", 12, false},   {11, "6.2", 10, false},
        {12, "8", 12, false},  {12, "   ", 12, false}, {12, "7", 11, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.index) + " \"" + c.typed + "\"");
        GridBlockScreen* opened = OpenBlock(c.index);
        ASSERT_NE(opened, nullptr);
        const int standIns = blocks12.shown + block62.shown;
        Clear();
        GoTo(c.typed);
        using Told = std::vector<test::ScriptedMessages::Shown>;
        EXPECT_EQ(f.messages.shown, (c.beeps ? Told{{"beep", ""}} : Told{}));
        GridBlockScreen* now = Shown();
        if (c.opens == c.index) {
            EXPECT_EQ(now, opened);
            EXPECT_EQ(Focus(), opened->Text3);
        } else if (c.opens == 11 || c.opens == 12) {
            EXPECT_EQ(now,
                      c.opens == 11 ? static_cast<GridBlockScreen*>(block7.Current()) : block8.Current());
            EXPECT_NE(now, opened);
        } else {
            EXPECT_EQ(now, nullptr);
            EXPECT_EQ((c.opens == 4 ? blocks12 : block62).shown, 1);
            EXPECT_EQ(blocks12.shown + block62.shown, standIns + 1);
        }
        if (c.opens == c.index || c.opens == 11 || c.opens == 12) {
            EXPECT_EQ(f.s.CurFormIndex, c.opens);
        }
        if (now) now->Unload();
        test::FlushDeletes();
    }
}

TEST_F(TripBlocksTest, ValidationsStoreTheRowInHandAndListTheirChecksUnderTheirCaptions) {
    f.Insert("val_error", {{"fsuno", "10001"}, {"blk", "B1"}, {"msg1", "from an earlier run"}});
    struct Case {
        int index;
        double blockNo;
        std::function<void(SharedState&, int)> check;
        QString householdCaption;
    };
    const Case cases[] = {
        {11, 7, ValBlk211_7, "List of Error Messages detected by Data Validation Checks Household level"},
        {12, 8, ValBlk211_8, "List of Error Messages detected by Data Validation Checks block level"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        OpenBlock(c.index);
        // An empty block is not checked, and the earlier list stays.
        const Texts earlier = f.ErrorLines();
        Clear();
        Click(screen->Cmdval);
        EXPECT_EQ(Messages(), Texts{"block contains no records"});
        EXPECT_EQ(f.ErrorLines(), earlier);
        EXPECT_TRUE(screen->DataGrid->isHidden());

        // A trip with a purpose that is no code, still in hand when Validate Block is clicked.
        Clear();
        KeyRow({"1", "2"});
        Grid()->SetCurrentCellText("8");
        Click(screen->Cmdval);
        EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
        EXPECT_EQ(Read("select count(*) from " + std::string(c.index == 11 ? "S211L08" : "S211L09")), "1");
        const Texts listed = f.ErrorLines();
        EXPECT_TRUE(std::any_of(listed.begin(), listed.end(), [](const std::string& l) {
            return l.find("|01|3|invalid code|") != std::string::npos;
        })) << testing::PrintToString(listed);
        {
            ValidationRun run(f.s, ValidationRun::Kind::AsIs);
            f.s.ValBlockNo = c.blockNo;
            c.check(f.s, LoadTableData(f.s, c.index));
            run.Commit();
        }
        EXPECT_EQ(f.ErrorLines(), listed);
        EXPECT_FALSE(screen->DataGrid->isHidden());
        EXPECT_EQ(screen->DataGrid->Caption(),
                  "List of Error Messages detected by Data Validation Checks block level");
        EXPECT_EQ(screen->DataGrid->RecordCount(), static_cast<int>(listed.size()));

        Click(screen->CmdValHH);
        const Texts household = f.ErrorLines();
        {
            ValidationRun run(f.s, ValidationRun::Kind::AsIs);
            ValHH211(f.s);
            run.Commit();
        }
        EXPECT_EQ(f.ErrorLines(), household);
        EXPECT_EQ(screen->DataGrid->Caption(), c.householdCaption);
        EXPECT_EQ(screen->DataGrid->RecordCount(), static_cast<int>(household.size()));
        screen->Unload();
    }
}

TEST_F(TripBlocksTest, ARowTheFileRefusesKeepsTheScreenAndItsErrorList) {
    f.Insert("val_error", {{"fsuno", "10001"}, {"blk", "B1"}, {"msg1", "from an earlier run"}});
    test::RefuseWrites(*f.s.FsuConn, "S211L09", "insert", "disk refused");
    Open(block8);
    KeyRow({"1", "2"});
    for (QPushButton* b :
         {screen->Cmdval, screen->CmdValHH, screen->CmdNext, screen->CmdPrev, screen->exit}) {
        SCOPED_TRACE(b->text().toStdString());
        Clear();
        Click(b);
        ASSERT_EQ(f.messages.shown.size(), 1u) << testing::PrintToString(Messages());
        EXPECT_EQ(f.messages.shown[0].kind, "ok");
        EXPECT_NE(f.messages.shown[0].text.find("disk refused"), std::string::npos);
        EXPECT_EQ(Shown(), screen);
        EXPECT_EQ(f.s.CurFormIndex, 12);
        EXPECT_TRUE(Grid()->IsNewRow(0));
        EXPECT_EQ(Grid()->FieldText(0, "B8C2"), "2");
        // The check did not run on what the file holds.
        EXPECT_EQ(f.ErrorLines().size(), 1u);
        EXPECT_TRUE(screen->DataGrid->isHidden());
    }
    EXPECT_EQ(packet.returns, 0);
    EXPECT_EQ(block7.Current(), nullptr);

    f.s.FsuConn->Execute("drop trigger refuse_insert_S211L09");
    Clear();
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(Block8Rows(), Texts{"01 2" + Blanks(13)});
}

TEST_F(TripBlocksTest, LeavingTheGridFromTheLastColumnOfTheLastRowStoresItAndFailsNothing) {
    for (int index : {11, 12}) {
        SCOPED_TRACE(index);
        const Texts& trip = index == 11 ? kBlock7Trip : kBlock8Trip;
        OpenBlock(index);
        // The trip's last cell typed but not entered; the mouse takes the focus to Refresh.
        for (size_t i = 0; i + 1 < trip.size(); ++i) Enter(trip[i]);
        Type(trip.back());
        Clear();
        test::ClickInWindow(screen, screen->Refresh);
        EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
        EXPECT_EQ(Shown(), screen);
        EXPECT_EQ(Grid()->RecordCount(), 1);
        EXPECT_FALSE(Grid()->IsNewRow(0));

        // Again from the stored row's last column, which is the last row: nothing to step to but "*".
        At(0, Col(static_cast<int>(trip.size())));
        test::ClickInWindow(screen, screen->Cmdval);
        EXPECT_EQ(Shown(), screen);
        EXPECT_TRUE(std::none_of(f.messages.shown.begin(), f.messages.shown.end(), [](const auto& m) {
            return m.kind == "ok";
        })) << testing::PrintToString(Messages());
        EXPECT_EQ(index == 11 ? Block7Rows().size() : Block8Rows().size(), 1u);
        screen->Unload();
        test::FlushDeletes();
    }
}

}  // namespace
}  // namespace r78
