#pragma once

#include "screens/GridBlockScreen.h"

namespace r78 {

// Schedule 21.1 block 3: the household's members, one grid row each in S211L02.
// A household has at least one member: the block may not be left empty.
class orcl_211b : public GridBlockScreen {
    Q_OBJECT
public:
    explicit orcl_211b(SharedState& state);
};

}  // namespace r78
