// The solar-term moment table.
#include "calendar/SolarTermMoments.h"

#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"
#include "calendar/TableLines.h"

#include <cstdio>

namespace orlenvo {

namespace {

constexpr int kTermsPerYear = 24;
constexpr int kYears = kLastTableYear - kFirstTableYear + 1;

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
    ForEachLine(text, [&](int lineNumber, std::string_view line) {
        if (line.empty() || line.front() == '#')
            return;
        const int index = static_cast<int>(moments.size());
        TermMoment m;
        m.term = index % kTermsPerYear + 1;
        const bool shaped = line.size() > 20 && line[4] == '-' && line[7] == '-' && line[10] == ' ' &&
                            line[13] == ':' && line[16] == ':' && line[19] == '\t';
        if (shaped) {
            m.year = FieldNumber(line.substr(0, 4));
            m.month = FieldNumber(line.substr(5, 2));
            m.day = FieldNumber(line.substr(8, 2));
            m.hour = FieldNumber(line.substr(11, 2));
            m.minute = FieldNumber(line.substr(14, 2));
            m.second = FieldNumber(line.substr(17, 2));
        }
        const std::string where = "solar-term table, line " + std::to_string(lineNumber) + ": ";
        if (!shaped || m.year < 0 || m.month < 1 || m.month > 12 || m.day < 1 || m.day > MonthLength(m.year, m.month) ||
            m.hour < 0 || m.hour > 23 || m.minute < 0 || m.minute > 59 || m.second < 0 || m.second > 59)
            throw SolarTermTableError(where + "expected \"YYYY-MM-DD HH:MM:SS<tab>name\"");
        if (index >= kYears * kTermsPerYear || m.year != kFirstTableYear + index / kTermsPerYear ||
            line.substr(20) != SolarTermName(m.term))
            throw SolarTermTableError(where + "expected " + SolarTermName(m.term) + " of " +
                                      std::to_string(kFirstTableYear + index / kTermsPerYear));
        moments.push_back(m);
    });
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
