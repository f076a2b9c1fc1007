#pragma once
#include <QLabel>
#include <QListWidget>
#include <QWidget>
#include <functional>

#include "core/FormHandle.h"
#include "core/SharedState.h"
#include "platform/ui/BoundGrid.h"
#include "platform/ui/Controls.h"
#include "validation/Freeze.h"

namespace r78 {

// The schedule list: every key makes the schedule "not chosen" (99) before the
// list moves; Enter and a double click choose the selected item.
class ScheduleList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
    std::function<void(int keyCode)> onKeyDown;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The control screen: the operator chooses a schedule, registers an FSU and, for
// Schedules 21.1 and 5.1, a household, then goes to a block. It stays loaded,
// hidden, while another screen is in front; closing it ends the program.
class packet : public QWidget, public ControlScreenHandle {
    Q_OBJECT
public:
    explicit packet(SharedState& state, QWidget* parent = nullptr);
    ~packet() override;

    // The screen as the block-screen table and the shared procedures see it.
    void Show() override;
    void Unload() override;
    std::string SssBoxText() const override;
    std::string ShhnoBoxText() const override;
    void ShowListingSummary(const std::string& entered, const std::string& cnt211,
                            const std::string& cnt051) override;
    void ShowHhCount(int schType, const std::string& caption) override;
    using ControlScreenHandle::ShowHhCount;
    void ReturnToGoToBlock() override;

    QLabel *Label2, *Label8, *Label4, *Lbusercode, *Label24, *Label1, *Lbfsunoreg;
    QLabel *Label26, *Label27, *Label14, *Label15, *Lb211, *Label6, *Lb051;
    QLabel *Label38, *Label39, *Label30, *Label34, *Label35, *Label33, *Label36;
    ScheduleList* List1;
    ui::TextBox *Text1, *Text3, *Text4, *Text5, *KeySEG, *keySSS, *keySSU;
    ui::CommandButton *CmdFind, *ShowHhld, *EndShow, *CmdIdRep, *Cmdval, *CmdUpload, *CmdExit;
    ui::BoundGrid* DataGridP;  // with its data control AdodcP: the record caption below the rows

    // Event handlers.
    void List1_KeyDown(int keyCode);
    void ChooseSchedule();
    void Text1_KeyDown(int& keyCode);
    void Text4_KeyDown(int& keyCode);
    void Text5_KeyDown(int& keyCode);
    void Text3_KeyDown(int& keyCode);
    void CmdIdRep_Click();
    void keySSS_KeyDown(int& keyCode);
    void keySSU_KeyDown(int& keyCode);
    void CmdFind_Click();
    void ShowHhld_Click();
    void EndShow_Click();
    void SetHhGridColumns();
    void Cmdval_Click();
    void CmdExit_Click();
    void CmdUpload_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Register();
    // The FSU shown in the FSUNO box is the one registered.
    bool FsuRegistered() const;
    // The SSS box holds a stratum 1..5; otherwise says why and keeps the operator there.
    bool CheckSssBox();
    void ErrBeep(const std::string& message);
    // Lists the households of a query in the grid under the caption.
    void ShowHouseholds(const std::string& sql, const db::Params& params, const QString& caption);
    // The freeze, step by step; a database failure throws and nothing of it is kept.
    void Freeze();
    // Shows how the entry-complete mark or the freeze ended: the listing summary
    // the checks read, the message, and the refusing run's errors on the
    // validation screen, this screen hidden.
    void Tell(const ClosingOutcome& outcome);
    // Hides this screen and shows another in front.
    void HandOver(FormHandle& screen);

    SharedState& s_;
    bool closing_ = false;
};

}  // namespace r78
