#pragma once

#include "screens/GridBlockScreen.h"

namespace r78 {

// Schedule 5.1 block 5: education, vocational training and ICT skills, one grid
// row for each household member aged over 3 (rows of S051L06). Its 39 columns
// are wider than the window: the grid scrolls sideways with the cursor. Each
// cell is checked on its own; how the items depend on the age and on each other
// is left to Validate Block.
class orcl_051f : public GridBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051f(SharedState& state);

private:
    static GridParams Params();
};

}  // namespace r78
