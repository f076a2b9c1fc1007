#include "control/ui/packet.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <filesystem>

#include "control/FsuRegistration.h"
#include "control/HouseholdSearch.h"
#include "control/ui/idchange.h"
#include "core/HouseholdCounts.h"
#include "core/ListingSummary.h"
#include "core/Navigation.h"
#include "core/Startup.h"
#include "core/Text.h"
#include "core/Values.h"
#include "platform/ui/Keys.h"
#include "validation/Freeze.h"
#include "validation/ui/vform.h"

namespace r78 {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QLabel* MakeLabel(const QString& text, QWidget* parent, bool bold = false) {
    auto* l = new QLabel(text, parent);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// A box that selects its whole text when it gets the focus.
ui::TextBox* MakeBox(QWidget* parent, const char* name, int typingLimit, int width) {
    auto* box = new ui::TextBox(parent);
    box->setObjectName(name);
    if (typingLimit > 0) box->SetTypingLimit(typingLimit);
    box->setFixedWidth(width);
    return box;
}

}  // namespace

void ScheduleList::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown) {
        QPointer<ScheduleList> self(this);
        onKeyDown(ui::KeyCodeOf(*event));
        if (!self) return;
        if (ui::KeyCodeOf(*event) == ui::kKeyReturn) return;
    }
    QListWidget::keyPressEvent(event);
}

