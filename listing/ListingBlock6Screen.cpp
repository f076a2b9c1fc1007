#include "listing/ListingBlock6Screen.h"

#include <QVBoxLayout>

#include "core/DataLayout.h"
#include "core/Text.h"
#include "core/Values.h"

namespace r78 {

namespace {

// The counts of households: blank or digits.
FieldRule Count(std::string field) {
    return {std::move(field),
            true,
            {rule::Test(
                [](const std::string& t, const FieldReader&) { return text::IsBlank(t) || IsAllDigits(t); },
                kNumericEntry)}};
}

GridParams Params(int index, const std::string& schCode, bool partA, const BlockCheck& check) {
    GridParams p;
    p.index = index;
    p.schCode = schCode;
    p.order = " order by  SSS";
    if (partA) p.columns.push_back({"SEGPOP", "SEG\nPopula-\nlation\nC(2)", 1200});
    p.columns.insert(p.columns.end(), {
                                          {"SSS", "Second\nstage\nStratum\nC(3)", 1200},
                                          {"CAPH", "No of\nHholds\nListd(H)\nC(4)", 1200},
                                          {"SELH", "No of\nHholds\nSelctd(h)\nC(5)", 1200},
                                          {"SURVD", "No Survd\nHholds\nOriginal\nC(6)", 1200},
                                          {"SSURVD", "No Survd\nHholds\nSubst.\nC(7)", 1200},
                                          {"TSURVD", "Tot Survd\nCol.6+\nCol.7\nC(8)", 1200},
                                          {"CASUALTY", "Casulty\nCol.5-\nCol.8\nC(9)", 1400},
                                      });
    if (!partA) p.columns.push_back({"REPLHHD", "No of\nhhlds\nreplaced\nC(10)", 1400});
    p.firstEditField = partA ? "SEGPOP" : "SSS";
    p.lastEditField = partA ? "Casualty" : "REPLHHD";
    p.keyFields = partA ? std::vector<std::string>{"SEGPOP", "SSS"} : std::vector<std::string>{"SSS"};
    // SEGPOP's rule is the screen's own (it remembers the population).
    p.rules = {
        {"SSS",
         false,
         {rule::Digits(kNumericEntry), rule::InList("1..5,9,x", "SSS entry 1 to 5 and  9 for all please")}},
        Count("CAPH"),
        Count("SELH"),
        Count("SURVD"),
        Count("SSURVD"),
        Count("TSURVD"),
        Count("Casualty"),
        Count("REPLHHD")};
    p.emptyBlock = GridParams::EmptyBlock::MoveOn;
    p.blockNo = 6;
    p.blockCheck = check;
    p.header = {{"FSU NO:", HeaderItem::Value::Fsu}};
    return p;
}

// A digit text's number is above the highest segment population a listing may
// report; digit strings of any length are read without an overflow.
bool AboveSegmentLimit(const std::string& digits) { return DigitValue(digits) > 10000; }

// The number a digit text spells, without leading blanks and zeros.
std::string WholeNumber(const std::string& digits) {
    std::string t = text::Trim(digits);
    t.erase(0, std::min(t.find_first_not_of('0'), t.size()));
    return t.empty() ? "0" : t;
}

}  // namespace

ListingBlock6Screen::ListingBlock6Screen(SharedState& s, const Part& part)
    : GridBlockScreen(s, Params(part.index, part.schCode, part.partA, part.check)) {
    auto* headings = new QVBoxLayout;
    headings->setSpacing(2);
    Level25 = ui::HeadingLabel("LISTING SCHEDULE", this, 1.4);
    Label25 = ui::HeadingLabel("SCHEDULE 0.0 ", this, 1.15);
    Label2 = ui::HeadingLabel(part.title, this, 1.0);
    headings->addWidget(Level25);
    headings->addWidget(Label25);
    headings->addWidget(Label2);
    Compose(headings);
    Form_Load();
}

// SegPop starts from the FSU's stored strata 1 to 5: the last such row read gives it.
void ListingBlock6Screen::BeforeBind() {
    if (s_.SegPopFsu != s_.CurFsuNo) {
        s_.SegPop.clear();
        s_.SegPopFsu = s_.CurFsuNo;
    }
    const std::string table = layout::BlockTableAt(index_).name;
    s_.WorkRs =
        s_.FsuConn->Query("select SSS,SEGPOP, CAPH from  " + table +
                              " where  (SSS = '1' or SSS = '2'or SSS = '3'or SSS = '4'or SSS = '5'  ) and  "
                              "fsuno = ?",
                          {s_.CurFsuNo});
    for (s_.WorkRs.MoveFirst(); !s_.WorkRs.Eof(); s_.WorkRs.MoveNext())
        s_.SegPop = s_.WorkRs.Field("SEGPOP").Text();
    s_.WorkRs = db::Recordset();
}

void ListingBlock6Screen::RememberSegPop(const std::string& value) {
    s_.SegPop = value;
    s_.SegPopFsu = s_.CurFsuNo;
}

bool ListingBlock6Screen::SegmentPopulationRule(const std::string& t) {
    if (IsAllDigits(t)) {
        if (AboveSegmentLimit(t)) {
            ErrBeep("abnormal popln!");
            return false;
        }
        if (ToLong(s_.SegPop) == 0) RememberSegPop(WholeNumber(t));
        return true;
    }
    if (text::IsBlank(t)) {
        if (ToLong(s_.SegPop) > 0) SetCellText(s_.SegPop);
        return true;
    }
    ErrBeep("numeric entry please");
    return false;
}

std::optional<bool> ListingBlock6Screen::ColumnHook(const std::string& field, const std::string& t) {
    if (text::EqualsNoCase(field, "SEGPOP")) return SegmentPopulationRule(t);
    return std::nullopt;
}

// A segment population taken into the row of a stratum 1 to 5 is remembered;
// left blank there, it is filled from the remembered one.
void ListingBlock6Screen::ColumnUpdated(const std::string& field) {
    if (!text::EqualsNoCase(field, "SEGPOP")) return;
    const long sss = ToLong2(RowField("SSS"));
    if (sss < 1 || sss > 5) return;
    const std::string cell = RowField("SEGPOP");
    if (!text::IsBlank(cell))
        RememberSegPop(cell);
    else if (ToLong(s_.SegPop) >= 1)
        SetRowField("segpop", s_.SegPop);
}

}  // namespace r78
