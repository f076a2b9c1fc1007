#pragma once
#include <QString>

#include "screens/BlockScreen.h"

namespace r78 {

inline constexpr const char* kSchedule051Heading = "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY";

// What every household block screen of Schedule 5.1 has in common: its index and
// block number (from the data layout), the schedule's heading above its block's
// title, and Validate HH running the household's checks.
void Schedule051Block(BlockParams& p, int index, const QString& blockTitle);

}  // namespace r78
