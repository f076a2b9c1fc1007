#pragma once
#include <optional>
#include <string>

#include "core/SharedState.h"

// The households entered per stratum of a detailed schedule, against the quota
// that the listing's block 6 sets for the stratum.
namespace r78 {

// Counts the FSU's households of schedule type 1 or 2 per stratum: surveyed
// (survey code 1 or 2) and casualty (3). Clears the schedule's room flags.
void CountSurveyedBySss(SharedState& s, int schType, const std::string& fsuNo);

struct HouseholdCounts {
    bool householdEntered = false;  // the household asked about has its block-1 row
    int households = 0;             // surveyed and casualty households entered in the FSU
};

// Recounts the FSU's households of schedule type 1 or 2, marks each stratum whose
// entered households reach the listing's total as full, tells whether the
// household (its SSS and SSU texts) has its block-1 row, and writes the counts to
// the listing's block 6, block 1 and the sample list of the FSU file. HhExists and
// HhCountBySch take the figures returned. Any other schedule type, or no FSU file
// open, does nothing and gives nothing.
std::optional<HouseholdCounts> UpdateHhCounts(SharedState& s, int schType, const std::string& fsuNo,
                                              const std::string& sss, const std::string& ssu);

}  // namespace r78
