#pragma once
#include <string>

#include "core/SharedState.h"

namespace r78 {

// Another household of the FSU already has rows under this identification.
bool HouseholdIdInUse(SharedState& s, int schType, const std::string& sss, const std::string& ssu);

// Moves every row of the current household (CurSss, CurSsu) of the schedule to the
// new stratum and household number, in all nine block tables at once: either the
// whole household moves or nothing does. Refuses (returns false, writing nothing)
// an identification that another household already uses, which would merge the two.
bool ChangeHouseholdId(SharedState& s, int schType, const std::string& newSss, const std::string& newSsu);

}  // namespace r78
