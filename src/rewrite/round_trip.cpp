#include "rewrite/round_trip.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>

#include "base/exception.h"
#include "base/stream.h"
#include "base/text.h"

namespace lumora {

namespace {
constexpr const char* kEndpointTarget =
    "/translate?smartresult=dict&smartresult=rule&sessionFrom=null";
}

std::string TranslationEndpointUrl(const std::string& service_url) {
  const std::string bad =
      "Invalid translation service address \"" + service_url + "\": expected http://host[:port]";
  if (!StartsText("http://", service_url)) throw Exception(bad);
  std::string authority = service_url.substr(7);
  authority = authority.substr(0, authority.find_first_of("/?#"));
  if (authority.empty() || authority.find('@') != std::string::npos) throw Exception(bad);
  size_t colon = authority.find(':');
  std::string host = authority.substr(0, colon);
  if (host.empty()) throw Exception(bad);
  if (colon != std::string::npos) {
    auto port = ParseInt32(authority.substr(colon + 1));
    bool digits = authority.find_first_not_of("0123456789", colon + 1) == std::string::npos;
    if (!digits || !port || *port < 1 || *port > 65535) throw Exception(bad);
    // Port 80 is the default; writing it would only change the Host line.
    if (*port == 80) authority = host;
  }
  return "http://" + authority + kEndpointTarget;
}

TRoundTripRewriter::TRoundTripRewriter(TNetHTTP& http, std::string endpoint_url)
    : TRoundTripRewriter(http, [url = std::move(endpoint_url)] { return url; }) {}

TRoundTripRewriter::TRoundTripRewriter(TNetHTTP& http, std::function<std::string()> endpoint)
    : http_(http), endpoint_(std::move(endpoint)) {
  http_.SetReadTimeout(kReadTimeoutMs);
  http_.ConnectTimeout = kConnectTimeoutMs;
}

int TRoundTripRewriter::ScaledLimitMs(int base_ms, int64_t body_bytes) {
  if (base_ms <= 0) return base_ms;
  const int64_t steps = std::max<int64_t>(body_bytes, 0) / kBodyBytesPerLimit;
  const int64_t most = std::numeric_limits<int>::max();
  if (steps >= most / base_ms) return static_cast<int>(most);
  return static_cast<int>(std::min<int64_t>(most, int64_t{base_ms} * (steps + 1)));
}

std::string TRoundTripRewriter::TranslateToEnglish(std::string_view utf8_text) {
  return Leg(TranslationDirection::ToEnglish, utf8_text, false);
}

std::string TRoundTripRewriter::TranslateToChinese(std::string_view utf8_text, bool line_breaks) {
  return Leg(TranslationDirection::ToChinese, utf8_text, line_breaks);
}

std::string TRoundTripRewriter::Leg(TranslationDirection direction, std::string_view utf8_text,
                                    bool line_breaks) {
  TNetHTTPRequest& request = http_.Request();
  request.Accept = "*/*";
  request.UserAgent = "Mozilla/4.0(compatible;MSIE 7.0;Windows NT 5.1)";
  request.CacheControl = "no-cache";
  request.ContentType = "application/x-www-form-urlencoded";
  http_.HTTPOptions |= hoKeepOrigProtocol;
  http_.ProtocolVersion = pv1_1;
  request.Pragma = "no-cache";
  http_.HandleRedirects = true;
  request.AcceptLanguage = "zh-cn";
  request.AcceptCharSet = "UTF-8";

  const std::string url = endpoint_();
  std::string answer;
  {
    TTranslationBodyStream body(direction, utf8_text);
    request.SetContentLength(body.Size());
    http_.SetReadTimeout(ScaledLimitMs(read_time_limit_ms_, body.Size()));
    const int leg_ms = ScaledLimitMs(leg_time_limit_ms_, body.Size());
    if (leg_ms > 0) http_.SetDeadline(TNetClock::now() + std::chrono::milliseconds(leg_ms));
    try {
      answer = http_.PostToString(url, &body);
    } catch (...) {
      http_.SetDeadline(std::nullopt);
      throw;
    }
    http_.SetDeadline(std::nullopt);
  }
  // The answer becomes the result in its own memory; a result much shorter
  // than the answer (a page that was no translation) gives the rest back.
  DecodeTranslationAnswerInPlace(answer);
  ExtractSegmentsInPlace(answer, line_breaks);
  if (answer.size() < answer.capacity() / 2) answer.shrink_to_fit();
  return answer;
}

}  // namespace lumora
