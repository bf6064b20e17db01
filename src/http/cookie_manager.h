#pragma once
// The cookie store the HTTP client keeps between requests: takes the values
// of "Set-cookie" and "Set-cookie2" header fields and gives the "Cookie"
// header value for a request.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "http/cookie.h"
#include "http/cookie_store.h"
#include "http/uri.h"

namespace lumora {

class TNetCookieManager {
 public:
  using TCookieCollectionEvent =
      std::function<void(TNetCookieManager& sender, TNetCookies& cookieCollection)>;
  // accept starts true; clearing it drops the cookie.
  using TNewCookieEvent =
      std::function<void(TNetCookieManager& sender, TNetNetscapeCookie& cookie, bool& accept)>;

  // onCreate runs once the manager and its empty collection exist.
  explicit TNetCookieManager(TCookieCollectionEvent onCreate = {});
  // OnDestroy runs while the cookies still exist.
  ~TNetCookieManager();
  TNetCookieManager(const TNetCookieManager&) = delete;
  TNetCookieManager& operator=(const TNetCookieManager&) = delete;

  // Stores a "Set-cookie" value received from requestHost; false when the
  // cookie is refused (domain not allowed for that host, control characters
  // in name or value, or OnNewCookie said no).
  bool AddCookie(std::string_view cookieText, std::string_view requestHost);
  // The same for a "Set-cookie2" value.
  bool AddCookie2(std::string_view cookieText, std::string_view requestHost);

  // The "Cookie" header value for a request to uri ("name=value; …",
  // greatest path first), empty when no cookie applies. Expired cookies are
  // dropped first. secure tells that the connection is encrypted; a Secure
  // cookie goes only with it and an https URI.
  std::string GenerateCookieList(const TNetURI& uri, bool secure = false);

  TNetCookies& CookieCollection() { return cookies_; }
  const TNetCookies& CookieCollection() const { return cookies_; }

  void SetOnNewCookie(TNewCookieEvent handler) { on_new_cookie_ = std::move(handler); }
  void SetOnDestroy(TCookieCollectionEvent handler) { on_destroy_ = std::move(handler); }

 private:
  bool StoreCookie(std::unique_ptr<TNetNetscapeCookie> cookie, std::string_view requestHost);

  TNetCookies cookies_;
  TNewCookieEvent on_new_cookie_;
  TCookieCollectionEvent on_destroy_;
};

}  // namespace lumora
