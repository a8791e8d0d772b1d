// Rows read straight from a store's pages must be exactly the rows the
// engine reads, on every shape of page the engine writes; and whatever the
// file alone cannot tell (a log beside it, a column's default, damage) must
// be refused, never read wrongly.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <random>
#include <thread>
#include <tuple>

#include "Stores.h"
#include "TestSupport.h"
#include "uPlatform.h"
#include "uSqlite.h"

using namespace vt_test;

namespace {

// rowid, then per column: storage class, integer, bytes.
using Value = std::tuple<int, int64_t, std::string>;
using Row = std::pair<int64_t, std::vector<Value>>;

std::vector<Row> EngineRows(const std::string& path, const std::string& table,
                            const std::vector<std::string>& columns) {
  TSqliteDb db;
  EXPECT_TRUE(db.OpenReadOnly(path));
  std::string sql = "SELECT rowid";
  for (const std::string& c : columns) sql += ", " + c;
  TSqlStmt stmt = nullptr;
  EXPECT_TRUE(db.Prepare(sql + " FROM " + table, stmt)) << db.LastError();
  std::vector<Row> rows;
  while (db.Step(stmt) == 100) {
    Row row{db.ColInt(stmt, 0), {}};
    for (size_t i = 0; i < columns.size(); ++i) {
      const int col = static_cast<int>(i) + 1;
      const int type = db.ColType(stmt, col);
      row.second.emplace_back(type, type == 1 ? db.ColInt(stmt, col) : 0,
                              type >= 3 ? db.ColText(stmt, col) : std::string());
    }
    rows.push_back(row);
  }
  db.Finalize(stmt);
  return rows;
}

// The rows of `pages`, read in `parts` runs of leaves one after another.
bool PageRows(const TTablePages& pages, size_t columns, std::vector<Row>& rows, size_t parts = 1) {
  rows.clear();
  const size_t n = pages.LeafCount();
  for (size_t k = 0; k < parts; ++k) {
    const bool read =
        pages.Scan(n * k / parts, n * (k + 1) / parts,
                   [&](int64_t rowid, const TTablePages::TValue* v) {
                     Row row{rowid, {}};
                     for (size_t i = 0; i < columns; ++i)
                       row.second.emplace_back(v[i].Type, v[i].Int,
                                               v[i].Type >= 3 ? StoredText(v[i].Bytes, v[i].Size)
                                                              : std::string());
                     rows.push_back(row);
                     return true;
                   });
    if (!read) return false;
  }
  return true;
}

bool OpenPages(const std::string& path, const std::string& table,
               const std::vector<std::string>& columns, TTablePages& pages, TSqliteDb& db) {
  EXPECT_TRUE(db.OpenReadOnly(path));
  return pages.Open(db, table, columns);
}

// A store of the given page size and reserved bytes at the end of each page.
void MakeStore(const std::string& path, int pageSize, int reserved, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, ("PRAGMA page_size=" + std::to_string(pageSize)).c_str(), nullptr,
                         nullptr, nullptr),
            SQLITE_OK);
  if (reserved > 0) {
    ASSERT_EQ(sqlite3_file_control(db, "main", SQLITE_FCNTL_RESERVE_BYTES, &reserved), SQLITE_OK);
  }
  char* err = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err), SQLITE_OK) << err;
  sqlite3_close(db);
}

