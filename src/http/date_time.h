#pragma once
// Date-times as the HTTP layer counts them: days since 1899-12-30 with the
// time of day as the fraction. 0 means "no date". Values are local time
// unless a function says UTC.

#include <cstdint>
#include <optional>

namespace lumora {

using TDateTime = double;

inline constexpr int kSecondsPerDay = 86400;
inline constexpr int64_t kMSecsPerDay = 86400000;
// 1970-01-01 as a date-time.
inline constexpr TDateTime kUnixEpochDate = 25569.0;
// The range that dates are encoded and decoded in: years 1 to 9999.
inline constexpr TDateTime kMinDateTime = -693593.0;
inline constexpr TDateTime kMaxDateTime = 2958465.99999999;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

bool TryEncodeDate(int year, int month, int day, TDateTime& result);
// Raises EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(int year, int month, int day);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& result);
// Raises EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(int hour, int minute, int second, int msec = 0);

// Decoding rounds to whole milliseconds and clamps to the encodable range.
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
// 1 for Sunday to 7 for Saturday.
int DayOfWeek(TDateTime value);

// The current local time.
TDateTime Now();

// Plain conversions between seconds since 1970 and a date-time, no zone.
TDateTime UnixToDateTime(int64_t seconds);
int64_t DateTimeToUnix(TDateTime value);  // whole seconds, rounded down

// Offset of local time from UTC in seconds (east positive), from the C
// library's zone rules at the given instant; nullopt when they cannot tell.
std::optional<long> UTCOffsetAtUTC(TDateTime utc);
std::optional<long> UTCOffsetAtLocal(TDateTime local);
std::optional<TDateTime> UTCToLocal(TDateTime utc);
std::optional<TDateTime> LocalToUTC(TDateTime local);

}  // namespace lumora
