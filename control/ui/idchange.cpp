#include "control/ui/idchange.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <optional>

#include "control/IdChange.h"
#include "core/HouseholdCounts.h"
#include "core/Values.h"
#include "platform/ui/Keys.h"

namespace r78 {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

// The new identification as it must reach the tables: a stratum 1 to 5 and a
// two-digit household number of 1 or more.
bool WellFormedNewId(const std::string& sss, const std::string& ssu) {
    return sss.size() == 1 && IsAllDigits(sss) && ToLong(sss) >= 1 && ToLong(sss) <= 5 && ssu.size() == 2 &&
           ssu.find(' ') == std::string::npos && IsAllDigits(ssu) && ToLong(ssu) >= 1;
}

}  // namespace

idchange::idchange(SharedState& state, QWidget* parent) : QWidget(parent), s_(state) {
    setObjectName("idchange");
    setWindowTitle("Data entry TQS 78th Round");
    setAttribute(Qt::WA_DeleteOnClose);

    Heading = new QLabel(" Changing of Identification of SSU", this);
    QFont f = Heading->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.4);
    Heading->setFont(f);
    LabelSss = new QLabel("SSS No:", this);
    LabelSsu = new QLabel("SHH No:", this);
    LabelOld = new QLabel("OLD-SSU-ID", this);
    LabelNew = new QLabel("NEW-SSU-ID", this);
    for (auto* l : {LabelSss, LabelSsu, LabelOld, LabelNew}) {
        QFont b = l->font();
        b.setBold(true);
        l->setFont(b);
    }
    auto box = [this](const char* name, int limit) {
        auto* b = new ui::TextBox(this);
        b->setObjectName(name);
        b->SetTypingLimit(limit);
        b->setFixedWidth(60);
        return b;
    };
    osss = box("osss", 1);
    ossu = box("ossu", 2);
    nsss = box("nsss", 1);
    nssu = box("nssu", 2);
    // The old identification is the selected household's; it is shown, not keyed.
    osss->setReadOnly(true);
    ossu->setReadOnly(true);
    osss->setFocusPolicy(Qt::NoFocus);
    ossu->setFocusPolicy(Qt::NoFocus);
    CmdProceed = new ui::CommandButton("&Proceed", this);
    CmdExit = new ui::CommandButton("E&xit", this);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(14);
    grid->addWidget(LabelSss, 0, 1);
    grid->addWidget(LabelSsu, 0, 2);
    grid->addWidget(LabelOld, 1, 0);
    grid->addWidget(osss, 1, 1);
    grid->addWidget(ossu, 1, 2);
    grid->addWidget(LabelNew, 2, 0);
    grid->addWidget(nsss, 2, 1);
    grid->addWidget(nssu, 2, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CmdProceed);
    buttons->addWidget(CmdExit);
    buttons->addStretch();
    auto* column = new QVBoxLayout;
    column->addWidget(Heading);
    column->addSpacing(20);
    column->addLayout(grid);
    column->addSpacing(20);
    column->addLayout(buttons);
    column->addStretch();
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(60, 40, 60, 40);
    outer->addLayout(column);
    outer->addStretch();

    ui::PlaceForm(this, 0, 0, 20000, 12000);
    osss->setText(Q(s_.CurSss));
    ossu->setText(Q(s_.CurSsu));

    nsss->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { nsss_KeyDown(key); };
    nssu->onKeyDown = [this](int& key, Qt::KeyboardModifiers) { nssu_KeyDown(key); };
    connect(CmdProceed, &QPushButton::clicked, this, &idchange::CmdProceed_Click);
    connect(CmdExit, &QPushButton::clicked, this, &idchange::CmdExit_Click);
    nsss->setFocus();
}

void idchange::nsss_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    const std::string text = S(nsss->text());
    if (!IsAllDigits(text)) {
        ErrBeep(*s_.Messages, "Numeric entry please");
    } else if (long n = ToLong(text); n < 1 || n > 5) {
        ErrBeep(*s_.Messages, "Invalid new SSS code");
    } else {
        nssu->setFocus();
        return;
    }
    nsss->setFocus();
}

void idchange::nssu_KeyDown(int& keyCode) {
    if (keyCode != ui::kKeyReturn && keyCode != ui::kKeyDown) return;
    if (nssu->text().size() < 2) nssu->setText("0" + nssu->text());
    const std::string text = S(nssu->text());
    if (!IsAllDigits(text)) {
        ErrBeep(*s_.Messages, "Numeric entry please");
    } else if (long n = ToLong(text); n < 1 || n > 12) {
        ErrBeep(*s_.Messages, "Invalid SSU number");
    } else {
        CmdProceed->setFocus();
        return;
    }
    nssu->setFocus();
}

void idchange::CmdProceed_Click() {
    const std::string newSss = S(nsss->text());
    const std::string newSsu = S(nssu->text());
    const int t = s_.CurSchType;
    if (S(osss->text()) + S(ossu->text()) == newSss + newSsu || (newSss + newSsu).size() != 3 ||
        !WellFormedNewId(newSss, newSsu) || (t != 1 && t != 2)) {
        s_.Messages->OkBox("please enter new-id correctly");
        return;
    }
    const long n = ToLong2(newSss);
    const long u = ToLong2(newSsu);
    if (u > s_.SelhBySss[t][n]) {
        s_.Messages->OkBox("new HH No can not be more than selected");
        return;
    }
    if (s_.SssFull[t][n] == 1) {
        s_.Messages->OkBox("No room for additional entry under this new SEGxSSS combination");
        return;
    }
    // The new identification and the counts it changes reach the file together.
    std::optional<HouseholdCounts> counts;
    try {
        db::Transaction tx(*s_.FsuConn);
        if (!ChangeHouseholdId(s_, t, newSss, newSsu)) {
            s_.Messages->OkBox("The new identification " + newSss + "/" + newSsu +
                               " is already in use by another household of this FSU");
            return;
        }
        // The counts concern the household the control screen's boxes hold.
        if (s_.Packet)
            counts = WriteHhCounts(s_, t, s_.CurFsuNo, s_.Packet->SssBoxText(), s_.Packet->ShhnoBoxText());
        tx.Commit();
    } catch (const std::exception& e) {
        s_.Messages->OkBox(std::string("The identification could not be changed; nothing was written.\n\n") +
                           e.what());
        return;
    }
    if (counts) {
        TakeHhCounts(s_, t, *counts, true);
        s_.Packet->ShowHhCount(t, counts->households);
    }
    CmdExit_Click();
}

void idchange::CmdExit_Click() { close(); }

void idchange::closeEvent(QCloseEvent* event) {
    event->accept();
    if (s_.Packet) s_.Packet->ReturnToGoToBlock();
}

}  // namespace r78
