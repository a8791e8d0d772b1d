// The HTML report (the page with its data object) and the JSON report.
// Without /limit every visit of the run goes into the output (a million
// visits make a document of a few hundred megabytes), so a report bound for
// a file or a redirected standard output is handed on in chunks as it is
// built, never sitting whole in memory beside the visits; the Build*
// functions assemble the same bytes in one growing buffer.
#include "uReport.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <functional>
#include <unordered_map>
#include <stdexcept>
#include <vector>

#include "uAggregate.h"
#include "uPlatform.h"
#include "uReport_out.h"
#include "uUtil.h"

using namespace report_detail;

namespace {

std::string FailureText(uint32_t code, const std::string& path) {
  return SysErrorText(code != 0 ? code : static_cast<uint32_t>(plat::kErrPathNotFound)) +
         "（" + path + "）";
}

// A report file being written. Missing folders are created first; every
// step is checked, the close included (buffered bytes reach the disk only
// there), so a full disk is never taken for success. A file this writer
// created is removed again after a failure rather than left half written.
class TReportFile {
 public:
  TReportFile() = default;
  TReportFile(const TReportFile&) = delete;
  TReportFile& operator=(const TReportFile&) = delete;
  ~TReportFile() {
    if (FFile) Finish(false);
  }

  bool Open(const std::string& path, std::string& reason) {
    FPath = path;
    std::string dir = ExtractFileDir(path);
    if (!dir.empty() && !plat::DirExists(dir) && !plat::CreateDirs(dir)) {
      reason = FailureText(plat::LastErrorCode(), dir);
      return false;
    }
    FExisted = plat::FileExists(path);
    // Until it is complete, the report is one more file of the run that an
    // interruption removes (an existing one is already cut short by now).
    plat::TrackTempPath(path);
    FFile = plat::OpenFile(path, "wb");
    if (!FFile) {
      reason = FailureText(plat::LastErrorCode(), path);
      plat::UntrackTempPath(path);
      return false;
    }
    return true;
  }

  bool Write(const std::string& bytes) {
    if (!FOk) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), FFile) != bytes.size()) {
      FOk = false;
      FCode = plat::LastErrorCode();
    }
    return FOk;
  }

  // Flushes and closes; false with the reason when this or any write failed.
  bool Close(std::string& reason) {
    if (!Finish(FOk)) {
      reason = FailureText(FCode, FPath);
      return false;
    }
    return true;
  }

 private:
  bool Finish(bool ok) {
    if (ok && std::fflush(FFile) != 0) {
      ok = false;
      FCode = plat::LastErrorCode();
    }
    if (std::fclose(FFile) != 0 && ok) {
      ok = false;
      FCode = plat::LastErrorCode();
    }
    FFile = nullptr;
    if (!ok && !FExisted) plat::RemoveFile(FPath);
    plat::UntrackTempPath(FPath);
    return ok;
  }

  std::string FPath;
  std::FILE* FFile = nullptr;
  bool FExisted = false;
  bool FOk = true;
  uint32_t FCode = 0;
};

const char* const kTemplateMissing =
    "报告模板缺失（资源未编译且磁盘上未找到 report_template.html）";
const char* const kTemplateName = "report_template.html";
const char* const kDataPlaceholder = "__DATA__";
const char* const kProfilesPlaceholder = "__PROFILES__";
const char* const kDownloadsPlaceholder = "__DOWNLOADS__";

void AppendInt(std::string& out, int64_t v) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, res.ptr);
}

void AppendQuoted(std::string& out, const std::string& s) {
  out += '"';
  JsonEscapeTo(out, s);
  out += '"';
}

// `key` is one of this file's literals and needs no escaping.
void AppendKey(std::string& out, const char* key) {
  out += '"';
  out += key;
  out += "\":";
}

