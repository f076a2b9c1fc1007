#pragma once
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/SharedState.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempDrive.h"

namespace r78::test {

// A registered FSU for tests below the screens: a fresh drive, the FSU's file
// copied from the template into its data folder, and a shared state that points
// at it (started up, user OPR1 of DPC 101, FsuConn open, FSU and schedule set).
class FsuFile {
public:
    explicit FsuFile(const std::string& fsuNo = "10001", int schType = 0);

    SharedState s;
    ScriptedMessages messages;

    // Inserts one row; columns not named stay Null.
    void Insert(const std::string& table, std::initializer_list<std::pair<std::string, std::string>> values);
    void Insert(const std::string& table, const std::vector<std::pair<std::string, std::string>>& values);

    struct ErrorRow {
        std::string srlno, seg, sss, ssu, blk, item, col, msg1, msg2, msgtype, schno;
        bool operator==(const ErrorRow&) const = default;
    };
    // The FSU's rows of val_error in the order they were written.
    std::vector<ErrorRow> ErrorRows();
    // "blk|item|col|msg1|msg2|msgtype" of each row, for compact expectations.
    std::vector<std::string> ErrorLines();

private:
    TempDrive drive_;
};

void PrintTo(const FsuFile::ErrorRow& r, std::ostream* os);

}  // namespace r78::test
