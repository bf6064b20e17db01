#include "http/cookie_manager.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "http/cookie_limits.h"
#include "http/internet_date.h"

namespace lumora {
namespace {

std::string CookiesFor(TNetCookieManager& manager, const char* url, bool secure = false) {
  return manager.GenerateCookieList(TNetURI(url), secure);
}

TEST(CookieManager, SecondCookieOfTheSameNameReplacesTheFirst) {
  TNetCookieManager manager;
  EXPECT_TRUE(manager.AddCookie("sid=first; path=/", "fanyi.example.com"));
  EXPECT_TRUE(manager.AddCookie("SID=second; path=/", "fanyi.example.com"));
  EXPECT_EQ(manager.CookieCollection().Count(), 1);
  EXPECT_EQ(CookiesFor(manager, "http://fanyi.example.com/translate?x=1"), "SID=second");
}

TEST(CookieManager, ReplacementKeepsThePlace) {
  TNetCookieManager manager;
  for (const char* text : {"a=1; path=/", "b=2; path=/", "c=3; path=/", "A=4; path=/"})
    ASSERT_TRUE(manager.AddCookie(text, "h.example"));
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "A=4; b=2; c=3");
}

TEST(CookieManager, DomainsCompareIgnoringCase) {
  TNetCookieManager manager;
  manager.AddCookie("a=1; path=/", "H.Example");
  manager.AddCookie("a=2; path=/", "h.example");
  EXPECT_EQ(manager.CookieCollection().Count(), 1);
  EXPECT_EQ(CookiesFor(manager, "http://H.EXAMPLE/"), "a=2");
}

TEST(CookieManager, PathDecidesWhatIsSentGreatestFirst) {
  TNetCookieManager manager;
  manager.AddCookie("root=1; path=/", "h.example");
  manager.AddCookie("deep=3; path=/a/b/", "h.example");
  manager.AddCookie("mid=2; path=/a", "h.example");
  manager.AddCookie("doc=4; path=/translate", "h.example");
  manager.AddCookie("nopath=5", "h.example");
  manager.AddCookie("other=6; path=/ab", "h.example");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/a/b/c.cgi"), "deep=3; mid=2; root=1");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/a/x"), "mid=2; root=1");
  // The request path excludes the document.
  EXPECT_EQ(CookiesFor(manager, "http://h.example/translate?x=1"), "root=1");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/translate/"), "doc=4; root=1");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/abc/"), "root=1");
}

TEST(CookieManager, EqualPathsGoOldestFirstAcrossDomains) {
  TNetCookieManager manager;
  manager.AddCookie("host=1; path=/", "www.example.com");
  manager.AddCookie("dom=2; path=/; domain=.example.com", "www.example.com");
  manager.AddCookie("host2=3; path=/", "www.example.com");
  EXPECT_EQ(CookiesFor(manager, "http://www.example.com/"), "host=1; dom=2; host2=3");
}

TEST(CookieManager, EmptyValueAndNoCookiesGiveNothing) {
  TNetCookieManager manager;
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "");
  manager.AddCookie("empty=; path=/", "h.example");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "");
}

