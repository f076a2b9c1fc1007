#pragma once
#include <QLabel>
#include <QWidget>

#include "core/SharedState.h"
#include "platform/ui/Controls.h"

namespace r78 {

// Moves the selected household of Schedule 21.1 or 5.1 to a new stratum and
// household number within its FSU. Closing it returns to the control screen's
// "Go to Block:" box.
class idchange : public QWidget {
    Q_OBJECT
public:
    explicit idchange(SharedState& state, QWidget* parent = nullptr);

    QLabel *Heading, *LabelSss, *LabelSsu, *LabelOld, *LabelNew;
    ui::TextBox *osss, *ossu, *nsss, *nssu;
    ui::CommandButton *CmdProceed, *CmdExit;

    void nsss_KeyDown(int& keyCode);
    void nssu_KeyDown(int& keyCode);
    void CmdProceed_Click();
    void CmdExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    SharedState& s_;
};

}  // namespace r78
