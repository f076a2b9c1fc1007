#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/db/EditableRows.h"

namespace r78::db {
namespace {

namespace fs = std::filesystem;

// A scratch database with a table of strata: no key of its own, so that only
// the rowid tells two rows of the same values apart.
class EditableRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "r78rows-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        conn = Connection::CreateNew(dir_ / "t.db");
        conn->Execute(
            "create table blk (fsuno text, sss text, caph text check (length(caph) <= 4), n numeric)");
    }
    void TearDown() override {
        conn.reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    EditableRows Open(const std::string& fsu = "10001") {
        return EditableRows::Open(*conn, {"blk", " where fsuno = ? order by sss", {fsu}});
    }
    std::string Rows() {
        std::string all;
        auto rs = conn->Query(
            "select coalesce(fsuno,'-'), coalesce(sss,'-'), coalesce(caph,'-') from blk order by rowid");
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
            all += rs.Field(0).Text() + "/" + rs.Field(1).Text() + "/" + rs.Field(2).Text() + " ";
        return all;
    }

    fs::path dir_;
    std::unique_ptr<Connection> conn;
};

TEST_F(EditableRowsTest, ReadsEveryColumnOfTheSelectedRowsInOrder) {
    conn->Execute(
        "insert into blk values ('10001','2','40',null), ('10002','1','9',null), ('10001','1',null,5)");
    EditableRows rows = Open();
    ASSERT_EQ(rows.FieldCount(), 4);
    EXPECT_EQ(rows.FieldName(2), "caph");
    EXPECT_EQ(rows.FieldIndex("CAPH"), 2);
    EXPECT_EQ(rows.FieldIndex("rowid"), -1) << "the rowid is not a field";
    ASSERT_EQ(rows.RecordCount(), 2);
    EXPECT_EQ(rows.Field(0, 1).Text(), "1");
    EXPECT_TRUE(rows.Field(0, 2).IsNull());
    EXPECT_EQ(rows.Field(0, 3).Text(), "5");
    EXPECT_FALSE(rows.IsPending(0));
    EXPECT_FALSE(rows.IsNew(1));
}

TEST_F(EditableRowsTest, UpdatesOnlyTheRowItReadAmongIdenticalRows) {
    conn->Execute(
        "insert into blk (fsuno,sss,caph) values ('10001','1','7'), ('10001','1','7'), ('10001','1','7')");
    EditableRows rows = Open();
    rows.SetField(1, 2, Value("8"));
    EXPECT_TRUE(rows.IsPending(1));
    EXPECT_TRUE(rows.IsPendingField(1, 2));
    EXPECT_FALSE(rows.IsPending(0));
    rows.Write(1);
    EXPECT_FALSE(rows.IsPending(1));
    EXPECT_EQ(Rows(), "10001/1/7 10001/1/8 10001/1/7 ");

    rows.DeleteFromTable(2);
    rows.Forget(2);
    EXPECT_EQ(Rows(), "10001/1/7 10001/1/8 ");
    EXPECT_EQ(rows.RecordCount(), 2);
}

TEST_F(EditableRowsTest, AnUpdateWritesTheChangedFieldsAlone) {
    conn->Execute("insert into blk (fsuno,sss,caph) values ('10001','1','7')");
    EditableRows rows = Open();
    // Another connection changes a field this one does not touch.
    conn->Execute("update blk set sss = '3'");
    rows.SetField(0, 2, Value("12"));
    rows.SetField(0, 1, Value("1"));  // the value it read: no change
    EXPECT_FALSE(rows.IsPendingField(0, 1));
    rows.Write(0);
    EXPECT_EQ(Rows(), "10001/3/12 ");

    // A value put back as it was read leaves nothing to write.
    rows.SetField(0, 2, Value("99"));
    rows.SetField(0, 2, Value("12"));
    EXPECT_FALSE(rows.IsPending(0));
}

TEST_F(EditableRowsTest, ANewRowIsInsertedWithTheFieldsSetAndGetsItsRowid) {
    EditableRows rows = Open();
    const long r = rows.AddNew();
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(rows.IsNew(r));
    EXPECT_TRUE(rows.IsPending(r)) << "a new row is pending before anything is set";
    rows.SetField(r, 0, Value("10001"));
    rows.SetField(r, 1, Value("2"));
    rows.Write(r);
    EXPECT_FALSE(rows.IsNew(r));
    EXPECT_FALSE(rows.IsPending(r));
    EXPECT_EQ(Rows(), "10001/2/- ");

    // Its later edits update that row, not a second one.
    rows.SetField(r, 2, Value("30"));
    rows.Write(r);
    EXPECT_EQ(Rows(), "10001/2/30 ");
    EXPECT_EQ(Open().RecordCount(), 1);
}

TEST_F(EditableRowsTest, AWriteTheTableRefusesKeepsTheRowPendingAsItWas) {
    EditableRows rows = Open();
    const long r = rows.AddNew();
    rows.SetField(r, 0, Value("10001"));
    rows.SetField(r, 2, Value("12345"));
    try {
        rows.Write(r);
        ADD_FAILURE() << "an over-long value was written";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("CHECK constraint failed"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(rows.IsNew(r));
    EXPECT_EQ(rows.Field(r, 2).Text(), "12345");
    EXPECT_EQ(Rows(), "");

    rows.SetField(r, 2, Value("1234"));
    rows.Write(r);
    EXPECT_EQ(Rows(), "10001/-/1234 ");

    // A stored row that fails keeps its changes pending too.
    rows.SetField(r, 2, Value("99999"));
    EXPECT_THROW(rows.Write(r), DbError);
    EXPECT_TRUE(rows.IsPendingField(r, 2));
    EXPECT_EQ(Rows(), "10001/-/1234 ");
}

TEST_F(EditableRowsTest, CancelRestoresAStoredRowAndDropsANewOne) {
    conn->Execute("insert into blk (fsuno,sss,caph) values ('10001','1','7')");
    EditableRows rows = Open();
    rows.SetField(0, 2, Value("8"));
    EXPECT_FALSE(rows.Cancel(0));
    EXPECT_EQ(rows.Field(0, 2).Text(), "7");
    EXPECT_FALSE(rows.IsPending(0));

    rows.AddNew();
    EXPECT_TRUE(rows.Cancel(1));
    EXPECT_EQ(rows.RecordCount(), 1);
    EXPECT_EQ(Rows(), "10001/1/7 ");
}

TEST_F(EditableRowsTest, ARowDeletedSinceItWasReadIsNotSilentlyLost) {
    conn->Execute("insert into blk (fsuno,sss,caph) values ('10001','1','7')");
    EditableRows rows = Open();
    conn->Execute("delete from blk");
    rows.SetField(0, 2, Value("8"));
    EXPECT_THROW(rows.Write(0), DbError);
    EXPECT_TRUE(rows.IsPending(0));
}

TEST_F(EditableRowsTest, RereadShowsTheTableAsItNowStands) {
    EditableRows rows = Open();
    conn->Execute("insert into blk (fsuno,sss) values ('10001','5'), ('10001','3')");
    EditableRows again = rows.Reread();
    ASSERT_EQ(again.RecordCount(), 2);
    EXPECT_EQ(again.Field(0, 1).Text(), "3");
    EXPECT_EQ(again.Table(), "blk");
}

}  // namespace
}  // namespace r78::db
