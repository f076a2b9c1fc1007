#pragma once
#include <string>

#include "core/SharedState.h"

namespace r78 {

// Reads the listing's block 1 (entered mark, household counts, SRO) and block 6
// (per stratum: households listed, selected, to be surveyed, casualties) of the
// FSU from its file, and shows the block-1 summary on the control screen.
void LoadListingSummary(SharedState& s, const std::string& fsuNo);

}  // namespace r78
