#pragma once

#include "tourism/TripMembersScreen.h"

namespace r78 {

// Schedule 21.1 block 5.2: the overnight trips completed by members in the last
// 30 days, rows of S211L05. Next leads to block 6.1, Prev to block 5.1.
class orcl_211e : public TripMembersScreen {
    Q_OBJECT
public:
    explicit orcl_211e(SharedState& state);
};

}  // namespace r78
