#pragma once

#include "listing/ListingBlock6Screen.h"

namespace r78 {

// Schedule 0.0 block 6 part A: the strata's households for Schedule 21.1, rows
// of S000L02. Next leads to part B.
class orcl_000b : public ListingBlock6Screen {
    Q_OBJECT
public:
    explicit orcl_000b(SharedState& state);
};

}  // namespace r78
