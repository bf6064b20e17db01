#include "http/cookie_manager.h"

#include <algorithm>
#include <vector>

#include "base/text.h"
#include "http/cookie_rules.h"

namespace lumora {

TNetCookieManager::TNetCookieManager(TCookieCollectionEvent onCreate) {
  if (onCreate) onCreate(*this, cookies_);
}

TNetCookieManager::~TNetCookieManager() {
  if (on_destroy_) on_destroy_(*this, cookies_);
}

bool TNetCookieManager::AddCookie(std::string_view cookieText, std::string_view requestHost) {
  auto cookie = std::make_unique<TNetCookieRFC2109>();
  cookie->SetCookieText(cookieText);
  return StoreCookie(std::move(cookie), requestHost);
}

bool TNetCookieManager::AddCookie2(std::string_view cookieText, std::string_view requestHost) {
  auto cookie = std::make_unique<TNetCookieRFC2965>();
  cookie->SetCookieText(cookieText);
  return StoreCookie(std::move(cookie), requestHost);
}

bool TNetCookieManager::StoreCookie(std::unique_ptr<TNetNetscapeCookie> cookie,
                                    std::string_view requestHost) {
  if (cookie->Domain().empty()) cookie->SetDomain(std::string(requestHost));
  if (!IsCookieDomainAllowed(cookie->Domain(), requestHost)) return false;
  // A control character could end the "Cookie" header line early or smuggle
  // another one in.
  if (HasControlCharacters(cookie->Name()) || HasControlCharacters(cookie->Value())) return false;
  if (on_new_cookie_) {
    bool accept = true;
    on_new_cookie_(*this, *cookie, accept);
    if (!accept) return false;
  }
  cookies_.AddCookie(std::move(cookie));
  return true;
}

std::string TNetCookieManager::GenerateCookieList(const TNetURI& uri, bool secure) {
  cookies_.RemoveExpired(Now());
  // A secure handler in pass-through mode still talks plain http, so the
  // scheme must say https too.
  const bool encrypted = secure && SameText(uri.Protocol(), "https");

  struct Entry {
    size_t pathLength;
    uint64_t order;
    std::string pair;
  };
  std::vector<Entry> entries;
  {
    auto guard = cookies_.LockRead();
    for (int d = 0; d < cookies_.DomainCount(); ++d) {
      if (!CookieDomainMatches(cookies_.DomainName(d), uri.Host())) continue;
      const TNetCookieList& list = cookies_.DomainList(d);
      for (int i = 0; i < list.Count(); ++i) {
        const TNetNetscapeCookie& cookie = *list.Cookie(i);
        if (!CookiePathMatches(cookie.Path(), uri.Path())) continue;
        if (cookie.Secure() && !encrypted) continue;
        if (cookie.Value().empty()) continue;
        entries.push_back({cookie.Path().size(), TNetCookies::CreationOrder(cookie),
                           cookie.Name() + "=" + cookie.Value()});
      }
    }
  }
  // Every matching path is a prefix of the request path, so the longest is
  // the greatest; among equal paths the older cookie goes first.
  std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
    return a.pathLength != b.pathLength ? a.pathLength > b.pathLength : a.order < b.order;
  });
  std::string result;
  for (const Entry& entry : entries) {
    if (!result.empty()) result += "; ";
    result += entry.pair;
  }
  return result;
}

}  // namespace lumora
