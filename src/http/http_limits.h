#pragma once
// Every bound the HTTP client puts on what a server may send, in one place.

#include <cstdint>

namespace lumora {

// Bytes of one response head (status line excluded), all lines counted.
inline constexpr int64_t kMaxHeaderBlockBytes = 1024 * 1024;
// Header lines in one response head, continuation lines included.
inline constexpr int kMaxHeaderLines = 1000;
// Interim 1xx answers before the real one.
inline constexpr int kMaxInterimResponses = 20;
// Hex digits of a chunk-size (64 bits).
inline constexpr int kMaxChunkSizeDigits = 16;
// Bytes of an error body kept for the exception; the rest is dropped.
inline constexpr int64_t kMaxErrorBodyBytes = 1024 * 1024;
// Lines of trailer read after the last chunk.
inline constexpr int kMaxTrailerLines = 100;
// Milliseconds each read may wait while the body of an HTTP error status is
// read for its exception.
inline constexpr int kErrorBodyReadTimeoutMs = 2000;
// Milliseconds each read may wait while a body nobody wants (a redirect's, or
// one before a retry with credentials) is read and dropped.
inline constexpr int kDiscardBodyReadTimeoutMs = 4000;

}  // namespace lumora
