#include "screens/BlockScreen.h"

#include <QCloseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/DataLayout.h"
#include "core/Loader.h"
#include "core/Navigation.h"
#include "core/Text.h"
#include "core/Values.h"
#include "platform/ui/Keys.h"
#include "validation/ValidationRun.h"
#include "validation/checks_051.h"
#include "validation/checks_211.h"

namespace r78 {

void ShowOnlyColumns(ui::BoundGrid& grid, const std::vector<GridColumn>& columns) {
    for (int c = 0; c < grid.ColumnCount(); ++c) {
        bool shown = false;
        for (const GridColumn& column : columns) {
            if (!text::EqualsNoCase(column.field, grid.DataField(c))) continue;
            grid.SetColumnCaption(c, column.caption);
            grid.SetColumnWidthTwips(c, column.width);
            shown = true;
        }
        grid.SetColumnVisible(c, shown);
    }
}

void FormatBlockErrorGrid(ui::BoundGrid& grid, int curFormIndex) {
    // The item column holds the SSS on the listing's block-6 screens.
    const bool block6 = curFormIndex >= 1 && curFormIndex <= layout::kBlockTableCount &&
                        layout::BlockTableAt(curFormIndex).Listing() &&
                        layout::BlockTableAt(curFormIndex).blockNo == 6;
    ShowOnlyColumns(grid, {
                              {"BLK", "Block\nNo", 800},
                              {"ITEM", block6 ? "SSS\nNo" : "Item\nNo", 1100},
                              {"COL", "Col\nNo", 600},
                              {"MSG1", "  Description of Error", 5500},
                              {"MSG2", "  Additional Message", 4000},
                              {"MSGTYPE", "Error\nType", 800},
                          });
    grid.SetCurrentColumn(1);
    grid.ShowRecordPosition(grid.CurrentRow() + 1);
}

std::vector<HeaderItem> HouseholdHeader(const QString& fsuCaption) {
    return {{fsuCaption, HeaderItem::Value::Fsu},
            {"SU NO:", HeaderItem::Value::Segment},
            {"SSS NO:", HeaderItem::Value::Sss},
            {"SHH NO:", HeaderItem::Value::Ssu}};
}

void HouseholdBlock(BlockParams& p, int index, const QString& blockTitle) {
    const layout::BlockTable& table = layout::BlockTableAt(index);
    p.index = index;
    p.blockNo = table.blockNo;
    p.blockTitle = blockTitle;
    if (table.schedule == 1) {
        p.scheduleHeading = "SCHEDULE 21.1:DOMESTIC TOURISM EXPENDITURE";
        p.householdCheck = [](SharedState& s) { ValHH211(s); };
    } else {
        p.scheduleHeading = "SCHEDULE 5.1:MULTIPLE INDICATOR SURVEY";
        p.householdCheck = [](SharedState& s) { ValHH051(s); };
    }
}

BlockScreen::BlockScreen(SharedState& s, const BlockParams& params)
    : QWidget(nullptr), s_(s), index_(params.index), block_(params) {
    s_.CurFormIndex = index_;
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Data Entry TQS 78th Round");

    Lbusercode = ui::BoldLabel("", this);
    Lbusercode->setObjectName("Lbusercode");
    Text3 = new ui::TextBox(this);
    Text3->setObjectName("Text3");
    Text3->setFixedWidth(70);
    Label30 = new QLabel(block_.goToLabel, this);
    Label30->setBuddy(Text3);
    DataGrid = new ui::BoundGrid(this);
    DataGrid->setObjectName("DataGrid");
    DataGrid->hide();
    DataGrid->onError = [this](const std::string& description) { s_.Messages->OkBox(description); };

    const bool listing = layout::BlockTableAt(index_).Listing();
    for (const HeaderItem& item : block_.header) {
        QLabel* value = ui::BoldLabel("", this);
        switch (item.value) {
            case HeaderItem::Value::Fsu:
                (listing ? Lbfsuno : lbfsu) = value;
                break;
            case HeaderItem::Value::Segment:
            case HeaderItem::Value::FsuSu:
                lbseg = value;
                break;
            case HeaderItem::Value::Sss:
                lbsss = value;
                break;
            case HeaderItem::Value::Ssu:
                lbssu = value;
                break;
        }
    }
    if (!block_.scheduleHeading.isEmpty()) Label21 = ui::HeadingLabel(block_.scheduleHeading, this, 1.15);
    if (!block_.blockTitle.isEmpty()) Label2 = ui::HeadingLabel(block_.blockTitle, this, 1.0);

    Text3->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { Guard([&] { Text3_KeyDown(key); }); };
}

QLayout* BlockScreen::Headings() {
    auto* headings = new QVBoxLayout;
    headings->setSpacing(2);
    if (Label21) headings->addWidget(Label21);
    if (Label2) headings->addWidget(Label2);
    if (!block_.blockLevel.isEmpty()) headings->addWidget(ui::HeadingLabel(block_.blockLevel, this));
    return headings;
}

QLayout* BlockScreen::HeaderLine() {
    auto* header = new QHBoxLayout;
    header->setSpacing(8);
    header->addWidget(ui::BoldLabel("USER CODE:", this));
    header->addWidget(Lbusercode);
    for (const HeaderItem& item : block_.header) {
        header->addSpacing(24);
        QLabel* caption = ui::BoldLabel(item.caption, this);
        header->addWidget(caption);
        switch (item.value) {
            case HeaderItem::Value::Fsu:
                header->addWidget(Lbfsuno ? Lbfsuno : lbfsu);
                break;
            case HeaderItem::Value::Segment:
            case HeaderItem::Value::FsuSu:
                LabelSegment = caption;
                header->addWidget(lbseg);
                break;
            case HeaderItem::Value::Sss:
                header->addWidget(lbsss);
                break;
            case HeaderItem::Value::Ssu:
                header->addWidget(lbssu);
                break;
        }
    }
    header->addStretch();
    return header;
}

void BlockScreen::FillHeader() {
    auto set = [](QLabel* label, const std::string& text) {
        if (label) label->setText(QString::fromStdString(text));
    };
    set(Lbusercode, s_.UserId);
    set(Lbfsuno, s_.CurFsuNo);
    set(lbfsu, s_.CurFsuNo);
    set(lbsss, s_.CurSss);
    set(lbssu, s_.CurSsu);
    for (const HeaderItem& item : block_.header) {
        if (item.value == HeaderItem::Value::Segment) set(lbseg, s_.CurSeg);
        if (item.value == HeaderItem::Value::FsuSu) set(lbseg, s_.FsuSu);
    }
}

void BlockScreen::ErrBeep(const std::string& message) { r78::ErrBeep(*s_.Messages, message); }

bool BlockScreen::PassesKeyFilter(int keyAscii) {
    switch (keyAscii) {
        case 27:
        case 8:
        case 38:
        case 40:
        case 36:
        case 35:
            return true;
        default:
            return keyAscii >= '0' && keyAscii <= '9';
    }
}

void BlockScreen::Report(const std::string& what, const std::exception& e) {
    s_.Messages->OkBox(what + "\n\n" + e.what());
}

void BlockScreen::Guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        s_.Messages->OkBox(e.what());
    }
}

