#pragma once
#include <string>

#include "core/SharedState.h"

namespace r78 {

// The columns a load reads from block table tableNo (1..21), in record-table
// order: column k of the record table holds the k-th of them.
std::string LoaderSelectList(int tableNo);

// Reads the rows of block table tableNo of the current FSU (tables 1-3) or of the
// current household (4-21) into the record table, on a connection of its own to
// the FSU's file, and returns their number (also left in RecTableRows). A load
// that finds no row leaves the record table as it was. Throws on a tableNo out
// of range or a database failure.
int LoadTableData(SharedState& s, int tableNo);

}  // namespace r78
