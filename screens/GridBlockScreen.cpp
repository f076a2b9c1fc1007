#include "screens/GridBlockScreen.h"

#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "core/DataLayout.h"
#include "core/Loader.h"
#include "core/Navigation.h"
#include "core/Text.h"
#include "platform/ui/Keys.h"

namespace r78 {

GridBlockScreen::GridBlockScreen(SharedState& s, GridParams params)
    : BlockScreen(s, params), params_(std::move(params)) {
    DataGridX = new ui::BoundGrid(this);
    DataGridX->setObjectName("DataGridX");
    DataGridX->SetCaption(params_.gridCaption);
    Label6 = new QLabel("Press ESC twice before leaving blank new record marked *  in the GRID", this);
    Label6->setObjectName("Label6");

    Refresh = new ui::CommandButton("&1. Refresh", this);
    CmdNext = new ui::CommandButton(Listing() ? "&2. Next" : "&2. Next Blk", this);
    exit = new ui::CommandButton("&3. Save&&Exit", this);
    Cmdval = new ui::CommandButton("&4. Validate Block", this);
    if (params_.householdCheck) CmdValHH = new ui::CommandButton("&5. Validate HH", this);
    CmdPrev = new ui::CommandButton(Listing() ? "&6. Previous" : "&6. Prev Blk", this);

    connect(Refresh, &QPushButton::clicked, this, [this] { Guard([this] { Refresh_Click(); }); });
    connect(CmdNext, &QPushButton::clicked, this, [this] { Guard([this] { CmdNext_Click(); }); });
    connect(exit, &QPushButton::clicked, this, [this] { Guard([this] { exit_Click(); }); });
    connect(Cmdval, &QPushButton::clicked, this, [this] { Guard([this] { Cmdval_Click(); }); });
    connect(CmdPrev, &QPushButton::clicked, this, [this] { Guard([this] { CmdPrev_Click(); }); });
    if (CmdValHH)
        connect(CmdValHH, &QPushButton::clicked, this, [this] { Guard([this] { CmdValHH_Click(); }); });

    // A handler that fails swallows its key and keeps the focus in the grid.
    DataGridX->onKeyDown = [this](int& key, Qt::KeyboardModifiers shift) {
        bool done = false;
        Guard([&] {
            DataGridX_KeyDown(key);
            done = true;
        });
        if (!done) key = 0;
        if (key == ui::kKeyTab && !(shift & Qt::ShiftModifier)) MarkTabMove();
    };
    DataGridX->onKeyPress = [this](int& ascii) {
        bool done = false;
        Guard([&] {
            DataGridX_KeyPress(ascii);
            done = true;
        });
        if (!done) ascii = 0;
    };
    DataGridX->onValidate = [this](bool& cancel) {
        bool done = false;
        Guard([&] {
            DataGridX_Validate(cancel);
            done = true;
        });
        if (!done) cancel = true;
    };
    DataGridX->onBeforeColUpdate = [this](int column, bool& cancel) {
        bool done = false;
        Guard([&] {
            DataGridX_BeforeColUpdate(column, cancel);
            done = true;
        });
        if (!done) cancel = true;
    };
    DataGridX->onBeforeDelete = [this](bool& cancel) {
        bool done = false;
        Guard([&] {
            DataGridX_BeforeDelete(cancel);
            done = true;
        });
        if (!done) cancel = true;
    };
    DataGridX->onAfterColUpdate = [this](int column) { Guard([&] { DataGridX_AfterColUpdate(column); }); };
    DataGridX->onAddNew = [this] { Guard([this] { DataGridX_OnAddNew(); }); };
    DataGridX->onRowColChange = [this](int, int) { DataGridX_RowColChange(); };
    DataGridX->onError = [this](const std::string& description) { s_.Messages->OkBox(description); };
}

void GridBlockScreen::Compose(QLayout* headings) {
    auto* body = new QVBoxLayout;
    body->addWidget(DataGridX, 3);
    body->addWidget(Label6);
    body->addWidget(DataGrid, 2);
    Arrange(headings ? headings : Headings(), HeaderLine(), body,
            ButtonRow({Refresh, CmdNext, exit, Cmdval, CmdValHH, CmdPrev}));
}

// --- Load -----------------------------------------------------------------------

void GridBlockScreen::Form_Load() {
    ui::PlaceForm(this, 0, 0, 16000, 12000);
    FillHeader();
    DataGrid->hide();

    const layout::BlockTable& table = layout::BlockTableAt(index_);
    try {
        if (!s_.FsuConn) throw db::DbError("No FSU database is open");
        BeforeBind();
    } catch (const std::exception& e) {
        Report("The block could not be read from the FSU's file.", e);
        loaded_ = false;
        return;
    }
    db::TableSource source{table.name, " where fsuno = ?", {s_.CurFsuNo}};
    if (!Listing()) {
        source.selection += " and sss = ? and SSU = ?";
        source.params.insert(source.params.end(), {s_.CurSss, s_.CurSsu});
    }
    source.selection += params_.order;
    // A failure has been shown by the grid's error event.
    if (!DataGridX->SetTableSource(*s_.FsuConn, std::move(source))) {
        loaded_ = false;
        return;
    }
    ResolveFields();
    try {
        AfterBind();
    } catch (const std::exception& e) {
        Report("The block could not be read from the FSU's file.", e);
        loaded_ = false;
        return;
    }
    SetGridColumns();
    if (DataGridX->RecordCount() < 1) {
        DataGridX->AddNewRow();
        Stamp();
    } else {
        DataGridX->MoveLast();
    }
    ShowRecordCaption();

    setTabOrder(DataGridX->View(), Refresh);
    QWidget* previous = Refresh;
    for (QWidget* w : std::initializer_list<QWidget*>{CmdNext, exit, Cmdval, CmdValHH, CmdPrev, Text3}) {
        if (!w) continue;
        setTabOrder(previous, w);
        previous = w;
    }
    DataGridX->FocusGrid();
}

void GridBlockScreen::ResolveFields() {
    firstEdit_ = Column(params_.firstEditField);
    lastEdit_ = Column(params_.lastEditField);
    DataGridX->SetEditColumns(firstEdit_, lastEdit_);
    keyColumns_.clear();
    for (const std::string& field : params_.keyFields) keyColumns_.push_back(Column(field));
    rules_.assign(static_cast<size_t>(DataGridX->ColumnCount()), nullptr);
    for (int c = 0; c < DataGridX->ColumnCount(); ++c) rules_[c] = FindRule(params_.rules, FieldAt(c));
}

bool GridBlockScreen::Listing() const { return layout::BlockTableAt(index_).Listing(); }

const FieldRule* GridBlockScreen::RuleAt(int column) const {
    return column >= 0 && column < static_cast<int>(rules_.size()) ? rules_[column] : nullptr;
}

void GridBlockScreen::Stamp() {
    const int row = DataGridX->CurrentRow();
    DataGridX->SetFieldText(row, "DPC", s_.UserDpc);
    if (Listing()) {
        DataGridX->SetFieldText(row, "SCH", params_.schCode);
        DataGridX->SetFieldText(row, "FSUNO", s_.CurFsuNo);
    } else {
        DataGridX->SetFieldText(row, "FSUNO", s_.CurFsuNo);
        // A household's SU is an empty text while no segment is known, never Null.
        DataGridX->SetFieldText(row, "SU", s_.CurSeg, true);
        DataGridX->SetFieldText(row, "sss", s_.CurSss);
        DataGridX->SetFieldText(row, "SSU", s_.CurSsu);
    }
    DataGridX->SetFieldText(row, "creby", s_.UserId);
    DataGridX->SetFieldText(row, "credate", s_.TodayYmd);
}

void GridBlockScreen::SetGridColumns() {
    ShowOnlyColumns(*DataGridX, params_.columns);
    DataGridX->SetCurrentColumn(firstEdit_);
    ShowRecordCaption();
}

void GridBlockScreen::ShowRecordCaption() {
    // The "*" line holds no record yet: its position shows as 0.
    const int position = DataGridX->OnNewRowLine() ? 0 : DataGridX->CurrentRow() + 1;
    DataGridX->ShowRecordPosition(position);
}

std::string GridBlockScreen::RowField(const std::string& field) const {
    return DataGridX->FieldText(DataGridX->CurrentRow(), field);
}

void GridBlockScreen::SetRowField(const std::string& field, const std::string& text) {
    DataGridX->SetFieldText(DataGridX->CurrentRow(), field, text);
}

// --- Grid events ----------------------------------------------------------------

bool GridBlockScreen::CheckCell(int c, const std::string& t) {
    bool passed = true;
    const int width = s_.Width(index_, c + 1);
    if (text::CharCount(t) > static_cast<size_t>(width)) {
        ErrBeep(std::string("field length exceeds field size") + " field size = " + std::to_string(width));
        passed = false;
    }
    // The column's rule runs also after a width refusal: one Enter may bring two messages.
    if (c < firstEdit_ || c > lastEdit_) return false;
    const std::string field = FieldAt(c);
    if (const std::optional<bool> decided = ColumnHook(field, t)) return passed && *decided;
    const FieldRule* rule = RuleAt(c);
    if (!rule) return false;
    const RuleResult result = RunRule(*rule, t, [this](const std::string& f) { return RowField(f); });
    if (!result.passed) {
        ErrBeep(result.message);
        return false;
    }
    if (result.text != t) SetCellText(result.text);
    return passed;
}

void GridBlockScreen::DataGridX_KeyDown(int& keyCode) {
    if (keyCode == ui::kKeyReturn) {
        const int c = DataGridX->CurrentColumn();
        if (!CheckCell(c, CellText())) {
            // The cell keeps its text and the cursor.
            keyCode = 0;
            DataGridX->FocusGrid();
        } else {
            // Accepted: into the row now, so that the move after Enter does not
            // check it again. Unless the row ends here, the grid's own move
            // follows, which an update may step further.
            if (!EndsRow(c)) MarkTabMove();
            DataGridX->CommitCell();
            if (EndsRow(c)) {
                keyCode = 0;
                StepToNextRow();
            }
        }
    }
    switch (keyCode) {
        case ui::kKeyReturn:
        case ui::kKeyPageUp:
        case ui::kKeyPageDown:
        case ui::kKeyUp:
        case ui::kKeyDown:
            ShowRecordCaption();
            break;
        default:
            break;
    }
}

void GridBlockScreen::StepToNextRow() {
    // From the last row the next is the "*" line; from the "*" line there is none.
    const int next = DataGridX->CurrentRow() + 1;
    if (next <= DataGridX->RecordCount()) DataGridX->SetCurrentCell(next, firstEdit_);
    DataGridX->FocusGrid();
    ShowRecordCaption();
}

void GridBlockScreen::DataGridX_KeyPress(int& keyAscii) {
    // Enter moves on as Tab does.
    if (keyAscii == ui::kKeyReturn || keyAscii == ui::kKeyTab) {
        keyAscii = ui::kKeyTab;
        MarkTabMove();
        return;
    }
    if (!params_.filterKeys) return;
    if (PassesKeyFilter(keyAscii) || MayType(FieldAt(DataGridX->CurrentColumn()), keyAscii)) return;
    ErrBeep("numeric entry please");
    // The refused key acts as a Backspace.
    keyAscii = ui::kKeyBack;
}

void GridBlockScreen::MarkTabMove() {
    // The move follows within this key; a later commit (a click, an arrow, a
    // button, a requery) must not step the cursor.
    tabMove_ = true;
    QTimer::singleShot(0, this, [this] { tabMove_ = false; });
}

void GridBlockScreen::DataGridX_Validate(bool& cancel) {
    const int c = DataGridX->CurrentColumn();
    const int width = s_.Width(index_, c + 1);
    if (text::CharCount(CellText()) > static_cast<size_t>(width)) {
        ErrBeep(std::string("field length exceeds field size") + " field size = " + std::to_string(width));
        // The cursor stays on the cell in error, its text kept.
        cancel = true;
        return;
    }
    if (EndsRow(c) && !DataGridX->OnNewRowLine()) {
        // A row that cannot be written keeps the operator in the grid.
        if (!DataGridX->SetCurrentCell(DataGridX->CurrentRow() + 1, firstEdit_)) cancel = true;
        ShowRecordCaption();
    }
}

void GridBlockScreen::DataGridX_BeforeColUpdate(int column, bool& cancel) {
    cancel = !CheckCell(column, CellText());
}

void GridBlockScreen::DataGridX_AfterColUpdate(int column) {
    const std::string field = FieldAt(column);
    // Serial numbers are kept in two digits, so that they sort as numbers.
    if (const FieldRule* rule = RuleAt(column); rule && rule->zeroFill) {
        const std::string value = text::Trim(RowField(field));
        if (value.size() == 1) SetRowField(field, "0" + value);
    }
    ColumnUpdated(field);
    if (tabMove_) {
        // The grid's move to the next column follows: a step of 2 skips one.
        if (const int step = ColStepAfter(field); step > 1) DataGridX->SetCurrentColumn(column + step - 1);
    }
}

void GridBlockScreen::DataGridX_OnAddNew() {
    DataGridX->SetCurrentColumn(firstEdit_);
    DataGridX->FocusGrid();
    Stamp();
    ShowRecordCaption();
}

void GridBlockScreen::DataGridX_BeforeDelete(bool& cancel) {
    cancel = !s_.Messages->YesNo("Are you sure that you want to delete the record?");
}

void GridBlockScreen::DataGridX_RowColChange() {
    if (DataGridX->RecordCount() < 1 || !s_.GridEventsOn) return;
    try {
        ShowRecordCaption();
    } catch (...) {
        // The position is shown again at the next move.
    }
}

// --- Rows -------------------------------------------------------------------------

void GridBlockScreen::DropBlankGridRow() {
    if (DataGridX->RecordCount() != 1) return;
    DataGridX->CommitCell();
    bool blank = false;
    for (int c : keyColumns_)
        if (DataGridX->FieldText(0, FieldAt(c)).empty()) blank = true;
    DataGridX->SetCurrentColumn(keyColumns_.back());
    // Only a row that never reached the table goes: a stored row keeps its corrections.
    if (blank && DataGridX->IsNewRow(0)) {
        DataGridX->CancelRow(0);
        ShowRecordCaption();
    }
}

bool GridBlockScreen::SettleRows() {
    DropBlankGridRow();
    if (DataGridX->WritePending()) return true;
    // Off the button: in the grid, Esc cancels the row that was kept.
    DataGridX->FocusGrid();
    return false;
}

bool GridBlockScreen::RefreshRows() {
    if (DataGridX->RecordCount() > 0) {
        if (!DataGridX->Requery()) return false;
        if (DataGridX->RecordCount() > 0 && !DataGridX->MoveLast()) return false;
    }
    SetGridColumns();
    return true;
}

// --- Buttons ----------------------------------------------------------------------

void GridBlockScreen::Refresh_Click() {
    if (SettleRows() && RefreshRows()) DataGridX->FocusGrid();
}

bool GridBlockScreen::EmptyBlockGate() {
    if (params_.emptyBlock == GridParams::EmptyBlock::MoveOn) return true;
    if (LoadTableData(s_, index_) > 0) return true;
    if (params_.emptyBlock == GridParams::EmptyBlock::Refuse) {
        ErrBeep(params_.emptyBlockMessage);
        return false;
    }
    return s_.Messages->YesNo(params_.emptyBlockMessage);
}

void GridBlockScreen::Leave(int index) {
    // The rows are counted and the screen left only with the row in hand stored.
    if (!SettleRows() || !EmptyBlockGate()) return;
    MoveOn(index);
}

void GridBlockScreen::CmdNext_Click() { Leave(NextFormIndex(s_.CurSchType, s_.CurFormIndex)); }

void GridBlockScreen::CmdPrev_Click() { Leave(PrevFormIndex(s_.CurSchType, s_.CurFormIndex)); }

void GridBlockScreen::exit_Click() {
    if (!SettleRows()) return;
    ReturnToPacket();
}

bool GridBlockScreen::GoToGate(int) { return DataGridX->WritePending(); }

void GridBlockScreen::Cmdval_Click() {
    if (!SettleRows() || !RefreshRows()) return;
    try {
        RunBlockCheck(params_.blockNo, "block contains no records", params_.blockCheck);
    } catch (const std::exception& e) {
        Report("The block was not validated.", e);
    }
}

void GridBlockScreen::CmdValHH_Click() {
    if (!params_.householdCheck) return;
    if (!SettleRows() || !RefreshRows()) return;
    try {
        RunHouseholdCheck(params_.householdCheck, params_.householdCaption);
    } catch (const std::exception& e) {
        Report("The household was not validated.", e);
    }
}

}  // namespace r78
