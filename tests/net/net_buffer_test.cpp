#include <gtest/gtest.h>

#include <string>

#include "net/managed_buffer.h"
#include "net/net_exception.h"
#include "net/net_limits.h"
#include "net/simple_buffer.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

TEST(SimpleBuffer, ExtractTakesFromTheFront) {
  TNetSimpleBuffer b;
  int64_t removed = 0;
  b.OnBytesRemoved = [&](int64_t n) { removed += n; };
  b.Append("hello world");
  EXPECT_EQ(b.Extract(6), "hello ");
  b.Remove(2);
  EXPECT_EQ(b.View(), "rld");
  EXPECT_EQ(removed, 8);
  EXPECT_EQ(b.Size(), 3);
}

TEST(SimpleBuffer, TakingMoreThanHeldRaisesAndKeepsTheBytes) {
  TNetSimpleBuffer b;
  b.Append("abc");
  EXPECT_RAISES(ENetNotEnoughDataInBuffer, "Not enough data in buffer.", b.Extract(4));
  EXPECT_THROW(b.Remove(4), ENetNotEnoughDataInBuffer);
  EXPECT_EQ(b.View(), "abc");
  EXPECT_EQ(b.Extract(3), "abc");
  EXPECT_TRUE(b.Empty());
}

TEST(SimpleBuffer, StreamViewIsRelativeToTheUnreadBytes) {
  TNetSimpleBuffer b;
  b.Append("0123456789");
  b.Seek(0, TSeekOrigin::soEnd);
  b.WriteString("ab");
  b.Remove(4);
  EXPECT_EQ(b.Size(), 8);
  EXPECT_EQ(b.Position(), 8);
  b.SetPosition(0);
  char out[3] = {};
  EXPECT_EQ(b.Read(out, 2), 2);
  EXPECT_EQ(std::string(out, 2), "45");
}

TEST(ManagedBuffer, PacksOnlyOnceThePackSizeIsConsumed) {
  TNetManagedBuffer b;
  std::string data(kNetManagedBufferPackSize + 100, 'x');
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>('a' + i % 26);
  b.Append(data);

  b.Remove(kNetManagedBufferPackSize - 1);  // one short of the pack size
  EXPECT_EQ(b.Consumed(), kNetManagedBufferPackSize - 1);
  EXPECT_EQ(b.Length(), 101);
  EXPECT_EQ(b.View(), data.substr(kNetManagedBufferPackSize - 1));
  EXPECT_EQ(b.Memory()[0], data[kNetManagedBufferPackSize - 1]);

  b.Remove(1);  // reaches it: the rest moves to the front
  EXPECT_EQ(b.Consumed(), 0);
  EXPECT_EQ(b.View(), data.substr(kNetManagedBufferPackSize));

  b.Append("tail");
  EXPECT_EQ(b.Extract(100), data.substr(kNetManagedBufferPackSize));
  EXPECT_EQ(b.View(), "tail");
}

TEST(ManagedBuffer, SeekAndSizeIgnoreConsumedBytes) {
  TNetManagedBuffer b;
  b.Append("consumed|kept");
  b.Remove(9);
  EXPECT_EQ(b.Consumed(), 9);
  EXPECT_EQ(b.Size(), 4);
  EXPECT_EQ(b.Seek(0, TSeekOrigin::soEnd), 4);
  b.SetPosition(0);
  char out[4];
  b.ReadBuffer(out, 4);
  EXPECT_EQ(std::string(out, 4), "kept");
  b.Clear();
  EXPECT_EQ(b.Consumed(), 0);
  EXPECT_EQ(b.Size(), 0);
}

}  // namespace
}  // namespace lumora
