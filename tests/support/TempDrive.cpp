#include "tests/support/TempDrive.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "core/DatabaseFiles.h"

namespace r78::test {

std::filesystem::path DemoDir() { return R78_DEMO_DIR; }

TempDrive::TempDrive() {
    std::string pattern = (std::filesystem::temp_directory_path() / "r78drive-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    std::filesystem::create_directories(root_ / "ent");
    files::MakeMasterDatabase(MasterPath(), DemoDir());
    files::MakeBlankTemplate(BlankPath(), DemoDir());
}

TempDrive::~TempDrive() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::unique_ptr<db::Connection> TempDrive::OpenMaster() const { return db::Connection::Open(MasterPath()); }

}  // namespace r78::test
