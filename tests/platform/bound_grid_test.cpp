#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "platform/db/Refusal.h"
#include "platform/ui/BoundGrid.h"

namespace r78::ui {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

// A window with an editable grid over a small block table (columns dpc, fsuno,
// sss, caph, creby; only sss and caph shown), a button and another box. The
// grid's events are logged, and the handlers act as a block screen's would:
// Enter becomes Tab, a letter becomes a Backspace, a new row is stamped and
// begins at sss.
class BoundGridTest : public ::testing::Test {
protected:
    enum Col { DPC, FSUNO, SSS, CAPH, CREBY };

    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "r78grid-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        conn = db::Connection::CreateNew(dir_ / "t.db");
        conn->Execute(
            "create table blk (dpc text, fsuno text, sss text, "
            "caph text check (length(caph) <= 4), creby text)");

        window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(window.get());
        grid = new BoundGrid(window.get());
        button = new QPushButton("&Go", window.get());
        other = new QLineEdit(window.get());
        layout->addWidget(grid, 1);
        layout->addWidget(button);
        layout->addWidget(other);
        QObject::connect(button, &QPushButton::clicked, [this] { ++clicks; });

        grid->onKeyDown = [this](int& key, Qt::KeyboardModifiers) {
            log.push_back("down " + std::to_string(key) + " [" + grid->CurrentCellText() + "|" + Stored() +
                          "]");
            if (key == 13 && refuseEnter) key = 0;
        };
        grid->onKeyPress = [this](int& ascii) {
            log.push_back("press " + std::to_string(ascii));
            if (ascii == 13) ascii = 9;
            if (ascii >= 'a' && ascii <= 'z') ascii = 8;
        };
        grid->onAddNew = [this] {
            log.push_back("addnew");
            grid->SetCurrentColumn(SSS);
            const int row = grid->CurrentRow();
            grid->SetFieldText(row, "dpc", "101");
            grid->SetFieldText(row, "fsuno", "10001");
            grid->SetFieldText(row, "creby", "OPR1");
        };
        grid->onAfterColUpdate = [this](int column) { log.push_back("after " + std::to_string(column)); };
        grid->onValidate = [this](bool& cancel) {
            log.push_back("validate [" + grid->CurrentCellText() + "]");
            cancel = refuseLeave;
        };
        grid->onBeforeDelete = [this](bool& cancel) {
            log.push_back("before delete");
            cancel = !allowDelete;
        };
        grid->onError = [this](const std::string& text) { log.push_back("error: " + text); };
    }
    void TearDown() override {
        window.reset();
        conn.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    void Open() {
        ASSERT_TRUE(grid->SetTableSource(*conn, {"blk", " where fsuno = ? order by sss", {"10001"}}));
        for (int c : {DPC, FSUNO, CREBY}) grid->SetColumnVisible(c, false);
        grid->SetCurrentCell(0, SSS);
        window->show();
        QApplication::setActiveWindow(window.get());
        grid->FocusGrid();
        QApplication::processEvents();
        log.clear();
    }
    // The field of the current row as the grid holds it ("" on the "*" line).
    std::string Stored() const {
        return grid->FieldText(grid->CurrentRow(), grid->DataField(grid->CurrentColumn()));
    }
    QWidget* Focus() const { return QApplication::focusWidget(); }
    void Type(const std::string& keys) {
        for (char c : keys) QTest::keyClick(Focus(), c);
        QApplication::processEvents();
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Focus(), key, mods);
        QApplication::processEvents();
    }
    // A click as it reaches the window, before any control takes the focus.
    void ClickInWindow(QWidget* target) {
        const QPoint at = target->mapTo(window.get(), target->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
        QApplication::processEvents();
    }
    std::string Table() {
        std::string all;
        auto rs = conn->Query(
            "select coalesce(dpc,'-'), coalesce(fsuno,'-'), coalesce(sss,'-'), coalesce(caph,'-'), "
            "coalesce(creby,'-') from blk order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            for (int i = 0; i < 5; ++i) all += rs.Field(i).Text() + (i < 4 ? "/" : " ");
        }
        return all;
    }
    std::pair<int, int> Cursor() const { return {grid->CurrentRow(), grid->CurrentColumn()}; }

    fs::path dir_;
    std::unique_ptr<db::Connection> conn;
    std::unique_ptr<QWidget> window;
    BoundGrid* grid = nullptr;
    QPushButton* button = nullptr;
    QLineEdit* other = nullptr;
    Log log;
    bool refuseEnter = false, refuseLeave = false, allowDelete = false;
    int clicks = 0;
};

TEST_F(BoundGridTest, TypingStartsAStampedRowAndEnterCommitsTheCellThenMovesOn) {
    Open();
    EXPECT_EQ(grid->RecordCount(), 0);
    EXPECT_TRUE(grid->OnNewRowLine());
    EXPECT_EQ(grid->View()->model()->headerData(0, Qt::Vertical).toString(), "*");

    Type("1");
    EXPECT_EQ(log, (Log{"down 49 [|]", "press 49", "addnew"}));
    EXPECT_EQ(grid->RecordCount(), 1);
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->CurrentCellText(), "1");
    EXPECT_EQ(grid->FieldText(0, "dpc"), "101");

