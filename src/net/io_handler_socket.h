#pragma once
// The default I/O handler: one TCP socket through the socket stack.

#include "net/io_handler.h"
#include "net/socket_handle.h"

namespace lumora {

class TNetIOHandlerSocket : public TNetIOHandler {
 public:
  TNetIOHandlerSocket() = default;
  ~TNetIOHandlerSocket() override;

  // Nagle's algorithm stays on unless switched off here.
  bool UseNagle() const { return use_nagle_; }
  void SetUseNagle(bool on) { use_nagle_ = on; }
  TNetSocketHandle& Binding() { return binding_; }

  void Open() override;
  void Close() override;
  void ConnectClient(const TNetConnectTarget& target) override;
  bool Connected() override { return binding_.HandleAllocated(); }
  bool Readable(int timeout_ms) override;
  bool Writable(int timeout_ms) override;
  int Recv(void* buffer, int length) override;
  int Send(const void* buffer, int length) override;
  int LastError() const override;

 private:
  TNetSocketHandle binding_;
  bool use_nagle_ = true;
};

}  // namespace lumora
