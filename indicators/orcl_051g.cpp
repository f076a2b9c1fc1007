#include "indicators/orcl_051g.h"

#include <QGridLayout>

#include "validation/checks_051.h"

namespace r78 {

namespace {

constexpr const char* kNumeric = "numeric entry  please";

// A count or an area: a number not below 0, and at most limit where one is set.
FieldRule Number(std::string field, const char* numericMessage = kNumeric, long limit = -1,
                 const char* limitMessage = "") {
    FieldRule r{std::move(field), true, {rule::NotNegative(numericMessage)}};
    if (limit >= 0) r.steps.push_back(rule::AtMost(limit, limitMessage));
    return r;
}

}  // namespace

SingleRecordParams orcl_051g::Params() {
    SingleRecordParams p;
    HouseholdBlock(p, 19,
                   "Block-6. Purchase/ construction of house(s)/ flat(s) by HHD for residential purpose");
    p.kind = RecordKind::HouseholdBlock;
    p.blockCheck = [](SharedState& s, int) { ValBlk051_6(s); };
    p.blockLevel = "(Level - 08 )";
    p.header = HouseholdHeader("FSU NO:");
    // How many dwellings, rural and urban: a household with none puts 0.
    const char* none = "numeric entry  please. If no purchase/constructed flat/house, put 0.";
    FieldRule urban = Number("B6I22", none, 10, "please check the entry");
    // The urban count is not emptied when it holds other characters: its own
    // rule refuses a text that is no number, and the text stays to be corrected.
    urban.digitsCleared = false;
    p.rules = {
        rule::YesNo("B6I1"),
        Number("B6I21", none, 10, "please check the entry"),
        urban,
        Number("B6I23", kNumeric, 10, "please check the entry"),
        rule::YesNo("B6I3"),
        rule::YesNo("B6I4"),
        rule::YesNo("B6I5"),
        rule::YesNo("B6I6"),
        {"B6I7", true, {rule::NotNegative(kNumeric), rule::Length(4, "4-digit in YYYY format please")}},
        Number("B6I8", kNumeric, 20, "please check entry"),
        Number("B6I9", kNumeric, 20, "please check entry"),
        Number("B6I10"),
        Number("B6I11"),
        Number("B6I12"),
        Number("B6I13"),
        Number("B6I14"),
        rule::Code("B6I15", "1..9,x", "code 1 to 9 please"),
        rule::Code("B6I16", "1..9,x", "code 1 to 9 please"),
        rule::Code("B6I17", "1..4,x", "code 1 to 4 please"),
    };
    return p;
}

orcl_051g::orcl_051g(SharedState& state) : SingleRecordBlockScreen(state, Params()) {
    setObjectName("orcl_051g");

    const char* labels[] = {
        "1. Whether HHD purchased/construted house/flat",
        "2.1 rural",
        "2.2. urban",
        "2.3 total",
        "3. Whether owned by the HHD for the first time",
        "4 Whether in rural/ urban area",
        "5.currently owned by the HHD",
        "6. type of newly purchased/ constructed flat",
        "7. year of purchase/ construction",
        "8. No. of living rooms",
        "9.No. of other rooms",
        "10. floor area of living rooms",
        "11. floor area of other rooms",
        "12. floor area of covered veranda",
        "13. floor area of uncovered veranda",
        "14. floor area: total",
        "15. Wall type",
        "16. Roof type",
        "17.source of financee",
    };
    auto* items = new QGridLayout;
    items->setVerticalSpacing(6);
    items->setHorizontalSpacing(12);
    // Items 1 to 10 on the left, 11 to 19 beside them, so that the error list
    // below has the screen's width and the height to show its rows.
    constexpr int kRows = 10;
    AddItemColumns(items, LastBox() + 1, kRows,
                   [&](int box) { return std::pair<QString, QString>("", labels[box]); });
    // The group labels stand in the item place of the first item they qualify.
    auto group = [&](const QString& text, int firstBox, int rows) {
        QLabel* label = ui::TextLabel(text, this);
        label->setWordWrap(true);
        label->setFixedWidth(label->fontMetrics().horizontalAdvance(" If 1 in item 1") + 4);
        const auto [row, column] = ItemCell(firstBox, kRows);
        items->addWidget(label, row, column, rows, 1, Qt::AlignRight | Qt::AlignVCenter);
    };
    group(" If 1 in item 1", 1, 3);
    group("in sq. ft && in whole no.", 11, 5);

    ComposeErrorsBelow(items);

    Form_Load();
}

}  // namespace r78
