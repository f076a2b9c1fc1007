#pragma once
#include <stdexcept>
#include <string>

#include "core/Clock.h"
#include "core/SharedState.h"

namespace r78 {

// The program's own paths on drive C:.
inline constexpr const char* kMasterDbPath = "C:\\ent\\r78_mast.mdb";
inline constexpr const char* kBlankDbPath = "C:\\ent\\r78_blank.mdb";
inline constexpr const char* kDataRoot = "C:\\R78";
inline constexpr const char* kDataSub = "\\data";

// Start-up could not complete: the text names the file and the cause.
class StartupError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The start-up steps up to the login: opens the master database, stamps today's
// date, loads the NIC and NCO lists and gives the shared state its first values.
// s.DriveC must be set. Throws StartupError; the caller shows the login screen.
void StartUp(SharedState& s, const Clock& clock);

// Fills a code list from the first column of a query: trimmed, from index 1.
TextList LoadCodeList(db::Connection& conn, const std::string& sql);

}  // namespace r78