packet::packet(SharedState& state, QWidget* parent) : QWidget(parent), s_(state) {
    setObjectName("packet");
    setWindowTitle("Data Entry TQS 78th Round");
    setAttribute(Qt::WA_DeleteOnClose);

    Label2 = MakeLabel("DATA ENTRY MODULE TQS 78TH ROUND FOR QAM", this, true);
    QFont big = Label2->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    Label2->setFont(big);
    Label2->setAlignment(Qt::AlignCenter);
    Label8 = MakeLabel("VERSION 1.0", this);
    Label8->setAlignment(Qt::AlignCenter);
    Label4 = MakeLabel("OFFICIAL  CODE:", this, true);
    Lbusercode = MakeLabel("", this, true);

    Label24 = MakeLabel("SCHEDULE  ENTRY OPTION", this, true);
    List1 = new ScheduleList(this);
    List1->setObjectName("List1");

    Label1 = MakeLabel("FSUNO:", this, true);
    Text1 = MakeBox(this, "Text1", 0, 90);
    Lbfsunoreg = MakeLabel("SAMPLE BLK SRLNO NOT YET REGISTERED:", this, true);
    Label26 = MakeLabel("SCH 0.0 ENTERED?:", this);
    Label27 = MakeLabel("", this, true);
    Label14 = MakeLabel("HHS ENTERED:", this);
    Label15 = MakeLabel("Sch 21.1 :", this);
    Lb211 = MakeLabel("", this, true);
    Label6 = MakeLabel("Sch 5.1 :", this);
    Lb051 = MakeLabel("", this, true);
    Label38 = MakeLabel("SSS:", this, true);
    Text4 = MakeBox(this, "Text4", 1, 50);
    Label39 = MakeLabel("SHHNO:", this, true);
    Text5 = MakeBox(this, "Text5", 2, 50);
    Label30 = MakeLabel("Go to Block:", this, true);
    Text3 = MakeBox(this, "Text3", 3, 70);

    Label34 = MakeLabel("Search HH Entry:", this, true);
    Label35 = MakeLabel("Segment:", this);
    KeySEG = MakeBox(this, "KeySEG", 4, 50);
    Label33 = MakeLabel("SSS:", this);
    keySSS = MakeBox(this, "keySSS", 5, 50);
    Label36 = MakeLabel("SHHNO:", this);
    keySSU = MakeBox(this, "keySSU", 0, 50);
    CmdFind = new ui::CommandButton("&Find", this);
    ShowHhld = new ui::CommandButton("&ShowAll Households Entered", this);
    EndShow = new ui::CommandButton("&EndShow", this);
    DataGridP = new ui::BoundGrid(this);
    DataGridP->setObjectName("DataGridP");

    CmdIdRep = new ui::CommandButton("&ID Change", this);
    Cmdval = new ui::CommandButton("&Validate", this);
    CmdUpload = new ui::CommandButton("&Freez data", this);
    CmdExit = new ui::CommandButton("E&xit", this);
    for (auto* b : {CmdFind, ShowHhld, EndShow, CmdIdRep, Cmdval, CmdUpload, CmdExit})
        b->setMinimumHeight(30);

    // Layout: the schedule list on the left, registration and household in the
    // middle, the household search on the right, the actions along the bottom.
    auto* header = new QGridLayout;
    header->addWidget(Label2, 0, 0, 1, 3);
    header->addWidget(Label8, 1, 0, 1, 3);
    auto* user = new QHBoxLayout;
    user->addWidget(Label4);
    user->addWidget(Lbusercode);
    user->addStretch();
    header->addLayout(user, 2, 0, 1, 3);

    auto* schedule = new QGroupBox(this);
    auto* scheduleLayout = new QVBoxLayout(schedule);
    scheduleLayout->addWidget(Label24);
    scheduleLayout->addWidget(List1);
    List1->setFixedSize(200, 110);
    scheduleLayout->addStretch();

    auto* fsu = new QGroupBox(this);
    auto* fsuLayout = new QGridLayout(fsu);
    fsuLayout->setVerticalSpacing(10);
    int row = 0;
    fsuLayout->addWidget(Label1, row, 0);
    fsuLayout->addWidget(Text1, row++, 1, Qt::AlignLeft);
    fsuLayout->addWidget(Lbfsunoreg, row++, 0, 1, 4);
    fsuLayout->addWidget(Label26, row, 0);
    fsuLayout->addWidget(Label27, row++, 1);
    fsuLayout->addWidget(Label14, row, 0);
    fsuLayout->addWidget(Label15, row, 1);
    fsuLayout->addWidget(Lb211, row++, 2);
    fsuLayout->addWidget(Label6, row, 1);
    fsuLayout->addWidget(Lb051, row++, 2);
    fsuLayout->addWidget(Label38, row, 0);
    fsuLayout->addWidget(Text4, row++, 1, Qt::AlignLeft);
    fsuLayout->addWidget(Label39, row, 0);
    fsuLayout->addWidget(Text5, row++, 1, Qt::AlignLeft);
    fsuLayout->addWidget(Label30, row, 0);
    fsuLayout->addWidget(Text3, row++, 1, Qt::AlignLeft);
    fsuLayout->setColumnStretch(3, 1);
    fsuLayout->setRowStretch(row, 1);

    auto* search = new QGroupBox(this);
    auto* searchLayout = new QGridLayout(search);
    searchLayout->addWidget(Label34, 0, 0, 1, 4);
    searchLayout->addWidget(Label35, 1, 0);
    searchLayout->addWidget(KeySEG, 1, 1);
    searchLayout->addWidget(Label33, 2, 0);
    searchLayout->addWidget(keySSS, 2, 1);
    searchLayout->addWidget(Label36, 3, 0);
    searchLayout->addWidget(keySSU, 3, 1);
    searchLayout->addWidget(CmdFind, 3, 2);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(ShowHhld);
    listButtons->addWidget(EndShow);
    listButtons->addStretch();
    searchLayout->addLayout(listButtons, 4, 0, 1, 4);
    searchLayout->addWidget(DataGridP, 5, 0, 1, 4);
    searchLayout->setColumnStretch(3, 1);
    searchLayout->setRowStretch(5, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(schedule);
    middle->addWidget(fsu, 2);
    middle->addWidget(search, 3);

    auto* actions = new QHBoxLayout;
    actions->addStretch();
    for (auto* b : {CmdIdRep, Cmdval, CmdUpload, CmdExit}) {
        b->setMinimumWidth(130);
        actions->addWidget(b);
    }
    actions->addStretch();

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 14, 20, 14);
    top->addLayout(header);
    top->addLayout(middle, 1);
    top->addLayout(actions);

    ui::PlaceForm(this, 0, 0, 20000, 12000);
    for (auto* box : {Text3, Text4, Text1, Text5, KeySEG, keySSU, keySSS}) box->clear();
    for (auto* box : {Text1, Text3, Text4, Text5}) box->setEnabled(false);
    Lbusercode->setText(Q(s_.UserId));
    for (int i = 0; i <= s_.MaxSchType; ++i) List1->addItem(Q(s_.SchTypeNames[i]));
    List1->addItem("Exit     ");
    s_.FormTable[0] = this;
    s_.Packet = this;
    DataGridP->hide();
    List1->setCurrentRow(0);
    List1->setEnabled(true);
    List1->setFocus();

    for (auto* box : {Text1, Text3, Text4})
        box->onGotFocus = [box] {
            if (!box->text().isEmpty()) box->SelectAll();
        };
    // Enter types nothing in these boxes: their key-down handlers act on it.
    for (auto* box : {Text1, Text3, Text4})
        box->onKeyPress = [](int& ascii) {
            if (ascii == ui::kKeyReturn) ascii = 0;
        };
    List1->onKeyDown = [this](int key) { List1_KeyDown(key); };
    connect(List1, &QListWidget::itemDoubleClicked, this, [this] { ChooseSchedule(); });
    Text1->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { Text1_KeyDown(key); };
    Text4->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { Text4_KeyDown(key); };
    Text5->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { Text5_KeyDown(key); };
    Text3->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { Text3_KeyDown(key); };
    keySSS->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { keySSS_KeyDown(key); };
    keySSU->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { keySSU_KeyDown(key); };
    connect(CmdIdRep, &QPushButton::clicked, this, &packet::CmdIdRep_Click);
    connect(CmdFind, &QPushButton::clicked, this, &packet::CmdFind_Click);
    connect(ShowHhld, &QPushButton::clicked, this, &packet::ShowHhld_Click);
    connect(EndShow, &QPushButton::clicked, this, &packet::EndShow_Click);
    connect(Cmdval, &QPushButton::clicked, this, &packet::Cmdval_Click);
    connect(CmdExit, &QPushButton::clicked, this, &packet::CmdExit_Click);
    connect(CmdUpload, &QPushButton::clicked, this, &packet::CmdUpload_Click);
    // The list's data source reports through a question box whose answer is not used.
    DataGridP->onError = [this](const std::string& description) { s_.Messages->YesNo(description); };
}

