#include "core/Loader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/DataLayout.h"
#include "core/SharedState.h"
#include "core/Text.h"
#include "platform/db/Connection.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

using Cells = std::vector<std::pair<std::string, std::string>>;

// An FSU file copied from the blank template, with the state pointing at it and
// at household SSS 1, SSU 01 of FSU 12345.
class LoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.DriveC = drive.Root();
        state.DataDir = "C:\\R78\\data";
        std::filesystem::create_directories(drive.Root() / "R78" / "data");
        conn = MakeFsuFile("12345.mdb");
        state.FsuFileName = "12345.mdb";
        state.CurFsuNo = "12345";
        state.CurSss = "1";
        state.CurSsu = "01";
    }

    std::unique_ptr<db::Connection> MakeFsuFile(const std::string& name) {
        const auto file = drive.Root() / "R78" / "data" / name;
        std::filesystem::copy_file(drive.BlankPath(), file);
        return db::Connection::Open(file);
    }

    static void Insert(db::Connection& c, const std::string& table, const Cells& cells) {
        std::string names, marks;
        db::Params params;
        for (const auto& [name, value] : cells) {
            names += (names.empty() ? "" : ",") + name;
            marks += marks.empty() ? "?" : ",?";
            params.emplace_back(value);
        }
        c.Execute("insert into " + table + " (" + names + ") values (" + marks + ")", params);
    }
    void Insert(const std::string& table, const Cells& cells) { Insert(*conn, table, cells); }

    // A row of a household table: the household's key, then the given cells.
    static Cells Household(const std::string& fsu, const std::string& sss, const std::string& ssu,
                           Cells cells) {
        Cells all{{"DPC", "101"}, {"FSUNO", fsu}, {"SU", "001"}, {"SSS", sss}, {"SSU", ssu}};
        all.insert(all.end(), cells.begin(), cells.end());
        return all;
    }
    static Cells Ours(Cells cells) { return Household("12345", "1", "01", std::move(cells)); }

    // Column k of rows 0 .. RecTableRows-1.
    std::vector<std::string> Column(size_t k) const {
        std::vector<std::string> values;
        for (int r = 0; r < state.RecTableRows; ++r) values.push_back(state.RecTable.Cell(r, k));
        return values;
    }

    test::TempDrive drive;
    SharedState state;
    std::unique_ptr<db::Connection> conn;
};

using Strings = std::vector<std::string>;

// ---------------------------------------------------------------------------
// Select lists: the checks read the record table by column number.

struct SelectListCase {
    int tableNo;
    size_t fields;
    const char* first;
    const char* second;
    const char* last;
};
std::ostream& operator<<(std::ostream& os, const SelectListCase& c) { return os << "table " << c.tableNo; }

Strings SplitFields(const std::string& list) {
    Strings fields;
    size_t from = 0;
    for (size_t comma; (comma = list.find(',', from)) != std::string::npos; from = comma + 1)
        fields.push_back(text::Trim(list.substr(from, comma - from)));
    fields.push_back(text::Trim(list.substr(from)));
    return fields;
}

class LoaderSelectListTest : public ::testing::TestWithParam<SelectListCase> {};

