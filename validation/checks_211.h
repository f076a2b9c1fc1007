#pragma once

#include "core/SharedState.h"

// The checks of Schedule 21.1 (domestic tourism): the block checks, each run on
// the block's rows as LoadTableData has just left them in the record table with
// ValBlockNo set to the block's number, and the household driver that loads and
// checks the nine blocks of one household and compares them with each other.
// Every check is entered with ValIsCritical True and returns with it True.
namespace r78 {

// Blocks 1 and 2, on row 0 of the loaded S211L01 (table 4).
void ValBlk211_1(SharedState& s);
// Block 3, the members: rows 0 to rowCount - 1 of S211L02 (table 5).
void ValBlk211_3(SharedState& s, int rowCount);
// Block 4, household characteristics, on row 0 of S211L03 (table 6).
void ValBlk211_4(SharedState& s);

// Blocks 5.1 and 5.2, the overnight trips, one row per member of a trip and the
// total row 99: S211L04 (table 7) and S211L05 (table 8).
void ValBlk211_51(SharedState& s, int rowCount);
void ValBlk211_52(SharedState& s, int rowCount);
// Blocks 6.1 and 6.2, the expenditure of those trips: S211L06 (9) and S211L07 (10).
void ValBlk211_61(SharedState& s, int rowCount);
void ValBlk211_62(SharedState& s, int rowCount);
// Block 7, same-day trips: S211L08 (table 11).
void ValBlk211_7(SharedState& s, int rowCount);
// Block 8, special trips of more than 180 days: S211L09 (table 12).
void ValBlk211_8(SharedState& s, int rowCount);

// The household CurFsuNo / CurSss / CurSsu: every block, the blocks its survey
// code requires or forbids, and the rules across blocks. Leaves ValBlockNo at 8,
// ValIsCritical True and the record table holding S211L09.
void ValHH211(SharedState& s);

}  // namespace r78
