// Lines for many machines: every visit and every source of the run as one
// JSON object per line, ready for a database's line-per-row loader. What an
// auditor groups by (host, registrable domain, site category, search words)
// is written out with each visit, so the database needs no copy of this
// program's rules to answer the same questions as the reports.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "uAggregate.h"
#include "uReport.h"
#include "uReport_out.h"
#include "uUtil.h"

using namespace report_detail;

namespace {

constexpr int64_t kUnix1990 = 631152000;  // 1990-01-01 00:00:00 UTC

void AppendInt(std::string& out, int64_t v) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, res.ptr);
}

void AppendField(std::string& out, const char* key, const std::string& value) {
  out += ",\"";
  out += key;
  out += "\":\"";
  JsonlEscapeTo(out, value);
  out += '"';
}

// The part of a line that names where a record came from: machine, user,
// browser, browser id and profile.
std::string OriginFields(const std::string& machine, const std::string& browserId,
                         const std::string& browserName, const std::string& label) {
  std::string user, profile, out;
  SplitProfileLabel(label, user, profile);
  AppendField(out, "machine", machine);
  AppendField(out, "user", user);
  AppendField(out, "browser", browserName);
  AppendField(out, "browser_id", browserId);
  AppendField(out, "profile", profile);
  return out;
}

// What follows from an address alone, as the end of a visit line; visits
// of one address share its stored text, so each is worked out once per
// stored address (and each host once). The visits meet their addresses in
// no order of memory: an open table of text identities, whose slot and
// stored tail the caller has loaded a few visits ahead (Prefetch*), keeps
// the pass from waiting on memory at every visit.
class TAddressFacts {
 public:
  TAddressFacts() : FSlots(1024) {}

  void PrefetchSlot(const TSharedText& url) const {
    PrefetchRead(&FSlots[SlotOf(url.Identity())]);
  }
  void PrefetchTail(const TSharedText& url) const {
    const TSlot& s = FSlots[SlotOf(url.Identity())];
    if (s.Id == url.Identity() && s.Id != nullptr) PrefetchRead(FTails.data() + s.Offset);
  }

  void AppendTail(std::string& out, const TSharedText& url) {
    const void* id = url.Identity();
    if (id == nullptr) {  // the empty address
      if (FEmptyTail.empty()) FEmptyTail = Tail(url);
      out += FEmptyTail;
      return;
    }
    size_t i = SlotOf(id);
    for (; FSlots[i].Id != nullptr; i = (i + 1) & (FSlots.size() - 1)) {
      if (FSlots[i].Id == id) {
        out.append(FTails, FSlots[i].Offset, FSlots[i].Length);
        return;
      }
    }
    const std::string tail = Tail(url);
    out += tail;
    if (2 * (FUsed + 1) > FSlots.size()) {
      Grow();
      for (i = SlotOf(id); FSlots[i].Id != nullptr; i = (i + 1) & (FSlots.size() - 1)) {
      }
    }
    FSlots[i] = TSlot{id, FTails.size(), static_cast<uint32_t>(tail.size())};
    FTails += tail;
    ++FUsed;
  }

 private:
  struct TSlot {
    const void* Id;  // null: free
    size_t Offset;   // of the tail in FTails
    uint32_t Length;
  };

  size_t SlotOf(const void* id) const {
    const uint64_t h = (reinterpret_cast<uintptr_t>(id) >> 4) * 0x9E3779B97F4A7C15ULL;
    return static_cast<size_t>(h >> 32) & (FSlots.size() - 1);
  }

  void Grow() {
    std::vector<TSlot> old(FSlots.size() * 2);
    old.swap(FSlots);
    for (const TSlot& s : old) {
      if (s.Id == nullptr) continue;
      size_t i = SlotOf(s.Id);
      while (FSlots[i].Id != nullptr) i = (i + 1) & (FSlots.size() - 1);
      FSlots[i] = s;
    }
  }

  std::string Tail(const std::string& url) {
    const std::string host = ExtractHost(url);
    auto it = FByHost.find(host);
    if (it == FByHost.end()) {
      std::string domain = RegistrableDomain(host);
      if (domain.empty()) domain = kLocalDomain;
      std::string fields;
      AppendField(fields, "host", host);
      AppendField(fields, "domain", domain);
      AppendField(fields, "category", CategoryNames[CategoryIndexOf(domain, url)]);
      it = FByHost.emplace(host, std::move(fields)).first;
    }
    std::string tail = it->second;
    AppendField(tail, "keyword", ExtractKeywordText(url));
    tail += "}\n";
    return tail;
  }

  std::vector<TSlot> FSlots;  // a power of two, at most half used
  size_t FUsed = 0;
  std::string FTails;
  std::string FEmptyTail;
  std::unordered_map<std::string, std::string> FByHost;
};