// Room for the sampled records of a document built whole in memory, so that
// the buffer grows once, not by repeated doubling of hundreds of megabytes.
size_t EstimateRecords(const THistoryList& list, int32_t limit, size_t overhead,
                       bool withProfile) {
  size_t bytes = 2;
  ForEachSampled(list, limit, [&](const THistoryRecord& r) {
    bytes += overhead + r.BrowserName().size() + r.Title.size() + r.Url.size() +
             (withProfile ? r.Profile().size() : 0);
    return true;
  });
  return bytes + bytes / 32;
}

// What a record array repeats for every visit of one source, between the
// time and the title: the escaped browser name (and profile), with the
// punctuation around them. Each record then costs a few appends rather than
// one per punctuation mark. Only a record read from an export has a machine
// to name: an object names it before the browser, an array (the page's)
// holds it last, so that a page of one machine's browsers reads as before.
class TLabelMiddles {
 public:
  struct TParts {
    std::string Middle;
    std::string Closing;  // after the address
  };
  explicit TLabelMiddles(bool objects) : FObjects(objects), FLabels(JsonEscape) {}
  const TParts& Of(TSourceLabelId id) {
    if (id >= FTexts.size()) FTexts.resize(id + 1);
    TParts& t = FTexts[id];
    if (t.Middle.empty()) {
      const std::string& machine = SourceLabelAt(id).Machine;
      const std::string escaped = machine.empty() ? std::string() : JsonEscape(machine);
      if (FObjects) {
        t.Middle = (machine.empty() ? std::string() : ",\"machine\":\"" + escaped + "\"") +
                   ",\"browser\":\"" + FLabels.Name(id) + "\",\"profile\":\"" +
                   FLabels.Profile(id) + "\",\"title\":\"";
        t.Closing = "\"}";
      } else {
        t.Middle = "\",\"" + FLabels.Name(id) + "\",\"";
        t.Closing = machine.empty() ? "\"]" : "\",\"" + escaped + "\"]";
      }
    }
    return t;
  }

 private:
  bool FObjects;
  TLabelTexts FLabels;
  std::vector<TParts> FTexts;
};

// Records per chunk of a lane: a few megabytes of text.
constexpr int32_t kRecordsPerChunk = 8192;

// What a lane keeps while it formats visits as JSON.
struct TJsonLane {
  explicit TJsonLane(bool objects) : Middles(objects) {}
  TTimeTextCache Times;
  TLabelMiddles Middles;
  TLineBuffer Records;
};

// The visits as a JSON array: ["time","browser","title","url"] per visit
// (["time","browser","title","url","machine"] from exports), or with `objects` {"time":…,"ts":…,"browser":…,"profile":…,"title":…,
// "url":…}.
void AppendVisitArray(TReportSink& sink, const THistoryList& list, int32_t limit, bool objects) {
  const int lanes = ReportLanes();
  std::vector<TJsonLane> state;
  for (int i = 0; i < lanes; ++i) state.emplace_back(objects);
  const std::string_view opening = objects ? "{\"time\":\"" : "[\"";
  const std::string_view beforeUrl = objects ? "\",\"url\":\"" : "\",\"";
  // The comma, opening, time and "ts" field take at most this much.
  constexpr size_t kHeadBytes = 64 + TTimeTextCache::kMaxBytes;
  sink.Text += '[';
  EmitRecordChunks(sink, SampledCount(list, limit), kRecordsPerChunk, lanes,
                   [&](int lane, std::string& out, int32_t from, int32_t to,
                       const TPassOn& passOn) {
    TJsonLane& s = state[static_cast<size_t>(lane)];
    bool first = from == 0;
    ForEachSampledIn(list, limit, from, to, [&](const THistoryRecord& r) {
      const TLabelMiddles::TParts& parts = s.Middles.Of(r.Source);
      const std::string& middle = parts.Middle;
      const std::string& closing = parts.Closing;
      char* p = s.Records.Room(kHeadBytes + middle.size(), out);
      if (!first) p = Put(p, ",");
      first = false;
      p = Put(p, opening);
      p += s.Times.WriteTo(p, r.VisitUnix);
      if (objects) {
        p = Put(p, "\",\"ts\":");
        p = PutInt(p, r.VisitUnix);
      }
      p = Put(p, middle);
      p = s.Records.PutEscaped(p, r.Title.str(), beforeUrl.size(), out);
      p = Put(p, beforeUrl);
      p = s.Records.PutEscaped(p, r.Url.str(), closing.size(), out);
      s.Records.Keep(Put(p, closing));
      PassOnIfLarge(out, passOn);
      return true;
    });
    s.Records.Flush(out);
  });
  sink.Text += ']';
}

