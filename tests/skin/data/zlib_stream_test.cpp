#include "skin/data/zlib_stream.h"

#include <gtest/gtest.h>

#include <zlib.h>
#include "support/expect_raises.h"

#include <random>

namespace lumora {
namespace {

std::string Noise(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(n, '\0');
  // Half random, half repetitive, so deflate has something to do.
  for (size_t i = 0; i < n; ++i) s[i] = (i / 1000) % 2 ? static_cast<char>(rng()) : 'a' + i % 7;
  return s;
}

std::string Deflate(const std::string& data) {
  TMemoryStream src(data), out;
  DeflateWholeStream(src, out);
  return std::string(out.Data());
}

std::string Inflate(const std::string& block) {
  TMemoryStream src(block), out;
  InflateWholeStream(out, src);
  return std::string(out.Data());
}

TEST(ZlibStream, RoundTripAtEverySize) {
  // Sizes around the 4096-byte buffer boundary.
  for (size_t n :
       {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097}, size_t{100000}}) {
    std::string data = Noise(n, static_cast<unsigned>(n));
    std::string block = Deflate(data);
    ASSERT_GE(block.size(), 2u) << n;
    EXPECT_EQ(static_cast<unsigned char>(block[0]), 0x78) << n;
    EXPECT_EQ(static_cast<unsigned char>(block[1]), 0xDA) << n;  // level 9
    EXPECT_EQ(Inflate(block), data) << n;
  }
}

TEST(ZlibStream, EmptyCompressionStreamWritesValidZlibStream) {
  TMemoryStream out;
  { TCompressionStream z(TCompressionLevel::clMax, out); }
  std::string block(out.Data());
  ASSERT_FALSE(block.empty());
  // zlib itself must accept it as a complete stream of nothing.
  unsigned char dest[16];
  uLongf dest_len = sizeof dest;
  EXPECT_EQ(uncompress(dest, &dest_len, reinterpret_cast<const Bytef*>(block.data()), block.size()),
            Z_OK);
  EXPECT_EQ(dest_len, 0u);
}

TEST(ZlibStream, AgreesWithZlibUtilityFunctions) {
  std::string data = Noise(50000, 7);
  std::string block = Deflate(data);
  std::string back(data.size(), '\0');
  uLongf n = back.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(back.data()), &n,
                       reinterpret_cast<const Bytef*>(block.data()), block.size()),
            Z_OK);
  EXPECT_EQ(back, data);
  // And a block made by compress2 inflates through our wrapper.
  std::string other(compressBound(data.size()), '\0');
  uLongf m = other.size();
  ASSERT_EQ(compress2(reinterpret_cast<Bytef*>(other.data()), &m,
                      reinterpret_cast<const Bytef*>(data.data()), data.size(), 1),
            Z_OK);
  other.resize(m);
  EXPECT_EQ(Inflate(other), data);
}

TEST(ZlibStream, CompressionWritesAtRememberedTargetPosition) {
  TMemoryStream target;
  target.WriteString("head");
  TCompressionStream z(TCompressionLevel::clDefault, target);
  z.WriteString("abc");
  target.SetPosition(0);  // someone else moved the target
  z.WriteString("def");
  z.Finish();
  EXPECT_EQ(target.Data().substr(0, 4), "head");
  EXPECT_EQ(Inflate(std::string(target.Data().substr(4))), "abcdef");
}

TEST(ZlibStream, CompressionSeekRules) {
  TMemoryStream target;
  TCompressionStream z(TCompressionLevel::clFastest, target);
  z.WriteString("12345");
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soCurrent), 5);
  char c;
  EXPECT_RAISES(ECompressionError, "Invalid stream operation", z.Read(&c, 1));
  EXPECT_THROW(z.Seek(1, TSeekOrigin::soCurrent), ECompressionError);
  EXPECT_THROW(z.Seek(0, TSeekOrigin::soBeginning), ECompressionError);
  EXPECT_THROW(z.Seek(0, TSeekOrigin::soEnd), ECompressionError);
  z.Finish();
  EXPECT_THROW(z.WriteString("late"), ECompressionError);  // the stream is complete
}

