#include "core/Loader.h"

#include <stdexcept>

#include "core/DataLayout.h"
#include "platform/fs/PathMap.h"

namespace r78 {

namespace {

// What a load leaves out of the table's listed columns: DPC always; the FSU key
// of block 6; the household key of the household blocks but blocks 1-2.
size_t KeyColumnsSkipped(const layout::BlockTable& t) {
    if (t.Identification()) return 1;
    return t.Listing() ? 2 : 5;
}

std::string OrderText(const layout::BlockTable& t) { return t.order.empty() ? "" : " order by " + t.order; }

}  // namespace

std::string LoaderSelectList(int tableNo) {
    const layout::BlockTable& t = layout::BlockTableAt(tableNo);
    std::string list;
    for (size_t i = KeyColumnsSkipped(t); i < t.listed.size(); ++i) {
        if (!list.empty()) list += ",";
        list += t.listed[i].name;
        // In the member lists of block 3 an empty second field puts column k of
        // the block (B3Ck) into column k of the record table.
        if (t.blockNo == 3 && t.listed[i].name == "SLNO") list += ",'' as dummy";
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
    if (!s.LoaderConn || !s.LoaderConn->IsOpen() || s.LoaderConn->Path() != file ||
        !std::filesystem::exists(file)) {
        s.LoaderConn.reset();
        s.LoaderConn = db::Connection::Open(file);
    }

    std::string condition = " where fsuno = ?";
    db::Params params{s.CurFsuNo};
    if (!t.Listing()) {
        condition += " and sss = ? and SSU = ?";
        params.push_back(s.CurSss);
        params.push_back(s.CurSsu);
    }

    db::Recordset rs = s.LoaderConn->Query(
        "select " + LoaderSelectList(tableNo) + " from " + t.name + condition + OrderText(t), params);
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
