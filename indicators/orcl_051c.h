#pragma once

#include "screens/SingleRecordBlockScreen.h"

namespace r78 {

// Schedule 5.1 block 4: the household's characteristics (its size, religion and
// social group, expenditure, dwelling, water, sanitation, fuel, access to
// services and air-conditioning), the 46 items of one row of S051L03.
class orcl_051c : public SingleRecordBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051c(SharedState& state);
};

}  // namespace r78
