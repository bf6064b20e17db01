#include "base/little_endian.h"

#include <gtest/gtest.h>

#include "base/exception.h"
#include "support/expect_raises.h"

namespace lumora {
namespace {

TEST(LittleEndian, LowByteFirstAndBackAgain) {
  std::string bytes;
  AppendLE16(bytes, 0xA1B2);
  AppendLE32(bytes, 0xC1D2E3F4u);
  EXPECT_EQ(bytes, std::string("\xB2\xA1\xF4\xE3\xD2\xC1", 6));
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  EXPECT_EQ(LoadLE16(p), 0xA1B2);
  EXPECT_EQ(LoadLE32(p + 2), 0xC1D2E3F4u);
}

TEST(LittleEndian, StreamsCarrySignedValuesAndRefuseShortReads) {
  TMemoryStream m;
  WriteLE32(m, static_cast<uint32_t>(-2));
  WriteLE32(m, 3);
  EXPECT_EQ(m.Data(), std::string("\xFE\xFF\xFF\xFF\x03\x00\x00\x00", 8));
  m.SetPosition(0);
  EXPECT_EQ(ReadLE32(m), -2);
  EXPECT_EQ(ReadLE32(m), 3);
  m.WriteString("abc");
  m.SetPosition(8);
  EXPECT_RAISES(EStreamError, "Stream read error", ReadLE32(m));
}

}  // namespace
}  // namespace lumora
