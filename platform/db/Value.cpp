#include "platform/db/Value.h"

#include <cmath>
#include <cstdio>

namespace r78::db {

std::string NumberText(double number) {
    if (std::isnan(number)) return "NaN";
    if (std::isinf(number)) return number < 0 ? "-Infinity" : "Infinity";
    if (number == 0) return "0";  // also -0
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", number);
    return buf;
}

}  // namespace r78::db
