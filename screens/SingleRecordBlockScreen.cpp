#include "screens/SingleRecordBlockScreen.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/Navigation.h"
#include "core/Text.h"
#include "core/Values.h"
#include "platform/db/Connection.h"
#include "platform/ui/Keys.h"

namespace r78 {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SingleRecordBlockScreen::SingleRecordBlockScreen(SharedState& s, SingleRecordParams params)
    : BlockScreen(s, params),
      params_(std::move(params)),
      record_(s, params_.index, params_.kind),
      blockName_(std::to_string(static_cast<long>(params_.blockNo))) {
    for (int i = 0; i < record_.BoxCount(); ++i) {
        rules_.push_back(FindRule(params_.rules, record_.BoxColumn(i).name));
        auto* box = new ui::TextBox(this);
        box->setObjectName(QString("Text1_%1").arg(i));
        box->onKeyDown = [this, i](int& key, Qt::KeyboardModifiers) {
            Guard([&] { Text1_KeyDown(i, key); });
        };
        box->onKeyPress = [this, i](int& ascii) { Guard([&] { Text1_KeyPress(i, ascii); }); };
        box->onGotFocus = [this, i] { Text1_GotFocus(i); };
        Text1.push_back(box);
    }

    const bool blocks12 = params_.kind != RecordKind::HouseholdBlock;
    CmdSave = new ui::CommandButton("&1. Save", this);
    CmdNext = new ui::CommandButton(blocks12 ? "&2. Next" : "&2. Next Blk", this);
    CmdExit = new ui::CommandButton("&3. Exit", this);
    Cmdval = new ui::CommandButton("&4. Validate Block", this);
    if (params_.householdCheck) CmdValHH = new ui::CommandButton("&5. Validate HH", this);
    if (!blocks12) CmdPrev = new ui::CommandButton("&6. Prev Blk", this);
    CmdDelete = new ui::CommandButton("&Delete", this);

    connect(CmdSave, &QPushButton::clicked, this, [this] { Guard([this] { CmdSave_Click(); }); });
    connect(CmdNext, &QPushButton::clicked, this, [this] { Guard([this] { CmdNext_Click(); }); });
    connect(CmdExit, &QPushButton::clicked, this, [this] { Guard([this] { CmdExit_Click(); }); });
    connect(Cmdval, &QPushButton::clicked, this, [this] { Guard([this] { Cmdval_Click(); }); });
    connect(CmdDelete, &QPushButton::clicked, this, [this] { Guard([this] { CmdDelete_Click(); }); });
    if (CmdValHH)
        connect(CmdValHH, &QPushButton::clicked, this, [this] { Guard([this] { CmdValHH_Click(); }); });
    if (CmdPrev)
        connect(CmdPrev, &QPushButton::clicked, this, [this] { Guard([this] { CmdPrev_Click(); }); });
}

void SingleRecordBlockScreen::Compose(QLayout* headings, QLayout* body) {
    Arrange(headings ? headings : Headings(), HeaderLine(), body,
            ButtonRow({CmdSave, CmdNext, CmdExit, Cmdval, CmdValHH, CmdPrev, CmdDelete}));
}

void SingleRecordBlockScreen::ComposeErrorsBelow(QLayout* items, QLayout* headings) {
    auto* body = new QVBoxLayout;
    body->addLayout(items);
    body->addWidget(DataGrid, 1);
    body->addStretch();
    Compose(headings, body);
}

int SingleRecordBlockScreen::BoxOf(const std::string& field) const {
    for (int i = 0; i < record_.BoxCount(); ++i)
        if (text::EqualsNoCase(record_.BoxColumn(i).name, field)) return i;
    return -1;
}

std::string SingleRecordBlockScreen::Field(const std::string& field) const {
    const int box = BoxOf(field);
    return box < 0 ? "" : Box(box);
}

int SingleRecordBlockScreen::BoxPixels(int box) const {
    const int width = std::max(1, s_.Width(index_, box + record_.FirstWidthField()));
    return Text1[box]->fontMetrics().horizontalAdvance(QString(width, '0')) + 18;
}

void SingleRecordBlockScreen::AddItem(QGridLayout* grid, int row, int column, const QString& item,
                                      const QString& label, int box) {
    if (!item.isEmpty()) grid->addWidget(new QLabel(item, this), row, column);
    grid->addWidget(ui::TextLabel(label, this), row, column + 1);
    Text1[box]->setFixedWidth(BoxPixels(box));
    grid->addWidget(Text1[box], row, column + 2, Qt::AlignLeft);
}

void SingleRecordBlockScreen::AddItemColumns(
    QGridLayout* grid, int count, int rows,
    const std::function<std::pair<QString, QString>(int box)>& itemOf) {
    for (int box = 0; box < count; ++box) {
        const auto [row, column] = ItemCell(box, rows);
        const auto [item, label] = itemOf(box);
        AddItem(grid, row, column, item, label, box);
    }
    const int columns = (count + rows - 1) / rows;
    for (int c = 1; c < columns; ++c) grid->setColumnMinimumWidth(4 * c - 1, 16);
    grid->setColumnStretch(4 * columns - 1, 1);
}

void SingleRecordBlockScreen::SetBox(int box, const std::string& text) {
    Text1.at(static_cast<size_t>(box))->setText(Q(text));
}

void SingleRecordBlockScreen::FocusBox(int box) {
    Text1[box]->SelectAll();
    Text1[box]->setFocus();
}

int SingleRecordBlockScreen::FirstEnabledBox() const {
    for (int i = 0; i <= LastBox(); ++i)
        if (Text1[i]->isEnabled()) return i;
    return -1;
}

std::string SingleRecordBlockScreen::JoinedBoxes() const {
    std::string joined;
    for (int i = 0; i <= LastBox(); ++i) joined += Box(i);
    return joined;
}

// --- Load -----------------------------------------------------------------------

void SingleRecordBlockScreen::Form_Load() {
    ui::PlaceForm(this, 0, 0, 15000, 12000);
    DataGrid->hide();
    FillHeader();
    try {
        // The flag is read from the file, not trusted from before: a row saved
        // since (or a flag left over) must not lead to a second row.
        ExistsFlag() = record_.Exists() ? 1 : 0;
        if (ExistsFlag() != 1) {
            for (auto* box : Text1) box->clear();
            Prefill(false);
        } else {
            const std::vector<std::string> texts = record_.Read();
            for (size_t k = 0; k < texts.size() && k < Text1.size(); ++k)
                SetBox(static_cast<int>(k), texts[k]);
        }
    } catch (const std::exception& e) {
        Report("Block " + blockName_ + " could not be read from the FSU's file.", e);
        loaded_ = false;
        return;
    }
    for (int i = 0; i <= LastBox(); ++i) {
        Text1[i]->setEnabled(!Locked(i));
        Text1[i]->SetTypingLimit(s_.Width(index_, i + record_.FirstWidthField()));
        if (i > 0) setTabOrder(Text1[i - 1], Text1[i]);
    }
    QWidget* previous = Text1.empty() ? nullptr : Text1.back();
    for (QWidget* w : std::initializer_list<QWidget*>{CmdSave, CmdNext, CmdExit, Cmdval, CmdValHH, CmdPrev,
                                                      CmdDelete, Text3}) {
        if (!w) continue;
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    if (const int first = FirstEnabledBox(); first >= 0) Text1[first]->setFocus();
}

// --- Boxes ----------------------------------------------------------------------

void SingleRecordBlockScreen::Text1_GotFocus(int box) {
    if (!Text1[box]->text().isEmpty()) Text1[box]->SelectAll();
}

void SingleRecordBlockScreen::Text1_KeyPress(int box, int& keyAscii) {
    if (!params_.filterKeys) return;
    if (PassesKeyFilter(keyAscii) || MayType(record_.BoxColumn(box).name, keyAscii)) return;
    ErrBeep("numeric entry please");
    // The refused key acts as a Backspace.
    Text1[box]->backspace();
    keyAscii = 0;
}

void SingleRecordBlockScreen::Text1_KeyDown(int box, int& keyCode) {
    if (keyCode == ui::kKeyUp) {
        keyCode = 0;
        for (int j = box - 1; j >= 0; --j) {
            if (!Text1[j]->isEnabled()) continue;
            FocusBox(j);
            return;
        }
        return;
    }
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    keyCode = 0;
    ui::TextBox* t = Text1[box];
    const std::string text = Box(box);
    if (DigitsCleared(box) && !text.empty() && !IsAllDigits(text)) {
        t->clear();
        t->setCursorPosition(0);
        ErrBeep(params_.digitMessage);
        t->setFocus();
        return;
    }
    const std::optional<bool> decided = BoxHook(record_.BoxColumn(box).name);
    if (decided ? !*decided : !DeclaredRule(box)) {
        t->setFocus();
        return;
    }
    if (box >= LastBox()) {
        CmdSave->setFocus();
        return;
    }
    for (int j = box + 1; j <= LastBox(); ++j) {
        if (!Text1[j]->isEnabled()) continue;
        FocusBox(j);
        return;
    }
}

bool SingleRecordBlockScreen::DeclaredRule(int box) {
    if (!rules_[box]) return true;
    const RuleResult result =
        RunRule(*rules_[box], Box(box), [this](const std::string& f) { return Field(f); });
    if (result.text != Box(box)) SetBox(box, result.text);
    if (!result.passed) ErrBeep(result.message);
    return result.passed;
}

std::optional<std::string> SingleRecordBlockScreen::DigitMessage(int box) const {
    if (DigitsCleared(box)) return params_.digitMessage;
    if (const RuleStep* digits = DigitsStep(*rules_[box])) return digits->message;
    return std::nullopt;
}

bool SingleRecordBlockScreen::BoxesHoldDigits() {
    for (int box = 0; box <= LastBox(); ++box) {
        const std::string text = Box(box);
        if (text.empty() || IsAllDigits(text) || !Text1[box]->isEnabled()) continue;
        const std::optional<std::string> message = DigitMessage(box);
        if (!message) continue;
        ErrBeep(*message);
        Text1[box]->setFocus();
        return false;
    }
    return true;
}

// --- Save and delete ------------------------------------------------------------

// The gate first, so that its messages come as they always have (the survey
// code's box among them); then the boxes' digits.
SingleRecordBlockScreen::SaveOutcome SingleRecordBlockScreen::CmdSave_Click() {
    if (!SaveGate()) return SaveOutcome::Refused;
    if (!BoxesHoldDigits()) return SaveOutcome::Failed;
    std::vector<std::string> texts;
    for (int i = 0; i <= LastBox(); ++i) texts.push_back(Box(i));
    const bool inserted = ExistsFlag() != 1;
    try {
        db::Transaction tx(*s_.FsuConn);
        if (inserted)
            record_.Insert(texts);
        else
            record_.Update(texts);
        WriteAlong();
        tx.Commit();
    } catch (const std::exception& e) {
        Report("Block " + blockName_ + " was not saved.", e);
        return SaveOutcome::Failed;
    }
    ExistsFlag() = 1;
    RecordSaved(inserted);
    Text3->setFocus();
    return SaveOutcome::Saved;
}

void SingleRecordBlockScreen::CmdDelete_Click() {
    if (ExistsFlag() != 1) {
        ErrBeep("No such Data");
        return;
    }
    if (!s_.Messages->YesNo(DeleteQuestion())) return;
    try {
        db::Transaction tx(*s_.FsuConn);
        DeleteRecord();
        WriteAlong();
        tx.Commit();
    } catch (const std::exception& e) {
        Report("Nothing was deleted.", e);
        return;
    }
    ExistsFlag() = 0;
    for (auto* box : Text1) box->clear();
    Prefill(true);
    RecordDeleted();
    if (const int box = FocusAfterDelete(); box >= 0 && box <= LastBox() && Text1[box]->isEnabled())
        Text1[box]->setFocus();
}

// --- Leaving --------------------------------------------------------------------

void SingleRecordBlockScreen::LeaveForNeighbour(int index, const std::string& direction) {
    if (ExistsFlag() == 0) {
        if (JoinedBoxes().empty()) {
            ErrBeep("Block-" + blockName_ + " is blank can't proceed to " + direction + " block");
            return;
        }
        if (s_.Messages->YesNo("Save Block-" + blockName_ + " before navigating to " + direction +
                               " block?") &&
            CmdSave_Click() == SaveOutcome::Failed)
            return;
    }
    MoveOn(index);
}

void SingleRecordBlockScreen::CmdNext_Click() {
    LeaveForNeighbour(NextFormIndex(s_.CurSchType, s_.CurFormIndex), "next");
}

void SingleRecordBlockScreen::CmdPrev_Click() {
    LeaveForNeighbour(PrevFormIndex(s_.CurSchType, s_.CurFormIndex), "previous");
}

void SingleRecordBlockScreen::CmdExit_Click() {
    if (ExistsFlag() == 0) {
        std::string joined;
        for (int i = 0; i <= LastBox(); ++i)
            if (AsksOnExit(i)) joined += Box(i);
        // A save refused by its gate still leaves; one the file or a box's digits
        // refused keeps the screen, so the entries are not lost.
        if (!joined.empty() && s_.Messages->YesNo("Save Block-" + blockName_ + " before exiting?") &&
            CmdSave_Click() == SaveOutcome::Failed)
            return;
    }
    ReturnToPacket();
}

// --- Validation -----------------------------------------------------------------

void SingleRecordBlockScreen::Cmdval_Click() {
    if (CmdSave_Click() == SaveOutcome::Failed) return;
    try {
        RunBlockCheck(params_.blockNo, params_.noRecordsMessage, params_.blockCheck);
    } catch (const std::exception& e) {
        Report("Block " + blockName_ + " was not validated.", e);
    }
}

void SingleRecordBlockScreen::CmdValHH_Click() {
    if (!params_.householdCheck || CmdSave_Click() == SaveOutcome::Failed) return;
    try {
        RunHouseholdCheck(params_.householdCheck, params_.householdCaption);
    } catch (const std::exception& e) {
        Report("The household was not validated.", e);
    }
}

}  // namespace r78
