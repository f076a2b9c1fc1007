#include "control/FsuRegistration.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <set>
#include <stdexcept>
#include <system_error>

#include "core/DataLayout.h"
#include "core/Startup.h"
#include "core/Text.h"
#include "core/Values.h"
#include "core/WorkQueries.h"
#include "platform/fs/PathMap.h"

namespace r78 {

namespace {

// An FSU's file holds the sample list's row of that FSU alone.
void KeepOwnSampleRow(db::Connection& conn, const std::string& fsuNo) {
    conn.Execute("delete from samplelist  where not (fsuno = ?)", {fsuNo});
}

// The tables of the layout that a copy of the blank template lacks, as the
// reason it cannot become an FSU's file; empty when it has them all.
std::string MissingTables(db::Connection& conn) {
    std::set<std::string> present;
    for (auto rs = conn.Query("select name from sqlite_master where type = 'table'"); !rs.Eof();
         rs.MoveNext())
        present.insert(text::ToUpper(rs.Field(0).Text()));
    std::string missing;
    for (const auto& table : layout::FsuTables())
        if (!present.contains(text::ToUpper(table.name)))
            missing += (missing.empty() ? "" : ", ") + table.name;
    return missing.empty() ? "" : "it has no table " + missing;
}

// Puts a file's data, or a folder's names, on the disk before the call returns.
void SyncToDisk(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd >= 0 && ::fsync(fd) == 0) {
        ::close(fd);
        return;
    }
    const int error = errno;
    if (fd >= 0) ::close(fd);
    throw std::system_error(error, std::generic_category(), "Cannot write " + path.string() + " to disk");
}

}  // namespace

int SampleListCount(SharedState& s, const std::string& fsuNo) {
    return CountInto(s, *s.MasterConn, "select count(*) as cnt from samplelist where fsuno = ?", {fsuNo});
}

std::string FsuFileNameFor(const std::string& userDpc, const std::string& fsuNoText) {
    return "78" + userDpc.substr(0, 1) + fsuNoText + ".mdb";
}

std::filesystem::path FsuFilePath(const SharedState& s) {
    return fs::MapPath(s.DriveC, s.DataDir + "\\" + s.FsuFileName);
}

void CreateFsuFile(const SharedState& s, const std::string& fsuNo) {
    const auto target = FsuFilePath(s);
    const auto blank = fs::MapPath(s.DriveC, kBlankDbPath);
    std::filesystem::create_directories(target.parent_path());
    auto partial = target;
    partial += ".partial";
    try {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(blank, ec))
            throw std::runtime_error("The blank template " + blank.string() +
                                     " is missing, so the FSU's file cannot be made.");
        if (!std::filesystem::copy_file(blank, partial, std::filesystem::copy_options::overwrite_existing,
                                        ec))
            throw std::runtime_error("The blank template " + blank.string() + " could not be copied to " +
                                     partial.parent_path().string() + ": " + ec.message() + ".");
        // Opening reads the copy's table definitions: a file that is no database,
        // or one cut short, fails here.
        std::unique_ptr<db::Connection> conn;
        std::string fault;
        try {
            conn = db::Connection::Open(partial);
            fault = MissingTables(*conn);
        } catch (const db::DbError& e) {
            fault = e.what();
        }
        if (!fault.empty())
            throw std::runtime_error("The blank template " + blank.string() + " cannot be used: " + fault);
        // Until it is renamed the copy is nobody's file: a crash leaves a partial copy
        // that the next registration makes afresh. So its statements keep their journal
        // in memory and sync nothing; the one sync below makes the whole file durable.
        conn->Execute("PRAGMA journal_mode = MEMORY");
        conn->Execute("PRAGMA synchronous = OFF");
        KeepOwnSampleRow(*conn, fsuNo);
        conn->Close();
        SyncToDisk(partial);
        std::filesystem::rename(partial, target);
        // The new name is on the disk too, or a crash could lose the file it names.
        SyncToDisk(target.parent_path());
    } catch (...) {
        std::error_code ec;
        std::filesystem::remove(partial, ec);
        throw;
    }
}

void OpenFsuDatabase(SharedState& s, const std::string& fsuNo) {
    s.FsuConn.reset();
    // The loader's connection may still point at the file an earlier registration used.
    s.LoaderConn.reset();
    s.FsuConn = db::Connection::Open(FsuFilePath(s));
    KeepOwnSampleRow(*s.FsuConn, fsuNo);
}

FsuStatus ReadFsuStatus(SharedState& s, const std::string& fsuNo) {
    s.WorkRs =
        s.FsuConn->Query("select creby,loadsts,entsts,vrfsts from samplelist where fsuno = ?", {fsuNo});
    FsuStatus st;
    if (s.WorkRs.Eof()) return st;
    st.found = true;
    st.creby = s.WorkRs.Field("creby").Text();
    st.loadsts = s.WorkRs.Field("loadsts").Text();
    st.entsts = s.WorkRs.Field("entsts").Text();
    st.vrfsts = s.WorkRs.Field("vrfsts").Text();
    return st;
}

int ListingBlock6Count(SharedState& s, int schType, const std::string& fsuNo) {
    const char* sql = schType == 1 ? "select count(*) as cnt from S000l02 where fsuno = ?"
                                   : "select count(*) as cnt from s000l03 where fsuno = ?";
    return CountInto(s, *s.FsuConn, sql, {fsuNo});
}

void LoadSampleList(SharedState& s, const std::string& fsuNo) {
    if (SampleListCount(s, fsuNo) < 1) {
        s.Messages->OkBox("FSUNO not available in the sample list");
        return;
    }
    s.WorkRs = s.MasterConn->Query("select * from samplelist where FSUNO = ?", {fsuNo});
    auto field = [&](const char* name) { return s.WorkRs.Field(name).Text(); };
    s.CurFsuNo = field("FSUNO");
    s.FsuRound = field("RND");
    s.FsuSample = field("SAMPLE");
    s.FsuSector = field("SECTOR");
    s.FsuState = field("STATE");
    s.FsuRegion = field("REG");
    s.FsuStateRegion = s.FsuState + s.FsuRegion;
    s.FsuDistrict = field("DIST");
    s.FsuStratum = field("STRM");
    s.FsuSubStratum = field("SSTRM");
    s.FsuSubRound = field("SR");
    s.FsuSu = field("SU");
    s.FsuFc = field("FC");
    s.FsuFpop = field("FPOP");
}

void CloseDatabases(SharedState& s) noexcept {
    try {
        if (s.MasterConn) s.MasterConn->Close();
        if (s.FsuConn) s.FsuConn->Close();
        if (s.LoaderConn) s.LoaderConn->Close();
    } catch (...) {
    }
}

}  // namespace r78
