#include "uTypes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

THistoryRecord Visit(const std::string& url, int64_t t) {
  THistoryRecord r;
  r.SetSource("chrome", "Google Chrome", "alice\\Default");
  r.Url = url;
  r.VisitUnix = t;
  return r;
}

std::vector<std::string> Urls(const THistoryList& list) {
  std::vector<std::string> out;
  for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list.Items()[i].Url);
  return out;
}

}  // namespace

TEST(HistoryList, GrowsGeometricallyFrom4096) {
  THistoryList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 4096u);
  THistoryRecord r = Visit("u", 1);
  for (int i = 0; i < 4096; ++i) list.Add(r);
  EXPECT_EQ(list.Capacity(), 4096u);
  list.Add(r);
  EXPECT_EQ(list.Count(), 4097);
  EXPECT_EQ(list.Capacity(), 9216u);
  while (list.Count() < 9217) list.Add(r);
  EXPECT_EQ(list.Capacity(), 19456u);

  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 4096u);

  // Reserving takes at least one growth step, and beyond it exactly what is
  // asked; room already there is kept.
  list.Reserve(5000);
  EXPECT_EQ(list.Capacity(), 9216u);
  list.Reserve(10);
  EXPECT_EQ(list.Capacity(), 9216u);
  while (list.Count() < 100) list.Add(r);
  list.Reserve(50000);
  EXPECT_EQ(list.Capacity(), 50100u);
  EXPECT_EQ(list.Count(), 100);
  EXPECT_EQ(list.Items()[99].VisitUnix, 1);
  // The next source's rows grow it by a step again, not to the last slot.
  list.Reserve(50001);
  EXPECT_EQ(list.Capacity(), 101224u);
}

