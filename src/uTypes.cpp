#include "uTypes.h"

#include <algorithm>
#include <deque>
#include <map>
#include <ostream>
#include <tuple>
#include <utility>

TSharedText::TSharedText(std::string text) {
  if (!text.empty()) FBlock = new TBlock{std::move(text), 1, 0xFFFFFFFFu};
}

const std::string& TSharedText::EmptyText() noexcept {
  static const std::string empty;
  return empty;
}

std::ostream& operator<<(std::ostream& os, const TSharedText& t) { return os << t.str(); }

namespace {

// Labels by index (a deque keeps references stable while it grows) and the
// index of each label.
struct TLabelTable {
  std::deque<TSourceLabel> Labels{TSourceLabel()};
  std::map<std::tuple<std::string, std::string, std::string, std::string>, TSourceLabelId> Index{
      {{std::string(), std::string(), std::string(), std::string()}, 0}};
};

TLabelTable& Labels() {
  static TLabelTable table;
  return table;
}

}  // namespace

TSourceLabelId InternSourceLabel(const std::string& browserId, const std::string& browserName,
                                 const std::string& profile, const std::string& machine) {
  TLabelTable& t = Labels();
  auto key = std::make_tuple(browserId, browserName, profile, machine);
  auto it = t.Index.find(key);
  if (it != t.Index.end()) return it->second;
  const auto id = static_cast<TSourceLabelId>(t.Labels.size());
  t.Labels.push_back(TSourceLabel{browserId, browserName, profile, machine});
  t.Index.emplace(std::move(key), id);
  return id;
}

const TSourceLabel& SourceLabelAt(TSourceLabelId id) {
  const TLabelTable& t = Labels();
  return id < t.Labels.size() ? t.Labels[id] : t.Labels[0];
}

THistoryList::THistoryList() : FItems(kInitialSlots) {}

void THistoryList::Grow() {
  if (static_cast<size_t>(FCount) >= FItems.size())
    FItems.resize(FItems.size() * 2 + 1024);
}

void THistoryList::Add(const THistoryRecord& rec) {
  Grow();
  FItems[FCount++] = rec;
}

void THistoryList::Add(THistoryRecord&& rec) {
  Grow();
  FItems[FCount++] = std::move(rec);
}

void THistoryList::Reserve(size_t extra) {
  const size_t need = static_cast<size_t>(FCount) + extra;
  if (need <= FItems.size()) return;
  // At least one growth step, so that reserving source after source still
  // copies the list only a logarithmic number of times; beyond that exactly
  // what is asked (a million visits in 1,309,696 slots would waste a quarter
  // of the list's memory).
  FItems.resize(std::max(need, FItems.size() * 2 + 1024));
}

void THistoryList::Clear() {
  FCount = 0;
  FAddresses = 0;
  FItems.resize(kInitialSlots);
}

void THistoryList::Truncate(int32_t count) {
  for (int32_t i = std::max(count, 0); i < FCount; ++i) FItems[static_cast<size_t>(i)] = THistoryRecord();
  FCount = std::min(FCount, std::max(count, 0));
}

void THistoryList::SetUrl(int32_t index, const std::string& newUrl) {
  if (index < 0 || index >= FCount) return;
  FItems[index].Url = newUrl;
  FItems[index].Address = kNoAddress;  // a text of its own now
}

uint32_t THistoryList::NumberAddresses(size_t count) {
  if (count >= kNoAddress - FAddresses) return kNoAddress;
  const uint32_t first = FAddresses;
  FAddresses += static_cast<uint32_t>(count);
  return first;
}

void TSourceList::Add(const TSourceInfo& item) {
  if (static_cast<size_t>(FCount) >= FItems.size()) FItems.resize(FCount + 16);
  FItems[FCount++] = item;
}

std::string StatusLabel(int status) {
  switch (status) {
    case ssOk: return "已采集";
    case ssEmpty: return "无记录";
    case ssNotFound: return "未安装/无库";
    case ssLocked: return "数据库被占用";
    case ssNoPermission: return "权限不足";
    case ssParseError: return "解析失败";
    default: return "未知";
  }
}

std::string StatusCode(int status) {
  switch (status) {
    case ssOk: return "ok";
    case ssEmpty: return "empty";
    case ssNotFound: return "missing";
    case ssLocked: return "locked";
    case ssNoPermission: return "denied";
    case ssParseError: return "parseerror";
    default: return "unknown";
  }
}

bool StatusIsOk(int status) { return status == ssOk || status == ssEmpty; }

std::string DownloadStateLabel(int state) {
  switch (state) {
    case dsComplete: return "完成";
    case dsInProgress: return "进行中";
    case dsCancelled: return "已取消";
    case dsInterrupted: return "中断";
    default: return "未知";
  }
}

int64_t TDownloadRecord::Bytes() const {
  if (TotalBytes > 0) return TotalBytes;
  if (State == dsComplete && ReceivedBytes >= 0) return ReceivedBytes;
  return -1;
}

void TDownloadList::SortByTimeDesc() {
  // Records are large: the order is found on (time, position) keys and the
  // records are then moved once each.
  std::vector<std::pair<int64_t, uint32_t>> keys(FItems.size());
  for (size_t i = 0; i < FItems.size(); ++i)
    keys[i] = {-FItems[i].StartUnix, static_cast<uint32_t>(i)};
  if (std::is_sorted(keys.begin(), keys.end())) return;
  std::sort(keys.begin(), keys.end());
  TDownloadArray sorted;
  sorted.reserve(FItems.size());
  for (const auto& k : keys) sorted.push_back(std::move(FItems[k.second]));
  FItems.swap(sorted);
}
