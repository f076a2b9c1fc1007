#include "control/IdChange.h"

#include "core/DataLayout.h"
#include "core/Values.h"
#include "core/WorkQueries.h"

namespace r78 {

bool HouseholdIdInUse(SharedState& s, int schType, const std::string& sss, const std::string& ssu) {
    for (const auto* t : layout::ScheduleTables(schType)) {
        if (CountInto(s, *s.FsuConn,
                      "select count(*) as cnt from " + t->name + " where fsuno = ? and sss = ? and SSU = ?",
                      {s.CurFsuNo, sss, ssu}) > 0)
            return true;
    }
    return false;
}

bool ChangeHouseholdId(SharedState& s, int schType, const std::string& newSss, const std::string& newSsu) {
    db::Transaction tx(*s.FsuConn);
    if (HouseholdIdInUse(s, schType, newSss, newSsu)) return false;
    for (const auto* t : layout::ScheduleTables(schType))
        s.FsuConn->Execute(
            "Update " + t->name + " set sss = ?, ssu = ? where fsuno = ? and sss = ? and SSU = ?",
            {newSss, newSsu, s.CurFsuNo, s.CurSss, s.CurSsu});
    tx.Commit();
    return true;
}

}  // namespace r78
