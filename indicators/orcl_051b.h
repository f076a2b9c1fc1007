#pragma once

#include "screens/GridBlockScreen.h"

namespace r78 {

// Schedule 5.1 block 3: the household's members, one grid row each in S051L02.
// A surveyed household has at least one member, so the block is never left empty.
class orcl_051b : public GridBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051b(SharedState& state);

protected:
    // An occupation code may begin with "X" (the armed forces' divisions).
    bool MayType(const std::string& field, int keyAscii) const override;
};

}  // namespace r78
