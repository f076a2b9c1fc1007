#include "core/FieldWidths.h"

#include <array>

#include "core/SharedState.h"

namespace r78 {

namespace {

// The field widths of each block screen, in the column order of its table
// (field 1 is DPC). Single-record screens limit their entry fields by them and
// grid screens refuse a longer cell.
const std::array<const char*, 21> kWidthTexts = {
    " 03 05 02 03 01 01 03 02 02 02 01 04 02 06 06 03 06 03 01 01 04 04 04 06 06 03 01 01 01 01",
    " 03 05 03 05 01 04 02 02 02 02 02 02",
    " 03 05 03 05 01 04 02 02 02 02 02 02",
    " 03 05 02 03 01 01 03 02 02 02 01 04 03 01 02 02 01 01 01 04 04 04 06 06 03 01 01 01 01 01",
    " 03 05 03 01 02 02 01 01 03 01 02 02",
    " 03 05 03 01 02 02 03 05 01 01 01 02 02 02 02 02 08 08 08 08 08 08",
    " 03 05 03 01 02 02 02 02 03 01 01 02 02 01 01 03 01 02 01 02",
    " 03 05 03 01 02 02 02 02 03 01 01 02 02 01 01 03 01 02 01 02",
    " 03 05 03 01 02 02 01 07 01 01 01 01 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 "
    "07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 08 01 08 01 08 01 01 01 01 01 01 01 01 01 01",
    " 03 05 03 01 02 02 01 07 01 01 01 01 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 "
    "07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 08 01 08 01 08 01 01 01 01 01 01 01 01 01 01",
    " 03 05 03 01 02 02 02 01 07 07 07 07 07 07 07 07 07 07 01 01 01 01 01 01 01 01 01 01",
    " 03 05 03 01 02 02 02 01 08 03 01 01 01 01 01 01 01 01 01 01",
    " 03 05 02 03 01 01 03 02 02 02 01 04 03 01 02 02 01 01 01 04 04 04 06 06 03 01 01 01 01 01",
    " 03 05 03 01 02 02 01 01 03 01 02 02 02 02 01 01 01 01 01 01",
    " 03 05 03 01 02 02 01 01 02 08 08 08 08 08 08 01 01 01 01 01 02 01 02 01 02 01 01 01 03 01 02 01 01 01 "
    "01 01 01 01 01 01 01 01 01 01 01 01 01 01 02 01 02",
    " 03 05 03 01 02 02 02",
    " 03 05 03 01 02 02 02",
    " 03 05 03 01 02 02 03 01 01 02 01 02 01 01 02 01 01 01 01 01 01 01 01 01 02 02 01 01 01 01 01 01 01 01 "
    "01 01 01 01 01 01 01 01 01 01",
    " 03 05 03 01 02 01 03 03 03 01 01 01 01 04 03 03 05 05 05 05 05 01 01 01",
    " 03 05 03 01 02 02 03 01 01 02 02 01 01 01 01 01 01 01 01 02 01",
    " 03 05 03 01 02 01 02 01 02",
};

}  // namespace

std::string WidthText(int index) { return index >= 1 && index <= 21 ? kWidthTexts[index - 1] : ""; }

void CountFieldWidths(SharedState& s) {
    for (int i = 1; i <= s.BlockFormCount && i < static_cast<int>(s.FieldCount.size()); ++i)
        s.FieldCount[i] = static_cast<int>(s.WidthSpec[i].size() / 3);
}

void ParseFieldWidths(SharedState& s) {
    for (int i = 1; i <= s.BlockFormCount && i < static_cast<int>(s.FieldWidth.size()); ++i) {
        auto& widths = s.FieldWidth[i];
        widths.assign(static_cast<size_t>(s.FieldCount[i]) + 1, 0);
        for (int j = 1; j <= s.FieldCount[i]; ++j) {
            const std::string item = s.WidthSpec[i].substr((j - 1) * 3, 3);
            int w = 0;
            for (char c : item)
                if (c >= '0' && c <= '9') w = w * 10 + (c - '0');
            widths[j] = w;
        }
    }
}

}  // namespace r78
