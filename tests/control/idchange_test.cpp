#include "control/IdChange.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "core/Text.h"
#include "tests/control/ControlScreenFixture.h"

namespace r78 {
namespace {

// The nine block tables of schedule type 1 (s211l01..09) or 2 (s051l01..09).
std::string HouseholdTableName(int schType, int level) {
    return std::string(schType == 1 ? "s211l0" : "s051l0") + std::to_string(level);
}

using Texts = std::vector<std::string>;
using test::ScriptedMessages;

const char* const kEnterCorrectly = "please enter new-id correctly";
const char* const kBeyondSelh = "new HH No can not be more than selected";
const char* const kNoRoom = "No room for additional entry under this new SEGxSSS combination";

// FSU 10001 in both household schedules, strata as the listing's block 6 has them:
//   stratum 1: 6 selected, 2 to survey; households 1/05 (to be moved) and 1/02: full;
//   stratum 2: 8 selected, 1 to survey; household 2/01: full;
//   stratum 3: 5 selected, 3 to survey; household 3/02.
// Household 1/05 has rows in all nine block tables (two in block 3); 1/02 in the
// tables of blocks 1 and 4. FSU 10009 keeps households 1/05 and 3/04 in the same file.
class IdChangeTest : public test::ControlScreenTest {
protected:
    virtual int Schedule() const { return kSch211; }

    void SetUp() override {
        ControlScreenTest::SetUp();
        MakeFsuFile("10001");
        AddBlock1("10001");
        for (int t : {kSch211, kSch051}) {
            AddBlock6("10001", t, "1", "6", "2", "0");
            AddBlock6("10001", t, "2", "8", "1", "0");
            AddBlock6("10001", t, "3", "5", "3", "0");
            for (int level = 1; level <= 9; ++level) AddRow(t, level, "10001", "1", "05");
            AddRow(t, 2, "10001", "1", "05");
            for (int level : {1, 3}) AddRow(t, level, "10001", "1", "02");
            AddRow(t, 1, "10001", "2", "01");
            AddRow(t, 1, "10001", "3", "02");
            for (int level : {1, 4}) AddRow(t, level, "10009", "1", "05");
            AddRow(t, 1, "10009", "3", "04");
        }
        Choose(Schedule());
        Register("10001");
        SelectHousehold("1", "05");
        ASSERT_TRUE(state.HhSelected);
        ASSERT_EQ(state.HhExists, 1);
        messages.shown.clear();
        before = Snapshot();
    }

    void AddRow(int schType, int level, const std::string& fsu, const std::string& sss,
                const std::string& ssu) {
        const std::string table = HouseholdTableName(schType, level);
        if (level == 1)
            Exec("10001", "insert into " + table + " (FSUNO, SSS, SSU, SVC) values (?, ?, ?, '1')",
                 {fsu, sss, ssu});
        else
            Exec("10001", "insert into " + table + " (FSUNO, SSS, SSU) values (?, ?, ?)", {fsu, sss, ssu});
    }
    // Every household key of the eighteen block tables, table by table.
    std::string Snapshot() {
        std::string all;
        for (int t : {kSch211, kSch051})
            for (int level = 1; level <= 9; ++level) {
                const auto rs = db::Connection::Open(FsuFile("10001"))
                                    ->Query("select FSUNO, SSS, SSU from " + HouseholdTableName(t, level) +
                                            " order by rowid");
                all += HouseholdTableName(t, level) + ":";
                for (long r = 0; r < rs.RecordCount(); ++r)
                    all += " " + rs.Row(r)[0].Text() + "/" + rs.Row(r)[1].Text() + "/" + rs.Row(r)[2].Text();
                all += "\n";
            }
        return all;
    }
    // The snapshot taken before, with FSU 10001's household 1/05 under its new key in the
    // schedule's own tables.
    std::string Moved(const std::string& to) const {
        const std::string own = HouseholdTableName(Schedule(), 1).substr(0, 5), old = " 10001/1/05";
        std::istringstream lines(before);
        std::string expected;
        for (std::string line; std::getline(lines, line); expected += line + "\n")
            for (size_t at; line.starts_with(own) && (at = line.find(old)) != std::string::npos;)
                line.replace(at, old.size(), " 10001/" + to);
        return expected;
    }

