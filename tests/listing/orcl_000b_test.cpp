#include "listing/orcl_000b.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTest>
#include <QWindow>
#include <functional>

#include "control/FsuRegistration.h"
#include "core/Loader.h"
#include "listing/orcl_000c.h"
#include "platform/ui/Keys.h"
#include "screens/LazyForm.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"
#include "validation/ErrorLog.h"
#include "validation/ValidationRun.h"
#include "validation/checks_000.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::Focus;
using test::Key;
using test::KeyRow;
using test::Type;

using Texts = std::vector<std::string>;

// The listing's block 6 of FSU 10003, with both parts in the block-screen table
// and a stand-in for blocks 1-2.
class Block6Test : public ::testing::Test {
protected:
    enum Col {
        SEGPOP = 3,
        SSS = 4,
        CAPH = 5,
        SELH = 6,
        SURVD = 7,
        SSURVD = 8,
        TSURVD = 9,
        CASUALTY = 10,
        REPLHHD = 11
    };

    Block6Test() {
        LoadSampleList(f.s, "10003");
        f.s.FormTable[0] = &packet;
        f.s.Packet = &packet;
        f.s.FormTable[1] = &block1;
        f.s.FormTable[2] = &partA;
        f.s.FormTable[3] = &partB;
        f.s.SegPopFsu = "10003";
    }

    template <class Screen>
    void Open(LazyForm<Screen>& form) {
        form.Show();
        screen = form.Current();
        ASSERT_NE(screen, nullptr);
        Activate();
    }
    void Activate() {
        QApplication::setActiveWindow(screen);
        QApplication::processEvents();
    }
    bool Gone(FormHandle& form) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (&form == &partA) return partA.Current() == nullptr;
        return partB.Current() == nullptr;
    }

    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    void At(int row, int column) { Grid()->SetCurrentCell(row, column); }
    void ClickInWindow(QWidget* target) { test::ClickInWindow(screen, target); }
    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    // The stored rows as "SCH SEGPOP SSS CAPH ... REPLHHD", Null as "-".
    Texts Rows(const std::string& table) {
        Texts rows;
        auto rs = f.s.FsuConn->Query(
            "select coalesce(SCH,'-'), coalesce(SEGPOP,'-'), coalesce(SSS,'-'), coalesce(CAPH,'-'), "
            "coalesce(SELH,'-'), coalesce(SURVD,'-'), coalesce(SSURVD,'-'), coalesce(TSURVD,'-'), "
            "coalesce(Casualty,'-'), coalesce(REPLHHD,'-') from " +
            table + " order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            std::string row;
            for (int i = 0; i < rs.FieldCount(); ++i) row += (i ? " " : "") + rs.Field(i).Text();
            rows.push_back(row);
        }
        return rows;
    }
    Texts Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }

    test::FsuFile f{"10003", 0};
    test::StandInPacket packet;
    test::StandInScreen block1;
    LazyForm<orcl_000b> partA{f.s};
    LazyForm<orcl_000c> partB{f.s};
    GridBlockScreen* screen = nullptr;
};

