#pragma once
// Stream wrappers over zlib: TCompressionStream deflates what is written to
// it into a target stream, TDecompressionStream inflates from a source
// stream. All transfers go through a fixed 4096-byte buffer; the wrapped
// stream is not owned and must outlive the wrapper.

#include <zlib.h>

#include <cstdint>
#include <functional>

#include "base/exception.h"
#include "base/stream.h"

namespace lumora {

class EZlibError : public Exception {
 public:
  using Exception::Exception;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };

class TCustomZlibStream : public TStream {
 public:
  static constexpr int kBufferSize = 4096;
  using TProgress = std::function<void(TCustomZlibStream& sender)>;

  // Called each time the internal buffer has been flushed or refilled.
  void SetOnProgress(TProgress progress) { on_progress_ = std::move(progress); }

 protected:
  explicit TCustomZlibStream(TStream& stream);
  void Progress();
  // Moves the wrapped stream back to where the wrapper left it.
  void RestorePosition();

  TStream& strm_;
  int64_t strm_pos_;
  z_stream z_{};
  unsigned char buffer_[kBufferSize];

 private:
  TProgress on_progress_;
};

class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& target);
  // Finishes the zlib stream if Finish has not run; an error there is lost,
  // so call Finish to learn of it.
  ~TCompressionStream() override;

  int64_t Read(void* buffer, int64_t count) override;  // raises
  int64_t Write(const void* buffer, int64_t count) override;
  // Only Seek(0, soCurrent) is allowed: it returns the bytes written so far.
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;

  // Writes the end of the zlib stream to the target; later writes raise.
  void Finish();
  // Compressed bytes out per byte in, as a percentage (0 when nothing came in).
  float CompressionRate() const;

 private:
  bool finished_ = false;
};

class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  // Returns the bytes inflated; fewer than count at the end of the zlib
  // stream or of a truncated source.
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;  // raises
  // Seek(0, soBeginning) restarts from the source's start; a forward move
  // (from the current position, or from the start past the bytes inflated
  // so far) inflates and drops bytes. Returns the bytes inflated so far.
  // Every other seek raises "Invalid stream operation".
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  // The zlib stream's end has been read.
  bool Ended() const { return ended_; }

 private:
  bool ended_ = false;
};

// Deflates the whole source (from its start) into target at level 9.
void DeflateWholeStream(TMemoryStream& source, TStream& target);
// Inflates the whole source (from its start) into target. More than
// max_output bytes of output raise EDecompressionError (a guard against
// hostile blocks); a negative max_output means no limit. A source that
// ends before the zlib stream's end raises EDecompressionError too: what was
// inflated may look whole, but it is cut short.
void InflateWholeStream(TStream& target, TStream& source, int64_t max_output = -1);

}  // namespace lumora
