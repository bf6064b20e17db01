#pragma once
// The two translation legs of a rewrite, Chinese to English and back, posted
// through one shared TNetHTTP whose settings and cookies persist between legs.

#include <functional>
#include <string>

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

  TRoundTripRewriter(TNetHTTP& http, std::string endpoint_url);
  // The endpoint is asked for at each leg, so it may become known late.
  TRoundTripRewriter(TNetHTTP& http, std::function<std::string()> endpoint);

  // Milliseconds one leg may take from connect to the last byte; past it the
  // leg raises ENetReadTimeout ("Read Timeout") or ENetConnectTimeout.
  void SetLegTimeLimit(int ms) { leg_time_limit_ms_ = ms; }

  // Each raises whatever the exchange raises.
  std::string TranslateToEnglish(const std::string& utf8_text);
  std::string TranslateToChinese(const std::string& utf8_text, bool line_breaks);

 private:
  std::string Leg(TranslationDirection direction, const std::string& utf8_text, bool line_breaks);

  TNetHTTP& http_;
  std::function<std::string()> endpoint_;
  int leg_time_limit_ms_ = kLegTimeLimitMs;
};

}  // namespace lumora
