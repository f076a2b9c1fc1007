#include <gtest/gtest.h>

#include "screens/BlockRecord.h"
#include "tests/support/FsuFile.h"

namespace r78 {
namespace {

class BlockRecordTest : public ::testing::Test {
protected:
    BlockRecordTest() {
        f.s.CurSss = "2";
        f.s.CurSsu = "05";
    }
    std::string Read(const std::string& sql) {
        const auto rs = f.s.FsuConn->Query(sql);
        if (rs.Eof()) return "<no row>";
        return rs.Field(0).IsNull() ? "<null>" : rs.Field(0).Text();
    }
    std::vector<std::string> Boxes(size_t n, std::initializer_list<std::pair<size_t, std::string>> set = {}) {
        std::vector<std::string> boxes(n);
        for (const auto& [i, text] : set) boxes[i] = text;
        return boxes;
    }

    test::FsuFile f{"10001", 1};
};

TEST_F(BlockRecordTest, BoxesStartAfterTheKeyTheirKindLeavesToTheScreen) {
    const BlockRecord listing(f.s, 1, RecordKind::FsuBlock1);
    EXPECT_EQ(listing.BoxCount(), 29);
    EXPECT_EQ(listing.BoxColumn(0).name, "FSUNO");
    EXPECT_EQ(listing.BoxColumn(28).name, "REM4");
    EXPECT_EQ(listing.FirstWidthField(), 2);
    const BlockRecord block4(f.s, 6, RecordKind::HouseholdBlock);
    EXPECT_EQ(block4.BoxCount(), 17);
    EXPECT_EQ(block4.BoxColumn(0).name, "B4I1");
    EXPECT_EQ(block4.FirstWidthField(), 6);
    EXPECT_EQ(f.s.FieldCount[6] - 6, block4.BoxCount() - 1) << "the last box is the width row's last field";
}

TEST_F(BlockRecordTest, HouseholdBlockRowIsKeyedByTheSharedStateAndItsBoxesKeptAsTyped) {
    f.Insert("S211L03", {{"FSUNO", "10001"}, {"SU", ""}, {"SSS", "2"}, {"SSU", "06"}, {"B4I1", "3"}});
    const BlockRecord r(f.s, 6, RecordKind::HouseholdBlock);
    EXPECT_FALSE(r.Exists());
    EXPECT_TRUE(r.Read().empty());

    r.Insert(Boxes(17, {{0, "05"}, {1, "9'1"}}));
    EXPECT_TRUE(r.Exists());
    EXPECT_EQ(
        Read("select DPC || '|' || FSUNO || '|' || SU || '|' || SSS || '|' || SSU || '|' || B4I1 || '|' || "
             "B4I2 || '|' || creby || '|' || credate from S211L03 where ssu = '05'"),
        "101|10001||2|05|05|9'1|OPR1|200315");
    EXPECT_EQ(Read("select B4I3 from S211L03 where ssu = '05'"), "<null>");
    EXPECT_EQ(r.Read(), Boxes(17, {{0, "05"}, {1, "9'1"}}));

    r.Update(Boxes(17, {{2, "12345"}}));
    EXPECT_EQ(Read("select B4I1 from S211L03 where ssu = '05'"), "");
    EXPECT_EQ(Read("select B4I3 from S211L03 where ssu = '05'"), "12345");
    EXPECT_EQ(Read("select B4I1 from S211L03 where ssu = '06'"), "3") << "another household is left alone";

    r.Delete();
    EXPECT_FALSE(r.Exists());
    EXPECT_EQ(Read("select count(*) from S211L03"), "1");
    EXPECT_EQ(Read("select count(*) from S211L03_del"), "0") << "a single block is deleted without a copy";
}

TEST_F(BlockRecordTest, NumberColumnTakesTheNumberAndRefusesAnythingElseBeforeWriting) {
    const BlockRecord r(f.s, 1, RecordKind::FsuBlock1);
    EXPECT_THROW(r.Insert(Boxes(29, {{0, "10001"}, {13, "12#"}})), NotANumber);
    EXPECT_FALSE(f.s.FsuConn->InTransaction());
    EXPECT_EQ(Read("select count(*) from S000L01"), "0");

    r.Insert(Boxes(29, {{0, "10001"}, {13, "0950"}, {15, " "}}));
    EXPECT_EQ(Read("select typeof(APOP) || ' ' || APOP from S000L01"), "integer 950");
    EXPECT_EQ(Read("select APOP1 from S000L01"), "<null>");
    r.Update(Boxes(29, {{0, "10001"}, {14, "3"}}));
    EXPECT_EQ(Read("select coalesce(APOP, 'null') || ' ' || DSI from S000L01"), "null 3");
}

TEST_F(BlockRecordTest, ArchiveAndDeleteOfAHouseholdTouchesNoOtherHousehold) {
    for (int index = 4; index <= 12; ++index)
        for (const char* ssu : {"05", "06"}) {
            const std::string table = layout::BlockTableAt(index).name;
            f.Insert(table, {{"FSUNO", "10001"}, {"SSS", "2"}, {"SSU", ssu}});
        }
    {
        db::Transaction tx(*f.s.FsuConn);
        ArchiveAndDelete(f.s, {4, 5, 6, 7, 8, 9, 10, 11, 12}, true);
        tx.Commit();
    }
    for (int index = 4; index <= 12; ++index) {
        const auto& t = layout::BlockTableAt(index);
        SCOPED_TRACE(t.name);
        EXPECT_EQ(Read("select group_concat(SSU) from " + t.name), "06");
        EXPECT_EQ(Read("select group_concat(SSU || deldate || delby) from " + t.ArchiveName()),
                  "05200315OPR1");
    }
}

}  // namespace
}  // namespace r78