    // Enter: key down sees the editor's text before the row holds it.
    log.clear();
    Type("2");
    Key(Qt::Key_Return);
    EXPECT_EQ(log, (Log{"down 50 [1|]", "press 50", "down 13 [12|]", "press 13", "after 2"}));
    EXPECT_EQ(grid->FieldText(0, "sss"), "12");
    EXPECT_EQ(Cursor(), std::make_pair(0, int(CAPH)));
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(Table(), "") << "a row is written when it is left, not before";

    // A letter became a Backspace; Enter on an unchanged cell has no update.
    log.clear();
    Type("3a");
    EXPECT_EQ(grid->CurrentCellText(), "");
    Key(Qt::Key_Return);
    EXPECT_EQ(log, (Log{"down 51 [|]", "press 51", "down 65 [3|]", "press 97", "down 13 [|]", "press 13"}));

    // Past the last shown column the cursor goes to the next row, and the row is written.
    grid->SetCurrentCell(0, CAPH);
    Type("40");
    Key(Qt::Key_Return);
    EXPECT_EQ(Cursor(), std::make_pair(1, int(SSS)));
    EXPECT_TRUE(grid->OnNewRowLine());
    EXPECT_EQ(Table(), "101/10001/12/40/OPR1 ");
}

TEST_F(BoundGridTest, ARefusedEnterKeepsTheTextAndTheCursor) {
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1')");
    Open();
    refuseEnter = true;
    Type("7");
    Key(Qt::Key_Return);
    EXPECT_EQ(log.back(), "down 13 [7|1]");
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(grid->CurrentCellText(), "7");
    EXPECT_EQ(Cursor(), std::make_pair(0, int(SSS)));
    EXPECT_EQ(grid->FieldText(0, "sss"), "1");
}

TEST_F(BoundGridTest, LeavingARowUpdatesThatRowAloneByItsRowid) {
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1'), ('101','10001','1','5','OPR1')");
    Open();
    grid->SetCurrentCell(1, CAPH);
    Type("9");
    Key(Qt::Key_Up);
    EXPECT_EQ(log.back(), "after 3");
    EXPECT_EQ(Cursor(), std::make_pair(0, int(CAPH)));
    EXPECT_EQ(Table(), "101/10001/1/5/OPR1 101/10001/1/9/OPR1 ");

    // The mouse and the program leave rows the same way.
    Type("6");
    grid->SetCurrentCell(1, SSS);
    EXPECT_EQ(Table(), "101/10001/1/6/OPR1 101/10001/1/9/OPR1 ");
    EXPECT_EQ(grid->RecordCount(), 2);
}

