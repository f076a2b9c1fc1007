#include "validation/ui/vform.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/Text.h"
#include "validation/ErrorLog.h"
#include "validation/HouseholdRun.h"
#include "validation/ValidationRun.h"
#include "validation/checks_000.h"

namespace r78 {

namespace {

QString ScheduleText(int schType) {
    switch (schType) {
        case 0:
            return "0.0";
        case 1:
            return "211";
        case 2:
            return "051";
        default:
            return {};
    }
}

QLabel* Bold(QLabel* l) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

vform::vform(SharedState& state, QWidget* parent) : QWidget(parent), s_(state) {
    setObjectName("vform");
    setWindowTitle("Validation screen");
    setAttribute(Qt::WA_DeleteOnClose);

    Label4 = Bold(new QLabel("FSU -CUM- SCHEDULE TYPE WISE VALIDATION  SCREEN", this));
    QFont big = Label4->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    Label4->setFont(big);
    Label4->setAlignment(Qt::AlignCenter);
    Label6 = Bold(new QLabel("USER ID:", this));
    Lbusercode = new QLabel(this);
    Label1 = Bold(new QLabel("SAMPLE FSU NO:", this));
    lbfsu = new QLabel("xxxxx", this);
    Label2 = Bold(new QLabel("SCH NO:", this));
    Lbsch = new QLabel("xxxxx", this);
    DataGrid2 = new ui::BoundGrid(this);
    DataGrid2->setObjectName("DataGrid2");
    DataGrid2->SetCaption("List of Error Messages detected by Data Validation Checks");
    DataGrid2->SetRecordCaption("Error Message Navigation");
    CmdVal000 = new ui::CommandButton("Validate_Sch0.0 && Cov Check", this);
    CmdVal211 = new ui::CommandButton("Validate_Sch21.1", this);
    CmdVal051 = new ui::CommandButton("Validate_Sch 5.1", this);
    CmdExit = new ui::CommandButton("E&xit", this);

    auto* line = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Label6, Lbusercode, Label1, lbfsu, Label2, Lbsch}) {
        line->addWidget(w);
        if (w == Lbusercode || w == lbfsu) line->addSpacing(40);
    }
    line->addStretch();
    auto* buttons = new QHBoxLayout;
    for (auto* b : {CmdVal000, CmdVal211, CmdVal051, CmdExit}) {
        b->setMinimumHeight(30);
        b->setMinimumWidth(170);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 12, 16, 12);
    top->addWidget(Label4);
    top->addLayout(line);
    top->addWidget(DataGrid2, 1);
    top->addLayout(buttons);

    ui::PlaceForm(this, 0, 0, 15000, 12000);
    Lbusercode->setText(QString::fromStdString(s_.UserId));
    lbfsu->setText(QString::fromStdString(s_.CurFsuNo));
    if (QString sch = ScheduleText(s_.CurSchType); !sch.isEmpty()) Lbsch->setText(sch);

    connect(CmdVal000, &QPushButton::clicked, this, &vform::CmdVal000_Click);
    connect(CmdVal211, &QPushButton::clicked, this, &vform::CmdVal211_Click);
    connect(CmdVal051, &QPushButton::clicked, this, &vform::CmdVal051_Click);
    connect(CmdExit, &QPushButton::clicked, this, &vform::CmdExit_Click);
    DataGrid2->onError = [this](const std::string& description) { s_.Messages->OkBox(description); };
}

void vform::Report(const std::exception& e) {
    s_.Messages->OkBox(std::string("The validation could not be completed.\n\n") + e.what());
}

void vform::CmdVal000_Click() {
    try {
        // The label names the run before anything of it can fail.
        Lbsch->setText("0.0");
        ValidationRun run(s_, ValidationRun::Kind::Listing);
        const ListingSummary summary = ValSch000(s_);
        run.Commit();
        if (s_.Packet) s_.Packet->ShowListingSummary(summary.entered, summary.cnt211, summary.cnt051);
        ListErrors("0.0", kBlockErrorsSql,
                   "List of Error Messages detected by Data Validation Checks Sch 0.0");
    } catch (const std::exception& e) {
        Report(e);
    }
}

void vform::HouseholdRun(int schType) {
    try {
        ValidationRun run(s_, ValidationRun::Kind::Households, false);
        const QString schedule = ScheduleText(schType);
        Lbsch->setText(schedule);
        const int households = CheckAllHouseholds(s_, run, schType);
        run.Commit();
        if (households > 0)
            ListErrors(schedule, kHouseholdErrorsSql,
                       schType == 1 ? "List of Error Messages detected by Data Validation Checks Sch 211"
                                    : "List of Error Messages detected by Data Validation Checks Sch 5.1");
    } catch (const std::exception& e) {
        Report(e);
    }
}

void vform::CmdVal211_Click() { HouseholdRun(1); }
void vform::CmdVal051_Click() { HouseholdRun(2); }

void vform::ListErrors(const QString& schedule, const std::string& sql, const QString& caption) {
    Lbsch->setText(schedule);
    if (!DataGrid2->SetRecordSource(*s_.FsuConn, sql, {s_.CurFsuNo})) return;
    DataGrid2->show();
    FormatErrorGrid();
    DataGrid2->SetCaption(caption);
}

void vform::FormatErrorGrid() {
    struct Setting {
        const char* field;
        QString caption;
        int width;
        bool household;  // hidden in the listing's run
    };
    const QString item = Lbsch->text() == "0.0" ? "Seg-SSS/\nItem No" : "Item\nNo";
    const Setting settings[] = {
        {"SEG", "Seg\nNo", 600, true},
        {"SSS", "SSS\nNo", 600, true},
        {"SSU", "SHH\nNo", 600, true},
        {"BLK", "Block\nNo", 800, false},
        {"ITEM", item, 1100, false},
        {"COL", "Col\nNo", 600, false},
        {"MSG1", "Description of Error", 5500, false},
        {"MSG2", "Additional Message", 4000, false},
        {"MSGTYPE", "Error\nType", 800, false},
    };
    for (int c = 0; c < DataGrid2->ColumnCount(); ++c) {
        const std::string field = text::ToUpper(DataGrid2->DataField(c));
        bool shown = false;
        for (const auto& setting : settings) {
            if (field != setting.field) continue;
            if (setting.household && s_.ValRunSch0) break;
            DataGrid2->SetColumnCaption(c, setting.caption);
            DataGrid2->SetColumnWidthTwips(c, setting.width);
            shown = true;
        }
        DataGrid2->SetColumnVisible(c, shown);
    }
    DataGrid2->View()->horizontalHeader()->setMinimumHeight(40);
    DataGrid2->SetCurrentColumn(1);
    DataGrid2->ShowRecordPosition(DataGrid2->CurrentRow() + 1);
}

void vform::CmdExit_Click() { close(); }

void vform::closeEvent(QCloseEvent* event) {
    event->accept();
    if (s_.Packet) s_.Packet->ReturnToGoToBlock();
}

}  // namespace r78
