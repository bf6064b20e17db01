#include "net/socket_handle.h"

#include "net/net_exception.h"
#include "net/net_limits.h"
#include "net/net_stack.h"

namespace lumora {

namespace {
constexpr int kAddressInUse = 10048;
}

TNetSocketHandle::~TNetSocketHandle() { CloseSocket(); }

void TNetSocketHandle::AllocateSocket() {
  CloseSocket();
  TNetStack& stack = TNetStack::Instance();
  handle_ = stack.CheckForSocketError(stack.NewSocket());
}

void TNetSocketHandle::CloseSocket() {
  if (!HandleAllocated()) return;
  int handle = handle_;
  handle_ = kInvalidSocket;
  TNetStack::Instance().Disconnect(handle);
}

void TNetSocketHandle::Bind() {
  TNetStack& stack = TNetStack::Instance();
  if (port_ == 0 && (client_port_min_ != 0 || client_port_max_ != 0)) {
    if (client_port_min_ > client_port_max_ || client_port_min_ < 0 ||
        client_port_max_ > kNetMaxPort)
      throw ENetInvalidPortRange(client_port_min_, client_port_max_);
    for (int port = client_port_min_; port <= client_port_max_; ++port)
      if (stack.Bind(handle_, ip_, port) == 0) return;
    throw ENetCanNotBindPortInRange(client_port_min_, client_port_max_);
  }
  if (stack.Bind(handle_, ip_, port_) != 0) {
    if (stack.LastError() == kAddressInUse) throw ENetCouldNotBindSocket();
    TNetStack::RaiseSocketError(stack.LastError());
  }
}

bool TNetSocketHandle::Connect(int timeout_ms) {
  TNetStack& stack = TNetStack::Instance();
  int r = stack.Connect(handle_, peer_ip_, peer_port_, timeout_ms);
  if (r == 1) return false;
  stack.CheckForSocketError(r);
  return true;
}

void TNetSocketHandle::SetPeer(std::string ip, int port) {
  peer_ip_ = std::move(ip);
  peer_port_ = port;
}

void TNetSocketHandle::UpdateBindingLocal() {
  if (HandleAllocated()) TNetStack::Instance().LocalAddress(handle_, ip_, port_);
}

void TNetSocketHandle::UpdateBindingPeer() {
  if (HandleAllocated()) TNetStack::Instance().PeerAddress(handle_, peer_ip_, peer_port_);
}

void TNetSocketHandle::Reset() {
  CloseSocket();
  ip_.clear();
  port_ = 0;
  peer_ip_.clear();
  peer_port_ = 0;
}

}  // namespace lumora