packet::~packet() {
    if (s_.Packet == this) s_.Packet = nullptr;
    if (s_.FormTable[0] == this) s_.FormTable[0] = nullptr;
}

void packet::ErrBeep(const std::string& message) { r78::ErrBeep(*s_.Messages, message); }

void packet::Show() {
    show();
    raise();
    activateWindow();
}

void packet::Unload() { close(); }

std::string packet::SssBoxText() const { return S(Text4->text()); }
std::string packet::ShhnoBoxText() const { return S(Text5->text()); }

void packet::ShowListingSummary(const std::string& entered, const std::string& cnt211,
                                const std::string& cnt051) {
    Label27->setText(Q(entered));
    Lb211->setText(Q(cnt211));
    Lb051->setText(Q(cnt051));
}

void packet::ShowHhCount(int schType, const std::string& caption) {
    (schType == 1 ? Lb211 : Lb051)->setText(Q(caption));
}

void packet::ReturnToGoToBlock() {
    Show();
    Text3->setFocus();
    Text3->SelectAll();
}

bool packet::FsuRegistered() const { return s_.FsuOpen && S(Text1->text()) == s_.CurFsuNo; }

// --- Schedule list --------------------------------------------------------------

void packet::List1_KeyDown(int keyCode) {
    // Moving through the list leaves no schedule chosen until Enter.
    s_.CurSchType = 99;
    if (keyCode == ui::kKeyReturn) ChooseSchedule();
}

void packet::ChooseSchedule() {
    s_.CurSchType = 99;
    const int row = List1->currentItem() && List1->currentItem()->isSelected() ? List1->currentRow() : -1;
    if (row >= 0 && row <= s_.MaxSchType) s_.CurSchType = row;
    if (row == s_.MaxSchType + 1) {
        s_.CurSchType = 9;
        close();
        return;
    }
    if (s_.CurSchType < 0 || s_.CurSchType > s_.MaxSchType) return;

    Text1->setEnabled(true);
    Text1->clear();
    Text1->SetTypingLimit(5);
    const bool household = s_.CurSchType != 0;
    for (auto* box : {Text4, Text5, Text3}) {
        box->clear();
        box->setEnabled(household);
    }
    Text1->setFocus();
    Lbfsunoreg->setText("SAMPLE BLK SRLNO NOT YET REGISTERED");
}

