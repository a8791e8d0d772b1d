// Private to uReport: what the report writers share. The sampled walk over
// the visits, visit times as text, per-source label texts, a document on its
// way out in chunks, the report file and standard output as destinations.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "uTypes.h"
#include "uUtil.h"

namespace report_detail {

// Visit times as "yyyy-mm-dd hh:nn:ss". Visits come newest first and crowd
// into the same days, so the date of the previous answer is reused while
// the next time falls on the same local day; only a new day costs a real
// conversion. Local time is the stored time plus the UTC offset in effect
// at that instant, so the reuse also needs the offset the day was
// remembered with: across a daylight-saving change the day is converted
// again. A day with the same offset at both ends (nearly every day) is
// taken to keep it throughout, and its instants are not asked theirs.
// Days near the ends of the 1990..2100 window, where the conversion falls
// back to UTC figures, are never cached.
class TTimeTextCache {
 public:
  // Room a time text needs at most (dates run to the year 9999).
  static constexpr size_t kMaxBytes = 19;

  void AppendTo(std::string& out, int64_t when) {
    char buf[kMaxBytes];
    out.append(buf, WriteTo(buf, when));
  }
  // Writes the text at `dst` (room for kMaxBytes); returns its length.
  size_t WriteTo(char* dst, int64_t when) {
    if (when <= 0) return 0;
    if (FValid && when >= FDayStart && when - FDayStart < 86400 &&
        (FSteady || UtcOffsetAt(when) == FOffset)) {
      int32_t s = static_cast<int32_t>(when - FDayStart);
      const char clock[8] = {Digit(s / 36000), Digit(s / 3600 % 10), ':', Digit(s / 600 % 6),
                             Digit(s / 60 % 10), ':',  Digit(s % 60 / 10), Digit(s % 10)};
      std::memcpy(dst, FDate, sizeof FDate);
      std::memcpy(dst + sizeof FDate, clock, sizeof clock);
      return sizeof FDate + sizeof clock;
    }
    const std::string text = UnixToText(when);
    const size_t n = std::min(text.size(), kMaxBytes);
    std::memcpy(dst, text.data(), n);
    Remember(when, text);
    return n;
  }
  // The UTC offset at `when` in seconds, when `when` falls in the day
  // remembered and that day keeps one offset; false otherwise.
  bool KnownOffset(int64_t when, int64_t& offset) const {
    if (!FValid || !FSteady || when < FDayStart || when - FDayStart >= 86400) return false;
    offset = FOffset;
    return true;
  }

 private:
  static char Digit(int32_t v) { return static_cast<char>('0' + v); }
  static int Num(const std::string& t, size_t pos, size_t len) {
    int v = 0;
    for (size_t i = pos; i < pos + len; ++i) {
      if (t[i] < '0' || t[i] > '9') return -1;
      v = v * 10 + (t[i] - '0');
    }
    return v;
  }

  void Remember(int64_t when, const std::string& t) {
    FValid = false;
    if (t.size() != 19) return;
    int year = Num(t, 0, 4), h = Num(t, 11, 2), m = Num(t, 14, 2), s = Num(t, 17, 2);
    if (year < 1991 || year > 2099 || h < 0 || m < 0 || s < 0) return;
    FDayStart = when - (h * 3600 + m * 60 + s);
    FOffset = UtcOffsetAt(when);
    FSteady = UtcOffsetAt(FDayStart) == FOffset && UtcOffsetAt(FDayStart + 86399) == FOffset;
    std::memcpy(FDate, t.data(), sizeof FDate);
    FValid = true;
  }

  bool FValid = false;
  int64_t FDayStart = 0;
  int64_t FOffset = 0;
  bool FSteady = false;  // the day keeps FOffset from its start to its end
  char FDate[11] = {};  // "yyyy-mm-dd "
};

// Text copied into a buffer the caller made room in; each answers the
// place after it.
inline char* Put(char* p, const char* text, size_t n) {
  std::memcpy(p, text, n);
  return p + n;
}
inline char* Put(char* p, std::string_view text) { return Put(p, text.data(), text.size()); }
template <size_t N>
char* Put(char* p, const char (&literal)[N]) {
  return Put(p, literal, N - 1);
}
// A number takes at most 20 bytes.
inline char* PutInt(char* p, int64_t v) { return std::to_chars(p, p + 20, v).ptr; }

// Records (a JSON object, a JSONL line) are put together in a small buffer
// of the lane's, with plain copies, and handed to the chunk's text a buffer
// at a time: a record of many short pieces would otherwise grow the text
// piece by piece.
class TLineBuffer {
 public:
  // Room for `need` bytes at the end of the buffer, handing what it holds
  // to `out` first when they do not fit.
  char* Room(size_t need, std::string& out) {
    if (FUsed + need > FBytes.size()) {
      Flush(out);
      if (need > FBytes.size()) FBytes.resize(need);
    }
    return FBytes.data() + FUsed;
  }
  // What was written from Room's answer up to `end` is kept.
  void Keep(const char* end) { FUsed = static_cast<size_t>(end - FBytes.data()); }
  // `text` JSON-escaped at `at` (in the record being written), with room
  // for `after` more bytes behind it. A text of any length goes a piece at
  // a time: what was written before each piece is kept and room made.
  char* PutEscaped(char* at, std::string_view text, size_t after, std::string& out) {
    constexpr size_t kPiece = 16384;
    do {
      const std::string_view piece = text.substr(0, kPiece);
      Keep(at);
      at = JsonEscapeInto(Room(6 * piece.size() + after, out), piece);
      text.remove_prefix(piece.size());
    } while (!text.empty());
    return at;
  }
  void Flush(std::string& out) {
    out.append(FBytes.data(), FUsed);
    FUsed = 0;
  }

