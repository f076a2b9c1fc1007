#pragma once
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/db/Recordset.h"
#include "platform/db/Value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace r78::db {

// Any failure of the database layer; the text carries SQLite's own message.
class DbError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value bound to a "?" of a statement. Values never become part of the SQL text.
class Param {
public:
    Param() = default;  // Null
    Param(const Value& v) : v_(v.IsNull() ? Variant{} : Variant{v.Text()}) {}
    Param(std::string s) : v_(std::move(s)) {}
    Param(const char* s) : v_(std::string(s)) {}
    Param(std::string_view s) : v_(std::string(s)) {}
    Param(int n) : v_(static_cast<long long>(n)) {}
    Param(long n) : v_(static_cast<long long>(n)) {}
    Param(long long n) : v_(n) {}
    Param(double d) : v_(d) {}

    static Param Null() { return Param(); }

    using Variant = std::variant<std::monostate, std::string, long long, double>;
    const Variant& Get() const { return v_; }

private:
    Variant v_;
};
using Params = std::vector<Param>;

// One open database file. Opening never creates a file: a missing file is an
// error naming its path, so a mistyped path cannot leave an empty database behind.
class Connection {
public:
    enum class Mode { ReadWrite, ReadOnly };

    static std::unique_ptr<Connection> Open(const std::filesystem::path& file, Mode mode = Mode::ReadWrite);
    // Makes a new, empty database file; fails when the file exists. Only the tool
    // that builds the template and master database, and tests, create files.
    static std::unique_ptr<Connection> CreateNew(const std::filesystem::path& file);

    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    bool IsOpen() const { return db_ != nullptr; }
    void Close();

    // Runs one statement; returns the number of rows it changed.
    long long Execute(std::string_view sql, const Params& params = {});
    // Runs one query and reads all its rows into memory.
    Recordset Query(std::string_view sql, const Params& params = {});
    // Runs several statements without parameters (table definitions).
    void ExecuteScript(std::string_view sql);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;

private:
    struct StatementCache;

    Connection(std::filesystem::path path, sqlite3* db);
    [[noreturn]] void Fail(std::string_view what) const;
    // The prepared statement of the text, from the cache or prepared now.
    sqlite3_stmt* Prepared(std::string_view sql, bool reading);

    std::filesystem::path path_;
    sqlite3* db_ = nullptr;
    std::unique_ptr<StatementCache> statements_;
    int savepoints_ = 0;  // guards open as savepoints, which name them
    friend class Transaction;
};

// Rolls back unless committed: every write of more than one statement runs in
// one of these, so either all of it reaches the file or none of it does. Inside
// a transaction already open on the connection it becomes a savepoint of it, so
// guarded pieces nest.
class Transaction {
public:
    explicit Transaction(Connection& conn);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Connection& conn_;
    bool done_ = false;
    std::string savepoint_;  // empty for an outermost transaction
};

}  // namespace r78::db
