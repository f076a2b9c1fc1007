#pragma once

#include "core/ListingSummary.h"
#include "core/SharedState.h"

// The checks of the listing schedule (Schedule 0.0) and its coverage check.
namespace r78 {

// The whole listing of the FSU: block 1 must exist; blocks 1-2 and both parts of
// block 6 are checked; then the households entered in Schedules 21.1 and 5.1
// are compared, stratum by stratum, with those the listing says were surveyed.
// Returns block 1's summary as the comparison read it, for the control screen.
ListingSummary ValSch000(SharedState& s);
// Blocks 1 and 2, on row 0 of the loaded S000L01.
void ValBlk000_1(SharedState& s);
// Block 6 part A (households for Schedule 21.1) and part B (for Schedule 5.1).
void ValBlk000_6A(SharedState& s, int rowCount);
void ValBlk000_6B(SharedState& s, int rowCount);

}  // namespace r78