// Rows with every kind of value: integers of every stored width, both
// constants, reals, NULLs, texts and blobs (with a NUL, with bytes that are
// not UTF-8, long enough to go on over several overflow pages), at row ids
// far apart; and a column after a long text, whose value lies on an
// overflow page.
std::string VariedRows(int count) {
  std::string sql =
      "CREATE TABLE t(id INTEGER PRIMARY KEY, a INTEGER, b TEXT, c BLOB, d, e INTEGER);"
      "BEGIN;";
  const char* ints[] = {"0", "1", "-1", "127", "-128", "32767", "-32768", "8388607", "-8388608",
                        "2147483647", "-2147483648", "140737488355327", "-140737488355328",
                        "9223372036854775807", "-9223372036854775808", "NULL", "2.5"};
  const char* texts[] = {"'百度一下'", "NULL", "X'616200FF'", "CAST(X'FF61E4B8' AS TEXT)", "''",
                         "'plain https://example.com/a?b=c'", "42"};
  for (int i = 0; i < count; ++i) {
    const std::string id = std::to_string(i % 97 == 0 ? -1000000000LL * i : 3LL * i + 7);
    const int longText = i % 53 == 0 ? 1 + (i % 5) * 3000 : 0;
    sql += "INSERT INTO t VALUES(" + id + ", " + ints[i % 17] + ", " +
           (longText ? "printf('%.*c', " + std::to_string(longText) + ", 'x')"
                     : std::string(texts[i % 7])) +
           ", " + (i % 11 == 0 ? "randomblob(700)" : "X'00'") + ", " + ints[(i * 5) % 17] +
           ", " + std::to_string(i) + ");";
  }
  return sql + "DELETE FROM t WHERE e % 13 = 5; COMMIT;";
}

const std::vector<std::string> kColumns = {"a", "b", "d", "e"};

uint32_t Be16(const std::string& s, size_t at) {
  return (static_cast<uint32_t>(static_cast<unsigned char>(s[at])) << 8) |
         static_cast<unsigned char>(s[at + 1]);
}
uint32_t Be32(const std::string& s, size_t at) { return (Be16(s, at) << 16) | Be16(s, at + 2); }
std::string Be32Bytes(uint32_t v) {
  return std::string{static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                     static_cast<char>(v >> 8), static_cast<char>(v)};
}

int64_t RootPage(const std::string& path, const std::string& table) {
  TSqliteDb db;
  EXPECT_TRUE(db.OpenReadOnly(path));
  TSqlStmt stmt = nullptr;
  EXPECT_TRUE(db.Prepare("SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'", stmt));
  EXPECT_EQ(db.Step(stmt), 100);
  const int64_t root = db.ColInt(stmt, 0);
  db.Finalize(stmt);
  return root;
}

}  // namespace

TEST(TablePages, RowsComeAsTheEngineReadsThemOnEveryPageShape) {
  TempFolder tmp;
  for (const auto& [pageSize, reserved, count] :
       {std::tuple<int, int, int>{512, 0, 3000}, {512, 32, 1500}, {4096, 0, 2000},
        {65536, 17, 600}}) {
    SCOPED_TRACE(std::to_string(pageSize) + " bytes a page, " + std::to_string(reserved) +
                 " reserved");
    const std::string path =
        tmp.Sub("s" + std::to_string(pageSize) + "_" + std::to_string(reserved) + ".db");
    MakeStore(path, pageSize, reserved, VariedRows(count));
    const std::vector<Row> expected = EngineRows(path, "t", kColumns);
    ASSERT_GT(expected.size(), 100u);

    TSqliteDb db;
    TTablePages pages;
    ASSERT_TRUE(OpenPages(path, "T", kColumns, pages, db));
    EXPECT_EQ(pages.RowIdColumn(), "id");
    if (pageSize == 512) {
      EXPECT_GT(pages.LeafCount(), 100u);
    }
    std::vector<Row> rows;
    for (size_t parts : {size_t{1}, size_t{3}, size_t{16}}) {
      ASSERT_TRUE(PageRows(pages, kColumns.size(), rows, parts));
      EXPECT_EQ(rows, expected) << parts << " runs";
    }
    // Two threads at once, as the collector reads.
    std::vector<Row> front, back;
    const size_t half = pages.LeafCount() / 2;
    auto scanInto = [&](size_t from, size_t to, std::vector<Row>& out) {
      pages.Scan(from, to, [&](int64_t rowid, const TTablePages::TValue* v) {
        out.push_back(Row{rowid, {Value{v[0].Type, v[0].Int, ""}}});
        return true;
      });
    };
    std::thread other([&]() { scanInto(half, pages.LeafCount(), back); });
    scanInto(0, half, front);
    other.join();
    front.insert(front.end(), back.begin(), back.end());
    ASSERT_EQ(front.size(), expected.size());
    for (size_t i = 0; i < front.size(); ++i) EXPECT_EQ(front[i].first, expected[i].first);

    // A row handler that stops ends the scan there, without failing it.
    size_t seen = 0;
    EXPECT_TRUE(pages.Scan(0, pages.LeafCount(), [&](int64_t, const TTablePages::TValue*) {
      return ++seen < 5;
    }));
    EXPECT_EQ(seen, 5u);
  }

  // An empty table is one empty leaf.
  const std::string empty = tmp.Sub("empty.db");
  ExecSql(empty, "CREATE TABLE t(id INTEGER PRIMARY KEY, a INTEGER, b TEXT, d, e INTEGER)");
  TSqliteDb db;
  TTablePages pages;
  ASSERT_TRUE(OpenPages(empty, "t", kColumns, pages, db));
  std::vector<Row> rows;
  EXPECT_TRUE(PageRows(pages, kColumns.size(), rows));
  EXPECT_TRUE(rows.empty());
}

