// How a response body is delimited, and the chunk-size line, as tables.
#include "http/http_framing.h"

#include <gtest/gtest.h>

#include <string>

#include "http/http_exceptions.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

TEST(BodyFraming, DecidedByMethodStatusCodingAndLength) {
  using F = TNetBodyFraming;
  struct Row {
    const char* what;
    TNetHTTPMethod method;
    int code;
    std::string coding;
    int64_t length;
    F framing;
  } rows[] = {
      {"HEAD never has a body", hmHead, 200, "chunked", 10, F::kNone},
      {"1xx has none", hmGet, 101, "", -1, F::kNone},
      {"204 has none", hmGet, 204, "", 5, F::kNone},
      {"304 has none, not even until close", hmGet, 304, "", -1, F::kNone},
      {"chunked", hmGet, 200, "chunked", -1, F::kChunked},
      {"chunked wins over a length", hmGet, 200, "chunked", 3, F::kChunked},
      {"coding names ignore case", hmPost, 200, "Chunked", -1, F::kChunked},
      {"chunked after another coding", hmGet, 200, "gzip, CHUNKED", -1, F::kChunked},
      {"a coding merely containing the word", hmGet, 200, "xchunked", -1, F::kUntilClose},
      {"length", hmGet, 200, "", 26, F::kLength},
      {"length of an error body", hmGet, 500, "", 4, F::kLength},
      {"length 0", hmGet, 200, "", 0, F::kNone},
      {"no length", hmGet, 200, "", -1, F::kUntilClose},
      {"another coding and no length", hmGet, 200, "gzip", -1, F::kUntilClose},
  };
  for (const Row& r : rows)
    EXPECT_EQ(DecideBodyFraming(r.method, r.code, r.coding, r.length), r.framing) << r.what;
}

TEST(ChunkSize, ReadsHexDigitsAndDropsExtensions) {
  struct Row {
    const char* line;
    int64_t size;
  } rows[] = {
      {"0", 0},                                    // the last chunk
      {"1a", 26},                                  // lower case
      {"1A", 26},                                  // upper case
      {"3;name=x", 3},                             // an extension
      {"3 ; name=\"a;b\"", 3},                     // blanks before the extension
      {"  10\t", 16},                              // blanks around
      {"7fffffffffffffff", 0x7fffffffffffffffLL},  // the largest count
      {"0000000000000010", 16},                    // sixteen digits with leading zeros
  };
  for (const Row& r : rows) EXPECT_EQ(ParseChunkSize(r.line), r.size) << r.line;
}

TEST(ChunkSize, AnythingElseIsInvalid) {
  const char* rows[] = {
      "",                   // an empty line
      ";ext",               // an extension without a size
      "xyz",                // not hexadecimal
      "1g",                 // a stray letter after digits
      "-1",                 // a sign
      "0x10",               // a C prefix
      "1 2",                // two numbers
      "8000000000000000",   // beyond a signed 64-bit count
      "00000000000000001",  // seventeen digits
  };
  for (const char* line : rows) {
    SCOPED_TRACE(line);
    EXPECT_RAISES(ENetHTTPResponseInvalid, "Invalid chunk size", ParseChunkSize(line));
  }
}

}  // namespace
}  // namespace lumora
