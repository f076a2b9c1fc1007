#pragma once

#include "core/SharedState.h"

// What the listing's blocks 1-2 screen writes besides its own row, on the FSU file.
namespace r78 {

// The first save of the FSU's block 1 marks the sample list with the operator
// and the date, unless another operator began the FSU. A transaction of its own.
void StampSampleList(SharedState& s);

// Deletes all the FSU's entries: the rows of every block table of Schedules 0.0,
// 21.1 and 5.1 are copied into their archive tables (with today's date and the
// operator) and deleted, and the sample list forgets who began and froze the FSU
// and its household counts (the entry-complete mark stays). One transaction:
// all of it, or nothing.
void DeleteFsu(SharedState& s);

}  // namespace r78
