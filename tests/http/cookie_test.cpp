#include "http/cookie.h"

#include <gtest/gtest.h>

#include "http/internet_date.h"
#include "tz_guard.h"

namespace lumora {
namespace {

TEST(CookieText, ReadsNameValueAndAttributes) {
  struct Row {
    const char* note;
    const char* text;
    const char* name;
    const char* value;
    const char* path;
    const char* domain;
    const char* expires;
    bool secure;
  } rows[] = {
      {"every attribute",
       "SID=31d4d96e407aad42; Path=/; Domain=.example.com; Expires=Wed, 09 Jun 2121 10:18:14 GMT; "
       "Secure",
       "SID", "31d4d96e407aad42", "/", ".example.com", "Wed, 09 Jun 2121 10:18:14 GMT", true},
      {"no attributes", "a=b", "a", "b", "", "", "", false},
      {"= inside the value stays", "a=b=c==", "a", "b=c==", "", "", "", false},
      {"no = at all", "flag", "flag", "", "", "", "", false},
      {"empty value", "a=; path=/x", "a", "", "/x", "", "", false},
      {"attribute names ignore case", "a=1; pAtH=/p; DoMaIn=h; sEcUrE", "a", "1", "/p", "h", "",
       true},
      {"quotes around the path", "a=1; path=\"/q/\"", "a", "1", "/q/", "", "", false},
      {"one quote at each end only", "a=1; path=\"\"/q\"\"", "a", "1", "\"/q\"", "", "", false},
      {"quotes in the value stay", "a=\"x y\"; path=/", "a", "\"x y\"", "/", "", "", false},
      {"blanks around parts", "  a=1 ;  path = /p  ;secure  ", "a", "1", "/p", "", "", true},
      {"trailing ;", "a=1; path=/;", "a", "1", "/", "", "", false},
      {"the last of an attribute wins", "a=1; path=/x; path=/y", "a", "1", "/y", "", "", false},
      {"secure with a value", "a=1; secure=yes", "a", "1", "", "", "", true},
      {"unknown attributes ignored", "a=1; HttpOnly; SameSite=Lax; path=/", "a", "1", "/", "", "",
       false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.note) + ": " + row.text);
    TNetNetscapeCookie cookie;
    cookie.SetCookieText(row.text);
    EXPECT_EQ(cookie.CookieText(), row.text);
    EXPECT_EQ(cookie.Name(), row.name);
    EXPECT_EQ(cookie.Value(), row.value);
    EXPECT_EQ(cookie.Path(), row.path);
    EXPECT_EQ(cookie.Domain(), row.domain);
    EXPECT_EQ(cookie.Expires(), row.expires);
    EXPECT_EQ(cookie.Secure(), row.secure);
  }
}

TEST(CookieText, ANewTextResetsEveryField) {
  TNetCookieRFC2109 cookie;
  cookie.SetCookieText("a=1; path=/; domain=h; secure; max-age=60; version=1; comment=c");
  cookie.SetCookieText("b=2");
  EXPECT_EQ(cookie.Name(), "b");
  EXPECT_EQ(cookie.Path(), "");
  EXPECT_EQ(cookie.Domain(), "");
  EXPECT_FALSE(cookie.Secure());
  EXPECT_EQ(cookie.MaxAge(), -1);
  EXPECT_EQ(cookie.Expires(), "");
  EXPECT_EQ(cookie.Version(), "");
  EXPECT_EQ(cookie.Comment(), "");
}

TEST(CookieText, TheSameTextAgainKeepsChangedFields) {
  TNetNetscapeCookie cookie;
  cookie.SetCookieText("a=1; domain=h");
  cookie.SetDomain("other");
  cookie.SetCookieText("a=1; domain=h");
  EXPECT_EQ(cookie.Domain(), "other");
}

TEST(CookieRFC2109, ReadsMaxAgeVersionAndComment) {
  struct Row {
    const char* text;
    int64_t max_age;
  } rows[] = {
      {"a=1; Max-Age=3600", 3600},  // plain
      {"a=1; max-age=0", 0},        // delete at once
      {"a=1; max-age=abc", -1},     // not a number
      {"a=1; max-age=", -1},        // empty
      {"a=1", -1},                  // missing
      {"a=1; max-age=\"60\"", -1},  // quoted is no number
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    TNetCookieRFC2109 cookie;
    cookie.SetCookieText(row.text);
    EXPECT_EQ(cookie.MaxAge(), row.max_age);
  }
  TNetCookieRFC2109 cookie;
  cookie.SetCookieText("a=1; Version=1; Comment=why not");
  EXPECT_EQ(cookie.Version(), "1");
  EXPECT_EQ(cookie.Comment(), "why not");
}

TEST(CookieRFC2109, MaxAgeWritesTheExpiryDate) {
  TimeZoneGuard zone("CET-1CEST,M3.5.0,M10.5.0/3");
  TNetCookieRFC2109 cookie;
  const TDateTime before = Now();
  cookie.SetCookieText("a=1; max-age=3600");
  const TDateTime expiry = StrInternetToDateTime(cookie.Expires());
  EXPECT_NEAR(expiry, before + 3600.0 / kSecondsPerDay, 2.0 / kSecondsPerDay) << cookie.Expires();
  EXPECT_NEAR(cookie.ExpiryDate(), expiry, 1e-9);
}

TEST(CookieRFC2109, HugeMaxAgeStaysWritable) {
  TNetCookieRFC2109 cookie;
  cookie.SetCookieText("a=1; max-age=9223372036854775807");
  EXPECT_EQ(cookie.MaxAge(), INT64_MAX);
  EXPECT_GT(cookie.ExpiryDate(), EncodeDate(9999, 1, 1)) << cookie.Expires();
}

TEST(CookieRFC2109, ExpiresWinsOverMaxAge) {
  TNetCookieRFC2109 cookie;
  const char* expires = "Wed, 09 Jun 2121 10:18:14 GMT";
  cookie.SetCookieText(std::string("a=1; max-age=60; expires=") + expires);
  EXPECT_EQ(cookie.Expires(), expires);
  const double seconds = (StrInternetToDateTime(expires) - Now()) * kSecondsPerDay;
  EXPECT_NEAR(static_cast<double>(cookie.MaxAge()), seconds, 2.0);
}

TEST(CookieRFC2109, UnreadableExpiresKeepsMaxAge) {
  TNetCookieRFC2109 cookie;
  cookie.SetCookieText("a=1; max-age=60; expires=soon");
  EXPECT_EQ(cookie.MaxAge(), 60);
  EXPECT_EQ(cookie.Expires(), "soon");
  EXPECT_EQ(cookie.ExpiryDate(), 0);
}

TEST(CookieRFC2965, ReadsPortListDiscardAndCommentURL) {
  struct Row {
    const char* text;
    std::vector<int> ports;
  } rows[] = {
      {"a=1; Port=\"80,8080, 8000\"", {80, 8080, 8000}},  // a quoted list
      {"a=1; Port=\"8080\"", {8080}},                     // one port
      {"a=1; Port=8080", {80}},                           // not quoted
      {"a=1; Port", {80}},                                // a flag
      {"a=1", {80}},                                      // missing
      {"a=1; Port=\"x,81,99999\"", {81}},                 // bad entries skipped
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    TNetCookieRFC2965 cookie;
    cookie.SetCookieText(row.text);
    EXPECT_EQ(cookie.PortList(), row.ports);
  }
  TNetCookieRFC2965 cookie;
  cookie.SetCookieText("a=1; commenturl=http://h/why; Discard; Version=1");
  EXPECT_EQ(cookie.CommentURL(), "http://h/why");
  EXPECT_TRUE(cookie.Discard());
  EXPECT_EQ(cookie.Version(), "1");
}

}  // namespace
}  // namespace lumora
