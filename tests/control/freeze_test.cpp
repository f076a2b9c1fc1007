#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/DataLayout.h"
#include "core/Text.h"
#include "tests/control/ControlScreenFixture.h"
#include "validation/ui/vform.h"

namespace r78 {
namespace {

using Shown = test::ScriptedMessages::Shown;
using Cells = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

const char* const kNull = "<null>";
const char* const kToday = "200301";  // the test clock's 1 March 2020
const char* const kNotVerified =
    "Data not verified. once frozen data for this FSU can not be verified\nfreeze the data any way?";
const char* const kAllEntered = "Data Entry of all the schedules completed?";

// FSU 10001, entered throughout and free of critical errors:
//   the listing: block 1 of a surveyed FSU, and stratum 1 with its all-strata row 9
//   in both parts of block 6 (Schedule 21.1: 4 to survey and 2 casualties);
//   Schedule 21.1: six casualty households 1/01..1/06, block 1 only;
//   Schedule 5.1: two casualty households 1/31 and 1/32, block 1 only;
//   every other block table: a row of household 5/99, which has no block 1 and so
//   is never checked, but is snapshotted like every other row of the FSU.
// Every entered column of those rows has a value of its own, so that a value
// copied into another column's O-column shows. FSU 10009 has the same rows in the
// same file; its O-columns must stay empty.
class FreezeTest : public test::ControlScreenTest {
public:
    // For the preparations of the table-driven cases.
    using ControlScreenTest::Choose;
    using ControlScreenTest::Exec;
    using ControlScreenTest::messages;
    using ControlScreenTest::Register;

protected:
    void SetUp() override {
        ControlScreenTest::SetUp();
        MakeFsuFile("10001");
        for (const char* fsu : {"10001", "10009"}) {
            AddRow("S000L01", fsu, {{"SVC", "1"}});
            for (const char* sss : {"1", "9"}) {
                AddRow("S000L02", fsu,
                       {{"SEGPOP", "100"},
                        {"SSS", sss},
                        {"CAPH", "10"},
                        {"SELH", "6"},
                        {"SURVD", "3"},
                        {"SSURVD", "1"},
                        {"TSURVD", "4"},
                        {"Casualty", "2"},
                        {"REPLHHD", "5"}});
                AddRow("S000L03", fsu,
                       {{"SEGPOP", "100"},
                        {"SSS", sss},
                        {"CAPH", "20"},
                        {"SELH", "9"},
                        {"SURVD", "3"},
                        {"SSURVD", "4"},
                        {"TSURVD", "7"},
                        {"Casualty", "2"},
                        {"REPLHHD", "1"}});
            }
            for (const char* ssu : {"01", "02", "03", "04", "05", "06"}) AddHousehold("S211L01", fsu, ssu);
            for (const char* ssu : {"31", "32"}) AddHousehold("S051L01", fsu, ssu);
            for (const auto& t : layout::BlockTables())
                if (t.index != 1 && t.index != 2 && t.index != 3 && t.index != 4 && t.index != 13)
                    AddRow(t.name, fsu, {{"SSS", "5"}, {"SSU", "99"}});
        }
        Choose(kSch00);
        Register("10001");
        ASSERT_TRUE(state.FsuOpen);
        messages.shown.clear();
        // The household selected before the click, which every run must give back.
        state.CurSss = "4";
        state.CurSsu = "07";
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* open = qobject_cast<vform*>(w)) delete open;
        ControlScreenTest::TearDown();
    }

    // A row of a block table: the cells given, and every other entered column a
    // value of its own.
    void AddRow(const std::string& table, const std::string& fsu, const Cells& given) {
        std::string cols = "FSUNO", marks = "?";
        db::Params params{fsu};
        auto add = [&](const std::string& col, const std::string& value) {
            cols += "," + col;
            marks += ",?";
            params.emplace_back(value);
        };
        for (const auto& [col, value] : given) add(col, value);
        int k = 0;
        for (const auto& c : layout::FindBlockTable(table)->SnapshotSources()) {
            ++k;
            bool isGiven = false;
            for (const auto& g : given) isGiven = isGiven || text::ToUpper(g.first) == text::ToUpper(c.name);
            // A column left blank stays blank in its snapshot.
            if (!isGiven && c.name != "NO_INV") add(c.name, Distinct(c, k));
        }
        Exec("10001", "insert into " + table + " (" + cols + ") values (" + marks + ")", params);
    }
    // The k-th value of a row, within the column's width: one-character text
    // columns take letters, so that neighbours seldom agree.
    static std::string Distinct(const layout::Column& c, int k) {
        std::string v = std::to_string(k);
        if (c.width == 1)
            return c.type == layout::ColType::Text ? std::string(1, char('A' + k % 26))
                                                   : v.substr(v.size() - 1);
        return c.width > 0 && v.size() > static_cast<size_t>(c.width) ? v.substr(v.size() - c.width) : v;
    }
    // A casualty household (survey code 3) with its block 1 only.
    void AddHousehold(const std::string& table, const std::string& fsu, const std::string& ssu) {
        AddRow(table, fsu, {{"SSS", "1"}, {"SSU", ssu}, {"SVC", "3"}});
    }