// ["time","browser","title","url"] per visit.
void AppendRecordsJson(TReportSink& sink, const THistoryList& list, int32_t limit) {
  AppendVisitArray(sink, list, limit, false);
}

// ["time","browser","profile","path","url",bytes,"state"] per download.
void AppendDownloadsJson(TReportSink& sink, const TDownloadList* downloads) {
  std::string& out = sink.Text;
  out += '[';
  if (downloads) {
    TTimeTextCache times;
    TLabelTexts labels(JsonEscape);
    const std::string states[] = {DownloadStateLabel(dsUnknown), DownloadStateLabel(dsComplete),
                                  DownloadStateLabel(dsInProgress),
                                  DownloadStateLabel(dsCancelled),
                                  DownloadStateLabel(dsInterrupted)};
    bool first = true;
    for (const TDownloadRecord& d : downloads->Items()) {
      out += first ? "[\"" : ",[\"";
      first = false;
      times.AppendTo(out, d.StartUnix);
      out += "\",\"";
      out += labels.Name(d.Source);
      out += "\",\"";
      out += labels.Profile(d.Source);
      out += "\",\"";
      JsonEscapeTo(out, d.Path);
      out += "\",\"";
      JsonEscapeTo(out, d.Url);
      out += "\",";
      AppendInt(out, d.Bytes());
      out += ",\"";
      out += d.State <= dsInterrupted ? states[d.State] : states[dsUnknown];
      out += '"';
      if (!d.Machine().empty()) {
        out += ",\"";
        JsonEscapeTo(out, d.Machine());
        out += '"';
      }
      out += ']';
      if (!sink.Spill()) break;
    }
  }
  out += ']';
}

// {"time":…,"ts":…,"browser":…,"profile":…,"title":…,"url":…} per visit.
void AppendRecordObjects(TReportSink& sink, const THistoryList& list, int32_t limit) {
  AppendVisitArray(sink, list, limit, true);
}

// The page split at its "__DATA__" and "__PROFILES__" placeholders, each
// piece with the title, maker name and homepage filled in one after the
// other (so placeholder words in a title are replaced by the later ones).
// The generated text goes only between the pieces, at the page's own
// placeholders: pasting it where a title happened to spell "__DATA__" would
// put visited page titles into the page's markup unescaped, so such a title
// keeps the word as written.
enum class TSlot { None, Data, Profiles, Downloads };  // what follows a piece
struct TTemplatePiece {
  std::string Text;
  TSlot Next = TSlot::None;
};

std::vector<TTemplatePiece> TemplatePieces(const std::string& tpl, const std::string& title) {
  const std::pair<std::string, TSlot> slots[] = {{kDataPlaceholder, TSlot::Data},
                                                 {kProfilesPlaceholder, TSlot::Profiles},
                                                 {kDownloadsPlaceholder, TSlot::Downloads}};
  const std::string htmlTitle = HtmlEscape(title);
  const std::string company = HtmlEscape(kMakerName);
  const std::string homepage = HtmlEscape(kHomepage);
  std::vector<TTemplatePiece> pieces;
  size_t from = 0;
  for (;;) {
    size_t at = std::string::npos, length = 0;
    TSlot next = TSlot::None;
    for (const auto& slot : slots) {
      const size_t found = tpl.find(slot.first, from);
      if (found < at) {
        at = found;
        length = slot.first.size();
        next = slot.second;
      }
    }
    TTemplatePiece piece;
    piece.Text = tpl.substr(from, at == std::string::npos ? std::string::npos : at - from);
    piece.Text = ReplaceAll(piece.Text, "__TITLE__", htmlTitle);
    piece.Text = ReplaceAll(piece.Text, "__COMPANY__", company);
    piece.Text = ReplaceAll(piece.Text, "__HOMEPAGE__", homepage);
    piece.Next = next;
    pieces.push_back(std::move(piece));
    if (at == std::string::npos) break;
    from = at + length;
  }
  return pieces;
}

