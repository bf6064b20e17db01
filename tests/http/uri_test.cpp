#include "http/uri.h"

#include <gtest/gtest.h>

#include "http/http_exceptions.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

struct UriRow {
  const char* note;
  const char* text;
  const char* protocol;
  const char* username;
  const char* password;
  const char* host;
  const char* port;
  const char* path;
  const char* document;
  const char* params;
  const char* bookmark;
};

std::ostream& operator<<(std::ostream& os, const UriRow& row) {
  return os << row.note << ": " << row.text;
}

TEST(NetURI, ParsesIntoParts) {
  const UriRow rows[] = {
      {"every part", "http://u:p@h:8000/a/b/c.cgi?x=1#top", "http", "u", "p", "h", "8000", "/a/b/",
       "c.cgi", "?x=1", "top"},
      {"translation endpoint",
       "http://fanyi.example.com/translate?smartresult=dict&smartresult=rule&sessionFrom=null",
       "http", "", "", "fanyi.example.com", "", "/", "translate",
       "?smartresult=dict&smartresult=rule&sessionFrom=null", ""},
      {"host only", "http://h", "http", "", "", "h", "", "/", "", "", ""},
      {"host and slash", "http://h/", "http", "", "", "h", "", "/", "", "", ""},
      {"params start at = without ?", "http://h/dir/doc=5", "http", "", "", "h", "", "/dir/", "doc",
       "=5", ""},
      {"= in an earlier segment", "http://h/a=1/b", "http", "", "", "h", "", "/", "a", "=1/b", ""},
      {"? wins over an earlier =", "http://h/a=1/b?c", "http", "", "", "h", "", "/a=1/", "b", "?c",
       ""},
      {"/ inside the query is no path", "http://h/a/b?x=/y/z", "http", "", "", "h", "", "/a/", "b",
       "?x=/y/z", ""},
      {"backslashes are slashes", "http://h\\a\\b", "http", "", "", "h", "", "/a/", "b", "", ""},
      {"user without password", "ftp://u@h/f", "ftp", "u", "", "h", "", "/", "f", "", ""},
      {"empty user drops the password", "http://:p@h/", "http", "", "", "h", "", "/", "", "", ""},
      {"password keeps later colons", "http://u:p:q@h/", "http", "u", "p:q", "h", "", "/", "", "",
       ""},
      {"fragment on the document", "http://h/a/d#frag", "http", "", "", "h", "", "/a/", "d", "",
       "frag"},
      {"fragment after the query", "http://h/d?q=1#f", "http", "", "", "h", "", "/", "d", "?q=1",
       "f"},
      {"? inside the fragment stays there", "http://h/d#f?q", "http", "", "", "h", "", "/", "d", "",
       "f?q"},
      {"/ inside the fragment is no path", "http://h/a/b#x/y", "http", "", "", "h", "", "/a/", "b",
       "", "x/y"},
      {"query right after the host", "http://h?x=1", "http", "", "", "h", "", "/", "", "?x=1", ""},
      {"fragment right after the host", "http://h:81#f", "http", "", "", "h", "81", "/", "", "",
       "f"},
      {"relative path keeps no leading /", "a/b/c.html", "", "", "", "", "", "a/b/", "c.html", "",
       ""},
      {"relative with backslash", "a\\b", "", "", "", "", "", "a/", "b", "", ""},
      {"relative with query", "/x/y?z=1", "", "", "", "", "", "/x/", "y", "?z=1", ""},
      {"relative with fragment", "page.html#sec", "", "", "", "", "", "", "page.html", "", "sec"},
      {"relative query and fragment", "d?q#f", "", "", "", "", "", "", "d", "?q", "f"},
      {"empty text", "", "", "", "", "", "", "", "", "", ""},
      {"Chinese text passes through", "http://h/\xE4\xB8\xAD/\xE6\x96\x87?\xE5\xAD\x97", "http", "",
       "", "h", "", "/\xE4\xB8\xAD/", "\xE6\x96\x87", "?\xE5\xAD\x97", ""},
  };
  for (const UriRow& row : rows) {
    SCOPED_TRACE(row);
    TNetURI uri(row.text);
    EXPECT_EQ(uri.URI(), row.text);
    EXPECT_EQ(uri.Protocol(), row.protocol);
    EXPECT_EQ(uri.Username(), row.username);
    EXPECT_EQ(uri.Password(), row.password);
    EXPECT_EQ(uri.Host(), row.host);
    EXPECT_EQ(uri.Port(), row.port);
    EXPECT_EQ(uri.Path(), row.path);
    EXPECT_EQ(uri.Document(), row.document);
    EXPECT_EQ(uri.Params(), row.params);
    EXPECT_EQ(uri.Bookmark(), row.bookmark);
  }
}

