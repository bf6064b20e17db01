#include "service/guarded_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lumora {

namespace {

// Runs each accepted connection's task at once on the accepting thread: the
// task only hands the socket to us.
class InlineQueue : public httplib::TaskQueue {
 public:
  void enqueue(std::function<void()> fn) override { fn(); }
  void shutdown() override {}
};

// Blank lines before a request line are allowed and dropped.
void DropLeadingLineEnds(std::string& buffer) {
  const size_t start = buffer.find_first_not_of("\r\n");
  buffer.erase(0, start == std::string::npos ? buffer.size() : start);
}

bool HeadComplete(const std::string& buffer) {
  return buffer.find("\r\n\r\n") != std::string::npos || buffer.find("\n\n") != std::string::npos;
}

void SendBestEffort(int fd, const char* text) {
  [[maybe_unused]] ssize_t n = ::send(fd, text, std::strlen(text), MSG_NOSIGNAL | MSG_DONTWAIT);
}

int MsUntil(std::chrono::steady_clock::time_point t) {
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(t - std::chrono::steady_clock::now());
  return static_cast<int>(std::max<int64_t>(0, left.count() + 1));
}

bool WaitFor(int fd, short events, int timeout_ms) {
  pollfd p{fd, events, 0};
  int n;
  do {
    n = ::poll(&p, 1, timeout_ms);
  } while (n < 0 && errno == EINTR);
  return n > 0;
}

void AddressOf(int fd, bool peer, std::string& ip, int& port) {
  sockaddr_storage address{};
  socklen_t length = sizeof address;
  const int r = peer ? ::getpeername(fd, reinterpret_cast<sockaddr*>(&address), &length)
                     : ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  if (r != 0 || address.ss_family != AF_INET) return;
  const auto* in = reinterpret_cast<const sockaddr_in*>(&address);
  char text[INET_ADDRSTRLEN] = {};
  ::inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
  ip = text;
  port = ntohs(in->sin_port);
}

}  // namespace

// The library reads a request through this: first what the poller already
// received, then the socket, each read waiting at most the read limit.
class GuardedServer::ConnectionStream : public httplib::Stream {
 public:
  ConnectionStream(Connection& c, const ServerLimits& limits) : c_(c), limits_(limits) {}

  bool is_readable() const override {
    return !c_.buffer.empty() || WaitFor(c_.fd, POLLIN, limits_.read_timeout_ms);
  }
  bool is_writable() const override { return WaitFor(c_.fd, POLLOUT, limits_.write_timeout_ms); }
  ssize_t read(char* ptr, size_t size) override {
    if (!c_.buffer.empty()) {
      const size_t n = std::min(size, c_.buffer.size());
      std::memcpy(ptr, c_.buffer.data(), n);
      c_.buffer.erase(0, n);
      return static_cast<ssize_t>(n);
    }
    if (!WaitFor(c_.fd, POLLIN, limits_.read_timeout_ms)) return -1;
    ssize_t n;
    do {
      n = ::recv(c_.fd, ptr, size, 0);
    } while (n < 0 && errno == EINTR);
    return n;
  }
  ssize_t write(const char* ptr, size_t size) override {
    if (!is_writable()) return -1;
    ssize_t n;
    do {
      n = ::send(c_.fd, ptr, size, MSG_NOSIGNAL);
    } while (n < 0 && errno == EINTR);
    return n;
  }
  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    AddressOf(c_.fd, true, ip, port);
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    AddressOf(c_.fd, false, ip, port);
  }
  socket_t socket() const override { return c_.fd; }

 private:
  Connection& c_;
  const ServerLimits& limits_;
};

GuardedServer::GuardedServer(ServerLimits limits) : limits_(limits) {
  new_task_queue = [] { return new InlineQueue; };
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) == 0) {
    wake_read_ = fds[0];
    wake_write_ = fds[1];
  }
  poller_ = std::thread([this] { PollLoop(); });
  for (int i = 0; i < std::max(1, limits_.workers); ++i)
    workers_.emplace_back([this] { WorkerLoop(); });
}

