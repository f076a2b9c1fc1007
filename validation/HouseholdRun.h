#pragma once

#include "core/SharedState.h"
#include "validation/ValidationRun.h"

namespace r78 {

// Runs the household check of schedule type 1 (Schedule 21.1) or 2 (Schedule 5.1)
// over every household of the FSU that has its block-1 row, in the order of SSS
// and SSU, within the caller's run. Returns the number of households; with none,
// nothing is deleted and nothing runs.
int CheckAllHouseholds(SharedState& s, ValidationRun& run, int schType);

}  // namespace r78