 private:
  std::vector<char> FBytes = std::vector<char>(size_t{1} << 16);
  size_t FUsed = 0;
};

// The /limit rule: when 0 < limit < n, every step-th visit from index 0,
// step = ceil(n / limit), shown = ceil(n / step); otherwise step 1, all n.
// The sample spans the whole list instead of cutting it after `limit`.
inline void SampleStep(int32_t n, int32_t limit, int32_t& step, int32_t& shown) {
  if (n < 0) n = 0;
  if (limit > 0 && limit < n) {
    // 64-bit sums: n + limit may exceed the 32-bit range.
    step = static_cast<int32_t>((static_cast<int64_t>(n) + limit - 1) / limit);
    shown = static_cast<int32_t>((static_cast<int64_t>(n) + step - 1) / step);
  } else {
    step = 1;
    shown = n;
  }
}

// How many visits the /limit rule keeps.
inline int32_t SampledCount(const THistoryList& list, int32_t limit) {
  int32_t step = 1, shown = 0;
  SampleStep(list.Count(), limit, step, shown);
  return shown;
}

// Calls fn(record) for the kept visits from the from-th to before the
// to-th, in list order, while fn returns true. `LoadTexts`: fn reads the
// records' addresses and titles, which are then loaded ahead.
template <bool LoadTexts = true, typename Fn>
void ForEachSampledIn(const THistoryList& list, int32_t limit, int32_t from, int32_t to, Fn fn) {
  int32_t step = 1, shown = 0;
  SampleStep(list.Count(), limit, step, shown);
  const THistoryArray& items = list.Items();
  if (to > shown) to = shown;
  // The records' texts lie anywhere in memory: their loading starts a few
  // records ahead (the stored text, then its characters).
  constexpr int32_t kFar = 16, kNear = 8;
  auto ahead = [&](int32_t k, int32_t d) -> const THistoryRecord* {
    return k + d < to ? &items[static_cast<size_t>(static_cast<int64_t>(k + d) * step)] : nullptr;
  };
  for (int32_t k = from; k < to; ++k) {
    if constexpr (LoadTexts) {
      if (const THistoryRecord* far = ahead(k, kFar)) {
        far->Url.PrefetchHeader();
        far->Title.PrefetchHeader();
      }
      if (const THistoryRecord* near = ahead(k, kNear)) {
        near->Url.PrefetchChars();
        near->Title.PrefetchChars();
      }
    }
    if (!fn(items[static_cast<size_t>(static_cast<int64_t>(k) * step)])) return;
  }
}

// Calls fn(record) for the visits the /limit rule keeps, in list order,
// while fn returns true.
template <bool LoadTexts = true, typename Fn>
void ForEachSampled(const THistoryList& list, int32_t limit, Fn fn) {
  ForEachSampledIn<LoadTexts>(list, limit, 0, SampledCount(list, limit), fn);
}

// The browser name and profile of each source label as a document writes
// them (`Encode`: JSON-escaped, CSV-quoted), worked out on first use: every
// visit of a source repeats them.
class TLabelTexts {
 public:
  explicit TLabelTexts(std::string (*encode)(const std::string&)) : FEncode(encode) {}
  const std::string& Name(TSourceLabelId id) { return Get(id).first; }
  const std::string& Profile(TSourceLabelId id) { return Get(id).second; }

