#pragma once
#include <string>
#include <string_view>

#include "core/SharedState.h"
#include "core/Text.h"
#include "core/Values.h"

namespace r78 {

// One row of the loaded block as the rules read it: columns numbered as the
// loader's select list numbers them.
class RecRow {
public:
    RecRow(const SharedState& s, int row) : s_(s), row_(row) {}

    const std::string& Text(int col) const { return s_.RecTable.Cell(row_, col); }
    // As a number; blank, and anything that is no number, reads as 0.
    long Num(int col) const { return ToLong(Text(col)); }
    double Dbl(int col) const { return ToDouble(Text(col)); }
    bool In(int col, std::string_view codes) const { return InCodeList(Text(col), codes); }
    // Where the form has two boxes for a code, codes below 10 are keyed with their
    // leading zero ("05"); a single digit is refused.
    bool InTwoDigits(int col, std::string_view codes) const {
        return In(col, codes) && Text(col).size() >= 2;
    }
    bool Empty(int col) const { return Text(col).empty(); }
    bool Blank(int col) const { return text::IsBlank(Text(col)); }
    // The day number of a "ddmmyy" date; 0 when it is no date of the survey period.
    long Day(int col) const { return DayNumber(1, Text(col)); }

private:
    const SharedState& s_;
    int row_;
};

}  // namespace r78
