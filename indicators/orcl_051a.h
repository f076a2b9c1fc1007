#pragma once

#include "screens/IdentificationBlockScreen.h"

namespace r78 {

// Schedule 5.1 blocks 1 and 2: the household's identification (from the sample
// list, locked, but for its sub-division) and the particulars of field
// operation, one row of S051L01. The household exists once this row is saved;
// its survey code decides whether the other blocks may be entered, and its
// Delete removes the household from every block.
class orcl_051a : public IdentificationBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051a(SharedState& state);
};

}  // namespace r78
