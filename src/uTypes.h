// The records every part of the program exchanges: one visit, one data
// source with its outcome, the two lists that hold them for a whole run.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

// Product constants shown in the banner, help, version text and reports.
constexpr const char* kProductName = "Visitrail";
constexpr const char* kVersion = "1.1.4";
constexpr const char* kBuildDate = "2026-11-19";
constexpr const char* kMakerName = "Visitrail 项目";
constexpr const char* kHomepage = "https://visitrail.example.org";
constexpr const char* kMakerLine = "Visitrail 项目出品 · 开源的浏览器历史审计工具";

enum TBrowserFamily : uint8_t { bfChromium = 0, bfFirefox = 1, bfWebCache = 2 };

enum TSourceStatus : uint8_t {
  ssOk = 0,
  ssEmpty = 1,
  ssNotFound = 2,
  ssLocked = 3,
  ssNoPermission = 4,
  ssParseError = 5,
};

// Starts loading memory that a pass over the visit list reads a little later
// (addresses and titles are met in no order of memory).
// GCC takes a function that only prefetches for one without effects and
// drops the calls to it once it is not inlined: the empty volatile
// statement keeps every caller's prefetch in place.
inline void PrefetchRead(const void* p) {
#if defined(__GNUC__)
  __builtin_prefetch(p);
  __asm__ __volatile__("");
#else
  (void)p;
#endif
}
// The same for memory that will be written (the line is loaded ready for
// writing, not shared first and then claimed).
inline void PrefetchWrite(const void* p) {
#if defined(__GNUC__)
  __builtin_prefetch(p, 1);
  __asm__ __volatile__("");
#else
  (void)p;
#endif
}

// Immutable text shared by reference count. The readers give every visit of
// one address the same texts, so a list holds each address and title once
// however often it was visited, and copying or exchanging records moves
// pointers only. Converts to const std::string& wherever a string is read.
// The count is not atomic: records never leave the run's one thread.
class TSharedText {
 public:
  TSharedText() noexcept = default;
  TSharedText(std::string text);  // implicit, like the string it stands for
  TSharedText(const char* text) : TSharedText(std::string(text)) {}
  TSharedText(const TSharedText& other) noexcept : FBlock(other.FBlock) {
    if (FBlock) ++FBlock->Refs;
  }
  TSharedText(TSharedText&& other) noexcept : FBlock(other.FBlock) { other.FBlock = nullptr; }
  TSharedText& operator=(TSharedText other) noexcept {
    std::swap(FBlock, other.FBlock);
    return *this;
  }
  ~TSharedText() {
    if (FBlock && --FBlock->Refs == 0) delete FBlock;
  }

  const std::string& str() const noexcept { return FBlock ? FBlock->Text : EmptyText(); }
  operator const std::string&() const noexcept { return str(); }
  const char* data() const noexcept { return str().data(); }
  const char* c_str() const noexcept { return str().c_str(); }
  size_t size() const noexcept { return FBlock ? FBlock->Text.size() : 0; }
  // Only a non-empty text is ever stored, so this reads no memory: passes
  // over a whole list ask it of texts they would not otherwise load.
  bool empty() const noexcept { return FBlock == nullptr; }
  // The same stored text (not merely equal text).
  bool SameAs(const TSharedText& other) const noexcept { return FBlock == other.FBlock; }
  // Tells stored texts apart without reading them: equal for copies of one
  // stored text, null for the empty text.
  const void* Identity() const noexcept { return FBlock; }
  // True when other holders share this stored text (what is worked out from
  // it once may then serve again).
  bool Shared() const noexcept { return FBlock != nullptr && FBlock->Refs > 1; }
  // Passes over a whole visit list meet the texts in no order of memory:
  // these start loading the stored text's header, and once that is near,
  // its characters, some records ahead of their use. The header is loaded
  // ready for writing: the passes raise its count and keep their memo there.
  void PrefetchHeader() const noexcept { PrefetchWrite(FBlock); }
  // The same for passes that only read it, side by side on several threads.
  void PrefetchHeaderToRead() const noexcept { PrefetchRead(FBlock); }
  void PrefetchChars() const noexcept {
    if (FBlock) PrefetchRead(FBlock->Text.data());
  }

  // One number a pass over a visit list may keep with the stored text (the
  // analyzer keeps the position of the address's entry), read back on the
  // text's next visit without a table lookup. Any other pass may have left
  // a number there: a reader checks that it still fits. None is kept for
  // the empty text, which reads 0xFFFFFFFF.
  uint32_t Memo() const noexcept { return FBlock ? FBlock->Memo : 0xFFFFFFFFu; }
  void SetMemo(uint32_t memo) const noexcept {
    if (FBlock) FBlock->Memo = memo;
  }

