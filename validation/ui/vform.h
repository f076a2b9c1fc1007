#pragma once
#include <QLabel>
#include <QWidget>

#include "core/SharedState.h"
#include "platform/ui/BoundGrid.h"
#include "platform/ui/Controls.h"

namespace r78 {

// The validation screen: runs the listing's checks with the coverage check, or
// the household checks of every household of Schedule 21.1 or 5.1, over the
// registered FSU and lists the errors found. Exit returns to the control screen.
class vform : public QWidget {
    Q_OBJECT
public:
    explicit vform(SharedState& state, QWidget* parent = nullptr);

    QLabel *Label4, *Label6, *Lbusercode, *Label1, *lbfsu, *Label2, *Lbsch;
    ui::BoundGrid* DataGrid2;  // with its data control Adodc2: the record caption below the rows
    ui::CommandButton *CmdVal000, *CmdVal211, *CmdVal051, *CmdExit;

    void CmdVal000_Click();
    void CmdVal211_Click();
    void CmdVal051_Click();
    void CmdExit_Click();

    // Lists the FSU's error rows of a run: the schedule text, the statement (with
    // the FSU number bound) and the grid's caption. Call while the run's flags stand.
    void ListErrors(const QString& schedule, const std::string& sql, const QString& caption);
    void FormatErrorGrid();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void HouseholdRun(int schType);
    void Report(const std::exception& e);

    SharedState& s_;
};

}  // namespace r78
