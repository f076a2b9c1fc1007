#pragma once
#include <QString>
#include <string>

#include "screens/GridBlockScreen.h"

// What the rows of Schedule 21.1's same-day trips (block 7) and special trips
// (block 8) have in common: the trip's serial number, the household members on
// it and its leading purpose open the row; the booking, satisfaction and tour
// guide codes close it. The expenditure between differs by block.
namespace r78::tourism {

// A trip block of Schedule 21.1 at its block-screen index: its block number and
// check, the household's check, the schedule's heading and the block's title.
GridParams TripBlock(int index, BlockCheck check, const QString& title);

// Captions are the five lines of the column's head (joined by line feeds) and
// then its label, "C(" and the column's number ")", which these helpers add.

// Columns 1 to 3 of the block whose items are named prefix + column ("B7C2"):
// serial number and members given and positive, the purpose a code.
void AddTripLead(GridParams& p, const std::string& prefix, const QString& purposeCaption);

// The ten columns from column first on: internet booking and how (four codes
// 1 or 2), satisfaction with accommodation, food, transport and the rest (1, 2
// or 9 for not used), tour guide used and satisfied with (1 or 2). The last
// closes the row.
void AddTripServices(GridParams& p, const std::string& prefix, int first);

// An expenditure or a count of nights: digits of any value, or blank.
void AddAmount(GridParams& p, const std::string& prefix, int column, const QString& caption, int width);

}  // namespace r78::tourism