  // For a pass that makes many copies of one stored text: Hold(n) raises
  // its count by n in one step, and each of n Handed() copies then takes
  // one of those counts without touching the stored text (which a pass in
  // visit order meets in no order of memory).
  void Hold(uint32_t n) const noexcept {
    if (FBlock) FBlock->Refs += n;
  }
  TSharedText Handed() const noexcept {
    TSharedText copy;
    copy.FBlock = FBlock;
    return copy;
  }

  friend void swap(TSharedText& a, TSharedText& b) noexcept { std::swap(a.FBlock, b.FBlock); }

 private:
  struct TBlock {
    std::string Text;
    uint32_t Refs;
    uint32_t Memo;  // in the room the alignment leaves after Refs
  };
  static const std::string& EmptyText() noexcept;
  TBlock* FBlock = nullptr;  // null: the empty text
};

inline bool operator==(const TSharedText& a, const TSharedText& b) {
  return a.SameAs(b) || a.str() == b.str();
}
inline bool operator==(const TSharedText& a, const std::string& b) { return a.str() == b; }
inline bool operator==(const std::string& a, const TSharedText& b) { return a == b.str(); }
inline bool operator==(const TSharedText& a, const char* b) { return a.str() == b; }
inline bool operator==(const char* a, const TSharedText& b) { return a == b.str(); }
template <typename T>
bool operator!=(const TSharedText& a, const T& b) { return !(a == b); }
inline bool operator!=(const std::string& a, const TSharedText& b) { return !(a == b); }
inline bool operator!=(const char* a, const TSharedText& b) { return !(a == b); }
std::ostream& operator<<(std::ostream& os, const TSharedText& t);

// The browser and profile a visit came from. All visits of one source carry
// the same three texts, so a record holds a small index into one table of
// them for the whole process; a label, once added, stays to the end.
struct TSourceLabel {
  std::string BrowserId;
  std::string BrowserName;
  std::string Profile;
  // The machine of a record read from an export; empty for the browsers of
  // this machine, whose reports then name no machine at all.
  std::string Machine;
};
using TSourceLabelId = uint32_t;
// The index of the label with these texts, added when new. Index 0 is the
// label with empty texts.
TSourceLabelId InternSourceLabel(const std::string& browserId, const std::string& browserName,
                                 const std::string& profile,
                                 const std::string& machine = std::string());
const TSourceLabel& SourceLabelAt(TSourceLabelId id);

// A record whose reader did not number its addresses.
constexpr uint32_t kNoAddress = 0xFFFFFFFFu;

struct THistoryRecord {
  TSourceLabelId Source = 0;
  // The number of the record's stored address in its list, where the
  // reader numbered them (THistoryList::NumberAddresses): every visit of
  // one stored address carries the same number, and no other visit does.
  // A pass over the list then keeps what it works out per address in a
  // small table by this number, without loading the text. kNoAddress
  // otherwise.
  uint32_t Address = kNoAddress;
  TSharedText Url;
  TSharedText Title;
  int64_t VisitUnix = 0;  // seconds since 1970-01-01 UTC

  const std::string& BrowserId() const { return SourceLabelAt(Source).BrowserId; }
  const std::string& BrowserName() const { return SourceLabelAt(Source).BrowserName; }
  const std::string& Profile() const { return SourceLabelAt(Source).Profile; }
  const std::string& Machine() const { return SourceLabelAt(Source).Machine; }
  void SetSource(const std::string& browserId, const std::string& browserName,
                 const std::string& profile) {
    Source = InternSourceLabel(browserId, browserName, profile);
  }

  friend void swap(THistoryRecord& a, THistoryRecord& b) noexcept {
    std::swap(a.Source, b.Source);
    std::swap(a.Address, b.Address);
    swap(a.Url, b.Url);
    swap(a.Title, b.Title);
    std::swap(a.VisitUnix, b.VisitUnix);
  }
};

struct TSourceInfo {
  std::string BrowserId;
  std::string BrowserName;
  std::string Profile;
  std::string DbPath;
  TSourceStatus Status = ssOk;
  int32_t Count = 0;
  std::string Message;
  int32_t Downloads = 0;  // downloads this source added to the download list
  std::string Machine{};  // as TSourceLabel::Machine
};

using THistoryArray = std::vector<THistoryRecord>;
using TSourceArray = std::vector<TSourceInfo>;

// All visits of a run. The storage length is the capacity; slots at and
// beyond Count() carry no meaning.
class THistoryList {
 public:
  static constexpr int32_t kInitialSlots = 4096;

