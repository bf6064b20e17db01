#include "http/internet_date.h"

#include <gtest/gtest.h>

#include "tz_guard.h"

namespace lumora {
namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s);
}

TEST(InternetDateWriter, WritesTheLocalOffsetValidAtTheDate) {
  struct Row {
    const char* note;
    const char* zone;
    TDateTime value;
    bool gmt;
    const char* text;
  } rows[] = {
      {"winter in Central Europe", "CET-1CEST,M3.5.0,M10.5.0/3", At(1994, 11, 6, 8, 49, 37), false,
       "Sun, 6 Nov 1994 08:49:37 +0100"},
      {"summer in Central Europe", "CET-1CEST,M3.5.0,M10.5.0/3", At(2024, 7, 4, 0, 0, 5), true,
       "Thu, 4 Jul 2024 00:00:05 +0200"},
      {"west of UTC", "EST5EDT,M3.2.0,M11.1.0", At(2024, 1, 31, 23, 5, 9), false,
       "Wed, 31 Jan 2024 23:05:09 -0500"},
      {"half an hour", "IST-5:30", At(2000, 2, 29, 12, 30, 0), false,
       "Tue, 29 Feb 2000 12:30:00 +0530"},
      {"negative half hour", "<-0330>3:30", At(2010, 10, 10, 10, 10, 10), false,
       "Sun, 10 Oct 2010 10:10:10 -0330"},
      {"UTC with the GMT flag", "UTC0", At(1994, 11, 6, 8, 49, 37), true,
       "Sun, 6 Nov 1994 08:49:37 GMT"},
      {"UTC without the flag", "UTC0", At(1994, 11, 6, 8, 49, 37), false,
       "Sun, 6 Nov 1994 08:49:37 +0000"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.note);
    TimeZoneGuard zone(row.zone);
    EXPECT_EQ(DateTimeToInternetStr(row.value, row.gmt), row.text);
  }
}

TEST(InternetDateReader, ReadsEveryLayout) {
  TimeZoneGuard zone("UTC0");
  struct Row {
    const char* note;
    const char* text;
    TDateTime value;
  } rows[] = {
      {"RFC 1123", "Sun, 06 Nov 1994 08:49:37 GMT", At(1994, 11, 6, 8, 49, 37)},
      {"RFC 850 with -", "Sunday, 06-Nov-94 08:49:37 GMT", At(1994, 11, 6, 8, 49, 37)},
      {"asctime, year last", "Sun Nov  6 08:49:37 1994", At(1994, 11, 6, 8, 49, 37)},
      {"RFC 850 with a four-digit year", "Wed, 09-Jun-2021 10:18:14 GMT",
       At(2021, 6, 9, 10, 18, 14)},
      {"no day name", "06 Nov 1994 08:49:37 GMT", At(1994, 11, 6, 8, 49, 37)},
      {"month first", "Nov 6 1994", At(1994, 11, 6)},
      {"full month name", "6 November 1994", At(1994, 11, 6)},
      {"two-digit 79 is 2079", "Thu, 01-Jan-79 00:00:00 GMT", At(2079, 1, 1)},
      {"two-digit 80 is 1980", "Tue, 01-Jan-80 00:00:00 GMT", At(1980, 1, 1)},
      {"two-digit 99 is 1999", "Fri, 31-Dec-99 23:59:59 GMT", At(1999, 12, 31, 23, 59, 59)},
      {"two-digit 00 is 2000", "Sat, 01-Jan-00 00:00:00 GMT", At(2000, 1, 1)},
      {"zone east", "Sun, 06 Nov 1994 08:49:37 +0200", At(1994, 11, 6, 6, 49, 37)},
      {"zone west with minutes", "Sun, 06 Nov 1994 08:49:37 -0130", At(1994, 11, 6, 10, 19, 37)},
      {"zone crosses the year", "Fri, 31 Dec 1999 23:30:00 -0100", At(2000, 1, 1, 0, 30, 0)},
      {"zone name counts as 0", "Sun, 06 Nov 1994 08:49:37 EST", At(1994, 11, 6, 8, 49, 37)},
      {"zone without sign counts as 0", "Sun, 06 Nov 1994 08:49:37 GMT+0200",
       At(1994, 11, 6, 8, 49, 37)},
      {"bad zone digits count as 0", "Sun, 06 Nov 1994 08:49:37 +0x20", At(1994, 11, 6, 8, 49, 37)},
      {"seconds missing", "Sun, 06 Nov 1994 08:49 GMT", At(1994, 11, 6, 8, 49, 0)},
      {"fraction of a second dropped", "Sun, 06 Nov 1994 08:49:37.250 GMT",
       At(1994, 11, 6, 8, 49, 37)},
      {"no time", "Sun, 06 Nov 1994", At(1994, 11, 6)},
      {"blanks around", "   Sun, 06 Nov 1994 08:49:37 GMT  ", At(1994, 11, 6, 8, 49, 37)},
      {"lower case", "sun, 06 nov 1994 08:49:37 gmt", At(1994, 11, 6, 8, 49, 37)},
      {"day not a number counts as 1", "Sun, xx Nov 1994", At(1994, 11, 1)},
      {"asctime without year is 1900", "Tue Nov  6 08:49:37", At(1900, 11, 6, 8, 49, 37)},
      {"empty", "", 0},
      {"garbage", "garbage", 0},
      {"no month", "Sun, 06 Foo 1994 08:49:37 GMT", 0},
      {"day past the month", "Wed, 31 Apr 2024 00:00:00 GMT", 0},
      {"no 29 February in 2023", "Wed, 29 Feb 2023 00:00:00 GMT", 0},
      {"hour out of range", "Sun, 06 Nov 1994 25:00:00 GMT", 0},
      {"time not a number", "Sun, 06 Nov 1994 08:xx:37 GMT", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.note) + ": " + row.text);
    EXPECT_NEAR(StrInternetToDateTime(row.text), row.value, 1e-9);
  }
}

TEST(InternetDateReader, GivesLocalTime) {
  TimeZoneGuard zone("CET-1CEST,M3.5.0,M10.5.0/3");
  EXPECT_NEAR(StrInternetToDateTime("Sun, 06 Nov 1994 08:49:37 GMT"), At(1994, 11, 6, 9, 49, 37),
              1e-9);
  EXPECT_NEAR(StrInternetToDateTime("Thu, 04 Jul 2024 08:00:00 -0400"), At(2024, 7, 4, 14, 0, 0),
              1e-9);
}

TEST(InternetDate, WrittenDatesReadBack) {
  for (const char* zone_text : {"CET-1CEST,M3.5.0,M10.5.0/3", "EST5EDT,M3.2.0,M11.1.0", "UTC0"}) {
    TimeZoneGuard zone(zone_text);
    for (TDateTime value : {At(2024, 1, 15, 3, 4, 5), At(2024, 7, 15, 23, 59, 59)}) {
      SCOPED_TRACE(testing::Message() << zone_text << " " << value);
      EXPECT_NEAR(StrInternetToDateTime(DateTimeToInternetStr(value)), value, 1e-9);
      EXPECT_NEAR(StrInternetToDateTime(DateTimeToInternetStr(value, true)), value, 1e-9);
    }
  }
}

}  // namespace
}  // namespace lumora