// Reads a whole file; a failure here is not an ordinary outcome (the file
// was just found), so it is raised to the run's last-resort handler.
std::string ReadTemplateFile(const std::string& path) {
  std::string bytes;
  uint32_t code = 0;
  if (!ReadWholeFile(path, bytes, &code, kMaxWholeFileBytes))
    throw std::runtime_error(path + ": " + ReadFileErrorText(code, kMaxWholeFileBytes));
  return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string& reason) {
  TReportFile file;
  if (!file.Open(path, reason)) return false;
  file.Write(bytes);
  return file.Close(reason);
}

std::string PeakFormat(const TAnalyzer& a) {
  return Format("%s %d:00", WeekdayName(a.PeakDay()).c_str(), a.PeakHour());
}

}  // namespace

// {"of":[…],"labels":[…]}: the profile of each visit of the page's record
// list (which the data object leaves out), as an index into the distinct
// profile labels, so that the page can show one user's visits and export
// them with their profile. Indexes come first: they go out as the visits
// are walked, the labels once all are known.
void AppendRecordProfiles(TReportSink& sink, const THistoryList& list, int32_t limit) {
  std::vector<int32_t> indexOfSource;  // by source label id; -1 = not met yet
  std::unordered_map<std::string, int32_t> indexOfText;
  std::string& out = sink.Text;
  bool first = true;
  out += "{\"of\":[";
  // Only each record's source is read: its texts are not loaded.
  ForEachSampled<false>(list, limit, [&](const THistoryRecord& r) {
    if (r.Source >= indexOfSource.size()) indexOfSource.resize(r.Source + 1, -1);
    int32_t& index = indexOfSource[r.Source];
    if (index < 0)
      index = indexOfText.emplace(r.Profile(), static_cast<int32_t>(indexOfText.size()))
                  .first->second;
    if (!first) out += ',';
    first = false;
    AppendInt(out, index);
    return sink.Spill();
  });
  out += "],\"labels\":[";
  std::vector<const std::string*> byIndex(indexOfText.size());
  for (const auto& e : indexOfText) byIndex[static_cast<size_t>(e.second)] = &e.first;
  for (size_t i = 0; i < byIndex.size(); ++i) {
    if (i > 0) out += ',';
    AppendQuoted(out, *byIndex[i]);
  }
  out += "]}";
}

// The data object sits inside the page's script element. "</" could close
// that element early ("</script>" in a page title), and "<!--" followed by
// "<script" would make the browser swallow the rest of the page into the
// script; both occur only inside string literals, where "<\/" and "\u003c!--"
// read back as the original text (and stay valid JSON). Works in place on
// out[from..]: the text grows once and each byte moves once, back to front.
void report_detail::MakeScriptSafe(std::string& out, size_t from) {
  std::vector<size_t> hits;  // positions of "<" to rewrite, ascending
  size_t extra = 0;
  for (size_t i = out.find('<', from); i != std::string::npos; i = out.find('<', i + 1)) {
    if (out.compare(i, 2, "</") == 0) extra += 1;
    else if (out.compare(i, 4, "<!--") == 0) extra += 5;
    else continue;
    hits.push_back(i);
  }
  if (hits.empty()) return;
  size_t end = out.size();
  out.resize(end + extra);
  char* p = &out[0];
  size_t dst = end + extra;
  for (size_t k = hits.size(); k-- > 0;) {
    const size_t at = hits[k];
    const bool comment = p[at + 1] == '!';
    const size_t keep = at + 1;  // the tail after this "<" stays as it is
    std::memmove(p + dst - (end - keep), p + keep, end - keep);
    dst -= end - keep;
    if (comment) {
      dst -= 6;
      std::memcpy(p + dst, "\\u003c", 6);
    } else {
      p[--dst] = '\\';
      p[--dst] = '<';
    }
    end = at;
  }
}

