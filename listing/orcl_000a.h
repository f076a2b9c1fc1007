#pragma once

#include "screens/IdentificationBlockScreen.h"

namespace r78 {

// Schedule 0.0 blocks 1 and 2: the FSU's identification (from the sample list,
// locked) and the particulars of its field operation, one row of S000L01. Its
// survey code decides whether the listing may go on to block 6; its Delete
// removes everything entered for the FSU.
class orcl_000a : public IdentificationBlockScreen {
    Q_OBJECT
public:
    explicit orcl_000a(SharedState& state);

protected:
    int& ExistsFlag() override { return s_.HasS000L01; }
    std::string& SurveyCode() override { return s_.Sch0SurveyCode; }
    bool Locked(int box) const override { return box <= 14 && box != 13; }
    void Prefill(bool afterDelete) override;
    std::optional<bool> BoxHook(const std::string& field) override;
    // The pre-filled boxes alone (SRO "0000" among them) do not count as entries,
    // but box 10 does: a new row always asks.
    bool AsksOnExit(int box) const override { return box >= 10 && box != 11 && box != 12 && box != 14; }
    void WriteAlong() override;
    void RecordSaved(bool inserted) override;
    void DeleteRecord() override;

private:
    // Hilly and remote parts of rural India, by the state, district and sector boxes.
    bool SpecialArea() const;
    bool PopulationRule(const std::string& below900, const std::string& below1800);
};

}  // namespace r78
