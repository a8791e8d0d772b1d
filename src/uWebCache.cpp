#include "uWebCache.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>

#include "uEsent.h"
#include "uPlatform.h"
#include "uSqlite.h"

// The program carries no description of the WebCache table layout beyond
// what every version shares: containers and columns are recognised by their
// values (text with "://", plausible file times), and columns are walked in
// ascending id order because the ids are sparse (1..17, then 128 or 256 and
// up), so literal small ids would never reach the name or the URL.

namespace {

constexpr const char* kDbFileName = "WebCacheV01.dat";
constexpr int kContainerProbeRows = 501;
constexpr int kUrlProbeRows = 40;
constexpr int kNumberedContainers = 60;
constexpr int kMaxDumpRows = 500000;  // rows counted past this end the dump
constexpr size_t kContainerColumns = 16;
constexpr size_t kUrlProbeColumns = 21;
constexpr size_t kVisitColumns = 32;
constexpr int64_t kFileTimeMin = 100000000000000LL;
constexpr int64_t kFileTimeMax = 200000000000000000LL;
constexpr int64_t kTicksPerSecond = 10000000;

uint32_t gWorkerTimeoutMs = 120000;
std::string gWorkerExe;
uint64_t gWorkerMemoryLimit = 0;  // 0: sized from the database

int64_t LeInt64(const std::string& b) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
  return static_cast<int64_t>(v);
}

uint32_t LeUInt32(const std::string& b, size_t at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(b[at])) |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 2])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(b[at + 3])) << 24;
}

bool IsText(const std::string& b) {
  return LooksLikeText(reinterpret_cast<const uint8_t*>(b.data()), static_cast<int64_t>(b.size()));
}

// The first `n` column ids of a table, ascending.
std::vector<uint32_t> FirstColumns(TEsentDb& db, TEseTable tbl, size_t n) {
  std::vector<uint32_t> ids;
  db.ColumnIds(tbl, ids);
  if (ids.size() > n) ids.resize(n);
  return ids;
}

std::string ContainerTable(int64_t id) { return "Container_" + IntToStr(id); }

// Closes a table on every way out of a scope.
class TTableGuard {
 public:
  TTableGuard(TEsentDb& db, TEseTable tbl) : FDb(db), FTbl(tbl) {}
  ~TTableGuard() { FDb.CloseTable(FTbl); }
  TTableGuard(const TTableGuard&) = delete;
  TTableGuard& operator=(const TTableGuard&) = delete;

 private:
  TEsentDb& FDb;
  TEseTable FTbl;
};

void WriteResultFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string out = "\xEF\xBB\xBF";
  size_t size = out.size();
  for (const auto& l : lines) size += l.size() + 1;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += '\n';
  }
  // Someone's history: readable by this user alone (by SYSTEM and the
  // administrators in an elevated run), never written through a link.
  uint32_t code = 0;
  std::FILE* f = plat::CreatePrivateFile(path, code);
  if (!f) throw std::runtime_error("cannot create " + path);
  const bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
  if (std::fclose(f) != 0 || !ok) {
    // A result cut short (a full disk, a file-size limit) is no result.
    plat::RemoveFile(path);
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace

// Worker side ------------------------------------------------------------------

bool IsWorkerCommandLine(const std::vector<std::string>& args) {
  return args.size() >= 3 && SameTextAscii(args[1], "/worker:dump");
}

int RunWorker(const std::vector<std::string>& args) {
  // A crash in the reader must end this process at once: the parent waits.
  plat::SuppressErrorDialogs();
  if (args.size() < 4) return 1;
  // The database may be made to claim any amount of memory: the reader gets
  // what the parent allowed (argument 4, bytes), and a failure for want of
  // it is told apart from a database that cannot be read.
  int64_t limit = 0;
  if (args.size() >= 5 && TryStrToInt64(args[4], limit) && limit > 0)
    plat::LimitOwnMemory(static_cast<uint64_t>(limit));
  try {
    std::string msg;
    errno = 0;
    if (DumpWebCache(args[2], args[3], msg)) return 0;
    // The engine reports a refused allocation as a failure of its own; the
    // C library's ENOMEM says what it was.
    return errno == ENOMEM ? kWorkerOutOfMemory : 1;
  } catch (const std::bad_alloc&) {
    return kWorkerOutOfMemory;
  } catch (...) {
    return 1;
  }
}

TDateTime FileTimeToLocal(int64_t v) { return WinMicrosToLocal(v / 10); }

bool IsPlausibleFileTime(int64_t v) {
  if (v < kFileTimeMin || v > kFileTimeMax) return false;
  const TDateTime d = FileTimeToLocal(v);
  if (d.IsZero() || d.Year < 1995) return false;
  // Strictly later than 1995-01-01 00:00 local.
  return d.Year > 1995 || d.Month > 1 || d.Day > 1 || d.Hour > 0 || d.Minute > 0 ||
         d.Second > 0 || d.Msec > 0;
}

std::string ColumnText(const std::string& bytes) {
  const size_t n = bytes.size();
  // BytesToText takes UTF-16 only when every high byte is zero, which loses
  // "Visited: 张三@https://…" to a UTF-8 reading. Text that is mostly ASCII in
  // UTF-16LE has zero high bytes in at least half of its units.
  if (n >= 4 && n % 2 == 0) {
    size_t zeroHigh = 0;
    for (size_t i = 1; i < n; i += 2)
      if (bytes[i] == 0) ++zeroHigh;
    if (zeroHigh * 2 >= n / 2) {
      std::u16string units;
      units.reserve(n / 2);
      for (size_t i = 0; i + 1 < n; i += 2) {
        const char16_t u = static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                                 static_cast<uint8_t>(bytes[i + 1]) << 8);
        if (u == 0) break;
        units.push_back(u);
      }
      return Utf16ToUtf8(units);
    }
  }
  return BytesToText(reinterpret_cast<const uint8_t*>(bytes.data()),
                     static_cast<int64_t>(bytes.size()));
}

std::string VisitedAddress(const std::string& text) {
  const size_t scheme = text.find("://");
  if (scheme == std::string::npos) return text;
  const size_t at = text.rfind('@', scheme);
  return at == std::string::npos ? text : text.substr(at + 1);
}

std::string WorkerText(const std::string& text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c == '\0') continue;
    s += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
  }
  return Trim(s);
}

std::string PageTitleFromProperties(const std::string& b) {
  // A serialized property storage: size (4), "1SPS", the format id (16), then
  // values: size (4), property id (4), reserved (1), type (2), padding (2),
  // data. The page title is property 16 of the Internet-site format id
  // {000214A1-0000-0000-C000-000000000046}, a NUL-terminated UTF-16 string
  // (type 0x1F) whose data starts with its length in characters.
  static const char kFormatId[16] = {'\xA1', '\x14', '\x02', '\x00', '\x00', '\x00',
                                     '\x00', '\x00', '\xC0', '\x00', '\x00', '\x00',
                                     '\x00', '\x00', '\x00', '\x46'};
  constexpr uint32_t kTitleId = 16;
  constexpr uint32_t kTypeString = 0x1F;
  constexpr size_t kStorageHeader = 24, kValueHeader = 13, kStringHeader = 17;
  for (size_t magic = b.find("1SPS", 4); magic != std::string::npos;
       magic = b.find("1SPS", magic + 1)) {
    const size_t start = magic - 4;
    const size_t size = LeUInt32(b, start);
    if (size < kStorageHeader || size > b.size() - start ||
        std::memcmp(b.data() + magic + 4, kFormatId, 16) != 0)
      continue;
    const size_t end = start + size;
    for (size_t pos = start + kStorageHeader; pos + 4 <= end;) {
      const size_t vsize = LeUInt32(b, pos);
      if (vsize == 0 || vsize < kValueHeader || vsize > end - pos) break;
      const uint32_t id = LeUInt32(b, pos + 4);
      const uint32_t type =
          static_cast<uint8_t>(b[pos + 9]) | static_cast<uint32_t>(static_cast<uint8_t>(b[pos + 10])) << 8;
      if (id == kTitleId && type == kTypeString && vsize >= kStringHeader) {
        const size_t chars = LeUInt32(b, pos + 13);
        if (chars > (vsize - kStringHeader) / 2) break;  // does not fit: not trusted
        std::u16string units;
        for (size_t i = 0; i < chars; ++i) {
          const size_t at = pos + kStringHeader + 2 * i;
          const char16_t u = static_cast<char16_t>(static_cast<uint8_t>(b[at]) |
                                                   static_cast<uint8_t>(b[at + 1]) << 8);
          if (u == 0) break;
          units.push_back(u);
        }
        return Utf16ToUtf8(units);
      }
      pos += vsize;
    }
  }
  return std::string();
}

