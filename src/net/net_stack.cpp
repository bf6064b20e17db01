#include "net/net_stack.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>

#include "base/text.h"
#include "net/net_exception.h"
#include "net/net_limits.h"
#include "net/net_time.h"

namespace lumora {

namespace {

constexpr int kHostNotFound = 11001;

std::mutex g_stack_mutex;
TNetStack* g_stack = nullptr;
int g_references = 0;
// Per thread, so that a connect on one thread never reports another's error.
thread_local int t_last_error = 0;

struct ErrnoMapping {
  int posix;
  int winsock;
};

constexpr ErrnoMapping kErrnoMap[] = {
    {ECONNREFUSED, 10061}, {ETIMEDOUT, 10060},  {EHOSTUNREACH, 10065}, {ENETUNREACH, 10051},
    {ECONNRESET, 10054},   {ECONNABORTED, 10053}, {EPIPE, 10058},     {ESHUTDOWN, 10058},
    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049}, {ENETDOWN, 10050}, {EINTR, 10004},
    {EBADF, 10009},        {EACCES, 10013},       {EFAULT, 10014},     {EINVAL, 10022},
    {EMFILE, 10024},       {EWOULDBLOCK, 10035},  {EINPROGRESS, 10036}, {EALREADY, 10037},
    {ENOTSOCK, 10038},     {EMSGSIZE, 10040},     {ENOBUFS, 10055},    {EISCONN, 10056},
    {ENOTCONN, 10057},     {EHOSTDOWN, 10064},    {EDESTADDRREQ, 10039}, {EPROTOTYPE, 10041},
    {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044},
    {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046}, {EAFNOSUPPORT, 10047}, {ENETRESET, 10052},
    {ETOOMANYREFS, 10059}, {ELOOP, 10062},        {ENAMETOOLONG, 10063}, {ENOTEMPTY, 10066},
};

struct ErrorTextEntry {
  int code;
  const char* text;
};

constexpr ErrorTextEntry kErrorTexts[] = {
    {10004, "Interrupted system call."},
    {10009, "Bad file number."},
    {10013, "Access denied."},
    {10014, "Bad address."},
    {10022, "Invalid argument."},
    {10024, "Too many open files."},
    {10035, "Operation would block. "},
    {10036, "Operation now in progress."},
    {10037, "Operation already in progress."},
    {10038, "Socket operation on non-socket."},
    {10039, "Destination address required."},
    {10040, "Message too long."},
    {10041, "Protocol wrong type for socket."},
    {10042, "Bad protocol option."},
    {10043, "Protocol not supported."},
    {10044, "Socket type not supported."},
    {10045, "Operation not supported on socket."},
    {10046, "Protocol family not supported."},
    {10047, "Address family not supported by protocol family."},
    {10048, "Address already in use."},
    {10049, "Cannot assign requested address."},
    {10050, "Network is down."},
    {10051, "Network is unreachable."},
    {10052, "Net dropped connection or reset."},
    {10053, "Software caused connection abort."},
    {10054, "Connection reset by peer."},
    {10055, "No buffer space available."},
    {10056, "Socket is already connected."},
    {10057, "Socket is not connected."},
    {10058, "Cannot send or receive after socket is closed."},
    {10059, "Too many references, cannot splice."},
    {10060, "Connection timed out."},
    {10061, "Connection refused."},
    {10062, "Too many levels of symbolic links."},
    {10063, "File name too long."},
    {10064, "Host is down."},
    {10065, "No route to host."},
    {10066, "Directory not empty"},
    {kHostNotFound, "Host not found."},
};

int Fail() {
  t_last_error = TNetStack::WinsockError(errno);
  return -1;
}

bool MakeAddress(const std::string& ip, int port, sockaddr_in& address) {
  std::memset(&address, 0, sizeof address);
  address.sin_family = AF_INET;
  if (port < 0 || port > kNetMaxPort) return false;
  address.sin_port = htons(static_cast<uint16_t>(port));
  if (ip.empty()) {
    address.sin_addr.s_addr = htonl(INADDR_ANY);
    return true;
  }
  std::string dotted = TNetStack::NormalizeIP(ip);
  return !dotted.empty() && inet_pton(AF_INET, dotted.c_str(), &address.sin_addr) == 1;
}

// poll that survives signals, keeping to the original limit.
int PollOne(int socket, short events, int timeout_ms) {
  TNetDeadline until;
  if (timeout_ms >= 0) until = TNetClock::now() + std::chrono::milliseconds(timeout_ms);
  for (;;) {
    pollfd entry{socket, events, 0};
    int wait = until ? NetMsUntil(*until) : -1;
    int r = poll(&entry, 1, wait);
    if (r >= 0) {
      if (r > 0 && (entry.revents & POLLNVAL)) {
        errno = EBADF;
        return Fail();
      }
      return r > 0 ? 1 : 0;
    }
    if (errno != EINTR) return Fail();
  }
}

bool AddressOf(const sockaddr_in& address, std::string& ip, int& port) {
  char text[INET_ADDRSTRLEN] = {};
  if (!inet_ntop(AF_INET, &address.sin_addr, text, sizeof text)) return false;
  ip = text;
  port = ntohs(address.sin_port);
  return true;
}

}  // namespace

void TNetStack::Acquire() {
  std::lock_guard lock(g_stack_mutex);
  if (g_references == 0) g_stack = new TNetStack();
  ++g_references;
}

void TNetStack::Release() {
  std::lock_guard lock(g_stack_mutex);
  if (g_references == 0) return;
  if (--g_references == 0) {
    delete g_stack;
    g_stack = nullptr;
  }
}

