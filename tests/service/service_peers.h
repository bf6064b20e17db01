#pragma once
// Peers of the translation service for its tests: a raw loopback client
// socket that sends exact bytes, and a service run with limits of the test's
// choosing.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "service/guarded_server.h"
#include "service/translation_server.h"
#include "translate/fixture_lexicon.h"

namespace lumora::testing {

// A raw loopback client socket.
class RawClient {
 public:
  explicit RawClient(int port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ =
        fd_ >= 0 && ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~RawClient() {
    if (fd_ >= 0) ::close(fd_);
  }
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;

  bool Connected() const { return connected_; }
  bool Send(const std::string& bytes) {
    return ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(bytes.size());
  }
  // Everything until the server closes, or until timeout_ms passed.
  std::string ReadUntilClose(int timeout_ms, bool* closed = nullptr) {
    std::string got;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    for (;;) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                            end - std::chrono::steady_clock::now())
                            .count();
      pollfd p{fd_, POLLIN, 0};
      if (left <= 0 || ::poll(&p, 1, static_cast<int>(left)) <= 0) break;
      char buffer[65536];
      const ssize_t n = ::recv(fd_, buffer, sizeof buffer, 0);
      if (n <= 0) {
        if (closed) *closed = true;
        return got;
      }
      got.append(buffer, static_cast<size_t>(n));
    }
    if (closed) *closed = false;
    return got;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
};

// A service with its own limits, served on a thread of its own.
class LimitedService {
 public:
  explicit LimitedService(const ServerLimits& limits) : server_(FixtureLexicon(), {}, limits) {
    port_ = server_.Bind("127.0.0.1", 0);
    thread_ = std::thread([this] { server_.Run(); });
    while (!server_.IsRunning()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ~LimitedService() {
    server_.Stop();
    thread_.join();
  }
  int Port() const { return port_; }

 private:
  TranslationServer server_;
  int port_ = 0;
  std::thread thread_;
};

}  // namespace lumora::testing
