// Figures for the block screens on a large FSU: opening a screen (reading its
// household's rows into the grid) and one digit typed and entered in a cell (the
// key filter, the cell check and the move on), each in milliseconds. Every
// household table of both detailed schedules holds rows for five strata of 40
// households, and the household measured has 99 rows in each grid block.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <map>
#include <string>

#include "app/BlockScreens.h"
#include "core/DataLayout.h"
#include "screens/GridBlockScreen.h"
#include "tests/support/FsuFile.h"
#include "tests/support/ScreenDriver.h"

namespace {

using namespace r78;

constexpr int kStrata = 5;
constexpr int kHouseholdsPerStratum = 40;
constexpr int kRowsPerHousehold = 3;
constexpr int kRowsOfMeasured = 99;
const char* const kMeasuredSss = "3";
const char* const kMeasuredSsu = "20";

struct Fixture {
    test::FsuFile file{"10001", 1};
    test::StandInPacket packet;
};

// Fills a household table in one statement: every household gets its rows (one
// for a single-record block), each item "1", serial numbers in two digits.
void Fill(db::Connection& conn, const layout::BlockTable& t) {
    const std::string perStratum = std::to_string(kHouseholdsPerStratum);
    const std::map<std::string, std::string> keys = {{"DPC", "'101'"},
                                                     {"FSUNO", "'10001'"},
                                                     {"SU", "''"},
                                                     {"SSS", "h.n / " + perStratum + " + 1"},
                                                     {"SSU", "printf('%02d', h.n % " + perStratum + " + 1)"},
                                                     {"SLNO", "printf('%02d', r.k)"}};
    std::string cols, values;
    for (const layout::Column& c : t.listed) {
        const auto key = keys.find(c.name);
        cols += (cols.empty() ? "" : ",") + c.name;
        values += (values.empty() ? "" : ",") + (key != keys.end() ? key->second : std::string("'1'"));
    }
    const int measured = (std::stoi(kMeasuredSss) - 1) * kHouseholdsPerStratum + std::stoi(kMeasuredSsu) - 1;
    const std::string rows = t.order.empty() ? "1"
                                             : "case when h.n = " + std::to_string(measured) + " then " +
                                                   std::to_string(kRowsOfMeasured) + " else " +
                                                   std::to_string(kRowsPerHousehold) + " end";
    conn.Execute("with recursive h(n) as (select 0 union all select n + 1 from h where n < " +
                 std::to_string(kStrata * kHouseholdsPerStratum - 1) +
                 "), r(k) as (select 1 union all select k + 1 from r where k < " +
                 std::to_string(kRowsOfMeasured) + ") insert into " + t.name + " (" + cols + ") select " +
                 values + " from h, r where r.k <= " + rows);
}

double Ms(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

void BM_Open(benchmark::State& state, BlockScreens& screens) {
    const int index = static_cast<int>(state.range(0));
    double total = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        screens.At(index)->Show();
        QApplication::processEvents();
        total += Ms(t0);
        screens.At(index)->Unload();
        test::FlushDeletes();
    }
    state.counters["ms"] = total / static_cast<double>(state.iterations());
}

void BM_DigitAndEnter(benchmark::State& state, BlockScreens& screens) {
    const int index = static_cast<int>(state.range(0));
    screens.At(index)->Show();
    GridBlockScreen* screen = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = dynamic_cast<GridBlockScreen*>(w); s && s->isVisible()) screen = s;
    if (!screen) {
        state.SkipWithError("the screen did not open");
        return;
    }
    test::Activate(screen);
    ui::BoundGrid& grid = *screen->DataGridX;
    const int row = grid.RecordCount() - 1;
    // The first item after the serial number: members, relation, an age or an amount.
    const int column = grid.FieldColumn("SLNO") + 1;
    double total = 0;
    for (auto _ : state) {
        grid.SetCurrentCell(row, column);
        QApplication::processEvents();
        const auto t0 = std::chrono::steady_clock::now();
        test::Enter("1");
        total += Ms(t0);
    }
    state.counters["ms"] = total / static_cast<double>(state.iterations());
    state.counters["rows"] = grid.RecordCount();
    screens.At(index)->Unload();
    test::FlushDeletes();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fixture fixture;
    SharedState& s = fixture.file.s;
    {
        db::Transaction tx(*s.FsuConn);
        for (const auto& t : layout::BlockTables())
            if (!t.Listing()) Fill(*s.FsuConn, t);
        tx.Commit();
    }
    s.Packet = &fixture.packet;
    s.CurSss = kMeasuredSss;
    s.CurSsu = kMeasuredSsu;
    BlockScreens screens(s);

    // Every household block screen; a digit entered in a cell of each grid.
    for (const auto& t : layout::BlockTables()) {
        if (t.Listing() || !screens.At(t.index)) continue;
        benchmark::RegisterBenchmark(("OpenScreen/" + t.screen).c_str(), BM_Open, std::ref(screens))
            ->Arg(t.index)
            ->Iterations(20);
        if (t.order.empty()) continue;
        benchmark::RegisterBenchmark(("DigitAndEnter/" + t.screen).c_str(), BM_DigitAndEnter,
                                     std::ref(screens))
            ->Arg(t.index)
            ->Iterations(50);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
