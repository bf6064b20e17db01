// Throughput of the buffered connection over loopback: short lines read with
// ReadLine, and a large body read with ReadToStream. Prints figures only.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "base/stream.h"
#include "net/tcp_client.h"

namespace {

// Accepts one connection, sends payload, closes.
class Sender {
 public:
  explicit Sender(std::string payload) : payload_(std::move(payload)) {
    listen_fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listen_fd_, reinterpret_cast<sockaddr*>(&address), length);
    listen(listen_fd_, 1);
    getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] {
      int fd = accept(listen_fd_, nullptr, nullptr);
      size_t sent = 0;
      while (sent < payload_.size()) {
        ssize_t n = send(fd, payload_.data() + sent, payload_.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) break;
        sent += static_cast<size_t>(n);
      }
      shutdown(fd, SHUT_WR);
      char sink[4096];
      while (recv(fd, sink, sizeof sink, 0) > 0) {
      }
      close(fd);
    });
  }
  ~Sender() {
    thread_.join();
    close(listen_fd_);
  }
  int Port() const { return port_; }

 private:
  std::string payload_;
  int listen_fd_ = -1;
  int port_ = 0;
  std::thread thread_;
};

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

void BenchLines() {
  const int kLines = 2'000'000;
  std::string payload;
  for (int i = 0; i < kLines; ++i) payload += "Header-" + std::to_string(i % 1000) + ": value\r\n";
  Sender sender(payload);
  lumora::TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(sender.Port());
  client.OpenConnection();
  auto start = std::chrono::steady_clock::now();
  size_t bytes = 0;
  for (int i = 0; i < kLines; ++i) bytes += client.ReadLine().size() + 2;
  double s = Seconds(std::chrono::steady_clock::now() - start);
  client.CloseConnection();
  std::printf("ReadLine:     %d lines, %.1f MB in %.3f s: %.2f M lines/s, %.0f MB/s\n", kLines,
              bytes / 1e6, s, kLines / s / 1e6, bytes / s / 1e6);
}

// Counts what is written and keeps nothing, so that only the connection is measured.
class NullStream : public lumora::TStream {
 public:
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t count) override {
    position_ += count;
    return count;
  }
  int64_t Seek(int64_t offset, lumora::TSeekOrigin origin) override {
    if (origin == lumora::TSeekOrigin::soBeginning)
      position_ = offset;
    else
      position_ += offset;
    return position_;
  }
  int64_t Size() override { return position_; }

 private:
  int64_t position_ = 0;
};

template <typename Stream>
void BenchStream(const char* name) {
  const size_t kBytes = size_t{512} << 20;
  Sender sender(std::string(kBytes, 'b'));
  lumora::TNetTCPClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(sender.Port());
  client.OpenConnection();
  Stream stream;
  auto start = std::chrono::steady_clock::now();
  client.ReadToStream(stream, static_cast<int64_t>(kBytes));
  double s = Seconds(std::chrono::steady_clock::now() - start);
  client.CloseConnection();
  std::printf("ReadToStream into %s: %.0f MB in %.3f s: %.0f MB/s\n", name, stream.Size() / 1e6, s,
              stream.Size() / s / 1e6);
}

}  // namespace

int main() {
  BenchLines();
  BenchStream<NullStream>("a counting stream");
  BenchStream<lumora::TMemoryStream>("a memory stream");
}
