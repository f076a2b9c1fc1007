#include "validation/checks_211.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/Loader.h"
#include "tests/support/FsuFile.h"
#include "validation/ValidationRun.h"

// The checks of Schedule 21.1 on FSU files: each case writes a household whose
// rows break one rule (or none) and names the val_error rows it must give, as
// "blk|item|col|msg1|msg2|msgtype".
namespace r78 {
namespace {

using Cells = std::vector<std::pair<std::string, std::string>>;
using Lines = std::vector<std::string>;
using Check = std::function<void(SharedState&, int)>;

// The base cells with the changes applied: a named cell takes the new value, a new name is added.
Cells With(Cells base, const Cells& changes) {
    for (const auto& [name, value] : changes) {
        bool found = false;
        for (auto& cell : base)
            if (cell.first == name) {
                cell.second = value;
                found = true;
            }
        if (!found) base.emplace_back(name, value);
    }
    return base;
}

// Clean rows of each block. Cells named C<n> or I<n> are the block's columns and
// items, prefixed by the table's own letters when written ("C5" of block 5.1 is B51C5).
Cells Block1Row() {
    return {{"SVC", "1"},  {"INFSLN", "01"}, {"DOS", "150320"}, {"DOD", "200320"},
            {"REM1", "1"}, {"REM2", "2"},    {"REM3", "1"},     {"REM4", "2"}};
}

Cells Block4Row() {
    return {{"I1", "3"},  {"I2", "111"},   {"I3", "01111"}, {"I4", "1"},
            {"I5", "1"},  {"I6", "9"},     {"I8", "1000"},  {"I9", "200"},
            {"I10", "0"}, {"I11", "1200"}, {"I12", "2400"}, {"I13", "1500"}};
}

Cells Member(const std::string& slno, const std::string& age) {
    return {{"SLNO", slno}, {"C3", "1"}, {"C4", "1"}, {"C5", age}, {"C6", "2"}, {"C7", "05"}, {"C8", "11"}};
}

// A member's row of a trip of block 5.1 or 5.2; lead is the leading purpose
// (2 is one of block 5.1's codes, 1 one of block 5.2's).
Cells TripMember(const std::string& slno, const std::string& member, const std::string& age,
                 const std::string& type = "1", const std::string& lead = "2") {
    return {{"SLNO", slno}, {"C2", "2"},  {"C3", member}, {"C4", age},  {"C5", "1"},
            {"C6", type},   {"C7", "01"}, {"C9", "1"},    {"C11", "3"}, {"C12", lead},
            {"C13", "05"},  {"C14", "3"}, {"C15", "09"}};
}

Cells TripTotal(const std::string& trips) { return {{"SLNO", "99"}, {"C3", trips}}; }

// Expenditure of one trip of block 6.1 or 6.2 whose totals agree with their parts.
Cells Expenditure(const std::string& slno, const std::string& type = "1") {
    Cells c{{"SLNO", slno}, {"I2", type}, {"I3", "500"}};
    for (const char* i : {"I31", "I32", "I33", "I34"}) c.emplace_back(i, "1");
    for (const char* i : {"I41", "I42", "I43", "I44", "I45", "I46"}) c.emplace_back(i, "100");
    for (const char* i : {"I61", "I62", "I63", "I64", "I65", "I66", "I67", "I68"}) c.emplace_back(i, "10");
    for (const char* i : {"I701", "I702", "I703", "I704", "I705", "I706", "I707", "I708", "I710", "I711"})
        c.emplace_back(i, "5");
    for (const char* i : {"I81", "I82", "I83", "I84", "I851", "I852", "I853"}) c.emplace_back(i, "10");
    for (const char* i : {"I161", "I162", "I163", "I164", "I165"}) c.emplace_back(i, "2");
    return With(c, {{"I40", "600"},
                    {"I51", "50"},
                    {"I52", "50"},
                    {"I50", "100"},
                    {"I60", "80"},
                    {"I700", "50"},
                    {"I850", "30"},
                    {"I80", "70"},
                    {"I9", "0"},
                    {"I10", "900"},
                    {"I11", "1400"},
                    {"I12", "1"},
                    {"I13", "200"},
                    {"I14", "1"},
                    {"I15", "300"}});
}

Cells SameDayTrip(const std::string& slno) {
    Cells c{{"SLNO", slno}, {"C2", "2"}, {"C3", "2"}, {"C4", "100"}};
    for (int n = 5; n <= 11; ++n) c.emplace_back("C" + std::to_string(n), "10");
    return With(c, {{"C12", "70"},
                    {"C13", "170"},
                    {"C14", "2"},
                    {"C15", "2"},
                    {"C16", "2"},
                    {"C17", "2"},
                    {"C22", "2"}});
}

Cells SpecialTrip(const std::string& slno) {
    return {{"SLNO", slno}, {"C2", "1"}, {"C3", "1"}, {"C4", "5000"}, {"C5", "200"},
            {"C6", "2"},    {"C7", "2"}, {"C8", "2"}, {"C9", "2"},    {"C14", "2"}};
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

class Schedule211Test : public ::testing::Test {
protected:
    Schedule211Test() {
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        f.s.FsuSector = "1";
        // Code lists in the form the block-4 rules look up; entries past the searched
        // ranges (117, 1303) must not count, and the lists are shorter than the ranges.
        f.s.NcoList.Clear();
        f.s.NcoList.Set(1, "A111");
        f.s.NcoList.Set(2, "A512");
        f.s.NcoList.Set(117, "A921");
        f.s.NicList.Clear();
        f.s.NicList.Set(1, "A01111");
        f.s.NicList.Set(2, "A10101");
        f.s.NicList.Set(1303, "A47211");
    }

    // One row of a table of household 1/01; prefix turns C<n> and I<n> into column names.
    void Put(const std::string& table, const std::string& prefix, const Cells& cells) {
        Cells row{{"FSUNO", "10001"}, {"SSS", "1"}, {"SSU", "01"}};
        for (const auto& [name, value] : cells) {
            const bool column = name.size() > 1 && (name[0] == 'C' || name[0] == 'I') &&
                                std::isdigit(static_cast<unsigned char>(name[1]));
            row.emplace_back(column ? prefix + name : name, value);
        }
        f.Insert(table, row);
    }

    void Sql(const std::string& statement) { f.s.FsuConn->Execute(statement); }

    // A block screen's "Validate Block": a run that keeps the flags, the block's
    // number, its table loaded, its check.
    Lines CheckBlock(int table, double blockNo, const Check& check) {
        ValidationRun run(f.s, ValidationRun::Kind::AsIs);
        f.s.ValBlockNo = blockNo;
        check(f.s, LoadTableData(f.s, table));
        EXPECT_TRUE(f.s.ValIsCritical);
        return f.ErrorLines();
    }

    // A block screen's "Validate HH".
    Lines CheckHousehold() {
        ValidationRun run(f.s, ValidationRun::Kind::AsIs);
        ValHH211(f.s);
        EXPECT_TRUE(f.s.ValIsCritical);
        EXPECT_EQ(f.s.ValBlockNo, 8);
        return f.ErrorLines();
    }

    // A household of survey code 1 whose every block is entered and agrees with the others.
    void CleanHousehold() {
        Put("S211L01", "", Block1Row());
        Put("S211L03", "B4", Block4Row());
        Put("S211L02", "B3", Member("01", "45"));
        Put("S211L02", "B3", Member("02", "40"));
        Put("S211L02", "B3", Member("03", "12"));
        Put("S211L04", "B51", TripMember("01", "01", "45"));
        Put("S211L04", "B51", TripMember("01", "02", "40"));
        Put("S211L04", "B51", TripMember("02", "03", "12", "2"));
        Put("S211L04", "B51", TripTotal("2"));
        Put("S211L05", "B52", TripMember("01", "01", "45", "1", "1"));
        Put("S211L05", "B52", TripTotal("1"));
        Put("S211L06", "B61", Expenditure("01"));
        Put("S211L06", "B61", Expenditure("02", "2"));
        Put("S211L07", "B62", Expenditure("01"));
        Put("S211L08", "B7", SameDayTrip("01"));
        Put("S211L09", "B8", SpecialTrip("01"));
    }

    test::FsuFile f{"10001", 1};
};

// A case of a block check: the changes to one row of the block's clean rows and the rows logged.
struct RowCase {
    std::string name;
    Cells changes;
    Lines expected;
    int row = 0;
    std::string sector = "1";
};
std::string CaseName(const ::testing::TestParamInfo<RowCase>& info) { return info.param.name; }
void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

// ---- Blocks 1 and 2 ----

class Block1Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block1Test, LogsTheBrokenRule) {
    Put("S211L01", "", With(Block1Row(), GetParam().changes));
    EXPECT_EQ(CheckBlock(4, 1, [](SharedState& s, int) { ValBlk211_1(s); }), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Block1Test,
    ::testing::Values(
        RowCase{"Clean", {}, {}},
        RowCase{"SurveyCodeEmpty", {{"SVC", ""}}, {"B 1|9||inconsistent survey code| |Crit"}},
        RowCase{"SurveyCode4", {{"SVC", "4"}}, {"B 1|9||inconsistent survey code| |Crit"}},
        RowCase{"Code1WithReason9",
                {{"RES_SUBST", "9"}},
                {"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"}},
        RowCase{"Code3WithoutReason",
                {{"SVC", "3"}},
                {"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"}},
        RowCase{"Code2WithoutReason",
                {{"SVC", "2"}},
                {"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"}},
        RowCase{"Code2WithReason1", {{"SVC", "2"}, {"RES_SUBST", "1"}}, {}},
        RowCase{
            "SurveyIn2019", {{"DOS", "150619"}}, {"B 2|2(i)|3|Date of survey beyond survey period||Warn"}},
        RowCase{"SurveyIn2021",
                {{"DOS", "150121"}, {"DOD", "200320"}},
                {"B 2|2(i)|3|Invalid Date of survey||Warn"}},
        RowCase{"DespatchDayBeforeSurvey",
                {{"DOD", "140320"}},
                {"B 2|2(iv)|4|Date of despatch < date of survey||Warn"}},
        RowCase{"DespatchOnSurveyDay", {{"DOD", "150320"}}, {}},
        RowCase{"DespatchInvalid", {{"DOD", "320320"}}, {"B 2|2(iv)|4|Invalid Date of Despatch||Warn"}},
        RowCase{
            "InvalidSurveyDespatchIn2020", {{"DOS", "001320"}}, {"B 2|2(i)|3|Invalid Date of survey||Warn"}},
        RowCase{"InvalidSurveyDespatchIn2019",
                {{"DOS", "001320"}, {"DOD", "311219"}},
                {"B 2|2(i)|3|Invalid Date of survey||Warn",
                 "B 2|2(iv)|4|Date of despatch < date of survey||Warn"}},
        RowCase{"Remarks",
                {{"REM1", "3"}, {"REM2", ""}, {"REM3", "0"}, {"REM4", " "}},
                {"B 2|6(i)|3|invalid code||Warn", "B 2|6(i)|4|invalid code||Warn",
                 "B 2|6(ii)|3|invalid code||Warn", "B 2|6(ii)|4|invalid code||Warn"}}),
    CaseName);

TEST_F(Schedule211Test, Block1AllEmpty) {
    Put("S211L01", "", {});
    EXPECT_EQ(CheckBlock(4, 1, [](SharedState& s, int) { ValBlk211_1(s); }),
              (Lines{"B 1|9||inconsistent survey code| |Crit", "B 2|2(i)|3|Invalid Date of survey||Warn",
                     "B 2|2(iv)|4|Invalid Date of Despatch||Warn", "B 2|6(i)|3|invalid code||Warn",
                     "B 2|6(i)|4|invalid code||Warn", "B 2|6(ii)|3|invalid code||Warn",
                     "B 2|6(ii)|4|invalid code||Warn"}));
}

// ---- Block 4 ----

class Block4Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block4Test, LogsTheBrokenRule) {
    f.s.FsuSector = GetParam().sector;
    Put("S211L03", "B4", With(Block4Row(), GetParam().changes));
    EXPECT_EQ(CheckBlock(6, 4, [](SharedState& s, int) { ValBlk211_4(s); }), GetParam().expected);
}

const std::string kItem13 = "B 4|13||Item 13";
const std::string kSum = "not equal to sum of items 8 to 12";

INSTANTIATE_TEST_SUITE_P(
    Rules, Block4Test,
    ::testing::Values(
        RowCase{"Clean", {}, {}},
        RowCase{"SizeZero", {{"I1", "0"}}, {"B 4|1||Househod size should be >= 1||Crit"}},
        RowCase{"SizeEmpty", {{"I1", ""}}, {"B 4|1||Househod size should be >= 1||Crit"}},
        RowCase{"Size99", {{"I1", "99"}}, {}},
        RowCase{"NcoUnknown", {{"I2", "999"}}, {"B 4|2||Invalid NCO code||Warn"}},
        RowCase{"NcoOnlyPastEntry116", {{"I2", "921"}}, {"B 4|2||Invalid NCO code||Warn"}},
        RowCase{"NcoSecondEntry", {{"I2", "512"}}, {}},
        RowCase{"NicOnlyPastEntry1302", {{"I3", "47211"}}, {"B 4|3||Invalid NIC code||Warn"}},
        RowCase{"NcoWithoutNic", {{"I3", ""}}, {"B 4|3||NCO exists but NIC blank||Warn"}},
        RowCase{"NcoWithoutNicType9",
                {{"I3", ""}, {"I4", "9"}},
                {"B 4|3||NCO exists but NIC blank||Warn", "B 4|2||HH type=9, but NCO&NIC non-blank||Warn"}},
        RowCase{"NicWithoutNco", {{"I2", ""}}, {"B 4|3||NIC exists but NCO blank||Warn"}},
        RowCase{"NcoOfBlanks",
                {{"I2", "   "}, {"I3", ""}},
                {"B 4|2||Invalid NCO code||Warn", "B 4|3||NCO exists but NIC blank||Warn"}},
        RowCase{"NicWithoutNcoType9",
                {{"I2", ""}, {"I4", "9"}},
                {"B 4|3||NIC exists but NCO blank||Warn", "B 4|2||HH type=9, but NCO&NIC non-blank||Warn"}},
        RowCase{"BothBlankType1",
                {{"I2", ""}, {"I3", ""}},
                {"B 4|2||HH type other than 9, but NCO&NIC blank||Warn"}},
        RowCase{"BothBlankType9", {{"I2", ""}, {"I3", ""}, {"I4", "9"}}, {}},
        RowCase{"RuralType5", {{"I4", "5"}}, {}},
        RowCase{"RuralType7", {{"I4", "7"}}, {"B 4|4||For RURAL HHD, invalid household type code||Warn"}},
        RowCase{
            "UrbanType5", {{"I4", "5"}}, {"B 4|4||For URBAN HHD, invalid household type code||Warn"}, 0, "2"},
        RowCase{"OtherSectorType7", {{"I4", "7"}}, {}, 0, "3"},
        RowCase{"Religion8", {{"I5", "8"}}, {"B 4|5||Invalid religion code||Warn"}},
        RowCase{"SocialGroup4", {{"I6", "4"}}, {"B 4|6||Invalid social group code||Warn"}},
        RowCase{"Item13OneBelow", {{"I13", "1499"}}, {}}, RowCase{"Item13OneAbove", {{"I13", "1501"}}, {}},
        RowCase{"Item13TwoAbove", {{"I13", "1502"}}, {kItem13 + " 1502" + kSum + " 1500||Warn"}},
        RowCase{"Item13TwoBelow", {{"I13", "1498"}}, {kItem13 + " 1498" + kSum + " 1500||Warn"}},
        RowCase{"Item13Empty",
                {{"I13", ""}},
                {"B 4|13||Amount should be >0||Warn", kItem13 + " 0" + kSum + " 1500||Warn"}},
        // The twelfth of items 11 and 12 is rounded to the even rupee: 30 / 12 = 2.5 gives 2.
        RowCase{"HalfRupeeToEven",
                {{"I8", "0"}, {"I9", "0"}, {"I11", "30"}, {"I12", "0"}, {"I13", "4"}},
                {kItem13 + " 4" + kSum + " 2||Warn"}},
        // Items 11 and 12 of 393209 were the most a 16-bit monthly share could hold.
        RowCase{"At16BitLimit",
                {{"I8", "0"}, {"I9", "0"}, {"I11", "393209"}, {"I12", "0"}, {"I13", "32767"}},
                {}},
        RowCase{"Past16BitLimit",
                {{"I8", "0"}, {"I9", "0"}, {"I11", "196605"}, {"I12", "196605"}, {"I13", "32768"}},
                {}},
        RowCase{"Past16BitLimitWrong",
                {{"I8", "0"}, {"I9", "0"}, {"I11", "393210"}, {"I12", "0"}, {"I13", "32766"}},
                {kItem13 + " 32766" + kSum + " 32768||Warn"}},
        RowCase{"OrdinaryLargeAmounts",
                {{"I8", "25000"}, {"I9", "0"}, {"I11", "600000"}, {"I12", "600000"}, {"I13", "125000"}},
                {}},
        RowCase{"OrdinaryLargeAmountsWrong",
                {{"I8", "25000"}, {"I9", "0"}, {"I11", "600000"}, {"I12", "600000"}, {"I13", "99999"}},
                {kItem13 + " 99999" + kSum + " 125000||Warn"}}),
    CaseName);

// Lists shorter than the searched ranges are searched to their end only.
TEST_F(Schedule211Test, Block4ShortCodeLists) {
    f.s.NcoList.Clear();
    f.s.NcoList.Set(1, "A512");
    f.s.NicList.Clear();
    f.s.NicList.Set(1, "A10101");
    Put("S211L03", "B4", With(Block4Row(), {{"I2", "512"}, {"I3", "99999"}}));
    EXPECT_EQ(CheckBlock(6, 4, [](SharedState& s, int) { ValBlk211_4(s); }),
              Lines{"B 4|3||Invalid NIC code||Warn"});
}

// ---- Block 3 ----

class Block3Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block3Test, LogsTheBrokenRule) {
    Put("S211L02", "B3", Member("01", "45"));
    Put("S211L02", "B3", With(Member("02", "40"), GetParam().changes));
    EXPECT_EQ(CheckBlock(5, 3, ValBlk211_3), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Block3Test,
    ::testing::Values(
        RowCase{"Clean", {}, {}},
        RowCase{"Relation0", {{"C3", "0"}}, {"B 3|02|3|invalid relation to head code||Warn"}},
        RowCase{"Gender4", {{"C4", "4"}}, {"B 3|02|4|invalid gender code||Warn"}},
        RowCase{"Age110", {{"C5", "110"}}, {}},
        RowCase{"Age111", {{"C5", "111"}}, {"B 3|02|5|Pl. check age||Warn"}},
        RowCase{"AgeEmpty", {{"C5", ""}}, {}},
        RowCase{"Marital5", {{"C6", "5"}}, {"B 3|02|6|invalid marital status code||Warn"}},
        RowCase{"EducationOneDigit", {{"C7", "5"}}, {"B 3|02|7|invalid educational level code||Warn"}},
        RowCase{"Education14", {{"C7", "14"}}, {"B 3|02|7|invalid educational level code||Warn"}},
        RowCase{"Education09", {{"C7", "09"}}, {"B 3|02|7|invalid educational level code||Warn"}},
        RowCase{
            "Activity13", {{"C8", "13"}}, {"B 3|02|8|invalid usual principal activity status code||Warn"}},
        RowCase{"Activity97", {{"C8", "97"}}, {}},
        RowCase{"SerialNotContinuous", {{"SLNO", "03"}}, {"B 3|03|1|srlno not continuous from 1||Crit"}}),
    CaseName);

TEST_F(Schedule211Test, Block3ContinuityRowsComeFirst) {
    Put("S211L02", "B3", With(Member("01", "45"), {{"C4", "4"}}));
    Put("S211L02", "B3", Member("02", "40"));
    Put("S211L02", "B3", With(Member("04", "40"), {{"C3", "0"}}));
    Put("S211L02", "B3", Member("05", "40"));
    EXPECT_EQ(
        CheckBlock(5, 3, ValBlk211_3),
        (Lines{"B 3|04|1|srlno not continuous from 1||Crit", "B 3|05|1|srlno not continuous from 1||Crit",
               "B 3|01|4|invalid gender code||Warn", "B 3|04|3|invalid relation to head code||Warn"}));
}

// ---- Blocks 5.1 and 5.2 ----

// Trip 01 of members 01 and 02 (rows 0 and 1), trip 02 of member 01 (row 2), the total row (row 3).
class Block51Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block51Test, LogsTheBrokenRule) {
    const Cells rows[] = {TripMember("01", "01", "45"), TripMember("01", "02", "40"),
                          TripMember("02", "01", "45"), TripTotal("2")};
    for (int i = 0; i < 4; ++i)
        Put("S211L04", "B51", i == GetParam().row ? With(rows[i], GetParam().changes) : rows[i]);
    EXPECT_EQ(CheckBlock(7, 5.1, ValBlk211_51), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Block51Test,
    ::testing::Values(
        RowCase{"Clean", {}, {}, 0},
        RowCase{"MemberBlank", {{"C3", ""}}, {"B 5.1|01|3|col-3 cannot be blank||Crit"}, 1},
        RowCase{"Purpose8", {{"C5", "8"}}, {"B 5.1|01-02|5|invalid code in col. 5||Warn"}, 1},
        RowCase{"TripType3", {{"C6", "3"}}, {"B 5.1|01-02|6|invalid code in col. 6||Warn"}, 1},
        RowCase{"ModeOneCharacter", {{"C7", "1"}}, {"B 5.1|01-02|7|Pl. check code for col. 7||Warn"}, 1},
        RowCase{"MinorMode9", {{"C8", "9"}}, {"B 5.1|01-02|8|Pl. check code for col. 8||Warn"}, 1},
        RowCase{"MinorMode0", {{"C8", "0"}}, {}, 1},
        RowCase{"ModesEqual",
                {{"C7", "03"}, {"C8", "03"}},
                {"B 5.1|01-02|7|Pl. check code for col. 7 & 8||Warn"},
                1},
        RowCase{"Stay6", {{"C9", "6"}}, {"B 5.1|01-02|9|Pl. check code for col. 9||Warn"}, 1},
        RowCase{"MinorStay7", {{"C10", "7"}}, {"B 5.1|01-02|10|Pl. check code for col. 10||Warn"}, 1},
        RowCase{"StaysEqual",
                {{"C9", "2"}, {"C10", "2"}},
                {"B 5.1|01-02|9|Pl. check code for col. 9 & 10||Warn"},
                1},
        RowCase{"LeadPurpose1", {{"C12", "1"}}, {"B 5.1|01-01|12|Pl. check code for col. 12||Warn"}, 0},
        RowCase{"LeadPurposeOfSecondMember", {{"C12", "0"}, {"C13", "5"}, {"C14", "9"}}, {}, 1},
        RowCase{"Month5", {{"C13", "5"}}, {"B 5.1|01-01|13|Pl. check code for col. 13||Warn"}, 0},
        RowCase{"Destination5",
                {{"C14", "5"}},
                {"B 5.1|02-01|14|Pl. check code for col. 14||Warn",
                 "B 5.1|02-01|15|Col. 14 is not 3 or 4 but col.15 exists||Warn"},
                2},
        RowCase{"State37", {{"C15", "37"}}, {"B 5.1|01-01|15|Pl. check code for col. 15||Warn"}, 0},
        RowCase{"StateWithDestination1",
                {{"C14", "1"}},
                {"B 5.1|01-01|15|Col. 14 is not 3 or 4 but col.15 exists||Warn"},
                0},
        RowCase{"NoStateWithDestination4",
                {{"C14", "4"}, {"C15", ""}},
                {"B 5.1|01-01|15|Col. 14 is 3 or 4 but col.15 blank||Warn"},
                0},
        RowCase{"TotalRowAge", {{"C4", "35"}}, {"B 5.1|99| 4|entry should be blank| for item = 99|Warn"}, 3},
        RowCase{"TotalRowTripType", {{"C6", "1"}}, {}, 3},
        RowCase{
            "TotalRowMembers", {{"C2", "2"}}, {"B 5.1|99| 2|entry should be blank| for item = 99|Warn"}, 3},
        RowCase{"TotalRowMinorMode",
                {{"C8", "9"}},
                {"B 5.1|99-2|8|Pl. check code for col. 8||Warn",
                 "B 5.1|99| 8|entry should be blank| for item = 99|Warn"},
                3},
        RowCase{"TotalOf3",
                {{"C3", "3"}},
                {"B 5.1| 99|3|Pl. check total no. of trip|with detail trips entered|Warn"},
                3}),
    CaseName);

TEST_F(Schedule211Test, Block51WithoutTotalRow) {
    Put("S211L04", "B51", TripMember("01", "01", "45"));
    Put("S211L04", "B51", TripMember("02", "01", "45"));
    EXPECT_EQ(CheckBlock(7, 5.1, ValBlk211_51),
              Lines{"B 5.1| 99|3|Pl. check total no. of trip|with detail trips entered|Warn"});
}

TEST_F(Schedule211Test, Block51GapsNameTheLastTrip) {
    for (const char* trip : {"01", "02", "04", "05"}) Put("S211L04", "B51", TripMember(trip, "01", "45"));
    Put("S211L04", "B51", TripTotal("4"));
    EXPECT_EQ(CheckBlock(7, 5.1, ValBlk211_51), (Lines{"B 5.1|5|1|srlno not continuous from 1||Crit",
                                                       "B 5.1|5|1|srlno not continuous from 1||Crit"}));
}

// Every row of serial number -1 differs from the count so far: the trip-number
// list takes 120 places, past the 100 it once had.
TEST_F(Schedule211Test, Block51TripNumberListGrows) {
    for (int i = 0; i < 120; ++i) Put("S211L04", "B51", TripMember("-1", TwoDigits(i % 98 + 1), "45"));
    Put("S211L04", "B51", TripTotal("98"));
    const Lines lines = CheckBlock(7, 5.1, ValBlk211_51);
    ASSERT_EQ(lines.size(), 121u);
    for (size_t i = 0; i < 120; ++i) EXPECT_EQ(lines[i], "B 5.1|-1|1|srlno not continuous from 1||Crit") << i;
    EXPECT_EQ(lines[120], "B 5.1| 99|3|Pl. check total no. of trip|with detail trips entered|Warn");
}

TEST_F(Schedule211Test, Block52HasItsOwnLeadingPurposes) {
    Put("S211L05", "B52", TripMember("01", "01", "45", "1", "1"));
    Put("S211L05", "B52", TripMember("02", "01", "45", "1", "2"));
    Put("S211L05", "B52", TripTotal("2"));
    EXPECT_EQ(CheckBlock(8, 5.2, ValBlk211_52), Lines{"B 5.2|02-01|12|Pl. check code for col. 12||Warn"});
}

// ---- Blocks 6.1 and 6.2 ----

class Block61Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block61Test, LogsTheBrokenRule) {
    Put("S211L06", "B61", With(Expenditure("01"), GetParam().changes));
    Put("S211L06", "B61", Expenditure("02", "2"));
    EXPECT_EQ(CheckBlock(9, 6.1, ValBlk211_61), GetParam().expected);
}

Lines Sum(const std::string& label, const std::string& stated, const std::string& sumText,
          const std::string& computed) {
    return {"B 6.1|01|-|" + label + "= " + stated + " not = |" + sumText + "= " + computed + "|Warn"};
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Block61Test,
    ::testing::Values(
        RowCase{"Clean", {}, {}}, RowCase{"TripType3", {{"I2", "3"}}, {"B 6.1|01|I-2|invalid code||Warn"}},
        RowCase{"Item32", {{"I32", "3"}}, {"B 6.1|01|I-3.2|invalid code||Warn"}},
        RowCase{"Item32OfType2", {{"I2", "2"}, {"I32", "3"}}, {}},
        RowCase{"Item40", {{"I41", "103"}}, Sum("Item-4.0", "600", "sum of I-4.1 to I-4.6", "603")},
        RowCase{"Item40StatedWrong",
                {{"I40", "603"}},
                {Sum("Item-4.0", "603", "sum of I-4.1 to I-4.6", "600")[0],
                 "B 6.1|01|-|Item-10= 900 not = |sum of I-4.0,I-5.0,I-6.0,I-7.00,I-8.0 & I-9= 903|Warn"}},
        RowCase{"Item40WholeRupees",
                {{"I41", "100.25"},
                 {"I42", "100.25"},
                 {"I43", "100.25"},
                 {"I44", "100.25"},
                 {"I45", "100.25"},
                 {"I46", "100.25"},
                 {"I40", "602"},
                 {"I10", "902"},
                 {"I11", "1402"}},
                {}},
        RowCase{"Item50", {{"I52", "49"}}, Sum("Item-5.0", "100", "sum of I-5.1 to I-5.2", "99")},
        RowCase{"Item60", {{"I68", "11"}}, Sum("Item-6.0", "80", "sum of I-6.1 to I-6.8", "81")},
        RowCase{"Item700", {{"I711", "6"}}, Sum("Item-7.00", "50", "sum of I-7.01 to I-7.11", "51")},
        RowCase{"Item850", {{"I853", "11"}}, Sum("Item-8.5.0", "30", "sum of I-8.5.1 to I-8.5.3", "31")},
        RowCase{"Item80", {{"I84", "11"}}, Sum("Item-8.0", "70", "sum of I-8.1 to I-8.4 and I-8.5.0", "71")},
        RowCase{"Item10",
                {{"I9", "1"}},
                Sum("Item-10", "900", "sum of I-4.0,I-5.0,I-6.0,I-7.00,I-8.0 & I-9", "901")},
        RowCase{"Item11", {{"I3", "501"}}, Sum("Item-11", "1400", "sum of I-3 & I-10", "1401")},
        RowCase{"Item12Code4",
                {{"I12", "4"}},
                {"B 6.1|01|I-12|invalid code||Warn", "B 6.1|01|I-13|code not 1 in item 12 exists||Warn"}},
        RowCase{"Item13Blank", {{"I13", ""}}, {"B 6.1|01|I-13|code 1 in item 12 but item 13 blank||Warn"}},
        RowCase{"Item13WithCode2",
                {{"I12", "2"}, {"I13", "0"}},
                {"B 6.1|01|I-13|code not 1 in item 12 exists||Warn"}},
        RowCase{"Item13OverItem11",
                {{"I13", "1500"}},
                {"B 6.1|01|I-13|item 13 >item 11|please check|Warn",
                 "B 6.1|01|I-11|item13 + item 15 >item 11|please check|Warn"}},
        RowCase{"Item14Code0",
                {{"I14", "0"}},
                {"B 6.1|01|I-14|invalid code||Warn",
                 "B 6.1|01|I-15|code not 1 in item 14 but item 15 exists||Warn"}},
        RowCase{"Item15Blank", {{"I15", ""}}, {"B 6.1|01|I-15|code 1 in item 14 but item 15 blank||Warn"}},
        RowCase{"Item15OverItem11",
                {{"I15", "1500"}},
                {"B 6.1|01|I-15|item 15 >item 11|please check|Warn",
                 "B 6.1|01|I-11|item13 + item 15 >item 11|please check|Warn"}},
        RowCase{"Items13And15OverItem11",
                {{"I13", "800"}, {"I15", "700"}},
                {"B 6.1|01|I-11|item13 + item 15 >item 11|please check|Warn"}},
        RowCase{"Item163", {{"I163", "3"}}, {"B 6.1|01|I-16 2|invalid code||Warn"}},
        RowCase{"Item173AfterCode1",
                {{"I161", "1"}, {"I171", "1"}, {"I172", "2"}, {"I173", "3"}, {"I174", "9"}},
                {"B 6.1|01|I-17 2|code 1 in item 16.1 or 16.2 but invalid code||Warn"}},
        RowCase{"Item173WithoutCode1",
                {{"I173", "1"}},
                {"B 6.1|01|I-17 2|code not 1 in item 16.1 & 16.2 but entry exists||Warn"}},
        RowCase{"Item18AfterCode1",
                {{"I165", "1"}},
                {"B 6.1|01|I-18|code 1 in item 16.5 but invalid code||Warn"}},
        RowCase{"Item18WithoutCode1",
                {{"I18", "1"}},
                {"B 6.1|01|I-18|code not 1 in item 16.5 but entry exists||Warn"}}),
    CaseName);

TEST_F(Schedule211Test, Block61SerialNotContinuous) {
    Put("S211L06", "B61", Expenditure("01"));
    Put("S211L06", "B61", Expenditure("03"));
    EXPECT_EQ(CheckBlock(9, 6.1, ValBlk211_61), Lines{"B 6.1|03|I1|trip srlno not continuous from 1||Crit"});
}

TEST_F(Schedule211Test, Block62HasItsOwnItem13Message) {
    Put("S211L07", "B62", With(Expenditure("01"), {{"I12", "2"}, {"I13", "0"}, {"I51", "51"}}));
    EXPECT_EQ(CheckBlock(10, 6.2, ValBlk211_62),
              (Lines{"B 6.2|01|-|Item-5.0= 100 not = |sum of I-5.1 to I-5.2= 101|Warn",
                     "B 6.2|01|I-13|code not 1 in item 12 but item 13>0||Warn"}));
}

// ---- Block 7 ----

class Block7Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block7Test, LogsTheBrokenRule) {
    Put("S211L08", "B7", With(SameDayTrip("01"), GetParam().changes));
    EXPECT_EQ(CheckBlock(11, 7, ValBlk211_7), GetParam().expected);
}

