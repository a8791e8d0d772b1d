#include "uBrowsers_exports.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "uPlatform.h"

// ---- Lines ------------------------------------------------------------------

TLineStream::TLineStream(const plat::TFileReader& file, int64_t size, size_t maxLine,
                         size_t block)
    : FFile(file), FSize(size < 0 ? 0 : size), FMaxLine(maxLine), FBlock(block) {}

bool TLineStream::Fill() {
  if (FFailed || FOffset >= FSize) return false;
  const size_t n = static_cast<size_t>(std::min<int64_t>(FSize - FOffset, FBlock.size()));
  if (!FFile.ReadAt(static_cast<uint64_t>(FOffset), FBlock.data(), n)) {
    // A file cut shorter while it is read ends where it now ends.
    FFailed = true;
    return false;
  }
  FOffset += static_cast<int64_t>(n);
  FAt = 0;
  FEnd = n;
  return true;
}

bool TLineStream::Next(std::string& line, bool& tooLong, bool& cut) {
  line.clear();
  tooLong = false;
  cut = false;
  bool any = false;
  for (;;) {
    if (FAt == FEnd && !Fill()) {
      cut = any;
      return any;
    }
    any = true;
    const char* from = FBlock.data() + FAt;
    const void* nl = std::memchr(from, '\n', FEnd - FAt);
    const size_t n = nl ? static_cast<size_t>(static_cast<const char*>(nl) - from) : FEnd - FAt;
    if (!tooLong) {
      if (line.size() + n > FMaxLine) {
        // Past the cap the line is passed over to its end; what was kept
        // of it is let go at once.
        tooLong = true;
        std::string().swap(line);
      } else {
        line.append(from, n);
        FPeak = std::max(FPeak, line.capacity());
      }
    }
    FAt += n;
    if (nl) {
      ++FAt;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      return true;
    }
  }
}

// ---- JSON ---------------------------------------------------------------------

namespace {

bool Hex4(const std::string& s, size_t at, uint32_t& v) {
  if (at + 4 > s.size()) return false;
  v = 0;
  for (size_t i = at; i < at + 4; ++i) {
    const char c = s[i];
    const int d = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
    if (d < 0) return false;
    v = v * 16 + static_cast<uint32_t>(d);
  }
  return true;
}

// A JSON string from s[i] (the opening quote) on; i ends after the closing one.
bool ParseString(const std::string& s, size_t& i, std::string& out) {
  out.clear();
  ++i;
  while (i < s.size()) {
    const char c = s[i];
    if (c == '"') {
      ++i;
      return true;
    }
    if (static_cast<unsigned char>(c) < 0x20) return false;
    if (c != '\\') {
      out += c;
      ++i;
      continue;
    }
    if (i + 1 >= s.size()) return false;
    const char e = s[i + 1];
    i += 2;
    switch (e) {
      case '"': out += '"'; break;
      case '\\': out += '\\'; break;
      case '/': out += '/'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'u': {
        uint32_t cp = 0, low = 0;
        if (!Hex4(s, i, cp)) return false;
        i += 4;
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i] == '\\' && s[i + 1] == 'u' &&
            Hex4(s, i + 2, low) && low >= 0xDC00 && low < 0xE000) {
          cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          i += 6;
        } else if (cp >= 0xD800 && cp < 0xE000) {
          cp = 0xFFFD;  // a lone surrogate, as the readers of stores take one
        }
        AppendCodePoint(out, cp);
        break;
      }
      default: return false;
    }
  }
  return false;
}

void SkipBlanks(const std::string& s, size_t& i) {
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r')) ++i;
}

}  // namespace

