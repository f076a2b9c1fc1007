#include "validation/Freeze.h"

#include "core/Values.h"
#include "core/WorkQueries.h"
#include "validation/ErrorLog.h"
#include "validation/HouseholdRun.h"
#include "validation/ValidationRun.h"
#include "validation/checks_000.h"

namespace r78 {

int StatusCount(SharedState& s, const std::string& column) {
    // The column name comes from the callers' constants, never from input.
    return CountInto(s, *s.FsuConn,
                     "select count(*) as cnt from samplelist where " + column + " is not null and fsuno = ?",
                     {s.CurFsuNo});
}

bool MarkEntryComplete(SharedState& s) {
    return s.FsuConn->Execute("Update samplelist set DOENT = ? ,entsts = 'Y' where FSUNO = ?",
                              {s.TodayYmd, s.CurFsuNo}) > 0;
}

std::string SnapshotStatement(const layout::BlockTable& table) {
    std::string sql = "Update " + table.name + " set ";
    const auto sources = table.SnapshotSources();
    for (size_t i = 0; i < sources.size(); ++i)
        sql += (i ? ", O" : "O") + sources[i].name + " = " + sources[i].name;
    return sql + " where fsuno = ?";
}

void SnapshotOColumns(SharedState& s) {
    for (const auto& table : layout::BlockTables())
        s.FsuConn->Execute(SnapshotStatement(table), {s.CurFsuNo});
}

bool FreezeFsu(SharedState& s) {
    db::Transaction tx(*s.FsuConn);
    if (s.FsuConn->Execute("Update samplelist set DOLOAD = ? ,loadsts = 'Y' where FSUNO = ?",
                           {s.TodayYmd, s.CurFsuNo}) == 0)
        return false;
    SnapshotOColumns(s);
    tx.Commit();
    s.CurFsuNo.clear();
    s.FsuOpen = false;
    return true;
}

namespace {

// The listing checks' refusal of the entry-complete mark, on Exit and on the way to the freeze.
constexpr const char* kCoverageNotComplete =
    "Coverage Error in sch 0.0 remains. Data entry of all schedules is not complete.";
constexpr const char* kCoverageNotFrozen =
    "Coverage Error in sch 0.0 remains. Data entry of all schedules is not complete. Data not frozen";

ClosingOutcome Outcome(ClosingOutcome::Result result, const std::string& message, ClosingOutcome out) {
    out.result = result;
    out.message = message;
    return out;
}

}  // namespace

ClosingOutcome CloseFsu(SharedState& s, Closing closing) {
    using Result = ClosingOutcome::Result;
    const bool freeze = closing != Closing::MarkEntryComplete;
    ClosingOutcome out;
    if (closing != Closing::Freeze) {
        ValidationRun run(s, ValidationRun::Kind::Listing);
        out.listing = ValSch000(s);
        const bool refused = run.CriticalRows() >= 1;
        // The mark is committed with the run that passed it; neither is answered before.
        const bool marked = !refused && MarkEntryComplete(s);
        run.Commit();
        if (refused) return Outcome(Result::Refused, freeze ? kCoverageNotFrozen : kCoverageNotComplete, out);
        if (!marked)
            return Outcome(Result::NoSampleListRow,
                           freeze ? "The FSU's sample-list row was not found: data not frozen"
                                  : "The FSU's sample-list row was not found: entry status not updated",
                           out);
        if (!freeze) return Outcome(Result::Done, "entry status updated", out);
    }
    {
        ValidationRun run(s, ValidationRun::Kind::Listing);
        out.listing = ValSch000(s);
        run.Commit();
        if (run.CriticalRows() >= 1) {
            out.errors = {"0.0", kFreezeListingErrorsSql,
                          "List of Error Messages detected by Data Validation Checks Sch 0.0"};
            return Outcome(Result::Refused, "Critical Coverage Error remains. Unable to freeze the data",
                           out);
        }
    }
    struct HouseholdRun {
        int schType;
        const char* schedule;
        const char* refusal;
        const char* caption;
    };
    for (const HouseholdRun& h :
         {HouseholdRun{1, "21.1", "Critical Error remains in sch 21.1. Unable to upload the data",
                       "List of Error Messages detected by Data Validation Checks Sch 21.1"},
          HouseholdRun{2, "5.1", "Critical Error remains in sch 5.1. Unable to upload the data",
                       "List of Error Messages detected by Data Validation Checks Sch 5.1"}}) {
        ValidationRun run(s, ValidationRun::Kind::Households, false);
        CheckAllHouseholds(s, run, h.schType);
        run.Commit();
        if (run.CriticalRows() >= 1) {
            out.errors = {h.schedule, kHouseholdErrorsSql, h.caption};
            return Outcome(Result::Refused, h.refusal, out);
        }
    }
    if (!FreezeFsu(s))
        return Outcome(Result::NoSampleListRow, "The FSU's sample-list row was not found: data not frozen",
                       out);
    s.ValRunAll = false;
    s.ValRunSch0 = false;
    return Outcome(Result::Done, "data frozen", out);
}

}  // namespace r78