TEST_F(Block6Test, AnEmptyBlockOpensOnOneStampedRowWithTheCursorInItsFirstEditColumn) {
    struct Part {
        LazyForm<orcl_000b>* a;
        LazyForm<orcl_000c>* b;
        int index;
        const char* sch;
        int first;
        QString title;
    };
    for (const Part& p :
         {Part{&partA, nullptr, 2, "211", SEGPOP,
               "Block -6-PT-A.  Particulars of Sampling  of households ( Sch 21.1) (Level - 02)"},
          Part{nullptr, &partB, 3, "051", SSS,
               "Block -6-PT-B.  Particulars of Sampling  of households ( Sch 5.1) (Level - 03)"}}) {
        SCOPED_TRACE(p.sch);
        if (p.a) Open(*p.a);
        if (p.b) Open(*p.b);
        auto* listing = static_cast<ListingBlock6Screen*>(screen);
        EXPECT_EQ(f.s.CurFormIndex, p.index);
        EXPECT_EQ(screen->windowTitle(), "Data Entry TQS 78th Round");
        EXPECT_EQ(listing->Level25->text(), "LISTING SCHEDULE");
        EXPECT_EQ(listing->Label25->text(), "SCHEDULE 0.0 ");
        EXPECT_EQ(listing->Label2->text(), p.title);
        EXPECT_EQ(screen->Label6->text(),
                  "Press ESC twice before leaving blank new record marked *  in the GRID");
        EXPECT_EQ(screen->Lbusercode->text(), "OPR1");
        EXPECT_EQ(screen->Lbfsuno->text(), "10003");
        EXPECT_EQ(screen->Label30->text(), "&Go to Blk:");
        EXPECT_EQ(screen->Refresh->text(), "&1. Refresh");
        EXPECT_EQ(screen->CmdNext->text(), "&2. Next");
        EXPECT_EQ(screen->exit->text(), "&3. Save&&Exit");
        EXPECT_EQ(screen->Cmdval->text(), "&4. Validate Block");
        EXPECT_EQ(screen->CmdPrev->text(), "&6. Previous");
        EXPECT_EQ(screen->CmdValHH, nullptr);
        EXPECT_TRUE(screen->DataGrid->isHidden());

        EXPECT_EQ(Grid()->RecordCount(), 1);
        EXPECT_TRUE(Grid()->IsNewRow(0));
        EXPECT_EQ(Grid()->CurrentRow(), 0);
        EXPECT_EQ(Grid()->CurrentColumn(), p.first);
        EXPECT_EQ(Grid()->RecordCaption(), "Record  1/1");
        for (auto [field, value] : std::vector<std::pair<const char*, std::string>>{{"DPC", "101"},
                                                                                    {"SCH", p.sch},
                                                                                    {"FSUNO", "10003"},
                                                                                    {"creby", "OPR1"},
                                                                                    {"credate", "200315"}})
            EXPECT_EQ(Grid()->FieldText(0, field), value) << field;
        EXPECT_EQ(Focus(), Grid()->View());
        screen->Unload();
    }
}

TEST_F(Block6Test, ColumnsAreCaptionedByTheirFieldsAndTheRestHidden) {
    const std::vector<std::tuple<int, QString, int>> common{
        {SSS, "Second\nstage\nStratum\nC(3)", 1200},      {CAPH, "No of\nHholds\nListd(H)\nC(4)", 1200},
        {SELH, "No of\nHholds\nSelctd(h)\nC(5)", 1200},   {SURVD, "No Survd\nHholds\nOriginal\nC(6)", 1200},
        {SSURVD, "No Survd\nHholds\nSubst.\nC(7)", 1200}, {TSURVD, "Tot Survd\nCol.6+\nCol.7\nC(8)", 1200},
        {CASUALTY, "Casulty\nCol.5-\nCol.8\nC(9)", 1400},
    };
    auto check = [&](std::vector<std::tuple<int, QString, int>> shown) {
        for (int c = 0; c < Grid()->ColumnCount(); ++c) {
            SCOPED_TRACE(Grid()->DataField(c));
            auto it =
                std::find_if(shown.begin(), shown.end(), [c](const auto& t) { return std::get<0>(t) == c; });
            EXPECT_EQ(Grid()->ColumnVisible(c), it != shown.end());
            if (it == shown.end()) continue;
            EXPECT_EQ(Grid()->ColumnCaption(c), std::get<1>(*it));
            EXPECT_EQ(Grid()->View()->columnWidth(c), ui::TwipsToPixels(std::get<2>(*it)));
        }
    };
    Open(partA);
    auto shownA = common;
    shownA.insert(shownA.begin(), {SEGPOP, "SEG\nPopula-\nlation\nC(2)", 1200});
    check(shownA);
    screen->Unload();
    Open(partB);
    auto shownB = common;
    shownB.push_back({REPLHHD, "No of\nhhlds\nreplaced\nC(10)", 1400});
    check(shownB);
}

