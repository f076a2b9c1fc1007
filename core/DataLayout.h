#pragma once
#include <string>
#include <string_view>
#include <vector>

// The layout of every database file: master database, blank FSU template and the
// FSU files copied from it. Declared once here; the template, the width checks and
// the statements that list columns are all derived from it.
namespace r78::layout {

enum class ColType { Text, Number };

struct Column {
    std::string name;
    int width = 0;  // largest number of characters; 0: no limit
    ColType type = ColType::Text;
};

struct Table {
    std::string name;
    std::vector<Column> columns;
};

// Length of a user id as stored in valid_user and stamped as creby and delby.
constexpr int kUserIdWidth = 10;
// "yymmdd"
constexpr int kDateWidth = 6;

// Whose rows a block table holds: the FSU's (the listing) or a household's, whose
// rows are read by FSUNO, SSS and SSU.
enum class Key { Fsu, Household };

// One of the 21 block tables, numbered like the block screen that enters it.
struct BlockTable {
    int index;           // 1..21
    std::string name;    // "S211L04"
    std::string screen;  // "orcl_211d"
    int schedule;        // 0 Schedule 0.0, 1 Schedule 21.1, 2 Schedule 5.1
    double blockNo;      // the questionnaire's block; 1 stands for blocks 1 and 2
    Key key;
    std::string order;           // the row order of a load: "" for a block of one row
    int firstSnapshot;           // position (1-based) of the first listed column that has an O-twin
    std::vector<Column> listed;  // in their binding order: the grids address them by position
    std::vector<Column> extras;  // counts and marks that follow creby and credate

    // Listed columns, creby, credate, the extras, then the O-columns.
    std::vector<Column> AllColumns() const;
    // The entered columns whose value the freeze copies into an O-column.
    std::vector<Column> SnapshotSources() const;
    // Blocks 1 and 2: the row that identifies the FSU or the household.
    bool Identification() const { return blockNo == 1; }
    bool Listing() const { return key == Key::Fsu; }
    // Every block table but the listing's block 6 part B keeps deleted rows.
    bool HasArchive() const { return name != "S000L03"; }
    std::string ArchiveName() const { return name + "_del"; }
    Table AsTable() const { return {name, AllColumns()}; }
    // The block table's columns, then deldate and delby.
    Table ArchiveTable() const;
};

constexpr int kBlockTableCount = 21;

// The block tables in index order: BlockTables()[i - 1] has index i.
const std::vector<BlockTable>& BlockTables();
const BlockTable& BlockTableAt(int index);  // 1..21; throws out_of_range otherwise
// The block tables of a schedule (0, 1 or 2) in index order; none for another number.
std::vector<const BlockTable*> ScheduleTables(int schType);
// The blocks 1-2 table of a schedule: S000L01, S211L01 or S051L01.
const BlockTable& IdentificationTable(int schType);
// Table names are compared without regard to case; nullptr when not a block table.
const BlockTable* FindBlockTable(std::string_view name);

// valid_user, samplelist, nic78, nco78.
std::vector<Table> MasterTables();
// samplelist with its status columns, the 21 block tables, the 20 archive
// tables and val_error.
std::vector<Table> FsuTables();
// The columns of the master samplelist (the FSU file's samplelist adds status columns).
std::vector<Column> SampleListColumns();

std::string CreateTableSql(const Table& table);

// Indexes of the FSU template: every block table by the key its rows are read by
// (the FSU for the listing, the household for the detailed schedules), so that
// checking one household reads its own rows and not the whole FSU's.
std::vector<std::string> FsuIndexSql();

}  // namespace r78::layout
