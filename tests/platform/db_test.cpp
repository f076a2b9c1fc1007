#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/Value.h"

namespace r78::db {
namespace {

namespace fs = std::filesystem;

// A scratch folder per test, with one database file "t.db" holding a table t.
class DbTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "r78db-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        file_ = dir_ / "t.db";
        auto conn = Connection::CreateNew(file_);
        conn->Execute("create table t (a text, b text)");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::unique_ptr<Connection> Open() { return Connection::Open(file_); }
    static long Count(Connection& conn, const std::string& where = "") {
        auto rs = conn.Query("select count(*) as n from t" + (where.empty() ? "" : " where " + where));
        return std::stol(rs.Field("n").Text());
    }

    fs::path dir_;
    fs::path file_;
};

// --- Opening ------------------------------------------------------------------

TEST_F(DbTest, OpeningAMissingFileNamesItAndCreatesNothing) {
    const fs::path missing = dir_ / "ent" / "r78_mast.mdb";
    for (auto mode : {Connection::Mode::ReadWrite, Connection::Mode::ReadOnly}) {
        try {
            Connection::Open(missing, mode);
            ADD_FAILURE() << "a missing file was opened";
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
        }
        EXPECT_FALSE(fs::exists(missing));
    }
    const fs::path beside = dir_ / "r78_blank.mdb";
    EXPECT_THROW(Connection::Open(beside), DbError);
    EXPECT_FALSE(fs::exists(beside));
}

TEST_F(DbTest, AFolderIsNotADatabase) { EXPECT_THROW(Connection::Open(dir_), DbError); }

TEST_F(DbTest, AFileThatIsNotADatabaseIsRefusedAtOpen) {
    // A short text and one longer than a database page: both must fail at once,
    // not at the first statement an operator's action runs.
    for (std::size_t size : {20u, 9000u}) {
        const fs::path file = dir_ / ("notes" + std::to_string(size) + ".mdb");
        {
            std::ofstream out(file);
            out << std::string(size, 'x');
        }
        try {
            Connection::Open(file);
            ADD_FAILURE() << "a text file of " << size << " bytes was opened as a database";
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        }
    }
}

TEST_F(DbTest, CreateNewRefusesAnExistingFile) {
    EXPECT_THROW(Connection::CreateNew(file_), DbError);
    auto conn = Open();
    EXPECT_NO_THROW(conn->Query("select * from t"));
}

TEST_F(DbTest, ReadOnlyConnectionRefusesWrites) {
    auto conn = Connection::Open(file_, Connection::Mode::ReadOnly);
    EXPECT_NO_THROW(conn->Query("select * from t"));
    EXPECT_THROW(conn->Execute("insert into t values ('x', 'y')"), DbError);
    EXPECT_EQ(Count(*Open()), 0);
}

TEST_F(DbTest, ClosedConnectionThrowsInsteadOfCrashing) {
    auto conn = Open();
    conn->Close();
    EXPECT_FALSE(conn->IsOpen());
    EXPECT_THROW(conn->Query("select * from t"), DbError);
    EXPECT_THROW(conn->Execute("delete from t"), DbError);
    EXPECT_FALSE(conn->InTransaction());
}

TEST_F(DbTest, FailedStatementCarriesTheDatabaseMessage) {
    auto conn = Open();
    try {
        conn->Query("select * from S211L01");
        ADD_FAILURE() << "query on a missing table succeeded";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("no such table: S211L01"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find(file_.string()), std::string::npos) << e.what();
    }
}

// --- Values -------------------------------------------------------------------

TEST_F(DbTest, NullAndEmptyTextStayApart) {
    auto conn = Open();
    conn->Execute("insert into t values (?, ?)", {Param::Null(), Param("")});
    conn->Execute("insert into t values (?, ?)", {Param(Value::Null()), Param(Value(""))});
    conn->Execute("insert into t values (?, ?)", {Param(), Param(std::string())});

    EXPECT_EQ(Count(*conn, "a is null"), 3);
    EXPECT_EQ(Count(*conn, "b is null"), 0);
    EXPECT_EQ(Count(*conn, "b = ''"), 3);

    auto rs = conn->Query("select a, b from t");
    ASSERT_EQ(rs.RecordCount(), 3);
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        EXPECT_TRUE(rs.Field("a").IsNull());
        EXPECT_EQ(rs.Field("a").Text(), "");  // Null reads as "" where text is wanted
        EXPECT_FALSE(rs.Field("b").IsNull());
        EXPECT_EQ(rs.Field("b").Text(), "");
        EXPECT_NE(rs.Field("a"), rs.Field("b"));
    }
}

