#pragma once
#include <optional>
#include <string>

#include "core/DataLayout.h"
#include "core/ListingSummary.h"
#include "core/SharedState.h"

// Closing the work on an FSU: the mark that entry of all schedules is complete,
// and the freeze, which marks the FSU frozen and keeps a snapshot of every
// entered value in the O-columns.
namespace r78 {

// Rows of the FSU's sample list whose status column (entsts, loadsts, vrfsts) is set.
int StatusCount(SharedState& s, const std::string& column);

// Sets entsts and DOENT of the FSU's sample-list row; false when no row changed.
bool MarkEntryComplete(SharedState& s);

// The statement that copies a block table's entered columns into their O-columns
// for one FSU ("Update S000L02 set OCAPH = CAPH, ... where fsuno = ?").
std::string SnapshotStatement(const layout::BlockTable& table);
// Copies every entered column of the 21 block tables into its O-column for the FSU.
void SnapshotOColumns(SharedState& s);

// Marks the FSU frozen and takes the snapshot in one transaction, so that a
// failure leaves the FSU neither marked nor half copied; then deregisters the
// FSU. Returns false, changing nothing, when the FSU has no sample-list row to mark.
bool FreezeFsu(SharedState& s);

// How far the closing of the registered FSU goes: the entry-complete mark alone
// (Exit), the freeze of an FSU already marked complete, or both.
enum class Closing { MarkEntryComplete, Freeze, MarkEntryCompleteAndFreeze };

struct ClosingOutcome {
    enum class Result {
        Done,             // marked (Exit) or frozen
        Refused,          // a critical error row remains
        NoSampleListRow,  // the FSU's sample-list row took no mark
    };
    Result result = Result::Done;
    std::string message;  // what the operator is told
    // The run's error list to show, when the refusal points at it.
    struct ErrorList {
        std::string schedule, sql, caption;
    };
    std::optional<ErrorList> errors;
    // Block 1's summary as the last listing run read it, for the control screen.
    std::optional<ListingSummary> listing;
};

// Closes the registered FSU, each step only when the one before passed: the
// listing checks with the coverage check, refused on a critical row, and the
// entry-complete mark with them; then, to freeze, the listing checks again, the
// household checks of Schedule 21.1 and of 5.1, each refused on a critical row,
// and the freeze. A step that fails on the database throws; what earlier steps
// committed (a run that ended, the mark) stays, and nothing of the freeze is written.
ClosingOutcome CloseFsu(SharedState& s, Closing closing);

}  // namespace r78
