#include "tourism/orcl_211a.h"

#include "core/DataLayout.h"
#include "tests/tourism/HouseholdScreenTest.h"
#include "tourism/orcl_211b.h"

namespace r78 {
namespace {

using test::Click;
using test::Focus;

class Orcl211aTest : public test::HouseholdScreenTest {
protected:
    void Open() {
        screen = HouseholdScreenTest::Open<orcl_211a>(4);
        ASSERT_NE(screen, nullptr);
    }
    ui::TextBox* Box(int i) const { return screen->Text1[i]; }
    std::string Text(int i) const { return Box(i)->text().toStdString(); }
    void Fill(std::initializer_list<std::pair<int, const char*>> boxes) {
        for (auto [box, text] : boxes) Box(box)->setText(text);
    }
    std::string Households() { return Read("select count(*) from S211L01"); }

    orcl_211a* screen = nullptr;
};

TEST_F(Orcl211aTest, NewHouseholdIsPrefilledAndLockedAStoredOneShowsItsRow) {
    Open();
    EXPECT_EQ(f.s.CurFormIndex, 4);
    const Texts prefill{"10003", "78", "211", "2", "1", "092", "11", "03", "01", "3", "0000", "", "2", "05"};
    for (int i = 0; i <= 28; ++i) {
        EXPECT_EQ(Text(i), i < 14 ? prefill[i] : "") << "box " << i;
        EXPECT_EQ(Box(i)->isEnabled(), i == 11 || i >= 14) << "box " << i;
    }
    EXPECT_EQ(Focus(), Box(11));
    screen->Unload();

    f.Insert("S211L01", {{"FSUNO", "10003"}, {"SSS", "2"}, {"SSU", "05"}, {"SRO", "1234"}, {"SVC", "1"}});
    f.s.HhExists = 0;
    Open();
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(Text(10), "1234");
    EXPECT_EQ(Text(16), "1");
    EXPECT_EQ(Text(2), "") << "a stored row shows what is stored";
}

TEST_F(Orcl211aTest, EachBoxRuleRefusesWithItsMessageOrPutsTheTextInItsForm) {
    Open();
    struct Case {
        std::vector<std::pair<int, const char*>> before;  // other boxes the rule reads
        int box;
        const char* typed;
        Texts messages;  // none: the entry passes and the focus moves on
        const char* after;
    };
    const Case cases[] = {
        {{}, 11, "", {}, "000"},
        {{}, 11, "7", {}, "007"},
        {{}, 11, "123", {}, "123"},
        {{}, 14, "5", {}, "05"},
        {{}, 14, "0", {"informant srl no. should be 01 to 99"}, "0"},
        {{}, 14, "", {}, ""},
        {{}, 15, "5", {"Response Code should be 1 to 4 or 9"}, "5"},
        {{}, 15, "9", {}, "9"},
        {{}, 16, "", {"survey code invalid"}, ""},
        {{}, 16, "4", {"survey code invalid"}, "4"},
        {{}, 16, "3", {}, "3"},
        {{{16, "1"}}, 17, "1", {"subst/casualty Code should be only when survey code is 2 or 3"}, "1"},
        {{{16, "2"}}, 17, "4", {"subst/casualty Code should be 1,2,3 or 9"}, "4"},
        {{{16, "3"}}, 17, "9", {}, "9"},
        {{}, 18, "123", {"Investigator Code should be 4 digited "}, "123"},
        {{}, 21, "300220", {"Invalid Date"}, "300220"},
        {{}, 21, "311219", {"Date beyond survey period"}, "311219"},
        {{{21, "150320"}}, 22, "140320", {"Date of despatch is earlier than date of survey"}, "140320"},
        {{{21, "150320"}}, 22, "150320", {}, "150320"},
        {{{21, ""}}, 22, "010320", {}, "010320"},
        {{}, 23, "1#", {"numeric entry please "}, ""},
        {{}, 25, "3", {"remark code should be 1 or 2"}, "3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("box " + std::to_string(c.box) + " \"" + c.typed + "\"");
        for (auto [box, text] : c.before) Box(box)->setText(text);
        Clear();
        test::EnterInBox(Box(c.box), c.typed);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(Text(c.box), c.after);
        // Boxes 12 and 13 are passed over.
        EXPECT_EQ(Focus(), c.messages.empty() ? Box(c.box == 11 ? 14 : c.box + 1) : Box(c.box));
    }
    test::EnterInBox(Box(28), "2");
    EXPECT_EQ(Focus(), screen->CmdSave);
    EXPECT_EQ(Households(), "0");
}

TEST_F(Orcl211aTest, SurveyCodeGatesSaveAndTheWayOn) {
    Open();
    Box(16)->setText("1");
    Click(screen->CmdNext);
    GoTo(screen->Text3, "3");
    EXPECT_EQ(Messages(), (Texts{"please save the block first", "Enter Block-1 first"}));

    Box(16)->setText("4");
    Clear();
    Click(screen->CmdSave);
    EXPECT_EQ(Messages(), Texts{"survey code should be 1 or 2 or 3 for saving the block"});
    EXPECT_EQ(Focus(), Box(16));
    EXPECT_EQ(f.s.HhSurveyCode, "4") << "the code is taken before the gate";
    EXPECT_EQ(Households(), "0");

    // A casualty household is saved, but has no further blocks.
    Box(16)->setText("3");
    Clear();
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.HhExists, 1);
    Box(14)->setFocus();
    Click(screen->CmdNext);
    EXPECT_EQ(Focus(), Box(16));
    GoTo(screen->Text3, "3");
    EXPECT_EQ(Messages(), (Texts{"survey code should be 1 or 2 for navigating to next block",
                                 "survey code should be 1 or 2 for navigating to other block"}));
    EXPECT_EQ(Focus(), screen->Text3);
    Clear();
    for (const char* stay : {"1", "2", "99"}) GoTo(screen->Text3, stay);
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(Current<orcl_211a>(4), screen);

