#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "core/DataLayout.h"
#include "core/FieldWidths.h"
#include "core/SharedState.h"
#include "core/Text.h"
#include "platform/db/Connection.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

using db::Connection;
using db::DbError;
using db::Param;
using db::Params;
using text::ToUpper;

// What each block table must look like, written out independently of the layout
// code: its screen, the number of listed columns (= fields of the screen), the
// first column that has an O-twin and how many twins there are, the columns that
// follow creby and credate, and the column at position 6.
struct BlockCase {
    int index;
    std::string table;
    std::string screen;
    int listed;
    std::string firstTwin;
    int twins;
    std::vector<std::string> extras;
    std::string sixth;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.index << " " << c.table; }

const std::vector<BlockCase> kBlocks = {
    {1, "S000L01", "orcl_000a", 30, "APOP", 16, {"CNT211", "CNT051"}, "Sector"},
    {2, "S000L02", "orcl_000b", 12, "CAPH", 7, {"ASURVD"}, "CAPH"},
    {3, "S000L03", "orcl_000c", 12, "CAPH", 7, {"ASURVD"}, "CAPH"},
    {4, "S211L01", "orcl_211a", 30, "INFSLN", 15, {"vrfsts"}, "Sector"},
    {5, "S211L02", "orcl_211b", 12, "B3C3", 6, {}, "SLNO"},
    {6, "S211L03", "orcl_211c", 22, "B4I1", 17, {}, "B4I1"},
    {7, "S211L04", "orcl_211d", 20, "B51C4", 12, {}, "SLNO"},
    {8, "S211L05", "orcl_211e", 20, "B52C4", 12, {}, "SLNO"},
    {9, "S211L06", "orcl_211f", 68, "B61I2", 62, {}, "SLNO"},
    {10, "S211L07", "orcl_211g", 68, "B62I2", 62, {}, "SLNO"},
    {11, "S211L08", "orcl_211h", 28, "B7C2", 22, {}, "SLNO"},
    {12, "S211L09", "orcl_211I", 20, "B8C2", 14, {}, "SLNO"},
    {13, "S051L01", "orcl_051a", 30, "INFSLN", 15, {"vrfsts"}, "Sector"},
    {14, "S051L02", "orcl_051b", 20, "B3C3", 14, {}, "SLNO"},
    {15, "S051L03", "orcl_051c", 51, "B4I1", 46, {}, "B4I1"},
    {16, "S051L04", "orcl_051d", 7, "B41C2", 1, {}, "SLNO"},
    {17, "S051L05", "orcl_051e", 7, "B42C2", 1, {}, "SLNO"},
    {18, "S051L06", "orcl_051f", 44, "B5I2", 38, {}, "SLNO"},
    {19, "S051L07", "orcl_051g", 24, "B6I1", 19, {}, "B6I1"},
    {20, "S051L08", "orcl_051h", 21, "B7I2", 15, {}, "SLNO"},
    {21, "S051L09", "orcl_051I", 9, "B8I1", 4, {}, "B8I1"},
};

// Columns of S000L01 written as numbers: they have no text width to enforce.
const std::set<std::string> kNumberColumns = {"FPOP", "APOP", "DSI", "APOP1", "D1"};

std::vector<int> Widths(const std::string& widthText) {
    std::vector<int> widths;
    for (size_t p = 0; p + 3 <= widthText.size(); p += 3)
        widths.push_back(std::stoi(widthText.substr(p + 1, 2)));
    return widths;
}

std::vector<std::string> Upper(const std::vector<std::string>& names) {
    std::vector<std::string> out;
    for (const auto& n : names) out.push_back(ToUpper(n));
    return out;
}

std::vector<std::string> ColumnNames(Connection& conn, const std::string& table) {
    auto rs = conn.Query("select * from " + table + " where 0");
    std::vector<std::string> names;
    for (int i = 0; i < rs.FieldCount(); ++i) names.push_back(rs.FieldName(i));
    return names;
}

long Count(Connection& conn, const std::string& sql, const Params& params = {}) {
    return std::stol(conn.Query(sql, params).Field(0).Text());
}

std::string Repeat(char c, int n) { return std::string(static_cast<size_t>(n), c); }

