#pragma once
#include <optional>
#include <string>
#include <vector>

#include "core/HouseholdCounts.h"
#include "screens/SingleRecordBlockScreen.h"

namespace r78 {

// The survey code's say over a blocks 1-2 screen: which codes may be saved,
// which may move on to the other blocks, and the messages of each refusal.
struct SurveyCodeGates {
    int box = 0;  // the survey-code box
    std::vector<std::string> saveCodes;
    std::string saveMessage;
    std::vector<std::string> moveCodes;
    std::string nextMessage;        // Next refused by the code
    std::string otherBlockMessage;  // Go to Blk refused by the code
    std::string saveFirstMessage;   // Next before the row is saved
    // Where Next puts the focus after the code refused it: the code's box, or Text3.
    bool nextRefusalToCodeBox = false;
};

// The gates of a household's blocks 1-2 screen, alike on both detailed schedules:
// surveyed (1), substituted and surveyed (2) or casualty (3) may be saved; only a
// surveyed household, original or substitute, goes on to the other blocks.
SurveyCodeGates HouseholdGates();

// What a household's blocks 1-2 screen is given, alike on both detailed
// schedules: its place and the household checks, the household key, its texts,
// and the identification's rules; a screen adds its header, heading and block check.
SingleRecordParams HouseholdIdentificationParams(int index);

// Blocks 1 and 2 of a schedule: the identification boxes come pre-filled from
// the sample list and locked; the survey code gates Save, Next and Go to Blk; and
// Delete removes the entries of every block of the FSU or household, copied into
// the archive tables first, in one transaction. Next leads on; there is no Prev.
//
// The household form (RecordKind::HouseholdBlock1) takes the survey code from
// its box before every gate, Save among them; recounts the FSU's households and
// writes the counts with every save and delete, in its transaction, so that the
// file's counts and its rows change together; and deletes the household from
// every block table of its schedule.
//
// A screen gives, besides what SingleRecordBlockScreen asks for, its gates, its
// survey-code variable and, for the listing, its delete plan (DeleteRecord).
class IdentificationBlockScreen : public SingleRecordBlockScreen {
    Q_OBJECT
public:
    void CmdNext_Click() override;

protected:
    IdentificationBlockScreen(SharedState& s, SingleRecordParams params, SurveyCodeGates gates);

    // Sch0SurveyCode or HhSurveyCode: the code as the gates last took it from its box.
    virtual std::string& SurveyCode() { return s_.HhSurveyCode; }

    // The household form's own: its flag; the identification from the sample
    // list locked but for the SU's sub-division; the new household's pre-fill
    // (after a delete the same household again, with the listing's SRO); Exit
    // asks only for the informant's answers and block 2; after a delete the
    // cursor goes to the informant.
    int& ExistsFlag() override { return s_.HhExists; }
    bool Locked(int box) const override { return box <= 13 && box != 11; }
    void Prefill(bool afterDelete) override;
    bool AsksOnExit(int box) const override { return box >= 15; }
    int FocusAfterDelete() const override {
        return Household() ? 14 : SingleRecordBlockScreen::FocusAfterDelete();
    }

    // Boxes 0 to 9 of a new row: the FSU, its round, the schedule's code, and
    // its sample, sector, state and region, district, stratum, sub-stratum and
    // sub-round from the sample list.
    void PrefillFsuIdentification(const std::string& schCode);

    bool SaveGate() override;
    bool GoToGate(int target) override;
    void WriteAlong() override;
    void RecordSaved(bool inserted) override;
    std::string DeleteQuestion() const override {
        return "Are you sure that you want to delete the record and records of all other block?";
    }
    void DeleteRecord() override;
    void RecordDeleted() override;

    // The screen laid out: its headings (the household schedule's by default),
    // blocks 1 and 2 side by side in these proportions, the error list below them
    // across the screen's width, so that every column of the list is in view.
    void ComposeBlocks(QWidget* block1, int block1Stretch, QWidget* block2, int block2Stretch,
                       QLayout* headings = nullptr);

    const SurveyCodeGates gates_;

private:
    bool Household() const { return params_.kind == RecordKind::HouseholdBlock1; }
    // Copies the code from its box and tells whether it lets the operator move on.
    bool CodeMovesOn();
    // After the commit: the recount written with the save or delete taken into
    // the shared state and shown on the control screen.
    void TakeRecount();
    // The figures of the recount that WriteAlong wrote, until they are taken.
    std::optional<HouseholdCounts> recounted_;
};

}  // namespace r78
