#pragma once
#include <string>

#include "core/SharedState.h"

namespace r78 {

// The listing's block 1 as the control screen sums it up: "YES" when it is saved,
// and the households it counts as entered in Schedules 21.1 and 5.1.
struct ListingSummary {
    std::string entered, cnt211, cnt051;
};

// Reads the listing's block 1 (entered mark, household counts, SRO) and block 6
// (per stratum: households listed, selected, to be surveyed, casualties) of the
// FSU from its file into the shared state, and returns block 1's summary.
ListingSummary LoadListingSummary(SharedState& s, const std::string& fsuNo);

}  // namespace r78
