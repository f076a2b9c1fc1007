#include "core/HouseholdCounts.h"

#include "core/DataLayout.h"
#include "core/Values.h"

namespace r78 {

namespace {

bool IsHouseholdSchedule(int schType) { return schType == 1 || schType == 2; }

// One per-stratum count from the rows of a "group by sss" query.
std::array<int, 7> BySss(const SharedState& s, db::Recordset rs, const char* countField) {
    std::array<int, 7> bySss{};
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        const long sss = ToLong2(rs.Field("sss").Text());
        if (sss >= 1 && sss <= s.MaxSss) bySss[sss] = static_cast<int>(ToLong2(rs.Field(countField).Text()));
    }
    return bySss;
}

// The FSU's surveyed and casualty households of the schedule per stratum; no stratum marked full.
HouseholdCounts CountBySss(const SharedState& s, int t, const std::string& fsuNo) {
    const std::string table = layout::IdentificationTable(t).name;
    HouseholdCounts counts;
    counts.asurvdBySss =
        BySss(s,
              s.FsuConn->Query("select SSS,count(*) as asurvd from " + table +
                                   " where fsuno = ? and (svc= '1' or svc = '2' ) group by sss",
                               {fsuNo}),
              "ASURVD");
    counts.acasualtyBySss = BySss(s,
                                  s.FsuConn->Query("select SSS,count(*) as acasualty from " + table +
                                                       " where fsuno = ? and (svc = '3' ) group by  sss",
                                                   {fsuNo}),
                                  "ACASUALTY");
    return counts;
}

}  // namespace

void CountSurveyedBySss(SharedState& s, int t, const std::string& fsuNo) {
    if (!IsHouseholdSchedule(t)) return;
    const HouseholdCounts counts = CountBySss(s, t, fsuNo);
    s.SssFull[t].fill(0);
    s.AsurvdBySss[t] = counts.asurvdBySss;
    s.AcasualtyBySss[t] = counts.acasualtyBySss;
}

std::optional<HouseholdCounts> WriteHhCounts(const SharedState& s, int t, const std::string& fsuNo,
                                             const std::string& sssText, const std::string& ssuText) {
    if (!IsHouseholdSchedule(t) || !s.FsuConn) return std::nullopt;
    HouseholdCounts counts = CountBySss(s, t, fsuNo);
    const std::string table = layout::IdentificationTable(t).name;
    const std::string block6 = t == 1 ? "S000L02" : "S000L03";

    const db::Recordset entered =
        s.FsuConn->Query("select count(*) as cnt from " + table + " where fsuno = ? And SSS =  ? and SSU= ?",
                         {fsuNo, sssText, ssuText});
    counts.householdEntered = ToLong(entered.Field("cnt").Text()) > 0;

    // A stratum is full when its entered households match the listing's total
    // exactly; more or fewer leave room.
    for (int k = 1; k <= s.MaxSss; ++k) {
        const int enteredHere = counts.asurvdBySss[k] + counts.acasualtyBySss[k];
        if (enteredHere == s.TsurvdBySss[t][k] + s.CasualtyBySss[t][k]) counts.sssFull[k] = 1;
        counts.households += enteredHere;
    }

    const char* cntColumn = t == 1 ? "CNT211" : "CNT051";
    const long sss = ToLong2(sssText);
    db::Transaction tx(*s.FsuConn);
    // Only surveyed households count towards the stratum's ASURVD, not casualties.
    if (sss >= 1 && sss <= s.MaxSss)
        s.FsuConn->Execute("Update " + block6 + " set  ASURVD  = ? where fsuno = ? And SSS =  ?",
                           {counts.asurvdBySss[sss], fsuNo, sssText});
    s.FsuConn->Execute(std::string("Update S000L01 set  ") + cntColumn + "  = ? where fsuno = ?",
                       {counts.households, fsuNo});
    s.FsuConn->Execute(std::string("Update samplelist set  ") + cntColumn + "  = ? where fsuno = ?",
                       {counts.households, fsuNo});
    tx.Commit();
    return counts;
}

void TakeHhCounts(SharedState& s, int t, const HouseholdCounts& counts, bool selected) {
    s.AsurvdBySss[t] = counts.asurvdBySss;
    s.AcasualtyBySss[t] = counts.acasualtyBySss;
    s.SssFull[t] = counts.sssFull;
    s.HhCountBySch[t] = counts.households;
    if (selected) s.HhExists = counts.householdEntered ? 1 : 0;
}

std::optional<HouseholdCounts> UpdateHhCounts(SharedState& s, int t, const std::string& fsuNo,
                                              const std::string& sss, const std::string& ssu) {
    const std::optional<HouseholdCounts> counts = WriteHhCounts(s, t, fsuNo, sss, ssu);
    if (!counts) return std::nullopt;
    TakeHhCounts(s, t, *counts, true);
    return counts;
}

}  // namespace r78
