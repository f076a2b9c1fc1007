#include "listing/orcl_000a.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "control/FsuRegistration.h"
#include "core/DataLayout.h"
#include "screens/LazyForm.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;

using Texts = std::vector<std::string>;
using Shown = test::ScriptedMessages::Shown;

// The control screen as the block screens see it: it only counts its returns.
// FSU 10003 of the demo sample list: rural, state 09, district 11, not a special area.
class Orcl000aTest : public ::testing::Test {
protected:
    Orcl000aTest() {
        LoadSampleList(f.s, "10003");
        f.s.FormTable[0] = &packet;
        f.s.Packet = &packet;
        f.s.FormTable[1] = &form;
    }

    void Open() {
        form.Show();
        screen = form.Current();
        ASSERT_NE(screen, nullptr);
        QApplication::setActiveWindow(screen);
        QApplication::processEvents();
    }
    // The screen is gone once it has been left and its deletion has run.
    bool Left() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return form.Current() == nullptr;
    }

    ui::TextBox* Box(int i) const { return screen->Text1[i]; }
    std::string Text(int i) const { return Box(i)->text().toStdString(); }
    static void Key(QWidget* w, Qt::Key key) { test::KeyTo(w, key); }
    void Enter(int box, const QString& text, Qt::Key key = Qt::Key_Return) {
        test::EnterInBox(Box(box), text.toStdString(), key);
    }
    void GoTo(const QString& text) {
        screen->Text3->setFocus();
        screen->Text3->setText(text);
        Key(screen->Text3, Qt::Key_Return);
    }
    void Fill(std::initializer_list<std::pair<int, const char*>> boxes) {
        for (auto [box, text] : boxes) Box(box)->setText(text);
    }
    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    Texts Messages() const { return f.messages.Texts(); }

    test::FsuFile f{"10003", 0};
    test::StandInPacket packet;
    test::StandInScreen block6;
    LazyForm<orcl_000a> form{f.s};
    orcl_000a* screen = nullptr;
};

TEST_F(Orcl000aTest, NewFsuIsPrefilledFromTheSampleListWithTheIdentificationLocked) {
    f.s.HasS000L01 = 1;  // left over from another FSU: the file has no row
    Open();
    EXPECT_EQ(f.s.CurFormIndex, 1);
    EXPECT_EQ(f.s.HasS000L01, 0);
    EXPECT_EQ(screen->windowTitle(), "Data Entry TQS 78th Round");
    EXPECT_EQ(screen->Lbusercode->text(), "OPR1");
    EXPECT_EQ(screen->Lbfsuno->text(), "10003");
    EXPECT_TRUE(screen->DataGrid->isHidden());
    EXPECT_EQ(screen->CmdNext->text(), "&2. Next");
    EXPECT_EQ(screen->CmdValHH, nullptr);
    EXPECT_EQ(screen->CmdPrev, nullptr);

    const Texts prefill{"10003", "78", "000",  "2", "1",    "092", "11", "03",
                        "01",    "3",  "0000", "1", "2140", "",    "001"};
    for (int i = 0; i <= 28; ++i) {
        EXPECT_EQ(Text(i), i < 15 ? prefill[i] : "") << "box " << i;
        EXPECT_EQ(Box(i)->isEnabled(), i == 13 || i >= 15) << "box " << i;
    }
    EXPECT_EQ(Focus(), Box(13));

    // Enter and Down pass over the locked box 14; Up finds no enabled box before 13.
    Enter(13, "2200");
    EXPECT_EQ(Focus(), Box(15));
    Key(Box(15), Qt::Key_Up);
    EXPECT_EQ(Focus(), Box(13));
    Key(Box(13), Qt::Key_Up);
    EXPECT_EQ(Focus(), Box(13));
    Enter(13, "2200", Qt::Key_Down);
    EXPECT_EQ(Focus(), Box(15));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Orcl000aTest, TypingIsLimitedToTheFieldWidthButTextsSetByTheProgramAreKept) {
    Open();
    Box(13)->setFocus();
    QTest::keyClicks(Box(13), "12345678");
    EXPECT_EQ(Text(13), "123456");
    Box(17)->setText("123");
    EXPECT_EQ(Text(17), "123");
}

