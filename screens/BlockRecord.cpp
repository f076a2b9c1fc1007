#include "screens/BlockRecord.h"

#include <stdexcept>

#include "core/Text.h"
#include "core/Values.h"
#include "core/WorkQueries.h"

namespace r78 {

namespace {

// Position in the table's columns of the column that box 0 holds: blocks 1-2
// show everything after DPC, other household blocks what follows the household key.
size_t FirstBoxColumn(RecordKind kind) { return kind == RecordKind::HouseholdBlock ? 5 : 1; }

bool IsHousehold(RecordKind kind) { return kind != RecordKind::FsuBlock1; }

std::string HouseholdKeyWhere(const SharedState& s, db::Params& params) {
    params.insert(params.end(), {s.CurFsuNo, s.CurSss, s.CurSsu});
    return " where fsuno = ? and sss = ? and SSU = ?";
}

std::string FsuKeyWhere(const SharedState& s, db::Params& params) {
    params.push_back(s.CurFsuNo);
    return " where fsuno = ?";
}

}  // namespace

BlockRecord::BlockRecord(SharedState& s, int index, RecordKind kind)
    : s_(s), table_(layout::BlockTableAt(index)), kind_(kind), first_(FirstBoxColumn(kind)) {}

std::string BlockRecord::Where(db::Params& params, bool forUpdate) const {
    if (!IsHousehold(kind_)) return FsuKeyWhere(s_, params);
    if (forUpdate && kind_ == RecordKind::HouseholdBlock) {
        params.insert(params.end(), {s_.CurFsuNo, s_.CurSeg, s_.CurSss, s_.CurSsu});
        return " where fsuno = ? and SU = ? and sss = ? and SSU = ?";
    }
    return HouseholdKeyWhere(s_, params);
}

bool BlockRecord::Exists() const {
    db::Params params;
    const std::string where = Where(params);
    const bool stored =
        CountInto(s_, *s_.FsuConn, "select count(*) as cnt from  " + table_.name + where, params) > 0;
    s_.WorkRs = db::Recordset();
    return stored;
}

std::vector<std::string> BlockRecord::Read() const {
    std::string columns;
    for (int i = 0; i < BoxCount(); ++i) columns += (i ? "," : "") + BoxColumn(i).name;
    db::Params params;
    const std::string where = Where(params);
    s_.WorkRs = s_.FsuConn->Query("select " + columns + " from  " + table_.name + where, params);
    std::vector<std::string> texts;
    if (!s_.WorkRs.Eof())
        for (int k = 0; k < s_.WorkRs.FieldCount(); ++k) texts.push_back(s_.WorkRs.Field(k).Text());
    s_.WorkRs = db::Recordset();
    return texts;
}

db::Param BlockRecord::BoxValue(int box, const std::string& text, bool forInsert) const {
    const layout::Column& column = BoxColumn(box);
    if (column.type == layout::ColType::Number) {
        const std::string number = text::Trim(text);
        if (number.empty()) return db::Param::Null();
        if (!IsNumeric(number))
            throw NotANumber(column.name + " must be a number; its box holds \"" + text + "\".");
        // The column's numeric affinity stores the text as the number it spells.
        return db::Param(number);
    }
    if (forInsert && text.empty()) return db::Param::Null();
    return db::Param(text);
}

void BlockRecord::Insert(const std::vector<std::string>& boxes) const {
    std::string columns = "DPC";
    db::Params values{s_.UserDpc};
    if (kind_ == RecordKind::HouseholdBlock) {
        columns += ",FSUNO,SU,SSS,SSU";
        values.insert(values.end(), {s_.CurFsuNo, s_.CurSeg, s_.CurSss, s_.CurSsu});
    }
    for (int i = 0; i < BoxCount(); ++i) {
        columns += "," + BoxColumn(i).name;
        values.push_back(BoxValue(i, boxes.at(static_cast<size_t>(i)), true));
    }
    columns += ",creby,credate";
    values.insert(values.end(), {s_.UserId, s_.TodayYmd});

    std::string marks;
    for (size_t i = 0; i < values.size(); ++i) marks += i ? ",?" : "?";
    db::Transaction tx(*s_.FsuConn);
    s_.FsuConn->Execute("Insert Into " + table_.name + " (" + columns + ") VALUES (" + marks + ")", values);
    tx.Commit();
}

void BlockRecord::Update(const std::vector<std::string>& boxes) const {
    std::string sql = "Update " + table_.name + " set DPC= ?";
    db::Params values{s_.UserDpc};
    for (int i = 0; i < BoxCount(); ++i) {
        sql += "," + BoxColumn(i).name + " = ?";
        values.push_back(BoxValue(i, boxes.at(static_cast<size_t>(i)), false));
    }
    sql += ",creby = ?,credate = ?";
    values.insert(values.end(), {s_.UserId, s_.TodayYmd});
    sql += Where(values, true);
    db::Transaction tx(*s_.FsuConn);
    // No row changed: another program removed it, or its key (SU) no longer matches.
    if (s_.FsuConn->Execute(sql, values) == 0)
        throw db::DbError("The stored row of " + table_.name +
                          " was not found: another program may have removed it, or its key has changed.");
    tx.Commit();
}

void BlockRecord::Delete() const {
    db::Params params;
    const std::string where = Where(params);
    db::Transaction tx(*s_.FsuConn);
    s_.FsuConn->Execute("delete from  " + table_.name + where, params);
    tx.Commit();
}

void ArchiveAndDelete(SharedState& s, const std::vector<int>& tables, bool household) {
    db::Connection& conn = *s.FsuConn;
    db::Params key;
    const std::string where = household ? HouseholdKeyWhere(s, key) : FsuKeyWhere(s, key);
    db::Params stamped{s.TodayYmd, s.UserId};
    stamped.insert(stamped.end(), key.begin(), key.end());
    for (int index : tables) {
        const layout::BlockTable& t = layout::BlockTableAt(index);
        if (!t.HasArchive()) continue;
        conn.Execute("insert into " + t.ArchiveName() + " select a.*, ? as deldate, ? as delby from  " +
                         t.name + " a" + where,
                     stamped);
    }
    for (int index : tables) conn.Execute("delete from  " + layout::BlockTableAt(index).name + where, key);
}

void DeleteHousehold(SharedState& s, int schType) {
    std::vector<int> tables;
    for (const layout::BlockTable* t : layout::ScheduleTables(schType)) {
        // The listing's rows belong to the whole FSU, never to one household.
        if (t->Listing()) throw std::invalid_argument("Schedule 0.0 has no households to delete");
        tables.push_back(t->index);
    }
    db::Transaction tx(*s.FsuConn);
    ArchiveAndDelete(s, tables, true);
    tx.Commit();
}

}  // namespace r78
