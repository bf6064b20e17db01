#include "net/io_handler_socket.h"

#include "net/net_exception.h"
#include "net/net_stack.h"

namespace lumora {

TNetIOHandlerSocket::~TNetIOHandlerSocket() { Close(); }

void TNetIOHandlerSocket::Open() { binding_.Reset(); }

void TNetIOHandlerSocket::Close() { binding_.CloseSocket(); }

void TNetIOHandlerSocket::ConnectClient(const TNetConnectTarget& target) {
  TNetStack& stack = TNetStack::Instance();
  try {
    binding_.AllocateSocket();
    binding_.SetIP(target.bound_ip);
    binding_.SetPort(target.bound_port);
    binding_.SetClientPortRange(target.bound_port_min, target.bound_port_max);
    // Binding to any address and port is what connect does anyway.
    if (!target.bound_ip.empty() || target.bound_port != 0 || target.bound_port_min != 0 ||
        target.bound_port_max != 0)
      binding_.Bind();

    if (target.deadline && NetMsUntil(*target.deadline) == 0) throw ENetConnectTimeout();
    std::string ip = TNetStack::NormalizeIP(target.host);
    if (ip.empty()) {
      DoStatus(TNetStatus::hsResolving, target.host);
      ip = stack.ResolveHost(target.host);
    }
    binding_.SetPeer(ip, target.port);
    if (!use_nagle_) stack.CheckForSocketError(stack.SetNoDelay(binding_.Handle(), true));
    DoStatus(TNetStatus::hsConnecting, ip);

    int own_limit = target.timeout_ms > 0 ? target.timeout_ms : -1;
    bool by_deadline = false;
    int wait = NetLimitWait(own_limit, target.deadline, by_deadline);
    bool connected = false;
    try {
      connected = binding_.Connect(wait);
    } catch (const ENetSocketError& e) {
      // A connect with a limit of its own reports its failure by text only.
      if (own_limit > 0) throw ENetConnectException(e.Message());
      throw;
    }
    if (!connected) throw ENetConnectTimeout();
    binding_.UpdateBindingLocal();
    binding_.UpdateBindingPeer();
  } catch (...) {
    binding_.CloseSocket();
    throw;
  }
}

bool TNetIOHandlerSocket::Readable(int timeout_ms) {
  if (!binding_.HandleAllocated()) throw ENetConnClosedGracefully();
  TNetStack& stack = TNetStack::Instance();
  return stack.CheckForSocketError(stack.WaitReadable(binding_.Handle(), timeout_ms)) > 0;
}

bool TNetIOHandlerSocket::Writable(int timeout_ms) {
  if (!binding_.HandleAllocated()) throw ENetConnClosedGracefully();
  TNetStack& stack = TNetStack::Instance();
  return stack.CheckForSocketError(stack.WaitWritable(binding_.Handle(), timeout_ms)) > 0;
}

int TNetIOHandlerSocket::Recv(void* buffer, int length) {
  if (!binding_.HandleAllocated()) {
    TNetStack::Instance().SetLastError(10058);
    return -1;
  }
  return TNetStack::Instance().Recv(binding_.Handle(), buffer, length);
}

int TNetIOHandlerSocket::Send(const void* buffer, int length) {
  if (!binding_.HandleAllocated()) {
    TNetStack::Instance().SetLastError(10058);
    return -1;
  }
  return TNetStack::Instance().Send(binding_.Handle(), buffer, length);
}

int TNetIOHandlerSocket::LastError() const { return TNetStack::Instance().LastError(); }

}  // namespace lumora
