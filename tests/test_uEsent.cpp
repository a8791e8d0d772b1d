#include <gtest/gtest.h>

#include "TestSupport.h"
#include "uEsent.h"
#include "uUtil.h"
#include "webcache_sample.h"

using vt_test::TempFolder;

namespace {

std::string Utf16Le(const std::string& ascii) {
  std::string s;
  for (char c : ascii) {
    s += c;
    s += '\0';
  }
  return s;
}

}  // namespace

TEST(Esent, FailuresCarryOperationAndCode) {
  TempFolder tmp;
  TEsentDb db(tmp.Sub("work"));
  EXPECT_TRUE(vt_test::Exists(tmp.Sub("work")));  // the work folder exists from the start

  TEseTable tbl = 123;
  EXPECT_FALSE(db.OpenTable("Containers", tbl));  // nothing open yet: no error recorded
  EXPECT_EQ(tbl, 0u);
  EXPECT_EQ(db.LastErrorText(), "");
  EXPECT_EQ(db.LastErrorCode(), 0);

  vt_test::WriteFile(tmp.Sub("junk.dat"), std::string(65536, 'x'));
  EXPECT_FALSE(db.AttachReadOnly(tmp.Sub("junk.dat")));
  EXPECT_EQ(db.LastErrorText(), "打开数据库失败（ESE 错误码 -1）");
  EXPECT_EQ(db.LastErrorCode(), TEsentDb::kReaderError);

  EXPECT_FALSE(db.AttachReadOnly(tmp.Sub("missing.dat")));
  EXPECT_EQ(db.LastErrorText(), "打开数据库失败（ESE 错误码 -1）");

  std::string data = "left over";
  EXPECT_FALSE(db.ReadColumn(0, 1, data));
  EXPECT_EQ(data, "");
  EXPECT_FALSE(db.MoveFirst(0));
  db.CloseTable(0);
  db.Detach();
}

TEST(Esent, WalksTheRealContainersTable) {
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  TEsentDb db(tmp.Sub("snap/ese_work"));
  ASSERT_TRUE(db.AttachReadOnly(file)) << db.LastErrorText();

  std::vector<std::string> tables;
  ASSERT_TRUE(db.TableNames(tables));
  EXPECT_EQ(tables.size(), 34u);

  TEseTable missing = 0;
  EXPECT_FALSE(db.OpenTable("NoSuchTable", missing));
  EXPECT_EQ(db.LastErrorText(), "打开表 NoSuchTable失败（ESE 错误码 -1）");

  TEseTable tbl = 0;
  ASSERT_TRUE(db.OpenTable("Containers", tbl));
  std::vector<uint32_t> ids;
  ASSERT_TRUE(db.ColumnIds(tbl, ids));
  const std::vector<uint32_t> expected = {1, 2, 3, 4, 5, 6, 7, 8, 128, 256, 257, 258, 259, 260};
  EXPECT_EQ(ids, expected);
  uint32_t nameId = 0;
  EXPECT_TRUE(db.ColumnIdByName(tbl, "Name", nameId));
  EXPECT_EQ(nameId, 128u);
  EXPECT_FALSE(db.ColumnIdByName(tbl, "name", nameId));  // exact spelling only

  std::string data;
  ASSERT_TRUE(db.MoveFirst(tbl));
  ASSERT_TRUE(db.ReadColumn(tbl, 128, data));
  EXPECT_EQ(data, Utf16Le(std::string("Content", 8)));
  ASSERT_TRUE(db.MoveNext(tbl));
  ASSERT_TRUE(db.ReadColumn(tbl, 1, data));
  EXPECT_EQ(data, std::string("\x02\0\0\0\0\0\0\0", 8));
  ASSERT_TRUE(db.ReadColumn(tbl, 128, data));
  EXPECT_EQ(data, Utf16Le(std::string("History", 8)));
  // A null column and an id the table does not have read as nothing.
  EXPECT_FALSE(db.ReadColumn(tbl, 258, data));
  EXPECT_EQ(data, "");
  EXPECT_FALSE(db.ReadColumn(tbl, 0, data));
  EXPECT_FALSE(db.ReadColumn(tbl, 999, data));

  int rows = 2;
  while (db.MoveNext(tbl)) ++rows;
  EXPECT_EQ(rows, 19);
  EXPECT_FALSE(db.MoveNext(tbl));  // stays past the end
  EXPECT_FALSE(db.ReadColumn(tbl, 1, data));
  ASSERT_TRUE(db.MoveFirst(tbl));  // and can start over
  EXPECT_TRUE(db.ReadColumn(tbl, 1, data));
  db.CloseTable(tbl);
  db.CloseTable(tbl);  // a second close is harmless
}

TEST(Esent, UnreadableLongValueLeavesTheRowReadable) {
  // In this dirty snapshot the long-value tree lacks two URLs of Container_1
  // (rows 28 and 30): those columns read as nothing, the rest of the row
  // still reads.
  TempFolder tmp;
  VT_REQUIRE_WEBCACHE_SAMPLE(file, tmp.Sub("snap"));
  TEsentDb db(tmp.Sub("snap/ese_work"));
  ASSERT_TRUE(db.AttachReadOnly(file));
  TEseTable tbl = 0;
  ASSERT_TRUE(db.OpenTable("Container_1", tbl));
  ASSERT_TRUE(db.MoveFirst(tbl));
  for (int i = 0; i < 27; ++i) ASSERT_TRUE(db.MoveNext(tbl));
  std::string data;
  EXPECT_FALSE(db.ReadColumn(tbl, 256, data));
  EXPECT_EQ(data, "");
  EXPECT_TRUE(db.ReadColumn(tbl, 14, data));
  EXPECT_EQ(data.size(), 8u);
  // Tables left open are released with the database.
  db.Detach();
  EXPECT_FALSE(db.MoveNext(tbl));
  db.CloseTable(tbl);
}