// --- FSU registration -----------------------------------------------------------

void packet::Text1_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    // The listing flags belong to the FSU being registered; other keys leave the
    // registered FSU's flags alone, so its saved block 1 never looks unsaved.
    s_.HasS000L01 = s_.HasS000L02 = s_.HasS000L03 = 0;
    auto fail = [this](const std::string& cause) {
        s_.FsuOpen = false;
        // The caption of an FSU registered before would say it is still open.
        Lbfsunoreg->setText("SAMPLE BLK SRLNO NOT YET REGISTERED");
        s_.Messages->OkBox("The FSU could not be registered.\n\n" + cause);
        Text1->setFocus();
    };
    try {
        Register();
    } catch (const std::filesystem::filesystem_error& e) {
        // The data folder or the FSU's file: the path and the system's reason.
        fail(e.path1().string() + ": " + e.code().message() + ".");
    } catch (const std::exception& e) {
        fail(e.what());
    }
}

void packet::Register() {
    for (int t = 1; t <= s_.MaxSchType; ++t) s_.HhCountBySch[t] = 0;
    const int sch = s_.CurSchType;
    bool refused = false;
    // A refusal empties the box and gives it the focus; later steps may still speak.
    auto refuse = [&](const std::string& message) {
        if (!message.empty()) ErrBeep(message);
        Text1->clear();
        Text1->setFocus();
        refused = true;
    };

    // Step 2: a five-digit number. A refusal here still lets the sample-list and
    // file steps speak, so the operator learns everything wrong at once.
    const std::string fsuNo = text::Trim(S(Text1->text()));
    if (!(fsuNo.size() == 5 && IsAllDigits(fsuNo))) {
        ErrBeep("Numeric 5 digit FSU No Please!");
        Text1->clear();
        refused = true;
    }

    const int cnt = SampleListCount(s_, fsuNo);

    s_.FsuFileName = FsuFileNameFor(s_.UserDpc, S(Text1->text()));
    s_.DataDir = std::string(kDataRoot) + kDataSub;
    // The data folder is made at the first attempt on this machine, whatever its outcome,
    // so that a listing file can be put there before a household schedule is registered.
    std::filesystem::create_directories(FsuFilePath(s_).parent_path());
    const bool filePresent = std::filesystem::is_regular_file(FsuFilePath(s_));
    const std::string registeredCaption = "SAMPLE BLOCK SRL NO: " + fsuNo + " REGISTERED";

    if (sch == 0 && !filePresent) {
        if (cnt == 0) {
            refuse("FSU not available in sample list");
        } else if (!refused) {
            ErrBeep("New File " + s_.FsuFileName + " being created in " +
                    FsuFilePath(s_).parent_path().string());
            CreateFsuFile(s_, fsuNo);
            Lbfsunoreg->setText(Q(registeredCaption));
        }
    } else if (sch != 0 && !filePresent) {
        ErrBeep("A MDB Data File containing Sch.0.0 data is required. Please check.");
        Text1->setFocus();
        refused = true;
    } else if (cnt > 0) {
        Lbfsunoreg->setText(Q(registeredCaption));
    } else {
        refuse("FSU not available in sample list");
    }

    if (!refused) OpenFsuDatabase(s_, fsuNo);

    FsuStatus status;
    if (cnt > 0 && !refused) {
        status = ReadFsuStatus(s_, fsuNo);
        // A data file that lacks the FSU's own sample-list row is not this FSU's file.
        if (!status.found) refuse("FSU not available in sample list");
    }

    if (cnt == 0) {
        refuse("FSU Number not available in sample list");
    } else if (!refused) {
        if (!(status.creby == s_.UserId || status.creby.empty() || s_.UserType == "S")) {
            refuse("You are not authorised to make entry for this FSU");
        } else if (status.loadsts == "Y") {
            if (!s_.Messages->YesNo("This FSU data already frozen. Proceed for updation?")) refuse("");
        } else if (status.vrfsts == "Y") {
            if (!s_.Messages->YesNo("This FSU data already verified. Proceed for further entry?")) refuse("");
        }
    }

    if (!refused) {
        const std::string registered = "SAMPLE FSU NO: " + fsuNo + " REGISTERED";
        if (sch == 0) {
            Lbfsunoreg->setText(Q(registered));
        } else if (sch == 1 || sch == 2) {
            if (ListingBlock6Count(s_, sch, fsuNo) < 1)
                refuse(sch == 1 ? "No Block-6 of Listing Schedule entry for sch 21.1"
                                : "No Block-6 of Listing Schedule entry for sch 5.1");
            else
                Lbfsunoreg->setText(Q(registered));
        }
    }

    if (refused) {
        s_.FsuOpen = false;
        Text1->setFocus();
        return;
    }

    s_.FsuOpen = true;
    // A household chosen under the previous FSU is not one of this FSU's.
    s_.HhSelected = false;
    s_.HhExists = 0;
    LoadSampleList(s_, fsuNo);
    const ListingSummary summary = LoadListingSummary(s_, fsuNo);
    ShowListingSummary(summary.entered, summary.cnt211, summary.cnt051);
    if (sch == 0) {
        Text3->setEnabled(true);
        Text3->setFocus();
    } else if ((sch == 1 && s_.HasS000L02 == 1) || (sch == 2 && s_.HasS000L03 == 1)) {
        for (auto* box : {Text3, Text4, Text5}) box->setEnabled(true);
        Text4->setFocus();
    } else {
        ErrBeep("BLOCK 6 of SCH 0.0 must be entered first");
        Text1->setFocus();
        s_.FsuOpen = false;
    }
}