// Columns 14 to 17 and 22 emptied, for a leading purpose other than 2 and 4.
const Cells kNoPurpose2Or4Columns{{"C14", ""}, {"C15", ""}, {"C16", ""}, {"C17", ""}, {"C22", ""}};

INSTANTIATE_TEST_SUITE_P(
    Rules, Block7Test,
    ::testing::Values(
        RowCase{"Clean", {}, {}},
        RowCase{"SerialNotContinuous", {{"SLNO", "02"}}, {"B 7|02|1|trip srlno not continuous from 1||Crit"}},
        RowCase{"Purpose8",
                With(kNoPurpose2Or4Columns, {{"C3", "8"}}),
                {"B 7|01|3|invalid code|for col. 3|Warn"}},
        RowCase{"Col12", {{"C11", "11"}}, {"B 7|01|-|Col.-12= 70 not = |sum of col.5 to col. 11= 71|Warn"}},
        RowCase{"Col13", {{"C4", "101"}}, {"B 7|01|-|Item-13= 170 not = |sum of col.4 & col.12= 171|Warn"}},
        RowCase{"Col15Code3",
                {{"C15", "3"}},
                {"B 7|01| 15|code 2 or 4 in col.3 but invalid code in col. 15| |Warn"}},
        RowCase{"Col15OfPurpose3",
                With(kNoPurpose2Or4Columns, {{"C3", "3"}, {"C15", "2"}}),
                {"B 7|01| 15|code not 2 or 4 in col.3 but entry exists in col. 15| |Warn"}},
        RowCase{"Col20AfterCode1",
                {{"C14", "1"}, {"C18", "1"}, {"C19", "2"}, {"C20", "3"}, {"C21", "9"}},
                {"B 7|01| 20|code 1 in col.14/15 but invalid code in col. 20| |Warn"}},
        // Code 1 in column 15 alone opens columns 18 to 21 as well.
        RowCase{"Col18AfterCode1InCol15",
                {{"C15", "1"}, {"C18", "3"}, {"C19", "1"}, {"C20", "2"}, {"C21", "9"}},
                {"B 7|01| 18|code 1 in col.14/15 but invalid code in col. 18| |Warn"}},
        // Columns 18 to 21 of a leading purpose other than 2 and 4 stay empty, code 1 or not.
        RowCase{
            "Col21OfPurpose3AfterCode1",
            With(kNoPurpose2Or4Columns, {{"C3", "3"}, {"C14", "1"}, {"C21", "1"}}),
            {"B 7|01| 14|code not 2 or 4 in col.3 but entry exists in col. 14| |Warn",
             "B 7|01| 21|code not 2/4 in col.3 or not 1 in col.14/15 but entry exists in col. 21| |Warn"}},
        RowCase{
            "Col19WithoutCode1",
            {{"C19", "1"}},
            {"B 7|01| 19|code not 2/4 in col.3 or not 1 in col.14/15 but entry exists in col. 19| |Warn"}},
        RowCase{"Col22Blank",
                {{"C22", ""}},
                {"B 7|01|22|code 2 or 4 in col. 3 but invalid code in col.22| |Warn"}},
        RowCase{"Col22OfPurpose1",
                With(kNoPurpose2Or4Columns, {{"C3", "1"}, {"C22", "2"}}),
                {"B 7|01|22|code not 2 or 4 in col.3 but entry exists in col.22| |Warn"}},
        RowCase{"Col23AfterCode1",
                {{"C22", "1"}, {"C23", "3"}},
                {"B 7|01|23|code 1 in col.22 but invalid code in col.23| |Warn"}},
        RowCase{"Col23WithoutCode1",
                {{"C23", "1"}},
                {"B 7|01|23|code not 2/4 in col.3 or not 1 in col.22 but entry exists in col.23| |Warn"}}),
    CaseName);

