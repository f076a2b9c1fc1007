#pragma once

#include "tourism/TripMembersScreen.h"

namespace r78 {

// Schedule 21.1 block 5.1: the overnight trips completed by members in the last
// 365 days, rows of S211L04. Next leads to block 5.2, Prev to block 4.
class orcl_211d : public TripMembersScreen {
    Q_OBJECT
public:
    explicit orcl_211d(SharedState& state);
};

}  // namespace r78
