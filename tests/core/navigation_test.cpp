#include "core/Navigation.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "core/Values.h"

namespace r78 {
namespace {

// Where "Next" and "Prev" lead from each block-screen index 0..22, per schedule type.
struct ScheduleMoves {
    int schType;
    std::array<int, 23> next;
    std::array<int, 23> prev;
    int nextOutside;  // from an index below 0 or above 22
    int prevOutside;
};
std::ostream& operator<<(std::ostream& os, const ScheduleMoves& m) {
    return os << "CurSchType " << m.schType;
}

// clang-format off
// index          0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22
const ScheduleMoves kListing{0,
    /* Next */ {  0,  2,  3,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0},
    /* Prev */ {  1,  1,  1,  2,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  1},
    0, 1};
const ScheduleMoves kTourism{1,
    /* Next */ {  0,  0,  0,  0,  5,  6,  7,  8,  9, 10, 11, 12,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0},
    /* Prev */ {  0,  0,  0,  0,  0,  4,  5,  6,  7,  8,  9, 10, 11,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0},
    0, 0};
const ScheduleMoves kIndicators{2,
    /* Next */ {  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 14, 15, 16, 17, 18, 19, 20, 21,  0,  0},
    /* Prev */ {  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0, 13, 14, 15, 16, 17, 18, 19, 20,  0},
    0, 0};
// clang-format on
// 99 while no schedule is chosen, 9 for Exit; no other type leads anywhere either.
const ScheduleMoves kNone99{99, {}, {}, 0, 0};
const ScheduleMoves kNone9{9, {}, {}, 0, 0};
const ScheduleMoves kNone3{3, {}, {}, 0, 0};
const ScheduleMoves kNoneNegative{-1, {}, {}, 0, 0};

class NavigationMovesTest : public ::testing::TestWithParam<ScheduleMoves> {};

TEST_P(NavigationMovesTest, NextFromEveryIndex) {
    const ScheduleMoves& m = GetParam();
    for (int i = 0; i <= 22; ++i) EXPECT_EQ(NextFormIndex(m.schType, i), m.next[i]) << "from index " << i;
    for (int i : {-1, 23, 99}) EXPECT_EQ(NextFormIndex(m.schType, i), m.nextOutside) << "from index " << i;
}

TEST_P(NavigationMovesTest, PrevFromEveryIndex) {
    const ScheduleMoves& m = GetParam();
    for (int i = 0; i <= 22; ++i) EXPECT_EQ(PrevFormIndex(m.schType, i), m.prev[i]) << "from index " << i;
    for (int i : {-1, 23, 99}) EXPECT_EQ(PrevFormIndex(m.schType, i), m.prevOutside) << "from index " << i;
}

INSTANTIATE_TEST_SUITE_P(ScheduleTypes, NavigationMovesTest,
                         ::testing::Values(kListing, kTourism, kIndicators, kNone99, kNone9, kNone3,
                                           kNoneNegative));

// An operator pressing "Next" from a schedule's first screen sees each of its
// screens once, in order, and then the control screen; "Prev" walks them back.
struct Walk {
    int schType;
    std::vector<int> screens;
    int prevFromFirst;
};
std::ostream& operator<<(std::ostream& os, const Walk& w) { return os << "CurSchType " << w.schType; }

class NavigationWalkTest : public ::testing::TestWithParam<Walk> {};

TEST_P(NavigationWalkTest, NextVisitsEveryScreenThenTheControlScreen) {
    const Walk& w = GetParam();
    std::vector<int> visited{w.screens.front()};
    for (int i = NextFormIndex(w.schType, w.screens.front()); i != 0 && visited.size() < 30;
         i = NextFormIndex(w.schType, i))
        visited.push_back(i);
    EXPECT_EQ(visited, w.screens);
}

TEST_P(NavigationWalkTest, PrevWalksBackToTheFirstScreen) {
    const Walk& w = GetParam();
    std::vector<int> visited{w.screens.back()};
    for (int i = w.screens.back(); i != w.screens.front() && visited.size() < 30;) {
        i = PrevFormIndex(w.schType, i);
        visited.insert(visited.begin(), i);
    }
    EXPECT_EQ(visited, w.screens);
    EXPECT_EQ(PrevFormIndex(w.schType, w.screens.front()), w.prevFromFirst);
}

INSTANTIATE_TEST_SUITE_P(Schedules, NavigationWalkTest,
                         ::testing::Values(Walk{0, {1, 2, 3}, 1},  // the listing's first screen stays put
                                           Walk{1, {4, 5, 6, 7, 8, 9, 10, 11, 12}, 0},
                                           Walk{2, {13, 14, 15, 16, 17, 18, 19, 20, 21}, 0}));

// "Go to Blk": the block number as the operator types it, converted as the box converts it.
struct BlockCase {
    int schType;
    const char* typed;
    int expected;
};
std::ostream& operator<<(std::ostream& os, const BlockCase& c) {
    return os << "CurSchType " << c.schType << ", block \"" << c.typed << "\" -> " << c.expected;
}

class BlockFormIndexTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(BlockFormIndexTest, TypedBlockLeadsToItsScreen) {
    const BlockCase& c = GetParam();
    EXPECT_EQ(BlockFormIndex(c.schType, ToDouble(c.typed)), c.expected);
}

// Schedule 0.0: block 6 has its own screen (part A); part B is reached by "Next" only.
INSTANTIATE_TEST_SUITE_P(Listing, BlockFormIndexTest,
                         ::testing::Values(BlockCase{0, "6", 2}, BlockCase{0, "6.0", 2},
                                           BlockCase{0, "06", 2}, BlockCase{0, "1", 1}, BlockCase{0, "2", 1},
                                           BlockCase{0, "3", 1}, BlockCase{0, "7", 1}, BlockCase{0, "0", 1},
                                           BlockCase{0, "6.1", 1}, BlockCase{0, "9", 1},
                                           BlockCase{0, "99", 1}));

INSTANTIATE_TEST_SUITE_P(
    Tourism, BlockFormIndexTest,
    ::testing::Values(BlockCase{1, "1", 4}, BlockCase{1, "2", 4}, BlockCase{1, "3", 5}, BlockCase{1, "4", 6},
                      BlockCase{1, "5.1", 7}, BlockCase{1, "5.10", 7}, BlockCase{1, "5.2", 8},
                      BlockCase{1, "6.1", 9}, BlockCase{1, "6.2", 10}, BlockCase{1, "7", 11},
                      BlockCase{1, "8", 12}, BlockCase{1, " 8 ", 12},
                      // numbers the schedule does not have lead to blocks 1 and 2
                      BlockCase{1, "0", 4}, BlockCase{1, "9", 4}, BlockCase{1, "99", 4}, BlockCase{1, "5", 4},
                      BlockCase{1, "5.3", 4}, BlockCase{1, "5.11", 4}, BlockCase{1, "6", 4},
                      BlockCase{1, "4.1", 4}, BlockCase{1, "-3", 4}, BlockCase{1, "", 4},
                      BlockCase{1, "abc", 4}));

INSTANTIATE_TEST_SUITE_P(
    Indicators, BlockFormIndexTest,
    ::testing::Values(BlockCase{2, "1", 13}, BlockCase{2, "2", 13}, BlockCase{2, "3", 14},
                      BlockCase{2, "4", 15}, BlockCase{2, "4.1", 16}, BlockCase{2, "4.10", 16},
                      BlockCase{2, "4.2", 17}, BlockCase{2, "5", 18}, BlockCase{2, "6", 19},
                      BlockCase{2, "7", 20}, BlockCase{2, "8", 21}, BlockCase{2, "0", 13},
                      BlockCase{2, "9", 13}, BlockCase{2, "99", 13}, BlockCase{2, "5.1", 13},
                      BlockCase{2, "6.1", 13}, BlockCase{2, "4.3", 13}, BlockCase{2, "", 13}));

INSTANTIATE_TEST_SUITE_P(NoSchedule, BlockFormIndexTest,
                         ::testing::Values(BlockCase{99, "6", 1}, BlockCase{99, "3", 1},
                                           BlockCase{99, "5.1", 1}, BlockCase{99, "0", 1},
                                           BlockCase{9, "6", 1}, BlockCase{9, "4.1", 1}, BlockCase{9, "8", 1},
                                           BlockCase{3, "3", 1}));

// No block number leads to the listing's part B, nor outside the schedule's own screens.
TEST(BlockFormIndexRange, EveryBlockNumberStaysWithinItsSchedule) {
    struct Range {
        int schType, first, last;
    };
    for (Range r : {Range{0, 1, 2}, Range{1, 4, 12}, Range{2, 13, 21}})
        for (int tenths = -20; tenths <= 1000; ++tenths) {
            const int index = BlockFormIndex(r.schType, tenths / 10.0);
            EXPECT_GE(index, r.first) << "CurSchType " << r.schType << ", block " << tenths / 10.0;
            EXPECT_LE(index, r.last) << "CurSchType " << r.schType << ", block " << tenths / 10.0;
        }
}

}  // namespace
}  // namespace r78
