#include "net/managed_buffer.h"

#include "net/net_limits.h"

namespace lumora {

void TNetManagedBuffer::Clear() { TNetSimpleBuffer::Clear(); }

void TNetManagedBuffer::DropFront(int64_t count) {
  begin_ += count;
  if (begin_ >= kNetManagedBufferPackSize) {
    data_.erase(0, static_cast<size_t>(begin_));
    begin_ = 0;
  }
}

}  // namespace lumora
