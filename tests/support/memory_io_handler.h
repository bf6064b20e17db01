#pragma once
// An I/O handler in memory, for tests and fuzzing of code above the socket:
// reads come from scripted pieces, writes are recorded, nothing waits.
//
//   TMemoryIOHandler handler({"HTTP/1.1 200 OK\r\n", "Content-Length: 2\r\n\r\nok"});
//   TNetHTTP http;
//   http.SetIOHandler(&handler);
//   http.Get("http://example/");        // "ok"
//   handler.Written();                  // "GET / HTTP/1.1\r\n..."
//
// Each Recv hands out at most one piece (the rest of a piece stays for the
// next). After the last piece the peer closes, or, with StallAtEnd, the
// handler reports that no data came within any time limit. Every connect
// gets the same script from where the last one stopped.

#include <deque>
#include <string>
#include <vector>

#include "net/io_handler.h"

namespace lumora {

class TMemoryIOHandler : public TNetIOHandler {
 public:
  explicit TMemoryIOHandler(std::vector<std::string> pieces = {});

  void AddPiece(std::string piece);
  // Without it the peer closes once the pieces are used up.
  void SetStallAtEnd(bool stall) { stall_at_end_ = stall; }

  // Every byte the client sent, over all connections.
  const std::string& Written() const { return written_; }
  int Connects() const { return connects_; }
  int Closes() const { return closes_; }
  const TNetConnectTarget& LastTarget() const { return last_target_; }
  bool PiecesLeft() const { return !pieces_.empty(); }

  void Open() override {}
  void Close() override;
  void ConnectClient(const TNetConnectTarget& target) override;
  bool Connected() override { return connected_; }
  bool Readable(int timeout_ms) override;
  bool Writable(int timeout_ms) override;
  int Recv(void* buffer, int length) override;
  int Send(const void* buffer, int length) override;
  int LastError() const override { return last_error_; }

 private:
  std::deque<std::string> pieces_;
  bool stall_at_end_ = false;
  bool connected_ = false;
  std::string written_;
  int connects_ = 0;
  int closes_ = 0;
  int last_error_ = 0;
  TNetConnectTarget last_target_;
};

}  // namespace lumora