    std::string Value(const std::string& sql, const db::Params& params = {}) {
        const auto rs = db::Connection::Open(FsuFile("10001"))->Query(sql, params);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? kNull : rs.Field(0).Text();
    }
    std::string Status(const std::string& column) {
        return Value("select " + column + " from samplelist where fsuno = '10001'");
    }
    // Rows of the FSU, in any block table, with an O-column that differs from its
    // column ("is not": a blank column with a blank snapshot agrees).
    long SnapshotDifferences(const std::string& fsu) {
        long rows = 0;
        for (const auto& t : layout::BlockTables()) {
            std::string differs;
            for (const auto& c : t.SnapshotSources())
                differs += (differs.empty() ? "" : " or ") + ("O" + c.name) + " is not " + c.name;
            rows += std::stol(
                Value("select count(*) from " + t.name + " where fsuno = ? and (" + differs + ")", {fsu}));
        }
        return rows;
    }
    // O-columns holding a value, over the FSU's rows of every block table.
    long SnapshotValues(const std::string& fsu) {
        long values = 0;
        for (const auto& t : layout::BlockTables()) {
            std::string counts;
            for (const auto& c : t.SnapshotSources())
                counts += (counts.empty() ? "" : " + ") + ("count(O" + c.name + ")");
            values += std::stol(Value("select " + counts + " from " + t.name + " where fsuno = ?", {fsu}));
        }
        return values;
    }
    void Click(QPushButton* button) {
        button->click();
        QApplication::processEvents();
    }
    vform* ShownList() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<vform*>(w); v && v->isVisible()) return v;
        return nullptr;
    }
    void Answers(std::initializer_list<bool> answers) {
        for (bool yes : answers) messages.Answer(yes);
    }
};

TEST_F(FreezeTest, CleanFsuIsMarkedCompleteFrozenSnapshottedAndDeregistered) {
    ASSERT_EQ(SnapshotValues("10001"), 0);
    screen->Text4->setText("1");
    screen->Text5->setText("02");
    const QString registeredLabel = screen->Lbfsunoreg->text();
    Answers({true, true});
    Click(screen->CmdUpload);

    EXPECT_EQ(messages.shown,
              (std::vector<Shown>{
                  {"question", kNotVerified}, {"question", kAllEntered}, {"error", "data frozen"}}));
    EXPECT_EQ(Status("entsts"), "Y");
    EXPECT_EQ(Status("DOENT"), kToday);
    EXPECT_EQ(Status("loadsts"), "Y");
    EXPECT_EQ(Status("DOLOAD"), kToday);
    EXPECT_EQ(Status("vrfsts"), kNull);

    for (const auto& t : layout::BlockTables())
        ASSERT_NE(Value("select count(*) from " + t.name + " where fsuno = '10001'"), "0") << t.name;
    EXPECT_EQ(SnapshotDifferences("10001"), 0);
    EXPECT_GT(SnapshotValues("10001"), 300);
    EXPECT_EQ(SnapshotValues("10009"), 0) << "another FSU in the same file is not frozen";

    EXPECT_EQ(state.CurFsuNo, "");
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_FALSE(state.ValRunAll);
    EXPECT_FALSE(state.ValRunSch0);
    EXPECT_EQ(state.CurSss, "4");
    EXPECT_EQ(state.CurSsu, "07");
    for (auto* box : {screen->Text1, screen->Text4, screen->Text5}) EXPECT_EQ(box->text(), "");
    EXPECT_EQ(screen->Lbfsunoreg->text(), registeredLabel);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(ShownList(), nullptr);
    // The error rows left are the warnings of the last run, Schedule 5.1's.
    EXPECT_NE(Value("select count(*) from val_error where fsuno = '10001'"), "0");
    EXPECT_EQ(Value("select count(*) from val_error where fsuno = '10001' and "
                    "(msgtype <> 'Warn' or ssu is null or ssu not in ('31', '32'))"),
              "0");

    // The FSU is no longer registered: the next freeze refuses at once.
    messages.shown.clear();
    Click(screen->CmdUpload);
    EXPECT_EQ(messages.Texts(), Texts{"FSU NO not yet registered"});
}

