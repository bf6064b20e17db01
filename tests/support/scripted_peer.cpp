#include "support/scripted_peer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace lumora {

struct ScriptedPeer::Connection {
  int fd = -1;
  std::string received;  // guarded by the peer's mutex
  std::vector<std::string> pieces;
  size_t consumed = 0;  // peer thread only: bytes taken by exchanges
  bool client_closed = false;
  bool write_closed = false;
};

PeerExchange PeerExchange::Reply(std::string reply, PeerAction action) {
  PeerExchange e;
  e.reply = std::move(reply);
  e.action = action;
  return e;
}

PeerExchange PeerExchange::Http(std::string reply, PeerAction action) {
  PeerExchange e = Reply(std::move(reply), action);
  e.read = PeerRead::kHttpRequest;
  return e;
}

PeerExchange& PeerExchange::Reading(PeerRead how, size_t count) {
  read = how;
  read_bytes = count;
  return *this;
}

PeerExchange& PeerExchange::Ms(int value) {
  ms = value;
  return *this;
}

PeerExchange& PeerExchange::Bytes(size_t value) {
  bytes = value;
  return *this;
}

PeerExchange& PeerExchange::ThenNewConnection() {
  next_on_new_connection = true;
  return *this;
}

namespace {

void SetNonBlocking(int fd) {
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
}

// Content-Length of an HTTP head, 0 when absent.
size_t ContentLength(const std::string& head) {
  std::string lower = head;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  size_t at = lower.find("\ncontent-length:");
  if (at == std::string::npos) return 0;
  return static_cast<size_t>(std::strtoull(lower.c_str() + at + 16, nullptr, 10));
}

}  // namespace

ScriptedPeer::ScriptedPeer(std::vector<PeerExchange> script) : script_(std::move(script)) {
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0) throw std::runtime_error("pipe failed");
  wake_read_ = pipe_fds[0];
  wake_write_ = pipe_fds[1];
  listen_fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listen_fd_ < 0 || bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listen_fd_, 16) != 0 ||
      getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    std::string why = std::strerror(errno);
    if (listen_fd_ >= 0) close(listen_fd_);
    close(wake_read_);
    close(wake_write_);
    throw std::runtime_error("scripted peer cannot listen: " + why);
  }
  SetNonBlocking(listen_fd_);
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this] { Run(); });
}

ScriptedPeer::~ScriptedPeer() {
  Stop();
  for (auto& c : connections_)
    if (c->fd >= 0) close(c->fd);
  close(listen_fd_);
  close(wake_read_);
  close(wake_write_);
}

void ScriptedPeer::Stop() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  char byte = 1;
  (void)!write(wake_write_, &byte, 1);
  if (thread_.joinable()) thread_.join();
}

bool ScriptedPeer::WaitDone(int timeout_ms) {
  std::unique_lock lock(mutex_);
  changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                    [this] { return done_ || !failure_.empty(); });
  return done_ && failure_.empty();
}

bool ScriptedPeer::WaitClientClosed(int connection, int timeout_ms) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [&] {
    return connection < static_cast<int>(connections_.size()) &&
           connections_[static_cast<size_t>(connection)]->client_closed;
  });
}

bool ScriptedPeer::WaitReceived(int connection, size_t count, int timeout_ms) {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(timeout_ms), [&] {
    Connection* c = Find(connection);
    return c && c->received.size() >= count;
  });
}

int ScriptedPeer::Connections() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(connections_.size());
}

int ScriptedPeer::ExchangesServed() const {
  std::lock_guard lock(mutex_);
  return served_;
}

ScriptedPeer::Connection* ScriptedPeer::Find(int index) const {
  if (index < 0 || index >= static_cast<int>(connections_.size())) return nullptr;
  return connections_[static_cast<size_t>(index)].get();
}

std::string ScriptedPeer::Received(int connection) const {
  std::lock_guard lock(mutex_);
  Connection* c = Find(connection);
  return c ? c->received : std::string();
}

std::vector<std::string> ScriptedPeer::Pieces(int connection) const {
  std::lock_guard lock(mutex_);
  Connection* c = Find(connection);
  return c ? c->pieces : std::vector<std::string>();
}

