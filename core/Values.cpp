#include "core/Values.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "core/Text.h"

namespace r78 {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number with blanks around it: optional sign, digits with one
// optional decimal point, optional exponent. Anything else is no number.
std::optional<double> ParseNumber(std::string_view text) {
    std::string t = text::Trim(text);
    if (t.empty()) return std::nullopt;
    size_t start = 0;
    bool negative = false;
    if (t[0] == '+' || t[0] == '-') {
        negative = t[0] == '-';
        start = 1;
    }
    if (start >= t.size() || !(IsDigit(t[start]) || t[start] == '.')) return std::nullopt;
    double value = 0;
    const char* first = t.data() + start;
    const char* last = t.data() + t.size();
    auto [end, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return negative ? -value : value;
}

std::optional<long> ParseLong(std::string_view text) {
    auto number = ParseNumber(text);
    if (!number) return std::nullopt;
    double rounded = std::nearbyint(*number);  // the default rounding takes a half to the even neighbour
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<long>(rounded);
}

// Length of each month; February keeps 28 days except in a leap year.
int MonthLength(int month, int year) {
    static const int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kLengths[month - 1];
}

}  // namespace

bool IsAllDigits(std::string_view text) {
    size_t b = text.find_first_not_of(' ');
    if (b == std::string_view::npos) return false;
    for (char c : text.substr(b))
        if (!IsDigit(c)) return false;
    return true;
}

bool InCodeList(std::string_view value, std::string_view codeList) {
    if (!IsAllDigits(value)) return false;
    auto n = ParseLong(value);
    if (!n) return false;  // too large to be any code
    // The list's elements are those before its first "x"; a list without one is no code list.
    std::vector<std::string_view> elements;
    bool ended = false;
    for (size_t from = 0; from <= codeList.size();) {
        size_t comma = std::min(codeList.find(',', from), codeList.size());
        std::string_view element = codeList.substr(from, comma - from);
        if (element == "x") {
            ended = true;
            break;
        }
        elements.push_back(element);
        from = comma + 1;
    }
    if (!ended) return false;
    for (std::string_view element : elements) {
        std::string_view low = element, high = element;
        size_t dots = element.find("..", 1);
        if (dots != std::string_view::npos) {
            low = element.substr(0, dots);
            high = element.substr(dots + 2);
        }
        if (ToLong(low) <= *n && *n <= ToLong(high)) return true;
    }
    return false;
}

long DigitValue(std::string_view digits) {
    if (!IsAllDigits(digits)) return 0;
    constexpr long kMax = std::numeric_limits<long>::max();
    long value = 0;
    for (char c : digits.substr(digits.find_first_not_of(' '))) {
        const int d = c - '0';
        if (value > (kMax - d) / 10) return kMax;
        value = value * 10 + d;
    }
    return value;
}

bool IsNumeric(std::string_view text) { return ParseNumber(text).has_value(); }

long ToLong(std::string_view text) { return ParseLong(text).value_or(0); }

long ToLong2(std::string_view text) { return ToLong(text); }

double ToDouble(std::string_view text) { return ParseNumber(text).value_or(0.0); }

int ToByte(std::string_view text) {
    auto n = ParseLong(text);
    return n && *n >= 0 && *n <= 255 ? static_cast<int>(*n) : 0;
}

void ErrBeep(ui::MessageService& messages, const std::string& message) { messages.ErrorBox(message); }

long DayNumber(int /*mode*/, std::string_view ddmmyy) {
    if (ddmmyy.size() != 6 || !IsAllDigits(ddmmyy)) return 0;
    const int dd = ToByte(ddmmyy.substr(0, 2));
    const int mm = ToByte(ddmmyy.substr(2, 2));
    const int yy = ToByte(ddmmyy.substr(4, 2));
    if (mm < 1 || mm > 12 || dd < 1 || yy < 19 || yy > 20) return 0;
    const int year = 2000 + yy;
    if (dd > MonthLength(mm, year)) return 0;
    long days = 6570;  // the day before 1 January 2019
    for (int y = 2019; y < year; ++y) days += 365 + (MonthLength(2, y) - 28);
    for (int m = 1; m < mm; ++m) days += MonthLength(m, year);
    return days + dd;
}

bool IsSpecialArea(std::string_view sector, std::string_view stateRegion, std::string_view district) {
    if (ToLong(sector) != 1) return false;
    const long state = ToLong(stateRegion.substr(0, 2));
    const long dist = ToLong(district);
    if (state == 2 || state == 11 || state == 35) return true;
    if (state == 5) return dist != 5 && dist != 11 && dist != 12 && dist != 13;
    if (state == 1) return dist == 3 || dist == 4 || dist == 5 || dist == 6 || (dist >= 16 && dist <= 20);
    if (state == 32) return dist == 9;
    return false;
}

int SubDivisionCount(std::string_view sector, std::string_view stateRegion, std::string_view district,
                     std::string_view population) {
    const bool special = IsSpecialArea(sector, stateRegion, district);
    const long first = special ? 900 : 1800;
    const long second = special ? 1200 : 2400;
    const long step = special ? 600 : 1200;
    if (population.empty()) return 0;
    const long p = ToLong(population);
    if (p < first) return 1;
    if (p < second) return 2;
    return static_cast<int>((p - second) / step + 3);
}

int ColStep(int curFormIndex, std::string_view value, long column) {
    return (curFormIndex == 7 || curFormIndex == 8) && column == 5 && InCodeList(value, "99,x") ? 2 : 1;
}

}  // namespace r78
