#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWindow>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/BlockScreens.h"
#include "control/ui/packet.h"
#include "core/DataLayout.h"
#include "core/Startup.h"
#include "core/Text.h"
#include "core/ui/Database_login.h"
#include "indicators/ApplianceAgeScreen.h"
#include "indicators/orcl_051I.h"
#include "indicators/orcl_051a.h"
#include "indicators/orcl_051b.h"
#include "indicators/orcl_051c.h"
#include "indicators/orcl_051f.h"
#include "indicators/orcl_051g.h"
#include "indicators/orcl_051h.h"
#include "listing/orcl_000a.h"
#include "listing/orcl_000b.h"
#include "listing/orcl_000c.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempDrive.h"
#include "tourism/orcl_211I.h"
#include "tourism/orcl_211a.h"
#include "tourism/orcl_211b.h"
#include "tourism/orcl_211c.h"
#include "tourism/orcl_211d.h"
#include "tourism/orcl_211e.h"
#include "tourism/orcl_211f.h"
#include "tourism/orcl_211g.h"
#include "tourism/orcl_211h.h"
#include "validation/ui/vform.h"

namespace r78 {
namespace {

using Texts = std::vector<std::string>;
using Cells = std::vector<std::pair<std::string, std::string>>;

const char* const kToday = "200325";  // the clock's 25 March 2020

// The program as main() puts it together, on a fresh drive with a clock the test
// sets and a message service that answers for the operator. FSU 10004 of the demo
// sample list is rural, state 27, district 17: not a hilly or remote area.
class MainRoadTest : public ::testing::Test {
protected:
    MainRoadTest() {
        state.DriveC = drive.Root();
        state.Messages = &messages;
        StartUp(state, test::FixedClock({2020, 3, 25}));
        screens.emplace(state);
    }
    ~MainRoadTest() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<vform*>(w)) delete w;
        delete control.data();
        delete login.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* Focus() const { return QApplication::focusWidget(); }
    QWidget* Front() const { return QApplication::activeWindow(); }
    void Settle() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Keys go where the operator's cursor is; a grid cell's editor opens on the first.
    void Type(const std::string& keys) {
        for (char c : keys) QTest::keyClick(Focus(), c);
        Settle();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(Focus(), nullptr);
        QTest::keyClick(Focus(), key, modifiers);
        Settle();
    }
    // A button by its access key: "&2. Next Blk" is Alt+2.
    void Press(char accessKey) { Key(static_cast<Qt::Key>(accessKey), Qt::AltModifier); }
    void Enter(const std::string& keys) {
        Type(keys);
        Key(Qt::Key_Return);
    }
    // A mouse click into the window at the button, which the window sees first.
    void Click(QWidget* target) {
        QWidget* window = target->window();
        ASSERT_TRUE(window->isVisible()) << window->objectName().toStdString();
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          target->mapTo(window, target->rect().center()));
        Settle();
    }
    // Chooses a schedule on packet's list: a click on its line, then Enter.
    void ChooseSchedule(int row) {
        QListWidget* list = control->List1;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
        Settle();
        ASSERT_EQ(Focus(), list);
        Key(Qt::Key_Return);
    }
    // Validate HH on a household's last block lists nothing and leaves no error
    // row; Next then returns to packet, its go-to box ready.
    template <class Screen>
    void ValidateHouseholdAndLeave(Screen* block8, int index) {
        Press('5');
        EXPECT_EQ(Told(), Texts{});
        EXPECT_TRUE(block8->DataGrid->isVisible());
        EXPECT_EQ(block8->DataGrid->RecordCount(), 0) << testing::PrintToString(Listed(*block8->DataGrid));
        EXPECT_EQ(Read("select count(*) from val_error"), "0");
        Press('2');
        EXPECT_EQ(Told(), Texts{});
        Settle();
        EXPECT_EQ(screens->Current<Screen>(index), nullptr);
        EXPECT_EQ(Front(), control.data());
        EXPECT_EQ(Focus(), control->Text3);
        EXPECT_EQ(control->Text3->selectedText(), "1");
    }

    // What the operator was told since the last look, as "kind: text".
    Texts Told() {
        Texts told;
        for (const auto& s : std::exchange(messages.shown, {})) told.push_back(s.kind + ": " + s.text);
        return told;
    }

