#include "http/cookie.h"

#include <algorithm>
#include <cmath>

#include "base/text.h"
#include "http/internet_date.h"
#include "http/net_text.h"

namespace lumora {

TNetNetscapeCookie::~TNetNetscapeCookie() = default;

void TNetNetscapeCookie::SetCookieText(std::string_view text) {
  if (text == cookie_text_) return;
  cookie_text_ = text;

  std::vector<std::string> parts;
  std::string rest(text);
  while (rest.find(';') != std::string::npos) parts.push_back(Trim(CutAtDelimiter(rest, ";")));
  rest = Trim(rest);
  if (!rest.empty() || parts.empty()) parts.push_back(rest);

  std::string first = parts.front();
  name_ = CutAtDelimiter(first, "=");
  value_ = first;

  std::vector<TNetCookieAttribute> attributes;
  for (size_t i = 1; i < parts.size(); ++i) {
    TNetCookieAttribute attribute;
    std::string part = parts[i];
    attribute.hasValue = part.find('=') != std::string::npos;
    attribute.name = UpperCase(Trim(CutAtDelimiter(part, "=")));
    attribute.value = Trim(part);
    attributes.push_back(std::move(attribute));
  }
  LoadProperties(attributes);
}

const TNetCookieAttribute* TNetNetscapeCookie::FindAttribute(
    const std::vector<TNetCookieAttribute>& attributes, std::string_view name) {
  for (auto it = attributes.rbegin(); it != attributes.rend(); ++it)
    if (it->name == name) return &*it;
  return nullptr;
}

void TNetNetscapeCookie::LoadProperties(const std::vector<TNetCookieAttribute>& attributes) {
  const auto value_of = [&](std::string_view name) {
    const TNetCookieAttribute* a = FindAttribute(attributes, name);
    return a ? a->value : std::string();
  };
  path_ = value_of("PATH");
  if (!path_.empty() && path_.front() == '"') path_.erase(0, 1);
  if (!path_.empty() && path_.back() == '"') path_.pop_back();
  expires_ = value_of("EXPIRES");
  domain_ = value_of("DOMAIN");
  // "secure=…" is still a request for secure transport.
  secure_ = FindAttribute(attributes, "SECURE") != nullptr;
}

TDateTime TNetNetscapeCookie::ExpiryDate() const {
  return expires_.empty() ? 0 : StrInternetToDateTime(expires_);
}

void TNetCookieRFC2109::LoadProperties(const std::vector<TNetCookieAttribute>& attributes) {
  TNetNetscapeCookie::LoadProperties(attributes);
  const TNetCookieAttribute* max_age = FindAttribute(attributes, "MAX-AGE");
  max_age_ = max_age ? ParseInt64(max_age->value).value_or(-1) : -1;
  const TNetCookieAttribute* version = FindAttribute(attributes, "VERSION");
  version_ = version ? version->value : std::string();
  const TNetCookieAttribute* comment = FindAttribute(attributes, "COMMENT");
  comment_ = comment ? comment->value : std::string();

  const TDateTime now = Now();
  if (!expires_.empty()) {
    const TDateTime expiry = StrInternetToDateTime(expires_);
    if (expiry != 0) max_age_ = std::llround((expiry - now) * kSecondsPerDay);
  } else if (max_age_ >= 0) {
    // Kept inside the years a date can be written in.
    const TDateTime expiry =
        std::min(now + static_cast<TDateTime>(max_age_) / kSecondsPerDay, EncodeDate(9999, 12, 30));
    expires_ = DateTimeToInternetStr(expiry);
  }
}

void TNetCookieRFC2965::LoadProperties(const std::vector<TNetCookieAttribute>& attributes) {
  TNetCookieRFC2109::LoadProperties(attributes);
  const TNetCookieAttribute* url = FindAttribute(attributes, "COMMENTURL");
  comment_url_ = url ? url->value : std::string();
  discard_ = FindAttribute(attributes, "DISCARD") != nullptr;

  port_list_.clear();
  const TNetCookieAttribute* port = FindAttribute(attributes, "PORT");
  if (port && port->value.size() >= 2 && port->value.front() == '"' && port->value.back() == '"') {
    std::string list = port->value.substr(1, port->value.size() - 2);
    while (!list.empty()) {
      auto number = ParseInt32(Trim(CutAtDelimiter(list, ",")));
      if (number && *number > 0 && *number <= 65535) port_list_.push_back(*number);
    }
  }
  if (port_list_.empty()) port_list_.push_back(80);
}

}  // namespace lumora
