#include "http/internet_date.h"

#include <cstdlib>

#include "base/exception.h"
#include "base/text.h"
#include "http/http_exceptions.h"
#include "http/net_text.h"

namespace lumora {

namespace {

constexpr const char* kDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr const char* kDayNamesUpper[7] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
constexpr const char* kMonthNamesUpper[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                              "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};

// 1 to 12 for a month name or its full English form, 0 otherwise.
int MonthOf(std::string_view field) {
  if (field.size() < 3) return 0;
  const std::string upper = UpperCase(field);
  for (char c : upper)
    if (c < 'A' || c > 'Z') return 0;
  for (int m = 0; m < 12; ++m)
    if (upper.compare(0, 3, kMonthNamesUpper[m]) == 0) return m + 1;
  return 0;
}

bool StartsWithDayName(std::string_view s) {
  if (s.size() < 3) return false;
  const std::string upper = UpperCase(s.substr(0, 3));
  for (const char* name : kDayNamesUpper)
    if (upper == name) return true;
  return false;
}

// The next field up to the separator; blanks around fields are skipped, so
// that "Nov  6" reads as two fields.
std::string NextField(std::string& s, std::string_view separator) {
  s = TrimLeft(s);
  std::string field = Trim(CutAtDelimiter(s, separator));
  s = TrimLeft(s);
  return field;
}

// Plain decimal digits only: the number syntax of the rest of the program
// would take "$1" or "+1" here.
std::optional<int> ReadNumber(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return std::nullopt;
  return ParseInt32(s);
}

// Seconds east of UTC for "+hhmm" / "-hhmm"; 0 for anything else.
long ZoneOffset(std::string_view zone) {
  if (zone.size() <= 4) return 0;
  if (zone[0] != '+' && zone[0] != '-') return 0;
  auto hours = ReadNumber(zone.substr(1, 2));
  auto minutes = ReadNumber(zone.substr(3, 2));
  if (!hours || !minutes) return 0;
  const long offset = (*hours * 60L + *minutes) * 60L;
  return zone[0] == '-' ? -offset : offset;
}

}  // namespace

std::string DateTimeToInternetStr(TDateTime value, bool isGMT) {
  const auto offset = UTCOffsetAtLocal(value);
  if (!offset)
    throw ENetFailedToRetreiveTimeZoneInfo("Failed attempting to retrieve time zone information.");
  int year, month, day, hour, minute, second, msec;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
  std::string zone;
  if (isGMT && *offset == 0) {
    zone = "GMT";
  } else {
    const long minutes = std::labs(*offset) / 60;
    zone = Format("%c%.2ld%.2ld", *offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
  }
  const std::string time = Format("%.2d:%.2d:%.2d", hour, minute, second);
  return Format("%s, %d %s %d %s %s", kDayNames[DayOfWeek(value) - 1], day, kMonthNames[month - 1],
                year, time.c_str(), zone.c_str());
}

TDateTime StrInternetToDateTime(std::string_view text) {
  std::string s = Trim(text);
  if (StartsWithDayName(s)) {
    CutAtDelimiter(s, " ");
    s = TrimLeft(s);
  }

  const size_t blank = s.find(' ');
  const size_t dash = s.find('-');
  const std::string separator = dash != std::string::npos && dash >= 1 && dash < blank ? "-" : " ";

  int day = 1, month = 0;
  std::string field = NextField(s, separator);
  if ((month = MonthOf(field)) != 0) {
    day = ReadNumber(NextField(s, separator)).value_or(1);
  } else {
    day = ReadNumber(field).value_or(1);
    month = MonthOf(NextField(s, separator));
  }
  if (month == 0) return 0;

  // The year ends at a blank in every layout; asctime puts it after the time.
  std::string time_field;
  std::string year_field = NextField(s, " ");
  auto year = ReadNumber(year_field);
  if (!year) {
    time_field = year_field;
    year = ReadNumber(NextField(s, " "));
    if (!year) year = 1900;
  }
  if (*year < 80)
    *year += 2000;
  else if (*year < 100)
    *year += 1900;

  TDateTime result = 0;
  if (!TryEncodeDate(*year, month, day, result)) return 0;

  if (time_field.empty() && s.find(':') != std::string::npos && s.find(':') < s.find(' '))
    time_field = NextField(s, " ");
  if (time_field.find(':') != std::string::npos) {
    int parts[3] = {0, 0, 0};
    for (int& part : parts) {
      if (time_field.empty()) break;
      // Seconds may carry a fraction, which is dropped.
      std::string piece = CutAtDelimiter(time_field, ":");
      piece = CutAtDelimiter(piece, ".", false);
      if (piece.empty()) continue;
      auto n = ReadNumber(piece);
      if (!n) return 0;
      part = *n;
    }
    TDateTime time = 0;
    if (!TryEncodeTime(parts[0], parts[1], parts[2], 0, time)) return 0;
    result += time;
  }

  const std::string zone = Trim(s);
  const TDateTime utc = result - static_cast<TDateTime>(ZoneOffset(zone)) / kSecondsPerDay;
  return UTCToLocal(utc).value_or(0);
}

}  // namespace lumora