TEST_F(DbTest, QuotesReachTheTableAsTyped) {
    auto conn = Open();
    const std::vector<std::string> values = {"O'NEIL", "'", "''", "X' OR '1'='1", "a'); drop table t; --"};
    for (const auto& v : values) conn->Execute("insert into t (a) values (?)", {v});
    for (const auto& v : values) {
        auto rs = conn->Query("select a from t where a = ?", {v});
        ASSERT_EQ(rs.RecordCount(), 1) << v;
        EXPECT_EQ(rs.Field("a").Text(), v);
    }
    EXPECT_EQ(Count(*conn), static_cast<long>(values.size()));
}

struct NumberCase {
    Param written;
    std::string read;
};
void PrintTo(const NumberCase& c, std::ostream* os) { *os << "reads \"" << c.read << "\""; }

class NumberColumns : public DbTest, public ::testing::WithParamInterface<NumberCase> {};

// Numbers read back as the screens show them: "6", never "6.0".
TEST_P(NumberColumns, ReadsBackWithoutATrailingZero) {
    auto conn = Open();
    conn->Execute("create table n (num NUMERIC, plain)");
    conn->Execute("insert into n values (?, ?)", {GetParam().written, GetParam().written});
    auto rs = conn->Query("select num, plain, num * 1 as product from n");
    EXPECT_EQ(rs.Field("num").Text(), GetParam().read);
    EXPECT_EQ(rs.Field("plain").Text(), GetParam().read);
    EXPECT_EQ(rs.Field("product").Text(), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Numbers, NumberColumns,
                         ::testing::Values(NumberCase{Param(6), "6"}, NumberCase{Param(6.0), "6"},
                                           NumberCase{Param(6.5), "6.5"}, NumberCase{Param(-3.0), "-3"},
                                           NumberCase{Param(0.0), "0"}, NumberCase{Param(-0.0), "0"},
                                           NumberCase{Param(0.1 + 0.2), "0.3"},
                                           NumberCase{Param(1250.25), "1250.25"},
                                           NumberCase{Param(123456789012345LL), "123456789012345"}));

TEST_F(DbTest, NumberColumnTurnsNumericTextIntoANumber) {
    auto conn = Open();
    conn->Execute("create table n (num NUMERIC)");
    conn->Execute("insert into n values (?)", {"6.0"});
    conn->Execute("insert into n values (?)", {"05"});
    auto rs = conn->Query("select num from n order by num");
    EXPECT_EQ(rs.Row(0)[0].Text(), "5");
    EXPECT_EQ(rs.Row(1)[0].Text(), "6");
}

// --- Statements -----------------------------------------------------------------

TEST_F(DbTest, ExecuteReportsTheRowsItChanged) {
    auto conn = Open();
    EXPECT_EQ(conn->Execute("insert into t values ('1', 'x'), ('2', 'x'), ('3', 'y')"), 3);
    EXPECT_EQ(conn->Execute("update t set b = 'z' where b = ?", {"x"}), 2);
    EXPECT_EQ(conn->Execute("delete from t where a = ?", {"9"}), 0);
}

TEST_F(DbTest, ParameterCountMustMatchTheMarks) {
    auto conn = Open();
    EXPECT_THROW(conn->Execute("insert into t values (?, ?)", {"1"}), DbError);
    EXPECT_THROW(conn->Execute("insert into t values (?, ?)", {"1", "2", "3"}), DbError);
    EXPECT_THROW(conn->Execute("insert into t values ('1', '2')", {"1"}), DbError);
    EXPECT_THROW(conn->Query("select * from t where a = ?"), DbError);
    EXPECT_EQ(Count(*conn), 0);
}

struct TextCase {
    std::string text;
    bool runs;  // one statement, with nothing after it that SQLite would run
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class StatementTexts : public DbTest, public ::testing::WithParamInterface<TextCase> {};

// A second statement in one text is refused whole, never half run: the first
// statement leaves no row behind, for Execute and Query alike.
TEST_P(StatementTexts, OneStatementRunsAndMoreAreRefusedBeforeAnyRuns) {
    auto conn = Open();
    const std::string insert = "insert into t values ('1', 'x')" + GetParam().text;
    const std::string select = "select count(*) from t" + GetParam().text;
    if (GetParam().runs) {
        EXPECT_EQ(conn->Execute(insert), 1);
        EXPECT_EQ(conn->Query(select).Field(0).Text(), "1");
    } else {
        EXPECT_THROW(conn->Execute(insert), DbError);
        EXPECT_EQ(Count(*conn), 0);
        try {
            conn->Query(select);
            ADD_FAILURE() << "a query with a second statement ran";
        } catch (const DbError& e) {
            EXPECT_NE(std::string(e.what()).find("one statement"), std::string::npos) << e.what();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tails, StatementTexts,
    ::testing::Values(TextCase{"", true}, TextCase{";", true}, TextCase{" ;\n\t; ", true},
                      TextCase{"; -- the row of a test", true}, TextCase{"/* note */;", true},
                      TextCase{"; /* left open", true}, TextCase{"; -- a\n /* b */ ;\n", true},
                      TextCase{"; delete from t", false}, TextCase{";delete from t;", false},
                      TextCase{"; -- note\n delete from t", false}, TextCase{"; /* c */ x", false},
                      TextCase{"; insert into t values ('2', 'y')", false}));

TEST_F(DbTest, TextWithoutAStatementIsRefused) {
    auto conn = Open();
    for (const char* text : {"", " ; ", "-- nothing"}) {
        EXPECT_THROW(conn->Execute(text), DbError) << text;
        EXPECT_THROW(conn->Query(text), DbError) << text;
    }
}

// The connection keeps its prepared statements for the next use of the same text:
// a use leaves no value bound for the next, no lock held between uses, and a
// failed use spoils nothing; a text follows the table it names when it changes.
TEST_F(DbTest, ARepeatedTextBehavesAsIfPreparedAfresh) {
    auto conn = Open();
    const std::string insert = "insert into t values (?, ?)";
    conn->Execute(insert, {"1", "one"});
    conn->Execute(insert, {"2", Param::Null()});
    auto rs = conn->Query("select b from t where a = ?", {"2"});
    EXPECT_TRUE(rs.Field(0).IsNull()) << "the second use must not see the first one's value";

    conn->Execute(
        "create trigger refuse before insert on t when new.a = 'x' begin select raise(abort, 'no x'); end");
    EXPECT_THROW(conn->Execute(insert, {"x", "y"}), DbError);
    conn->Execute(insert, {"3", "three"});
    EXPECT_EQ(conn->Query("select b from t where a = ?", {"3"}).Field(0).Text(), "three");

    // A query read to its end holds no lock: another connection may write at once.
    auto other = Open();
    conn->Query("select * from t");
    Transaction tx(*other);
    other->Execute("drop table t");
    other->Execute("create table t (a text, b text, c text)");
    tx.Commit();
    EXPECT_EQ(conn->Query("select * from t").FieldCount(), 3);
    EXPECT_THROW(conn->Execute(insert, {"1", "2"}), DbError) << "three columns, two values";

    // More texts than the cache keeps, then the first again.
    for (int i = 0; i < 100; ++i) conn->Query("select " + std::to_string(i) + " from t");
    EXPECT_EQ(conn->Execute("insert into t values (?, ?, ?)", {"4", "b", "c"}), 1);
    EXPECT_EQ(Count(*conn), 1);
    conn->Close();
    EXPECT_THROW(conn->Query("select * from t"), DbError);
}

// --- Transactions -----------------------------------------------------------------

TEST_F(DbTest, TransactionRollsBackAfterAFailedStatement) {
    auto conn = Open();
    EXPECT_THROW(
        {
            Transaction tx(*conn);
            conn->Execute("insert into t values ('kept?', 'no')");
            conn->Execute("insert into no_such_table values (1)");
            tx.Commit();
        },
        DbError);
    EXPECT_FALSE(conn->InTransaction());
    EXPECT_EQ(Count(*conn), 0);
    EXPECT_EQ(Count(*Open()), 0);
}

TEST_F(DbTest, TransactionRollsBackWhenAnExceptionLeavesIt) {
    auto conn = Open();
    EXPECT_THROW(
        {
            Transaction tx(*conn);
            conn->Execute("insert into t values ('1', 'x')");
            EXPECT_TRUE(conn->InTransaction());
            throw std::runtime_error("operator's save failed half-way");
        },
        std::runtime_error);
    EXPECT_FALSE(conn->InTransaction());
    EXPECT_EQ(Count(*conn), 0);
}

TEST_F(DbTest, CommittedTransactionKeepsEveryStatement) {
    auto conn = Open();
    {
        Transaction tx(*conn);
        conn->Execute("insert into t values ('1', 'x')");
        conn->Execute("insert into t values ('2', 'x')");
        conn->Execute("delete from t where a = '1'");
        tx.Commit();
    }
    EXPECT_FALSE(conn->InTransaction());
    conn.reset();
    auto other = Open();
    EXPECT_EQ(Count(*other), 1);
    EXPECT_EQ(Count(*other, "a = '2'"), 1);
}

// A guarded piece inside an open transaction is a savepoint: its failure takes
// back only its own statements, and the outer transaction still decides the rest.
TEST_F(DbTest, NestedGuardRollsBackOnlyItsOwnStatements) {
    auto conn = Open();
    {
        Transaction outer(*conn);
        conn->Execute("insert into t values ('1', 'outer')");
        {
            Transaction inner(*conn);
            conn->Execute("insert into t values ('2', 'inner')");
        }
        {
            Transaction inner(*conn);
            conn->Execute("insert into t values ('3', 'inner')");
            inner.Commit();
        }
        EXPECT_TRUE(conn->InTransaction());
        outer.Commit();
    }
    EXPECT_EQ(Count(*conn), 2);
    EXPECT_EQ(Count(*conn, "a = '2'"), 0);
    {
        Transaction outer(*conn);
        Transaction inner(*conn);
        conn->Execute("insert into t values ('4', 'inner')");
        inner.Commit();
    }
    EXPECT_EQ(Count(*conn, "a = '4'"), 0);
}

TEST_F(DbTest, UncommittedWriteIsInvisibleToAnotherConnection) {
    auto writer = Open();
    auto reader = Open();
    Transaction tx(*writer);
    writer->Execute("insert into t values ('1', 'x')");
    EXPECT_EQ(Count(*writer), 1);
    EXPECT_EQ(Count(*reader), 0);
}

// Runs on a thread of its own: opens a transaction on conn and inserts a row,
// then holds the transaction open until released, and commits a little later,
// so that the test's own statements meet a file that another connection is
// writing. Any failure of the first writer lands in Join().
class FirstWriter {
public:
    explicit FirstWriter(Connection& conn) {
        auto begun = std::make_shared<std::promise<void>>();
        auto started = begun->get_future();
        auto released = release_.get_future().share();
        thread_ = std::thread([&conn, begun, released, this] {
            bool signalled = false;
            try {
                Transaction tx(conn);
                conn.Execute("insert into t values ('first', 'x')");
                begun->set_value();
                signalled = true;
                released.wait_for(std::chrono::seconds(10));
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
                tx.Commit();
            } catch (const std::exception& e) {
                error_ = e.what();
            }
            if (!signalled) begun->set_value();
        });
        started.wait();
    }
    ~FirstWriter() { Join(); }
    // Lets the first writer go on to its commit.
    void Release() {
        if (!released_) release_.set_value();
        released_ = true;
    }
    // The first writer's error, or "" once it has committed.
    const std::string& Join() {
        Release();
        if (thread_.joinable()) thread_.join();
        return error_;
    }

private:
    std::promise<void> release_;
    bool released_ = false;
    std::thread thread_;
    std::string error_;
};

// One connection writes in a transaction; a second connection to the same file
// reads meanwhile and then saves itself, reading before it writes as a save
// does: it waits for the first to commit rather than failing with "database is
// locked", and then sees the first one's row.
TEST_F(DbTest, SecondWriterWaitsForTheFirst) {
    auto first = Open();
    auto second = Open();
    FirstWriter writer(*first);

    long before = -1;
    long inside = -1;
    std::string secondError;
    try {
        before = Count(*second);
        writer.Release();
        Transaction tx(*second);
        inside = Count(*second);
        second->Execute("insert into t values ('second', 'y')");
        tx.Commit();
    } catch (const std::exception& e) {
        secondError = e.what();
    }
    EXPECT_EQ(writer.Join(), "");
    EXPECT_EQ(secondError, "");
    EXPECT_EQ(before, 0);
    EXPECT_EQ(inside, 1);
    EXPECT_EQ(Count(*first), 2);
    EXPECT_EQ(Count(*second), 2);
}

TEST_F(DbTest, WriterWithoutATransactionAlsoWaits) {
    auto first = Open();
    auto second = Open();
    FirstWriter writer(*first);
    writer.Release();
    std::string error;
    try {
        second->Execute("insert into t values ('second', 'y')");
    } catch (const DbError& e) {
        error = e.what();
    }
    EXPECT_EQ(writer.Join(), "");
    EXPECT_EQ(error, "");
    EXPECT_EQ(Count(*second), 2);
}

// Another program holding the FSU file: the lock it takes, what this program
// tries meanwhile, and the words that tell the operator what became of it.
struct InUseCase {
    std::string name;
    const char* lock;
    std::function<void(Connection&, const fs::path&)> action;
    const char* told;
};
void PrintTo(const InUseCase& c, std::ostream* os) { *os << c.name; }

class FileInUse : public DbTest, public ::testing::WithParamInterface<InUseCase> {};

TEST_P(FileInUse, IsToldInPlainWordsAndTheSameActionWorksOnceTheFileIsFree) {
    auto conn = Open();
    auto other = Open();
    other->Execute(std::string("BEGIN ") + GetParam().lock);
    try {
        GetParam().action(*conn, file_);
        ADD_FAILURE() << "the action ran while another program held the file";
    } catch (const DbError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.find("The file " + file_.string() + " is in use by another program"), 0u) << text;
        EXPECT_NE(text.find(GetParam().told), std::string::npos) << text;
    }
    EXPECT_FALSE(conn->InTransaction());
    other->RollbackTrans();
    EXPECT_EQ(Count(*conn), 0);
    GetParam().action(*conn, file_);
}

INSTANTIATE_TEST_SUITE_P(
    Locks, FileInUse,
    ::testing::Values(
        InUseCase{"GuardedSave", "IMMEDIATE",
                  [](Connection& c, const fs::path&) {
                      Transaction tx(c);
                      c.Execute("insert into t values ('1', 'x')");
                      c.Execute("delete from t");
                      tx.Commit();
                  },
                  "so nothing was saved"},
        InUseCase{"SingleStatement", "EXCLUSIVE",
                  [](Connection& c, const fs::path&) { c.Execute("delete from t where a = ?", {"1"}); },
                  "so nothing was saved"},
        InUseCase{"InsertReturningItsRow", "IMMEDIATE",
                  [](Connection& c, const fs::path&) {
                      c.Query("insert into t values ('1', 'x') returning rowid");
                      c.Execute("delete from t");
                  },
                  "so nothing was saved"},
        InUseCase{"Read", "EXCLUSIVE", [](Connection& c, const fs::path&) { c.Query("select * from t"); },
                  "could not be read"},
        InUseCase{"Open", "EXCLUSIVE", [](Connection&, const fs::path& file) { Connection::Open(file); },
                  "could not be read"}),
    [](const auto& info) { return info.param.name; });

// The FSU file moved away (or deleted) while a screen has it open: a save is
// told so in plain words, and nothing reaches the file where it went.
TEST_F(DbTest, ASaveToAFileMovedWhileOpenIsToldSoAndWritesNothing) {
    auto conn = Open();
    const fs::path moved = dir_ / "moved.db";
    fs::rename(file_, moved);
    try {
        Transaction tx(*conn);
        conn->Execute("insert into t values ('1', 'x')");
        tx.Commit();
        ADD_FAILURE() << "a save reached a moved file";
    } catch (const DbError& e) {
        const std::string text = e.what();
        EXPECT_EQ(text.find("The file " + file_.string() +
                            " was moved or deleted while it was open, so nothing "
                            "was saved. Put it back and choose the FSU again on the control screen."),
                  0u)
            << text;
    }
    EXPECT_FALSE(conn->InTransaction());
    auto there = Connection::Open(moved);
    EXPECT_EQ(Count(*there), 0);
}

// --- Recordset --------------------------------------------------------------------

class RecordsetTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        conn_ = Open();
        conn_->Execute("insert into t values ('1', 'one'), ('2', 'two'), ('3', 'three')");
    }
    std::unique_ptr<Connection> conn_;
};

TEST_F(RecordsetTest, FieldsByNameIgnoreCaseAndByPosition) {
    auto rs = conn_->Query("select a as FSUNO, b from t order by a");
    EXPECT_EQ(rs.FieldCount(), 2);
    EXPECT_EQ(rs.FieldName(0), "FSUNO");
    EXPECT_EQ(rs.FieldName(1), "b");
    EXPECT_EQ(rs.FieldIndex("fsuno"), 0);
    EXPECT_EQ(rs.FieldIndex("FsuNo"), 0);
    EXPECT_EQ(rs.FieldIndex("B"), 1);
    EXPECT_EQ(rs.FieldIndex("fsun"), -1);
    EXPECT_EQ(rs.Field("fsuno").Text(), "1");
    EXPECT_EQ(rs.Field("B").Text(), "one");
    EXPECT_EQ(rs.Field(1).Text(), "one");
    EXPECT_THROW(rs.Field("c"), DbError);
    EXPECT_THROW(rs.Field(2), DbError);
    EXPECT_THROW(rs.Field(-1), DbError);
    EXPECT_THROW(rs.FieldName(2), DbError);
}

TEST_F(RecordsetTest, CursorWalksBothWays) {
    auto rs = conn_->Query("select a from t order by a");
    ASSERT_EQ(rs.RecordCount(), 3);
    // A new result stands on its first row.
    EXPECT_FALSE(rs.Bof());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), 1);
    EXPECT_EQ(rs.Field("a").Text(), "1");

    rs.MoveNext();
    EXPECT_EQ(rs.AbsolutePosition(), 2);
    EXPECT_EQ(rs.Field("a").Text(), "2");
    rs.MoveLast();
    EXPECT_EQ(rs.AbsolutePosition(), 3);
    EXPECT_EQ(rs.Field("a").Text(), "3");

    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.AbsolutePosition(), 0);
    EXPECT_THROW(rs.Field("a"), DbError);
    rs.MoveNext();  // stays past the end
    EXPECT_TRUE(rs.Eof());
    rs.MovePrevious();
    EXPECT_EQ(rs.Field("a").Text(), "3");

    rs.MoveFirst();
    EXPECT_EQ(rs.Field("a").Text(), "1");
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), 0);
    EXPECT_THROW(rs.Field(0), DbError);
    rs.MovePrevious();  // stays before the start
    rs.MoveNext();
    EXPECT_EQ(rs.Field("a").Text(), "1");

    rs.SetAbsolutePosition(2);
    EXPECT_EQ(rs.Field("a").Text(), "2");
    EXPECT_THROW(rs.SetAbsolutePosition(0), DbError);
    EXPECT_THROW(rs.SetAbsolutePosition(4), DbError);
    EXPECT_EQ(rs.Field("a").Text(), "2");
}