 private:
  const std::pair<std::string, std::string>& Get(TSourceLabelId id) {
    if (id >= FTexts.size()) {
      FTexts.resize(id + 1);
      FDone.resize(id + 1, false);
    }
    if (!FDone[id]) {
      const TSourceLabel& l = SourceLabelAt(id);
      FTexts[id] = {FEncode(l.BrowserName), FEncode(l.Profile)};
      FDone[id] = true;
    }
    return FTexts[id];
  }
  std::string (*FEncode)(const std::string&);
  std::vector<std::pair<std::string, std::string>> FTexts;
  std::vector<bool> FDone;
};

// Rewrites out[from..] so that no visited text can end or derail the page's
// script element ("</" and "<!--" inside string literals).
void MakeScriptSafe(std::string& out, size_t from);

// A document on its way out. Text piles up in `Text`; with a drain it is
// handed on whenever a chunk is full, so a report of hundreds of megabytes
// never sits whole in memory, and without one the whole document stays in
// `Text`. The part of the text that goes into the page's script element is
// made safe for it (MakeScriptSafe) just before it is handed on.
class TReportSink {
 public:
  using TDrain = std::function<bool(const std::string&)>;  // false = destination failed
  static constexpr size_t kChunkBytes = 1 << 20;

  explicit TReportSink(TDrain drain = nullptr) : FDrain(std::move(drain)) {
    if (FDrain) Text.reserve(kChunkBytes + kChunkBytes / 4);
  }

  std::string Text;

  void BeginScript() {
    FScriptFrom = Text.size();
    FInScript = true;
  }
  void EndScript() {
    MakeScriptSafe(Text, FScriptFrom);
    FInScript = false;
  }
  // Called between records only, where no sequence that MakeScriptSafe
  // rewrites can be cut in two. False once the destination has failed.
  bool Spill() { return FDrain && Text.size() >= kChunkBytes ? Drain() : !FFailed; }
  // Hands on everything so far.
  bool Drain() {
    if (!FDrain) return true;
    if (FInScript) MakeScriptSafe(Text, FScriptFrom);
    if (!FFailed && !Text.empty() && !FDrain(Text)) FFailed = true;
    Text.clear();
    FScriptFrom = 0;
    return !FFailed;
  }
  bool Failed() const { return FFailed; }
  // Adds a piece made elsewhere (ending between records) and spills; the
  // piece is left empty. A sink with a drain takes it without a copy when
  // nothing waits before it.
  bool Take(std::string& piece) {
    if (FDrain && Text.empty())
      std::swap(Text, piece);
    else
      Text += piece;
    piece.clear();
    return Spill();
  }

 private:
  TDrain FDrain;
  size_t FScriptFrom = 0;
  bool FInScript = false;
  bool FFailed = false;
};

// The lanes report writers format records on: one per processor, at most 4.
int ReportLanes();

// Hands on the text a lane has formatted so far of its chunk (`out`, left
// empty), once every chunk before it was handed on; called between two
// records only.
using TPassOn = std::function<void(std::string& out)>;
// Formats records [from, to) of a walk, appending them to `out`, as lane
// `lane`: it may change only what belongs to that lane. Between records it
// calls PassOnIfLarge, so that a chunk of records of megabytes (addresses
// kept at their longest) never sits whole in memory.
using TChunkFormat = std::function<void(int lane, std::string& out, int32_t from, int32_t to,
                                        const TPassOn& passOn)>;
// A chunk's text of this much or more is handed on before its chunk ends;
// a chunk of ordinary records never grows this large.
constexpr size_t kPassOnBytes = size_t{8} << 20;
inline void PassOnIfLarge(std::string& out, const TPassOn& passOn) {
  if (out.size() >= kPassOnBytes) passOn(out);
}

// The `count` records of a walk into `sink` in order, `perChunk` at a time.
// With several lanes, each lane formats chunks and hands on the next one in
// order when it is ready (one lane at a time), so the processors stay busy
// while chunks are written; with one, chunk after chunk on the calling
// thread. Ends early once the destination has failed; an exception of
// `format` or of the destination ends every lane and reaches the caller.
void EmitRecordChunks(TReportSink& sink, int32_t count, int32_t perChunk, int lanes,
                      const TChunkFormat& format);

// A document's text, written into the sink it is given.
using TReportEmit = std::function<void(TReportSink&)>;

// The document into a file, in chunks as it is built: missing folders are
// created, every write and the close are checked, and a file this call
// created is removed after a failure. False with `err` set to `failure`
// followed by the reason when the file could not be made or written.
bool EmitToFile(const std::string& path, const TReportEmit& emit, const char* failure,
                std::string& err);
// The document to standard output: in chunks as it is built when that is a
// file or a pipe, whole as WriteStdOut writes it to a console. False with
// `err` set to `failure` followed by the system's reason when standard
// output did not take it all.
bool EmitToStdOut(const TReportEmit& emit, const char* failure, std::string& err);

}  // namespace report_detail