// --- Household selection --------------------------------------------------------

bool packet::CheckSssBox() {
    const std::string sss = text::Trim(S(Text4->text()));
    std::string message;
    if (!IsAllDigits(sss))
        message = "Numeric entry please";
    else if (long n = ToLong(sss); n < 1 || n > 5)
        message = "SSS no not valid";
    if (message.empty()) return true;
    ErrBeep(message);
    s_.HhSelected = false;
    Text4->setFocus();
    return false;
}

void packet::Text4_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    if (!CheckSssBox()) return;
    Text5->setFocus();
    Text5->SelectAll();
}

void packet::Text5_KeyDown(int& keyCode) {
    s_.HhExists = 0;
    if (keyCode != ui::kKeyTab && keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    keyCode = 0;  // the handler decides where the focus goes
    const int t = s_.CurSchType;
    if (!FsuRegistered() || (t != 1 && t != 2)) {
        ErrBeep("FSU NO not yet registered");
        s_.HhSelected = false;
        return;
    }
    // The SSS box may have been changed since it was accepted.
    if (!CheckSssBox()) return;

    std::string ssu = text::Trim(S(Text5->text()));
    if (ssu.size() == 1) ssu = "0" + ssu;
    Text5->setText(Q(ssu));
    if (!(ssu.size() == 2 && IsAllDigits(ssu) && ToLong2(ssu) != 0)) {
        ErrBeep("Numeric positive 2 digit HH No Please!");
        Text5->clear();
        s_.HhSelected = false;
        Text5->setFocus();
        return;
    }

    try {
        if (const auto counts = UpdateHhCounts(s_, t, s_.CurFsuNo, S(Text4->text()), S(Text5->text())))
            ShowHhCount(t, counts->households);
    } catch (const std::exception& e) {
        s_.HhSelected = false;
        s_.Messages->OkBox(std::string("The household counts could not be updated.\n\n") + e.what());
        Text5->setFocus();
        return;
    }

    const long sss = ToLong2(S(Text4->text()));
    const long n = ToLong2(ssu);
    bool refused = false;
    if (n > s_.SelhBySss[t][sss]) {
        ErrBeep("HH No can not be more than selected");
        refused = true;
    }
    // A household already entered may be reopened in a full stratum; a new one may not.
    if (s_.SssFull[t][sss] == 1 && s_.HhExists == 0) {
        ErrBeep("No room for additional entry under this SEGxSSS combination");
        refused = true;
    }
    if (refused) {
        s_.HhSelected = false;
        Text5->setFocus();
        return;
    }
    s_.CurSss = S(Text4->text());
    s_.CurSsu = ssu;
    s_.HhSelected = true;
    Text3->setEnabled(true);
    Text3->setFocus();
}

// --- Go to Block and ID Change -------------------------------------------------

void packet::HandOver(FormHandle& screen) {
    hide();
    screen.Show();
}

void packet::Text3_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    if (Text3->text().isEmpty()) {
        // A second Enter goes to block 1.
        Text3->setText("1");
        Text3->setFocus();
        return;
    }
    const int t = s_.CurSchType;
    const bool registered = (t == 0 && FsuRegistered()) ||
                            ((t == 1 || t == 2) && FsuRegistered() && S(Text4->text()) == s_.CurSss &&
                             S(Text5->text()) == s_.CurSsu && s_.HhSelected);
    if (!registered) {
        ErrBeep("FSU NO/SSU NO not yet registered");
        Text1->setFocus();
        return;
    }
    // A text that is no number names no block.
    const std::string typed = S(Text3->text());
    if (!IsNumeric(typed)) {
        s_.Messages->Beep();
        Text3->setFocus();
        Text3->SelectAll();
        return;
    }
    const int index = BlockFormIndex(t, ToDouble(typed));
    // Block 1 of the listing or of the household comes first.
    const bool allowed =
        t == 0 ? (s_.HasS000L01 == 1 || index == 1) : (s_.HhExists == 1 || index == 4 || index == 13);
    if (!allowed) {
        ErrBeep("No data entered under this combination. you may navigate to block-1 only");
        Text3->setFocus();
        return;
    }
    FormHandle* screen = s_.FormTable[index];
    if (!screen) {
        s_.Messages->Beep();
        Text3->setFocus();
        Text3->SelectAll();
        return;
    }
    HandOver(*screen);
}

