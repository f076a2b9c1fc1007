#include "core/WorkQueries.h"

#include "core/Values.h"

namespace r78 {

int CountInto(SharedState& s, db::Connection& conn, const std::string& sql, const db::Params& params) {
    s.WorkRs = conn.Query(sql, params);
    return static_cast<int>(ToLong(s.WorkRs.Field("cnt").Text()));
}

}  // namespace r78
