#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/Connection.h"
#include "platform/db/Value.h"

namespace r78::db {

// Where a grid's rows come from: every column of one table, for the rows that
// a condition selects, in its order (" where fsuno = ? order by  SSS"). The
// table is named here, so nothing has to be read out of a statement's text.
struct TableSource {
    std::string table;
    std::string selection;
    Params params;
};

// The rows of one table as a grid edits them: held in memory, each with the
// table's rowid, so that two rows holding the same values stay two rows. A row
// changed or added in memory is pending until Write puts it in the table: a
// new row by an insert, a stored row by an update of the fields that changed,
// matched by its rowid. A write that fails leaves the row pending as it was.
class EditableRows {
public:
    EditableRows() = default;

    // Reads the rows. Throws DbError; the connection must outlive the rows.
    static EditableRows Open(Connection& conn, TableSource source);
    // The same source read again (pending changes are not carried over).
    EditableRows Reread() const;

    bool IsOpen() const { return conn_ != nullptr; }
    const std::string& Table() const { return source_.table; }

    int FieldCount() const { return static_cast<int>(names_.size()); }
    const std::string& FieldName(int field) const;
    // Position of a field by name, compared without regard to case; -1 when absent.
    int FieldIndex(std::string_view name) const;

    // Rows held, a new row not yet written among them.
    long RecordCount() const { return static_cast<long>(rows_.size()); }
    const std::vector<Value>& Row(long row) const { return At(row).values; }
    const Value& Field(long row, int field) const;

    // Appends a new row, every field Null; returns its row number.
    long AddNew();
    // Changes a field of a row; the row becomes pending when the value differs.
    void SetField(long row, int field, Value value);

    bool IsNew(long row) const { return At(row).rowid == 0; }
    bool IsPending(long row) const;
    bool IsPendingField(long row, int field) const;

    // Writes a pending row; nothing for a row that is not pending. Throws
    // DbError with the table's reason; the row then stays pending.
    void Write(long row);
    // Undoes a row's pending changes. A new row goes altogether: returns true then.
    bool Cancel(long row);
    // Removes a stored row from the table by its rowid (a new row has nothing
    // to remove there). The row stays held until Forget.
    void DeleteFromTable(long row);
    void Forget(long row);

private:
    struct Held {
        long long rowid = 0;        // 0: never written
        std::vector<Value> values;  // as shown, pending changes included
        std::vector<Value> stored;  // as the table holds them
        std::vector<bool> changed;  // per field: differs from the stored value
    };
    const Held& At(long row) const;
    Held& At(long row);

    Connection* conn_ = nullptr;
    TableSource source_;
    std::vector<std::string> names_;
    std::vector<Held> rows_;
};

}  // namespace r78::db
