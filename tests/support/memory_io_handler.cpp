#include "support/memory_io_handler.h"

#include <algorithm>
#include <cstring>

#include "net/net_exception.h"

namespace lumora {

namespace {
constexpr int kNotConnected = 10057;
}

TMemoryIOHandler::TMemoryIOHandler(std::vector<std::string> pieces) {
  for (std::string& piece : pieces) AddPiece(std::move(piece));
}

void TMemoryIOHandler::AddPiece(std::string piece) {
  // An empty piece would read as the peer's close.
  if (!piece.empty()) pieces_.push_back(std::move(piece));
}

void TMemoryIOHandler::Close() {
  if (connected_) ++closes_;
  connected_ = false;
}

void TMemoryIOHandler::ConnectClient(const TNetConnectTarget& target) {
  last_target_ = target;
  connected_ = true;
  ++connects_;
}

bool TMemoryIOHandler::Readable(int) {
  if (!connected_) throw ENetConnClosedGracefully();
  return !pieces_.empty() || !stall_at_end_;
}

bool TMemoryIOHandler::Writable(int) {
  if (!connected_) throw ENetConnClosedGracefully();
  return true;
}

int TMemoryIOHandler::Recv(void* buffer, int length) {
  if (!connected_) {
    last_error_ = kNotConnected;
    return -1;
  }
  if (pieces_.empty() || length <= 0) return 0;
  std::string& front = pieces_.front();
  const size_t n = std::min(front.size(), static_cast<size_t>(length));
  std::memcpy(buffer, front.data(), n);
  front.erase(0, n);
  if (front.empty()) pieces_.pop_front();
  return static_cast<int>(n);
}

int TMemoryIOHandler::Send(const void* buffer, int length) {
  if (!connected_) {
    last_error_ = kNotConnected;
    return -1;
  }
  written_.append(static_cast<const char*>(buffer), static_cast<size_t>(std::max(length, 0)));
  return length;
}

}  // namespace lumora
