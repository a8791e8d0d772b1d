// Robustness of whole runs: broken, hostile and unreadable stores cost only
// their own source, the browsers' files are never touched, nothing is left
// in the temporary folder, and a report that cannot be written is never
// announced as written.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "Stores.h"
#include "TestSupport.h"
#include "uUtil.h"
#include "webcache_sample.h"

namespace {

using vt_test::RunResult;
using vt_test::StoreVisit;
using Lines = std::vector<std::string>;

constexpr int64_t kT0 = 1700000000;  // 2023-11-14 22:13:20 UTC

bool StartsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

size_t CountOf(const std::string& hay, const std::string& needle) {
  size_t n = 0;
  for (size_t p = hay.find(needle); p != std::string::npos; p = hay.find(needle, p + 1)) ++n;
  return n;
}

bool IsValidUtf8(const std::string& s) {
  static const uint32_t kMin[] = {0, 0x80, 0x800, 0x10000};
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n;
    uint32_t cp;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c >> 5) == 6) {
      n = 1, cp = c & 0x1F;
    } else if ((c >> 4) == 14) {
      n = 2, cp = c & 0x0F;
    } else if ((c >> 3) == 30) {
      n = 3, cp = c & 0x07;
    } else {
      return false;
    }
    if (i + n >= s.size()) return false;
    for (size_t k = 1; k <= n; ++k) {
      const unsigned char d = static_cast<unsigned char>(s[i + k]);
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if (cp < kMin[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += n + 1;
  }
  return true;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Every string value of `"key":"…"` in a JSON text, unescaped. A lone
// surrogate escape comes out as U+FFFD so that the caller sees it.
std::vector<std::string> JsonStrings(const std::string& json, const std::string& key) {
  std::vector<std::string> out;
  const std::string marker = "\"" + key + "\":\"";
  for (size_t at = json.find(marker); at != std::string::npos; at = json.find(marker, at + 1)) {
    std::string v;
    size_t i = at + marker.size();
    while (i < json.size() && json[i] != '"') {
      if (json[i] != '\\') {
        v += json[i++];
        continue;
      }
      const char e = json[i + 1];
      i += 2;
      switch (e) {
        case 'n': v += '\n'; break;
        case 'r': v += '\r'; break;
        case 't': v += '\t'; break;
        case 'b': v += '\b'; break;
        case 'f': v += '\f'; break;
        case 'u': {
          uint32_t cp = std::stoul(json.substr(i, 4), nullptr, 16);
          i += 4;
          if (cp >= 0xD800 && cp <= 0xDBFF && json.compare(i, 2, "\\u") == 0) {
            const uint32_t lo = std::stoul(json.substr(i + 2, 4), nullptr, 16);
            if (lo >= 0xDC00 && lo <= 0xDFFF) {
              cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
              i += 6;
            }
          }
          if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
          AppendUtf8(v, cp);
          break;
        }
        default: v += e;
      }
    }
    out.push_back(v);
  }
  return out;
}

// The object of the source list whose profile label is `profile`; empty
// when there is none.
std::string SourceOf(const std::string& json, const std::string& name, const std::string& profile) {
  std::string quoted;
  for (char c : profile) {
    if (c == '\\' || c == '"') quoted += '\\';
    quoted += c;
  }
  const std::string key = "{\"name\":\"" + name + "\",\"profile\":\"" + quoted + "\"";
  const size_t at = json.find(key);
  if (at == std::string::npos) return std::string();
  return json.substr(at, json.find("\"ok\":", at) - at);
}

std::string Field(const std::string& obj, const std::string& key) {
  const auto v = JsonStrings(obj, key);
  return v.empty() ? std::string("<missing>") : v[0];
}

// A database that cannot be read ends in one of the two engine messages.
bool IsEngineFailure(const std::string& msg) {
  return StartsWith(msg, "查询失败：") || StartsWith(msg, "打开数据库失败：");
}

std::string RandomBytes(size_t n, unsigned seed) {
  std::mt19937 gen(seed);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(gen() & 0xFF);
  return s;
}

std::vector<StoreVisit> ChromeVisits(int n, int64_t t = kT0) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i)
    v.push_back({"https://site" + std::to_string(i % 50) + ".example/p" + std::to_string(i),
                 "Page " + std::to_string(i), vt_test::ChromeTime(t + i)});
  return v;
}