void BlockScreen::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    close();
}

void BlockScreen::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    // Closed from its title bar: packet is hidden behind it, so the screen
    // leaves by its own way back, after this event is over.
    event->ignore();
    QTimer::singleShot(0, this, [this] { Guard([this] { CloseRequested(); }); });
}

bool BlockScreen::Available(int index) const {
    if (index == 0) return s_.Packet != nullptr;
    return index > 0 && index < static_cast<int>(s_.FormTable.size()) && s_.FormTable[index] != nullptr;
}

bool BlockScreen::ShowScreen(int index) {
    if (!Available(index)) {
        s_.Messages->Beep();
        return false;
    }
    // Hidden first and closed last, so that there is always a window in front
    // and the program does not take the closing for its end.
    hide();
    if (index == 0)
        s_.Packet->ReturnToGoToBlock();
    else
        s_.FormTable[index]->Show();
    Unload();
    return true;
}

bool BlockScreen::MoveOn(int index) {
    if (!Available(index)) {
        s_.Messages->Beep();
        return false;
    }
    s_.CurFormIndex = index;
    return ShowScreen(index);
}

void BlockScreen::ReturnToPacket() { ShowScreen(0); }

void BlockScreen::Text3_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    keyCode = 0;
    BeforeGoTo();
    const std::string typed = Text3->text().toStdString();
    const bool blank = text::IsBlank(typed);
    if (typed.empty() || (blank && !block_.blankGoToIsZero)) {
        Text3->setFocus();
        return;
    }
    // The box takes any character; a text that is no number names no block.
    if (!blank && !IsNumeric(typed)) {
        s_.Messages->Beep();
        Text3->setFocus();
        Text3->SelectAll();
        return;
    }
    const int target = BlockFormIndex(s_.CurSchType, blank ? 0 : ToDouble(typed));
    if (target == s_.CurFormIndex) {
        Text3->setFocus();
        return;
    }
    if (!GoToGate(target)) return;
    if (!ShowScreen(target)) {
        Text3->setFocus();
        Text3->SelectAll();
    }
}

void BlockScreen::RunBlockCheck(double blockNo, const std::string& noRecordsMessage,
                                const BlockCheck& check) {
    s_.ValBlockNo = blockNo;
    ValidationRun run(s_, ValidationRun::Kind::AsIs, false);
    const int rows = LoadTableData(s_, s_.CurFormIndex);
    if (rows < 1) {
        ErrBeep(noRecordsMessage);
        return;
    }
    run.ClearErrorRows();
    check(s_, rows);
    // Stored before it is shown, so that the list on the screen is the one in the file.
    run.Commit();
    ShowErrorList(kBlockLevelCaption);
}

void BlockScreen::RunHouseholdCheck(const HouseholdCheck& check, const QString& caption) {
    ValidationRun run(s_, ValidationRun::Kind::AsIs);
    check(s_);
    run.Commit();
    ShowErrorList(caption);
}

QHBoxLayout* BlockScreen::ButtonRow(std::initializer_list<ui::CommandButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    for (auto* b : buttons) {
        if (!b) continue;
        b->setMinimumHeight(30);
        b->setMinimumWidth(110);
        row->addWidget(b);
    }
    row->addStretch();
    row->addWidget(Label30);
    row->addWidget(Text3);
    return row;
}

void BlockScreen::Arrange(QLayout* headings, QLayout* header, QLayout* body, QLayout* buttons) {
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 10, 16, 10);
    top->setSpacing(8);
    if (headings) top->addLayout(headings);
    top->addLayout(header);
    top->addLayout(body, 1);
    top->addLayout(buttons);
}

void BlockScreen::ShowErrorList(const QString& caption) {
    if (!DataGrid->SetRecordSource(*s_.FsuConn, kBlockErrorsSql, {s_.CurFsuNo})) return;
    DataGrid->show();
    FormatBlockErrorGrid(*DataGrid, s_.CurFormIndex);
    DataGrid->SetCaption(caption);
}

}  // namespace r78
