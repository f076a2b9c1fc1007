#include "core/DatabaseFiles.h"

#include <fstream>
#include <functional>
#include <stdexcept>

namespace r78::files {

namespace {

std::vector<db::Value> SplitCsvLine(const std::string& line, const std::filesystem::path& file, int lineNo) {
    std::vector<db::Value> fields;
    size_t i = 0;
    while (true) {
        std::string field;
        bool quoted = false;
        if (i < line.size() && line[i] == '"') {
            quoted = true;
            ++i;
            while (true) {
                if (i >= line.size())
                    throw std::runtime_error(file.string() + ":" + std::to_string(lineNo) +
                                             ": unclosed quote");
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
        } else {
            while (i < line.size() && line[i] != ',') field += line[i++];
        }
        fields.push_back(!quoted && field.empty() ? db::Value::Null() : db::Value(field));
        if (i >= line.size()) break;
        if (line[i] != ',')
            throw std::runtime_error(file.string() + ":" + std::to_string(lineNo) +
                                     ": text after a quoted field");
        ++i;
    }
    return fields;
}

// Writes a file under a temporary name and renames it into place, so that a
// failed build never leaves a half-made database where the program looks for one.
void MakeAtomically(const std::filesystem::path& file,
                    const std::function<void(const std::filesystem::path&)>& make) {
    std::filesystem::path tmp = file;
    tmp += ".tmp";
    std::filesystem::remove(tmp);
    try {
        make(tmp);
    } catch (...) {
        std::filesystem::remove(tmp);
        throw;
    }
    std::filesystem::rename(tmp, file);
}

}  // namespace

Rows ReadCsv(const std::filesystem::path& file) {
    std::ifstream in(file);
    if (!in) throw std::runtime_error("Cannot read " + file.string());
    Rows rows;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        auto fields = SplitCsvLine(line, file, lineNo);
        if (rows.columns.empty()) {
            for (const auto& f : fields) rows.columns.push_back(f.Text());
            continue;
        }
        if (fields.size() != rows.columns.size())
            throw std::runtime_error(file.string() + ":" + std::to_string(lineNo) + ": expected " +
                                     std::to_string(rows.columns.size()) + " fields");
        rows.values.push_back(std::move(fields));
    }
    return rows;
}

void InsertRows(db::Connection& conn, const std::string& table, const Rows& rows) {
    std::string sql = "insert into \"" + table + "\" (";
    std::string marks;
    for (size_t i = 0; i < rows.columns.size(); ++i) {
        sql += (i ? ", \"" : "\"") + rows.columns[i] + "\"";
        marks += i ? ", ?" : "?";
    }
    sql += ") values (" + marks + ")";
    for (const auto& row : rows.values) conn.Execute(sql, db::Params(row.begin(), row.end()));
}

std::unique_ptr<db::Connection> CreateDatabase(const std::filesystem::path& file,
                                               const std::vector<layout::Table>& tables) {
    auto conn = db::Connection::CreateNew(file);
    db::Transaction t(*conn);
    for (const auto& table : tables) conn->Execute(layout::CreateTableSql(table));
    t.Commit();
    return conn;
}

void MakeMasterDatabase(const std::filesystem::path& file, const std::filesystem::path& demoDir) {
    MakeAtomically(file, [&](const std::filesystem::path& tmp) {
        auto conn = CreateDatabase(tmp, layout::MasterTables());
        db::Transaction t(*conn);
        for (const auto& table : layout::MasterTables())
            InsertRows(*conn, table.name, ReadCsv(demoDir / (table.name + ".csv")));
        t.Commit();
    });
}

void MakeBlankTemplate(const std::filesystem::path& file, const std::filesystem::path& demoDir) {
    MakeAtomically(file, [&](const std::filesystem::path& tmp) {
        auto conn = CreateDatabase(tmp, layout::FsuTables());
        db::Transaction t(*conn);
        for (const auto& index : layout::FsuIndexSql()) conn->Execute(index);
        InsertRows(*conn, "samplelist", ReadCsv(demoDir / "samplelist.csv"));
        t.Commit();
    });
}

}  // namespace r78::files
