#pragma once
#include <QString>

#include <string>

#include "core/FieldRules.h"
#include "screens/BlockScreen.h"

namespace r78 {

inline constexpr const char* kSchedule051Heading = "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY";
inline constexpr const char* kOneOrTwo = "code 1 or 2 please";

// What every household block screen of Schedule 5.1 has in common: its index and
// block number (from the data layout), the schedule's heading above its block's
// title, and Validate HH running the household's checks.
void Schedule051Block(BlockParams& p, int index, const QString& blockTitle);

// A yes (1) or no (2) answer: blank passes; digits, else "numeric entry please";
// then 1 or 2.
FieldRule YesNo(std::string field);

// The headings of a single-record screen: the schedule's, the block's title and
// under them the block's level, "(Level - 08 )".
QLayout* HeadingsWithLevel(BlockScreen& screen, const QString& level);

}  // namespace r78
