#pragma once
#include <string>

#include "screens/GridBlockScreen.h"

namespace r78 {

// Blocks 5.1 and 5.2 of Schedule 21.1, the overnight trips of the last 365 and
// of the last 30 days: one grid row per member on a trip, the trip being the
// row's serial number SLNO and the member its column 3. The row numbered 99 is
// the block's total line: it carries only column 3, the number of trips.
//
// The number of members on a trip (column 2) is keyed on the trip's first
// member row; the trip map TripMemberList remembers it, and a further member
// row left blank there takes it from the map.
class TripMembersScreen : public GridBlockScreen {
    Q_OBJECT
public:
    struct Block {
        int index;
        std::string prefix;  // of the block's columns: "B51C" gives B51C2 .. B51C15
        QString title;
        // Column 12, the leading purpose, differs between the two blocks.
        std::string leadPurposes;
        std::string leadPurposeMessage;
        BlockCheck check;
    };

protected:
    TripMembersScreen(SharedState& s, const Block& block);

    std::optional<bool> ColumnHook(const std::string& field, const std::string& text) override;
    void ColumnUpdated(const std::string& field) override;
    int ColStepAfter(const std::string& field) override;
    bool EndsRowAt(const std::string& field) const override;
    void BeforeBind() override;
    void AfterBind() override;

private:
    // The questionnaire's column of a block field (B51C4 is column 4); 0 for SLNO.
    int ItemColumn(const std::string& field) const;
    bool OnTotalLine() const;
    // The members the map holds for the current row's trip; "" when none.
    std::string MappedMembers() const;

    const std::string prefix_;
};

}  // namespace r78
