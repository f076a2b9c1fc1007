#include "core/DataLayout.h"

#include <stdexcept>

#include "core/Text.h"

namespace r78::layout {

namespace {

constexpr ColType kNum = ColType::Number;

// Columns of the block tables in order, with their widths. A column written as a
// number (populations and counts) is marked kNum; everything else holds text.
// One line a table, as the questionnaire lists its blocks.
// clang-format off
const std::vector<BlockTable> kBlockTables = {
    {1, "S000L01", "orcl_000a", 0, 1, Key::Fsu, "", 15, {{"DPC", 3}, {"FSUNO", 5}, {"ROUND", 2}, {"SCH", 3}, {"Sample", 1}, {"Sector", 1}, {"STR", 3}, {"Dist", 2}, {"Strm", 2}, {"Sstrm", 2}, {"SR", 1}, {"SRO", 4}, {"FC", 2}, {"FPOP", 6, kNum}, {"APOP", 6, kNum}, {"DSI", 3, kNum}, {"APOP1", 6, kNum}, {"D1", 3, kNum}, {"SVC", 1}, {"RES_Subst", 1}, {"empcode1", 4}, {"empcode2", 4}, {"empcode3", 4}, {"DOS", 6}, {"DOD", 6}, {"Timec", 3}, {"REM1", 1}, {"REM2", 1}, {"REM3", 1}, {"REM4", 1}},
     {{"CNT211", 0, kNum}, {"CNT051", 0, kNum}}},
    {2, "S000L02", "orcl_000b", 0, 6, Key::Fsu, "SSS", 6, {{"DPC", 3}, {"FSUNO", 5}, {"SCH", 3}, {"SEGPOP", 5}, {"SSS", 1}, {"CAPH", 4}, {"SELH", 2}, {"SURVD", 2}, {"SSURVD", 2}, {"TSURVD", 2}, {"Casualty", 2}, {"REPLHHD", 2}},
     {{"ASURVD", 0, kNum}}},
    {3, "S000L03", "orcl_000c", 0, 6, Key::Fsu, "SSS", 6, {{"DPC", 3}, {"FSUNO", 5}, {"SCH", 3}, {"SEGPOP", 5}, {"SSS", 1}, {"CAPH", 4}, {"SELH", 2}, {"SURVD", 2}, {"SSURVD", 2}, {"TSURVD", 2}, {"Casualty", 2}, {"REPLHHD", 2}},
     {{"ASURVD", 0, kNum}}},
    {4, "S211L01", "orcl_211a", 1, 1, Key::Household, "", 16, {{"DPC", 3}, {"FSUNO", 5}, {"ROUND", 2}, {"SCH", 3}, {"Sample", 1}, {"Sector", 1}, {"STR", 3}, {"Dist", 2}, {"Strm", 2}, {"Sstrm", 2}, {"SR", 1}, {"SRO", 4}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"INFSLN", 2}, {"RC", 1}, {"SVC", 1}, {"RES_SUBST", 1}, {"EMPCODE1", 4}, {"EMPCODE2", 4}, {"EMPCODE3", 4}, {"DOS", 6}, {"DOD", 6}, {"Timec", 3}, {"NO_INV", 1}, {"REM1", 1}, {"REM2", 1}, {"REM3", 1}, {"REM4", 1}},
     {{"vrfsts", 1}}},
    {5, "S211L02", "orcl_211b", 1, 3, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B3C3", 1}, {"B3C4", 1}, {"B3C5", 3}, {"B3C6", 1}, {"B3C7", 2}, {"B3C8", 2}},
     {}},
    {6, "S211L03", "orcl_211c", 1, 4, Key::Household, "", 6, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"B4I1", 2}, {"B4I2", 3}, {"B4I3", 5}, {"B4I4", 1}, {"B4I5", 1}, {"B4I6", 1}, {"B4I71", 2}, {"B4I72", 2}, {"B4I73", 2}, {"B4I74", 2}, {"B4I75", 2}, {"B4I8", 8}, {"B4I9", 8}, {"B4I10", 8}, {"B4I11", 8}, {"B4I12", 8}, {"B4I13", 8}},
     {}},
    {7, "S211L04", "orcl_211d", 1, 5.1, Key::Household, "slno,B51C3", 9, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B51C2", 2}, {"B51C3", 2}, {"B51C4", 3}, {"B51C5", 1}, {"B51C6", 1}, {"B51C7", 2}, {"B51C8", 2}, {"B51C9", 1}, {"B51C10", 1}, {"B51C11", 3}, {"B51C12", 1}, {"B51C13", 2}, {"B51C14", 1}, {"B51C15", 2}},
     {}},
    {8, "S211L05", "orcl_211e", 1, 5.2, Key::Household, "slno,B52C3", 9, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B52C2", 2}, {"B52C3", 2}, {"B52C4", 3}, {"B52C5", 1}, {"B52C6", 1}, {"B52C7", 2}, {"B52C8", 2}, {"B52C9", 1}, {"B52C10", 1}, {"B52C11", 3}, {"B52C12", 1}, {"B52C13", 2}, {"B52C14", 1}, {"B52C15", 2}},
     {}},
    {9, "S211L06", "orcl_211f", 1, 6.1, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B61I2", 1}, {"B61I3", 7}, {"B61I31", 1}, {"B61I32", 1}, {"B61I33", 1}, {"B61I34", 1}, {"B61I41", 7}, {"B61I42", 7}, {"B61I43", 7}, {"B61I44", 7}, {"B61I45", 7}, {"B61I46", 7}, {"B61I40", 7}, {"B61I51", 7}, {"B61I52", 7}, {"B61I50", 7}, {"B61I61", 7}, {"B61I62", 7}, {"B61I63", 7}, {"B61I64", 7}, {"B61I65", 7}, {"B61I66", 7}, {"B61I67", 7}, {"B61I68", 7}, {"B61I60", 7}, {"B61I701", 7}, {"B61I702", 7}, {"B61I703", 7}, {"B61I704", 7}, {"B61I705", 7}, {"B61I706", 7}, {"B61I707", 7}, {"B61I708", 7}, {"B61I710", 7}, {"B61I711", 7}, {"B61I700", 7}, {"B61I81", 7}, {"B61I82", 7}, {"B61I83", 7}, {"B61I84", 7}, {"B61I851", 7}, {"B61I852", 7}, {"B61I853", 7}, {"B61I850", 7}, {"B61I80", 7}, {"B61I9", 7}, {"B61I10", 7}, {"B61I11", 8}, {"B61I12", 1}, {"B61I13", 8}, {"B61I14", 1}, {"B61I15", 8}, {"B61I161", 1}, {"B61I162", 1}, {"B61I163", 1}, {"B61I164", 1}, {"B61I165", 1}, {"B61I171", 1}, {"B61I172", 1}, {"B61I173", 1}, {"B61I174", 1}, {"B61I18", 1}},
     {}},
    {10, "S211L07", "orcl_211g", 1, 6.2, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B62I2", 1}, {"B62I3", 7}, {"B62I31", 1}, {"B62I32", 1}, {"B62I33", 1}, {"B62I34", 1}, {"B62I41", 7}, {"B62I42", 7}, {"B62I43", 7}, {"B62I44", 7}, {"B62I45", 7}, {"B62I46", 7}, {"B62I40", 7}, {"B62I51", 7}, {"B62I52", 7}, {"B62I50", 7}, {"B62I61", 7}, {"B62I62", 7}, {"B62I63", 7}, {"B62I64", 7}, {"B62I65", 7}, {"B62I66", 7}, {"B62I67", 7}, {"B62I68", 7}, {"B62I60", 7}, {"B62I701", 7}, {"B62I702", 7}, {"B62I703", 7}, {"B62I704", 7}, {"B62I705", 7}, {"B62I706", 7}, {"B62I707", 7}, {"B62I708", 7}, {"B62I710", 7}, {"B62I711", 7}, {"B62I700", 7}, {"B62I81", 7}, {"B62I82", 7}, {"B62I83", 7}, {"B62I84", 7}, {"B62I851", 7}, {"B62I852", 7}, {"B62I853", 7}, {"B62I850", 7}, {"B62I80", 7}, {"B62I9", 7}, {"B62I10", 7}, {"B62I11", 8}, {"B62I12", 1}, {"B62I13", 8}, {"B62I14", 1}, {"B62I15", 8}, {"B62I161", 1}, {"B62I162", 1}, {"B62I163", 1}, {"B62I164", 1}, {"B62I165", 1}, {"B62I171", 1}, {"B62I172", 1}, {"B62I173", 1}, {"B62I174", 1}, {"B62I18", 1}},
     {}},
    {11, "S211L08", "orcl_211h", 1, 7, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B7C2", 2}, {"B7C3", 1}, {"B7C4", 7}, {"B7C5", 7}, {"B7C6", 7}, {"B7C7", 7}, {"B7C8", 7}, {"B7C9", 7}, {"B7C10", 7}, {"B7C11", 7}, {"B7C12", 7}, {"B7C13", 7}, {"B7C14", 1}, {"B7C15", 1}, {"B7C16", 1}, {"B7C17", 1}, {"B7C18", 1}, {"B7C19", 1}, {"B7C20", 1}, {"B7C21", 1}, {"B7C22", 1}, {"B7C23", 1}},
     {}},
    {12, "S211L09", "orcl_211I", 1, 8, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B8C2", 2}, {"B8C3", 1}, {"B8C4", 8}, {"B8C5", 3}, {"B8C6", 1}, {"B8C7", 1}, {"B8C8", 1}, {"B8C9", 1}, {"B8C10", 1}, {"B8C11", 1}, {"B8C12", 1}, {"B8C13", 1}, {"B8C14", 1}, {"B8C15", 1}},
     {}},
    {13, "S051L01", "orcl_051a", 2, 1, Key::Household, "", 16, {{"DPC", 3}, {"FSUNO", 5}, {"ROUND", 2}, {"SCH", 3}, {"Sample", 1}, {"Sector", 1}, {"STR", 3}, {"Dist", 2}, {"Strm", 2}, {"Sstrm", 2}, {"SR", 1}, {"SRO", 4}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"INFSLN", 2}, {"RC", 1}, {"SVC", 1}, {"RES_SUBST", 1}, {"EMPCODE1", 4}, {"EMPCODE2", 4}, {"EMPCODE3", 4}, {"DOS", 6}, {"DOD", 6}, {"Timec", 3}, {"NO_INV", 1}, {"REM1", 1}, {"REM2", 1}, {"REM3", 1}, {"REM4", 1}},
     {{"vrfsts", 1}}},
    {14, "S051L02", "orcl_051b", 2, 3, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B3C3", 1}, {"B3C4", 1}, {"B3C5", 3}, {"B3C6", 1}, {"B3C7", 2}, {"B3C8", 2}, {"B3C9", 2}, {"B3C10", 2}, {"B3C11", 1}, {"B3C12", 1}, {"B3C13", 1}, {"B3C14", 1}, {"B3C15", 1}, {"B3C16", 1}},
     {}},
    {15, "S051L03", "orcl_051c", 2, 4, Key::Household, "", 6, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"B4I1", 2}, {"B4I2", 1}, {"B4I3", 1}, {"B4I4", 2}, {"B4I5", 8}, {"B4I6", 8}, {"B4I7", 8}, {"B4I8", 8}, {"B4I9", 8}, {"B4I10", 8}, {"B4I11", 1}, {"B4I12", 1}, {"B4I13", 1}, {"B4I14", 1}, {"B4I15", 1}, {"B4I16", 2}, {"B4I17", 1}, {"B4I18", 2}, {"B4I19", 1}, {"B4I20", 2}, {"B4I21", 1}, {"B4I22", 1}, {"B4I23", 1}, {"B4I24", 3}, {"B4I25", 1}, {"B4I26", 2}, {"B4I27", 1}, {"B4I28", 1}, {"B4I29", 1}, {"B4I30", 1}, {"B4I31", 1}, {"B4I32", 1}, {"B4I33", 1}, {"B4I34", 1}, {"B4I35", 1}, {"B4I36", 1}, {"B4I37", 1}, {"B4I38", 1}, {"B4I39", 1}, {"B4I40", 1}, {"B4I41", 1}, {"B4I42", 1}, {"B4I43", 1}, {"B4I44", 2}, {"B4I45", 1}, {"B4I46", 2}},
     {}},
    {16, "S051L04", "orcl_051d", 2, 4.1, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B41C2", 2}},
     {}},
    {17, "S051L05", "orcl_051e", 2, 4.2, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B42C2", 2}},
     {}},
    {18, "S051L06", "orcl_051f", 2, 5, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B5I2", 3}, {"B5I3", 1}, {"B5I4", 1}, {"B5I41", 2}, {"B5I42", 1}, {"B5I51", 2}, {"B5I52", 1}, {"B5I53", 1}, {"B5I541", 2}, {"B5I542", 1}, {"B5I55", 1}, {"B5I561", 1}, {"B5I562", 1}, {"B5I57", 1}, {"B5I58", 1}, {"B5I59", 1}, {"B5I5101", 1}, {"B5I5102", 1}, {"B5I61", 2}, {"B5I62", 2}, {"B5I63", 1}, {"B5I64", 1}, {"B5I65", 1}, {"B5I661", 1}, {"B5I662", 1}, {"B5I71", 1}, {"B5I72", 1}, {"B5I731", 1}, {"B5I732", 1}, {"B5I8", 1}, {"B5I9", 1}, {"B5I10", 1}, {"B5I11", 1}, {"B5I12", 1}, {"B5I13", 1}, {"B5I14", 1}, {"B5I15", 1}, {"B5I16", 1}},
     {}},
    {19, "S051L07", "orcl_051g", 2, 6, Key::Household, "", 6, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"B6I1", 1}, {"B6I21", 3}, {"B6I22", 3}, {"B6I23", 3}, {"B6I3", 1}, {"B6I4", 1}, {"B6I5", 1}, {"B6I6", 1}, {"B6I7", 4}, {"B6I8", 3}, {"B6I9", 3}, {"B6I10", 5}, {"B6I11", 5}, {"B6I12", 5}, {"B6I13", 5}, {"B6I14", 5}, {"B6I15", 1}, {"B6I16", 1}, {"B6I17", 1}},
     {}},
    {20, "S051L08", "orcl_051h", 2, 7, Key::Household, "slno", 7, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"SLNO", 2}, {"B7I2", 3}, {"B7I3", 1}, {"B7I4", 1}, {"B7I5", 2}, {"B7I6", 2}, {"B7I7", 1}, {"B7I8", 1}, {"B7I9", 1}, {"B7I10", 1}, {"B7I11", 1}, {"B7I12", 1}, {"B7I13", 1}, {"B7I14", 1}, {"B7I15", 2}, {"B7I16", 1}},
     {}},
    {21, "S051L09", "orcl_051I", 2, 8, Key::Household, "", 6, {{"DPC", 3}, {"FSUNO", 5}, {"SU", 3}, {"SSS", 1}, {"SSU", 2}, {"B8I1", 1}, {"B8I2", 2}, {"B8I3", 1}, {"B8I4", 2}},
     {}},
};
// clang-format on

