#include "validation/HouseholdRun.h"

#include "core/DataLayout.h"
#include "core/Values.h"
#include "core/WorkQueries.h"
#include "validation/checks_051.h"
#include "validation/checks_211.h"

namespace r78 {

int CheckAllHouseholds(SharedState& s, ValidationRun& run, int schType) {
    const std::string table = layout::IdentificationTable(schType).name;
    const int households =
        CountInto(s, *s.FsuConn, "select count(*) as cnt from   " + table + " where fsuno = ?", {s.CurFsuNo});
    if (households <= 0) return 0;
    run.ClearErrorRows();
    db::Recordset list = s.FsuConn->Query(
        "select FSUNO,SSS,SSU from  " + table + " where FSUNO = ? order by FSUNO, SSS, SSU", {s.CurFsuNo});
    for (list.MoveFirst(); !list.Eof(); list.MoveNext()) {
        s.CurSss = list.Field("SSS").Text();
        s.CurSsu = list.Field("SSU").Text();
        if (schType == 1)
            ValHH211(s);
        else
            ValHH051(s);
    }
    return households;
}

}  // namespace r78