TEST_F(Orcl000aTest, OnlyDigitsAreTypedAndEnterRefusesTheCharactersThatSlipThrough) {
    Open();
    Box(15)->setFocus();
    QTest::keyClicks(Box(15), "12a");
    EXPECT_EQ(Text(15), "1") << "the refused key acts as a Backspace";
    EXPECT_EQ(Messages(), Texts{"numeric entry please"});
    QTest::keyClicks(Box(15), "#");
    EXPECT_EQ(Text(15), "1#");
    Key(Box(15), Qt::Key_Return);
    EXPECT_EQ(Text(15), "");
    EXPECT_EQ(Messages().back(), "numeric entry please ");
    EXPECT_EQ(Focus(), Box(15));
}

// A message box takes the focus and gives it back: the box's text is not
// selected again, so the next digit goes where the caret was. The screen's
// window comes back to the front after the key's handler has ended, as on the
// desktop, or while it runs.
TEST_F(Orcl000aTest, TheFocusBackFromAMessageBoxLeavesTheBoxAsItWas) {
    Open();
    QWidget message;
    f.messages.whileShown = [&] {
        message.show();
        test::Activate(&message);
    };
    auto messageCloses = [&] {
        message.hide();
        test::Activate(screen);
    };
    ASSERT_EQ(Focus(), Box(13));
    test::Type("1480");
    test::Type("a");
    EXPECT_EQ(Messages(), Texts{"numeric entry please"});
    EXPECT_EQ(Text(13), "148") << "the refused key acts as a Backspace";
    messageCloses();
    EXPECT_EQ(Focus(), Box(13));
    test::Type("0");
    EXPECT_EQ(Text(13), "1480");

    f.messages.whileShown = [this] { test::AnotherWindowComesAndGoes(screen); };
    test::Type("a");
    EXPECT_EQ(Text(13), "148");
    test::Type("0");
    EXPECT_EQ(Text(13), "1480");

    // The same when another program took the front: the caret stays where it was.
    Box(13)->setCursorPosition(2);
    test::AnotherWindowComesAndGoes(screen);
    EXPECT_FALSE(Box(13)->hasSelectedText());
    EXPECT_EQ(Box(13)->cursorPosition(), 2);

    // A box that gets the focus by a move within the screen has its text
    // selected, even when the move was made while the message was in front.
    f.messages.whileShown = [&] {
        message.show();
        test::Activate(&message);
    };
    Box(17)->setText("9");
    Click(screen->CmdSave);
    EXPECT_EQ(Messages().back(),
              "survey code should be 1 or 2 or 3 or 4 or 5 or 6 or 7 for saving the block");
    messageCloses();
    EXPECT_EQ(Focus(), Box(17));
    EXPECT_EQ(Box(17)->selectedText(), "9");
}

