// The almanac window's date check: a date text read under a short date format picture.
#pragma once

#include "calendar/LunarCalendar.h"

#include <string_view>

namespace orlenvo {

using TextDate = GregorianDate;

// Reads `text` as a date written under the Windows short date picture `picture`
// ("yyyy-MM-dd", "M/d/yyyy", "dd.MM.yy" ...): three whole numbers of one to four digits in the
// picture's order of year, month and day, separated by the picture's separator (its first
// character that is not a letter or a quote). A year of one or two digits lies in the
// current century. Returns false unless the numbers form a real Gregorian date (years
// 1-9999); nothing else may stand in the text.
bool ReadShortDate(std::string_view text, std::string_view picture, TextDate &date);

}  // namespace orlenvo
