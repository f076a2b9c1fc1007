#include "core/Startup.h"

#include "core/FieldWidths.h"
#include "core/Text.h"
#include "platform/fs/PathMap.h"

namespace r78 {

TextList LoadCodeList(db::Connection& conn, const std::string& sql) {
    db::Recordset rs = conn.Query(sql);
    TextList list(rs.RecordCount() + 1);
    long counter = 0;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) list.Set(++counter, text::Trim(rs.Field(0).Text()));
    return list;
}

void StartUp(SharedState& s, const Clock& clock) {
    const auto master = fs::MapPath(s.DriveC, kMasterDbPath);
    try {
        // The master database is only ever read.
        s.MasterConn = db::Connection::Open(master, db::Connection::Mode::ReadOnly);
        s.TodayYmd = FormatYmd(clock.Today());
        s.NicList =
            LoadCodeList(*s.MasterConn, "select substr(niccode,1,6) as nic from nic78 order by niccode");
        s.NcoList =
            LoadCodeList(*s.MasterConn, "select substr(ncocode,1,6) as nco from nco78 order by ncocode");
    } catch (const db::DbError& e) {
        s.MasterConn.reset();
        throw StartupError("The master database " + master.string() + " cannot be used.\n\n" + e.what());
    }

    s.GridEventsOn = true;
    s.MaxSchType = 2;
    s.MaxSss = 5;
    s.FsuOpen = false;
    s.HhSelected = false;
    s.HasS000L01 = 0;
    s.ValRunAll = false;
    s.BlockFormCount = 21;
    s.MaxFieldNo = 70;

    s.FormTable.fill(nullptr);
    s.HhCountBySch.fill(0);
    s.TripSlnoList.Clear(101);
    s.TripMemberList.Clear(101);
    s.SchTypeNames = {"Schedule 0.0", "Schedule 21.1", "Schedule 5.1"};
    s.ValIsCritical = true;
    s.ZeroPad = std::string(64, '0');
    s.BlankPad = std::string(64, ' ');

    s.WidthSpec.fill("");
    for (int i = 1; i <= s.BlockFormCount; ++i) s.WidthSpec[i] = WidthText(i);
    CountFieldWidths(s);
    ParseFieldWidths(s);
}

}  // namespace r78