namespace {

// Hands bytes to standard output, keeping the system's error code of the
// first failure for the message.
struct TStdOutDrain {
  uint32_t* Code;
  bool operator()(const std::string& bytes) const {
    if (plat::WriteStdOutRaw(bytes)) return true;
    *Code = plat::LastErrorCode();
    return false;
  }
};

}  // namespace

bool report_detail::EmitToFile(const std::string& path, const TReportEmit& emit,
                               const char* failure, std::string& err) {
  std::string reason;
  TReportFile file;
  if (file.Open(path, reason)) {
    TReportSink sink([&file](const std::string& bytes) { return file.Write(bytes); });
    emit(sink);
    if (file.Close(reason)) return true;
  }
  err = failure + reason;
  return false;
}

bool report_detail::EmitToStdOut(const TReportEmit& emit, const char* failure, std::string& err) {
  uint32_t code = 0;
  // Anything but a console takes a report in chunks as it is made: held
  // whole, a large report would cost gigabytes for output nobody reads.
  if (!StdOutIsConsole()) {
    TReportSink sink(TStdOutDrain{&code});
    emit(sink);
    if (!sink.Failed()) return true;
  } else {
    TReportSink sink;
    emit(sink);
    if (WriteStdOut(sink.Text)) return true;
    code = plat::LastErrorCode();
  }
  err = failure + SysErrorText(code);
  return false;
}

std::string BoolText(bool b) { return b ? "true" : "false"; }

std::string DownloadsJson(const TDownloadList* downloads) {
  TReportSink sink;
  AppendDownloadsJson(sink, downloads);
  return std::move(sink.Text);
}

std::string SourcesJson(const TSourceList& sources) {
  std::string out = "[";
  const TSourceArray& items = sources.Items();
  for (int32_t i = 0; i < sources.Count(); ++i) {
    const TSourceInfo& s = items[static_cast<size_t>(i)];
    if (i > 0) out += ',';
    out += '{';
    if (!s.Machine.empty()) {
      out += "\"machine\":";
      AppendQuoted(out, s.Machine);
      out += ',';
    }
    out += "\"name\":";
    AppendQuoted(out, s.BrowserName);
    out += ",\"profile\":";
    AppendQuoted(out, s.Profile);
    out += ",\"path\":";
    AppendQuoted(out, s.DbPath);
    out += ",\"status\":";
    AppendQuoted(out, StatusLabel(s.Status));
    out += ",\"state\":";
    AppendQuoted(out, StatusCode(s.Status));
    out += ",\"count\":";
    AppendInt(out, s.Count);
    out += ",\"msg\":";
    AppendQuoted(out, s.Message);
    out += ",\"ok\":";
    out += BoolText(StatusIsOk(s.Status));
    out += '}';
  }
  out += ']';
  return out;
}

std::string RecordsJson(const THistoryList& list, int32_t limit) {
  TReportSink sink;
  sink.Text.reserve(EstimateRecords(list, limit, 40, false));
  AppendRecordsJson(sink, list, limit);
  return std::move(sink.Text);
}

std::string PeakText(const TAnalyzer& a) {
  return a.PeakCount() <= 0 ? std::string() : PeakFormat(a);
}

std::string HtmlPeakText(const TAnalyzer& a) {
  return a.PeakCount() < 1 ? std::string("\xE2\x80\x94") : PeakFormat(a);  // U+2014
}

std::string MinuteText(int64_t unixTime) {
  return unixTime <= 0 ? std::string() : FormatMinute(UnixToLocal(unixTime));
}

