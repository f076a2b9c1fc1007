#pragma once
#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPointer>
#include <QTableView>
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/db/Connection.h"
#include "platform/db/EditableRows.h"
#include "platform/db/Recordset.h"

namespace r78::ui {

// The rows of a record source, as a grid shows them. Column captions may hold
// line breaks; a Null cell shows as empty. Read-only over a query's rows, or
// editable over the rows of one table: then a last line marked "*" stands
// for the row the operator may start, and a row not yet written is marked.
class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void SetRecordset(db::Recordset rs);
    const db::Recordset& Records() const { return rs_; }
    void SetCaption(int column, const QString& caption);

    void SetRows(db::EditableRows rows);
    bool Editable() const { return editable_; }
    const db::EditableRows& Rows() const { return rows_; }
    // Row number of the "*" line; -1 when the model is read-only.
    int NewRowLine() const { return editable_ ? static_cast<int>(rows_.RecordCount()) : -1; }
    // The "*" line becomes a new, pending row, and a fresh "*" line follows it.
    int AddNewRow();
    // Puts a text into a held row: an empty text is Null, unless it is to stay a text.
    void SetCellText(int row, int column, const QString& text, bool emptyIsText = false);
    // These throw the database's reason and change nothing then.
    void WriteRow(int row);
    void DeleteRow(int row);
    // Returns true when the row was new and is gone.
    bool CancelRow(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    int FieldCount() const { return editable_ ? rows_.FieldCount() : rs_.FieldCount(); }
    std::string FieldName(int column) const {
        return editable_ ? rows_.FieldName(column) : rs_.FieldName(column);
    }

    db::Recordset rs_;
    db::EditableRows rows_;
    bool editable_ = false;
    std::vector<QString> captions_;
};

class GridView;
class CellEditor;

// A data grid bound to a record source on a connection, with its caption (the
// title line above the rows) and its data control's caption (the record
// position, below).
//
// Read-only over any query (the error lists), or editable over the rows of one
// table (SetTableSource), where it keeps the old data grid's order of events:
// - a typed character fires key down, then key press (which may change it into a
//   Tab (9) or a Backspace (8), or swallow it as 0); on the "*" line the row is then
//   added (add new), and the character enters the current cell. Every character
//   that reaches a cell passes key press: one typed with Alt too (it then types
//   nothing itself, being no access key), and each character of a paste;
// - Enter fires key down with the cell's text still in the editor, so a handler can
//   refuse it by swallowing the key (the text and the cursor stay); the key press
//   that follows (Enter, or the Tab a handler made of it) commits the cell and
//   moves one shown column right;
// - a cell whose text changed and that the cursor leaves any other way (an arrow,
//   a click, Tab, a button) fires before column update, which may refuse it: the
//   text and the cursor stay. A handler that checks a cell on Enter commits it
//   there, so that it is not checked twice;
// - a cell whose text changed is put into the row (after column update); the row
//   goes to the table when the cursor leaves it by any means: an insert for a new
//   row, an update of its changed fields by rowid. A new row whose edit columns
//   are all empty holds only its stamps: it goes instead of being written. A write
//   that fails keeps the row pending and the cursor on it (the selection too), and
//   fires the error event;
// - Esc reverts the cell being edited; Esc again cancels the row's pending
//   changes, and a new row that was never written disappears;
// - a click or an access key that would take the focus to another control of the
//   window fires before column update and validate first; a refusal keeps the
//   focus (and the click is not delivered), otherwise the cell is committed to
//   the row, which is not written;
// - Delete on a row selected by its header asks before delete, then removes it.
class BoundGrid : public QWidget {
    Q_OBJECT
public:
    explicit BoundGrid(QWidget* parent = nullptr);
    ~BoundGrid() override;

    // Read-only: runs the statement on the connection and shows its rows. A
    // failure goes to the error handler and leaves the grid as it was; returns false then.
    bool SetRecordSource(db::Connection& conn, const std::string& sql, const db::Params& params = {});
    const db::Recordset& Records() const { return model_->Records(); }

    // Editable: every column of the source's table, each row with its rowid. A
    // failure goes to the error handler; returns false then.
    bool SetTableSource(db::Connection& conn, db::TableSource source);
    bool Editable() const { return model_->Editable(); }
    const db::EditableRows& Rows() const { return model_->Rows(); }

    // Rows held; on an editable grid a new row not yet written counts.
    int RecordCount() const;

    int ColumnCount() const { return model_->columnCount(); }
    // The field name of a column of the record source.
    std::string DataField(int column) const;
    int FieldColumn(std::string_view field) const;
    void SetColumnCaption(int column, const QString& caption);
    QString ColumnCaption(int column) const;
    void SetColumnVisible(int column, bool visible);
    bool ColumnVisible(int column) const;
    void SetColumnWidthTwips(int column, int twips);
    int ColumnWidthTwips(int column) const;

