#include <gtest/gtest.h>

#include <map>

#include "core/FieldRules.h"
#include "core/Values.h"

namespace r78 {
namespace {

struct RuleCase {
    const char* name;
    const char* field;
    const char* text;
    const char* message;           // "" when the text is accepted
    const char* stored = nullptr;  // the text as the rule leaves it, when it changes
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.field << " \"" << c.text << "\""; }

// The rule sets shared by several screens, each row a fault it would catch.
class SharedRulesTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(SharedRulesTest, AcceptsOrRefusesWithItsMessage) {
    const RuleCase& c = GetParam();
    std::vector<FieldRule> rules = rule::Block3Members();
    for (FieldRule& r : rule::Block2()) rules.push_back(std::move(r));
    const FieldRule* r = FindRule(rules, c.field);
    ASSERT_NE(r, nullptr);
    const std::map<std::string, std::string> row{{"DOS", "150620"}};
    const RuleResult result = RunRule(*r, c.text, [&](const std::string& f) {
        auto it = row.find(f);
        return it == row.end() ? std::string() : it->second;
    });
    EXPECT_EQ(result.passed, std::string(c.message).empty());
    EXPECT_EQ(result.message, c.message);
    EXPECT_EQ(result.text, c.stored ? c.stored : c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, SharedRulesTest,
    ::testing::Values(
        RuleCase{"SerialEmpty", "SLNO", "", "numeric positive entry please"},
        RuleCase{"SerialBlanks", "SLNO", "  ", "numeric positive entry please"},
        RuleCase{"SerialZero", "SLNO", "00", "positive entry please"},
        RuleCase{"SerialOverlong", "SLNO", "999999999999999999999999", ""},
        RuleCase{"RelationTen", "b3c3", "10", "relationship code 1 to 9 please"},
        RuleCase{"RelationBlankPasses", "B3C3", "", ""},
        RuleCase{"RelationLetter", "B3C3", "a", "numeric entry please"},
        RuleCase{"GenderFour", "B3C4", "4", "gender code 1, 2 or 3 please"},
        RuleCase{"Age110", "B3C5", "110", ""}, RuleCase{"Age111", "B3C5", "111", "age > 110! recheck pl"},
        RuleCase{"AgeOverlong", "B3C5", "123456789012", "age > 110! recheck pl"},
        RuleCase{"EducationOneDigit", "B3C7", "1", "Highest edu 01 to 08 and 10 to 14 please"},
        RuleCase{"EducationNine", "B3C7", "09", "Highest edu 01 to 08 and 10 to 14 please"},
        RuleCase{"Education14", "B3C7", "14", ""}, RuleCase{"Activity97", "B3C8", "97", ""},
        RuleCase{"Activity96", "B3C8", "96",
                 "usual principal activity status code 11,12,21,31,41,51,81,91 to 95 or 97 please"},
        RuleCase{"InvestigatorThreeDigits", "EMPCODE2", "123", "Investigator Code should be 4 digited "},
        RuleCase{"InvestigatorFour", "empcode1", "1234", ""},
        RuleCase{"SurveyDateInvalid", "DOS", "310220", "Invalid Date"},
        RuleCase{"SurveyDate2019", "DOS", "311219", "Date beyond survey period"},
        RuleCase{"DespatchBeforeSurvey", "DOD", "140620", "Date of despatch is earlier than date of survey"},
        RuleCase{"DespatchSameDay", "DOD", "150620", ""},
        RuleCase{"RemarkThree", "REM4", "3", "remark code should be 1 or 2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldRulesTest, RewriteStepsChangeTheTextAndTheFirstFailingStepSpeaks) {
    const FieldRule padded{"SU",
                           false,
                           {rule::Rewrite([](const std::string& t, const FieldReader&) { return "00" + t; }),
                            rule::AtMost(5, "too many"), rule::Length(3, "three please")}};
    const auto none = [](const std::string&) { return std::string(); };
    EXPECT_EQ(RunRule(padded, "4", none).text, "004");
    EXPECT_EQ(RunRule(padded, "9", none).message, "too many");
    EXPECT_EQ(RunRule(padded, "", none).message, "three please");
}

// A rule's digits test is known as such, and speaks for a text that is not digits.
TEST(FieldRulesTest, TheDigitsStepOfARuleIsFoundWithItsMessage) {
    const FieldRule investigator = rule::Block2()[0];
    ASSERT_NE(DigitsStep(investigator), nullptr);
    EXPECT_EQ(DigitsStep(investigator)->message, "Investigator Code should be 4 digited ");
    EXPECT_EQ(DigitsStep(rule::YesNo("B6I1"))->message, kNumericEntry);
    EXPECT_EQ(DigitsStep(FieldRule{"B8I3", true, {rule::InList("1,2,x", "code 1 or 2 please")}}), nullptr);
    EXPECT_EQ(DigitsStep(FieldRule{"B6I22", true, {rule::NotNegative(kNumericEntry)}}), nullptr);
}

TEST(FieldRulesTest, DigitValueNeverReadsAnOverlongStringAsZero) {
    EXPECT_EQ(DigitValue(" 0042"), 42);
    EXPECT_EQ(DigitValue("99999999999999999999999"), std::numeric_limits<long>::max());
    EXPECT_EQ(DigitValue("12a"), 0);
}

}  // namespace
}  // namespace r78