    // Clicks "&ID Change"; the identification-change screen when it opened.
    idchange* OpenIdChange() {
        screen->CmdIdRep->click();
        QApplication::processEvents();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* open = qobject_cast<idchange*>(w); open && open->isVisible()) return open;
        return nullptr;
    }
    void Proceed(idchange* id, const QString& sss, const QString& ssu) {
        id->nsss->setText(sss);
        id->nssu->setText(ssu);
        id->CmdProceed->click();
        QApplication::processEvents();
    }
    void ExpectBackInGoToBlock(const QString& goToBlockText) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(screen->isVisible());
        EXPECT_EQ(Focus(), screen->Text3);
        EXPECT_EQ(screen->Text3->selectedText(), goToBlockText);
    }

    std::string before;
};

TEST_F(IdChangeTest, OpensOnlyForTheSelectedEnteredHouseholdOfAHouseholdSchedule) {
    const char* const kModule = "ID Change module is for sch 21.1 and 5.1 only";
    const char* const kNoFsu = "FSU NO not yet registered";
    const char* const kNotAuthorised = "SSU NO not yet authorised for change";
    struct Case {
        const char* what;
        std::function<void()> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"listing, no FSU",
         [this] {
             state.CurSchType = 0;
             state.FsuOpen = false;
         },
         kModule},
        {"no schedule chosen", [this] { state.CurSchType = 99; }, kModule},
        {"leaving", [this] { state.CurSchType = 9; }, kModule},
        {"FSUNO box changed", [this] { screen->Text1->setText("10002"); }, kNoFsu},
        {"FSU closed, SHHNO changed",
         [this] {
             state.FsuOpen = false;
             screen->Text5->setText("02");
         },
         kNoFsu},
        {"SHHNO box changed", [this] { screen->Text5->setText("02"); }, kNotAuthorised},
        {"no household selected", [this] { state.HhSelected = false; }, kNotAuthorised},
        {"household without block 1", [this] { state.HhExists = 0; },
         "Data for this household not yet entered"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil();
        messages.shown.clear();
        EXPECT_EQ(OpenIdChange(), nullptr);
        EXPECT_EQ(messages.shown, (std::vector<ScriptedMessages::Shown>{{"error", c.message}}));
        EXPECT_TRUE(screen->isVisible());
        state.CurSchType = kSch211;
        state.FsuOpen = state.HhSelected = true;
        state.HhExists = 1;
        screen->Text1->setText("10001");
        screen->Text5->setText("05");
    }

    // The SSS box is not compared: the household is the one registered.
    screen->Text4->setText("2");
    messages.shown.clear();
    idchange* id = OpenIdChange();
    ASSERT_NE(id, nullptr);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(screen->isHidden());
    EXPECT_EQ(id->windowTitle(), "Data entry TQS 78th Round");
    EXPECT_EQ(id->Heading->text(), " Changing of Identification of SSU");
    EXPECT_EQ(id->osss->text(), "1");
    EXPECT_EQ(id->ossu->text(), "05");
    EXPECT_EQ(id->nsss->text(), "");
    EXPECT_EQ(id->nssu->text(), "");
    EXPECT_EQ(Focus(), id->nsss);
}

class IdChangeMoveTest : public IdChangeTest, public ::testing::WithParamInterface<int> {
protected:
    int Schedule() const override { return GetParam(); }
};

