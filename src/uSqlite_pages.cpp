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
// The engine refuses a record header longer than this.
constexpr uint64_t kMaxHeaderBytes = 98307;
// Overflow pages read between two looks at the clock.
constexpr uint32_t kPagesPerClockLook = 64;
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

// The most cells a page can hold: each takes a two-byte pointer and at
// least four bytes of content. A count past it is damage, and no room is
// ever made by a count beyond it.
uint32_t TTablePages::MaxCells() const { return (FUsable - 8) / 6; }

// The leaves under `root`, left to right, level by level. Every leaf of a
// b-tree lies at the same depth, so only the interior pages are read here
// (and one leaf, to know the level of leaves and judge how full leaves
// are): a page of the wrong kind among the leaves fails the scan that
// reads it. A page met twice is refused as it is listed, so no level grows
// past the file's own pages.
bool TTablePages::Walk(uint32_t root) {
  std::vector<bool> seen(static_cast<size_t>(FPageCount) + 1, false);
  std::vector<unsigned char> buf;
  std::vector<uint32_t> level{root}, below;
  seen[root] = true;
  FRoot = root;
  for (int depth = 1;; ++depth) {
    if (depth > kMaxDepth) return false;
    if (OutOfTime() || !ReadPage(level.front(), buf)) return false;
    if (buf[0] == kTableLeaf) {
      const uint32_t cells = Get16(buf.data() + 3);
      if (cells > MaxCells() || (cells == 0 && level.front() != root)) return false;
      FFirstLeafRows = cells;
      break;
    }
    below.clear();
    for (size_t k = 0; k < level.size(); ++k) {
      if ((k & 255) == 255 && OutOfTime()) return false;
      if (k > 0 && !ReadPage(level[k], buf)) return false;
      const unsigned char* p = buf.data();
      // An interior page without a cell is damage, the root's included (a
      // table's root is never page 1).
      if (p[0] != kTableInterior) return false;
      const uint32_t cells = Get16(p + 3);
      if (cells == 0 || cells > MaxCells() || 12 + 2 * cells > FUsable) return false;
      for (uint32_t i = 0; i <= cells; ++i) {
        uint32_t child;
        if (i < cells) {
          const uint32_t at = Get16(p + 12 + 2 * i);
          if (at < 12 + 2 * cells || at + 4 > FUsable) return false;
          child = Get32(p + at);
        } else {
          child = Get32(p + 8);  // the right-most child
        }
        if (child < 2 || child > FPageCount || seen[child]) return false;
        seen[child] = true;
        below.push_back(child);
      }
    }
    level.swap(below);
  }
  FLeaves = std::move(level);
  return true;
}

bool TTablePages::Scan(size_t from, size_t to,
                       const std::function<bool(int64_t, const TValue*)>& row,
                       TRowSpan* span) const {
  to = std::min(to, FLeaves.size());
  TScanState state;
  const size_t most = std::max<size_t>(1, kReadBytes / FPageSize);
  for (size_t k = from; k < to;) {
    if (OutOfTime()) return false;
    // The longest run of leaves that follow each other in the file.
    size_t n = 1;
    while (k + n < to && n < most && FLeaves[k + n] == FLeaves[k] + n) ++n;
    const uint32_t first = FLeaves[k];
    if (first < 2 || first + n - 1 > FPageCount) return false;
    state.Pages.resize(n * FPageSize);
    if (!FFile.ReadAt(static_cast<uint64_t>(first - 1) * FPageSize, state.Pages.data(),
                      state.Pages.size()))
      return false;
    for (size_t i = 0; i < n && !state.Stopped; ++i)
      if (!ScanLeaf(state.Pages.data() + i * FPageSize, FLeaves[k + i], state, row)) return false;
    if (state.Stopped) break;
    k += n;
  }
  if (span != nullptr) *span = state.Span;
  return true;
}

// Row `c` of a leaf: where its record lies on the page, its length and its
// row id. False when the cell is not as the engine would read it.
bool TTablePages::ParseCell(const unsigned char* p, uint32_t c, uint32_t firstCell,
                            TCell& cell) const {
  const unsigned char* end = p + FUsable;
  const uint32_t at = Get16(p + 8 + 2 * c);
  if (at < firstCell || at + 4 > FUsable) return false;
  const unsigned char* q = p + at;
  uint64_t rowid;
  size_t len = GetVarint(q, end, cell.Payload);
  if (len == 0) return false;
  q += len;
  if ((len = GetVarint(q, end, rowid)) == 0) return false;
  q += len;
  cell.RowId = static_cast<int64_t>(rowid);
  // The most of a row's record that stays on its page, and the least.
  const uint64_t maxLocal = FUsable - 35;
  const uint64_t minLocal = (FUsable - 12) * 32 / 255 - 23;
  cell.Local = cell.Payload;
  if (cell.Payload > maxLocal) {
    cell.Local = minLocal + (cell.Payload - minLocal) % (FUsable - 4);
    if (cell.Local > maxLocal) cell.Local = minLocal;
  }
  if (cell.Local > static_cast<uint64_t>(end - q) ||
      (cell.Local < cell.Payload && cell.Local + 4 > static_cast<uint64_t>(end - q)))
    return false;
  // A record longer than the whole file is damage, and would have its
  // chain read on for ever.
  if (cell.Payload > static_cast<uint64_t>(FPageCount) * FUsable) return false;
  cell.Start = q;
  cell.Next = cell.Local < cell.Payload ? Get32(q + cell.Local) : 0;
  return true;
}

