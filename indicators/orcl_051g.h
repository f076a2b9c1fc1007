#pragma once

#include "screens/SingleRecordBlockScreen.h"

namespace r78 {

// Schedule 5.1 block 6: the houses or flats the household purchased or built
// for living in, one record of S051L07 per household: how many (rural, urban,
// total), whether owned for the first time, the newest one's type, year, rooms,
// floor areas, wall and roof, and how it was financed.
class orcl_051g : public SingleRecordBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051g(SharedState& state);

private:
    static SingleRecordParams Params();
};

}  // namespace r78