TEST(ZlibStream, DecompressionSeekRules) {
  std::string data = Noise(20000, 3);
  TMemoryStream src(Deflate(data));
  TDecompressionStream z(src);
  std::string buf(10, '\0');

  // Forward from the current position skips by inflating.
  EXPECT_EQ(z.Seek(5000, TSeekOrigin::soCurrent), 5000);
  z.ReadBuffer(buf.data(), 10);
  EXPECT_EQ(buf, data.substr(5000, 10));
  // From the start past what was inflated: reduced by that count.
  EXPECT_EQ(z.Seek(9000, TSeekOrigin::soBeginning), 9000);
  z.ReadBuffer(buf.data(), 10);
  EXPECT_EQ(buf, data.substr(9000, 10));
  // Offset 0 from the start restarts.
  EXPECT_EQ(z.Seek(0, TSeekOrigin::soBeginning), 0);
  z.ReadBuffer(buf.data(), 10);
  EXPECT_EQ(buf, data.substr(0, 10));

  struct Row {
    int64_t offset;
    TSeekOrigin origin;
    const char* what;
  } bad[] = {
      {10, TSeekOrigin::soBeginning, "the present position from the start"},
      {5, TSeekOrigin::soBeginning, "backwards from the start"},
      {-1, TSeekOrigin::soCurrent, "backwards from here"},
      {0, TSeekOrigin::soEnd, "from the end"},
  };
  for (const Row& r : bad) {
    EXPECT_RAISES(EDecompressionError, "Invalid stream operation", z.Seek(r.offset, r.origin))
        << r.what;
  }
  EXPECT_THROW(z.Write("x", 1), EDecompressionError);
}

TEST(ZlibStream, TruncatedBlockEndsReadEarly) {
  std::string data = Noise(30000, 5);
  std::string block = Deflate(data);
  TMemoryStream src(block.substr(0, block.size() / 2));
  TDecompressionStream z(src);
  std::string out(data.size(), '\0');
  int64_t got = z.Read(out.data(), static_cast<int64_t>(out.size()));
  EXPECT_GT(got, 0);
  EXPECT_LT(got, static_cast<int64_t>(data.size()));
  EXPECT_EQ(out.substr(0, static_cast<size_t>(got)), data.substr(0, static_cast<size_t>(got)));
}

TEST(ZlibStream, InflatingABlockThatEndsBeforeItsEndOfStreamRaises) {
  const std::string data = Noise(20000, 3);
  const std::string block = Deflate(data);
  for (size_t cut : {size_t{1}, size_t{4}, block.size() / 2}) {
    EXPECT_THROW(Inflate(block.substr(0, block.size() - cut)), EDecompressionError) << cut;
  }
  EXPECT_EQ(Inflate(block), data);
}

TEST(ZlibStream, CorruptBlockRaisesDecompressionError) {
  std::string block = Deflate(Noise(10000, 9));
  block[1] = 0x00;  // header check fails
  EXPECT_RAISES(EDecompressionError, "compression error", Inflate(block));
}

TEST(ZlibStream, BytesAfterStreamEndDoNotHangTheReader) {
  std::string data = "the skin";
  EXPECT_EQ(Inflate(Deflate(data) + std::string(5000, 'x')), data);
}

TEST(ZlibStream, PresetDictionaryRaisesInsteadOfSpinning) {
  // A stream that asks for a dictionary makes no progress without one.
  z_stream z{};
  ASSERT_EQ(deflateInit(&z, 9), Z_OK);
  const char dict[] = "skin skin skin";
  ASSERT_EQ(deflateSetDictionary(&z, reinterpret_cast<const Bytef*>(dict), sizeof dict - 1), Z_OK);
  std::string data = "skin data", out(256, '\0');
  z.next_in = reinterpret_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  EXPECT_THROW(Inflate(out), EDecompressionError);
}

TEST(ZlibStream, InflateLimitStopsExpansion) {
  std::string block = Deflate(std::string(1 << 20, '\0'));
  TMemoryStream src(block), out;
  EXPECT_THROW(InflateWholeStream(out, src, 100000), EDecompressionError);
  EXPECT_LE(out.Size(), 100000);
}

TEST(ZlibStream, ProgressCalledPerBufferFlush) {
  TMemoryStream target;
  int calls = 0;
  bool whole_buffers = true;
  TCompressionStream z(TCompressionLevel::clNone, target);
  z.SetOnProgress([&](TCustomZlibStream&) {
    ++calls;
    whole_buffers = whole_buffers && target.Size() == calls * 4096;
  });
  z.WriteString(Noise(200000, 1));  // half of it incompressible
  EXPECT_GE(calls, 20);
  EXPECT_TRUE(whole_buffers);
}

}  // namespace
}  // namespace lumora
