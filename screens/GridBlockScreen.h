#pragma once
#include <QLabel>
#include <QString>
#include <string>
#include <vector>

#include "screens/BlockScreen.h"

class QLayout;

namespace r78 {

// A block column the grid shows: its field (compared in capitals), its caption
// (lines joined by a line feed) and its width in twips.
struct GridColumn {
    std::string field;
    QString caption;
    int width = 0;
};

// What a grid screen's header shows after "USER CODE:".
struct HeaderItem {
    enum class Value { Fsu, Segment, FsuSu, Sss, Ssu };
    QString caption;  // "FSU NO:", "SSS NO:" ...
    Value value;
};

// What sets one grid block screen apart from another, beyond its column rules
// and follow-ups (which a screen gives by overriding the hooks below).
struct GridParams {
    int index = 0;  // block-screen index: also the table's number and the width row
    // The listing's block 6 is keyed by the FSU and the schedule code SCH; every
    // other grid block by the household (DPC, FSUNO, SU, sss, SSU).
    bool listing = false;
    std::string schCode;  // SCH of a new listing row: "211" or "051"
    std::string order;    // " order by  SSS"
    std::vector<GridColumn> columns;
    int firstEditColumn = 5;
    int lastEditColumn = 5;
    // The key cells of DropBlankGridRow, read in this order.
    std::vector<int> keyColumns{5};
    // Digits only (with the passes of the key filter), or every character.
    bool filterKeys = true;
    // Next and Prev on a block without a stored row: move on, ask, or refuse.
    enum class EmptyBlock { MoveOn, Ask, Refuse } emptyBlock = EmptyBlock::Ask;
    std::string emptyBlockMessage = "current block is empty. Do you want to Proceed?";
    double blockNo = 0;
    BlockCheck blockCheck;
    // The check of Validate HH; without one the screen has no such button.
    HouseholdCheck householdCheck;
    // A grid screen lists the household's errors under its block-level caption;
    // only the single-record screens speak of the household level.
    QString householdCaption = kBlockLevelCaption;
    std::vector<HeaderItem> header;
    QString goToLabel = "&Go to Blk:";
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
    // The header: Lbfsuno on the listing; lbfsu, lbseg, lbsss, lbssu on the household screens.
    QLabel* Lbfsuno = nullptr;
    QLabel *lbfsu = nullptr, *lbseg = nullptr, *lbsss = nullptr, *lbssu = nullptr;

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
    // its width, then the column's rule. False refuses it (the messages said why).
    bool CheckCell(int column, const std::string& text);

protected:
    GridBlockScreen(SharedState& s, GridParams params);

    // Binds the grid to the block's rows; an empty block gets a new row. A
    // failure is told and the screen is not shown.
    void Form_Load();
    // Lays the screen out: its headings, the header line, the grid with the Esc
    // hint, the error list, the buttons and the go-to box.
    void Compose(QLayout* headings);

    // Hooks.
    // The rule of column c on Enter, for the cell's text; false refuses the entry
    // (the rule has said why). The text may be changed with SetCellText.
    virtual bool ColumnRule(int /*column*/, const std::string& /*text*/) { return false; }
    // A further character a column takes besides the digits.
    virtual bool MayType(int /*column*/, int /*keyAscii*/) const { return false; }
    // Whether an accepted Enter in the column leads to the next row.
    virtual bool EndsRow(int column) const { return column == params_.lastEditColumn; }
    // After a changed cell is taken into the row.
    virtual void ColumnUpdated(int /*column*/) {}
    // Before the grid is bound at load.
    virtual void BeforeBind() {}

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
    void Stamp();
    void ShowRecordCaption();
    // Drops a blank new row and writes the row in hand; false when the write
    // failed (the grid has said why).
    bool SettleRows();
    bool RefreshRows();
    void StepToNextRow();
    void Leave(int index);
    bool EmptyBlockGate();
};

}  // namespace r78
