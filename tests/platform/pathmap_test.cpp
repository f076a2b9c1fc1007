#include "platform/fs/PathMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>

namespace r78::fs {
namespace {

const std::filesystem::path kDrive = "/srv/r78/drive_c";

struct MapCase {
    std::string windowsPath;
    std::filesystem::path expected;  // below kDrive
};
void PrintTo(const MapCase& c, std::ostream* os) { *os << c.windowsPath; }

class MapPathOnDriveC : public ::testing::TestWithParam<MapCase> {};

TEST_P(MapPathOnDriveC, LandsBelowTheDriveFolder) {
    EXPECT_EQ(MapPath(kDrive, GetParam().windowsPath), kDrive / GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramPaths, MapPathOnDriveC,
    ::testing::Values(MapCase{"C:\\ent\\r78_mast.mdb", "ent/r78_mast.mdb"},
                      MapCase{"C:\\ent\\r78_blank.mdb", "ent/r78_blank.mdb"},
                      // DataDir is "C:\R78" followed by "\data"; the FSU file follows a "\".
                      MapCase{std::string("C:\\R78") + "\\data", "R78/data"},
                      MapCase{std::string("C:\\R78") + "\\data" + "\\" + "78110001.mdb",
                              "R78/data/78110001.mdb"},
                      MapCase{"c:\\ent\\r78_mast.mdb", "ent/r78_mast.mdb"},
                      MapCase{"C:/ent/r78_mast.mdb", "ent/r78_mast.mdb"},
                      MapCase{"C:\\R78\\\\data\\", "R78/data"}));

TEST(MapPath, KeepsTheCaseOfNames) {
    // The folder is "R78" and the file "r78_mast.mdb": on this system's file names
    // case matters, so the map must not change it.
    auto p = MapPath(kDrive, "C:\\R78\\Data\\x.MDB");
    EXPECT_EQ(p, kDrive / "R78" / "Data" / "x.MDB");
}

TEST(MapPath, DriveRootIsTheDriveFolder) {
    EXPECT_EQ(MapPath(kDrive, "C:\\"), kDrive);
    EXPECT_EQ(MapPath(kDrive, "C:"), kDrive);
}

TEST(MapPath, RefusesOtherDrivesAndPathsWithoutADrive) {
    for (const char* path : {"D:\\ent\\r78_mast.mdb", "d:\\R78\\data", "E:", "\\ent\\r78_mast.mdb",
                             "ent\\r78_mast.mdb", "C", ""}) {
        EXPECT_THROW(MapPath(kDrive, path), std::invalid_argument) << path;
    }
}

TEST(MapPath, RefusalNamesThePath) {
    try {
        MapPath(kDrive, "D:\\ent\\r78_mast.mdb");
        ADD_FAILURE() << "a D: path was mapped";
    } catch (const std::invalid_argument& e) {
        EXPECT_NE(std::string(e.what()).find("D:\\ent\\r78_mast.mdb"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace r78::fs