bool ParseFlatJsonObject(const std::string& line,
                         std::vector<std::pair<std::string, std::string>>& fields) {
  fields.clear();
  size_t i = 0;
  SkipBlanks(line, i);
  if (i >= line.size() || line[i] != '{') return false;
  ++i;
  SkipBlanks(line, i);
  if (i < line.size() && line[i] == '}') {
    ++i;
  } else {
    for (;;) {
      SkipBlanks(line, i);
      std::pair<std::string, std::string> f;
      if (i >= line.size() || line[i] != '"' || !ParseString(line, i, f.first)) return false;
      SkipBlanks(line, i);
      if (i >= line.size() || line[i] != ':') return false;
      ++i;
      SkipBlanks(line, i);
      if (i >= line.size()) return false;
      if (line[i] == '"') {
        if (!ParseString(line, i, f.second)) return false;
      } else {
        // A number, true, false or null: taken as written, judged by its user.
        const size_t from = i;
        while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) ||
                                   line[i] == '-' || line[i] == '+' || line[i] == '.'))
          ++i;
        if (i == from) return false;  // an object, an array or garbage
        f.second = line.substr(from, i - from);
      }
      fields.push_back(std::move(f));
      SkipBlanks(line, i);
      if (i < line.size() && line[i] == ',') {
        ++i;
        continue;
      }
      if (i < line.size() && line[i] == '}') {
        ++i;
        break;
      }
      return false;
    }
  }
  SkipBlanks(line, i);
  return i == line.size();
}

// ---- Records -------------------------------------------------------------------

namespace {

using TFields = std::vector<std::pair<std::string, std::string>>;

const std::string* FieldOf(const TFields& fields, const char* key) {
  for (const auto& f : fields)
    if (f.first == key) return &f.second;
  return nullptr;
}

// The two hashes of a record key: FNV-1a and the library's own, which share
// nothing of their construction.
struct TKeyHash {
  uint64_t A = 0, B = 0;
  bool operator==(const TKeyHash& o) const { return A == o.A && B == o.B; }
};

TKeyHash HashKey(const std::string& key) {
  uint64_t h = 0xCBF29CE484222325ULL;
  for (unsigned char c : key) h = (h ^ c) * 0x100000001B3ULL;
  return TKeyHash{h | 1, static_cast<uint64_t>(std::hash<std::string_view>()(key))};
}

// Open addressing over the hash pairs: 16 bytes a record at most half full.
class TKeySet {
 public:
  // True when the key was not in the set (and is now).
  bool Insert(const TKeyHash& k) {
    if (2 * (FUsed + 1) > FSlots.size()) Grow();
    size_t i = Probe(FSlots, k);
    if (FSlots[i].A != 0) return false;
    FSlots[i] = k;
    ++FUsed;
    return true;
  }

 private:
  static size_t Probe(const std::vector<TKeyHash>& slots, const TKeyHash& k) {
    const size_t mask = slots.size() - 1;
    size_t i = static_cast<size_t>(k.B) & mask;
    while (slots[i].A != 0 && !(slots[i] == k)) i = (i + 1) & mask;
    return i;
  }
  void Grow() {
    std::vector<TKeyHash> old(FSlots.empty() ? 1024 : FSlots.size() * 2);
    old.swap(FSlots);
    for (const TKeyHash& k : old)
      if (k.A != 0) FSlots[Probe(FSlots, k)] = k;
  }
  std::vector<TKeyHash> FSlots;
  size_t FUsed = 0;
};

TSourceStatus StatusOfCode(const std::string& code) {
  for (int s = ssOk; s <= ssParseError; ++s)
    if (StatusCode(s) == code) return static_cast<TSourceStatus>(s);
  return ssParseError;
}

TDownloadState StateOfLabel(const std::string& label) {
  for (int s = dsComplete; s <= dsInterrupted; ++s)
    if (DownloadStateLabel(s) == label) return static_cast<TDownloadState>(s);
  return dsUnknown;
}

std::string ProfileLabel(const std::string& user, const std::string& profile) {
  return profile.empty() ? user : user + "\\" + profile;
}

// What a machine's lines add up to: its latest run's sources, each once.
struct TMachineState {
  TMachineSummary Summary;
  std::vector<TSourceInfo> Sources;
  std::unordered_set<std::string> SourceKeys;
};

}  // namespace

struct TExportReader::TState {
  TState(THistoryList& l, TDownloadList& d, const TExportFilter& f) : List(l), Downloads(d), Filter(f) {}
  THistoryList& List;
  TDownloadList& Downloads;
  TExportFilter Filter;
  TKeySet Keys;
  std::string Key;  // reused
  TFields Fields;   // reused
  // Every visit of one address shares its stored texts, as the browsers'
  // readers have them.
  std::unordered_map<std::string_view, TSharedText> Urls, Titles;
  std::unordered_map<std::string, TSourceLabelId> LabelIds;
  std::map<std::string, TMachineState> Machines;

