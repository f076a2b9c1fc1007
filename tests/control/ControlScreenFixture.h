#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <filesystem>
#include <string>
#include <vector>

#include "control/ui/idchange.h"
#include "control/ui/packet.h"
#include "core/Startup.h"
#include "tests/support/ScreenDriver.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempDrive.h"

namespace r78::test {

// The control screen on a fresh drive, operated as operator OPR1 of DPC 101, with
// helpers to prepare FSU files and to type into its boxes.
class ControlScreenTest : public ::testing::Test {
protected:
    static constexpr int kSch00 = 0, kSch211 = 1, kSch051 = 2;

    void SetUp() override {
        state.DriveC = drive.Root();
        state.Messages = &messages;
        StartUp(state, FixedClock({2020, 3, 1}));
        state.UserId = "OPR1";
        state.UserDpc = "101";
        state.UserType = "O";
        screen = new packet(state);
        screen->show();
        QApplication::setActiveWindow(screen);
        QApplication::processEvents();
    }
    void TearDown() override {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* open = qobject_cast<idchange*>(w)) delete open;
        delete screen.data();
    }

    static void Key(QWidget* w, Qt::Key key) { test::KeyTo(w, key); }
    void Choose(int schedule) {
        screen->List1->setCurrentRow(schedule);
        Key(screen->List1, Qt::Key_Return);
    }
    static void Enter(QLineEdit* box, const QString& text, Qt::Key key = Qt::Key_Return) {
        test::TypeInto(box, text, key);
    }
    void Register(const QString& fsuNo) { Enter(screen->Text1, fsuNo); }
    void SelectHousehold(const QString& sss, const QString& shhno) {
        Enter(screen->Text4, sss);
        Enter(screen->Text5, shhno);
    }
    static QWidget* Focus() { return test::Focus(); }

    // The FSU's data file as an earlier registration on Schedule 0.0 leaves it.
    std::filesystem::path FsuFile(const std::string& fsu) const {
        return drive.Root() / "R78" / "data" / ("781" + fsu + ".mdb");
    }
    void MakeFsuFile(const std::string& fsu) {
        std::filesystem::create_directories(FsuFile(fsu).parent_path());
        std::filesystem::copy_file(drive.BlankPath(), FsuFile(fsu));
    }
    void Exec(const std::string& fsu, const std::string& sql, const db::Params& params = {}) {
        db::Connection::Open(FsuFile(fsu))->Execute(sql, params);
    }
    std::string Read(const std::string& fsu, const std::string& sql, const db::Params& params = {}) {
        const auto rs = db::Connection::Open(FsuFile(fsu))->Query(sql, params);
        return rs.Eof() ? "<no row>" : rs.Field(0).Text();
    }
    void AddBlock1(const std::string& fsu) {
        Exec(fsu, "insert into S000L01 (FSUNO, SRO) values (?, '1234')", {fsu});
    }
    // A stratum of the listing's block 6 for schedule type 1 or 2.
    void AddBlock6(const std::string& fsu, int schType, const std::string& sss, const std::string& selh,
                   const std::string& tsurvd, const std::string& casualty) {
        Exec(fsu,
             std::string("insert into ") + (schType == kSch211 ? "S000L02" : "S000L03") +
                 " (FSUNO, SSS, CAPH, SELH, TSURVD, CASUALTY) values (?, ?, '40', ?, ?, ?)",
             {fsu, sss, selh, tsurvd, casualty});
    }

    TempDrive drive;
    ScriptedMessages messages;
    SharedState state;
    QPointer<packet> screen;
};

}  // namespace r78::test