std::vector<StoreVisit> FirefoxVisits(int n, int64_t t = kT0) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i)
    v.push_back({"https://fx" + std::to_string(i) + ".example/", "Fx " + std::to_string(i),
                 vt_test::FirefoxTime(t + i)});
  return v;
}

class RobustRun : public testing::Test {
 protected:
  void SetUp() override { vt_test::MakeDirs(tmpDir_); }
  void TearDown() override {
    // Snapshots, worker folders and result files go with every ending.
    EXPECT_EQ(vt_test::ListNames(tmpDir_), Lines()) << "left in the temporary folder";
  }

  RunResult Run(const std::vector<std::string>& args,
                const std::vector<std::string>& prefix = {}) {
    return vt_test::RunVisitrail(args,
                                 {{"USERPROFILE", alice_.Root()},
                                  {"USERNAME", "alice"},
                                  {"-APPDATA", ""},
                                  {"-LOCALAPPDATA", ""},
                                  {"TMPDIR", tmpDir_},
                                  {"TZ", "UTC"}},
                                 std::string(), prefix);
  }

  std::string ChromeDir(const std::string& profile) const {
    return alice_.Local("Google/Chrome/User Data/" + profile);
  }
  std::string FirefoxDir() const { return alice_.Roaming("Mozilla/Firefox"); }
  std::string WebCacheDir() const { return alice_.Local("Microsoft/Windows/WebCache"); }

  vt_test::TempFolder root_;
  vt_test::UserFolder alice_{root_.Sub("Users"), "alice"};
  const std::string tmpDir_ = root_.Sub("tmp");
};

}  // namespace