GuardedServer::~GuardedServer() {
  stop();
  StopConnections();
  if (wake_read_ >= 0) ::close(wake_read_);
  if (wake_write_ >= 0) ::close(wake_write_);
}

void GuardedServer::StopConnections() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  work_ready_.notify_all();
  Wake();
  if (poller_.joinable()) poller_.join();
  for (std::thread& t : workers_)
    if (t.joinable()) t.join();
  std::lock_guard lock(mutex_);
  for (auto& c : incoming_) ::close(c->fd);
  for (auto& c : ready_) ::close(c->fd);
  for (auto& c : waiting_) ::close(c->fd);
  open_ -= static_cast<int>(incoming_.size() + ready_.size() + waiting_.size());
  incoming_.clear();
  ready_.clear();
  waiting_.clear();
}

void GuardedServer::WidenListenQueue() {
  const socket_t sock = svr_sock_;
  if (sock != INVALID_SOCKET) ::listen(sock, limits_.listen_queue);
}

int GuardedServer::OpenConnections() const {
  std::lock_guard lock(mutex_);
  return open_;
}

bool GuardedServer::process_and_close_socket(socket_t sock) {
  // The library sends an answer's head and body apart; with Nagle's
  // algorithm the body would wait for the client's delayed ACK (about 40 ms
  // on every kept-alive request).
  int on = 1;
  ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  auto c = std::make_unique<Connection>();
  c->fd = sock;
  c->idle_since = Clock::now();
  c->deadline = c->idle_since + std::chrono::milliseconds(limits_.idle_timeout_ms);
  {
    std::lock_guard lock(mutex_);
    if (stopping_) {
      ::close(sock);
      return false;
    }
    ++open_;
    incoming_.push_back(std::move(c));
  }
  Wake();
  return true;
}

void GuardedServer::Wake() {
  if (wake_write_ >= 0) {
    [[maybe_unused]] ssize_t n = ::write(wake_write_, "x", 1);
  }
}

void GuardedServer::Close(std::unique_ptr<Connection> c) {
  ::shutdown(c->fd, SHUT_RDWR);
  ::close(c->fd);
  std::lock_guard lock(mutex_);
  --open_;
}

// At the cap the connection that has waited longest without starting a
// request goes; new clients matter more than idle ones.
void GuardedServer::MakeRoom() {
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (open_ <= limits_.max_connections) return;
    }
    auto oldest = waiting_.end();
    for (auto it = waiting_.begin(); it != waiting_.end(); ++it)
      if (!(*it)->head_started &&
          (oldest == waiting_.end() || (*it)->idle_since < (*oldest)->idle_since))
        oldest = it;
    if (oldest == waiting_.end()) return;
    Close(std::move(*oldest));
    waiting_.erase(oldest);
  }
}

bool GuardedServer::ReceiveHead(Connection& c) {
  char chunk[16384];
  for (;;) {
    const ssize_t n = ::recv(c.fd, chunk, sizeof chunk, MSG_DONTWAIT);
    if (n == 0) return false;
    if (n < 0) return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    c.buffer.append(chunk, static_cast<size_t>(n));
    DropLeadingLineEnds(c.buffer);
    if (!c.head_started && !c.buffer.empty()) {
      c.head_started = true;
      c.deadline = Clock::now() + std::chrono::milliseconds(limits_.head_timeout_ms);
    }
    if (HeadComplete(c.buffer)) return true;
    if (c.buffer.size() > limits_.max_head_bytes) {
      SendBestEffort(c.fd,
                     "HTTP/1.1 431 Request Header Fields Too Large\r\nConnection: close\r\n"
                     "Content-Length: 0\r\n\r\n");
      return false;
    }
  }
}

