#pragma once

#include "screens/SingleRecordBlockScreen.h"

namespace r78 {

// Schedule 5.1 block 8: the household's food insecurity, one record of S051L09
// per household: whether a member had to skip at least one meal, on how many
// days, whether a member had to skip all meals, on how many days. The last
// block of the schedule: Next returns to the control screen. Its save does not
// recount the households; how the items depend on each other is left to
// Validate Block.
class orcl_051I : public SingleRecordBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051I(SharedState& state);

private:
    static SingleRecordParams Params();
};

}  // namespace r78
