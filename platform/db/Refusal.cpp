#include "platform/db/Refusal.h"

#include <regex>

namespace r78::db {

std::string RefusalInWords(std::string_view dbText) {
    static const std::regex width(R"re(CHECK constraint failed: length\("?(\w+)"?\) <= (\d+))re");
    static const std::regex blank(R"re(NOT NULL constraint failed: (?:\w+\.)?(\w+))re");
    const std::string text(dbText);
    std::smatch m;
    if (std::regex_search(text, m, width))
        return "field " + m[1].str() + " holds at most " + m[2].str() +
               (m[2] == "1" ? " character" : " characters");
    if (std::regex_search(text, m, blank)) return "field " + m[1].str() + " may not be blank";
    return {};
}

}  // namespace r78::db