  THistoryList();
  void Add(const THistoryRecord& rec);
  void Add(THistoryRecord&& rec);
  // Room for `extra` more records in one step, so that a reader that knows
  // its row count does not copy the list at every doubling: at least the
  // growth step Add would take, else exactly the room asked.
  void Reserve(size_t extra);
  void Clear();
  // Drops the records from `count` on (a reader's own, read again another
  // way); their texts are let go.
  void Truncate(int32_t count);
  // Newest first. The order of equal times is fixed by the partition steps,
  // so it is reproducible from run to run.
  void SortByTimeDesc();
  void SetUrl(int32_t index, const std::string& newUrl);
  // Numbers for the `count` addresses of one reader, unique in this list:
  // the first of them, or kNoAddress when the numbers have run out (the
  // records then go without).
  uint32_t NumberAddresses(size_t count);
  // Every number handed out so far lies below this.
  uint32_t AddressCount() const { return FAddresses; }

  int32_t Count() const { return FCount; }
  const THistoryArray& Items() const { return FItems; }
  size_t Capacity() const { return FItems.size(); }

 private:
  void Grow();

  THistoryArray FItems;
  int32_t FCount = 0;
  uint32_t FAddresses = 0;
};

class TSourceList {
 public:
  void Add(const TSourceInfo& item);
  // The number of downloads of source `index`; any other index is ignored.
  void SetDownloads(int32_t index, int32_t downloads) {
    if (index >= 0 && index < FCount) FItems[static_cast<size_t>(index)].Downloads = downloads;
  }
  int32_t Count() const { return FCount; }
  const TSourceArray& Items() const { return FItems; }
  size_t Capacity() const { return FItems.size(); }

 private:
  TSourceArray FItems;
  int32_t FCount = 0;
};

// ---- Downloads --------------------------------------------------------------

// How a download ended, as far as its store says. Firefox writes the outcome
// only from its downloads view, so a download may have its file and address
// alone (dsUnknown).
enum TDownloadState : uint8_t {
  dsUnknown = 0,
  dsComplete = 1,
  dsInProgress = 2,
  dsCancelled = 3,
  dsInterrupted = 4,
};
// "完成", "进行中", "已取消", "中断"; "未知" for dsUnknown and any other value.
std::string DownloadStateLabel(int state);

// One file a browser downloaded. Texts a store does not hold (an older
// schema, another family) stay empty, numbers -1 or 0 as noted.
struct TDownloadRecord {
  TSourceLabelId Source = 0;
  std::string Path;         // the file as saved (a local path)
  std::string Url;          // where it came from: the last address of its redirect chain
  std::string OriginalUrl;  // the first address asked for (== Url without redirects)
  std::string Referrer;
  std::string TabUrl;       // the page the download was started from
  std::string MimeType;
  int64_t StartUnix = 0;  // seconds since 1970-01-01 UTC; 0 = unknown
  int64_t EndUnix = 0;    // 0 = unknown
  int64_t ReceivedBytes = -1;  // -1 = unknown
  int64_t TotalBytes = -1;     // -1 = unknown
  int32_t DangerType = -1;     // Chromium's danger verdict; -1 = not recorded
  TDownloadState State = dsUnknown;

  const std::string& BrowserId() const { return SourceLabelAt(Source).BrowserId; }
  const std::string& BrowserName() const { return SourceLabelAt(Source).BrowserName; }
  const std::string& Profile() const { return SourceLabelAt(Source).Profile; }
  const std::string& Machine() const { return SourceLabelAt(Source).Machine; }
  // The size reports show: the total when the store knows it, else what
  // arrived of a finished download; -1 when unknown.
  int64_t Bytes() const;
};
using TDownloadArray = std::vector<TDownloadRecord>;

// All downloads of a run, in the order the readers added them until sorted.
class TDownloadList {
 public:
  void Add(TDownloadRecord rec) { FItems.push_back(std::move(rec)); }
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  const TDownloadArray& Items() const { return FItems; }
  // Newest start first; downloads of equal start keep their order.
  void SortByTimeDesc();

 private:
  TDownloadArray FItems;
};

// One machine of a run that merged exports (/in): what it added to the lists
// and what its latest run said of its sources.
struct TMachineSummary {
  std::string Machine;
  int32_t Visits = 0;  // kept, each once
  int32_t Downloads = 0;
  int32_t SourcesRead = 0;    // of its latest run: read, or empty
  int32_t SourcesFailed = 0;  // of its latest run: locked, denied or damaged
  std::string LatestRun;
};

std::string StatusLabel(int status);
std::string StatusCode(int status);
bool StatusIsOk(int status);
