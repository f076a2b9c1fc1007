// Figures for two FSUs of 400 households (200 of each detailed schedule): the
// worst case, every household's every answer at odds with the rules, and a
// realistic one whose answers agree. Registration, loads, the validation runs and
// the freeze are each set beside their floor, measured in the same run with the
// SQLite C API directly and none of the program's own layer: reading every row of
// the block tables a run reads, and writing as many error rows as it wrote with one
// prepared statement in one transaction. Each figure is the best of its repeats,
// as each floor is, so that a busy machine does not flatter either side.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "control/FsuRegistration.h"
#include "core/DataLayout.h"
#include "core/DatabaseFiles.h"
#include "core/Loader.h"
#include "core/Startup.h"
#include "platform/fs/PathMap.h"
#include "validation/Freeze.h"
#include "validation/HouseholdRun.h"
#include "validation/ValidationRun.h"
#include "validation/checks_000.h"

namespace {

using namespace r78;
namespace fsys = std::filesystem;
using SteadyClock = std::chrono::steady_clock;
using Cells = std::vector<std::pair<std::string, std::string>>;

constexpr const char* kFsu = "10001";
constexpr int kStrata = 5;
constexpr int kHouseholdsPerStratum = 40;

class NullMessages : public ui::MessageService {
public:
    void ErrorBox(const std::string&) override {}
    void OkBox(const std::string&) override {}
    void Beep() override {}
    bool YesNo(const std::string&) override { return true; }
};

class FixedClock : public Clock {
public:
    Date Today() const override { return {2020, 3, 15}; }
};

double Since(SteadyClock::time_point t0) {
    return std::chrono::duration<double>(SteadyClock::now() - t0).count();
}

// The best of a few repeats of f; prepare runs before each repeat, untimed.
double Best(
    const std::function<void()>& f, int repeats = 5, const std::function<void()>& prepare = [] {}) {
    double best = 1e100;
    for (int i = 0; i < repeats; ++i) {
        prepare();
        const auto t0 = SteadyClock::now();
        f();
        best = std::min(best, Since(t0));
    }
    return best;
}

// --- The floors: SQLite's C API and nothing else -------------------------------

class RawDb {
public:
    explicit RawDb(const fsys::path& file) {
        if (sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.string());
    }
    ~RawDb() { sqlite3_close_v2(db_); }
    RawDb(const RawDb&) = delete;
    RawDb& operator=(const RawDb&) = delete;

    void Exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
    }
    sqlite3_stmt* Prepare(const std::string& sql) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) Fail(sql);
        return st;
    }
    void Step(sqlite3_stmt* st) {
        if (sqlite3_step(st) != SQLITE_DONE) Fail(sqlite3_sql(st));
        sqlite3_reset(st);
    }
    [[noreturn]] void Fail(const std::string& sql) {
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + ": " + sql);
    }

private:
    sqlite3* db_ = nullptr;
};

