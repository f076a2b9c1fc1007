#include "platform/ui/BoundGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QHash>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/db/Refusal.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Keys.h"

namespace r78::ui {

// --- Model ------------------------------------------------------------------------

void RecordsetModel::SetRecordset(db::Recordset rs) {
    beginResetModel();
    rs_ = std::move(rs);
    rows_ = db::EditableRows();
    editable_ = false;
    captions_.assign(static_cast<size_t>(rs_.FieldCount()), QString());
    for (int i = 0; i < rs_.FieldCount(); ++i) captions_[i] = QString::fromStdString(rs_.FieldName(i));
    endResetModel();
}

void RecordsetModel::SetRows(db::EditableRows rows) {
    const bool sameFields = editable_ && rows.FieldCount() == rows_.FieldCount();
    beginResetModel();
    rows_ = std::move(rows);
    rs_ = db::Recordset();
    editable_ = true;
    // A requery keeps the captions the screen gave its columns.
    if (!sameFields) {
        captions_.assign(static_cast<size_t>(rows_.FieldCount()), QString());
        for (int i = 0; i < rows_.FieldCount(); ++i)
            captions_[i] = QString::fromStdString(rows_.FieldName(i));
    }
    endResetModel();
}

void RecordsetModel::SetCaption(int column, const QString& caption) {
    if (column < 0 || column >= static_cast<int>(captions_.size())) return;
    captions_[column] = caption;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int RecordsetModel::AddNewRow() {
    const int row = NewRowLine();
    beginInsertRows(QModelIndex(), row + 1, row + 1);
    rows_.AddNew();
    endInsertRows();
    emit headerDataChanged(Qt::Vertical, row, row + 1);
    return row;
}

void RecordsetModel::SetCellText(int row, int column, const QString& text, bool emptyIsText) {
    rows_.SetField(row, column,
                   text.isEmpty() && !emptyIsText ? db::Value::Null() : db::Value(text.toStdString()));
    emit dataChanged(index(row, column), index(row, column));
    emit headerDataChanged(Qt::Vertical, row, row);
}

void RecordsetModel::WriteRow(int row) {
    rows_.Write(row);
    emit headerDataChanged(Qt::Vertical, row, row);
}

void RecordsetModel::DeleteRow(int row) {
    rows_.DeleteFromTable(row);
    beginRemoveRows(QModelIndex(), row, row);
    rows_.Forget(row);
    endRemoveRows();
}

bool RecordsetModel::CancelRow(int row) {
    if (rows_.IsNew(row)) {
        beginRemoveRows(QModelIndex(), row, row);
        rows_.Cancel(row);
        endRemoveRows();
        return true;
    }
    rows_.Cancel(row);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
    return false;
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return editable_ ? static_cast<int>(rows_.RecordCount()) + 1 : static_cast<int>(rs_.RecordCount());
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FieldCount();
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    if (!editable_) return QString::fromStdString(rs_.Row(index.row())[index.column()].Text());
    if (index.row() == NewRowLine()) return QString();
    return QString::fromStdString(rows_.Field(index.row(), index.column()).Text());
}

bool RecordsetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!editable_ || role != Qt::EditRole || !index.isValid() || index.row() >= NewRowLine()) return false;
    SetCellText(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags RecordsetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editable_ && index.row() < NewRowLine()) f |= Qt::ItemIsEditable;
    return f;
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) {
        if (!editable_ || section < 0 || section > NewRowLine()) return section + 1;
        if (section == NewRowLine()) return QStringLiteral("*");
        // A row the table does not hold as shown yet.
        return rows_.IsPending(section) ? QVariant(QStringLiteral("\u270E")) : QVariant(section + 1);
    }
    return section >= 0 && section < static_cast<int>(captions_.size()) ? QVariant(captions_[section])
                                                                        : QVariant();
}

// --- The grid's parts -------------------------------------------------------------

// The cell editor: every key goes to the grid first, Tab included, and so does
// every text it would insert (a paste, an input method's), so that no character
// reaches a cell past the key filter.
class CellEditor : public TypedLineEdit {
public:
    CellEditor(BoundGrid* grid, QWidget* parent) : TypedLineEdit(parent), grid_(grid) { setFrame(false); }
    void BaseKey(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                grid_->Key(key);
                return true;
            }
        }
        return QLineEdit::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override { grid_->Key(event); }
    void TypeCharacters(const std::u32string& characters) override { grid_->TypeText(characters); }