// A different one-character value for every column, so that a column copied into
// the wrong place shows: Latin letters from U+0100 on, each two bytes of UTF-8.
std::string DistinctValue(int k) {
    const int code = 0x100 + k;
    std::string s;
    s += static_cast<char>(0xC0 | (code >> 6));
    s += static_cast<char>(0x80 | (code & 0x3F));
    return s;
}

// Field widths as start-up sets them up, from the width texts alone.
SharedState& ParsedWidths() {
    static SharedState s = [] {
        SharedState st;
        st.BlockFormCount = 21;
        for (int i = 1; i <= 21; ++i) st.WidthSpec[i] = WidthText(i);
        CountFieldWidths(st);
        ParseFieldWidths(st);
        return st;
    }();
    return s;
}

// One drive with a fresh template for the whole suite. Tests that write do so in
// a transaction they never commit, so each sees the template as it was made.
class Template : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        drive_ = std::make_unique<test::TempDrive>();
        conn_ = Connection::Open(drive_->BlankPath());
    }
    static void TearDownTestSuite() {
        conn_.reset();
        drive_.reset();
    }
    Connection& conn() { return *conn_; }

    static inline std::unique_ptr<test::TempDrive> drive_;
    static inline std::unique_ptr<Connection> conn_;
};

class BlockTableTest : public Template, public ::testing::WithParamInterface<BlockCase> {};

// --- Width texts and the layout -----------------------------------------------------

TEST(WidthText, EveryItemIsABlankAndTwoDigits) {
    for (int i = 1; i <= 21; ++i) {
        const std::string w = WidthText(i);
        ASSERT_FALSE(w.empty()) << i;
        ASSERT_EQ(w.size() % 3, 0u) << i;
        for (size_t p = 0; p < w.size(); p += 3) {
            EXPECT_EQ(w[p], ' ') << "index " << i << " at " << p;
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(w[p + 1])) &&
                        std::isdigit(static_cast<unsigned char>(w[p + 2])))
                << "index " << i << " at " << p;
        }
    }
}

TEST(WidthText, NoTextOutsideTheBlockScreens) {
    EXPECT_EQ(WidthText(0), "");
    EXPECT_EQ(WidthText(22), "");
    EXPECT_EQ(WidthText(-1), "");
}

TEST(WidthText, ScreensOfTheSameBlockShareTheirText) {
    EXPECT_EQ(WidthText(2), WidthText(3));
    EXPECT_EQ(WidthText(7), WidthText(8));
    EXPECT_EQ(WidthText(9), WidthText(10));
    EXPECT_EQ(WidthText(4), WidthText(13));
    EXPECT_EQ(WidthText(16), WidthText(17));
}

TEST_P(BlockTableTest, LayoutAgreesWithTheWidthTextColumnByColumn) {
    const BlockCase& c = GetParam();
    const auto& b = layout::BlockTableAt(c.index);
    EXPECT_EQ(b.index, c.index);
    EXPECT_EQ(b.name, c.table);
    EXPECT_EQ(b.screen, c.screen);

    const auto widths = Widths(WidthText(c.index));
    ASSERT_EQ(static_cast<int>(widths.size()), c.listed);
    ASSERT_EQ(static_cast<int>(b.listed.size()), c.listed);
    for (int j = 0; j < c.listed; ++j)
        EXPECT_EQ(b.listed[j].width, widths[j]) << c.table << " field " << j + 1 << " " << b.listed[j].name;
}

TEST_P(BlockTableTest, FieldCountAndWidthsFollowTheWidthText) {
    const BlockCase& c = GetParam();
    const SharedState& s = ParsedWidths();
    EXPECT_EQ(s.FieldCount[c.index], c.listed);
    const auto widths = Widths(WidthText(c.index));
    for (int j = 1; j <= c.listed; ++j) EXPECT_EQ(s.Width(c.index, j), widths[j - 1]) << "field " << j;
    EXPECT_EQ(s.Width(c.index, 0), 0);
    EXPECT_EQ(s.Width(c.index, c.listed + 1), 0);
}

TEST_P(BlockTableTest, FoundByNameInAnyCase) {
    const BlockCase& c = GetParam();
    std::string lower = c.table;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char ch) { return std::tolower(ch); });
    const auto* b = layout::FindBlockTable(lower);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->index, c.index);
}