    // The box's code counts, saved or not.
    Box(16)->setText("2");
    Click(screen->CmdNext);
    EXPECT_EQ(Current<orcl_211a>(4), nullptr);
    EXPECT_NE(Current<orcl_211b>(5), nullptr);
    EXPECT_EQ(f.s.CurFormIndex, 5);
    EXPECT_EQ(f.s.HhSurveyCode, "2");
}

TEST_F(Orcl211aTest, FirstSaveInsertsLaterSavesUpdateTheOneRowAndTheCountsFollow) {
    Open();
    Fill({{11, "001"}, {14, "01"}, {16, "1"}, {21, "150320"}, {23, "12"}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(f.s.HhExists, 1) << "packet's boxes name no household: the screen's own row counts";
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(
        Read("select DPC || '|' || FSUNO || '|' || SCH || '|' || SRO || '|' || SU || '|' || SSS || '|' || "
             "SSU || '|' || Timec || '|' || creby || '|' || credate from S211L01"),
        "101|10003|211|0000|001|2|05|12|OPR1|200315");
    EXPECT_EQ(Read("select RC from S211L01"), "<null>") << "a blank box is Null in an insert";
    EXPECT_EQ(Read("select CNT211 from samplelist"), "1");

    Fill({{16, "3"}, {23, ""}});
    Click(screen->CmdSave);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Households(), "1");
    EXPECT_EQ(Read("select SVC || '|' || Timec || '|' || RC from S211L01"), "3||")
        << "blanks are '' in an update";
    EXPECT_EQ(Read("select CNT211 from samplelist"), "1") << "a casualty counts too";
}

TEST_F(Orcl211aTest, ExitAsksToSaveANewHouseholdWithEntriesFromTheResponseCodeOn) {
    Open();
    Fill({{11, "001"}, {14, "01"}});
    Click(screen->CmdExit);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(packet.returns, 1);

    Open();
    Box(15)->setText("1");
    f.messages.Answer(false);
    Click(screen->CmdExit);
    EXPECT_EQ(Messages(), Texts{"Save Block-1 before exiting?"});
    EXPECT_EQ(packet.returns, 2);
    EXPECT_EQ(Households(), "0");
}

TEST_F(Orcl211aTest, ValidateBlockSavesFirstAndKeepsOldErrorsWhenNothingIsStored) {
    f.Insert("val_error", {{"fsuno", "10003"}, {"blk", "B3"}, {"msg1", "from an earlier run"}});
    Open();
    Click(screen->Cmdval);
    EXPECT_EQ(Messages(),
              (Texts{"survey code should be 1 or 2 or 3 for saving the block", "Block contains no records"}));
    EXPECT_EQ(Read("select count(*) from val_error"), "1");
    EXPECT_TRUE(screen->DataGrid->isHidden());

    Fill({{14, "01"}, {15, "1"}, {16, "1"}, {21, "150320"}, {22, "200320"}});
    for (int box = 25; box <= 28; ++box) Box(box)->setText("2");
    Clear();
    Click(screen->Cmdval);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Households(), "1");
    EXPECT_EQ(f.ErrorLines(), Texts{}) << "consistent answers, and the earlier rows gone";
    EXPECT_FALSE(screen->DataGrid->isHidden());
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks block level");
    EXPECT_EQ(f.s.ValBlockNo, 1);

    Click(screen->CmdValHH);
    EXPECT_EQ(screen->DataGrid->Caption(),
              "List of Error Messages detected by Data Validation Checks Household level");
}

// The household 2/05 with a row in every block table of both schedules, and
// household 2/06 of Schedule 21.1 beside it.
class Orcl211aDeleteTest : public Orcl211aTest {
protected:
    void SetUp() override {
        for (const auto& t : layout::BlockTables()) {
            if (t.Listing()) continue;
            f.Insert(t.name, {{"FSUNO", "10003"}, {"SSS", "2"}, {"SSU", "05"}});
            if (t.schedule == 1) f.Insert(t.name, {{"FSUNO", "10003"}, {"SSS", "2"}, {"SSU", "06"}});
        }
        for (const char* table : {"S211L01", "S051L01"})
            f.s.FsuConn->Execute(std::string("update ") + table + " set SVC = '1'");
        f.s.FsuConn->Execute("update samplelist set CNT211 = 7");
        f.s.FsuSro = "4321";
        Open();
    }
    std::string Rows(const std::string& table, const char* ssu = "05") {
        return Read("select count(*) from " + table + " where sss = '2' and ssu = '" + ssu + "'");
    }
};

TEST_F(Orcl211aDeleteTest, DeleteArchivesEveryBlockOfTheHouseholdAndTheCountsFollow) {
    const std::string question =
        "Are you sure that you want to delete the record and records of all other block?";
    f.messages.Answer(false);
    Click(screen->CmdDelete);
    EXPECT_EQ(Rows("S211L01"), "1");

    f.messages.Answer(true);
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), (Texts{question, question}));
    for (const auto& t : layout::BlockTables()) {
        if (t.Listing()) continue;
        SCOPED_TRACE(t.name);
        const bool tourism = t.schedule == 1;
        EXPECT_EQ(Rows(t.name), tourism ? "0" : "1");
        if (tourism) {
            EXPECT_EQ(Rows(t.name, "06"), "1");
        }
        EXPECT_EQ(Read("select count(*) || '|' || coalesce(max(deldate), '') || '|' || coalesce(max(delby), "
                       "'') from " +
                       t.ArchiveName()),
                  tourism ? "1|200315|OPR1" : "0||");
    }
    EXPECT_EQ(Read("select CNT211 from samplelist"), "1") << "household 2/06 is left";
    EXPECT_EQ(f.s.HhExists, 0);
    EXPECT_EQ(Text(10), "4321") << "the FSU's SRO after a delete";
    EXPECT_EQ(Text(11), "");
    EXPECT_EQ(Text(12), "2");
    EXPECT_EQ(Text(16), "");
    EXPECT_EQ(Focus(), Box(14));

    Clear();
    Click(screen->CmdDelete);
    EXPECT_EQ(Messages(), Texts{"No such Data"});
}

TEST_F(Orcl211aDeleteTest, DeleteThatFailsHalfWayChangesNothing) {
    test::RefuseWrites(*f.s.FsuConn, "S211L09", "delete", "refused by the file");
    Box(16)->setFocus();
    f.messages.Answer(true);
    Click(screen->CmdDelete);
    f.messages.shown.erase(f.messages.shown.begin());
    ExpectReported("refused by the file");
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    for (const auto* t : layout::ScheduleTables(1)) {
        EXPECT_EQ(Rows(t->name), "1") << t->name;
        EXPECT_EQ(Read("select count(*) from " + t->ArchiveName()), "0") << t->name;
    }
    EXPECT_EQ(Read("select CNT211 from samplelist"), "7") << "no recount";
    EXPECT_EQ(f.s.HhExists, 1);
    EXPECT_EQ(Text(16), "1");
    EXPECT_EQ(Focus(), Box(16));
}

}  // namespace
}  // namespace r78