private:
    BoundGrid* grid_;
};

// Makes the grid's editors and leaves keys and focus to the grid: it commits
// nothing on its own.
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(BoundGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
        return new CellEditor(grid_, parent);
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        static_cast<CellEditor*>(editor)->setText(index.data(Qt::EditRole).toString());
    }
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    bool eventFilter(QObject*, QEvent*) override { return false; }

private:
    BoundGrid* grid_;
};

// Every move of the cursor, by key, mouse or program, passes the grid's gate.
// On an editable grid the highlight (and with it the bold row number) goes
// only where the cursor is or is going: a click whose move was refused selects
// nothing, so the row kept is the row shown.
class GridSelectionModel : public QItemSelectionModel {
public:
    GridSelectionModel(QAbstractItemModel* model, BoundGrid* grid)
        : QItemSelectionModel(model, grid), grid_(grid) {}
    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
        // The gate may drop the row left, which moves the target up with the rows below it.
        const QPersistentModelIndex to = index;
        if (grid_->Editable() && !grid_->BeforeMove(currentIndex(), index)) return;
        const QPersistentModelIndex was = target_;
        target_ = to;
        QItemSelectionModel::setCurrentIndex(to, command);
        target_ = was;
    }
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override {
        if (grid_->Editable() && (command & QItemSelectionModel::Select) && !Reaches(selection, command))
            return;
        QItemSelectionModel::select(selection, command);
    }
    using QItemSelectionModel::select;

private:
    // The selection holds the cursor's cell, or its row when whole rows are selected.
    bool Reaches(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) const {
        const QModelIndex cursor = target_.isValid() ? QModelIndex(target_) : currentIndex();
        if (!(command & QItemSelectionModel::Rows)) return selection.contains(cursor);
        for (const QItemSelectionRange& range : selection)
            if (range.top() <= cursor.row() && cursor.row() <= range.bottom()) return true;
        return false;
    }

    BoundGrid* grid_;
    QPersistentModelIndex target_;  // where a move that passed the gate is going
};

class GridView : public QTableView {
public:
    GridView(BoundGrid* grid) : QTableView(grid), grid_(grid) {}
    using QTableView::edit;

    void BaseKey(QKeyEvent* event) { QTableView::keyPressEvent(event); }
    bool Open(const QModelIndex& index) {
        opening_ = true;
        const bool opened = edit(index, QAbstractItemView::AllEditTriggers, nullptr);
        opening_ = false;
        return opened;
    }
    void Close(QWidget* editor) { closeEditor(editor, QAbstractItemDelegate::NoHint); }
    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    // The width the column's widest value needs. The widest text is found by the
    // advances of its characters, each measured once, and the delegate sizes that
    // one cell: sizing every cell through the delegate, or shaping every text,
    // costs tens of milliseconds on a grid of 63 columns and 99 rows.
    int ContentWidth(int column) const {
        const QFontMetrics metrics(font());
        QHash<QChar, int> advances;
        QModelIndex widest;
        int widestText = -1;
        for (int row = 0; row < model()->rowCount(); ++row) {
            const QModelIndex index = model()->index(row, column);
            int w = 0;
            for (const QChar ch : index.data().toString()) {
                auto it = advances.constFind(ch);
                if (it == advances.constEnd()) it = advances.insert(ch, metrics.horizontalAdvance(ch));
                w += *it;
            }
            if (w > widestText) {
                widestText = w;
                widest = index;
            }
        }
        if (!widest.isValid()) return 0;
        return sizeHintForIndex(widest).width() + (showGrid() ? 1 : 0);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!grid_->Editable()) {
            QTableView::keyPressEvent(event);
            return;
        }
        // Keys sent to the view while a cell is edited belong to the editor.
        grid_->Key(event);
        event->accept();
    }
    // An input method's text on a cell not being edited is typed there, as a key
    // typing it would be; it searches no row.
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!grid_->Editable()) {
            QTableView::inputMethodEvent(event);
            return;
        }
        event->accept();
        grid_->TypeText(CommittedCharacters(*event));
    }
    // Only the grid opens editors, so that the "*" line is never edited before
    // its row exists.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        if (grid_->Editable() && !opening_) return false;
        return QTableView::edit(index, trigger, event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QTableView::mouseDoubleClickEvent(event);
        if (!grid_->Editable() || grid_->IsEditing() || grid_->OnNewRowLine()) return;
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid() && index == currentIndex())
            grid_->OpenEditor(QString::fromStdString(grid_->CurrentCellText()));
    }