TEST_F(Block6Test, EachColumnRuleAcceptsOrRefusesWithItsMessage) {
    f.s.SegPop = "";
    Open(partA);
    struct Case {
        int column;
        const char* typed;
        Texts messages;  // none: accepted, and the cursor moves one column right
    };
    const char* width1 = "field length exceeds field size field size = 1";
    const Case cases[] = {
        {SEGPOP, "10001", {"abnormal popln!"}},
        {SEGPOP, "1#", {"numeric entry please"}},
        {SEGPOP,
         "999999999999999999999999",
         {"field length exceeds field size field size = 5", "abnormal popln!"}},
        {SEGPOP, "10000", {}},
        {SSS, "6", {"SSS entry 1 to 5 and  9 for all please"}},
        {SSS, "0", {"SSS entry 1 to 5 and  9 for all please"}},
        {SSS, "", {"numeric entry please"}},
        {SSS, "#", {"numeric entry please"}},
        {SSS, "12", {width1, "SSS entry 1 to 5 and  9 for all please"}},
        {SSS, "99999999999999999999999", {width1, "SSS entry 1 to 5 and  9 for all please"}},
        {SSS, "9", {}},
        {CAPH, "3#", {"numeric entry please"}},
        {CAPH, "12345", {"field length exceeds field size field size = 4"}},
        {CAPH, "", {}},
        {SELH, "123", {"field length exceeds field size field size = 2"}},
        {SELH, "05", {}},
        {SURVD, "", {}},
        {SSURVD, "1", {}},
        {TSURVD, "(", {"numeric entry please"}},
        {TSURVD, "1", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.column) + " \"" + c.typed + "\"");
        At(0, c.column);
        Clear();
        if (*c.typed) Type(c.typed);
        Key(Qt::Key_Return);
        EXPECT_EQ(Messages(), c.messages);
        if (c.messages.empty()) {
            EXPECT_EQ(Grid()->CurrentColumn(), c.column + 1);
            EXPECT_EQ(Grid()->FieldText(0, Grid()->DataField(c.column)), c.typed);
        } else {
            // The refused text stays in the cell, with the cursor.
            EXPECT_EQ(Grid()->CurrentColumn(), c.column);
            EXPECT_EQ(Grid()->CurrentCellText(), c.typed);
            // One Esc reverts a cell being edited; a second would cancel the row.
            if (Grid()->IsEditing()) Key(Qt::Key_Escape);
        }
    }
    EXPECT_EQ(f.s.SegPop, "10000");
    EXPECT_TRUE(Rows("S000L02").empty());

    // The last edit column leads to the next row, which is the "*" line: the row is written.
    At(0, CASUALTY);
    Clear();
    Enter("0");
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SEGPOP);
    EXPECT_EQ(Grid()->RecordCaption(), "Record  0/1");
    EXPECT_EQ(Rows("S000L02"), Texts{"211 10000 9 - 05 - 1 1 0 -"});

    // A letter beeps and acts as a Backspace.
    At(0, CAPH);
    Clear();
    Type("3a");
    EXPECT_EQ(Messages(), Texts{"numeric entry please"});
    EXPECT_EQ(Grid()->CurrentCellText(), "");
}

TEST_F(Block6Test, PartBTakesItsReplacedHouseholdsAndEndsItsRowThere) {
    Open(partB);
    KeyRow({"2", "40", "4", "3", "1", "4", "0"});
    EXPECT_EQ(Grid()->CurrentColumn(), REPLHHD);
    Enter("5");
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Grid()->OnNewRowLine());
    EXPECT_EQ(Grid()->CurrentColumn(), SSS);
    EXPECT_EQ(Rows("S000L03"), Texts{"051 - 2 40 4 3 1 4 0 5"});
}

TEST_F(Block6Test, SegmentPopulationIsRememberedAndFillsBlankCells) {
    f.s.SegPop = "";
    Open(partA);
    // Leading zeros go; the cell keeps what was typed.
    KeyRow({"00500", "1", "10", "2", "2", "0", "2", "0"});
    EXPECT_EQ(f.s.SegPop, "500");
    // A blank cell of the next row takes it.
    Clear();
    Key(Qt::Key_Return);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->FieldText(1, "SEGPOP"), "500");
    // Another value keyed while one is remembered does not replace it.
    At(1, SEGPOP);
    Enter("600");
    EXPECT_EQ(f.s.SegPop, "500");

    // A correction in a stored row of a stratum 1 to 5 is remembered when taken into the row...
    At(0, SEGPOP);
    Type("700");
    Key(Qt::Key_Tab);
    EXPECT_EQ(f.s.SegPop, "700");
    // ...and a segment population emptied there is filled back from it.
    At(0, SEGPOP);
    Grid()->SetCurrentCellText("");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->FieldText(0, "SEGPOP"), "700");
    Key(Qt::Key_Down);
    EXPECT_EQ(Read("select SEGPOP from S000L02 where SSS = '1'"), "700");

    // A remembered value that is no number is taken as none.
    f.s.SegPop = "12#";
    At(1, SEGPOP);
    Grid()->SetCurrentCellText("");
    Clear();
    Key(Qt::Key_Return);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Grid()->FieldText(1, "SEGPOP"), "");
    At(1, SEGPOP);
    Enter("300");
    EXPECT_EQ(f.s.SegPop, "300");
}