// Text reaches a box only as typed, however it comes (a paste, a key with any
// modifiers, a key typing characters that are not printable or several at once,
// an input method): each character through the key filter (a refused one brings
// the message and acts as a Backspace), within the box's width. Ctrl+A stays a
// command.
TEST_F(Orcl000aTest, TextReachesABoxOnlyThroughTheKeyFilterAndItsWidthHoweverItComes) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto pasteByMenu = [&] { test::PasteByContextMenu(Box(20)); };
    auto key = [](const char32_t* text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return [=] { test::KeyTyping(QString::fromUcs4(text), modifiers); };
    };
    const Qt::KeyboardModifiers ctrlKeypad = Qt::ControlModifier | Qt::KeypadModifier;
    const Texts refused{"numeric entry please"};
    struct Case {
        const char* how;
        QString clipboard;
        std::function<void()> act;
        std::string box;  // after "9"
        Texts messages;
    };
    const std::vector<Case> cases{
        {"Ctrl+V", "ab12", [] { test::Key(Qt::Key_V, Qt::ControlModifier); }, "12",
         Texts{refused[0], refused[0]}},
        {"Ctrl+V", "123456", [] { test::Key(Qt::Key_V, Qt::ControlModifier); }, "9123", {}},
        {"Shift+Insert", "12\n9", [] { test::Key(Qt::Key_Insert, Qt::ShiftModifier); }, "912", {}},
        {"the context menu", "k5&", pasteByMenu, "5&", refused},
        {"a key typing U+1F600", "", key(U"\U0001F600"), "", refused},
        {"a key typing \"123456\"", "", key(U"123456"), "9123", {}},
        {"Ctrl+keypad +", "", key(U"+", ctrlKeypad), "", refused},
        {"Ctrl+keypad 1 four times",
         "",
         [&] {
             for (int i = 0; i < 4; ++i) key(U"1", ctrlKeypad)();
         },
         "9111",
         {}},
        {"Ctrl+Shift+keypad *", "", key(U"*", ctrlKeypad | Qt::ShiftModifier), "", refused},
        {"Ctrl+Meta+K", "", key(U"k", Qt::ControlModifier | Qt::MetaModifier), "", refused},
        {"a key typing U+200C", "", key(U"\u200C"), "", refused},
        {"a key typing U+E000", "", key(U"\uE000"), "", refused},
        {"a key typing U+E0041", "", key(U"\U000E0041"), "", refused},
        {"a key typing \"12345\" and U+200D", "", key(U"12345\u200D"), "912", refused},
        {"an input method", "", [] { test::InputMethodCommits("\u00E9"); }, "", refused},
        {"Ctrl+A, then 5",
         "",
         [] {
             test::Key(Qt::Key_A, Qt::ControlModifier);
             test::Type("5");
         },
         "5",
         {}},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how + (" \"" + c.clipboard.toStdString() + "\""));
        clipboard->setText(c.clipboard);
        Box(20)->setText("9");
        Box(20)->setFocus();
        Box(20)->end(false);
        f.messages.shown.clear();
        c.act();
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Text(20), c.box);
        EXPECT_EQ(Focus(), Box(20));
    }
}

TEST_F(Orcl000aTest, EachBoxRuleRefusesWithItsMessageAndKeepsTheFocus) {
    Open();
    struct Case {
        std::vector<std::pair<int, const char*>> before;  // other boxes the rule reads
        int box;
        const char* typed;
        Texts messages;     // none: the entry passes and the focus moves on
        const char* after;  // the box's text afterwards
    };
    const Case cases[] = {
        {{}, 15, "1700", {"to be entered only when approximate present population of the SU>=1800 "}, "1700"},
        {{}, 15, "1800", {}, "1800"},
        {{{4, "1"}, {5, "021"}},
         15,
         "850",
         {"to be entered only when approximate present population of the SU>=900 "},
         "850"},
        {{{4, "1"}, {5, "021"}}, 15, "950", {}, "950"},
        {{{15, ""}}, 16, "", {}, "000"},
        {{{15, "2500"}}, 16, "2", {"Sub-division as per formula Should be 3"}, "002"},
        {{{15, "2500"}}, 16, "3", {}, "003"},
        {{{15, "1000"}},
         16,
         "2",
         {"Sub-division as per formula Should be 1",
          "Sub-division to be formed only when approximate population>1800 "},
         "002"},
        {{}, 17, "", {"survey code 1 to 7  please"}, ""},
        {{}, 17, "0", {"survey code 1 to 7  please"}, "0"},
        {{}, 17, "8", {"survey code 1 to 7  please"}, "8"},
        {{}, 17, "5", {}, "5"},
        {{{17, "2"}},
         18,
         "1",
         {"reason for substitution should be only when survey code is any of 4 to 7 "},
         "1"},
        {{{17, "4"}}, 18, "5", {"reason for substitution should be 1 to 3 or 9 "}, "5"},
        {{{17, "4"}}, 18, "9", {}, "9"},
        {{{17, "2"}}, 18, "", {}, ""},
        {{}, 20, "123", {"Investigator Code should be 4 digited "}, "123"},
        {{}, 20, "1234", {}, "1234"},
        {{}, 22, "150120", {}, "150120"},
        {{}, 22, "311219", {"Date beyond survey period"}, "311219"},
        {{}, 22, "010121", {"Invalid Date"}, "010121"},
        {{{22, "150120"}}, 23, "140120", {"Date of despatch is earlier than date of survey"}, "140120"},
        {{{22, "150120"}}, 23, "150120", {}, "150120"},
        {{{22, ""}}, 23, "311219", {"Date of despatch is earlier than date of survey"}, "311219"},
        {{{22, ""}}, 23, "200320", {}, "200320"},
        {{}, 25, "3", {"remark code should be 1 or 2"}, "3"},
        {{}, 27, "2", {}, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("box " + std::to_string(c.box) + " \"" + c.typed + "\"");
        Fill({{4, "1"}, {5, "092"}, {6, "11"}});
        for (auto [box, text] : c.before) Box(box)->setText(text);
        f.messages.shown.clear();
        Enter(c.box, c.typed);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Text(c.box), c.after);
        EXPECT_EQ(Focus(), c.messages.empty() ? Box(c.box + 1) : Box(c.box));
    }
    // The last box leads to Save once it passes.
    Enter(28, "1");
    EXPECT_EQ(Focus(), screen->CmdSave);
    EXPECT_EQ(Read("select count(*) from S000L01"), "0");
}

