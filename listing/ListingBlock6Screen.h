#pragma once
#include <QLabel>
#include <string>

#include "screens/GridBlockScreen.h"

namespace r78 {

// Block 6 of the listing schedule: for each second-stage stratum (SSS) of the
// FSU, the households listed, selected and surveyed for a detailed schedule,
// one grid row per stratum. Part A (orcl_000b) serves Schedule 21.1, part B
// (orcl_000c) Schedule 5.1; packet bounds the households that may be entered
// per stratum by these rows. The segment population keyed on part A is
// remembered in SegPop for the FSU's further rows.
class ListingBlock6Screen : public GridBlockScreen {
    Q_OBJECT
public:
    QLabel* Level25;  // "LISTING SCHEDULE"
    QLabel* Label25;  // "SCHEDULE 0.0 "

protected:
    struct Part {
        int index;
        std::string schCode;  // SCH of its rows
        bool partA;           // shows SEGPOP; part B shows REPLHHD instead
        QString title;
        BlockCheck check;
    };
    ListingBlock6Screen(SharedState& s, const Part& part);

    std::optional<bool> ColumnHook(const std::string& field, const std::string& text) override;
    void ColumnUpdated(const std::string& field) override;
    void BeforeBind() override;

private:
    bool SegmentPopulationRule(const std::string& text);
    void RememberSegPop(const std::string& value);
};

}  // namespace r78