TEST_F(Block6Test, SegmentPopulationComesFromTheFsuOwnRowsAndNeverFromAnotherFsu) {
    // Left over from another FSU: a new FSU starts without one.
    f.s.SegPop = "900";
    f.s.SegPopFsu = "10001";
    Open(partA);
    Key(Qt::Key_Return);
    EXPECT_EQ(Grid()->FieldText(0, "SEGPOP"), "");
    EXPECT_EQ(f.s.SegPop, "");
    EXPECT_EQ(f.s.SegPopFsu, "10003");
    screen->Unload();

    // Stored strata 1 to 5 give it at load; the total row (9) does not.
    f.Insert("S000L02", {{"FSUNO", "10003"}, {"SSS", "2"}, {"SEGPOP", "450"}});
    f.Insert("S000L02", {{"FSUNO", "10003"}, {"SSS", "9"}, {"SEGPOP", "999"}});
    f.Insert("S000L02", {{"FSUNO", "10001"}, {"SSS", "1"}, {"SEGPOP", "111"}});
    Open(partA);
    EXPECT_EQ(f.s.SegPop, "450");
    screen->Unload();

    // Part B's rows of the same FSU carry it over, an empty SEGPOP included.
    f.Insert("S000L03", {{"FSUNO", "10003"}, {"SSS", "1"}});
    Open(partB);
    EXPECT_EQ(f.s.SegPop, "");
    screen->Unload();
    f.s.FsuConn->Execute("delete from S000L03");
    f.s.SegPop = "450";
    Open(partB);
    EXPECT_EQ(f.s.SegPop, "450");
}

TEST_F(Block6Test, DropBlankGridRowDropsOnlyANewRowWithABlankKey) {
    // Untouched: the empty block stays empty.
    Open(partA);
    Click(screen->CmdNext);
    EXPECT_TRUE(Gone(partA));
    EXPECT_TRUE(Rows("S000L02").empty());
    ASSERT_NE(partB.Current(), nullptr);
    EXPECT_EQ(f.s.CurFormIndex, 3);
    partB.Current()->Unload();

    // Part A needs both SEGPOP and SSS.
    Open(partA);
    Enter("500");
    screen->DropBlankGridRow();
    EXPECT_EQ(Grid()->RecordCount(), 0);
    EXPECT_EQ(Grid()->CurrentColumn(), SSS);
    Type("500");  // a new row begins at SEGPOP
    At(0, SSS);
    Type("5");
    screen->DropBlankGridRow();
    EXPECT_EQ(Grid()->RecordCount(), 1);
    screen->Unload();

    // Part B needs SSS only.
    Open(partB);
    Type("3");
    screen->DropBlankGridRow();
    EXPECT_EQ(Grid()->RecordCount(), 1);
    screen->Unload();

    // A stored row with a blank SSS keeps the correction keyed into it.
    f.Insert("S000L02", {{"FSUNO", "10003"}, {"SEGPOP", "500"}, {"CAPH", "3"}});
    Open(partA);
    At(0, CAPH);
    Type("7");
    screen->DropBlankGridRow();
    EXPECT_EQ(Grid()->RecordCount(), 1);
    Click(screen->exit);
    EXPECT_EQ(Read("select CAPH from S000L02"), "7");
}

