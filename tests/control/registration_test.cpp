#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "control/FsuRegistration.h"
#include "core/DatabaseFiles.h"
#include "core/Startup.h"
#include "tests/support/TempDrive.h"

namespace r78 {
namespace {

namespace stdfs = std::filesystem;

// A way the blank template can be damaged, and the words that name the cause.
struct Damage {
    const char* name;
    std::function<void(const stdfs::path&)> harm;
    const char* cause;
};

std::ostream& operator<<(std::ostream& os, const Damage& d) { return os << d.name; }

void DropTable(const stdfs::path& file, const std::string& table) {
    db::Connection::Open(file)->Execute("drop table " + table);
}

class DamagedTemplateTest : public ::testing::TestWithParam<Damage> {
protected:
    void SetUp() override {
        s.DriveC = drive.Root();
        s.DataDir = std::string(kDataRoot) + kDataSub;
        s.FsuFileName = "78110001.mdb";
    }
    stdfs::path DataFolder() const { return drive.Root() / "R78" / "data"; }
    std::vector<std::string> FilesInDataFolder() const {
        std::vector<std::string> names;
        if (stdfs::exists(DataFolder()))
            for (const auto& e : stdfs::directory_iterator(DataFolder()))
                names.push_back(e.path().filename());
        return names;
    }

    test::TempDrive drive;
    SharedState s;
};

TEST_P(DamagedTemplateTest, LeavesNoFileAndNamesTheTemplateAndTheCause) {
    GetParam().harm(drive.BlankPath());
    try {
        CreateFsuFile(s, "10001");
        ADD_FAILURE() << "a damaged template was taken";
    } catch (const std::runtime_error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find(drive.BlankPath().string()), std::string::npos) << message;
        EXPECT_NE(message.find(GetParam().cause), std::string::npos) << message;
    }
    EXPECT_EQ(FilesInDataFolder(), std::vector<std::string>{}) << "neither the FSU's file nor a partial copy";

    // Once the template is mended, the next registration makes the file with no
    // one removing anything by hand, also over a partial copy a crash left behind.
    stdfs::remove(drive.BlankPath());
    files::MakeBlankTemplate(drive.BlankPath(), test::DemoDir());
    std::ofstream(DataFolder() / "78110001.mdb.partial") << "left by a crash";
    CreateFsuFile(s, "10001");
    EXPECT_EQ(FilesInDataFolder(), std::vector<std::string>{"78110001.mdb"});
    const auto rows = db::Connection::Open(DataFolder() / "78110001.mdb")
                          ->Query("select group_concat(fsuno) from samplelist");
    EXPECT_EQ(rows.Field(0).Text(), "10001") << "the FSU's own sample-list row alone";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, DamagedTemplateTest,
    ::testing::Values(
        Damage{"Truncated", [](const stdfs::path& f) { stdfs::resize_file(f, stdfs::file_size(f) / 2); },
               "malformed"},
        Damage{"Empty", [](const stdfs::path& f) { stdfs::resize_file(f, 0); }, "it has no table samplelist"},
        Damage{"NoDatabase",
               [](const stdfs::path& f) { std::ofstream(f, std::ios::trunc) << "not a database at all"; },
               "file is not a database"},
        Damage{"MissingBlockTable", [](const stdfs::path& f) { DropTable(f, "S211L04"); },
               "it has no table S211L04"},
        Damage{"MissingErrorTable", [](const stdfs::path& f) { DropTable(f, "val_error"); },
               "it has no table val_error"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace r78
