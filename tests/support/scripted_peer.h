#pragma once
// A scripted TCP peer on 127.0.0.1 for tests of code that talks over sockets.
//
// The peer listens on an ephemeral port (Port()) and serves a list of
// exchanges in order on one thread. Each exchange reads the request in one of
// four ways, waits if asked, answers with raw bytes and then keeps the
// connection, closes it, stalls, trickles or truncates. Every byte received is
// recorded per accepted connection, so a test can assert the exact request:
//
//   ScriptedPeer peer({PeerExchange::Http("HTTP/1.1 200 OK\r\n\r\n", PeerAction::kClose)});
//   client.SetPort(peer.Port());
//   ...
//   ASSERT_TRUE(peer.WaitDone());
//   EXPECT_EQ(peer.Received(0), "GET / HTTP/1.1\r\n...");
//
// Closing is graceful: the peer shuts its sending side down and goes on
// reading (and recording) until the client closes, so a client never sees a
// reset for bytes the script did not read. Waits inside the peer end at once
// when the peer is destroyed; the destructor never hangs, whether or not a
// client ever connected.

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora {

// How an exchange reads the request before answering.
enum class PeerRead {
  kNothing,      // answer at once
  kBytes,        // exactly read_bytes bytes
  kHttpRequest,  // a head up to the blank line, then its Content-Length body
  kUntilClose,   // everything until the client closes its sending side
};

// What the peer does with its answer and the connection.
enum class PeerAction {
  kKeepOpen,  // send the answer, keep the connection for the next exchange
  kClose,     // send the answer, then close
  kDelay,     // wait ms, send the answer, keep the connection
  kStall,     // send the answer (may be empty), then hold the connection until the peer ends
  kTrickle,   // send the answer one byte every ms, keep the connection
  kTruncate,  // send only the first bytes bytes of the answer, then close
};

struct PeerExchange {
  PeerRead read = PeerRead::kNothing;
  size_t read_bytes = 0;
  std::string reply;
  PeerAction action = PeerAction::kKeepOpen;
  int ms = 0;        // kDelay, kTrickle
  size_t bytes = 0;  // kTruncate
  // The exchange after this one waits for a new connection. Closing actions
  // imply it.
  bool next_on_new_connection = false;

  static PeerExchange Reply(std::string reply, PeerAction action = PeerAction::kKeepOpen);
  static PeerExchange Http(std::string reply, PeerAction action = PeerAction::kKeepOpen);
  PeerExchange& Reading(PeerRead how, size_t count = 0);
  PeerExchange& Ms(int value);
  PeerExchange& Bytes(size_t value);
  PeerExchange& ThenNewConnection();
};

class ScriptedPeer {
 public:
  explicit ScriptedPeer(std::vector<PeerExchange> script);
  ~ScriptedPeer();
  ScriptedPeer(const ScriptedPeer&) = delete;
  ScriptedPeer& operator=(const ScriptedPeer&) = delete;

  int Port() const { return port_; }

  // Waits until every exchange was served (or the peer failed); false when
  // timeout_ms passed first or a failure was recorded.
  bool WaitDone(int timeout_ms = 10000);
  // Waits until the client closed connection i (its bytes are then complete).
  bool WaitClientClosed(int connection, int timeout_ms = 10000);
  // Waits until connection i has received at least count bytes.
  bool WaitReceived(int connection, size_t count, int timeout_ms = 10000);
  int Connections() const;
  // Exchanges whose request was read; each is counted before its answer is
  // sent, so a client holding an answer sees it counted.
  int ExchangesServed() const;
  // All bytes received on accepted connection i (0-based), and the same split
  // as the single receives delivered them.
  std::string Received(int connection = 0) const;
  std::vector<std::string> Pieces(int connection = 0) const;
  // The first thing that went wrong in the peer, empty when nothing did.
  std::string Failure() const;

  // Ends every wait of the peer and joins its thread; called by the destructor.
  void Stop();

 private:
  struct Connection;
  enum class WaitResult { kReady, kTimeout, kStopped };

  void Run();
  WaitResult Wait(int fd, short events, int timeout_ms);
  bool Sleep(int ms);
  int Accept();
  bool ReadRequest(Connection& c, const PeerExchange& e);
  // Receives once into c; false at the client's close or on an error.
  bool ReceiveSome(Connection& c);
  bool SendAll(Connection& c, const char* data, size_t size);
  void CloseWriting(Connection& c);
  void Fail(std::string what);
  Connection* Find(int index) const;

  std::vector<PeerExchange> script_;
  int listen_fd_ = -1;
  int wake_read_ = -1;
  int wake_write_ = -1;
  int port_ = 0;
  bool stopping_ = false;  // guarded by mutex_
  bool done_ = false;
  int served_ = 0;
  std::string failure_;
  std::vector<std::unique_ptr<Connection>> connections_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::thread thread_;
};

// A loopback port on which nothing listens, held for the object's lifetime so
// that no one else can take it: connecting there is refused.
class RefusedPort {
 public:
  RefusedPort();
  ~RefusedPort();
  RefusedPort(const RefusedPort&) = delete;
  RefusedPort& operator=(const RefusedPort&) = delete;
  int Port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
};

// A loopback port that listens but never accepts or reads: connects complete
// in the kernel's queue and a client's sends fill the socket buffers and then
// block. Close() drops the queued connections, which resets them.
class SilentListener {
 public:
  explicit SilentListener(int backlog = 16);
  ~SilentListener();
  SilentListener(const SilentListener&) = delete;
  SilentListener& operator=(const SilentListener&) = delete;
  int Port() const { return port_; }
  void Close();

 private:
  int fd_ = -1;
  int port_ = 0;
};

}  // namespace lumora
