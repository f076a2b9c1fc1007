#pragma once

#include "screens/IdentificationBlockScreen.h"

namespace r78 {

// Schedule 21.1 blocks 1 and 2: the household's identification (from the sample
// list and packet, locked, but for its sub-division SU) and the particulars of
// the field operation, one row of S211L01. Its saved row is what makes the
// household exist; its survey code decides whether the row may be saved and
// whether the other blocks may be entered; its Delete removes the household
// from every block of the schedule.
class orcl_211a : public IdentificationBlockScreen {
    Q_OBJECT
public:
    explicit orcl_211a(SharedState& state);
};

}  // namespace r78
