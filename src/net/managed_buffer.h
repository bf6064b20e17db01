#pragma once
// The connection's input buffer: taking bytes from the front only advances a
// consumed counter, and the rest is moved to the front once
// kNetManagedBufferPackSize bytes are consumed, so that reading many short
// lines out of a large buffer stays linear.

#include "net/simple_buffer.h"

namespace lumora {

class TNetManagedBuffer : public TNetSimpleBuffer {
 public:
  // Bytes taken but not yet packed away.
  int64_t Consumed() const { return begin_; }
  void Clear() override;

 protected:
  void DropFront(int64_t count) override;
};

}  // namespace lumora