TEST_F(Block6Test, NextPrevAndExitStoreTheRowInHandAndLeadOn) {
    Open(partA);
    Type("500");
    Key(Qt::Key_Tab);
    Type("1");
    Key(Qt::Key_Tab);
    Type("12");  // still in its editor
    Click(screen->CmdNext);
    EXPECT_TRUE(Gone(partA));
    EXPECT_EQ(Rows("S000L02"), Texts{"211 500 1 12 - - - - - -"});
    ASSERT_NE(partB.Current(), nullptr);
    screen = partB.Current();
    Activate();

    Type("1");
    Click(screen->CmdPrev);
    EXPECT_TRUE(Gone(partB));
    EXPECT_EQ(Rows("S000L03"), Texts{"051 - 1 - - - - - - -"});
    EXPECT_EQ(f.s.CurFormIndex, 2);
    screen = partA.Current();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(Grid()->RecordCount(), 1);
    EXPECT_EQ(Grid()->CurrentRow(), 0) << "a block with rows opens on its last row";

    Click(screen->CmdPrev);
    EXPECT_EQ(block1.shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 1);

    Open(partB);
    At(1, SSS);
    Type("2");
    Click(screen->CmdNext);
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(f.s.CurFormIndex, 0);
    EXPECT_EQ(Rows("S000L03").size(), 2u);

    Open(partA);
    At(1, SEGPOP);
    Type("500");
    Click(screen->exit);
    EXPECT_EQ(packet.returns, 2);
    EXPECT_EQ(Rows("S000L02").size(), 2u);

    // The window's close button leaves as Save&Exit does.
    Open(partA);
    screen->close();
    QApplication::processEvents();
    EXPECT_EQ(packet.returns, 3);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Block6Test, ARowTheFileRefusesKeepsTheScreenAndTheRow) {
    f.s.FsuConn->Execute(
        "create trigger refuse before insert on S000L02 begin select raise(abort, 'disk refused'); end");
    Open(partA);
    Type("500");
    Key(Qt::Key_Tab);
    Type("1");
    for (QPushButton* b : {screen->CmdNext, screen->CmdPrev, screen->exit, screen->Cmdval, screen->Refresh}) {
        SCOPED_TRACE(b->text().toStdString());
        Clear();
        Click(b);
        ASSERT_EQ(f.messages.shown.size(), 1u);
        EXPECT_EQ(f.messages.shown[0].kind, "ok");
        EXPECT_NE(f.messages.shown[0].text.find("disk refused"), std::string::npos);
        EXPECT_FALSE(Gone(partA));
        EXPECT_EQ(f.s.CurFormIndex, 2);
        EXPECT_EQ(Grid()->FieldText(0, "SSS"), "1");
        EXPECT_TRUE(Grid()->IsNewRow(0));
    }
    EXPECT_TRUE(screen->DataGrid->isHidden());
    Clear();
    screen->Text3->setFocus();
    screen->Text3->setText("1");
    Key(Qt::Key_Return);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(block1.shown, 0);

    f.s.FsuConn->Execute("drop trigger refuse");
    Key(Qt::Key_Return);
    EXPECT_EQ(block1.shown, 1);
    EXPECT_EQ(Rows("S000L02"), Texts{"211 500 1 - - - - - - -"});
    EXPECT_EQ(packet.returns + block1.shown, 1);
}

TEST_F(Block6Test, ABlockThatCannotBeReadIsToldAndPacketComesBack) {
    f.s.FsuConn->Execute("drop table S000L03");
    partB.Show();
    EXPECT_EQ(partB.Current(), nullptr);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].text.find("S000L03"), std::string::npos) << f.messages.shown[0].text;
    EXPECT_EQ(packet.returns, 1);
}

TEST_F(Block6Test, GoToBlkSixStaysOnPartAAndLeadsBackFromPartB) {
    Open(partA);
    screen->Text3->setFocus();
    screen->Text3->setText("6");
    Key(Qt::Key_Return);
    EXPECT_FALSE(Gone(partA));
    EXPECT_EQ(Focus(), screen->Text3);
    screen->Unload();

    Open(partB);
    screen->Text3->setFocus();
    screen->Text3->setText("6");
    Key(Qt::Key_Return);
    EXPECT_TRUE(Gone(partB));
    EXPECT_NE(partA.Current(), nullptr);
}

TEST_F(Block6Test, LeavingTheGridWithAnOverlongCellKeepsTheCursorOnIt) {
    Open(partA);
    At(0, CAPH);
    Type("12345");
    ClickInWindow(screen->exit);
    EXPECT_EQ(Messages(), Texts{"field length exceeds field size field size = 4"});
    EXPECT_EQ(packet.returns, 0);
    EXPECT_EQ(Grid()->CurrentColumn(), CAPH);
    EXPECT_EQ(Grid()->CurrentCellText(), "12345");
    EXPECT_EQ(Focus(), Grid()->Editor());

    // The operator's correction lands in that cell.
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Grid()->CurrentCellText(), "1234");

    // From the last edit column the leave steps to the next row, the "*" line.
    At(0, SEGPOP);
    Type("500");
    At(0, SSS);
    Type("1");
    At(0, CASUALTY);
    Type("0");
    Clear();
    ClickInWindow(screen->Refresh);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S000L02"), Texts{"211 500 1 1234 - - - - 0 -"});
    EXPECT_EQ(Grid()->RecordCount(), 1);
}

