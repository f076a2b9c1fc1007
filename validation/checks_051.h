#pragma once

#include "core/SharedState.h"

// The checks of Schedule 5.1 (multiple indicator survey), one household at a time.
// Each block check reads the block's rows from the record table its caller has just
// loaded, with ValBlockNo set to the block's number and the severity critical; it
// writes its findings to val_error and returns with the severity critical.
namespace r78 {

// The whole household: every block in the order of the form, then the rules that
// look across blocks (which blocks the survey code allows, household size,
// informant, counts of air-conditioners and air-coolers, members of blocks 5 and 7).
void ValHH051(SharedState& s);

// Blocks 1 and 2, on row 0 of the loaded S051L01.
void ValBlk051_1(SharedState& s);
// Block 3, the members, on the loaded rows of S051L02.
void ValBlk051_3(SharedState& s, int rowCount);
// Block 4, household characteristics, on row 0 of the loaded S051L03.
void ValBlk051_4(SharedState& s);
// Blocks 4.1 and 4.2, the air-conditioners and air-coolers listed one a row.
void ValBlk051_41(SharedState& s, int rowCount);
void ValBlk051_42(SharedState& s, int rowCount);
// Block 5, education and ICT skills, one row a member.
void ValBlk051_5(SharedState& s, int rowCount);
// Block 6, purchase and construction of dwellings, on row 0.
void ValBlk051_6(SharedState& s);
// Block 7, migration, one row a member.
void ValBlk051_7(SharedState& s, int rowCount);
// Block 8, food insecurity, on row 0.
void ValBlk051_8(SharedState& s);

}  // namespace r78
