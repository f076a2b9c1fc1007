#pragma once

#include "tourism/TripExpenditureScreen.h"

namespace r78 {

// Schedule 21.1 block 6.2: the expenditure of the trips of block 5.2, rows of
// S211L07. Next leads to block 7, Prev to block 6.1.
class orcl_211g : public TripExpenditureScreen {
    Q_OBJECT
public:
    explicit orcl_211g(SharedState& state);
};

}  // namespace r78
