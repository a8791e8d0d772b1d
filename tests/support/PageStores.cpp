#include "PageStores.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "Stores.h"

namespace vt_test {

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

namespace layout {

void RemoveStore(const std::string& path) {
  for (const char* side : {"", "-wal", "-shm", "-journal"}) std::remove((path + side).c_str());
}

class Conn {
 public:
  explicit Conn(const std::string& path) {
    if (sqlite3_open(path.c_str(), &FDb) != SQLITE_OK) Fail("open " + path);
  }
  ~Conn() {
    for (sqlite3_stmt* s : FStmts) sqlite3_finalize(s);
    sqlite3_close(FDb);
  }
  sqlite3* Handle() const { return FDb; }
  void Exec(const std::string& sql) {
    if (sqlite3_exec(FDb, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
      Fail(sql.substr(0, 120));
  }
  sqlite3_stmt* Prepare(const std::string& sql) {
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(FDb, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) Fail(sql);
    FStmts.push_back(s);
    return s;
  }
  void Run(sqlite3_stmt* s) {
    if (sqlite3_step(s) != SQLITE_DONE) Fail("step");
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
  }
  int64_t Int(const std::string& sql) {
    sqlite3_stmt* s = Prepare(sql);
    const int64_t v = sqlite3_step(s) == SQLITE_ROW ? sqlite3_column_int64(s, 0) : 0;
    sqlite3_reset(s);
    return v;
  }
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error("sqlite: " + what + ": " + sqlite3_errmsg(FDb));
  }

 private:
  sqlite3* FDb = nullptr;
  std::vector<sqlite3_stmt*> FStmts;
};

// ---- Table shapes -----------------------------------------------------------

// How the urls or visits table is declared. Chromium writes the first;
// the others are what a store can hold all the same.
enum Shape { kAsIs, kNullable, kReordered, kWide, kGrown, kWithoutRowid, kShapes };
const char* const kShapeNames[] = {"as is", "nullable", "reordered", "wide", "grown",
                                   "without rowid"};

struct Table {
  std::string Name;
  std::vector<std::string> Columns;  // definitions, in table order
  Shape Form = kAsIs;
  std::string Late;  // grown: the definition added by ALTER TABLE
  std::string Ddl() const {
    std::string sql = "CREATE TABLE " + Name + "(";
    for (size_t i = 0; i < Columns.size(); ++i) sql += (i ? "," : "") + Columns[i];
    return sql + ")" + (Form == kWithoutRowid ? " WITHOUT ROWID" : "");
  }
};

std::vector<std::string> Statements(const std::string& script) {
  std::vector<std::string> out;
  size_t from = 0, semi;
  while ((semi = script.find(";\n", from)) != std::string::npos) {
    std::string s = script.substr(from, semi - from);
    s.erase(0, s.find_first_not_of("\n "));
    if (!s.empty()) out.push_back(s);
    from = semi + 2;
  }
  return out;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

std::string Replaced(std::string s, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = s.find(from, at)) != std::string::npos; at += to.size())
    s.replace(at, from.size(), to);
  return s;
}

Table ParseTable(const std::string& ddl, const std::string& name) {
  Table t{name, {}, kAsIs, {}};
  const std::string body = ddl.substr(ddl.find('(') + 1, ddl.rfind(')') - ddl.find('(') - 1);
  size_t from = 0;
  for (size_t comma; (comma = body.find(',', from)) != std::string::npos; from = comma + 1)
    t.Columns.push_back(body.substr(from, comma - from));
  t.Columns.push_back(body.substr(from));
  return t;
}

size_t ColumnAt(const Table& t, const std::string& column) {
  for (size_t i = 0; i < t.Columns.size(); ++i)
    if (StartsWith(t.Columns[i], column + " ")) return i;
  throw std::runtime_error("no column " + column);
}

// Gives `t` the shape `form`; `wanted` are the columns the reading takes
// (the first of them is the one a grown table gains late).
void Reshape(Table& t, Shape form, const std::vector<std::string>& wanted, PageRng& rng) {
  t.Form = form;
  switch (form) {
    case kAsIs:
    case kShapes:
      break;
    case kNullable:
      for (std::string& c : t.Columns) c = Replaced(c, " NOT NULL", "");
      break;
    case kReordered:
      for (size_t i = t.Columns.size(); i > 1; --i) std::swap(t.Columns[i - 1], t.Columns[rng.Below(i)]);
      break;
    case kWide: {
      // 58 to 66 columns, the wanted ones last but a few: around the
      // furthest column the page reading takes.
      const size_t total = 58 + rng.Below(9), after = rng.Below(4);
      std::vector<std::string> moved;
      for (const std::string& w : wanted) {
        moved.push_back(t.Columns[ColumnAt(t, w)]);
        t.Columns.erase(t.Columns.begin() + static_cast<std::ptrdiff_t>(ColumnAt(t, w)));
      }
      for (size_t i = 0; t.Columns.size() + moved.size() + after < total; ++i)
        t.Columns.push_back("pad" + std::to_string(i) + " INTEGER DEFAULT " + std::to_string(i));
      t.Columns.insert(t.Columns.end(), moved.begin(), moved.end());
      for (size_t i = 0; i < after; ++i) t.Columns.push_back("tail" + std::to_string(i) + " TEXT");
      break;
    }
    case kGrown: {
      const size_t at = ColumnAt(t, wanted.front());
      t.Late = Replaced(t.Columns[at], " NOT NULL", "");
      t.Late += wanted.front() == "title" ? " DEFAULT 'earlier page'"
                                          : " NOT NULL DEFAULT 13340000000000000";
      t.Columns.erase(t.Columns.begin() + static_cast<std::ptrdiff_t>(at));
      break;
    }
    case kWithoutRowid:
      for (std::string& c : t.Columns) c = Replaced(c, " AUTOINCREMENT", "");
      break;
  }
}

// ---- Values -----------------------------------------------------------------

struct Value {
  enum Kind { kNull, kInt, kReal, kText, kBlob } Type = kNull;
  int64_t I = 0;
  double D = 0;
  std::string S;
  static Value Text(std::string s) { return Value{kText, 0, 0, std::move(s)}; }
  static Value Integer(int64_t i) { return Value{kInt, i, 0, {}}; }
  void Bind(sqlite3_stmt* s, int at) const {
    switch (Type) {
      case kNull: sqlite3_bind_null(s, at); break;
      case kInt: sqlite3_bind_int64(s, at, I); break;
      case kReal: sqlite3_bind_double(s, at, D); break;
      case kText:
        sqlite3_bind_text(s, at, S.data(), static_cast<int>(S.size()), SQLITE_TRANSIENT);
        break;
      case kBlob:
        sqlite3_bind_blob(s, at, S.data(), static_cast<int>(S.size()), SQLITE_TRANSIENT);
        break;
    }
  }
};

std::string Repeat(const std::string& unit, size_t bytes) {
  std::string s;
  s.reserve(bytes + unit.size());
  while (s.size() < bytes) s += unit;
  return s;
}

// A value of a column Chromium keeps a text in, mostly a text: a few of
// every other storage class, a few long enough for overflow pages.
Value TextColumn(PageRng& rng, const std::string& plain, bool odd) {
  const uint64_t k = rng.Below(100);
  if (k < 80 || (!odd && k < 94)) return Value::Text(plain);
  if (k < 88) return Value::Text(plain + Repeat("长页面 long ", 300 + rng.Below(20000)));
  if (k < 90) return Value::Text(std::string());
  if (k < 92) return Value{};
  if (k < 94) return Value{Value::kBlob, 0, 0, plain.substr(0, 9) + std::string(1, '\0') + "x"};
  if (k < 96) return Value::Integer(static_cast<int64_t>(rng.Next() >> rng.Below(64)));
  if (k < 98) return Value{Value::kReal, 0, 2.5 + static_cast<double>(rng.Below(1000)), {}};
  return Value::Text(plain + "\t标签\n" + std::string(1, '\x01'));
}

Value VisitTime(PageRng& rng, int64_t unix, bool odd, bool nullable) {
  const uint64_t k = rng.Below(odd ? 100 : 400);
  if (k == 0) return Value::Integer(0);
  if (k == 1) return Value::Integer(-5);
  if (k == 2) return Value::Integer(ChromeTime(4200000000LL));
  if (k == 3) return Value::Text(rng.OneIn(2) ? "not a time" : "13340000000000000");
  if (k == 4) return Value{Value::kReal, 0, 12.5, {}};
  if (k == 5 && nullable) return Value{};
  return Value::Integer(ChromeTime(unix) + static_cast<int64_t>(rng.Below(1000000)));
}

// ---- The store --------------------------------------------------------------

struct Draw {
  int PageSize, Reserved, AutoVacuum;
  bool Legacy, Utf16, SecureDelete, Odd, Huge;
  Shape UrlShape, VisitShape;
  int Urls, Visits;
};

Draw DrawLayout(PageRng& rng, const LayoutLimits& limits) {
  Draw d{};
  static const int kSizes[] = {512, 512, 512, 1024, 2048, 4096, 4096, 8192, 16384, 32768, 65536};
  d.PageSize = limits.PageSize ? limits.PageSize : kSizes[rng.Below(11)];
  d.Reserved = rng.OneIn(4) ? 1 + static_cast<int>(rng.Below(d.PageSize == 512 ? 32 : 64)) : 0;
  d.AutoVacuum = static_cast<int>(rng.Below(3));
  d.Legacy = rng.OneIn(10);
  d.Utf16 = rng.OneIn(10);
  d.SecureDelete = rng.OneIn(4);
  d.Odd = rng.OneIn(6);
  d.Huge = limits.HugeValues && rng.OneIn(30);
  auto shape = [&]() {
    return limits.OddShapes && rng.OneIn(3) ? static_cast<Shape>(1 + rng.Below(kShapes - 1))
                                            : kAsIs;
  };
  d.UrlShape = shape();
  d.VisitShape = shape();
  static const int kCounts[] = {0, 1, 7, 40, 300, 1500, 3000};
  d.Visits = std::min(limits.MaxVisits, kCounts[rng.Below(7)] + static_cast<int>(rng.Below(50)));
  d.Urls = 1 + static_cast<int>(rng.Below(static_cast<uint64_t>(d.Visits) / 2 + 3));
  return d;
}

std::string Describe(const Draw& d) {
  return "page " + std::to_string(d.PageSize) + ", reserved " + std::to_string(d.Reserved) +
         ", auto_vacuum " + std::to_string(d.AutoVacuum) + (d.Legacy ? ", schema 20" : "") +
         (d.Utf16 ? ", UTF-16" : "") + (d.SecureDelete ? ", secure_delete" : "") +
         (d.Odd ? ", odd values" : "") + (d.Huge ? ", huge values" : "") + ", urls " +
         kShapeNames[d.UrlShape] + ", visits " + kShapeNames[d.VisitShape] + ", " +
         std::to_string(d.Urls) + " addresses, " + std::to_string(d.Visits) + " visits";
}

// The rows, drawn before they are written in one of three orders.
struct UrlRow {
  int64_t Id;
  Value Url, Title;
};
struct VisitRow {
  int64_t Id;
  Value Ref, Time;
};

void DrawRows(PageRng& rng, const Draw& d, std::vector<UrlRow>& urls,
              std::vector<VisitRow>& visits) {
  int64_t id = 0;
  for (int i = 0; i < d.Urls; ++i) {
    id += rng.OneIn(8) ? 1 + static_cast<int64_t>(rng.Below(5000)) : 1;
    const std::string site = "https://s" + std::to_string(i % 97) + ".example/";
    urls.push_back(UrlRow{id, TextColumn(rng, site + "p/" + std::to_string(i) + "?q=" +
                                                  std::to_string(rng.Below(9)), d.Odd),
                          TextColumn(rng, (i % 3 ? "页面 " : "Page ") + std::to_string(i), true)});
  }
  // A few values longer than the engine loads whole.
  for (int k = d.Huge ? 1 + static_cast<int>(rng.Below(3)) : 0; k > 0 && !urls.empty(); --k) {
    UrlRow& u = urls[rng.Below(urls.size())];
    Value& v = rng.OneIn(4) ? u.Url : u.Title;
    v = Value::Text(Repeat("巨大 huge ", 2100000 + rng.Below(900000)));
  }
  const bool nullable = d.VisitShape == kNullable;
  int64_t unix = 1700000000 + static_cast<int64_t>(rng.Below(10000000)), vid = 0;
  for (int i = 0; i < d.Visits; ++i) {
    vid += rng.OneIn(10) ? 1 + static_cast<int64_t>(rng.Below(100)) : 1;
    if (!rng.OneIn(8)) unix += static_cast<int64_t>(rng.Below(600));  // else the same second
    Value ref = Value::Integer(urls.empty() ? 1 : urls[rng.Below(urls.size())].Id);
    if (rng.OneIn(30)) ref = Value::Integer(id + 1 + static_cast<int64_t>(rng.Below(100)));
    if (d.Odd && nullable && rng.OneIn(40)) ref = Value{};
    if (d.Odd && rng.OneIn(60)) ref = Value::Text("x");
    visits.push_back(VisitRow{vid, ref, VisitTime(rng, unix - (rng.OneIn(20) ? 86400 : 0),
                                                  d.Odd, nullable)});
  }
}

template <class Row>
void Order(PageRng& rng, std::vector<Row>& rows) {
  const uint64_t k = rng.Below(10);
  if (k == 0) std::reverse(rows.begin(), rows.end());
  if (k == 1)
    for (size_t i = rows.size(); i > 1; --i) std::swap(rows[i - 1], rows[rng.Below(i)]);
}

// Writes the rows [from, to) of both tables; `late`: the grown columns
// exist by now.
void WriteRows(Conn& db, const std::vector<UrlRow>& urls, const std::vector<VisitRow>& visits,
               double from, double to, bool urlLate, bool visitLate) {
  sqlite3_stmt* insUrl = db.Prepare(
      urlLate ? "INSERT INTO urls(id,url,title,visit_count,last_visit_time) VALUES(?,?,?,1,0)"
              : "INSERT INTO urls(id,url,visit_count,last_visit_time) VALUES(?,?,1,0)");
  sqlite3_stmt* insVisit = db.Prepare(
      visitLate ? "INSERT INTO visits(id,url,visit_time,from_visit,transition,segment_id) "
                  "VALUES(?,?,?,0,805306368,0)"
                : "INSERT INTO visits(id,url,from_visit,transition,segment_id) "
                  "VALUES(?,?,0,805306368,0)");
  db.Exec("BEGIN");
  auto part = [](double x, size_t n) { return static_cast<size_t>(x * static_cast<double>(n)); };
  for (size_t i = part(from, urls.size()); i < part(to, urls.size()); ++i) {
    sqlite3_bind_int64(insUrl, 1, urls[i].Id);
    urls[i].Url.Bind(insUrl, 2);
    if (urlLate) urls[i].Title.Bind(insUrl, 3);
    db.Run(insUrl);
  }
  for (size_t i = part(from, visits.size()); i < part(to, visits.size()); ++i) {
    sqlite3_bind_int64(insVisit, 1, visits[i].Id);
    visits[i].Ref.Bind(insVisit, 2);
    if (visitLate) visits[i].Time.Bind(insVisit, 3);
    db.Run(insVisit);
  }
  db.Exec("COMMIT");
}

// The schema with the two tables in their drawn shapes; the indexes of a
// grown table wait for its late column (`later`).
std::string Schema(PageRng& rng, const Draw& d, Table& urls, Table& visits,
                   std::string& later) {
  std::string script;
  for (const std::string& s : Statements(d.Legacy ? kChromeSchemaLegacy : kChromeSchemaModern)) {
    if (StartsWith(s, "CREATE TABLE urls(")) {
      urls = ParseTable(s, "urls");
      Reshape(urls, d.UrlShape, {"title", "url"}, rng);
      script += urls.Ddl() + ";\n";
    } else if (StartsWith(s, "CREATE TABLE visits(")) {
      visits = ParseTable(s, "visits");
      Reshape(visits, d.VisitShape, {"visit_time", "url"}, rng);
      script += visits.Ddl() + ";\n";
    } else if ((d.UrlShape == kGrown && s.find(" ON urls ") != std::string::npos) ||
               (d.VisitShape == kGrown && s.find(" ON visits ") != std::string::npos)) {
      later += s + ";\n";
    } else {
      script += s + ";\n";
    }
  }
  return script;
}

void Build(const std::string& path, PageRng& rng, const Draw& d) {
  Table urls, visits;
  std::string later;
  const std::string schema = Schema(rng, d, urls, visits, later);
  std::vector<UrlRow> urlRows;
  std::vector<VisitRow> visitRows;
  DrawRows(rng, d, urlRows, visitRows);
  Order(rng, urlRows);
  Order(rng, visitRows);

  Conn db(path);
  db.Exec("PRAGMA page_size=" + std::to_string(d.PageSize) + "; PRAGMA auto_vacuum=" +
          std::to_string(d.AutoVacuum) + "; PRAGMA journal_mode=DELETE; PRAGMA synchronous=OFF;" +
          (d.Utf16 ? (rng.OneIn(2) ? "PRAGMA encoding='UTF-16le';" : "PRAGMA encoding='UTF-16be';")
                   : "") +
          (d.SecureDelete ? "PRAGMA secure_delete=ON;" : ""));
  if (d.Reserved > 0) {
    int reserved = d.Reserved;
    if (sqlite3_file_control(db.Handle(), "main", SQLITE_FCNTL_RESERVE_BYTES, &reserved) !=
        SQLITE_OK)
      db.Fail("reserve bytes");
  }
  db.Exec(schema);
  // Half the rows, then the late columns, then the rest: the older rows
  // hold fewer columns than the table declares.
  const bool grows = !urls.Late.empty() || !visits.Late.empty() || rng.OneIn(6);
  const double half = grows ? 0.5 : 1.0;
  WriteRows(db, urlRows, visitRows, 0, half, urls.Late.empty(), visits.Late.empty());
  if (grows) {
    if (!urls.Late.empty()) db.Exec("ALTER TABLE urls ADD COLUMN " + urls.Late);
    if (!visits.Late.empty()) db.Exec("ALTER TABLE visits ADD COLUMN " + visits.Late);
    db.Exec("ALTER TABLE visits ADD COLUMN late_note TEXT DEFAULT 'x';" + later);
    WriteRows(db, urlRows, visitRows, half, 1, true, true);
  }
  if (rng.OneIn(3)) {
    const int64_t k = 2 + static_cast<int64_t>(rng.Below(6));
    db.Exec("DELETE FROM visits WHERE id % " + std::to_string(k) + " = " +
            std::to_string(rng.Below(static_cast<uint64_t>(k))) +
            (rng.OneIn(2) ? "; DELETE FROM urls WHERE id % 5 = 1" : "") +
            "; DELETE FROM visits WHERE id BETWEEN " + std::to_string(rng.Below(500)) + " AND " +
            std::to_string(500 + rng.Below(1500)));
    if (rng.OneIn(2)) db.Exec("VACUUM");
    else if (d.AutoVacuum == 2) db.Exec("PRAGMA incremental_vacuum(" + std::to_string(rng.Below(20)) + ")");
  }
}

// A log of later writes beside the file, never checkpointed; or the file
// in WAL mode with its log checkpointed away.
std::string LeaveLog(const std::string& path, PageRng& rng) {
  const bool keep = rng.OneIn(2);
  Conn db(path);
  if (keep) sqlite3_db_config(db.Handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  db.Exec("PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;"
          "UPDATE urls SET title = 'in the log' WHERE id % 3 = 0;"
          "DELETE FROM visits WHERE id % 4 = 1;"
          "INSERT INTO visits(id, url, visit_time, transition) SELECT id + (SELECT "
          "max(id) FROM visits), url, visit_time + 1, 0 FROM visits WHERE id % 5 = 2;");
  return keep ? ", write-ahead log beside" : ", WAL mode, log checkpointed";
}

// A journal as a writer stopped in the middle of a transaction leaves it:
// pages already changed in the file, their old content in the journal.
std::string LeaveHotJournal(const std::string& path) {
  const std::string hot = path + ".hot";
  {
    Conn db(path);
    db.Exec("PRAGMA journal_mode=DELETE; PRAGMA synchronous=FULL; PRAGMA cache_size=10; BEGIN;"
            "UPDATE urls SET title = 'rolled back' || id; DELETE FROM visits WHERE id % 3 = 0;"
            "INSERT INTO visits(id, url, visit_time, transition) SELECT id + (SELECT max(id) "
            "FROM visits), url, visit_time, 0 FROM visits;");
    WriteBytes(hot, ReadBytes(path));
    WriteBytes(hot + "-journal", ReadBytes(path + "-journal"));
    db.Exec("ROLLBACK");
  }
  std::rename(hot.c_str(), path.c_str());
  std::rename((hot + "-journal").c_str(), (path + "-journal").c_str());
  return ", hot journal beside";
}

uint32_t Be32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}
void PutBe32(std::string& s, size_t at, uint32_t v) {
  for (int i = 3; i >= 0; --i, v >>= 8) s[at + static_cast<size_t>(i)] = static_cast<char>(v);
}

// The page count in the header out of step with the file, or bytes after
// its last page.
std::string Reheader(const std::string& path, PageRng& rng) {
  std::string bytes = ReadBytes(path);
  std::string what;
  if (rng.OneIn(2)) {
    const uint32_t count = Be32(bytes, 28);
    const uint64_t k = rng.Below(4);
    if (k == 0) PutBe32(bytes, 28, count - 1 - static_cast<uint32_t>(rng.Below(3)));
    if (k == 1) PutBe32(bytes, 28, count + 1 + static_cast<uint32_t>(rng.Below(3)));
    if (k == 2) PutBe32(bytes, 92, Be32(bytes, 24) + 1);  // the count no longer vouched for
    if (k == 3) PutBe32(bytes, 28, 0);
    what = ", header page count stale (" + std::to_string(k) + ")";
  } else {
    const size_t n = 1 + rng.Below(3 * 512);
    for (size_t i = 0; i < n; ++i) bytes += static_cast<char>(rng.Next());
    what = ", " + std::to_string(n) + " bytes of garbage after the last page";
  }
  WriteBytes(path, bytes);
  return what;
}

}  // namespace layout

LayoutStore MakeLayoutStore(const std::string& path, uint64_t seed, const LayoutLimits& limits) {
  using namespace layout;
  PageRng rng{seed};
  RemoveStore(path);
  const Draw d = DrawLayout(rng, limits);
  Build(path, rng, d);
  LayoutStore store{Describe(d), !d.Utf16};
  const uint64_t after = rng.Below(20);
  if (limits.SideFiles && after < 2) {
    store.What += LeaveLog(path, rng);
    // A log checkpointed away leaves the file alone after all.
    store.FileAlone = store.FileAlone && ReadBytes(path + "-wal").empty();
  } else if (limits.SideFiles && after < 4) {
    store.What += LeaveHotJournal(path);
    store.FileAlone = false;
  } else if (after < 6) {
    store.What += Reheader(path, rng);
  }
  return store;
}

}  // namespace vt_test
