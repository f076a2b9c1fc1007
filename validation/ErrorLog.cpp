#include "validation/ErrorLog.h"

#include <vector>

#include "core/Values.h"
#include "platform/db/Value.h"
#include "validation/RecRow.h"

namespace r78 {

namespace {

std::vector<long> SplitCodes(std::string_view list, int n) {
    std::vector<long> codes;
    size_t from = 0;
    while (static_cast<int>(codes.size()) < n && from <= list.size()) {
        size_t comma = std::min(list.find(',', from), list.size());
        codes.push_back(ToLong(list.substr(from, comma - from)));
        from = comma + 1;
    }
    return codes;
}

// A code above 1000 counts negatively, for the code less 1000.
template <typename F>
double SignedSum(std::string_view list, int n, F valueOf) {
    double sum = 0;
    for (long code : SplitCodes(list, n)) sum += code > 1000 ? -valueOf(code - 1000) : valueOf(code);
    return sum;
}

bool InList(const TextList& list, const std::string& code, int from, int to) {
    if (code.empty()) return false;
    for (int i = std::max(from, 0); i <= to && i < static_cast<int>(list.Size()); ++i)
        if (list[i] == code) return true;
    return false;
}

}  // namespace

std::string NumText(double n) { return db::NumberText(n); }

std::string SignText(double n) { return n < 0 ? NumText(n) : " " + NumText(n); }

std::string BlockText(const SharedState& s) { return SignText(s.ValBlockNo); }

void SerialContinuityRule(SharedState& s, const std::string& blk, int rowCount, int col) {
    for (int i = 0; i < rowCount; ++i) {
        const RecRow r(s, i);
        if (r.Num(col) != i + 1) LogValError(s, blk, r.Text(col), "1", "srlno not continuous from 1", "");
    }
}

void SurveyDatesAndRemarksRules(SharedState& s, int row, int dos, int rem1, const std::string& despatchItem,
                                const std::string& remarkItem1, const std::string& remarkItem2) {
    const RecRow r(s, row);
    const std::string blk2 = SignText(2);
    // The survey ran through 2020; a despatch can be no earlier than the survey.
    const long firstDay = DayNumber(1, "010120"), lastDay = DayNumber(1, "311220");
    const long survey = r.Day(dos), despatch = r.Day(dos + 1);
    if (survey == 0)
        LogValError(s, blk2, "2(i)", "3", "Invalid Date of survey", "");
    else if (survey < firstDay || survey > lastDay)
        LogValError(s, blk2, "2(i)", "3", "Date of survey beyond survey period", "");
    if (despatch == 0)
        LogValError(s, blk2, despatchItem, "4", "Invalid Date of Despatch", "");
    else if (despatch < survey || despatch < firstDay)
        LogValError(s, blk2, despatchItem, "4", "Date of despatch < date of survey", "");

    if (!r.In(rem1, "1,2,x")) LogValError(s, blk2, remarkItem1, "3", "invalid code", "");
    if (!r.In(rem1 + 1, "1,2,x")) LogValError(s, blk2, remarkItem1, "4", "invalid code", "");
    if (!r.In(rem1 + 2, "1,2,x")) LogValError(s, blk2, remarkItem2, "3", "invalid code", "");
    if (!r.In(rem1 + 3, "1,2,x")) LogValError(s, blk2, remarkItem2, "4", "invalid code", "");
}

void LogValError(SharedState& s, const std::string& blk, const std::string& item, const std::string& col,
                 const std::string& msg1, const std::string& msg2) {
    if (s.ValErrCount < kMaxErrorSerial) ++s.ValErrCount;
    // The refusals of the entry-complete mark and the freeze read this count, so it
    // counts every critical row, also those past the serial-number cap.
    if (s.ValIsCritical) ++s.ValCritCount;
    // One statement for every row of a run, prepared once on the connection; a
    // row is one statement, whole or not at all, inside the run's transaction.
    const bool household = s.ValRunAll && !s.ValRunSch0;
    s.FsuConn->Execute(
        "insert into val_error (fsuno,srlno,seg,sss,ssu,blk,item,col,msg1,msg2,msgtype,schno) values "
        "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {s.CurFsuNo, s.ValErrCount, household ? db::Param(s.CurSeg) : db::Param::Null(),
         household ? db::Param(s.CurSss) : db::Param::Null(),
         household ? db::Param(s.CurSsu) : db::Param::Null(), "B" + blk, item, col, msg1, msg2,
         s.ValIsCritical ? "Crit" : "Warn", std::to_string(s.CurSchType)});
}

double TableValue(const SharedState& s, int keyCol, long keyVal, int valCol) {
    for (int i = 0; i < s.RecTableRows; ++i) {
        if (ToLong2(s.RecTable.Cell(i, keyCol)) != keyVal) continue;
        const std::string& v = s.RecTable.Cell(i, valCol);
        if (!v.empty()) return ToDouble(v);
    }
    return 0;
}

int TableHasKey(const SharedState& s, int keyCol, long keyVal) {
    for (int i = 0; i < s.RecTableRows; ++i)
        if (ToLong2(s.RecTable.Cell(i, keyCol)) == keyVal) return 1;
    return 0;
}

double SumItemList(const SharedState& s, int keyCol, int valCol, int n, std::string_view codes) {
    return SignedSum(codes, n, [&](long code) { return TableValue(s, keyCol, code, valCol); });
}

int CountItemList(const SharedState& s, int keyCol, int n, std::string_view codes) {
    return static_cast<int>(
        SignedSum(codes, n, [&](long code) { return double(TableHasKey(s, keyCol, code)); }));
}

int CheckSubTotal(SharedState& s, const std::string& blk, int keyCol, int nCols, std::string_view cols,
                  int nItems, std::string_view items, int nTotals, std::string_view totals) {
    int written = 0;
    for (long c : SplitCodes(cols, nCols)) {
        const int col = static_cast<int>(c);
        const double computed =
            SignedSum(items, nItems, [&](long code) { return TableValue(s, keyCol, code, col); });
        const double reported =
            SignedSum(totals, nTotals, [&](long code) { return TableValue(s, keyCol, code, col); });
        const double diff = reported - computed;
        if (diff < -0.00001 || diff >= 0.00001) {
            LogValError(s, blk, std::string(totals), std::to_string(col),
                        "SubTotal error : rep total= " + NumText(reported),
                        "computed total=" + NumText(computed) + " Diff=" + NumText(diff));
            ++written;
        }
    }
    return written;
}

bool InNicList(const SharedState& s, const std::string& code, int from, int to) {
    return InList(s.NicList, code, from, to);
}

bool InNcoList(const SharedState& s, const std::string& code, int from, int to) {
    return InList(s.NcoList, code, from, to);
}

}  // namespace r78