// The occurrence index of a visit among the visits of the same source,
// address and second before it. The list is sorted by time, so such visits
// lie within one run of equal times; a run is short (a redirect chain, a
// page loaded twice), and a long one (an imported history stamped with one
// time) gets a table.
class TVisitSeq {
 public:
  explicit TVisitSeq(const THistoryArray& items) : FItems(items) {}

  int32_t Next(int32_t i) {
    const THistoryRecord& r = FItems[static_cast<size_t>(i)];
    if (i == 0 || FItems[static_cast<size_t>(i) - 1].VisitUnix != r.VisitUnix) {
      FRunStart = i;
      // A fresh table, not clear(): that would wipe the buckets of the
      // longest run so far at every new second.
      if (!FTable.empty()) FTable = std::unordered_map<std::string, int32_t>();
      return 0;
    }
    if (i - FRunStart < kScanLimit) {
      int32_t seq = 0;
      for (int32_t k = FRunStart; k < i; ++k) {
        const THistoryRecord& o = FItems[static_cast<size_t>(k)];
        if (o.Source == r.Source && o.Url == r.Url) ++seq;
      }
      return seq;
    }
    if (FTable.empty())
      for (int32_t k = FRunStart; k < i; ++k) ++FTable[KeyOf(FItems[static_cast<size_t>(k)])];
    return FTable[KeyOf(r)]++;
  }

 private:
  static constexpr int32_t kScanLimit = 32;
  static std::string KeyOf(const THistoryRecord& r) {
    return std::to_string(r.Source) + '\n' + r.Url.str();
  }
  const THistoryArray& FItems;
  int32_t FRunStart = 0;
  std::unordered_map<std::string, int32_t> FTable;
};

// The start of a line up to "ts" by source label id ("kind", run and the
// origin fields), made once per source.
class TLineHeads {
 public:
  TLineHeads(const char* kind, const std::string& runField, const std::string& machine)
      : FKind(kind), FRun(runField), FMachine(machine) {}
  const std::string& Of(TSourceLabelId source) {
    if (source >= FHeads.size()) FHeads.resize(source + 1);
    std::string& head = FHeads[source];
    if (head.empty()) {
      const TSourceLabel& l = SourceLabelAt(source);
      head = std::string("{\"kind\":\"") + FKind + "\"" + FRun +
             OriginFields(FMachine, l.BrowserId, l.BrowserName, l.Profile) + ",\"ts\":";
    }
    return head;
  }

 private:
  const char* FKind;
  const std::string& FRun;
  const std::string& FMachine;
  std::vector<std::string> FHeads;
};

// ,"time":"…","utc_offset":N — the offset the time text was made with;
// times outside the years the local conversion covers are shown in UTC.
void AppendTimeFields(std::string& out, TTimeTextCache& times, int64_t unixTime) {
  out += ",\"time\":\"";
  times.AppendTo(out, unixTime);
  out += "\",\"utc_offset\":";
  const bool local = unixTime >= kUnix1990 && unixTime < kUnix2100;
  AppendInt(out, local ? UtcOffsetAt(unixTime) / 60 : 0);
}

void EmitVisitLines(TReportSink& sink, const THistoryList& list, const TJsonlOptions& opts,
                    const std::string& runField) {
  TTimeTextCache times;
  TAddressFacts facts;
  TVisitSeq seqs(list.Items());
  TLineHeads heads("visit", runField, opts.Machine);
  std::string& out = sink.Text;
  const THistoryArray& items = list.Items();
  const int32_t n = list.Count();
  constexpr int32_t kAhead = 8;
  for (int32_t k = 0; k < std::min(n, kAhead); ++k) facts.PrefetchSlot(items[k].Url);
  int32_t i = 0;
  // Every visit: /limit samples the reports, never an export.
  ForEachSampled(list, 0, [&](const THistoryRecord& r) {
    if (i + kAhead < n) facts.PrefetchSlot(items[i + kAhead].Url);
    if (i + kAhead / 2 < n) facts.PrefetchTail(items[i + kAhead / 2].Url);
    out += heads.Of(r.Source);
    AppendInt(out, r.VisitUnix);
    out += ",\"seq\":";
    AppendInt(out, seqs.Next(i++));
    AppendTimeFields(out, times, r.VisitUnix);
    AppendField(out, "url", r.Url);
    AppendField(out, "title", r.Title);
    facts.AppendTail(out, r.Url);
    return sink.Spill();
  });
}

