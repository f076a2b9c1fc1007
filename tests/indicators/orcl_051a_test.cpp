#include "indicators/orcl_051a.h"

#include "core/DataLayout.h"
#include "tests/indicators/SingleScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;
using test::Texts;

class Orcl051aTest : public test::SingleScreenTest<orcl_051a, 13> {
protected:
    std::string Rows(const std::string& table, const std::string& ssu = "01") {
        return Read("select count(*) from " + table + " where fsuno = '10001' and SSU = '" + ssu + "'");
    }
};

TEST_F(Orcl051aTest, NewHouseholdIsPrefilledWithItsIdentificationLocked) {
    f.s.HhExists = 1;  // left over from another household: the file has no row
    Open();
    EXPECT_EQ(f.s.HhExists, 0);
    const Texts prefill{"10001", "78", "051", "1", "1", "091", "05", "01", "01", "1", "0000", "", "1", "01"};
    for (int i = 0; i <= 28; ++i) {
        EXPECT_EQ(Text(i), i <= 13 ? prefill[i] : "") << i;
        EXPECT_EQ(Box(i)->isEnabled(), i == 11 || i >= 14) << i;
    }
    EXPECT_EQ(Focus(), Box(11));
    QTest::keyClick(Box(14), Qt::Key_Up);
    EXPECT_EQ(Focus(), Box(11));
}

TEST_F(Orcl051aTest, EachBoxRuleAcceptsOrRefusesWithItsMessage) {
    Open();
    struct Case {
        int box;
        const char* typed;
        const char* survey;   // box 16, which box 17's rule reads
        const char* message;  // "": accepted, and the focus moves on
        const char* after;
    };
    const Case cases[] = {
        {11, "", "", "", "000"},
        {11, "12", "", "", "012"},
        {11, "1a", "", "numeric entry please ", ""},
        {14, "7", "", "", "07"},
        {14, "00", "", "informant srl no. should be 01 to 99", "00"},
        {15, "5", "", "Response Code should be 1 to 4 or 9", "5"},
        {16, "", "", "survey code invalid", ""},
        {16, "4", "", "survey code invalid", "4"},
        {17, "1", "1", "subst/casualty Code should be only when survey code is 2 or 3", "1"},
        {17, "5", "2", "subst/casualty Code should be 1,2,3 or 9", "5"},
        {17, "9", "3", "", "9"},
        {21, "290220", "", "", "290220"},
        {22, "311219", "", "Date of despatch is earlier than date of survey", "311219"},
        {28, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.box) + " \"" + c.typed + "\"");
        Box(16)->setText(c.survey);
        const auto [messages, focus] = EnterBox(c.box, c.typed);
        EXPECT_EQ(messages, *c.message ? Texts{c.message} : Texts{});
        EXPECT_EQ(Text(c.box), c.after);
        QWidget* next =
            c.box == 28 ? static_cast<QWidget*>(screen->CmdSave) : Box(c.box == 11 ? 14 : c.box + 1);
        EXPECT_EQ(focus, *c.message ? Box(c.box) : next);
    }
}

