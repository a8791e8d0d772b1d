// On a machine's live accounts, each user's sources are that user's own: a
// store is read for a user only when the file finally opened, after every
// link, belongs to that user's account. A copied folder or mounted disk
// keeps no owners, and everything in it is read as before.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "Stores.h"
#include "TestSupport.h"
#include "uBrowsers.h"
#include "uPlatform.h"

using namespace vt_test;

namespace {

constexpr uid_t kAliceUid = 23451, kBobUid = 23452;

std::vector<StoreVisit> Visits(const std::string& site, int n, bool firefox = false) {
  std::vector<StoreVisit> v;
  for (int i = 0; i < n; ++i)
    v.push_back(StoreVisit{"https://" + site + ".example/" + std::to_string(i), site,
                           firefox ? FirefoxTime(1700000000 + i) : ChromeTime(1700000000 + i)});
  return v;
}

// Every file below `dir` handed to `uid`, as its user's browser made them.
void GiveTo(const std::string& dir, uid_t uid) {
  const std::string cmd = "chown -R " + std::to_string(uid) + " '" + dir + "'";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
}

struct Collected {
  THistoryList List;
  TSourceList Sources;
};

void CollectAll(const TUserProfiles& users, Collected& c) {
  TCollector collector(c.List, c.Sources, nullptr, 0, 0);
  collector.Collect(users);
}

int VisitsOf(const Collected& c, const std::string& profilePrefix) {
  int n = 0;
  for (int32_t i = 0; i < c.List.Count(); ++i)
    n += c.List.Items()[i].Profile().compare(0, profilePrefix.size(), profilePrefix) == 0;
  return n;
}

}  // namespace

TEST(Owners, LinkToAnotherUsersBrowserFolderReadsOnlyUnderItsOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "handing files to other accounts needs root";
  TempFolder base, tmp;
  EnvOverride tmpEnv("TMPDIR", tmp.Path());
  UserFolder alice(base.Path(), "alice"), bob(base.Path(), "bob");
  bob.AddChrome("Default", Visits("bob", 7));
  alice.AddFirefox("a.default", Visits("alice", 3, true));
  // alice's Chrome data is bob's, through a link of her own.
  MakeDirs(alice.Local("Google/Chrome"));
  ASSERT_EQ(::symlink(bob.Local("Google/Chrome/User Data").c_str(),
                      alice.Local("Google/Chrome/User Data").c_str()),
            0);
  GiveTo(alice.Root(), kAliceUid);
  GiveTo(bob.Root(), kBobUid);

  TUserProfile a{"alice", alice.Root(), true}, b{"bob", bob.Root(), false};
  a.Owner = plat::UserIdOf(kAliceUid);
  b.Owner = plat::UserIdOf(kBobUid);
  Collected live;
  CollectAll({a, b}, live);
  EXPECT_EQ(VisitsOf(live, "bob\\"), 7);
  EXPECT_EQ(VisitsOf(live, "alice\\"), 3);  // her own Firefox, nothing of bob's
  bool denied = false;
  for (const TSourceInfo& s : live.Sources.Items()) {
    if (s.Profile != "alice\\Default") continue;
    denied = true;
    EXPECT_EQ(s.Status, ssNoPermission);
    EXPECT_EQ(StatusCode(s.Status), "denied");
    EXPECT_EQ(s.Message, "数据库属于其他用户（uid " + std::to_string(kBobUid) + "），未读取");
    EXPECT_EQ(s.Count, 0);
  }
  EXPECT_TRUE(denied);

  // A copied folder has no owners to go by: read as it stands.
  a.Owner.clear();
  b.Owner.clear();
  Collected copied;
  CollectAll({a, b}, copied);
  EXPECT_EQ(VisitsOf(copied, "bob\\"), 7);
  EXPECT_EQ(VisitsOf(copied, "alice\\"), 10);
}

TEST(Owners, OnlyTheRunningUsersOwnHomeIsALiveAccount) {
  const std::string self = plat::CurrentUserId();
  ASSERT_FALSE(self.empty());
  std::string home;
  std::vector<plat::Account> accounts;
  ASSERT_TRUE(plat::ListAccounts(accounts));
  for (const plat::Account& acc : accounts)
    if (plat::UserIdOf(acc.Uid) == self) home = acc.Home;
  if (home.empty() || SelectLoginAccounts({plat::Account{"x", home, "/bin/sh", 0}}).empty())
    GTEST_SKIP() << "the running account has no home of a person";
  auto ownerWith = [](const std::string& userProfile, const std::string& homeVar) {
    EnvOverride up("USERPROFILE", userProfile), ad("APPDATA", ""), h("HOME", homeVar);
    std::string err;
    TUserProfiles p;
    ListUserProfiles("current", err, p);
    return p.empty() ? std::string("<none>") : p[0].Owner;
  };
  EXPECT_EQ(ownerWith("", home), self);
  TempFolder other;
  EXPECT_EQ(ownerWith("", other.Path()), "");          // a home named elsewhere
  EXPECT_EQ(ownerWith(other.Path(), home), "");         // a Windows folder
}
