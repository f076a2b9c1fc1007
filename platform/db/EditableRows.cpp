#include "platform/db/EditableRows.h"

#include <algorithm>

namespace r78::db {

namespace {

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

EditableRows EditableRows::Open(Connection& conn, TableSource source) {
    // The rowid comes first and is kept apart from the fields the grid shows.
    Recordset rs =
        conn.Query("select rowid, * from " + Quoted(source.table) + source.selection, source.params);
    EditableRows rows;
    rows.conn_ = &conn;
    rows.source_ = std::move(source);
    for (int i = 1; i < rs.FieldCount(); ++i) rows.names_.push_back(rs.FieldName(i));
    const int n = rows.FieldCount();
    for (long r = 0; r < rs.RecordCount(); ++r) {
        const std::vector<Value>& read = rs.Row(r);
        Held held;
        held.rowid = std::stoll(read[0].Text());
        held.values.assign(read.begin() + 1, read.end());
        held.stored = held.values;
        held.changed.assign(static_cast<size_t>(n), false);
        rows.rows_.push_back(std::move(held));
    }
    return rows;
}

EditableRows EditableRows::Reread() const {
    if (!conn_) throw DbError("Operation is not allowed when the object is closed");
    return Open(*conn_, source_);
}

const std::string& EditableRows::FieldName(int field) const {
    if (field < 0 || field >= FieldCount())
        throw DbError("Field position " + std::to_string(field) + " is out of range");
    return names_[static_cast<size_t>(field)];
}

int EditableRows::FieldIndex(std::string_view name) const {
    for (int i = 0; i < FieldCount(); ++i)
        if (SameName(names_[static_cast<size_t>(i)], name)) return i;
    return -1;
}

const EditableRows::Held& EditableRows::At(long row) const {
    if (row < 0 || row >= RecordCount()) throw DbError("Row " + std::to_string(row) + " is out of range");
    return rows_[static_cast<size_t>(row)];
}

EditableRows::Held& EditableRows::At(long row) {
    return const_cast<Held&>(static_cast<const EditableRows&>(*this).At(row));
}

const Value& EditableRows::Field(long row, int field) const {
    const Held& held = At(row);
    if (field < 0 || field >= FieldCount())
        throw DbError("Field position " + std::to_string(field) + " is out of range");
    return held.values[static_cast<size_t>(field)];
}

long EditableRows::AddNew() {
    if (!conn_) throw DbError("Operation is not allowed when the object is closed");
    Held held;
    held.values.assign(names_.size(), Value::Null());
    held.stored = held.values;
    held.changed.assign(names_.size(), false);
    rows_.push_back(std::move(held));
    return RecordCount() - 1;
}

void EditableRows::SetField(long row, int field, Value value) {
    Held& held = At(row);
    if (field < 0 || field >= FieldCount())
        throw DbError("Field position " + std::to_string(field) + " is out of range");
    const auto f = static_cast<size_t>(field);
    held.values[f] = std::move(value);
    held.changed[f] = held.values[f] != held.stored[f];
}

bool EditableRows::IsPending(long row) const {
    const Held& held = At(row);
    return held.rowid == 0 || std::find(held.changed.begin(), held.changed.end(), true) != held.changed.end();
}

bool EditableRows::IsPendingField(long row, int field) const {
    const Held& held = At(row);
    return field >= 0 && field < FieldCount() && held.changed[static_cast<size_t>(field)];
}

void EditableRows::Write(long row) {
    Held& held = At(row);
    if (!IsPending(row)) return;
    std::string columns, marks;
    Params values;
    for (int i = 0; i < FieldCount(); ++i) {
        if (!held.changed[static_cast<size_t>(i)]) continue;
        columns += (columns.empty() ? "" : ",") + Quoted(names_[static_cast<size_t>(i)]);
        marks += marks.empty() ? "?" : ",?";
        values.emplace_back(held.values[static_cast<size_t>(i)]);
    }
    if (held.rowid == 0) {
        const std::string sql =
            columns.empty() ? "insert into " + Quoted(source_.table) + " default values returning rowid"
                            : "insert into " + Quoted(source_.table) + " (" + columns + ") values (" + marks +
                                  ") returning rowid";
        const Recordset inserted = conn_->Query(sql, values);
        held.rowid = std::stoll(inserted.Row(0)[0].Text());
    } else {
        std::string sets;
        for (size_t i = 0, k = 0; i < names_.size(); ++i) {
            if (!held.changed[i]) continue;
            sets += (k++ ? "," : "") + Quoted(names_[i]) + " = ?";
        }
        values.emplace_back(held.rowid);
        if (conn_->Execute("update " + Quoted(source_.table) + " set " + sets + " where rowid = ?", values) !=
            1)
            throw DbError("The row could not be found in " + source_.table +
                          " for updating: it was deleted since it was read.");
    }
    held.stored = held.values;
    held.changed.assign(names_.size(), false);
}

bool EditableRows::Cancel(long row) {
    Held& held = At(row);
    if (held.rowid == 0) {
        rows_.erase(rows_.begin() + row);
        return true;
    }
    held.values = held.stored;
    held.changed.assign(names_.size(), false);
    return false;
}

void EditableRows::DeleteFromTable(long row) {
    const Held& held = At(row);
    if (held.rowid == 0) return;
    conn_->Execute("delete from " + Quoted(source_.table) + " where rowid = ?", {held.rowid});
}

void EditableRows::Forget(long row) {
    At(row);
    rows_.erase(rows_.begin() + row);
}

}  // namespace r78::db
