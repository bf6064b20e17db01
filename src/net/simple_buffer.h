#pragma once
// A byte buffer that is also a stream: bytes are appended at the end and
// taken out from the front. The base of the connection's input buffer.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "base/stream.h"

namespace lumora {

class TNetSimpleBuffer : public TStream {
 public:
  TNetSimpleBuffer() = default;
  ~TNetSimpleBuffer() override = default;
  TNetSimpleBuffer(const TNetSimpleBuffer&) = delete;
  TNetSimpleBuffer& operator=(const TNetSimpleBuffer&) = delete;

  // Told the number of bytes taken or dropped from the front.
  std::function<void(int64_t count)> OnBytesRemoved;

  // Stream view of the unremoved bytes: position 0 is the first of them.
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return Length(); }
  void SetSize(int64_t size) override;

  int64_t Length() const { return static_cast<int64_t>(data_.size()) - begin_; }
  bool Empty() const { return Length() == 0; }
  std::string_view View() const { return std::string_view(data_).substr(begin_); }
  const char* Memory() const { return data_.data() + begin_; }

  // Adds bytes at the end; the position does not move.
  void Append(const void* bytes, int64_t count);
  void Append(std::string_view bytes) { Append(bytes.data(), static_cast<int64_t>(bytes.size())); }

  // Returns and removes the first count bytes; raises ENetNotEnoughDataInBuffer
  // when fewer are held.
  std::string Extract(int64_t count);
  void ExtractTo(void* target, int64_t count);
  // Removes the first count bytes; raises as Extract.
  void Remove(int64_t count);
  virtual void Clear();

 protected:
  // Drops count bytes from the front (count is known to be held).
  virtual void DropFront(int64_t count);

  std::string data_;
  int64_t begin_ = 0;  // bytes before begin_ are consumed
  int64_t position_ = 0;
};

}  // namespace lumora
