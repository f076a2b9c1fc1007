#include "validation/ValidationRun.h"

namespace r78 {

ValidationRun::ValidationRun(SharedState& s, Kind kind, bool clearRows)
    : s_(s), savedSss_(s.CurSss), savedSsu_(s.CurSsu), savedRunAll_(s.ValRunAll), savedRunSch0_(s.ValRunSch0) {
    if (kind == Kind::Listing) {
        s.ValRunAll = true;
        s.ValRunSch0 = true;
    } else if (kind == Kind::Households) {
        s.ValRunAll = true;
        s.ValRunSch0 = false;
    }
    if (!s.FsuConn) {
        s.ValRunAll = savedRunAll_;
        s.ValRunSch0 = savedRunSch0_;
        throw db::DbError("No FSU database is open");
    }
    s.ValErrCount = 0;
    s.ValCritCount = 0;
    s.ValIsCritical = true;
    try {
        if (clearRows) ClearErrorRows();
    } catch (...) {
        s.ValRunAll = savedRunAll_;
        s.ValRunSch0 = savedRunSch0_;
        throw;
    }
}

void ValidationRun::ClearErrorRows() {
    if (!s_.FsuConn) throw db::DbError("No FSU database is open");
    db::Transaction tx(*s_.FsuConn);
    s_.FsuConn->Execute("delete from val_error where fsuno= ?", {s_.CurFsuNo});
    tx.Commit();
}

ValidationRun::~ValidationRun() {
    s_.CurSss = savedSss_;
    s_.CurSsu = savedSsu_;
    s_.ValRunAll = savedRunAll_;
    s_.ValRunSch0 = savedRunSch0_;
    s_.ValIsCritical = true;
}

}  // namespace r78
