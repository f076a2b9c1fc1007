#include "core/Loader.h"

#include <stdexcept>

#include "core/DataLayout.h"
#include "platform/fs/PathMap.h"

namespace r78 {

namespace {

bool IsListingTable(int tableNo) { return tableNo <= 3; }

// What a load leaves out of the table's listed columns: DPC always; the FSU key
// of block 6; the household key of the household blocks but blocks 1-2.
size_t KeyColumnsSkipped(int tableNo) {
    if (tableNo == 1 || tableNo == 4 || tableNo == 13) return 1;
    if (tableNo == 2 || tableNo == 3) return 2;
    return 5;
}

std::string OrderText(const layout::BlockTable& t) {
    if (t.index == 2 || t.index == 3) return " order by SSS";
    // Members of one trip follow each other by serial number within the trip.
    if (t.index == 7 || t.index == 8) return " order by slno," + t.listed[7].name;
    if (t.listed.size() > 5 && t.listed[5].name == "SLNO") return " order by slno";
    return "";
}

}  // namespace

std::string LoaderSelectList(int tableNo) {
    const layout::BlockTable& t = layout::BlockTableAt(tableNo);
    std::string list;
    for (size_t i = KeyColumnsSkipped(tableNo); i < t.listed.size(); ++i) {
        if (!list.empty()) list += ",";
        list += t.listed[i].name;
        // In the member lists of block 3 an empty second field puts column k of
        // the block (B3Ck) into column k of the record table.
        if ((tableNo == 5 || tableNo == 14) && t.listed[i].name == "SLNO") list += ",'' as dummy";
    }
    return list;
}

int LoadTableData(SharedState& s, int tableNo) {
    if (tableNo < 1 || tableNo > layout::kBlockTableCount)
        throw std::out_of_range("No block table has number " + std::to_string(tableNo));
    const layout::BlockTable& t = layout::BlockTableAt(tableNo);

    // The loader keeps its own connection to the FSU's file; every load reads the
    // rows as they now stand on disk, also those another connection just wrote.
    const auto file = fs::MapPath(s.DriveC, s.DataDir + "\\" + s.FsuFileName);
    if (!s.LoaderConn || !s.LoaderConn->IsOpen() || s.LoaderConn->Path() != file || !std::filesystem::exists(file)) {
        s.LoaderConn.reset();
        s.LoaderConn = db::Connection::Open(file);
    }

    std::string condition = " where fsuno = ?";
    db::Params params{s.CurFsuNo};
    if (!IsListingTable(tableNo)) {
        condition += " and sss = ? and SSU = ?";
        params.push_back(s.CurSss);
        params.push_back(s.CurSsu);
    }

    db::Recordset rs =
        s.LoaderConn->Query("select " + LoaderSelectList(tableNo) + " from " + t.name + condition + OrderText(t), params);
    if (rs.IsEmpty()) {
        s.RecTableRows = 0;
        return 0;
    }
    int r = 0;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext(), ++r)
        for (int k = 1; k <= rs.FieldCount(); ++k) s.RecTable.Set(r, k, rs.Field(k - 1).Text());
    s.RecTableRows = r;
    return r;
}

}  // namespace r78
