#include "platform/db/Connection.h"

#include <sqlite3.h>

#include <functional>
#include <system_error>
#include <unordered_map>

namespace r78::db {

namespace {

// Long enough for the loader's own connection and a grid's connection to the
// same file to wait for each other's short writes, short enough that a file held
// by another program is reported before the operator thinks the screen hung.
constexpr int kBusyTimeoutMs = 2000;

// The last failure on db was a lock that another connection held past the timeout.
bool FileInUse(sqlite3* db) {
    const int rc = sqlite3_extended_errcode(db) & 0xff;
    return rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
}

// The last failure on db was a write to a file that was moved or deleted while
// it was open: the connection still holds the old file, so it keeps refusing
// until the file is opened again, even after it is put back.
bool FileMoved(sqlite3* db) { return sqlite3_extended_errcode(db) == SQLITE_READONLY_DBMOVED; }

// SQLite's text of the last failure on db. When another program holds the file,
// or the file has gone from its folder, the operator is told so first, in plain
// words, and what became of the action.
std::string FailureText(sqlite3* db, const std::filesystem::path& file, std::string_view sql, bool reading) {
    if (FileMoved(db))
        return "The file " + file.string() +
               " was moved or deleted while it was open, so nothing was saved. Put it back and choose the "
               "FSU again on the control screen. (" +
               sqlite3_errmsg(db) + ")";
    if (FileInUse(db))
        return "The file " + file.string() + " is in use by another program" +
               (reading ? " and could not be read." : ", so nothing was saved.") +
               " Close the other program and try again. (" + sqlite3_errmsg(db) + ")";
    return std::string(sqlite3_errmsg(db)) + " (" + file.string() + "; statement: " + std::string(sql) + ")";
}

// True when the text holds nothing that SQLite would run: blanks, semicolons and comments.
bool NothingToRun(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ';' || c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
            ++i;
        } else if (text.substr(i, 2) == "--") {
            i = text.find('\n', i);
        } else if (text.substr(i, 2) == "/*") {
            // A comment left open runs to the end of the text, as SQLite reads it.
            i = text.find("*/", i + 2);
            if (i != std::string_view::npos) i += 2;
        } else {
            return false;
        }
    }
    return true;
}

// One use of a prepared statement of the cache: its values are bound on the way
// in, and on the way out, also on a failure, it is reset and its values cleared,
// so that no statement holds a lock or a value between uses.
class StatementUse {
public:
    StatementUse(sqlite3_stmt* stmt, const Params& params) : stmt_(stmt) {
        const int expected = sqlite3_bind_parameter_count(stmt_);
        if (expected != static_cast<int>(params.size()))
            throw DbError("Statement expects " + std::to_string(expected) + " values but was given " +
                          std::to_string(params.size()) + ": " + sqlite3_sql(stmt_));
        // The values outlive the use, so SQLite reads them where they are.
        for (int i = 0; i < expected; ++i) {
            const auto& v = params[i].Get();
            int rc = SQLITE_OK;
            if (std::holds_alternative<std::monostate>(v))
                rc = sqlite3_bind_null(stmt_, i + 1);
            else if (auto* s = std::get_if<std::string>(&v))
                rc = sqlite3_bind_text(stmt_, i + 1, s->data(), static_cast<int>(s->size()), SQLITE_STATIC);
            else if (auto* n = std::get_if<long long>(&v))
                rc = sqlite3_bind_int64(stmt_, i + 1, *n);
            else
                rc = sqlite3_bind_double(stmt_, i + 1, std::get<double>(v));
            if (rc != SQLITE_OK) {
                sqlite3_clear_bindings(stmt_);
                throw DbError(std::string(sqlite3_errstr(rc)) + ": " + sqlite3_sql(stmt_));
            }
        }
    }
    ~StatementUse() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;

    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_;
};

Value ReadColumn(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_NULL:
            return Value::Null();
        case SQLITE_INTEGER:
            return Value(std::to_string(sqlite3_column_int64(stmt, i)));
        case SQLITE_FLOAT:
            return Value(NumberText(sqlite3_column_double(stmt, i)));
        default: {
            auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            return Value(std::string(p ? p : "", static_cast<size_t>(sqlite3_column_bytes(stmt, i))));
        }
    }
}

struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Few statement texts repeat (a run's error row, a block's load, a grid's row
// write); texts built per use (a grid's update of the cells changed) are dropped
// all at once when the cache is full.
constexpr size_t kCachedStatements = 64;

}  // namespace

// Statements prepared on this connection, by their text: preparing costs more
// than running most of the program's statements, which run thousands of times in
// a validation run.
struct Connection::StatementCache {
    std::unordered_map<std::string, sqlite3_stmt*, TextHash, std::equal_to<>> byText;

    ~StatementCache() { Clear(); }
    void Clear() {
        for (auto& entry : byText) sqlite3_finalize(entry.second);
        byText.clear();
    }
};

Connection::Connection(std::filesystem::path path, sqlite3* db)
    : path_(std::move(path)), db_(db), statements_(std::make_unique<StatementCache>()) {}

Connection::~Connection() { Close(); }

