#include "core/Values.h"

#include <gtest/gtest.h>

#include <climits>
#include <locale>
#include <ostream>
#include <string>

#include "tests/support/ScriptedMessages.h"

namespace r78 {
namespace {

// ---------------------------------------------------------------------------
// IsAllDigits

struct DigitsCase {
    const char* text;
    bool expected;
};
std::ostream& operator<<(std::ostream& os, const DigitsCase& c) {
    return os << '"' << c.text << "\" -> " << std::boolalpha << c.expected;
}

class IsAllDigitsTest : public ::testing::TestWithParam<DigitsCase> {};

TEST_P(IsAllDigitsTest, DecidesAsTheFieldChecksExpect) {
    EXPECT_EQ(IsAllDigits(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Edges, IsAllDigitsTest,
                         ::testing::Values(DigitsCase{"", false}, DigitsCase{"   ", false},
                                           DigitsCase{" 12", true},  // a blank before the number is allowed
                                           DigitsCase{"   7", true}, DigitsCase{"12 ", false},
                                           DigitsCase{"1 2", false}, DigitsCase{"1.5", false},
                                           DigitsCase{"-3", false}, DigitsCase{"+3", false},
                                           DigitsCase{"007", true}, DigitsCase{"0", true},
                                           DigitsCase{"12a", false}, DigitsCase{"a12", false},
                                           DigitsCase{"1e5", false},
                                           // a tab is not a blank
                                           DigitsCase{"\t12", false}, DigitsCase{"12\n", false},
                                           // digits of other scripts are not the survey's digits
                                           DigitsCase{"\xEF\xBC\x91", false},  // full-width 1
                                           DigitsCase{"\xD9\xA3", false},      // Arabic-Indic 3
                                           DigitsCase{"123456789012345678901234567890", true}));

// ---------------------------------------------------------------------------
// InCodeList

struct CodeCase {
    const char* value;
    const char* list;
    bool expected;
};
std::ostream& operator<<(std::ostream& os, const CodeCase& c) {
    return os << '"' << c.value << "\" in \"" << c.list << "\" -> " << std::boolalpha << c.expected;
}

class InCodeListTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(InCodeListTest, AcceptsExactlyTheListedCodes) {
    EXPECT_EQ(InCodeList(GetParam().value, GetParam().list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(RangeEnds, InCodeListTest,
                         ::testing::Values(CodeCase{"", "1..7,x", false}, CodeCase{"   ", "1..7,x", false},
                                           CodeCase{"0", "1..7,x", false}, CodeCase{"1", "1..7,x", true},
                                           CodeCase{"4", "1..7,x", true}, CodeCase{"7", "1..7,x", true},
                                           CodeCase{"8", "1..7,x", false}, CodeCase{" 5", "1..7,x", true},
                                           CodeCase{"5 ", "1..7,x", false},
                                           // a range written backwards holds nothing
                                           CodeCase{"4", "5..3,x", false}, CodeCase{"5", "5..3,x", false}));

INSTANTIATE_TEST_SUITE_P(
    SurveyLists, InCodeListTest,
    ::testing::Values(CodeCase{"8", "1..7,9,x", false}, CodeCase{"9", "1..7,9,x", true},
                      CodeCase{"10", "1..7,9,x", false}, CodeCase{"12", "1..8,10..13,x", true},
                      CodeCase{"9", "1..8,10..13,x", false}, CodeCase{"10", "1..8,10..13,x", true},
                      CodeCase{"13", "1..8,10..13,x", true}, CodeCase{"14", "1..8,10..13,x", false},
                      CodeCase{"93", "11,12,21,31,41,51,81,91..95,97,x", true},
                      CodeCase{"96", "11,12,21,31,41,51,81,91..95,97,x", false},
                      CodeCase{"97", "11,12,21,31,41,51,81,91..95,97,x", true},
                      CodeCase{"82", "11,12,21,31,41,51,81,91..95,97,x", false},
                      CodeCase{"38", "1..37,41..55,99,x", false}, CodeCase{"41", "1..37,41..55,99,x", true},
                      CodeCase{"55", "1..37,41..55,99,x", true}, CodeCase{"56", "1..37,41..55,99,x", false},
                      CodeCase{"99", "1..37,41..55,99,x", true}, CodeCase{"99", "99,x", true},
                      CodeCase{"98", "99,x", false}, CodeCase{"100", "99,x", false}));

// Codes are numbers: leading zeros count for nothing on either side.
INSTANTIATE_TEST_SUITE_P(LeadingZeros, InCodeListTest,
                         ::testing::Values(CodeCase{"007", "01..09,x", true}, CodeCase{"7", "01..09,x", true},
                                           CodeCase{"09", "01..09,x", true},
                                           CodeCase{"00", "01..09,x", false},
                                           CodeCase{"10", "01..09,x", false}, CodeCase{"099", "99,x", true},
                                           CodeCase{"000", "0,x", true}, CodeCase{"", "0,x", false},
                                           CodeCase{"  ", "0,x", false}));

// Only an all-digit value is a code, whatever number it would convert to.
INSTANTIATE_TEST_SUITE_P(NotDigits, InCodeListTest,
                         ::testing::Values(CodeCase{"-1", "0..9,x", false}, CodeCase{"+1", "0..9,x", false},
                                           CodeCase{"1.0", "1,x", false}, CodeCase{"\t1", "1,x", false},
                                           CodeCase{"1a", "1,x", false},
                                           // too big for a Long: refused, not an overflow
                                           CodeCase{"2147483648", "0..9,x", false},
                                           CodeCase{"99999999999", "1..7,x", false},
                                           CodeCase{"99999999999999999999999", "0..99,x", false}));

// The list ends at its first "x"; a list that never ends accepts nothing.
INSTANTIATE_TEST_SUITE_P(ListEnd, InCodeListTest,
                         ::testing::Values(CodeCase{"0", "x", false}, CodeCase{"1", "x", false},
                                           CodeCase{"5", "1,x,5", false}, CodeCase{"1", "1,x,5", true},
                                           CodeCase{"3", "1..7", false}, CodeCase{"1", "1,2", false},
                                           CodeCase{"0", "", false}, CodeCase{"3", "1..7,X", false},
                                           CodeCase{"9", "1..7,x,9,x", false}));

// ---------------------------------------------------------------------------
// ToLong and ToLong2 (one contract), ToByte, ToDouble

struct LongCase {
    const char* text;
    long expected;
};
std::ostream& operator<<(std::ostream& os, const LongCase& c) {
    return os << '"' << c.text << "\" -> " << c.expected;
}

class ToLongTest : public ::testing::TestWithParam<LongCase> {};

TEST_P(ToLongTest, ToLong) { EXPECT_EQ(ToLong(GetParam().text), GetParam().expected); }
TEST_P(ToLongTest, ToLong2) { EXPECT_EQ(ToLong2(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Numbers, ToLongTest,
                         ::testing::Values(LongCase{"", 0}, LongCase{"        ", 0}, LongCase{" 42 ", 42},
                                           LongCase{"0042", 42}, LongCase{"-17", -17}, LongCase{"+5", 5},
                                           LongCase{"0", 0}, LongCase{"2147483647", INT_MAX},
                                           LongCase{"-2147483648", INT_MIN}));

// A half goes to the even neighbour, in both directions and at the range's ends.
INSTANTIATE_TEST_SUITE_P(Rounding, ToLongTest,
                         ::testing::Values(LongCase{"0.5", 0}, LongCase{".5", 0}, LongCase{"1.5", 2},
                                           LongCase{"2.5", 2}, LongCase{"3.5", 4}, LongCase{"-1.5", -2},
                                           LongCase{"-2.5", -2}, LongCase{"2.4999", 2}, LongCase{"2.5001", 3},
                                           LongCase{"2147483647.4", INT_MAX},
                                           LongCase{"-2147483648.5", INT_MIN}));

// Texts that are not numbers, or numbers that do not fit, give 0.
INSTANTIATE_TEST_SUITE_P(NotANumber, ToLongTest,
                         ::testing::Values(LongCase{"abc", 0}, LongCase{"12a", 0}, LongCase{"1.2.3", 0},
                                           LongCase{"1,000", 0}, LongCase{".", 0}, LongCase{"-", 0},
                                           LongCase{"--5", 0}, LongCase{"\t5", 0}, LongCase{"5\t", 0},
                                           LongCase{"2147483648", 0}, LongCase{"-2147483649", 0},
                                           LongCase{"2147483647.5", 0}, LongCase{"99999999999999999999", 0},
                                           LongCase{"nan", 0}, LongCase{"inf", 0}, LongCase{"0x1A", 0}));

class ToByteTest : public ::testing::TestWithParam<LongCase> {};

TEST_P(ToByteTest, ByteOrZero) { EXPECT_EQ(ToByte(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Edges, ToByteTest,
                         ::testing::Values(LongCase{"", 0}, LongCase{"  ", 0}, LongCase{"0", 0},
                                           LongCase{" 7 ", 7}, LongCase{"08", 8}, LongCase{"255", 255},
                                           LongCase{"256", 0}, LongCase{"-1", 0}, LongCase{"1.5", 2},
                                           LongCase{"2.5", 2}, LongCase{"254.5", 254}, LongCase{"255.4", 255},
                                           LongCase{"255.5", 0}, LongCase{"-0.4", 0}, LongCase{"x", 0},
                                           LongCase{"99999999999999", 0}));

struct DoubleCase {
    const char* text;
    double expected;
};
std::ostream& operator<<(std::ostream& os, const DoubleCase& c) {
    return os << '"' << c.text << "\" -> " << c.expected;
}

class ToDoubleTest : public ::testing::TestWithParam<DoubleCase> {};

// Exact equality: "Go to Blk" compares the converted block number exactly.
TEST_P(ToDoubleTest, ExactValue) { EXPECT_EQ(ToDouble(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Edges, ToDoubleTest,
                         ::testing::Values(DoubleCase{"", 0}, DoubleCase{"   ", 0}, DoubleCase{"4", 4},
                                           DoubleCase{"5.1", 5.1}, DoubleCase{"5.10", 5.1},
                                           DoubleCase{" 6.2 ", 6.2}, DoubleCase{"-0.25", -0.25},
                                           DoubleCase{"0042.50", 42.5}, DoubleCase{"abc", 0},
                                           DoubleCase{"1.2.3", 0}, DoubleCase{"1,5", 0}, DoubleCase{"\t5", 0},
                                           DoubleCase{"5 1", 0}, DoubleCase{"inf", 0}, DoubleCase{"nan", 0},
                                           DoubleCase{"1e999", 0}));

// A decimal comma where the operator's locale writes one must not change how a
// keyed "5.10" reads.
TEST(ToDoubleLocale, PointIsTheDecimalPointWhateverTheLocale) {
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const double point = ToDouble("5.10");
    const double comma = ToDouble("5,10");
    const long rounded = ToLong("2.5");
    std::locale::global(previous);
    EXPECT_EQ(point, 5.1);
    EXPECT_EQ(comma, 0);
    EXPECT_EQ(rounded, 2);
}

// ---------------------------------------------------------------------------
// ErrBeep

TEST(ErrBeep, ShowsTheMessageOnceAsAnError) {
    test::ScriptedMessages messages;
    ErrBeep(messages, "  Invalid Code  ");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, "error");
    EXPECT_EQ(messages.shown[0].text, "  Invalid Code  ");
}

// ---------------------------------------------------------------------------
// DayNumber

struct DayCase {
    const char* text;
    long expected;
};
std::ostream& operator<<(std::ostream& os, const DayCase& c) {
    return os << '"' << c.text << "\" -> " << c.expected;
}

class DayNumberTest : public ::testing::TestWithParam<DayCase> {};

TEST_P(DayNumberTest, DayNumberOrZero) { EXPECT_EQ(DayNumber(1, GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(ValidDates, DayNumberTest,
                         ::testing::Values(DayCase{"010119", 6571}, DayCase{"280219", 6629},
                                           DayCase{"010319", 6630}, DayCase{"311219", 6935},
                                           DayCase{"010120", 6936}, DayCase{"290220", 6995},
                                           DayCase{"010320", 6996}, DayCase{"300420", 7056},
                                           DayCase{"311220", 7301},
                                           // a blank in place of the day's first digit reads as a zero
                                           DayCase{" 10120", 6936}));

INSTANTIATE_TEST_SUITE_P(InvalidDates, DayNumberTest,
                         ::testing::Values(DayCase{"290219", 0}, DayCase{"300220", 0}, DayCase{"310420", 0},
                                           DayCase{"320120", 0}, DayCase{"000120", 0}, DayCase{"011320", 0},
                                           DayCase{"010020", 0}, DayCase{"010121", 0}, DayCase{"311218", 0},
                                           DayCase{"010100", 0}));

INSTANTIATE_TEST_SUITE_P(NotADateText, DayNumberTest,
                         ::testing::Values(DayCase{"", 0}, DayCase{"      ", 0}, DayCase{"01012", 0},
                                           DayCase{"0101200", 0}, DayCase{"010120 ", 0}, DayCase{"01a120", 0},
                                           DayCase{"01 120", 0}, DayCase{"  0120", 0}, DayCase{"\t10120", 0},
                                           DayCase{"-10120", 0}, DayCase{"+10120", 0}, DayCase{"1.0120", 0}));

TEST(DayNumberCalendar, TheModeChangesNothing) {
    for (int mode : {0, 1, 2, -1}) EXPECT_EQ(DayNumber(mode, "010120"), 6936) << "mode " << mode;
}

// Every real date of 2019 and 2020 is valid and follows the day before it by
// exactly one; no other ddmmyy text of those years or the years around them is valid.
TEST(DayNumberCalendar, CountsEveryRealDayOnce) {
    auto two = [](int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); };
    const int realLengths[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
    long previous = 6570;
    int valid = 0;
    for (int yy = 18; yy <= 21; ++yy)
        for (int mm = 0; mm <= 13; ++mm)
            for (int dd = 0; dd <= 32; ++dd) {
                const std::string text = two(dd) + two(mm) + two(yy);
                const long day = DayNumber(1, text);
                const bool real = (yy == 19 || yy == 20) && mm >= 1 && mm <= 12 && dd >= 1 &&
                                  dd <= realLengths[yy - 19][mm - 1];
                if (!real) {
                    EXPECT_EQ(day, 0) << text;
                    continue;
                }
                EXPECT_EQ(day, previous + 1) << text;
                previous = day;
                ++valid;
            }
    EXPECT_EQ(valid, 365 + 366);
    EXPECT_EQ(previous, 7301);
}

// ---------------------------------------------------------------------------
// SubDivisionCount

struct AreaCase {
    const char* sector;
    const char* stateRegion;
    const char* district;
    bool special;
};
std::ostream& operator<<(std::ostream& os, const AreaCase& c) {
    return os << "sector " << c.sector << ", state-region " << c.stateRegion << ", district " << c.district
              << (c.special ? ": special" : ": ordinary");
}

class SubDivisionAreaTest : public ::testing::TestWithParam<AreaCase> {};

// A population of 900 needs two sub-divisions in a special area and one elsewhere.
TEST_P(SubDivisionAreaTest, SpecialAreaDividesEarlier) {
    const AreaCase& c = GetParam();
    EXPECT_EQ(SubDivisionCount(c.sector, c.stateRegion, c.district, "900"), c.special ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(States, SubDivisionAreaTest,
                         ::testing::Values(
                             // state 05: every district but 05, 11, 12 and 13
                             AreaCase{"1", "051", "05", false}, AreaCase{"1", "051", "11", false},
                             AreaCase{"1", "051", "12", false}, AreaCase{"1", "051", "13", false},
                             AreaCase{"1", "051", "06", true}, AreaCase{"1", "051", "01", true},
                             AreaCase{"1", "051", "14", true},
                             // states 02, 11 and 35: every district
                             AreaCase{"1", "021", "01", true}, AreaCase{"1", "111", "01", true},
                             AreaCase{"1", "112", "99", true}, AreaCase{"1", "351", "07", true},
                             // state 01: districts 3 to 6 and 16 to 20
                             AreaCase{"1", "011", "02", false}, AreaCase{"1", "011", "03", true},
                             AreaCase{"1", "011", "06", true}, AreaCase{"1", "011", "07", false},
                             AreaCase{"1", "011", "15", false}, AreaCase{"1", "011", "16", true},
                             AreaCase{"1", "011", "20", true}, AreaCase{"1", "011", "21", false},
                             // state 32: district 9 only
                             AreaCase{"1", "321", "09", true}, AreaCase{"1", "321", "08", false},
                             AreaCase{"1", "321", "10", false},
                             // other states, and sector 2 anywhere
                             AreaCase{"1", "031", "03", false}, AreaCase{"1", "121", "01", false},
                             AreaCase{"2", "111", "01", false}, AreaCase{"2", "021", "05", false},
                             AreaCase{"2", "011", "03", false}, AreaCase{"2", "321", "09", false},
                             AreaCase{"", "111", "01", false}));

struct PopulationCase {
    const char* population;
    int special;
    int ordinary;
};
std::ostream& operator<<(std::ostream& os, const PopulationCase& c) {
    return os << "population \"" << c.population << "\" -> " << c.special << " / " << c.ordinary;
}

class SubDivisionPopulationTest : public ::testing::TestWithParam<PopulationCase> {};

TEST_P(SubDivisionPopulationTest, InASpecialArea) {
    EXPECT_EQ(SubDivisionCount("1", "111", "01", GetParam().population), GetParam().special);
}
TEST_P(SubDivisionPopulationTest, Elsewhere) {
    EXPECT_EQ(SubDivisionCount("2", "111", "01", GetParam().population), GetParam().ordinary);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, SubDivisionPopulationTest,
                         ::testing::Values(PopulationCase{"", 0, 0}, PopulationCase{"0", 1, 1},
                                           PopulationCase{"899", 1, 1}, PopulationCase{"900", 2, 1},
                                           PopulationCase{"1199", 2, 1}, PopulationCase{"1200", 3, 1},
                                           PopulationCase{"1799", 3, 1}, PopulationCase{"1800", 4, 2},
                                           PopulationCase{"2399", 4, 2}, PopulationCase{"2400", 5, 3},
                                           PopulationCase{"3599", 6, 3}, PopulationCase{"3600", 7, 4},
                                           PopulationCase{"4799", 8, 4}, PopulationCase{"4800", 9, 5},
                                           PopulationCase{" 1200 ", 3, 1}));

// ---------------------------------------------------------------------------
// ColStep

struct StepCase {
    int formIndex;
    const char* value;
    long column;
    int expected;
};
std::ostream& operator<<(std::ostream& os, const StepCase& c) {
    return os << "screen " << c.formIndex << ", \"" << c.value << "\" in column " << c.column << " -> "
              << c.expected;
}

class ColStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(ColStepTest, SkipsAfterSerial99OnTripScreensOnly) {
    const StepCase& c = GetParam();
    EXPECT_EQ(ColStep(c.formIndex, c.value, c.column), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Edges, ColStepTest,
                         ::testing::Values(StepCase{7, "99", 5, 2}, StepCase{7, "099", 5, 2},
                                           StepCase{7, " 99", 5, 2}, StepCase{8, "99", 5, 2},
                                           StepCase{7, "98", 5, 1}, StepCase{7, "", 5, 1},
                                           StepCase{7, "99 ", 5, 1}, StepCase{7, "99", 4, 1},
                                           StepCase{7, "99", 6, 1}, StepCase{6, "99", 5, 1},
                                           StepCase{9, "99", 5, 1}, StepCase{20, "99", 5, 1},
                                           StepCase{0, "99", 5, 1}));

}  // namespace
}  // namespace r78
