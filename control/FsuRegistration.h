#pragma once
#include <filesystem>
#include <string>

#include "core/SharedState.h"

// The database side of registering an FSU on the control screen: its row in the
// master sample list, its file in the data folder (copied from the blank
// template for a new FSU of the listing schedule), its status, and the header and
// listing figures that every block screen and check reads afterwards.
namespace r78 {

// Rows of the FSU in the master sample list.
int SampleListCount(SharedState& s, const std::string& fsuNo);

// "78" + the first character of the operator's DPC code + the FSU number + ".mdb".
std::string FsuFileNameFor(const std::string& userDpc, const std::string& fsuNoText);
// The real path of DataDir\FsuFileName.
std::filesystem::path FsuFilePath(const SharedState& s);

// Copies the blank template to the FSU's file, making the data folder when it is
// missing, and keeps only the FSU's own sample-list row. The copy is made under a
// temporary name, checked (a database holding every FSU table), synced to disk and
// only then renamed into place, so neither a damaged template nor a failure
// half-way leaves a file that a later registration would open. A damaged template
// throws a message naming the template file and what is wrong with it.
void CreateFsuFile(const SharedState& s, const std::string& fsuNo);

// Opens FsuConn on the FSU's file and keeps only the FSU's own sample-list row.
void OpenFsuDatabase(SharedState& s, const std::string& fsuNo);

struct FsuStatus {
    bool found = false;  // the FSU file's sample list has the FSU's row
    std::string creby, loadsts, entsts, vrfsts;
};
FsuStatus ReadFsuStatus(SharedState& s, const std::string& fsuNo);

// Rows of the listing's block 6 for schedule type 1 (part A) or 2 (part B).
int ListingBlock6Count(SharedState& s, int schType, const std::string& fsuNo);

// Copies the FSU's master sample-list row into CurFsuNo and the header values.
// An FSU missing from the list gets a plain message and nothing is copied.
void LoadSampleList(SharedState& s, const std::string& fsuNo);

// Closes the master, FSU and loader connections; a failure is passed over,
// since the program is ending.
void CloseDatabases(SharedState& s) noexcept;

}  // namespace r78
