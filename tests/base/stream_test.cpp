#include "base/stream.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/exception.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

TEST(MemoryStream, WriteReadSeekAndSize) {
  TMemoryStream s;
  s.WriteString("hello world");
  EXPECT_EQ(s.Size(), 11);
  EXPECT_EQ(s.Position(), 11);
  EXPECT_EQ(s.Seek(-5, TSeekOrigin::soEnd), 6);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 5);
  EXPECT_EQ(std::string(buf, 5), "world");
  EXPECT_EQ(s.Read(buf, 8), 0);
}

TEST(MemoryStream, WritePastEndFillsGapWithZeros) {
  TMemoryStream s;
  s.SetPosition(3);
  s.WriteString("x");
  EXPECT_EQ(s.Data(), std::string_view("\0\0\0x", 4));
}

TEST(MemoryStream, ReadPastEndOrBeforeStartGivesNothing) {
  TMemoryStream s(std::string("abc"));
  char c;
  s.SetPosition(10);
  EXPECT_EQ(s.Read(&c, 1), 0);
  s.SetPosition(-1);
  EXPECT_EQ(s.Read(&c, 1), 0);
  EXPECT_EQ(s.Write("z", 1), 0);
  EXPECT_EQ(s.Data(), "abc");
}

TEST(MemoryStream, ShrinkingClampsPosition) {
  TMemoryStream s(std::string("abcdef"));
  s.Seek(0, TSeekOrigin::soEnd);
  s.SetSize(2);
  EXPECT_EQ(s.Position(), 2);
  EXPECT_EQ(s.Data(), "ab");
  s.SetSize(4);
  EXPECT_EQ(s.Data(), std::string_view("ab\0\0", 4));
}

TEST(MemoryStream, ShortReadBufferRaises) {
  TMemoryStream s(std::string("ab"));
  char buf[3];
  EXPECT_RAISES(EStreamError, "Stream read error", s.ReadBuffer(buf, 3));
}

TEST(MemoryStream, CopyFromZeroCopiesWholeSourceFromStart) {
  TStringStream src("0123456789");
  src.SetPosition(7);
  TMemoryStream dst;
  EXPECT_EQ(dst.CopyFrom(src, 0), 10);
  EXPECT_EQ(dst.Data(), "0123456789");
  src.SetPosition(2);
  TMemoryStream part;
  part.CopyFrom(src, 3);
  EXPECT_EQ(part.Data(), "234");
}

TEST(StringStream, ReadStringStopsAtEnd) {
  TStringStream s("abcdef");
  s.SetPosition(4);
  EXPECT_EQ(s.ReadString(10), "ef");
  EXPECT_EQ(s.ReadString(1), "");
}

TEST(FileStream, RoundTripAndResize) {
  auto path = (std::filesystem::temp_directory_path() / "lumora_stream_test.bin").string();
  {
    TFileStream f(path, TFileMode::fmCreate);
    f.WriteString("0123456789");
    EXPECT_EQ(f.Size(), 10);
    f.SetSize(4);
    EXPECT_EQ(f.Position(), 4);
  }
  EXPECT_EQ(ReadFileBytes(path), "0123");
  {
    TFileStream f(path, TFileMode::fmOpenReadWrite);
    f.Seek(0, TSeekOrigin::soEnd);
    f.WriteString("ab");
  }
  EXPECT_EQ(ReadFileBytes(path), "0123ab");
  std::filesystem::remove(path);
}

TEST(FileStream, MissingFileRaisesWithItsName) {
  EXPECT_RAISES(EFOpenError, ::testing::StartsWith("Cannot open file \"/nonexistent/dir/file\". "),
                TFileStream("/nonexistent/dir/file", TFileMode::fmOpenRead));
}

}  // namespace
}  // namespace lumora
