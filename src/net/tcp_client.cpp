#include "net/tcp_client.h"

#include "net/net_exception.h"

namespace lumora {

void TNetTCPClient::DoOnConnected() {
  if (OnConnected) OnConnected(*this);
}

void TNetTCPClient::OpenConnection(int timeout_ms) {
  if (IOHandler() && IOHandler()->Connected()) throw ENetAlreadyConnected();
  TNetIOHandler& handler = EnsureIOHandler();
  try {
    handler.Open();
    ResetConnection();
    TNetConnectTarget target;
    target.host = host_;
    target.port = port_;
    target.bound_ip = bound_ip_;
    target.bound_port = bound_port_;
    target.bound_port_min = bound_port_min_;
    target.bound_port_max = bound_port_max_;
    target.timeout_ms = timeout_ms;
    target.deadline = Deadline();
    handler.ConnectClient(target);
    if (Intercept()) Intercept()->Connect();
    DoStatus(TNetStatus::hsConnected);
    DoOnConnected();
  } catch (...) {
    CloseSocket();
    throw;
  }
}

}  // namespace lumora
