#include "core/Login.h"

#include "core/Text.h"

namespace r78 {

bool LoginCheck(SharedState& s, std::string_view typedId, std::string_view typedPasswd) {
    const std::string id = text::ToUpper(text::Trim(typedId));
    const std::string pw = text::ToUpper(text::Trim(typedPasswd));
    db::Recordset rs = s.MasterConn->Query(
        "select count(*) as cnt from valid_user where userid = ? AND passwd = ?", {id, pw});
    if (std::stol(rs.Field("cnt").Text()) <= 0) return false;

    rs = s.MasterConn->Query("select dpc,usertype from valid_user where userid = ? AND passwd = ?", {id, pw});
    s.UserId = id;
    if (!rs.Eof()) {
        s.UserDpc = rs.Field("dpc").Text();
        s.UserType = rs.Field("usertype").Text();
    }
    return true;
}

}  // namespace r78
