// The records every part of the program exchanges: one visit, one data
// source with its outcome, the two lists that hold them for a whole run.
#pragma once

#include <cstdint>
#include <string>
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

struct THistoryRecord {
  std::string BrowserId;
  std::string BrowserName;
  std::string Profile;
  std::string Url;
  std::string Title;
  int64_t VisitUnix = 0;  // seconds since 1970-01-01 UTC
};

struct TSourceInfo {
  std::string BrowserId;
  std::string BrowserName;
  std::string Profile;
  std::string DbPath;
  TSourceStatus Status = ssOk;
  int32_t Count = 0;
  std::string Message;
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
  void Clear();
  // Newest first. The order of equal times is fixed by the partition steps,
  // so it is reproducible from run to run.
  void SortByTimeDesc();
  void SetUrl(int32_t index, const std::string& newUrl);

  int32_t Count() const { return FCount; }
  const THistoryArray& Items() const { return FItems; }
  size_t Capacity() const { return FItems.size(); }

 private:
  void Grow();
  void QuickSortDesc(int32_t l, int32_t r);

  THistoryArray FItems;
  int32_t FCount = 0;
};

class TSourceList {
 public:
  void Add(const TSourceInfo& item);
  int32_t Count() const { return FCount; }
  const TSourceArray& Items() const { return FItems; }
  size_t Capacity() const { return FItems.size(); }

 private:
  TSourceArray FItems;
  int32_t FCount = 0;
};

std::string StatusLabel(int status);
std::string StatusCode(int status);
bool StatusIsOk(int status);
