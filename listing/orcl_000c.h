#pragma once

#include "listing/ListingBlock6Screen.h"

namespace r78 {

// Schedule 0.0 block 6 part B: the strata's households for Schedule 5.1, rows
// of S000L03. Next returns to packet.
class orcl_000c : public ListingBlock6Screen {
    Q_OBJECT
public:
    explicit orcl_000c(SharedState& state);
};

}  // namespace r78