    std::filesystem::path FsuPath() const { return drive.Root() / "R78" / "data" / "78110004.mdb"; }
    std::string Read(const std::string& sql) {
        const auto rs = db::Connection::Open(FsuPath())->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    // Rows of the FSU, over every block table, whose O-column differs from its column.
    long SnapshotDifferences() {
        long rows = 0;
        for (const auto& t : layout::BlockTables()) {
            std::string differs;
            for (const auto& c : t.SnapshotSources())
                differs += (differs.empty() ? "" : " or ") + ("O" + c.name) + " is not " + c.name;
            rows += std::stol(
                Read("select count(*) from " + t.name + " where fsuno = '10004' and (" + differs + ")"));
        }
        return rows;
    }

    // The error list shown on the validation screen, one "blk|item|col|msg1|msgtype" a row.
    static Texts Listed(const ui::BoundGrid& grid) {
        Texts rows;
        const QAbstractItemModel& m = *grid.Model();
        for (int r = 0; r < grid.RecordCount(); ++r) {
            std::string row;
            for (const char* field : {"blk", "item", "col", "msg1", "msgtype"})
                row += (row.empty() ? "" : "|") +
                       m.data(m.index(r, grid.FieldColumn(field))).toString().toStdString();
            rows.push_back(row);
        }
        return rows;
    }
    static bool AnyCritical(const Texts& rows) {
        for (const std::string& row : rows)
            if (row.size() >= 4 && row.compare(row.size() - 4, 4, "Crit") == 0) return true;
        return false;
    }
    vform* ValidationScreen() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<vform*>(w); v && v->isVisible()) return v;
        return nullptr;
    }

    // Chooses the schedule on packet's list, opens FSU 10004 and selects its household 1/01.
    void SelectHousehold(int schedule) {
        ChooseSchedule(schedule);
        EXPECT_EQ(state.CurSchType, schedule);
        ASSERT_EQ(Focus(), control->Text1);
        Enter("10004");
        EXPECT_EQ(Told(), Texts{});
        EXPECT_TRUE(state.FsuOpen);
        EXPECT_EQ(control->Lbfsunoreg->text(), "SAMPLE FSU NO: 10004 REGISTERED");
        EXPECT_EQ(control->Label27->text(), "YES");
        ASSERT_EQ(Focus(), control->Text4);
        Enter("1");
        ASSERT_EQ(Focus(), control->Text5);
        Enter("1");
        EXPECT_EQ(Told(), Texts{});
        EXPECT_TRUE(state.HhSelected);
        EXPECT_EQ(control->Text5->text(), "01");
        EXPECT_EQ(Focus(), control->Text3);
    }
    // The household's counts on packet, in the listing and in the sample list.
    void ExpectCounted(QLabel* count, const std::string& column, const std::string& block6) {
        EXPECT_EQ(count->text(), " 1");
        EXPECT_EQ(Read("select " + column + " from S000L01"), "1");
        EXPECT_EQ(Read("select " + column + " from samplelist"), "1");
        EXPECT_EQ(Read("select ASURVD from " + block6 + " where SSS = '1'"), "1");
    }

    // The block screen at the index, in front, once the one left has gone.
    template <class Screen>
    Screen* Shown(int index) {
        Settle();
        Screen* screen = screens->Current<Screen>(index);
        EXPECT_NE(screen, nullptr) << "no screen at " << index;
        if (!screen) return nullptr;
        EXPECT_EQ(Front(), screen);
        EXPECT_EQ(state.CurFormIndex, index);
        return screen;
    }
    // One row of a grid keyed as the operator reads its head: in each column
    // shown, the row's value for its field or nothing, then Enter.
    void KeyRow(const ui::BoundGrid& grid, const Cells& cells) {
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            if (!grid.ColumnVisible(c)) continue;
            std::string value;
            for (const auto& [field, typed] : cells)
                if (text::EqualsNoCase(field, grid.DataField(c))) value = typed;
            Enter(value);
        }
    }
    // The household's rows of a table: the fields named, Null as "-", joined by
    // blanks; the rows in their order, joined by "; ".
    std::string Rows(const std::string& table, std::initializer_list<std::string> fields) {
        std::string row;
        for (const std::string& field : fields)
            row += (row.empty() ? "" : " || ' ' || ") + ("coalesce(" + field + ", '-')");
        return Read("select group_concat(r, '; ') from (select " + row + " as r from " + table +
                    " where fsuno = '10004' and SSS = '1' and SSU = '01' order by rowid)");
    }

    // Household 1/01 of Schedule 5.1, keyed from packet's Go to Block 1 through
    // every block of the schedule with Next, by keys alone: one member of 40, who
    // answered for the household, came from another state for work and would not
    // move again; an air conditioner and an air cooler; no dwelling bought; no
    // meal skipped. Validate HH on block 8 finds nothing; Next leads to packet.
    void KeyHousehold051() {
        ASSERT_NO_FATAL_FAILURE(KeyBlocks12<orcl_051a>(13));

        auto* members = Shown<orcl_051b>(14);
        ASSERT_NE(members, nullptr);
        ASSERT_EQ(Focus(), members->DataGridX->View());
        // The head, male, 40, married, schooled to level 05, self-employed in crop
        // growing (NIC 01, NCO 61); uses a mobile, has a birth certificate, no bank
        // account, owes money.
        for (const char* cell :
             {"1", "1", "1", "40", "2", "05", "11", "01", "61", "1", "1", "", "2", "", "1"})
            Enter(cell);
        EXPECT_TRUE(members->DataGridX->OnNewRowLine());
        Press('2');

        auto* block4 = Shown<orcl_051c>(15);
        ASSERT_NE(block4, nullptr);
        ASSERT_EQ(Focus(), block4->Text1[0]);
        // One member; the monthly expenditure 3000 + 500 + 200 and a twelfth of
        // the yearly 1200 + 2400; first codes throughout, two-digit where the
        // form has two boxes; no distance or time where the source is at home;
        // the village's road (item 32), not the town's transport; one air
        // conditioner and one air cooler.
        // clang-format off
        for (const char* typed : {"1", "1", "9", "01", "3000", "500", "200", "1200", "2400", "4000",   // 1-10
                                  "1", "1", "1", "1",  "1",    "01",  "1",   "01",   "1",    "01",     // 11-20
                                  "1", "1", "1", "",   "1",    "01",  "1",   "1",    "1",    "1",      // 21-30
                                  "",  "1", "",  "1",  "1",    "1",   "1",   "1",    "1",    "1",      // 31-40
                                  "1", "1", "1", "1",  "1",    "1"})                                   // 41-46
            Enter(typed);
        // clang-format on
        ASSERT_EQ(Focus(), block4->CmdSave);
        Key(Qt::Key_Return);
        EXPECT_EQ(Told(), Texts{});
        Press('2');

        // Blocks 4.1 and 4.2: the air conditioner, 5 years old; the air cooler, 3.
        auto keyAge = [this](GridBlockScreen* appliances, const char* age) {
            ASSERT_NE(appliances, nullptr);
            ASSERT_EQ(Focus(), appliances->DataGridX->View());
            Enter("1");
            Enter(age);
            EXPECT_TRUE(appliances->DataGridX->OnNewRowLine());
            Press('2');
        };
        ASSERT_NO_FATAL_FAILURE(keyAge(Shown<orcl_051d>(16), "5"));
        ASSERT_NO_FATAL_FAILURE(keyAge(Shown<orcl_051e>(17), "3"));

        // Block 5: a broadband user past school age, able to do each of the tasks.
        auto* block5 = Shown<orcl_051f>(18);
        ASSERT_NE(block5, nullptr);
        ASSERT_EQ(Focus(), block5->DataGridX->View());
        Cells skills{{"SLNO", "1"}, {"B5I2", "40"}, {"B5I3", "1"}};
        for (int item = 8; item <= 16; ++item) skills.push_back({"B5I" + std::to_string(item), "1"});
        KeyRow(*block5->DataGridX, skills);
        EXPECT_TRUE(block5->DataGridX->OnNewRowLine());
        Press('2');

        // Block 6: no house or flat bought or built, none owned for the first time.
        auto* block6 = Shown<orcl_051g>(19);
        ASSERT_NE(block6, nullptr);
        ASSERT_EQ(Focus(), block6->Text1[0]);
        for (int box = 0; box <= block6->LastBox(); ++box) Enter(box == 0 || box == 4 ? "2" : "");
        ASSERT_EQ(Focus(), block6->CmdSave);
        Key(Qt::Key_Return);
        EXPECT_EQ(Told(), Texts{});
        Press('2');

        // Block 7: the member came from a village of state 09, owning the house
        // there, for work; no institution, documents transferred by no one, no
        // problem faced, not willing to move again.
        auto* block7 = Shown<orcl_051h>(20);
        ASSERT_NE(block7, nullptr);
        ASSERT_EQ(Focus(), block7->DataGridX->View());
        KeyRow(*block7->DataGridX, {{"SLNO", "1"},
                                    {"B7I2", "40"},
                                    {"B7I3", "1"},
                                    {"B7I4", "2"},
                                    {"B7I5", "09"},
                                    {"B7I6", "03"},
                                    {"B7I7", "1"},
                                    {"B7I8", "1"},
                                    {"B7I9", "2"},
                                    {"B7I11", "9"},
                                    {"B7I12", "2"},
                                    {"B7I14", "2"}});
        EXPECT_TRUE(block7->DataGridX->OnNewRowLine());
        Press('2');

        auto* block8 = Shown<orcl_051I>(21);
        ASSERT_NE(block8, nullptr);
        ASSERT_EQ(Focus(), block8->Text1[0]);
        for (const char* typed : {"2", "", "2", ""}) Enter(typed);
        ASSERT_EQ(Focus(), block8->CmdSave);
        Key(Qt::Key_Return);
        EXPECT_EQ(Told(), Texts{});
        ValidateHouseholdAndLeave<orcl_051I>(block8, 21);
    }

    // Blocks 1 and 2 of either schedule, from packet's Go to Block: saved, they make the household.
    template <class Screen>
    void KeyBlocks12(int index) {
        Enter("1");
        auto* blocks12 = Shown<Screen>(index);
        ASSERT_NE(blocks12, nullptr);
        EXPECT_TRUE(control->isHidden());
        EXPECT_EQ(blocks12->Text1[13]->text(), "01");
        ASSERT_EQ(Focus(), blocks12->Text1[11]);
        // No sub-division; informant 1, response 1, surveyed, no substitution; one investigator.
        for (const char* typed : {"", "1", "1", "1", "", "1234", "", ""}) Enter(typed);
        // Surveyed on 16 March, despatched on 20 March; an hour; one FI; the remarks.
        for (const char* typed : {"160320", "200320", "60", "1", "2", "2", "2", "2"}) Enter(typed);
        ASSERT_EQ(Focus(), blocks12->CmdSave);
        Key(Qt::Key_Return);
        EXPECT_EQ(Told(), Texts{});
        EXPECT_EQ(state.HhExists, 1);
        EXPECT_EQ(Focus(), blocks12->Text3);
        Press('2');
    }
    // Block 3, the one member, and block 4, the household's characteristics.
    void KeyMembersAndCharacteristics() {
        auto* members = Shown<orcl_211b>(5);
        ASSERT_NE(members, nullptr);
        ASSERT_EQ(Focus(), members->DataGridX->View());
        // The head, male, 40, married, schooled to level 05, self-employed.
        for (const char* cell : {"1", "1", "1", "40", "2", "05", "11"}) Enter(cell);
        EXPECT_TRUE(members->DataGridX->OnNewRowLine());
        Press('2');
        auto* block4 = Shown<orcl_211c>(6);
        ASSERT_NE(block4, nullptr);
        ASSERT_EQ(Focus(), block4->Text1[0]);
        // One member; NCO 111, NIC 01111; household type, religion and social group.
        for (const char* typed : {"1", "111", "01111", "1", "1", "9"}) Enter(typed);
        // One social trip in the year; the monthly expenditure: 3000 + 500 + 200
        // and a twelfth of the yearly 1200 + 2400.
        for (const char* typed : {"", "1", "", "", "", "3000", "500", "200", "1200", "2400", "4000"})
            Enter(typed);
        ASSERT_EQ(Focus(), block4->CmdSave);
        Key(Qt::Key_Return);
        EXPECT_EQ(Told(), Texts{});
        Press('2');
    }
    // Blocks 5.1 and 5.2: a trip of the head, and the total line of one trip,
    // whose serial number 99 takes the cursor past the members' count.
    void KeyOvernightTrips(GridBlockScreen* trips, const char* leadingPurpose, const char* month) {
        ASSERT_NE(trips, nullptr);
        ASSERT_EQ(Focus(), trips->DataGridX->View());
        for (const char* cell :
             {"1", "1", "1", "40", "2", "2", "05", "", "1", "", "3", leadingPurpose, month, "1", ""})
            Enter(cell);
        for (const char* cell : {"99", "1"}) Enter(cell);
        EXPECT_TRUE(trips->DataGridX->OnNewRowLine());
        EXPECT_EQ(Told(), Texts{});
        Press('2');
    }
    // Blocks 6.1 and 6.2: the trip's expenditure on a hotel, food and the fare;
    // not a package, no reimbursement, nothing booked on the internet.
    void KeyExpenditure(GridBlockScreen* block, const std::string& i) {
        ASSERT_NE(block, nullptr);
        ASSERT_EQ(Focus(), block->DataGridX->View());
        // clang-format off
        KeyRow(*block->DataGridX, {{"SLNO", "1"}, {i + "2", "2"},
                                   {i + "41", "2000"}, {i + "40", "2000"}, {i + "51", "500"}, {i + "50", "500"},
                                   {i + "61", "1000"}, {i + "60", "1000"}, {i + "10", "3500"}, {i + "11", "3500"},
                                   {i + "12", "2"}, {i + "14", "2"},
                                   {i + "161", "2"}, {i + "162", "2"}, {i + "163", "2"}, {i + "164", "2"},
                                   {i + "165", "2"}});
        // clang-format on
        EXPECT_TRUE(block->DataGridX->OnNewRowLine());
        EXPECT_EQ(Told(), Texts{});
        Press('2');
    }
    // Block 7, a same-day trip, and block 8, a special trip; Validate HH on
    // block 8 finds nothing, and Next leads back to packet.
    void KeySameDayAndSpecialTrips() {
        auto* block7 = Shown<orcl_211h>(11);
        ASSERT_NE(block7, nullptr);
        ASSERT_EQ(Focus(), block7->DataGridX->View());
        // A trip of leading purpose 2: 100 on a package and 50 + 60 + 70 besides
        // (sub-total 180, total 280); the booking, satisfaction and guide codes.
        for (const char* cell : {"1",   "1", "2", "100", "50", "60", "70", "",  "",  "",  "", "180",
                                 "280", "1", "2", "2",   "2",  "1",  "9",  "1", "2", "1", "1"})
            Enter(cell);
        EXPECT_TRUE(block7->DataGridX->OnNewRowLine());
        Press('2');
        auto* block8 = Shown<orcl_211I>(12);
        ASSERT_NE(block8, nullptr);
        ASSERT_EQ(Focus(), block8->DataGridX->View());
        // A trip of leading purpose 1: 5000 spent, 200 nights outside; code 2 (no)
        // for the internet and the tour guide, so no satisfaction codes.
        for (const char* cell : {"1", "1", "1", "5000", "200", "2", "2", "2", "2", "", "", "", "", "2", ""})
            Enter(cell);
        ValidateHouseholdAndLeave<orcl_211I>(block8, 12);
    }

    test::TempDrive drive;
    test::ScriptedMessages messages;
    SharedState state;
    std::optional<BlockScreens> screens;  // the block-screen table, as main() makes it
    QPointer<Database_login> login;
    QPointer<packet> control;
};