private:
    BoundGrid* grid_;
    bool opening_ = false;
};

// --- The grid -----------------------------------------------------------------------

namespace {

// The characters a key types, as the key press event sees them: Enter 13, Esc 27,
// Backspace 8, else the characters it types.
std::u32string CharactersOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return U"\r";
        case Qt::Key_Escape:
            return U"\x1b";
        case Qt::Key_Backspace:
            return U"\b";
        default:
            return TypedCharacters(event);
    }
}

// Marks the time in which the grid itself adds, removes or re-reads rows.
class Restructuring {
public:
    explicit Restructuring(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Restructuring() { flag_ = was_; }
    Restructuring(const Restructuring&) = delete;
    Restructuring& operator=(const Restructuring&) = delete;

private:
    bool& flag_;
    bool was_;
};

bool MovesRow(int key) {
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

bool MovesCell(int key) {
    return MovesRow(key) || key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Home ||
           key == Qt::Key_End;
}

}  // namespace

BoundGrid::BoundGrid(QWidget* parent) : QWidget(parent) {
    caption_ = new QLabel(this);
    QFont f = caption_->font();
    f.setBold(true);
    caption_->setFont(f);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->hide();
    view_ = new GridView(this);
    model_ = new RecordsetModel(this);
    view_->setModel(model_);
    QItemSelectionModel* plain = view_->selectionModel();
    view_->setSelectionModel(new GridSelectionModel(model_, this));
    delete plain;
    view_->setItemDelegate(new CellDelegate(this));
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view_->verticalHeader()->setDefaultSectionSize(22);
    recordCaption_ = new QLabel(this);
    recordCaption_->setFrameShape(QFrame::Panel);
    recordCaption_->setFrameShadow(QFrame::Sunken);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(caption_);
    layout->addWidget(view_, 1);
    layout->addWidget(recordCaption_);

    connect(view_->verticalHeader(), &QHeaderView::sectionClicked, this, [this](int row) {
        if (Editable()) SelectRow(row);
    });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex&, const QModelIndex& previous) {
                if (onRowColChange) onRowColChange(previous.row(), previous.column());
            });
}

BoundGrid::~BoundGrid() {
    if (filterInstalled_) qApp->removeEventFilter(this);
}

QTableView* BoundGrid::View() const { return view_; }

QWidget* BoundGrid::Editor() const { return IsEditing() ? editor_.data() : nullptr; }

void BoundGrid::SetCaption(const QString& caption) {
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
}

void BoundGrid::Error(const std::string& description) {
    if (onError) onError(description);
}

