#include "base/stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "base/exception.h"

namespace lumora {

int64_t TStream::Size() {
  int64_t here = Seek(0, TSeekOrigin::soCurrent);
  int64_t end = Seek(0, TSeekOrigin::soEnd);
  Seek(here, TSeekOrigin::soBeginning);
  return end;
}

void TStream::SetSize(int64_t) {
  throw EStreamError("Stream size cannot be changed");
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EStreamError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EStreamError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  constexpr int64_t kChunk = 64 * 1024;
  char buffer[kChunk];
  int64_t done = 0;
  while (done < count) {
    int64_t n = std::min(kChunk, count - done);
    source.ReadBuffer(buffer, n);
    WriteBuffer(buffer, n);
    done += n;
  }
  return done;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  if (count <= 0 || position_ < 0 || position_ >= Length()) return 0;
  int64_t n = std::min(count, Length() - position_);
  std::memcpy(buffer, data_.data() + position_, static_cast<size_t>(n));
  position_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0 || position_ < 0) return 0;
  int64_t end = position_ + count;
  if (end > Length()) {
    // Grow geometrically so that many small writes stay linear.
    if (static_cast<size_t>(end) > data_.capacity())
      data_.reserve(std::max(static_cast<size_t>(end), data_.capacity() * 2));
    data_.resize(static_cast<size_t>(end));
  }
  std::memcpy(data_.data() + position_, buffer, static_cast<size_t>(count));
  position_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      position_ = offset;
      break;
    case TSeekOrigin::soCurrent:
      position_ += offset;
      break;
    case TSeekOrigin::soEnd:
      position_ = Length() + offset;
      break;
  }
  return position_;
}

void TMemoryStream::SetSize(int64_t size) {
  if (size < 0) throw EStreamError("Stream size cannot be negative");
  data_.resize(static_cast<size_t>(size));
  if (position_ > size) position_ = size;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  position_ = 0;
}

void TMemoryStream::Reserve(int64_t capacity) {
  if (capacity > 0) data_.reserve(static_cast<size_t>(capacity));
}

std::string TMemoryStream::TakeData() {
  std::string out = std::move(data_);
  data_.clear();
  position_ = 0;
  return out;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  int64_t n = source.Size();
  SetSize(n);
  if (n > 0) source.ReadBuffer(data_.data(), n);
  position_ = 0;
}

void TMemoryStream::SaveToStream(TStream& target) const {
  target.WriteBuffer(data_.data(), static_cast<int64_t>(data_.size()));
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  data_ = ReadFileBytes(path);
  position_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& path) const {
  WriteFileBytes(path, data_);
}

std::string TStringStream::ReadString(int64_t count) {
  int64_t pos = Position();
  if (count <= 0 || pos < 0 || pos >= Length()) return {};
  int64_t n = std::min(count, Length() - pos);
  std::string out(Data().substr(static_cast<size_t>(pos), static_cast<size_t>(n)));
  Seek(n, TSeekOrigin::soCurrent);
  return out;
}

TFileStream::TFileStream(const std::string& path, TFileMode mode) : path_(path) {
  int flags = 0;
  switch (mode) {
    case TFileMode::fmCreate:
      flags = O_RDWR | O_CREAT | O_TRUNC;
      break;
    case TFileMode::fmOpenRead:
      flags = O_RDONLY;
      break;
    case TFileMode::fmOpenWrite:
      flags = O_WRONLY;
      break;
    case TFileMode::fmOpenReadWrite:
      flags = O_RDWR;
      break;
  }
  fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
  if (fd_ < 0) {
    const char* what = mode == TFileMode::fmCreate ? "Cannot create file" : "Cannot open file";
    throw EFOpenError(std::string(what) + " \"" + path + "\". " + std::strerror(errno));
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    ssize_t n =
        ::write(fd_, static_cast<const char*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
               : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                  : SEEK_END;
  off_t r = ::lseek(fd_, static_cast<off_t>(offset), whence);
  if (r < 0) throw EStreamError("Cannot seek in file \"" + path_ + "\". " + std::strerror(errno));
  return r;
}

int64_t TFileStream::Size() {
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return 0;
  return st.st_size;
}

void TFileStream::SetSize(int64_t size) {
  if (::ftruncate(fd_, static_cast<off_t>(size)) != 0)
    throw EStreamError("Cannot resize file \"" + path_ + "\". " + std::strerror(errno));
  if (Position() > size) Seek(size, TSeekOrigin::soBeginning);
}

std::string ReadFileBytes(const std::string& path) {
  TFileStream file(path, TFileMode::fmOpenRead);
  std::string out;
  // Sized once, so a large file is not copied as the string grows.
  out.reserve(static_cast<size_t>(std::max<int64_t>(file.Size(), 0)));
  char buffer[64 * 1024];
  for (;;) {
    int64_t n = file.Read(buffer, sizeof buffer);
    if (n <= 0) break;
    out.append(buffer, static_cast<size_t>(n));
  }
  return out;
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  TFileStream file(path, TFileMode::fmCreate);
  file.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

}  // namespace lumora
