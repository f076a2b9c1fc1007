#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTableView>

#include "app/BlockScreens.h"
#include "platform/ui/Keys.h"
#include "screens/BlockScreen.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"
#include "validation/ErrorLog.h"

// Every block screen, at the size it takes on the operator's desktop, shows its
// error list with every column in view: "Additional Message" and "Error Type"
// need no sideways scrolling.
namespace r78 {
namespace {

class ErrorListLayoutTest : public ::testing::TestWithParam<int> {};

TEST_P(ErrorListLayoutTest, EveryColumnOfTheErrorListIsInView) {
    const int index = GetParam();
    const int schType = index <= 3 ? 0 : index <= 12 ? 1 : 2;
    test::FsuFile f("10001", schType);
    f.s.CurSss = "1";
    f.s.CurSsu = "01";
    test::StandInPacket packet;
    f.s.Packet = &packet;
    f.s.FormTable[0] = &packet;
    BlockScreens screens(f.s);
    f.Insert("val_error", {{"fsuno", "10001"}, {"blk", "B 1"}, {"msg1", "an error"}});

    screens.At(index)->Show();
    BlockScreen* screen = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* shown = qobject_cast<BlockScreen*>(w); shown && shown->isVisible()) screen = shown;
    ASSERT_NE(screen, nullptr);
    // The desktop's screen holds the form's full 15000 by 12000 twips.
    screen->resize(ui::TwipsToPixels(15000), ui::TwipsToPixels(12000));
    ASSERT_TRUE(screen->DataGrid->SetRecordSource(*f.s.FsuConn, kBlockErrorsSql, {f.s.CurFsuNo}));
    screen->DataGrid->show();
    FormatBlockErrorGrid(*screen->DataGrid, index);
    QApplication::processEvents();

    const QTableView* view = screen->DataGrid->View();
    EXPECT_GE(view->viewport()->width(), view->horizontalHeader()->length())
        << screen->objectName().toStdString();
    screen->close();
}

INSTANTIATE_TEST_SUITE_P(BlockScreens, ErrorListLayoutTest, ::testing::Range(1, 22));

}  // namespace
}  // namespace r78