    // Current cell, counted from 0; row -1 when there is none (on a read-only
    // grid, when it has no rows). On an editable grid the "*" line is row RecordCount().
    int CurrentRow() const;
    int CurrentColumn() const;
    bool OnNewRowLine() const { return Editable() && CurrentRow() == RecordCount(); }
    // Moves the cursor as the operator would: the cell is committed and a row left
    // is written. False when the row could not be written (the error event told why).
    bool SetCurrentCell(int row, int column);
    void SetCurrentColumn(int column);
    // The last row becomes current (the grid's column stays).
    bool MoveLast();

    // The current cell's text: the editor's while it is edited.
    std::string CurrentCellText() const;
    // As if typed over the cell: on the "*" line the row is added first (add new).
    void SetCurrentCellText(const std::string& text);
    bool IsEditing() const;
    // Fields of a held row by name, without events: stamps, and a value a rule puts in.
    std::string FieldText(int row, std::string_view field) const;
    void SetFieldText(int row, std::string_view field, const std::string& text, bool emptyIsText = false);

    // A new row at the "*" line, by the program: no add-new event. Returns its row.
    int AddNewRow();
    // The editor's text into the row (after column update when it changed).
    void CommitCell();
    // Commits the cell and writes every pending row. False when a write failed
    // (the error event told why); the row stays pending.
    bool WritePending();
    // Cancels the pending changes of a row; a new row goes altogether.
    void CancelRow(int row);
    bool IsNewRow(int row) const;
    // The columns the operator keys, first to last (none until set).
    void SetEditColumns(int first, int last) {
        firstEdit_ = first;
        lastEdit_ = last;
    }
    // Makes the row current and selects it whole, as a click on its header does.
    void SelectRow(int row);
    // Asks before delete, then removes the current row. False when nothing went.
    bool DeleteCurrentRow();
    // Reads the rows again (pending changes are dropped: write them first).
    bool Requery();

    // The grid takes the focus: the cell editor when a cell is being edited.
    void FocusGrid();
    bool HasFocusInside() const;
    // The focus is to leave the grid: validate, and when it is not refused the
    // cell is committed to the row. False when refused (the focus stays).
    bool ReleaseFocus();

    void SetCaption(const QString& caption);
    QString Caption() const { return caption_->text(); }
    void SetRecordCaption(const QString& caption) { recordCaption_->setText(caption); }
    // The data control's caption: "Record " + the position in sign form + "/" + the
    // record count ("Record  2/3").
    void ShowRecordPosition(int position) {
        SetRecordCaption(
            QString("Record %1%2/%3").arg(position < 0 ? "" : " ").arg(position).arg(RecordCount()));
    }
    QString RecordCaption() const { return recordCaption_->text(); }

    QTableView* View() const;
    QAbstractItemModel* Model() const { return model_; }
    // The editor of the cell being edited; nullptr otherwise.
    QWidget* Editor() const;

    // Grid events. A handler may close the screen that holds the grid.
    std::function<void(int& keyCode, Qt::KeyboardModifiers shift)> onKeyDown;
    std::function<void(int& keyAscii)> onKeyPress;
    std::function<void()> onAddNew;
    std::function<void(int column, bool& cancel)> onBeforeColUpdate;
    std::function<void(int column)> onAfterColUpdate;
    std::function<void(int lastRow, int lastColumn)> onRowColChange;
    std::function<void(bool& cancel)> onValidate;
    std::function<void(bool& cancel)> onBeforeDelete;
    // The error event: what the data source or the grid could not do.
    std::function<void(const std::string& description)> onError;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class GridView;
    friend class CellEditor;
    friend class GridSelectionModel;
    friend class CellDelegate;

    void Key(QKeyEvent* event);
    // A character through key press, then as the filter left it; a chord's own
    // character types nothing.
    void Press(int ascii, bool chord);
    // Text from a key, a paste or an input method: each character through key press.
    void TypeText(const std::u32string& characters, bool chord = false);
    void TypeCharacter(int ascii);
    void Backspace();
    void Escape();
    void MoveByTab(bool forward);
    bool OpenEditor(const QString& text);
    void CloseEditor();
    bool CellChanged() const;
    // Before column update for a changed cell being edited; false when refused.
    bool CheckEditedCell();
    // The edited cell is checked and goes into its row; false when refused.
    bool LeaveCell();
    // The gate of every move of the cursor.
    bool BeforeMove(const QModelIndex& from, const QModelIndex& to);
    bool WriteRow(int row);
    bool IsBlankNewRow(int row) const;
    void StartNewRow();
    void Error(const std::string& description);
    bool LeavesGrid(QWidget* target) const;

    QLabel* caption_;
    GridView* view_;
    QLabel* recordCaption_;
    RecordsetModel* model_;
    QPointer<CellEditor> editor_;
    int editRow_ = -1;
    int editColumn_ = -1;
    // The text before column update last let pass, while the editor stays open.
    std::optional<QString> checked_;
    int firstEdit_ = -1, lastEdit_ = -1;
    bool filterInstalled_ = false;
    bool validating_ = false;
    bool restructuring_ = false;
    std::map<int, int> widthTwips_;  // the widths the screens gave, by column
};

}  // namespace r78::ui
