#include "core/Navigation.h"

#include "core/DataLayout.h"

namespace r78 {

namespace {

// Whether the block screen at index belongs to the schedule.
bool InSchedule(int curSchType, int index) {
    return index >= 1 && index <= layout::kBlockTableCount &&
           layout::BlockTableAt(index).schedule == curSchType;
}

}  // namespace

int NextFormIndex(int curSchType, int i) {
    // After a schedule's last screen comes the control screen.
    return InSchedule(curSchType, i) && InSchedule(curSchType, i + 1) ? i + 1 : 0;
}

int PrevFormIndex(int curSchType, int i) {
    if (InSchedule(curSchType, i) && InSchedule(curSchType, i - 1)) return i - 1;
    // The listing's first screen stays put; a household's leads back to the control screen.
    return curSchType == 0 ? 1 : 0;
}

int BlockFormIndex(int curSchType, double b) {
    const auto tables = layout::ScheduleTables(curSchType);
    if (tables.empty()) return 1;
    // Blocks 1 and 2 share one screen. Exact comparisons: a typed "5.10"
    // converts to the same number as "5.1".
    const double block = b == 2 ? 1 : b;
    for (const auto* t : tables)
        if (t->blockNo == block) return t->index;
    return tables.front()->index;
}

}  // namespace r78
