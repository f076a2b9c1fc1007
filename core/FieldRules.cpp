#include "core/FieldRules.h"

#include "core/Text.h"
#include "core/Values.h"

namespace r78 {

namespace {

double NumberOf(const std::string& text) {
    return IsAllDigits(text) ? static_cast<double>(DigitValue(text)) : ToDouble(text);
}

}  // namespace

RuleResult RunRule(const FieldRule& rule, const std::string& text, const FieldReader& row) {
    RuleResult result{true, "", text};
    if (rule.blankPasses && text.empty()) return result;
    for (const RuleStep& step : rule.steps) {
        if (step.rewrite) {
            result.text = step.rewrite(result.text, row);
            continue;
        }
        if (!step.passes(result.text, row)) {
            result.passed = false;
            result.message = step.message;
            return result;
        }
    }
    return result;
}

const FieldRule* FindRule(const std::vector<FieldRule>& rules, const std::string& field) {
    for (const FieldRule& r : rules)
        if (text::EqualsNoCase(r.field, field)) return &r;
    return nullptr;
}

const RuleStep* DigitsStep(const FieldRule& rule) {
    for (const RuleStep& step : rule.steps)
        if (step.digits) return &step;
    return nullptr;
}

namespace rule {

RuleStep Test(std::function<bool(const std::string&, const FieldReader&)> passes, std::string message) {
    return {std::move(passes), std::move(message), nullptr};
}

RuleStep Rewrite(std::function<std::string(const std::string&, const FieldReader&)> rewrite) {
    return {nullptr, "", std::move(rewrite)};
}

RuleStep FieldInList(std::string field, std::string codeList, std::string message) {
    return Test([field = std::move(field), list = std::move(codeList)](
                    const std::string&, const FieldReader& row) { return InCodeList(row(field), list); },
                std::move(message));
}

RuleStep ZeroPadded(size_t width) {
    return Rewrite([width](const std::string& t, const FieldReader&) {
        const std::string trimmed = text::Trim(t);
        return trimmed.size() >= width ? trimmed : std::string(width - trimmed.size(), '0') + trimmed;
    });
}

RuleStep Digits(std::string message) {
    RuleStep step =
        Test([](const std::string& t, const FieldReader&) { return IsAllDigits(t); }, std::move(message));
    step.digits = true;
    return step;
}

RuleStep InList(std::string codeList, std::string message) {
    return Test([list = std::move(codeList)](const std::string& t,
                                             const FieldReader&) { return InCodeList(t, list); },
                std::move(message));
}

RuleStep AtLeast(long n, std::string message) {
    return Test([n](const std::string& t, const FieldReader&) { return NumberOf(t) >= n; },
                std::move(message));
}

RuleStep AtMost(long n, std::string message) {
    return Test([n](const std::string& t, const FieldReader&) { return NumberOf(t) <= n; },
                std::move(message));
}

RuleStep Between(long low, long high, std::string message) {
    return Test(
        [low, high](const std::string& t, const FieldReader&) {
            const double v = NumberOf(t);
            return v >= low && v <= high;
        },
        std::move(message));
}

RuleStep NotNegative(std::string message) {
    return Test([](const std::string& t,
                   const FieldReader&) { return IsAllDigits(t) || (IsNumeric(t) && ToDouble(t) >= 0); },
                std::move(message));
}

RuleStep Length(size_t n, std::string message) {
    return Test([n](const std::string& t, const FieldReader&) { return text::CharCount(t) == n; },
                std::move(message));
}

RuleStep TrimmedAtLeast(size_t n, std::string message) {
    return Test([n](const std::string& t, const FieldReader&) { return text::CharCount(text::Trim(t)) >= n; },
                std::move(message));
}

FieldRule Code(std::string field, std::string codeList, std::string message) {
    return {std::move(field), true, {Digits(kNumericEntry), InList(std::move(codeList), std::move(message))}};
}

FieldRule YesNo(std::string field) { return Code(std::move(field), "1,2,x", "code 1 or 2 please"); }

FieldRule TwoDigitCode(std::string field, std::string codeList, std::string lengthMessage,
                       std::string message) {
    return {std::move(field),
            true,
            {Digits(kNumericEntry), Length(2, std::move(lengthMessage)),
             InList(std::move(codeList), std::move(message))}};
}

FieldRule AnyDigits(std::string field, std::string message) {
    return {std::move(field), true, {Digits(std::move(message))}};
}

FieldRule Positive(std::string field, bool zeroFill) {
    FieldRule r{std::move(field), false, {Digits(kNumericPositive), AtLeast(1, kPositive)}};
    r.zeroFill = zeroFill;
    return r;
}

std::vector<FieldRule> Block3Members() {
    const char* education = "Highest edu 01 to 08 and 10 to 14 please";
    return {
        Positive("SLNO", true),
        {"B3C3", true, {Digits(kNumericEntry), Between(1, 9, "relationship code 1 to 9 please")}},
        Code("B3C4", "1..3,x", "gender code 1, 2 or 3 please"),
        {"B3C5", true, {Digits(kNumericEntry), AtMost(110, "age > 110! recheck pl")}},
        Code("B3C6", "1..4,x", "marital status code 1 to 4 please"),
        // A single digit is refused although its number is in the list: the code has two.
        {"B3C7",
         true,
         {Digits(kNumericEntry), InList("1..8,10..14,x", education), TrimmedAtLeast(2, education)}},
        Code("B3C8", "11,12,21,31,41,51,81,91..95,97,x",
             "usual principal activity status code 11,12,21,31,41,51,81,91 to 95 or 97 please"),
    };
}

std::vector<FieldRule> HouseholdIdentification() {
    std::vector<FieldRule> rules = {
        // None keyed is "000".
        {"SU", false, {ZeroPadded(3)}},
        // Kept in two digits, as block 3 keeps the members' serial numbers.
        {"INFSLN",
         true,
         {Rewrite([](const std::string& t, const FieldReader&) {
              return InCodeList(t, "01..09,x") && text::Trim(t).size() == 1 ? "0" + text::Trim(t) : t;
          }),
          InList("01..99,x", "informant srl no. should be 01 to 99")}},
        {"RC", true, {InList("1,2,3,4,9,x", "Response Code should be 1 to 4 or 9")}},
        // Surveyed (1), substituted and surveyed (2) or casualty (3); an empty code reads as 0.
        {"SVC", false, {Between(1, 3, "survey code invalid")}},
        // Only a substituted or casualty household has a reason.
        {"RES_SUBST",
         true,
         {FieldInList("SVC", "2,3,x", "subst/casualty Code should be only when survey code is 2 or 3"),
          InList("1,2,3,9,x", "subst/casualty Code should be 1,2,3 or 9")}},
    };
    for (FieldRule& r : Block2()) rules.push_back(std::move(r));
    return rules;
}

std::vector<FieldRule> Block2() {
    // The survey ran through the calendar year 2020.
    const long first = DayNumber(0, "010120"), last = DayNumber(0, "311220");
    auto investigator = [](std::string field) {
        const char* message = "Investigator Code should be 4 digited ";
        return FieldRule{std::move(field), true, {Digits(message), Length(4, message)}};
    };
    auto isDate =
        Test([](const std::string& t, const FieldReader&) { return DayNumber(0, t) != 0; }, "Invalid Date");
    auto remark = [](std::string field) {
        return FieldRule{std::move(field), true, {InList("1,2,x", "remark code should be 1 or 2")}};
    };
    return {
        investigator("EMPCODE1"),
        investigator("EMPCODE2"),
        investigator("EMPCODE3"),
        {"DOS",
         true,
         {isDate, Test(
                      [first, last](const std::string& t, const FieldReader&) {
                          const long d = DayNumber(0, t);
                          return d >= first && d <= last;
                      },
                      "Date beyond survey period")}},
        {"DOD",
         true,
         {isDate, Test(
                      [first](const std::string& t, const FieldReader& row) {
                          const long d = DayNumber(0, t);
                          return d >= DayNumber(0, row("DOS")) && d >= first;
                      },
                      "Date of despatch is earlier than date of survey")}},
        remark("REM1"),
        remark("REM2"),
        remark("REM3"),
        remark("REM4"),
    };
}

}  // namespace rule
}  // namespace r78
