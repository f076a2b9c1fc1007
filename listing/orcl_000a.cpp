#include "listing/orcl_000a.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/Text.h"
#include "core/Values.h"
#include "listing/ListingRecord.h"
#include "validation/checks_000.h"

namespace r78 {

namespace {

SingleRecordParams Params() {
    SingleRecordParams params;
    params.index = 1;
    params.kind = RecordKind::FsuBlock1;
    params.blockNo = 1;
    params.noRecordsMessage = "Block contains no records";
    params.digitMessage = "numeric entry please ";
    params.blockCheck = [](SharedState& s, int) { ValBlk000_1(s); };
    params.header = {{"FSU NO:", HeaderItem::Value::Fsu}};
    // APOP1 and D1 are the screen's own: they follow the FSU's area.
    params.rules = {
        {"SVC",
         false,
         {rule::Digits("survey code 1 to 7  please"), rule::Between(1, 7, "survey code 1 to 7  please")}},
        {"RES_Subst",
         true,
         {rule::FieldInList("SVC", "4..7,x",
                            "reason for substitution should be only when survey code is any of 4 to 7 "),
          rule::InList("1..3,9,x", "reason for substitution should be 1 to 3 or 9 ")}},
    };
    for (FieldRule& r : rule::Block2()) params.rules.push_back(std::move(r));
    return params;
}

// Any code of 1 to 7 may be saved; only a listing surveyed (1) or substituted
// and surveyed (4) goes on to block 6.
SurveyCodeGates Gates() {
    SurveyCodeGates gates;
    gates.box = 17;
    gates.saveCodes = {"1", "2", "3", "4", "5", "6", "7"};
    gates.saveMessage = "survey code should be 1 or 2 or 3 or 4 or 5 or 6 or 7 for saving the block";
    gates.moveCodes = {"1", "4"};
    gates.nextMessage = "survey code should be 1 or 4 for navigating to next block";
    gates.otherBlockMessage = "survey code should be 1 or 4 for navigating to other block";
    gates.saveFirstMessage = "Save the block first";
    return gates;
}

}  // namespace

orcl_000a::orcl_000a(SharedState& state) : IdentificationBlockScreen(state, Params(), Gates()) {
    setObjectName("orcl_000a");

    auto* headings = new QVBoxLayout;
    headings->setSpacing(2);
    headings->addWidget(ui::HeadingLabel("LISTING SCHEDULE", this, 1.4));
    headings->addWidget(ui::HeadingLabel("SCHEDULE 0.0", this, 1.15));

    auto* block1 = new QGroupBox("Block - 1. Identification of Sample village\\block  (Level - 01)", this);
    auto* grid1 = new QGridLayout(block1);
    grid1->setVerticalSpacing(4);
    grid1->setHorizontalSpacing(10);
    const char* items1[][2] = {
        {"1.", "FSU Serial No"},
        {"2.", "Round No"},
        {"3.", "Schedule No."},
        {"4.", "Sample"},
        {"5.", "Sector"},
        {"6.", "TQS-Region"},
        {"7.", "District"},
        {"8.", "Stratum No"},
        {"9.", "Sub-Stratum"},
        {"10.", "Sub-Round"},
        {"11.", "KVO Sub-Reg"},
        {"12.", "Frame code"},
        {"13.", "Frame population/ hhd"},
        {"14.", "Present population"},
        {"15.", "No.of SU(D)"},
        {"16.", "Approx. population of SU"},
        {"17.", "No. of sub-divisions of SU(D1)"},
        {"18.", "Survey Code"},
        {"19.", "Reason Subs."},
    };
    // The FSU's particulars (items 1 to 10) on the left, what the field staff
    // found (11 to 19) beside them: the error list below needs the height.
    AddItemColumns(grid1, 19, 10,
                   [&](int box) { return std::pair<QString, QString>(items1[box][0], items1[box][1]); });
    grid1->setRowStretch(10, 1);

    auto* block2 = new QGroupBox("  Block - 2. Particulars of Field Operation   ( Level - 01)", this);
    auto* grid2 = new QGridLayout(block2);
    grid2->setVerticalSpacing(6);
    grid2->setHorizontalSpacing(10);
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    auto place = [&](int box, int row, int column) {
        Text1[box]->setFixedWidth(BoxPixels(box));
        grid2->addWidget(Text1[box], row, column, Qt::AlignLeft);
    };
    grid2->addWidget(label("Col. 3"), 0, 2);
    grid2->addWidget(label("Col. 4"), 0, 3);
    grid2->addWidget(label(" Employee code"), 1, 0, 1, 2);
    grid2->addWidget(label("1 (a) (ii)"), 2, 1);
    place(19, 2, 2);
    place(20, 2, 3);
    grid2->addWidget(label("1 (b) (ii)"), 3, 1);
    place(21, 3, 2);
    grid2->addWidget(label("2(i)."), 4, 0);
    grid2->addWidget(label(" Date of survey (ddmmyy)"), 4, 1);
    place(22, 4, 2);
    grid2->addWidget(label("2(v)."), 5, 0);
    grid2->addWidget(label("Date of despatch (ddmmyy)"), 5, 1);
    place(23, 5, 2);
    grid2->addWidget(label("4."), 6, 0);
    grid2->addWidget(label("Canvass time  (in hours)"), 6, 1);
    place(24, 6, 2);
    grid2->addWidget(label("  5. Remarks"), 7, 0, 1, 2);
    grid2->addWidget(label("(i) in blk 7/8"), 8, 1);
    place(25, 8, 2);
    place(26, 8, 3);
    grid2->addWidget(label("(ii) elsewhere"), 9, 1);
    place(27, 9, 2);
    place(28, 9, 3);
    grid2->setColumnStretch(4, 1);

    ComposeBlocks(block1, 3, block2, 2, headings);

    Form_Load();
}

void orcl_000a::Prefill(bool afterDelete) {
    PrefillFsuIdentification("000");
    SetBox(10, afterDelete ? "" : "0000");
    SetBox(11, s_.FsuFc);
    SetBox(12, s_.FsuFpop);
    SetBox(14, s_.FsuSu);
}

bool orcl_000a::SpecialArea() const { return IsSpecialArea(Box(4), Box(5), Box(6)); }

// The approximate population of the SU (box 15) must reach the figure at which
// an SU is divided: 900 in a special area, 1800 elsewhere.
bool orcl_000a::PopulationRule(const std::string& below900, const std::string& below1800) {
    const long pop = ToLong(Field("APOP1"));
    const bool special = SpecialArea();
    if (special && pop < 900) {
        ErrBeep(below900);
        return false;
    }
    if (!special && pop < 1800) {
        ErrBeep(below1800);
        return false;
    }
    return true;
}

std::optional<bool> orcl_000a::BoxHook(const std::string& field) {
    const std::string t = Field(field);
    if (text::EqualsNoCase(field, "APOP1"))
        return t.empty() ||
               PopulationRule("to be entered only when approximate present population of the SU>=900 ",
                              "to be entered only when approximate present population of the SU>=1800 ");
    if (!text::EqualsNoCase(field, "D1")) return std::nullopt;
    const int d1 = BoxOf("D1");
    if (Field("APOP1").empty()) {
        SetBox(d1, "000");
        return true;
    }
    bool passed = true;
    const int n = SubDivisionCount(s_.FsuSector, s_.FsuStateRegion, s_.FsuDistrict, Field("APOP1"));
    if (ToLong2(t) != n) {
        ErrBeep("Sub-division as per formula Should be " + std::to_string(n));
        passed = false;
    }
    // Kept in three digits, whether or not the count was right.
    const std::string trimmed = text::Trim(t);
    if (trimmed.size() <= 1)
        SetBox(d1, "00" + trimmed);
    else if (trimmed.size() == 2)
        SetBox(d1, "0" + trimmed);
    if (!PopulationRule("Sub-division to be formed only when approximate population>900 ",
                        "Sub-division to be formed only when approximate population>1800 "))
        passed = false;
    return passed;
}

// The first save of block 1 marks the sample list with who began the FSU, in the
// save's own transaction: a block 1 stored without the mark would let any
// operator take the FSU over.
void orcl_000a::WriteAlong() {
    IdentificationBlockScreen::WriteAlong();
    if (ExistsFlag() != 1) StampSampleList(s_);
}

void orcl_000a::RecordSaved(bool inserted) {
    IdentificationBlockScreen::RecordSaved(inserted);
    s_.FsuSro = Box(10);
}

void orcl_000a::DeleteRecord() { DeleteFsu(s_); }

}  // namespace r78
