#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/Value.h"

namespace r78::db {

// The rows of one query, held in memory: no statement stays open while the
// program waits for the operator, so two connections to one file never block
// each other between events. A cursor walks the rows as the screens expect.
class Recordset {
public:
    Recordset() = default;
    Recordset(std::vector<std::string> fieldNames, std::vector<std::vector<Value>> rows);

    int FieldCount() const { return static_cast<int>(names_.size()); }
    const std::string& FieldName(int position) const;
    // Position of a field by name, compared without regard to case; -1 when absent.
    int FieldIndex(std::string_view name) const;

    long RecordCount() const { return static_cast<long>(rows_.size()); }
    bool IsEmpty() const { return rows_.empty(); }

    // Cursor. Before the first row Bof() is true, after the last Eof() is true.
    bool Bof() const { return rows_.empty() || current_ < 0; }
    bool Eof() const { return rows_.empty() || current_ >= RecordCount(); }
    void MoveFirst() { current_ = 0; }
    void MoveLast() { current_ = RecordCount() - 1; }
    void MoveNext();
    void MovePrevious();
    // 1-based position of the current row; 0 when there is none.
    long AbsolutePosition() const;
    void SetAbsolutePosition(long position);

    // Fields of the current row. Unknown names and a missing current row are errors.
    const Value& Field(std::string_view name) const;
    const Value& Field(int position) const;
    // Fields of any row, by 0-based row number.
    const std::vector<Value>& Row(long row) const;

private:
    const std::vector<Value>& CurrentRow() const;

    std::vector<std::string> names_;
    std::vector<std::vector<Value>> rows_;
    long current_ = 0;
};

}  // namespace r78::db
