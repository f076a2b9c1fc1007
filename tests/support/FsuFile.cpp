#include "tests/support/FsuFile.h"

#include <ostream>

#include "core/Startup.h"
#include "platform/fs/PathMap.h"

namespace r78::test {

FsuFile::FsuFile(const std::string& fsuNo, int schType) {
    s.DriveC = drive_.Root();
    s.Messages = &messages;
    StartUp(s, FixedClock({2020, 3, 15}));
    s.UserId = "OPR1";
    s.UserDpc = "101";
    s.UserType = "O";
    s.CurSchType = schType;
    s.CurFsuNo = fsuNo;
    s.DataDir = std::string(kDataRoot) + kDataSub;
    s.FsuFileName = "781" + fsuNo + ".mdb";
    const auto file = fs::MapPath(s.DriveC, s.DataDir + "\\" + s.FsuFileName);
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::copy_file(drive_.BlankPath(), file);
    s.FsuConn = db::Connection::Open(file);
    s.FsuConn->Execute("delete from samplelist where not (fsuno = ?)", {fsuNo});
    s.FsuOpen = true;
}

void FsuFile::Insert(const std::string& table,
                     std::initializer_list<std::pair<std::string, std::string>> values) {
    Insert(table, std::vector<std::pair<std::string, std::string>>(values));
}

void FsuFile::Insert(const std::string& table,
                     const std::vector<std::pair<std::string, std::string>>& values) {
    std::string cols, marks;
    db::Params params;
    for (const auto& [col, val] : values) {
        cols += (cols.empty() ? "" : ",") + col;
        marks += marks.empty() ? "?" : ",?";
        params.emplace_back(val);
    }
    s.FsuConn->Execute("insert into " + table + " (" + cols + ") values (" + marks + ")", params);
}

std::vector<FsuFile::ErrorRow> FsuFile::ErrorRows() {
    auto rs = s.FsuConn->Query(
        "select srlno,seg,sss,ssu,blk,item,col,msg1,msg2,msgtype,schno from val_error where fsuno = ? order "
        "by rowid",
        {s.CurFsuNo});
    std::vector<ErrorRow> rows;
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
        auto f = [&](const char* n) { return rs.Field(n).Text(); };
        rows.push_back({f("srlno"), f("seg"), f("sss"), f("ssu"), f("blk"), f("item"), f("col"), f("msg1"),
                        f("msg2"), f("msgtype"), f("schno")});
    }
    return rows;
}

std::vector<std::string> FsuFile::ErrorLines() {
    std::vector<std::string> lines;
    for (const auto& r : ErrorRows())
        lines.push_back(r.blk + "|" + r.item + "|" + r.col + "|" + r.msg1 + "|" + r.msg2 + "|" + r.msgtype);
    return lines;
}

void PrintTo(const FsuFile::ErrorRow& r, std::ostream* os) {
    *os << r.srlno << " " << r.blk << "|" << r.item << "|" << r.col << "|" << r.msg1 << "|" << r.msg2 << "|"
        << r.msgtype;
}

}  // namespace r78::test
