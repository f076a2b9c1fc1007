#include "platform/fs/PathMap.h"

#include <stdexcept>
#include <string>

namespace r78::fs {

std::filesystem::path MapPath(const std::filesystem::path& driveC, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || (windowsPath[0] != 'C' && windowsPath[0] != 'c') || windowsPath[1] != ':')
        throw std::invalid_argument("Not a path on drive C: '" + std::string(windowsPath) + "'");
    std::filesystem::path result = driveC;
    std::string part;
    for (char c : windowsPath.substr(2)) {
        if (c == '\\' || c == '/') {
            if (!part.empty()) result /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) result /= part;
    return result;
}

}  // namespace r78::fs