void LoadReportTemplate(std::string& tpl, std::string& err) {
  tpl.clear();
  err.clear();
  std::string bytes;
  if (plat::LoadEmbeddedResource("REPORTTPL", bytes)) tpl = Utf8BytesToString(bytes);
  if (!tpl.empty()) return;

  // Running from the build tree, or with the page copied beside the
  // program. An empty file is passed over like a missing one: it could only
  // give an empty report.
  std::string exeDir = ExtractFileDir(plat::OwnExePath());
  if (!exeDir.empty()) {
    const std::string sep(1, plat::kPathSep);
    const std::string candidates[] = {
        JoinPath(exeDir, ".." + sep + "src" + sep + "res" + sep + kTemplateName),
        JoinPath(exeDir, kTemplateName)};
    for (const std::string& path : candidates) {
      if (!plat::FileExists(path)) continue;
      tpl = Utf8BytesToString(ReadTemplateFile(path));
      if (!tpl.empty()) return;
    }
  }
  err = kTemplateMissing;
}

namespace {

// The data object up to and including the key "records"; the record array
// and the closing brace follow.
std::string HtmlDataHead(const TAnalyzer& a, const TSourceList& sources,
                         const TReportOptions& opts) {
  const int32_t uniqueUrls = a.UniqueUrls();
  const int32_t uniqueDomains = a.UniqueDomains();
  const std::string peak = HtmlPeakText(a);
  const std::string generated = FormatMinute(NowLocal());
  const std::string series[] = {a.HeatJson(),        a.DaysJson(),     a.DomainsJson(15),
                                a.PagesJson(12),     a.KeywordsJson(12), a.CatsJson(),
                                a.BrowsersJson(),    SourcesJson(sources)};
  static const char* const kSeriesKeys[] = {"heat", "days",     "domains",  "pages",
                                            "keywords", "cats", "browsers", "sources"};

  std::string out;
  out += "{\"title\":";
  AppendQuoted(out, opts.Title);
  out += ",\"version\":\"";
  out += kVersion;
  out += "\",\"build\":\"";
  out += kBuildDate;
  out += "\",\"generated\":";
  AppendQuoted(out, generated);
  out += ",\"range\":";
  AppendQuoted(out, opts.RangeText);
  out += ",\"scope\":";
  AppendQuoted(out, opts.ScopeText);
  out += ",\"total\":";
  AppendInt(out, a.Total());
  out += ",\"uniqueUrl\":";
  AppendInt(out, uniqueUrls);
  out += ",\"uniqueDomain\":";
  AppendInt(out, uniqueDomains);
  out += ",\"activeDays\":";
  AppendInt(out, a.ActiveDays());
  out += ",\"peakText\":";
  AppendQuoted(out, peak);
  for (size_t i = 0; i < sizeof kSeriesKeys / sizeof *kSeriesKeys; ++i) {
    out += ',';
    AppendKey(out, kSeriesKeys[i]);
    out += series[i];
  }
  out += ",\"records\":";
  return out;
}

// The page from `tpl` (non-empty) into `sink`. The data object goes, made safe for the script element, at each of the
// page's own placeholders; a page showing it twice gets the same bytes
// twice, since it is built from the same head and the same records.
void EmitHtmlReport(TReportSink& sink, const std::string& tpl, const TAnalyzer& a,
                    const THistoryList& list, const TSourceList& sources,
                    const TReportOptions& opts) {
  const std::vector<TTemplatePiece> pieces = TemplatePieces(tpl, opts.Title);
  std::string head;
  for (const TTemplatePiece& p : pieces) {
    if (p.Next == TSlot::Data && head.empty()) head = HtmlDataHead(a, sources, opts);
  }
  for (const TTemplatePiece& p : pieces) {
    if (sink.Failed()) break;
    sink.Text += p.Text;
    sink.Spill();
    if (p.Next == TSlot::None) continue;
    sink.BeginScript();
    if (p.Next == TSlot::Data) {
      sink.Text += head;
      AppendRecordsJson(sink, list, opts.MaxRecords);
      sink.Text += '}';
    } else if (p.Next == TSlot::Profiles) {
      AppendRecordProfiles(sink, list, opts.MaxRecords);
    } else {
      AppendDownloadsJson(sink, opts.Downloads);
    }
    sink.EndScript();
  }
  sink.Drain();
}

// The JSON report up to and including the key "records".
std::string JsonReportHead(const TAnalyzer& a, const THistoryList& list,
                           const TSourceList& sources, const TReportOptions& opts) {
  const int32_t n = list.Count();
  int32_t step = 1, shown = 0;
  SampleStep(n, opts.MaxRecords, step, shown);
  const std::string series[] = {SourcesJson(sources), a.HeatJson(),       a.DaysJson(),
                                a.DomainsJson(15),    a.PagesJson(12),    a.KeywordsJson(12),
                                a.CatsJson(),         a.BrowsersJson()};
  static const char* const kSeriesKeys[] = {"sources", "heat",     "days", "domains",
                                            "pages",   "keywords", "cats", "browsers"};

  std::string out;
  out += "{\"tool\":";
  AppendQuoted(out, kProductName);
  out += ",\"version\":";
  AppendQuoted(out, kVersion);
  out += ",\"build\":";
  AppendQuoted(out, kBuildDate);
  out += ",\"generated\":";
  AppendQuoted(out, FormatDateTime(NowLocal()));
  out += ",\"title\":";
  AppendQuoted(out, opts.Title);
  out += ",\"range\":";
  AppendQuoted(out, opts.RangeText);
  out += ",\"scope\":";
  AppendQuoted(out, opts.ScopeText);
  out += ",\"stats\":{\"total\":";
  AppendInt(out, a.Total());
  out += ",\"uniqueUrl\":";
  AppendInt(out, a.UniqueUrls());
  out += ",\"uniqueDomain\":";
  AppendInt(out, a.UniqueDomains());
  out += ",\"activeDays\":";
  AppendInt(out, a.ActiveDays());
  out += ",\"peak\":";
  AppendQuoted(out, PeakText(a));
  out += ",\"first\":";
  AppendQuoted(out, MinuteText(a.Earliest()));
  out += ",\"last\":";
  AppendQuoted(out, MinuteText(a.Latest()));
  out += "},\"truncated\":";
  out += BoolText(shown < n);
  out += ",\"shown\":";
  AppendInt(out, shown);
  for (size_t i = 0; i < sizeof kSeriesKeys / sizeof *kSeriesKeys; ++i) {
    out += ',';
    AppendKey(out, kSeriesKeys[i]);
    out += series[i];
  }
  out += ",\"records\":";
  return out;
}

// ,"machines":[[machine, visits, downloads, sources read, sources failed,
// latest run],…] of a report merged from exports.
void AppendMachinesJson(std::string& out, const std::vector<TMachineSummary>& machines) {
  out += ",\"machines\":[";
  for (size_t i = 0; i < machines.size(); ++i) {
    const TMachineSummary& m = machines[i];
    out += i == 0 ? "[" : ",[";
    AppendQuoted(out, m.Machine);
    for (int64_t n : {m.Visits, m.Downloads, m.SourcesRead, m.SourcesFailed}) {
      out += ',';
      AppendInt(out, n);
    }
    out += ',';
    AppendQuoted(out, m.LatestRun);
    out += ']';
  }
  out += ']';
}

void EmitJsonReport(TReportSink& sink, const TAnalyzer& a, const THistoryList& list,
                    const TSourceList& sources, const TReportOptions& opts) {
  sink.Text += JsonReportHead(a, list, sources, opts);
  AppendRecordObjects(sink, list, opts.MaxRecords);
  sink.Text += ",\"downloads\":";
  AppendDownloadsJson(sink, opts.Downloads);
  if (opts.Machines) AppendMachinesJson(sink.Text, *opts.Machines);
  sink.Text += '}';
  sink.Drain();
}

}  // namespace

