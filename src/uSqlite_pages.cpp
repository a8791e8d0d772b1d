// Reading a table's rows straight from the pages of a SQLite file: the
// table's b-tree is walked down to its leaves once, then the leaves are
// read in runs, each row's record header decoded just far enough to reach
// the wanted columns. What the engine would refuse as damaged (a page of
// the wrong kind, a cell outside its page, a record longer than its row, a
// loop in the tree) is refused here too, so that the caller falls back to
// the engine and reports what it reports.
#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstring>

#include "uSqlite.h"
#include "uUtil.h"

namespace {

// Page kinds, the first byte of a b-tree page's header.
constexpr unsigned char kTableInterior = 5, kTableLeaf = 13;
// The engine gives up on trees deeper than this.
constexpr int kMaxDepth = 20;
// Wanted columns lie among a row's first kMaxField columns.
constexpr int kMaxField = 64;
constexpr int kRow = 100, kDone = 101, kInteger = 1;
// The most of one row's record gathered from its overflow pages.
constexpr uint64_t kMaxGathered = 4 * TSqliteDb::kMaxValueBytes;
// Leaves read in one go when their pages follow each other in the file.
constexpr size_t kReadBytes = 256 * 1024;

uint32_t Get16(const unsigned char* p) { return (uint32_t{p[0]} << 8) | p[1]; }
uint32_t Get32(const unsigned char* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// A variable-length integer of 1 to 9 bytes at `p`, which must end before
// `end`: its length, or 0 when it runs past `end`.
size_t GetVarint(const unsigned char* p, const unsigned char* end, uint64_t& v) {
  v = 0;
  for (size_t i = 0; i < 8; ++i) {
    if (p + i >= end) return 0;
    v = (v << 7) | (p[i] & 0x7F);
    if ((p[i] & 0x80) == 0) return i + 1;
  }
  if (p + 8 >= end) return 0;
  v = (v << 8) | p[8];
  return 9;
}

// The size of a value of serial type `t` in a record, or -1 for the two
// reserved types.
int64_t SerialSize(uint64_t t) {
  static const int8_t kFixed[12] = {0, 1, 2, 3, 4, 6, 8, 8, 0, 0, -1, -1};
  if (t < 12) return kFixed[t];
  return static_cast<int64_t>((t - 12) / 2);
}

// The storage class of serial type `t`, as the engine reports it.
int SerialClass(uint64_t t) {
  if (t == 0) return 5;             // null
  if (t == 7) return 2;             // real
  if (t < 12) return 1;             // integer (8 and 9: the constants 0 and 1)
  return (t & 1) != 0 ? 3 : 4;      // text : blob
}

// The big-endian two's complement integer of serial type 1 to 6, 8 or 9.
int64_t SerialInt(uint64_t t, const unsigned char* p) {
  if (t == 8) return 0;
  if (t == 9) return 1;
  const int64_t n = SerialSize(t);
  uint64_t v = (p[0] & 0x80) != 0 ? ~uint64_t{0} : 0;
  for (int64_t i = 0; i < n; ++i) v = (v << 8) | p[i];
  return static_cast<int64_t>(v);
}

// True when the declared type gives a column real affinity, the one
// affinity under which a value is not read back as stored (an integer
// comes back as a real).
bool RealAffinity(const std::string& declared) {
  const std::string type = LowerAscii(declared);
  auto has = [&](const char* part) { return type.find(part) != std::string::npos; };
  if (has("int") || has("char") || has("clob") || has("text") || has("blob") || type.empty())
    return false;
  return has("real") || has("floa") || has("doub");
}

std::atomic<bool> gPageReading{true};

}  // namespace

void SetPageReading(bool on) { gPageReading = on; }
bool PageReading() { return gPageReading; }

bool TTablePages::OutOfTime() const {
  return plat::InterruptRequested() || TSqliteDb::SteadyMs() >= FDeadlineMs;
}

bool TTablePages::Open(TSqliteDb& db, const std::string& table,
                       const std::vector<std::string>& columns) {
  FLeaves.clear();
  FFields.clear();
  if (!PageReading() || !db.IsOpen() || db.TimedOut() || columns.empty() || columns.size() > kMaxColumns)
    return false;
  FDeadlineMs = db.FDeadlineMs;
  // Pages still in a log or journal beside the copy are the engine's to
  // apply: the file alone would be out of date.
  const std::string& path = db.FFileName;
  if (plat::FileSize(path + "-wal") > 0 || plat::FileSize(path + "-journal") > 0) return false;

  // Where the table starts and how its columns lie in its records. A
  // computed column would shift the stored ones, and the row id's own
  // column is not stored at all.
  TSqlStmt stmt = nullptr;
  int64_t root = 0;
  const std::string quoted = TSqliteDb::SqlQuoted(table);
  if (!db.Prepare("SELECT rootpage FROM sqlite_master WHERE type = 'table' AND name = " + quoted +
                      " COLLATE NOCASE",
                  stmt))
    return false;
  const bool found = db.Step(stmt) == kRow && db.ColType(stmt, 0) == kInteger;
  if (found) root = db.ColInt(stmt, 0);
  const bool single = found && db.Step(stmt) == kDone;
  db.Finalize(stmt);
  if (!single || root < 2) return false;

  if (!db.Prepare("SELECT name, type, hidden, pk FROM pragma_table_xinfo(" + quoted + ")", stmt))
    return false;
  std::vector<std::string> names, types;
  bool plain = true;
  int pkCount = 0, pkColumn = -1, rc;
  while ((rc = db.Step(stmt)) == kRow) {
    if (db.ColInt(stmt, 2) != 0) plain = false;
    if (db.ColInt(stmt, 3) != 0) {
      ++pkCount;
      pkColumn = static_cast<int>(names.size());
    }
    names.push_back(db.ColText(stmt, 0));
    types.push_back(db.ColText(stmt, 1));
  }
  db.Finalize(stmt);
  if (rc != kDone || !plain) return false;
  // An INTEGER PRIMARY KEY is the row id itself, stored as NULL in the
  // record.
  FRowIdField = -1;
  FRowIdColumn.clear();
  if (pkCount == 1 && SameTextAscii(types[static_cast<size_t>(pkColumn)], "INTEGER")) {
    if (pkColumn >= kMaxField) return false;
    FRowIdField = pkColumn;
    FRowIdColumn = names[static_cast<size_t>(pkColumn)];
  }
  for (const std::string& column : columns) {
    int at = -1;
    for (size_t i = 0; i < names.size(); ++i)
      if (SameTextAscii(names[i], column)) {
        at = static_cast<int>(i);
        break;
      }
    if (at < 0 || at >= kMaxField || at == FRowIdField ||
        RealAffinity(types[static_cast<size_t>(at)]))
      return false;
    FFields.push_back(at);
  }
  FLastField = *std::max_element(FFields.begin(), FFields.end());

  // The file's own description of its pages.
  if (!FFile.Open(path)) return false;
  unsigned char head[100];
  if (!FFile.ReadAt(0, head, sizeof head) ||
      std::memcmp(head, "SQLite format 3", 16) != 0 || head[18] > 2 || Get32(head + 56) != 1)
    return false;
  FPageSize = Get16(head + 16);
  if (FPageSize == 1) FPageSize = 65536;
  if (FPageSize < 512 || FPageSize > 65536 || (FPageSize & (FPageSize - 1)) != 0) return false;
  FUsable = FPageSize - head[20];
  if (FUsable < 480) return false;
  const int64_t size = FFile.Size();
  if (size < 0) return false;
  // The count in the header holds when the file was last written by an
  // engine that keeps it; otherwise the file's size says.
  uint64_t count = Get32(head + 28);
  if (count == 0 || Get32(head + 24) != Get32(head + 92))
    count = static_cast<uint64_t>(size) / FPageSize;
  if (count > static_cast<uint64_t>(size) / FPageSize || count > 0xFFFFFFFEu) return false;
  FPageCount = static_cast<uint32_t>(count);
  if (static_cast<uint64_t>(root) > FPageCount) return false;
  return Walk(static_cast<uint32_t>(root));
}

bool TTablePages::ReadPage(uint32_t page, std::vector<unsigned char>& buf) const {
  if (page < 2 || page > FPageCount) return false;
  buf.resize(FPageSize);
  return FFile.ReadAt(static_cast<uint64_t>(page - 1) * FPageSize, buf.data(), FPageSize);
}

// The leaves under `root`, left to right, level by level. Every leaf of a
// b-tree lies at the same depth, so only the interior pages are read here
// (and one leaf, to know the level of leaves): a page of the wrong kind
// among the leaves fails the scan that reads it.
bool TTablePages::Walk(uint32_t root) {
  std::vector<bool> seen(static_cast<size_t>(FPageCount) + 1, false);
  std::vector<unsigned char> buf;
  std::vector<uint32_t> level{root}, below;
  for (int depth = 1;; ++depth) {
    if (depth > kMaxDepth) return false;
    for (uint32_t page : level) {
      if (page < 2 || page > FPageCount || seen[page]) return false;
      seen[page] = true;
    }
    if (OutOfTime() || !ReadPage(level.front(), buf)) return false;
    if (buf[0] == kTableLeaf) {
      FFirstLeafRows = Get16(buf.data() + 3);
      break;
    }
    below.clear();
    for (size_t k = 0; k < level.size(); ++k) {
      if ((k & 255) == 255 && OutOfTime()) return false;
      if (k > 0 && !ReadPage(level[k], buf)) return false;
      const unsigned char* p = buf.data();
      if (p[0] != kTableInterior) return false;
      const uint32_t cells = Get16(p + 3);
      if (12 + 2 * cells > FUsable) return false;
      for (uint32_t i = 0; i < cells; ++i) {
        const uint32_t at = Get16(p + 12 + 2 * i);
        if (at < 12 + 2 * cells || at + 4 > FUsable) return false;
        below.push_back(Get32(p + at));
      }
      below.push_back(Get32(p + 8));  // the right-most child
    }
    level.swap(below);
  }
  FLeaves = std::move(level);
  return true;
}

bool TTablePages::Scan(size_t from, size_t to,
                       const std::function<bool(int64_t, const TValue*)>& row) const {
  to = std::min(to, FLeaves.size());
  std::vector<unsigned char> buf, spill;
  const size_t most = std::max<size_t>(1, kReadBytes / FPageSize);
  for (size_t k = from; k < to;) {
    if (OutOfTime()) return false;
    // The longest run of leaves that follow each other in the file.
    size_t n = 1;
    while (k + n < to && n < most && FLeaves[k + n] == FLeaves[k] + n) ++n;
    const uint32_t first = FLeaves[k];
    if (first < 2 || first + n - 1 > FPageCount) return false;
    buf.resize(n * FPageSize);
    if (!FFile.ReadAt(static_cast<uint64_t>(first - 1) * FPageSize, buf.data(), buf.size()))
      return false;
    for (size_t i = 0; i < n; ++i) {
      bool stop = false;
      if (!ScanLeaf(buf.data() + i * FPageSize, spill, row, stop)) return false;
      if (stop) return true;
    }
    k += n;
  }
  return true;
}

// The rows of one leaf. A row too long for its page goes on in a chain of
// overflow pages: only as much of it as reaches the wanted columns is
// gathered, into `spill`.
bool TTablePages::ScanLeaf(const unsigned char* p, std::vector<unsigned char>& spill,
                           const std::function<bool(int64_t, const TValue*)>& row,
                           bool& stop) const {
  if (p[0] != kTableLeaf) return false;
  const uint32_t cells = Get16(p + 3);
  const uint32_t firstCell = 8 + 2 * cells;
  if (firstCell > FUsable) return false;
  const unsigned char* end = p + FUsable;
  // The most of a row's record that stays on its page, and the least.
  const uint64_t maxLocal = FUsable - 35;
  const uint64_t minLocal = (FUsable - 12) * 32 / 255 - 23;
  TValue values[kMaxColumns];
  uint64_t types[kMaxField], offsets[kMaxField];  // of the columns up to the furthest
  std::vector<unsigned char> over;
  for (uint32_t c = 0; c < cells; ++c) {
    const uint32_t at = Get16(p + 8 + 2 * c);
    if (at < firstCell || at + 4 > FUsable) return false;
    const unsigned char* q = p + at;
    uint64_t payload, rowid;
    size_t len = GetVarint(q, end, payload);
    if (len == 0) return false;
    q += len;
    if ((len = GetVarint(q, end, rowid)) == 0) return false;
    q += len;
    uint64_t local = payload;
    if (payload > maxLocal) {
      local = minLocal + (payload - minLocal) % (FUsable - 4);
      if (local > maxLocal) local = minLocal;
    }
    if (local > static_cast<uint64_t>(end - q) ||
        (local < payload && local + 4 > static_cast<uint64_t>(end - q)))
      return false;
    // A record longer than the whole file is damage, and would have the
    // chain below read on for ever.
    if (payload > static_cast<uint64_t>(FPageCount) * FUsable) return false;

    // The record as far as it is needed: on the page, or gathered from the
    // page and its chain of overflow pages when that is not enough.
    const unsigned char* rec = q;
    const unsigned char* recEnd = q + local;
    uint32_t next = local < payload ? Get32(q + local) : 0;
    bool spilled = false;
    std::vector<uint32_t> chain;  // the overflow pages read, none twice
    auto gather = [&](uint64_t need) -> bool {
      if (need > payload) return false;
      if (need <= static_cast<uint64_t>(recEnd - rec)) return true;
      if (!spilled) spill.assign(q, q + local);
      spilled = true;
      while (spill.size() < need) {
        if (std::find(chain.begin(), chain.end(), next) != chain.end() || !ReadPage(next, over))
          return false;
        chain.push_back(next);
        next = Get32(over.data());
        const size_t take =
            static_cast<size_t>(std::min<uint64_t>(FUsable - 4, payload - spill.size()));
        spill.insert(spill.end(), over.begin() + 4, over.begin() + 4 + static_cast<std::ptrdiff_t>(take));
      }
      rec = spill.data();
      recEnd = rec + spill.size();
      return true;
    };

    // The record header: its size, then one serial type per column.
    const bool whole = local == payload;
    uint64_t headerSize;
    if (!whole && !gather(std::min<uint64_t>(payload, 9))) return false;
    if ((len = GetVarint(rec, recEnd, headerSize)) == 0) return false;
    if (headerSize < len || headerSize > payload || (!whole && !gather(headerSize))) return false;
    const unsigned char* h = rec + len;
    const unsigned char* hEnd = rec + headerSize;
    uint64_t body = headerSize;
    const int fields = std::max(FLastField, FRowIdField);
    for (int f = 0; f <= fields; ++f) {
      // A row written before its table grew a column holds fewer: the
      // engine then reads the column's default, which is not kept here.
      const size_t n = GetVarint(h, hEnd, types[f]);
      if (n == 0) return false;
      h += n;
      const int64_t size = SerialSize(types[f]);
      if (size < 0 || static_cast<uint64_t>(size) > payload) return false;
      offsets[f] = body;
      body += static_cast<uint64_t>(size);
    }
    // A row id column that holds a value of its own is not the row id
    // after all (the engine's old "INTEGER PRIMARY KEY DESC").
    if (FRowIdField >= 0 && types[FRowIdField] != 0) return false;
    // A text or blob longer than the engine loads is left to it, before
    // any of it is gathered; so is a row whose wanted values lie behind
    // many megabytes of others, which the engine skips over without
    // loading them.
    for (int f : FFields)
      if (types[f] >= 12 && SerialSize(types[f]) > TSqliteDb::kMaxValueBytes) return false;
    if (body > kMaxGathered) return false;
    // Every wanted value within the record, and at hand.
    if (body > payload || (!whole && !gather(body))) return false;
    for (size_t i = 0; i < FFields.size(); ++i) {
      const uint64_t t = types[FFields[i]];
      TValue& v = values[i];
      v.Type = SerialClass(t);
      v.Int = v.Type == kInteger ? SerialInt(t, rec + offsets[FFields[i]]) : 0;
      v.Bytes = reinterpret_cast<const char*>(rec + offsets[FFields[i]]);
      v.Size = static_cast<size_t>(SerialSize(t));
    }
    if (!row(static_cast<int64_t>(rowid), values)) {
      stop = true;
      return true;
    }
  }
  return true;
}
