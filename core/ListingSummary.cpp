#include "core/ListingSummary.h"

#include "core/Values.h"

namespace r78 {

namespace {

// Block-6 figures of one part of the listing into the per-stratum arrays of its
// schedule. Rows of another stratum (the total row 9, a blank) are passed over.
int LoadBlock6Figures(SharedState& s, const char* sql, int schType, const std::string& fsuNo) {
    s.WorkRs = s.FsuConn->Query(sql, {fsuNo});
    for (int k = 0; k <= s.MaxSss + 1; ++k) {
        s.CaphBySss[schType][k] = 0;
        s.SelhBySss[schType][k] = 0;
        s.TsurvdBySss[schType][k] = 0;
        s.CasualtyBySss[schType][k] = 0;
    }
    for (s.WorkRs.MoveFirst(); !s.WorkRs.Eof(); s.WorkRs.MoveNext()) {
        const long sss = ToLong2(s.WorkRs.Field("SSS").Text());
        if (sss < 1 || sss > s.MaxSss) continue;
        s.CaphBySss[schType][sss] = static_cast<int>(ToLong2(s.WorkRs.Field("CAPH").Text()));
        s.SelhBySss[schType][sss] = static_cast<int>(ToLong2(s.WorkRs.Field("SELH").Text()));
        s.TsurvdBySss[schType][sss] = static_cast<int>(ToLong2(s.WorkRs.Field("TSURVD").Text()));
        s.CasualtyBySss[schType][sss] = static_cast<int>(ToLong2(s.WorkRs.Field("CASUALTY").Text()));
    }
    return s.WorkRs.RecordCount() > 0 ? 1 : 0;
}

}  // namespace

ListingSummary LoadListingSummary(SharedState& s, const std::string& fsuNo) {
    s.HasS000L01 = 0;
    s.WorkRs = s.FsuConn->Query("select CNT211, CNT051,SRO from S000L01 where fsuno = ?", {fsuNo});
    ListingSummary summary;
    // An FSU whose block 1 is not saved shows nothing of another FSU's listing.
    s.FsuSro.clear();
    if (!s.WorkRs.Eof()) {
        summary.entered = "YES";
        summary.cnt211 = s.WorkRs.Field("CNT211").Text();
        summary.cnt051 = s.WorkRs.Field("CNT051").Text();
        s.FsuSro = s.WorkRs.Field("SRO").Text();
        s.HasS000L01 = 1;
    }

    s.HasS000L02 = LoadBlock6Figures(
        s, "select FSUNO, SSS, CAPH, SELH, TSURVD, CASUALTY from S000L02 where fsuno = ?", 1, fsuNo);
    s.HasS000L03 = LoadBlock6Figures(
        s, "select FSUNO,  SSS, CAPH, SELH, TSURVD, CASUALTY from S000L03 where fsuno = ?", 2, fsuNo);
    return summary;
}

}  // namespace r78
