#include "http/date_time.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "base/exception.h"

namespace lumora {

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

constexpr int64_t kEpochDays = 25569;  // days from 1899-12-30 to 1970-01-01

int64_t FloorDiv(int64_t a, int64_t b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

// Milliseconds since 1899-12-30, clamped so that the arithmetic cannot overflow.
int64_t ToMSecs(TDateTime value) {
  if (std::isnan(value)) value = 0;
  value = std::clamp(value, kMinDateTime, kMaxDateTime);
  return std::llround(value * static_cast<double>(kMSecsPerDay));
}

TDateTime FromTm(const std::tm& tm, double fraction) {
  TDateTime date = 0, time = 0;
  if (!TryEncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, date)) return 0;
  // A leap second reads as the last second of the minute.
  if (!TryEncodeTime(tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59), 0, time)) return 0;
  return date + time + fraction / kSecondsPerDay;
}

std::tm ToTm(TDateTime value) {
  std::tm tm{};
  int y, mo, d, h, mi, s, ms;
  DecodeDate(value, y, mo, d);
  DecodeTime(value, h, mi, s, ms);
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  tm.tm_isdst = -1;
  return tm;
}

double FractionOfSecond(TDateTime value) {
  const int64_t ms = ToMSecs(value);
  return static_cast<double>(ms - FloorDiv(ms, 1000) * 1000) / 1000.0;
}

}  // namespace

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return false;
  result = static_cast<TDateTime>(DaysFromCivil(year, month, day) + kEpochDays);
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime result = 0;
  if (!TryEncodeDate(year, month, day, result))
    throw EConvertError("Invalid argument to date encode");
  return result;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
      msec > 999)
    return false;
  const int64_t ms = ((hour * 60 + minute) * 60 + second) * int64_t{1000} + msec;
  result = static_cast<TDateTime>(ms) / static_cast<TDateTime>(kMSecsPerDay);
  return true;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
  TDateTime result = 0;
  if (!TryEncodeTime(hour, minute, second, msec, result))
    throw EConvertError("Invalid argument to time encode");
  return result;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
  const int64_t days = FloorDiv(ToMSecs(value), kMSecsPerDay);
  CivilFromDays(days - kEpochDays, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
  const int64_t ms = ToMSecs(value);
  int64_t of_day = ms - FloorDiv(ms, kMSecsPerDay) * kMSecsPerDay;
  msec = static_cast<int>(of_day % 1000);
  of_day /= 1000;
  second = static_cast<int>(of_day % 60);
  of_day /= 60;
  minute = static_cast<int>(of_day % 60);
  hour = static_cast<int>(of_day / 60);
}

int DayOfWeek(TDateTime value) {
  // 1899-12-30 was a Saturday.
  const int64_t days = FloorDiv(ToMSecs(value), kMSecsPerDay);
  return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime Now() {
  std::timespec ts{};
  std::timespec_get(&ts, TIME_UTC);
  const TDateTime utc = UnixToDateTime(ts.tv_sec) + ts.tv_nsec / 1e9 / kSecondsPerDay;
  return UTCToLocal(utc).value_or(utc);
}

TDateTime UnixToDateTime(int64_t seconds) {
  return kUnixEpochDate + static_cast<TDateTime>(seconds) / kSecondsPerDay;
}

int64_t DateTimeToUnix(TDateTime value) {
  return FloorDiv(ToMSecs(value) - kEpochDays * kMSecsPerDay, 1000);
}

std::optional<long> UTCOffsetAtUTC(TDateTime utc) {
  const std::time_t t = static_cast<std::time_t>(DateTimeToUnix(utc));
  std::tm tm{};
  if (!localtime_r(&t, &tm)) return std::nullopt;
  return tm.tm_gmtoff;
}

std::optional<long> UTCOffsetAtLocal(TDateTime local) {
  std::tm tm = ToTm(local);
  const std::time_t t = mktime(&tm);
  // mktime gives -1 both for failure and for the last second of 1969.
  if (t == static_cast<std::time_t>(-1) && tm.tm_year != 69) return std::nullopt;
  return tm.tm_gmtoff;
}

std::optional<TDateTime> UTCToLocal(TDateTime utc) {
  const std::time_t t = static_cast<std::time_t>(DateTimeToUnix(utc));
  std::tm tm{};
  if (!localtime_r(&t, &tm)) return std::nullopt;
  return FromTm(tm, FractionOfSecond(utc));
}

std::optional<TDateTime> LocalToUTC(TDateTime local) {
  auto offset = UTCOffsetAtLocal(local);
  if (!offset) return std::nullopt;
  return local - static_cast<TDateTime>(*offset) / kSecondsPerDay;
}

}  // namespace lumora
