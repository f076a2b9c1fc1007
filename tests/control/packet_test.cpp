#include "control/ui/packet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>

#include "core/DatabaseFiles.h"
#include "core/Startup.h"
#include "tests/support/ScreenDriver.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

using Texts = std::vector<std::string>;
namespace stdfs = std::filesystem;

constexpr int kSch00 = 0, kSch211 = 1, kSch051 = 2, kExitItem = 3;

class PacketTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.DriveC = drive.Root();
        state.Messages = &messages;
        StartUp(state, test::FixedClock({2020, 3, 1}));
        LogInAs("OPR1", "101", "O");
        screen = new packet(state);
        screen->show();
        QApplication::setActiveWindow(screen);
        QApplication::processEvents();
    }
    void TearDown() override { delete screen.data(); }

    void LogInAs(const std::string& id, const std::string& dpc, const std::string& type) {
        state.UserId = id;
        state.UserDpc = dpc;
        state.UserType = type;
    }

    static void Key(QWidget* w, Qt::Key key) { test::KeyTo(w, key); }
    void Choose(int row) {
        screen->List1->setCurrentRow(row);
        Key(screen->List1, Qt::Key_Return);
    }
    static void Enter(ui::TextBox* box, const QString& text, Qt::Key key = Qt::Key_Return) {
        test::TypeInto(box, text, key);
    }
    void Register(const QString& fsuNo, Qt::Key key = Qt::Key_Return) { Enter(screen->Text1, fsuNo, key); }
    void SelectHousehold(const QString& sss, const QString& shhno) {
        Enter(screen->Text4, sss);
        Enter(screen->Text5, shhno);
    }
    static QWidget* Focus() { return test::Focus(); }

    // The FSU's data file as operator OPR1 (DPC 101) has it.
    stdfs::path DataFolder() const { return drive.Root() / "R78" / "data"; }
    stdfs::path FsuFile(const std::string& fsu) const { return DataFolder() / ("781" + fsu + ".mdb"); }
    size_t FilesInDataFolder() const {
        if (!stdfs::exists(DataFolder())) return 0;
        return static_cast<size_t>(
            std::distance(stdfs::directory_iterator(DataFolder()), stdfs::directory_iterator()));
    }
    // A data file as an earlier registration on Schedule 0.0 leaves it.
    void MakeFsuFile(const std::string& fsu) {
        stdfs::create_directories(DataFolder());
        stdfs::copy_file(drive.BlankPath(), FsuFile(fsu));
    }
    void Exec(const std::string& fsu, const std::string& sql, const db::Params& params = {}) {
        db::Connection::Open(FsuFile(fsu))->Execute(sql, params);
    }
    std::string Read(const std::string& fsu, const std::string& sql) {
        const auto rs = db::Connection::Open(FsuFile(fsu))->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    void AddBlock1(const std::string& fsu) {
        Exec(fsu, "insert into S000L01 (FSUNO, SRO) values (?, '1234')", {fsu});
    }
    // A block-6 row of the listing; ASURVD starts at 99 so that a write shows.
    void AddBlock6(const std::string& fsu, int schType, const std::string& sss, const std::string& selh,
                   const std::string& tsurvd, const std::string& casualty) {
        Exec(fsu,
             std::string("insert into ") + (schType == 1 ? "S000L02" : "S000L03") +
                 " (FSUNO, SSS, CAPH, SELH, TSURVD, CASUALTY, ASURVD) values (?, ?, '40', ?, ?, ?, 99)",
             {fsu, sss, selh, tsurvd, casualty});
    }
    void AddHousehold(const std::string& fsu, const char* table, const std::string& sss,
                      const std::string& ssu, const std::string& svc) {
        Exec(fsu, std::string("insert into ") + table + " (FSUNO, SSS, SSU, SVC) values (?, ?, ?, ?)",
             {fsu, sss, ssu, svc});
    }

    test::TempDrive drive;
    test::ScriptedMessages messages;
    SharedState state;
    QPointer<packet> screen;
};

