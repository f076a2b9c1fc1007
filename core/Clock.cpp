#include "core/Clock.h"

#include <cstdio>
#include <ctime>

namespace r78 {

Date SystemClock::Today() const {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string FormatYmd(const Date& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d%02d%02d", ((d.year % 100) + 100) % 100, d.month % 100, d.day % 100);
    return buf;
}

}  // namespace r78
