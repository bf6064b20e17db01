#include "http/date_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/exception.h"
#include "support/expect_raises.h"
#include "tz_guard.h"

namespace lumora {
namespace {

TEST(DateTime, EncodesDaysSince18991230) {
  struct Row {
    int year, month, day;
    double serial;
  } rows[] = {
      {1899, 12, 30, 0},      // day zero
      {1899, 12, 31, 1},      //
      {1900, 3, 1, 61},       // 1900 was no leap year
      {1970, 1, 1, 25569},    // the Unix epoch
      {2000, 2, 29, 36585},   // 2000 was one
      {2024, 12, 31, 45657},  //
      {1, 1, 1, -693593},     // the first encodable day
      {9999, 12, 31, 2958465},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.year << "-" << row.month << "-" << row.day);
    EXPECT_EQ(EncodeDate(row.year, row.month, row.day), row.serial);
    int y, m, d;
    DecodeDate(row.serial, y, m, d);
    EXPECT_EQ(y, row.year);
    EXPECT_EQ(m, row.month);
    EXPECT_EQ(d, row.day);
  }
}

TEST(DateTime, InvalidPartsRaiseTheEncodeMessages) {
  struct Row {
    int h, m, s, ms;
  } times[] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}, {-1, 0, 0, 0}};
  for (const auto& t : times) {
    SCOPED_TRACE(testing::Message() << t.h << ":" << t.m << ":" << t.s << "." << t.ms);
    EXPECT_RAISES(EConvertError, "Invalid argument to time encode",
                  EncodeTime(t.h, t.m, t.s, t.ms));
  }
  struct DateRow {
    int y, m, d;
  } dates[] = {{2023, 2, 29}, {2024, 13, 1}, {2024, 4, 31}, {0, 1, 1}, {10000, 1, 1}, {2024, 1, 0}};
  for (const auto& d : dates) {
    SCOPED_TRACE(testing::Message() << d.y << "-" << d.m << "-" << d.d);
    EXPECT_THROW(EncodeDate(d.y, d.m, d.d), EConvertError);
  }
}

TEST(DateTime, TimeOfDayRoundTripsToTheMillisecond) {
  const TDateTime value = EncodeDate(2024, 6, 1) + EncodeTime(23, 59, 59, 999);
  int h, m, s, ms;
  DecodeTime(value, h, m, s, ms);
  EXPECT_EQ(h, 23);
  EXPECT_EQ(m, 59);
  EXPECT_EQ(s, 59);
  EXPECT_EQ(ms, 999);
  int y, mo, d;
  DecodeDate(value, y, mo, d);
  EXPECT_EQ(d, 1);  // not rounded into the next day
}

TEST(DateTime, DayOfWeekStartsOnSunday) {
  EXPECT_EQ(DayOfWeek(EncodeDate(1994, 11, 6)), 1);   // a Sunday
  EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // a Saturday
  EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 29)), 5);   // a Thursday
}

TEST(DateTime, UnixSecondsConvertBothWays) {
  EXPECT_EQ(UnixToDateTime(0), kUnixEpochDate);
  EXPECT_EQ(DateTimeToUnix(EncodeDate(1994, 11, 6) + EncodeTime(8, 49, 37)), 784111777);
  EXPECT_EQ(DateTimeToUnix(UnixToDateTime(-1)), -1);
  EXPECT_EQ(DateTimeToUnix(UnixToDateTime(1700000000)), 1700000000);
}

TEST(DateTime, LocalConversionsFollowTheZoneRules) {
  TimeZoneGuard zone("CET-1CEST,M3.5.0,M10.5.0/3");
  const TDateTime winter = EncodeDate(2024, 1, 15) + EncodeTime(12, 0, 0);
  const TDateTime summer = EncodeDate(2024, 7, 15) + EncodeTime(12, 0, 0);
  EXPECT_EQ(UTCOffsetAtUTC(winter), 3600);
  EXPECT_EQ(UTCOffsetAtUTC(summer), 7200);
  EXPECT_EQ(UTCOffsetAtLocal(summer), 7200);
  EXPECT_NEAR(*UTCToLocal(winter), winter + 1.0 / 24, 1e-9);
  EXPECT_NEAR(*LocalToUTC(summer), summer - 2.0 / 24, 1e-9);
}

TEST(DateTime, NowIsTheLocalClock) {
  TimeZoneGuard zone("XYZ-5");  // five hours east of UTC, all year
  const TDateTime local = Now();
  const TDateTime utc = UnixToDateTime(std::time(nullptr));
  EXPECT_NEAR(local - utc, 5.0 / 24, 2.0 / kSecondsPerDay);
}

}  // namespace
}  // namespace lumora