bool BoundGrid::SetRecordSource(db::Connection& conn, const std::string& sql, const db::Params& params) {
    db::Recordset rs;
    try {
        rs = conn.Query(sql, params);
    } catch (const std::exception& e) {
        Error(e.what());
        return false;
    }
    CloseEditor();
    model_->SetRecordset(std::move(rs));
    for (int c = 0; c < ColumnCount(); ++c) view_->setColumnHidden(c, false);
    if (RecordCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
    return true;
}

bool BoundGrid::SetTableSource(db::Connection& conn, db::TableSource source) {
    db::EditableRows rows;
    try {
        rows = db::EditableRows::Open(conn, std::move(source));
    } catch (const std::exception& e) {
        Error(e.what());
        return false;
    }
    CloseEditor();
    {
        Restructuring guard(restructuring_);
        model_->SetRows(std::move(rows));
    }
    for (int c = 0; c < ColumnCount(); ++c) view_->setColumnHidden(c, false);
    view_->setCurrentIndex(model_->index(0, 0));
    if (!filterInstalled_) {
        qApp->installEventFilter(this);
        filterInstalled_ = true;
    }
    return true;
}

int BoundGrid::RecordCount() const {
    return Editable() ? static_cast<int>(model_->Rows().RecordCount())
                      : static_cast<int>(model_->Records().RecordCount());
}

std::string BoundGrid::DataField(int column) const {
    if (column < 0 || column >= ColumnCount()) return std::string();
    return Editable() ? model_->Rows().FieldName(column) : model_->Records().FieldName(column);
}

int BoundGrid::FieldColumn(std::string_view field) const {
    return Editable() ? model_->Rows().FieldIndex(field) : model_->Records().FieldIndex(field);
}

void BoundGrid::SetColumnCaption(int column, const QString& caption) { model_->SetCaption(column, caption); }

QString BoundGrid::ColumnCaption(int column) const {
    return model_->headerData(column, Qt::Horizontal).toString();
}

void BoundGrid::SetColumnVisible(int column, bool visible) { view_->setColumnHidden(column, !visible); }

bool BoundGrid::ColumnVisible(int column) const { return !view_->isColumnHidden(column); }

void BoundGrid::SetColumnWidthTwips(int column, int twips) {
    widthTwips_[column] = twips;
    // The width is the screen's, but a column never shows less than its widest
    // value or caption line: this program's font is larger than the one the
    // widths were chosen for, and a cut "B 6-211" tells the operator nothing.
    const int fit = std::max(view_->ContentWidth(column), view_->horizontalHeader()->sectionSizeHint(column));
    view_->setColumnWidth(column, std::max(TwipsToPixels(twips), fit));
}

int BoundGrid::ColumnWidthTwips(int column) const {
    auto it = widthTwips_.find(column);
    return it != widthTwips_.end() ? it->second : view_->columnWidth(column) * 15;
}

int BoundGrid::CurrentRow() const {
    if (Editable()) return view_->currentIndex().isValid() ? view_->currentIndex().row() : -1;
    return RecordCount() == 0 ? -1 : std::max(0, view_->currentIndex().row());
}

int BoundGrid::CurrentColumn() const { return view_->currentIndex().column(); }

bool BoundGrid::SetCurrentCell(int row, int column) {
    // The move may drop the blank new row it leaves, and the target moves up with
    // the rows below it: a move that lands there has succeeded.
    const QPersistentModelIndex target = model_->index(row, column);
    if (!target.isValid()) return false;
    view_->setCurrentIndex(target);
    if (!target.isValid() || view_->currentIndex() != target) return false;
    view_->scrollTo(target);
    return true;
}

void BoundGrid::SetCurrentColumn(int column) {
    if (column < 0 || column >= ColumnCount()) return;
    if (!Editable() && RecordCount() == 0) return;
    SetCurrentCell(std::max(0, view_->currentIndex().row()), column);
}

bool BoundGrid::MoveLast() {
    if (RecordCount() == 0) return true;
    return SetCurrentCell(RecordCount() - 1, std::max(0, CurrentColumn()));
}

bool BoundGrid::IsEditing() const { return editor_ && view_->Editing(); }

std::string BoundGrid::CurrentCellText() const {
    if (IsEditing()) return editor_->text().toStdString();
    const QModelIndex index = view_->currentIndex();
    return index.isValid() ? index.data(Qt::EditRole).toString().toStdString() : std::string();
}

void BoundGrid::SetCurrentCellText(const std::string& text) {
    if (!Editable()) return;
    if (!IsEditing()) {
        QPointer<BoundGrid> self(this);
        if (OnNewRowLine()) {
            StartNewRow();
            if (!self) return;
        }
        if (!OpenEditor(QString())) return;
    }
    editor_->setText(QString::fromStdString(text));
}

std::string BoundGrid::FieldText(int row, std::string_view field) const {
    const int column = FieldColumn(field);
    if (!Editable() || column < 0 || row < 0 || row >= RecordCount()) return std::string();
    return model_->Rows().Field(row, column).Text();
}

void BoundGrid::SetFieldText(int row, std::string_view field, const std::string& text, bool emptyIsText) {
    const int column = FieldColumn(field);
    if (!Editable() || column < 0 || row < 0 || row >= RecordCount())
        throw db::DbError("Item cannot be found: no field named \"" + std::string(field) + "\" in row " +
                          std::to_string(row));
    if (IsEditing() && editRow_ == row && editColumn_ == column)
        editor_->setText(QString::fromStdString(text));
    model_->SetCellText(row, column, QString::fromStdString(text), emptyIsText);
}

bool BoundGrid::IsNewRow(int row) const {
    return Editable() && row >= 0 && row < RecordCount() && model_->Rows().IsNew(row);
}

int BoundGrid::AddNewRow() {
    if (!Editable()) return -1;
    CommitCell();
    const int column = std::max(0, CurrentColumn());
    if (!OnNewRowLine() && !SetCurrentCell(RecordCount(), column)) return -1;
    Restructuring guard(restructuring_);
    return model_->AddNewRow();
}

void BoundGrid::StartNewRow() {
    {
        Restructuring guard(restructuring_);
        model_->AddNewRow();
    }
    if (onAddNew) onAddNew();
}

bool BoundGrid::OpenEditor(const QString& text) {
    const QModelIndex index = view_->currentIndex();
    if (!index.isValid() || index.row() >= RecordCount()) return false;
    if (!view_->Open(index)) return false;
    editor_ = static_cast<CellEditor*>(view_->indexWidget(index));
    if (!editor_) return false;
    editRow_ = index.row();
    editColumn_ = index.column();
    checked_.reset();
    editor_->setText(text);
    editor_->setFocus();
    return true;
}

void BoundGrid::CloseEditor() {
    if (!editor_) return;
    CellEditor* editor = editor_;
    editor_ = nullptr;
    checked_.reset();
    // The keys go on to the grid, also in a window that is not active at the
    // moment (as after a message box, on some desktops).
    const bool keys = editor->hasFocus() || window()->focusWidget() == editor;
    if (view_->Editing()) view_->Close(editor);
    if (keys) view_->setFocus();
}

bool BoundGrid::CellChanged() const {
    if (!IsEditing() || editRow_ < 0 || editRow_ >= RecordCount()) return false;
    return QString::fromStdString(model_->Rows().Field(editRow_, editColumn_).Text()) != editor_->text();
}

void BoundGrid::CommitCell() {
    if (!IsEditing()) {
        editor_ = nullptr;
        return;
    }
    const bool changed = CellChanged();
    const QString text = editor_->text();
    const int row = editRow_, column = editColumn_;
    CloseEditor();
    if (!changed) return;
    model_->SetCellText(row, column, text);
    if (onAfterColUpdate) onAfterColUpdate(column);
}

bool BoundGrid::CheckEditedCell() {
    if (!onBeforeColUpdate || !CellChanged() || checked_ == editor_->text()) return true;
    QPointer<BoundGrid> self(this);
    bool cancel = false;
    onBeforeColUpdate(editColumn_, cancel);
    if (!self) return false;
    if (cancel) {
        FocusGrid();
        return false;
    }
    // The handler may have put another text in; that is the one it passed.
    if (IsEditing()) checked_ = editor_->text();
    return true;
}

bool BoundGrid::LeaveCell() {
    if (!CheckEditedCell()) return false;
    CommitCell();
    return true;
}

bool BoundGrid::IsBlankNewRow(int row) const {
    if (firstEdit_ < 0 || lastEdit_ < firstEdit_ || lastEdit_ >= ColumnCount() || !IsNewRow(row))
        return false;
    for (int column = firstEdit_; column <= lastEdit_; ++column)
        if (!model_->Rows().Field(row, column).Text().empty()) return false;
    return true;
}

bool BoundGrid::WriteRow(int row) {
    if (row < 0 || row >= RecordCount() || !model_->Rows().IsPending(row)) return true;
    // A new row the operator keyed nothing into is no row of the block, whatever
    // the program stamped on it: it goes, and the rows count one less.
    if (IsBlankNewRow(row)) {
        const int column = std::max(0, CurrentColumn());
        {
            Restructuring guard(restructuring_);
            model_->CancelRow(row);
        }
        if (onRowColChange) onRowColChange(row, column);
        return true;
    }
    try {
        model_->WriteRow(row);
    } catch (const std::exception& e) {
        // The operator reads what was refused in the program's words, then the database's.
        const std::string words = db::RefusalInWords(e.what());
        Error("The row was not written to " + model_->Rows().Table() +
              (words.empty() ? "." : ": " + words + ".") + "\n\n" + e.what());
        return false;
    }
    return true;
}

bool BoundGrid::WritePending() {
    if (!Editable()) return true;
    CommitCell();
    for (int row = 0; row < RecordCount(); ++row) {
        const int held = RecordCount();
        if (!WriteRow(row)) return false;
        if (RecordCount() < held) --row;  // a blank new row went: the next took its place
    }
    return true;
}

void BoundGrid::CancelRow(int row) {
    if (!Editable() || row < 0 || row >= RecordCount()) return;
    if (IsEditing() && editRow_ == row) CloseEditor();
    const int column = std::max(0, CurrentColumn());
    bool gone = false;
    {
        Restructuring guard(restructuring_);
        gone = model_->CancelRow(row);
    }
    // A new row that goes leaves the cursor on the "*" line that takes its place.
    if (gone) {
        SetCurrentCell(std::min(row, RecordCount()), column);
        if (onRowColChange) onRowColChange(row, column);
    }
}

void BoundGrid::SelectRow(int row) {
    if (!Editable() || row < 0 || row >= RecordCount()) return;
    if (!SetCurrentCell(row, std::max(0, CurrentColumn()))) return;
    view_->selectionModel()->select(model_->index(CurrentRow(), 0),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

bool BoundGrid::DeleteCurrentRow() {
    const int row = CurrentRow();
    if (!Editable() || row < 0 || row >= RecordCount()) return false;
    if (IsEditing()) CloseEditor();
    bool cancel = false;
    if (onBeforeDelete) onBeforeDelete(cancel);
    if (cancel) return false;
    const int column = std::max(0, CurrentColumn());
    try {
        Restructuring guard(restructuring_);
        model_->DeleteRow(row);
    } catch (const std::exception& e) {
        Error("The row was not deleted from " + model_->Rows().Table() + ":\n" + e.what());
        return false;
    }
    SetCurrentCell(std::min(row, RecordCount()), column);
    // The rows counted less, whether or not the cursor moved.
    if (onRowColChange) onRowColChange(row, column);
    return true;
}

bool BoundGrid::Requery() {
    if (!Editable()) return false;
    CloseEditor();
    db::EditableRows rows;
    try {
        rows = model_->Rows().Reread();
    } catch (const std::exception& e) {
        Error(e.what());
        return false;
    }
    const int column = std::max(0, CurrentColumn());
    {
        Restructuring guard(restructuring_);
        model_->SetRows(std::move(rows));
    }
    SetCurrentCell(0, column);
    return true;
}

void BoundGrid::FocusGrid() {
    if (IsEditing())
        editor_->setFocus();
    else
        view_->setFocus();
}

bool BoundGrid::HasFocusInside() const {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == view_ || view_->isAncestorOf(focus));
}

bool BoundGrid::ReleaseFocus() {
    if (!Editable() || validating_) return true;
    if (RecordCount() >= 1) {
        bool cancel = false;
        QPointer<BoundGrid> self(this);
        validating_ = true;
        try {
            // The cell is checked as any leave checks it; validate then sees it still in its editor.
            if (!CheckEditedCell())
                cancel = true;
            else if (self && onValidate)
                onValidate(cancel);
        } catch (...) {
            if (self) validating_ = false;
            throw;
        }
        if (!self) return true;
        validating_ = false;
        if (cancel) {
            FocusGrid();
            return false;
        }
    }
    CommitCell();
    return true;
}

// --- Moves and keys ----------------------------------------------------------------

bool BoundGrid::BeforeMove(const QModelIndex& from, const QModelIndex& to) {
    // The view moves the cursor off rows that the grid itself is taking away.
    if (from == to || restructuring_) return true;
    if (!LeaveCell()) return false;
    if (from.isValid() && to.isValid() && from.row() != to.row()) return WriteRow(from.row());
    return true;
}

void BoundGrid::Key(QKeyEvent* event) {
    QPointer<BoundGrid> self(this);
    int code = KeyCodeOf(*event);
    if (code != 0 && onKeyDown) {
        onKeyDown(code, event->modifiers());
        if (!self || code == 0) return;
    }
    const int key = event->key();
    const std::u32string typed = CharactersOf(*event);
    if (!typed.empty()) {
        TypeText(typed, IsAltChord(*event));
    } else if (key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier)) {
        MoveByTab(true);
    } else if (key == Qt::Key_Backtab || key == Qt::Key_Tab) {
        MoveByTab(false);
    } else if (event->matches(QKeySequence::Paste)) {
        TypeText(PastedCharacters(QGuiApplication::clipboard()->text()));
    } else if (IsEditing() && !MovesRow(key)) {
        editor_->BaseKey(event);
    } else if (MovesCell(key)) {
        if (!LeaveCell()) return;
        view_->BaseKey(event);
    } else if (key == Qt::Key_Delete && view_->selectionModel()->isRowSelected(CurrentRow(), QModelIndex())) {
        DeleteCurrentRow();
    }
}

void BoundGrid::Press(int ascii, bool chord) {
    if (onKeyPress) {
        QPointer<BoundGrid> self(this);
        onKeyPress(ascii);
        if (!self || ascii == 0) return;
    }
    if (ascii == 9 || ascii == 13) {
        MoveByTab(true);
    } else if (ascii == 27) {
        Escape();
    } else if (ascii == 8) {
        Backspace();
    } else if (!chord) {
        TypeCharacter(ascii);
    }
}

void BoundGrid::TypeText(const std::u32string& characters, bool chord) {
    if (!Editable()) return;
    QPointer<BoundGrid> self(this);
    for (char32_t c : characters) {
        Press(static_cast<int>(c), chord);
        if (!self) return;
    }
}

void BoundGrid::TypeCharacter(int ascii) {
    if (!IsEditing()) {
        if (OnNewRowLine()) {
            QPointer<BoundGrid> self(this);
            StartNewRow();
            if (!self) return;
        }
        // A character typed over a cell replaces its text.
        if (!OpenEditor(QString())) return;
    }
    const char32_t c = static_cast<char32_t>(ascii);
    editor_->insert(QString::fromUcs4(&c, 1));
}

void BoundGrid::Backspace() {
    if (!IsEditing()) {
        if (OnNewRowLine() || !OpenEditor(QString::fromStdString(CurrentCellText()))) return;
        editor_->end(false);
    }
    editor_->backspace();
}

void BoundGrid::Escape() {
    if (IsEditing()) {
        CloseEditor();
        return;
    }
    const int row = CurrentRow();
    if (row >= 0 && row < RecordCount() && model_->Rows().IsPending(row)) CancelRow(row);
}

void BoundGrid::MoveByTab(bool forward) {
    QPointer<BoundGrid> self(this);
    // The cell goes into the row first: its update may move the cursor on.
    if (!LeaveCell() || !self) return;
    const int row = CurrentRow();
    int column = CurrentColumn();
    if (row < 0) return;
    const int step = forward ? 1 : -1;
    for (column += step; column >= 0 && column < ColumnCount(); column += step)
        if (ColumnVisible(column)) {
            SetCurrentCell(row, column);
            return;
        }
    // Past the row's last shown column: the next row's first (the previous row's last).
    const int next = row + step;
    if (next < 0 || next > model_->NewRowLine()) return;
    for (column = forward ? 0 : ColumnCount() - 1; column >= 0 && column < ColumnCount(); column += step)
        if (ColumnVisible(column)) {
            SetCurrentCell(next, column);
            return;
        }
}

// --- Leaving the grid --------------------------------------------------------------

// The control that a click at this widget would give the focus to lies
// outside the grid (the way the application gives focus on a click).
bool BoundGrid::LeavesGrid(QWidget* target) const {
    for (QWidget* w = target; w; w = w->parentWidget()) {
        if (w == view_ || view_->isAncestorOf(w)) return false;
        if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) return true;
        if (w->isWindow()) break;
    }
    return false;
}

// Clicks are seen as they reach the window, before any control takes the
// focus, so that a refused leave swallows the click whole; access keys are seen
// before the control acts on them.
bool BoundGrid::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::Shortcut)
        return false;
    if (!Editable() || validating_ || !isVisible() || !HasFocusInside()) return false;
    QWidget* target = nullptr;
    if (type == QEvent::Shortcut) {
        target = qobject_cast<QWidget*>(watched);
        if (!target || target->window() != window() || target == view_ || view_->isAncestorOf(target))
            return false;
    } else {
        auto* handle = qobject_cast<QWindow*>(watched);
        if (!handle || handle != window()->windowHandle()) return false;
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        target = window()->childAt(at);
        if (!LeavesGrid(target)) return false;
    }
    if (ReleaseFocus()) return false;
    event->accept();
    return true;
}

}  // namespace r78::ui