TEST(CookieManager, DomainsReachOnlyTheirHosts) {
  TNetCookieManager manager;
  ASSERT_TRUE(manager.AddCookie("dom=1; path=/; domain=.example.com", "www.example.com"));
  ASSERT_TRUE(manager.AddCookie("host=2; path=/", "example.com"));
  ASSERT_TRUE(manager.AddCookie("ip=3; path=/", "127.0.0.1"));
  struct Row {
    const char* url;
    const char* cookies;
  } rows[] = {
      {"http://www.example.com/", "dom=1; host=2"},
      {"http://a.example.com/", "dom=1; host=2"},
      {"http://example.com/", "host=2"},
      {"http://wwwexample.com/", ""},
      {"http://www.example.com.evil.net/", ""},
      {"http://example.com.evil.net/", ""},
      {"http://127.0.0.1/", "ip=3"},
      {"http://127.0.0.10/", ""},
      {"http://x.127.0.0.1/", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(CookiesFor(manager, row.url), row.cookies) << row.url;
}

TEST(CookieManager, RefusesCookiesForOtherDomains) {
  struct Row {
    const char* note;
    const char* text;
    const char* host;
  } rows[] = {
      {"parent without leading dot", "a=1; path=/; domain=b.c", "a.b.c"},
      {"other site", "a=1; path=/; domain=.evil.com", "www.example.com"},
      {"top-level domain", "a=1; path=/; domain=.com", "example.com"},
      {"address sets a name", "a=1; path=/; domain=localhost", "127.0.0.1"},
      {"name sets an address", "a=1; path=/; domain=127.0.0.1", "localhost"},
      {"CR in the value", "a=1\r\nX-Injected: 1; path=/", "h.example"},
      {"control byte in the name", "a\x01=1; path=/", "h.example"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.note);
    TNetCookieManager manager;
    EXPECT_FALSE(manager.AddCookie(row.text, row.host));
    EXPECT_EQ(manager.CookieCollection().Count(), 0);
  }
}

TEST(CookieManager, StoredUnderTheRequestHostWithoutDomain) {
  TNetCookieManager manager;
  manager.AddCookie("a=1; path=/", "fanyi.example.com");
  auto lock = manager.CookieCollection().LockRead();
  ASSERT_EQ(manager.CookieCollection().DomainCount(), 1);
  EXPECT_EQ(manager.CookieCollection().DomainName(0), "fanyi.example.com");
}

TEST(CookieManager, SecureCookieOnlyOverSecureConnections) {
  TNetCookieManager manager;
  manager.AddCookie("s=1; path=/; secure", "h.example");
  manager.AddCookie("p=2; path=/", "h.example");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "p=2");
  EXPECT_EQ(CookiesFor(manager, "https://h.example/", true), "s=1; p=2");
  EXPECT_EQ(CookiesFor(manager, "HTTPS://h.example/", true), "s=1; p=2");
  // A secure handler passing plain http through.
  EXPECT_EQ(CookiesFor(manager, "http://h.example/", true), "p=2");
}

TEST(CookieManager, ExpiredCookiesGoBeforeTheTextIsBuilt) {
  TNetCookieManager manager;
  manager.AddCookie("old=1; path=/; expires=Sun, 06 Nov 1994 08:49:37 GMT", "h.example");
  manager.AddCookie("gone=2; path=/; max-age=0", "h.example");
  manager.AddCookie("hour=3; path=/; max-age=3600", "h.example");
  manager.AddCookie("future=4; path=/; expires=Wed, 09 Jun 2121 10:18:14 GMT", "h.example");
  manager.AddCookie("session=5; path=/", "h.example");
  EXPECT_EQ(manager.CookieCollection().Count(), 5);
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "hour=3; future=4; session=5");
  EXPECT_EQ(manager.CookieCollection().Count(), 3);
}

TEST(CookieManager, MaxAgeZeroDeletesAStoredCookie) {
  TNetCookieManager manager;
  manager.AddCookie("a=1; path=/", "h.example");
  manager.AddCookie("a=deleted; path=/; max-age=0", "h.example");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "");
  EXPECT_EQ(manager.CookieCollection().Count(), 0);
}

TEST(CookieManager, UnreadableExpiryDateDoesNotDropTheCookie) {
  TNetCookieManager manager;
  manager.AddCookie("a=1; path=/; expires=whenever", "h.example");
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "a=1");
}

TEST(CookieManager, DomainCapDropsTheOldestOfThatDomain) {
  TNetCookieManager manager;
  for (int i = 0; i < kMaxCookiesPerDomain; ++i)
    ASSERT_TRUE(manager.AddCookie("c" + std::to_string(i) + "=v; path=/", "h.example"));
  manager.AddCookie("other=1; path=/", "o.example");
  TNetCookies& cookies = manager.CookieCollection();
  EXPECT_EQ(cookies.Count(), kMaxCookiesPerDomain + 1);

  // Replacing at the limit drops nothing.
  manager.AddCookie("c0=new; path=/", "h.example");
  EXPECT_EQ(cookies.Count(), kMaxCookiesPerDomain + 1);

  manager.AddCookie("extra=1; path=/", "h.example");
  EXPECT_EQ(cookies.Count(), kMaxCookiesPerDomain + 1);
  auto lock = cookies.LockRead();
  const TNetCookieList& list = cookies.DomainList(cookies.IndexOfDomain("h.example"));
  EXPECT_EQ(list.Count(), kMaxCookiesPerDomain);
  EXPECT_EQ(list.IndexOfName("c0"), -1);
  EXPECT_EQ(list.Cookie(0)->Name(), "c1");
  EXPECT_EQ(list.Cookie(list.Count() - 1)->Name(), "extra");
  EXPECT_EQ(cookies.IndexOfDomain("o.example") >= 0, true);
}