TEST_F(BoundGridTest, AWriteThatFailsKeepsTheRowPendingAndTheCursorAndSaysWhy) {
    Open();
    Type("1");
    Key(Qt::Key_Return);
    Type("12345");
    Key(Qt::Key_Return);
    ASSERT_FALSE(log.empty());
    // The program's words first, the database's after them.
    EXPECT_EQ(
        log.back().rfind("error: The row was not written to blk: field caph holds at most 4 characters.\n\n"
                         "CHECK constraint failed",
                         0),
        0u)
        << log.back();
    EXPECT_EQ(Cursor(), std::make_pair(0, int(CAPH)));
    EXPECT_TRUE(grid->IsNewRow(0));
    EXPECT_EQ(grid->FieldText(0, "caph"), "12345");
    EXPECT_EQ(Table(), "");
    EXPECT_FALSE(grid->WritePending());

    Type("1234");
    Key(Qt::Key_Down);
    EXPECT_EQ(Cursor(), std::make_pair(1, int(CAPH)));
    EXPECT_EQ(Table(), "101/10001/1/1234/OPR1 ");
}

TEST(RefusalInWordsTest, NamesTheFieldAndTheRuleOfWhatTheLayoutDeclares) {
    const std::pair<const char*, const char*> cases[] = {
        {"CHECK constraint failed: length(\"SSS\") <= 1 (f.mdb; statement: insert ...)",
         "field SSS holds at most 1 character"},
        {"CHECK constraint failed: length(\"CAPH\") <= 4", "field CAPH holds at most 4 characters"},
        {"NOT NULL constraint failed: S000L03.SSS", "field SSS may not be blank"},
        {"CHECK constraint failed: d > 0", ""},
        {"disk refused", ""},
    };
    for (const auto& [db, words] : cases) EXPECT_EQ(db::RefusalInWords(db), words) << db;
}

TEST_F(BoundGridTest, EscRevertsTheCellThenCancelsTheRow) {
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1')");
    Open();
    // A stored row: its changes go, the row stays.
    Type("2");
    Key(Qt::Key_Tab);
    Type("8");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->FieldText(0, "caph"), "5");
    EXPECT_EQ(grid->FieldText(0, "sss"), "2") << "the first Esc reverts only the cell being edited";
    Key(Qt::Key_Escape);
    EXPECT_EQ(grid->FieldText(0, "sss"), "1");

    // A new row marked "*": the second Esc takes it away unwritten.
    grid->SetCurrentCell(1, SSS);
    Type("3");
    EXPECT_EQ(grid->RecordCount(), 2);
    Key(Qt::Key_Escape);
    EXPECT_EQ(grid->RecordCount(), 2);
    EXPECT_EQ(grid->FieldText(1, "sss"), "");
    Key(Qt::Key_Escape);
    EXPECT_EQ(grid->RecordCount(), 1);
    EXPECT_TRUE(grid->OnNewRowLine());
    Key(Qt::Key_Up);
    EXPECT_EQ(Table(), "101/10001/1/5/OPR1 ");
}

TEST_F(BoundGridTest, DeleteOfASelectedRowAsksFirst) {
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1'), ('101','10001','2','6','OPR1')");
    Open();
    // The row's header selects it.
    auto* header = grid->View()->verticalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->width() / 2, header->sectionViewportPosition(0) + 5));
    Key(Qt::Key_Delete);
    EXPECT_EQ(log, (Log{"down 46 [1|1]", "before delete"}));
    EXPECT_EQ(grid->RecordCount(), 2);

    allowDelete = true;
    grid->SelectRow(0);
    Key(Qt::Key_Delete);
    EXPECT_EQ(grid->RecordCount(), 1);
    EXPECT_EQ(grid->FieldText(0, "sss"), "2");
    EXPECT_EQ(Table(), "101/10001/2/6/OPR1 ");

    // Delete in a cell that is not a selected row deletes nothing.
    grid->SetCurrentCell(0, SSS);
    Key(Qt::Key_Delete);
    EXPECT_EQ(grid->RecordCount(), 1);
}