// Makes the first `need` bytes of the cell's record readable at
// `state.Rec`: on the page, or gathered into `state.Spill` from the page
// and its chain of overflow pages. An overflow page met twice in one
// chain is a loop, found in one look by a bitmap of the file's pages.
bool TTablePages::Gather(TCell& cell, uint64_t need, TScanState& state) const {
  if (need > cell.Payload) return false;
  if (need <= state.RecSize) return true;
  if (!cell.Spilled) {
    state.Spill.assign(cell.Start, cell.Start + cell.Local);
    cell.Spilled = true;
    if (state.Seen.empty()) state.Seen.assign(FPageCount / 64 + 1, 0);
  }
  while (state.Spill.size() < need) {
    const uint32_t page = cell.Next;
    if (page < 2 || page > FPageCount) return false;
    uint64_t& word = state.Seen[page / 64];
    const uint64_t bit = uint64_t{1} << (page % 64);
    if ((word & bit) != 0) return false;
    word |= bit;
    state.Chain.push_back(page);
    if (state.Chain.size() % kPagesPerClockLook == 0 && OutOfTime()) return false;
    if (!ReadPage(page, state.Over)) return false;
    cell.Next = Get32(state.Over.data());
    const size_t take = static_cast<size_t>(
        std::min<uint64_t>(FUsable - 4, cell.Payload - state.Spill.size()));
    state.Spill.insert(state.Spill.end(), state.Over.begin() + 4,
                       state.Over.begin() + 4 + static_cast<std::ptrdiff_t>(take));
  }
  state.Rec = state.Spill.data();
  state.RecSize = state.Spill.size();
  return true;
}

// Forgets the overflow pages the last row read, for the next row's chain.
void TTablePages::TScanState::EndRow() {
  for (uint32_t page : Chain) Seen[page / 64] &= ~(uint64_t{1} << (page % 64));
  Chain.clear();
}

// The wanted values of the cell's record into `values`. False when the
// record is not as the engine would read it, or is one the engine is
// left to read (a value too long to load, wanted values behind many
// megabytes of others).
bool TTablePages::DecodeRecord(TCell& cell, TScanState& state, TValue* values) const {
  state.Rec = cell.Start;
  state.RecSize = cell.Local;
  const bool whole = cell.Local == cell.Payload;
  // The record header: its size, then one serial type per column.
  uint64_t headerSize;
  if (!whole && !Gather(cell, std::min<uint64_t>(cell.Payload, 9), state)) return false;
  size_t len = GetVarint(state.Rec, state.Rec + state.RecSize, headerSize);
  if (len == 0 || headerSize < len || headerSize > cell.Payload || headerSize > kMaxHeaderBytes)
    return false;
  if (!whole && !Gather(cell, headerSize, state)) return false;
  const unsigned char* h = state.Rec + len;
  const unsigned char* hEnd = state.Rec + headerSize;
  uint64_t types[kMaxField], offsets[kMaxField];  // of the columns up to the furthest
  uint64_t body = headerSize;
  const int fields = std::max(FLastField, FRowIdField);
  for (int f = 0; f <= fields; ++f) {
    // A row written before its table grew a column holds fewer: the
    // engine then reads the column's default, which is not kept here.
    const size_t n = GetVarint(h, hEnd, types[f]);
    if (n == 0) return false;
    h += n;
    const int64_t size = SerialSize(types[f]);
    if (size < 0 || static_cast<uint64_t>(size) > cell.Payload) return false;
    offsets[f] = body;
    body += static_cast<uint64_t>(size);
  }
  // A header read to its end must describe the record to its end: the
  // engine finds anything else malformed once it has read that far.
  if (h == hEnd && body != cell.Payload) return false;
  // A row id column that holds a value of its own is not the row id
  // after all (the engine's old "INTEGER PRIMARY KEY DESC").
  if (FRowIdField >= 0 && types[FRowIdField] != 0) return false;
  for (int f : FFields)
    if (types[f] >= 12 && SerialSize(types[f]) > TSqliteDb::kMaxValueBytes) return false;
  if (body > kMaxGathered || body > cell.Payload) return false;
  // Every wanted value within the record, and at hand.
  if (!whole && !Gather(cell, body, state)) return false;
  for (size_t i = 0; i < FFields.size(); ++i) {
    const uint64_t t = types[FFields[i]];
    const unsigned char* at = state.Rec + offsets[FFields[i]];
    TValue& v = values[i];
    v.Type = SerialClass(t);
    v.Int = v.Type == kInteger ? SerialInt(t, at) : 0;
    v.Bytes = reinterpret_cast<const char*>(at);
    v.Size = static_cast<size_t>(SerialSize(t));
  }
  return true;
}

// The rows of leaf page `number`, whose bytes are at `p`. Row ids rise
// strictly through a sound table, from leaf to leaf too; a leaf without a
// row is damage unless it is the table's root.
bool TTablePages::ScanLeaf(const unsigned char* p, uint32_t number, TScanState& state,
                           const std::function<bool(int64_t, const TValue*)>& row) const {
  if (p[0] != kTableLeaf) return false;
  const uint32_t cells = Get16(p + 3);
  const uint32_t firstCell = 8 + 2 * cells;
  if (cells > MaxCells() || firstCell > FUsable || (cells == 0 && number != FRoot)) return false;
  TValue values[kMaxColumns];
  for (uint32_t c = 0; c < cells; ++c) {
    TCell cell;
    if (!ParseCell(p, c, firstCell, cell)) return false;
    if (state.Span.Any && cell.RowId <= state.Span.Last) return false;
    const bool decoded = DecodeRecord(cell, state, values);
    state.EndRow();
    if (!decoded) return false;
    if (!state.Span.Any) state.Span.First = cell.RowId;
    state.Span.Any = true;
    state.Span.Last = cell.RowId;
    if (!row(cell.RowId, values)) {
      state.Stopped = true;
      return true;
    }
  }
  return true;
}
