#pragma once
// "This call raises this error with this message", for every test binary:
//   EXPECT_RAISES(EType, message, statement);
// message is the exact text or a matcher on it (HasSubstr, StartsWith). A
// statement that raises nothing, or another type, fails with what it did, at
// the caller's line. Where other fields of the error matter, match them with
// gmock's Throws<EType>(AllOf(Property(...), ...)).

#include <gmock/gmock.h>

#define EXPECT_RAISES(type, message, ...) \
  EXPECT_THAT([&] { __VA_ARGS__; }, ::testing::ThrowsMessage<type>(message))
