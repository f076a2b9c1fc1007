#pragma once
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/FormHandle.h"
#include "platform/db/Connection.h"
#include "platform/ui/MessageService.h"

namespace r78 {

// Per schedule type (0..3) and stratum SSS (0..6).
using SchSssTable = std::array<std::array<int, 7>, 4>;

// A list of texts used from index 1 (index 0 stays ""). Reading past the end
// gives "" and writing past it grows the list: the survey sets no ceiling on
// codes, trips or members that the program could run into.
class TextList {
public:
    explicit TextList(size_t size = 1) : items_(size) {}
    const std::string& operator[](size_t i) const {
        static const std::string empty;
        return i < items_.size() ? items_[i] : empty;
    }
    void Set(size_t i, std::string value) {
        if (i >= items_.size()) items_.resize(i + 1);
        items_[i] = std::move(value);
    }
    void Clear(size_t size = 1) { items_.assign(size, std::string()); }
    // Number of slots, index 0 included.
    size_t Size() const { return items_.size(); }

private:
    std::vector<std::string> items_;
};

// The record table: rows and fields of the last load of a block table, both
// numbered from 1 for the fields (field 0 is never used) and from 0 for the rows.
// Cells beyond those of the last load keep what earlier loads left; readers keep
// within RecTableRows and the fields of the table they loaded.
class RecordTable {
public:
    const std::string& Cell(size_t row, size_t field) const {
        static const std::string empty;
        return row < cells_.size() && field < cells_[row].size() ? cells_[row][field] : empty;
    }
    void Set(size_t row, size_t field, std::string value) {
        if (row >= cells_.size()) cells_.resize(row + 1);
        if (field >= cells_[row].size()) cells_[row].resize(field + 1);
        cells_[row][field] = std::move(value);
    }

private:
    std::vector<std::vector<std::string>> cells_;
};

// The program's shared state: the globals that every screen and check reads and
// writes. The application owns one; everything else receives it by reference.
struct SharedState {
    // Where the program's drive C: lies, and how it talks to the operator.
    std::filesystem::path DriveC;
    ui::MessageService* Messages = nullptr;

    // Connections and the scratch recordset.
    std::unique_ptr<db::Connection> MasterConn;
    std::unique_ptr<db::Connection> FsuConn;
    std::unique_ptr<db::Connection> LoaderConn;
    db::Recordset WorkRs;

    // The logged-in user and the date stamp of this run.
    std::string UserId;
    std::string UserType;
    std::string UserDpc;
    std::string TodayYmd;

    // Schedule, screen and block.
    int CurSchType = 0;  // 0, 1, 2; 99 while no schedule is chosen; 9 for Exit
    int MaxSchType = 0;
    std::array<std::string, 9> SchTypeNames{};
    int BlockFormCount = 0;
    std::array<FormHandle*, 23> FormTable{};
    ControlScreenHandle* Packet = nullptr;  // the control screen, also FormTable[0]
    int CurFormIndex = 0;
    double ValBlockNo = 0;
    bool GridEventsOn = false;

    // The registered FSU: its row of the sample list and its file.
    std::string CurFsuNo;
    std::string FsuRound, FsuSample, FsuSector, FsuState, FsuRegion, FsuStateRegion, FsuDistrict;
    std::string FsuStratum, FsuSubStratum, FsuSubRound, FsuSu, FsuFc, FsuFpop, FsuSro;
    std::string DataDir;
    std::string FsuFileName;

    // Registration state of the control screen.
    bool FsuOpen = false;
    bool HhSelected = false;
    int HasS000L01 = 0;
    int HasS000L02 = 0;
    int HasS000L03 = 0;
    int HhExists = 0;

    // The current household; CurSeg is never set and stays "".
    std::string CurSss;
    std::string CurSsu;
    std::string CurSeg;

    // The listing's block-6 figures and the household counts, per schedule and SSS.
    SchSssTable CaphBySss{};
    SchSssTable SelhBySss{};
    SchSssTable TsurvdBySss{};
    SchSssTable CasualtyBySss{};
    SchSssTable AsurvdBySss{};
    SchSssTable AcasualtyBySss{};
    SchSssTable SssFull{};
    std::array<int, 4> HhCountBySch{};
    int MaxSss = 0;

    // The validation run.
    bool ValRunAll = false;
    bool ValRunSch0 = false;
    bool ValIsCritical = false;
    long ValErrCount = 0;
    long ValCritCount = 0;

    // The record table and the row count of its last load.
    RecordTable RecTable;
    int RecTableRows = 0;

    // Field widths of each block-screen index (0..22), fields numbered from 1.
    std::array<std::string, 23> WidthSpec{};
    std::array<int, 23> FieldCount{};
    std::array<std::vector<int>, 23> FieldWidth{};
    int MaxFieldNo = 0;

    // Code lists, from index 1.
    TextList NicList;
    TextList NcoList;

    // Other shared values.
    std::string ZeroPad;
    std::string BlankPad;
    TextList TripSlnoList{101};
    TextList TripMemberList{101};
    std::string SegPop;
    // The FSU whose block 6 SegPop was taken from: another FSU starts from "".
    std::string SegPopFsu;
    std::string Sch0SurveyCode;
    std::string HhSurveyCode;
    int BlkRecExists = 0;

    // Width of field j of block-screen index i; 0 outside the table.
    int Width(int i, int j) const {
        if (i < 0 || i >= static_cast<int>(FieldWidth.size()) || j < 0) return 0;
        return j < static_cast<int>(FieldWidth[i].size()) ? FieldWidth[i][j] : 0;
    }
};

}  // namespace r78
