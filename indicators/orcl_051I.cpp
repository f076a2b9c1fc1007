#include "indicators/orcl_051I.h"

#include <QGridLayout>

#include "validation/checks_051.h"

namespace r78 {

SingleRecordParams orcl_051I::Params() {
    SingleRecordParams p;
    HouseholdBlock(p, 21, "Block-8.Food insecurity of the HHD");
    p.kind = RecordKind::HouseholdBlock;
    p.blockCheck = [](SharedState& s, int) { ValBlk051_8(s); };
    p.blockLevel = "(Level - 10 )";
    p.header = HouseholdHeader("FSU NO:");
    // Whether all meals were skipped is not emptied when it holds other
    // characters: its code list refuses them, and the text stays to be corrected.
    FieldRule allMeals{"B8I3", true, {rule::InList("1,2,x", "code 1 or 2 please")}};
    allMeals.digitsCleared = false;
    p.rules = {
        rule::YesNo("B8I1"),
        rule::AnyDigits("B8I2"),
        allMeals,
        rule::AnyDigits("B8I4"),
    };
    p.blankGoToIsZero = true;
    return p;
}

orcl_051I::orcl_051I(SharedState& state) : SingleRecordBlockScreen(state, Params()) {
    setObjectName("orcl_051I");

    const char* labels[] = {
        "1. Whether any member had to skip atl east one meal",
        "2. Number of such days(in whole no.)",
        "3. Whether any member had to skip all meals",
        "4. Number of such days",
    };
    auto* items = new QGridLayout;
    items->setVerticalSpacing(10);
    items->setHorizontalSpacing(12);
    for (int box = 0; box <= LastBox(); ++box) AddItem(items, box, 0, "", labels[box], box);
    items->setColumnStretch(3, 1);

    ComposeErrorsBelow(items);

    Form_Load();
}

}  // namespace r78
