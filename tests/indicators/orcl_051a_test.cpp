#include "indicators/orcl_051a.h"

#include <gtest/gtest.h>

#include "core/DataLayout.h"
#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;
using Texts = std::vector<std::string>;
using Shown = test::ScriptedMessages::Shown;

class Orcl051aTest : public test::HouseholdScreenTest<orcl_051a, 13> {
protected:
    void Enter(int box, const std::string& text, Qt::Key key = Qt::Key_Return) {
        test::EnterInBox(Box(box), text, key);
    }
    std::string Rows(const std::string& table, const std::string& ssu = "01") {
        return Read("select count(*) from " + table + " where fsuno = '10001' and sss = '1' and SSU = '" +
                    ssu + "'");
    }
};

TEST_F(Orcl051aTest, NewHouseholdIsPrefilledFromTheSampleListWithTheIdentificationLocked) {
    f.s.HhExists = 1;  // left over from another household: the file has no row
    Open();
    EXPECT_EQ(f.s.CurFormIndex, 13);
    EXPECT_EQ(f.s.HhExists, 0);
    EXPECT_EQ(screen->windowTitle(), "Data Entry TQS 78th Round");
    EXPECT_EQ(screen->Label21->text(), "SCHEDULE 5.1: MULTIPLE INDICATOR SURVEY");
    EXPECT_EQ(screen->lbfsu->text(), "10001");
    EXPECT_EQ(screen->lbseg->text(), "");
    EXPECT_EQ(screen->lbsss->text(), "1");
    EXPECT_EQ(screen->lbssu->text(), "01");
    EXPECT_EQ(screen->CmdNext->text(), "&2. Next");
    ASSERT_NE(screen->CmdValHH, nullptr);
    EXPECT_EQ(screen->CmdPrev, nullptr);
    EXPECT_EQ(screen->Label30->text(), "&Go to Blk:");

    const Texts prefill{"10001", "78", "051", "1", "1", "091", "05", "01", "01", "1", "0000", "", "1", "01"};
    for (int i = 0; i <= 28; ++i) {
        EXPECT_EQ(Text(i), i <= 13 ? prefill[i] : "") << "box " << i;
        EXPECT_EQ(Box(i)->isEnabled(), i == 11 || i >= 14) << "box " << i;
    }
    EXPECT_EQ(Focus(), Box(11));

    // From the sub-division the cursor passes the locked stratum and household boxes both ways.
    Enter(11, "");
    EXPECT_EQ(Text(11), "000");
    EXPECT_EQ(Focus(), Box(14));
    QTest::keyClick(Box(14), Qt::Key_Up);
    EXPECT_EQ(Focus(), Box(11));
    QTest::keyClick(Box(11), Qt::Key_Up);
    EXPECT_EQ(Focus(), Box(11));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Orcl051aTest, EachBoxRuleAcceptsOrRefusesWithItsMessage) {
    Open();
    struct Case {
        std::vector<std::pair<int, const char*>> before;  // other boxes the rule reads
        int box;
        const char* typed;
        Texts messages;     // none: accepted, and the focus moves on
        const char* after;  // the box's text afterwards
    };
    const Case cases[] = {
        {{}, 11, "7", {}, "007"},
        {{}, 11, "12", {}, "012"},
        {{}, 11, "123", {}, "123"},
        {{}, 11, "1a", {"numeric entry please "}, ""},
        {{}, 14, "7", {}, "07"},
        {{}, 14, "0", {"informant srl no. should be 01 to 99"}, "0"},
        {{}, 14, "00", {"informant srl no. should be 01 to 99"}, "00"},
        {{}, 14, "", {}, ""},
        {{}, 15, "5", {"Response Code should be 1 to 4 or 9"}, "5"},
        {{}, 15, "9", {}, "9"},
        {{}, 16, "", {"survey code invalid"}, ""},
        {{}, 16, "4", {"survey code invalid"}, "4"},
        {{}, 16, "3", {}, "3"},
        {{{16, "1"}}, 17, "1", {"subst/casualty Code should be only when survey code is 2 or 3"}, "1"},
        {{{16, "2"}}, 17, "5", {"subst/casualty Code should be 1,2,3 or 9"}, "5"},
        {{{16, "3"}}, 17, "9", {}, "9"},
        {{{16, "1"}}, 17, "", {}, ""},
        {{}, 18, "123", {"Investigator Code should be 4 digited "}, "123"},
        {{}, 20, "1234", {}, "1234"},
        {{}, 21, "290220", {}, "290220"},
        {{}, 21, "311219", {"Date beyond survey period"}, "311219"},
        {{}, 21, "311220", {}, "311220"},
        {{}, 21, "010121", {"Invalid Date"}, "010121"},
        {{{21, "150320"}}, 22, "140320", {"Date of despatch is earlier than date of survey"}, "140320"},
        {{{21, "150320"}}, 22, "150320", {}, "150320"},
        {{{21, ""}}, 22, "311219", {"Date of despatch is earlier than date of survey"}, "311219"},
        {{}, 23, "120", {}, "120"},
        {{}, 24, "x", {"numeric entry please "}, ""},
        {{}, 25, "3", {"remark code should be 1 or 2"}, "3"},
        {{}, 27, "2", {}, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("box " + std::to_string(c.box) + " \"" + c.typed + "\"");
        for (auto [box, text] : c.before) Box(box)->setText(text);
        Box(c.box)->setText(c.typed);  // "x" cannot be typed: it stands for a text pasted in
        Clear();
        Box(c.box)->setFocus();
        QTest::keyClick(Box(c.box), Qt::Key_Return);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Text(c.box), c.after);
        const int next = c.box == 11 ? 14 : c.box + 1;
        EXPECT_EQ(Focus(), c.messages.empty() ? Box(next) : Box(c.box));
    }
    Enter(28, "");
    EXPECT_EQ(Focus(), screen->CmdSave);
    EXPECT_EQ(Rows("S051L01"), "0");
}