void packet::CmdIdRep_Click() {
    const int t = s_.CurSchType;
    std::string refusal;
    if (t != 1 && t != 2)
        refusal = "ID Change module is for sch 21.1 and 5.1 only";
    else if (!FsuRegistered())
        refusal = "FSU NO not yet registered";
    else if (S(Text5->text()) != s_.CurSsu || !s_.HhSelected)
        refusal = "SSU NO not yet authorised for change";
    else if (s_.HhExists == 0)
        refusal = "Data for this household not yet entered";
    if (!refusal.empty()) {
        ErrBeep(refusal);
        return;
    }
    hide();
    auto* screen = new idchange(s_);
    screen->show();
}

// --- Household search and list --------------------------------------------------

void packet::keySSS_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    const std::string key = text::Trim(S(keySSS->text()));
    if (key.empty() || (key.size() == 1 && key[0] >= '1' && key[0] <= '5')) keySSU->setFocus();
}

void packet::keySSU_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    if (text::Trim(S(keySSU->text())).size() == 1) keySSU->setText("0" + keySSU->text());
    const std::string key = text::Trim(S(keySSU->text()));
    if (key.empty() || IsAllDigits(key)) CmdFind->setFocus();
}

void packet::CmdFind_Click() {
    if (!FsuRegistered()) {
        ErrBeep("FSU Number not yet registered");
    } else {
        const HouseholdQuery q =
            FindHouseholdsQuery(s_, S(KeySEG->text()), S(keySSS->text()), S(keySSU->text()));
        ShowHouseholds(q.sql, q.params, "LIST OF HOUSEHOLDS FOUND UNDER SEARCH CRITERIA");
    }
    for (auto* box : {KeySEG, keySSS, keySSU}) box->clear();
}

void packet::ShowHhld_Click() {
    if (!FsuRegistered()) {
        ErrBeep("FSU NUmber not yet registered");
        return;
    }
    const HouseholdQuery q = ShowAllHouseholdsQuery(s_);
    ShowHouseholds(q.sql, q.params, "LIST OF HOUSEHOLDS ENTERED UNDER THIS FSUNO ");
}

void packet::ShowHouseholds(const std::string& sql, const db::Params& params, const QString& caption) {
    if (!s_.FsuConn || !DataGridP->SetRecordSource(*s_.FsuConn, sql, params)) return;
    DataGridP->show();
    SetHhGridColumns();
    DataGridP->SetCaption(caption);
}

