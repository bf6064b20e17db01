#include "http/http_framing.h"

#include <limits>

#include "base/text.h"
#include "http/http_exceptions.h"
#include "http/http_limits.h"

namespace lumora {

namespace {

bool HasChunkedCoding(std::string_view transfer_encoding) {
  while (!transfer_encoding.empty()) {
    const size_t comma = transfer_encoding.find(',');
    std::string_view coding = transfer_encoding.substr(0, comma);
    // A coding may carry parameters after ";".
    coding = coding.substr(0, coding.find(';'));
    if (SameText(Trim(coding), "chunked")) return true;
    if (comma == std::string_view::npos) break;
    transfer_encoding.remove_prefix(comma + 1);
  }
  return false;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

TNetBodyFraming DecideBodyFraming(TNetHTTPMethod method, int status_code,
                                  std::string_view transfer_encoding, int64_t content_length) {
  if (method == hmHead || status_code / 100 == 1 || status_code == 204 || status_code == 304)
    return TNetBodyFraming::kNone;
  if (HasChunkedCoding(transfer_encoding)) return TNetBodyFraming::kChunked;
  if (content_length >= 1) return TNetBodyFraming::kLength;
  if (content_length == 0) return TNetBodyFraming::kNone;
  return TNetBodyFraming::kUntilClose;
}

int64_t ParseChunkSize(std::string_view line) {
  const std::string digits = Trim(line.substr(0, line.find(';')));
  if (digits.empty() || digits.size() > static_cast<size_t>(kMaxChunkSizeDigits))
    throw ENetHTTPResponseInvalid("Invalid chunk size");
  uint64_t size = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) throw ENetHTTPResponseInvalid("Invalid chunk size");
    size = size * 16 + static_cast<uint64_t>(digit);
  }
  if (size > static_cast<uint64_t>(std::numeric_limits<int64_t>::max()))
    throw ENetHTTPResponseInvalid("Invalid chunk size");
  return static_cast<int64_t>(size);
}

}  // namespace lumora