TEST_F(FreezeTest, CompleteFsuWithoutHouseholdsIsFrozenAfterTheListingChecksAlone) {
    for (const auto& t : layout::BlockTables())
        if (t.name != "S000L01") Exec("10001", "delete from " + t.name + " where fsuno = '10001'");
    Exec("10001", "update samplelist set entsts = 'Y', DOENT = '191231', vrfsts = 'Y'");
    Click(screen->CmdUpload);
    EXPECT_EQ(messages.Texts(), Texts{"data frozen"});
    EXPECT_EQ(Status("DOENT"), "191231") << "an earlier complete mark is kept as it was";
    EXPECT_EQ(Status("DOLOAD"), kToday);
    EXPECT_EQ(SnapshotDifferences("10001"), 0);
    EXPECT_GT(SnapshotValues("10001"), 0);
    EXPECT_NE(Value("select count(*) from val_error where fsuno = '10001'"), "0");
    EXPECT_EQ(Value("select count(*) from val_error where fsuno = '10001' and sss is not null"), "0")
        << "the listing run was the last";
}

struct Refusal {
    const char* name;
    std::function<void(FreezeTest&)> prepare;
    std::vector<bool> answers;
    std::vector<Shown> shown;
    const char* entsts;                    // afterwards
    const char* schedule;                  // of the error list shown on the validation screen; nullptr: none
    const char* ssuOfErrorRows = nullptr;  // LIKE pattern of the error rows' ssu ("-" for none)
};

std::ostream& operator<<(std::ostream& os, const Refusal& r) { return os << r.name; }

struct FreezeRefusalTest : FreezeTest, ::testing::WithParamInterface<Refusal> {};

TEST_P(FreezeRefusalTest, LeavesTheFsuUnfrozenAndSaysWhy) {
    const Refusal& c = GetParam();
    c.prepare(*this);
    for (bool yes : c.answers) messages.Answer(yes);
    Click(screen->CmdUpload);

    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_EQ(Status("entsts"), c.entsts);
    EXPECT_EQ(Status("DOENT"), std::string(c.entsts) == "Y" ? kToday : kNull);
    EXPECT_EQ(Status("DOLOAD"), kNull);
    EXPECT_EQ(SnapshotValues("10001"), 0);
    EXPECT_EQ(state.CurFsuNo, "10001");
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(state.CurSss, "4");
    EXPECT_EQ(state.CurSsu, "07");
    EXPECT_FALSE(state.ValRunAll);
    EXPECT_FALSE(state.ValRunSch0);

    vform* list = ShownList();
    EXPECT_EQ(screen->isVisible(), c.schedule == nullptr);
    ASSERT_EQ(list != nullptr, c.schedule != nullptr);
    if (list) {
        EXPECT_EQ(list->Lbsch->text(), c.schedule);
        EXPECT_EQ(list->DataGrid2->Caption(),
                  QString("List of Error Messages detected by Data Validation Checks Sch ") + c.schedule);
        // The household columns show for a household run only, and nothing else.
        for (int col = 0; col < list->DataGrid2->ColumnCount(); ++col) {
            const std::string field = text::ToUpper(list->DataGrid2->DataField(col));
            const bool household = field == "SSS" || field == "SSU";
            EXPECT_EQ(list->DataGrid2->ColumnVisible(col),
                      field != "VISIT" && (!household || std::string(c.schedule) != "0.0"))
                << field;
        }
        EXPECT_EQ(list->DataGrid2->RecordCount(),
                  std::stol(Value("select count(*) from val_error where fsuno = '10001'")));
        EXPECT_NE(Value("select count(*) from val_error where fsuno = '10001' and msgtype = 'Crit'"), "0");
        EXPECT_EQ(
            Value("select count(*) from val_error where fsuno = '10001' and coalesce(ssu, '-') not like ?",
                  {c.ssuOfErrorRows}),
            "0")
            << "the rows are the refusing run's alone";
    }
}

