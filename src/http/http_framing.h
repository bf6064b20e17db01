#pragma once
// How a response body is delimited, and the chunk-size line of the chunked
// coding: plain functions over the parsed head and the line's text.

#include <cstdint>
#include <string_view>

#include "http/http_message.h"

namespace lumora {

enum class TNetBodyFraming {
  kNone,        // no body at all
  kChunked,     // chunks until a size of 0, then the trailer
  kLength,      // exactly Content-Length bytes
  kUntilClose,  // everything until the peer closes
};

// HEAD, 1xx, 204 and 304 carry no body. Otherwise a "chunked" coding in
// transfer_encoding (names ignoring case) wins over any Content-Length; then
// a length of 1 or more is read by length, a length of 0 means no body, and
// no usable length (-1) reads until the peer closes.
TNetBodyFraming DecideBodyFraming(TNetHTTPMethod method, int status_code,
                                  std::string_view transfer_encoding, int64_t content_length);

// The size of a chunk-size line (CR LF already removed): hexadecimal digits,
// optionally followed by blanks and ";" extensions, which are dropped. Raises
// ENetHTTPResponseInvalid "Invalid chunk size" for anything else, for more
// than kMaxChunkSizeDigits digits and for a size beyond a signed 64-bit count.
int64_t ParseChunkSize(std::string_view line);

}  // namespace lumora
