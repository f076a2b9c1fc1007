#pragma once
#include <string>
#include <string_view>

// Small text rules shared by every layer: the program's "blank" is made of spaces
// only, and its upper-casing and case-blind comparisons are those of ASCII.
namespace r78::text {

// Removes leading and trailing spaces (not tabs or other white space).
std::string Trim(std::string_view s);
std::string ToUpper(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
// True when s is empty or holds spaces only.
bool IsBlank(std::string_view s);
// Characters, not bytes, of a UTF-8 text: a field's width counts what the operator typed.
size_t CharCount(std::string_view s);

}  // namespace r78::text