// Every character that reaches a cell passes the key filter, however it comes:
// one typed with Alt (no access key, so it types nothing itself), each of a
// paste, a key with any modifiers, a key typing characters that are not
// printable or several at once, an input method's. Ctrl+A stays a command.
TEST_F(Block6Test, TextReachesACellOnlyThroughTheKeyFilterHoweverItComes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto pasteByMenu = [&] { test::PasteByContextMenu(Grid()->Editor()); };
    auto key = [](const char32_t* text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [=] { test::KeyTyping(QString::fromUcs4(text), modifiers); };
    };
    const Qt::KeyboardModifiers ctrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
    const Texts refused{"numeric entry please"};
    struct Case {
        const char* how;
        QString clipboard;
        std::function<void()> act;
        std::string cell;  // after "33"
        Texts messages;
    };
    const std::vector<Case> cases{
        {"Alt+K", "", [&] { Key(Qt::Key_K, Qt::AltModifier); }, "3", refused},
        {"Alt+7", "", [&] { Key(Qt::Key_7, Qt::AltModifier); }, "33", {}},
        {"Ctrl+V", "4x", [&] { Key(Qt::Key_V, Qt::ControlModifier); }, "33", refused},
        {"Shift+Insert", "12\n9", [&] { Key(Qt::Key_Insert, Qt::ShiftModifier); }, "3312", {}},
        {"the context menu", "k5", pasteByMenu, "35", refused},
        {"Ctrl+keypad +", "", key(U"+", ctrlKeypad), "3", refused},
        {"Ctrl+keypad 1", "", key(U"1", ctrlKeypad), "331", {}},
        {"Ctrl+Shift+keypad *", "", key(U"*", ctrlKeypad | Qt::ShiftModifier), "3", refused},
        {"Ctrl+Meta+K", "", key(U"k", Qt::ControlModifier | Qt::MetaModifier), "3", refused},
        {"a key typing U+200C", "", key(U"\u200C"), "3", refused},
        {"a key typing U+E000", "", key(U"\uE000"), "3", refused},
        {"a key typing U+E0041", "", key(U"\U000E0041"), "3", refused},
        {"a key typing \"1\" and U+200D", "", key(U"1\u200D"), "33", refused},
        {"an input method", "", [] { test::InputMethodCommits("\u00E9"); }, "3", refused},
        {"an input method, on the cell no longer edited",
         "",
         [&] {
             Key(Qt::Key_Escape);
             test::InputMethodCommits("5");
         },
         "5",
         {}},
        {"Ctrl+A, then 5",
         "",
         [&] {
             Key(Qt::Key_A, Qt::ControlModifier);
             Type("5");
         },
         "5",
         {}},
    };
    f.Insert("S000L03", {{"FSUNO", "10003"}, {"SSS", "1"}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        clipboard->setText(c.clipboard);
        Open(partB);
        At(0, CAPH);
        Type("33");
        Clear();
        c.act();
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Grid()->CurrentCellText(), c.cell);
        // Go to Blk 6 stores what the cell shows.
        ClickInWindow(screen->Text3);
        Type("6");
        Key(Qt::Key_Return);
        EXPECT_TRUE(Gone(partB));
        EXPECT_EQ(Read("select CAPH from S000L03"), c.cell);
        partA.Current()->Unload();
    }
}

// A cell is checked however the operator leaves it, as Enter checks it: the
// cursor stays on it with its text, and the database never has to refuse it.
TEST_F(Block6Test, ACellLeftAnyWayIsCheckedAsEnterChecksIt) {
    f.Insert("S000L03", {{"FSUNO", "10003"}, {"SSS", "1"}});
    auto clickCell = [&](int row, int column) {
        QTableView* view = Grid()->View();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          view->visualRect(view->model()->index(row, column)).center());
        QApplication::processEvents();
    };
    const std::vector<std::pair<const char*, std::function<void()>>> leaves{
        {"Up", [&] { Key(Qt::Key_Up); }},
        {"Down", [&] { Key(Qt::Key_Down); }},
        {"Tab", [&] { Key(Qt::Key_Tab); }},
        {"Shift+Tab", [&] { Key(Qt::Key_Backtab, Qt::ShiftModifier); }},
        {"a click on another row", [&] { clickCell(0, CAPH); }},
        {"a click on Save&Exit", [&] { ClickInWindow(screen->exit); }},
        {"Alt+3", [&] { Key(Qt::Key_3, Qt::AltModifier); }},
        {"the title bar's close",
         [&] {
             screen->close();
             QApplication::processEvents();
         }},
    };
    for (const auto& [how, leave] : leaves) {
        SCOPED_TRACE(how);
        Open(partB);
        At(1, SSS);
        Type("77");
        Clear();
        leave();
        EXPECT_EQ(Messages(), (Texts{"field length exceeds field size field size = 1",
                                     "SSS entry 1 to 5 and  9 for all please"}));
        EXPECT_FALSE(Gone(partB));
        EXPECT_EQ(std::make_pair(Grid()->CurrentRow(), Grid()->CurrentColumn()), std::make_pair(1, int(SSS)));
        EXPECT_EQ(Grid()->CurrentCellText(), "77");
        EXPECT_EQ(Focus(), Grid()->Editor());
        EXPECT_EQ(Rows("S000L03").size(), 1u);
        screen->Unload();
    }
}

