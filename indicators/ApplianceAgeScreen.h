#pragma once
#include <QString>
#include <string>

#include "screens/GridBlockScreen.h"

namespace r78 {

// Blocks 4.1 and 4.2 of Schedule 5.1: one grid row for each air-conditioner
// (4.1) or air-cooler (4.2) that the household possesses, its serial number and
// its age in years, both to be given and at least 1. The two blocks differ only
// in their table, texts and check; whether the serials run 1, 2, 3 ... is left
// to Validate Block.
class ApplianceAgeScreen : public GridBlockScreen {
    Q_OBJECT
protected:
    struct Appliance {
        int index;
        std::string ageField;  // "B41C2"
        QString title;
        QString ageCaption;  // its lines joined by line feeds, "C(2)" last
        BlockCheck check;
    };
    ApplianceAgeScreen(SharedState& s, const Appliance& appliance);

private:
    static GridParams Params(const Appliance& appliance);
};

// Block 4.1, the air-conditioners: rows of S051L04.
class orcl_051d : public ApplianceAgeScreen {
    Q_OBJECT
public:
    explicit orcl_051d(SharedState& state);
};

// Block 4.2, the air-coolers: rows of S051L05.
class orcl_051e : public ApplianceAgeScreen {
    Q_OBJECT
public:
    explicit orcl_051e(SharedState& state);
};

}  // namespace r78
