#include "indicators/ApplianceAgeScreen.h"

#include "validation/checks_051.h"

namespace r78 {

GridParams ApplianceAgeScreen::Params(const Appliance& a) {
    GridParams p;
    HouseholdBlock(p, a.index, a.title);
    p.blockCheck = a.check;
    // The SU shown is the FSU's own; new rows take theirs from the household.
    p.header = {{"FSUNO:", HeaderItem::Value::Fsu},
                {"SU NO:", HeaderItem::Value::FsuSu},
                {"SSS NO:", HeaderItem::Value::Sss},
                {"SHH NO.", HeaderItem::Value::Ssu}};
    p.columns = {{"SLNO", " \n \nSrl\nNo.\nC(1)", 800}, {a.ageField, a.ageCaption, 1600}};
    p.lastEditField = a.ageField;
    // Every key reaches the cell; Enter's check refuses what is not a number.
    p.filterKeys = false;
    p.rules = {rule::Positive("SLNO", true), rule::Positive(a.ageField)};
    p.blankGoToIsZero = true;
    return p;
}

ApplianceAgeScreen::ApplianceAgeScreen(SharedState& s, const Appliance& appliance)
    : GridBlockScreen(s, Params(appliance)) {
    Compose();
    Form_Load();
}

orcl_051d::orcl_051d(SharedState& state)
    : ApplianceAgeScreen(
          state,
          {16, "B41C2", "Block-4.1. Age of air-conditioner(s) possessed by HHD   (Level - 05)",
           "Age\nof air\ncondi\ntioner\nC(2)", [](SharedState& s, int rows) { ValBlk051_41(s, rows); }}) {
    setObjectName("orcl_051d");
}

orcl_051e::orcl_051e(SharedState& state)
    : ApplianceAgeScreen(
          state,
          {17, "B42C2", "Block-4.2. Age of air-cooler(s) possessed by HHD   (Level - 06)",
           "Age\nof air-\ncooler\n(s)\nC(2)", [](SharedState& s, int rows) { ValBlk051_42(s, rows); }}) {
    setObjectName("orcl_051e");
}

}  // namespace r78
