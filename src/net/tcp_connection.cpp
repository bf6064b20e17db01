#include "net/tcp_connection.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

#include "net/io_handler_socket.h"
#include "net/net_exception.h"
#include "net/net_stack.h"

namespace lumora {

namespace {

constexpr int kCannotSendOrReceive = 10058;
constexpr int kConnectionAborted = 10053;

// Ends a level of progress on every way out of a read or write.
class WorkScope {
 public:
  WorkScope(TNetComponent& component, TWorkMode mode, int64_t count_max)
      : component_(component), mode_(mode) {
    component_.BeginWork(mode_, count_max);
  }
  ~WorkScope() { component_.EndWork(mode_); }
  WorkScope(const WorkScope&) = delete;
  WorkScope& operator=(const WorkScope&) = delete;

 private:
  TNetComponent& component_;
  TWorkMode mode_;
};

// Bytes at the end of held that could be the start of terminator; with LF a
// trailing CR is one, since it is dropped with the LF.
size_t PartialTerminator(std::string_view held, std::string_view terminator) {
  if (terminator == "\n") return !held.empty() && held.back() == '\r' ? 1 : 0;
  for (size_t k = std::min(held.size(), terminator.size() - 1); k > 0; --k)
    if (held.substr(held.size() - k) == terminator.substr(0, k)) return k;
  return 0;
}

}  // namespace

TNetTCPConnection::TNetTCPConnection() = default;

TNetTCPConnection::~TNetTCPConnection() = default;

void TNetTCPConnection::SetIOHandler(TNetIOHandler* handler) {
  if (handler == io_handler_) return;
  if (owned_handler_) owned_handler_.reset();
  io_handler_ = handler;
}

TNetIOHandler& TNetTCPConnection::EnsureIOHandler() {
  if (!io_handler_) {
    owned_handler_ = std::make_unique<TNetIOHandlerSocket>();
    owned_handler_->OnStatus = OnStatus;
    io_handler_ = owned_handler_.get();
  }
  return *io_handler_;
}

void TNetTCPConnection::ResetConnection() {
  input_buffer_.Clear();
  closed_gracefully_ = false;
  peer_closed_ = false;
}

void TNetTCPConnection::DoOnDisconnected() {
  if (OnDisconnected) OnDisconnected(*this);
}

void TNetTCPConnection::CloseSocket() {
  closed_gracefully_ = true;
  if (intercept_) intercept_->Disconnect();
  if (io_handler_) io_handler_->Close();
  if (owned_handler_) {
    owned_handler_.reset();
    io_handler_ = nullptr;
  }
}

void TNetTCPConnection::CloseConnection() {
  DoStatus(TNetStatus::hsDisconnecting);
  CloseSocket();
  DoOnDisconnected();
  DoStatus(TNetStatus::hsDisconnected);
}

bool TNetTCPConnection::CheckConnectionLost(bool raise_if_disconnected, bool ignore_buffer) {
  bool lost = false;
  if (closed_gracefully_ && io_handler_) {
    if (io_handler_->Connected()) {
      io_handler_->Close();
      DoStatus(TNetStatus::hsDisconnected);
      DoOnDisconnected();
    }
    lost = true;
  } else if (io_handler_) {
    lost = !io_handler_->Connected();
  }
  if (lost && raise_if_disconnected && (input_buffer_.Empty() || ignore_buffer))
    throw ENetConnClosedGracefully();
  return lost;
}

bool TNetTCPConnection::IsConnected() {
  CheckConnectionLost(false, false);
  return io_handler_ && io_handler_->Connected();
}

void TNetTCPConnection::CheckForGracefulDisconnect(bool raise_if_disconnected) {
  FillInputBuffer(raise_if_disconnected, kNetGracefulDisconnectCheckMs, false);
}

bool TNetTCPConnection::WaitReadable(int timeout_ms) {
  bool by_deadline = false;
  int wait = NetLimitWait(timeout_ms, deadline_, by_deadline);
  if (by_deadline && wait == 0) throw ENetReadTimeout();
  bool ready = io_handler_->Readable(wait);
  if (!ready && by_deadline) throw ENetReadTimeout();
  return ready;
}

int TNetTCPConnection::FillInputBuffer(bool raise_if_disconnected, int timeout_ms,
                                       bool raise_on_timeout) {
  int limit;
  if (timeout_ms == kNetTimeoutDefault)
    limit = read_timeout_ > 0 ? read_timeout_ : -1;
  else
    limit = timeout_ms < 0 ? -1 : timeout_ms;

  CheckConnectionLost(raise_if_disconnected);
  if (!io_handler_ || !io_handler_->Connected()) {
    if (!raise_if_disconnected) return 0;
    // More data is wanted than the peer sent before closing: say so, rather
    // than that there never was a connection.
    if (peer_closed_) throw ENetConnClosedGracefully();
    throw ENetNotConnected();
  }

  int received = 0;
  while (received == 0 && io_handler_ && io_handler_->Connected()) {
    if (!WaitReadable(limit)) {
      if (raise_on_timeout) throw ENetReadTimeout();
      return -1;
    }
    if (recv_scratch_.size() < static_cast<size_t>(recv_buffer_size_))
      recv_scratch_.resize(static_cast<size_t>(recv_buffer_size_));
    int n = io_handler_->Recv(recv_scratch_.data(), recv_buffer_size_);
    if (n == 0) {
      closed_gracefully_ = true;
      peer_closed_ = true;
      break;
    }
    if (n < 0) {
      int code = io_handler_->LastError();
      io_handler_->Close();
      if ((code == kCannotSendOrReceive || code == kConnectionAborted) && !input_buffer_.Empty()) {
        peer_closed_ = true;
        break;
      }
      TNetStack::RaiseSocketError(code);
    }
    if (intercept_ || ascii_filter_) {
      std::string bytes(recv_scratch_.data(), static_cast<size_t>(n));
      if (intercept_) intercept_->Receive(bytes);
      if (ascii_filter_)
        for (char& c : bytes) c = static_cast<char>(c & 0x7F);
      input_buffer_.Append(bytes);
    } else {
      input_buffer_.Append(recv_scratch_.data(), n);
    }
    received = n;
  }
  CheckConnectionLost(raise_if_disconnected);
  return received;
}

std::string TNetTCPConnection::ReadLine(std::string_view terminator, int timeout_ms,
                                        int max_length) {
  std::string term(terminator.empty() ? std::string_view("\n") : terminator);
  size_t limit = static_cast<size_t>(max_length < 0 ? std::max(max_line_length_, 0) : max_length);
  read_ln_split_ = false;
  read_ln_timed_out_ = false;

  auto too_long = [&]() -> std::string {
    if (max_line_action_ == TNetMaxLineAction::maException) throw ENetReadLnMaxLineLengthExceeded();
    read_ln_split_ = true;
    return input_buffer_.Extract(static_cast<int64_t>(limit));
  };

  size_t search_from = 0;
  for (;;) {
    std::string_view held = input_buffer_.View();
    size_t pos = held.find(term, search_from);
    if (pos != std::string_view::npos) {
      bool drop_cr = term == "\n" && pos > 0 && held[pos - 1] == '\r';
      size_t length = drop_cr ? pos - 1 : pos;
      if (limit > 0 && length > limit) return too_long();
      std::string line = input_buffer_.Extract(static_cast<int64_t>(pos + term.size()));
      line.resize(length);
      return line;
    }
    // Checked before every receive, so an endless line costs at most the
    // limit plus one receive of memory.
    if (limit > 0 && held.size() - PartialTerminator(held, term) > limit) return too_long();
    search_from = held.size() >= term.size() ? held.size() - term.size() + 1 : 0;
    int n = FillInputBuffer(true, timeout_ms, timeout_ms == kNetTimeoutDefault);
    if (n <= 0) {
      read_ln_timed_out_ = true;
      return {};
    }
  }
}

void TNetTCPConnection::ReadBytes(void* buffer, int64_t count) {
  if (count <= 0) return;
  while (input_buffer_.Length() < count) {
    FillInputBuffer(true);
    CheckConnectionLost(true, true);
  }
  input_buffer_.ExtractTo(buffer, count);
}

std::string TNetTCPConnection::ReadString(int64_t count) {
  if (count <= 0) return {};
  // Waits as ReadBytes does, but allocates the result only once the bytes are here.
  while (input_buffer_.Length() < count) {
    FillInputBuffer(true);
    CheckConnectionLost(true, true);
  }
  return input_buffer_.Extract(count);
}

void TNetTCPConnection::ReadToStream(TStream& stream, int64_t count, bool until_disconnect) {
  if (!until_disconnect && count < 0) {
    unsigned char prefix[kNetStreamCountPrefixSize];
    ReadBytes(prefix, sizeof prefix);
    count = (int64_t{prefix[0]} << 24) | (int64_t{prefix[1]} << 16) | (int64_t{prefix[2]} << 8) |
            int64_t{prefix[3]};
  }
  int64_t remaining = until_disconnect ? INT64_MAX : count;
  // The stream's size grows only with bytes that arrived: an announced count
  // is a claim of the peer and reserves address space, never memory.
  if (!until_disconnect && count > 0) {
    try {
      stream.Reserve(stream.Position() + std::min(count, kNetMaxReserveBytes));
    } catch (const std::bad_alloc&) {
      // Only a hint; the stream grows as the bytes come.
    }
  }
  auto finish = [&stream]() {
    int64_t end = stream.Position();
    if (stream.Size() != end) stream.SetSize(end);
  };
  try {
    WorkScope work(*this, TWorkMode::wmRead, until_disconnect ? 0 : count);
    while (remaining > 0) {
      if (input_buffer_.Empty()) {
        try {
          FillInputBuffer(true);
        } catch (const ENetConnClosedGracefully&) {
          if (until_disconnect) break;
          throw;
        }
        continue;
      }
      int64_t take = std::min(input_buffer_.Length(), remaining);
      stream.WriteBuffer(input_buffer_.Memory(), take);
      input_buffer_.Remove(take);
      remaining -= take;
      DoWork(TWorkMode::wmRead, take);
    }
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

std::string TNetTCPConnection::ReadAll() {
  TStringStream stream;
  ReadToStream(stream, -1, true);
  return stream.DataString();
}

void TNetTCPConnection::CheckWritable() {
  CheckConnectionLost(true, true);
  if (!io_handler_ || !io_handler_->Connected()) throw ENetNotConnected();
}

void TNetTCPConnection::WriteBytes(const void* buffer, int64_t count, bool write_now) {
  if (count <= 0 || buffer == nullptr) return;
  CheckWritable();
  if (write_buffer_ && !write_now) {
    write_buffer_->Append(buffer, count);
    if (write_buffer_threshold_ > 0) {
      while (write_buffer_->Length() >= write_buffer_threshold_) {
        std::string piece = write_buffer_->Extract(write_buffer_threshold_);
        SendNow(piece.data(), static_cast<int64_t>(piece.size()));
      }
    }
    return;
  }
  SendNow(static_cast<const char*>(buffer), count);
}

void TNetTCPConnection::SendNow(const char* bytes, int64_t count) {
  std::string intercepted;
  if (intercept_) {
    intercepted.assign(bytes, static_cast<size_t>(count));
    intercept_->Send(intercepted);
    bytes = intercepted.data();
    count = static_cast<int64_t>(intercepted.size());
  }
  int64_t sent = 0;
  while (sent < count) {
    if (deadline_) {
      bool by_deadline = false;
      int wait = NetLimitWait(-1, deadline_, by_deadline);
      if (wait == 0 || !io_handler_->Writable(wait)) {
        // Part of a message may be out already; the connection cannot go on.
        io_handler_->Close();
        throw ENetReadTimeout();
      }
    }
    int piece = static_cast<int>(std::min<int64_t>(count - sent, INT_MAX));
    int n = io_handler_->Send(bytes + sent, piece);
    if (n < 0) {
      // Tolerated or not, a failed send ends the connection.
      int code = io_handler_->LastError();
      io_handler_->Close();
      TNetStack::RaiseSocketError(code);
    }
    sent += n;
    DoWork(TWorkMode::wmWrite, n);
    CheckConnectionLost(true, true);
  }
}

void TNetTCPConnection::WriteText(std::string_view text) {
  WriteBytes(text.data(), static_cast<int64_t>(text.size()));
}

void TNetTCPConnection::WriteLine(std::string_view text) {
  std::string line(text);
  line += "\r\n";
  WriteText(line);
}

void TNetTCPConnection::WriteFromStream(TStream& stream, bool all, bool write_byte_count,
                                        int64_t size) {
  if (all) stream.SetPosition(0);
  int64_t start = stream.Position();
  int64_t end = size != 0 ? start + size : stream.Size();
  int64_t total = std::max<int64_t>(end - start, 0);
  if (write_byte_count) {
    if (total > UINT32_MAX) throw ENetException("Stream too large for a 4-byte count");
    unsigned char prefix[kNetStreamCountPrefixSize] = {
        static_cast<unsigned char>(total >> 24), static_cast<unsigned char>(total >> 16),
        static_cast<unsigned char>(total >> 8), static_cast<unsigned char>(total)};
    WriteBytes(prefix, sizeof prefix);
  }
  WorkScope work(*this, TWorkMode::wmWrite, total);
  std::string piece(static_cast<size_t>(std::min<int64_t>(send_buffer_size_, total)), '\0');
  int64_t left = total;
  while (left > 0) {
    int64_t want = std::min<int64_t>(send_buffer_size_, left);
    int64_t got = stream.Read(piece.data(), want);
    if (got <= 0) throw ENetNoDataToRead();
    WriteBytes(piece.data(), got);
    left -= got;
  }
}

void TNetTCPConnection::StartBufferedWrite(int64_t threshold) {
  if (!write_buffer_) write_buffer_ = std::make_unique<TNetSimpleBuffer>();
  write_buffer_threshold_ = threshold;
}

void TNetTCPConnection::FinishBufferedWrite() {
  if (!write_buffer_) return;
  // Released before sending so that a failed send leaves no buffering behind.
  std::unique_ptr<TNetSimpleBuffer> buffer = std::move(write_buffer_);
  write_buffer_threshold_ = 0;
  std::string bytes(buffer->View());
  buffer.reset();
  WriteBytes(bytes.data(), static_cast<int64_t>(bytes.size()), true);
}

void TNetTCPConnection::CancelBufferedWrite() {
  write_buffer_.reset();
  write_buffer_threshold_ = 0;
}

}  // namespace lumora
