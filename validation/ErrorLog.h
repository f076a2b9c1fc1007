#pragma once
#include <string>
#include <string_view>

#include "core/SharedState.h"

// The error log of a validation run and the record-table procedures with which
// the checks look up, sum and count the values of the loaded block.
namespace r78 {

// The statements that list the FSU's error rows, its number bound: by block, item
// and column, as a block screen's run and the listing run show them; by household
// first, as a run over every household of a schedule shows them; and the list of
// the listing run by which the freeze refuses an FSU.
inline constexpr const char* kBlockErrorsSql =
    "Select blk,item,col,msg1,msg2,msgtype from val_error where fsuno= ? order by blk,item,col";
inline constexpr const char* kHouseholdErrorsSql =
    "Select sss,ssu,blk,item,col,msg1,msg2,msgtype from val_error where fsuno = ? order by "
    "sss,ssu,blk,item,col";
inline constexpr const char* kFreezeListingErrorsSql =
    "Select blk,item,col,msg1,msg2,msgtype,visit from val_error where fsuno= ? order by blk,item,col";

// A number in its plain decimal form: "12", "4.1", "-3".
std::string NumText(double n);
// A number with the position of its sign kept: " 12", " 4.1", "-3". Block texts,
// item numbers and counts in messages are written so ("B 4.1").
std::string SignText(double n);

// The block text of the rows a check writes: the block under check in sign form (" 4.1").
std::string BlockText(const SharedState& s);

// The most rows a run numbers; later rows repeat this serial number.
constexpr long kMaxErrorSerial = 399;

// Writes one row of val_error for the FSU under check, with the run's next serial
// number and the severity in force. A whole-FSU household run also writes the
// household's segment, SSS and SSU. Every critical row is counted, also past the cap.
void LogValError(SharedState& s, const std::string& blk, const std::string& item, const std::string& col,
                 const std::string& msg1, const std::string& msg2);

// A list block's serial numbers in column col must run 1, 2, 3 ... from its first row;
// each row out of step gives "srlno not continuous from 1" under its own serial number.
void SerialContinuityRule(SharedState& s, const std::string& blk, int rowCount, int col = 1);

// Block 2 of every schedule: the dates of survey and despatch ("ddmmyy" in the
// columns dos and dos + 1) and the four remark codes (columns rem1 .. rem1 + 3).
// The items of the despatch date and of the two remark lines differ between schedules.
void SurveyDatesAndRemarksRules(SharedState& s, int row, int dos, int rem1, const std::string& despatchItem,
                                const std::string& remarkItem1, const std::string& remarkItem2);

// The value of valCol in the first row whose keyCol holds keyVal and whose
// valCol is not empty; 0 when there is none.
double TableValue(const SharedState& s, int keyCol, long keyVal, int valCol);
// 1 when some row's keyCol holds keyVal, else 0.
int TableHasKey(const SharedState& s, int keyCol, long keyVal);

// Signed code lists: "1,2,1003" means codes 1 and 2 less code 3 (above 1000 is minus).
double SumItemList(const SharedState& s, int keyCol, int valCol, int n, std::string_view codes);
int CountItemList(const SharedState& s, int keyCol, int n, std::string_view codes);
// For each listed column, the total rows must equal the sum of the item rows;
// each column that differs gives one row. Returns the rows written.
int CheckSubTotal(SharedState& s, const std::string& blk, int keyCol, int nCols, std::string_view cols,
                  int nItems, std::string_view items, int nTotals, std::string_view totals);

// The code, as an exact text, is in the NIC (NCO) list between the two indexes.
bool InNicList(const SharedState& s, const std::string& code, int from, int to);
bool InNcoList(const SharedState& s, const std::string& code, int from, int to);

}  // namespace r78