TEST_F(Orcl000aTest, SaveNeedsASurveyCodeOfOneToSeven) {
    Open();
    for (const char* code : {"", "0", "8"}) {
        Box(17)->setText(code);
        f.messages.shown.clear();
        Click(screen->CmdSave);
        EXPECT_EQ(Messages(),
                  Texts{"survey code should be 1 or 2 or 3 or 4 or 5 or 6 or 7 for saving the block"});
        EXPECT_EQ(Focus(), Box(17));
    }
    EXPECT_EQ(Read("select count(*) from S000L01"), "0");
    EXPECT_EQ(f.s.HasS000L01, 0);
    EXPECT_EQ(f.s.Sch0SurveyCode, "");
}

TEST_F(Orcl000aTest, FirstSaveInsertsAndStampsTheSampleListLaterSavesUpdate) {
    Open();
    Fill({{13, "2200"}, {17, "1"}, {22, "150120"}, {24, "12"}, {25, "1"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.HasS000L01, 1);
    EXPECT_EQ(f.s.FsuSro, "0000");
    EXPECT_EQ(f.s.Sch0SurveyCode, "1");
    EXPECT_EQ(Focus(), screen->Text3);

    EXPECT_EQ(
        Read("select DPC || '|' || FSUNO || '|' || SCH || '|' || SRO || '|' || STR || '|' || CREBY || '|' || "
             "CREDATE from S000L01"),
        "101|10003|000|0000|092|OPR1|200315");
    EXPECT_EQ(Read("select typeof(APOP) || ' ' || APOP from S000L01"), "integer 2200");
    EXPECT_EQ(Read("select typeof(FPOP) || ' ' || FPOP from S000L01"), "integer 2140");
    EXPECT_EQ(Read("select Timec from S000L01"), "12");
    EXPECT_EQ(Read("select APOP1 from S000L01"), "<null>") << "a blank numeric box is Null";
    EXPECT_EQ(Read("select RES_Subst from S000L01"), "<null>") << "a blank text box is Null in an insert";
    EXPECT_EQ(Read("select creby || ' ' || Credate from samplelist"), "OPR1 200315");

    // The stamp belongs to the first save only.
    f.s.FsuConn->Execute("update samplelist set creby = null, Credate = null");
    f.s.FsuConn->Execute("update S000L01 set CREDATE = '000000'");
    Fill({{13, ""}, {17, "4"}, {24, "99"}, {25, ""}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Read("select count(*) from S000L01"), "1");
    EXPECT_EQ(Read("select APOP from S000L01"), "<null>");
    EXPECT_EQ(Read("select REM1 from S000L01"), "") << "an emptied text box is '' in an update";
    EXPECT_EQ(Read("select Timec || ' ' || SVC || ' ' || CREDATE from S000L01"), "99 4 200315");
    EXPECT_EQ(Read("select creby from samplelist"), "<null>");
    EXPECT_EQ(f.s.Sch0SurveyCode, "4");
}

TEST_F(Orcl000aTest, FsuBegunByAnotherOperatorKeepsItsStamp) {
    f.s.FsuConn->Execute("update samplelist set creby = 'OPR2', Credate = '200101'");
    Open();
    Box(17)->setText("3");
    Click(screen->CmdSave);
    EXPECT_EQ(f.s.HasS000L01, 1);
    EXPECT_EQ(Read("select creby || ' ' || Credate from samplelist"), "OPR2 200101");
}

TEST_F(Orcl000aTest, FileWithoutTheBlockTableIsReportedAndPacketComesBack) {
    f.s.FsuConn->Execute("drop table S000L01");
    form.Show();
    EXPECT_EQ(form.Current(), nullptr);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, "ok");
    EXPECT_NE(f.messages.shown[0].text.find("S000L01"), std::string::npos);
    EXPECT_EQ(packet.returns, 1);
}

TEST_F(Orcl000aTest, StoredRowIsReadAtLoadWhateverTheFlagSays) {
    f.Insert("S000L01",
             {{"FSUNO", "10003"}, {"SCH", "000"}, {"SRO", "1234"}, {"APOP", "2500"}, {"SVC", "1"}});
    f.s.HasS000L01 = 0;
    Open();
    EXPECT_EQ(f.s.HasS000L01, 1);
    EXPECT_EQ(Text(10), "1234");
    EXPECT_EQ(Text(13), "2500");
    EXPECT_EQ(Text(1), "") << "a stored row shows what is stored, not the sample list";
    Click(screen->CmdSave);
    EXPECT_EQ(Read("select count(*) from S000L01"), "1");
    EXPECT_EQ(f.s.FsuSro, "1234");
}

TEST_F(Orcl000aTest, SaveThatTheFileRefusesChangesNothingOnTheScreen) {
    Open();
    f.s.FsuSro = "9999";
    f.s.Sch0SurveyCode = "7";
    Box(15)->setFocus();
    auto unchanged = [&] {
        EXPECT_EQ(Read("select count(*) from S000L01"), "0");
        EXPECT_FALSE(f.s.FsuConn->InTransaction());
        EXPECT_EQ(f.s.HasS000L01, 0);
        EXPECT_EQ(f.s.FsuSro, "9999");
        EXPECT_EQ(f.s.Sch0SurveyCode, "7");
        EXPECT_EQ(Focus(), Box(15));
    };

    // A numeric box holding no number never reaches the file: Save refuses it
    // as its Enter would, and puts the focus in it.
    Fill({{13, "12#"}, {17, "1"}});
    Click(screen->CmdSave);
    EXPECT_EQ(f.messages.shown, (std::vector<Shown>{{"error", "numeric entry please "}}));
    EXPECT_EQ(Text(13), "12#");
    EXPECT_EQ(Focus(), Box(13));
    Box(15)->setFocus();
    unchanged();

    // A statement the file refuses: Validate Block ends with the failed save.
    Box(13)->setText("2200");
    f.s.FsuConn->Execute(
        "create trigger refuse before insert on S000L01 begin select raise(abort, 'disk refused'); end");
    f.messages.shown.clear();
    Click(screen->Cmdval);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].text.find("disk refused"), std::string::npos);
    EXPECT_TRUE(screen->DataGrid->isHidden());
    unchanged();

    // Exit that was told to save keeps the screen, and the entries with it.
    f.messages.Answer(true);
    Click(screen->CmdExit);
    EXPECT_FALSE(Left());
    EXPECT_EQ(packet.returns, 0);
    EXPECT_EQ(Text(13), "2200");
}

