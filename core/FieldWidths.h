#pragma once
#include <string>

namespace r78 {

struct SharedState;

// The width text of block-screen index 1..21: one item per field of the
// screen's block table, each a blank and two digits. "" for any other index.
std::string WidthText(int index);

// FieldCount(i) = number of 3-character items of WidthSpec(i).
void CountFieldWidths(SharedState& s);
// FieldWidth(i, j) = the number in item j of WidthSpec(i); needs FieldCount.
void ParseFieldWidths(SharedState& s);

}  // namespace r78
