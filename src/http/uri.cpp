#include "http/uri.h"

#include <algorithm>

#include "http/http_exceptions.h"
#include "http/net_text.h"

namespace lumora {

void TNetURI::SetURI(std::string_view uri) {
  uri_ = uri;
  // "\" never occurs inside a UTF-8 multi-byte character, so every one is a
  // separator written the Windows way.
  std::string text(uri);
  std::replace(text.begin(), text.end(), '\\', '/');

  protocol_.clear();
  username_.clear();
  password_.clear();
  host_.clear();
  port_.clear();
  path_.clear();
  document_.clear();
  params_.clear();
  bookmark_.clear();

  // The fragment is never part of what a server sees, so it is split off
  // before "?", "=" or "/" inside it can be taken for query or path.
  if (text.find('#') != std::string::npos) {
    std::string before = CutAtDelimiter(text, "#");
    bookmark_ = text;
    text = before;
  }

  const int scheme_end = NetPos("://", text);
  if (scheme_end == 0) {
    SplitPathAndParams(text, false);
    return;
  }
  protocol_ = text.substr(0, static_cast<size_t>(scheme_end - 1));
  std::string rest = text.substr(static_cast<size_t>(scheme_end + 2));

  // A "?" ends the authority as a "/" does, or "http://h?x=1" would give
  // the host "h?x=1"; the "?" stays with the query.
  std::string authority;
  const size_t end = rest.find_first_of("/?");
  if (end == std::string::npos) {
    authority = rest;
    rest.clear();
  } else {
    authority = rest.substr(0, end);
    rest.erase(0, rest[end] == '/' ? end + 1 : end);
  }
  if (authority.find('@') != std::string::npos) {
    std::string user_info = CutAtDelimiter(authority, "@");
    username_ = CutAtDelimiter(user_info, ":");
    password_ = username_.empty() ? std::string() : user_info;
  }
  host_ = CutAtDelimiter(authority, ":");
  port_ = authority;
  SplitPathAndParams(rest, true);
}

void TNetURI::SplitPathAndParams(const std::string& rest, bool absolute) {
  int query = NetPos("?", rest);
  if (query == 0) query = NetPos("=", rest);
  const int slash = RPos("/", rest, query == 0 ? -1 : query);
  path_ = (absolute ? "/" : "") + rest.substr(0, static_cast<size_t>(slash));
  if (query == 0) {
    document_ = rest;
  } else {
    document_ = rest.substr(0, static_cast<size_t>(query - 1));
    params_ = rest.substr(static_cast<size_t>(query - 1));
  }
  document_.erase(0, static_cast<size_t>(slash));
}

std::string TNetURI::GetFullURI(bool includeUserInfo, bool includeFragment) const {
  if (protocol_.empty()) throw ENetURIException("Protocol field is empty");
  std::string result = protocol_ + "://";
  if (includeUserInfo && !username_.empty()) {
    result += username_;
    if (!password_.empty()) result += ":" + password_;
    result += "@";
  }
  if (host_.empty()) throw ENetURIException("Host field is empty");
  result += host_;
  if (!port_.empty()) result += ":" + port_;
  result += path_ + document_ + params_;
  if (includeFragment && !bookmark_.empty()) result += "#" + bookmark_;
  return result;
}

std::string TNetURI::GetProxyForm() {
  uri_ = GetFullURI(true, true);
  return GetFullURI(false, false);
}

std::string TNetURI::PathResolve(std::string_view base, std::string_view path, char separator) {
  if (!path.empty() && path.front() == separator) return std::string(path);
  const bool keep_trailing = path.empty() || path.back() == separator;
  std::string work(base);
  if (!work.empty() && work.back() != separator) work += separator;
  work += path;

  std::string result;
  const auto ends_with_separator = [&] { return !result.empty() && result.back() == separator; };
  for (size_t i = 0; i < work.size(); ++i) {
    const char c = work[i];
    if (c == separator) {
      if (i == 0)
        result.assign(1, separator);
      else if (!ends_with_separator())
        result += separator;
    } else if (c == '.' && ends_with_separator() && work.compare(i, 2, "..") == 0 &&
               (i + 2 == work.size() || work[i + 2] == separator)) {
      // Only a whole ".." segment climbs; "..foo" is a name like any other.
      result.pop_back();
      while (!result.empty() && result.back() != separator) result.pop_back();
      ++i;
    } else {
      result += c;
    }
  }
  if (result.size() != 1 && ends_with_separator() && !keep_trailing) result.pop_back();
  return result;
}

}  // namespace lumora