  const TSharedText& Shared(std::unordered_map<std::string_view, TSharedText>& texts,
                            std::string text) {
    auto it = texts.find(text);
    if (it != texts.end()) return it->second;
    TSharedText t(std::move(text));
    const std::string_view view = t.str();
    return texts.emplace(view, std::move(t)).first->second;
  }

  TSourceLabelId Label(const std::string& machine, const std::string& id, const std::string& name,
                       const std::string& profile) {
    std::string k = machine + '\n' + id + '\n' + name + '\n' + profile;
    auto it = LabelIds.find(k);
    if (it != LabelIds.end()) return it->second;
    const TSourceLabelId label = InternSourceLabel(id, name, profile, machine);
    LabelIds.emplace(std::move(k), label);
    return label;
  }

  bool InWindow(int64_t ts) const {
    return (Filter.FromUnix == 0 || ts >= Filter.FromUnix) &&
           (Filter.ToUnix == 0 || ts < Filter.ToUnix);
  }
  bool Selected(const std::string& id) const {
    return !Filter.SourceSelected || Filter.SourceSelected(id);
  }

  bool TakeVisit(const std::string& machine, const std::string& user, const std::string& id,
                 const std::string& profile, int64_t ts, const std::string& url,
                 const std::string& seq);
  bool TakeDownload(const std::string& machine, const std::string& user, const std::string& id,
                    const std::string& profile, int64_t ts, const std::string& url,
                    const std::string& seq);
  bool TakeSource(const std::string& machine, const std::string& user, const std::string& id,
                  const std::string& profile, const std::string& run);

  // The machine a line names, its latest run moved on to `run` when later:
  // a later run's sources replace an earlier run's.
  TMachineState& MachineAt(const std::string& machine, const std::string& run) {
    TMachineState& m = Machines[machine];
    if (run > m.Summary.LatestRun) {
      m.Summary.LatestRun = run;
      m.Sources.clear();
      m.SourceKeys.clear();
    }
    return m;
  }
};

namespace {

void AppendKeyPart(std::string& key, const std::string& part) {
  key += part;
  key += '\0';
}

}  // namespace

bool TExportReader::TState::TakeVisit(const std::string& machine, const std::string& user,
                                      const std::string& id, const std::string& profile,
                                      int64_t ts, const std::string& url, const std::string& seq) {
  Key.assign("v", 1);
  for (const std::string* p : {&machine, &user, &id, &profile}) AppendKeyPart(Key, *p);
  AppendKeyPart(Key, std::to_string(ts));
  AppendKeyPart(Key, url);
  Key += seq;
  if (!Keys.Insert(HashKey(Key))) return true;  // an overlapping export's copy
  if (!InWindow(ts) || !Selected(id)) return true;
  const std::string* title = FieldOf(Fields, "title");
  const std::string noTitle;
  if (!VisitPassesFilters(Filter.Include, Filter.Exclude, url, title ? *title : noTitle))
    return true;
  THistoryRecord r;
  r.Source = Label(machine, id, *FieldOf(Fields, "browser") , ProfileLabel(user, profile));
  r.Url = Shared(Urls, Filter.Privacy ? StripQuery(url) : url);
  if (title && !title->empty()) r.Title = Shared(Titles, *title);
  r.VisitUnix = ts;
  List.Add(std::move(r));
  ++Machines[machine].Summary.Visits;
  return true;
}

bool TExportReader::TState::TakeDownload(const std::string& machine, const std::string& user,
                                         const std::string& id, const std::string& profile,
                                         int64_t ts, const std::string& url,
                                         const std::string& seq) {
  const std::string* path = FieldOf(Fields, "path");
  if (!path) return false;
  Key.assign("d", 1);
  for (const std::string* p : {&machine, &user, &id, &profile}) AppendKeyPart(Key, *p);
  AppendKeyPart(Key, std::to_string(ts));
  AppendKeyPart(Key, url);
  AppendKeyPart(Key, seq);
  Key += *path;
  if (!Keys.Insert(HashKey(Key))) return true;
  if (!Selected(id)) return true;
  TDownloadRecord d;
  d.Source = Label(machine, id, *FieldOf(Fields, "browser"), ProfileLabel(user, profile));
  d.Path = *path;
  d.Url = d.OriginalUrl = url;
  d.StartUnix = ts;
  int64_t bytes = -1;
  if (const std::string* b = FieldOf(Fields, "bytes")) TryStrToInt64(*b, bytes);
  d.TotalBytes = d.ReceivedBytes = bytes < 0 ? -1 : bytes;
  if (const std::string* s = FieldOf(Fields, "state")) d.State = StateOfLabel(*s);
  if (!AcceptDownload(d, Filter.FromUnix, Filter.ToUnix, Filter.Include, Filter.Exclude,
                      Filter.Privacy))
    return true;
  Downloads.Add(std::move(d));
  ++Machines[machine].Summary.Downloads;
  return true;
}

