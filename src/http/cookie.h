#pragma once
// The cookies a server sets: the Netscape form, the RFC 2109 form that
// "Set-cookie" values are read as, and the RFC 2965 form of "Set-cookie2".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "http/date_time.h"

namespace lumora {

class TNetCookieList;

// One attribute of a cookie text: the name upper-cased, and the value when
// the attribute had "=" (otherwise it is a flag such as SECURE).
struct TNetCookieAttribute {
  std::string name;
  std::string value;
  bool hasValue = false;
};

class TNetNetscapeCookie {
 public:
  TNetNetscapeCookie() = default;
  virtual ~TNetNetscapeCookie();
  TNetNetscapeCookie(const TNetNetscapeCookie&) = delete;
  TNetNetscapeCookie& operator=(const TNetNetscapeCookie&) = delete;

  // Parses a "Set-cookie" value: name=value, then attributes separated by
  // ";". Every field is set anew; the same text as last time changes nothing.
  void SetCookieText(std::string_view text);
  const std::string& CookieText() const { return cookie_text_; }

  const std::string& Name() const { return name_; }
  const std::string& Value() const { return value_; }
  // Empty when the text had no path attribute; such a cookie is never sent.
  const std::string& Path() const { return path_; }
  const std::string& Domain() const { return domain_; }
  // The expiry as the server or the max-age wrote it; empty for none.
  const std::string& Expires() const { return expires_; }
  bool Secure() const { return secure_; }

  void SetDomain(std::string domain) { domain_ = std::move(domain); }

  // Expires read as a local date-time; 0 when empty or unreadable.
  TDateTime ExpiryDate() const;

 protected:
  // Sets the fields of this kind from the attributes, those absent to their
  // defaults. Overrides call the base first.
  virtual void LoadProperties(const std::vector<TNetCookieAttribute>& attributes);
  // The last attribute with that (upper-case) name, or nullptr.
  static const TNetCookieAttribute* FindAttribute(
      const std::vector<TNetCookieAttribute>& attributes, std::string_view name);

  std::string expires_;

 private:
  friend class TNetCookies;

  std::string cookie_text_;
  std::string name_;
  std::string value_;
  std::string path_;
  std::string domain_;
  bool secure_ = false;

  // Kept by the store: the list holding the cookie and its age.
  TNetCookieList* list_ = nullptr;
  uint64_t order_ = 0;
};

class TNetCookieRFC2109 : public TNetNetscapeCookie {
 public:
  // Seconds the cookie lives; -1 when the text gave neither max-age nor a
  // readable expiry date.
  int64_t MaxAge() const { return max_age_; }
  const std::string& Version() const { return version_; }
  const std::string& Comment() const { return comment_; }

 protected:
  // An expiry date sets max-age from it; otherwise a max-age of 0 or more
  // sets the expiry text to now plus max-age.
  void LoadProperties(const std::vector<TNetCookieAttribute>& attributes) override;

 private:
  int64_t max_age_ = -1;
  std::string version_;
  std::string comment_;
};

class TNetCookieRFC2965 : public TNetCookieRFC2109 {
 public:
  const std::string& CommentURL() const { return comment_url_; }
  bool Discard() const { return discard_; }
  // The ports of a quoted Port attribute; 80 alone otherwise.
  const std::vector<int>& PortList() const { return port_list_; }

 protected:
  void LoadProperties(const std::vector<TNetCookieAttribute>& attributes) override;

 private:
  std::string comment_url_;
  bool discard_ = false;
  std::vector<int> port_list_{80};
};

}  // namespace lumora