const char* const kCoverage =
    "Coverage Error in sch 0.0 remains. Data entry of all schedules is not complete. Data not frozen";

// A household missing from Schedule 21.1: the listing's stratum 1 no longer adds up.
const auto kHouseholdMissing = [](FreezeTest& t) { t.Exec("10001", "delete from S211L01 where SSU = '06'"); };
// Block 4 of a casualty household, which must have no other block.
auto ExtraBlock(const char* table, const char* ssu) {
    return [=](FreezeTest& t) {
        t.Exec("10001", std::string("insert into ") + table + " (FSUNO, SSS, SSU) values ('10001', '1', ?)",
               {ssu});
    };
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FreezeRefusalTest,
    ::testing::Values(
        Refusal{"NotRegistered",
                [](FreezeTest& t) { t.Choose(0); },
                {},
                {{"error", "FSU NO not yet registered"}},
                kNull,
                nullptr},
        // Also after the operator registered the frozen FSU again for updating.
        Refusal{"AlreadyFrozen",
                [](FreezeTest& t) {
                    t.Exec("10001", "update samplelist set loadsts = 'Y'");
                    t.messages.Answer(true);
                    t.Register("10001");
                    t.messages.shown.clear();
                },
                {},
                {{"ok", "Data alrady frozen"}},
                kNull,
                nullptr},
        Refusal{"NotVerifiedAnsweredNo",
                [](FreezeTest&) {},
                {false},
                {{"question", kNotVerified}},
                kNull,
                nullptr},
        Refusal{"EntryNotCompleteAnsweredNo",
                [](FreezeTest&) {},
                {true, false},
                {{"question", kNotVerified}, {"question", kAllEntered}, {"ok", "Data not frozen"}},
                kNull,
                nullptr},
        Refusal{"CoverageErrorBeforeTheCompleteMark",
                kHouseholdMissing,
                {true, true},
                {{"question", kNotVerified}, {"question", kAllEntered}, {"error", kCoverage}},
                kNull,
                nullptr},
        Refusal{"CoverageErrorOfACompleteVerifiedFsu",
                [](FreezeTest& t) {
                    kHouseholdMissing(t);
                    t.Exec("10001", "update samplelist set entsts = 'Y', DOENT = '200301', vrfsts = 'Y'");
                },
                {},
                {{"error", "Critical Coverage Error remains. Unable to freeze the data"}},
                "Y",
                "0.0",
                "-"},
        // The complete mark is set before the household runs, and kept by their refusal.
        Refusal{"CriticalErrorInSchedule211",
                ExtraBlock("S211L03", "02"),
                {true, true},
                {{"question", kNotVerified},
                 {"question", kAllEntered},
                 {"error", "Critical Error remains in sch 21.1. Unable to upload the data"}},
                "Y",
                "21.1",
                "0_"},
        Refusal{"CriticalErrorInSchedule51",
                ExtraBlock("S051L03", "31"),
                {true, true},
                {{"question", kNotVerified},
                 {"question", kAllEntered},
                 {"error", "Critical Error remains in sch 5.1. Unable to upload the data"}},
                "Y",
                "5.1",
                "3_"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FreezeTest, CriticalErrorPastTheSerialNumberCapStillRefuses) {
    Exec("10001", "update samplelist set entsts = 'Y', DOENT = '200301', vrfsts = 'Y'");
    // Sixty more casualty households of Schedule 5.1 with seven warnings each (no
    // dates, no reason, four wrong codes), then one with a critical error.
    for (int ssu = 40; ssu < 100; ++ssu)
        Exec("10001",
             "insert into S051L01 (FSUNO, SSS, SSU, SVC, REM1, REM2, REM3, REM4) values ('10001', '1', ?, "
             "'3', '9', "
             "'9', '9', '9')",
             {std::to_string(ssu)});
    Exec("10001", "insert into S051L01 (FSUNO, SSS, SSU, SVC) values ('10001', '2', '01', '3')");
    Exec("10001", "insert into S051L03 (FSUNO, SSS, SSU) values ('10001', '2', '01')");
    Click(screen->CmdUpload);

    EXPECT_EQ(messages.Texts(), Texts{"Critical Error remains in sch 5.1. Unable to upload the data"});
    EXPECT_EQ(Value("select min(srlno) from val_error where fsuno = '10001' and sss = '2'"), "399");
    EXPECT_EQ(Status("loadsts"), kNull);
}

TEST_F(FreezeTest, FailingSnapshotLeavesTheFsuUnmarkedUncopiedAndRegistered) {
    Exec("10001", "update samplelist set entsts = 'Y', DOENT = '200301', vrfsts = 'Y'");
    // The eighth of the 21 tables refuses: seven are copied before it fails.
    Exec("10001",
         "create trigger refuse before update on S211L05 begin select raise(abort, 'snapshot refused'); end");
    Click(screen->CmdUpload);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "ok");
    EXPECT_NE(messages.shown[0].text.find("snapshot refused"), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(Status("loadsts"), kNull);
    EXPECT_EQ(Status("DOLOAD"), kNull);
    EXPECT_EQ(SnapshotValues("10001"), 0);
    EXPECT_EQ(state.CurFsuNo, "10001");
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(screen->Text1->text(), "10001");
    EXPECT_EQ(state.CurSss, "4");

    // Once the table accepts the update, the same FSU freezes.
    Exec("10001", "drop trigger refuse");
    messages.shown.clear();
    Click(screen->CmdUpload);
    EXPECT_EQ(messages.Texts(), Texts{"data frozen"});
    EXPECT_EQ(SnapshotDifferences("10001"), 0);
}

TEST_F(FreezeTest, MarkThatChangesNoRowIsReportedAsAFailure) {
    // The sample-list row ignores the freeze mark: nothing is frozen or copied.
    Exec("10001", "update samplelist set entsts = 'Y', vrfsts = 'Y'");
    Exec("10001",
         "create trigger ignore_mark before update on samplelist when new.loadsts = 'Y' "
         "begin select raise(ignore); end");
    Click(screen->CmdUpload);
    EXPECT_EQ(messages.shown,
              (std::vector<Shown>{{"ok", "The FSU's sample-list row was not found: data not frozen"}}));
    EXPECT_EQ(SnapshotValues("10001"), 0);
    EXPECT_TRUE(state.FsuOpen);

    // Without its sample-list row the complete mark changes nothing either.
    Exec("10001", "delete from samplelist");
    messages.shown.clear();
    Answers({true, true});
    Click(screen->CmdUpload);
    EXPECT_EQ(messages.shown,
              (std::vector<Shown>{{"question", kNotVerified},
                                  {"question", kAllEntered},
                                  {"ok", "The FSU's sample-list row was not found: data not frozen"}}));
    EXPECT_EQ(SnapshotValues("10001"), 0);
    EXPECT_TRUE(state.FsuOpen);
}

TEST_F(FreezeTest, ListingChecksShowTheListingSummaryOnTheControlScreen) {
    kHouseholdMissing(*this);
    Exec("10001", "update samplelist set entsts = 'Y', DOENT = '200301', vrfsts = 'Y'");
    Exec("10001", "update S000L01 set CNT211 = 6, CNT051 = 2");
    Click(screen->CmdUpload);
    EXPECT_EQ(messages.Texts(), Texts{"Critical Coverage Error remains. Unable to freeze the data"});
    EXPECT_EQ(screen->Label27->text(), "YES");
    EXPECT_EQ(screen->Lb211->text(), "6");
    EXPECT_EQ(screen->Lb051->text(), "2");
}

// The file refuses an error row of the last household run, that of Schedule 5.1,
// part way: the runs before it stand, and nothing of the freeze is written.
TEST_F(FreezeTest, RunFailingPartWayFreezesNothingAndKeepsTheListBeforeIt) {
    Exec("10001",
         "create trigger halfway before insert on val_error when new.ssu = '32' "
         "begin select raise(abort, 'disk full'); end");
    Answers({true, true});
    Click(screen->CmdUpload);

    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[2].kind, "ok");
    EXPECT_TRUE(messages.shown[2].text.starts_with("The FSU could not be frozen"));
    EXPECT_NE(messages.shown[2].text.find("disk full"), std::string::npos) << messages.shown[2].text;
    EXPECT_EQ(Status("entsts"), "Y") << "the complete mark came with a listing run that ended";
    EXPECT_EQ(Status("loadsts"), kNull);
    EXPECT_EQ(SnapshotValues("10001"), 0);
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_NE(Value("select count(*) from val_error where fsuno = '10001'"), "0");
    EXPECT_EQ(
        Value("select count(*) from val_error where fsuno = '10001' and coalesce(ssu, '-') not like '0_'"),
        "0")
        << "the list is Schedule 21.1's, the last run that ended";
}

TEST_F(FreezeTest, ListingRunFailingPartWayOnExitMarksNothing) {
    Exec("10001", "insert into val_error (fsuno, srlno, blk, msg1) values ('10001', 1, 'B 9', 'earlier')");
    Exec("10001",
         "create trigger halfway before insert on val_error when (select count(*) from val_error) >= 1 "
         "begin select raise(abort, 'disk full'); end");
    Answers({true});
    Click(screen->CmdExit);

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[1].text.starts_with("The entry status could not be updated."));
    EXPECT_NE(messages.shown[1].text.find("disk full"), std::string::npos) << messages.shown[1].text;
    EXPECT_EQ(Status("entsts"), kNull);
    EXPECT_EQ(Value("select group_concat(msg1) from val_error where fsuno = '10001'"), "earlier");
}