TEST_F(PacketTest, LoadsWithTheScheduleListAndTheBoxesDisabled) {
    EXPECT_EQ(screen->windowTitle(), "Data Entry TQS 78th Round");
    EXPECT_EQ(screen->Lbusercode->text(), "OPR1");
    EXPECT_EQ(screen->Lbfsunoreg->text(), "SAMPLE BLK SRLNO NOT YET REGISTERED:");
    QStringList items;
    for (int i = 0; i < screen->List1->count(); ++i) items << screen->List1->item(i)->text();
    EXPECT_EQ(items, QStringList({"Schedule 0.0", "Schedule 21.1", "Schedule 5.1", "Exit     "}));
    EXPECT_EQ(screen->List1->currentRow(), 0);
    for (auto* box : {screen->Text1, screen->Text3, screen->Text4, screen->Text5})
        EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(screen->DataGridP->isHidden());
    EXPECT_EQ(state.FormTable[0], static_cast<FormHandle*>(screen.data()));
    EXPECT_EQ(state.Packet, static_cast<ControlScreenHandle*>(screen.data()));

    Choose(kSch211);
    EXPECT_EQ(state.CurSchType, kSch211);
    EXPECT_EQ(Focus(), screen->Text1);
    EXPECT_EQ(screen->Lbfsunoreg->text(), "SAMPLE BLK SRLNO NOT YET REGISTERED");
    for (auto* box : {screen->Text1, screen->Text3, screen->Text4, screen->Text5})
        EXPECT_TRUE(box->isEnabled());
    Choose(kSch00);
    for (auto* box : {screen->Text3, screen->Text4, screen->Text5}) EXPECT_FALSE(box->isEnabled());
}

TEST_F(PacketTest, NewFsuOfScheduleZeroGetsItsFileFromTheTemplate) {
    Choose(kSch00);
    Register("10001");
    const std::string folder = DataFolder().string();
    EXPECT_EQ(messages.Texts(), Texts{"New File 78110001.mdb being created in " + folder});
    ASSERT_TRUE(stdfs::is_regular_file(FsuFile("10001")));
    EXPECT_EQ(FilesInDataFolder(), 1u) << "no partial copy is left beside the file";
    EXPECT_EQ(Read("10001", "select count(*) from samplelist"), "1");
    EXPECT_EQ(Read("10001", "select fsuno from samplelist"), "10001");

    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(state.FsuFileName, "78110001.mdb");
    EXPECT_EQ(state.CurFsuNo, "10001");
    EXPECT_EQ(state.FsuStateRegion, "091");
    EXPECT_EQ(state.FsuFpop, "1250");
    EXPECT_EQ(screen->Lbfsunoreg->text(), "SAMPLE FSU NO: 10001 REGISTERED");
    EXPECT_EQ(Focus(), screen->Text3);
    EXPECT_TRUE(screen->Text3->isEnabled());

    // The second time the file is there: no notice, and Down registers as Enter does.
    messages.shown.clear();
    Register("10001", Qt::Key_Down);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(FilesInDataFolder(), 1u);

    // The file name carries the first character of the operator's DPC code.
    LogInAs("OPR3", "201", "O");
    messages.shown.clear();
    Register("20002");
    EXPECT_EQ(messages.Texts(), Texts{"New File 78220002.mdb being created in " + folder});
    EXPECT_TRUE(stdfs::is_regular_file(DataFolder() / "78220002.mdb"));
    EXPECT_EQ(state.FsuSector, "2");
}

struct RefusedNumber {
    int schedule;
    QString typed;
    bool fileExists;
    Texts messages;
    QString boxAfter;
};

std::ostream& operator<<(std::ostream& os, const RefusedNumber& c) {
    return os << "schedule " << c.schedule << ", \"" << c.typed.toStdString() << "\""
              << (c.fileExists ? " with its file" : "");
}

class RefusedNumberTest : public PacketTest, public ::testing::WithParamInterface<RefusedNumber> {};

TEST_P(RefusedNumberTest, TellsEverythingWrongAndOpensNothing) {
    const auto& c = GetParam();
    if (c.fileExists) MakeFsuFile(c.typed.toStdString());
    Choose(c.schedule);
    Register(c.typed);
    EXPECT_EQ(messages.Texts(), c.messages);
    EXPECT_EQ(screen->Text1->text(), c.boxAfter);
    EXPECT_EQ(Focus(), screen->Text1);
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_FALSE(state.FsuConn);
    EXPECT_EQ(FilesInDataFolder(), c.fileExists ? 1u : 0u);
    // The data folder is made at any attempt, ready for the listing's file.
    EXPECT_TRUE(stdfs::is_directory(DataFolder()));
}

