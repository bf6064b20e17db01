#pragma once
// The two translation legs of a rewrite, Chinese to English and back, posted
// through one shared TNetHTTP whose settings and cookies persist between legs.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "http/http_client.h"
#include "rewrite/rewrite_text.h"

namespace lumora {

// The endpoint for a service given as "http://host[:port]"; any path or query
// given is replaced by the fixed one. Raises Exception for anything else.
std::string TranslationEndpointUrl(const std::string& service_url);

class TRoundTripRewriter {
 public:
  // A service that accepts and never answers must not freeze the caller.
  static constexpr int kConnectTimeoutMs = 10000;
  static constexpr int kReadTimeoutMs = 30000;
  // The whole of one leg, however the service trickles its answer.
  static constexpr int kLegTimeLimitMs = 60000;
  // A service works on the whole text before its first answer byte: each
  // MiB of request body adds one more of the read and the leg limit.
  static constexpr int64_t kBodyBytesPerLimit = int64_t{1} << 20;

  TRoundTripRewriter(TNetHTTP& http, std::string endpoint_url);
  // The endpoint is asked for at each leg, so it may become known late.
  TRoundTripRewriter(TNetHTTP& http, std::function<std::string()> endpoint);

  // Milliseconds one leg may take from connect to the last byte, for a small
  // body; past it the leg raises ENetReadTimeout ("Read Timeout") or
  // ENetConnectTimeout. 0 sets no limit.
  void SetLegTimeLimit(int ms) { leg_time_limit_ms_ = ms; }
  // Milliseconds one read may wait, for a small body; 0 waits without limit.
  void SetReadTimeLimit(int ms) { read_time_limit_ms_ = ms; }

  // base_ms for a body of body_bytes: one more base_ms per kBodyBytesPerLimit,
  // at most INT_MAX; 0 stays 0 (no limit).
  static int ScaledLimitMs(int base_ms, int64_t body_bytes);

  // Each raises whatever the exchange raises.
  std::string TranslateToEnglish(std::string_view utf8_text);
  std::string TranslateToChinese(std::string_view utf8_text, bool line_breaks);

 private:
  std::string Leg(TranslationDirection direction, std::string_view utf8_text, bool line_breaks);

  TNetHTTP& http_;
  std::function<std::string()> endpoint_;
  int leg_time_limit_ms_ = kLegTimeLimitMs;
  int read_time_limit_ms_ = kReadTimeoutMs;
};

}  // namespace lumora
