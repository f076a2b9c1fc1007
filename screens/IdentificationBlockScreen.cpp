#include "screens/IdentificationBlockScreen.h"

#include <QHBoxLayout>
#include <algorithm>
#include <stdexcept>

#include "core/DataLayout.h"
#include "core/HouseholdCounts.h"
#include "core/Navigation.h"

namespace r78 {

namespace {

bool Among(const std::vector<std::string>& codes, const std::string& code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

SingleRecordParams HouseholdIdentificationParams(int index) {
    SingleRecordParams params;
    HouseholdBlock(params, index, "");
    params.kind = RecordKind::HouseholdBlock1;
    params.noRecordsMessage = "Block contains no records";
    params.digitMessage = "numeric entry please ";
    params.goToLabel = "&Go to Blk:";
    params.rules = rule::HouseholdIdentification();
    return params;
}

SurveyCodeGates HouseholdGates() {
    SurveyCodeGates gates;
    gates.box = 16;
    gates.saveCodes = {"1", "2", "3"};
    gates.saveMessage = "survey code should be 1 or 2 or 3 for saving the block";
    gates.moveCodes = {"1", "2"};
    gates.nextMessage = "survey code should be 1 or 2 for navigating to next block";
    gates.otherBlockMessage = "survey code should be 1 or 2 for navigating to other block";
    gates.saveFirstMessage = "please save the block first";
    gates.nextRefusalToCodeBox = true;
    return gates;
}

IdentificationBlockScreen::IdentificationBlockScreen(SharedState& s, SingleRecordParams params,
                                                     SurveyCodeGates gates)
    : SingleRecordBlockScreen(s, std::move(params)), gates_(std::move(gates)) {}

bool IdentificationBlockScreen::CodeMovesOn() {
    SurveyCode() = Box(gates_.box);
    return Among(gates_.moveCodes, SurveyCode());
}

// The code is tested as the box holds it. The listing's shared code changes only
// with a row that reached the file (RecordSaved); a household's follows the box
// at every gate.
bool IdentificationBlockScreen::SaveGate() {
    if (Household()) SurveyCode() = Box(gates_.box);
    if (Among(gates_.saveCodes, Box(gates_.box))) return true;
    ErrBeep(gates_.saveMessage);
    Text1[gates_.box]->setFocus();
    return false;
}

void IdentificationBlockScreen::PrefillFsuIdentification(const std::string& schCode) {
    const std::string values[] = {s_.CurFsuNo,      s_.FsuRound,       schCode,        s_.FsuSample,
                                  s_.FsuSector,     s_.FsuStateRegion, s_.FsuDistrict, s_.FsuStratum,
                                  s_.FsuSubStratum, s_.FsuSubRound};
    for (int box = 0; box < 10; ++box) SetBox(box, values[box]);
}

void IdentificationBlockScreen::ComposeBlocks(QWidget* block1, int block1Stretch, QWidget* block2,
                                              int block2Stretch, QLayout* headings) {
    auto* blocks = new QHBoxLayout;
    blocks->addWidget(block1, block1Stretch);
    blocks->addWidget(block2, block2Stretch);
    ComposeErrorsBelow(blocks, headings);
}

void IdentificationBlockScreen::Prefill(bool afterDelete) {
    // "211" or "051", from the table's name.
    PrefillFsuIdentification(layout::BlockTableAt(index_).name.substr(1, 3));
    SetBox(10, afterDelete ? s_.FsuSro : "0000");
    SetBox(11, afterDelete ? s_.CurSeg : "");
    SetBox(12, s_.CurSss);
    SetBox(13, s_.CurSsu);
}

// The household on screen is the one judged; whether its row is stored is the
// template's flag, which the recount leaves alone.
void IdentificationBlockScreen::WriteAlong() {
    recounted_.reset();
    if (Household())
        recounted_ =
            WriteHhCounts(s_, layout::BlockTableAt(index_).schedule, s_.CurFsuNo, s_.CurSss, s_.CurSsu);
}

void IdentificationBlockScreen::RecordSaved(bool) {
    SurveyCode() = Box(gates_.box);
    TakeRecount();
}

void IdentificationBlockScreen::DeleteRecord() {
    if (!Household()) throw std::logic_error("The listing's blocks 1-2 screen deletes the FSU itself");
    DeleteHousehold(s_, layout::BlockTableAt(index_).schedule);
}

void IdentificationBlockScreen::RecordDeleted() { TakeRecount(); }

void IdentificationBlockScreen::TakeRecount() {
    if (!recounted_) return;
    const int schType = layout::BlockTableAt(index_).schedule;
    TakeHhCounts(s_, schType, *recounted_);
    if (s_.Packet) s_.Packet->ShowHhCount(schType, recounted_->households);
    recounted_.reset();
}

void IdentificationBlockScreen::CmdNext_Click() {
    if (!CodeMovesOn()) {
        ErrBeep(gates_.nextMessage);
        if (gates_.nextRefusalToCodeBox)
            Text1[gates_.box]->setFocus();
        else
            Text3->setFocus();
        return;
    }
    if (ExistsFlag() != 1) {
        ErrBeep(gates_.saveFirstMessage);
        return;
    }
    MoveOn(NextFormIndex(s_.CurSchType, s_.CurFormIndex));
}

bool IdentificationBlockScreen::GoToGate(int) {
    if (!CodeMovesOn()) {
        ErrBeep(gates_.otherBlockMessage);
        Text3->setFocus();
        return false;
    }
    if (ExistsFlag() != 1) {
        ErrBeep("Enter Block-1 first");
        return false;
    }
    return true;
}

}  // namespace r78
