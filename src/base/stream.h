#pragma once
// Byte streams with position, size, seek, read and write: the abstract
// TStream and its memory, string and file kinds. Reads and writes return the
// number of bytes moved; the *Buffer forms raise when fewer were moved.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumora {

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual int64_t Size();
  // Streams that cannot change their size raise EStreamError.
  virtual void SetSize(int64_t size);
  // A hint that the stream will grow to capacity bytes, so a memory stream
  // can make room once instead of copying itself as it grows. The size does
  // not change; other streams ignore it.
  virtual void Reserve(int64_t) {}

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }

  // Raise EStreamError "Stream read error" / "Stream write error" on a short move.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);
  void WriteString(std::string_view text) {
    WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  }

  // Copies count bytes from source's position; count 0 copies all of source
  // from its start. Returns the bytes copied.
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A growable stream in memory. Seeking past the end is allowed; a write there
// fills the gap with zero bytes.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string initial) : data_(std::move(initial)) {}

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t size) override;

  void Clear();
  // The bytes held, whatever a subclass reports as its Size().
  int64_t Length() const { return static_cast<int64_t>(data_.size()); }
  void Reserve(int64_t capacity) override;
  char* Memory() { return data_.data(); }
  std::string_view Data() const { return data_; }
  // Hands the bytes out and leaves the stream empty.
  std::string TakeData();

  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& target) const;
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  std::string data_;
  int64_t position_ = 0;
};

// A memory stream whose bytes are read back as one string.
class TStringStream : public TMemoryStream {
 public:
  TStringStream() = default;
  explicit TStringStream(std::string initial) : TMemoryStream(std::move(initial)) {}
  std::string DataString() const { return std::string(Data()); }
  // Reads up to count bytes from the position.
  std::string ReadString(int64_t count);
};

enum class TFileMode { fmCreate, fmOpenRead, fmOpenWrite, fmOpenReadWrite };

// A stream over a file on disk. Opening failures raise EFOpenError with
// "Cannot open file "<path>". <reason>" (or "Cannot create file ...").
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, TFileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t Size() override;
  void SetSize(int64_t size) override;
  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

// Whole-file helpers; they raise EFOpenError / EStreamError.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace lumora