TEST(BlockTables, IndexesOutsideTheTableAreRefused) {
    EXPECT_THROW(layout::BlockTableAt(0), std::out_of_range);
    EXPECT_THROW(layout::BlockTableAt(22), std::out_of_range);
    EXPECT_EQ(layout::FindBlockTable("S000L01_del"), nullptr);
    EXPECT_EQ(layout::FindBlockTable("samplelist"), nullptr);
}

// --- Field counts and widths in the shared state ----------------------------------------

struct FieldWidthCase {
    int index;
    int field;
    int width;
};
void PrintTo(const FieldWidthCase& c, std::ostream* os) { *os << "(" << c.index << ", " << c.field << ")"; }

class FieldWidthEdges : public ::testing::TestWithParam<FieldWidthCase> {};

TEST_P(FieldWidthEdges, WidthOfFieldOfScreen) {
    EXPECT_EQ(ParsedWidths().Width(GetParam().index, GetParam().field), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(Fields, FieldWidthEdges,
                         ::testing::Values(FieldWidthCase{1, 1, 3},   // DPC
                                           FieldWidthCase{1, 2, 5},   // FSUNO
                                           FieldWidthCase{9, 8, 7},   // B61I3
                                           FieldWidthCase{9, 54, 8},  // B61I11
                                           FieldWidthCase{9, 68, 1},  // B61I18, the last of 68
                                           FieldWidthCase{19, 6, 1},  // B6I1 follows SSU directly
                                           FieldWidthCase{21, 9, 2},  // B8I4
                                           FieldWidthCase{1, 0, 0}, FieldWidthCase{9, 69, 0},
                                           FieldWidthCase{0, 1, 0}, FieldWidthCase{22, 1, 0},
                                           FieldWidthCase{23, 1, 0}, FieldWidthCase{-1, 1, 0},
                                           FieldWidthCase{1, -1, 0}));

TEST(FieldCount, OfEachScreen) {
    const SharedState& s = ParsedWidths();
    EXPECT_EQ(s.FieldCount[9], 68);
    EXPECT_EQ(s.FieldCount[10], 68);
    EXPECT_EQ(s.FieldCount[16], 7);
    EXPECT_EQ(s.FieldCount[17], 7);
    EXPECT_EQ(s.FieldCount[0], 0);
    EXPECT_EQ(s.FieldCount[22], 0);
    for (int i = 0; i <= 22; ++i) EXPECT_EQ(s.Width(i, 0), 0) << i;
    const int widest = *std::max_element(s.FieldCount.begin(), s.FieldCount.end());
    EXPECT_LE(widest, 70);  // MaxFieldNo
}

TEST(FieldCount, ParsesAnyWidthText) {
    SharedState s;
    s.BlockFormCount = 3;
    s.WidthSpec[1] = " 12 03 99 00";
    s.WidthSpec[2] = "";
    s.WidthSpec[3] = " 07";
    s.WidthSpec[4] = " 05 05";  // beyond BlockFormCount: left alone
    CountFieldWidths(s);
    ParseFieldWidths(s);
    EXPECT_EQ(s.FieldCount[1], 4);
    EXPECT_EQ(s.FieldCount[2], 0);
    EXPECT_EQ(s.FieldCount[3], 1);
    EXPECT_EQ(s.FieldCount[4], 0);
    EXPECT_EQ(s.Width(1, 1), 12);
    EXPECT_EQ(s.Width(1, 2), 3);
    EXPECT_EQ(s.Width(1, 3), 99);
    EXPECT_EQ(s.Width(1, 4), 0);
    EXPECT_EQ(s.Width(3, 1), 7);
    EXPECT_EQ(s.Width(4, 1), 0);
}

// --- The blank template ----------------------------------------------------------------

TEST_F(Template, HoldsEveryTable) {
    auto rs = conn().Query("select name from sqlite_master where type = 'table'");
    std::set<std::string> found;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) found.insert(ToUpper(rs.Field("name").Text()));

    std::set<std::string> expected = {"SAMPLELIST", "VAL_ERROR"};
    for (const auto& c : kBlocks) {
        expected.insert(c.table);
        if (c.table != "S000L03") expected.insert(c.table + "_DEL");
    }
    EXPECT_EQ(found, expected);
}

TEST_F(Template, TwentyArchiveTablesAndNoneForTheListingsPartB) {
    auto rs = conn().Query(
        "select name from sqlite_master where type = 'table' and name like '%\\_del' escape '\\'");
    EXPECT_EQ(rs.RecordCount(), 20);
    EXPECT_EQ(Count(conn(), "select count(*) from sqlite_master where name = ?", {"S000L03_del"}), 0);
    EXPECT_THROW(conn().Query("select * from S000L03_del"), DbError);
}

TEST_F(Template, ListedColumnsOfS211L06) {
    const std::vector<std::string> listed = {
        "DPC",     "FSUNO",   "SU",      "SSS",     "SSU",     "SLNO",    "B61I2",   "B61I3",   "B61I31",
        "B61I32",  "B61I33",  "B61I34",  "B61I41",  "B61I42",  "B61I43",  "B61I44",  "B61I45",  "B61I46",
        "B61I40",  "B61I51",  "B61I52",  "B61I50",  "B61I61",  "B61I62",  "B61I63",  "B61I64",  "B61I65",
        "B61I66",  "B61I67",  "B61I68",  "B61I60",  "B61I701", "B61I702", "B61I703", "B61I704", "B61I705",
        "B61I706", "B61I707", "B61I708", "B61I710", "B61I711", "B61I700", "B61I81",  "B61I82",  "B61I83",
        "B61I84",  "B61I851", "B61I852", "B61I853", "B61I850", "B61I80",  "B61I9",   "B61I10",  "B61I11",
        "B61I12",  "B61I13",  "B61I14",  "B61I15",  "B61I161", "B61I162", "B61I163", "B61I164", "B61I165",
        "B61I171", "B61I172", "B61I173", "B61I174", "B61I18"};
    ASSERT_EQ(listed.size(), 68u);
    auto names = ColumnNames(conn(), "S211L06");
    ASSERT_GE(names.size(), listed.size());
    EXPECT_EQ(Upper({names.begin(), names.begin() + 68}), Upper(listed));
}

TEST_F(Template, ListedColumnsOfS051L03) {
    std::vector<std::string> listed = {"DPC", "FSUNO", "SU", "SSS", "SSU"};
    for (int i = 1; i <= 46; ++i) listed.push_back("B4I" + std::to_string(i));
    auto names = ColumnNames(conn(), "s051l03");
    ASSERT_GE(names.size(), 51u);
    EXPECT_EQ(Upper({names.begin(), names.begin() + 51}), Upper(listed));
}

TEST_F(Template, ListedColumnsOfS000L01) {
    const std::vector<std::string> listed = {
        "DPC",      "FSUNO",    "ROUND",    "SCH",  "Sample", "Sector", "STR",   "Dist", "Strm", "Sstrm",
        "SR",       "SRO",      "FC",       "FPOP", "APOP",   "DSI",    "APOP1", "D1",   "SVC",  "RES_Subst",
        "empcode1", "empcode2", "empcode3", "DOS",  "DOD",    "Timec",  "REM1",  "REM2", "REM3", "REM4"};
    ASSERT_EQ(listed.size(), 30u);
    auto names = ColumnNames(conn(), "S000L01");
    ASSERT_GE(names.size(), 30u);
    EXPECT_EQ(Upper({names.begin(), names.begin() + 30}), Upper(listed));
}

std::set<std::string> Twins(Connection& conn, const std::string& table) {
    std::set<std::string> twins;
    auto names = ColumnNames(conn, table);
    const size_t listed = layout::FindBlockTable(table)->listed.size();
    for (size_t i = listed; i < names.size(); ++i)
        if (ToUpper(names[i]).starts_with("O")) twins.insert(ToUpper(names[i]));
    return twins;
}

TEST_F(Template, SnapshotColumnsOfTheListingAndTheHouseholdBlocks) {
    EXPECT_EQ(Twins(conn(), "S000L01"),
              (std::set<std::string>{"OAPOP", "ODSI", "OAPOP1", "OD1", "OSVC", "ORES_SUBST", "OEMPCODE1",
                                     "OEMPCODE2", "OEMPCODE3", "ODOS", "ODOD", "OTIMEC", "OREM1", "OREM2",
                                     "OREM3", "OREM4"}));
    EXPECT_EQ(Twins(conn(), "S211L04"),
              (std::set<std::string>{"OB51C4", "OB51C5", "OB51C6", "OB51C7", "OB51C8", "OB51C9", "OB51C10",
                                     "OB51C11", "OB51C12", "OB51C13", "OB51C14", "OB51C15"}));
    EXPECT_EQ(
        Twins(conn(), "S211L01"),
        (std::set<std::string>{"OINFSLN", "ORC", "OSVC", "ORES_SUBST", "OEMPCODE1", "OEMPCODE2", "OEMPCODE3",
                               "ODOS", "ODOD", "OTIMEC", "ONO_INV", "OREM1", "OREM2", "OREM3", "OREM4"}));
    EXPECT_EQ(Twins(conn(), "S000L02"), (std::set<std::string>{"OCAPH", "OSELH", "OSURVD", "OSSURVD",
                                                               "OTSURVD", "OCASUALTY", "OREPLHHD"}));
}

TEST_P(BlockTableTest, TemplateListsTheColumnsFirstThenTheStampsExtrasAndTwins) {
    const BlockCase& c = GetParam();
    const auto names = Upper(ColumnNames(conn(), c.table));
    ASSERT_GE(static_cast<int>(names.size()), c.listed);
    const std::vector<std::string> listed(names.begin(), names.begin() + c.listed);

    EXPECT_EQ(listed[0], "DPC");
    EXPECT_EQ(listed[1], "FSUNO");
    EXPECT_EQ(listed[5], ToUpper(c.sixth));
    std::vector<std::string> layoutNames;
    for (const auto& col : layout::BlockTableAt(c.index).listed) layoutNames.push_back(col.name);
    EXPECT_EQ(listed, Upper(layoutNames));

    // After the listed columns the order is free: compare as a set.
    std::multiset<std::string> rest(names.begin() + c.listed, names.end());
    std::multiset<std::string> expected = {"CREBY", "CREDATE"};
    for (const auto& e : c.extras) expected.insert(ToUpper(e));
    auto first = std::find(listed.begin(), listed.end(), ToUpper(c.firstTwin));
    ASSERT_NE(first, listed.end()) << c.firstTwin;
    EXPECT_EQ(listed.end() - first, c.twins);
    for (auto it = first; it != listed.end(); ++it) expected.insert("O" + *it);
    EXPECT_EQ(rest, expected);
}

TEST_P(BlockTableTest, TextColumnsTakeTheirWidthAndRefuseMore) {
    const BlockCase& c = GetParam();
    const auto names = ColumnNames(conn(), c.table);
    const auto widths = Widths(WidthText(c.index));
    db::Transaction tx(conn());  // never committed
    for (int j = 0; j < c.listed; ++j) {
        if (c.index == 1 && kNumberColumns.count(names[j])) continue;
        const std::string insert = "insert into " + c.table + " (\"" + names[j] + "\") values (?)";
        const std::string atWidth = Repeat('9', widths[j]);
        EXPECT_NO_THROW(conn().Execute(insert, {atWidth})) << names[j];
        EXPECT_EQ(
            Count(conn(), "select count(*) from " + c.table + " where \"" + names[j] + "\" = ?", {atWidth}),
            1)
            << names[j];
        EXPECT_THROW(conn().Execute(insert, {atWidth + "9"}), DbError)
            << names[j] << " took " << widths[j] + 1;
    }
    // The stamps hold a user id and a date.
    EXPECT_NO_THROW(conn().Execute("insert into " + c.table + " (creby, credate) values (?, ?)",
                                   {Repeat('U', layout::kUserIdWidth), "200229"}));
    EXPECT_THROW(conn().Execute("insert into " + c.table + " (credate) values (?)", {"2020029"}), DbError);
}

// Deleting a household or the listing copies its rows into the archive with this
// statement: every column, the O-columns included, then the delete stamps.
TEST_P(BlockTableTest, ArchiveCopyTakesEveryColumn) {
    const BlockCase& c = GetParam();
    if (c.table == "S000L03") {
        // The listing's part B is deleted without a copy.
        EXPECT_THROW(conn().Query("select * from S000L03_del"), DbError);
        return;
    }
    const auto names = ColumnNames(conn(), c.table);
    db::Transaction tx(conn());  // never committed

    std::vector<std::string> values;
    Params params;
    std::string marks;
    for (size_t k = 0; k < names.size(); ++k) {
        values.push_back(ToUpper(names[k]) == "FSUNO" ? "10001" : DistinctValue(static_cast<int>(k)));
        params.emplace_back(values.back());
        marks += k ? ", ?" : "?";
    }
    conn().Execute("insert into " + c.table + " values (" + marks + ")", params);
    conn().Execute("insert into " + c.table + " (FSUNO, DPC) values ('20001', '101')");

    const std::string archive = c.table + "_del";
    const long copied =
        conn().Execute("insert into " + archive + " select a.*, ? as deldate, ? as delby from  " + c.table +
                           " a where fsuno = ?",
                       {"200229", "OPR1", "10001"});
    EXPECT_EQ(copied, 1);

    auto rs = conn().Query("select * from " + archive);
    ASSERT_EQ(rs.RecordCount(), 1);
    ASSERT_EQ(rs.FieldCount(), static_cast<int>(names.size()) + 2);
    for (size_t k = 0; k < names.size(); ++k) {
        EXPECT_EQ(ToUpper(rs.FieldName(static_cast<int>(k))), ToUpper(names[k]));
        EXPECT_EQ(rs.Field(static_cast<int>(k)).Text(), values[k]) << names[k];
    }
    EXPECT_EQ(ToUpper(rs.FieldName(static_cast<int>(names.size()))), "DELDATE");
    EXPECT_EQ(rs.Field("deldate").Text(), "200229");
    EXPECT_EQ(ToUpper(rs.FieldName(static_cast<int>(names.size()) + 1)), "DELBY");
    EXPECT_EQ(rs.Field("delby").Text(), "OPR1");
}

INSTANTIATE_TEST_SUITE_P(All, BlockTableTest, ::testing::ValuesIn(kBlocks),
                         [](const auto& info) { return info.param.table; });

// --- Column types and comparisons ----------------------------------------------------

TEST_F(Template, TextComparesWithoutRegardToCase) {
    db::Transaction tx(conn());
    conn().Execute("insert into S211L01 (FSUNO, SSS, SSU, REM1) values ('ab', '1', '05', 'y')");
    EXPECT_EQ(Count(conn(), "select count(*) from S211L01 where FSUNO = 'AB'"), 1);
    EXPECT_EQ(Count(conn(), "select count(*) from s211l01 where fsuno = ? and rem1 = ?", {"Ab", "Y"}), 1);
    EXPECT_EQ(Count(conn(), "select count(*) from S211L01 where FSUNO = 'ab '"), 0);
}

TEST_F(Template, TextColumnsKeepLeadingZeros) {
    db::Transaction tx(conn());
    conn().Execute("insert into S211L01 (FSUNO, SSS, SSU, Dist, SU) values (?, ?, ?, ?, ?)",
                   {"00101", "1", "05", "05", "001"});
    auto rs = conn().Query("select FSUNO, SSU, Dist, SU from S211L01");
    EXPECT_EQ(rs.Field("FSUNO").Text(), "00101");
    EXPECT_EQ(rs.Field("SSU").Text(), "05");
    EXPECT_EQ(rs.Field("Dist").Text(), "05");
    EXPECT_EQ(rs.Field("SU").Text(), "001");
    EXPECT_EQ(Count(conn(), "select count(*) from S211L01 where SSU = ?", {"5"}), 0);
}

TEST_F(Template, CountsAndPopulationsAreNumbers) {
    db::Transaction tx(conn());
    conn().Execute("insert into S000L01 (FSUNO, FPOP, APOP, CNT211) values (?, ?, ?, ?)",
                   {"10001", 1250, 980, 0});
    // Compared as numbers: as text "980" would sort after "1000".
    EXPECT_EQ(Count(conn(), "select count(*) from S000L01 where APOP > 999"), 0);
    EXPECT_EQ(Count(conn(), "select count(*) from S000L01 where FPOP > 999"), 1);
    auto rs = conn().Query("select APOP, APOP + 20 as more, CNT211 from S000L01");
    EXPECT_EQ(rs.Field("APOP").Text(), "980");
    EXPECT_EQ(rs.Field("more").Text(), "1000");
    EXPECT_EQ(rs.Field("CNT211").Text(), "0");

    conn().Execute("update samplelist set CNT211 = ?, CNT051 = ? where FSUNO = ?", {3, 2, "10001"});
    rs = conn().Query("select CNT211 + 1 as n, CNT051 from samplelist where FSUNO = '10001'");
    EXPECT_EQ(rs.Field("n").Text(), "4");
    EXPECT_EQ(rs.Field("CNT051").Text(), "2");

    conn().Execute("insert into S000L02 (FSUNO, SSS, ASURVD) values ('10001', '1', ?)", {4});
    EXPECT_EQ(Count(conn(), "select sum(ASURVD) + 1 from S000L02"), 5);
}

TEST_F(Template, ErrorListHasItsColumnsAndVisitStaysNull) {
    EXPECT_EQ(Upper(ColumnNames(conn(), "val_error")),
              Upper({"fsuno", "srlno", "seg", "sss", "ssu", "blk", "item", "col", "msg1", "msg2", "msgtype",
                     "schno", "visit"}));
    db::Transaction tx(conn());
    conn().Execute(
        "insert into val_error (fsuno, srlno, blk, item, col, msg1, msg2, msgtype, schno) "
        "values (?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {"10001", 12, "B5.1", "3", "4", "a long description of what is wrong with the entry", "", "Crit",
         "1"});
    auto rs = conn().Query("select srlno, visit, msg2 from val_error order by srlno");
    EXPECT_EQ(rs.Field("srlno").Text(), "12");
    EXPECT_TRUE(rs.Field("visit").IsNull());
    EXPECT_FALSE(rs.Field("msg2").IsNull());
}

