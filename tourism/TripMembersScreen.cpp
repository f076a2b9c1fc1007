#include "tourism/TripMembersScreen.h"

#include "core/Text.h"
#include "core/Values.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

// The serial number of the total line, read as ColStep reads it ("099" too).
constexpr const char* kTotalLine = "99,x";

// The trip a stored serial number names: 1 to 98, or 0 for none (the total
// line, a blank, and a text that is no number, which the mouse can leave past
// the Enter check).
long TripOf(const std::string& slno) {
    if (!IsAllDigits(slno)) return 0;
    const long n = DigitValue(slno);
    return n >= 1 && n <= 98 ? n : 0;
}

// A number of members that the map can hand on: digits of at least 1.
bool HandsOn(const std::string& members) { return IsAllDigits(members) && DigitValue(members) >= 1; }

GridParams Params(const TripMembersScreen::Block& b) {
    const auto c = [&b](int n) { return b.prefix + std::to_string(n); };
    GridParams p;
    HouseholdBlock(p, b.index, b.title);
    p.blockCheck = b.check;
    p.householdCaption = kBlockLevelCaption;
    p.header = {{"FSUNO:", HeaderItem::Value::Fsu},
                {"SU NO:", HeaderItem::Value::Segment},
                {"SSS NO:", HeaderItem::Value::Sss},
                {"SHH NO.", HeaderItem::Value::Ssu}};
    // A trip's rows stay together, in the order of its members.
    p.order = " order by fsuno, SSS,SSU,slno," + c(3);
    p.columns = {
        {"SLNO", " \n \nSrl\nNo.\nC(1)", 600},
        {c(2), "no.\nof\nhhd\nmems\nC(2)", 800},
        {c(3), "srl.\nno.\nof\nmem\nC(3)", 800},
        {c(4), " \n \nage\nyears\nC(4)", 800},
        {c(5), "pur\npose\nof\ntrip\nC(5)", 800},
        {c(6), " \ntype\nof\ntrip\nC(6)", 900},
        {c(7), "mode:\nmajor\n \n \nC(7)", 900},
        {c(8), "mode:\nminor\n \n \nC(8)", 900},
        {c(9), "type:\nmajor\n \n \nC(9)", 900},
        {c(10), "type:\nminor\n \n \nC(10)", 900},
        {c(11), "no.\nof\nnight\nspent\nC(11)", 1000},
        {c(12), "lead\ning\npur\npose\nC(12)", 900},
        {c(13), "star\nting\nmonth\n \nC(13)", 800},
        {c(14), "main\ndesti\nnat\nion\nC(14)", 800},
        {c(15), "desti\nnation\nstate\ncode\nC(15)", 1200},
    };
    // Two-digit codes are keyed with their leading zero ("05", not "5").
    const auto twoDigitCode = [](std::string field, std::string list, const std::string& message) {
        FieldRule r = rule::Code(std::move(field), std::move(list), message);
        r.steps.push_back(rule::Length(2, message));
        return r;
    };
    const std::string modes = "entry 01 to 08, 10 or 19 please";
    FieldRule state = rule::Code(c(15), "1..35,x", "entry 01 to 35 please");
    // A state code of one digit is taken as its two-digit form.
    state.steps.insert(state.steps.begin(), rule::Rewrite([](const std::string& t, const FieldReader&) {
                           return t.size() == 1 && t[0] >= '1' && t[0] <= '9' ? "0" + t : t;
                       }));
    state.zeroFill = true;
    p.rules = {
        rule::Positive("SLNO", true),
        // Blank passes: the trip map may fill it (the screen's hook).
        {c(2), true, {rule::Digits(kNumericPositive), rule::AtLeast(1, kPositive)}},
        rule::Positive(c(3), true),
        {c(4), true, {rule::Digits(kNumericEntry), rule::AtMost(110, "age > 110! recheck pl")}},
        rule::Code(c(5), "1..7,9,x", "code 1 to 7 or 9 please"),
        rule::YesNo(c(6)),
        twoDigitCode(c(7), "1..8,10,19,x", modes),
        twoDigitCode(c(8), "1..8,10,19,x", modes),
        rule::Code(c(9), "1..5,9,x", "code 1 to 5 or 9 please"),
        rule::Code(c(10), "1..5,9,x", "code 1 to 5 or 9 please"),
        {c(11), true, {rule::Digits(kNumericPositive), rule::AtLeast(1, kPositive)}},
        rule::Code(c(12), b.leadPurposes, b.leadPurposeMessage),
        twoDigitCode(c(13), "1..12,x", "entry 01 to 12 please"),
        rule::Code(c(14), "1..4,x", "entry 1 to 4 please"),
        state,
    };
    p.lastEditField = c(15);
    return p;
}

}  // namespace

