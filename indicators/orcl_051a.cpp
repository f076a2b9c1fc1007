#include "indicators/orcl_051a.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Values.h"
#include "validation/checks_051.h"

namespace r78 {

namespace {

SingleRecordParams Params() {
    SingleRecordParams params = HouseholdIdentificationParams(13);
    params.blockCheck = [](SharedState& s, int) { ValBlk051_1(s); };
    params.header = HouseholdHeader("FSU NO:");
    params.scheduleHeading = "SCHEDULE 5.1: MULTIPLE INDICATOR SURVEY";
    return params;
}

}  // namespace

orcl_051a::orcl_051a(SharedState& state) : IdentificationBlockScreen(state, Params(), HouseholdGates()) {
    setObjectName("orcl_051a");

    // Block 1 in two columns: the numbered items at the left edge, the parts of
    // the FSU's identification (item 3's) between the two columns.
    auto* block1 = new QGroupBox("Block - 1. Identification of Sample Household  (Level - 01)", this);
    auto* grid1 = new QGridLayout(block1);
    grid1->setVerticalSpacing(4);
    grid1->setHorizontalSpacing(8);
    struct Item {
        int box;
        const char* number;
        const char* label;
    };
    const Item numbered[] = {
        {0, "1.", "FSU Serial No"},        {1, "2.", "Round No"},
        {2, "3.", "Schedule No."},         {11, "4.", "Sample Sub division No."},
        {12, "5.", "2nd Stage  Stratum"},  {13, "6.", "HHS  No"},
        {14, "7.", "Sl.No. of Informant"}, {15, "8.", "Resp Code"},
        {16, "9.", "Survey Code"},         {17, "10.", "Reason Subs/casu."},
    };
    int row = 0;
    for (const Item& item : numbered) AddItem(grid1, row++, 0, item.number, item.label, item.box);
    const char* parts[] = {"Sample",   "Sector",      "TQS-Region", "District",
                           "Stratum ", "Sub-Stratum", "Sub-Round",  "KVO-Sub_Reg"};
    for (int box = 3; box <= 10; ++box) AddItem(grid1, box - 3, 3, "", parts[box - 3], box);
    grid1->setColumnMinimumWidth(3, 12);
    grid1->setColumnStretch(6, 1);
    grid1->setRowStretch(10, 1);

    // Block 2: the entries of columns 3 and 4 of the questionnaire side by side.
    auto* block2 = new QGroupBox("Block - 2. Particulars of Field Operation (Level - 01)", this);
    auto* grid2 = new QGridLayout(block2);
    grid2->setVerticalSpacing(4);
    grid2->setHorizontalSpacing(8);
    auto label = [&](const QString& text, int r, int c) { grid2->addWidget(new QLabel(text, this), r, c); };
    auto place = [&](int box, int r, int c) {
        Text1[box]->setFixedWidth(BoxPixels(box));
        grid2->addWidget(Text1[box], r, c, Qt::AlignLeft);
    };
    label("Col. 3", 0, 2);
    label("Col. 4", 0, 3);
    label("Employee code", 1, 1);
    label("1(a) (ii)", 2, 1);
    place(18, 2, 2);
    place(19, 2, 3);
    label("1(b) (ii)", 3, 1);
    place(20, 3, 2);
    label("2(i).Date of survey (ddmmyy)", 4, 1);
    place(21, 4, 2);
    label("2(iv).Date of despatch (ddmmyy)", 5, 1);
    place(22, 5, 3);
    label("4.Canvass time  (in minutes)", 6, 1);
    place(23, 6, 2);
    label("5.No of FI/ASO", 7, 1);
    place(24, 7, 2);
    label("6.", 8, 0);
    label("Re ma rks", 8, 1);
    label("(i) in blk 9/10", 9, 1);
    place(25, 9, 2);
    place(26, 9, 3);
    label("(ii) else where", 10, 1);
    place(27, 10, 2);
    place(28, 10, 3);
    grid2->setColumnStretch(4, 1);
    grid2->setRowStretch(11, 1);

    ComposeBlocks(block1, 3, block2, 2);

    Form_Load();
}

}  // namespace r78