bool LoadVisitLayout(TEsentDb& db, TEseTable tbl, TVisitLayout& layout) {
  layout = TVisitLayout();
  layout.Columns = FirstColumns(db, tbl, kVisitColumns);
  // The visit time is when the entry was last used. Other columns hold
  // plausible times too (sync, modification, expiry), so the first time in
  // column order is taken only when the table has no access-time column.
  layout.HasAccessTime = db.ColumnIdByName(tbl, "AccessedTime", layout.AccessTimeId);
  return !layout.Columns.empty();
}

bool ReadVisitRow(TEsentDb& db, TEseTable tbl, const TVisitLayout& layout, int64_t& unix,
                  std::string& title, std::string& url) {
  unix = 0;
  title.clear();
  url.clear();
  size_t bestUrl = 0;
  bool haveTitle = false;
  std::string data;
  for (uint32_t col : layout.Columns) {
    if (!db.ReadColumn(tbl, col, data) || data.empty()) continue;
    if (data.size() == 8) {
      if (unix != 0 || (layout.HasAccessTime && col != layout.AccessTimeId)) continue;
      const int64_t v = LeInt64(data);
      if (IsPlausibleFileTime(v)) unix = v / kTicksPerSecond - kUnixTo1601Seconds;
      continue;
    }
    if (data.size() <= 4) continue;
    // A property store is binary: it may give the title, never a URL. Other
    // text is not taken as a title, so binary headers cannot end up there.
    if (data.find("1SPS") != std::string::npos) {
      if (!haveTitle) {
        title = WorkerText(PageTitleFromProperties(data));
        haveTitle = !title.empty();
      }
      continue;
    }
    if (!IsText(data)) continue;
    const std::string text = WorkerText(ColumnText(data));
    if (text.find("://") == std::string::npos) continue;
    const std::string address = VisitedAddress(text);
    const size_t len = Utf16Length(address);
    if (len > bestUrl) {
      url = address;
      bestUrl = len;
    }
  }
  return !url.empty() && unix > 0 && unix <= kUnix2100;
}

void FindHistoryContainers(TEsentDb& db, std::vector<int64_t>& ids) {
  FindNamedContainers(db, "history", ids);
}