Column Text(std::string name, int width) { return {std::move(name), width, ColType::Text}; }
Column Number(std::string name) { return {std::move(name), 0, ColType::Number}; }

}  // namespace

std::vector<Column> BlockTable::SnapshotSources() const {
    return {listed.begin() + (firstSnapshot - 1), listed.end()};
}

std::vector<Column> BlockTable::AllColumns() const {
    std::vector<Column> all = listed;
    all.push_back(Text("creby", kUserIdWidth));
    all.push_back(Text("credate", kDateWidth));
    all.insert(all.end(), extras.begin(), extras.end());
    for (Column c : SnapshotSources()) {
        c.name = "O" + c.name;
        all.push_back(std::move(c));
    }
    return all;
}

Table BlockTable::ArchiveTable() const {
    Table t{ArchiveName(), AllColumns()};
    t.columns.push_back(Text("deldate", kDateWidth));
    t.columns.push_back(Text("delby", kUserIdWidth));
    return t;
}

const std::vector<BlockTable>& BlockTables() { return kBlockTables; }

const BlockTable& BlockTableAt(int index) {
    if (index < 1 || index > kBlockTableCount)
        throw std::out_of_range("No block table has index " + std::to_string(index));
    return kBlockTables[index - 1];
}

std::vector<const BlockTable*> ScheduleTables(int schType) {
    std::vector<const BlockTable*> tables;
    for (const auto& t : kBlockTables)
        if (t.schedule == schType) tables.push_back(&t);
    return tables;
}