// The first save and its mark on the sample list reach the file together or not at all.
TEST_F(Orcl000aTest, SampleListThatCannotBeStampedFailsTheFirstSaveWithNothingStored) {
    f.s.FsuConn->Execute(
        "create trigger refuse before update on samplelist begin select raise(abort, 'list locked'); end");
    Open();
    Box(17)->setText("1");
    Click(screen->CmdSave);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, "ok");
    EXPECT_NE(f.messages.shown[0].text.find("list locked"), std::string::npos);
    EXPECT_EQ(f.s.HasS000L01, 0);
    EXPECT_EQ(Read("select count(*) from S000L01"), "0");
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    // Once the list takes the mark, the next save stores the row with it.
    f.s.FsuConn->Execute("drop trigger refuse");
    f.messages.shown.clear();
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Read("select count(*) from S000L01"), "1");
    EXPECT_EQ(Read("select creby from samplelist"), "OPR1");
}

// Another program holding the FSU file: the save is refused in plain words,
// the entries stay on the screen, and the next save once the file is free stores them.
TEST_F(Orcl000aTest, SaveWhileAnotherProgramHoldsTheFileKeepsTheEntriesForTheNextSave) {
    Open();
    Fill({{13, "2200"}, {17, "1"}, {24, "12"}});
    auto other = db::Connection::Open(f.s.FsuConn->Path());
    other->Execute("BEGIN EXCLUSIVE");
    Click(screen->CmdSave);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_EQ(f.messages.shown[0].kind, "ok");
    const std::string& told = f.messages.shown[0].text;
    EXPECT_NE(told.find("is in use by another program, so nothing was saved"), std::string::npos) << told;
    EXPECT_EQ(Text(13), "2200");
    EXPECT_EQ(Text(17), "1");
    EXPECT_EQ(Text(24), "12");
    EXPECT_EQ(f.s.HasS000L01, 0);
    other->RollbackTrans();
    EXPECT_EQ(Read("select count(*) from S000L01"), "0");

    f.messages.shown.clear();
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.HasS000L01, 1);
    EXPECT_EQ(Read("select APOP || ' ' || SVC || ' ' || Timec from S000L01"), "2200 1 12");
}

