#pragma once
#include <string>
#include <string_view>

#include "core/SharedState.h"
#include "platform/db/Connection.h"

// The list of households entered for the registered FSU in both household
// schedules (those with their block-1 row), all of them or those matching keys.
namespace r78 {

// The value trimmed and filled on the left with zeros (or blanks) to the width;
// a longer value is cut to its first width characters as typed.
std::string PadField(const SharedState& s, std::string_view value, int width, bool useBlanks);

struct HouseholdQuery {
    std::string sql;
    db::Params params;
};

// The households matching the keys that are not empty: segment (stored as SU),
// stratum, household number (padded to two digits), ordered by schedule, SSS, SSU.
HouseholdQuery FindHouseholdsQuery(const SharedState& s, const std::string& seg, const std::string& sss,
                                   const std::string& ssu);
// Every household entered for the FSU.
HouseholdQuery ShowAllHouseholdsQuery(const SharedState& s);

}  // namespace r78