// ---- Block 8 ----

class Block8Test : public Schedule211Test, public ::testing::WithParamInterface<RowCase> {};

TEST_P(Block8Test, LogsTheBrokenRule) {
    Put("S211L09", "B8", With(SpecialTrip("01"), GetParam().changes));
    EXPECT_EQ(CheckBlock(12, 8, ValBlk211_8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Block8Test,
    ::testing::Values(RowCase{"Clean", {}, {}},
                      RowCase{"SerialNotContinuousIsWarn",
                              {{"SLNO", "02"}},
                              {"B 8|02|1|trip srlno not continuous from 1||Warn"}},
                      RowCase{"Purpose8", {{"C3", "8"}}, {"B 8|01|3|invalid code|for col. 3|Warn"}},
                      RowCase{"Col8Code3", {{"C8", "3"}}, {"B 8|01| 8|invalid code in col. 8| |Warn"}},
                      RowCase{"Col12AfterCode1",
                              {{"C6", "1"}, {"C10", "1"}, {"C11", "2"}, {"C12", "3"}, {"C13", "9"}},
                              {"B 8|01| 12|code 1 in col.6/7 but invalid code in col. 12| |Warn"}},
                      // Code 1 in column 7 alone opens columns 10 to 13 as well.
                      RowCase{"Col13AfterCode1InCol7",
                              {{"C7", "1"}, {"C10", "1"}, {"C11", "2"}, {"C12", "9"}, {"C13", "3"}},
                              {"B 8|01| 13|code 1 in col.6/7 but invalid code in col. 13| |Warn"}},
                      RowCase{"Col11WithoutCode1",
                              {{"C11", "1"}},
                              {"B 8|01| 11|code not 1 in col.6/7 but entry exists in col. 11| |Warn"}},
                      RowCase{"Col14Code3", {{"C14", "3"}}, {"B 8|01|14|invalid code in col.14| |Warn"}},
                      RowCase{"Col15AfterCode1",
                              {{"C14", "1"}},
                              {"B 8|01|15|code 1 in col.14 but invalid code in col.15| |Warn"}},
                      RowCase{"Col15WithoutCode1",
                              {{"C15", "2"}},
                              {"B 8|01|15|code not 1 in col.14 but entry exists in col.15| |Warn"}}),
    CaseName);

TEST_F(Schedule211Test, ChecksReturnCriticalWhateverTheyFound) {
    Put("S211L09", "B8", With(SpecialTrip("01"), {{"C3", "8"}}));
    ValidationRun run(f.s, ValidationRun::Kind::AsIs);
    f.s.ValBlockNo = 8;
    f.s.ValIsCritical = false;
    ValBlk211_8(f.s, LoadTableData(f.s, 12));
    EXPECT_TRUE(f.s.ValIsCritical);
    EXPECT_EQ(f.s.ValCritCount, 0);
}

// ---- The household driver ----

// Statements that turn the clean household into the case's, and the rows it gives.
struct HouseholdCase {
    std::string name;
    std::vector<std::string> statements;
    Lines expected;
};
void PrintTo(const HouseholdCase& c, std::ostream* os) { *os << c.name; }
std::string HouseholdName(const ::testing::TestParamInfo<HouseholdCase>& info) { return info.param.name; }

class HouseholdTest : public Schedule211Test, public ::testing::WithParamInterface<HouseholdCase> {};

TEST_P(HouseholdTest, LogsTheBrokenRule) {
    CleanHousehold();
    for (const std::string& statement : GetParam().statements) Sql(statement);
    EXPECT_EQ(CheckHousehold(), GetParam().expected);
}

const std::string kR7 = "|3|Srl no. not matching with bl. 3 |Pl. check |Warn";
const std::string kR8 = "|4|Age not matching with bl. 3 |Pl. check |Warn";
// Copies a row and gives the copy another serial number.
std::vector<std::string> CopyRow(const std::string& table, const std::string& from, const std::string& to) {
    return {
        "insert into " + table + " select * from " + table + " where SLNO = '" + from + "'",
        "update " + table + " set SLNO = '" + to + "' where rowid = (select max(rowid) from " + table + ")"};
}
std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, HouseholdTest,
    ::testing::Values(
        HouseholdCase{"Clean", {}, {}},
        HouseholdCase{"NoBlock1",
                      {"delete from S211L01"},
                      {"B 1|||Block contains no records|Essential Block|Crit",
                       "B 4|||Block contains records|Survey code= |Crit",
                       "B 3|||Block contains records|Survey code= |Crit",
                       "B 5.1|||Block contains records|Survey code= |Crit",
                       "B 5.2|||Block contains records|Survey code= |Crit",
                       "B 6.1|||Block contains records|Survey code= |Crit",
                       "B 6.2|||Block contains records|Survey code= |Crit",
                       "B 7|||Block contains records|Survey code= |Crit",
                       "B 8|||Block contains records|Survey code= |Crit"}},
        HouseholdCase{"Casualty",
                      {"update S211L01 set SVC = '3', RES_SUBST = '1'"},
                      {"B 4|||Block contains records|Survey code= 3|Crit",
                       "B 3|||Block contains records|Survey code= 3|Crit",
                       "B 5.1|||Block contains records|Survey code= 3|Crit",
                       "B 5.2|||Block contains records|Survey code= 3|Crit",
                       "B 6.1|||Block contains records|Survey code= 3|Crit",
                       "B 6.2|||Block contains records|Survey code= 3|Crit",
                       "B 7|||Block contains records|Survey code= 3|Crit",
                       "B 8|||Block contains records|Survey code= 3|Crit"}},
        HouseholdCase{
            "CasualtyWithBlock1Only",
            {"update S211L01 set SVC = '3', RES_SUBST = '1'", "delete from S211L02", "delete from S211L03",
             "delete from S211L04", "delete from S211L05", "delete from S211L06", "delete from S211L07",
             "delete from S211L08", "delete from S211L09"},
            {}},
        HouseholdCase{"NoBlock4",
                      {"delete from S211L03"},
                      {"B 4|||Block contains no records|Survey code= 1|Crit",
                       "B 4|1||hhsize not= block-3 total members |hhsize= 0blk-3 total mem= 3|Crit"}},
        HouseholdCase{"SizeNotMembers",
                      {"update S211L03 set B4I1 = '4'"},
                      {"B 4|1||hhsize not= block-3 total members |hhsize= 4blk-3 total mem= 3|Crit"}},
        // With no member list, the flags of the member comparison stay as the rows before left them.
        HouseholdCase{"NoBlock3",
                      {"delete from S211L02"},
                      {"B 4|1||hhsize not= block-3 total members |hhsize= 3blk-3 total mem= 0|Crit",
                       "B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn",
                       "B 3|||Block contains no records|Survey code= 1|Crit", "B 5.1|01-01" + kR7,
                       "B 5.1|01-01" + kR8, "B 5.1|01-02" + kR7, "B 5.1|01-02" + kR8, "B 5.1|02-03" + kR7,
                       "B 5.1|02-03" + kR8, "B 5.2|01-01" + kR7, "B 5.2|01-01" + kR8}},
        HouseholdCase{"NoBlock3Member99SetsTheFlags",
                      {"delete from S211L02", "update S211L04 set B51C3 = '99' where B51C3 = '02'"},
                      {"B 4|1||hhsize not= block-3 total members |hhsize= 3blk-3 total mem= 0|Crit",
                       "B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn",
                       "B 3|||Block contains no records|Survey code= 1|Crit", "B 5.1|01-01" + kR7,
                       "B 5.1|01-01" + kR8, "B 5.2|01-01" + kR7, "B 5.2|01-01" + kR8}},
        HouseholdCase{"Informant99", {"update S211L01 set INFSLN = '99'"}, {}},
        HouseholdCase{"InformantNotAMember",
                      {"update S211L01 set INFSLN = '04'"},
                      {"B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn"}},
        HouseholdCase{"InformantAged11",
                      {"update S211L01 set INFSLN = '03'", "update S211L02 set B3C5 = '11' where SLNO = '03'",
                       "update S211L04 set B51C4 = '11' where B51C3 = '03'"},
                      {"B 1|7||age of Srl no. of informant<12|pl. check|Warn"}},
        HouseholdCase{"InformantAged12", {"update S211L01 set INFSLN = '03'"}, {}},
        // A blank serial number is no member's, not even informant 0's.
        HouseholdCase{"BlankMemberSerial",
                      {"update S211L01 set INFSLN = ''", "update S211L02 set SLNO = '' where SLNO = '01'"},
                      {"B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn",
                       "B 3||1|srlno not continuous from 1||Crit", "B 5.1|01-01" + kR7, "B 5.2|01-01" + kR7}},
        HouseholdCase{
            "UnreadableMemberSerial",
            {"update S211L01 set INFSLN = ''", "update S211L02 set SLNO = '*1' where SLNO = '01'"},
            {"B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn",
             "B 3|*1|1|srlno not continuous from 1||Crit", "B 5.1|01-01" + kR7, "B 5.2|01-01" + kR7}},
        // The row of member 02 on trip 02 follows member 02 on trip 01 and is not compared.
        HouseholdCase{"SameMemberAsRowBefore",
                      {"update S211L04 set B51C3 = '02', B51C4 = '12' where SLNO = '02'",
                       "update S211L04 set B51C4 = '41' where SLNO = '01' and B51C3 = '02'"},
                      {"B 5.1|01-02" + kR8}},
        HouseholdCase{"TripNotInBlock51",
                      CopyRow("S211L06", "01", "03"),
                      {"B 6.1|03|I1|trip srl. no. not matching with bl. 5.1 |Pl. check |Warn",
                       "B 6.1||-|total trip count of bl5.1 not matching with bl.6.1 |Pl. check |Warn"}},
        HouseholdCase{"TripOfAnotherType",
                      {"update S211L06 set B61I2 = '1' where SLNO = '02'"},
                      {"B 6.1|02|I2|type of trip not matching with bl. 5.1 |Pl. check |Warn"}},
        HouseholdCase{"NoBlock51",
                      {"delete from S211L04"},
                      {"B 6.1|01|I1|trip srl. no. not matching with bl. 5.1 |Pl. check |Warn",
                       "B 6.1|01|I2|type of trip not matching with bl. 5.1 |Pl. check |Warn",
                       "B 6.1|02|I1|trip srl. no. not matching with bl. 5.1 |Pl. check |Warn",
                       "B 6.1|02|I2|type of trip not matching with bl. 5.1 |Pl. check |Warn",
                       "B 6.1||-|total trip count of bl5.1 not matching with bl.6.1 |Pl. check |Warn"}},
        // Blocks 5.2 and 6.2 name their own blocks in the rules across blocks.
        HouseholdCase{"AgeNotInBlock3OfBlock52",
                      {"update S211L05 set B52C4 = '46' where SLNO = '01'"},
                      {"B 5.2|01-01" + kR8}},
        HouseholdCase{"TripNotInBlock52",
                      CopyRow("S211L07", "01", "02"),
                      {"B 6.2|02|I1|trip srl. no. not matching with bl. 5.2 |Pl. check |Warn",
                       "B 6.2||-|total trip count of bl5.2 not matching with bl.6.2 |Pl. check |Warn"}},
        HouseholdCase{"TripOfAnotherTypeInBlock62",
                      {"update S211L07 set B62I2 = '2'"},
                      {"B 6.2|01|I2|type of trip not matching with bl. 5.2 |Pl. check |Warn"}},
        // Block 6.2 has one row; the record table's next row still holds trip 02 of
        // block 5.2, which the trip-count rule does not name.
        HouseholdCase{
            "TripCountOfBlock62",
            Join(CopyRow("S211L05", "01", "02"), {"update S211L05 set B52C3 = '2' where SLNO = '99'"}),
            {"B 6.2||-|total trip count of bl5.2 not matching with bl.6.2 |Pl. check |Warn"}}),
    HouseholdName);

TEST_F(Schedule211Test, HouseholdOfAWholeFsuRunWritesItsKey) {
    CleanHousehold();
    Sql("update S211L03 set B4I1 = '4'");
    {
        ValidationRun run(f.s, ValidationRun::Kind::Households);
        f.s.CurSss = "1";
        f.s.CurSsu = "01";
        ValHH211(f.s);
        EXPECT_EQ(run.CriticalRows(), 1);
        run.Commit();
    }
    const auto rows = f.ErrorRows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (test::FsuFile::ErrorRow{"1", "", "1", "01", "B 4", "1", "",
                                                "hhsize not= block-3 total members ",
                                                "hhsize= 4blk-3 total mem= 3", "Crit", "1"}));
}

