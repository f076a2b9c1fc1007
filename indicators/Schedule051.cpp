#include "indicators/Schedule051.h"

#include <QVBoxLayout>

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

FieldRule YesNo(std::string field) { return rule::Code(std::move(field), "1,2,x", kOneOrTwo); }

QLayout* HeadingsWithLevel(BlockScreen& screen, const QString& level) {
    auto* headings = new QVBoxLayout;
    headings->setSpacing(2);
    headings->addWidget(screen.Label21);
    headings->addWidget(screen.Label2);
    headings->addWidget(ui::HeadingLabel(level, &screen, 1.0));
    return headings;
}

}  // namespace r78
