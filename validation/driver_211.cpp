// The household driver of Schedule 21.1: every block of one household, and the
// rules that compare the blocks with each other.
#include <cmath>
#include <string>
#include <vector>

#include "core/Loader.h"
#include "core/Values.h"
#include "validation/ErrorLog.h"
#include "validation/RecRow.h"
#include "validation/checks_211.h"

namespace r78 {

namespace {

// Record-table numbers of the blocks' tables.
// clang-format off
enum Table211 { Blk1 = 4, Blk3 = 5, Blk4 = 6, Blk51 = 7, Blk52 = 8, Blk61 = 9, Blk62 = 10, Blk7 = 11,
                Blk8 = 12 };
// clang-format on
// Columns read: S211L01 INFSLN and SVC; S211L03 B4I1; S211L02 SLNO and B3C5;
// S211L04/05 SLNO, member, age, type of trip; S211L06/07 SLNO and type of trip.
// clang-format off
enum Columns { INFSLN = 15, SVC = 17, B4I1 = 1, SLNO = 1, B3C5 = 5, TripMember = 3, MemberAge = 4, TripType = 6,
               ExpTripType = 2 };
// clang-format on
constexpr long kTotalRow = 99;

// One block-3 member, or one block-5.1 (5.2) row: its serial number and the
// value the other block must repeat (the member's age, the trip's type).
struct Entry {
    long slno;
    long value;
};

// What a run keeps of blocks 1 and 4.
struct Household {
    std::string surveyCode;  // SVC of block 1; "" without block 1
    long informant = 0;      // INFSLN of block 1
    long size = 0;           // B4I1 of block 4
    // Only surveyed households (codes 1 and 2) have members and trips to compare.
    bool Surveyed() const { return surveyCode == "1" || surveyCode == "2"; }
};

// The block's presence against the survey code: rows only for a surveyed household.
void PresenceRule(SharedState& s, const Household& hh) {
    if (!hh.Surveyed())
        LogValError(s, BlockText(s), "", "", "Block contains records", "Survey code= " + hh.surveyCode);
}

void MissingRule(SharedState& s, const Household& hh) {
    if (hh.Surveyed())
        LogValError(s, BlockText(s), "", "", "Block contains no records", "Survey code= " + hh.surveyCode);
}

// Loads a block, and when it has rows runs its check and the presence rule. The
// rows stay in the record table for the comparisons that follow the check;
// returns their number.
int CheckBlock(SharedState& s, const Household& hh, double blockNo, int table,
               void (*check)(SharedState&, int)) {
    s.ValIsCritical = true;
    s.ValBlockNo = blockNo;
    const int rows = LoadTableData(s, table);
    if (rows > 0) {
        check(s, rows);
        PresenceRule(s, hh);
    }
    return rows;
}

// The serial number and one value of every row of the list block in the record table.
std::vector<Entry> Entries(const SharedState& s, int rows, int valueCol) {
    std::vector<Entry> entries;
    for (int i = 0; i < rows; ++i) {
        const RecRow r(s, i);
        entries.push_back({r.Num(SLNO), r.Num(valueCol)});
    }
    return entries;
}

// The search of the member and trip comparisons: from the first entry, every
// other serial number makes the row "not found" (its value "matching"), until the
// serial number is found and the value compared. The flags stay as they were
// when the list is empty, and are not reset between the rows of a block.
void Search(const std::vector<Entry>& list, long slno, long value, bool& found, bool& matches) {
    for (const Entry& e : list) {
        if (e.slno != slno) {
            found = false;
            matches = true;
            continue;
        }
        found = true;
        matches = value == e.value;
        return;
    }
}

// Every member of a trip of block 5.1 (5.2), whose rows are in the record table,
// is a member of block 3, of the same age.
void MemberComparison(SharedState& s, const Household& hh, const std::vector<Entry>& members, int rows,
                      const std::string& blk) {
    long previous = 0;
    bool memberFound = false, ageMatches = false;
    for (int i = 0; i < rows; ++i) {
        const RecRow r(s, i);
        const long m = r.Num(TripMember);
        if (m == previous) continue;
        previous = m;
        if (m >= kTotalRow || m <= 0)
            memberFound = ageMatches = true;
        else
            Search(members, m, r.Num(MemberAge), memberFound, ageMatches);
        if (!hh.Surveyed() || r.Num(SLNO) == kTotalRow) continue;
        const std::string item = r.Text(SLNO) + "-" + r.Text(TripMember);
        if (!memberFound) LogValError(s, blk, item, "3", "Srl no. not matching with bl. 3 ", "Pl. check ");
        if (!ageMatches) LogValError(s, blk, item, "4", "Age not matching with bl. 3 ", "Pl. check ");
    }
}

// The messages of the trip comparison, which name the two blocks compared.
struct TripMessages {
    const char* trip;
    const char* type;
    const char* count;
};

// Every trip of block 6.1 (6.2), whose rows are in the record table, is a trip of
// block 5.1 (5.2) of the same type, and the two blocks hold as many trips.
void TripComparison(SharedState& s, const Household& hh, const std::vector<Entry>& trips, int rows,
                    const std::string& blk, const TripMessages& msg) {
    long tripCount = 0;
    for (const Entry& e : trips)
        if (e.slno != kTotalRow && e.slno != tripCount) ++tripCount;

    bool tripFound = false, typeMatches = false;
    for (int i = 0; i < rows; ++i) {
        const RecRow r(s, i);
        const long t = r.Num(SLNO);
        if (t <= 0)
            tripFound = typeMatches = true;
        else
            Search(trips, t, r.Num(ExpTripType), tripFound, typeMatches);
        if (!hh.Surveyed()) continue;
        if (!tripFound) LogValError(s, blk, r.Text(SLNO), "I1", msg.trip, "Pl. check ");
        if (!typeMatches) LogValError(s, blk, r.Text(SLNO), "I2", msg.type, "Pl. check ");
    }
    // A rule of the whole block, which names no row of it.
    if (hh.Surveyed() && tripCount != rows) LogValError(s, blk, "", "-", msg.count, "Pl. check ");
}

}  // namespace

void ValHH211(SharedState& s) {
    Household hh;

    s.ValBlockNo = 1;
    if (LoadTableData(s, Blk1) > 0) {
        ValBlk211_1(s);
        const RecRow r(s, 0);
        hh.surveyCode = r.Text(SVC);
        hh.informant = r.Num(INFSLN);
    } else {
        LogValError(s, SignText(1), "", "", "Block contains no records", "Essential Block");
    }

    s.ValBlockNo = 4;
    if (LoadTableData(s, Blk4) > 0) {
        ValBlk211_4(s);
        hh.size = RecRow(s, 0).Num(B4I1);
        PresenceRule(s, hh);
    } else {
        MissingRule(s, hh);
    }

    // Block 3 is read once, for the household size, the informant, its own check
    // and the members' ages that blocks 5.1 and 5.2 must repeat.
    const int members = LoadTableData(s, Blk3);
    const std::vector<Entry> ages = Entries(s, members, B3C5);
    if (members != hh.size)
        LogValError(s, SignText(4), "1", "", "hhsize not= block-3 total members ",
                    "hhsize= " + NumText(hh.size) + "blk-3 total mem= " + NumText(members));

    // The informant is a member of block 3 aged 12 or more, or 99 (not a member).
    s.ValIsCritical = false;
    bool informantFound = false;
    long informantAge = 0;
    for (int i = 0; i < members; ++i) {
        const RecRow r(s, i);
        // A blank or unreadable serial number is no member's.
        if (!IsNumeric(r.Text(SLNO)) || r.Num(SLNO) != hh.informant) continue;
        informantFound = true;
        informantAge = static_cast<long>(std::nearbyint(r.Dbl(B3C5)));
        break;
    }
    if (hh.Surveyed() && !informantFound && hh.informant != 99)
        LogValError(s, SignText(1), "7", "", "Srl no. of informant not a current member or 99",
                    "check from blk-3");
    if (hh.Surveyed() && informantFound && informantAge < 12)
        LogValError(s, SignText(1), "7", "", "age of Srl no. of informant<12", "pl. check");

    s.ValIsCritical = true;
    s.ValBlockNo = 3;
    if (members > 0) {
        ValBlk211_3(s, members);
        PresenceRule(s, hh);
    } else {
        MissingRule(s, hh);
    }

    // Each trip block is read once: its check, its members against block 3, and
    // its trips kept for the expenditure block that follows.
    int rows = CheckBlock(s, hh, 5.1, Blk51, ValBlk211_51);
    s.ValIsCritical = false;
    MemberComparison(s, hh, ages, rows, SignText(5.1));
    const std::vector<Entry> trips51 = Entries(s, rows, TripType);

    rows = CheckBlock(s, hh, 5.2, Blk52, ValBlk211_52);
    s.ValIsCritical = false;
    MemberComparison(s, hh, ages, rows, SignText(5.2));
    const std::vector<Entry> trips52 = Entries(s, rows, TripType);

    rows = CheckBlock(s, hh, 6.1, Blk61, ValBlk211_61);
    s.ValIsCritical = false;
    TripComparison(s, hh, trips51, rows, SignText(6.1),
                   {"trip srl. no. not matching with bl. 5.1 ", "type of trip not matching with bl. 5.1 ",
                    "total trip count of bl5.1 not matching with bl.6.1 "});

    rows = CheckBlock(s, hh, 6.2, Blk62, ValBlk211_62);
    s.ValIsCritical = false;
    TripComparison(s, hh, trips52, rows, SignText(6.2),
                   {"trip srl. no. not matching with bl. 5.2 ", "type of trip not matching with bl. 5.2 ",
                    "total trip count of bl5.2 not matching with bl.6.2 "});

    CheckBlock(s, hh, 7, Blk7, ValBlk211_7);
    CheckBlock(s, hh, 8, Blk8, ValBlk211_8);
    s.ValIsCritical = true;
}

}  // namespace r78