const char* const kNot5Digits = "Numeric 5 digit FSU No Please!";
const char* const kNotInListA = "FSU not available in sample list";
const char* const kNotInListB = "FSU Number not available in sample list";
const char* const kNoDataFile = "A MDB Data File containing Sch.0.0 data is required. Please check.";

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedNumberTest,
    ::testing::Values(RefusedNumber{kSch00, "1000", false, {kNot5Digits, kNotInListA, kNotInListB}, ""},
                      RefusedNumber{kSch00, "10a01", false, {kNot5Digits, kNotInListA, kNotInListB}, ""},
                      // A quote is only a wrong number, never part of a statement.
                      RefusedNumber{kSch00, "1'0'1", false, {kNot5Digits, kNotInListA, kNotInListB}, ""},
                      RefusedNumber{kSch211, "1000", false, {kNot5Digits, kNoDataFile, kNotInListB}, ""},
                      RefusedNumber{kSch00, "99999", false, {kNotInListA, kNotInListB}, ""},
                      RefusedNumber{kSch00, "99999", true, {kNotInListA, kNotInListB}, ""},
                      // No file is made for the household schedules; the number stays.
                      RefusedNumber{kSch211, "10001", false, {kNoDataFile}, "10001"},
                      RefusedNumber{kSch051, "20001", false, {kNoDataFile}, "20001"}));

TEST_F(PacketTest, DamagedTemplateRegistersNothingUntilItIsMended) {
    db::Connection::Open(drive.BlankPath())->Execute("drop table S051L03");
    Choose(kSch00);
    Register("10001");
    const std::string folder = DataFolder().string();
    EXPECT_EQ(messages.Texts(),
              (Texts{"New File 78110001.mdb being created in " + folder,
                     "The FSU could not be registered.\n\nThe blank template " + drive.BlankPath().string() +
                         " cannot be used: it has no table S051L03"}));
    EXPECT_EQ(FilesInDataFolder(), 0u);
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_EQ(Focus(), screen->Text1);

    stdfs::remove(drive.BlankPath());
    files::MakeBlankTemplate(drive.BlankPath(), test::DemoDir());
    messages.shown.clear();
    Register("10001");
    EXPECT_EQ(messages.Texts(), Texts{"New File 78110001.mdb being created in " + folder});
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(screen->Lbfsunoreg->text(), "SAMPLE FSU NO: 10001 REGISTERED");
}

// Found by registering a second FSU after the blank template was taken away.
TEST_F(PacketTest, MissingTemplateIsNamedAndTheEarlierFsusCaptionGoes) {
    Choose(kSch00);
    Register("10001");
    ASSERT_EQ(screen->Lbfsunoreg->text(), "SAMPLE FSU NO: 10001 REGISTERED");
    stdfs::remove(drive.BlankPath());
    messages.shown.clear();
    Register("10002");
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.Texts()[1], "The FSU could not be registered.\n\nThe blank template " +
                                       drive.BlankPath().string() +
                                       " is missing, so the FSU's file cannot be made.");
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_EQ(screen->Lbfsunoreg->text().toStdString(), "SAMPLE BLK SRLNO NOT YET REGISTERED");
}

TEST_F(PacketTest, DataFileWithoutTheFsusSampleListRowIsRefused) {
    MakeFsuFile("10001");
    Exec("10001", "delete from samplelist where fsuno = '10001'");
    Choose(kSch00);
    Register("10001");
    EXPECT_EQ(messages.Texts(), Texts{kNotInListA});
    EXPECT_EQ(screen->Text1->text(), "");
    EXPECT_FALSE(state.FsuOpen);
}

