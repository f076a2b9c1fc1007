#pragma once
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/SharedState.h"
#include "platform/ui/BoundGrid.h"
#include "platform/ui/Controls.h"
#include "validation/ErrorLog.h"

namespace r78 {

// A block's own check: it reads the rows just loaded into the record table
// (their number given) and writes the error rows of what it finds.
using BlockCheck = std::function<void(SharedState&, int rowCount)>;
// The check of a whole household of a detailed schedule.
using HouseholdCheck = std::function<void(SharedState&)>;

inline constexpr const char* kBlockLevelCaption =
    "List of Error Messages detected by Data Validation Checks block level";
inline constexpr const char* kHouseholdLevelCaption =
    "List of Error Messages detected by Data Validation Checks Household level";

// A column a grid shows: its field (compared in capitals), its caption (lines
// joined by a line feed) and its width in twips.
struct GridColumn {
    std::string field;
    QString caption;
    int width = 0;
};

// Shows the grid's columns of these fields with their captions and widths, in
// the grid's own order, and hides every other.
void ShowOnlyColumns(ui::BoundGrid& grid, const std::vector<GridColumn>& columns);

// What a block screen's header shows after "USER CODE:", in the screen's order.
struct HeaderItem {
    enum class Value { Fsu, Segment, FsuSu, Sss, Ssu };
    QString caption;  // "FSUNO:", "SU NO:", "SSS NO:" ...
    Value value;
};

// The header of a household's block screen: its FSU, SU (CurSeg), SSS and SHH.
// Some screens write the FSU's caption "FSU NO:".
std::vector<HeaderItem> HouseholdHeader(const QString& fsuCaption = "FSUNO:");

// What every block screen is given, single-record and grid alike.
struct BlockParams {
    int index = 0;       // block-screen index: also the table's number and the width row
    double blockNo = 0;  // ValBlockNo of Validate Block
    BlockCheck blockCheck;
    // The check of Validate HH; without one the screen has no such button.
    HouseholdCheck householdCheck;
    // The caption of the error list after Validate HH.
    QString householdCaption = kHouseholdLevelCaption;
    std::vector<HeaderItem> header = HouseholdHeader();
    // The schedule's heading and the block's title above the header; a screen
    // that lays out its own headings leaves them empty.
    QString scheduleHeading;
    QString blockTitle;
    // A line under the block's title: "(Level - 08 )".
    QString blockLevel;
    QString goToLabel = "&Go to Blk";
    // A go-to text of blanks only reads as block 0, which leads to blocks 1 and 2.
    bool blankGoToIsZero = false;
};

// What a household block screen takes from its index: its block number, the
// schedule's heading above the block's title, and Validate HH running the
// household checks of its schedule.
void HouseholdBlock(BlockParams& p, int index, const QString& blockTitle);

// Captions, widths and visibility of a block screen's error list, and the
// record position below it. The item column holds the SSS on the listing's block-6 screens.
void FormatBlockErrorGrid(ui::BoundGrid& grid, int curFormIndex);

// What every block screen has, single-record and grid alike: its place in the
// block-screen table, the user label, the go-to box Text3, the ways to another
// block screen and back to packet, and Validate Block / Validate HH with the
// error list DataGrid. A screen is made when it is shown and deleted when it is
// left: its constructor is its load, and sets CurFormIndex before anything else.
class BlockScreen : public QWidget {
    Q_OBJECT
public:
    int Index() const { return index_; }
    // False when the load failed: the screen has said why and is not to be shown.
    bool Loaded() const { return loaded_; }
    // True once the screen has been left; it is deleted soon after.
    bool Unloaded() const { return unloaded_; }
    // Leaves the screen without showing another.
    void Unload();

    QLabel* Lbusercode;
    // The header's values: Lbfsuno on the listing; lbfsu, lbseg, lbsss, lbssu on the household screens.
    QLabel* Lbfsuno = nullptr;
    QLabel *lbfsu = nullptr, *lbseg = nullptr, *lbsss = nullptr, *lbssu = nullptr;
    QLabel* LabelSegment = nullptr;  // the caption before lbseg
    QLabel* Label21 = nullptr;       // the schedule's heading
    QLabel* Label2 = nullptr;        // the block's title
    QLabel* Label30;                 // "&Go to Blk"
    ui::TextBox* Text3;
    ui::BoundGrid* DataGrid;  // with its data control Adodc: the record position below the rows

    // Go to Blk: Enter or Down opens the screen of the typed block number.
    void Text3_KeyDown(int& keyCode);

protected:
    BlockScreen(SharedState& s, const BlockParams& params);

    // The header line: "USER CODE:" and the screen's items.
    QLayout* HeaderLine();
    // The schedule's heading and the block's title, when the screen has them.
    QLayout* Headings();
    // Puts the user, FSU and household into the header.
    void FillHeader();

    // The bottom line of every block screen: its buttons (absent ones passed as
    // nullptr), then the go-to box at the right.
    QHBoxLayout* ButtonRow(std::initializer_list<ui::CommandButton*> buttons);
    // The screen's layout from the top: headings, header line, its body, buttons.
    void Arrange(QLayout* headings, QLayout* header, QLayout* body, QLayout* buttons);

    // Guards of the go-to box and of leaving, for the screens that have them.
    virtual void BeforeGoTo() {}
    virtual bool GoToGate(int /*target*/) { return true; }
    // The window's own close button: the screen leaves as its exit button does.
    virtual void CloseRequested() = 0;

    // Whether a screen stands at the index (0 is packet).
    bool Available(int index) const;
    // Hides this screen, shows the other (0: packet, its go-to box ready) and
    // unloads this one. An index without a screen beeps and changes nothing.
    bool ShowScreen(int index);
    // Next and Prev: CurFormIndex becomes the index before the screen is shown.
    bool MoveOn(int index);
    void ReturnToPacket();

    // Validate Block: the block's rows are loaded; with none, the message and
    // nothing else (the FSU's error rows stay). Otherwise the FSU's error rows
    // are replaced by those of the block check and listed.
    void RunBlockCheck(double blockNo, const std::string& noRecordsMessage, const BlockCheck& check);
    // Validate HH: the FSU's error rows are replaced by those of the household check.
    void RunHouseholdCheck(const HouseholdCheck& check, const QString& caption);
    void ShowErrorList(const QString& caption);

    void ErrBeep(const std::string& message);
    // The key filter of entry boxes and grid cells lets these characters pass
    // besides the digits: Esc and Backspace, and the characters that share the
    // codes of the arrows and of Home and End ("&", "(", "$", "#"), which reach
    // the box so that the Enter check refuses them.
    static bool PassesKeyFilter(int keyAscii);
    // Tells the operator what could not be done and why.
    void Report(const std::string& what, const std::exception& e);
    // Runs an event handler: whatever the layers below throw is shown, and the
    // handler ends there.
    void Guard(const std::function<void()>& handler);

    void closeEvent(QCloseEvent* event) override;

    SharedState& s_;
    const int index_;
    const BlockParams block_;
    bool loaded_ = true;

private:
    bool unloaded_ = false;
};

}  // namespace r78