TEST_F(Orcl051aTest, FirstSaveInsertsAndCountsTheHouseholdLaterSavesUpdateItsRow) {
    Open();
    // packet's boxes show another household: the flag the screen acts on is its own.
    packet.shhno = "02";
    Fill({{11, "007"}, {16, "1"}, {21, "150320"}, {23, "1'2"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(f.s.HhSurveyCode, "1");
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(
        Read(
            "select DPC || '|' || FSUNO || '|' || SCH || '|' || SRO || '|' || SU || '|' || SSS || SSU || '|' "
            "|| SVC || '|' || Timec || '|' || creby || '|' || credate from S051L01"),
        "101|10001|051|0000|007|101|1|1'2|OPR1|200315");
    EXPECT_EQ(Read("select RC from S051L01"), "<null>") << "an insert writes a blank box as Null";
    EXPECT_EQ(Counts(), "1 1 1");
    EXPECT_EQ(packet.hhCount, " 1");

    packet.shhno = "01";
    f.s.FsuConn->Execute("update S051L01 set credate = '000000'");
    Fill({{16, "2"}, {21, ""}, {23, "9'9"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S051L01"), "1");
    EXPECT_EQ(Read("select DOS from S051L01"), "") << "an update writes an emptied box as ''";
    EXPECT_EQ(Read("select RC from S051L01"), "");
    EXPECT_EQ(Read("select SVC || '|' || Timec || '|' || credate from S051L01"), "2|9'9|200315");
    EXPECT_EQ(Counts(), "1 1 1");
    EXPECT_EQ(f.s.HhSurveyCode, "2");
}

TEST_F(Orcl051aTest, SurveyCodeGatesSaveNextAndGoToBlock) {
    Open();
    for (const char* code : {"", "4"}) {
        Box(16)->setText(code);
        Box(21)->setFocus();
        Clear();
        Click(screen->CmdSave);
        EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 2 or 3 for saving the block"});
        EXPECT_EQ(Focus(), Box(16));
        EXPECT_EQ(f.s.HhSurveyCode, code) << "the code is taken before the gate";
    }
    EXPECT_EQ(Rows("S051L01"), "0");
    EXPECT_EQ(Counts(), "- - -");

    Box(16)->setText("1");
    Clear();
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"please save the block first"});
    GoTo("3");
    EXPECT_EQ(Messages(), (Texts{"please save the block first", "Enter Block-1 first"}));

    // A casualty is saved, but goes no further.
    Box(16)->setText("3");
    Click(screen->CmdSave);
    EXPECT_EQ(f.s.HhExists, 1);
    Clear();
    Click(screen->CmdNext);
    EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 2 for navigating to next block"});
    EXPECT_EQ(Focus(), Box(16));
    Clear();
    GoTo("4");
    EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 2 for navigating to other block"});
    EXPECT_EQ(Focus(), screen->Text3);

    // Blocks 1 and 2 are this screen; a text that is no number only beeps.
    Box(16)->setText("2");
    Clear();
    for (const char* stay : {"1", "2", "b3"}) {
        GoTo(stay);
        EXPECT_EQ(Focus(), screen->Text3) << stay;
    }
    EXPECT_EQ(f.messages.shown, (std::vector<Shown>{{"beep", ""}}));
    GoTo("4");
    EXPECT_EQ(Other(15).shown, 1);
    EXPECT_TRUE(Left());
    EXPECT_EQ(f.s.HhSurveyCode, "2");

    Open();
    EXPECT_EQ(Text(16), "3") << "the box's 2 was never saved";
    Box(16)->setText("1");
    Click(screen->CmdNext);
    EXPECT_EQ(Other(14).shown, 1);
    EXPECT_TRUE(Left());
    EXPECT_EQ(f.s.CurFormIndex, 14);
}

TEST_F(Orcl051aTest, ExitAsksAboutTheAnswersOfANewHouseholdOnly) {
    Open();
    Fill({{11, "001"}, {14, "01"}});
    Click(screen->CmdExit);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Left());
    EXPECT_EQ(packet.returns, 1);

    // Yes with no survey code: the gate refuses the save and the screen still leaves.
    Open();
    Box(15)->setText("1");
    f.messages.Answer(true);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), (Texts{"Save Block-1 before exiting?",
                                 "survey code should be 1 or 2 or 3 for saving the block"}));
    EXPECT_TRUE(Left());
    EXPECT_EQ(Rows("S051L01"), "0");

    Open();
    Fill({{16, "1"}});
    Click(screen->CmdSave);
    Box(24)->setText("3");
    Clear();
    Click(screen->CmdExit);
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Left());
    EXPECT_EQ(Read("select NO_INV from S051L01"), "<null>") << "a stored household's edits are dropped";
}

