// Lines for many machines: every visit and every source of the run as one
// JSON object per line, ready for a database's line-per-row loader. What an
// auditor groups by (host, registrable domain, site category, search words)
// is written out with each visit, so the database needs no copy of this
// program's rules to answer the same questions as the reports.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "uAggregate.h"
#include "uPlatform.h"
#include "uReport.h"
#include "uReport_out.h"
#include "uUtil.h"

using namespace report_detail;

namespace {

constexpr int64_t kUnix1990 = 631152000;  // 1990-01-01 00:00:00 UTC

void AppendInt(std::string& out, int64_t v) {
  char buf[20];
  out.append(buf, PutInt(buf, v));
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

// What follows from a host alone, by host: far fewer hosts than
// addresses. Each lane keeps its own.
class THostFields {
 public:
  struct TFacts {
    std::string Fields;  // host, domain and category, as written
    int KeywordRule;     // of the host's search engine, or -1
  };

  const TFacts& Of(const std::string& url) {
    std::string host = ExtractHost(url);
    auto it = FByHost.find(host);
    if (it == FByHost.end()) {
      std::string domain = RegistrableDomain(host);
      if (domain.empty()) domain = kLocalDomain;
      TFacts facts{std::string(), KeywordRuleOf(host)};
      AppendField(facts.Fields, "host", host);
      AppendField(facts.Fields, "domain", domain);
      AppendField(facts.Fields, "category", CategoryNames[CategoryIndexOf(domain, url)]);
      it = FByHost.emplace(std::move(host), std::move(facts)).first;
    }
    return it->second;
  }

 private:
  std::unordered_map<std::string, TFacts> FByHost;
};

// The end of a visit line from its address on: url, title, then what
// follows from the address (host, domain, category, keyword).
void AppendLineEnd(std::string& out, const std::string& url, const std::string& title,
                   THostFields& hosts) {
  const THostFields::TFacts& host = hosts.Of(url);
  AppendField(out, "url", url);
  AppendField(out, "title", title);
  out += host.Fields;
  AppendField(out, "keyword", KeywordByRule(host.KeywordRule, url));
  out += "}\n";
}

// Line ends by address: visits of one address share its stored texts, so
// its end is made once and then only read, by every lane.
// Addresses the reader numbered: the first lane to write a line of a
// number makes that number's end, in blocks of its own that never move,
// and publishes it in a table by number; the lines that follow copy it. A
// lane that meets a number another lane is still making writes that line's
// end itself. So the ends are made while earlier lines are being written.
// Other visits are split into parts by text identity, before the lines are
// written: Collect looks each up in a table and notes for each visit where
// its end lies (Refs, in list order), so that the lines load their ends a
// few visits ahead with nothing to wait for first.
class TAddressFacts {
 public:
  // Parts come in a power of two, at most `parts`: which part keeps an
  // address without a number is then a mask, asked several times a visit.
  // Each of `lanes` keeps the ends it makes.
  TAddressFacts(int parts, int lanes, uint32_t numbered)
      : FNumbered(numbered), FEndOf(new TNumberEnd[numbered]),
        FStores(static_cast<size_t>(std::max(lanes, 1))) {
    while (FShift < 2 && (2 << FShift) <= parts) ++FShift;
    FParts.resize(size_t{1} << FShift);
  }

  int Parts() const { return static_cast<int>(FParts.size()); }

  // Notes whether any visit has no number: only those need Collect. On one
  // thread, before the lines.
  void Survey(const THistoryArray& items, size_t count) {
    for (size_t i = 0; i < count && !FUnnumbered; ++i)
      FUnnumbered = items[i].Address >= FNumbered && items[i].Url.Identity() != nullptr;
  }
  bool NeedsCollect() const { return FUnnumbered; }

  // Makes the line ends of the shared addresses without a number that fall
  // to part `part`.
  void Collect(const THistoryArray& items, size_t count, int part) {
    if (FUnnumbered) CollectUnnumbered(items, count, part);
  }

  // Starts loading where the i-th visit's end is noted; a few visits
  // later PrefetchEnd loads the end itself.
  void PrefetchNote(const THistoryRecord& r, size_t i) const {
    if (r.Address < FNumbered)
      PrefetchRead(&FEndOf[r.Address]);
    else if (FUnnumbered)
      PrefetchRead(&FParts[PartOf(r)].Refs[i]);
  }

  // Starts loading the end of the i-th visit: the one made for its
  // address, else the texts its end will be made of.
  void PrefetchEnd(const THistoryRecord& r, size_t i) const {
    if (const char* at = EndOf(r, i)) {
      // Most ends are a few lines long; the first lines are loaded blind.
      for (size_t line = 0; line < 4 * 64; line += 64) PrefetchRead(at + line);
      return;
    }
    r.Url.PrefetchHeaderToRead();
    r.Title.PrefetchHeaderToRead();
  }
  // A few visits after PrefetchEnd: the characters of the texts an end
  // will be made of, when none is there to copy.
  void PrefetchMaking(const THistoryRecord& r, size_t i) const {
    if (EndOf(r, i) != nullptr) return;
    r.Url.PrefetchChars();
    r.Title.PrefetchChars();
  }

  // Whether two visits' addresses are spelled alike. A visit whose end was
  // made by its number with its own stored address has that address's hash
  // beside the end: two such visits with different hashes differ without
  // their texts being loaded, which nothing else on a line needs.
  bool SameUrl(const THistoryRecord& a, const THistoryRecord& b) const {
    if (a.Url.SameAs(b.Url)) return true;
    if (a.Address < FNumbered && b.Address < FNumbered) {
      const TNumberEnd& x = FEndOf[a.Address];
      const TNumberEnd& y = FEndOf[b.Address];
      if (x.Ready() && y.Ready() && x.Url == a.Url.Identity() && y.Url == b.Url.Identity() &&
          x.UrlHash != y.UrlHash)
        return false;
    }
    return a.Url.str() == b.Url.str();
  }

  // The i-th visit's line end as lane `lane` writes it: the one made for
  // its address when it was made with the same texts (made now, when this
  // is the first line of its number), else made in `own`. `hosts`: the
  // lane's own.
  std::string_view EndText(const THistoryRecord& r, size_t i, int lane, std::string& own,
                           THostFields& hosts) {
    if (r.Address < FNumbered && r.Url.Identity() != nullptr) {
      TNumberEnd& e = FEndOf[r.Address];
      uint32_t state = kFree;
      if (e.State.load(std::memory_order_acquire) == kFree &&
          e.State.compare_exchange_strong(state, kMaking, std::memory_order_acquire)) {
        const char* at = FStores[static_cast<size_t>(lane)].Add(r, hosts);
        if (at != nullptr) {
          e.Url = r.Url.Identity();
          e.Title = r.Title.Identity();
          e.At = at;
          e.UrlHash = UrlHash(r.Url);
        }
        e.State.store(at != nullptr ? kReady : kNone, std::memory_order_release);
      }
    }
    if (const char* at = EndOf(r, i)) return TextAt(at);
    own.clear();
    AppendLineEnd(own, r.Url, r.Title, hosts);
    return own;
  }

 private:
  // Where an end lies: 1 + its offset in its part's Ends, the part in the
  // top two bits; 0 for none.
  static constexpr uint32_t kPartShift = 30;
  static constexpr uint32_t kOffsetMask = (1u << kPartShift) - 1;
  // A number's end: not made yet, being made by a lane, made, or not to be
  // made (too long to measure). Its other fields are set before it is
  // published as made, and not changed after.
  enum : uint32_t { kFree, kMaking, kReady, kNone };
  struct TNumberEnd {
    std::atomic<uint32_t> State{kFree};
    uint32_t UrlHash = 0;        // of the address
    const void* Url = nullptr;   // the stored texts the end was made with
    const void* Title = nullptr;
    const char* At = nullptr;    // its length, then its text
    bool Ready() const { return State.load(std::memory_order_acquire) == kReady; }
  };
  struct TSlot {
    const void* Id;     // the address's stored text; null: free
    const void* Title;  // the stored title the end was made with
    uint32_t Ref;       // as TPart's Refs; 0: none made
  };
  struct TPart {
    std::vector<uint32_t> Refs;  // by visit without a number: its end's Ref, or 0
    std::string Ends;
    THostFields Hosts;
  };
  // The ends of numbers one lane made, each after its length, in blocks
  // that stay where they are while other lanes read them.
  class TEndStore {
   public:
    // Where r's end now lies; null when it is too long to measure.
    const char* Add(const THistoryRecord& r, THostFields& hosts) {
      FText.clear();
      AppendLineEnd(FText, r.Url, r.Title, hosts);
      if (FText.size() > 0xFFFFFFFFu) return nullptr;
      const size_t need = sizeof(uint32_t) + FText.size();
      if (FBlocks.empty() || FUsed + need > FRoom) {
        FRoom = std::max(kBlockBytes, need);
        FBlocks.emplace_back(new char[FRoom]);
        FUsed = 0;
      }
      char* at = FBlocks.back().get() + FUsed;
      const uint32_t n = static_cast<uint32_t>(FText.size());
      std::memcpy(at, &n, sizeof n);
      std::memcpy(at + sizeof n, FText.data(), FText.size());
      FUsed += need;
      return at;
    }

   private:
    static constexpr size_t kBlockBytes = size_t{4} << 20;
    std::vector<std::unique_ptr<char[]>> FBlocks;
    size_t FUsed = 0, FRoom = 0;
    std::string FText;
  };

  static std::string_view TextAt(const char* at) {
    uint32_t n;
    std::memcpy(&n, at, sizeof n);
    return std::string_view(at + sizeof n, n);
  }

  // Appends r's line end to part p's ends, after its length; its Ref, or
  // 0 (and nothing kept) when it lies too far into the part or is too long
  // to measure, and is then made for each of its visits instead.
  uint32_t MakeEnd(TPart& p, uint32_t part, const THistoryRecord& r) {
    const size_t offset = p.Ends.size();
    p.Ends.append(sizeof(uint32_t), '\0');
    AppendLineEnd(p.Ends, r.Url, r.Title, p.Hosts);
    const size_t length = p.Ends.size() - offset - sizeof(uint32_t);
    if (offset >= kOffsetMask || length > 0xFFFFFFFFu) {
      p.Ends.resize(offset);
      return 0;
    }
    const uint32_t n = static_cast<uint32_t>(length);
    std::memcpy(&p.Ends[offset], &n, sizeof n);
    return part << kPartShift | static_cast<uint32_t>(offset + 1);
  }

  // The end there is for the i-th visit, if one was made with its texts.
  const char* EndOf(const THistoryRecord& r, size_t i) const {
    if (r.Address < FNumbered) {
      // A visit with a title of its own makes its own end.
      const TNumberEnd& e = FEndOf[r.Address];
      if (!e.Ready() || e.Url != r.Url.Identity() || e.Title != r.Title.Identity())
        return nullptr;
      return e.At;
    }
    if (!FUnnumbered) return nullptr;
    const uint32_t ref = FParts[PartOf(r)].Refs[i];
    if (ref == 0) return nullptr;
    return FParts[ref >> kPartShift].Ends.data() + ((ref & kOffsetMask) - 1);
  }

  // The visits without a number whose addresses fall to part `part`: the
  // end of each shared address is made once, and each visit notes it.
  void CollectUnnumbered(const THistoryArray& items, size_t count, int part) {
    TPart& p = FParts[static_cast<size_t>(part)];
    const size_t mine = static_cast<size_t>(part);
    std::vector<TSlot> slots(1024);
    size_t used = 0;
    p.Refs.assign(count, 0);
    constexpr size_t kAhead = 8;
    auto mineAt = [&](size_t k) {
      return k < count && items[k].Address >= FNumbered && PartOf(items[k]) == mine;
    };
    for (size_t i = 0; i < count; ++i) {
      if (mineAt(i + kAhead)) PrefetchRead(&slots[SlotOf(slots, items[i + kAhead].Url.Identity())]);
      if (!mineAt(i)) continue;
      const THistoryRecord& r = items[i];
      const void* id = r.Url.Identity();
      if (id == nullptr) continue;
      TSlot* slot = &slots[Probe(slots, id)];
      // Whether the text is shared is asked of an address not met before
      // only: the question reads the stored text, far from the records.
      if (slot->Id != id) {
        if (!r.Url.Shared()) continue;
        if (2 * (used + 1) > slots.size()) {
          Grow(slots);
          slot = &slots[Probe(slots, id)];
        }
        *slot = TSlot{id, r.Title.Identity(), MakeEnd(p, static_cast<uint32_t>(part), r)};
        ++used;
      }
      // A visit with a title of its own makes its own end.
      if (slot->Title == r.Title.Identity()) p.Refs[i] = slot->Ref;
    }
  }

  static uint32_t UrlHash(const TSharedText& url) {
    return static_cast<uint32_t>(std::hash<std::string_view>()(url.str()));
  }

  static uint64_t Hash(const void* id) {
    return (reinterpret_cast<uintptr_t>(id) >> 4) * 0x9E3779B97F4A7C15ULL;
  }
  // The part that keeps a visit's address without a number: by its
  // stored text.
  size_t PartOf(const THistoryRecord& r) const {
    return static_cast<size_t>(Hash(r.Url.Identity()) >> 60) & ((size_t{1} << FShift) - 1);
  }
  static size_t SlotOf(const std::vector<TSlot>& slots, const void* id) {
    return static_cast<size_t>(Hash(id) >> 20) & (slots.size() - 1);
  }

  // The slot holding `id`, or the free one where it would go.
  static size_t Probe(const std::vector<TSlot>& slots, const void* id) {
    size_t i = SlotOf(slots, id);
    while (slots[i].Id != nullptr && slots[i].Id != id) i = (i + 1) & (slots.size() - 1);
    return i;
  }

  static void Grow(std::vector<TSlot>& slots) {
    std::vector<TSlot> old(slots.size() * 2);
    old.swap(slots);
    for (const TSlot& s : old)
      if (s.Id != nullptr) slots[Probe(slots, s.Id)] = s;
  }

  std::vector<TPart> FParts;
  int FShift = 0;                         // FParts holds 1 << FShift parts
  uint32_t FNumbered;                     // the numbers the list handed out
  std::unique_ptr<TNumberEnd[]> FEndOf;   // by number: its end
  std::vector<TEndStore> FStores;         // by lane: the ends it made
  bool FUnnumbered = false;               // some visit has no number
};

// The occurrence index of a visit among the visits of the same source,
// address and second before it. The list is sorted by time, so such visits
// lie within one run of equal times; a run is short (a redirect chain, a
// page loaded twice), and a long one (an imported history stamped with one
// time) gets a table.
class TVisitSeq {
 public:
  TVisitSeq(const THistoryArray& items, const TAddressFacts& facts)
      : FItems(items), FFacts(facts) {}

  // Makes the i-th visit the next one asked about, wherever the previous
  // question was: the run of its second is looked up from its start.
  void Seek(int32_t i) {
    FRunStart = i;
    const int64_t t = FItems[static_cast<size_t>(i)].VisitUnix;
    while (FRunStart > 0 && FItems[static_cast<size_t>(FRunStart) - 1].VisitUnix == t) --FRunStart;
    FTable = std::unordered_map<std::string, int32_t>();
  }

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
        if (o.Source == r.Source && FFacts.SameUrl(o, r)) ++seq;
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
  const TAddressFacts& FFacts;
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
             OriginFields(l.Machine.empty() ? FMachine : l.Machine, l.BrowserId, l.BrowserName,
                          l.Profile) +
             ",\"ts\":";
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
// The offset is the one the time text cache knows for the day when it
// knows it (its days lie inside those years).
int64_t OffsetMinutes(const TTimeTextCache& times, int64_t unixTime) {
  int64_t offset;
  if (times.KnownOffset(unixTime, offset)) return offset / 60;
  const bool local = unixTime >= kUnix1990 && unixTime < kUnix2100;
  return local ? UtcOffsetAt(unixTime) / 60 : 0;
}

constexpr size_t kTimeFieldsBytes = 9 + TTimeTextCache::kMaxBytes + 15 + 20;
char* PutTimeFields(char* at, TTimeTextCache& times, int64_t unixTime) {
  at = Put(at, ",\"time\":\"");
  at += times.WriteTo(at, unixTime);
  at = Put(at, "\",\"utc_offset\":");
  return PutInt(at, OffsetMinutes(times, unixTime));
}

void AppendTimeFields(std::string& out, TTimeTextCache& times, int64_t unixTime) {
  char fields[kTimeFieldsBytes];
  out.append(fields, PutTimeFields(fields, times, unixTime));
}

void EmitVisitLines(TReportSink& sink, const THistoryList& list, const TJsonlOptions& opts,
                    const std::string& runField) {
  struct TLane {
    TLane(const THistoryArray& items, const TAddressFacts& facts, const std::string& runField,
          const std::string& machine)
        : Seqs(items, facts), Heads("visit", runField, machine) {}
    TTimeTextCache Times;
    TVisitSeq Seqs;
    TLineHeads Heads;
    THostFields Hosts;  // for addresses of a single visit
    std::string OwnEnd;
    TLineBuffer Lines;
  };
  const THistoryArray& items = list.Items();
  const int lanes = ReportLanes();
  // A short export is not worth a thread.
  const size_t count = static_cast<size_t>(list.Count());
  TAddressFacts facts(count < 16384 ? 1 : lanes, lanes, list.AddressCount());
  std::vector<TLane> state;
  for (int i = 0; i < lanes; ++i) state.emplace_back(items, facts, runField, opts.Machine);
  facts.Survey(items, count);
  if (facts.NeedsCollect()) {
    std::vector<std::function<void()>> collect;
    for (int part = 0; part < facts.Parts(); ++part)
      collect.emplace_back([&, part]() { facts.Collect(items, count, part); });
    plat::RunTogether(collect);
  }
  constexpr int32_t kAhead = 8;
  // Every visit: /limit samples the reports, never an export. Most lines
  // end in a copy of their address's end, and only that is loaded ahead:
  // the visits' own texts are read only where that end is still to be made.
  // A chunk of lines is about 1.5 MB: the chunks out at once stay small
  // beside the ends.
  EmitRecordChunks(sink, list.Count(), 4096, lanes,
                   [&](int lane, std::string& out, int32_t from, int32_t to,
                       const TPassOn& passOn) {
    TLane& s = state[static_cast<size_t>(lane)];
    s.Seqs.Seek(from);
    for (int32_t k = from; k < std::min(to, from + 2 * kAhead); ++k) facts.PrefetchNote(items[k], k);
    for (int32_t k = from; k < std::min(to, from + kAhead); ++k) facts.PrefetchEnd(items[k], k);
    for (int32_t i = from; i < to; ++i) {
      if (i + 2 * kAhead < to) facts.PrefetchNote(items[i + 2 * kAhead], i + 2 * kAhead);
      if (i + kAhead < to) facts.PrefetchEnd(items[i + kAhead], i + kAhead);
      if (i + kAhead / 2 < to) facts.PrefetchMaking(items[i + kAhead / 2], i + kAhead / 2);
      const THistoryRecord& r = items[i];
      const std::string& head = s.Heads.Of(r.Source);
      const std::string_view end = facts.EndText(r, i, lane, s.OwnEnd, s.Hosts);
      // ts and seq take at most 20 + 7 + 11 bytes.
      char* at = s.Lines.Room(head.size() + 38 + kTimeFieldsBytes + end.size(), out);
      at = Put(at, head);
      at = PutInt(at, r.VisitUnix);
      at = Put(at, ",\"seq\":");
      at = PutInt(at, s.Seqs.Next(i));
      at = PutTimeFields(at, s.Times, r.VisitUnix);
      s.Lines.Keep(Put(at, end));
      PassOnIfLarge(out, passOn);
    }
    s.Lines.Flush(out);
  });
}

void EmitSourceLines(TReportSink& sink, const TSourceList& sources, const TJsonlOptions& opts,
                     const std::string& runField) {
  std::unordered_map<std::string, int32_t> seen;  // a source named twice stays two
  std::string& out = sink.Text;
  for (int32_t i = 0; i < sources.Count(); ++i) {
    const TSourceInfo& s = sources.Items()[static_cast<size_t>(i)];
    // A source read back from an export keeps the machine that read it.
    const std::string origin = OriginFields(s.Machine.empty() ? opts.Machine : s.Machine,
                                            s.BrowserId, s.BrowserName, s.Profile);
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
