#include "control/FsuRegistration.h"

#include "core/Startup.h"
#include "core/Values.h"
#include "core/WorkQueries.h"
#include "platform/fs/PathMap.h"

namespace r78 {

int SampleListCount(SharedState& s, const std::string& fsuNo) {
    return CountInto(s, *s.MasterConn, "select count(*) as cnt from samplelist where fsuno = ?", {fsuNo});
}

std::string FsuFileNameFor(const std::string& userDpc, const std::string& fsuNoText) {
    return "78" + userDpc.substr(0, 1) + fsuNoText + ".mdb";
}

std::filesystem::path FsuFilePath(const SharedState& s) {
    return fs::MapPath(s.DriveC, s.DataDir + "\\" + s.FsuFileName);
}

void CreateFsuFile(const SharedState& s) {
    const auto target = FsuFilePath(s);
    std::filesystem::create_directories(target.parent_path());
    auto partial = target;
    partial += ".partial";
    try {
        std::filesystem::copy_file(fs::MapPath(s.DriveC, kBlankDbPath), partial,
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::rename(partial, target);
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
    s.FsuConn->Execute("delete from samplelist  where not (fsuno = ?)", {fsuNo});
}

FsuStatus ReadFsuStatus(SharedState& s, const std::string& fsuNo) {
    s.WorkRs = s.FsuConn->Query("select creby,loadsts,entsts,vrfsts from samplelist where fsuno = ?", {fsuNo});
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