TEST_F(Orcl051aTest, RecountThatFailsAfterTheSaveIsReportedAndTheRowStaysStored) {
    test::RefuseWrites(*f.s.FsuConn, "samplelist", "update", "list locked");
    Open();
    Box(16)->setText("1");
    Click(screen->CmdSave);
    ASSERT_EQ(f.messages.shown.size(), 1u);
    EXPECT_NE(f.messages.shown[0].text.find("list locked"), std::string::npos);
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    Clear();
    Click(screen->CmdSave);
    EXPECT_EQ(Rows("S051L01"), "1") << "the second save updates";
}

TEST_F(Orcl051aTest, ValidationSavesFirstThenListsTheErrors) {
    f.Insert("val_error", {{"fsuno", "10001"}, {"blk", "B3"}, {"msg1", "from an earlier run"}});
    Open();
    Box(16)->setText("5");
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(),
              (Texts{"survey code should be 1 or 2 or 3 for saving the block", "Block contains no records"}));
    EXPECT_EQ(Read("select count(*) from val_error"), "1");
    EXPECT_TRUE(screen->DataGrid->isHidden());

    Fill({{16, "1"}, {17, "1"}, {21, "150320"}, {22, "160320"}, {25, "1"}, {26, "1"}, {27, "1"}, {28, "1"}});
    Clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S051L01"), "1");
    EXPECT_EQ(f.ErrorLines(),
              Texts{"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"});
    EXPECT_FALSE(screen->DataGrid->isHidden());
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks block level");

    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