void Connection::Close() {
    if (db_) {
        statements_->Clear();
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

sqlite3_stmt* Connection::Prepared(std::string_view sql, bool reading) {
    if (!db_) Fail("Operation is not allowed when the object is closed");
    auto& cache = statements_->byText;
    if (auto it = cache.find(sql); it != cache.end()) return it->second;
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK)
        throw DbError(FailureText(db_, path_, sql, reading));
    // Whatever follows the first statement would be dropped without a word: a
    // second statement is refused rather than half the text run.
    const std::string_view rest = tail ? sql.substr(static_cast<size_t>(tail - sql.data())) : "";
    const char* refusal = !stmt ? "The text holds no statement"
                          : !NothingToRun(rest)
                              ? "Only one statement can be run at a time, and this text holds more"
                              : nullptr;
    if (refusal) {
        sqlite3_finalize(stmt);
        throw DbError(std::string(refusal) + " (" + path_.string() + "; statement: " + std::string(sql) +
                      ")");
    }
    if (cache.size() >= kCachedStatements) statements_->Clear();
    cache.emplace(std::string(sql), stmt);
    return stmt;
}

std::unique_ptr<Connection> Connection::Open(const std::filesystem::path& file, Mode mode) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        throw DbError("Could not find file '" + file.string() + "'.");
    sqlite3* db = nullptr;
    int flags =
        (mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_FULLMUTEX;
    int rc = sqlite3_open_v2(file.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        throw DbError("Cannot open database '" + file.string() + "': " + msg);
    }
    std::unique_ptr<Connection> conn(new Connection(file, db));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    // A long transaction (the error rows of a validation run) keeps its changes in
    // memory until it commits instead of spilling them to the file, which would
    // lock out the loader's own connection reading the same file meanwhile.
    sqlite3_exec(db, "PRAGMA cache_spill = OFF", nullptr, nullptr, nullptr);
    // Reading the schema proves the file is a database now rather than at the
    // first statement an operator's action runs.
    try {
        conn->Query("select count(*) from sqlite_master");
    } catch (const DbError&) {
        if (FileInUse(db)) throw;
        throw DbError("Cannot open database '" + file.string() + "': " + sqlite3_errmsg(db));
    }
    return conn;
}

std::unique_ptr<Connection> Connection::CreateNew(const std::filesystem::path& file) {
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) throw DbError("File already exists: '" + file.string() + "'");
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        std::string msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        throw DbError("Cannot create database '" + file.string() + "': " + msg);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return std::unique_ptr<Connection>(new Connection(file, db));
}

void Connection::Fail(std::string_view what) const {
    throw DbError(std::string(what) + ": " + (db_ ? sqlite3_errmsg(db_) : "connection is closed") + " (" +
                  path_.string() + ")");
}

long long Connection::Execute(std::string_view sql, const Params& params) {
    StatementUse st(Prepared(sql, false), params);
    int rc;
    while ((rc = sqlite3_step(st.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) throw DbError(FailureText(db_, path_, sql, false));
    return sqlite3_changes64(db_);
}

Recordset Connection::Query(std::string_view sql, const Params& params) {
    // A query outside a transaction saves nothing when it fails, unless it writes
    // (an insert that returns the new row's id).
    sqlite3_stmt* stmt = Prepared(sql, !InTransaction());
    const bool reading = !InTransaction() && sqlite3_stmt_readonly(stmt);
    StatementUse st(stmt, params);
    // The first step prepares the statement again when another connection has
    // changed the tables since, so the columns are known only after it.
    int rc = sqlite3_step(st.get());
    const int n = sqlite3_column_count(st.get());
    std::vector<std::string> names;
    for (int i = 0; i < n; ++i) names.emplace_back(sqlite3_column_name(st.get(), i));
    std::vector<std::vector<Value>> rows;
    for (; rc == SQLITE_ROW; rc = sqlite3_step(st.get())) {
        std::vector<Value> row;
        row.reserve(n);
        for (int i = 0; i < n; ++i) row.push_back(ReadColumn(st.get(), i));
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) throw DbError(FailureText(db_, path_, sql, reading));
    return Recordset(std::move(names), std::move(rows));
}

void Connection::ExecuteScript(std::string_view sql) {
    if (!db_) Fail("Operation is not allowed when the object is closed");
    char* err = nullptr;
    std::string text(sql);
    if (sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::string msg = err ? err : "unknown error";
        sqlite3_free(err);
        throw DbError(msg + " (" + path_.string() + ")");
    }
}

// IMMEDIATE takes the write lock at the start, so a transaction waits (within the
// busy timeout) for another writer instead of failing half-way through.
void Connection::BeginTrans() { Execute("BEGIN IMMEDIATE"); }
void Connection::CommitTrans() { Execute("COMMIT"); }
void Connection::RollbackTrans() {
    if (InTransaction()) Execute("ROLLBACK");
}
bool Connection::InTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

Transaction::Transaction(Connection& conn) : conn_(conn) {
    if (conn_.InTransaction()) {
        // Named by their depth, guards nest under few names, which the statement cache keeps.
        const int depth = conn_.savepoints_ + 1;
        conn_.Execute("SAVEPOINT guard" + std::to_string(depth));
        savepoint_ = "guard" + std::to_string(depth);
        conn_.savepoints_ = depth;
    } else {
        conn_.BeginTrans();
    }
}

Transaction::~Transaction() {
    if (!savepoint_.empty()) --conn_.savepoints_;
    if (done_) return;
    try {
        if (savepoint_.empty()) {
            conn_.RollbackTrans();
        } else {
            conn_.Execute("ROLLBACK TO " + savepoint_);
            conn_.Execute("RELEASE " + savepoint_);
        }
    } catch (...) {
        // Nothing more can be done in a destructor; SQLite rolls back an open
        // transaction when the connection closes.
    }
}

void Transaction::Commit() {
    if (savepoint_.empty())
        conn_.CommitTrans();
    else
        conn_.Execute("RELEASE " + savepoint_);
    done_ = true;
}

}  // namespace r78::db
