// Figures for a large FSU: registration, loads, the whole-FSU validation runs
// and the freeze, each beside the floor that no implementation can beat on this
// machine (reading every block row once; writing as many error rows in one
// transaction; one update statement per block table); and the opening of the
// widest single-record block screen, Qt offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "core/DataLayout.h"
#include "core/DatabaseFiles.h"
#include "core/Loader.h"
#include "core/Startup.h"
#include "indicators/orcl_051c.h"
#include "platform/fs/PathMap.h"
#include "validation/Freeze.h"
#include "validation/HouseholdRun.h"
#include "validation/ValidationRun.h"
#include "validation/checks_000.h"

namespace {

using namespace r78;
namespace fsys = std::filesystem;

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

struct Fixture {
    fsys::path root;
    fsys::path bigFile;  // the filled FSU file, copied afresh where a figure writes
    NullMessages messages;
    SharedState s;
    std::map<std::string, double> floors;
};

Fixture* g = nullptr;

double Seconds(const std::function<void()>& f, int repeats = 5) {
    double best = 1e100;
    for (int i = 0; i < repeats; ++i) {
        auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

// A plausible value of a column's width: digits, with the survey's codes where they matter.
std::string ValueFor(const layout::Column& c, int serial) {
    if (c.name == "DOS" || c.name == "DOD") return "150320";
    if (c.name == "SVC") return "1";
    if (c.width <= 0) return "1";
    std::string v = std::to_string(1 + serial % 7);
    return v.size() > static_cast<size_t>(c.width) ? v.substr(0, c.width) : v;
}

void InsertRow(db::Connection& conn, const layout::BlockTable& t, const std::map<std::string, std::string>& keys,
               int serial) {
    std::string cols, marks;
    db::Params params;
    for (const auto& c : t.listed) {
        cols += (cols.empty() ? "" : ",") + c.name;
        marks += marks.empty() ? "?" : ",?";
        auto k = keys.find(c.name);
        params.emplace_back(k != keys.end() ? k->second : ValueFor(c, serial));
    }
    conn.Execute("insert into " + t.name + " (" + cols + ") values (" + marks + ")", params);
}

std::string Two(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

void FillFsu(db::Connection& conn) {
    db::Transaction tx(conn);
    conn.Execute("delete from samplelist where not (fsuno = ?)", {kFsu});
    InsertRow(conn, layout::BlockTableAt(1), {{"DPC", "101"}, {"FSUNO", kFsu}, {"SVC", "1"}}, 1);
    for (int t : {2, 3})
        for (int sss : {1, 2, 3, 4, 5, 9}) {
            // The total row's figures are kept within their two-digit columns.
            const int n = sss == 9 ? 99 : kHouseholdsPerStratum;
            InsertRow(conn, layout::BlockTableAt(t),
                      {{"DPC", "101"}, {"FSUNO", kFsu}, {"SSS", std::to_string(sss)}, {"CAPH", std::to_string(n * 3)},
                       {"SELH", std::to_string(n)}, {"TSURVD", std::to_string(n)}, {"SURVD", std::to_string(n)},
                       {"SSURVD", "0"}, {"Casualty", "0"}, {"SEGPOP", "500"}},
                      sss);
        }
    // Rows per household of each block table: blocks 1-2 and the household
    // blocks once, members 5, trips a few.
    const std::map<int, int> rowsPerHousehold = {{4, 1},  {5, 5},  {6, 1},  {7, 6},  {8, 3},  {9, 3},  {10, 2},
                                                 {11, 2}, {12, 1}, {13, 1}, {14, 5}, {15, 1}, {16, 1}, {17, 1},
                                                 {18, 5}, {19, 1}, {20, 2}, {21, 1}};
    for (int sss = 1; sss <= kStrata; ++sss)
        for (int h = 1; h <= kHouseholdsPerStratum; ++h)
            for (const auto& [index, rows] : rowsPerHousehold)
                for (int r = 1; r <= rows; ++r) {
                    std::map<std::string, std::string> keys = {{"DPC", "101"}, {"FSUNO", kFsu},
                                                               {"SSS", std::to_string(sss)}, {"SSU", Two(h)},
                                                               {"SLNO", Two(r)}, {"SVC", "1"}};
                    InsertRow(conn, layout::BlockTableAt(index), keys, r + h);
                }
    tx.Commit();
}

void OpenCopy(const char* name) {
    const fsys::path dataDir = g->root / "R78" / "data";
    fsys::copy_file(g->bigFile, dataDir / name, fsys::copy_options::overwrite_existing);
    g->s.FsuFileName = name;
    g->s.FsuConn = db::Connection::Open(dataDir / name);
    g->s.CurFsuNo = kFsu;
    g->s.FsuOpen = true;
}

double Floor(const std::string& name) { return g->floors.at(name); }
double WriteErrorRowsFloor(long rows);

void Report(benchmark::State& state, double total, const std::string& floor) {
    const double each = total / static_cast<double>(state.iterations());
    state.counters["ms"] = each * 1000;
    state.counters["x_floor"] = each / Floor(floor);
}

void BM_Registration(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        const fsys::path target = g->root / "R78" / "data" / "78110002.mdb";
        fsys::remove(target);
        fsys::copy_file(fsys::path(g->root) / "ent" / "r78_blank.mdb", target);
        auto conn = db::Connection::Open(target);
        conn->Execute("delete from samplelist  where not (fsuno = ?)", {"10002"});
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    Report(state, total, "one update per table");
}

void BM_LoadTableData(benchmark::State& state) {
    OpenCopy("load.mdb");
    g->s.CurSss = "3";
    g->s.CurSsu = "20";
    double total = 0;
    const int table = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(LoadTableData(g->s, table));
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    const double each = total / static_cast<double>(state.iterations());
    state.counters["ms"] = each * 1000;
}

void BM_ListingRun(benchmark::State& state) {
    OpenCopy("run0.mdb");
    double total = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        ValidationRun run(g->s, ValidationRun::Kind::Listing);
        ValSch000(g->s);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    const double each = total / static_cast<double>(state.iterations());
    auto rs = g->s.FsuConn->Query("select count(*) from val_error");
    const double floor = Floor("read every row") + WriteErrorRowsFloor(std::stol(rs.Field(0).Text()));
    state.counters["ms"] = each * 1000;
    state.counters["floor_ms"] = floor * 1000;
    state.counters["x_floor"] = each / floor;
}

void BM_HouseholdRun(benchmark::State& state) {
    const int t = static_cast<int>(state.range(0));
    OpenCopy(t == 1 ? "run211.mdb" : "run051.mdb");
    double total = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        ValidationRun run(g->s, ValidationRun::Kind::Households, false);
        CheckAllHouseholds(g->s, run, t);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    auto rs = g->s.FsuConn->Query("select count(*) from val_error");
    const long errorRows = std::stol(rs.Field(0).Text());
    state.counters["error_rows"] = static_cast<double>(errorRows);
    const double each = total / static_cast<double>(state.iterations());
    state.counters["ms"] = each * 1000;
    // The floor of this run: every block row read once, and as many error rows
    // as it wrote, written in one transaction.
    const double floor = Floor("read every row") + WriteErrorRowsFloor(errorRows);
    state.counters["floor_ms"] = floor * 1000;
    state.counters["x_floor"] = each / floor;
}

void BM_Freeze(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        OpenCopy("freeze.mdb");
        state.ResumeTiming();
        auto t0 = std::chrono::steady_clock::now();
        FreezeFsu(g->s);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    }
    Report(state, total, "one update per table");
}

// Schedule 5.1 block 4 of a stored household, from its making to its first
// painting: the count, the read of its 46 items and the layout of their boxes.
void BM_OpenBlock4(benchmark::State& state) {
    OpenCopy("screen051.mdb");
    g->s.CurSchType = 2;
    g->s.CurSss = "3";
    g->s.CurSsu = "20";
    double total = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        auto* screen = new orcl_051c(g->s);
        screen->show();
        QApplication::processEvents();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (!screen->Loaded() || g->s.BlkRecExists != 1) state.SkipWithError("block 4 was not read");
        delete screen;
    }
    state.counters["ms"] = total / static_cast<double>(state.iterations()) * 1000;
}

double WriteErrorRowsFloor(long rows) {
    auto conn = db::Connection::Open(g->root / "R78" / "data" / "floor.mdb");
    return Seconds([&] {
        {
            db::Transaction tx(*conn);
            for (long i = 0; i < rows; ++i)
                conn->Execute("insert into val_error (fsuno,srlno,blk,item,col,msg1,msg2,msgtype,schno) values "
                              "(?,?,?,?,?,?,?,?,?)",
                              {kFsu, 399, "B 3", "01", "3", "some message", "", "Warn", "1"});
            tx.Commit();
        }
        conn->Execute("delete from val_error");
    }, 3);
}

void MeasureFloors() {
    OpenCopy("floor.mdb");
    auto& conn = *g->s.FsuConn;
    long blockRows = 0;
    g->floors["read every row"] = Seconds([&] {
        blockRows = 0;
        for (const auto& t : layout::BlockTables()) blockRows += conn.Query("select * from " + t.name).RecordCount();
    });
    g->floors["one update per table"] = Seconds([&] {
        db::Transaction tx(conn);
        for (const auto& t : layout::BlockTables())
            conn.Execute("Update " + t.name + " set creby = creby where fsuno = ?", {kFsu});
        tx.Commit();
    });
    std::printf("Block rows in the FSU: %ld\n", blockRows);
    for (const auto& [name, seconds] : g->floors) std::printf("Floor %-22s %10.3f ms\n", name.c_str(), seconds * 1000);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform says at every showing what it does not support.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.startsWith("This plugin does not support")) qt_message_output(type, context, message);
    });
    QApplication app(argc, argv);
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

    fixture.bigFile = fixture.root / "big.mdb";
    fsys::copy_file(fixture.root / "ent" / "r78_blank.mdb", fixture.bigFile);
    {
        auto conn = db::Connection::Open(fixture.bigFile);
        FillFsu(*conn);
    }
    MeasureFloors();

    benchmark::RegisterBenchmark("Registration", BM_Registration)->Unit(benchmark::kMillisecond);
    for (int t = 1; t <= 21; ++t)
        benchmark::RegisterBenchmark("LoadTableData", BM_LoadTableData)->Arg(t)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ValidateSch0.0", BM_ListingRun)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ValidateHouseholds", BM_HouseholdRun)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);
    benchmark::RegisterBenchmark("Freeze", BM_Freeze)->Unit(benchmark::kMillisecond)->Iterations(5);
    benchmark::RegisterBenchmark("OpenBlock4Sch5.1", BM_OpenBlock4)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fsys::remove_all(fixture.root);
    return 0;
}
