#pragma once
// The cookie store: owns every cookie, indexes them by domain and then by
// name (both ignoring case), and guards itself with a multi-reader,
// single-writer lock.

#include <cstdint>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "http/cookie.h"
#include "http/date_time.h"

namespace lumora {

// The cookies of one domain in the order they were first stored. The store
// owns the cookies; the list only refers to them.
class TNetCookieList {
 public:
  int Count() const { return static_cast<int>(cookies_.size()); }
  TNetNetscapeCookie* Cookie(int index) const { return cookies_.at(static_cast<size_t>(index)); }
  // Position of the cookie with that name, ignoring case; -1 when none.
  int IndexOfName(std::string_view name) const;

 private:
  friend class TNetCookies;
  std::vector<TNetNetscapeCookie*> cookies_;
};

class TNetCookies {
 public:
  TNetCookies() = default;
  ~TNetCookies();
  TNetCookies(const TNetCookies&) = delete;
  TNetCookies& operator=(const TNetCookies&) = delete;

  // Takes the cookie under the write lock and files it under its domain.
  // A cookie of the same name there takes over the new one's fields, keeping
  // its place and age. Otherwise, with the domain (or the store) full, the
  // oldest cookie there goes first. Returns the cookie as stored.
  TNetNetscapeCookie* AddCookie(std::unique_ptr<TNetNetscapeCookie> cookie);

  // Frees, under the write lock, every cookie whose expiry date is not after
  // now; a cookie whose expiry text does not read keeps living. Returns how
  // many went.
  int RemoveExpired(TDateTime now);
  // Frees one stored cookie; false when it is not in the store.
  bool Remove(const TNetNetscapeCookie* cookie);
  void Clear();
  int Count() const;

  // The lock for callers that walk the domain index below.
  std::shared_lock<std::shared_mutex> LockRead() const {
    return std::shared_lock<std::shared_mutex>(lock_);
  }

  // The domain index; hold LockRead while using it.
  int DomainCount() const { return static_cast<int>(domains_.size()); }
  const std::string& DomainName(int index) const {
    return domains_.at(static_cast<size_t>(index)).first;
  }
  const TNetCookieList& DomainList(int index) const {
    return *domains_.at(static_cast<size_t>(index)).second;
  }
  int IndexOfDomain(std::string_view domain) const;  // ignoring case; -1 when none

  // Age of a stored cookie: smaller is older.
  static uint64_t CreationOrder(const TNetNetscapeCookie& cookie) { return cookie.order_; }

 private:
  void RemoveLocked(const TNetNetscapeCookie* cookie);

  mutable std::shared_mutex lock_;
  // Every cookie, oldest first.
  std::vector<std::unique_ptr<TNetNetscapeCookie>> cookies_;
  std::vector<std::pair<std::string, std::unique_ptr<TNetCookieList>>> domains_;
  uint64_t next_order_ = 1;
};

}  // namespace lumora
