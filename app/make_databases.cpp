// Makes "ent/r78_mast.mdb" and "ent/r78_blank.mdb" below the given drive folder.
#include <filesystem>
#include <iostream>

#include "core/DatabaseFiles.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_databases DRIVE_FOLDER DEMO_ROWS_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path ent = std::filesystem::path(argv[1]) / "ent";
        std::filesystem::create_directories(ent);
        r78::files::MakeMasterDatabase(ent / "r78_mast.mdb", argv[2]);
        r78::files::MakeBlankTemplate(ent / "r78_blank.mdb", argv[2]);
    } catch (const std::exception& e) {
        std::cerr << "make_databases: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
