#pragma once

#include "screens/GridBlockScreen.h"

namespace r78 {

// Schedule 21.1 block 7: the same-day trips that members of the household
// completed in the last 30 days, one row of S211L08 per trip with its
// expenditure by purpose and the services used. Next leads to block 8.
class orcl_211h : public GridBlockScreen {
    Q_OBJECT
public:
    explicit orcl_211h(SharedState& state);
};

}  // namespace r78
