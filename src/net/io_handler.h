#pragma once
// The seam between a connection and its transport. TNetIOHandlerSocket is
// the real one; a test or another transport can put its own in its place.

#include <string>

#include "net/net_component.h"
#include "net/net_time.h"

namespace lumora {

// Where and how to connect.
struct TNetConnectTarget {
  std::string host;
  int port = 0;
  std::string bound_ip;  // empty: any local address
  int bound_port = 0;    // 0: any, or the first free one of the range below
  int bound_port_min = 0;
  int bound_port_max = 0;
  // -1, 0 or kNetTimeoutInfinite: no limit of its own; above 0: milliseconds.
  int timeout_ms = -1;
  TNetDeadline deadline;
};

class TNetIOHandler : public TNetComponent {
 public:
  // Prepares for a new connection (drops an old one).
  virtual void Open() = 0;
  // Shuts down and releases the transport; harmless when not connected.
  virtual void Close() = 0;
  // Resolves, connects and reports hsResolving / hsConnecting. Raises
  // ENetSocketError, ENetConnectTimeout when a limit passed first, and
  // ENetConnectException (with the socket error's text) when a connect with a
  // limit of its own fails.
  virtual void ConnectClient(const TNetConnectTarget& target) = 0;
  // Whether a transport is allocated (it may still be closed by the peer).
  virtual bool Connected() = 0;
  // Waits until data (or the peer's close) can be read: true when readable,
  // false when timeout_ms (-1: no limit) passed. Raises
  // ENetConnClosedGracefully when the transport is no longer allocated.
  virtual bool Readable(int timeout_ms) = 0;
  // As Readable, for room to send.
  virtual bool Writable(int timeout_ms) = 0;
  // Up to length bytes: the count, 0 when the peer closed, -1 on error with
  // the Winsock number in LastError().
  virtual int Recv(void* buffer, int length) = 0;
  // Sends at least one byte once writable: the count, or -1 with LastError().
  virtual int Send(const void* buffer, int length) = 0;
  virtual int LastError() const = 0;
};

}  // namespace lumora
