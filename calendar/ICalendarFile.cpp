// The iCalendar writer over libical.
#include "calendar/ICalendarFile.h"

#include <libical/ical.h>

#include <cstdlib>
#include <ctime>
#include <memory>

namespace orlenvo {

namespace {

icalproperty *XProperty(const char *name, const std::string &value)
{
    icalproperty *property = icalproperty_new_x(value.c_str());
    icalproperty_set_x_name(property, name);
    return property;
}

icaltimetype Date(const CivilDay &d)
{
    icaltimetype t = icaltime_null_date();
    t.year = d.year;
    t.month = d.month;
    t.day = d.day;
    return t;
}

icaltimetype UtcTime(const CivilDay &d, int hour, int minute)
{
    icaltimetype t = icaltime_null_time();
    t.year = d.year;
    t.month = d.month;
    t.day = d.day;
    t.hour = hour;
    t.minute = minute;
    return icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
}

// libical folds lines after 74 octets of text plus the CRLF; a fold moves back to the start of a
// UTF-8 character. Folding again here would only repeat that, so the text is taken as it comes.
std::string Take(char *text)
{
    std::unique_ptr<char, decltype(&std::free)> owned(text, &std::free);
    return text != nullptr ? std::string(text) : std::string();
}

}  // namespace

std::string ICalendarText(const std::string &name, const std::vector<CalendarEvent> &events, std::int64_t stamp)
{
    icalcomponent *calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Orlenvo//Orlenvo 1.0//ZH"));
    icalcomponent_add_property(calendar, icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar, icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalcomponent_add_property(calendar, XProperty("X-WR-CALNAME", name));
    const icaltimetype dtstamp =
        icaltime_from_timet_with_zone(static_cast<std::time_t>(stamp), 0, icaltimezone_get_utc_timezone());
    for (const CalendarEvent &e : events) {
        icalcomponent *event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(e.uid.c_str()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
        if (e.timed) {
            icalcomponent_add_property(event, icalproperty_new_dtstart(UtcTime(e.start, e.hour, e.minute)));
        } else {
            icalcomponent_add_property(event, icalproperty_new_dtstart(Date(e.start)));
            icalcomponent_add_property(event, icalproperty_new_dtend(Date(e.end)));
        }
        icalcomponent_add_property(event, icalproperty_new_summary(e.summary.c_str()));
        if (!e.description.empty())
            icalcomponent_add_property(event, icalproperty_new_description(e.description.c_str()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (!e.appleSpecialDay.empty())
            icalcomponent_add_property(event, XProperty("X-APPLE-SPECIAL-DAY", e.appleSpecialDay));
        icalcomponent_add_component(calendar, event);
    }
    std::string text = Take(icalcomponent_as_ical_string_r(calendar));
    icalcomponent_free(calendar);
    return text;
}

}  // namespace orlenvo
