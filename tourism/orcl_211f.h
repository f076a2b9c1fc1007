#pragma once

#include "tourism/TripExpenditureScreen.h"

namespace r78 {

// Schedule 21.1 block 6.1: the expenditure of the trips of block 5.1, rows of
// S211L06. Next leads to block 6.2, Prev to block 5.2.
class orcl_211f : public TripExpenditureScreen {
    Q_OBJECT
public:
    explicit orcl_211f(SharedState& state);
};

}  // namespace r78
