#pragma once

#include "screens/SingleRecordBlockScreen.h"

namespace r78 {

// Schedule 21.1 block 4: the household's characteristics, one row of S211L03:
// its size, occupation and industry codes, type, religion and social group, its
// trips of the year by purpose and its consumer expenditure.
class orcl_211c : public SingleRecordBlockScreen {
    Q_OBJECT
public:
    explicit orcl_211c(SharedState& state);

protected:
    // The occupation code may hold an X for a digit the code leaves open.
    bool MayType(const std::string& field, int keyAscii) const override;
};

}  // namespace r78
