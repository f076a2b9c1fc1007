#pragma once
#include <string>

#include "core/SharedState.h"

namespace r78 {

// Runs a "select count(*) as cnt ..." statement into the scratch recordset
// WorkRs, as the screens' and checks' count statements do, and returns the count.
int CountInto(SharedState& s, db::Connection& conn, const std::string& sql, const db::Params& params);

}  // namespace r78