TEST_F(BoundGridTest, LeavingTheGridValidatesFirstAndARefusalKeepsTheCellAndSwallowsTheClick) {
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1')");
    Open();
    Type("12");
    refuseLeave = true;
    ClickInWindow(button);
    EXPECT_EQ(log.back(), "validate [12]");
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(grid->IsEditing());
    EXPECT_EQ(Focus(), grid->Editor());
    EXPECT_EQ(grid->CurrentCellText(), "12");
    EXPECT_EQ(Cursor(), std::make_pair(0, int(SSS)));

    // An access key is held back the same way.
    log.clear();
    Key(Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(log, Log{"validate [12]"});
    EXPECT_EQ(clicks, 0);

    // Allowed: the cell goes into the row, the row is not written, the click arrives.
    refuseLeave = false;
    log.clear();
    Key(Qt::Key_Backspace);
    ClickInWindow(button);
    EXPECT_EQ(log, (Log{"down 8 [12|1]", "press 8", "validate [1]"}));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_EQ(grid->FieldText(0, "sss"), "1");
    ClickInWindow(other);
    EXPECT_EQ(log.size(), 3u) << "a grid without the focus is not validated";

    grid->FocusGrid();
    Type("4");
    ClickInWindow(other);
    EXPECT_EQ(Focus(), other);
    EXPECT_EQ(grid->FieldText(0, "sss"), "4");
    EXPECT_EQ(Table(), "101/10001/1/5/OPR1 ");
    EXPECT_TRUE(grid->WritePending());
    EXPECT_EQ(Table(), "101/10001/4/5/OPR1 ");
}

TEST_F(BoundGridTest, RequeryReadsTheTableAgainAndTheModelStaysConsistent) {
    // Every change of the model is watched by Qt's own model tester.
    std::vector<std::string> complaints;
    static std::vector<std::string>* sink = nullptr;
    sink = &complaints;
    auto previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& msg) {
            if (type != QtDebugMsg && context.category &&
                std::string(context.category).find("modeltest") != std::string::npos)
                sink->push_back(msg.toStdString());
        });
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1')");
    Open();
    QAbstractItemModelTester tester(grid->Model(), QAbstractItemModelTester::FailureReportingMode::Warning);

    grid->SetCurrentCell(1, SSS);
    Type("2");
    Key(Qt::Key_Escape);
    Key(Qt::Key_Escape);
    Type("3");
    Key(Qt::Key_Tab);
    Type("44");
    Key(Qt::Key_Up);
    conn->Execute("insert into blk values ('101','10001','0','1','OPR2'), ('101','10002','0','1','OPR2')");
    EXPECT_TRUE(grid->Requery());
    EXPECT_EQ(grid->RecordCount(), 3);
    EXPECT_EQ(grid->FieldText(0, "creby"), "OPR2");
    allowDelete = true;
    grid->SetCurrentCell(0, SSS);
    EXPECT_TRUE(grid->DeleteCurrentRow());
    grid->AddNewRow();
    grid->CancelRow(grid->RecordCount() - 1);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(complaints.empty()) << complaints.front();
    EXPECT_EQ(Table(), "101/10001/1/5/OPR1 101/10001/3/44/OPR1 101/10002/0/1/OPR2 ");
}

TEST_F(BoundGridTest, TheErrorListIsTheSameGridReadOnly) {
    conn->Execute("insert into blk values ('101','10001','1','5','OPR1')");
    ASSERT_TRUE(grid->SetRecordSource(*conn, "select sss, caph from blk"));
    window->show();
    QApplication::setActiveWindow(window.get());
    grid->View()->setFocus();
    EXPECT_FALSE(grid->Editable());
    EXPECT_EQ(grid->RecordCount(), 1);
    EXPECT_EQ(grid->View()->model()->rowCount(), 1) << "no \"*\" line";
    Type("7");
    EXPECT_FALSE(grid->IsEditing());
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(grid->Records().Row(0)[0].Text(), "1");
}

}  // namespace
}  // namespace r78::ui
