#pragma once
#include <QLabel>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/FieldRules.h"
#include "screens/BlockScreen.h"

class QLayout;

namespace r78 {

// What sets one grid block screen apart from another, beyond its odd hooks.
struct GridParams : BlockParams {
    GridParams() { goToLabel = "&Go to Blk:"; }

    std::string schCode;  // SCH of a new listing row of block 6: "211" or "051"
    std::string order = " order by fsuno,SSS,SSU,slno";
    std::vector<GridColumn> columns;
    // Each edit column's rule on Enter, by field; a column without one refuses.
    std::vector<FieldRule> rules;
    std::string firstEditField = "SLNO";
    std::string lastEditField;
    // The key cells of DropBlankGridRow, read in this order.
    std::vector<std::string> keyFields{"SLNO"};
    // Digits only (with the passes of the key filter), or every character.
    bool filterKeys = true;
    // Next and Prev on a block without a stored row: move on, ask, or refuse.
    enum class EmptyBlock { MoveOn, Ask, Refuse } emptyBlock = EmptyBlock::Ask;
    std::string emptyBlockMessage = "current block is empty. Do you want to Proceed?";
    QString gridCaption;  // the title line above the rows, when the screen has one
};

// A block screen whose block holds several rows, edited in the bound grid
// DataGridX: one row per stratum, member or trip, written to the block table
// as the cursor leaves it. Enter checks a cell (its width, then its column's
// rule) and moves on; the last edit column leads to the next row. Refresh,
// Next, Prev, Save&Exit, Go to Blk, Validate Block and Validate HH first drop
// a blank new row, then write the row in hand.
//
// A screen derives from it, gives its parameters, overrides the hooks it needs,
// lays itself out with Compose and ends its constructor with Form_Load().
class GridBlockScreen : public BlockScreen {
    Q_OBJECT
public:
    ui::BoundGrid* DataGridX;  // with its data control AdodcX: the record position below the rows
    ui::CommandButton *Refresh, *CmdNext, *exit, *Cmdval, *CmdPrev;
    ui::CommandButton* CmdValHH = nullptr;  // screens with a household check
    QLabel* Label6;                         // the Esc hint

    // Event handlers.
    void DataGridX_KeyDown(int& keyCode);
    void DataGridX_KeyPress(int& keyAscii);
    void DataGridX_Validate(bool& cancel);
    void DataGridX_BeforeColUpdate(int column, bool& cancel);
    void DataGridX_AfterColUpdate(int column);
    void DataGridX_OnAddNew();
    void DataGridX_BeforeDelete(bool& cancel);
    void DataGridX_RowColChange();
    void Refresh_Click();
    void CmdNext_Click();
    void CmdPrev_Click();
    void exit_Click();
    void Cmdval_Click();
    void CmdValHH_Click();

    // Drops the block's only row when it is new and a key cell of it is blank.
    void DropBlankGridRow();
    // Shows and captions the block's columns, hides the rest, puts the cursor on
    // the first edit column and shows the record position.
    void SetGridColumns();
    // A cell's text in column c, on Enter and on any other way out of the cell:
    // its width, then the column's rule (the screen's hook first, then the
    // declared rule). False refuses it (the messages said why).
    bool CheckCell(int column, const std::string& text);

protected:
    GridBlockScreen(SharedState& s, GridParams params);

    // Binds the grid to the block's rows; an empty block gets a new row. A
    // failure is told and the screen is not shown.
    void Form_Load();
    // Lays the screen out: its headings (by default the schedule's heading and
    // the block's title), the header line, the grid with the Esc hint, the error
    // list, the buttons and the go-to box.
    void Compose(QLayout* headings = nullptr);

    // Grid position of a field; -1 when the table has none.
    int Column(const std::string& field) const { return DataGridX->FieldColumn(field); }
    std::string FieldAt(int column) const { return DataGridX->DataField(column); }

    // Hooks, by field name (compared in capitals).
    // The rule of an odd column (trip map, total line): a decision, or nothing to
    // let the declared rule decide. May change the cell with SetCellText.
    virtual std::optional<bool> ColumnHook(const std::string& /*field*/, const std::string& /*text*/) {
        return std::nullopt;
    }
    // A further character a column takes besides the digits.
    virtual bool MayType(const std::string& /*field*/, int /*keyAscii*/) const { return false; }
    // After a changed cell is taken into the row.
    virtual void ColumnUpdated(const std::string& /*field*/) {}
    // How many columns the cursor moves on when the grid's own Enter or Tab move
    // follows an update of the field (the trip screens skip the total line's column 2).
    virtual int ColStepAfter(const std::string& /*field*/) { return 1; }
    // Whether an accepted Enter in the field, or leaving the grid from it, goes on
    // to the next row before the last edit column (a total line that ends early).
    virtual bool EndsRowAt(const std::string& /*field*/) const { return false; }
    // Before the grid is bound at load, and once its rows are there.
    virtual void BeforeBind() {}
    virtual void AfterBind() {}

    // The current cell's text, and a text a rule puts into it.
    std::string CellText() const { return DataGridX->CurrentCellText(); }
    void SetCellText(const std::string& text) { DataGridX->SetCurrentCellText(text); }
    // A field of the current row as stored or typed into the row ("" for Null).
    std::string RowField(const std::string& field) const;
    void SetRowField(const std::string& field, const std::string& text);

    void BeforeGoTo() override { DropBlankGridRow(); }
    bool GoToGate(int target) override;
    // The title bar's close button leaves the cell as the screen's own buttons do.
    void CloseRequested() override {
        if (!DataGridX->HasFocusInside() || DataGridX->ReleaseFocus()) exit_Click();
    }

    const GridParams params_;

private:
    // Field names resolved to grid positions once the grid is bound.
    void ResolveFields();
    const FieldRule* RuleAt(int column) const;
    bool EndsRow(int column) const {
        return column == lastEdit_ ||
               (column >= firstEdit_ && column < lastEdit_ && EndsRowAt(FieldAt(column)));
    }
    // The listing's block 6 is keyed by the FSU and the schedule code SCH; every
    // other grid block by the household (DPC, FSUNO, SU, sss, SSU).
    bool Listing() const;
    void Stamp();
    void ShowRecordCaption();
    // Drops a blank new row and writes the row in hand; false when the write
    // failed (the grid has said why).
    bool SettleRows();
    // The block's rows read again once settled, the last one current; false
    // when the file could not be read.
    bool RefreshRows();
    void StepToNextRow();
    void Leave(int index);
    bool EmptyBlockGate();

    int firstEdit_ = -1, lastEdit_ = -1;
    std::vector<int> keyColumns_;
    std::vector<const FieldRule*> rules_;  // by grid column
    // The grid's own move to the next column follows at once (Enter, Tab).
    void MarkTabMove();
    // An Enter or Tab is moving the cursor on: an update may step it further.
    bool tabMove_ = false;
};

}  // namespace r78
