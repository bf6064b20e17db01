// Response bodies read through an in-memory transport: the framing rules
// where a body is cut short, mislabelled or badly chunked.
#include "http/http_response_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/exception.h"
#include "base/stream.h"
#include "http/http_client.h"
#include "http/http_exceptions.h"
#include "net/net_exception.h"
#include "support/expect_raises.h"
#include "support/memory_io_handler.h"

namespace lumora {
namespace {

using ::testing::AllOf;
using ::testing::Property;
using ::testing::Throws;

// A component whose transport is the scripted handler.
struct MemoryExchange {
  explicit MemoryExchange(std::vector<std::string> pieces) : handler(std::move(pieces)) {
    http.SetIOHandler(&handler);
  }
  TMemoryIOHandler handler;
  TNetHTTP http;
};

// One byte a piece, so every line and count crosses reads.
std::vector<std::string> Bytewise(const std::string& text) {
  std::vector<std::string> pieces;
  for (char c : text) pieces.emplace_back(1, c);
  return pieces;
}

TEST(ResponseReader, HeadAndBodyCrossingEveryReadBoundary) {
  MemoryExchange x(
      Bytewise("HTTP/1.1 200 OK\r\nTransfer-Encoding: "
               "chunked\r\n\r\n4\r\nabcd\r\n2;x=y\r\nef\r\n0\r\n\r\n"));
  EXPECT_EQ(x.http.Get("http://memory/"), "abcdef");
  EXPECT_EQ(x.handler.Written().substr(0, 16), "GET / HTTP/1.1\r\n");
  EXPECT_FALSE(x.handler.PiecesLeft());
}

TEST(ResponseReader, BodyShorterThanItsLengthRaisesAndKeepsWhatCame) {
  MemoryExchange x({"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc"});
  TStringStream out;
  EXPECT_RAISES(ENetConnClosedGracefully, "Connection Closed Gracefully.",
                x.http.Get("http://memory/", &out));
  EXPECT_EQ(out.DataString(), "abc");
}

TEST(ResponseReader, ChunkedTakesPrecedenceOverContentLength) {
  MemoryExchange x({"HTTP/1.1 200 OK\r\nContent-Length: 3\r\nTransfer-Encoding: chunked\r\n\r\n",
                    "5\r\nhello\r\n0\r\n\r\n", "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nnext"});
  EXPECT_EQ(x.http.Get("http://memory/"), "hello");
  // The connection stayed in step: the next answer is read whole.
  EXPECT_EQ(x.http.Get("http://memory/"), "next");
  EXPECT_EQ(x.handler.Connects(), 1);
}

TEST(ResponseReader, TransferCodingNamesIgnoreCase) {
  MemoryExchange x({"HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n3\r\nabc\r\n0\r\n\r\n"});
  EXPECT_EQ(x.http.Get("http://memory/"), "abc");
}

TEST(ResponseReader, ChunkSizeThatIsNotHexRaisesInsteadOfEndingTheBody) {
  MemoryExchange x(
      {"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\nzz\r\nmore\r\n0\r\n\r\n"});
  EXPECT_RAISES(ENetHTTPResponseInvalid, "Invalid chunk size", x.http.Get("http://memory/"));
}

TEST(ResponseReader, ErrorStatusWithABodyCutShortKeepsTheStatus) {
  MemoryExchange x({"HTTP/1.1 502 Bad Gateway\r\nContent-Length: 50\r\n\r\npartial"});
  EXPECT_THAT([&] { x.http.Get("http://memory/"); },
              Throws<ENetHTTPProtocolException>(
                  AllOf(Property(&Exception::Message, "HTTP/1.1 502 Bad Gateway"),
                        Property(&ENetHTTPProtocolException::ErrorMessage, "partial"))));
}

TEST(ResponseReader, NotModifiedReadsNoBodyOnAnOpenConnection) {
  // The peer keeps the connection open and sends nothing more: reading a
  // body until close would end in "Read Timeout" instead of the status.
  MemoryExchange x({"HTTP/1.1 304 Not Modified\r\nETag: \"1\"\r\n\r\n"});
  x.handler.SetStallAtEnd(true);
  EXPECT_THAT(
      [&] { x.http.Get("http://memory/"); },
      Throws<ENetHTTPProtocolException>(Property(&ENetHTTPProtocolException::ReplyErrorCode, 304)));
}

TEST(ResponseReader, StatusAndHeadersWithoutTheClient) {
  TMemoryIOHandler handler({"HTTP/1.0 404 Not Found\nServer: x\n Continued\n\nbody"});
  TNetHTTP owner;
  owner.SetIOHandler(&handler);
  owner.OpenConnection();
  TNetHTTPResponse response(&owner);
  ReadStatusAndHeaders(owner, response);
  EXPECT_EQ(response.ResponseText, "HTTP/1.0 404 Not Found");
  EXPECT_EQ(response.StatusCode(), 404);
  EXPECT_EQ(response.Server, "x Continued");
  TStringStream body;
  ReadResponseBody(owner, response, hmGet, body);
  EXPECT_EQ(body.DataString(), "body");
}

}  // namespace
}  // namespace lumora