TEST_F(PacketTest, OnlyTheCreatorOrASupervisorMayEnterAnFsuBegunByAnother) {
    struct Case {
        const char* creby;
        const char* user;
        const char* type;
        bool admitted;
    };
    const Case cases[] = {{"OPR2", "OPR1", "O", false},
                          {"OPR2", "SUP1", "S", true},
                          {"OPR1", "OPR1", "O", true},
                          {"", "OPR1", "O", true}};
    MakeFsuFile("10001");
    Choose(kSch00);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.creby) + " / " + c.user);
        Exec("10001", "update samplelist set creby = ? where fsuno = '10001'", {c.creby});
        LogInAs(c.user, "101", c.type);
        messages.shown.clear();
        Register("10001");
        EXPECT_EQ(state.FsuOpen, c.admitted);
        EXPECT_EQ(messages.Texts(),
                  c.admitted ? Texts{} : Texts{"You are not authorised to make entry for this FSU"});
        EXPECT_EQ(screen->Text1->text(), c.admitted ? "10001" : "");
        // Even a refused attempt has reduced the file's sample list to the FSU's row.
        EXPECT_EQ(Read("10001", "select count(*) from samplelist"), "1");
    }
}

TEST_F(PacketTest, FrozenOrVerifiedFsuIsEnteredOnlyWhenTheOperatorSaysYes) {
    const std::string frozen = "This FSU data already frozen. Proceed for updation?";
    const std::string verified = "This FSU data already verified. Proceed for further entry?";
    struct Case {
        const char* loadsts;
        const char* vrfsts;
        bool yes;
        std::string question;
    };
    const Case cases[] = {{"Y", "", true, frozen},    {"Y", "", false, frozen}, {"", "Y", true, verified},
                          {"", "Y", false, verified}, {"Y", "Y", true, frozen}, {"Y", "Y", false, frozen}};
    MakeFsuFile("10001");
    Choose(kSch00);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.loadsts) + c.vrfsts + (c.yes ? " Yes" : " No"));
        Exec("10001", "update samplelist set loadsts = ?, vrfsts = ?", {c.loadsts, c.vrfsts});
        messages.shown.clear();
        messages.Answer(c.yes);
        Register("10001");
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], (test::ScriptedMessages::Shown{"question", c.question}));
        EXPECT_EQ(state.FsuOpen, c.yes);
        EXPECT_EQ(screen->Text1->text(), c.yes ? "10001" : "");
    }
}

TEST_F(PacketTest, HouseholdSchedulesNeedTheirPartOfListingBlock6) {
    MakeFsuFile("10001");
    AddBlock6("10001", 1, "1", "6", "4", "1");

    Choose(kSch211);
    Register("10001");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(screen->Lbfsunoreg->text(), "SAMPLE FSU NO: 10001 REGISTERED");
    EXPECT_EQ(Focus(), screen->Text4);
    EXPECT_EQ(state.SelhBySss[1][1], 6);

    Choose(kSch051);
    Register("10001");
    EXPECT_EQ(messages.Texts(), Texts{"No Block-6 of Listing Schedule entry for sch 5.1"});
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_EQ(screen->Text1->text(), "");
    EXPECT_EQ(screen->Lbfsunoreg->text(), "SAMPLE BLOCK SRL NO: 10001 REGISTERED");

    AddBlock6("10001", 2, "3", "5", "2", "0");
    Exec("10001", "delete from S000L02");
    messages.shown.clear();
    Register("10001");
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(state.SelhBySss[2][3], 5);
    Choose(kSch211);
    Register("10001");
    EXPECT_EQ(messages.Texts(), Texts{"No Block-6 of Listing Schedule entry for sch 21.1"});
    EXPECT_FALSE(state.FsuOpen);
}

