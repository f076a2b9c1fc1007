#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <array>
#include <string>
#include <vector>

#include "control/FsuRegistration.h"
#include "screens/LazyForm.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78::test {

// One Schedule 5.1 screen of household 1/01 of FSU 10001 (rural), its listing's
// block 1 and stratum 1 of block 6 part B stored, so that the household counts
// run; packet's household boxes hold the household, and every other Schedule
// 5.1 slot holds a stand-in that counts its showings.
template <class Screen, int kIndex>
class HouseholdScreenTest : public ::testing::Test {
protected:
    HouseholdScreenTest() {
        LoadSampleList(f.s, "10001");
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.FsuSro = "1234";
        packet.sss = "1";
        packet.shhno = "01";
        f.s.FormTable[0] = &packet;
        f.s.Packet = &packet;
        for (int i = 13; i <= 21; ++i) f.s.FormTable[i] = &others[i - 13];
        f.s.FormTable[kIndex] = &form;
        f.Insert("S000L01", {{"FSUNO", "10001"}, {"SCH", "000"}, {"SRO", "1234"}});
        f.Insert("S000L03", {{"FSUNO", "10001"}, {"SCH", "051"}, {"SSS", "1"}, {"TSURVD", "4"}});
    }

    void Open() {
        form.Show();
        screen = form.Current();
        ASSERT_NE(screen, nullptr);
        Activate(screen);
    }
    // The screen is gone once it has been left and its deletion has run.
    bool Left() {
        FlushDeletes();
        return form.Current() == nullptr;
    }
    StandInScreen& Other(int index) { return others[index - 13]; }

    // The boxes of a single-record screen.
    ui::TextBox* Box(int i) const { return screen->Text1[i]; }
    std::string Text(int i) const { return Box(i)->text().toStdString(); }
    void Fill(std::initializer_list<std::pair<int, const char*>> boxes) {
        for (auto [box, text] : boxes) Box(box)->setText(text);
    }

    void GoTo(const QString& text) {
        screen->Text3->setFocus();
        screen->Text3->setText(text);
        QTest::keyClick(screen->Text3, Qt::Key_Return);
        QApplication::processEvents();
    }
    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    // The household's count as the listing's block 1, the sample list and stratum 1 hold it.
    std::string Counts() {
        return Read(
            "select coalesce(a.CNT051, '-') || ' ' || coalesce(s.CNT051, '-') || ' ' || "
            "coalesce(b.ASURVD, '-') from S000L01 a, samplelist s, S000L03 b");
    }
    std::vector<std::string> Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }

    FsuFile f{"10001", 2};
    StandInPacket packet;
    std::array<StandInScreen, 9> others;
    LazyForm<Screen> form{f.s};
    Screen* screen = nullptr;
};

}  // namespace r78::test