TEST_F(RobustRun, BrokenStoresCostOnlyTheirOwnSource) {
  alice_.AddEdge("Default", ChromeVisits(2));
  vt_test::WriteFile(ChromeDir("Default") + "/History", "");
  // A database cut after its third page: the header reads, the tables do not.
  const std::string whole = root_.Sub("whole.db");
  vt_test::MakeChromeHistory(whole, ChromeVisits(600));
  const std::string bytes = vt_test::ReadFile(whole);
  const size_t page = (static_cast<unsigned char>(bytes[16]) << 8) | static_cast<unsigned char>(bytes[17]);
  ASSERT_GT(bytes.size(), 4 * page);
  vt_test::WriteFile(ChromeDir("Truncated") + "/History", bytes.substr(0, 3 * page));
  const std::string sample = vt_test::SamplePath("chrome_History");
  if (!sample.empty())
    vt_test::WriteFile(ChromeDir("Sample") + "/History", vt_test::ReadFile(sample).substr(0, 3 * 1024));
  vt_test::WriteFile(FirefoxDir() + "/Profiles/noise.default/places.sqlite", RandomBytes(100000, 1));
  vt_test::WriteFile(FirefoxDir() + "/Profiles/header.default/places.sqlite",
                     std::string("SQLite format 3", 16) + RandomBytes(40000, 2));
  vt_test::WriteFile(WebCacheDir() + "/WebCacheV01.dat", RandomBytes(70000, 3));

  const RunResult r = Run({"/list", "/format:json"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  const std::string& json = r.Out;
  EXPECT_TRUE(IsValidUtf8(json));

  const std::string edge = SourceOf(json, "Microsoft Edge", "alice\\Default");
  EXPECT_EQ(Field(edge, "state"), "ok") << json;
  EXPECT_NE(edge.find("\"count\":2,"), std::string::npos) << edge;

  const std::string empty = SourceOf(json, "Google Chrome", "alice\\Default");
  EXPECT_EQ(Field(empty, "state"), "empty") << json;
  EXPECT_EQ(Field(empty, "msg"), "历史库为空（尚无访问记录）");

  std::vector<std::pair<std::string, std::string>> broken = {
      {"Google Chrome", "alice\\Truncated"},
      {"Mozilla Firefox", "alice\\header.default"}};
  if (!sample.empty()) broken.push_back({"Google Chrome", "alice\\Sample"});
  for (const auto& b : broken) {
    const std::string src = SourceOf(json, b.first, b.second);
    EXPECT_EQ(Field(src, "state"), "parseerror") << b.second << "\n" << json;
    EXPECT_EQ(Field(src, "status"), "解析失败");
    EXPECT_TRUE(IsEngineFailure(Field(src, "msg"))) << Field(src, "msg");
    EXPECT_NE(src.find("\"count\":0,"), std::string::npos) << src;
  }

  // Noise is refused by its first bytes, before anything is copied.
  const std::string noise = SourceOf(json, "Mozilla Firefox", "alice\\noise.default");
  EXPECT_EQ(Field(noise, "state"), "parseerror") << json;
  EXPECT_EQ(Field(noise, "msg"), "文件不是数据库");
  const std::string ie = SourceOf(json, "IE / 旧版 Edge", "alice\\WebCache");
  EXPECT_EQ(Field(ie, "state"), "parseerror") << json;
  EXPECT_EQ(Field(ie, "msg"), "WebCache 库：文件不是数据库");

  // The report still comes out with the visits of the one good store.
  const RunResult rep = Run({"/format:json"});
  EXPECT_EQ(rep.ExitCode, 0) << rep.Out;
  EXPECT_EQ(JsonStrings(rep.Out, "url").size(), 2u);
  EXPECT_NE(rep.Out.find("\"total\":2,"), std::string::npos);
}

// A History whose visits are a view over a query that never ends once
// made a run wait for ever: it is refused at once, with the reason, and
// the ordinary store beside it is read.
TEST_F(RobustRun, EndlessViewStallsNothing) {
  alice_.AddChrome("Default", ChromeVisits(3));
  vt_test::ExecSql(ChromeDir("Default") + "/History",
                   "DROP TABLE visits; CREATE VIEW visits AS WITH RECURSIVE c(x) AS (SELECT 1 "
                   "UNION ALL SELECT x + 1 FROM c) SELECT x AS id, 1 AS url, x AS visit_time "
                   "FROM c;");
  alice_.AddFirefox("abcd.default", FirefoxVisits(4));

  const auto start = std::chrono::steady_clock::now();
  const RunResult r = Run({"/list", "/format:json"});
  const double took =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  EXPECT_LT(took, 60.0);
  const std::string hostile = SourceOf(r.Out, "Google Chrome", "alice\\Default");
  EXPECT_EQ(Field(hostile, "status"), "解析失败") << r.Out;
  EXPECT_EQ(Field(hostile, "msg"), "结构异常：visits 不是数据表");
  const std::string other = SourceOf(r.Out, "Mozilla Firefox", "alice\\abcd.default");
  EXPECT_EQ(Field(other, "state"), "ok") << r.Out;
  EXPECT_NE(other.find("\"count\":4,"), std::string::npos) << other;
}

TEST_F(RobustRun, HostileFieldValuesAreReadSafely) {
  const std::string db = alice_.AddChrome("Default", ChromeVisits(1));
  const std::string t = std::to_string(vt_test::ChromeTime(kT0 + 100));
  vt_test::ExecSql(
      db,
      "INSERT INTO urls(id,url,title,last_visit_time) VALUES"
      "(101,NULL,'no address',0),"
      // Malformed UTF-8 in the address and the title.
      "(102,CAST(X'68747470733A2F2F6261642E6578616D706C652FFFFE802F' AS TEXT),"
      " CAST(X'C328A0A1E282' AS TEXT),0),"
      // NUL bytes inside both.
      "(103,CAST(X'68747470733A2F2F6E756C2E6578616D706C652F00414243' AS TEXT),"
      " CAST(X'4100420043' AS TEXT),0),"
      // 1 MB title (350000 × U+5B57), and one of astral characters whose cut
      // would fall inside a surrogate pair.
      "(104,'https://long.example/',replace(hex(zeroblob(350000)),'00','字'),0),"
      "(105,'https://emoji.example/','a'||replace(hex(zeroblob(1000)),'00','😀'),0),"
      "(106,'https://script.example/',"
      " '</script><script>alert(1)</script><!--<script>x',0),"
      "(107,'javascript:alert(1)','js',0);"
      "INSERT INTO visits(url,visit_time) SELECT id," + t + "+id FROM urls WHERE id>100;"
      // A visit whose urls row does not exist.
      "INSERT INTO visits(url,visit_time) VALUES(999," + t + ");");

  const RunResult r = Run({"/format:json"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  const std::string& json = r.Out;
  EXPECT_TRUE(IsValidUtf8(json));
  // 1 ordinary visit + 6 hostile rows with an address.
  EXPECT_NE(json.find("\"total\":7,"), std::string::npos) << json.substr(0, 400);
  const std::string records = json.substr(json.find("\"records\":"));
  const auto urls = JsonStrings(records, "url");
  const auto titles = JsonStrings(records, "title");
  ASSERT_EQ(urls.size(), titles.size());
  bool bad = false, nul = false, long1 = false, emoji = false;
  for (size_t i = 0; i < urls.size(); ++i) {
    EXPECT_TRUE(IsValidUtf8(urls[i]) && IsValidUtf8(titles[i])) << i;
    EXPECT_LE(Utf16Length(titles[i]), 300u) << urls[i];
    if (StartsWith(urls[i], "https://bad.example/")) bad = true;
    if (StartsWith(urls[i], "https://nul.example/")) nul = true;
    if (urls[i] == "https://long.example/") {
      long1 = true;
      EXPECT_EQ(Utf16Length(titles[i]), 300u);
      EXPECT_EQ(titles[i].substr(0, 6), "字字");
    }
    if (urls[i] == "https://emoji.example/") {
      emoji = true;
      EXPECT_GE(Utf16Length(titles[i]), 299u);
      EXPECT_EQ(titles[i].find("\xEF\xBF\xBD"), std::string::npos) << "half a surrogate pair";
    }
  }
  EXPECT_TRUE(bad && nul && long1 && emoji);

  // In the HTML page the title cannot close the data script element.
  const RunResult html = Run({});
  ASSERT_EQ(html.ExitCode, 0);
  EXPECT_EQ(html.Out.find("</script><script>alert(1)"), std::string::npos);
  EXPECT_NE(html.Out.find("alert(1)"), std::string::npos);
  EXPECT_EQ(html.Out.find("<!--<script>"), std::string::npos);
  EXPECT_TRUE(IsValidUtf8(html.Out));
}

TEST_F(RobustRun, ProfilesIniWithJunkAndAbsolutePaths) {
  alice_.AddFirefox("good.default", {{"https://good.example/", "Good", vt_test::FirefoxTime(kT0)}});
  // A profile outside the browser folder, named by an absolute path
  // (IsRelative=0), is read as written.
  const std::string outside = root_.Sub("elsewhere/far.default");
  vt_test::MakeFirefoxPlaces(outside + "/places.sqlite",
                             {{"https://far.example/", "Far", vt_test::FirefoxTime(kT0)}});
  std::string ini = RandomBytes(4096, 4);
  ini += "\r\nPath=" + outside + "\r\n";
  ini += "Path=" + std::string("\0\xFF\xFE", 3) + "\n";
  ini += "Path=\n";
  ini += "Path=" + std::string(200000, 'a') + "\n";
  ini += "Path=C:\\Windows\\System32\n";
  ini += "Path=" + root_.Path() + "\n";
  std::string deep;
  for (int i = 0; i < 3000; ++i) deep += "x/";
  ini += "Path=" + deep + "\r";
  ini += std::string(300000, '\xFF') + "\r\n";
  ini += "path=Profiles/good.default\n";  // wrong letter case: ignored
  ini += "Path=Profiles/good.default\n";
  ini += RandomBytes(1000, 5);
  vt_test::WriteFile(FirefoxDir() + "/profiles.ini", ini);

  const RunResult r = Run({"/list", "/format:json", "/src:firefox"});
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  // good, far, and the Windows folder that names nothing here.
  EXPECT_EQ(CountOf(r.Out, "\"name\":\"Mozilla Firefox\""), 3u) << r.Out;
  const std::string good = SourceOf(r.Out, "Mozilla Firefox", "alice\\good.default");
  EXPECT_EQ(Field(good, "state"), "ok") << r.Out;
  EXPECT_EQ(Field(SourceOf(r.Out, "Mozilla Firefox", "alice\\far.default"), "state"), "ok");
  const std::string system = SourceOf(r.Out, "Mozilla Firefox", "alice\\System32");
  EXPECT_NE(system.find("C:\\\\Windows\\\\System32"), std::string::npos) << r.Out;
}

TEST_F(RobustRun, UnreadableStoresAreNoPermission) {
  std::vector<std::string> prefix;
  if (::geteuid() == 0) {
    // root reads everything: run the binary as "nobody" instead.
    if (!vt_test::Exists("/usr/bin/setpriv") && !vt_test::Exists("/bin/setpriv"))
      GTEST_SKIP() << "running as root and setpriv (util-linux) is missing";
    prefix = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
  }
  const std::string chrome = alice_.AddChrome("Default", ChromeVisits(3));
  const std::string firefox = alice_.AddFirefox("p.default", FirefoxVisits(3));
  const std::string webcache = WebCacheDir() + "/WebCacheV01.dat";
  vt_test::WriteFile(webcache, RandomBytes(70000, 6));
  alice_.AddEdge("Default", ChromeVisits(2));
  // Folders open to everyone, the temporary folder owned by the runner.
  std::vector<std::string> dirs = {root_.Path()};
  for (size_t i = 0; i < dirs.size(); ++i) {
    ::chmod(dirs[i].c_str(), 0755);
    for (const auto& n : vt_test::ListNames(dirs[i])) {
      struct stat st;
      const std::string p = dirs[i] + "/" + n;
      if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) dirs.push_back(p);
      else ::chmod(p.c_str(), 0644);
    }
  }
  if (!prefix.empty()) {
    ASSERT_EQ(::chown(tmpDir_.c_str(), 65534, 65534), 0);
  }
  for (const std::string& p : {chrome, firefox, webcache}) ::chmod(p.c_str(), 0);

  const RunResult r = Run({"/list", "/format:json"}, prefix);
  if (r.ExitCode == 126 || r.ExitCode == 127)
    GTEST_SKIP() << "the binary cannot be started as an unprivileged user: " << r.Err;
  ASSERT_EQ(r.ExitCode, 0) << r.Out << r.Err;
  const std::string denied = "无权限读取该数据库（可能属于其他用户，需管理员权限）";
  for (const auto& s : {SourceOf(r.Out, "Google Chrome", "alice\\Default"),
                        SourceOf(r.Out, "Mozilla Firefox", "alice\\p.default")}) {
    EXPECT_EQ(Field(s, "state"), "denied") << r.Out;
    EXPECT_EQ(Field(s, "status"), "权限不足");
    EXPECT_EQ(Field(s, "msg"), denied);
  }
  const std::string ie = SourceOf(r.Out, "IE / 旧版 Edge", "alice\\WebCache");
  EXPECT_EQ(Field(ie, "state"), "denied") << r.Out;
  EXPECT_EQ(Field(ie, "msg"), "无权限读取 WebCache（需管理员权限）");
  EXPECT_EQ(Field(SourceOf(r.Out, "Microsoft Edge", "alice\\Default"), "state"), "ok") << r.Out;

  // With only unreadable stores there is nothing to report: exit code 3.
  const RunResult none =
      Run({"/src:chrome,firefox,ie", "/out:" + root_.Sub("out/r.html"), "/quiet"}, prefix);
  EXPECT_EQ(none.ExitCode, 3) << none.Out;
  EXPECT_EQ(none.Lines(), Lines{"错误: 所有数据源均读取失败，未生成报告。"});
}

namespace {

struct FileState {
  std::string Bytes;
  int64_t MTimeNs = 0;
  mode_t Mode = 0;
  bool operator==(const FileState& o) const {
    return Bytes == o.Bytes && MTimeNs == o.MTimeNs && Mode == o.Mode;
  }
};

// Content, modification time and mode of every file under `dir`.
std::map<std::string, FileState> TreeState(const std::string& dir) {
  std::map<std::string, FileState> out;
  std::vector<std::string> dirs = {dir};
  for (size_t i = 0; i < dirs.size(); ++i) {
    for (const auto& n : vt_test::ListNames(dirs[i])) {
      const std::string p = dirs[i] + "/" + n;
      struct stat st;
      if (::lstat(p.c_str(), &st) != 0) continue;
      if (S_ISDIR(st.st_mode)) {
        dirs.push_back(p);
        continue;
      }
      out[p] = {vt_test::ReadFile(p),
                static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                st.st_mode};
    }
  }
  return out;
}

}  // namespace

TEST_F(RobustRun, OriginalsKeepTheirBytesAndTimes) {
  // Chromium in rollback-journal mode, with the journal file a crash leaves.
  const std::string chrome = alice_.AddChrome("Default", ChromeVisits(40));
  vt_test::WriteFile(chrome + "-journal", "");
  // Firefox in WAL mode, its newest visits only in the uncheckpointed "-wal",
  // and a connection held open as by the running browser.
  const std::string places = alice_.AddFirefox("w.default", FirefoxVisits(12), true);
  sqlite3* conn = nullptr;
  ASSERT_EQ(sqlite3_open_v2(places.c_str(), &conn, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
  sqlite3_db_config(conn, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  ASSERT_EQ(sqlite3_exec(conn, "PRAGMA wal_autocheckpoint=0; SELECT count(*) FROM moz_places;",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  ASSERT_TRUE(vt_test::Exists(places + "-wal"));
  ASSERT_TRUE(vt_test::Exists(places + "-shm"));
  // The WebCache folder: the real database when the samples are there.
  const bool haveSample = !vt_test::UnpackWebCacheSample(WebCacheDir()).empty();
  if (!haveSample) vt_test::WriteFile(WebCacheDir() + "/WebCacheV01.dat", RandomBytes(70000, 7));
  vt_test::WriteFile(WebCacheDir() + "/V01.log", RandomBytes(4096, 8));
  vt_test::WriteFile(WebCacheDir() + "/V01.chk", RandomBytes(1024, 9));
  // Old times, so that any write would show.
  const auto before0 = TreeState(alice_.Root());
  for (const auto& kv : before0) {
    const struct timespec old[2] = {{1500000000, 0}, {1500000000, 123456789}};
    ::utimensat(AT_FDCWD, kv.first.c_str(), old, AT_SYMLINK_NOFOLLOW);
  }
  const auto before = TreeState(alice_.Root());

  const RunResult r = Run({"/format:json", "/out:" + root_.Sub("out/")});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  const RunResult list = Run({"/list", "/format:json"});
  EXPECT_EQ(list.ExitCode, 0);
  const auto after = TreeState(alice_.Root());

  ASSERT_EQ(before.size(), after.size()) << "files appeared or vanished in the user folder";
  for (const auto& kv : before) {
    const auto it = after.find(kv.first);
    ASSERT_NE(it, after.end()) << kv.first;
    EXPECT_TRUE(kv.second == it->second) << "changed: " << kv.first;
  }
  // The visits that sit only in the "-wal" were read from the copy.
  EXPECT_NE(SourceOf(list.Out, "Mozilla Firefox", "alice\\w.default").find("\"count\":12,"),
            std::string::npos)
      << list.Out;
  EXPECT_NE(SourceOf(list.Out, "Google Chrome", "alice\\Default").find("\"count\":40,"),
            std::string::npos);
  if (haveSample) {
    EXPECT_EQ(Field(SourceOf(list.Out, "IE / 旧版 Edge", "alice\\WebCache"), "state"), "ok");
  }
  sqlite3_close(conn);
}

TEST_F(RobustRun, ReportThatCannotBeWrittenIsNeverAnnounced) {
  if (!vt_test::Exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  alice_.AddChrome("Default", ChromeVisits(3));
  for (const std::string fmt : {"html", "json"}) {
    const RunResult r = Run({"/out:/dev/full", "/format:" + fmt});
    EXPECT_EQ(r.ExitCode, 4) << fmt << "\n" << r.Out;
    const Lines lines = r.Lines();
    ASSERT_FALSE(lines.empty());
    const std::string prefix =
        fmt == "html" ? "错误: 写入报告失败：" : "错误: 写入 JSON 报告失败：";
    EXPECT_TRUE(StartsWith(lines.back(), prefix)) << lines.back();
    EXPECT_EQ(r.Out.find("报告已生成："), std::string::npos);
    EXPECT_EQ(r.Out.find("统计："), std::string::npos);
  }

  // A log that cannot take its lines ends the run as an internal error.
  const RunResult log = Run({"/out:" + root_.Sub("out/"), "/log:/dev/full"});
  EXPECT_EQ(log.ExitCode, 5) << log.Out;
  EXPECT_NE(log.Out.find("内部错误："), std::string::npos) << log.Out;
  EXPECT_EQ(log.Out.find("报告已生成："), std::string::npos);
}

// Standard output on a full disk: the report is lost, so the run must not
// end as if it had been written.
TEST_F(RobustRun, ReportToFullStandardOutputFails) {
  if (!vt_test::Exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  alice_.AddChrome("Default", ChromeVisits(3));
  const std::vector<std::string> toFull = {"sh", "-c", "exec \"$0\" \"$@\" >/dev/full"};
  for (const std::string fmt : {"html", "json"}) {
    const RunResult r = Run({"/format:" + fmt}, toFull);
    EXPECT_EQ(r.ExitCode, 4) << fmt;
    // The error line cannot go where the report went.
    EXPECT_TRUE(StartsWith(r.Err, "错误: 写入")) << fmt << ": " << r.Err;
  }
  // The source listing is output too: lost on a full disk, it is a failure.
  for (const std::string fmt : {"html", "json"}) {
    const RunResult r = Run({"/list", "/format:" + fmt}, toFull);
    EXPECT_EQ(r.ExitCode, 4) << fmt;
    EXPECT_TRUE(StartsWith(r.Err, "错误: 写入")) << fmt << ": " << r.Err;
  }
  EXPECT_EQ(Run({"/list"}, toFull).Err, "错误: 写入数据源列表失败：磁盘空间不足。\n");
}

// With the report on standard output, `> r.json` must hold the report and
// nothing else: error lines go to standard error (and to the run log).
TEST_F(RobustRun, ErrorsLeaveStandardOutputToTheReport) {
  alice_.AddChrome("Default", ChromeVisits(3));
  const std::string log = root_.Sub("run.log");
  RunResult r = Run({"/format:json", "/log:" + log, "/src:360,qq_r,chrome,360se_l"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_EQ(r.Out.front(), '{');
  EXPECT_EQ(r.Out.back(), '}');
  // The warning reaches the terminal through standard error, and the log.
  EXPECT_EQ(r.Err, "警告: 未识别的数据源：360\n");
  const std::string logText = vt_test::ReadFile(log);
  EXPECT_NE(logText.find("[警告] 未识别的数据源：360\n"), std::string::npos) << logText;
  EXPECT_EQ(logText.find("未识别的数据源：qq_r"), std::string::npos);
  EXPECT_EQ(logText.find("未识别的数据源：360se"), std::string::npos);

  // An internal error (here the log on a full disk) likewise.
  if (vt_test::Exists("/dev/full")) {
    r = Run({"/format:json", "/log:/dev/full"});
    EXPECT_EQ(r.ExitCode, 5);
    EXPECT_EQ(r.Out, "");
    EXPECT_TRUE(StartsWith(r.Err, "内部错误：")) << r.Err;
  }
}

TEST_F(RobustRun, UnknownSourceIdsAreNamed) {
  alice_.AddChrome("Default", ChromeVisits(3));
  const std::string out = root_.Sub("out") + "/";
  const RunResult r = Run({"/out:" + out, "/src:Chrome,360,foo_bar,qq_x"});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  const Lines lines = r.Lines();
  Lines warnings;
  for (const std::string& l : lines)
    if (StartsWith(l, "警告: ")) warnings.push_back(l);
  // "qq_x" is a variant spelling of a known id; the run goes on regardless.
  EXPECT_EQ(warnings, (Lines{"警告: 未识别的数据源：360", "警告: 未识别的数据源：foo_bar"}));
  EXPECT_NE(r.Out.find("报告已生成："), std::string::npos);
}

// Blanks around the /out value name the file without them.
TEST_F(RobustRun, OutValueIsTrimmed) {
  alice_.AddChrome("Default", ChromeVisits(3));
  vt_test::MakeDirs(root_.Sub("out"));
  const RunResult r = Run({"/out: " + root_.Sub("out/r.html") + " "});
  EXPECT_EQ(r.ExitCode, 0) << r.Out;
  EXPECT_EQ(vt_test::ListNames(root_.Sub("out")), Lines{"r.html"});
}

// Bytes that are not UTF-8 (a Latin-1 title typed on Linux) are replaced at
// entry, so the report stays valid UTF-8.
TEST_F(RobustRun, MalformedArgumentsAreRepaired) {
  alice_.AddChrome("Default", ChromeVisits(3));
  const RunResult r = Run({"/format:json", "/title:caf\xE9 \xFF\xFE!"});
  EXPECT_EQ(r.ExitCode, 0);
  EXPECT_NE(r.Out.find("\"title\":\"caf\xEF\xBF\xBD \xEF\xBF\xBD\xEF\xBF\xBD!\""),
            std::string::npos)
      << r.Out.substr(0, 300);
  EXPECT_TRUE(IsValidUtf8(r.Out));
}
