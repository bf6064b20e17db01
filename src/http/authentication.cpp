#include "http/authentication.h"

#include <map>
#include <mutex>

#include "base/text.h"

namespace lumora {

TNetAuthWhatsNext TNetAuthentication::Next() {
  TNetAuthWhatsNext next = DoNext();
  if (next == wnDoRequest) ++current_step_;
  return next;
}

std::string TNetBasicAuthentication::Authentication() const {
  return "Basic " + EncodeBase64(Username + ":" + Password);
}

TNetAuthWhatsNext TNetBasicAuthentication::DoNext() {
  for (const std::string& challenge : AuthParams) {
    std::string_view rest(challenge);
    size_t blank = rest.find(' ');
    if (!SameText(rest.substr(0, blank), "Basic")) continue;
    rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    while (!rest.empty()) {
      size_t sep = rest.find(", ");
      std::string_view pair = rest.substr(0, sep);
      rest = sep == std::string_view::npos ? std::string_view() : rest.substr(sep + 2);
      size_t eq = pair.find('=');
      if (eq == std::string_view::npos || !SameText(Trim(pair.substr(0, eq)), "realm")) continue;
      std::string value = Trim(pair.substr(eq + 1));
      if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
      realm_ = value;
    }
    break;
  }
  switch (CurrentStep()) {
    case 0:
      return Username.empty() ? wnAskTheProgram : wnDoRequest;
    case 1:
      return wnFail;
    default:
      return wnDoRequest;
  }
}

namespace {

struct Registry {
  std::mutex lock;
  std::map<std::string, TNetAuthenticationFactory> schemes;
};

Registry& TheRegistry() {
  static Registry registry;
  static std::once_flag basic;
  std::call_once(basic, [] {
    registry.schemes["BASIC"] = [] { return std::make_unique<TNetBasicAuthentication>(); };
  });
  return registry;
}

}  // namespace

TNetAuthenticationFactory FindAuthScheme(const std::string& scheme) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  auto it = r.schemes.find(UpperCase(scheme));
  return it == r.schemes.end() ? TNetAuthenticationFactory() : it->second;
}

void RegisterAuthScheme(const std::string& scheme, TNetAuthenticationFactory factory) {
  Registry& r = TheRegistry();
  std::lock_guard<std::mutex> guard(r.lock);
  r.schemes[UpperCase(scheme)] = std::move(factory);
}

std::string EncodeBase64(std::string_view bytes) {
  static const char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  size_t i = 0;
  for (; i + 2 < bytes.size(); i += 3) {
    uint32_t v = (static_cast<uint8_t>(bytes[i]) << 16) |
                 (static_cast<uint8_t>(bytes[i + 1]) << 8) | static_cast<uint8_t>(bytes[i + 2]);
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += kAlphabet[(v >> 6) & 63];
    out += kAlphabet[v & 63];
  }
  if (i < bytes.size()) {
    uint32_t v = static_cast<uint8_t>(bytes[i]) << 16;
    if (i + 1 < bytes.size()) v |= static_cast<uint8_t>(bytes[i + 1]) << 8;
    out += kAlphabet[v >> 18];
    out += kAlphabet[(v >> 12) & 63];
    out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
    out += '=';
  }
  return out;
}

}  // namespace lumora
