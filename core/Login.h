#pragma once
#include <string_view>

#include "core/SharedState.h"

namespace r78 {

// Checks a typed user id and password against valid_user. Both are trimmed and
// upper-cased; a match keeps the user's id, DPC code and type in the shared state.
// Returns false, changing nothing, when no row matches.
bool LoginCheck(SharedState& s, std::string_view typedId, std::string_view typedPasswd);

}  // namespace r78
