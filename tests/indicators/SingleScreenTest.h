#pragma once
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "control/FsuRegistration.h"
#include "screens/LazyForm.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace r78::test {

using Texts = std::vector<std::string>;

// One Schedule 5.1 screen of household 1/01 of FSU 10001 (rural), with the
// listing's block 1 and stratum 1 of block 6 part B, so that the household
// counts run; packet's household boxes hold the household, and the other
// Schedule 5.1 slots hold stand-ins.
template <class Screen, int kIndex>
class SingleScreenTest : public ::testing::Test {
protected:
    SingleScreenTest() {
        LoadSampleList(f.s, "10001");
        f.s.CurSss = packet.sss = "1";
        f.s.CurSsu = packet.shhno = "01";
        f.s.FsuSro = "1234";
        f.s.FormTable[0] = f.s.Packet = &packet;
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
    bool Left() {
        FlushDeletes();
        return form.Current() == nullptr;
    }
    StandInScreen& Other(int index) { return others[index - 13]; }
    void GoTo(const QString& text) { EnterInBox(screen->Text3, text.toStdString()); }

    // The boxes of a single-record screen.
    ui::TextBox* Box(int i) const { return screen->Text1[i]; }
    std::string Text(int i) const { return Box(i)->text().toStdString(); }
    void Fill(std::initializer_list<std::pair<int, const char*>> boxes) {
        for (auto [box, text] : boxes) Box(box)->setText(text);
    }
    // Sets a box's text and presses Enter there: messages, then where the focus went.
    std::pair<Texts, QWidget*> EnterBox(int box, const char* text) {
        Box(box)->setText(text);
        Box(box)->setFocus();
        f.messages.shown.clear();
        QTest::keyClick(Box(box), Qt::Key_Return);
        return {Messages(), Focus()};
    }

    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    // The FSU's household count in the listing's block 1 and the sample list, and stratum 1's surveyed.
    std::string Counts() {
        return Read(
            "select coalesce(a.CNT051, '-') || ' ' || coalesce(s.CNT051, '-') || ' ' || coalesce(b.ASURVD, "
            "'-') "
            "from S000L01 a, samplelist s, S000L03 b");
    }
    Texts Messages() const { return f.messages.Texts(); }
    void Clear() { f.messages.shown.clear(); }

    FsuFile f{"10001", 2};
    StandInPacket packet;
    std::array<StandInScreen, 9> others;
    LazyForm<Screen> form{f.s};
    Screen* screen = nullptr;
};

}  // namespace r78::test
