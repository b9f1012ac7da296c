// Writing exported events as an iCalendar file (RFC 5545) with libical; the only user of libical.
#pragma once

#include "calendar/CalendarExport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orlenvo {

// The calendar text: X-WR-CALNAME name, every event TRANSP:TRANSPARENT with a DTSTAMP of stamp
// (seconds since 1970, UTC); all-day events as DATE values, timed ones in UTC. Lines end in CRLF
// and are folded at 75 octets between UTF-8 characters.
std::string ICalendarText(const std::string &name, const std::vector<CalendarEvent> &events, std::int64_t stamp);

}  // namespace orlenvo
