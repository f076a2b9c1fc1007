#pragma once
#include <filesystem>
#include <string>
#include <vector>

#include "core/DataLayout.h"
#include "platform/db/Connection.h"
#include "platform/db/Value.h"

// Making the database files that ship with the program: the master database and
// the blank FSU template. Only the build's tool and tests use this; the program
// itself creates no file but by copying the template, and no table.
namespace r78::files {

// Rows of one table as read from a demo file: the header names the columns.
struct Rows {
    std::vector<std::string> columns;
    std::vector<std::vector<db::Value>> values;
};

// Reads comma-separated rows with a header line. A field between double quotes
// may hold commas and doubled quotes; an empty unquoted field is Null.
Rows ReadCsv(const std::filesystem::path& file);

void InsertRows(db::Connection& conn, const std::string& table, const Rows& rows);

// Creates a new database file holding the given tables, empty.
std::unique_ptr<db::Connection> CreateDatabase(const std::filesystem::path& file,
                                               const std::vector<layout::Table>& tables);

// The master database: its tables filled from valid_user.csv, samplelist.csv,
// nic78.csv and nco78.csv of demoDir.
void MakeMasterDatabase(const std::filesystem::path& file, const std::filesystem::path& demoDir);
// The blank FSU template: every FSU table, empty, but for samplelist, which
// holds the sample list of demoDir.
void MakeBlankTemplate(const std::filesystem::path& file, const std::filesystem::path& demoDir);

}  // namespace r78::files