TEST(CookieManager, TotalCapDropsTheOldestOfAll) {
  TNetCookieManager manager;
  TNetCookies& cookies = manager.CookieCollection();
  const int domains = kMaxCookies / kMaxCookiesPerDomain;
  for (int d = 0; d < domains; ++d)
    for (int i = 0; i < kMaxCookiesPerDomain; ++i)
      manager.AddCookie("c" + std::to_string(i) + "=v; path=/",
                        "h" + std::to_string(d) + ".example");
  ASSERT_EQ(cookies.Count(), kMaxCookies);
  EXPECT_EQ(CookiesFor(manager, "http://h0.example/").substr(0, 8), "c0=v; c1");

  ASSERT_TRUE(manager.AddCookie("new=1; path=/", "fresh.example"));
  EXPECT_EQ(cookies.Count(), kMaxCookies);
  EXPECT_EQ(CookiesFor(manager, "http://h0.example/").substr(0, 8), "c1=v; c2");
  EXPECT_EQ(CookiesFor(manager, "http://fresh.example/"), "new=1");
}

TEST(CookieManager, TotalCapEmptiesTheOldestDomain) {
  TNetCookieManager manager;
  TNetCookies& cookies = manager.CookieCollection();
  manager.AddCookie("lone=1; path=/", "first.example");
  for (int n = 1; n < kMaxCookies; ++n)
    manager.AddCookie("c" + std::to_string(n % kMaxCookiesPerDomain) + "=v; path=/",
                      "h" + std::to_string(n / kMaxCookiesPerDomain) + ".example");
  ASSERT_EQ(cookies.Count(), kMaxCookies);
  manager.AddCookie("late=1; path=/", "first.example");
  EXPECT_EQ(cookies.Count(), kMaxCookies);
  EXPECT_EQ(CookiesFor(manager, "http://first.example/"), "late=1");
}

TEST(CookieManager, NewCookieEventCanRefuse) {
  TNetCookieManager manager;
  std::vector<std::string> seen;
  manager.SetOnNewCookie([&](TNetCookieManager& sender, TNetNetscapeCookie& cookie, bool& accept) {
    EXPECT_EQ(&sender, &manager);
    EXPECT_TRUE(accept);
    seen.push_back(cookie.Name() + "@" + cookie.Domain());
    accept = cookie.Name() != "tracker";
  });
  EXPECT_TRUE(manager.AddCookie("keep=1; path=/", "h.example"));
  EXPECT_FALSE(manager.AddCookie("tracker=1; path=/", "h.example"));
  // Refused for its domain before the event is asked.
  EXPECT_FALSE(manager.AddCookie("x=1; domain=.evil.com", "h.example"));
  EXPECT_EQ(seen, (std::vector<std::string>{"keep@h.example", "tracker@h.example"}));
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "keep=1");
}

TEST(CookieManager, SetCookie2MakesTheRFC2965Kind) {
  TNetCookieManager manager;
  std::vector<std::string> kinds;
  manager.SetOnNewCookie([&](TNetCookieManager&, TNetNetscapeCookie& cookie, bool&) {
    if (auto* c = dynamic_cast<TNetCookieRFC2965*>(&cookie))
      kinds.push_back("2965:" + std::to_string(c->PortList().front()));
    else if (dynamic_cast<TNetCookieRFC2109*>(&cookie))
      kinds.push_back("2109");
  });
  manager.AddCookie("a=1; path=/", "h.example");
  manager.AddCookie2("b=2; path=/; Port=\"8080\"; Version=1", "h.example");
  EXPECT_EQ(kinds, (std::vector<std::string>{"2109", "2965:8080"}));
  EXPECT_EQ(CookiesFor(manager, "http://h.example/"), "a=1; b=2");
}

TEST(CookieManager, CreateAndDestroyEventsSeeTheCollection) {
  int created = -1, destroyed = -1;
  {
    TNetCookieManager manager(
        [&](TNetCookieManager&, TNetCookies& cookies) { created = cookies.Count(); });
    manager.SetOnDestroy(
        [&](TNetCookieManager&, TNetCookies& cookies) { destroyed = cookies.Count(); });
    manager.AddCookie("a=1", "h.example");
    EXPECT_EQ(destroyed, -1);
  }
  EXPECT_EQ(created, 0);
  EXPECT_EQ(destroyed, 1);
}

TEST(CookieManager, ReadersAndWritersShareTheStore) {
  TNetCookieManager manager;
  std::atomic<bool> stop{false};
  std::vector<std::thread> readers;
  for (int r = 0; r < 2; ++r)
    readers.emplace_back([&] {
      while (!stop) manager.GenerateCookieList(TNetURI("http://h.example/"), false);
    });
  std::vector<std::thread> writers;
  for (int w = 0; w < 2; ++w)
    writers.emplace_back([&manager, w] {
      for (int i = 0; i < 200; ++i)
        manager.AddCookie("w" + std::to_string(w) + "_" + std::to_string(i % 20) + "=v; path=/",
                          "h.example");
    });
  for (auto& t : writers) t.join();
  stop = true;
  for (auto& t : readers) t.join();
  EXPECT_EQ(manager.CookieCollection().Count(), 40);
}

}  // namespace
}  // namespace lumora
