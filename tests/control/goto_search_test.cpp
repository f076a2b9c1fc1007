#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <algorithm>
#include <array>
#include <functional>

#include "control/HouseholdSearch.h"
#include "platform/ui/Keys.h"
#include "tests/control/ControlScreenFixture.h"

namespace r78 {
namespace {

using Texts = std::vector<std::string>;
using test::ScriptedMessages;

// Stands in for a block screen: remembers that it was asked to show itself.
class RecordingScreen : public FormHandle {
public:
    void Show() override { ++shows; }
    void Unload() override {}
    int shows = 0;
};

const char* const kNotRegistered = "FSU NO/SSU NO not yet registered";
const char* const kBlock1First = "No data entered under this combination. you may navigate to block-1 only";

// FSU 10001 has its listing block 1 and stratum 1 in block 6 of both household
// schedules; household 1/01 is entered in each, 1/02 in neither. FSU 10002 has
// no listing block 1 yet.
class GoToBlockTest : public test::ControlScreenTest {
protected:
    void SetUp() override {
        ControlScreenTest::SetUp();
        for (int i = 1; i < static_cast<int>(blocks.size()); ++i) state.FormTable[i] = &blocks[i];
        MakeFsuFile("10001");
        AddBlock1("10001");
        for (int t : {kSch211, kSch051}) AddBlock6("10001", t, "1", "6", "4", "1");
        Exec("10001", "insert into S211L01 (FSUNO, SSS, SSU, SVC) values ('10001', '1', '01', '1')");
        Exec("10001", "insert into S051L01 (FSUNO, SSS, SSU, SVC) values ('10001', '1', '01', '1')");
        MakeFsuFile("10002");
    }
    void TearDown() override {
        state.FormTable.fill(nullptr);
        ControlScreenTest::TearDown();
    }

    void OpenHousehold(int schedule, const QString& shhno) {
        Choose(schedule);
        Register("10001");
        SelectHousehold("1", shhno);
        ASSERT_TRUE(state.HhSelected);
        messages.shown.clear();
    }
    // Types a block number and Enter in the "Go to Block:" box; returns the index of
    // the screen that was shown (0 when none) and brings the control screen back.
    int GoTo(const QString& block, Qt::Key key = Qt::Key_Return) {
        for (auto& b : blocks) b.shows = 0;
        Enter(screen->Text3, block, key);
        int shown = 0;
        for (int i = 1; i < static_cast<int>(blocks.size()); ++i) {
            if (blocks[i].shows == 0) continue;
            EXPECT_EQ(shown, 0) << "more than one screen shown";
            EXPECT_EQ(blocks[i].shows, 1);
            shown = i;
        }
        // The control screen steps aside, hidden but not unloaded, exactly when another comes.
        EXPECT_FALSE(screen.isNull());
        EXPECT_EQ(screen->isHidden(), shown != 0);
        if (shown != 0) {
            // Offscreen, a window shown again is not activated unless another was active meanwhile.
            screen->Show();
            QApplication::setActiveWindow(screen);
            QApplication::processEvents();
        }
        return shown;
    }

