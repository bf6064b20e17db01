#pragma once
// The process-wide socket stack: thin wrappers over the POSIX socket calls
// that translate errno into Winsock error numbers, remember the last error and
// raise ENetSocketError. One instance exists while any TNetComponent lives.

#include <initializer_list>
#include <string>

namespace lumora {

class TNetStack {
 public:
  // Reference counting by TNetComponent; the first Acquire creates the
  // stack, the last Release frees it. Both are serialised by a mutex.
  static void Acquire();
  static void Release();
  static int ReferenceCount();
  // The live stack; raises ENetException when no component holds one.
  static TNetStack& Instance();

  // Winsock number for an errno value; values outside the table become
  // 10000 + errno, as Winsock numbers its BSD errors.
  static int WinsockError(int posix_errno);
  // Text of a Winsock number, empty for numbers outside the table.
  static std::string ErrorText(int code);
  [[noreturn]] static void RaiseSocketError(int code);

  // The Winsock number of the last failed call on this thread.
  int LastError() const;
  void SetLastError(int code);
  // Returns result unless it is -1 with a last error outside tolerated, in
  // which case ENetSocketError is raised.
  int CheckForSocketError(int result, std::initializer_list<int> tolerated = {});

  // Each returns the POSIX result (-1 on failure, with LastError set).
  int NewSocket();
  int Bind(int socket, const std::string& ip, int port);
  // Connects with a limit in milliseconds (-1: none). Returns 0, -1 on error,
  // or 1 when the limit passed first.
  int Connect(int socket, const std::string& ip, int port, int timeout_ms);
  // Readiness waits: 1 ready, 0 time limit passed, -1 error. -1 waits without limit.
  int WaitReadable(int socket, int timeout_ms);
  int WaitWritable(int socket, int timeout_ms);
  int Recv(int socket, void* buffer, int length);
  // Never raises SIGPIPE; sends what fits without blocking once the socket is
  // writable.
  int Send(int socket, const void* buffer, int length);
  int SetNoDelay(int socket, bool on);
  bool LocalAddress(int socket, std::string& ip, int& port);
  bool PeerAddress(int socket, std::string& ip, int& port);
  // Shuts the sending direction down, then closes.
  void Disconnect(int socket);

  // Four dot-separated decimal numbers 0..255: returns the address in
  // canonical dotted form, else an empty string.
  static std::string NormalizeIP(const std::string& text);
  // "localhost" and dotted addresses map directly; other names are looked up
  // (IPv4 only). A failed look-up raises socket error 11001.
  std::string ResolveHost(const std::string& host);

 private:
  TNetStack() = default;
  TNetStack(const TNetStack&) = delete;
  TNetStack& operator=(const TNetStack&) = delete;
};

}  // namespace lumora
