#pragma once

namespace r78 {

// The heading above the block title of every Schedule 21.1 block screen.
inline constexpr const char* kSchedule211Heading = "SCHEDULE 21.1:DOMESTIC TOURISM EXPENDITURE";

}  // namespace r78
