#pragma once
#include <string>

namespace r78 {

struct Date {
    int year;   // four digits
    int month;  // 1..12
    int day;    // 1..31
};

// Where the program learns today's date; tests set their own.
class Clock {
public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

class SystemClock : public Clock {
public:
    Date Today() const override;
};

// "yymmdd": the date stamp written as credate, deldate, DOENT and DOLOAD.
std::string FormatYmd(const Date& d);

}  // namespace r78
