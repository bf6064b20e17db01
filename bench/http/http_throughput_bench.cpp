// Loopback body throughput of lumora-http against curl, for a large body sent
// with a Content-Length and chunked; and the peak memory of the client when
// it keeps the body in memory. Prints figures; never fails a build.
//
//   http_throughput_bench [MEGABYTES=200] [RUNS=5]
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "base/stream.h"
#include "http/http_client.h"

namespace {

// Serves /len and /chunked bodies of a fixed size, one thread a connection.
class BodyServer {
 public:
  explicit BodyServer(int64_t bytes) : bytes_(bytes), block_(1 << 20, 'x') {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int on = 1;
    ::setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    ::listen(fd_, 16);
    thread_ = std::thread([this] { Run(); });
  }
  ~BodyServer() {
    stop_ = true;
    ::shutdown(fd_, SHUT_RDWR);
    ::close(fd_);
    thread_.join();
  }
  int Port() const { return port_; }

 private:
  void Run() {
    while (!stop_) {
      int c = ::accept(fd_, nullptr, nullptr);
      if (c < 0) return;
      std::thread([this, c] { Serve(c); }).detach();
    }
  }
  void Serve(int c) {
    std::string head;
    char buf[4096];
    while (head.find("\r\n\r\n") == std::string::npos) {
      ssize_t n = ::recv(c, buf, sizeof buf, 0);
      if (n <= 0) {
        ::close(c);
        return;
      }
      head.append(buf, static_cast<size_t>(n));
    }
    bool chunked = head.find(" /chunked ") != std::string::npos;
    std::string reply = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    reply += chunked ? "Transfer-Encoding: chunked\r\n\r\n"
                     : "Content-Length: " + std::to_string(bytes_) + "\r\n\r\n";
    Send(c, reply.data(), reply.size());
    const size_t piece = chunked ? 64 * 1024 : block_.size();
    for (int64_t left = bytes_; left > 0;) {
      size_t n = static_cast<size_t>(std::min<int64_t>(left, static_cast<int64_t>(piece)));
      if (chunked) {
        char size_line[32];
        int k = std::snprintf(size_line, sizeof size_line, "%zx\r\n", n);
        Send(c, size_line, static_cast<size_t>(k));
      }
      if (!Send(c, block_.data(), n)) break;
      if (chunked) Send(c, "\r\n", 2);
      left -= static_cast<int64_t>(n);
    }
    if (chunked) Send(c, "0\r\n\r\n", 5);
    ::shutdown(c, SHUT_WR);
    while (::recv(c, buf, sizeof buf, 0) > 0) {
    }
    ::close(c);
  }
  static bool Send(int c, const char* p, size_t n) {
    while (n > 0) {
      ssize_t k = ::send(c, p, n, MSG_NOSIGNAL);
      if (k <= 0) return false;
      p += k;
      n -= static_cast<size_t>(k);
    }
    return true;
  }

  int64_t bytes_;
  std::string block_;
  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

double RunCommandSeconds(const std::vector<std::string>& argv) {
  auto start = std::chrono::steady_clock::now();
  pid_t pid = ::fork();
  if (pid == 0) {
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, 1);
    ::dup2(null, 2);
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? s : -1;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}

// Peak resident kilobytes of a child that reads the body into memory.
long InMemoryPeakKb(const std::string& url, int64_t expected) {
  pid_t pid = ::fork();
  if (pid == 0) {
    lumora::TNetHTTP http;
    lumora::TMemoryStream body;
    http.Get(url, &body);
    ::_exit(body.Size() == expected ? 0 : 1);
  }
  int status = 0;
  rusage usage{};
  ::wait4(pid, &status, 0, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

std::string SelfDir() {
  char path[4096];
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  std::string p(path, n > 0 ? static_cast<size_t>(n) : 0);
  return p.substr(0, p.rfind('/'));
}

}  // namespace

int main(int argc, char** argv) {
  const int64_t megabytes = argc > 1 ? std::atoll(argv[1]) : 200;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  const int64_t bytes = megabytes * 1024 * 1024;
  BodyServer server(bytes);
  const std::string client = SelfDir() + "/lumora-http";
  std::printf("body %lld MiB, %d runs each, medians\n", static_cast<long long>(megabytes), runs);
  for (const char* path : {"/len", "/chunked"}) {
    const std::string url = "http://127.0.0.1:" + std::to_string(server.Port()) + path;
    std::vector<double> ours, curl;
    for (int i = 0; i < runs; ++i) {
      ours.push_back(RunCommandSeconds({client, url}));
      curl.push_back(RunCommandSeconds({"curl", "-s", "-o", "/dev/null", url}));
    }
    double a = Median(ours), b = Median(curl);
    std::printf(
        "%-9s lumora-http %.3f s (%.0f MiB/s)  curl %.3f s (%.0f MiB/s)  speed ratio %.2f\n", path,
        a, megabytes / a, b, megabytes / b, b / a);
    long kb = InMemoryPeakKb(url, bytes);
    std::printf("%-9s in-memory peak %.1f MiB = %.2f x body\n", path, kb / 1024.0,
                kb / 1024.0 / static_cast<double>(megabytes));
  }
  return 0;
}
