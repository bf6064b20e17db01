#pragma once
// Internet date text of the "Date", "Expires", "Last-Modified" and
// "If-Modified-Since" header fields and of cookie expiry.

#include <string>
#include <string_view>

#include "http/date_time.h"

namespace lumora {

// "Sun, 6 Nov 1994 08:49:37 +0100": the local date-time with the local offset
// from UTC valid at that time; "GMT" instead of the offset when isGMT is set
// and the offset is 0. Raises ENetFailedToRetreiveTimeZoneInfo when the C
// library cannot tell the offset.
std::string DateTimeToInternetStr(TDateTime value, bool isGMT = false);

// Reads RFC 1123, RFC 850 and asctime layouts (and the looser forms servers
// send) into a local date-time; any failure gives 0.
TDateTime StrInternetToDateTime(std::string_view text);

}  // namespace lumora