std::vector<std::string> DemoFsuNumbers() {
    std::ifstream in(test::DemoDir() / "samplelist.csv");
    std::vector<std::string> fsus;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line))
        if (!line.empty()) fsus.push_back(line.substr(0, line.find(',')));
    return fsus;
}

TEST_F(Template, SampleListHoldsTheDemoFsusAndTheirStatusColumns) {
    const auto demo = DemoFsuNumbers();
    ASSERT_FALSE(demo.empty());
    auto rs = conn().Query("select FSUNO from samplelist order by FSUNO");
    std::vector<std::string> held;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) held.push_back(rs.Field(0).Text());
    auto sortedDemo = demo;
    std::sort(sortedDemo.begin(), sortedDemo.end());
    EXPECT_EQ(held, sortedDemo);

    const auto names = Upper(ColumnNames(conn(), "samplelist"));
    for (const char* col : {"FSUNO", "RND",     "SAMPLE", "SECTOR", "STATE",  "REG",   "DIST",    "STRM",
                            "SSTRM", "SR",      "SU",     "FC",     "FPOP",   "CREBY", "CREDATE", "ENTSTS",
                            "DOENT", "LOADSTS", "DOLOAD", "VRFSTS", "CNT211", "CNT051"})
        EXPECT_NE(std::find(names.begin(), names.end(), col), names.end()) << col;

    // A fresh template: nobody has saved, completed, frozen or counted anything.
    EXPECT_EQ(
        Count(
            conn(),
            "select count(*) from samplelist where creby is not null or Credate is not null or entsts is not "
            "null or DOENT is not null or loadsts is not null or DOLOAD is not null or CNT211 is not null"),
        0);
    // The state code keeps its leading zero.
    EXPECT_EQ(
        conn().Query("select STATE from samplelist where FSUNO = ?", {demo.front()}).Field(0).Text().size(),
        2u);
}

TEST_F(Template, BlockTablesStartEmpty) {
    for (const auto& c : kBlocks) EXPECT_EQ(Count(conn(), "select count(*) from " + c.table), 0) << c.table;
    EXPECT_EQ(Count(conn(), "select count(*) from val_error"), 0);
}

TEST(MasterDatabase, HoldsTheFourMasterTables) {
    test::TempDrive drive;
    auto conn = drive.OpenMaster();
    auto rs = conn->Query("select name from sqlite_master where type = 'table' order by name");
    std::set<std::string> names;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) names.insert(ToUpper(rs.Field(0).Text()));
    EXPECT_EQ(names, (std::set<std::string>{"NCO78", "NIC78", "SAMPLELIST", "VALID_USER"}));
    EXPECT_EQ(Upper(ColumnNames(*conn, "valid_user")), Upper({"userid", "passwd", "dpc", "usertype"}));
}

}  // namespace
}  // namespace r78
