#include "validation/ValidationRun.h"

#include <exception>

namespace r78 {

ValidationRun::ValidationRun(SharedState& s, Kind kind, bool clearRows)
    : s_(s),
      savedSss_(s.CurSss),
      savedSsu_(s.CurSsu),
      savedRunAll_(s.ValRunAll),
      savedRunSch0_(s.ValRunSch0),
      failuresBefore_(std::uncaught_exceptions()) {
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
        s.FsuConn->BeginTrans();
        if (clearRows) ClearErrorRows();
    } catch (...) {
        if (s.FsuConn->InTransaction()) s.FsuConn->RollbackTrans();
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
    const bool failed = std::uncaught_exceptions() > failuresBefore_;
    try {
        if (s_.FsuConn && s_.FsuConn->InTransaction()) {
            if (failed)
                s_.FsuConn->RollbackTrans();
            else
                s_.FsuConn->CommitTrans();
        }
    } catch (...) {
        // The rows of the run are lost with the connection's transaction; the
        // run's own failure, if any, is what the operator is told.
        try {
            s_.FsuConn->RollbackTrans();
        } catch (...) {
        }
    }
    s_.CurSss = savedSss_;
    s_.CurSsu = savedSsu_;
    s_.ValRunAll = savedRunAll_;
    s_.ValRunSch0 = savedRunSch0_;
    s_.ValIsCritical = true;
}

}  // namespace r78
