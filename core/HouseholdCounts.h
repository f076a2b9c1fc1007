#pragma once

#include "core/SharedState.h"

// The households entered per stratum of a detailed schedule, against the quota
// that the listing's block 6 sets for the stratum.
namespace r78 {

// Counts the FSU's households of schedule type 1 or 2 per stratum: surveyed
// (survey code 1 or 2) and casualty (3). Clears the schedule's room flags.
void CountSurveyedBySss(SharedState& s, int schType);

// Recounts, marks each stratum whose entered households reach the listing's
// total as full, tells whether the household in the control screen's SSS and
// SHHNO boxes has its block-1 row, and writes the counts to the listing's block 6,
// block 1 and the sample list of the FSU file and to the control screen's label.
// Any other schedule type does nothing.
void UpdateHhCounts(SharedState& s, int schType);

}  // namespace r78
