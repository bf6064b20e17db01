#include "http/http_response_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "base/text.h"
#include "http/http_exceptions.h"
#include "http/http_framing.h"
#include "http/http_limits.h"
#include "net/net_exception.h"

namespace lumora {

namespace {

// A sink for bodies nobody reads.
class TNullStream : public TStream {
 public:
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t count) override {
    position_ += count;
    if (position_ > size_) size_ = position_;
    return count;
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    position_ = origin == TSeekOrigin::soBeginning ? offset
                : origin == TSeekOrigin::soCurrent ? position_ + offset
                                                   : size_ + offset;
    return position_;
  }
  int64_t Size() override { return size_; }
  void SetSize(int64_t size) override {
    size_ = size;
    if (position_ > size) position_ = size;
  }

 private:
  int64_t position_ = 0;
  int64_t size_ = 0;
};

// Keeps at most a fixed number of bytes; the rest of an error body is cut.
class TBoundedStringStream : public TStringStream {
 public:
  struct Full {};
  explicit TBoundedStringStream(int64_t limit) : limit_(limit) {}
  int64_t Write(const void* buffer, int64_t count) override {
    int64_t room = limit_ - Position();
    if (count > room) {
      if (room > 0) TStringStream::Write(buffer, room);
      throw Full{};
    }
    return TStringStream::Write(buffer, count);
  }
  void SetSize(int64_t size) override { TStringStream::SetSize(std::min(size, limit_)); }
  void Reserve(int64_t capacity) override { TStringStream::Reserve(std::min(capacity, limit_)); }

 private:
  int64_t limit_;
};

// Sets the connection's ReadTimeout for one scope.
class TReadTimeoutScope {
 public:
  TReadTimeoutScope(TNetTCPConnection& connection, int ms)
      : connection_(connection), saved_(connection.ReadTimeout()) {
    connection.SetReadTimeout(ms);
  }
  ~TReadTimeoutScope() { connection_.SetReadTimeout(saved_); }
  TReadTimeoutScope(const TReadTimeoutScope&) = delete;
  TReadTimeoutScope& operator=(const TReadTimeoutScope&) = delete;

 private:
  TNetTCPConnection& connection_;
  int saved_;
};

std::string ReadHeadLine(TNetTCPConnection& connection) {
  return connection.ReadLine("\n", kNetTimeoutDefault, -1);
}

void ReadChunkedBody(TNetTCPConnection& connection, TStream& stream) {
  connection.DoStatus(TNetStatus::hsStatusText, "Chunk Started");
  for (int64_t size = ParseChunkSize(ReadHeadLine(connection)); size > 0;
       size = ParseChunkSize(ReadHeadLine(connection))) {
    connection.ReadToStream(stream, size, false);
    ReadHeadLine(connection);
  }
  // The trailer ends with an empty line; reading all of it keeps a reused
  // connection in step.
  for (int i = 0; i < kMaxTrailerLines; ++i)
    if (ReadHeadLine(connection).empty()) return;
  throw ENetHTTPResponseInvalid("Chunked trailer too long");
}

}  // namespace

void ReadStatusAndHeaders(TNetTCPConnection& connection, TNetHTTPResponse& response) {
  response.ResponseText = ReadHeadLine(connection);
  ReadHeaderBlock(connection, response);
}

void ReadHeaderBlock(TNetTCPConnection& connection, TNetHTTPResponse& response) {
  TNetHeaderList& lines = response.HeaderLines;
  lines.Clear();
  int64_t bytes = 0;
  try {
    for (;;) {
      std::string line = ReadHeadLine(connection);
      if (line.empty()) break;
      bytes += static_cast<int64_t>(line.size()) + 2;
      if (bytes > kMaxHeaderBlockBytes || lines.Count() >= kMaxHeaderLines) {
        connection.CloseConnection();
        throw ENetHTTPResponseInvalid("Response header block too large");
      }
      lines.Add(std::move(line));
    }
  } catch (const ENetConnClosedGracefully&) {
    connection.CloseConnection();
  }
  response.ParseHeaderLines();
}

void ReadResponseBody(TNetTCPConnection& connection, TNetHTTPResponse& response,
                      TNetHTTPMethod method, TStream& stream) {
  const TNetBodyFraming framing =
      DecideBodyFraming(method, response.StatusCode(),
                        response.HeaderLines.Values("Transfer-Encoding"), response.ContentLength());
  switch (framing) {
    case TNetBodyFraming::kNone:
      return;
    case TNetBodyFraming::kChunked:
      ReadChunkedBody(connection, stream);
      return;
    case TNetBodyFraming::kLength:
      // A body cut short keeps what arrived and raises the peer's close.
      connection.ReadToStream(stream, response.ContentLength(), false);
      return;
    case TNetBodyFraming::kUntilClose:
      connection.ReadToStream(stream, -1, true);
      return;
  }
}

void DiscardResponseBody(TNetTCPConnection& connection, TNetHTTPResponse& response,
                         TNetHTTPMethod method) {
  TNullStream sink;
  TReadTimeoutScope limit(connection, kDiscardBodyReadTimeoutMs);
  try {
    ReadResponseBody(connection, response, method, sink);
  } catch (const std::exception&) {
    // A body nobody reads may fail as it likes.
  }
}

void RaiseHTTPError(TNetTCPConnection& connection, TNetHTTPResponse& response,
                    TNetHTTPMethod method) {
  TBoundedStringStream body(kMaxErrorBodyBytes);
  {
    TReadTimeoutScope limit(connection, kErrorBodyReadTimeoutMs);
    try {
      ReadResponseBody(connection, response, method, body);
    } catch (const TBoundedStringStream::Full&) {
      connection.CloseConnection();
    } catch (const ENetConnClosedGracefully&) {
      // The status tells more than a body cut short; what came is kept.
    }
  }
  throw ENetHTTPProtocolException(response.StatusCode(), response.ResponseText, body.DataString());
}

}  // namespace lumora
