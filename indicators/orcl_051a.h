#pragma once

#include "screens/IdentificationBlockScreen.h"

namespace r78 {

// Schedule 5.1 blocks 1 and 2: the household's identification (from the sample
// list, locked, but for its sub-division) and the particulars of field
// operation, one row of S051L01. The household exists once this row is saved;
// its survey code decides whether the other blocks may be entered, and its
// Delete removes the household from every block.
class orcl_051a : public IdentificationBlockScreen {
    Q_OBJECT
public:
    explicit orcl_051a(SharedState& state);

protected:
    int& ExistsFlag() override { return s_.HhExists; }
    std::string& SurveyCode() override { return s_.HhSurveyCode; }
    // The identification comes from the sample list; only the SU's sub-division is keyed.
    bool Locked(int box) const override { return box <= 13 && box != 11; }
    void Prefill(bool afterDelete) override;
    // Only the informant's answers and block 2 count as entries worth saving.
    bool AsksOnExit(int box) const override { return box >= 15; }
    int FocusAfterDelete() const override { return 14; }
};

}  // namespace r78
