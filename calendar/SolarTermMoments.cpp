// The solar-term moment table.
#include "calendar/SolarTermMoments.h"

#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"

#include <cstdio>

namespace orlenvo {

namespace {

constexpr int kTermsPerYear = 24;
constexpr int kYears = kLastTableYear - kFirstTableYear + 1;

// The digits of text[from, from + count) as a number, or -1.
int Digits(std::string_view text, std::size_t from, std::size_t count)
{
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

const std::vector<TermMoment> &Moments()
{
    static const std::vector<TermMoment> moments = ParseSolarTermMoments(SolarTermMomentsText());
    return moments;
}

}  // namespace

std::vector<TermMoment> ParseSolarTermMoments(std::string_view text)
{
    std::vector<TermMoment> moments;
    moments.reserve(kYears * kTermsPerYear);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const int index = static_cast<int>(moments.size());
        TermMoment m;
        m.term = index % kTermsPerYear + 1;
        m.year = Digits(line, 0, 4);
        m.month = Digits(line, 5, 2);
        m.day = Digits(line, 8, 2);
        m.hour = Digits(line, 11, 2);
        m.minute = Digits(line, 14, 2);
        m.second = Digits(line, 17, 2);
        const bool shaped = line.size() > 20 && line.substr(4, 1) == "-" && line.substr(7, 1) == "-" &&
                            line.substr(10, 1) == " " && line.substr(13, 1) == ":" && line.substr(16, 1) == ":" &&
                            line[19] == '\t';
        const std::string where = "solar-term table, line " + std::to_string(lineNumber) + ": ";
        if (!shaped || m.month < 1 || m.month > 12 || m.day < 1 || m.day > MonthLength(m.year, m.month) ||
            m.hour > 23 || m.minute > 59 || m.second > 59)
            throw SolarTermTableError(where + "expected \"YYYY-MM-DD HH:MM:SS<tab>name\"");
        if (index >= kYears * kTermsPerYear || m.year != kFirstTableYear + index / kTermsPerYear ||
            line.substr(20) != SolarTermName(m.term))
            throw SolarTermTableError(where + "expected " + SolarTermName(m.term) + " of " +
                                      std::to_string(kFirstTableYear + index / kTermsPerYear));
        moments.push_back(m);
    }
    if (moments.size() != static_cast<std::size_t>(kYears * kTermsPerYear))
        throw SolarTermTableError("solar-term table: " + std::to_string(moments.size()) + " rows instead of " +
                                  std::to_string(kYears * kTermsPerYear));
    return moments;
}

const TermMoment &SolarTermMoment(int year, int term)
{
    if (year < kFirstTableYear || year > kLastTableYear || term < 1 || term > kTermsPerYear)
        throw std::out_of_range("no solar term " + std::to_string(term) + " in " + std::to_string(year));
    return Moments()[static_cast<std::size_t>((year - kFirstTableYear) * kTermsPerYear + term - 1)];
}

std::optional<TermMoment> SolarTermMomentOf(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    for (int which = 0; which < 2; ++which)
        if (day == SolarTermDay(year, month, which))
            return SolarTermMoment(year, 2 * month - 1 + which);
    return std::nullopt;
}

std::string TermMomentText(const TermMoment &m)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d月%d日 %02d:%02d", m.month, m.day, m.hour, m.minute);
    return std::string(SolarTermName(m.term)) + " " + text;
}

}  // namespace orlenvo
