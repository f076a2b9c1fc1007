#include "screens/IdentificationBlockScreen.h"

#include <algorithm>

#include "core/Navigation.h"

namespace r78 {

namespace {

bool Among(const std::vector<std::string>& codes, const std::string& code) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

}  // namespace

IdentificationBlockScreen::IdentificationBlockScreen(SharedState& s, SingleRecordParams params,
                                                     SurveyCodeGates gates)
    : SingleRecordBlockScreen(s, std::move(params)), gates_(std::move(gates)) {}

void IdentificationBlockScreen::PrefillFsuParticulars(const std::string& schedule) {
    const std::string values[] = {s_.CurFsuNo,      s_.FsuRound,       schedule,       s_.FsuSample,
                                  s_.FsuSector,     s_.FsuStateRegion, s_.FsuDistrict, s_.FsuStratum,
                                  s_.FsuSubStratum, s_.FsuSubRound};
    for (int box = 0; box <= 9; ++box) SetBox(box, values[box]);
}

bool IdentificationBlockScreen::CodeMovesOn() {
    SurveyCode() = Box(gates_.box);
    return Among(gates_.moveCodes, SurveyCode());
}

// The code is tested as the box holds it; on the listing the shared code
// changes only with a row that reached the file (RecordSaved).
bool IdentificationBlockScreen::SaveGate() {
    if (gates_.saveTakesCode) SurveyCode() = Box(gates_.box);
    if (Among(gates_.saveCodes, Box(gates_.box))) return true;
    ErrBeep(gates_.saveMessage);
    Text1[gates_.box]->setFocus();
    return false;
}

void IdentificationBlockScreen::RecordSaved(bool) { SurveyCode() = Box(gates_.box); }

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