void packet::SetHhGridColumns() {
    struct Setting {
        const char* field;
        const char* caption;
        int width;
    };
    static const Setting kColumns[] = {{"FSUNO", "FSUNO", 1200},     {"SU", "SU", 1200},
                                       {"SSS", "SSS", 1000},         {"SSU", "SSU", 1000},
                                       {"SVC", "Survey code", 1400}, {"SCH", "sch-type", 1000},
                                       {"VRFSTS", "Verified", 1000}};
    for (int c = 0; c < DataGridP->ColumnCount(); ++c) {
        const std::string field = text::ToUpper(DataGridP->DataField(c));
        bool known = false;
        for (const auto& setting : kColumns) {
            if (field != setting.field) continue;
            DataGridP->SetColumnCaption(c, setting.caption);
            DataGridP->SetColumnVisible(c, true);
            DataGridP->SetColumnWidthTwips(c, setting.width);
            known = true;
        }
        if (!known) DataGridP->SetColumnVisible(c, false);
    }
    DataGridP->SetCurrentColumn(1);
    DataGridP->ShowRecordPosition(DataGridP->CurrentRow() + 1);
}

void packet::EndShow_Click() { DataGridP->hide(); }

// --- Validate, entry complete and freeze -----------------------------------------

void packet::Cmdval_Click() {
    if (!FsuRegistered()) {
        ErrBeep("FSU NO not yet registered");
        return;
    }
    hide();
    (new vform(s_))->show();
}

void packet::CmdExit_Click() {
    try {
        if (!FsuRegistered())
            ErrBeep("FSU NO not yet registered. Exiting..");
        else if (StatusCount(s_, "entsts") == 0 &&
                 s_.Messages->YesNo("Data Entry of all the schedules completed?"))
            Tell(CloseFsu(s_, Closing::MarkEntryComplete));
    } catch (const std::exception& e) {
        s_.Messages->OkBox(std::string("The entry status could not be updated.\n\n") + e.what());
    }
    close();
}

void packet::Tell(const ClosingOutcome& outcome) {
    if (outcome.listing)
        ShowListingSummary(outcome.listing->entered, outcome.listing->cnt211, outcome.listing->cnt051);
    if (outcome.result == ClosingOutcome::Result::NoSampleListRow)
        s_.Messages->OkBox(outcome.message);
    else
        ErrBeep(outcome.message);
    if (outcome.errors) {
        hide();
        auto* screen = new vform(s_);
        screen->ListErrors(Q(outcome.errors->schedule), outcome.errors->sql, Q(outcome.errors->caption));
        screen->show();
    }
}

void packet::CmdUpload_Click() {
    try {
        Freeze();
    } catch (const std::exception& e) {
        s_.Messages->OkBox(
            std::string(
                "The FSU could not be frozen: neither the freeze mark nor any snapshot was written.\n\n") +
            e.what());
    }
}

void packet::Freeze() {
    if (!FsuRegistered()) {
        ErrBeep("FSU NO not yet registered");
        return;
    }
    if (StatusCount(s_, "loadsts") >= 1) {
        s_.Messages->OkBox("Data alrady frozen");
        return;
    }
    if (StatusCount(s_, "vrfsts") == 0 &&
        !s_.Messages->YesNo(
            "Data not verified. once frozen data for this FSU can not be verified\nfreeze the data any way?"))
        return;
    Closing closing = Closing::Freeze;
    if (StatusCount(s_, "entsts") == 0) {
        if (!s_.Messages->YesNo("Data Entry of all the schedules completed?")) {
            s_.Messages->OkBox("Data not frozen");
            return;
        }
        closing = Closing::MarkEntryCompleteAndFreeze;
    }
    const ClosingOutcome outcome = CloseFsu(s_, closing);
    Tell(outcome);
    if (outcome.result == ClosingOutcome::Result::Done)
        for (auto* box : {Text1, Text4, Text5}) box->clear();
}

// --- Unload ---------------------------------------------------------------------

void packet::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        closing_ = true;
        if (!FsuRegistered()) ErrBeep("FSU NO not yet registered. Exiting..");
        CloseDatabases(s_);
    }
    event->accept();
}

}  // namespace r78
