#include "validation/ValidationRun.h"

#include <string>

namespace r78 {

ValidationRun::ValidationRun(SharedState& s, Kind kind, bool clearRows)
    : s_(s),
      savedSss_(s.CurSss),
      savedSsu_(s.CurSsu),
      savedRunAll_(s.ValRunAll),
      savedRunSch0_(s.ValRunSch0) {
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

void ValidationRun::Commit() {
    static const std::string kNotStored = "The validation results could not be stored.\n";
    if (!s_.FsuConn) throw db::DbError(kNotStored + "No FSU database is open");
    try {
        s_.FsuConn->CommitTrans();
    } catch (const db::DbError& e) {
        // A refused COMMIT leaves the transaction open: end it, so that the file
        // keeps the earlier list and the connection is free for the next action.
        try {
            s_.FsuConn->RollbackTrans();
        } catch (...) {
        }
        throw db::DbError(kNotStored + e.what());
    }
    committed_ = true;
}

ValidationRun::~ValidationRun() {
    try {
        if (!committed_ && s_.FsuConn && s_.FsuConn->InTransaction()) s_.FsuConn->RollbackTrans();
    } catch (...) {
        // SQLite rolls back an open transaction when the connection closes.
    }
    s_.CurSss = savedSss_;
    s_.CurSsu = savedSsu_;
    s_.ValRunAll = savedRunAll_;
    s_.ValRunSch0 = savedRunSch0_;
    s_.ValIsCritical = true;
}

}  // namespace r78
