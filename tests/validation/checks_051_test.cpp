#include "validation/checks_051.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "core/Loader.h"
#include "tests/support/FsuFile.h"
#include "validation/ValidationRun.h"

namespace r78 {
namespace {

using Cells = std::vector<std::pair<std::string, std::string>>;
using Lines = std::vector<std::string>;
using BlockCheck = void (*)(SharedState&, int);

// The cells of a clean row with some of them changed ("" for a blank).
Cells With(Cells row, const Cells& changes) {
    for (const auto& [name, value] : changes) {
        bool found = false;
        for (auto& cell : row)
            if (cell.first == name) cell.second = value, found = true;
        if (!found) row.emplace_back(name, value);
    }
    return row;
}

std::string Two(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

// Clean rows of each block, for a surveyed household of two members aged 40 and
// 10, in a rural FSU.
Cells Block1() {
    return {{"INFSLN", "01"}, {"SVC", "1"},  {"RES_SUBST", ""}, {"DOS", "150320"}, {"DOD", "200320"},
            {"REM1", "1"},    {"REM2", "2"}, {"REM3", "1"},     {"REM4", "2"}};
}
// Columns 12 and 13 are keyed up to the age of 50, 14 to 16 from the age of 15.
Cells Member3(int slno, int age) {
    Cells row{{"SLNO", Two(slno)}, {"B3C3", "1"},  {"B3C4", "1"},  {"B3C5", std::to_string(age)},
              {"B3C6", "2"},       {"B3C7", "05"}, {"B3C8", "11"}, {"B3C9", "01"},
              {"B3C10", "11"},     {"B3C11", "1"}};
    if (age <= 50) row = With(row, {{"B3C12", "2"}, {"B3C13", "1"}});
    if (age >= 15) row = With(row, {{"B3C14", "1"}, {"B3C15", "1"}, {"B3C16", "1"}});
    return row;
}
Cells Block4() {
    Cells row{{"B4I1", "2"},   {"B4I2", "1"},   {"B4I3", "1"},    {"B4I4", "01"},   {"B4I5", "1000"},
              {"B4I6", "500"}, {"B4I7", "300"}, {"B4I8", "1200"}, {"B4I9", "2400"}, {"B4I10", "2100"},
              {"B4I11", "1"},  {"B4I12", "1"},  {"B4I13", "1"},   {"B4I14", "1"},   {"B4I15", "1"},
              {"B4I16", "01"}, {"B4I17", "1"},  {"B4I18", "01"},  {"B4I19", "1"},   {"B4I20", "01"},
              {"B4I21", "1"},  {"B4I22", "1"},  {"B4I23", "1"},   {"B4I25", "1"},   {"B4I26", "01"},
              {"B4I27", "1"},  {"B4I28", "1"},  {"B4I29", "1"},   {"B4I30", "1"},   {"B4I32", "1"},
              {"B4I37", "1"},  {"B4I43", "1"},  {"B4I44", "1"},   {"B4I45", "1"},   {"B4I46", "1"}};
    for (int i = 34; i <= 36; ++i) row.emplace_back("B4I" + std::to_string(i), "1");
    for (int i = 38; i <= 42; ++i) row.emplace_back("B4I" + std::to_string(i), "2");
    return row;
}
Cells Appliance(int slno) { return {{"SLNO", Two(slno)}, {"B41C2", "03"}}; }
Cells Cooler(int slno) { return {{"SLNO", Two(slno)}, {"B42C2", "02"}}; }
// A block-5 member; aged 3 to 35 with item 4 given, the clean entries of the
// section that item 4 opens are keyed; aged 15 or more, items 8 to 16 are keyed.
// clang-format off
Cells Member5(int slno, int age, const std::string& item4 = "", const Cells& changes = {}) {
    Cells row{{"SLNO", Two(slno)}, {"B5I2", std::to_string(age)}, {"B5I3", "1"}};
    if (!item4.empty()) row.emplace_back("B5I4", item4);
    if (item4 == "3")
        row = With(row, {{"B5I41", "01"}, {"B5I42", "1"}, {"B5I51", "01"}, {"B5I52", "1"}, {"B5I53", "1"},
                         {"B5I561", "1"}, {"B5I562", "1"}, {"B5I58", "1"}, {"B5I5101", "1"}});
    if (item4 == "2")
        row = With(row, {{"B5I41", "01"}, {"B5I42", "1"}, {"B5I61", "01"}, {"B5I63", "1"}, {"B5I64", "1"},
                         {"B5I661", "1"}});
    if (item4 == "1") row = With(row, {{"B5I71", "1"}, {"B5I731", "1"}});
    if (age >= 15)
        for (int i = 8; i <= 16; ++i) row.emplace_back("B5I" + std::to_string(i), "1");
    return With(row, changes);
}
Cells Block6() {
    return {{"B6I1", "1"},    {"B6I21", "1"},   {"B6I22", "0"},   {"B6I23", "1"},   {"B6I3", "1"},
            {"B6I4", "1"},    {"B6I5", "1"},    {"B6I6", "1"},    {"B6I7", "2015"}, {"B6I8", "100"},
            {"B6I9", "50"},   {"B6I10", "100"}, {"B6I11", "200"}, {"B6I12", "0"},   {"B6I13", "0"},
            {"B6I14", "300"}, {"B6I15", "1"},   {"B6I16", "1"},   {"B6I17", "1"}};
}
Cells Member7(int slno, int age) {
    return {{"SLNO", Two(slno)}, {"B7I2", std::to_string(age)}, {"B7I3", "1"}, {"B7I4", "1"},
            {"B7I5", "09"}, {"B7I6", "01"}, {"B7I7", "1"}, {"B7I8", "1"}, {"B7I9", "1"}, {"B7I10", "1"},
            {"B7I11", "1"}, {"B7I12", "1"}, {"B7I13", "1"}, {"B7I14", "1"}, {"B7I15", "01"}, {"B7I16", "1"}};
}
// clang-format on
Cells Block8() { return {{"B8I1", "1"}, {"B8I2", "3"}, {"B8I3", "1"}, {"B8I4", "2"}}; }

// One household's rows of one block, and the rows its check must write.
struct Case {
    std::string name;
    std::vector<Cells> rows;
    Lines expected;
};

// An FSU of Schedule 5.1 in which each case is a household of its own (SSS 1,
// SSU 01, 02 ...), checked as a block screen's Validate Block checks it.
class Sch051Test : public ::testing::Test {
protected:
    Sch051Test() { f.s.FsuSector = "1"; }

    void Household(const std::string& ssu) {
        f.s.CurSss = "1";
        f.s.CurSsu = ssu;
    }
    void Row(const std::string& table, const Cells& cells) {
        f.Insert(
            table,
            With(
                {{"DPC", "101"}, {"FSUNO", "10001"}, {"SU", "001"}, {"SSS", f.s.CurSss}, {"SSU", f.s.CurSsu}},
                cells));
    }
    Lines ValidateBlock(double blockNo, int tableNo, BlockCheck check) {
        ValidationRun run(f.s, ValidationRun::Kind::AsIs);
        f.s.ValBlockNo = blockNo;
        check(f.s, LoadTableData(f.s, tableNo));
        EXPECT_TRUE(f.s.ValIsCritical);
        return f.ErrorLines();
    }
    void RunCases(const std::string& table, int tableNo, double blockNo, BlockCheck check,
                  const std::vector<Case>& cases) {
        for (size_t i = 0; i < cases.size(); ++i) {
            SCOPED_TRACE(cases[i].name);
            Household(Two(static_cast<int>(i) + 1));
            for (const Cells& row : cases[i].rows) Row(table, row);
            EXPECT_EQ(ValidateBlock(blockNo, tableNo, check), cases[i].expected);
        }
    }
    Lines ValidateHousehold() {
        ValidationRun run(f.s, ValidationRun::Kind::AsIs);
        ValHH051(f.s);
        EXPECT_TRUE(f.s.ValIsCritical);
        EXPECT_EQ(f.s.ValBlockNo, 8);
        return f.ErrorLines();
    }
    // Every block of a clean household: two members, one air-conditioner, one air-cooler.
    void CleanHousehold() {
        Row("S051L01", Block1());
        Row("S051L02", Member3(1, 40));
        Row("S051L02", Member3(2, 10));
        Row("S051L03", Block4());
        Row("S051L04", Appliance(1));
        Row("S051L05", Cooler(1));
        Row("S051L06", Member5(1, 40));
        Row("S051L06", Member5(2, 10, "3"));
        Row("S051L07", Block6());
        Row("S051L08", Member7(1, 40));
        Row("S051L09", Block8());
    }

    test::FsuFile f{"10001", 2};
};

void Blk1(SharedState& s, int) { ValBlk051_1(s); }
void Blk4(SharedState& s, int) { ValBlk051_4(s); }
void Blk6(SharedState& s, int) { ValBlk051_6(s); }
void Blk8(SharedState& s, int) { ValBlk051_8(s); }

TEST_F(Sch051Test, Block1And2EachRuleOnce) {
    auto one = [](Cells changes) { return std::vector<Cells>{With(Block1(), changes)}; };
    RunCases("S051L01", 13, 1, Blk1,
             {
                 {"clean", one({}), {}},
                 {"substituted with reason", one({{"SVC", "2"}, {"RES_SUBST", "9"}}), {}},
                 {"survey code 4", one({{"SVC", "4"}}), {"B 1|9||inconsistent survey code| |Crit"}},
                 {"substituted without reason",
                  one({{"SVC", "3"}}),
                  {"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"}},
                 {"reason without substitution",
                  one({{"RES_SUBST", "1"}}),
                  {"B 1|10||item-10 = 1 to 3 or 9 iff item 9 not = 1|inconsistent reason for subst|Warn"}},
                 {"31 February", one({{"DOS", "310220"}}), {"B 2|2(i)|3|Invalid Date of survey||Warn"}},
                 {"surveyed in 2019",
                  one({{"DOS", "311219"}}),
                  {"B 2|2(i)|3|Date of survey beyond survey period||Warn"}},
                 {"no despatch date", one({{"DOD", ""}}), {"B 2|2(iv)|4|Invalid Date of Despatch||Warn"}},
                 {"despatched on the day of survey", one({{"DOD", "150320"}}), {}},
                 {"despatched the day before",
                  one({{"DOD", "140320"}}),
                  {"B 2|2(iv)|4|Date of despatch < date of survey||Warn"}},
                 {"despatched before the window, no survey date",
                  one({{"DOS", ""}, {"DOD", "311219"}}),
                  {"B 2|2(i)|3|Invalid Date of survey||Warn",
                   "B 2|2(iv)|4|Date of despatch < date of survey||Warn"}},
                 {"remarks",
                  one({{"REM1", "3"}, {"REM2", ""}, {"REM3", "0"}, {"REM4", "x"}}),
                  {"B 2|6(i)|3|invalid code||Warn", "B 2|6(i)|4|invalid code||Warn",
                   "B 2|6(ii)|3|invalid code||Warn", "B 2|6(ii)|4|invalid code||Warn"}},
             });
}

TEST_F(Sch051Test, Block3EachRuleOnce) {
    auto one = [](Cells changes, int age = 40) { return std::vector<Cells>{With(Member3(1, age), changes)}; };
    auto row = [](const std::string& col, const std::string& msg) {
        return "B 3|01|" + col + "|" + msg + "||Warn";
    };
    const std::string elsewhere = "col.8 not any of 11-51 but entry exists";
    RunCases(
        "S051L02", 14, 3, ValBlk051_3,
        {
            {"clean", {Member3(1, 40), Member3(2, 10), Member3(3, 60)}, {}},
            {"serials 1, 2, 4",
             {Member3(1, 40), Member3(2, 40), Member3(4, 40)},
             {"B 3|04|1|srlno not continuous from 1||Crit"}},
            {"serials 2, 3",
             {Member3(2, 40), Member3(3, 40)},
             {"B 3|02|1|srlno not continuous from 1||Crit", "B 3|03|1|srlno not continuous from 1||Crit"}},
            {"relation", one({{"B3C3", "0"}}), {row("3", "invalid relation to head code")}},
            {"gender", one({{"B3C4", "4"}}), {row("4", "invalid gender code")}},
            {"age 110",
             one({{"B3C12", "2"}, {"B3C13", "1"}}, 110),
             {row("12", "age>50 but entry exists"),
              row("13", "age>50 or col.12 is not 2 or 3, but entry exists")}},
            {"age 111", one({}, 111), {row("5", "Pl. check age")}},
            {"marital status", one({{"B3C6", "5"}}), {row("6", "invalid marital status code")}},
            {"education one digit", one({{"B3C7", "5"}}), {row("7", "invalid educational level code")}},
            {"education 09", one({{"B3C7", "09"}}), {row("7", "invalid educational level code")}},
            {"activity",
             one({{"B3C8", "96"}, {"B3C9", ""}, {"B3C10", ""}}),
             {row("8", "invalid usual principal activity status code")}},
            {"not working with NIC and NCO",
             one({{"B3C8", "81"}}),
             {row("9", elsewhere), row("10", elsewhere)}},
            {"NIC 04", one({{"B3C9", "04"}}), {row("9", "invalid NIC code")}},
            {"NIC one digit", one({{"B3C9", "1"}}), {row("9", "invalid NIC code")}},
            {"NIC blank", one({{"B3C9", ""}}), {row("9", "invalid NIC code")}},
            {"NCO X1", one({{"B3C10", "X1"}}), {}},
            {"NCO X5", one({{"B3C10", "X5"}}), {row("10", "invalid NCO code")}},
            {"NCO 14", one({{"B3C10", "14"}}), {row("10", "invalid NCO code")}},
            {"NCO X", one({{"B3C10", "X"}}), {row("10", "invalid NCO code")}},
            {"column 11", one({{"B3C11", "5"}}), {row("11", "invalid code, Pl. check")}},
            {"column 12", one({{"B3C12", "4"}, {"B3C13", ""}}), {row("12", "invalid code, Pl. check")}},
            {"column 13 not asked",
             one({{"B3C12", "1"}}),
             {row("13", "age>50 or col.12 is not 2 or 3, but entry exists")}},
            {"column 13", one({{"B3C13", "4"}}), {row("13", "invalid code, Pl. check")}},
            {"age 14",
             one({{"B3C14", "1"}, {"B3C15", "1"}, {"B3C16", "1"}}, 14),
             {row("14", "age<15 but entry exists"), row("15", "age<15 or col.14 not 1 but entry exists"),
              row("16", "age<15 but entry exists")}},
            {"column 14", one({{"B3C14", "3"}, {"B3C15", ""}}), {row("14", "invalid code, Pl. check")}},
            {"column 15 not asked",
             one({{"B3C14", "2"}}),
             {row("15", "age<15 or col.14 not 1 but entry exists")}},
            {"column 15", one({{"B3C15", "5"}}), {row("15", "invalid code, Pl. check")}},
            {"column 16", one({{"B3C16", ""}}), {row("16", "invalid code, Pl. check")}},
        });
}

TEST_F(Sch051Test, Block4EachRuleOnce) {
    auto one = [](Cells changes) { return std::vector<Cells>{With(Block4(), changes)}; };
    auto row = [](const std::string& item, const std::string& msg) {
        return "B 4|" + item + "||" + msg + "||Warn";
    };
    // Items 5 to 9 of 10 a month, with the yearly item 8 given.
    auto spent = [&](const std::string& item8, const std::string& item10) {
        return one(
            {{"B4I5", "10"}, {"B4I6", ""}, {"B4I7", ""}, {"B4I8", item8}, {"B4I9", ""}, {"B4I10", item10}});
    };
    RunCases(
        "S051L03", 15, 4, Blk4,
        {
            {"clean", one({}), {}},
            {"household size", one({{"B4I1", "0"}}), {"B 4|1||Househod size should be >= 1||Crit"}},
            {"religion", one({{"B4I2", "8"}}), {row("2", "Invalid religion code")}},
            {"social group", one({{"B4I3", "4"}}), {row("3", "Invalid social group code")}},
            {"item 4 one digit", one({{"B4I4", "5"}}), {row("4", "Invalid social group code")}},
            {"item 4 05", one({{"B4I4", "05"}}), {}},
            {"item 10 one off", spent("", "11"), {}},
            {"item 10 two off",
             spent("", "12"),
             {row("10", "Item 10 12 not equal to sum of items 5 to 9  10")}},
            {"a half year goes to the even month",
             spent("6", "12"),
             {row("10", "Item 10 12 not equal to sum of items 5 to 9  10")}},
            {"one and a half goes up",
             spent("18", "14"),
             {row("10", "Item 10 14 not equal to sum of items 5 to 9  12")}},
            {"item 11",
             one({{"B4I11", "7"}, {"B4I12", ""}, {"B4I13", ""}, {"B4I14", ""}, {"B4I15", ""}}),
             {row("11", "Invalid code")}},
            {"items 12-15 not asked",
             one({{"B4I11", "6"}}),
             {row("12", "code not 1-5 or 9 in item 11 but item 12 exists"),
              row("13", "code not 1-5 or 9 in item 11 but item 13 exists"),
              row("14", "code not 1-5 or 9 in item 11 but item 14 exists"),
              row("15", "code not 1-5 or 9 in item 11 but item 15 exists")}},
            {"items 12-15",
             one({{"B4I12", "4"}, {"B4I13", "0"}, {"B4I14", ""}, {"B4I15", "4"}}),
             {row("12", "1-5 or 9 in item 11 but invalid code in item 12"),
              row("13", "1-5 or 9 in item 11 but invalid code in item 13"),
              row("14", "1-5 or 9 in item 11 but invalid code in item 14"),
              row("15", "1-5 or 9 in item 11 but invalid code in item 15")}},
            {"items 16-23",
             one({{"B4I16", "1"},
                  {"B4I17", "7"},
                  {"B4I18", "20"},
                  {"B4I19", "9"},
                  {"B4I20", "17"},
                  {"B4I21", "3"},
                  {"B4I22", "8"},
                  {"B4I23", "8"}}),
             {row("16", "Invalid code"), row("17", "Invalid code"), row("18", "Invalid code"),
              row("19", "Invalid code"), row("20", "Invalid code"), row("21", "Invalid code"),
              row("22", "Invalid code"), row("23", "Invalid code")}},
            {"item 24 of 90", one({{"B4I23", "3"}, {"B4I24", "90"}}), {}},
            {"item 24 of 91", one({{"B4I23", "3"}, {"B4I24", "91"}}), {row("24", "please check the figure")}},
            {"item 24 not asked",
             one({{"B4I24", "5"}}),
             {row("24", "item 23 not any of 3 to 7 but item 24>0")}},
            {"item 25", one({{"B4I25", "6"}, {"B4I26", ""}}), {row("25", "Invalid code")}},
            {"item 26 not asked",
             one({{"B4I25", "5"}}),
             {row("26", "item 25 not any of 1-4 or 9 but item 26 exists")}},
            {"item 26 one digit",
             one({{"B4I26", "1"}}),
             {row("26", "1-4 or 9 in item 25 but invalid code in item 26")}},
            {"items 27-30",
             one({{"B4I27", "6"}, {"B4I28", "5"}, {"B4I29", "5"}, {"B4I30", "6"}}),
             {row("27", "Invalid code"), row("28", "Invalid code"), row("29", "Invalid code"),
              row("30", "Invalid code")}},
            {"item 31", one({{"B4I30", "3"}}), {row("31", "3 or 4 in item 30 but invalid code in item 31")}},
            {"item 31 not asked",
             one({{"B4I31", "1"}}),
             {row("31", "3 or 4 not in item 30 but entry exists in item 31")}},
            {"rural items 32-33",
             one({{"B4I32", "3"}, {"B4I33", "1"}}),
             {row("32", "Invalid code"), row("33", "Item 33 applicable only for URBAN")}},
            {"items 34-43",
             one({{"B4I35", "6"}, {"B4I37", "7"}, {"B4I40", "3"}}),
             {row(" 35", "Invalid code"), row("37", "Invalid code"), row(" 40", "Invalid code")}},
            {"item 44", one({{"B4I44", ""}}), {row("44", "1 in item 43 but item 44 blank")}},
            {"item 44 not asked", one({{"B4I43", "2"}, {"B4I44", ""}}), {}},
            {"item 45", one({{"B4I45", "3"}}), {row("45", "Invalid code")}},
            {"item 46", one({{"B4I46", ""}}), {row("46", "1 in item 45 but item 46 blank")}},
        });
}

TEST_F(Sch051Test, Block4UrbanItems) {
    f.s.FsuSector = "2";
    auto row = [](const std::string& item, const std::string& msg) {
        return "B 4|" + item + "||" + msg + "||Warn";
    };
    RunCases("S051L03", 15, 4, Blk4,
             {
                 {"urban", {With(Block4(), {{"B4I32", ""}, {"B4I33", "2"}})}, {}},
                 {"rural item in a town",
                  {With(Block4(), {{"B4I33", ""}})},
                  {row("32", "Item 32 applicable only for RURAL"), row("33", "Invalid code")}},
             });
}

TEST_F(Sch051Test, Blocks41And42NumberTheirRows) {
    RunCases("S051L04", 16, 4.1, ValBlk051_41,
             {
                 {"clean", {Appliance(1), Appliance(2)}, {}},
                 {"1, 2, 2",
                  {Appliance(1), Appliance(2), Appliance(2)},
                  {"B 4.1|02|1|srlno not continuous from 1||Crit"}},
                 {"0, 1",
                  {Appliance(0), Appliance(1)},
                  {"B 4.1|00|1|srlno not continuous from 1||Crit",
                   "B 4.1|01|1|srlno not continuous from 1||Crit"}},
             });
    RunCases("S051L05", 17, 4.2, ValBlk051_42,
             {
                 {"one cooler", {Cooler(1)}, {}},
                 {"2", {Cooler(2)}, {"B 4.2|02|1|srlno not continuous from 1||Crit"}},
             });
}

TEST_F(Sch051Test, Block5EachRuleOnce) {
    auto one = [](int age, const std::string& item4, Cells changes = {}) {
        return std::vector<Cells>{Member5(1, age, item4, changes)};
    };
    auto row = [](const std::string& col, const std::string& msg1, const std::string& msg2 = "") {
        return "B 5|01|" + col + "|" + msg1 + "|" + msg2 + "|Warn";
    };
    const std::string any51 = "entry any of 06-08 or 10 in item 5.1 ",
                      notAny51 = "entry not any of 06-08 or 10 in item 5.1 ";
    Cells noIct;
    for (int i = 8; i <= 16; ++i) noIct.emplace_back("B5I" + std::to_string(i), "");
    Lines ictRows;
    for (int i = 8; i <= 16; ++i)
        ictRows.push_back(row(" " + std::to_string(i), "Invalid code", " for age >=15"));
    Lines notAttending{row("5", "entry in item 4 not 3 ", "but entry exists in any of 5.1 to 5.10.2")};
    notAttending.insert(notAttending.end(), ictRows.begin(), ictRows.end());

    RunCases(
        "S051L06", 18, 5, ValBlk051_5,
        {
            {"clean",
             {Member5(1, 40), Member5(2, 10, "3"), Member5(3, 20, "2"), Member5(4, 3, "1"), Member5(5, 2)},
             {}},
            {"item 3", one(40, "", {{"B5I3", "3"}}), {row("3", "invalid code")}},
            {"item 4", one(20, "4"), {row("4", "invalid code")}},
            {"item 4.1 missing",
             one(20, "3", {{"B5I41", ""}}),
             {row("4.1", "code 3 or 4 in item 4, but item 4.1 is blank")}},
            {"item 4.1 not asked",
             one(20, "1", {{"B5I41", "1"}}),
             {row("4.1", "item 4 not 3 or 4, but item 4.1 is non-blank")}},
            {"item 4.2",
             one(20, "2", {{"B5I42", "3"}}),
             {row("4.2", "code 3 or 4 in item 4, but item 4.2 is blank")}},
            {"item 4.2 not asked",
             one(20, "1", {{"B5I42", "1"}}),
             {row("4.2", "item 4 not 3 or 4, but item 4.2 is non-blank")}},
            // Section 5: attending.
            {"item 5.1 one digit", one(20, "3", {{"B5I51", "1"}}), {row("5.1", "Invalid code")}},
            {"items 5.2 and 5.3",
             one(20, "3", {{"B5I52", "5"}, {"B5I53", ""}}),
             {row("5.2", "Invalid code"), row("5.3", "Invalid code")}},
            {"item 5.4.1 one digit",
             one(20, "3", {{"B5I51", "07"}, {"B5I541", "3"}, {"B5I542", "1"}}),
             {row("5.4.1", any51, "but invalid code in item 5.4.1")}},
            {"item 5.4.1 two digits", one(20, "3", {{"B5I51", "07"}, {"B5I541", "03"}, {"B5I542", "1"}}), {}},
            {"item 5.4.1 not asked",
             one(20, "3", {{"B5I541", "02"}}),
             {row("5.4.1", notAny51, "but entry exists in item 5.4.1")}},
            {"item 5.4.2",
             one(20, "3", {{"B5I51", "10"}, {"B5I541", "03"}}),
             {row("5.4.2", any51, "but invalid code in item 5.4.2")}},
            {"item 5.4.2 not asked",
             one(20, "3", {{"B5I542", "1"}}),
             {row("5.4.2", notAny51, "but entry exists in item 5.4.2")}},
            {"item 5.5",
             one(20, "3", {{"B5I51", "06"}, {"B5I541", "01"}, {"B5I542", "1"}}),
             {row("5.5", "entry in item 5.4.1 is 01 ", "but invalid code in item 5.5")}},
            {"item 5.5 not asked",
             one(20, "3", {{"B5I55", "1"}}),
             {row("5.5", "entry not 01 in item 5.4.1 ", "but entry exists in item 5.5")}},
            {"items 5.6.1 and 5.6.2",
             one(20, "3", {{"B5I561", "3"}, {"B5I562", ""}}),
             {row("5.6.1", "invalid code in item 5.6.1"), row("5.6.2", "invalid code in item 5.6.2")}},
            {"item 5.7",
             one(20, "3", {{"B5I561", "2"}, {"B5I562", "2"}}),
             {row("5.7", "2 in item 5.6.1 and 5.6.2 ", "but invalid code in item 5.7")}},
            {"item 5.7 not asked",
             one(20, "3", {{"B5I57", "1"}}),
             {row("5.7", "entry in item 5.6.1 or 5.6.2 is not 2 ", "but entry exists in item 5.7")}},
            {"item 5.8", one(20, "3", {{"B5I58", "4"}}), {row("5.8", "invalid code in item 5.8")}},
            {"item 5.9",
             one(20, "3", {{"B5I58", "3"}}),
             {row("5.9", "3 in item 5.8 ", "but invalid code in item 5.9")}},
            {"item 5.9 not asked",
             one(20, "3", {{"B5I59", "1"}}),
             {row("5.9", "entry in item 5.8 is not 3 ", "but entry exists in item 5.9")}},
            {"item 5.10.1", one(20, "3", {{"B5I5101", ""}}), {row("5.101", "invalid code in item 5.10.1")}},
            {"item 5.10.2",
             one(20, "3",
                 {{"B5I561", "2"},
                  {"B5I562", "2"},
                  {"B5I57", "1"},
                  {"B5I58", "3"},
                  {"B5I59", "1"},
                  {"B5I5101", "2"},
                  {"B5I5102", "7"}}),
             {row("5.102", "2 in I5.10.1, 3 in I5.8, 2 in I5.6.1&5.6.2 ",
                  "but invalid code in item 5.10.2")}},
            {"item 5.10.2 of 9",
             one(20, "3",
                 {{"B5I561", "2"},
                  {"B5I562", "2"},
                  {"B5I57", "1"},
                  {"B5I58", "3"},
                  {"B5I59", "1"},
                  {"B5I5101", "2"},
                  {"B5I5102", "9"}}),
             {}},
            {"item 5.10.2 not asked",
             one(20, "3", {{"B5I5102", "1"}}),
             {row("5.102", "not 2 in I5.10.1 or 3 in I5.8 or 2 in I5.6.1&5.6.2",
                  " but entry exists in I5.10.2")}},
            {"section 5 keyed for item 4 of 2, aged 20", one(20, "2", With(noIct, {{"B5I51", "01"}})),
             notAttending},
            // Section 6: attended before.
            {"item 6.1", one(20, "2", {{"B5I61", "16"}}), {row("6.1", "invalid code in item 6.1")}},
            {"item 6.2",
             one(20, "2", {{"B5I61", "07"}, {"B5I62", "13"}}),
             {row("6.2", "code 06-08 in item 6.1, ", "but invalid code in item 6.2")}},
            {"item 6.2 not asked",
             one(20, "2", {{"B5I62", "1"}}),
             {row("6.2", "code not 06-08 in item 6.1, ", "but entry exists in item 6.2")}},
            {"items 6.3 and 6.4",
             one(20, "2", {{"B5I63", "3"}, {"B5I64", "4"}}),
             {row("6.3", "invalid code in item 6.3"), row("6.4", "invalid code in item 6.4")}},
            {"item 6.5",
             one(20, "2", {{"B5I64", "3"}}),
             {row("6.5", "code 3 in item 6.4 ", "but invalid code in item 6.5")}},
            {"item 6.5 not asked",
             one(20, "2", {{"B5I65", "1"}}),
             {row("6.5", "code not 3 in item 6.4 ", "but entry exists in item 6.5")}},
            {"item 6.6.1", one(20, "2", {{"B5I661", "4"}}), {row("6.6", "invalid code in item 6.6.1")}},
            {"item 6.6.2",
             one(20, "2", {{"B5I64", "3"}, {"B5I65", "1"}, {"B5I661", "2"}, {"B5I662", "7"}}),
             {row("6.6", "2 in I6.6.1, 3 in I6.4 ", "but invalid code in item 6.6.2")}},
            {"item 6.6.2 not asked",
             one(20, "2", {{"B5I662", "1"}}),
             {row("6.6", "2 not in I6.6.1, 3 not in I6.4 ", "but entry exists item 6.6.2")}},
            {"section 6 keyed for item 4 of 3",
             one(20, "3", {{"B5I61", "01"}}),
             {row("6", "entry in item 4 not 2 ", "but entry exists in any of 6.1 to 6.6.2")}},
            // Section 7: never attended.
            {"item 7.1", one(20, "1", {{"B5I71", "4"}}), {row("7.1", "invalid code in item 7.1")}},
            {"item 7.2",
             one(20, "1", {{"B5I71", "3"}}),
             {row("7.2", "code 3 in item 7.1, ", "but invalid code in item 7.2")}},
            {"item 7.2 not asked",
             one(20, "1", {{"B5I72", "1"}}),
             {row("7.2", "code not 3 in item 7.1, ", "but entry exists in item 7.2")}},
            {"item 7.3.1", one(20, "1", {{"B5I731", "3"}}), {row("7.3", "invalid code in item 7.3.1")}},
            {"item 7.3.2",
             one(20, "1", {{"B5I71", "3"}, {"B5I72", "1"}, {"B5I731", "2"}, {"B5I732", "8"}}),
             {row("7.3.2", "2 in I7.3.1, 3 in I7.1 ", "but invalid code in item 7.3.2")}},
            {"item 7.3.2 not asked",
             one(20, "1", {{"B5I732", "1"}}),
             {row("7.3.2", "2 not in I7.3.1, 3 not in I7.1 ", "but entry exists in item 7.3.2")}},
            {"section 7 keyed for item 4 of 2",
             one(20, "2", {{"B5I71", "1"}}),
             {row("7", "entry in item 4 not 1 ", "but entry exists in any of 7.1 to 7.3.2")}},
            // Ages.
            {"aged 2 with items 4 and 8",
             one(2, "1", {{"B5I71", ""}, {"B5I731", ""}, {"B5I8", "1"}}),
             {row("-", "entry should be blank in item 5/6/7", " for age not 3 to 35"),
              row(" 8", "entry should be blank", " for age <15")}},
            {"aged 36 with a blank of spaces", one(36, "", {{"B5I4", " "}}), {}},
            {"aged 10 attending without 5.1 to 5.3",
             one(10, "3", {{"B5I51", ""}, {"B5I52", ""}, {"B5I53", ""}, {"B5I16", "2"}}),
             {row("5.1", "Invalid code"), row("5.2", "Invalid code"), row("5.3", "Invalid code"),
              row(" 16", "entry should be blank", " for age <15")}},
            {"aged 15 item 16",
             one(15, "1", {{"B5I16", "3"}}),
             {row(" 16", "Invalid code", " for age >=15")}},
            {"second member",
             {Member5(1, 40), Member5(2, 40, "", {{"B5I3", ""}})},
             {"B 5|02|3|invalid code||Warn"}},
        });
}

// Block 5 takes an entry of spaces for none where a section or an age closes items;
// block 6 takes only an empty entry for none.
TEST_F(Sch051Test, EntriesOfSpaces) {
    auto row5 = [](const std::string& col, const std::string& msg1, const std::string& msg2 = "") {
        return "B 5|01|" + col + "|" + msg1 + "|" + msg2 + "|Warn";
    };
    RunCases(
        "S051L06", 18, 5, ValBlk051_5,
        {
            {"section 5 of spaces, item 4 of 2", {Member5(1, 20, "2", {{"B5I51", " "}})}, {}},
            {"section 7 of spaces, item 4 of 3", {Member5(1, 20, "3", {{"B5I732", " "}})}, {}},
            {"item 8 of spaces, aged 10", {Member5(1, 10, "3", {{"B5I8", " "}})}, {}},
            {"item 8 of spaces, aged 15",
             {Member5(1, 15, "3", {{"B5I8", " "}})},
             {row5(" 8", "Invalid code", " for age >=15")}},
            {"item 5.4.1 of a space not asked",
             {Member5(1, 20, "3", {{"B5I541", " "}})},
             {row5("5.4.1", "entry not any of 06-08 or 10 in item 5.1 ", "but entry exists in item 5.4.1")}},
        });
    Cells notBought;
    for (const char* c : {"B6I7", "B6I8", "B6I9", "B6I10", "B6I11", "B6I12", "B6I13", "B6I14", "B6I15"})
        notBought.emplace_back(c, "");
    RunCases("S051L07", 19, 6, Blk6,
             {
                 {"item 6 of a space without item 5",
                  {With(Block6(), With(notBought, {{"B6I5", "2"}, {"B6I6", " "}}))},
                  {"B 6| 6||item 5 is not 1|but entry exists|Warn"}},
             });
}

TEST_F(Sch051Test, Block6EachRuleOnce) {
    auto one = [](Cells changes) { return std::vector<Cells>{With(Block6(), changes)}; };
    auto row = [](const std::string& item, const std::string& msg1, const std::string& msg2 = "") {
        return "B 6|" + item + "||" + msg1 + "|" + msg2 + "|Warn";
    };
    Cells notBought;
    for (const char* c : {"B6I7", "B6I8", "B6I9", "B6I10", "B6I11", "B6I12", "B6I13", "B6I14", "B6I15"})
        notBought.emplace_back(c, "");
    RunCases(
        "S051L07", 19, 6, Blk6,
        {
            {"clean", one({}), {}},
            {"no dwelling bought or built",
             one(With(notBought, {{"B6I3", "2"}, {"B6I4", ""}, {"B6I5", ""}, {"B6I6", ""}})),
             {}},
            {"decimals add up", one({{"B6I21", "0.1"}, {"B6I22", "0.2"}, {"B6I23", "0.3"}}), {}},
            {"item 1",
             one({{"B6I1", "3"}, {"B6I21", ""}, {"B6I22", ""}, {"B6I23", ""}}),
             {"B 6|1||Invalid code||Crit"}},
            {"item 2 without item 1",
             one({{"B6I1", "2"}}),
             {row("2. 1", "Item 1 is not 1", "but Item 2>0"), row("2. 2", "Item 1 is not 1", "but Item 2>0"),
              row("2. 3", "Item 1 is not 1", "but Item 2>0")}},
            {"item 2.2 blank", one({{"B6I22", ""}}), {row("2. 2", "Invalid relentry, should be>=0")}},
            {"item 2.3",
             one({{"B6I23", "2"}}),
             {row("2.3", "Item 2.3 is not equal to", "sum of 2.1 and 2.2")}},
            {"item 3",
             one({{"B6I3", "3"}}),
             {row("3", "Invalid code in item 3"),
              row("4", "code not 1 in item 3 ", "but entry exists in item 4"),
              row("5", "code not 1 in item 3 ", "but entry exists in item 5")}},
            {"item 4", one({{"B6I4", "3"}}), {row("4", "code 1 in item 3 ", "but invalid code in item 4")}},
            {"item 5",
             one(With(notBought, {{"B6I5", "3"}, {"B6I6", ""}})),
             {row("5", "code 1 in item 3 ", "but invalid code in item 5")}},
            {"items 6 and 16 without item 5",
             one(With(notBought, {{"B6I5", "2"}})),
             {row(" 6", "item 5 is not 1", "but entry exists")}},
            {"item 6", one({{"B6I6", "3"}}), {row("6", "Invalid code in item 6")}},
            {"item 7", one({{"B6I7", "15"}}), {row("7", "Invalid year in item 7")}},
            {"items 8 and 9",
             one({{"B6I8", ""}, {"B6I9", ""}}),
             {row("8", "Pl. check entry in item 8"), row("9", "Pl. check entry in item 9")}},
            {"item 14", one({{"B6I14", "301"}}), {row("14", "Item 14 is not equal to", "sum of 10 to 13")}},
            {"items 15 to 17",
             one({{"B6I15", "0"}, {"B6I16", ""}, {"B6I17", "5"}}),
             {row("15", "Invalid code in item 15"), row("16", "Invalid code in item 16"),
              row("17", "Invalid code in item 17")}},
        });
}

TEST_F(Sch051Test, Block7EachRuleOnce) {
    auto one = [](Cells changes) { return std::vector<Cells>{With(Member7(1, 40), changes)}; };
    auto row = [](const std::string& col, const std::string& msg1, const std::string& msg2 = "") {
        return "B 7|01|" + col + "|" + msg1 + "|" + msg2 + "|Warn";
    };
    RunCases(
        "S051L08", 20, 7, ValBlk051_7,
        {
            {"clean", {Member7(1, 40), Member7(2, 10)}, {}},
            {"did not move, all keyed", one({{"B7I3", "2"}, {"B7I4", "9"}}), {}},
            {"item 3", one({{"B7I3", "3"}}), {row("3", "invalid code")}},
            {"item 4", one({{"B7I4", "8"}}), {row("4", "invalid code")}},
            {"state one digit", one({{"B7I5", "9"}}), {row("5", "invalid state/ country code")}},
            {"state 38", one({{"B7I5", "38"}}), {row("5", "invalid state/ country code")}},
            {"country 41 and 99",
             {With(Member7(1, 40), {{"B7I5", "41"}}), With(Member7(2, 40), {{"B7I5", "99"}})},
             {}},
            {"item 6 09", one({{"B7I6", "09"}}), {row("6", "invalid code")}},
            {"item 7", one({{"B7I7", "7"}, {"B7I8", ""}}), {row("7", "invalid code")}},
            {"item 8",
             one({{"B7I8", "4"}}),
             {row("8", "item 7 is any of 1-5 or 9, ", "invalid code in item 8")}},
            {"item 8 not asked",
             one({{"B7I7", "6"}}),
             {row("8", "item 7 is not any of 1-5 or 9, ", "entry exits in item 8")}},
            {"item 9", one({{"B7I9", "3"}, {"B7I10", ""}}), {row("9", "invalid code")}},
            {"item 10", one({{"B7I10", "4"}}), {row("10", "1 in item 9", "but invalid code in item 10")}},
            {"item 10 not asked",
             one({{"B7I9", "2"}}),
             {row("10", "item 9 not 1,", " but entry exists in item 10")}},
            {"item 11", one({{"B7I11", "7"}}), {row("11", "invalid code")}},
            {"item 12", one({{"B7I12", "3"}, {"B7I13", ""}}), {row("12", "invalid code")}},
            {"item 13", one({{"B7I13", "6"}}), {row("13", "item 12 is 1", "but item 13 is invalid")}},
            {"item 13 not asked",
             one({{"B7I12", "2"}}),
             {row("13", "item 12 is not 1", "but item 13 exists")}},
            {"item 14", one({{"B7I14", "3"}, {"B7I15", ""}, {"B7I16", ""}}), {row("14", "invalid code")}},
            {"item 15 one digit",
             one({{"B7I15", "1"}}),
             {row("15", "item 14 is 1", "but item 15 is invalid")}},
            {"item 16", one({{"B7I16", "3"}}), {row("16", "item 14 is 1", "but item 16 is invalid")}},
            {"items 15 and 16 not asked",
             one({{"B7I14", "2"}}),
             {row("15", "item 14 is not 1", "but item 15 exists"),
              row("16", "item 14 is not 1", "but item 16 exists")}},
        });
}

TEST_F(Sch051Test, Block8EachRuleOnce) {
    auto one = [](Cells changes) { return std::vector<Cells>{With(Block8(), changes)}; };
    auto row = [](const std::string& item, const std::string& msg1, const std::string& msg2 = "") {
        return "B 8|" + item + "||" + msg1 + "|" + msg2 + "|Warn";
    };
    RunCases("S051L09", 21, 8, Blk8,
             {
                 {"clean", one({}), {}},
                 {"no food shortage", one({{"B8I1", "2"}, {"B8I2", ""}, {"B8I3", "2"}, {"B8I4", ""}}), {}},
                 {"item 1", one({{"B8I1", "3"}, {"B8I2", ""}}), {row("1", "Invalid code in item 1")}},
                 {"item 2", one({{"B8I2", ""}}), {row("2", "code 1 in item 1 ", "but blank in item 2")}},
                 {"item 2 not asked",
                  one({{"B8I1", "2"}}),
                  {row("2", "item 1 is not 1", "but entry exists in item 2")}},
                 {"item 3", one({{"B8I3", ""}, {"B8I4", ""}}), {row("3", "Invalid code in item 3")}},
                 {"item 4", one({{"B8I4", ""}}), {row("4", "code 1 in item 3 ", "but blank in item 4")}},
                 {"item 4 not asked",
                  one({{"B8I3", "2"}}),
                  {row("4", "item 3 is not 1", "but entry exists in item 4")}},
             });
}

// --- The household driver ---------------------------------------------------

TEST_F(Sch051Test, CleanHouseholdWritesNothing) {
    Household("01");
    CleanHousehold();
    EXPECT_EQ(ValidateHousehold(), Lines{});
    EXPECT_EQ(f.s.ValCritCount, 0);
}

TEST_F(Sch051Test, DriverRunsEveryBlockOnceInTheFormsOrder) {
    Household("01");
    Row("S051L01", With(Block1(), {{"REM1", ""}}));
    Row("S051L02", With(Member3(1, 40), {{"B3C6", ""}}));
    Row("S051L02", Member3(2, 10));
    Row("S051L03", With(Block4(), {{"B4I2", ""}}));
    Row("S051L04", Appliance(2));
    Row("S051L05", Cooler(3));
    Row("S051L06", With(Member5(1, 40), {{"B5I3", ""}}));
    Row("S051L07", With(Block6(), {{"B6I17", ""}}));
    Row("S051L08", With(Member7(1, 40), {{"B7I3", ""}}));
    Row("S051L09", With(Block8(), {{"B8I1", ""}, {"B8I2", ""}}));
    ValidationRun run(f.s, ValidationRun::Kind::Households);
    ValHH051(f.s);
    EXPECT_EQ(f.ErrorLines(), (Lines{
                                  "B 2|6(i)|3|invalid code||Warn",
                                  "B 4|2||Invalid religion code||Warn",
                                  "B 3|01|6|invalid marital status code||Warn",
                                  "B 4.1|02|1|srlno not continuous from 1||Crit",
                                  "B 4.2|03|1|srlno not continuous from 1||Crit",
                                  "B 5|01|3|invalid code||Warn",
                                  "B 6|17||Invalid code in item 17||Warn",
                                  "B 7|01|3|invalid code||Warn",
                                  "B 8|1||Invalid code in item 1||Warn",
                              }));
    // A whole-FSU run names the household on each row.
    const auto rows = f.ErrorRows();
    EXPECT_EQ(rows.front().sss, "1");
    EXPECT_EQ(rows.front().ssu, "01");
    EXPECT_EQ(f.s.ValCritCount, 2);
}

TEST_F(Sch051Test, HouseholdWithoutBlock1) {
    Household("01");
    CleanHousehold();
    f.s.FsuConn->Execute("delete from S051L01");
    const std::string kept = "|||Block contains records|Survey code= |Crit";
    EXPECT_EQ(ValidateHousehold(), (Lines{"B 1|||Block contains no records|Essential Block|Crit",
                                          "B 4" + kept, "B 3" + kept, "B 4.1" + kept, "B 4.2" + kept,
                                          "B 5" + kept, "B 6" + kept, "B 7" + kept, "B 8" + kept}));
}

TEST_F(Sch051Test, BlocksOfAHouseholdNotSurveyed) {
    Household("01");
    Row("S051L01", With(Block1(), {{"SVC", "3"}, {"RES_SUBST", "1"}}));
    Row("S051L04", Appliance(1));
    Row("S051L07", Block6());
    EXPECT_EQ(
        ValidateHousehold(),
        (Lines{"B 4.1|||Block contains records|Survey code= 3|Crit",
               "B 4.1|1||B4I44 not= block-4.1 total airconditioners |B4I44= 0 blk-4.1 total aircond= 1|Crit",
               "B 6|||Block contains records|Survey code= 3|Crit"}));
}

TEST_F(Sch051Test, SurveyedHouseholdWithoutBlocks4And3) {
    Household("01");
    Row("S051L01", Block1());
    Row("S051L04", Appliance(1));
    Row("S051L04", Appliance(2));
    Row("S051L06", Member5(1, 40));
    EXPECT_EQ(
        ValidateHousehold(),
        (Lines{"B 4|||Block contains no records|Survey code= 1|Crit",
               "B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn",
               "B 3|||Block contains no records|Survey code= 1|Crit",
               "B 4.1|1||B4I44 not= block-4.1 total airconditioners |B4I44= 0 blk-4.1 total aircond= 2|Crit",
               "B 5|01|1|Srl no. not matching with bl. 3 | Pl. check |Warn"}));
}

TEST_F(Sch051Test, CountsOfBlock4AgainstTheLists) {
    Household("01");
    CleanHousehold();
    Row("S051L02", Member3(3, 40));
    Row("S051L05", Cooler(2));
    f.s.FsuConn->Execute("update S051L03 set B4I44 = ?", {"2"});
    EXPECT_EQ(
        ValidateHousehold(),
        (Lines{"B 4|1||hhsize not= block-3 total members |hhsize= 2blk-3 total mem= 3|Crit",
               "B 4.1|1||B4I44 not= block-4.1 total airconditioners |B4I44= 2 blk-4.1 total aircond= 1|Crit",
               "B 4.2|1||B4I46 not= block-4.2 total aircooler |B4I46= 1 blk-4.2 total aircooler= 2|Crit"}));
}

TEST_F(Sch051Test, Informant) {
    struct InformantCase {
        std::string name, informant, memberSlno;
        int memberAge;
        Lines expected;
    };
    const std::string notMember =
        "B 1|7||Srl no. of informant not a current member or 99|check from blk-3|Warn";
    const std::vector<InformantCase> cases{
        {"member aged 12", "02", "02", 12, {}},
        {"member aged 11", "02", "02", 11, {"B 1|7||age of Srl no. of informant<12|pl. check|Warn"}},
        {"someone else", "99", "02", 40, {}},
        {"not a member", "03", "02", 40, {notMember}},
        // A serial number keyed as nothing or as no number names nobody, and the
        // run goes on to the blocks after block 3.
        {"blank serial",
         "",
         "",
         40,
         {notMember, "B 3||1|srlno not continuous from 1||Crit",
          "B 3|01|1|srlno not continuous from 1||Crit"}},
        {"unreadable serial", "02", "A1", 40, {notMember, "B 3|A1|1|srlno not continuous from 1||Crit"}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const InformantCase& c = cases[i];
        SCOPED_TRACE(c.name);
        Household(Two(static_cast<int>(i) + 1));
        Row("S051L01", With(Block1(), {{"INFSLN", c.informant}}));
        Row("S051L02", Member3(1, 40));
        Row("S051L02", With(Member3(2, c.memberAge), {{"SLNO", c.memberSlno}}));
        Row("S051L03", Block4());
        Row("S051L04", Appliance(1));
        Row("S051L05", Cooler(1));
        Row("S051L09", With(Block8(), {{"B8I1", ""}, {"B8I2", ""}}));
        Lines expected = c.expected;
        expected.push_back("B 8|1||Invalid code in item 1||Warn");
        EXPECT_EQ(ValidateHousehold(), expected);
    }
}

TEST_F(Sch051Test, MembersOfBlocks5And7AgainstBlock3) {
    Household("01");
    Row("S051L01", Block1());
    for (int m = 1; m <= 3; ++m) Row("S051L02", Member3(m, 40));
    Row("S051L03", With(Block4(), {{"B4I1", "3"}}));
    Row("S051L04", Appliance(1));
    Row("S051L05", Cooler(1));
    // Member 1 twice in a row, an age of 41 for member 2, serial 99 and serial 4.
    for (int m : {1, 1, 2, 3, 99, 4}) Row("S051L06", With(Member5(m, 40), {{"B5I2", m == 2 ? "41" : "40"}}));
    // In block 7 member 1 stands twice with another age than in block 3: one row.
    Row("S051L08", Member7(1, 45));
    Row("S051L08", Member7(1, 45));
    Row("S051L08", Member7(3, 39));
    EXPECT_EQ(ValidateHousehold(), (Lines{"B 5|02|2|Age not matching with bl. 3 | Pl. check |Warn",
                                          "B 5|04|1|Srl no. not matching with bl. 3 | Pl. check |Warn",
                                          "B 7|01|2|Age not matching with bl. 3 | Pl. check |Warn",
                                          "B 7|03|2|Age not matching with bl. 3 | Pl. check |Warn"}));
}

TEST_F(Sch051Test, HouseholdOfMoreThan71Members) {
    Household("01");
    Row("S051L01", With(Block1(), {{"INFSLN", "75"}}));
    for (int m = 1; m <= 75; ++m) {
        Row("S051L02", Member3(m, 40));
        Row("S051L06", With(Member5(m, 40), {{"B5I2", m == 74 ? "41" : "40"}}));
    }
    Row("S051L03", With(Block4(), {{"B4I1", "75"}}));
    Row("S051L04", Appliance(1));
    Row("S051L05", Cooler(1));
    Row("S051L08", Member7(75, 40));
    Row("S051L08", Member7(76, 40));
    EXPECT_EQ(ValidateHousehold(), (Lines{"B 5|74|2|Age not matching with bl. 3 | Pl. check |Warn",
                                          "B 7|76|1|Srl no. not matching with bl. 3 | Pl. check |Warn"}));
}

}  // namespace
}  // namespace r78
