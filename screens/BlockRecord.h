#pragma once
#include <stdexcept>
#include <string>
#include <vector>

#include "core/DataLayout.h"
#include "core/HouseholdCounts.h"
#include "core/SharedState.h"

// The row that a single-record block screen edits, and the statements that read,
// write and delete it on the FSU connection. No screen: the screens hold the box
// texts and call these.
namespace r78 {

// How a single-record block's row is keyed and which of its columns the boxes hold.
enum class RecordKind {
    // The listing's blocks 1-2: one row per FSU; the boxes hold every column after DPC.
    FsuBlock1,
    // Blocks 1-2 of a detailed schedule: one row per household; the boxes hold every
    // column after DPC, the household's own SSS and SSU among them.
    HouseholdBlock1,
    // Another block of a household: the boxes hold the items after the household
    // key, which an insert writes from the shared state; an update also matches SU.
    HouseholdBlock,
};

// A box of a numeric column holds a text that is no number: nothing is written.
class NotANumber : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BlockRecord {
public:
    // index: the block-screen index, which is also the block table's number.
    BlockRecord(SharedState& s, int index, RecordKind kind);

    const layout::BlockTable& Table() const { return table_; }
    RecordKind Kind() const { return kind_; }
    int BoxCount() const { return static_cast<int>(table_.listed.size() - first_); }
    const layout::Column& BoxColumn(int box) const {
        return table_.listed[first_ + static_cast<size_t>(box)];
    }
    // The field of the screen's width row that box 0 takes (fields count from 1, DPC first).
    int FirstWidthField() const { return static_cast<int>(first_) + 1; }

    // Whether the FSU's or household's row is stored.
    bool Exists() const;
    // The stored row's box columns as texts, Null as ""; empty when there is no row.
    std::vector<std::string> Read() const;
    // Each in a transaction of its own, or as part of one open on the
    // connection (a screen's save). A blank box is written as Null by the
    // insert; the update writes a blank text column as "" and a blank numeric one
    // as Null. A numeric column takes the number its box holds, and a box that
    // holds no number stops the write with NotANumber before anything runs.
    void Insert(const std::vector<std::string>& boxes) const;
    // An update that finds no row to change writes nothing and throws.
    void Update(const std::vector<std::string>& boxes) const;
    // The row alone, without an archive copy.
    void Delete() const;

private:
    // " where ..." with its values; the update of a household block also matches SU.
    std::string Where(db::Params& params, bool forUpdate = false) const;
    db::Param BoxValue(int box, const std::string& text, bool forInsert) const;

    SharedState& s_;
    const layout::BlockTable& table_;
    RecordKind kind_;
    size_t first_;
};

// Copies the FSU's rows (household: the household's rows) of each listed block
// table into its archive table, stamped with today's date and the operator, then
// deletes them from every listed table; a table without an archive is deleted
// without a copy. Runs in the caller's transaction, so the caller commits all of
// it or nothing.
void ArchiveAndDelete(SharedState& s, const std::vector<int>& tables, bool household);

// Deletes the current household (CurFsuNo, CurSss, CurSsu) of a detailed schedule
// (1 or 2): its rows of every block table of the schedule are archived and
// deleted in one transaction of its own (or as part of one open on the
// connection), all of them or none.
void DeleteHousehold(SharedState& s, int schType);

}  // namespace r78
