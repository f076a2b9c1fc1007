#pragma once
#include <string>
#include <utility>

namespace r78::db {

// One value read from or written to a database column. Null is kept apart from the
// empty text: the program writes blank entries as Null and tests "is null" in its
// statements, so the two must never be confused on the way in or out.
class Value {
public:
    Value() = default;  // Null
    Value(std::string text) : null_(false), text_(std::move(text)) {}
    Value(const char* text) : null_(false), text_(text) {}

    static Value Null() { return Value(); }

    bool IsNull() const { return null_; }
    // The value as text; Null reads as "" (as the screens and checks expect).
    const std::string& Text() const { return text_; }

    bool operator==(const Value& other) const = default;

private:
    bool null_ = true;
    std::string text_;
};

// Text of a number as the old database engine showed it: "6", "6.5", "-3",
// never "6.0"; at most 15 significant digits.
std::string NumberText(double number);

}  // namespace r78::db