TEST_F(MainRoadTest, LoginListingHouseholdsValidateAndFreeze) {
    // 1. Log in: user id, Enter, password, Enter, and Enter on OK.
    login = new Database_login(state, [this] {
        control = new packet(state);
        control->show();
    });
    login->show();
    Settle();
    ASSERT_EQ(Focus(), login->txtUserID);
    Enter("OPR1");
    Enter("PASS1");
    ASSERT_EQ(Focus(), login->CmdOK);
    Key(Qt::Key_Return);
    EXPECT_TRUE(login.isNull());
    ASSERT_FALSE(control.isNull());
    EXPECT_EQ(Front(), control.data());
    EXPECT_EQ(control->Lbusercode->text(), "OPR1");
    EXPECT_EQ(Focus(), control->List1);

    // 2. Schedule 0.0 and FSU 10004: its file is made from the template.
    Key(Qt::Key_Return);
    EXPECT_EQ(state.CurSchType, 0);
    ASSERT_EQ(Focus(), control->Text1);
    Enter("10004");
    EXPECT_EQ(Told(), Texts{"error: New File 78110004.mdb being created in " +
                            (drive.Root() / "R78" / "data").string()});
    ASSERT_TRUE(std::filesystem::exists(FsuPath()));
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(control->Lbfsunoreg->text(), "SAMPLE FSU NO: 10004 REGISTERED");
    EXPECT_EQ(control->Label27->text(), "") << "nothing of the listing is entered yet";

    // 3. Blocks 1 and 2 of the listing, box by box from the present population.
    ASSERT_EQ(Focus(), control->Text3);
    Enter("1");
    orcl_000a* blocks12 = screens->Current<orcl_000a>(1);
    ASSERT_NE(blocks12, nullptr);
    EXPECT_TRUE(control->isHidden());
    EXPECT_EQ(Front(), blocks12);
    EXPECT_EQ(blocks12->Lbfsuno->text(), "10004");
    EXPECT_EQ(blocks12->Text1[5]->text(), "273") << "state and region from the sample list";
    ASSERT_EQ(Focus(), blocks12->Text1[13]);
    // Present population; no approximate population of the SU, so no sub-divisions.
    for (const char* typed : {"1000", "", ""}) Enter(typed);
    EXPECT_EQ(blocks12->Text1[16]->text(), "000");
    // Survey code 1, no reason for substitution, one investigator.
    for (const char* typed : {"1", "", "1234", "", ""}) Enter(typed);
    // Surveyed on 16 March, despatched on 20 March; 5 hours; the remarks.
    for (const char* typed : {"160320", "200320", "5", "1", "2", "1", "2"}) Enter(typed);
    ASSERT_EQ(Focus(), blocks12->CmdSave);
    Key(Qt::Key_Return);
    EXPECT_EQ(Told(), Texts{});
    EXPECT_EQ(Focus(), blocks12->Text3);
    EXPECT_EQ(
        Read("select SVC || ' ' || APOP || ' ' || D1 || ' ' || DOS || ' ' || DOD || ' ' || REM4 || ' ' || "
             "CREBY || ' ' || CREDATE from S000L01 where fsuno = '10004'"),
        std::string("1 1000 0 160320 200320 2 OPR1 ") + kToday);
    EXPECT_EQ(Read("select creby || ' ' || Credate from samplelist"), std::string("OPR1 ") + kToday);

    // Block 6 part A: stratum 1 and the all-strata row 9, one household surveyed.
    Click(blocks12->CmdNext);
    auto* partA = screens->Current<orcl_000b>(2);
    ASSERT_NE(partA, nullptr);
    EXPECT_EQ(Front(), partA);
    EXPECT_EQ(state.CurFormIndex, 2);
    EXPECT_EQ(partA->Label2->text(),
              "Block -6-PT-A.  Particulars of Sampling  of households ( Sch 21.1) (Level - 02)");
    ASSERT_EQ(Focus(), partA->DataGridX->View());
    for (const char* sss : {"1", "9"})
        for (const char* cell : {"500", sss, "10", "1", "1", "0", "1", "0"}) Enter(cell);
    EXPECT_TRUE(partA->DataGridX->OnNewRowLine());
    EXPECT_EQ(partA->DataGridX->RecordCaption(), "Record  0/2");
    Click(partA->CmdNext);
    EXPECT_EQ(Told(), Texts{});

    // Part B likewise, with no household replaced.
    auto* partB = screens->Current<orcl_000c>(3);
    ASSERT_NE(partB, nullptr);
    EXPECT_EQ(screens->Current<orcl_000b>(2), nullptr);
    EXPECT_EQ(Front(), partB);
    EXPECT_EQ(state.CurFormIndex, 3);
    ASSERT_EQ(Focus(), partB->DataGridX->View());
    for (const char* sss : {"1", "9"})
        for (const char* cell : {sss, "10", "1", "1", "0", "1", "0", "0"}) Enter(cell);
    Click(partB->CmdNext);
    EXPECT_EQ(Told(), Texts{});
    EXPECT_EQ(screens->Current<orcl_000c>(3), nullptr);
    EXPECT_EQ(Front(), control.data());
    EXPECT_EQ(Focus(), control->Text3);
    // The strata as stored: "SCH SEGPOP SSS CAPH SELH SURVD SSURVD TSURVD Casualty REPLHHD".
    const std::string block6Rows =
        "select group_concat(SCH || ' ' || coalesce(SEGPOP, '-') || ' ' || SSS || ' ' || CAPH || ' ' || "
        "SELH || ' ' || SURVD || ' ' || SSURVD || ' ' || TSURVD || ' ' || Casualty || ' ' || "
        "coalesce(REPLHHD, '-'), '; ') from (select * from ";
    EXPECT_EQ(Read(block6Rows + "S000L02 order by SSS)"),
              "211 500 1 10 1 1 0 1 0 -; 211 500 9 10 1 1 0 1 0 -");
    EXPECT_EQ(Read(block6Rows + "S000L03 order by SSS)"), "051 - 1 10 1 1 0 1 0 0; 051 - 9 10 1 1 0 1 0 0");

    // 4. Household 1/01 of Schedule 21.1, keyed by its operator through its
    // screens from packet's Go to Block: block 1 to block 8 by Next, and back.
    ASSERT_NO_FATAL_FAILURE(SelectHousehold(1));
    EXPECT_EQ(state.HhExists, 0);
    ASSERT_NO_FATAL_FAILURE(KeyBlocks12<orcl_211a>(4));
    ASSERT_NO_FATAL_FAILURE(KeyMembersAndCharacteristics());
    ASSERT_NO_FATAL_FAILURE(KeyOvernightTrips(Shown<orcl_211d>(7), "2", "02"));
    ASSERT_NO_FATAL_FAILURE(KeyOvernightTrips(Shown<orcl_211e>(8), "1", "03"));
    ASSERT_NO_FATAL_FAILURE(KeyExpenditure(Shown<orcl_211f>(9), "B61I"));
    ASSERT_NO_FATAL_FAILURE(KeyExpenditure(Shown<orcl_211g>(10), "B62I"));
    ASSERT_NO_FATAL_FAILURE(KeySameDayAndSpecialTrips());
    ExpectCounted(control->Lb211, "CNT211", "S000L02");
    // What was typed is on disk, each row stamped with its household.
    EXPECT_EQ(Rows("S211L01",
                   {"SCH", "SU", "SSS", "SSU", "INFSLN", "RC", "SVC", "RES_SUBST", "EMPCODE1", "EMPCODE2",
                    "DOS", "DOD", "Timec", "NO_INV", "REM1 || REM2 || REM3 || REM4", "CREBY", "CREDATE"}),
              std::string("211 000 1 01 01 1 1 - 1234 - 160320 200320 60 1 2222 OPR1 ") + kToday);
    EXPECT_EQ(Rows("S211L02", {"SLNO", "B3C3", "B3C4", "B3C5", "B3C6", "B3C7", "B3C8", "CREBY"}),
              "01 1 1 40 2 05 11 OPR1");
    EXPECT_EQ(Rows("S211L03", {"B4I1", "B4I2", "B4I3", "B4I4", "B4I5", "B4I6", "B4I71", "B4I72", "B4I8",
                               "B4I11", "B4I12", "B4I13"}),
              "1 111 01111 1 1 9 - 1 3000 1200 2400 4000");
    for (const char* t : {"S211L04", "S211L05"}) {
        const std::string c = t[6] == '4' ? "B51C" : "B52C";
        EXPECT_EQ(Rows(t, {"SLNO", c + "2", c + "3", c + "4", c + "5", c + "6", c + "7", c + "8", c + "9",
                           c + "11", c + "12", c + "13", c + "14", c + "15", "DPC", "FSUNO", "SSS", "SSU"}),
                  std::string("01 1 01 40 2 2 05 - 1 3 ") + (t[6] == '4' ? "2 02" : "1 03") +
                      " 1 - 101 10004 1 01; 99 - 01 - - - - - - - - - - - 101 10004 1 01")
            << t;
    }
    for (const char* t : {"S211L06", "S211L07"}) {
        const std::string i = t[6] == '6' ? "B61I" : "B62I";
        EXPECT_EQ(Rows(t, {"SLNO", i + "2", i + "3", i + "41", i + "40", i + "50", i + "60", i + "10",
                           i + "11", i + "12", i + "13", i + "165", i + "18"}),
                  "01 2 - 2000 2000 500 1000 3500 3500 2 - 2 -")
            << t;
    }
    EXPECT_EQ(Rows("S211L08", {"SLNO", "B7C2", "B7C3", "B7C4", "B7C12", "B7C13", "B7C14", "B7C21", "B7C23"}),
              "01 1 2 100 180 280 1 2 1");
    EXPECT_EQ(Rows("S211L09", {"SLNO", "B8C3", "B8C4", "B8C5", "B8C9", "B8C10", "B8C14", "B8C15"}),
              "01 1 5000 200 2 - 2 -");

    // Household 1/01 of Schedule 5.1, new, keyed by its operator through its
    // screens from packet's Go to Block: block 1 to block 8 by Next, and back.
    ASSERT_NO_FATAL_FAILURE(SelectHousehold(2));
    EXPECT_EQ(state.HhExists, 0);
    ASSERT_NO_FATAL_FAILURE(KeyHousehold051());
    ExpectCounted(control->Lb051, "CNT051", "S000L03");
    // What was typed is on disk, each row stamped with its household, operator and day.
    for (int t = 13; t <= 21; ++t) {
        const std::string table = layout::BlockTableAt(t).name;
        EXPECT_EQ(Rows(table, {"DPC", "FSUNO", "SSS", "SSU", "CREBY", "CREDATE"}),
                  std::string("101 10004 1 01 OPR1 ") + kToday)
            << table;
    }
    EXPECT_EQ(Rows("S051L01", {"SCH", "SU", "INFSLN", "RC", "SVC", "RES_SUBST", "EMPCODE1", "EMPCODE2", "DOS",
                               "DOD", "Timec", "NO_INV", "REM1 || REM2 || REM3 || REM4"}),
              "051 000 01 1 1 - 1234 - 160320 200320 60 1 2222");
    EXPECT_EQ(Rows("S051L02", {"SLNO", "B3C3", "B3C5", "B3C7", "B3C8", "B3C9", "B3C10", "B3C13", "B3C14",
                               "B3C16", "SU"}),
              "01 1 40 05 11 01 61 - 2 1 ");
    EXPECT_EQ(Rows("S051L03",
                   {"B4I1", "B4I4", "B4I10", "B4I24", "B4I26", "B4I32", "B4I33", "B4I44", "B4I46", "SU"}),
              "1 01 4000 - 01 1 - 1 1 ");
    EXPECT_EQ(Rows("S051L04", {"SLNO", "B41C2"}), "01 5");
    EXPECT_EQ(Rows("S051L05", {"SLNO", "B42C2"}), "01 3");
    EXPECT_EQ(Rows("S051L06", {"SLNO", "B5I2", "B5I3", "B5I4", "B5I732", "B5I8", "B5I16"}),
              "01 40 1 - - 1 1");
    EXPECT_EQ(Rows("S051L07", {"B6I1", "B6I21", "B6I3", "B6I4", "B6I17"}), "2 - 2 - -");
    EXPECT_EQ(Rows("S051L08", {"SLNO", "B7I2", "B7I3", "B7I5", "B7I6", "B7I10", "B7I11", "B7I16"}),
              "01 40 1 09 03 - 9 -");
    // Saved again by Validate HH, as an update: its blanks are empty texts.
    EXPECT_EQ(Rows("S051L09", {"B8I1", "B8I2", "B8I3", "B8I4"}), "2  2 ");

    // 5. Validate: the listing with the coverage check, then each schedule's households.
    Click(control->Cmdval);
    vform* checks = ValidationScreen();
    ASSERT_NE(checks, nullptr);
    EXPECT_TRUE(control->isHidden());
    EXPECT_EQ(checks->lbfsu->text(), "10004");
    struct Run {
        QPushButton* button;
        const char* schedule;
        const char* caption;
    };
    for (const Run& run : {Run{checks->CmdVal000, "0.0", "Sch 0.0"}, Run{checks->CmdVal211, "211", "Sch 211"},
                           Run{checks->CmdVal051, "051", "Sch 5.1"}}) {
        SCOPED_TRACE(run.schedule);
        Click(run.button);
        EXPECT_EQ(Told(), Texts{});
        EXPECT_EQ(checks->Lbsch->text(), run.schedule);
        EXPECT_FALSE(checks->DataGrid2->isHidden());
        EXPECT_EQ(checks->DataGrid2->Caption(),
                  QString("List of Error Messages detected by Data Validation Checks ") + run.caption);
        const Texts listed = Listed(*checks->DataGrid2);
        EXPECT_FALSE(AnyCritical(listed)) << testing::PrintToString(listed);
        EXPECT_EQ(std::to_string(listed.size()),
                  Read("select count(*) from val_error where fsuno = '10004'"));
    }
    Click(checks->CmdExit);
    Settle();
    EXPECT_EQ(ValidationScreen(), nullptr);
    EXPECT_TRUE(control->isVisible());
    EXPECT_EQ(state.CurFsuNo, "10004");

    // 6. Freeze, saying Yes to both questions: the entry is marked complete, the
    // FSU frozen and snapshotted, and packet lets it go.
    messages.Answer(true);
    messages.Answer(true);
    Click(control->CmdUpload);
    EXPECT_EQ(Told(),
              (Texts{"question: Data not verified. once frozen data for this FSU can not be verified\n"
                     "freeze the data any way?",
                     "question: Data Entry of all the schedules completed?", "error: data frozen"}));
    EXPECT_EQ(state.CurFsuNo, "");
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_EQ(control->Text1->text(), "");
    EXPECT_EQ(control->Text4->text(), "");
    EXPECT_EQ(control->Text5->text(), "");

    EXPECT_EQ(Read("select entsts || ' ' || DOENT || ' ' || loadsts || ' ' || DOLOAD || ' ' || "
                   "coalesce(vrfsts, '-') from samplelist where fsuno = '10004'"),
              std::string("Y ") + kToday + " Y " + kToday + " -");
    EXPECT_EQ(SnapshotDifferences(), 0);
    // Each schedule's tables hold the snapshot of what was entered.
    for (const char* table : {"S000L01", "S211L01", "S051L01"})
        EXPECT_EQ(Read(std::string("select OSVC from ") + table), "1") << table;
    EXPECT_EQ(Read("select group_concat(OTSURVD, ' ') from S000L02"), "1 1");
    EXPECT_EQ(Read("select group_concat(OREPLHHD, ' ') from S000L03"), "0 0");
    EXPECT_EQ(Read("select OB3C5 from S211L02"), "40");
    EXPECT_EQ(Read("select OB4I13 from S211L03"), "4000");
    EXPECT_EQ(Read("select OB7C13 || ' ' || OB8C4 from S211L08, S211L09"), "280 5000");
    EXPECT_EQ(Read("select OB3C10 from S051L02"), "61");
    EXPECT_EQ(Read("select OB4I10 from S051L03"), "4000");
    EXPECT_EQ(Read("select count(*) from val_error where msgtype = 'Crit'"), "0");

    // The FSU is no longer registered: a second freeze is refused at once.
    Click(control->CmdUpload);
    EXPECT_EQ(Told(), Texts{"error: FSU NO not yet registered"});
}

}  // namespace
}  // namespace r78
