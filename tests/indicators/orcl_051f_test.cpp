#include "indicators/orcl_051f.h"

#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QTableView>

#include "indicators/orcl_051g.h"
#include "tests/indicators/HouseholdScreenTest.h"

namespace r78 {
namespace {

using test::Click;
using test::Enter;
using test::Key;
using test::Texts;
using test::Type;

constexpr int SLNO = 5;
constexpr int LAST = 43;  // B5I16

class Block5Test : public test::HouseholdScreenTest {
protected:
    void Open() {
        screen = HouseholdScreenTest::Open<orcl_051f>(18);
        ASSERT_FALSE(screen.isNull());
    }
    ui::BoundGrid* Grid() const { return screen->DataGridX; }
    int Col(const std::string& field) const { return Grid()->FieldColumn(field); }
    void At(int row, int column) { Grid()->SetCurrentCell(row, column); }
    // The current cell lies wholly inside the grid's visible area.
    bool CurrentCellInView() const {
        const QTableView* view = Grid()->View();
        return view->viewport()->rect().contains(view->visualRect(view->currentIndex()));
    }

    QPointer<orcl_051f> screen;
};

TEST_F(Block5Test, ShowsItsThirtyNineColumnsEachAtLeastAsWideAsItsCaption) {
    Open();
    int shown = 0, twips = 0;
    const QTableView* view = Grid()->View();
    const QFontMetrics metrics(view->horizontalHeader()->font());
    for (int c = 0; c < Grid()->ColumnCount(); ++c) {
        SCOPED_TRACE(Grid()->DataField(c));
        EXPECT_EQ(Grid()->ColumnVisible(c), c >= SLNO && c <= LAST);
        if (!Grid()->ColumnVisible(c)) continue;
        ++shown;
        twips += Grid()->ColumnWidthTwips(c);
        const QStringList lines = Grid()->ColumnCaption(c).split('\n');
        EXPECT_EQ(lines.size(), c == SLNO ? 5 : 6);
        EXPECT_TRUE(lines.last().startsWith('I')) << "the last line names the item";
        for (const QString& line : lines)
            EXPECT_GE(view->columnWidth(c), metrics.horizontalAdvance(line)) << line.toStdString();
    }
    EXPECT_EQ(shown, 39);
    EXPECT_EQ(twips, 28900);
    // Blanks inside captions are kept as the form has them.
    EXPECT_EQ(Grid()->ColumnCaption(Col("B5I541")), "cl\nass \nen\nrl\n\nI5.4.1");
    EXPECT_EQ(Grid()->ColumnCaption(Col("B5I662")), "wht\ndid\nin\n7\ndays \nI6.6.2");
    EXPECT_EQ(Grid()->ColumnCaption(Col("B5I8")), "abl\nto\ncpy\nfile\n \nI8");
}

TEST_F(Block5Test, EachKindOfCellAcceptsOrRefusesWithItsMessages) {
    Open();
    const char* numeric = "numeric entry please";
    const char* level = "code 01 to 08, 10 to 15 please";
    EnterCells(*screen,
               {
                   {"SLNO", "", {"numeric positive entry please"}},
                   {"SLNO", "0", {"positive entry please"}},
                   {"SLNO", "5", {}},
                   {"B5I2", "", {"numeric positive entry please"}},
                   {"B5I2", "1234", {"field length exceeds field size field size = 3"}},
                   {"B5I2", "0", {}},
                   // Codes: blank passes; a lone blank is no number.
                   {"B5I3", " ", {numeric}},
                   {"B5I3", "12", {"field length exceeds field size field size = 1", "code 1 or 2 please"}},
                   {"B5I3", "", {}},
                   {"B5I4", "4", {"code 1 to 3 please"}},
                   {"B5I41", "99", {}},
                   {"B5I5102", "7", {"code 1 to 6 or 9 please"}},
                   // Two-digit codes: digits, then two characters, then the list.
                   {"B5I51", "a", {numeric}},
                   {"B5I51", "9", {"2-digit code 01 to 08, 10 to 15 please"}},
                   {"B5I51", "09", {level}},
                   {"B5I51", "10", {}},
                   {"B5I541", "13", {"code 01 to 12 please"}},
               });
}

TEST_F(Block5Test, EnterWalksTheRowInViewToTheNextRowWhichNextStores) {
    Open();
    // A member of 25 at college: level 07, class blank, then the ICT skills.
    const Texts row = {"1", "25", "1", "1", "6", "1", "07", "1", "1", "10", "2", "2", "2",
                       "2", "2",  "1", "1", "1", "9", "",   "",  "",  "",   "",  "",  "",
                       "",  "",   "",  "",  "1", "1", "2",  "2", "1", "1",  "2", "2", "2"};
    ASSERT_EQ(row.size(), 39u);
    int widest = 0;
    for (size_t i = 0; i < row.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Grid()->CurrentColumn(), SLNO + static_cast<int>(i));
        EXPECT_TRUE(CurrentCellInView());
        widest = std::max(widest, Grid()->View()->horizontalScrollBar()->value());
        Enter(row[i]);
    }
    EXPECT_TRUE(Messages().empty());
    // The grid had to scroll to reach the last column, and came back for the next row.
    EXPECT_GT(widest, 0);
    EXPECT_EQ(Grid()->CurrentRow(), 1);
    EXPECT_EQ(Grid()->CurrentColumn(), SLNO);
    EXPECT_TRUE(CurrentCellInView());
    EXPECT_EQ(Rows("S051L06", "SLNO,B5I2,B5I51,B5I541,B5I5102,B5I61,B5I16,SU,creby"),
              Texts{"01|25|07|10|9|-|2||OPR1"});

    // A second member typed and left by Next is stored, and no question is asked.
    Enter("2");
    Enter("3");
    Click(screen->CmdNext);
    EXPECT_TRUE(Messages().empty());
    test::FlushDeletes();
    EXPECT_TRUE(screen.isNull());
    EXPECT_EQ(f.s.CurFormIndex, 19);
    EXPECT_NE(screens.Current<orcl_051g>(19), nullptr);
    EXPECT_EQ(Rows("S051L06", "SLNO,B5I2"), (Texts{"01|25", "02|3"}));
}

}  // namespace
}  // namespace r78
