#include "net/simple_buffer.h"

#include <algorithm>
#include <cstring>

#include "net/net_exception.h"

namespace lumora {

int64_t TNetSimpleBuffer::Read(void* buffer, int64_t count) {
  if (count <= 0 || position_ < 0 || position_ >= Length()) return 0;
  int64_t n = std::min(count, Length() - position_);
  std::memcpy(buffer, Memory() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TNetSimpleBuffer::Write(const void* buffer, int64_t count) {
  if (count <= 0 || position_ < 0) return 0;
  int64_t end = position_ + count;
  if (end > Length()) data_.resize(static_cast<size_t>(begin_ + end));
  std::memcpy(data_.data() + begin_ + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TNetSimpleBuffer::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning: position_ = offset; break;
    case TSeekOrigin::soCurrent: position_ += offset; break;
    case TSeekOrigin::soEnd: position_ = Length() + offset; break;
  }
  return position_;
}

void TNetSimpleBuffer::SetSize(int64_t size) {
  if (size < 0) size = 0;
  data_.resize(static_cast<size_t>(begin_ + size));
  position_ = std::min(position_, size);
}

void TNetSimpleBuffer::Append(const void* bytes, int64_t count) {
  if (count > 0) data_.append(static_cast<const char*>(bytes), static_cast<size_t>(count));
}

std::string TNetSimpleBuffer::Extract(int64_t count) {
  std::string out;
  if (count > 0) {
    out.resize(static_cast<size_t>(std::min(count, Length())));
    ExtractTo(out.data(), count);
  } else {
    ExtractTo(nullptr, count);
  }
  return out;
}

void TNetSimpleBuffer::ExtractTo(void* target, int64_t count) {
  if (count < 0 || count > Length()) throw ENetNotEnoughDataInBuffer();
  if (count == 0) return;
  std::memcpy(target, Memory(), static_cast<size_t>(count));
  Remove(count);
}

void TNetSimpleBuffer::Remove(int64_t count) {
  if (count < 0 || count > Length()) throw ENetNotEnoughDataInBuffer();
  if (count == 0) return;
  DropFront(count);
  position_ = std::max<int64_t>(0, position_ - count);
  if (OnBytesRemoved) OnBytesRemoved(count);
}

void TNetSimpleBuffer::Clear() {
  data_.clear();
  begin_ = 0;
  position_ = 0;
}

void TNetSimpleBuffer::DropFront(int64_t count) {
  data_.erase(0, static_cast<size_t>(begin_ + count));
  begin_ = 0;
}

}  // namespace lumora
