#pragma once
#include <functional>
#include <string>
#include <vector>

// The entry rules of a block screen's fields, declared as data: each box or grid
// column names its field and lists its tests in the order the questionnaire's
// instructions give them, each with the message the operator reads when it fails.
// The block-screen templates run them; a screen's own file reads like its column
// table.
namespace r78 {

// The other fields of the row (or boxes of the screen) a rule may look at, by column name.
using FieldReader = std::function<std::string(const std::string& field)>;

// One test of a rule and its message; or, with rewrite set, a step that puts the
// text into its stored form (leading zeros) and never fails.
struct RuleStep {
    std::function<bool(const std::string& text, const FieldReader& row)> passes;
    std::string message;
    std::function<std::string(const std::string& text, const FieldReader& row)> rewrite;
    // The test of rule::Digits: a text that is not digits fails it.
    bool digits = false;
};

struct FieldRule {
    std::string field;
    // An empty text is accepted without any test. Off, an empty text meets the
    // steps (and the digit test refuses it with its message).
    bool blankPasses = true;
    std::vector<RuleStep> steps;
    // Grids: a value of one character is stored with "0" before it, so that
    // serial numbers sort as numbers.
    bool zeroFill = false;
    // Single-record boxes: a text that is not digits is emptied with the screen's
    // digit message before the rule runs. Off for the few boxes that take any text.
    bool digitsCleared = true;
};

struct RuleResult {
    bool passed = true;
    std::string message;  // the failed step's message
    std::string text;     // the text as the rule leaves it (rewrites applied)
};

// Runs the steps in order up to the first that fails.
RuleResult RunRule(const FieldRule& rule, const std::string& text, const FieldReader& row);

// The first rule of the list for the field (compared in capitals); nullptr when none.
const FieldRule* FindRule(const std::vector<FieldRule>& rules, const std::string& field);

// The rule's digits test (rule::Digits); nullptr when it has none.
const RuleStep* DigitsStep(const FieldRule& rule);

// The messages most columns share.
inline constexpr const char* kNumericEntry = "numeric entry please";
inline constexpr const char* kNumericPositive = "numeric positive entry please";
inline constexpr const char* kPositive = "positive entry please";

namespace rule {

// The text is digits (leading blanks allowed).
RuleStep Digits(std::string message);
RuleStep InList(std::string codeList, std::string message);
// Limits on the number: digit strings of any length compare by value; another
// text by the number it reads as (0 when none).
RuleStep AtLeast(long n, std::string message);
RuleStep AtMost(long n, std::string message);
RuleStep Between(long low, long high, std::string message);
// A number not below 0. A text that is no number fails, rather than reading as 0.
RuleStep NotNegative(std::string message);
// Exactly n characters as typed, blanks included.
RuleStep Length(size_t n, std::string message);
// At least n characters once the blanks around are removed.
RuleStep TrimmedAtLeast(size_t n, std::string message);
RuleStep Test(std::function<bool(const std::string& text, const FieldReader& row)> passes,
              std::string message);
// Another field of the row holds a code of the list (a reason given only with
// the survey codes that call for one).
RuleStep FieldInList(std::string field, std::string codeList, std::string message);
RuleStep Rewrite(std::function<std::string(const std::string& text, const FieldReader& row)> rewrite);
// Puts zeros before the text, trimmed, up to width characters ("7" -> "007");
// an empty text becomes all zeros.
RuleStep ZeroPadded(size_t width);

// A code: blank passes; digits, else "numeric entry please"; then the code list.
FieldRule Code(std::string field, std::string codeList, std::string message);
// A yes (1) or no (2) answer: a code of "1,2,x", else "code 1 or 2 please".
FieldRule YesNo(std::string field);
// A two-digit code: blank passes; digits, else "numeric entry please"; then
// exactly two characters as typed ("9" is refused, "09" is not), else
// lengthMessage; then the code list, else message.
FieldRule TwoDigitCode(std::string field, std::string codeList, std::string lengthMessage,
                       std::string message);
// Digits of any value, or blank.
FieldRule AnyDigits(std::string field, std::string message = kNumericEntry);
// A serial number or count that must be given: digits, else "numeric positive
// entry please" (an empty text included); then at least 1, else "positive entry please".
FieldRule Positive(std::string field, bool zeroFill = false);

// Block 3 columns 1 and 3 to 8, alike on both household schedules: the member's
// serial number, relation to head, gender, age, marital status, education and
// usual principal activity status.
std::vector<FieldRule> Block3Members();

// Blocks 1 and 2 of a household, alike on both detailed schedules: the SU's
// sub-division (three digits), the informant's serial number (two), the response
// and survey codes, the reason for a substitution or casualty, then block 2.
std::vector<FieldRule> HouseholdIdentification();

// Block 2 of the blocks 1-2 screens, the same on the listing and on a household
// of either schedule: the three investigator codes, the dates of survey (DOS) and
// of despatch (DOD), and the four remark codes.
std::vector<FieldRule> Block2();

}  // namespace rule
}  // namespace r78