// A row the file refuses keeps the cursor, and with it the highlight and the
// bold row number: the row shown is the row that typing goes into.
TEST_F(Block6Test, ARowTheFileRefusesOnAMoveKeepsTheHighlight) {
    for (const char* sss : {"1", "2"}) f.Insert("S000L03", {{"FSUNO", "10003"}, {"SSS", sss}});
    f.s.FsuConn->Execute(
        "create trigger refuse before update on S000L03 begin select raise(abort, 'disk refused'); end");
    Open(partB);
    QTableView* view = Grid()->View();
    auto clickAt = [&](QWidget* on, QPoint at) {
        QTest::mouseClick(on, Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    };
    const std::vector<std::pair<const char*, std::function<void()>>> moves{
        {"Up", [&] { Key(Qt::Key_Up); }},
        {"a click on a cell",
         [&] { clickAt(view->viewport(), view->visualRect(view->model()->index(0, CAPH)).center()); }},
        {"a click on a row number",
         [&] {
             QHeaderView* numbers = view->verticalHeader();
             clickAt(numbers->viewport(),
                     QPoint(numbers->width() / 2, numbers->sectionViewportPosition(0) + 5));
         }},
    };
    for (const auto& [how, move] : moves) {
        SCOPED_TRACE(how);
        At(1, CAPH);
        Type("5");
        Clear();
        move();
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0].find("disk refused"), std::string::npos);
        EXPECT_EQ(Grid()->CurrentRow(), 1);
        QItemSelectionModel* selection = view->selectionModel();
        EXPECT_TRUE(selection->rowIntersectsSelection(1, {}));
        EXPECT_FALSE(selection->rowIntersectsSelection(0, {}));
    }
}

TEST_F(Block6Test, RecordCaptionFollowsTheCursorWhileGridEventsAreOn) {
    for (const char* sss : {"1", "2", "9"}) f.Insert("S000L02", {{"FSUNO", "10003"}, {"SSS", sss}});
    Open(partA);
    EXPECT_EQ(Grid()->RecordCaption(), "Record  3/3");
    Key(Qt::Key_Up);
    EXPECT_EQ(Grid()->RecordCaption(), "Record  2/3");
    f.s.GridEventsOn = false;
    Grid()->SetCurrentCell(0, SSS);
    EXPECT_EQ(Grid()->RecordCaption(), "Record  2/3");
    f.s.GridEventsOn = true;
    Grid()->SetCurrentCell(2, SSS);
    EXPECT_EQ(Grid()->RecordCaption(), "Record  3/3");
}

TEST_F(Block6Test, DeletingARowAsksFirst) {
    for (const char* sss : {"1", "2"}) f.Insert("S000L02", {{"FSUNO", "10003"}, {"SSS", sss}});
    Open(partA);
    f.messages.Answer(false);
    Grid()->SelectRow(0);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Messages(), Texts{"Are you sure that you want to delete the record?"});
    EXPECT_EQ(Rows("S000L02").size(), 2u);
    f.messages.Answer(true);
    Grid()->SelectRow(0);
    Key(Qt::Key_Delete);
    EXPECT_EQ(Rows("S000L02"), Texts{"- - 2 - - - - - - -"});
    EXPECT_EQ(Grid()->RecordCaption(), "Record  1/1");
}