std::string BuildHtmlData(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                          const TReportOptions& opts) {
  TReportSink sink;
  sink.Text = HtmlDataHead(a, sources, opts);
  sink.Text.reserve(sink.Text.size() + EstimateRecords(list, opts.MaxRecords, 40, false) + 1);
  AppendRecordsJson(sink, list, opts.MaxRecords);
  sink.Text += '}';
  return std::move(sink.Text);
}

void BuildHtmlReport(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                     const TReportOptions& opts, std::string& html, std::string& err) {
  html.clear();
  err.clear();
  std::string tpl;
  LoadReportTemplate(tpl, err);
  if (tpl.empty()) return;
  TReportSink sink;
  sink.Text.reserve(tpl.size() + EstimateRecords(list, opts.MaxRecords, 40, false) + 4096);
  EmitHtmlReport(sink, tpl, a, list, sources, opts);
  html = std::move(sink.Text);
}

bool WriteHtmlReport(const std::string& fileName, const TAnalyzer& a, const THistoryList& list,
                     const TSourceList& sources, const TReportOptions& opts, std::string& err) {
  err.clear();
  // The template is looked for before the file is created: without it no
  // file is made at all.
  std::string tpl;
  LoadReportTemplate(tpl, err);
  if (tpl.empty()) return false;
  return EmitToFile(
      fileName, [&](TReportSink& sink) { EmitHtmlReport(sink, tpl, a, list, sources, opts); },
      "写入报告失败：", err);
}

