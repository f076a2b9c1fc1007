#include "listing/ListingRecord.h"

#include "core/DataLayout.h"
#include "screens/BlockRecord.h"

namespace r78 {

void StampSampleList(SharedState& s) {
    db::Transaction tx(*s.FsuConn);
    s.FsuConn->Execute("Update samplelist set Credate = ? ,creby = ? where creby is null and FSUNO = ?",
                       {s.TodayYmd, s.UserId, s.CurFsuNo});
    tx.Commit();
}

void DeleteFsu(SharedState& s) {
    std::vector<int> tables;
    for (const auto& t : layout::BlockTables()) tables.push_back(t.index);
    db::Transaction tx(*s.FsuConn);
    ArchiveAndDelete(s, tables, false);
    s.FsuConn->Execute(
        "Update samplelist set Credate = null, creby = null, doload = null, loadsts = null, cnt211 = null, "
        "cnt051 = "
        "null where FSUNO = ?",
        {s.CurFsuNo});
    tx.Commit();
}

}  // namespace r78