std::string ScriptedPeer::Failure() const {
  std::lock_guard lock(mutex_);
  return failure_;
}

void ScriptedPeer::Fail(std::string what) {
  std::lock_guard lock(mutex_);
  if (failure_.empty()) failure_ = std::move(what);
  changed_.notify_all();
}

// Waits for events on fd (or only for time and the stop signal when fd is
// -1). Meanwhile every other open connection is read and recorded, so that a
// client's bytes are kept, and closed connections are reaped.
ScriptedPeer::WaitResult ScriptedPeer::Wait(int fd, short events, int timeout_ms) {
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    std::vector<pollfd> fds;
    std::vector<Connection*> watched;
    fds.push_back({wake_read_, POLLIN, 0});
    if (fd >= 0) fds.push_back({fd, events, 0});
    for (auto& c : connections_) {
      if (c->fd < 0 || c->client_closed || (c->fd == fd && (events & POLLIN))) continue;
      fds.push_back({c->fd, POLLIN, 0});
      watched.push_back(c.get());
    }
    int wait = -1;
    if (timeout_ms >= 0) {
      auto left =
          std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
      wait = static_cast<int>(std::max<long long>(left.count(), 0));
    }
    int r = poll(fds.data(), fds.size(), wait);
    if (r < 0 && errno != EINTR) {
      Fail(std::string("poll: ") + std::strerror(errno));
      return WaitResult::kStopped;
    }
    {
      std::lock_guard lock(mutex_);
      if (stopping_) return WaitResult::kStopped;
    }
    if (r <= 0) {
      if (r == 0) return WaitResult::kTimeout;
      continue;
    }
    size_t first_other = fd >= 0 ? 2 : 1;
    for (size_t i = 0; i < watched.size(); ++i)
      if (fds[first_other + i].revents) ReceiveSome(*watched[i]);
    if (fd >= 0 && fds[1].revents) return WaitResult::kReady;
  }
}

bool ScriptedPeer::Sleep(int ms) {
  return Wait(-1, 0, ms) == WaitResult::kTimeout;
}

int ScriptedPeer::Accept() {
  for (;;) {
    if (Wait(listen_fd_, POLLIN, -1) != WaitResult::kReady) return -1;
    int fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd >= 0) return fd;
    if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED) {
      Fail(std::string("accept: ") + std::strerror(errno));
      return -1;
    }
  }
}

bool ScriptedPeer::ReceiveSome(Connection& c) {
  char buffer[65536];
  ssize_t n = recv(c.fd, buffer, sizeof buffer, 0);
  if (n < 0 && (errno == EAGAIN || errno == EINTR)) return true;
  std::lock_guard lock(mutex_);
  if (n > 0) {
    c.received.append(buffer, static_cast<size_t>(n));
    c.pieces.emplace_back(buffer, static_cast<size_t>(n));
    changed_.notify_all();
    return true;
  }
  c.client_closed = true;
  if (c.write_closed) {
    close(c.fd);
    c.fd = -1;
  }
  changed_.notify_all();
  return false;
}

bool ScriptedPeer::ReadRequest(Connection& c, const PeerExchange& e) {
  // Only sizes are taken while a long body arrives, so reading it stays linear.
  auto pending_size = [&]() -> size_t {
    std::lock_guard lock(mutex_);
    return c.received.size() - c.consumed;
  };
  // The head of the pending request up to its blank line, or "" before it is complete.
  auto pending_head = [&]() -> std::string {
    std::lock_guard lock(mutex_);
    const size_t end = c.received.find("\r\n\r\n", c.consumed);
    return end == std::string::npos ? "" : c.received.substr(c.consumed, end + 4 - c.consumed);
  };
  // Receives more on c; false once the client has closed or the peer stops.
  auto more = [&]() -> bool {
    if (c.client_closed) return false;
    if (Wait(c.fd, POLLIN, -1) != WaitResult::kReady) return false;
    ReceiveSome(c);
    return true;
  };
  auto give_up = [&](const std::string& what) {
    std::unique_lock lock(mutex_);
    bool stopping = stopping_;
    lock.unlock();
    if (!stopping) Fail(what);
    return false;
  };
  switch (e.read) {
    case PeerRead::kNothing:
      return true;
    case PeerRead::kBytes:
      while (pending_size() < e.read_bytes)
        if (!more())
          return give_up("client closed before sending " + std::to_string(e.read_bytes) + " bytes");
      c.consumed += e.read_bytes;
      return true;
    case PeerRead::kHttpRequest:
      for (size_t need = 0;;) {
        if (need == 0) {
          const std::string head = pending_head();
          if (!head.empty()) need = head.size() + ContentLength(head.substr(0, head.size() - 2));
        }
        if (need > 0 && pending_size() >= need) {
          c.consumed += need;
          return true;
        }
        if (!more()) return give_up("client closed before the request was complete");
      }
    case PeerRead::kUntilClose:
      while (more()) {
      }
      if (!c.client_closed) return false;
      c.consumed += pending_size();
      return true;
  }
  return true;
}

