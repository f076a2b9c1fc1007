#pragma once
#include <string>
#include <string_view>

#include "platform/ui/MessageService.h"

// The tests and conversions with which every screen and check reads what the
// operator keyed. Their answers at the edges are the survey's rules: an entry is
// accepted or refused exactly as they decide. A "blank" is made of spaces only.
namespace r78 {

// The text, less its leading spaces, is not empty and holds only the digits 0-9.
bool IsAllDigits(std::string_view text);

// The value is all digits and its number lies in the code list: codes and ranges
// ("1..7") separated by commas, ended by "x" ("1..7,9,x"). Codes compare as
// numbers, so "01..09,x" accepts "7" and "007". A list without its "x" accepts nothing.
bool InCodeList(std::string_view value, std::string_view codeList);

// The number an all-digit text spells (leading blanks allowed), read digit by
// digit: a string too long for any number reads as the largest long, never as
// 0, so that a limit refuses it. 0 for a text that is not all digits.
long DigitValue(std::string_view digits);

// The text is a number as the conversions below read it (blanks around allowed).
bool IsNumeric(std::string_view text);

// The number of a text: 0 for a blank text, and for a text that is not a number
// or does not fit. Blanks around the number are allowed; "." is the decimal
// point; ToLong and ToByte round a fraction to the nearest whole number, a half
// to the even neighbour.
long ToLong(std::string_view text);
long ToLong2(std::string_view text);
double ToDouble(std::string_view text);
int ToByte(std::string_view text);  // 0..255

// Three beeps and the message in a box with an OK button.
void ErrBeep(ui::MessageService& messages, const std::string& message);

// The day number of a date keyed as "ddmmyy" in 2019 or 2020, or 0 when the text
// is not such a date. 1 January 2019 is 6571; days count by the real calendar,
// so 29 February 2020 is a date and 31 December 2020 is 7301. mode is not used.
long DayNumber(int mode, std::string_view ddmmyy);

// Hilly and remote rural areas (by sector, the state in the first two characters
// of stateRegion, and district), where the listing divides at lower populations.
bool IsSpecialArea(std::string_view sector, std::string_view stateRegion, std::string_view district);

// Number of sub-divisions the listing requires of an FSU for its population; 0
// when the population is empty. Hilly and remote areas divide at lower figures.
int SubDivisionCount(std::string_view sector, std::string_view stateRegion, std::string_view district,
                     std::string_view population);

// How many grid columns the cursor moves on after an edit: on the trip screens
// of blocks 5.1 and 5.2 (indexes 7 and 8) a serial number 99 in column 5 skips the next.
int ColStep(int curFormIndex, std::string_view value, long column);

}  // namespace r78
