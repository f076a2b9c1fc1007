#include "tourism/orcl_211c.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Text.h"
#include "core/Values.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

SingleRecordParams Params(const SharedState& state) {
    SingleRecordParams params;
    HouseholdBlock(params, 6, "Block-4. Household Characteristics   ");
    params.kind = RecordKind::HouseholdBlock;
    params.blockCheck = [](SharedState& s, int) { ValBlk211_4(s); };
    params.header = {{"FSU NO:", HeaderItem::Value::Fsu},
                     {"SU NO:", HeaderItem::Value::Segment},
                     {"SSS NO:", HeaderItem::Value::Sss},
                     {"SHH NO:", HeaderItem::Value::Ssu}};

    const char* nco = "nco-3 digit pl";
    // Rural and urban households have their own lists of types; an FSU of
    // neither sector has no valid type.
    auto householdType = [&state](const std::string& t, const FieldReader&) {
        if (state.FsuSector == "1") return InCodeList(t, "1..5,9,x");
        if (state.FsuSector == "2") return InCodeList(t, "1..3,9,x");
        return false;
    };
    params.rules = {
        {"B4I1", true, {rule::Between(0, 50, "household size : abnormal!")}},
        // Three characters, each a digit or the X of an open digit.
        {"B4I2",
         true,
         {rule::Length(3, nco), rule::Test(
                                    [](const std::string& t, const FieldReader&) {
                                        return t.find_first_not_of("0123456789X") == std::string::npos;
                                    },
                                    nco)}},
        {"B4I3", true, {rule::Length(5, "nic-5 digit pl")}},
        {"B4I4", true, {rule::Test(householdType, "invalid household type code")}},
        {"B4I5", true, {rule::InList("1..7,9,x", "religion code 1 to 7 or 9 please")}},
        {"B4I6", true, {rule::InList("1..3,9,x", "social code 1 to 3 or 9 please")}},
    };
    // The occupation code is not cleared for holding a letter: its rule judges it.
    params.rules[1].digitsCleared = false;
    return params;
}

}  // namespace

orcl_211c::orcl_211c(SharedState& state) : SingleRecordBlockScreen(state, Params(state)) {
    setObjectName("orcl_211c");

    auto* headings = new QVBoxLayout;
    headings->setSpacing(2);
    headings->addWidget(Label21);
    auto* title = new QHBoxLayout;
    title->addStretch();
    title->addWidget(Label2);
    title->addWidget(ui::HeadingLabel("(Level - 03 )", this));
    title->addStretch();
    headings->addLayout(title);

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    grid->setHorizontalSpacing(10);
    const char* labels[] = {
        "1. Household Size",
        "2. Principal occupation (NCO-2004) code",
        "3. Principal industry (NIC-2008) code",
        "4. Household type code",
        "5.  Religion code",
        "6. Social group code",
        "7.1  Business",
        "7.2  Social",
        "7.3  Pilgrimage",
        "7.4  Education && training",
        "7.5  Others",
        "8  Usual Consumer Exp for purcahse of goods && services excl. clothing etc. in a month",
        "9  Imputed value of Usual Consumption from home grown stock in a month",
        "10  Imputed value of Usual Consumption from wages in kind etc. in a month",
        "11  Exp. on purchae of clothing, footwear etc. during last 365 days",
        "12 Exp on purchase of hhd durables during last 365 days",
        "13  Usual monthly consumer expenditure",
    };
    int row = 0;
    for (int box = 0; box <= 16; ++box) {
        if (box == 6) {
            grid->addWidget(ui::TextLabel("7.  No. of overnight trips of duration less than or equal to 180 "
                                          "days completed during last "
                                          "365 days",
                                          this),
                            row++, 1, 1, 2);
        }
        // Items 7.1 to 7.5 stand indented under their heading.
        const QString indent = box >= 6 && box <= 10 ? "      " : "";
        AddItem(grid, row++, 0, "", indent + labels[box], box);
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);

    auto* body = new QVBoxLayout;
    body->addLayout(grid, 3);
    body->addWidget(DataGrid, 2);
    Compose(headings, body);

    Form_Load();
}

bool orcl_211c::MayType(const std::string& field, int keyAscii) const {
    return keyAscii == 'X' && text::EqualsNoCase(field, "B4I2");
}

}  // namespace r78
