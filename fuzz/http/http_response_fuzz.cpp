// Feeds hostile server bytes to a whole exchange of TNetHTTP over an
// in-memory transport: status lines, header blocks, every body framing,
// redirects and error bodies. The first byte cuts the reply into pieces of
// that many bytes (0: one piece); the second picks the method and whether
// redirects are followed. Our own exceptions are the expected outcome of
// bad input; anything else (a crash, a sanitizer report, a foreign
// exception, an endless exchange) is a finding.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/exception.h"
#include "base/stream.h"
#include "http/http_client.h"
#include "support/memory_io_handler.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const size_t piece = data[0];
  const uint8_t flags = data[1];
  const std::string reply(reinterpret_cast<const char*>(data + 2), size - 2);

  std::vector<std::string> pieces;
  for (size_t at = 0; at < reply.size(); at += piece ? piece : reply.size())
    pieces.push_back(reply.substr(at, piece ? piece : reply.size()));
  TMemoryIOHandler handler(std::move(pieces));

  TNetHTTP http;
  http.SetIOHandler(&handler);
  http.HandleRedirects = flags & 1;
  const TNetHTTPMethod methods[] = {hmGet, hmHead, hmPost};
  TStringStream body("a=1");
  TStringStream response;
  try {
    http.ExecuteRequest(methods[(flags >> 1) % 3], "http://fuzz.example/path?q=1", &body,
                        &response);
  } catch (const Exception&) {
  }
  return 0;
}
