#include "tourism/orcl_211a.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>
#include <iterator>

#include "core/Text.h"
#include "core/Values.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

SingleRecordParams Params() {
    SingleRecordParams params = HouseholdIdentificationParams(4);
    params.blockCheck = [](SharedState& s, int) { ValBlk211_1(s); };
    params.header = {{"FSU NO:", HeaderItem::Value::Fsu},
                     {"SEGMENT NO:", HeaderItem::Value::Segment},
                     {"SSS NO:", HeaderItem::Value::Sss},
                     {"SHH NO:", HeaderItem::Value::Ssu}};
    params.scheduleHeading = "SCHEDULE 21.1: DOMESTIC TOURISM EXPENDITURE";
    return params;
}

}  // namespace

orcl_211a::orcl_211a(SharedState& state) : IdentificationBlockScreen(state, Params(), HouseholdGates()) {
    setObjectName("orcl_211a");

    auto* block1 = new QGroupBox("Block - 1. Identification of Sample Household  (Level - 01)", this);
    auto* grid1 = new QGridLayout(block1);
    grid1->setVerticalSpacing(4);
    grid1->setHorizontalSpacing(10);
    // Items 1 to 3 and the FSU's particulars on the left, items 4 to 10 beside them.
    const char* items1[][2] = {
        {"1.", "FSU Serial No"},
        {"2.", "Round No"},
        {"3.", "Schedule No."},
        {"", "Sample"},
        {"", "Sector"},
        {"", "TQS-Region"},
        {"", "District"},
        {"", "Stratum "},
        {"", "Sub-Stratum"},
        {"", "Sub-Round"},
        {"", "KVO-Sub_Reg"},
        {"4.", "Sample Sub division No."},
        {"5.", "2nd Stage  Stratum"},
        {"6.", "HHS  No"},
        {"7.", "Sl.No. of Informant"},
        {"8.", "Resp Code"},
        {"9.", "Survey Code"},
        {"10.", "Reason Subs/casu."},
    };
    for (int box = 0; box <= 17; ++box) {
        const bool left = box <= 10;
        AddItem(grid1, left ? box : box - 11, left ? 0 : 4, items1[box][0], items1[box][1], box);
    }
    grid1->setColumnMinimumWidth(3, 16);
    grid1->setColumnStretch(6, 1);
    grid1->setRowStretch(11, 1);

    auto* block2 = new QGroupBox("Block - 2. Particulars of Field Operation (Level - 01)", this);
    auto* grid2 = new QGridLayout(block2);
    grid2->setVerticalSpacing(6);
    grid2->setHorizontalSpacing(10);
    // Items down the left; their entries under "Col. 3" and "Col. 4" (-1: none).
    struct Row {
        const char* label;
        int col3, col4;
    };
    const Row rows[] = {
        {"1. Employee code", -1, -1},
        {"      1(a) (ii)", 18, 19},
        {"      1(b) (ii)", 20, -1},
        {"2(i).Date of survey (ddmmyy)", 21, -1},
        {"2(iv).Date of despatch (ddmmyy)", -1, 22},
        {"4.Canvass time  (in minutes)", 23, -1},
        {"5.No of FI/ASO", 24, -1},
        {"6. Re ma rks", -1, -1},
        {"      (i) in blk 8/9", 25, 26},
        {"      (ii) else where", 27, 28},
    };
    grid2->addWidget(new QLabel("Col. 3", this), 0, 1);
    grid2->addWidget(new QLabel("Col. 4", this), 0, 2);
    for (int r = 0; r < static_cast<int>(std::size(rows)); ++r) {
        grid2->addWidget(new QLabel(rows[r].label, this), r + 1, 0);
        for (int column : {1, 2}) {
            const int box = column == 1 ? rows[r].col3 : rows[r].col4;
            if (box < 0) continue;
            Text1[box]->setFixedWidth(BoxPixels(box));
            grid2->addWidget(Text1[box], r + 1, column, Qt::AlignLeft);
        }
    }
    grid2->setColumnStretch(3, 1);
    grid2->setRowStretch(11, 1);

    ComposeBlocks(block1, 1, block2, 1);

    Form_Load();
}

}  // namespace r78
