#include "calendar/AlmanacDate.h"

#include "calendar/LunarCalendar.h"

#include <array>
#include <chrono>

namespace orlenvo {

namespace {

enum class Part { Year, Month, Day };

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The order of year, month and day in the picture, by the first letter of each; a picture
// that names fewer than all three reads as year, month, day.
std::array<Part, 3> OrderOf(std::string_view picture)
{
    std::array<Part, 3> order{};
    int found = 0;
    bool seen[3] = {false, false, false};
    bool quoted = false;
    for (char c : picture) {
        if (c == '\'') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        Part part;
        if (c == 'y' || c == 'Y')
            part = Part::Year;
        else if (c == 'M' || c == 'm')
            part = Part::Month;
        else if (c == 'd' || c == 'D')
            part = Part::Day;
        else
            continue;
        if (!seen[static_cast<int>(part)] && found < 3) {
            seen[static_cast<int>(part)] = true;
            order[found++] = part;
        }
    }
    if (found < 3)
        return {Part::Year, Part::Month, Part::Day};
    return order;
}

char SeparatorOf(std::string_view picture)
{
    for (char c : picture)
        if (!IsLetter(c) && c != '\'' && c != ' ')
            return c;
    return '-';
}

int CurrentCentury()
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    const int year = static_cast<int>(std::chrono::year_month_day(today).year());
    return year / 100 * 100;
}

}  // namespace

bool ReadShortDate(std::string_view text, std::string_view picture, TextDate &date)
{
    const char separator = SeparatorOf(picture);
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int index = 0;
    for (char c : text) {
        if (c == separator) {
            if (digits[index] == 0 || ++index > 2)
                return false;
        } else if (c >= '0' && c <= '9') {
            if (++digits[index] > 4)
                return false;
            numbers[index] = numbers[index] * 10 + (c - '0');
        } else {
            return false;
        }
    }
    if (index != 2 || digits[2] == 0)
        return false;

    TextDate out;
    const std::array<Part, 3> order = OrderOf(picture);
    for (int i = 0; i < 3; ++i) {
        switch (order[i]) {
        case Part::Year: out.year = digits[i] <= 2 ? CurrentCentury() + numbers[i] : numbers[i]; break;
        case Part::Month: out.month = numbers[i]; break;
        case Part::Day: out.day = numbers[i]; break;
        }
    }
    if (!IsValidDate(out))
        return false;
    date = out;
    return true;
}

}  // namespace orlenvo