TEST_P(IdChangeMoveTest, MovesEveryRowOfTheHouseholdInItsNineTables) {
    screen->Text3->setText("4");
    idchange* id = OpenIdChange();
    ASSERT_NE(id, nullptr);
    QPointer<idchange> open(id);
    Enter(id->nsss, "3");
    EXPECT_EQ(Focus(), id->nssu);
    Enter(id->nssu, "4");
    EXPECT_EQ(id->nssu->text(), "04");
    EXPECT_EQ(Focus(), id->CmdProceed);
    Key(id->CmdProceed, Qt::Key_Return);

    EXPECT_TRUE(messages.shown.empty());
    const std::string after = Snapshot();
    EXPECT_EQ(after, Moved("3/04"));
    size_t moved = 0;
    for (size_t at = 0; (at = after.find("10001/3/04", at)) != std::string::npos; ++at) ++moved;
    EXPECT_EQ(moved, 10u) << "one row in each of the nine tables, two in block 3";
    ExpectBackInGoToBlock("4");
    EXPECT_TRUE(open.isNull());

    // The control screen still names the old identification, which now has no rows.
    EXPECT_EQ(state.CurSss, "1");
    EXPECT_EQ(state.CurSsu, "05");
    EXPECT_EQ(screen->Text4->text(), "1");
    EXPECT_EQ(screen->Text5->text(), "05");
    EXPECT_EQ(state.HhExists, 0);
    // Recounted after the move: stratum 1 keeps one surveyed household of two, stratum 3 has two.
    const std::string block6 = Schedule() == kSch211 ? "S000L02" : "S000L03";
    EXPECT_EQ(Read("10001", "select ASURVD from " + block6 + " where SSS = '1'"), "1");
    EXPECT_EQ(state.SssFull[Schedule()][1], 0);
    EXPECT_EQ(state.AsurvdBySss[Schedule()][3], 2);
}

INSTANTIATE_TEST_SUITE_P(Schedules, IdChangeMoveTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "Sch211" : "Sch51"; });

TEST_F(IdChangeTest, ProceedRefusesAnIdentificationThatCannotBeTheHouseholds) {
    struct Case {
        QString sss, ssu;
        std::string message;
    };
    const Case cases[] = {
        {"1", "05", kEnterCorrectly},  // the same household
        {"3", "4", kEnterCorrectly},   // never checked by Enter, so never padded
        {"", "04", kEnterCorrectly},
        {"12", "4", kEnterCorrectly},
        {"x", "04", kEnterCorrectly},
        {"0", "04", kEnterCorrectly},
        {"6", "04", kEnterCorrectly},
        {"3", "00", kEnterCorrectly},
        {"3", "0x", kEnterCorrectly},
        {"3", " 4", kEnterCorrectly},
        {"3", "4 ", kEnterCorrectly},
        {"3", "06", kBeyondSelh},
        {"3", "15", kBeyondSelh},  // the key handler's 1 to 12 is not Proceed's rule
        {"1", "06", kNoRoom},      // a full stratum refuses even a new number within it
        {"2", "03", kNoRoom},
        {"3", "02", "The new identification 3/02 is already in use by another household of this FSU"},
    };
    QPointer<idchange> id = OpenIdChange();
    ASSERT_FALSE(id.isNull());
    for (const auto& c : cases) {
        SCOPED_TRACE(("[" + c.sss + "][" + c.ssu + "]").toStdString());
        messages.shown.clear();
        Proceed(id, c.sss, c.ssu);
        EXPECT_EQ(messages.shown, (std::vector<ScriptedMessages::Shown>{{"ok", c.message}}));
        ASSERT_FALSE(id.isNull());
        EXPECT_TRUE(id->isVisible());
        EXPECT_TRUE(screen->isHidden());
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Read("10001", "select ASURVD from S000L02 where SSS = '1'"), "2");
}