TEST_F(Orcl000aTest, NextNeedsASurveyCodeOfOneOrFourAndASavedRow) {
    Open();
    Box(17)->setText("4");
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"Save the block first"});

    Box(17)->setText("2");
    Click(screen->CmdSave);
    f.messages.shown.clear();
    Box(13)->setFocus();
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 4 for navigating to next block"});
    EXPECT_EQ(Focus(), screen->Text3);

    // The box's code counts, saved or not; block 6 part A not yet in the table: a beep.
    Box(17)->setText("1");
    f.messages.shown.clear();
    Click(screen->CmdNext);
    EXPECT_EQ(f.messages.shown, (std::vector<Shown>{{"beep", ""}}));
    EXPECT_FALSE(Left());
    EXPECT_EQ(f.s.CurFormIndex, 1);

    f.s.FormTable[2] = &block6;
    Click(screen->CmdNext);
    EXPECT_EQ(block6.shown, 1);
    EXPECT_TRUE(Left());
    EXPECT_EQ(f.s.CurFormIndex, 2);
    EXPECT_EQ(f.s.Sch0SurveyCode, "1");
}

TEST_F(Orcl000aTest, GoToBlockSixPassesTheSurveyCodeAndTheSavedRow) {
    f.s.FormTable[2] = &block6;
    Open();
    for (const char* stay : {"", "1", "3"}) {
        GoTo(stay);
        EXPECT_TRUE(Messages().empty()) << stay;
        EXPECT_EQ(Focus(), screen->Text3);
    }
    GoTo("b6");
    EXPECT_EQ(f.messages.shown, (std::vector<Shown>{{"beep", ""}}));
    EXPECT_EQ(screen->Text3->selectedText(), "b6");
    EXPECT_EQ(Focus(), screen->Text3);

    Box(17)->setText("2");
    f.messages.shown.clear();
    GoTo("6");
    EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 4 for navigating to other block"});
    Box(17)->setText("1");
    f.messages.shown.clear();
    GoTo("6");
    EXPECT_EQ(Messages(), Texts{"Enter Block-1 first"});
    EXPECT_EQ(block6.shown, 0);

    Click(screen->CmdSave);
    GoTo("6");
    EXPECT_EQ(block6.shown, 1);
    EXPECT_TRUE(Left());
}