void FindNamedContainers(TEsentDb& db, const std::string& name, std::vector<int64_t>& ids) {
  ids.clear();
  TEseTable tbl = 0;
  if (!db.OpenTable("Containers", tbl)) return;
  TTableGuard guard(db, tbl);
  const std::vector<uint32_t> cols = FirstColumns(db, tbl, kContainerColumns);
  std::string data;
  int rows = 0;
  for (bool more = db.MoveFirst(tbl); more && rows < kContainerProbeRows;
       more = db.MoveNext(tbl)) {
    ++rows;
    int64_t id = 0;
    bool named = false;
    for (uint32_t col : cols) {
      if (!db.ReadColumn(tbl, col, data)) continue;
      if (data.size() == 8) {
        const int64_t v = LeInt64(data);
        if (id == 0 && v > 0 && v < 1000) id = v;
      } else if (data.size() >= 7 && data.size() <= 32 && IsText(data)) {
        if (LowerAscii(Trim(ColumnText(data))) == name) named = true;
      }
    }
    if (named && id > 0 && std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  }
}

int64_t FindHistoryContainer(TEsentDb& db, int& found) {
  std::vector<int64_t> ids;
  FindHistoryContainers(db, ids);
  found = ids.empty() ? 0 : 1;
  return ids.empty() ? -1 : ids.front();
}

int32_t CountUrlRows(TEsentDb& db, const std::string& tableName, int32_t maxRows) {
  TEseTable tbl = 0;
  if (!db.OpenTable(tableName, tbl)) return -1;
  TTableGuard guard(db, tbl);
  const std::vector<uint32_t> cols = FirstColumns(db, tbl, kUrlProbeColumns);
  std::string data;
  int32_t rows = 0, count = 0;
  for (bool more = db.MoveFirst(tbl); more && rows < maxRows; more = db.MoveNext(tbl)) {
    ++rows;
    for (uint32_t col : cols) {
      if (db.ReadColumn(tbl, col, data) && data.size() > 8 && IsText(data) &&
          ColumnText(data).find("://") != std::string::npos) {
        ++count;
        break;
      }
    }
  }
  return count;
}

bool DumpWebCache(const std::string& snapshotDir, const std::string& tsvPath, std::string& msg) {
  msg.clear();
  const std::string dbFile = JoinPath(snapshotDir, kDbFileName);
  if (!plat::FileExists(dbFile)) {
    msg = "快照中缺少 WebCacheV01.dat";
    return false;
  }
  auto db = std::make_unique<TEsentDb>(JoinPath(snapshotDir, "ese_work"));
  if (!db->AttachReadOnly(dbFile)) {
    msg = "ESE 引擎无法打开快照：" + db->LastErrorText();
    return false;
  }

  // Every container named History is dumped: a database may hold several,
  // and reading only the first would lose their visits. Without any, the
  // numbered container with the most URL rows among the first 60 stands in.
  std::vector<int64_t> named, chosen;
  FindHistoryContainers(*db, named);
  int32_t urlRows = 0;
  for (int64_t id : named) {
    const int32_t c = CountUrlRows(*db, ContainerTable(id), kUrlProbeRows);
    if (c < 0) continue;
    chosen.push_back(id);
    urlRows += c;
  }
  if (chosen.empty()) {
    int64_t bestId = -1;
    for (int n = 1; n <= kNumberedContainers; ++n) {
      const int32_t c = CountUrlRows(*db, ContainerTable(n), kUrlProbeRows);
      if (c > urlRows) {
        bestId = n;
        urlRows = c;
      }
    }
    if (bestId > 0) chosen.push_back(bestId);
  }
  if (chosen.empty() || urlRows <= 0) {
    msg = "未能在库中定位 History 容器";
    return false;
  }

  std::vector<std::string> lines;
  int rows = 0;
  for (int64_t id : chosen) {
    TEseTable tbl = 0;
    if (!db->OpenTable(ContainerTable(id), tbl)) {
      msg = "打开 History 容器失败：" + db->LastErrorText();
      return false;
    }
    TTableGuard guard(*db, tbl);
    TVisitLayout layout;
    LoadVisitLayout(*db, tbl, layout);
    int64_t unix = 0;
    std::string title, url;
    for (bool more = db->MoveFirst(tbl); more && rows <= kMaxDumpRows; more = db->MoveNext(tbl)) {
      ++rows;
      if (ReadVisitRow(*db, tbl, layout, unix, title, url))
        lines.push_back(IntToStr(unix) + '\t' + url + '\t' + title);
    }
  }
  // Downloads go to a file of their own beside the visits, so that the
  // visits' result keeps its form. A store without the container has none.
  std::vector<std::string> downloads;
  DumpDownloads(*db, downloads);
  WriteResultFile(tsvPath, lines);
  WriteResultFile(DownloadResultPath(tsvPath), downloads);
  db.reset();  // closes the database before the parent removes the snapshot
  return true;
}

std::string DownloadResultPath(const std::string& tsvPath) { return tsvPath + ".downloads"; }

std::vector<std::string> Utf16Strings(const std::string& b, size_t minUnits) {
  std::vector<std::string> out;
  std::string run;
  size_t units = 0;
  auto flush = [&]() {
    if (units >= minUnits) out.push_back(ColumnText(run));
    run.clear();
    units = 0;
  };
  for (size_t i = 0; i + 1 < b.size(); i += 2) {
    const uint16_t u = static_cast<uint16_t>(static_cast<uint8_t>(b[i]) |
                                             static_cast<uint8_t>(b[i + 1]) << 8);
    // Addresses and paths begin with an ASCII character; binary fields
    // before them read as stray non-ASCII units and start nothing.
    if (units == 0 && (u < 0x20 || u > 0x7E)) continue;
    if (u >= 0x20 && u != 0xFFFF) {
      run.append(b, i, 2);
      ++units;
    } else {
      flush();
    }
  }
  flush();
  return out;
}

void DownloadFromHeaders(const std::string& headers, std::string& url, std::string& path) {
  bool haveUrl = false;
  for (const std::string& text : Utf16Strings(headers, 4)) {
    const std::string t = WorkerText(text);
    const bool drive = t.size() >= 3 && std::isalpha(static_cast<unsigned char>(t[0])) &&
                       t[1] == ':' && t[2] == '\\';
    if (path.empty() && (drive || t.compare(0, 2, "\\\\") == 0)) path = t;
    if (!haveUrl && t.find("://") != std::string::npos) {
      url = t;
      haveUrl = true;
    }
  }
}

bool ReadDownloadRow(TEsentDb& db, TEseTable tbl, const TDownloadLayout& layout, int64_t& unix,
                     std::string& url, std::string& path) {
  unix = 0;
  url.clear();
  path.clear();
  std::string data;
  // The entry's address, as for a visit ("<prefix>@<address>" at times).
  if (layout.HasUrl && db.ReadColumn(tbl, layout.UrlId, data) && IsText(data))
    url = WorkerText(VisitedAddress(ColumnText(data)));
  // The response headers of a download entry hold its address, its referrer
  // and the file it was saved to as UTF-16 texts: the first address and the
  // first drive or network path are taken.
  if (layout.HasHeaders && db.ReadColumn(tbl, layout.HeadersId, data))
    DownloadFromHeaders(data, url, path);
  for (uint32_t id : {layout.AccessTimeId, layout.CreationTimeId}) {
    if (unix != 0 || id == 0 || !db.ReadColumn(tbl, id, data) || data.size() != 8) continue;
    const int64_t v = LeInt64(data);
    if (IsPlausibleFileTime(v)) unix = v / kTicksPerSecond - kUnixTo1601Seconds;
  }
  return !url.empty() && !path.empty();
}

void DumpDownloads(TEsentDb& db, std::vector<std::string>& lines) {
  lines.clear();
  std::vector<int64_t> ids;
  FindNamedContainers(db, "iedownload", ids);
  int rows = 0;
  for (int64_t id : ids) {
    TEseTable tbl = 0;
    if (!db.OpenTable(ContainerTable(id), tbl)) continue;
    TTableGuard guard(db, tbl);
    TDownloadLayout layout;
    layout.HasUrl = db.ColumnIdByName(tbl, "Url", layout.UrlId);
    layout.HasHeaders = db.ColumnIdByName(tbl, "ResponseHeaders", layout.HeadersId);
    if (!db.ColumnIdByName(tbl, "AccessedTime", layout.AccessTimeId)) layout.AccessTimeId = 0;
    if (!db.ColumnIdByName(tbl, "CreationTime", layout.CreationTimeId)) layout.CreationTimeId = 0;
    int64_t unix = 0;
    std::string url, path;
    for (bool more = db.MoveFirst(tbl); more && rows <= kMaxDumpRows; more = db.MoveNext(tbl)) {
      ++rows;
      if (ReadDownloadRow(db, tbl, layout, unix, url, path))
        lines.push_back(IntToStr(unix) + '\t' + url + '\t' + path);
    }
  }
}

// Parent side ------------------------------------------------------------------

void SetWorkerTimeoutMs(uint32_t ms) { gWorkerTimeoutMs = ms; }

uint32_t WorkerTimeoutMs() { return gWorkerTimeoutMs; }

void SetWorkerExecutable(const std::string& path) { gWorkerExe = path; }

void SetWorkerMemoryLimit(uint64_t bytes) { gWorkerMemoryLimit = bytes; }

uint64_t WorkerMemoryLimit(int64_t dbBytes) {
  if (gWorkerMemoryLimit != 0) return gWorkerMemoryLimit;
  // The engine holds pages, its catalogue and its caches, never the
  // database several times over; the result lines are fewer than the rows.
  const uint64_t size = dbBytes > 0 ? static_cast<uint64_t>(dbBytes) : 0;
  return 4 * std::min<uint64_t>(size, uint64_t{1} << 40) + (uint64_t{256} << 20);
}

bool SnapshotWebCacheFolder(const std::string& sourceDir, const std::string& targetDir,
                            uint32_t& code, std::string* refusal, const std::string& owner,
                            bool* foreign) {
  code = 0;
  if (refusal) refusal->clear();
  if (foreign) *foreign = false;
  plat::CreateDirs(targetDir);
  // Stored in any letter case (a copied NTFS disk), copied under its own.
  const std::string db = plat::ResolvePathCase(JoinPath(sourceDir, kDbFileName));
  if (!plat::FileExists(db)) {
    code = plat::kErrFileNotFound;
    return false;
  }
  TStoreCopy copier(owner);
  if (!copier.Copy(db, JoinPath(targetDir, kDbFileName), TStoreCopy::kEse, code)) {
    if (refusal) *refusal = copier.Refusal();
    if (foreign) *foreign = copier.Foreign();
    return false;
  }
  // The transaction logs travel with the database so that an engine that
  // replays them sees the latest state; failures here cost nothing essential.
  std::vector<plat::DirEntry> entries;
  plat::ListDir(sourceDir, entries);
  for (const auto& e : entries) {
    uint32_t logCode = 0;
    if (!e.IsDir && WildcardMatch("*.log", e.Name))
      copier.Copy(JoinPath(sourceDir, e.Name), JoinPath(targetDir, e.Name), TStoreCopy::kCompanion,
                  logCode);
  }
  return true;
}

bool SpawnDumpWorker(const std::string& snapshotDir, const std::string& tsvPath,
                     int32_t& exitCode) {
  exitCode = -1;
  const std::string exe = gWorkerExe.empty() ? plat::OwnExePath() : gWorkerExe;
  const uint64_t limit = WorkerMemoryLimit(plat::FileSize(JoinPath(snapshotDir, kDbFileName)));
  uint32_t err = 0;
  if (!plat::SpawnAndWait(exe, {"/worker:dump", snapshotDir, tsvPath, std::to_string(limit)},
                          gWorkerTimeoutMs, exitCode, err, limit)) {
    exitCode = static_cast<int32_t>(err);
    return false;
  }
  return true;
}

// Removed by the platform's link-safe clean-up: the folder lies in the
// user's temporary folder, where any process of that user could swap it,
// or something in it, for a link to data an elevated run must not delete.
void DeleteFolderTree(const std::string& folder) { plat::RemoveTree(folder); }

// Appends the accepted visits of a result file; returns how many.
int32_t ParseResultFile(const std::string& text, THistoryList& list, const std::string& browserId,
                        const std::string& browserName, const std::string& profile,
                        const TWebCacheFilter& filter) {
  int32_t count = 0;
  const TSourceLabelId label = InternSourceLabel(browserId, browserName, profile);
  size_t pos = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  while (pos < text.size()) {
    size_t eol = text.find_first_of("\r\n", pos);
    if (eol == std::string::npos) eol = text.size();
    const size_t lineStart = pos;
    pos = eol + 1;
    if (eol < text.size() && text[eol] == '\r' && pos < text.size() && text[pos] == '\n') ++pos;

    const size_t tab1 = text.find('\t', lineStart);
    if (tab1 == std::string::npos || tab1 >= eol) continue;
    const size_t tab2 = text.find('\t', tab1 + 1);
    if (tab2 == std::string::npos || tab2 >= eol) continue;
    int64_t t = 0;
    if (!TryStrToInt64(text.substr(lineStart, tab1 - lineStart), t)) t = 0;
    // The worker writes UTF-8, but the file is outside input: repair it.
    std::string url = Utf8BytesToString(text.substr(tab1 + 1, tab2 - tab1 - 1));
    const std::string rawTitle = Utf8BytesToString(text.substr(tab2 + 1, eol - tab2 - 1));
    if (url.empty() || t <= 0) continue;
    if (filter.FromUnix > 0 && t < filter.FromUnix) continue;
    if (filter.ToUnix > 0 && t >= filter.ToUnix) continue;
    if (!IsWebUrl(url)) continue;
    if (!VisitPassesFilters(filter.Include, filter.Exclude, url, rawTitle)) continue;
    if (filter.Privacy) url = StripQuery(url);
    THistoryRecord rec;
    rec.Source = label;
    rec.Url = std::move(url);
    rec.Title = CleanTitle(rawTitle);
    rec.VisitUnix = t;
    list.Add(std::move(rec));
    ++count;
  }
  return count;
}

int32_t ParseDownloadFile(const std::string& text, TDownloadList& list,
                          const std::string& browserId, const std::string& browserName,
                          const std::string& profile, const TWebCacheFilter& filter) {
  int32_t count = 0;
  const TSourceLabelId label = InternSourceLabel(browserId, browserName, profile);
  size_t pos = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
  while (pos < text.size()) {
    size_t eol = text.find_first_of("\r\n", pos);
    if (eol == std::string::npos) eol = text.size();
    const std::string line = Utf8BytesToString(text.substr(pos, eol - pos));
    pos = eol + 1;
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    if (tab2 == std::string::npos) continue;
    TDownloadRecord d;
    d.Source = label;
    if (!TryStrToInt64(line.substr(0, tab1), d.StartUnix) || d.StartUnix < 0) d.StartUnix = 0;
    d.Url = d.OriginalUrl = line.substr(tab1 + 1, tab2 - tab1 - 1);
    d.Path = line.substr(tab2 + 1);
    if (d.Url.empty() || d.Path.empty() || !IsWebUrl(d.Url)) continue;
    if (!AcceptDownload(d, filter.FromUnix, filter.ToUnix, filter.Include, filter.Exclude,
                        filter.Privacy))
      continue;
    list.Add(std::move(d));
    ++count;
  }
  return count;
}

int32_t CollectWebCache(const std::string& datPath, THistoryList& list,
                        const std::string& browserId, const std::string& browserName,
                        const std::string& profile, const TWebCacheFilter& filter,
                        std::string& message, TSourceStatus& status, TDownloadList* downloads,
                        int32_t* downloadCount) {
  if (downloadCount) *downloadCount = 0;
  message.clear();
  status = ssNotFound;
  const std::string sourceDir = ExtractFileDir(datPath);
  // Never reuse a name that already stands in the temporary folder: a
  // leftover or a planted link there must not receive (or lose) our files.
  std::string base = MakeTempName("webcache");
  for (int n = 1; plat::DirExists(base) || plat::FileExists(base) || plat::FileExists(base + ".tsv");
       ++n)
    base = MakeTempName("webcache") + "_" + IntToStr(n);
  const std::string tsv = base + ".tsv";
  const std::string dl = DownloadResultPath(tsv);
  // Registered before they exist: an interruption removes them at any moment.
  plat::TrackTempPath(base);
  plat::TrackTempPath(tsv);
  plat::TrackTempPath(dl);
  struct TCleanup {
    const std::string& Tsv;
    const std::string& Dl;
    const std::string& Base;
    ~TCleanup() {
      plat::RemoveFile(Tsv);
      plat::RemoveFile(Dl);
      DeleteFolderTree(Base);
      plat::UntrackTempPath(Tsv);
      plat::UntrackTempPath(Dl);
      plat::UntrackTempPath(Base);
    }
  } cleanup{tsv, dl, base};

  uint32_t code = 0;
  uint32_t tempCode = 0;
  // The run's own folder, made new: private to this user (to SYSTEM and the
  // administrators when elevated), and never an entry someone else put there.
  if (!plat::CreatePrivateDir(base, code)) {
    status = ssParseError;
    message = TempFolderErrorText(code);
    return 0;
  }
  std::string refusal;
  bool foreign = false;
  bool copied = SnapshotWebCacheFolder(sourceDir, base, code, &refusal, filter.Owner, &foreign);
  if (!refusal.empty()) {
    // The database itself is no store to read (a device, not an ESE file,
    // too large for the temporary folder, or too slow to copy), or it is
    // someone else's.
    status = foreign ? ssNoPermission : ssParseError;
    message = "WebCache 库：" + refusal;
    return 0;
  }
  if (!copied && code == plat::kErrSharingViolation) {
    // The system's own host process keeps the WebCache open without sharing
    // while its user is logged on. The database alone is enough: libesedb
    // reads it as it stands, without its logs. It comes from a shadow copy
    // made the same way as for held SQLite stores.
    std::string err;
    copied = CopyHeldFile(datPath, JoinPath(base, kDbFileName), IsElevated(), err);
    if (!copied) {
      status = ssLocked;
      message = "WebCache 库" + err;
      return 0;
    }
  }
  if (!copied) {
    if (!TempFolderWritable(tempCode)) {
      // Our own temporary folder is at fault, not the store.
      status = ssParseError;
      message = TempFolderErrorText(tempCode);
    } else if (code == plat::kErrAccessDenied) {
      status = ssNoPermission;
      message = "无权限读取 WebCache（需管理员权限）";
    } else {
      status = ssLocked;
      message = "复制 WebCache 快照失败：" + SysErrorText(code);
    }
    return 0;
  }

  int32_t exitCode = 0;
  if (!SpawnDumpWorker(base, tsv, exitCode)) {
    status = ssParseError;
    message = Format("无法启动解析子进程（%s）", SysErrorText(static_cast<uint32_t>(exitCode)).c_str());
    return 0;
  }
  if (exitCode == kWorkerOutOfMemory) {
    const uint64_t limit = WorkerMemoryLimit(plat::FileSize(JoinPath(base, kDbFileName)));
    status = ssParseError;
    message = Format("解析子进程内存不足（上限 %llu MB），该浏览器数据无法提取",
                     static_cast<unsigned long long>(std::max<uint64_t>(limit >> 20, 1)));
    return 0;
  }
  if (exitCode != 0) {
    status = ssParseError;
    message = Format("解析子进程异常退出（代码 %d），该浏览器数据无法提取", exitCode);
    return 0;
  }
  // A result line holds what one row of the database held, and at most so
  // many rows are dumped: a result several times the database's size (with
  // room for a small one) was not made from it, and is not read.
  const int64_t dbMegabytes = (std::max<int64_t>(0, plat::FileSize(JoinPath(base, kDbFileName))) +
                               (1 << 20) - 1) >> 20;
  const int64_t bound = (64 + 4 * dbMegabytes) << 20;
  std::string text;
  uint32_t readCode = 0;
  if (!plat::FileExists(tsv) || !ReadWholeFile(tsv, text, &readCode, bound)) {
    status = ssParseError;
    message = readCode == plat::kErrFileTooLarge || readCode == plat::kErrNotRegularFile
                  ? "解析子进程的结果" + ReadFileErrorText(readCode, bound) + "，未读取"
                  : "解析子进程未产生结果";
    return 0;
  }
  const int32_t count = ParseResultFile(text, list, browserId, browserName, profile, filter);
  // A worker of the same program always writes the downloads file, if empty.
  std::string downloadProblem;
  if (downloads && plat::FileExists(dl)) {
    if (ReadWholeFile(dl, text, &readCode, bound)) {
      const int32_t n = ParseDownloadFile(text, *downloads, browserId, browserName, profile, filter);
      if (downloadCount) *downloadCount = n;
    } else if (readCode == plat::kErrFileTooLarge || readCode == plat::kErrNotRegularFile) {
      downloadProblem = "下载记录结果" + ReadFileErrorText(readCode, bound) + "，未读取";
    }
  }
  if (count == 0) {
    status = ssEmpty;
    message = "时间范围内无记录";
  } else {
    status = ssOk;
  }
  if (!downloadProblem.empty())
    message = message.empty() ? downloadProblem : message + "；" + downloadProblem;
  return count;
}