// What only the engine can read right is left to it: pages in a log, a
// column whose values are converted on reading, a column some rows lack,
// a row id column that is not the row id, values longer than the engine
// loads, tables that are not plain row id tables.
TEST(TablePages, WhatTheFileAloneCannotTellIsRefused) {
  TempFolder tmp;
  auto opens = [&](const std::string& path, const std::string& table,
                   const std::vector<std::string>& columns) {
    TSqliteDb db;
    TTablePages pages;
    return OpenPages(path, table, columns, pages, db);
  };
  auto scans = [&](const std::string& path, const std::string& table,
                   const std::vector<std::string>& columns) {
    TSqliteDb db;
    TTablePages pages;
    std::vector<Row> rows;
    EXPECT_TRUE(OpenPages(path, table, columns, pages, db)) << table;
    return PageRows(pages, columns.size(), rows);
  };

  const std::string path = tmp.Sub("odd.db");
  ExecSql(path,
          "CREATE TABLE plain(id INTEGER PRIMARY KEY, n INTEGER, r REAL, f FLOAT, x NUMERIC);"
          "INSERT INTO plain VALUES(1, 2, 3, 4, 5);"
          "CREATE TABLE grown(id INTEGER PRIMARY KEY, n INTEGER);"
          "INSERT INTO grown VALUES(1, 2);"
          "ALTER TABLE grown ADD COLUMN m INTEGER DEFAULT 7;"
          "CREATE TABLE descending(id INTEGER PRIMARY KEY DESC, n INTEGER);"
          "INSERT INTO descending VALUES(5, 6);"
          "CREATE TABLE keyed(k TEXT PRIMARY KEY, n INTEGER) WITHOUT ROWID;"
          "INSERT INTO keyed VALUES('a', 1);"
          "CREATE TABLE computed(id INTEGER PRIMARY KEY, n INTEGER, g INTEGER AS (n * 2), "
          "m INTEGER);"
          "INSERT INTO computed(id, n, m) VALUES(1, 2, 3);"
          "CREATE VIEW seen AS SELECT * FROM plain;"
          "CREATE TABLE huge(id INTEGER PRIMARY KEY, t TEXT);"
          "INSERT INTO huge VALUES(1, printf('%.*c', 2097153, 'x'));"
          "CREATE TABLE behind(id INTEGER PRIMARY KEY, big BLOB, n INTEGER);"
          "INSERT INTO behind VALUES(1, zeroblob(9000000), 5);");
  EXPECT_TRUE(scans(path, "plain", {"n", "x"}));
  EXPECT_FALSE(opens(path, "plain", {"r"}));       // an integer would read back as a real
  EXPECT_FALSE(opens(path, "plain", {"n", "f"}));
  EXPECT_FALSE(opens(path, "plain", {"id"}));      // the row id is no stored column
  EXPECT_FALSE(opens(path, "plain", {"none"}));
  EXPECT_FALSE(opens(path, "plain", {}));
  EXPECT_FALSE(opens(path, "plain", {"n", "n", "n", "n", "n"}));
  EXPECT_TRUE(scans(path, "grown", {"n"}));
  EXPECT_FALSE(scans(path, "grown", {"m"}));       // the old row holds no m: the default is 7
  EXPECT_FALSE(scans(path, "descending", {"n"}));  // id is stored: not the row id
  EXPECT_FALSE(opens(path, "keyed", {"n"}));
  EXPECT_FALSE(opens(path, "computed", {"m"}));
  EXPECT_FALSE(opens(path, "seen", {"n"}));
  EXPECT_FALSE(opens(path, "missing", {"n"}));
  EXPECT_FALSE(scans(path, "huge", {"t"}));
  EXPECT_FALSE(scans(path, "behind", {"n"}));  // not worth gathering nine megabytes for

  // A store in UTF-16.
  const std::string wide = tmp.Sub("wide.db");
  ExecSql(wide, "PRAGMA encoding='UTF-16le'; CREATE TABLE t(id INTEGER PRIMARY KEY, n INTEGER);"
                "INSERT INTO t VALUES(1, 2);");
  EXPECT_FALSE(opens(wide, "t", {"n"}));

  // Pages still in the write-ahead log: the file alone is out of date.
  const std::string logged = tmp.Sub("logged.db");
  ExecSql(logged, "CREATE TABLE t(id INTEGER PRIMARY KEY, n INTEGER); INSERT INTO t VALUES(1, 2)");
  EXPECT_TRUE(opens(logged, "t", {"n"}));
  sqlite3* writer = OpenLogWriter(logged, "INSERT INTO t VALUES(2, 3);");
  ASSERT_GT(plat::FileSize(logged + "-wal"), 0);
  EXPECT_FALSE(opens(logged, "t", {"n"}));
  sqlite3_close(writer);

  // A connection out of time reads no pages either.
  SetStoreTimeLimit(1);
  {
    TSqliteDb db;
    ASSERT_TRUE(db.OpenReadOnly(path));
    plat::SleepMs(20);
    TTablePages pages;
    EXPECT_FALSE(pages.Open(db, "plain", {"n"}));
  }
  SetStoreTimeLimit(0);
}