void BindText(sqlite3_stmt* st, int i, const std::string& text) {
    sqlite3_bind_text(st, i, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

// Every row of the given block tables, each value read once as text.
double ReadRowsFloor(const fsys::path& file, const std::vector<int>& tables) {
    RawDb db(file);
    long long bytes = 0;
    return Best([&] {
        for (int t : tables) {
            sqlite3_stmt* st = db.Prepare("select * from " + layout::BlockTableAt(t).name);
            const int n = sqlite3_column_count(st);
            while (sqlite3_step(st) == SQLITE_ROW)
                for (int i = 0; i < n; ++i) {
                    // Each value in its stored kind: a number needs no text made of it.
                    switch (sqlite3_column_type(st, i)) {
                        case SQLITE_INTEGER:
                            bytes += sqlite3_column_int64(st, i);
                            break;
                        case SQLITE_FLOAT:
                            bytes += static_cast<long long>(sqlite3_column_double(st, i));
                            break;
                        case SQLITE_NULL:
                            break;
                        default:
                            bytes += *sqlite3_column_text(st, i) + sqlite3_column_bytes(st, i);
                    }
                }
            sqlite3_finalize(st);
        }
        benchmark::DoNotOptimize(bytes);
    });
}

// As many error rows as a run wrote, of the run's own shape (a household run also
// writes the household's key), through one prepared statement in one transaction.
double WriteErrorRowsFloor(const fsys::path& file, long rows, bool householdKey) {
    RawDb db(file);
    const std::string sql =
        householdKey ? "insert into val_error (fsuno,srlno,seg,sss,ssu,blk,item,col,msg1,msg2,msgtype,schno) "
                       "values (?,?,?,?,?,?,?,?,?,?,?,?)"
                     : "insert into val_error (fsuno,srlno,blk,item,col,msg1,msg2,msgtype,schno) "
                       "values (?,?,?,?,?,?,?,?,?)";
    sqlite3_stmt* st = db.Prepare(sql);
    const std::vector<std::string> texts = {"B 5.1",      "01-02", "3", "Srl no. not matching with bl. 3 ",
                                            "Pl. check ", "Warn",  "1"};
    const double best = Best(
        [&] {
            db.Exec("BEGIN IMMEDIATE");
            for (long r = 0; r < rows; ++r) {
                int i = 1;
                BindText(st, i++, kFsu);
                sqlite3_bind_int64(st, i++, std::min(r + 1, 399L));
                if (householdKey) {
                    sqlite3_bind_null(st, i++);
                    BindText(st, i++, "3");
                    BindText(st, i++, "20");
                }
                for (const auto& t : texts) BindText(st, i++, t);
                db.Step(st);
            }
            db.Exec("COMMIT");
        },
        3, [&] { db.Exec("delete from val_error"); });
    sqlite3_finalize(st);
    db.Exec("delete from val_error");
    return best;
}

// --- The two FSUs ------------------------------------------------------------------

struct FsuCase {
    std::string name;
    fsys::path file;
    std::map<int, double> readFloor;  // per block table
};

struct Fixture {
    fsys::path root;
    fsys::path floorFile;  // a blank FSU file that the write floors fill and empty
    NullMessages messages;
    SharedState s;
    std::vector<FsuCase> fsus;
};

Fixture* g = nullptr;

std::string Two(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

void InsertCells(db::Connection& conn, const std::string& table, const Cells& cells) {
    files::Rows row{{}, {{}}};
    for (const auto& [name, value] : cells) {
        row.columns.push_back(name);
        row.values[0].emplace_back(value);
    }
    files::InsertRows(conn, table, row);
}

// A plausible value of a column's width: digits, with the survey's codes where they matter.
std::string ValueFor(const layout::Column& c, int serial) {
    if (c.name == "DOS" || c.name == "DOD") return "150320";
    if (c.name == "SVC") return "1";
    if (c.width <= 0) return "1";
    std::string v = std::to_string(1 + serial % 7);
    return v.size() > static_cast<size_t>(c.width) ? v.substr(0, c.width) : v;
}

// A row of every listed column, the named ones as given, the rest plausible digits.
void InsertFilledRow(db::Connection& conn, const layout::BlockTable& t,
                     const std::map<std::string, std::string>& keys, int serial) {
    Cells cells;
    for (const auto& c : t.listed) {
        auto k = keys.find(c.name);
        cells.emplace_back(c.name, k != keys.end() ? k->second : ValueFor(c, serial));
    }
    InsertCells(conn, t.name, cells);
}

// Block 6 of the listing, parts A and B, with n households of each stratum.
void FillListingBlock6(db::Connection& conn, int households) {
    for (const char* table : {"S000L02", "S000L03"})
        for (int sss : {1, 2, 3, 4, 5, 9}) {
            // The total row's figures are kept within their two-digit columns.
            const std::string n = std::to_string(sss == 9 ? 99 : households);
            InsertCells(conn, table,
                        {{"DPC", "101"},
                         {"FSUNO", kFsu},
                         {"SCH", table[5] == '2' ? "211" : "051"},
                         {"SEGPOP", "500"},
                         {"SSS", std::to_string(sss)},
                         {"CAPH", std::to_string(std::stoi(n) * 3)},
                         {"SELH", n},
                         {"SURVD", n},
                         {"SSURVD", "0"},
                         {"TSURVD", n},
                         {"Casualty", "0"},
                         {"REPLHHD", "0"}});
        }
}

// Every household has rows in every block table of both schedules, each value
// a digit that the rules mostly refuse: the most error rows an FSU can give.
void FillWorstFsu(db::Connection& conn) {
    db::Transaction tx(conn);
    conn.Execute("delete from samplelist where not (fsuno = ?)", {kFsu});
    InsertFilledRow(conn, layout::BlockTableAt(1), {{"DPC", "101"}, {"FSUNO", kFsu}, {"SVC", "1"}}, 1);
    FillListingBlock6(conn, kHouseholdsPerStratum);
    // Rows per household of each block table: blocks 1-2 and the household
    // blocks once, members 5, trips a few.
    const std::map<int, int> rowsPerHousehold = {{4, 1},  {5, 5},  {6, 1},  {7, 6},  {8, 3},  {9, 3},
                                                 {10, 2}, {11, 2}, {12, 1}, {13, 1}, {14, 5}, {15, 1},
                                                 {16, 1}, {17, 1}, {18, 5}, {19, 1}, {20, 2}, {21, 1}};
    for (int sss = 1; sss <= kStrata; ++sss)
        for (int h = 1; h <= kHouseholdsPerStratum; ++h)
            for (const auto& [index, rows] : rowsPerHousehold)
                for (int r = 1; r <= rows; ++r)
                    InsertFilledRow(conn, layout::BlockTableAt(index),
                                    {{"DPC", "101"},
                                     {"FSUNO", kFsu},
                                     {"SSS", std::to_string(sss)},
                                     {"SSU", Two(h)},
                                     {"SLNO", Two(r)},
                                     {"SVC", "1"}},
                                    r + h);
    tx.Commit();
}

// A household of Schedule 21.1 whose blocks agree: three members, two overnight
// trips and a same-day and a special trip.
void Household211(const std::function<void(const char*, Cells)>& put) {
    put("S211L01", {{"SVC", "1"},
                    {"INFSLN", "01"},
                    {"DOS", "150320"},
                    {"DOD", "200320"},
                    {"REM1", "1"},
                    {"REM2", "2"},
                    {"REM3", "1"},
                    {"REM4", "2"}});
    put("S211L03", {{"B4I1", "3"},
                    {"B4I2", "111"},
                    {"B4I3", "01111"},
                    {"B4I4", "1"},
                    {"B4I5", "1"},
                    {"B4I6", "9"},
                    {"B4I8", "1000"},
                    {"B4I9", "200"},
                    {"B4I10", "0"},
                    {"B4I11", "1200"},
                    {"B4I12", "2400"},
                    {"B4I13", "1500"}});
    const std::vector<std::pair<std::string, std::string>> members = {
        {"01", "45"}, {"02", "40"}, {"03", "12"}};
    for (const auto& [slno, age] : members)
        put("S211L02", {{"SLNO", slno},
                        {"B3C3", "1"},
                        {"B3C4", "1"},
                        {"B3C5", age},
                        {"B3C6", "2"},
                        {"B3C7", "05"},
                        {"B3C8", "11"}});
    // A member's row of a trip; lead is the leading purpose, one of the block's own codes.
    auto tripMember = [&](const char* table, const std::string& b, const std::string& slno, int member,
                          const std::string& type, const std::string& lead) {
        const auto& [memberSlno, age] = members[member];
        put(table, {{"SLNO", slno},
                    {b + "C2", "2"},
                    {b + "C3", memberSlno},
                    {b + "C4", age},
                    {b + "C5", "1"},
                    {b + "C6", type},
                    {b + "C7", "01"},
                    {b + "C9", "1"},
                    {b + "C11", "3"},
                    {b + "C12", lead},
                    {b + "C13", "05"},
                    {b + "C14", "3"},
                    {b + "C15", "09"}});
    };
    tripMember("S211L04", "B51", "01", 0, "1", "2");
    tripMember("S211L04", "B51", "01", 1, "1", "2");
    tripMember("S211L04", "B51", "02", 2, "2", "2");
    put("S211L04", {{"SLNO", "99"}, {"B51C3", "2"}});
    tripMember("S211L05", "B52", "01", 0, "1", "1");
    put("S211L05", {{"SLNO", "99"}, {"B52C3", "1"}});
    // A trip's expenditure whose totals agree with their parts.
    auto expenditure = [&](const char* table, const std::string& b, const std::string& slno,
                           const std::string& type) {
        Cells c{{"SLNO", slno}, {b + "I2", type}, {b + "I3", "500"}};
        auto each = [&](std::initializer_list<const char*> items, const char* value) {
            for (const char* i : items) c.emplace_back(b + i, value);
        };
        each({"I31", "I32", "I33", "I34"}, "1");
        each({"I41", "I42", "I43", "I44", "I45", "I46"}, "100");
        each({"I61", "I62", "I63", "I64", "I65", "I66", "I67", "I68"}, "10");
        each({"I701", "I702", "I703", "I704", "I705", "I706", "I707", "I708", "I710", "I711"}, "5");
        each({"I81", "I82", "I83", "I84", "I851", "I852", "I853"}, "10");
        each({"I161", "I162", "I163", "I164", "I165"}, "2");
        const Cells totals = {{"I40", "600"}, {"I51", "50"},  {"I52", "50"},   {"I50", "100"},
                              {"I60", "80"},  {"I700", "50"}, {"I850", "30"},  {"I80", "70"},
                              {"I9", "0"},    {"I10", "900"}, {"I11", "1400"}, {"I12", "1"},
                              {"I13", "200"}, {"I14", "1"},   {"I15", "300"}};
        for (const auto& [item, value] : totals) c.emplace_back(b + item, value);
        put(table, c);
    };
    expenditure("S211L06", "B61", "01", "1");
    expenditure("S211L06", "B61", "02", "2");
    expenditure("S211L07", "B62", "01", "1");
    Cells sameDay{{"SLNO", "01"}, {"B7C2", "2"}, {"B7C3", "2"}, {"B7C4", "100"}};
    for (int n = 5; n <= 11; ++n) sameDay.emplace_back("B7C" + std::to_string(n), "10");
    for (const auto& cell : Cells{{"B7C12", "70"},
                                  {"B7C13", "170"},
                                  {"B7C14", "2"},
                                  {"B7C15", "2"},
                                  {"B7C16", "2"},
                                  {"B7C17", "2"},
                                  {"B7C22", "2"}})
        sameDay.push_back(cell);
    put("S211L08", sameDay);
    put("S211L09", {{"SLNO", "01"},
                    {"B8C2", "1"},
                    {"B8C3", "1"},
                    {"B8C4", "5000"},
                    {"B8C5", "200"},
                    {"B8C6", "2"},
                    {"B8C7", "2"},
                    {"B8C8", "2"},
                    {"B8C9", "2"},
                    {"B8C14", "2"}});
}

// A household of Schedule 5.1 whose blocks agree: members aged 40 and 10, one
// air-conditioner and one air-cooler.
void Household051(const std::function<void(const char*, Cells)>& put) {
    put("S051L01", {{"INFSLN", "01"},
                    {"SVC", "1"},
                    {"DOS", "150320"},
                    {"DOD", "200320"},
                    {"REM1", "1"},
                    {"REM2", "2"},
                    {"REM3", "1"},
                    {"REM4", "2"}});
    put("S051L02", {{"SLNO", "01"},
                    {"B3C3", "1"},
                    {"B3C4", "1"},
                    {"B3C5", "40"},
                    {"B3C6", "2"},
                    {"B3C7", "05"},
                    {"B3C8", "11"},
                    {"B3C9", "01"},
                    {"B3C10", "11"},
                    {"B3C11", "1"},
                    {"B3C12", "2"},
                    {"B3C13", "1"},
                    {"B3C14", "1"},
                    {"B3C15", "1"},
                    {"B3C16", "1"}});
    put("S051L02", {{"SLNO", "02"},
                    {"B3C3", "1"},
                    {"B3C4", "1"},
                    {"B3C5", "10"},
                    {"B3C6", "2"},
                    {"B3C7", "05"},
                    {"B3C8", "11"},
                    {"B3C9", "01"},
                    {"B3C10", "11"},
                    {"B3C11", "1"},
                    {"B3C12", "2"},
                    {"B3C13", "1"}});
    Cells block4{{"B4I1", "2"},   {"B4I2", "1"},   {"B4I3", "1"},    {"B4I4", "01"},   {"B4I5", "1000"},
                 {"B4I6", "500"}, {"B4I7", "300"}, {"B4I8", "1200"}, {"B4I9", "2400"}, {"B4I10", "2100"},
                 {"B4I16", "01"}, {"B4I18", "01"}, {"B4I20", "01"},  {"B4I26", "01"}};
    for (int i :
         {11, 12, 13, 14, 15, 17, 19, 21, 22, 23, 25, 27, 28, 29, 30, 32, 34, 35, 36, 37, 43, 44, 45, 46})
        block4.emplace_back("B4I" + std::to_string(i), "1");
    for (int i = 38; i <= 42; ++i) block4.emplace_back("B4I" + std::to_string(i), "2");
    put("S051L03", block4);
    put("S051L04", {{"SLNO", "01"}, {"B41C2", "03"}});
    put("S051L05", {{"SLNO", "01"}, {"B42C2", "02"}});
    Cells adult{{"SLNO", "01"}, {"B5I2", "40"}, {"B5I3", "1"}};
    for (int i = 8; i <= 16; ++i) adult.emplace_back("B5I" + std::to_string(i), "1");
    put("S051L06", adult);
    put("S051L06", {{"SLNO", "02"},
                    {"B5I2", "10"},
                    {"B5I3", "1"},
                    {"B5I4", "3"},
                    {"B5I41", "01"},
                    {"B5I42", "1"},
                    {"B5I51", "01"},
                    {"B5I52", "1"},
                    {"B5I53", "1"},
                    {"B5I561", "1"},
                    {"B5I562", "1"},
                    {"B5I58", "1"},
                    {"B5I5101", "1"}});
    put("S051L07", {{"B6I1", "1"},
                    {"B6I21", "1"},
                    {"B6I22", "0"},
                    {"B6I23", "1"},
                    {"B6I3", "1"},
                    {"B6I4", "1"},
                    {"B6I5", "1"},
                    {"B6I6", "1"},
                    {"B6I7", "2015"},
                    {"B6I8", "100"},
                    {"B6I9", "50"},
                    {"B6I10", "100"},
                    {"B6I11", "200"},
                    {"B6I12", "0"},
                    {"B6I13", "0"},
                    {"B6I14", "300"},
                    {"B6I15", "1"},
                    {"B6I16", "1"},
                    {"B6I17", "1"}});
    put("S051L08", {{"SLNO", "01"},
                    {"B7I2", "40"},
                    {"B7I3", "1"},
                    {"B7I4", "1"},
                    {"B7I5", "09"},
                    {"B7I6", "01"},
                    {"B7I7", "1"},
                    {"B7I8", "1"},
                    {"B7I9", "1"},
                    {"B7I10", "1"},
                    {"B7I11", "1"},
                    {"B7I12", "1"},
                    {"B7I13", "1"},
                    {"B7I14", "1"},
                    {"B7I15", "01"},
                    {"B7I16", "1"}});
    put("S051L09", {{"B8I1", "1"}, {"B8I2", "3"}, {"B8I3", "1"}, {"B8I4", "2"}});
}

// An FSU as a field team sends it: its listing agrees with the households
// entered, and so do their blocks; the few error rows left are the listing's
// limits on households per stratum, which an FSU of this size exceeds.
void FillRealisticFsu(db::Connection& conn) {
    db::Transaction tx(conn);
    conn.Execute("delete from samplelist where not (fsuno = ?)", {kFsu});
    InsertCells(conn, "S000L01",
                {{"DPC", "101"},
                 {"FSUNO", kFsu},
                 {"Sector", "1"},
                 {"STR", "191"},
                 {"Dist", "01"},
                 {"APOP1", "500"},
                 {"D1", "1"},
                 {"SVC", "1"},
                 {"DOS", "150320"},
                 {"DOD", "160320"},
                 {"REM1", "1"},
                 {"REM2", "2"},
                 {"REM3", "1"},
                 {"REM4", "2"}});
    FillListingBlock6(conn, kHouseholdsPerStratum);
    for (int sss = 1; sss <= kStrata; ++sss)
        for (int h = 1; h <= kHouseholdsPerStratum; ++h) {
            const Cells key = {{"DPC", "101"},
                               {"FSUNO", kFsu},
                               {"SU", "001"},
                               {"SSS", std::to_string(sss)},
                               {"SSU", Two(h)}};
            auto put = [&](const char* table, Cells cells) {
                cells.insert(cells.begin(), key.begin(), key.end());
                InsertCells(conn, table, cells);
            };
            Household211(put);
            Household051(put);
        }
    tx.Commit();
}

// --- The program's figures ---------------------------------------------------------

// The tables each run reads: the listing's, or a detailed schedule's.
std::vector<int> TablesOf(int schType) {
    std::vector<int> tables;
    const int first = schType == 0   ? 1
                      : schType == 1 ? 4
                                     : 13,
              last = schType == 0   ? 3
                     : schType == 1 ? 12
                                    : 21;
    for (int t = first; t <= last; ++t) tables.push_back(t);
    return tables;
}

double ReadFloor(const FsuCase& fsu, const std::vector<int>& tables) {
    double sum = 0;
    for (int t : tables) sum += fsu.readFloor.at(t);
    return sum;
}

void OpenCopy(const FsuCase& fsu, const char* name) {
    const fsys::path dataDir = g->root / "R78" / "data";
    g->s.FsuConn.reset();
    g->s.LoaderConn.reset();
    fsys::copy_file(fsu.file, dataDir / name, fsys::copy_options::overwrite_existing);
    g->s.FsuFileName = name;
    g->s.FsuConn = db::Connection::Open(dataDir / name);
    g->s.CurFsuNo = kFsu;
    g->s.FsuOpen = true;
}

long ErrorRows() { return std::stol(g->s.FsuConn->Query("select count(*) from val_error").Field(0).Text()); }

void Report(benchmark::State& state, double best, double floor) {
    state.counters["ms"] = best * 1000;
    state.counters["floor_ms"] = floor * 1000;
    state.counters["x_floor"] = best / floor;
}

// One run over the FSU as the validation screen starts it: schedule 0 is the
// listing and its coverage check, 1 and 2 the households of a detailed schedule.
// Returns the error rows it wrote.
long Run(int schType) {
    if (schType == 0) {
        ValidationRun run(g->s, ValidationRun::Kind::Listing);
        ValSch000(g->s);
        run.Commit();
    } else {
        ValidationRun run(g->s, ValidationRun::Kind::Households, false);
        CheckAllHouseholds(g->s, run, schType);
        run.Commit();
    }
    return ErrorRows();
}

void BM_Validate(benchmark::State& state, const FsuCase& fsu, int schType) {
    OpenCopy(fsu, "run.mdb");
    double best = 1e100;
    long rows = 0;
    for (auto _ : state) {
        const auto t0 = SteadyClock::now();
        rows = Run(schType);
        best = std::min(best, Since(t0));
    }
    const double floor =
        ReadFloor(fsu, TablesOf(schType)) + WriteErrorRowsFloor(g->floorFile, rows, schType != 0);
    state.counters["error_rows"] = static_cast<double>(rows);
    Report(state, best, floor);
}

// The three runs one after another, as the freeze runs them before it marks the FSU.
void BM_ValidateWholeFsu(benchmark::State& state, const FsuCase& fsu) {
    OpenCopy(fsu, "whole.mdb");
    double best = 1e100;
    long rows[3] = {};
    for (auto _ : state) {
        const auto t0 = SteadyClock::now();
        for (int t = 0; t <= 2; ++t) rows[t] = Run(t);
        best = std::min(best, Since(t0));
    }
    double floor = ReadFloor(fsu, TablesOf(0)) + ReadFloor(fsu, TablesOf(1)) + ReadFloor(fsu, TablesOf(2));
    for (int t = 0; t <= 2; ++t) floor += WriteErrorRowsFloor(g->floorFile, rows[t], t != 0);
    state.counters["error_rows"] = static_cast<double>(rows[0] + rows[1] + rows[2]);
    Report(state, best, floor);
}

void BM_LoadTableData(benchmark::State& state) {
    OpenCopy(g->fsus[0], "load.mdb");
    g->s.CurSss = "3";
    g->s.CurSsu = "20";
    const int table = static_cast<int>(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(LoadTableData(g->s, table));
}

// The file steps of registering a new FSU: the template copied in, opened, and
// its sample list cut down to the FSU's row. The floor copies the file and runs
// the one statement through SQLite directly.
void BM_Registration(benchmark::State& state) {
    SharedState s;
    s.DriveC = g->root;
    s.DataDir = std::string(kDataRoot) + kDataSub;
    s.FsuFileName = "78110002.mdb";
    const fsys::path target = FsuFilePath(s);
    const fsys::path blank = fs::MapPath(g->root, kBlankDbPath);
    double best = 1e100;
    for (auto _ : state) {
        s.FsuConn.reset();
        fsys::remove(target);
        const auto t0 = SteadyClock::now();
        CreateFsuFile(s, "10002");
        OpenFsuDatabase(s, "10002");
        best = std::min(best, Since(t0));
    }
    s.FsuConn.reset();
    const double floor = Best(
        [&] {
            fsys::copy_file(blank, target);
            RawDb db(target);
            sqlite3_stmt* st = db.Prepare("delete from samplelist where not (fsuno = ?)");
            BindText(st, 1, "10002");
            db.Step(st);
            sqlite3_finalize(st);
        },
        20, [&] { fsys::remove(target); });
    Report(state, best, floor);
}

// The freeze of a validated FSU; the floor runs the same status update and the
// snapshot statements of the 21 tables through SQLite directly.
void BM_Freeze(benchmark::State& state, const FsuCase& fsu) {
    double best = 1e100;
    for (auto _ : state) {
        OpenCopy(fsu, "freeze.mdb");
        const auto t0 = SteadyClock::now();
        FreezeFsu(g->s);
        best = std::min(best, Since(t0));
    }
    g->s.FsuConn.reset();
    g->s.LoaderConn.reset();
    const fsys::path file = g->root / "R78" / "data" / "freeze.mdb";
    const double floor = Best(
        [&] {
            RawDb db(file);
            db.Exec("BEGIN IMMEDIATE");
            std::vector<std::string> statements = {
                "Update samplelist set DOLOAD = ? ,loadsts = 'Y' where FSUNO = ?"};
            for (const auto& t : layout::BlockTables()) statements.push_back(SnapshotStatement(t));
            for (const auto& sql : statements) {
                sqlite3_stmt* st = db.Prepare(sql);
                const bool status = sqlite3_bind_parameter_count(st) == 2;
                if (status) BindText(st, 1, "200315");
                BindText(st, status ? 2 : 1, kFsu);
                db.Step(st);
                sqlite3_finalize(st);
            }
            db.Exec("COMMIT");
        },
        5, [&] { fsys::copy_file(fsu.file, file, fsys::copy_options::overwrite_existing); });
    Report(state, best, floor);
}

void MeasureReadFloors(FsuCase& fsu) {
    long rows = 0;
    {
        auto conn = db::Connection::Open(fsu.file);
        for (const auto& t : layout::BlockTables())
            rows += std::stol(conn->Query("select count(*) from " + t.name).Field(0).Text());
    }
    double all = 0;
    for (int t = 1; t <= layout::kBlockTableCount; ++t)
        all += fsu.readFloor[t] = ReadRowsFloor(fsu.file, {t});
    std::printf("%-10s block rows %6ld; floor of reading them all %8.3f ms\n", fsu.name.c_str(), rows,
                all * 1000);
}

}  // namespace

int main(int argc, char** argv) {
    Fixture fixture;
    g = &fixture;
    char pattern[] = "/tmp/r78bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    fixture.root = pattern;
    fsys::create_directories(fixture.root / "ent");
    fsys::create_directories(fixture.root / "R78" / "data");
    files::MakeMasterDatabase(fixture.root / "ent" / "r78_mast.mdb", R78_DEMO_DIR);
    files::MakeBlankTemplate(fixture.root / "ent" / "r78_blank.mdb", R78_DEMO_DIR);

    fixture.s.DriveC = fixture.root;
    fixture.s.Messages = &fixture.messages;
    StartUp(fixture.s, FixedClock());
    fixture.s.UserId = "OPR1";
    fixture.s.UserDpc = "101";
    fixture.s.CurSchType = 0;
    fixture.s.DataDir = std::string(kDataRoot) + kDataSub;
    fixture.s.FsuSector = "1";

    fixture.floorFile = fixture.root / "floor.mdb";
    fsys::copy_file(fixture.root / "ent" / "r78_blank.mdb", fixture.floorFile);
    fixture.fsus = {{"Worst", fixture.root / "worst.mdb", {}},
                    {"Realistic", fixture.root / "realistic.mdb", {}}};
    for (auto& fsu : fixture.fsus) {
        fsys::copy_file(fixture.root / "ent" / "r78_blank.mdb", fsu.file);
        auto conn = db::Connection::Open(fsu.file);
        (fsu.name == "Worst" ? FillWorstFsu : FillRealisticFsu)(*conn);
    }
    for (auto& fsu : fixture.fsus) MeasureReadFloors(fsu);

    benchmark::RegisterBenchmark("Registration", BM_Registration)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(20);
    for (int t = 1; t <= layout::kBlockTableCount; ++t)
        benchmark::RegisterBenchmark("LoadTableData", BM_LoadTableData)
            ->Arg(t)
            ->Unit(benchmark::kMillisecond);
    for (const auto& fsu : fixture.fsus) {
        const char* names[] = {"/ValidateSch0.0", "/ValidateHouseholds/211", "/ValidateHouseholds/051"};
        for (int t = 0; t <= 2; ++t)
            benchmark::RegisterBenchmark((fsu.name + names[t]).c_str(), BM_Validate, fsu, t)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(t == 0 ? 20 : 3);
        benchmark::RegisterBenchmark((fsu.name + "/ValidateWholeFsu").c_str(), BM_ValidateWholeFsu, fsu)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
        benchmark::RegisterBenchmark((fsu.name + "/Freeze").c_str(), BM_Freeze, fsu)
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fixture.s.FsuConn.reset();
    fixture.s.LoaderConn.reset();
    fixture.s.MasterConn.reset();
    fsys::remove_all(fixture.root);
    return 0;
}
