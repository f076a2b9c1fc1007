#include "validation/Freeze.h"

#include "core/Values.h"
#include "core/WorkQueries.h"

namespace r78 {

int StatusCount(SharedState& s, const std::string& column) {
    // The column name comes from the callers' constants, never from input.
    return CountInto(s, *s.FsuConn, "select count(*) as cnt from samplelist where " + column + " is not null and fsuno = ?",
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
    for (const auto& table : layout::BlockTables()) s.FsuConn->Execute(SnapshotStatement(table), {s.CurFsuNo});
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

}  // namespace r78