TEST_P(LoaderSelectListTest, FieldsAndTheirPlaces) {
    const SelectListCase& c = GetParam();
    const Strings fields = SplitFields(LoaderSelectList(c.tableNo));
    ASSERT_EQ(fields.size(), c.fields) << LoaderSelectList(c.tableNo);
    EXPECT_TRUE(text::EqualsNoCase(fields.front(), c.first)) << fields.front();
    EXPECT_TRUE(text::EqualsNoCase(fields[1], c.second)) << fields[1];
    EXPECT_TRUE(text::EqualsNoCase(fields.back(), c.last)) << fields.back();
    // Only the identification blocks read the FSU's and household's keys; DPC is never read.
    const bool identification = c.tableNo == 1 || c.tableNo == 4 || c.tableNo == 13;
    for (size_t k = 0; k < fields.size(); ++k) {
        EXPECT_FALSE(text::EqualsNoCase(fields[k], "DPC")) << "field " << k + 1;
        if (identification) continue;
        for (const char* key : {"FSUNO", "SU", "SSU"})
            EXPECT_FALSE(text::EqualsNoCase(fields[k], key)) << "field " << k + 1 << " is " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllTables, LoaderSelectListTest,
    ::testing::Values(
        SelectListCase{1, 29, "FSUNO", "ROUND", "REM4"}, SelectListCase{2, 10, "SCH", "SEGPOP", "REPLHHD"},
        SelectListCase{3, 10, "SCH", "SEGPOP", "REPLHHD"}, SelectListCase{4, 29, "FSUNO", "ROUND", "REM4"},
        SelectListCase{5, 8, "SLNO", "'' as dummy", "B3C8"}, SelectListCase{6, 17, "B4I1", "B4I2", "B4I13"},
        SelectListCase{7, 15, "SLNO", "B51C2", "B51C15"}, SelectListCase{8, 15, "SLNO", "B52C2", "B52C15"},
        SelectListCase{9, 63, "SLNO", "B61I2", "B61I18"}, SelectListCase{10, 63, "SLNO", "B62I2", "B62I18"},
        SelectListCase{11, 23, "SLNO", "B7C2", "B7C23"}, SelectListCase{12, 15, "SLNO", "B8C2", "B8C15"},
        SelectListCase{13, 29, "FSUNO", "ROUND", "REM4"},
        SelectListCase{14, 16, "SLNO", "'' as dummy", "B3C16"},
        SelectListCase{15, 46, "B4I1", "B4I2", "B4I46"}, SelectListCase{16, 2, "SLNO", "B41C2", "B41C2"},
        SelectListCase{17, 2, "SLNO", "B42C2", "B42C2"}, SelectListCase{18, 39, "SLNO", "B5I2", "B5I16"},
        SelectListCase{19, 19, "B6I1", "B6I21", "B6I17"}, SelectListCase{20, 16, "SLNO", "B7I2", "B7I16"},
        SelectListCase{21, 4, "B8I1", "B8I2", "B8I4"}));

// ---------------------------------------------------------------------------
// Every table: one row of the FSU or household, and the neighbours' rows left out.

class LoaderAllTablesTest : public LoaderTest, public ::testing::WithParamInterface<int> {
protected:
    // A row of table tableNo with every entered column set to value.
    static Cells FullRow(int tableNo, const std::string& fsu, const std::string& ssu,
                         const std::string& value) {
        Cells row;
        for (const auto& column : layout::BlockTableAt(tableNo).listed) {
            std::string v = value;
            if (column.name == "DPC")
                v = "101";
            else if (column.name == "FSUNO")
                v = fsu;
            else if (column.name == "SU")
                v = "001";
            else if (column.name == "SSS" && tableNo > 3)
                v = "1";
            else if (column.name == "SSU")
                v = ssu;
            row.emplace_back(column.name, v);
        }
        return row;
    }
};

TEST_P(LoaderAllTablesTest, LoadsTheRowOfItsOwnFsuOrHouseholdIntoAllItsFields) {
    const int tableNo = GetParam();
    const std::string name = layout::BlockTableAt(tableNo).name;
    const size_t fields = SplitFields(LoaderSelectList(tableNo)).size();
    Insert(name, FullRow(tableNo, "12345", "01", "1"));
    Insert(name, FullRow(tableNo, "54321", "01", "2"));  // another FSU
    Insert(name, FullRow(tableNo, "12345", "02", "3"));  // another household, or the same FSU's listing

    const int expectedRows = tableNo <= 3 ? 2 : 1;  // the listing is keyed by the FSU alone
    ASSERT_EQ(LoadTableData(state, tableNo), expectedRows);
    EXPECT_EQ(state.RecTableRows, expectedRows);
    for (size_t k = 1; k <= fields; ++k) {
        const bool dummy = (tableNo == 5 || tableNo == 14) && k == 2;
        const std::string& cell = state.RecTable.Cell(0, k);
        if (dummy) {
            EXPECT_EQ(cell, "") << "column " << k;
        } else {
            EXPECT_FALSE(cell.empty() || cell == "2") << "column " << k << ": \"" << cell << "\"";
        }
        if (tableNo > 3) {
            EXPECT_NE(cell, "3") << "column " << k << " of another household";
        }
    }
    EXPECT_EQ(state.RecTable.Cell(0, fields + 1), "") << "a field past the select list";
    EXPECT_EQ(state.RecTable.Cell(0, 0), "") << "column 0 is never filled";
    EXPECT_EQ(state.RecTable.Cell(expectedRows, 1), "") << "a row past the load";
}

INSTANTIATE_TEST_SUITE_P(AllTables, LoaderAllTablesTest, ::testing::Range(1, 22));

// ---------------------------------------------------------------------------
// Row order

TEST_F(LoaderTest, MembersOfBlock3ComeInSerialOrderWithTheBlocksColumnNumbers) {
    Insert("S211L02", Ours({{"SLNO", "03"}, {"B3C3", "3"}, {"B3C4", "1"}, {"B3C5", "040"}}));
    Insert("S211L02", Ours({{"SLNO", "01"}, {"B3C3", "1"}, {"B3C4", "1"}, {"B3C5", "045"}}));
    Insert("S211L02", Ours({{"SLNO", "02"}, {"B3C3", "2"}, {"B3C4", "2"}, {"B3C5", "012"}}));

    ASSERT_EQ(LoadTableData(state, 5), 3);
    EXPECT_EQ(Column(1), (Strings{"01", "02", "03"}));
    EXPECT_EQ(Column(2), (Strings{"", "", ""}));
    EXPECT_EQ(Column(3), (Strings{"1", "2", "3"}));
    EXPECT_EQ(Column(5), (Strings{"045", "012", "040"}));
}

TEST_F(LoaderTest, MembersOfBlock3OfSchedule51KeepTheEmptySecondColumn) {
    state.CurSss = "2";
    Insert("S051L02", Household("12345", "2", "01", {{"SLNO", "02"}, {"B3C3", "2"}, {"B3C16", "1"}}));
    Insert("S051L02", Household("12345", "2", "01", {{"SLNO", "01"}, {"B3C3", "1"}, {"B3C16", "2"}}));

    ASSERT_EQ(LoadTableData(state, 14), 2);
    EXPECT_EQ(Column(2), (Strings{"", ""}));
    EXPECT_EQ(Column(3), (Strings{"1", "2"}));
    EXPECT_EQ(Column(16), (Strings{"2", "1"}));
}

// Members of a trip follow each other by their serial number within the trip.
TEST_F(LoaderTest, TripMembersComeBySerialThenByColumn3) {
    for (const char* table : {"S211L04", "S211L05"}) {
        const std::string c3 = table == std::string("S211L04") ? "B51C3" : "B52C3";
        Insert(table, Ours({{"SLNO", "02"}, {c3, "01"}}));
        Insert(table, Ours({{"SLNO", "01"}, {c3, "03"}}));
        Insert(table, Ours({{"SLNO", "01"}, {c3, "01"}}));
        Insert(table, Ours({{"SLNO", "01"}, {c3, "02"}}));
    }
    for (int tableNo : {7, 8}) {
        SCOPED_TRACE("table " + std::to_string(tableNo));
        ASSERT_EQ(LoadTableData(state, tableNo), 4);
        EXPECT_EQ(Column(1), (Strings{"01", "01", "01", "02"}));
        EXPECT_EQ(Column(3), (Strings{"01", "02", "03", "01"}));
    }
}

TEST_F(LoaderTest, Block6RowsComeInSssOrder) {
    for (const char* table : {"S000L02", "S000L03"})
        for (const char* sss : {"3", "1", "2"})
            Insert(table, {{"DPC", "101"}, {"FSUNO", "12345"}, {"SCH", "211"}, {"SSS", sss}});
    for (int tableNo : {2, 3}) {
        SCOPED_TRACE("table " + std::to_string(tableNo));
        ASSERT_EQ(LoadTableData(state, tableNo), 3);
        EXPECT_EQ(Column(1), (Strings{"211", "211", "211"}));
        EXPECT_EQ(Column(3), (Strings{"1", "2", "3"}));
    }
}

// ---------------------------------------------------------------------------
// Values

TEST_F(LoaderTest, NullIsReadAsTheEmptyTextAndReplacesAnOlderCell) {
    Insert("S211L03", Ours({{"B4I1", "05"}, {"B4I4", "1"}, {"B4I6", "2"}}));
    state.RecTable.Set(0, 5, "left by an earlier load");

    ASSERT_EQ(LoadTableData(state, 6), 1);
    EXPECT_EQ(state.RecTable.Cell(0, 5), "");
    EXPECT_EQ(state.RecTable.Cell(0, 4), "1");
    EXPECT_EQ(state.RecTable.Cell(0, 6), "2");
    EXPECT_EQ(state.RecTable.Cell(0, 1), "05");
}

// ---------------------------------------------------------------------------
// Which rows a load finds

TEST_F(LoaderTest, ListingIsFoundByTheFsuWhateverHouseholdIsCurrent) {
    Insert("S000L01", {{"DPC", "101"}, {"FSUNO", "12345"}, {"ROUND", "78"}});
    Insert("S000L01", {{"DPC", "101"}, {"FSUNO", "12346"}, {"ROUND", "77"}});
    for (auto [sss, ssu] : {std::pair{"", ""}, {"9", "zz"}, {"1", "01"}}) {
        state.CurSss = sss;
        state.CurSsu = ssu;
        ASSERT_EQ(LoadTableData(state, 1), 1) << "CurSss \"" << sss << "\", CurSsu \"" << ssu << "\"";
        EXPECT_EQ(state.RecTable.Cell(0, 1), "12345");
        EXPECT_EQ(state.RecTable.Cell(0, 2), "78");
    }
}

TEST_F(LoaderTest, RowsOfOtherHouseholdsAndFsusAreLeftOut) {
    Insert("S211L02", Ours({{"SLNO", "01"}, {"B3C3", "1"}}));
    Insert("S211L02", Household("12345", "1", "02", {{"SLNO", "01"}, {"B3C3", "2"}}));
    Insert("S211L02", Household("12345", "2", "01", {{"SLNO", "01"}, {"B3C3", "3"}}));
    Insert("S211L02", Household("54321", "1", "01", {{"SLNO", "01"}, {"B3C3", "4"}}));

    ASSERT_EQ(LoadTableData(state, 5), 1);
    EXPECT_EQ(state.RecTable.Cell(0, 3), "1");

    state.CurSsu = "02";
    ASSERT_EQ(LoadTableData(state, 5), 1);
    EXPECT_EQ(state.RecTable.Cell(0, 3), "2");

    state.CurSsu = "2";  // the household key is compared as keyed, not as a number
    EXPECT_EQ(LoadTableData(state, 5), 0);
}

TEST_F(LoaderTest, AnEmptyLoadReturns0AndKeepsTheOlderCells) {
    Insert("S211L02", Ours({{"SLNO", "01"}, {"B3C3", "1"}}));
    Insert("S211L02", Ours({{"SLNO", "02"}, {"B3C3", "2"}}));
    ASSERT_EQ(LoadTableData(state, 5), 2);

    state.CurSsu = "03";
    EXPECT_EQ(LoadTableData(state, 5), 0);
    EXPECT_EQ(state.RecTableRows, 0);
    EXPECT_EQ(state.RecTable.Cell(0, 3), "1");
    EXPECT_EQ(state.RecTable.Cell(1, 3), "2");
}

TEST_F(LoaderTest, AQuoteInTheFsuNumberFindsNothing) {
    Insert("S000L01", {{"DPC", "101"}, {"FSUNO", "12345"}});
    Insert("S211L02", Ours({{"SLNO", "01"}}));
    for (const char* fsu : {"12'45", "' or '1'='1", "x' or fsuno like '%"}) {
        state.CurFsuNo = fsu;
        EXPECT_EQ(LoadTableData(state, 1), 0) << fsu;
        EXPECT_EQ(LoadTableData(state, 5), 0) << fsu;
    }
    state.CurFsuNo = "12345";
    state.CurSss = "1' or '1'='1";
    EXPECT_EQ(LoadTableData(state, 5), 0);
}

// The survey sets no ceiling on the rows of a block.
TEST_F(LoaderTest, ALargeBlockIsLoadedWhole) {
    constexpr int kRows = 250;
    Strings inserted;
    db::Transaction t(*conn);
    for (int i = 0; i < kRows; ++i) {
        std::string n = std::to_string(i);
        n.insert(0, 3 - n.size(), '0');
        inserted.push_back(n);
        Insert("S211L02", Ours({{"SLNO", n.substr(1)}, {"B3C5", n}}));
    }
    t.Commit();

    ASSERT_EQ(LoadTableData(state, 5), kRows);
    EXPECT_EQ(state.RecTableRows, kRows);
    Strings loaded = Column(5);
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, inserted);
    EXPECT_EQ(state.RecTable.Cell(kRows - 1, 1), "99");
}

