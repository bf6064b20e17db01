#pragma once
// cpp-httplib's server with its connections kept by us, so that clients who
// hold connections open cannot starve the others. A poller thread watches
// every connection that waits for a request and reads request heads as they
// trickle in; only a complete head goes to one of a pool of workers, which
// reads the body and answers through the library. Waiting connections cost a
// descriptor, never a worker.
//
// A connection has idle_timeout_ms to start a request and head_timeout_ms
// from its first byte to the end of the head (a 408 answer, then close);
// open connections are capped, and at the cap the longest-idle one makes
// room. Pipelined requests are answered in order.

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumora {

struct ServerLimits {
  int workers = 32;             // requests served at the same time
  int max_connections = 1024;   // open connections, waiting ones included
  int idle_timeout_ms = 5000;   // for a connection to start its next request
  int head_timeout_ms = 5000;   // from a request's first byte to the end of its head
  int read_timeout_ms = 10000;  // each read of a body
  int write_timeout_ms = 10000;
  size_t max_head_bytes = 64 * 1024;
  int listen_queue = 1024;  // connections the kernel holds before we accept them
  int max_requests_per_connection = 1000;
  size_t max_body_bytes = 32 * 1024 * 1024;  // a larger request gets 413
};

class GuardedServer : public httplib::Server {
 public:
  explicit GuardedServer(ServerLimits limits = {});
  ~GuardedServer() override;

  // The library listens with a queue of 5, so a burst of connects waits for
  // SYN retries whenever the accepting thread is slow to run. Call after
  // binding.
  void WidenListenQueue();

  // Closes every connection and joins the threads; requests being served
  // finish first. Call after stop(); the server cannot serve again.
  void StopConnections();
  int OpenConnections() const;

 private:
  using Clock = std::chrono::steady_clock;
  struct Connection {
    int fd = -1;
    std::string buffer;  // received, not yet handed to the library
    bool head_started = false;
    Clock::time_point deadline;
    Clock::time_point idle_since;
    int requests = 0;
  };
  class ConnectionStream;

  bool process_and_close_socket(socket_t sock) override;

  void Wake();
  void PollLoop();
  void WorkerLoop();
  // Reads what arrived; false when the connection is to be closed.
  bool ReceiveHead(Connection& c);
  void Serve(std::unique_ptr<Connection> c);
  void ReturnToPoller(std::unique_ptr<Connection> c);
  void Close(std::unique_ptr<Connection> c);
  void MakeRoom();

  const ServerLimits limits_;
  mutable std::mutex mutex_;
  std::condition_variable work_ready_;
  bool stopping_ = false;
  int open_ = 0;
  std::deque<std::unique_ptr<Connection>> incoming_;  // new or returned, for the poller
  std::deque<std::unique_ptr<Connection>> ready_;     // complete heads, for the workers
  std::list<std::unique_ptr<Connection>> waiting_;    // the poller's own
  int wake_read_ = -1;
  int wake_write_ = -1;
  std::thread poller_;
  std::vector<std::thread> workers_;
};

}  // namespace lumora
