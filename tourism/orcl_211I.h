#pragma once

#include "screens/GridBlockScreen.h"

namespace r78 {

// Schedule 21.1 block 8: the household's special trips of more than 180 days
// and up to 365, one row of S211L09 per trip. The schedule's last block: Next
// leads back to packet.
class orcl_211I : public GridBlockScreen {
    Q_OBJECT
public:
    explicit orcl_211I(SharedState& state);
};

}  // namespace r78