const BlockTable& IdentificationTable(int schType) {
    for (const auto& t : kBlockTables)
        if (t.schedule == schType && t.Identification()) return t;
    throw std::out_of_range("No schedule has type " + std::to_string(schType));
}

const BlockTable* FindBlockTable(std::string_view name) {
    for (const auto& t : kBlockTables)
        if (text::EqualsNoCase(t.name, name)) return &t;
    return nullptr;
}

std::vector<Column> SampleListColumns() {
    return {Text("FSUNO", 5), Text("RND", 2),  Text("SAMPLE", 1), Text("SECTOR", 1), Text("STATE", 2),
            Text("REG", 1),   Text("DIST", 2), Text("STRM", 2),   Text("SSTRM", 2),  Text("SR", 1),
            Text("SU", 3),    Text("FC", 2),   Text("FPOP", 6)};
}

std::vector<Table> MasterTables() {
    return {
        {"valid_user",
         {Text("userid", kUserIdWidth), Text("passwd", kUserIdWidth), Text("dpc", 3), Text("usertype", 1)}},
        {"samplelist", SampleListColumns()},
        {"nic78", {Text("niccode", 0)}},
        {"nco78", {Text("ncocode", 0)}},
    };
}

std::vector<Table> FsuTables() {
    std::vector<Table> tables;
    Table sample{"samplelist", SampleListColumns()};
    for (Column c : {Text("creby", kUserIdWidth), Text("Credate", kDateWidth), Text("entsts", 1),
                     Text("DOENT", kDateWidth), Text("loadsts", 1), Text("DOLOAD", kDateWidth),
                     Text("vrfsts", 1), Number("CNT211"), Number("CNT051")})
        sample.columns.push_back(std::move(c));
    tables.push_back(std::move(sample));
    for (const auto& b : kBlockTables) tables.push_back(b.AsTable());
    for (const auto& b : kBlockTables)
        if (b.HasArchive()) tables.push_back(b.ArchiveTable());
    tables.push_back({"val_error",
                      {Text("fsuno", 5), Number("srlno"), Text("seg", 3), Text("sss", 1), Text("ssu", 2),
                       Text("blk", 0), Text("item", 0), Text("col", 0), Text("msg1", 0), Text("msg2", 0),
                       Text("msgtype", 4), Text("schno", 2), Text("visit", 0)}});
    return tables;
}