// A machine's sources are those of its latest run: an older export's list
// says what was true then.
bool TExportReader::TState::TakeSource(const std::string& machine, const std::string& user,
                                       const std::string& id, const std::string& profile,
                                       const std::string& run) {
  const std::string* path = FieldOf(Fields, "path");
  if (!path) return false;
  TMachineState& m = MachineAt(machine, run);
  if (run < m.Summary.LatestRun) return true;
  const std::string* seq = FieldOf(Fields, "seq");
  std::string key = user + '\n' + id + '\n' + profile + '\n' + *path + '\n' + (seq ? *seq : "");
  if (!m.SourceKeys.insert(std::move(key)).second || !Selected(id)) return true;
  TSourceInfo s;
  s.BrowserId = id;
  if (const std::string* v = FieldOf(Fields, "browser")) s.BrowserName = *v;
  s.Profile = ProfileLabel(user, profile);
  s.DbPath = *path;
  s.Machine = machine;
  if (const std::string* v = FieldOf(Fields, "state")) s.Status = StatusOfCode(*v);
  if (const std::string* v = FieldOf(Fields, "count")) TryStrToInt32(*v, s.Count);
  if (const std::string* v = FieldOf(Fields, "message")) s.Message = *v;
  m.Sources.push_back(std::move(s));
  return true;
}

TExportReader::TExportReader(THistoryList& list, TDownloadList& downloads,
                             const TExportFilter& filter)
    : FState(new TState(list, downloads, filter)) {}

TExportReader::~TExportReader() = default;