TEST(HistoryList, AddCopiesTheCallersRecord) {
  THistoryList list;
  THistoryRecord r = Visit("first", 10);
  list.Add(r);
  r.Url = "second";
  r.VisitUnix = 20;
  list.Add(r);
  EXPECT_EQ(Urls(list), (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(r.Url, "second");
}

TEST(HistoryList, SortsNewestFirstWithSignedTimes) {
  THistoryList list;
  list.SortByTimeDesc();  // empty: nothing to do
  list.Add(Visit("only", 5));
  list.SortByTimeDesc();
  EXPECT_EQ(Urls(list), std::vector<std::string>{"only"});

  THistoryList mixed;
  for (int64_t t : {5LL, -3LL, 0LL, 100LL, -7LL, 7LL, -9000000000LL, 9000000000LL})
    mixed.Add(Visit(std::to_string(t), t));
  mixed.SortByTimeDesc();
  EXPECT_EQ(Urls(mixed), (std::vector<std::string>{"9000000000", "100", "7", "5", "0", "-3", "-7",
                                                   "-9000000000"}));

  std::mt19937 rng(42);
  THistoryList big;
  for (int i = 0; i < 20000; ++i) big.Add(Visit("r", static_cast<int64_t>(rng() % 500) - 250));
  big.SortByTimeDesc();
  std::vector<int64_t> times;
  for (int32_t i = 0; i < big.Count(); ++i) times.push_back(big.Items()[i].VisitUnix);
  EXPECT_TRUE(std::is_sorted(times.begin(), times.end(), std::greater<int64_t>()));
}

TEST(HistoryList, EqualTimesComeOutInTheFixedPartitionOrder) {
  // The partition exchanges equal records, so the result is a fixed
  // permutation that reports must reproduce from run to run.
  THistoryList three;
  for (const char* u : {"A", "B", "C"}) three.Add(Visit(u, 42));
  three.SortByTimeDesc();
  EXPECT_EQ(Urls(three), (std::vector<std::string>{"C", "B", "A"}));

  THistoryList four;
  for (const char* u : {"A", "B", "C", "D"}) four.Add(Visit(u, 42));
  four.SortByTimeDesc();
  EXPECT_EQ(Urls(four), (std::vector<std::string>{"C", "D", "A", "B"}));

  THistoryList ties;
  ties.Add(Visit("x1", 1));
  ties.Add(Visit("y2", 2));
  ties.Add(Visit("x2", 1));
  ties.Add(Visit("z3", 3));
  ties.Add(Visit("y1", 2));
  ties.SortByTimeDesc();
  EXPECT_EQ(Urls(ties), (std::vector<std::string>{"z3", "y2", "y1", "x1", "x2"}));
}

TEST(HistoryList, SetUrlIgnoresIndexesOutsideTheList) {
  THistoryList list;
  list.Add(Visit("a", 1));
  list.Add(Visit("b", 2));
  list.SetUrl(-1, "x");
  list.SetUrl(2, "x");
  EXPECT_EQ(Urls(list), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(list.Items()[2].Url, "");  // the slot past Count was not touched
  list.SetUrl(1, "changed");
  EXPECT_EQ(list.Items()[1].Url, "changed");
}

TEST(SharedText, CopiesShareOneStoredText) {
  TSharedText empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(empty.size(), 0u);
  EXPECT_EQ(empty.str(), "");
  EXPECT_EQ(empty.Identity(), nullptr);
  EXPECT_EQ(TSharedText(std::string()).Identity(), nullptr);  // no block for ""

  const std::string longText = "https://example.com/a/rather/long/address?q=1";
  TSharedText copy;
  {
    TSharedText original = longText;
    copy = original;
    EXPECT_TRUE(copy.SameAs(original));
    EXPECT_EQ(copy.Identity(), original.Identity());
  }
  // The copy outlives the text it was made from.
  EXPECT_EQ(copy, longText);
  EXPECT_EQ(copy.size(), longText.size());

  TSharedText other = longText;  // equal text, stored separately
  EXPECT_FALSE(other.SameAs(copy));
  EXPECT_EQ(other, copy);
  EXPECT_NE(other, TSharedText("x"));
  EXPECT_TRUE("x" == TSharedText("x"));
  EXPECT_TRUE(std::string("y") != TSharedText("x"));

  TSharedText moved = std::move(other);
  EXPECT_EQ(moved, longText);
  EXPECT_TRUE(other.empty());  // NOLINT(bugprone-use-after-move): moved-from is empty
  swap(moved, empty);
  EXPECT_TRUE(moved.empty());
  EXPECT_EQ(empty, longText);
  const std::string& asString = empty;  // reads as a std::string
  EXPECT_EQ(asString.find("long"), 29u);
}

// Counts raised at once are taken by as many handed copies: the text lives
// exactly as long as its last holder (the sanitizers see a count short by
// one as a use after free).
TEST(SharedText, HeldCountsAreTakenByHandedCopies) {
  std::vector<TSharedText> copies;
  {
    TSharedText original = std::string("https://example.com/held/address");
    original.Hold(3);
    for (int i = 0; i < 3; ++i) copies.push_back(original.Handed());
    for (const TSharedText& c : copies) EXPECT_TRUE(c.SameAs(original));
  }
  EXPECT_TRUE(copies[0].Shared());
  copies.pop_back();
  copies.pop_back();
  EXPECT_FALSE(copies[0].Shared());  // the last holder
  EXPECT_EQ(copies[0], "https://example.com/held/address");
  copies.clear();

  TSharedText empty;
  empty.Hold(5);
  EXPECT_TRUE(empty.Handed().empty());
  const TSharedText none = TSharedText().Handed();
  EXPECT_EQ(none.Identity(), nullptr);
}

// Each reader's addresses get numbers of their own; a record keeps its
// number through the sort, and loses it when its address is replaced.
TEST(HistoryList, AddressNumbersAreUniqueAndTravelWithTheirRecords) {
  THistoryList list;
  EXPECT_EQ(list.AddressCount(), 0u);
  EXPECT_EQ(list.NumberAddresses(3), 0u);
  EXPECT_EQ(list.NumberAddresses(0), 3u);
  EXPECT_EQ(list.NumberAddresses(2), 3u);
  EXPECT_EQ(list.AddressCount(), 5u);
  EXPECT_EQ(list.NumberAddresses(size_t{kNoAddress} - 5), kNoAddress);  // no room left
  EXPECT_EQ(list.AddressCount(), 5u);

  for (uint32_t k = 0; k < 5; ++k) {
    THistoryRecord r;
    r.Address = k;
    r.Url = "https://a" + std::to_string(k) + ".example/";
    r.VisitUnix = 100 + (k * 3) % 5;
    list.Add(r);
  }
  list.SortByTimeDesc();
  for (int32_t i = 0; i < list.Count(); ++i) {
    const THistoryRecord& r = list.Items()[static_cast<size_t>(i)];
    EXPECT_EQ(r.Url.str(), "https://a" + std::to_string(r.Address) + ".example/");
  }
  list.SetUrl(0, "https://other.example/");
  EXPECT_EQ(list.Items()[0].Address, kNoAddress);
  list.Clear();
  EXPECT_EQ(list.AddressCount(), 0u);
}

TEST(SourceLabels, EachTripleIsStoredOnce) {
  EXPECT_EQ(InternSourceLabel("", "", ""), 0u);
  const TSourceLabelId a = InternSourceLabel("chrome", "Google Chrome", "bob\\Default");
  const TSourceLabelId b = InternSourceLabel("chrome", "Google Chrome", "bob\\Profile 1");
  EXPECT_NE(a, 0u);
  EXPECT_NE(a, b);
  EXPECT_EQ(InternSourceLabel("chrome", "Google Chrome", "bob\\Default"), a);

  THistoryRecord r;
  EXPECT_EQ(r.BrowserName(), "");  // a new record has the empty label
  r.SetSource("chrome", "Google Chrome", "bob\\Profile 1");
  EXPECT_EQ(r.Source, b);
  EXPECT_EQ(r.BrowserId(), "chrome");
  EXPECT_EQ(r.BrowserName(), "Google Chrome");
  EXPECT_EQ(r.Profile(), "bob\\Profile 1");
  EXPECT_EQ(SourceLabelAt(99999999).BrowserName, "");  // unknown ids read as empty

  // Records in a list keep their label and texts through the sort's exchanges.
  THistoryList list;
  r.Url = "old";
  r.VisitUnix = 1;
  list.Add(r);
  THistoryRecord s;
  s.SetSource("edge", "Microsoft Edge", "bob\\Default");
  s.Url = "new";
  s.Title = "t";
  s.VisitUnix = 2;
  list.Add(s);
  list.SortByTimeDesc();
  EXPECT_EQ(list.Items()[0].BrowserName(), "Microsoft Edge");
  EXPECT_EQ(list.Items()[0].Title, "t");
  EXPECT_EQ(list.Items()[1].Profile(), "bob\\Profile 1");
  EXPECT_EQ(list.Items()[1].Url, "old");
}

TEST(SourceList, GrowsBySixteenSlots) {
  TSourceList list;
  EXPECT_EQ(list.Capacity(), 0u);
  TSourceInfo s;
  s.BrowserId = "edge";
  list.Add(s);
  EXPECT_EQ(list.Capacity(), 16u);
  for (int i = 1; i < 16; ++i) list.Add(s);
  EXPECT_EQ(list.Capacity(), 16u);
  list.Add(s);
  EXPECT_EQ(list.Count(), 17);
  EXPECT_EQ(list.Capacity(), 32u);
  EXPECT_EQ(list.Items()[16].BrowserId, "edge");
}

TEST(SourceStatus, LabelsCodesAndVerdicts) {
  const char* labels[] = {"已采集", "无记录", "未安装/无库", "数据库被占用", "权限不足", "解析失败"};
  const char* codes[] = {"ok", "empty", "missing", "locked", "denied", "parseerror"};
  for (int s = 0; s < 6; ++s) {
    EXPECT_EQ(StatusLabel(s), labels[s]);
    EXPECT_EQ(StatusCode(s), codes[s]);
    EXPECT_EQ(StatusIsOk(s), s < 2) << s;
  }
  for (int s : {6, 255, -1}) {
    EXPECT_EQ(StatusLabel(s), "未知");
    EXPECT_EQ(StatusCode(s), "unknown");
    EXPECT_FALSE(StatusIsOk(s));
  }
  EXPECT_EQ(sizeof(TSourceStatus), 1u);
  EXPECT_EQ(static_cast<int>(ssParseError), 5);
  EXPECT_EQ(static_cast<int>(bfWebCache), 2);
}
