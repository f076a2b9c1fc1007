#include "indicators/orcl_051c.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "core/Values.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

SingleRecordParams Params(const SharedState& s) {
    SingleRecordParams params;
    HouseholdBlock(params, 15, "Block-4. Household Characteristics   ");
    params.kind = RecordKind::HouseholdBlock;
    params.blockCheck = [](SharedState& state, int) { ValBlk051_4(state); };
    params.blockLevel = "(Level - 03 && 04 )";
    params.header = HouseholdHeader("FSU NO:");
    // Any character may be typed; the Enter check empties a box that is not digits.
    params.filterKeys = false;

    auto code = [](const char* field, const char* list, const char* message) {
        return rule::Code(field, list, message);
    };
    auto amount = [](const char* field) {
        return FieldRule{field, true, {rule::AtLeast(0, "numeric entry  please")}};
    };
    // Items 32 and 33 belong to one sector each: the village's road, the town's transport.
    auto sectorCode = [&s](const char* field, const char* sector, const char* message) {
        return FieldRule{field,
                         true,
                         {rule::Test(
                             [&s, sector](const std::string& t, const FieldReader&) {
                                 return InCodeList(t, "1,2,x") && s.FsuSector == sector;
                             },
                             message)}};
    };
    params.rules = {
        {"B4I1", true, {rule::Between(0, 50, "household size : abnormal!")}},
        code("B4I2", "1..7,9,x", "religion code 1 to 7 or 9 please"),
        // The social group is the one box whose text is not emptied for a non-digit: its code list refuses
        // it.
        {"B4I3", true, {rule::InList("1..3,9,x", "social code 1 to 3 or 9 please")}, false, false},
        rule::TwoDigitCode("B4I4", "1..8,10..12,x", "2-digit code any of 01 to 08 or 10 to 12 please",
                           "code any of 01 to 08 or 10 to 12 please"),
        amount("B4I5"),
        amount("B4I6"),
        amount("B4I7"),
        amount("B4I8"),
        amount("B4I9"),
        amount("B4I10"),
        code("B4I11", "1..6,9,x", "code 1 to 6 or 9 please"),
        code("B4I12", "1..3,9,x", "code 1 to 3 or 9 please"),
        code("B4I13", "1..9,x", "code 1 to 9 please"),
        code("B4I14", "1..9,x", "code 1 to 9 please"),
        code("B4I15", "1..3,x", "code 1 to 3 please"),
        rule::TwoDigitCode("B4I16", "1..12,19,x", "2-digit code any of 01 to 12 or 19 please",
                           "code 01 to 12 or 19 please"),
        code("B4I17", "1..6,9,x", "code 1 to 6 or 9 please"),
        rule::TwoDigitCode("B4I18", "1..12,19,x", "2-digit code any of 01 to 12 or 19 please",
                           "code 01 to 12 or 19 please"),
        code("B4I19", "1..8,x", "code 1 to 8 please"),
        rule::TwoDigitCode("B4I20", "1..16,19,x", "2-digit code any of 01 to 16 or 19 please",
                           "code 01 to 16 or 19 please"),
        rule::YesNo("B4I21"),
        code("B4I22", "1..7,9,x", "code 1 to 7 or 9 please"),
        code("B4I23", "1..7,x", "code 1 to 7 please"),
        amount("B4I24"),
        code("B4I25", "1..5,9,x", "code 1 to 5 or 9 please"),
        rule::TwoDigitCode("B4I26", "1..8,10,11,19,x", "2-digit code any of 01 to 08, 10, 11 or 19 please",
                           "code 01 to 08, 10, 11 or 19 please"),
        code("B4I27", "1..5,9,x", "code 1 to 5 or 9 please"),
        code("B4I28", "1..4,x", "code 1 to 4 please"),
        code("B4I29", "1..4,9,x", "code 1 to 4 or 9 please"),
        code("B4I30", "1..5,9,x", "code 1 to 5 or 9 please"),
        code("B4I31", "1..4,x", "code 1 to 4 please"),
        sectorCode("B4I32", "1", "code 1 or 2 for RURAL only"),
        sectorCode("B4I33", "2", "code 1 or 2 for URBAN only"),
        code("B4I34", "1..5,x", "code 1 to 5 please"),
        code("B4I35", "1..5,x", "code 1 to 5 please"),
        code("B4I36", "1..5,x", "code 1 to 5 please"),
        code("B4I37", "1..6,x", "code 1 to 6 please"),
        rule::YesNo("B4I38"),
        rule::YesNo("B4I39"),
        rule::YesNo("B4I40"),
        rule::YesNo("B4I41"),
        rule::YesNo("B4I42"),
        rule::YesNo("B4I43"),
        amount("B4I44"),
        rule::YesNo("B4I45"),
        amount("B4I46"),
    };
    return params;
}

const char* const kLabels[] = {
    "1. Household Size",
    "2. Religion",
    "3. Social group",
    "4. Land possessed",
    "5.Usual expd. A",
    "6.Imputed value B",
    "7.Imputed value C",
    "8.Expdt. D",
    "9.Expdt. E",
    "10.Usual monthly con. expdt.",
    "11.Tenurial status",
    "12.Area type",
    "13.Wall type",
    "14.Roof type",
    "15.Kitchen type",
    "16 Primary source  for cooking",
    "17. Primary source  for lighting",
    "18 Primary source  for heating",
    "19 Electricity used",
    "20 Principal source of drinking water",
    "21 Principal source is sufficient",
    "22 Access to Principal source",
    "23 Distance to principal source of drinking water",
    "24 Time taken for single trip",
    "25 Access to hhd latrine",
    "26 Type of latrine",
    "27 Access to hhd bathroom",
    "28 Hand washing facility",
    "29 Collection of garbage",
    "30 Disposal of garbage",
    "31 Frenquency of garbage collection",
    "32 Rural:all weather road",
    "33 Urban:nearest public transport",
    "34 Distance to nearest hospital with emergency",
    "35 Distance to nearest hospital without emergency",
    "36 Distance to nearest PHC",
    "37 Distance to nearest public open space",
    "38 Access to mass media",
    "39 Aware of PMAY",
    "40 Aware of SSS",
    "41 Access to school",
    "42 Broadband access ",
    "43 Possess air condtioner",
    "44 No. of air conditioner",
    "45 Possess air cooler",
    "46 No. of air cooler",
};

}  // namespace

orcl_051c::orcl_051c(SharedState& state) : SingleRecordBlockScreen(state, Params(state)) {
    setObjectName("orcl_051c");

    // Three columns, read down each one, so that all 46 items are in view at once.
    constexpr int kRows = 16;
    auto* items = new QGridLayout;
    items->setVerticalSpacing(3);
    items->setHorizontalSpacing(3);
    for (int box = 0; box <= LastBox(); ++box)
        AddItem(items, box % kRows, 3 * (box / kRows), "", kLabels[box], box);
    for (int c : {3, 6}) items->setColumnMinimumWidth(c, 6);
    auto* itemsRow = new QHBoxLayout;
    itemsRow->addLayout(items);
    itemsRow->addStretch();

    ComposeErrorsBelow(itemsRow);

    Form_Load();
}

}  // namespace r78