// Household 1/01 with rows in blocks 1, 3 (two members), 4 and 8; household 1/02
// beside it keeps its own.
class Orcl051aDeleteTest : public Orcl051aTest {
protected:
    void SetUp() override {
        for (const char* ssu : {"01", "02"}) {
            auto row = [&](const char* table, std::vector<std::pair<std::string, std::string>> cells) {
                cells.insert(cells.begin(), {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", ssu}});
                f.Insert(table, cells);
            };
            row("S051L01", {{"SVC", "1"}, {"INFSLN", "01"}});
            row("S051L02", {{"SLNO", "01"}});
            row("S051L02", {{"SLNO", "02"}});
            row("S051L03", {{"B4I1", "2"}});
            row("S051L09", {{"B8I1", "1"}});
        }
        f.s.FsuConn->Execute("update samplelist set CNT051 = 2");
        Open();
    }
};

TEST_F(Orcl051aDeleteTest, DeleteArchivesEveryBlockOfTheHouseholdAndRecounts) {
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(Text(14), "01");
    Box(14)->setText("05");
    const std::string question =
        "Are you sure that you want to delete the record and records of all other block?";
    f.messages.Answer(false);
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{question});
    EXPECT_EQ(Rows("S051L01"), "1");

    f.messages.Answer(true);
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), (Texts{question, question}));
    for (const layout::BlockTable* t : layout::ScheduleTables(2)) {
        SCOPED_TRACE(t->name);
        EXPECT_EQ(Rows(t->name), "0");
        EXPECT_EQ(Read("select count(*) from " + t->ArchiveName() +
                       " where deldate <> '200315' or delby <> 'OPR1'"),
                  "0");
        EXPECT_EQ(Rows(t->name, "02"), Rows(t->ArchiveName(), "01")) << "household 1/02 keeps its rows";
    }
    EXPECT_EQ(Read("select INFSLN from S051L01_del"), "01");
    EXPECT_EQ(Counts(), "1 1 1");
    EXPECT_EQ(f.s.HhExists, 0);

    // The same household may be entered afresh.
    EXPECT_EQ(Text(2), "051");
    EXPECT_EQ(Text(10), "1234") << "the listing's SRO";
    EXPECT_EQ(Text(11), "") << "CurSeg";
    EXPECT_EQ(Text(14), "");
    EXPECT_EQ(Text(16), "");
    EXPECT_EQ(Focus(), Box(14));
    Clear();
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"No such Data"});
}

TEST_F(Orcl051aDeleteTest, DeleteThatFailsHalfWayChangesNothing) {
    test::RefuseWrites(*f.s.FsuConn, "S051L09", "delete", "refused by the file");
    Box(16)->setFocus();
    f.messages.Answer(true);
    Click(screen->CmdDelete);
    ASSERT_EQ(f.messages.shown.size(), 2u);
    EXPECT_NE(f.messages.shown[1].text.find("refused by the file"), std::string::npos);
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    for (const layout::BlockTable* t : layout::ScheduleTables(2)) {
        SCOPED_TRACE(t->name);
        EXPECT_EQ(Rows(t->name), Rows(t->name, "02"));
        EXPECT_EQ(Read("select count(*) from " + t->ArchiveName()), "0");
    }
    EXPECT_EQ(Read("select CNT051 from samplelist"), "2");
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(Text(16), "1");
    EXPECT_EQ(Focus(), Box(16));
}

}  // namespace
}  // namespace r78
