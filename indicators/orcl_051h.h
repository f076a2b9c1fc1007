#pragma once

#include "screens/GridBlockScreen.h"

namespace r78 {

// Schedule 5.1 block 7: the migration particulars of the household's members,
// one grid row of S051L08 per member: age, whether and where the last usual
// place of residence differed, why the member left, and whether the member is
// willing to move again. Each cell is checked on its own; how the items depend
// on each other is left to Validate Block. Next leads to block 8.
class orcl_051h : public GridBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051h(SharedState& state);

private:
    static GridParams Params();
};

}  // namespace r78