TEST_F(IdChangeTest, NewIdentificationKeysSayWhatIsWrong) {
    struct Case {
        bool ssuBox;
        QString typed;
        Qt::Key key;
        QString after;
        std::string message;  // empty: accepted, the focus moves on
    };
    const Case cases[] = {
        {false, "3", Qt::Key_Return, "3", ""},
        {false, "5", Qt::Key_Down, "5", ""},
        {false, "x", Qt::Key_Return, "x", "Numeric entry please"},
        {false, "", Qt::Key_Return, "", "Numeric entry please"},
        {false, "0", Qt::Key_Return, "0", "Invalid new SSS code"},
        {false, "6", Qt::Key_Down, "6", "Invalid new SSS code"},
        {true, "7", Qt::Key_Return, "07", ""},
        {true, "12", Qt::Key_Down, "12", ""},  // whatever the stratum's SELH
        {true, "13", Qt::Key_Return, "13", "Invalid SSU number"},
        {true, "00", Qt::Key_Return, "00", "Invalid SSU number"},
        {true, "", Qt::Key_Return, "0", "Invalid SSU number"},
        {true, "x", Qt::Key_Return, "0x", "Numeric entry please"},
        {true, "a1", Qt::Key_Return, "a1", "Numeric entry please"},
    };
    QPointer<idchange> id = OpenIdChange();
    ASSERT_FALSE(id.isNull());
    for (const auto& c : cases) {
        SCOPED_TRACE((c.ssuBox ? "nssu [" : "nsss [") + c.typed.toStdString() + "]");
        ui::TextBox* box = c.ssuBox ? id->nssu : id->nsss;
        QWidget* next = c.ssuBox ? static_cast<QWidget*>(id->CmdProceed) : id->nssu;
        messages.shown.clear();
        box->setFocus();
        Enter(box, c.typed, c.key);
        EXPECT_EQ(box->text(), c.after);
        if (c.message.empty()) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(Focus(), next);
        } else {
            EXPECT_EQ(messages.shown, (std::vector<ScriptedMessages::Shown>{{"error", c.message}}));
            EXPECT_EQ(Focus(), box);
        }
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(IdChangeTest, FailingTableLeavesEveryTableAsItWas) {
    // FSU 10001's rows under an identification in the Schedule 21.1 tables other than s211l05.
    auto rows = [this](const std::string& sss, const std::string& ssu) {
        std::string counts;
        for (int level : {1, 2, 3, 4, 6, 7, 8, 9})
            counts += Read("10001",
                           "select count(*) from " + HouseholdTableName(kSch211, level) +
                               " where fsuno = '10001' and sss = ? and ssu = ?",
                           {sss, ssu});
        return counts;
    };
    struct Case {
        const char* what;
        const char* sql;
        const char* cause;
    };
    // The counts fail after every table was written; the trigger fails the fifth
    // update after four tables were written; the missing table fails before any.
    const Case cases[] = {
        {"counts",
         "create trigger refuse_counts before update on samplelist begin select raise(abort, 'counts "
         "locked'); end",
         "counts locked"},
        {"trigger", "create trigger refuse before update on s211l05 begin select raise(abort, 'locked'); end",
         "locked"},
        {"drop", "drop table s211l05", "s211l05"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Exec("10001", c.sql);
        messages.shown.clear();
        QPointer<idchange> id = OpenIdChange();
        ASSERT_FALSE(id.isNull());
        Proceed(id, "3", "04");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].kind, "ok");
        // Table names are named in whatever case the statement spelled them.
        EXPECT_NE(text::ToUpper(messages.shown[0].text).find(text::ToUpper(c.cause)), std::string::npos)
            << messages.shown[0].text;
        EXPECT_FALSE(id.isNull());
        EXPECT_TRUE(screen->isHidden());
        EXPECT_EQ(rows("1", "05"), "12111111");
        EXPECT_EQ(rows("3", "04"), "00000000");
        delete id.data();
        screen->Show();
    }
}

TEST_F(IdChangeTest, ExitReturnsToGoToBlockWithItsTextSelected) {
    screen->Text3->setText("5.2");
    QPointer<idchange> id = OpenIdChange();
    ASSERT_FALSE(id.isNull());
    id->nsss->setText("3");
    id->nssu->setText("04");
    Key(id->CmdExit, Qt::Key_Return);
    ExpectBackInGoToBlock("5.2");
    EXPECT_TRUE(id.isNull());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Snapshot(), before);
}

}  // namespace
}  // namespace r78