TEST_F(Orcl051aTest, SaveInsertsThenUpdatesAndCountsTheHousehold) {
    Open();
    packet.shhno = "02";  // packet shows another household: the screen keeps its own flag
    Fill({{16, "1"}, {21, "150320"}, {23, "12"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(Read("select DPC || SCH || SRO || SSS || SSU || SVC || Timec || creby || credate from S051L01"),
              "1010510000101112OPR1200315");
    EXPECT_EQ(Read("select RC from S051L01"), "<null>");
    EXPECT_EQ(Counts(), "1 1 1");
    EXPECT_EQ(packet.hhCount, " 1");

    Fill({{16, "2"}, {21, ""}});
    Click(screen->CmdSave);
    EXPECT_EQ(Rows("S051L01"), "1");
    EXPECT_EQ(Read("select DOS || '|' || RC || '|' || SVC from S051L01"), "||2") << "emptied boxes are ''";
    EXPECT_EQ(f.s.HhSurveyCode, "2");
}

TEST_F(Orcl051aTest, SurveyCodeGatesSaveNextAndGoToBlock) {
    Open();
    Fill({{16, "4"}, {15, "1"}});
    Click(screen->CmdSave);
    EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 2 or 3 for saving the block"});
    EXPECT_EQ(Focus(), Box(16));
    EXPECT_EQ(f.s.HhSurveyCode, "4");
    Box(16)->setText("1");
    Clear();
    Click(screen->CmdNext);
    GoTo("3");
    EXPECT_EQ(Messages(), (Texts{"please save the block first", "Enter Block-1 first"}));

    Box(16)->setText("3");  // a casualty is saved but goes no further
    Click(screen->CmdSave);
    Clear();
    Click(screen->CmdNext);
    EXPECT_EQ(Focus(), Box(16));
    GoTo("4");
    EXPECT_EQ(Messages(), (Texts{"survey code should be 1 or 2 for navigating to next block",
                                 "survey code should be 1 or 2 for navigating to other block"}));
    Box(16)->setText("2");
    Clear();
    GoTo("b3");
    EXPECT_EQ(f.messages.shown, (std::vector<test::ScriptedMessages::Shown>{{"beep", ""}}));
    GoTo("4");
    EXPECT_EQ(Other(15).shown, 1);
    EXPECT_TRUE(Left());

    Open();
    EXPECT_EQ(Text(16), "3") << "the stored row, not the box's unsaved 2";
    Box(16)->setText("1");
    Click(screen->CmdNext);
    EXPECT_EQ(Other(14).shown, 1);
    EXPECT_EQ(f.s.CurFormIndex, 14);
}

// The recount is part of the save: the file refusing it refuses the save, and
// neither the row, nor the counts, nor what the program holds or shows changes.
TEST_F(Orcl051aTest, RecountRefusedFailsTheSaveWithNothingStored) {
    test::RefuseWrites(*f.s.FsuConn, "samplelist", "update", "list locked");
    f.s.HhCountBySch[2] = 5;
    f.s.AsurvdBySss[2][1] = 3;
    packet.hhCount = " 5";
    Open();
    Box(16)->setText("1");
    Click(screen->CmdSave);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(Messages()[0].find("Block 1 was not saved."), std::string::npos) << Messages()[0];
    EXPECT_NE(Messages()[0].find("list locked"), std::string::npos) << Messages()[0];
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    EXPECT_EQ(Rows("S051L01"), "0");
    EXPECT_EQ(Counts(), "- - -");
    EXPECT_EQ(f.s.HhExists, 0);
    EXPECT_EQ(f.s.HhCountBySch[2], 5);
    EXPECT_EQ(f.s.AsurvdBySss[2][1], 3);
    EXPECT_EQ(packet.hhCount, " 5");

    // Still a new row: once the file takes the recount, the next save inserts it.
    f.s.FsuConn->Execute("drop trigger refuse_update_samplelist");
    Clear();
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Rows("S051L01"), "1");
    EXPECT_EQ(Counts(), "1 1 1");
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(f.s.HhCountBySch[2], 1);
    EXPECT_EQ(f.s.AsurvdBySss[2][1], 1);
    EXPECT_EQ(packet.hhCount, " 1");
}

TEST_F(Orcl051aTest, ValidateBlockSavesFirstAndGoesOnAfterTheGate) {
    Open();
    Box(16)->setText("5");
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(),
              (Texts{"survey code should be 1 or 2 or 3 for saving the block", "Block contains no records"}));
    Fill({{16, "1"}, {17, "1"}, {21, "150320"}, {22, "160320"}, {25, "1"}, {26, "1"}, {27, "1"}, {28, "1"}});
    Clear();
    Click(screen->Cmdval);
    EXPECT_EQ(f.ErrorLines(),
              Texts{"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"});
}

// Household 1/01 with rows in blocks 1, 3 (two members), 4 and 8, and 1/02 beside it.
class Orcl051aDeleteTest : public Orcl051aTest {
protected:
    void SetUp() override {
        for (const char* ssu : {"01", "02"}) {
            f.Insert("S051L01", {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", ssu}, {"SVC", "1"}});
            for (const char* table : {"S051L02", "S051L02", "S051L03", "S051L09"})
                f.Insert(table, {{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", ssu}});
        }
        f.s.FsuConn->Execute("update samplelist set CNT051 = 2");
        Open();
        f.messages.Answer(true);
    }
};

TEST_F(Orcl051aDeleteTest, DeleteArchivesEveryBlockOfTheHouseholdAndRecounts) {
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(),
              Texts{"Are you sure that you want to delete the record and records of all other block?"});
    for (const layout::BlockTable* t : layout::ScheduleTables(2)) {
        SCOPED_TRACE(t->name);
        EXPECT_EQ(Rows(t->name), "0");
        EXPECT_EQ(Rows(t->ArchiveName()), Rows(t->name, "02")) << "1/02 keeps its rows; 1/01's are archived";
    }
    EXPECT_EQ(Read("select count(*) from S051L02_del where deldate = '200315' and delby = 'OPR1'"), "2");
    EXPECT_EQ(Counts(), "1 1 1");
    EXPECT_EQ(f.s.HhExists, 0);
    EXPECT_EQ(Text(10) + "|" + Text(11) + "|" + Text(16), "1234||");
    EXPECT_EQ(Focus(), Box(14));
}

// The recount is part of the delete: the file refusing its write to the
// listing's block 1 keeps every row of the household, unarchived, and the counts
// that count it, in the file, in the shared state and on the control screen.
TEST_F(Orcl051aDeleteTest, RecountRefusedFailsTheDeleteAndTheHouseholdStaysCounted) {
    f.s.FsuConn->Execute("update S000L01 set CNT051 = 2");
    f.s.FsuConn->Execute("update S000L03 set ASURVD = 2");
    f.s.HhCountBySch[2] = 2;
    f.s.AsurvdBySss[2][1] = 2;
    packet.hhCount = " 2";
    test::RefuseWrites(*f.s.FsuConn, "S000L01", "update", "block 1 locked");
    Click(screen->CmdDelete);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[1].find("Nothing was deleted."), std::string::npos) << Messages()[1];
    EXPECT_NE(Messages()[1].find("block 1 locked"), std::string::npos) << Messages()[1];
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    for (const layout::BlockTable* t : layout::ScheduleTables(2)) {
        SCOPED_TRACE(t->name);
        EXPECT_EQ(Rows(t->name), Rows(t->name, "02"));
        EXPECT_EQ(Read("select count(*) from " + t->ArchiveName()), "0");
    }
    EXPECT_EQ(Read("select count(*) from S051L01 where SVC = '1'"), "2");
    EXPECT_EQ(Counts(), "2 2 2") << "the file's counts agree with its rows";
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(f.s.HhCountBySch[2], 2);
    EXPECT_EQ(f.s.AsurvdBySss[2][1], 2);
    EXPECT_EQ(packet.hhCount, " 2");
    EXPECT_EQ(Text(16), "1");
}

TEST_F(Orcl051aDeleteTest, DeleteThatFailsHalfWayChangesNothing) {
    test::RefuseWrites(*f.s.FsuConn, "S051L09", "delete", "refused by the file");
    Click(screen->CmdDelete);
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_NE(Messages()[1].find("refused by the file"), std::string::npos);
    for (const layout::BlockTable* t : layout::ScheduleTables(2)) {
        EXPECT_EQ(Rows(t->name), Rows(t->name, "02")) << t->name;
        EXPECT_EQ(Read("select count(*) from " + t->ArchiveName()), "0") << t->name;
    }
    EXPECT_EQ(Read("select CNT051 from samplelist"), "2");
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(Text(16), "1");
}

}  // namespace
}  // namespace r78