TEST_F(Orcl000aTest, ExitOffersToSaveANewRowOnly) {
    Open();  // box 10 holds "0000": a new row always asks
    f.messages.Answer(false);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), Texts{"Save Block-1 before exiting?"});
    EXPECT_TRUE(Left());
    EXPECT_EQ(packet.returns, 1);
    EXPECT_EQ(Read("select count(*) from S000L01"), "0");

    // Yes with no survey code: the save is refused, and the screen still leaves.
    Open();
    f.messages.shown.clear();
    f.messages.Answer(true);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(),
              (Texts{"Save Block-1 before exiting?",
                     "survey code should be 1 or 2 or 3 or 4 or 5 or 6 or 7 for saving the block"}));
    EXPECT_TRUE(Left());
    EXPECT_EQ(packet.returns, 2);

    // The window's close button is the exit button.
    Open();
    f.messages.shown.clear();
    f.messages.Answer(false);
    screen->close();
    QApplication::processEvents();
    EXPECT_EQ(Messages(), Texts{"Save Block-1 before exiting?"});
    EXPECT_TRUE(Left());
    EXPECT_EQ(packet.returns, 3);

    // A stored row leaves without a question, and without its unsaved edits.
    Open();
    Box(17)->setText("1");
    Click(screen->CmdSave);
    Box(13)->setText("999");
    f.messages.shown.clear();
    Click(screen->CmdExit);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Left());
    EXPECT_EQ(Read("select APOP from S000L01"), "<null>");
}

TEST_F(Orcl000aTest, ValidateBlockSavesThenListsTheBlockOneErrors) {
    f.Insert("val_error", {{"fsuno", "10003"}, {"blk", "B6-211"}, {"msg1", "from an earlier run"}});
    Open();
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(), (Texts{"survey code should be 1 or 2 or 3 or 4 or 5 or 6 or 7 for saving the block",
                                 "Block contains no records"}));
    EXPECT_EQ(Read("select count(*) from val_error"), "1") << "an empty block leaves the earlier rows";
    EXPECT_TRUE(screen->DataGrid->isHidden());

    Fill({{17, "1"}, {22, "150120"}, {23, "140120"}, {25, "1"}, {26, "2"}, {27, "1"}, {28, "2"}});
    f.messages.shown.clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Read("select count(*) from S000L01"), "1");
    EXPECT_EQ(f.ErrorLines(), Texts{"B 2|2(v)|4|Date of despatch < date of survey||Warn"});

    const ui::BoundGrid& grid = *screen->DataGrid;
    EXPECT_FALSE(grid.isHidden());
    EXPECT_EQ(grid.Caption(), "List of Error Messages detected by Data Validation Checks block level");
    EXPECT_EQ(grid.RecordCaption(), "Record  1/1");
    const QStringList captions{
        "Block\nNo", "Item\nNo", "Col\nNo", "  Description of Error", "  Additional Message", "Error\nType"};
    ASSERT_EQ(grid.ColumnCount(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(grid.ColumnCaption(c), captions[c]);
        EXPECT_TRUE(grid.ColumnVisible(c));
    }
    EXPECT_EQ(grid.Records().Row(0)[3].Text(), "Date of despatch < date of survey");
    EXPECT_EQ(f.s.ValBlockNo, 1);
}

