#pragma once
#include <QGridLayout>
#include <QLabel>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/FieldRules.h"
#include "screens/BlockRecord.h"
#include "screens/BlockScreen.h"

namespace r78 {

// What sets one single-record block screen apart from another, beyond its boxes
// and odd hooks.
struct SingleRecordParams : BlockParams {
    RecordKind kind = RecordKind::HouseholdBlock;
    std::string noRecordsMessage = "block contains no records";
    std::string digitMessage = "numeric  entry please ";
    // False: every character may be typed, and the Enter check is the only guard.
    bool filterKeys = true;
    // Each box's rule on Enter or Down, by its column; a box without one passes.
    std::vector<FieldRule> rules;
};

// A block screen that edits the one row of the FSU or household in its block
// table, in the box array Text1: box i holds the i-th column after the key, its
// typing limited to the column's field width. Enter or Down checks a box and
// moves to the next enabled one, Up moves back; Save inserts or updates the row
// and Delete removes it, each in one transaction with the screen's further
// writes (WriteAlong): all of it reaches the file or none does, and what the
// program holds or shows changes only after the commit. This is the household
// form (Next Blk and Prev Blk ask to save a new row); IdentificationBlockScreen
// is the blocks 1-2 form.
//
// A screen derives from it, gives its parameters, overrides the hooks it needs, lays
// out its boxes with Compose and ends its constructor with Form_Load().
class SingleRecordBlockScreen : public BlockScreen {
    Q_OBJECT
public:
    // Refused: by the screen's gate. Failed: nothing stored of what the boxes
    // hold, refused by the file or by a box's digits; the screen keeps them.
    enum class SaveOutcome { Saved, Refused, Failed };

    std::vector<ui::TextBox*> Text1;
    ui::CommandButton *CmdSave, *CmdNext, *CmdExit, *Cmdval, *CmdDelete;
    ui::CommandButton* CmdValHH = nullptr;  // screens with a household check
    ui::CommandButton* CmdPrev = nullptr;   // household screens but blocks 1-2

    // Event handlers.
    void Text1_KeyPress(int box, int& keyAscii);
    void Text1_KeyDown(int box, int& keyCode);
    void Text1_GotFocus(int box);
    SaveOutcome CmdSave_Click();
    void CmdDelete_Click();
    virtual void CmdNext_Click();
    void CmdPrev_Click();
    void CmdExit_Click();
    void Cmdval_Click();
    void CmdValHH_Click();

    int LastBox() const { return static_cast<int>(Text1.size()) - 1; }

protected:
    SingleRecordBlockScreen(SharedState& s, SingleRecordParams params);

    // Fills the boxes from the stored row, or empties them and pre-fills a new
    // one; locks, limits and orders the boxes. A failure is told and the screen
    // is not shown.
    void Form_Load();

    // Lays the screen out: its headings (by default the schedule's heading and
    // the block's title), the header line, its boxes (with the error list
    // DataGrid placed where it fits), the buttons and the go-to box.
    void Compose(QLayout* headings, QLayout* body);
    // Composes the screen with its items above and the error list below them,
    // across the screen's width, so that every column of the list is in view.
    void ComposeErrorsBelow(QLayout* items, QLayout* headings = nullptr);

    // The box that holds a column (compared in capitals); -1 when none does.
    int BoxOf(const std::string& field) const;
    // The text of the box that holds a column; "" when none does.
    std::string Field(const std::string& field) const;
    // A label and its box in a grid row: "1." "FSU Serial No" [box]; "&&" in a label shows "&".
    void AddItem(QGridLayout* grid, int row, int column, const QString& item, const QString& label, int box);
    // The items of boxes 0 to count - 1 down columns of `rows` items each, side by
    // side, each laid out as AddItem does (item, label, box), a narrow gap between
    // the columns and the width left over right of the last; itemOf gives a box's
    // item and label.
    void AddItemColumns(QGridLayout* grid, int count, int rows,
                        const std::function<std::pair<QString, QString>(int box)>& itemOf);
    // Where a box's item stands in such columns: its grid row and column.
    static std::pair<int, int> ItemCell(int box, int rows) { return {box % rows, 4 * (box / rows)}; }
    int BoxPixels(int box) const;

    std::string Box(int box) const { return Text1.at(static_cast<size_t>(box))->text().toStdString(); }
    void SetBox(int box, const std::string& text);
    void FocusBox(int box);
    int FirstEnabledBox() const;

    // Hooks.
    // The shared flag that says whether the row is stored (HasS000L01, HhExists, BlkRecExists).
    virtual int& ExistsFlag() { return s_.BlkRecExists; }
    virtual bool Locked(int /*box*/) const { return false; }
    // A new row's boxes; after a delete the screen may leave some empty.
    virtual void Prefill(bool /*afterDelete*/) {}
    // The rule of an odd box on Enter or Down, after the digits check: a decision
    // (false keeps the focus there; the hook has said why), or nothing to let the
    // declared rule decide.
    virtual std::optional<bool> BoxHook(const std::string& /*field*/) { return std::nullopt; }
    // A further character a box takes besides the digits.
    virtual bool MayType(const std::string& /*field*/, int /*keyAscii*/) const { return false; }
    // The boxes whose texts make Exit ask to save a new row.
    virtual bool AsksOnExit(int /*box*/) const { return true; }
    virtual bool SaveGate() { return true; }
    // Inside the transaction of a save or a delete, after the row is written or
    // deleted: the screen's further writes, which commit with it or not at all. A
    // throw undoes all of it, and the save or delete fails. Changes nothing that
    // is shared or shown: that is RecordSaved's or RecordDeleted's, after the commit.
    virtual void WriteAlong() {}
    // After the save is committed (flag already set): the screen's follow-up.
    virtual void RecordSaved(bool /*inserted*/) {}
    virtual std::string DeleteQuestion() const { return "Are you sure that you want to delete the record ?"; }
    // Deletes, inside the delete's transaction; throws when nothing was deleted.
    virtual void DeleteRecord() { record_.Delete(); }
    // After the delete is committed, the flag cleared and the boxes filled anew.
    virtual void RecordDeleted() {}
    virtual int FocusAfterDelete() const { return FirstEnabledBox(); }

    void CloseRequested() override { CmdExit_Click(); }

    // Next Blk and Prev Blk of the household screens: a new row is not left
    // blank, and its entries are offered for saving first.
    void LeaveForNeighbour(int index, const std::string& direction);
    std::string JoinedBoxes() const;

    const SingleRecordParams params_;
    const BlockRecord record_;
    // "4" in "Save Block-4 before exiting?": the block number of a one-row block is whole.
    const std::string blockName_;

private:
    // Runs box's declared rule on its text; a rewrite goes back into the box.
    bool DeclaredRule(int box);
    // The message with which the box's Enter check refuses a text that is not
    // digits; none for a box whose column takes other characters.
    std::optional<std::string> DigitMessage(int box) const;
    // The box's Enter check empties a text that is not digits with the screen's digit message.
    bool DigitsCleared(int box) const { return !rules_[box] || rules_[box]->digitsCleared; }
    // At Save, for the boxes left without their Enter check (by a click): the
    // first enabled box whose column takes digits only and that holds another
    // character is refused with its digit message and gets the focus; false then.
    bool BoxesHoldDigits();
    std::vector<const FieldRule*> rules_;  // by box
};

}  // namespace r78