bool TExportReader::TakeLine(const std::string& raw, TExportFileInfo& info) {
  TState& s = *FState;
  // Texts go into reports as UTF-8: a stray byte becomes U+FFFD, as from a store.
  const bool ascii = std::all_of(raw.begin(), raw.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (!ParseFlatJsonObject(ascii ? raw : Utf8BytesToString(raw), s.Fields)) return false;
  const std::string* kind = FieldOf(s.Fields, "kind");
  const std::string* machine = FieldOf(s.Fields, "machine");
  const std::string* user = FieldOf(s.Fields, "user");
  const std::string* id = FieldOf(s.Fields, "browser_id");
  const std::string* profile = FieldOf(s.Fields, "profile");
  const std::string* run = FieldOf(s.Fields, "run");
  if (!kind || !machine || !user || !id || !profile || !run || !FieldOf(s.Fields, "browser"))
    return false;
  bool taken = false;
  if (*kind == "source") {
    taken = s.TakeSource(*machine, *user, *id, *profile, *run);
    if (taken) ++info.Sources;
  } else if (*kind == "visit" || *kind == "download") {
    const std::string* ts = FieldOf(s.Fields, "ts");
    const std::string* url = FieldOf(s.Fields, "url");
    const std::string* seq = FieldOf(s.Fields, "seq");
    int64_t when = 0, n = 0;
    if (!ts || !url || !seq || !TryStrToInt64(*ts, when) || !TryStrToInt64(*seq, n)) return false;
    const std::string seqText = std::to_string(n);
    if (*kind == "visit") {
      taken = s.TakeVisit(*machine, *user, *id, *profile, when, *url, seqText);
      if (taken) ++info.Visits;
    } else {
      taken = s.TakeDownload(*machine, *user, *id, *profile, when, *url, seqText);
      if (taken) ++info.Downloads;
    }
  }
  if (taken && info.Machine.empty()) {
    info.Machine = *machine;
    info.Run = *run;
  }
  if (taken) s.MachineAt(*machine, *run);
  return taken;
}

void TExportReader::ReadFile(const std::string& path, TExportFileInfo& info, size_t maxLine) {
  info = TExportFileInfo();
  info.Path = path;
  plat::TFileReader file;
  if (!file.Open(path)) {
    info.OpenError = SysErrorText(plat::LastErrorCode());
    return;
  }
  TLineStream lines(file, file.Size(), maxLine);
  std::string line;
  bool tooLong = false, cut = false;
  int64_t number = 0;
  bool any = false;
  while (lines.Next(line, tooLong, cut)) {
    ++number;
    // A cut last line is no whole record even when its start parses.
    if (!tooLong && !cut && TakeLine(line, info)) {
      any = true;
      continue;
    }
    if (tooLong || cut || !line.empty()) {
      if (info.FirstBadLine == 0) info.FirstBadLine = number;
      ++info.BadLines;
    }
  }
  if (lines.ReadFailed() && info.FirstBadLine == 0) info.FirstBadLine = number + 1;
  if (lines.ReadFailed()) ++info.BadLines;
  info.Foreign = !any;
}

void TExportReader::Finish(TSourceList& sources, std::vector<TMachineSummary>& machines) const {
  machines.clear();
  for (const auto& m : FState->Machines) {
    TMachineSummary summary = m.second.Summary;
    summary.Machine = m.first;
    for (const TSourceInfo& s : m.second.Sources) {
      sources.Add(s);
      if (StatusIsOk(s.Status))
        ++summary.SourcesRead;
      else if (s.Status == ssLocked || s.Status == ssNoPermission || s.Status == ssParseError)
        ++summary.SourcesFailed;
    }
    machines.push_back(std::move(summary));
  }
}

// ---- Files ----------------------------------------------------------------------

std::vector<std::string> ExportFilesOf(const std::vector<std::string>& inputs,
                                       std::vector<std::string>& missing) {
  std::vector<std::string> files;
  missing.clear();
  for (const std::string& in : inputs) {
    if (plat::FileExists(in)) {
      files.push_back(in);
      continue;
    }
    std::vector<plat::DirEntry> entries;
    if (!plat::DirExists(in) || !plat::ListDir(in, entries)) {
      missing.push_back(in);
      continue;
    }
    std::vector<std::string> names;
    for (const plat::DirEntry& e : entries) {
      const size_t dot = e.Name.rfind('.');
      if (!e.IsDir && dot != std::string::npos && SameTextAscii(e.Name.substr(dot), ".jsonl"))
        names.push_back(e.Name);
    }
    std::sort(names.begin(), names.end());
    for (const std::string& n : names) files.push_back(JoinPath(in, n));
  }
  return files;
}

std::string ExportFileWarning(const TExportFileInfo& info) {
  if (!info.OpenError.empty()) return "无法读取 " + info.Path + "：" + info.OpenError;
  if (info.Foreign) return info.Path + " 不是 Visitrail 导出文件";
  if (info.BadLines > 0)
    return Format("%s 有 %d 行无法解析，已跳过（第 %lld 行起）", info.Path.c_str(), info.BadLines,
                  static_cast<long long>(info.FirstBadLine));
  return std::string();
}

std::vector<std::string> ExportListLines(const std::vector<TExportFileInfo>& files) {
  std::vector<std::string> lines;
  lines.push_back(PadRightCols("计算机", 16) + " " + PadRightCols("运行", 26) + " " +
                  PadLeftCols("访问", 10) + " " + PadLeftCols("下载", 8) + " " +
                  PadLeftCols("数据源", 8));
  lines.push_back(std::string(DisplayWidth(lines[0]), '-'));
  for (const TExportFileInfo& f : files) {
    lines.push_back(PadRightCols(LineSafeText(f.Machine), 16) + " " +
                    PadRightCols(LineSafeText(f.Run), 26) + " " + PadLeftCols(IntToStr(f.Visits), 10) +
                    " " + PadLeftCols(IntToStr(f.Downloads), 8) + " " +
                    PadLeftCols(IntToStr(f.Sources), 8));
    const std::string problem = ExportFileWarning(f);
    lines.push_back("    " + LineSafeText(f.Path));
    if (!problem.empty()) lines.push_back("    \xE2\x94\x94 " + LineSafeText(problem));
  }
  return lines;
}