TEST_F(PacketTest, RegistrationShowsTheFsusOwnListingSummary) {
    MakeFsuFile("10001");
    Exec("10001", "insert into S000L01 (FSUNO, SRO, CNT211, CNT051) values ('10001', '4321', 5, 3)");
    AddBlock6("10001", 1, "2", "8", "4", "1");
    AddBlock6("10001", 1, "9", "30", "20", "5");  // the total row
    AddBlock6("10001", 1, " ", "7", "7", "7");
    Choose(kSch00);
    Register("10001");
    EXPECT_EQ(screen->Label27->text(), "YES");
    EXPECT_EQ(screen->Lb211->text(), "5");
    EXPECT_EQ(screen->Lb051->text(), "3");
    EXPECT_EQ(state.FsuSro, "4321");
    EXPECT_EQ(state.HasS000L01, 1);
    EXPECT_EQ(state.HasS000L02, 1);
    EXPECT_EQ(state.HasS000L03, 0);
    EXPECT_EQ(state.SelhBySss[1], (std::array<int, 7>{0, 0, 8, 0, 0, 0, 0}));
    EXPECT_EQ(state.TsurvdBySss[1], (std::array<int, 7>{0, 0, 4, 0, 0, 0, 0}));

    // Keys other than Enter and Down leave the registered FSU's block 1 saved.
    Key(screen->Text1, Qt::Key_Left);
    Key(screen->Text1, Qt::Key_5);
    EXPECT_EQ(state.HasS000L01, 1);
    EXPECT_EQ(state.HasS000L02, 1);

    // An FSU without block 1 shows nothing of the previous FSU's listing.
    messages.shown.clear();
    Register("10002");
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_EQ(screen->Label27->text(), "");
    EXPECT_EQ(screen->Lb211->text(), "");
    EXPECT_EQ(screen->Lb051->text(), "");
    EXPECT_EQ(state.FsuSro, "");
    EXPECT_EQ(state.HasS000L01, 0);
    EXPECT_EQ(state.HasS000L02, 0);
    EXPECT_EQ(state.SelhBySss[1][2], 0);
}

TEST_F(PacketTest, ArrowOnTheListLeavesNoScheduleChosen) {
    MakeFsuFile("10001");
    AddBlock1("10001");
    AddBlock6("10001", 1, "1", "6", "4", "1");
    Choose(kSch211);
    Register("10001");
    ASSERT_TRUE(state.FsuOpen);

    Key(screen->List1, Qt::Key_Down);
    EXPECT_EQ(state.CurSchType, 99);
    // The household boxes find no schedule to count for, and write nothing.
    SelectHousehold("1", "01");
    EXPECT_EQ(messages.Texts(), Texts{"FSU NO not yet registered"});
    EXPECT_FALSE(state.HhSelected);
    EXPECT_EQ(Read("10001", "select CNT211 from S000L01"), "<null>");

    messages.shown.clear();
    Register("10001");
    EXPECT_EQ(messages.Texts(), Texts{"BLOCK 6 of SCH 0.0 must be entered first"});
    EXPECT_FALSE(state.FsuOpen);
    EXPECT_EQ(screen->Text1->text(), "10001");
    EXPECT_EQ(Focus(), screen->Text1);

    // Without a data file the registration stops at the missing file.
    messages.shown.clear();
    Register("10002");
    EXPECT_EQ(messages.Texts(), Texts{kNoDataFile});
    EXPECT_FALSE(stdfs::exists(FsuFile("10002")));
}

// FSU 10001, listed for Schedule 21.1:
//   stratum 1: 6 selected, 4 + 1 to survey, nothing entered yet;
//   stratum 2: 8 selected, 4 + 1 to survey, 4 surveyed and 1 casualty entered (full);
//   stratum 3: 5 selected, 1 + 0 to survey, 2 surveyed entered (beyond the quota, not full);
//   stratum 4 is not listed.
// Households of another survey code, of stratum 9 or of another FSU count nowhere.
class HouseholdTest : public PacketTest {
protected:
    void SetUp() override {
        PacketTest::SetUp();
        MakeFsuFile("10001");
        AddBlock1("10001");
        AddBlock6("10001", 1, "1", "6", "4", "1");
        AddBlock6("10001", 1, "2", "8", "4", "1");
        AddBlock6("10001", 1, "3", "5", "1", "0");
        for (const char* row : {"2011", "2022", "2031", "2042", "2053", "3011", "3021", "1014", "9011"})
            AddHousehold("10001", "S211L01", {row[0]}, {row[1], row[2]}, {row[3]});
        Exec("10001", "insert into S211L01 (FSUNO, SSS, SSU, SVC) values ('10009', '1', '01', '1')");
        Choose(kSch211);
        Register("10001");
        EXPECT_TRUE(state.FsuOpen);
        messages.shown.clear();
    }
};