TEST_F(RecordsetTest, ForwardLoopVisitsEveryRowOnce) {
    auto rs = conn_->Query("select b from t order by a desc");
    std::vector<std::string> seen;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) seen.push_back(rs.Field("b").Text());
    EXPECT_EQ(seen, (std::vector<std::string>{"three", "two", "one"}));
    std::vector<std::string> back;
    for (rs.MoveLast(); !rs.Bof(); rs.MovePrevious()) back.push_back(rs.Field("b").Text());
    EXPECT_EQ(back, (std::vector<std::string>{"one", "two", "three"}));
}

TEST_F(RecordsetTest, EmptyResultHasNoCurrentRow) {
    auto rs = conn_->Query("select a, b from t where a = ?", {"9"});
    EXPECT_TRUE(rs.IsEmpty());
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_EQ(rs.FieldCount(), 2);
    EXPECT_TRUE(rs.Bof());
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(rs.AbsolutePosition(), 0);
    EXPECT_THROW(rs.Field("a"), DbError);
    rs.MoveFirst();
    rs.MoveLast();
    rs.MoveNext();
    rs.MovePrevious();
    EXPECT_TRUE(rs.Bof());
    EXPECT_TRUE(rs.Eof());
    EXPECT_THROW(rs.Field(0), DbError);
    EXPECT_THROW(rs.Row(0), DbError);

    Recordset none;
    EXPECT_TRUE(none.Eof());
    EXPECT_THROW(none.Field(0), DbError);
}

TEST_F(RecordsetTest, RowsStayReadableAfterTheTableChanges) {
    auto rs = conn_->Query("select a, b from t order by a");
    // Rows are held in memory: another connection may write while they are read.
    auto other = Open();
    other->Execute("delete from t");
    EXPECT_EQ(rs.RecordCount(), 3);
    EXPECT_EQ(rs.Row(2)[1].Text(), "three");
    EXPECT_THROW(rs.Row(3), DbError);
    EXPECT_EQ(Count(*conn_), 0);
}

}  // namespace
}  // namespace r78::db
