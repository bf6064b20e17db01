#include "http/cookie_store.h"

#include <algorithm>

#include "base/text.h"
#include "http/cookie_limits.h"

namespace lumora {

int TNetCookieList::IndexOfName(std::string_view name) const {
  for (size_t i = 0; i < cookies_.size(); ++i)
    if (SameText(cookies_[i]->Name(), name)) return static_cast<int>(i);
  return -1;
}

TNetCookies::~TNetCookies() = default;

int TNetCookies::IndexOfDomain(std::string_view domain) const {
  for (size_t i = 0; i < domains_.size(); ++i)
    if (SameText(domains_[i].first, domain)) return static_cast<int>(i);
  return -1;
}

TNetNetscapeCookie* TNetCookies::AddCookie(std::unique_ptr<TNetNetscapeCookie> cookie) {
  std::unique_lock guard(lock_);
  TNetNetscapeCookie* added = cookie.get();

  int domain = IndexOfDomain(added->Domain());
  if (domain >= 0) {
    TNetCookieList& list = *domains_[static_cast<size_t>(domain)].second;
    const int same = list.IndexOfName(added->Name());
    if (same >= 0) {
      TNetNetscapeCookie* old = list.cookies_[static_cast<size_t>(same)];
      added->list_ = &list;
      added->order_ = old->order_;
      list.cookies_[static_cast<size_t>(same)] = added;
      auto slot = std::find_if(cookies_.begin(), cookies_.end(),
                               [old](const auto& c) { return c.get() == old; });
      *slot = std::move(cookie);
      return added;
    }
    if (list.Count() >= kMaxCookiesPerDomain) RemoveLocked(list.cookies_.front());
  }
  if (static_cast<int>(cookies_.size()) >= kMaxCookies) RemoveLocked(cookies_.front().get());

  // Dropping the oldest may have emptied and removed the domain's list.
  domain = IndexOfDomain(added->Domain());
  if (domain < 0) {
    domains_.emplace_back(added->Domain(), std::make_unique<TNetCookieList>());
    domain = static_cast<int>(domains_.size()) - 1;
  }
  TNetCookieList& list = *domains_[static_cast<size_t>(domain)].second;
  added->list_ = &list;
  added->order_ = next_order_++;
  list.cookies_.push_back(added);
  cookies_.push_back(std::move(cookie));
  return added;
}

int TNetCookies::RemoveExpired(TDateTime now) {
  std::unique_lock guard(lock_);
  std::vector<const TNetNetscapeCookie*> expired;
  for (const auto& cookie : cookies_) {
    // 0 is "no date": a text that does not read is no reason to drop it.
    const TDateTime expiry = cookie->ExpiryDate();
    if (expiry != 0 && expiry <= now) expired.push_back(cookie.get());
  }
  for (const TNetNetscapeCookie* cookie : expired) RemoveLocked(cookie);
  return static_cast<int>(expired.size());
}

bool TNetCookies::Remove(const TNetNetscapeCookie* cookie) {
  std::unique_lock guard(lock_);
  auto it = std::find_if(cookies_.begin(), cookies_.end(),
                         [cookie](const auto& c) { return c.get() == cookie; });
  if (it == cookies_.end()) return false;
  RemoveLocked(cookie);
  return true;
}

void TNetCookies::Clear() {
  std::unique_lock guard(lock_);
  domains_.clear();
  cookies_.clear();
}

int TNetCookies::Count() const {
  std::shared_lock guard(lock_);
  return static_cast<int>(cookies_.size());
}

void TNetCookies::RemoveLocked(const TNetNetscapeCookie* cookie) {
  TNetCookieList* list = cookie->list_;
  if (list) {
    std::erase(list->cookies_, cookie);
    if (list->cookies_.empty())
      std::erase_if(domains_, [list](const auto& d) { return d.second.get() == list; });
  }
  std::erase_if(cookies_, [cookie](const auto& c) { return c.get() == cookie; });
}

}  // namespace lumora