TripMembersScreen::TripMembersScreen(SharedState& s, const Block& block)
    : GridBlockScreen(s, Params(block)), prefix_(block.prefix) {
    Compose();
    Form_Load();
}

int TripMembersScreen::ItemColumn(const std::string& field) const {
    if (field.size() <= prefix_.size() || !text::EqualsNoCase(field.substr(0, prefix_.size()), prefix_))
        return 0;
    return static_cast<int>(DigitValue(field.substr(prefix_.size())));
}

bool TripMembersScreen::OnTotalLine() const { return InCodeList(RowField("SLNO"), kTotalLine); }

std::string TripMembersScreen::MappedMembers() const {
    const long trip = TripOf(RowField("SLNO"));
    if (trip == 0) return std::string();
    const std::string& members = s_.TripMemberList[static_cast<size_t>(trip)];
    return HandsOn(members) ? members : std::string();
}

std::optional<bool> TripMembersScreen::ColumnHook(const std::string& field, const std::string& text) {
    const int column = ItemColumn(field);
    // The total line holds the number of trips in column 3 and nothing else.
    if (column >= 2 && column != 3 && OnTotalLine() && !text::IsBlank(text)) {
        ErrBeep("col-" + std::to_string(column) + " should be blank");
        return false;
    }
    // A further member of a trip takes the trip's number of members.
    if (column == 2 && text::IsBlank(text)) {
        if (const std::string members = MappedMembers(); !members.empty()) SetCellText(members);
        return true;
    }
    return std::nullopt;
}

// The number of members taken into a trip's row is remembered for its further
// rows; left blank there, it is filled from the map.
void TripMembersScreen::ColumnUpdated(const std::string& field) {
    if (ItemColumn(field) != 2) return;
    const long trip = TripOf(RowField("SLNO"));
    if (trip == 0) return;
    const std::string cell = RowField(field);
    if (!text::IsBlank(cell))
        s_.TripMemberList.Set(static_cast<size_t>(trip), cell);
    else if (const std::string members = MappedMembers(); !members.empty())
        SetRowField(field, members);
}

// After the total line's serial number the cursor skips column 2.
int TripMembersScreen::ColStepAfter(const std::string& field) {
    return ColStep(s_.CurFormIndex, RowField("SLNO"), Column(field));
}

// The total line ends at its column 3.
bool TripMembersScreen::EndsRowAt(const std::string& field) const {
    return ItemColumn(field) == 3 && OnTotalLine();
}

// The map is the screen's in use: the other trip block's entries go.
void TripMembersScreen::BeforeBind() {
    for (size_t n = 1; n <= 99; ++n) s_.TripMemberList.Set(n, std::string());
}

// Each trip's entry is column 2 of its last member row, blank or not.
void TripMembersScreen::AfterBind() {
    const std::string members = prefix_ + "2";
    for (int row = 0; row < DataGridX->RecordCount(); ++row)
        if (const long trip = TripOf(DataGridX->FieldText(row, "SLNO")))
            s_.TripMemberList.Set(static_cast<size_t>(trip), DataGridX->FieldText(row, members));
}

}  // namespace r78