void GuardedServer::PollLoop() {
  std::vector<pollfd> fds;
  for (;;) {
    {
      std::lock_guard lock(mutex_);
      if (stopping_) break;
      while (!incoming_.empty()) {
        waiting_.push_back(std::move(incoming_.front()));
        incoming_.pop_front();
      }
    }
    MakeRoom();

    // A returned connection may already hold its next head.
    for (auto it = waiting_.begin(); it != waiting_.end();) {
      if (HeadComplete((*it)->buffer)) {
        std::lock_guard lock(mutex_);
        ready_.push_back(std::move(*it));
        it = waiting_.erase(it);
        work_ready_.notify_one();
      } else {
        ++it;
      }
    }

    fds.clear();
    fds.push_back({wake_read_, POLLIN, 0});
    Clock::time_point next = Clock::now() + std::chrono::seconds(60);
    for (const auto& c : waiting_) {
      fds.push_back({c->fd, POLLIN, 0});
      next = std::min(next, c->deadline);
    }
    int n;
    do {
      n = ::poll(fds.data(), fds.size(), MsUntil(next));
    } while (n < 0 && errno == EINTR);
    if (fds[0].revents) {
      char drain[256];
      while (::read(wake_read_, drain, sizeof drain) > 0) {
      }
    }

    const Clock::time_point now = Clock::now();
    size_t i = 1;
    for (auto it = waiting_.begin(); it != waiting_.end(); ++i) {
      Connection& c = **it;
      bool keep = true;
      bool ready = false;
      if (i < fds.size() && fds[i].revents) {
        keep = ReceiveHead(c);
        ready = keep && HeadComplete(c.buffer);
      }
      if (keep && !ready && now >= c.deadline) {
        if (c.head_started)
          SendBestEffort(c.fd,
                         "HTTP/1.1 408 Request Timeout\r\nConnection: close\r\n"
                         "Content-Length: 0\r\n\r\n");
        keep = false;
      }
      if (!keep) {
        Close(std::move(*it));
        it = waiting_.erase(it);
      } else if (ready) {
        std::lock_guard lock(mutex_);
        ready_.push_back(std::move(*it));
        it = waiting_.erase(it);
        work_ready_.notify_one();
      } else {
        ++it;
      }
    }
  }
}

void GuardedServer::WorkerLoop() {
  for (;;) {
    std::unique_ptr<Connection> c;
    {
      std::unique_lock lock(mutex_);
      work_ready_.wait(lock, [this] { return stopping_ || !ready_.empty(); });
      if (ready_.empty()) return;
      c = std::move(ready_.front());
      ready_.pop_front();
    }
    Serve(std::move(c));
  }
}

void GuardedServer::Serve(std::unique_ptr<Connection> c) {
  ConnectionStream stream(*c, limits_);
  for (;;) {
    ++c->requests;
    bool stopping;
    {
      std::lock_guard lock(mutex_);
      stopping = stopping_;
    }
    const bool last = stopping || c->requests >= limits_.max_requests_per_connection;
    bool closed = false;
    const bool ok = process_request(stream, last, closed, nullptr);
    if (!ok || closed || last) {
      Close(std::move(c));
      return;
    }
    DropLeadingLineEnds(c->buffer);
    // Pipelined requests are answered in order, on this worker.
    if (!HeadComplete(c->buffer)) break;
  }
  ReturnToPoller(std::move(c));
}

void GuardedServer::ReturnToPoller(std::unique_ptr<Connection> c) {
  const Clock::time_point now = Clock::now();
  c->head_started = !c->buffer.empty();
  c->idle_since = now;
  c->deadline = now + std::chrono::milliseconds(c->head_started ? limits_.head_timeout_ms
                                                                : limits_.idle_timeout_ms);
  {
    std::lock_guard lock(mutex_);
    incoming_.push_back(std::move(c));
  }
  Wake();
}

}  // namespace lumora