bool WriteHtmlReportStdOut(const TAnalyzer& a, const THistoryList& list,
                           const TSourceList& sources, const TReportOptions& opts,
                           std::string& err) {
  std::string tpl;
  LoadReportTemplate(tpl, err);
  if (tpl.empty()) return false;
  return EmitToStdOut(
      [&](TReportSink& sink) { EmitHtmlReport(sink, tpl, a, list, sources, opts); },
      "写入报告失败：", err);
}

std::string BuildJsonReport(const TAnalyzer& a, const THistoryList& list, const TSourceList& sources,
                            const TReportOptions& opts) {
  TReportSink sink;
  sink.Text.reserve(EstimateRecords(list, opts.MaxRecords, 96, true) + (1 << 16));
  EmitJsonReport(sink, a, list, sources, opts);
  return std::move(sink.Text);
}

bool WriteJsonReportFile(const std::string& fileName, const TAnalyzer& a, const THistoryList& list,
                         const TSourceList& sources, const TReportOptions& opts,
                         std::string& err) {
  err.clear();
  return EmitToFile(
      fileName, [&](TReportSink& sink) { EmitJsonReport(sink, a, list, sources, opts); },
      "写入 JSON 报告失败：", err);
}

bool WriteJsonReportStdOut(const TAnalyzer& a, const THistoryList& list,
                           const TSourceList& sources, const TReportOptions& opts,
                           std::string& err) {
  err.clear();
  return EmitToStdOut([&](TReportSink& sink) { EmitJsonReport(sink, a, list, sources, opts); },
                      "写入 JSON 报告失败：", err);
}

bool WriteJsonReport(const std::string& fileName, const std::string& text, std::string& err) {
  err.clear();
  std::string reason;
  if (!WriteWholeFile(fileName, text, reason)) {
    err = "写入 JSON 报告失败：" + reason;
    return false;
  }
  return true;
}

std::string BuildSourceListJson(const TSourceList& sources) {
  std::string out = "{\"tool\":";
  AppendQuoted(out, kProductName);
  out += ",\"version\":";
  AppendQuoted(out, kVersion);
  out += ",\"build\":";
  AppendQuoted(out, kBuildDate);
  out += ",\"generated\":";
  AppendQuoted(out, FormatDateTime(NowLocal()));
  out += ",\"sources\":";
  out += SourcesJson(sources);
  out += '}';
  return out;
}