TEST_F(FreezeTest, EntryCompleteMarkTheFileRefusesIsNotReportedAsMade) {
    Exec("10001", "insert into val_error (fsuno, srlno, blk, msg1) values ('10001', 1, 'B 9', 'earlier')");
    const auto reader = db::Connection::Open(FsuFile("10001"));
    reader->Execute("BEGIN");
    reader->Query("select count(*) from samplelist");
    Answers({true});
    Click(screen->CmdExit);
    reader->Execute("ROLLBACK");

    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[1].text.starts_with(
        "The entry status could not be updated.\n\nThe validation results could not be stored."))
        << messages.shown[1].text;
    EXPECT_EQ(Status("entsts"), kNull);
    EXPECT_EQ(Value("select group_concat(msg1) from val_error where fsuno = '10001'"), "earlier");
}

struct ExitCase {
    const char* name;
    std::function<void(FreezeTest&)> prepare;
    std::vector<bool> answers;
    std::vector<Shown> shown;
    const char* entsts;
    const char* doent;
};

std::ostream& operator<<(std::ostream& os, const ExitCase& c) { return os << c.name; }

struct ExitTest : FreezeTest, ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, MarksEntryCompleteOnlyWhenTheListingIsFreeOfCriticalErrorsAndLeaves) {
    const ExitCase& c = GetParam();
    c.prepare(*this);
    for (bool yes : c.answers) messages.Answer(yes);
    Click(screen->CmdExit);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(messages.shown, c.shown);
    EXPECT_TRUE(screen.isNull()) << "the control screen is unloaded whatever the outcome";
    EXPECT_FALSE(state.MasterConn->IsOpen());
    EXPECT_EQ(Status("entsts"), c.entsts);
    EXPECT_EQ(Status("DOENT"), c.doent);
    EXPECT_NE(Status("loadsts"), "Y");
    EXPECT_EQ(SnapshotValues("10001"), 0);
}

