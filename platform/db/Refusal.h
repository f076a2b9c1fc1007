#pragma once
#include <string>
#include <string_view>

namespace r78::db {

// What a refusal by the database means, in the program's words, for the
// constraints the data layout declares: "field SSS holds at most 1 character",
// "field SSS may not be blank". Empty for any other failure.
std::string RefusalInWords(std::string_view dbText);

}  // namespace r78::db
