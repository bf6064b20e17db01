#include "http/cookie_rules.h"

#include <arpa/inet.h>
#include <netinet/in.h>

#include <string>

#include "base/text.h"

namespace lumora {

bool IsIPAddress(std::string_view host) {
  if (host.empty()) return false;
  // Every IPv6 literal holds a ":"; no host name does.
  if (host.find(':') != std::string_view::npos || host.front() == '[') return true;
  // inet_aton takes the short and hexadecimal forms too, which a resolver
  // would connect to as addresses, so they must not pass for names.
  in_addr addr{};
  return inet_aton(std::string(host).c_str(), &addr) != 0;
}

bool IsCookieDomainAllowed(std::string_view domain, std::string_view requestHost) {
  if (domain.empty() || requestHost.empty()) return false;
  if (IsIPAddress(requestHost)) return SameText(domain, requestHost);
  if (requestHost.front() == '.' || IsIPAddress(domain)) return false;
  if (domain.front() != '.') return SameText(domain, requestHost);

  const std::string_view labels = domain.substr(1);
  if (labels.empty() || labels.front() == '.' || labels.back() == '.' ||
      labels.find('.') == std::string_view::npos || labels.find("..") != std::string_view::npos)
    return false;
  const size_t dot = requestHost.find('.');
  return dot != std::string_view::npos && SameText(domain, requestHost.substr(dot));
}

bool CookieDomainMatches(std::string_view domain, std::string_view host) {
  if (domain.empty() || host.empty()) return false;
  if (IsIPAddress(host) || IsIPAddress(domain)) return SameText(domain, host);
  if (domain.front() == '.') return host.size() > domain.size() && EndsText(domain, host);
  if (SameText(domain, host)) return true;
  return host.size() > domain.size() && host[host.size() - domain.size() - 1] == '.' &&
         EndsText(domain, host);
}

bool CookiePathMatches(std::string_view cookiePath, std::string_view requestPath) {
  if (cookiePath.empty() || !requestPath.starts_with(cookiePath)) return false;
  return cookiePath.size() == requestPath.size() || cookiePath.back() == '/' ||
         requestPath[cookiePath.size()] == '/';
}

bool HasControlCharacters(std::string_view text) {
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return true;
  }
  return false;
}

}  // namespace lumora