class Orcl000aDeleteTest : public Orcl000aTest {
protected:
    // A row of the FSU in every block table (a household's in the household
    // tables), another FSU's row, and a sample-list row frozen and complete.
    void SetUp() override {
        for (const auto& t : layout::BlockTables()) {
            if (t.index <= 3)
                f.Insert(t.name, {{"FSUNO", "10003"}, {"SCH", t.index == 1 ? "000" : "211"}});
            else
                f.Insert(t.name, {{"FSUNO", "10003"}, {"SSS", "1"}, {"SSU", "01"}});
        }
        f.s.FsuConn->Execute("update S000L01 set SRO = '1234', SVC = '1'");
        f.Insert("S211L01", {{"FSUNO", "10004"}, {"SSS", "1"}, {"SSU", "01"}});
        f.s.FsuConn->Execute(
            "update samplelist set creby = 'OPR1', Credate = '200301', doload = '200310', loadsts = 'Y', "
            "cnt211 = 3, cnt051 = 2, entsts = 'Y', DOENT = '200305', vrfsts = 'Y'");
        Open();
    }
    std::string Rows(const std::string& table) {
        return Read("select count(*) from " + table + " where fsuno = '10003'");
    }
    std::string Status() {
        return Read(
            "select coalesce(Credate,'-') || coalesce(creby,'-') || coalesce(doload,'-') || "
            "coalesce(loadsts,'-') || coalesce(cnt211,'-') || coalesce(cnt051,'-') || '|' || entsts || DOENT "
            "|| vrfsts from samplelist");
    }
};

TEST_F(Orcl000aDeleteTest, DeleteArchivesAndEmptiesEveryTableOfTheFsu) {
    const std::string question =
        "Are you sure that you want to delete the record and records of all other block?";
    f.messages.Answer(false);
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{question});
    EXPECT_EQ(Rows("S000L01"), "1");

    f.messages.Answer(true);
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), (Texts{question, question}));
    for (const auto& t : layout::BlockTables()) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(Rows(t.name), "0");
        if (t.HasArchive()) {
            EXPECT_EQ(Read("select count(*) || deldate || delby from " + t.ArchiveName() +
                           " where fsuno = '10003'"),
                      "1200315OPR1");
        }
    }
    EXPECT_EQ(Read("select SRO || SVC from S000L01_del"), "12341");
    EXPECT_EQ(Read("select count(*) from S211L01 where fsuno = '10004'"), "1");
    EXPECT_EQ(Status(), "------|Y200305Y");

    EXPECT_EQ(f.s.HasS000L01, 0);
    EXPECT_EQ(Text(0), "10003");
    EXPECT_EQ(Text(2), "000");
    EXPECT_EQ(Text(10), "") << "the SRO is not pre-filled after a delete";
    EXPECT_EQ(Text(17), "");
    EXPECT_EQ(Focus(), Box(13)) << "the first box that takes the focus";

    f.messages.shown.clear();
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"No such Data"});
}

TEST_F(Orcl000aDeleteTest, DeleteThatFailsHalfWayChangesNothing) {
    f.s.FsuConn->Execute(
        "create trigger refuse before delete on S051L03 begin select raise(abort, 'refused by the file'); "
        "end");
    Box(17)->setFocus();
    f.messages.Answer(true);
    Click(screen->CmdDelete);
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_EQ(f.messages.shown[1].kind, "ok");
    EXPECT_NE(f.messages.shown[1].text.find("refused by the file"), std::string::npos);
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    for (const auto& t : layout::BlockTables()) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(Rows(t.name), "1");
        if (t.HasArchive()) {
            EXPECT_EQ(Read("select count(*) from " + t.ArchiveName()), "0");
        }
    }
    EXPECT_EQ(Status(), "200301OPR1200310Y32|Y200305Y");
    EXPECT_EQ(f.s.HasS000L01, 1);
    EXPECT_EQ(Text(10), "1234");
    EXPECT_EQ(Text(17), "1");
    EXPECT_EQ(Focus(), Box(17));
}

}  // namespace
}  // namespace r78
