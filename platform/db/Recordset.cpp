#include "platform/db/Recordset.h"

#include <algorithm>

#include "platform/db/Connection.h"

namespace r78::db {

namespace {
bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}
}  // namespace

Recordset::Recordset(std::vector<std::string> fieldNames, std::vector<std::vector<Value>> rows)
    : names_(std::move(fieldNames)), rows_(std::move(rows)) {}

const std::string& Recordset::FieldName(int position) const {
    if (position < 0 || position >= FieldCount())
        throw DbError("Field position " + std::to_string(position) + " is out of range");
    return names_[position];
}

int Recordset::FieldIndex(std::string_view name) const {
    for (int i = 0; i < FieldCount(); ++i)
        if (SameName(names_[i], name)) return i;
    return -1;
}

void Recordset::MoveNext() {
    if (current_ < RecordCount()) ++current_;
}

void Recordset::MovePrevious() {
    if (current_ >= 0) --current_;
}

long Recordset::AbsolutePosition() const { return Bof() || Eof() ? 0 : current_ + 1; }

void Recordset::SetAbsolutePosition(long position) {
    if (position < 1 || position > RecordCount())
        throw DbError("Record position " + std::to_string(position) + " is out of range");
    current_ = position - 1;
}

const std::vector<Value>& Recordset::CurrentRow() const {
    if (Bof() || Eof()) throw DbError("Either BOF or EOF is True: there is no current record");
    return rows_[current_];
}

const Value& Recordset::Field(std::string_view name) const {
    int i = FieldIndex(name);
    if (i < 0) throw DbError("Item cannot be found: no field named \"" + std::string(name) + "\"");
    return CurrentRow()[i];
}

const Value& Recordset::Field(int position) const {
    if (position < 0 || position >= FieldCount())
        throw DbError("Field position " + std::to_string(position) + " is out of range");
    return CurrentRow()[position];
}

const std::vector<Value>& Recordset::Row(long row) const {
    if (row < 0 || row >= RecordCount()) throw DbError("Row " + std::to_string(row) + " is out of range");
    return rows_[row];
}

}  // namespace r78::db