std::string CreateTableSql(const Table& table) {
    // Text compares without regard to case, as the old engine did (the login and
    // the statements' spellings of codes rely on it); a text column refuses a value
    // longer than its field width instead of storing it.
    std::string sql = "CREATE TABLE \"" + table.name + "\" (";
    for (size_t i = 0; i < table.columns.size(); ++i) {
        const Column& c = table.columns[i];
        if (i) sql += ", ";
        sql += "\"" + c.name + "\"";
        if (c.type == ColType::Number) {
            sql += " NUMERIC";
        } else {
            sql += " TEXT COLLATE NOCASE";
            if (c.width > 0) sql += " CHECK (length(\"" + c.name + "\") <= " + std::to_string(c.width) + ")";
        }
    }
    return sql + ")";
}

}  // namespace r78::layout

namespace r78::layout {

std::vector<std::string> FsuIndexSql() {
    std::vector<std::string> sql;
    for (const auto& t : kBlockTables) {
        const bool listing = t.Listing();
        sql.push_back("CREATE INDEX \"ix_" + t.name + "\" ON \"" + t.name + "\" (" +
                      (listing ? "FSUNO" : "FSUNO, SSS, SSU") + ")");
    }
    sql.push_back("CREATE INDEX \"ix_val_error\" ON \"val_error\" (fsuno)");
    return sql;
}

}  // namespace r78::layout