TEST(NetURI, ReparsingClearsEveryPart) {
  TNetURI uri("http://u:p@h:8000/a/b/c.cgi?x=1#top");
  uri.SetURI("/only/path");
  EXPECT_EQ(uri.Protocol(), "");
  EXPECT_EQ(uri.Username(), "");
  EXPECT_EQ(uri.Password(), "");
  EXPECT_EQ(uri.Host(), "");
  EXPECT_EQ(uri.Port(), "");
  EXPECT_EQ(uri.Params(), "");
  EXPECT_EQ(uri.Bookmark(), "");
  EXPECT_EQ(uri.Path(), "/only/");
}

TEST(NetURI, BuildsWithOrWithoutUserInfoAndFragment) {
  struct Row {
    const char* text;
    bool user_info;
    bool fragment;
    const char* built;
  } rows[] = {
      {"http://u:p@h:8000/a/b/c.cgi?x=1#top", true, true, "http://u:p@h:8000/a/b/c.cgi?x=1#top"},
      {"http://u:p@h:8000/a/b/c.cgi?x=1#top", false, true, "http://h:8000/a/b/c.cgi?x=1#top"},
      {"http://u:p@h:8000/a/b/c.cgi?x=1#top", true, false, "http://u:p@h:8000/a/b/c.cgi?x=1"},
      {"http://u@h/", true, true, "http://u@h/"},  // no ":" without a password
      {"http://h", true, true, "http://h/"},       // the path is always there
      {"http://h/dir/doc=5", true, true, "http://h/dir/doc=5"},
      {"http://h\\a\\b", true, true, "http://h/a/b"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(TNetURI(row.text).GetFullURI(row.user_info, row.fragment), row.built);
  }
}

TEST(NetURI, BuildingWithoutProtocolOrHostRaises) {
  struct Row {
    const char* text;
    const char* message;
  } rows[] = {
      {"/a/b", "Protocol field is empty"},
      {"", "Protocol field is empty"},
      {"http:///a", "Host field is empty"},
      {"http://u:p@/a", "Host field is empty"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_RAISES(ENetURIException, row.message, TNetURI(row.text).GetFullURI());
  }
}

TEST(NetURI, ProxyFormDropsUserInfoAndFragmentButStoresFullForm) {
  TNetURI uri("http://u:p@h:8000/a\\c.cgi?x=1#top");
  EXPECT_EQ(uri.GetProxyForm(), "http://h:8000/a/c.cgi?x=1");
  EXPECT_EQ(uri.URI(), "http://u:p@h:8000/a/c.cgi?x=1#top");
}

TEST(NetURI, PartsSetOneByOneBuild) {
  TNetURI uri;
  uri.SetProtocol("http");
  uri.SetHost("127.0.0.1");
  uri.SetPort("8080");
  uri.SetPath("/");
  uri.SetDocument("translate");
  uri.SetParams("?a=b");
  EXPECT_EQ(uri.GetFullURI(), "http://127.0.0.1:8080/translate?a=b");
  EXPECT_EQ(uri.GetPathAndParams(), "/translate?a=b");
}

TEST(NetURIPathResolve, ResolvesAgainstBase) {
  struct Row {
    const char* note;
    const char* base;
    const char* path;
    const char* resolved;
  } rows[] = {
      {"up one", "/a/b/", "../x", "/a/x"},
      {"relative to a base without /", "/a/b", "x", "/a/b/x"},
      {"absolute wins", "/a/b/", "/y", "/y"},
      {"absolute wins over empty base", "", "/y", "/y"},
      {"repeated / collapse", "/a//b/", "c//d", "/a/b/c/d"},
      {"trailing / kept when the new path has one", "/a", "b/", "/a/b/"},
      {"trailing / of the base dropped", "/a/b/", "c", "/a/b/c"},
      {"empty new path keeps the base's /", "/a/b/", "", "/a/b/"},
      {"up twice", "/a/b/c/", "../../x", "/a/x"},
      {"up past the root stays at the root", "/a/", "../../x", "/x"},
      {"up to the root keeps /", "/a/", "..", "/"},
      {"single dot stays", "/a/", "./x", "/a/./x"},
      {"..name is a name", "/a/", "..x", "/a/..x"},
      {"dots inside a name", "/a/", "b..c", "/a/b..c"},
      {"no base", "", "x/y", "x/y"},
      {"root alone", "/", "", "/"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.note) + ": " + row.base + " + " + row.path);
    EXPECT_EQ(TNetURI::PathResolve(row.base, row.path), row.resolved);
  }
}

TEST(NetURIPathResolve, UsesTheGivenSeparator) {
  EXPECT_EQ(TNetURI::PathResolve("\\a\\b\\", "..\\x", '\\'), "\\a\\x");
}

}  // namespace
}  // namespace lumora