const char* const kExiting = "FSU NO not yet registered. Exiting..";

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitTest,
    ::testing::Values(
        // The click says it, and so does the unload of the screen.
        ExitCase{"NotRegistered",
                 [](FreezeTest& t) { t.Choose(0); },
                 {},
                 {{"error", kExiting}, {"error", kExiting}},
                 kNull,
                 kNull},
        ExitCase{
            "AlreadyComplete",
            [](FreezeTest& t) { t.Exec("10001", "update samplelist set entsts = 'Y', DOENT = '191231'"); },
            {},
            {},
            "Y",
            "191231"},
        ExitCase{"AnsweredNo", [](FreezeTest&) {}, {false}, {{"question", kAllEntered}}, kNull, kNull},
        ExitCase{"Clean",
                 [](FreezeTest&) {},
                 {true},
                 {{"question", kAllEntered}, {"error", "entry status updated"}},
                 "Y",
                 kToday},
        ExitCase{
            "CoverageError",
            kHouseholdMissing,
            {true},
            {{"question", kAllEntered},
             {"error", "Coverage Error in sch 0.0 remains. Data entry of all schedules is not complete."}},
            kNull,
            kNull},
        ExitCase{"SampleListRowMissing",
                 [](FreezeTest& t) { t.Exec("10001", "delete from samplelist"); },
                 {true},
                 {{"question", kAllEntered},
                  {"ok", "The FSU's sample-list row was not found: entry status not updated"}},
                 "<no row>",
                 "<no row>"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace r78
