#include "http/cookie_rules.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

TEST(CookieRules, WhichHostMaySetWhichDomain) {
  struct Row {
    const char* note;
    const char* domain;
    const char* host;
    bool allowed;
  } rows[] = {
      {"own name", "a.b.c", "a.b.c", true},
      {"own name ignoring case", "A.B.c", "a.b.C", true},
      {"parent domain with dot", ".b.c", "a.b.c", true},
      {"parent without dot", "b.c", "a.b.c", false},
      {"grandparent", ".c.d", "a.b.c.d", false},
      {"sibling", ".x.c", "a.b.c", false},
      {"other site", "evil.com", "a.b.c", false},
      {"suffix not on a label", ".ample.com", "www.example.com", false},
      {"top-level domain", ".com", "example.com", false},
      {"top-level with trailing dot", ".com.", "example.com.", false},
      {"empty labels", ".b..c", "a.b..c", false},
      {"lone dot", ".", "a.", false},
      {"name without dots", "localhost", "localhost", true},
      {"address sets itself", "127.0.0.1", "127.0.0.1", true},
      {"address sets no other", "127.0.0.2", "127.0.0.1", false},
      {"address sets no parent", ".0.0.1", "127.0.0.1", false},
      {"short address form", "127.1", "127.1", true},
      {"name sets no address", "10.0.0.1", "a.b.c", false},
      {"IPv6 literal", "[::1]", "[::1]", true},
      {"empty domain", "", "a.b.c", false},
      {"empty host", "a.b.c", "", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.note) + ": " + row.domain + " from " + row.host);
    EXPECT_EQ(IsCookieDomainAllowed(row.domain, row.host), row.allowed);
  }
}

TEST(CookieRules, DomainMatchesOnLabelBoundaries) {
  struct Row {
    const char* note;
    const char* domain;
    const char* host;
    bool match;
  } rows[] = {
      {"same host", "example.com", "example.com", true},
      {"ignoring case", "Example.COM", "example.com", true},
      {"subdomain of a host domain", "example.com", "www.example.com", true},
      {"not on a label", "example.com", "wwwexample.com", false},
      {"dot domain, subdomain", ".example.com", "www.example.com", true},
      {"dot domain, deeper", ".example.com", "a.b.example.com", true},
      {"dot domain, not itself", ".example.com", "example.com", false},
      {"dot domain, not on a label", ".example.com", "wwwexample.com", false},
      {"domain only inside the host", ".example.com", "www.example.com.evil.net", false},
      {"host only inside the domain", "www.example.com", "example.com", false},
      {"address only itself", "127.0.0.1", "127.0.0.1", true},
      {"address not a longer name", "0.0.1", "127.0.0.1", false},
      {"address not another", "127.0.0.1", "127.0.0.10", false},
      {"dot domain not an address", ".0.0.1", "10.0.0.1", false},
      {"empty host", "example.com", "", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.note) + ": " + row.domain + " to " + row.host);
    EXPECT_EQ(CookieDomainMatches(row.domain, row.host), row.match);
  }
}

TEST(CookieRules, PathMatchesWholeSegments) {
  struct Row {
    const char* cookie_path;
    const char* request_path;
    bool match;
  } rows[] = {
      {"/", "/", true},             // root
      {"/", "/a/b/", true},         // root covers all
      {"/foo", "/foo", true},       // equal
      {"/foo", "/foo/", true},      // followed by "/"
      {"/foo", "/foo/bar/", true},  // deeper
      {"/foo", "/foobar", false},   // not a segment
      {"/foo", "/foobar/", false},  // not a segment
      {"/foo/", "/foo/bar", true},  // prefix ending in "/"
      {"/foo/", "/foo", false},     // longer than the request
      {"/translate", "/", false},   // the request path excludes the document
      {"/Foo", "/foo/", false},     // paths compare exactly
      {"", "/", false},             // no path attribute
      {"foo", "/foo", false},       // a prefix starts at the first character
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.cookie_path) + " for " + row.request_path);
    EXPECT_EQ(CookiePathMatches(row.cookie_path, row.request_path), row.match);
  }
}

TEST(CookieRules, ControlCharacters) {
  EXPECT_FALSE(HasControlCharacters("plain value =,/\xE4\xB8\xAD~"));
  using namespace std::string_literals;
  for (const std::string& text : {"a\rb"s, "a\nb"s, "\t"s, "a\0b"s, "x\x7F"s, "\x1F"s})
    EXPECT_TRUE(HasControlCharacters(text)) << testing::PrintToString(text);
}

}  // namespace
}  // namespace lumora
