#include "indicators/Schedule051.h"

#include "core/DataLayout.h"
#include "validation/checks_051.h"

namespace r78 {

void Schedule051Block(BlockParams& p, int index, const QString& blockTitle) {
    p.index = index;
    p.blockNo = layout::BlockTableAt(index).blockNo;
    p.scheduleHeading = kSchedule051Heading;
    p.blockTitle = blockTitle;
    p.householdCheck = [](SharedState& s) { ValHH051(s); };
}

}  // namespace r78
