#pragma once
// A TCP connection that opens itself to Host:Port.

#include <string>

#include "net/tcp_connection.h"

namespace lumora {

class TNetTCPClient : public TNetTCPConnection {
 public:
  TNetTCPClient() = default;

  TNetNotifyEvent OnConnected;

  const std::string& BoundIP() const { return bound_ip_; }
  void SetBoundIP(std::string ip) { bound_ip_ = std::move(ip); }
  int BoundPort() const { return bound_port_; }
  void SetBoundPort(int port) { bound_port_ = port; }
  int BoundPortMin() const { return bound_port_min_; }
  int BoundPortMax() const { return bound_port_max_; }
  // With BoundPort 0, the local port is the first free one of this range
  // (0 - 0: any).
  void SetBoundPortRange(int min, int max) {
    bound_port_min_ = min;
    bound_port_max_ = max;
  }
  const std::string& Host() const { return host_; }
  virtual void SetHost(const std::string& host) { host_ = host; }
  int Port() const { return port_; }
  virtual void SetPort(int port) { port_ = port; }

  // Connects to Host:Port. timeout_ms above 0 limits the connect (failures
  // then raise ENetConnectException, the limit ENetConnectTimeout); -1, 0 and
  // kNetTimeoutInfinite set no limit of its own (failures raise
  // ENetSocketError). The deadline limits it in every case. Raises
  // ENetAlreadyConnected when connected; on any failure the connection is
  // closed again. Sends hsResolving, hsConnecting and hsConnected, then calls
  // OnConnected.
  virtual void OpenConnection(int timeout_ms = kNetTimeoutDefault);

 protected:
  virtual void DoOnConnected();

 private:
  std::string bound_ip_;
  int bound_port_ = 0;
  int bound_port_min_ = 0;
  int bound_port_max_ = 0;
  std::string host_;
  int port_ = 0;
};

}  // namespace lumora
