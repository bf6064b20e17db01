#pragma once
// A hook that sees every byte a connection sends and receives, and may change
// them (logging, encoding). Not owned by the connection.

#include <string>

namespace lumora {

class TNetConnectionIntercept {
 public:
  virtual ~TNetConnectionIntercept() = default;
  virtual void Connect() {}
  virtual void Disconnect() {}
  // Called with the bytes just received, before they enter the input buffer.
  virtual void Receive(std::string& bytes) { (void)bytes; }
  // Called with the bytes about to be sent.
  virtual void Send(std::string& bytes) { (void)bytes; }
};

}  // namespace lumora
