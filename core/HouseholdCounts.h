#pragma once
#include <array>
#include <optional>
#include <string>

#include "core/SharedState.h"

// The households entered per stratum of a detailed schedule, against the quota
// that the listing's block 6 sets for the stratum.
namespace r78 {

// Counts the FSU's households of schedule type 1 or 2 per stratum: surveyed
// (survey code 1 or 2) and casualty (3). Clears the schedule's room flags.
void CountSurveyedBySss(SharedState& s, int schType, const std::string& fsuNo);

// The figures of one recount of a schedule's households in the FSU.
struct HouseholdCounts {
    bool householdEntered = false;  // the household asked about has its block-1 row
    int households = 0;             // surveyed and casualty households entered in the FSU
    // Per stratum (1 to MaxSss): surveyed and casualty households entered, and
    // whether they reach the listing's total.
    std::array<int, 7> asurvdBySss{}, acasualtyBySss{}, sssFull{};
};

// Recounts the FSU's households of schedule type 1 or 2, marks each stratum whose
// entered households reach the listing's total as full, tells whether the
// household (its SSS and SSU texts) has its block-1 row, and writes the counts to
// the listing's block 6 (the household's stratum), block 1 and the sample list of
// the FSU file, all three or none: inside a transaction open on the connection
// (as part of it), else in one of its own. Changes nothing in memory: the
// figures are returned, for the caller to take (TakeHhCounts) once what it
// writes with them is committed. Any other schedule type, or no FSU file open,
// does nothing and gives nothing.
std::optional<HouseholdCounts> WriteHhCounts(const SharedState& s, int schType, const std::string& fsuNo,
                                             const std::string& sss, const std::string& ssu);

// Takes a recount's figures into the shared state: the schedule's per-stratum
// counts and room flags, and its household count (HhCountBySch). HhExists takes
// whether the household asked about has its row only when that household is the
// one chosen on the control screen (selected); a block screen keeps its own flag.
void TakeHhCounts(SharedState& s, int schType, const HouseholdCounts& counts, bool selected = false);

// For a caller with no transaction open: WriteHhCounts, in its own transaction,
// and once that is committed TakeHhCounts, with HhExists taking whether the
// household has its row. A failure changes nothing, in the file or in memory.
std::optional<HouseholdCounts> UpdateHhCounts(SharedState& s, int schType, const std::string& fsuNo,
                                              const std::string& sss, const std::string& ssu);

}  // namespace r78