// 80 members, 98 trips in 207 rows of block 5.1, 98 rows of block 6.1: past the
// 71 places the member and trip lists once had and the 201 rows of the record table.
TEST_F(Schedule211Test, LargeHousehold) {
    auto age = [](int member) { return std::to_string(20 + member % 50); };
    Put("S211L01", "", With(Block1Row(), {{"INFSLN", "75"}}));
    Put("S211L03", "B4", With(Block4Row(), {{"I1", "80"}}));
    for (int m = 1; m <= 80; ++m) Put("S211L02", "B3", Member(TwoDigits(m), age(m)));
    int rows = 0;
    for (int t = 1; t <= 98; ++t) {
        std::vector<int> members{t % 80 + 1, (t + 40) % 80 + 1};
        if (t <= 10) members.push_back((t + 20) % 80 + 1);
        for (int m : members) {
            Put("S211L04", "B51", TripMember(TwoDigits(t), TwoDigits(m), age(m), std::to_string(t % 2 + 1)));
            ++rows;
        }
        Put("S211L06", "B61", Expenditure(TwoDigits(t), std::to_string(t % 2 + 1)));
    }
    Put("S211L04", "B51", TripTotal("98"));
    ASSERT_EQ(rows + 1, 207);

    EXPECT_EQ(CheckHousehold(), Lines{});

    // Trip 98 (members 19 and 59) is in the last rows of both blocks.
    Sql("update S211L04 set B51C4 = '20' where SLNO = '98' and B51C3 = '59'");
    Sql("update S211L06 set B61I2 = '2' where SLNO = '98'");
    EXPECT_EQ(
        CheckHousehold(),
        (Lines{"B 5.1|98-59" + kR8, "B 6.1|98|I2|type of trip not matching with bl. 5.1 |Pl. check |Warn"}));
}

}  // namespace
}  // namespace r78
