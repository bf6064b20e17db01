#pragma once
// One TCP socket and the addresses at both of its ends.

#include <string>

namespace lumora {

class TNetSocketHandle {
 public:
  static constexpr int kInvalidSocket = -1;

  TNetSocketHandle() = default;
  ~TNetSocketHandle();
  TNetSocketHandle(const TNetSocketHandle&) = delete;
  TNetSocketHandle& operator=(const TNetSocketHandle&) = delete;

  int Handle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != kInvalidSocket; }

  // A new IPv4 stream socket; an old one is closed first. Raises ENetSocketError.
  void AllocateSocket();
  // Shuts the sending direction down and closes; does nothing without a socket.
  void CloseSocket();

  // Binds to ip:port, or, with port 0 and a client port range set, to the
  // first free port of the range. Raises ENetCouldNotBindSocket when the
  // address is taken, ENetInvalidPortRange / ENetCanNotBindPortInRange for
  // the range.
  void Bind();
  // Connects to the peer set with SetPeer; timeout_ms -1 means no limit.
  // Returns false when the limit passed first; raises ENetSocketError.
  bool Connect(int timeout_ms);
  void SetPeer(std::string ip, int port);
  // Reads the local and peer addresses back from the connected socket.
  void UpdateBindingLocal();
  void UpdateBindingPeer();

  const std::string& IP() const { return ip_; }
  void SetIP(std::string ip) { ip_ = std::move(ip); }
  int Port() const { return port_; }
  void SetPort(int port) { port_ = port; }
  const std::string& PeerIP() const { return peer_ip_; }
  int PeerPort() const { return peer_port_; }
  int ClientPortMin() const { return client_port_min_; }
  int ClientPortMax() const { return client_port_max_; }
  void SetClientPortRange(int min, int max) {
    client_port_min_ = min;
    client_port_max_ = max;
  }

  void Reset();

 private:
  int handle_ = kInvalidSocket;
  std::string ip_;
  int port_ = 0;
  std::string peer_ip_;
  int peer_port_ = 0;
  int client_port_min_ = 0;
  int client_port_max_ = 0;
};

}  // namespace lumora
