#include "skin/data/zlib_stream.h"

#include <algorithm>
#include <cstring>

namespace lumora {

namespace {

constexpr const char* kInvalidOperation = "Invalid stream operation";

int CheckCompress(int code) {
  if (code < 0) throw ECompressionError("error");
  return code;
}

int CheckDecompress(int code) {
  if (code < 0) throw EDecompressionError("compression error");
  return code;
}

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::clNone:
      return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest:
      return Z_BEST_SPEED;
    case TCompressionLevel::clDefault:
      return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax:
      return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

}  // namespace

TCustomZlibStream::TCustomZlibStream(TStream& stream)
    : strm_(stream), strm_pos_(stream.Position()) {}

void TCustomZlibStream::Progress() {
  if (on_progress_) on_progress_(*this);
}

void TCustomZlibStream::RestorePosition() {
  if (strm_.Position() != strm_pos_) strm_.SetPosition(strm_pos_);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& target)
    : TCustomZlibStream(target) {
  z_.next_out = buffer_;
  z_.avail_out = kBufferSize;
  // The record size and version are those of the zlib we link against.
  CheckCompress(deflateInit(&z_, ZlibLevel(level)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (const std::exception&) {
  }
  deflateEnd(&z_);
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  z_.next_in = nullptr;
  z_.avail_in = 0;
  RestorePosition();
  for (;;) {
    int code = CheckCompress(deflate(&z_, Z_FINISH));
    if (code == Z_STREAM_END || z_.avail_out > 0) break;
    strm_.WriteBuffer(buffer_, kBufferSize);
    z_.next_out = buffer_;
    z_.avail_out = kBufferSize;
  }
  if (z_.avail_out < static_cast<unsigned>(kBufferSize)) {
    strm_.WriteBuffer(buffer_, kBufferSize - z_.avail_out);
    z_.next_out = buffer_;
    z_.avail_out = kBufferSize;
  }
  strm_pos_ = strm_.Position();
}

int64_t TCompressionStream::Read(void*, int64_t) {
  throw ECompressionError(kInvalidOperation);
}

int64_t TCompressionStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  if (finished_) throw ECompressionError(kInvalidOperation);
  RestorePosition();
  const auto* in = static_cast<const unsigned char*>(buffer);
  int64_t left = count;
  while (left > 0) {
    // zlib counts in 32 bits; hand it the input in pieces it can count.
    auto piece = static_cast<uInt>(std::min<int64_t>(left, 1 << 30));
    z_.next_in = const_cast<unsigned char*>(in);
    z_.avail_in = piece;
    while (z_.avail_in > 0) {
      CheckCompress(deflate(&z_, Z_NO_FLUSH));
      if (z_.avail_out == 0) {
        strm_.WriteBuffer(buffer_, kBufferSize);
        z_.next_out = buffer_;
        z_.avail_out = kBufferSize;
        strm_pos_ = strm_.Position();
        Progress();
      }
    }
    in += piece;
    left -= piece;
  }
  return count;
}

int64_t TCompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent) return static_cast<int64_t>(z_.total_in);
  throw ECompressionError(kInvalidOperation);
}

float TCompressionStream::CompressionRate() const {
  if (z_.total_in == 0) return 0;
  return (1.0f - static_cast<float>(z_.total_out) / static_cast<float>(z_.total_in)) * 100.0f;
}

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source) {
  z_.next_in = buffer_;
  z_.avail_in = 0;
  CheckDecompress(inflateInit(&z_));
}

TDecompressionStream::~TDecompressionStream() {
  inflateEnd(&z_);
}

int64_t TDecompressionStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  RestorePosition();
  auto* out = static_cast<unsigned char*>(buffer);
  int64_t done = 0;
  // zlib counts in 32 bits; larger reads go in pieces.
  while (done < count && !ended_) {
    const auto piece = static_cast<uInt>(std::min<int64_t>(count - done, 1 << 30));
    z_.next_out = out + done;
    z_.avail_out = piece;
    while (z_.avail_out > 0 && !ended_) {
      if (z_.avail_in == 0) {
        int64_t got = strm_.Read(buffer_, kBufferSize);
        if (got <= 0) return done + (piece - z_.avail_out);
        z_.next_in = buffer_;
        z_.avail_in = static_cast<uInt>(got);
        strm_pos_ = strm_.Position();
        Progress();
      }
      int code = CheckDecompress(inflate(&z_, Z_NO_FLUSH));
      // At the stream end inflate makes no more progress; bytes after it are
      // not ours. A preset dictionary is never used by a skin block.
      if (code == Z_STREAM_END) ended_ = true;
      if (code == Z_NEED_DICT) throw EDecompressionError("compression error");
    }
    done += piece - z_.avail_out;
  }
  return done;
}

int64_t TDecompressionStream::Write(const void*, int64_t) {
  throw EDecompressionError(kInvalidOperation);
}

int64_t TDecompressionStream::Seek(int64_t offset, TSeekOrigin origin) {
  const auto total = static_cast<int64_t>(z_.total_out);
  if (offset == 0 && origin == TSeekOrigin::soBeginning) {
    CheckDecompress(inflateReset(&z_));
    z_.next_in = buffer_;
    z_.avail_in = 0;
    ended_ = false;
    strm_.SetPosition(0);
    strm_pos_ = 0;
  } else if ((offset >= 0 && origin == TSeekOrigin::soCurrent) ||
             (offset > total && origin == TSeekOrigin::soBeginning)) {
    if (origin == TSeekOrigin::soBeginning) offset -= total;
    unsigned char scratch[kBufferSize];
    while (offset > 0) {
      int64_t want = std::min<int64_t>(offset, kBufferSize);
      int64_t got = Read(scratch, want);
      offset -= want;
      // Past the end there is nothing left to drop.
      if (got < want) break;
    }
  } else {
    throw EDecompressionError(kInvalidOperation);
  }
  return static_cast<int64_t>(z_.total_out);
}

void DeflateWholeStream(TMemoryStream& source, TStream& target) {
  TCompressionStream z(TCompressionLevel::clMax, target);
  source.SetPosition(0);
  z.WriteBuffer(source.Memory(), source.Size());
  z.Finish();
}

void InflateWholeStream(TStream& target, TStream& source, int64_t max_output) {
  source.SetPosition(0);
  TDecompressionStream z(source);
  unsigned char piece[TCustomZlibStream::kBufferSize];
  int64_t total = 0;
  for (;;) {
    int64_t got = z.Read(piece, sizeof piece);
    if (got <= 0) break;
    total += got;
    if (max_output >= 0 && total > max_output)
      throw EDecompressionError("Decompressed data exceeds the limit");
    target.WriteBuffer(piece, got);
  }
  if (!z.Ended()) throw EDecompressionError("compressed data ends before the end of its stream");
}

}  // namespace lumora