// Each load reads what is on disk now, from the file the state names now.
TEST_F(LoaderTest, EveryLoadReadsTheCurrentFileAfresh) {
    Insert("S211L02", Ours({{"SLNO", "01"}, {"B3C3", "1"}}));
    ASSERT_EQ(LoadTableData(state, 5), 1);
    ASSERT_NE(state.LoaderConn, nullptr);
    EXPECT_TRUE(state.LoaderConn->IsOpen());

    Insert("S211L02", Ours({{"SLNO", "02"}, {"B3C3", "2"}}));
    EXPECT_EQ(LoadTableData(state, 5), 2);

    auto other = MakeFsuFile("12346.mdb");
    Insert(*other, "S211L02", Household("12346", "1", "01", {{"SLNO", "05"}, {"B3C3", "5"}}));
    state.FsuFileName = "12346.mdb";
    state.CurFsuNo = "12346";
    ASSERT_EQ(LoadTableData(state, 5), 1);
    EXPECT_EQ(state.RecTable.Cell(0, 1), "05");
}

// ---------------------------------------------------------------------------
// Failures

TEST_F(LoaderTest, ATableNumberOutside1To21Throws) {
    state.RecTableRows = 7;
    for (int tableNo : {0, 22, -1})
        EXPECT_THROW(LoadTableData(state, tableNo), std::out_of_range) << "table " << tableNo;
    EXPECT_EQ(state.RecTableRows, 7);
}

TEST_F(LoaderTest, AMissingFsuFileThrowsAndCreatesNoFile) {
    state.FsuFileName = "99999.mdb";
    EXPECT_THROW(LoadTableData(state, 1), db::DbError);
    EXPECT_THROW(LoadTableData(state, 5), db::DbError);
    EXPECT_FALSE(std::filesystem::exists(drive.Root() / "R78" / "data" / "99999.mdb"));
}

}  // namespace
}  // namespace r78
