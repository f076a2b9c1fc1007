#pragma once
#include <filesystem>
#include <string_view>

namespace r78::fs {

// The program names its files by Windows paths on drive C: ("C:\ent\r78_mast.mdb",
// "C:\R78\data"). One folder stands for that drive; this turns such a path into
// the real path below that folder. Paths on any other drive are refused.
std::filesystem::path MapPath(const std::filesystem::path& driveC, std::string_view windowsPath);

}  // namespace r78::fs
