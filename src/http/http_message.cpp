#include "http/http_message.h"

#include <optional>

#include "base/text.h"
#include "http/http_client.h"

namespace lumora {

int TNetHTTPResponse::StatusCode() {
  std::string text = ResponseText;
  size_t blank = text.find(' ');
  text = blank == std::string::npos ? std::string() : Trim(text.substr(blank + 1));
  text = text.substr(0, text.find(' '));
  // Only plain decimal digits count as a code.
  bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  auto code = digits ? ParseInt32(text) : std::nullopt;
  response_code_ = code ? *code : -1;
  return response_code_;
}

bool TNetHTTPResponse::IsKeepAlive() {
  if (ResponseText.size() >= 8) {
    std::string version = ResponseText.substr(5, 3);
    if (SameText(version, "1.0"))
      ResponseVersion = pv1_0;
    else if (SameText(version, "1.1"))
      ResponseVersion = pv1_1;
  }
  owner_->CheckConnectionLost(false, false);
  keep_alive_ = owner_->IsConnected();
  if (keep_alive_) {
    std::string connection = Trim(Connection);
    std::string proxy = Trim(ProxyConnection);
    if (owner_->ProtocolVersion == pv1_0)
      keep_alive_ = SameText(connection, "KEEP-ALIVE") || SameText(proxy, "KEEP-ALIVE");
    else
      keep_alive_ = !SameText(connection, "CLOSE") && !SameText(proxy, "CLOSE");
  }
  return keep_alive_;
}

}  // namespace lumora