TEST_F(Block6Test, ValidateBlockListsTheChecksOfEachPart) {
    f.Insert("val_error", {{"fsuno", "10003"}, {"blk", "B1"}, {"msg1", "from an earlier run"}});
    Open(partA);
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(), Texts{"block contains no records"});
    EXPECT_EQ(Read("select count(*) from val_error"), "1");
    EXPECT_TRUE(screen->DataGrid->isHidden());

    // Two strata keyed through the grid; the second stays in hand until the check.
    Clear();
    KeyRow({"500", "1", "5", "6", "2", "0", "3", "3"});
    KeyRow({"500", "9", "5", "6", "2"});
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S000L02").size(), 2u);
    const Texts listed = f.ErrorLines();
    EXPECT_NE(std::find(listed.begin(), listed.end(), "B 6-211|1|5|H should be >= h in col-5||Crit"),
              listed.end())
        << testing::PrintToString(listed);

    // The same rows checked directly give the same list.
    {
        ValidationRun run(f.s, ValidationRun::Kind::AsIs);
        f.s.ValBlockNo = 6;
        ValBlk000_6A(f.s, LoadTableData(f.s, 2));
        run.Commit();
    }
    EXPECT_EQ(f.ErrorLines(), listed);

    const ui::BoundGrid& list = *screen->DataGrid;
    EXPECT_FALSE(list.isHidden());
    EXPECT_EQ(list.Caption(), "List of Error Messages detected by Data Validation Checks block level");
    EXPECT_EQ(list.ColumnCaption(1), "SSS\nNo");
    EXPECT_EQ(list.RecordCount(), static_cast<int>(listed.size()));
    EXPECT_EQ(list.RecordCaption(), QString("Record  1/%1").arg(listed.size()));
    EXPECT_EQ(f.s.ValBlockNo, 6);
    screen->Unload();

    Open(partB);
    KeyRow({"1", "5", "4", "2", "0", "2", "2", "3"});
    Click(screen->Cmdval);
    const Texts listedB = f.ErrorLines();
    EXPECT_NE(std::find(listedB.begin(), listedB.end(), "B 6-051|1|10|Col.10 should be <= Col.8||Warn"),
              listedB.end())
        << testing::PrintToString(listedB);
    EXPECT_EQ(screen->DataGrid->ColumnCaption(1), "SSS\nNo");
}

// A household's list block on the same grid template (block 5.1's table), with a
// household check that finds one error: what the household grid screens share.
class HouseholdGrid : public GridBlockScreen {
public:
    explicit HouseholdGrid(SharedState& s) : GridBlockScreen(s, Params()) {
        Compose(nullptr);
        Form_Load();
    }

private:
    static GridParams Params() {
        GridParams p;
        p.index = 7;
        p.order = " order by fsuno, SSS,SSU,slno,B51C3";
        p.columns = {{"SLNO", "Trip\nSl.\nNo.\nC(1)", 600}};
        p.lastEditField = "SLNO";
        // The trip screens list the household's errors under the block-level caption.
        p.householdCaption = kBlockLevelCaption;
        p.blockNo = 5.1;
        p.blockCheck = [](SharedState& s, int) {
            LogValError(s, BlockText(s), "01", "1", "a block error", "");
        };
        p.householdCheck = [](SharedState& s) { LogValError(s, " 5.1", "01", "2", "a household error", ""); };
        p.header = {{"FSU NO:", HeaderItem::Value::Fsu}};
        return p;
    }
};

class HouseholdGridTest : public ::testing::Test {
protected:
    HouseholdGridTest() {
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.Packet = &packet;
        f.s.FormTable[0] = &packet;
    }
    test::FsuFile f{"10003", 1};
    test::StandInPacket packet;
};

TEST_F(HouseholdGridTest, ValidateHHListsTheHouseholdErrorsUnderTheBlockLevelCaption) {
    f.Insert("S211L04", {{"FSUNO", "10003"}, {"SSS", "1"}, {"SSU", "01"}, {"SLNO", "01"}});
    LazyForm<HouseholdGrid> form{f.s};
    form.Show();
    HouseholdGrid* screen = form.Current();
    ASSERT_NE(screen, nullptr);
    ASSERT_NE(screen->CmdValHH, nullptr);
    EXPECT_EQ(screen->CmdValHH->text(), "&5. Validate HH");
    EXPECT_EQ(screen->CmdNext->text(), "&2. Next Blk");
    EXPECT_EQ(screen->CmdPrev->text(), "&6. Prev Blk");

    screen->CmdValHH->click();
    QApplication::processEvents();
    EXPECT_TRUE(f.messages.Texts().empty());
    EXPECT_EQ(f.ErrorLines(), Texts{"B 5.1|01|2|a household error||Crit"});
    const ui::BoundGrid& list = *screen->DataGrid;
    EXPECT_FALSE(list.isHidden());
    EXPECT_EQ(list.Caption(), "List of Error Messages detected by Data Validation Checks block level");
    EXPECT_EQ(list.ColumnCaption(1), "Item\nNo");

    screen->Cmdval->click();
    QApplication::processEvents();
    EXPECT_EQ(list.Caption(), "List of Error Messages detected by Data Validation Checks block level");
    EXPECT_EQ(f.s.ValBlockNo, 5.1);
    screen->Unload();
}

}  // namespace
}  // namespace r78