void EmitSourceLines(TReportSink& sink, const TSourceList& sources, const TJsonlOptions& opts,
                     const std::string& runField) {
  std::unordered_map<std::string, int32_t> seen;  // a source named twice stays two
  std::string& out = sink.Text;
  for (int32_t i = 0; i < sources.Count(); ++i) {
    const TSourceInfo& s = sources.Items()[static_cast<size_t>(i)];
    const std::string origin = OriginFields(opts.Machine, s.BrowserId, s.BrowserName, s.Profile);
    out += "{\"kind\":\"source\"";
    out += runField;
    out += origin;
    AppendField(out, "path", s.DbPath);
    out += ",\"seq\":";
    AppendInt(out, seen[origin + '\n' + s.DbPath]++);
    AppendField(out, "state", StatusCode(s.Status));
    AppendField(out, "status", StatusLabel(s.Status));
    out += ",\"ok\":";
    out += StatusIsOk(s.Status) ? '1' : '0';
    out += ",\"count\":";
    AppendInt(out, s.Count);
    AppendField(out, "message", s.Message);
    out += "}\n";
    sink.Spill();
  }
}

// A download's key is its origin, start, address, path and `seq`: the
// number of earlier downloads of the run with all of those equal (a file
// fetched twice in one second to the same name stays two).
void EmitDownloadLines(TReportSink& sink, const TDownloadList& downloads,
                       const TJsonlOptions& opts, const std::string& runField) {
  TTimeTextCache times;
  std::unordered_map<std::string, int32_t> seen;
  TLineHeads heads("download", runField, opts.Machine);
  std::string& out = sink.Text;
  for (const TDownloadRecord& d : downloads.Items()) {
    out += heads.Of(d.Source);
    AppendInt(out, d.StartUnix);
    out += ",\"seq\":";
    std::string key = std::to_string(d.Source) + '\n' + std::to_string(d.StartUnix) + '\n' +
                      d.Url + '\n' + d.Path;
    AppendInt(out, seen[std::move(key)]++);
    AppendTimeFields(out, times, d.StartUnix);
    AppendField(out, "path", d.Path);
    AppendField(out, "url", d.Url);
    out += ",\"bytes\":";
    AppendInt(out, d.Bytes());
    AppendField(out, "state", DownloadStateLabel(d.State));
    out += "}\n";
    if (!sink.Spill()) return;
  }
}

void EmitJsonlReport(TReportSink& sink, const THistoryList& list, const TSourceList& sources,
                     const TJsonlOptions& opts) {
  std::string runField;
  AppendField(runField, "run", opts.RunId);
  EmitVisitLines(sink, list, opts, runField);
  if (opts.Downloads) EmitDownloadLines(sink, *opts.Downloads, opts, runField);
  EmitSourceLines(sink, sources, opts, runField);
  sink.Drain();
}

}  // namespace

std::string JsonlRunId(int64_t nowUnixUtc, uint32_t processId) {
  return FormatStamp(UnixToDateTimeUtc(nowUnixUtc)) + "Z-" + std::to_string(processId);
}

void SplitProfileLabel(const std::string& label, std::string& user, std::string& profile) {
  const size_t sep = label.find('\\');
  user = label.substr(0, sep);
  profile = sep == std::string::npos ? std::string() : label.substr(sep + 1);
}

void JsonlEscapeTo(std::string& out, const std::string& s) {
  const size_t from = out.size();
  JsonEscapeTo(out, s);
  if (s.find("\xE2\x80") == std::string::npos) return;
  // U+2028 and U+2029 are E2 80 A8 and E2 80 A9; JsonEscapeTo left them as
  // they were, and no escape it wrote contains these bytes.
  std::string tail;
  const std::string& done = out;
  size_t run = from;
  for (size_t i = from; i + 2 < done.size(); ++i) {
    if (done[i] != '\xE2' || done[i + 1] != '\x80' ||
        (done[i + 2] != '\xA8' && done[i + 2] != '\xA9'))
      continue;
    tail.append(done, run, i - run);
    tail += done[i + 2] == '\xA8' ? "\\u2028" : "\\u2029";
    run = i + 3;
    i += 2;
  }
  if (run == from) return;
  tail.append(done, run, std::string::npos);
  out.resize(from);
  out += tail;
}

std::string BuildJsonlReport(const THistoryList& list, const TSourceList& sources,
                             const TJsonlOptions& opts) {
  TReportSink sink;
  EmitJsonlReport(sink, list, sources, opts);
  return std::move(sink.Text);
}

bool WriteJsonlReportFile(const std::string& fileName, const THistoryList& list,
                          const TSourceList& sources, const TJsonlOptions& opts,
                          std::string& err) {
  err.clear();
  return EmitToFile(
      fileName, [&](TReportSink& sink) { EmitJsonlReport(sink, list, sources, opts); },
      "写入 JSONL 报告失败：", err);
}

bool WriteJsonlReportStdOut(const THistoryList& list, const TSourceList& sources,
                            const TJsonlOptions& opts, std::string& err) {
  err.clear();
  return EmitToStdOut([&](TReportSink& sink) { EmitJsonlReport(sink, list, sources, opts); },
                      "写入 JSONL 报告失败：", err);
}