bool ScriptedPeer::SendAll(Connection& c, const char* data, size_t size) {
  size_t sent = 0;
  while (sent < size) {
    ssize_t n = send(c.fd, data + sent, size - sent, MSG_NOSIGNAL);
    if (n > 0) {
      sent += static_cast<size_t>(n);
      continue;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (Wait(c.fd, POLLOUT, -1) != WaitResult::kReady) return false;
      continue;
    }
    Fail(std::string("send: ") + std::strerror(errno));
    return false;
  }
  return true;
}

void ScriptedPeer::CloseWriting(Connection& c) {
  std::lock_guard lock(mutex_);
  c.write_closed = true;
  if (c.client_closed) {
    close(c.fd);
    c.fd = -1;
  } else {
    shutdown(c.fd, SHUT_WR);
  }
}

void ScriptedPeer::Run() {
  Connection* current = nullptr;
  bool need_new = true;
  for (const PeerExchange& e : script_) {
    if (need_new) {
      int fd = Accept();
      if (fd < 0) return;
      auto c = std::make_unique<Connection>();
      c->fd = fd;
      current = c.get();
      std::lock_guard lock(mutex_);
      connections_.push_back(std::move(c));
      changed_.notify_all();
    }
    if (!ReadRequest(*current, e)) return;
    // Counted before the answer goes out: a client that has read it may ask
    // at once how many exchanges were served.
    {
      std::lock_guard lock(mutex_);
      ++served_;
      changed_.notify_all();
    }
    const std::string& r = e.reply;
    bool ok = true;
    switch (e.action) {
      case PeerAction::kKeepOpen:
      case PeerAction::kClose:
      case PeerAction::kStall:
        ok = SendAll(*current, r.data(), r.size());
        break;
      case PeerAction::kDelay:
        ok = Sleep(e.ms) && SendAll(*current, r.data(), r.size());
        break;
      case PeerAction::kTrickle:
        for (size_t i = 0; ok && i < r.size(); ++i)
          ok = (i == 0 || Sleep(e.ms)) && SendAll(*current, r.data() + i, 1);
        break;
      case PeerAction::kTruncate:
        ok = SendAll(*current, r.data(), std::min(e.bytes, r.size()));
        break;
    }
    if (!ok) return;
    bool closing = e.action == PeerAction::kClose || e.action == PeerAction::kTruncate;
    if (closing) CloseWriting(*current);
    if (e.action == PeerAction::kStall) break;
    need_new = closing || e.next_on_new_connection;
  }
  {
    std::lock_guard lock(mutex_);
    done_ = true;
    changed_.notify_all();
  }
  // Go on recording what clients send until the peer ends.
  while (Wait(-1, 0, -1) != WaitResult::kStopped) {
  }
}

RefusedPort::RefusedPort() {
  // Bound but not listening: the kernel answers a connect with a reset.
  fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error(std::string("cannot reserve a port: ") + std::strerror(errno));
  port_ = ntohs(address.sin_port);
}

RefusedPort::~RefusedPort() {
  if (fd_ >= 0) close(fd_);
}

SilentListener::SilentListener(int backlog) {
  fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(fd_, backlog) != 0 ||
      getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error(std::string("cannot listen: ") + std::strerror(errno));
  port_ = ntohs(address.sin_port);
}

SilentListener::~SilentListener() {
  Close();
}

void SilentListener::Close() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
}

}  // namespace lumora
