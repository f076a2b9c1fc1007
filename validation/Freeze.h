#pragma once
#include <string>

#include "core/DataLayout.h"
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

}  // namespace r78