int TNetStack::ReferenceCount() {
  std::lock_guard lock(g_stack_mutex);
  return g_references;
}

TNetStack& TNetStack::Instance() {
  std::lock_guard lock(g_stack_mutex);
  if (!g_stack) throw ENetException("The socket stack is not active");
  return *g_stack;
}

int TNetStack::WinsockError(int posix_errno) {
  for (const auto& m : kErrnoMap)
    if (m.posix == posix_errno) return m.winsock;
  return 10000 + posix_errno;
}

std::string TNetStack::ErrorText(int code) {
  for (const auto& e : kErrorTexts)
    if (e.code == code) return e.text;
  return {};
}

void TNetStack::RaiseSocketError(int code) { throw ENetSocketError(code); }

int TNetStack::LastError() const { return t_last_error; }

void TNetStack::SetLastError(int code) { t_last_error = code; }

int TNetStack::CheckForSocketError(int result, std::initializer_list<int> tolerated) {
  if (result != -1) return result;
  for (int code : tolerated)
    if (code == t_last_error) return result;
  RaiseSocketError(t_last_error);
}

int TNetStack::NewSocket() {
  int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  return s < 0 ? Fail() : s;
}

int TNetStack::Bind(int socket, const std::string& ip, int port) {
  sockaddr_in address;
  if (!MakeAddress(ip, port, address)) {
    t_last_error = 10049;
    return -1;
  }
  return ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? 0 : Fail();
}

int TNetStack::Connect(int socket, const std::string& ip, int port, int timeout_ms) {
  sockaddr_in address;
  if (!MakeAddress(ip, port, address)) {
    t_last_error = 10049;
    return -1;
  }
  // Always non-blocking plus poll, so that a limit needs no extra thread and a
  // signal never leaves the connect half done.
  int flags = fcntl(socket, F_GETFL);
  if (flags < 0 || fcntl(socket, F_SETFL, flags | O_NONBLOCK) < 0) return Fail();
  int result = 0;
  if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
    if (errno != EINPROGRESS && errno != EINTR) {
      result = Fail();
    } else {
      int ready = PollOne(socket, POLLOUT, timeout_ms);
      if (ready < 0) {
        result = -1;
      } else if (ready == 0) {
        result = 1;
      } else {
        int error = 0;
        socklen_t length = sizeof error;
        if (getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
          result = Fail();
        } else if (error != 0) {
          errno = error;
          result = Fail();
        }
      }
    }
  }
  int saved = t_last_error;
  if (fcntl(socket, F_SETFL, flags) < 0 && result == 0) return Fail();
  t_last_error = saved;
  return result;
}

int TNetStack::WaitReadable(int socket, int timeout_ms) { return PollOne(socket, POLLIN, timeout_ms); }

int TNetStack::WaitWritable(int socket, int timeout_ms) {
  return PollOne(socket, POLLOUT, timeout_ms);
}

int TNetStack::Recv(int socket, void* buffer, int length) {
  for (;;) {
    ssize_t n = ::recv(socket, buffer, static_cast<size_t>(length), 0);
    if (n >= 0) return static_cast<int>(n);
    if (errno != EINTR) return Fail();
  }
}

int TNetStack::Send(int socket, const void* buffer, int length) {
  for (;;) {
    ssize_t n = ::send(socket, buffer, static_cast<size_t>(length), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (n >= 0) return static_cast<int>(n);
    if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (PollOne(socket, POLLOUT, -1) < 0) return -1;
      continue;
    }
    if (errno != EINTR) return Fail();
  }
}

int TNetStack::SetNoDelay(int socket, bool on) {
  int value = on ? 1 : 0;
  return setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &value, sizeof value) == 0 ? 0 : Fail();
}

bool TNetStack::LocalAddress(int socket, std::string& ip, int& port) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return Fail(), false;
  return AddressOf(address, ip, port);
}

bool TNetStack::PeerAddress(int socket, std::string& ip, int& port) {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  if (getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return Fail(), false;
  return AddressOf(address, ip, port);
}

void TNetStack::Disconnect(int socket) {
  ::shutdown(socket, SHUT_WR);
  ::close(socket);
}

std::string TNetStack::NormalizeIP(const std::string& text) {
  // Parsed by hand: inet_addr would read "010" as octal and accept short forms.
  int parts[4];
  size_t i = 0;
  for (int part = 0; part < 4; ++part) {
    if (part > 0) {
      if (i >= text.size() || text[i] != '.') return {};
      ++i;
    }
    size_t start = i;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - start < 3)
      value = value * 10 + (text[i++] - '0');
    if (i == start || value > 255) return {};
    parts[part] = value;
  }
  if (i != text.size()) return {};
  return Format("%d.%d.%d.%d", parts[0], parts[1], parts[2], parts[3]);
}

std::string TNetStack::ResolveHost(const std::string& host) {
  if (SameText(host, "localhost")) return "127.0.0.1";
  std::string dotted = NormalizeIP(host);
  if (!dotted.empty()) return dotted;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* answer = nullptr;
  // Every kind of failed look-up reads as "Host not found.".
  if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &answer) != 0 || !answer) {
    if (answer) freeaddrinfo(answer);
    t_last_error = kHostNotFound;
    RaiseSocketError(kHostNotFound);
  }
  std::string ip;
  int port = 0;
  bool ok = AddressOf(*reinterpret_cast<const sockaddr_in*>(answer->ai_addr), ip, port);
  freeaddrinfo(answer);
  if (!ok) {
    t_last_error = kHostNotFound;
    RaiseSocketError(kHostNotFound);
  }
  return ip;
}

}  // namespace lumora
