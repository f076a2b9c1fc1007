#include "core/Navigation.h"

#include <utility>

namespace r78 {

int NextFormIndex(int curSchType, int i) {
    switch (curSchType) {
    case 0:
        return i == 1 || i == 2 ? i + 1 : 0;
    case 1:
        return i >= 4 && i <= 11 ? i + 1 : 0;
    case 2:
        return i >= 13 && i <= 20 ? i + 1 : 0;
    default:
        return 0;
    }
}

int PrevFormIndex(int curSchType, int i) {
    switch (curSchType) {
    case 0:
        return i == 2 || i == 3 ? i - 1 : 1;
    case 1:
        return i >= 5 && i <= 12 ? i - 1 : 0;
    case 2:
        return i >= 14 && i <= 21 ? i - 1 : 0;
    default:
        return 0;
    }
}

int BlockFormIndex(int curSchType, double b) {
    // Exact comparisons: a typed "5.10" converts to the same number as "5.1".
    static const std::pair<double, int> kSch211[] = {{1, 4},   {2, 4},   {3, 5},  {4, 6},  {5.1, 7},
                                                     {5.2, 8}, {6.1, 9}, {6.2, 10}, {7, 11}, {8, 12}};
    static const std::pair<double, int> kSch051[] = {{1, 13},   {2, 13},  {3, 14}, {4, 15}, {4.1, 16},
                                                     {4.2, 17}, {5, 18},  {6, 19},  {7, 20}, {8, 21}};
    switch (curSchType) {
    case 0:
        return b == 6 ? 2 : 1;
    case 1:
        for (auto [block, index] : kSch211)
            if (b == block) return index;
        return 4;
    case 2:
        for (auto [block, index] : kSch051)
            if (b == block) return index;
        return 13;
    default:
        return 1;
    }
}

}  // namespace r78