    std::array<RecordingScreen, 22> blocks;
};

TEST_F(GoToBlockTest, EmptyBoxOffersBlockOneAndASecondEnterGoesThere) {
    OpenHousehold(kSch211, "02");
    EXPECT_EQ(GoTo(""), 0);
    EXPECT_EQ(screen->Text3->text(), "1");
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_TRUE(messages.shown.empty());
    for (auto& b : blocks) b.shows = 0;
    Key(screen->Text3, Qt::Key_Return);
    EXPECT_EQ(blocks[4].shows, 1);
    EXPECT_TRUE(screen->isHidden());
}

TEST_F(GoToBlockTest, HouseholdScheduleWithoutBlockOneGoesToBlocksOneAndTwoOnly) {
    struct Case {
        int schedule;
        int firstScreen;
        int block3Screen;
        QString laterBlock;
    };
    for (const Case& c : {Case{kSch211, 4, 5, "5.1"}, Case{kSch051, 13, 14, "4.1"}}) {
        SCOPED_TRACE(c.schedule);
        OpenHousehold(c.schedule, "02");
        ASSERT_EQ(state.HhExists, 0);
        for (const QString& refused : {QString("3"), QString("8"), c.laterBlock}) {
            messages.shown.clear();
            EXPECT_EQ(GoTo(refused), 0);
            EXPECT_EQ(messages.Texts(), Texts{kBlock1First});
            EXPECT_EQ(Focus(), screen->Text3);
        }
        messages.shown.clear();
        EXPECT_EQ(GoTo("1"), c.firstScreen);
        EXPECT_EQ(GoTo("2"), c.firstScreen);
        EXPECT_EQ(GoTo("9"), c.firstScreen) << "no such block: the schedule's first screen";
        EXPECT_TRUE(messages.shown.empty());

        // Once the household's block 1 is there, every block opens.
        SelectHousehold("1", "01");
        ASSERT_EQ(state.HhExists, 1);
        EXPECT_EQ(GoTo("3"), c.block3Screen);
    }
}

TEST_F(GoToBlockTest, ListingGoesToBlocksOneAndTwoUntilBlockOneIsSaved) {
    Choose(kSch00);
    Register("10002");
    ASSERT_TRUE(state.FsuOpen);
    ASSERT_EQ(state.HasS000L01, 0);
    EXPECT_EQ(GoTo("6"), 0);
    EXPECT_EQ(messages.Texts(), Texts{kBlock1First});
    EXPECT_EQ(Focus(), screen->Text3);
    messages.shown.clear();
    EXPECT_EQ(GoTo("1"), 1);
    EXPECT_EQ(GoTo("4"), 1);

    // The listing does not look at the household boxes.
    Register("10001");
    screen->Text4->setText("7");
    EXPECT_EQ(GoTo("6"), 2);
    EXPECT_EQ(GoTo("1", Qt::Key_Down), 1);
    EXPECT_TRUE(messages.shown.empty());

    screen->Text1->setText("10002");
    EXPECT_EQ(GoTo("1"), 0);
    EXPECT_EQ(messages.Texts(), Texts{kNotRegistered});
    EXPECT_EQ(Focus(), screen->Text1);
}

TEST_F(GoToBlockTest, EveryBlockNumberOpensItsScreen) {
    const std::vector<std::pair<QString, int>> sch211 = {{"1", 4},   {"2", 4},   {"3", 5},   {"4", 6},
                                                         {"5.1", 7}, {"5.2", 8}, {"6.1", 9}, {"6.2", 10},
                                                         {"7", 11},  {"8", 12},  {"5", 4},   {" 7", 11}};
    const std::vector<std::pair<QString, int>> sch051 = {{"1", 13},   {"2", 13},   {"3", 14},  {"4", 15},
                                                         {"4.1", 16}, {"4.2", 17}, {"5", 18},  {"6", 19},
                                                         {"7", 20},   {"8", 21},   {"5.1", 13}};
    for (const auto& [schedule, cases] : {std::pair{kSch211, sch211}, std::pair{kSch051, sch051}}) {
        OpenHousehold(schedule, "01");
        for (const auto& [typed, index] : cases) {
            SCOPED_TRACE(std::to_string(schedule) + ": " + typed.toStdString());
            EXPECT_EQ(GoTo(typed), index);
        }
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST_F(GoToBlockTest, HouseholdMustBeTheOneRegistered) {
    struct Case {
        const char* what;
        std::function<void()> spoil;
    };
    const Case cases[] = {
        {"SSS box changed to another stratum", [this] { screen->Text4->setText("2"); }},
        {"SHHNO box changed", [this] { screen->Text5->setText("02"); }},
        {"SHHNO box with a blank before it", [this] { screen->Text5->setText(" 01"); }},
        {"FSUNO box changed", [this] { screen->Text1->setText("10002"); }},
        {"no household selected", [this] { state.HhSelected = false; }},
        {"FSU closed", [this] { state.FsuOpen = false; }},
        {"no schedule chosen", [this] { state.CurSchType = 99; }},
        {"leaving", [this] { state.CurSchType = 9; }},
    };
    OpenHousehold(kSch211, "01");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.spoil();
        messages.shown.clear();
        EXPECT_EQ(GoTo("3"), 0);
        EXPECT_EQ(messages.Texts(), Texts{kNotRegistered});
        EXPECT_EQ(Focus(), screen->Text1);

        state.CurSchType = kSch211;
        state.FsuOpen = true;
        screen->Text1->setText("10001");
        SelectHousehold("1", "01");
        ASSERT_TRUE(state.HhSelected);
        messages.shown.clear();
        ASSERT_EQ(GoTo("3"), 5);
    }
}

TEST_F(GoToBlockTest, TextThatIsNoNumberOrAScreenNotYetBuiltOnlyBeeps) {
    OpenHousehold(kSch211, "01");
    const ScriptedMessages::Shown beep{"beep", ""};
    for (const QString typed : {"x", "3x", "-", "..", "  "}) {
        SCOPED_TRACE(typed.toStdString());
        messages.shown.clear();
        EXPECT_EQ(GoTo(typed), 0);
        EXPECT_EQ(messages.shown, std::vector{beep});
        EXPECT_EQ(Focus(), screen->Text3);
        EXPECT_EQ(screen->Text3->selectedText(), typed);
    }
    state.FormTable[7] = nullptr;
    messages.shown.clear();
    EXPECT_EQ(GoTo("5.1"), 0);
    EXPECT_EQ(messages.shown, std::vector{beep});
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_EQ(screen->Text3->selectedText(), "5.1");
}

// --- Household search and list ---------------------------------------------------

// FSU 10001, registered on Schedule 0.0, with households of both schedules in two
// segments; FSU 10009's household in the same file is never listed.
class SearchTest : public test::ControlScreenTest {
protected:
    void SetUp() override {
        ControlScreenTest::SetUp();
        MakeFsuFile("10001");
        const char* const rows[][6] = {
            {"S211L01", "10001", "102", "2", "12", "3"}, {"S211L01", "10001", "101", "2", "05", "1"},
            {"S211L01", "10001", "101", "1", "03", "2"}, {"S211L01", "10001", "102", "2", "07", "1"},
            {"S051L01", "10001", "102", "4", "01", "1"}, {"S051L01", "10001", "101", "2", "05", "1"},
            {"S211L01", "10009", "101", "2", "05", "1"}};
        for (const auto& r : rows)
            Exec("10001",
                 std::string("insert into ") + r[0] + " (FSUNO, SU, SSS, SSU, SVC) values (?, ?, ?, ?, ?)",
                 {r[1], r[2], r[3], r[4], r[5]});
        Exec("10001", "update S211L01 set vrfsts = 'Y' where SSU = '05'");
        Choose(kSch00);
        Register("10001");
        ASSERT_TRUE(state.FsuOpen);
        messages.shown.clear();
    }

    void Find(const QString& seg, const QString& sss, const QString& ssu) {
        screen->KeySEG->setText(seg);
        screen->keySSS->setText(sss);
        screen->keySSU->setText(ssu);
        screen->CmdFind->click();
        QApplication::processEvents();
    }
    // "sch SSS/SSU" of each listed row, in the grid's order.
    Texts Listed() const {
        const auto& rs = screen->DataGridP->Records();
        Texts rows;
        for (long r = 0; r < rs.RecordCount(); ++r) {
            const auto& row = rs.Row(r);
            rows.push_back(row[rs.FieldIndex("sch")].Text() + " " + row[rs.FieldIndex("SSS")].Text() + "/" +
                           row[rs.FieldIndex("SSU")].Text());
        }
        return rows;
    }
    QStringList Captions() const {
        QStringList captions;
        for (int c = 0; c < screen->DataGridP->ColumnCount(); ++c)
            captions << screen->DataGridP->ColumnCaption(c);
        return captions;
    }
    bool KeysEmpty() const {
        return screen->KeySEG->text().isEmpty() && screen->keySSS->text().isEmpty() &&
               screen->keySSU->text().isEmpty();
    }
};

TEST_F(SearchTest, FindListsTheHouseholdsMatchingEveryKeyGiven) {
    struct Case {
        QString seg, sss, ssu;
        Texts listed;
    };
    const Case cases[] = {
        {"", "", "", {"21.1 1/03", "21.1 2/05", "21.1 2/07", "21.1 2/12", "5.1 2/05", "5.1 4/01"}},
        {"", "2", "", {"21.1 2/05", "21.1 2/07", "21.1 2/12", "5.1 2/05"}},
        {"", "", "5", {"21.1 2/05", "5.1 2/05"}},  // the household number is padded to two digits
        {"", "", " 7 ", {"21.1 2/07"}},
        {"", "", "123", {"21.1 2/12"}},                           // and cut to them
        {"101", "", "", {"21.1 1/03", "21.1 2/05", "5.1 2/05"}},  // the segment is the household's SU
        {"102", "2", "", {"21.1 2/07", "21.1 2/12"}},
        {"101", "2", "5", {"21.1 2/05", "5.1 2/05"}},
        {"", "4", "01", {"5.1 4/01"}},
        {"", " ", "", {}},  // a blank is a key too
        {"", "2' or '1'='1", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(("[" + c.seg + "][" + c.sss + "][" + c.ssu + "]").toStdString());
        Find(c.seg, c.sss, c.ssu);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_EQ(Listed(), c.listed);
        EXPECT_TRUE(screen->DataGridP->isVisible());
        EXPECT_EQ(screen->DataGridP->Caption(), "LIST OF HOUSEHOLDS FOUND UNDER SEARCH CRITERIA");
        if (!c.listed.empty()) {
            EXPECT_EQ(screen->DataGridP->RecordCaption(), QString("Record  1/%1").arg(c.listed.size()));
        }
        EXPECT_TRUE(KeysEmpty());
    }
}

TEST_F(SearchTest, ListColumnsCarryTheirCaptionsAndWidths) {
    Find("", "", "");
    auto* grid = screen->DataGridP;
    EXPECT_EQ(Captions(), QStringList({"FSUNO", "SU", "SSS", "SSU", "Survey code", "sch-type", "Verified"}));
    const int twips[] = {1200, 1200, 1000, 1000, 1400, 1000, 1000};
    for (int c = 0; c < grid->ColumnCount(); ++c) {
        EXPECT_TRUE(grid->ColumnVisible(c)) << c;
        EXPECT_EQ(grid->View()->columnWidth(c), ui::TwipsToPixels(twips[c])) << c;
    }
    EXPECT_EQ(grid->CurrentRow(), 0);
    EXPECT_EQ(grid->CurrentColumn(), 1);
    const auto& first = grid->Records().Row(0);
    EXPECT_EQ(first[4].Text(), "2");
    EXPECT_EQ(first[6].Text(), "");
    EXPECT_EQ(grid->Records().Row(1)[6].Text(), "Y");

    // Any other column of a record source is hidden and keeps its own caption.
    ASSERT_TRUE(grid->SetRecordSource(*state.FsuConn, "select SSS, SRO, SVC from S211L01"));
    screen->SetHhGridColumns();
    EXPECT_EQ(Captions(), QStringList({"SSS", "SRO", "Survey code"}));
    EXPECT_TRUE(grid->ColumnVisible(0));
    EXPECT_FALSE(grid->ColumnVisible(1));
    EXPECT_TRUE(grid->ColumnVisible(2));
}

TEST_F(SearchTest, ShowAllListsEveryHouseholdWithoutTheSegment) {
    screen->keySSS->setText("4");
    screen->ShowHhld->click();
    EXPECT_TRUE(messages.shown.empty());
    auto* grid = screen->DataGridP;
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->Caption(), "LIST OF HOUSEHOLDS ENTERED UNDER THIS FSUNO ");
    EXPECT_EQ(Captions(), QStringList({"FSUNO", "SSS", "SSU", "Survey code", "sch-type", "Verified"}));
    EXPECT_EQ(grid->RecordCaption(), "Record  1/6");
    Texts listed = Listed();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, Texts({"21.1 1/03", "21.1 2/05", "21.1 2/07", "21.1 2/12", "5.1 2/05", "5.1 4/01"}));
    EXPECT_EQ(screen->keySSS->text(), "4") << "Show All leaves the keys alone";

    screen->EndShow->click();
    EXPECT_TRUE(grid->isHidden());
    EXPECT_EQ(grid->RecordCount(), 6);
    EXPECT_EQ(screen->keySSS->text(), "4");
}

TEST_F(SearchTest, NothingIsListedForAnFsuNotRegistered) {
    screen->Text1->setText("10002");
    Find("101", "2", "5");
    EXPECT_EQ(messages.Texts(), Texts{"FSU Number not yet registered"});
    EXPECT_TRUE(KeysEmpty()) << "the keys are emptied also after a refusal";
    EXPECT_TRUE(screen->DataGridP->isHidden());

    messages.shown.clear();
    screen->keySSS->setText("2");
    screen->ShowHhld->click();
    EXPECT_EQ(messages.Texts(), Texts{"FSU NUmber not yet registered"});
    EXPECT_EQ(screen->keySSS->text(), "2");
    EXPECT_TRUE(screen->DataGridP->isHidden());
}

TEST_F(SearchTest, ListTheDatabaseRefusesIsReportedThroughAQuestion) {
    Find("", "", "");
    ASSERT_EQ(screen->DataGridP->RecordCount(), 6);
    Exec("10001", "drop table S051L01");
    messages.Answer(false);
    screen->ShowHhld->click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "question");
    EXPECT_NE(messages.shown[0].text.find("s051l01"), std::string::npos) << messages.shown[0].text;
    EXPECT_EQ(screen->DataGridP->RecordCount(), 6) << "the earlier list stays";
    EXPECT_EQ(screen->DataGridP->Caption(), "LIST OF HOUSEHOLDS FOUND UNDER SEARCH CRITERIA");
}

TEST_F(SearchTest, KeyBoxesMoveOnOnlyForAUsableKey) {
    struct Case {
        ui::TextBox* box;
        QString typed;
        Qt::Key key;
        QString after;
        QWidget* focus;
    };
    auto* sss = screen->keySSS;
    auto* ssu = screen->keySSU;
    QWidget* find = screen->CmdFind;
    const Case cases[] = {
        {sss, "", Qt::Key_Return, "", ssu},        {sss, "3", Qt::Key_Return, "3", ssu},
        {sss, " 5 ", Qt::Key_Down, " 5 ", ssu},    {sss, "6", Qt::Key_Return, "6", sss},
        {sss, "0", Qt::Key_Return, "0", sss},      {sss, "12", Qt::Key_Return, "12", sss},
        {sss, "x", Qt::Key_Return, "x", sss},      {ssu, "5", Qt::Key_Return, "05", find},
        {ssu, "12", Qt::Key_Down, "12", find},     {ssu, "", Qt::Key_Return, "", find},
        {ssu, "123", Qt::Key_Return, "123", find}, {ssu, "x", Qt::Key_Return, "0x", ssu},
        {ssu, "1a", Qt::Key_Return, "1a", ssu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " [" + c.typed.toStdString() + "]");
        c.box->setFocus();
        Enter(c.box, c.typed, c.key);
        EXPECT_EQ(c.box->text(), c.after);
        EXPECT_EQ(Focus(), c.focus);
    }
    EXPECT_TRUE(messages.shown.empty());
    // Enter on the Find button runs the search.
    screen->keySSS->clear();
    screen->keySSU->setText("05");
    Key(screen->CmdFind, Qt::Key_Return);
    EXPECT_EQ(Listed(), Texts({"21.1 2/05", "5.1 2/05"}));
}

TEST(PadFieldTest, FillsOnTheLeftOrCutsOnTheRight) {
    SharedState s;
    s.ZeroPad = std::string(64, '0');
    s.BlankPad = std::string(64, ' ');
    struct Case {
        const char* value;
        int width;
        bool blanks;
        std::string padded;
    };
    const Case cases[] = {
        {"5", 2, false, "05"},
        {" 7 ", 2, false, "07"},
        {"12", 2, false, "12"},
        {"123", 2, false, "12"},
        {" 123", 2, false, " 1"},
        {"", 2, false, "00"},
        {"  ", 2, false, "00"},
        {"5", 2, true, " 5"},
        {"", 3, true, "   "},
        {"5", 0, false, ""},
        {"", 0, false, ""},
        {"5", -1, false, ""},
        {"5", 70, false, std::string(64, '0') + "5"},  // the pad has 64 characters
    };
    for (const auto& c : cases)
        EXPECT_EQ(PadField(s, c.value, c.width, c.blanks), c.padded)
            << "\"" << c.value << "\" " << c.width << (c.blanks ? " blanks" : " zeros");
}

TEST(RecordsetModelTest, PassesTheModelTester) {
    static std::vector<QString> warnings;
    warnings.clear();
    const auto previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& msg) { warnings.push_back(msg); });
    {
        ui::RecordsetModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
        model.SetRecordset(
            db::Recordset({"FSUNO", "SSS", "vrfsts"},
                          {{"10001", "1", db::Value()}, {"10001", "2", "Y"}, {"10001", "3", ""}}));
        EXPECT_EQ(model.rowCount(), 3);
        EXPECT_EQ(model.columnCount(), 3);
        EXPECT_EQ(model.data(model.index(0, 2)), QVariant(QString()));
        EXPECT_EQ(model.data(model.index(1, 2)), QVariant(QString("Y")));
        EXPECT_EQ(model.headerData(1, Qt::Horizontal), QVariant(QString("SSS")));
        model.SetCaption(2, "Veri-\nfied");
        EXPECT_EQ(model.headerData(2, Qt::Horizontal), QVariant(QString("Veri-\nfied")));
        model.SetCaption(7, "none");
        model.SetRecordset(db::Recordset({"A"}, {}));
        model.SetRecordset(db::Recordset());
        EXPECT_EQ(model.rowCount(), 0);
    }
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.empty()) << warnings.front().toStdString();
}

}  // namespace
}  // namespace r78
