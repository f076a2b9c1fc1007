#include "core/HouseholdCounts.h"

#include "core/DataLayout.h"
#include "core/Values.h"
#include "core/WorkQueries.h"

namespace r78 {

namespace {

bool IsHouseholdSchedule(int schType) { return schType == 1 || schType == 2; }

// Fills one per-stratum count from the rows of a "group by sss" query.
void FillBySss(SharedState& s, std::array<int, 7>& bySss, const char* countField) {
    for (auto& n : bySss) n = 0;
    for (s.WorkRs.MoveFirst(); !s.WorkRs.Eof(); s.WorkRs.MoveNext()) {
        const long sss = ToLong2(s.WorkRs.Field("sss").Text());
        if (sss >= 1 && sss <= s.MaxSss)
            bySss[sss] = static_cast<int>(ToLong2(s.WorkRs.Field(countField).Text()));
    }
}

}  // namespace

void CountSurveyedBySss(SharedState& s, int t, const std::string& fsuNo) {
    if (!IsHouseholdSchedule(t)) return;
    const std::string table = layout::IdentificationTable(t).name;
    s.WorkRs = s.FsuConn->Query("select SSS,count(*) as asurvd from " + table +
                                    " where fsuno = ? and (svc= '1' or svc = '2' ) group by sss",
                                {fsuNo});
    s.SssFull[t].fill(0);
    FillBySss(s, s.AsurvdBySss[t], "ASURVD");
    s.WorkRs = s.FsuConn->Query(
        "select SSS,count(*) as acasualty from " + table + " where fsuno = ? and (svc = '3' ) group by  sss",
        {fsuNo});
    FillBySss(s, s.AcasualtyBySss[t], "ACASUALTY");
}

std::optional<HouseholdCounts> UpdateHhCounts(SharedState& s, int t, const std::string& fsuNo,
                                              const std::string& sssText, const std::string& ssuText) {
    if (!IsHouseholdSchedule(t) || !s.FsuConn) return std::nullopt;
    CountSurveyedBySss(s, t, fsuNo);
    const std::string table = layout::IdentificationTable(t).name;
    const std::string block6 = t == 1 ? "S000L02" : "S000L03";

    HouseholdCounts counts;
    s.HhExists = 0;
    counts.householdEntered =
        CountInto(s, *s.FsuConn,
                  "select count(*) as cnt from " + table + " where fsuno = ? And SSS =  ? and SSU= ?",
                  {fsuNo, sssText, ssuText}) > 0;
    if (counts.householdEntered) s.HhExists = 1;

    // A stratum is full when its entered households match the listing's total
    // exactly; more or fewer leave room.
    for (int k = 1; k <= s.MaxSss; ++k) {
        if (s.AsurvdBySss[t][k] + s.AcasualtyBySss[t][k] == s.TsurvdBySss[t][k] + s.CasualtyBySss[t][k])
            s.SssFull[t][k] = 1;
        counts.households += s.AsurvdBySss[t][k] + s.AcasualtyBySss[t][k];
    }
    s.HhCountBySch[t] = counts.households;

    const char* cntColumn = t == 1 ? "CNT211" : "CNT051";
    const long sss = ToLong2(sssText);
    db::Transaction tx(*s.FsuConn);
    // Only surveyed households count towards the stratum's ASURVD, not casualties.
    if (sss >= 1 && sss <= s.MaxSss)
        s.FsuConn->Execute("Update " + block6 + " set  ASURVD  = ? where fsuno = ? And SSS =  ?",
                           {s.AsurvdBySss[t][sss], fsuNo, sssText});
    s.FsuConn->Execute(std::string("Update S000L01 set  ") + cntColumn + "  = ? where fsuno = ?",
                       {counts.households, fsuNo});
    s.FsuConn->Execute(std::string("Update samplelist set  ") + cntColumn + "  = ? where fsuno = ?",
                       {counts.households, fsuNo});
    tx.Commit();
    return counts;
}

}  // namespace r78