// Damage the engine would stop at stops the reading too, and no damage
// makes it read outside the file, loop or crash.
TEST(TablePages, DamageIsRefusedAndNeverReadPast) {
  TempFolder tmp;
  const std::string good = tmp.Sub("good.db");
  MakeStore(good, 512, 0, VariedRows(1200));
  const std::string original = ReadFile(good);
  const int64_t root = RootPage(good, "t");
  const size_t rootAt = static_cast<size_t>(root - 1) * 512;
  ASSERT_EQ(original[rootAt], 5);  // interior
  const uint32_t firstChild = Be32(original, rootAt + Be16(original, rootAt + 12));
  // The first leaf: down the left edge.
  uint32_t leaf = firstChild;
  while (original[(leaf - 1) * 512] == 5) {
    const size_t at = (leaf - 1) * 512;
    leaf = Be32(original, at + Be16(original, at + 12));
  }
  const size_t leafAt = (leaf - 1) * 512;
  const uint32_t pageCount = static_cast<uint32_t>(original.size() / 512);
  // A leaf row whose record goes on over two overflow pages or more.
  uint32_t overflowHead = 0;
  {
    TSqliteDb db;
    TTablePages pages;
    ASSERT_TRUE(OpenPages(good, "t", kColumns, pages, db));
  }
  for (uint32_t p = 2; p <= pageCount && overflowHead == 0; ++p) {
    const size_t at = (p - 1) * 512;
    if (original[at] != 13) continue;
    for (uint32_t c = 0; c < Be16(original, at + 3); ++c) {
      const size_t cell = at + Be16(original, at + 8 + 2 * c);
      if (static_cast<unsigned char>(original[cell]) & 0x80) {  // a payload of 128 bytes or more
        uint64_t payload = 0;
        size_t k = cell;
        do payload = (payload << 7) | (original[k] & 0x7F);
        while (static_cast<unsigned char>(original[k++]) & 0x80);
        if (payload <= 512 - 35) continue;
        const uint64_t minLocal = (512 - 12) * 32 / 255 - 23;
        uint64_t local = minLocal + (payload - minLocal) % (512 - 4);
        if (local > 512 - 35) local = minLocal;
        if (payload - local <= 512 - 4) continue;  // a chain of two pages at least
        size_t r = k;
        while (static_cast<unsigned char>(original[r++]) & 0x80) {
        }
        overflowHead = Be32(original, r + local);
        break;
      }
    }
  }
  ASSERT_NE(overflowHead, 0u);
  // A leaf that is neither the first nor the last, and the root's second
  // child, put first to swap two subtrees' places (the second's own slot
  // then names the first child again, which a second change restores).
  const uint32_t secondChild = Be32(original, rootAt + Be16(original, rootAt + 14));
  size_t middleLeafAt = 0;
  for (uint32_t p = pageCount / 2; p <= pageCount && middleLeafAt == 0; ++p)
    if (original[(p - 1) * 512] == 13 && p != leaf) middleLeafAt = (p - 1) * 512;
  ASSERT_NE(middleLeafAt, 0u);

  struct Damage {
    const char* What;
    size_t At;
    std::string Bytes;
  };
  const std::vector<Damage> damages = {
      {"a leaf that is an index page", leafAt, std::string(1, '\x0A')},
      {"a child that is the root again", rootAt + Be16(original, rootAt + 12),
       Be32Bytes(static_cast<uint32_t>(root))},
      {"a child past the end of the file", rootAt + Be16(original, rootAt + 12),
       Be32Bytes(pageCount + 5)},
      {"a child that is page 1", rootAt + 8, Be32Bytes(1)},
      {"a cell outside its page", leafAt + 8, std::string("\x01\xFF", 2)},
      {"a cell inside the page's header", leafAt + 8, std::string("\x00\x02", 2)},
      {"two children that are one page", rootAt + Be16(original, rootAt + 14),
       Be32Bytes(firstChild)},
      {"more cells than the page holds", leafAt + 3, std::string("\x7F\xFF", 2)},
      {"an overflow chain that loops", (overflowHead - 1) * 512, Be32Bytes(overflowHead)},
      {"an overflow chain that leaves the file", (overflowHead - 1) * 512,
       Be32Bytes(pageCount + 1)},
      {"a first leaf that claims every cell a count can", leafAt + 3, std::string("\xFF\xFF", 2)},
      {"a first leaf emptied", leafAt + 3, std::string("\x00\x00", 2)},
      {"a leaf in the middle emptied", middleLeafAt + 3, std::string("\x00\x00", 2)},
      {"an interior page emptied", rootAt + 3, std::string("\x00\x00", 2)},
      {"row ids that fall from one leaf to the next", rootAt + Be16(original, rootAt + 12),
       Be32Bytes(secondChild)},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.What);
    std::string bytes = original;
    bytes.replace(d.At, d.Bytes.size(), d.Bytes);
    if (d.Bytes == Be32Bytes(secondChild))  // the second slot takes the first child
      bytes.replace(rootAt + Be16(original, rootAt + 14), 4, Be32Bytes(firstChild));
    const std::string path = tmp.Sub("damaged.db");
    WriteFile(path, bytes);
    TSqliteDb db;
    TTablePages pages;
    std::vector<Row> rows;
    const bool opened = OpenPages(path, "t", kColumns, pages, db);
    // Room is never made for more rows than the file's pages can hold.
    if (opened) EXPECT_LE(pages.RowsOnLeaves(pages.LeafCount()), pageCount * (504 / 6 + 1) + 16);
    EXPECT_FALSE(opened && PageRows(pages, kColumns.size(), rows, 4));
  }

  // Bytes changed at random, a few at a time: any answer but a crash, a
  // hang or a read outside the file (the sanitizers watch).
  std::mt19937 random(20261207);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = original;
    const int changes = 1 + static_cast<int>(random() % 6);
    for (int k = 0; k < changes; ++k) {
      // Mostly inside the table's pages, sometimes in the file's header.
      const size_t at = k == 0 && round % 10 == 0 ? random() % 100
                                                  : 512 + random() % (bytes.size() - 512);
      bytes[at] = static_cast<char>(random());
    }
    const std::string path = tmp.Sub("random.db");
    WriteFile(path, bytes);
    TSqliteDb db;
    if (!db.OpenReadOnly(path)) continue;
    TTablePages pages;
    std::vector<Row> rows;
    if (pages.Open(db, "t", kColumns)) PageRows(pages, kColumns.size(), rows, 3);
  }
}