TEST_F(HouseholdTest, SssBoxTakesAStratumFromOneToFive) {
    const std::pair<QString, const char*> refused[] = {{"0", "SSS no not valid"},
                                                       {"6", "SSS no not valid"},
                                                       {"x", "Numeric entry please"},
                                                       {"'", "Numeric entry please"},
                                                       {"", "Numeric entry please"}};
    for (const auto& [typed, message] : refused) {
        SCOPED_TRACE(typed.toStdString());
        messages.shown.clear();
        state.HhSelected = true;
        Enter(screen->Text4, typed);
        EXPECT_EQ(messages.Texts(), Texts{message});
        EXPECT_FALSE(state.HhSelected);
        EXPECT_EQ(Focus(), screen->Text4);
    }
    messages.shown.clear();
    screen->Text5->setText("07");
    Enter(screen->Text4, "3");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Focus(), screen->Text5);
    EXPECT_EQ(screen->Text5->selectedText(), "07");
}

TEST_F(HouseholdTest, HouseholdIsAcceptedWithinItsStratumsQuota) {
    const char* const kBeyondSelh = "HH No can not be more than selected";
    const char* const kNoRoom = "No room for additional entry under this SEGxSSS combination";
    const char* const kBadNumber = "Numeric positive 2 digit HH No Please!";
    struct Case {
        QString sss, shhno;
        Texts messages;
        QString boxAfter;
    };
    const Case cases[] = {
        {"1", "5", {}, "05"},
        {"1", "5 ", {}, "05"},  // trimmed before it is padded
        {"1", "06", {}, "06"},
        {"1", "07", {kBeyondSelh}, "07"},
        {"2", "06", {kNoRoom}, "06"},  // a new household in a full stratum
        {"2", "05", {}, "05"},         // one already entered, reopened
        {"2", "09", {kBeyondSelh, kNoRoom}, "09"},
        {"3", "04", {}, "04"},  // more entered than listed is not full
        {"1", "00", {kBadNumber}, ""},
        {"1", "7a", {kBadNumber}, ""},
        {"1", "'", {kBadNumber}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE((c.sss + "/" + c.shhno).toStdString());
        messages.shown.clear();
        state.HhSelected = false;
        SelectHousehold(c.sss, c.shhno);
        const bool accepted = c.messages.empty();
        EXPECT_EQ(messages.Texts(), c.messages);
        EXPECT_EQ(screen->Text5->text(), c.boxAfter);
        EXPECT_EQ(state.HhSelected, accepted);
        EXPECT_EQ(Focus(), accepted ? static_cast<QWidget*>(screen->Text3) : screen->Text5);
        if (accepted) {
            EXPECT_EQ(state.CurSss, c.sss.toStdString());
            EXPECT_EQ(state.CurSsu, c.boxAfter.toStdString());
        }
    }
}

TEST_F(HouseholdTest, CountsAreWrittenForEveryWellFormedHouseholdNumber) {
    // Refused for having no room, yet counted: 4 + 1 in stratum 2, 2 in stratum 3.
    SelectHousehold("2", "06");
    ASSERT_FALSE(state.HhSelected);
    EXPECT_EQ(screen->Lb211->text(), " 7");
    EXPECT_EQ(state.HhCountBySch[1], 7);
    EXPECT_EQ(Read("10001", "select CNT211 from S000L01"), "7");
    EXPECT_EQ(Read("10001", "select CNT211 from samplelist where fsuno = '10001'"), "7");
    // ASURVD of the household's stratum holds its surveyed households only.
    EXPECT_EQ(Read("10001", "select ASURVD from S000L02 where SSS = '2'"), "4");
    EXPECT_EQ(Read("10001", "select ASURVD from S000L02 where SSS = '1'"), "99");

    SelectHousehold("1", "01");
    ASSERT_TRUE(state.HhSelected);
    EXPECT_EQ(Read("10001", "select ASURVD from S000L02 where SSS = '1'"), "0");
    EXPECT_EQ(Read("10001", "select ASURVD from S000L02 where SSS = '3'"), "99");
    EXPECT_EQ(Read("10001", "select CNT051 from S000L01"), "<null>");
    EXPECT_EQ(screen->Lb051->text(), "");
}

TEST_F(HouseholdTest, Schedule51CountsGoToItsOwnColumnsAndLabel) {
    AddBlock6("10001", 2, "4", "6", "3", "0");
    AddHousehold("10001", "S051L01", "4", "01", "1");
    AddHousehold("10001", "S051L01", "4", "02", "3");
    Choose(kSch051);
    Register("10001");
    SelectHousehold("4", "03");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(state.HhSelected);
    EXPECT_EQ(screen->Lb051->text(), " 2");
    EXPECT_EQ(Read("10001", "select CNT051 from S000L01"), "2");
    EXPECT_EQ(Read("10001", "select CNT051 from samplelist"), "2");
    EXPECT_EQ(Read("10001", "select ASURVD from S000L03 where SSS = '4'"), "1");
    EXPECT_EQ(Read("10001", "select CNT211 from S000L01"), "<null>");
}

TEST_F(HouseholdTest, NoHouseholdWithoutARegisteredFsuOrAValidSss) {
    // Choosing the schedule again empties the FSUNO box: the FSU is no longer registered.
    Choose(kSch211);
    SelectHousehold("1", "01");
    EXPECT_EQ(messages.Texts(), Texts{"FSU NO not yet registered"});
    EXPECT_FALSE(state.HhSelected);
    EXPECT_EQ(Read("10001", "select CNT211 from S000L01"), "<null>");

    Register("10001");
    for (const auto& [sss, message] : {std::pair<QString, const char*>{"7", "SSS no not valid"},
                                       std::pair<QString, const char*>{"x", "Numeric entry please"}}) {
        SelectHousehold("1", "01");
        ASSERT_TRUE(state.HhSelected);
        messages.shown.clear();
        // The SSS box is changed after it was accepted, and Enter goes straight to the SHHNO box.
        screen->Text4->setText(sss);
        Enter(screen->Text5, "02");
        EXPECT_EQ(messages.Texts(), Texts{message});
        EXPECT_FALSE(state.HhSelected);
        EXPECT_EQ(Focus(), screen->Text4);
    }
}

TEST_F(HouseholdTest, RegisteringAgainClearsTheHouseholdSelection) {
    SelectHousehold("2", "05");
    ASSERT_TRUE(state.HhSelected);
    ASSERT_EQ(state.HhExists, 1);
    Register("10001");
    EXPECT_TRUE(state.FsuOpen);
    EXPECT_FALSE(state.HhSelected);
    EXPECT_EQ(state.HhExists, 0);
    EXPECT_EQ(screen->Text4->text(), "2");
    EXPECT_EQ(screen->Text5->text(), "05");
}

TEST_F(PacketTest, LeavingUnregisteredSaysSoAndClosesTheDatabases) {
    screen->close();
    EXPECT_EQ(messages.Texts(), Texts{"FSU NO not yet registered. Exiting.."});
    EXPECT_FALSE(state.MasterConn->IsOpen());
    EXPECT_FALSE(state.FsuConn);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
    EXPECT_EQ(state.Packet, nullptr);
}

TEST_F(PacketTest, ExitItemLeavesQuietlyWithARegisteredFsu) {
    MakeFsuFile("10001");
    Choose(kSch00);
    Register("10001");
    ASSERT_TRUE(state.FsuOpen);
    Choose(kExitItem);
    EXPECT_EQ(state.CurSchType, 9);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_FALSE(state.MasterConn->IsOpen());
    ASSERT_TRUE(state.FsuConn);
    EXPECT_FALSE(state.FsuConn->IsOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}

TEST_F(PacketTest, ExitItemWithTheFsunoBoxEmptiedWarnsFirst) {
    MakeFsuFile("10001");
    Choose(kSch00);
    Register("10001");
    Choose(kSch00);  // empties the FSUNO box
    Choose(kExitItem);
    EXPECT_EQ(messages.Texts(), Texts{"FSU NO not yet registered. Exiting.."});
    EXPECT_FALSE(state.FsuConn->IsOpen());
}

}  // namespace
}  // namespace r78
