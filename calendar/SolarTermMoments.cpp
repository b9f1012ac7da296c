// The solar-term moment table and the labelled days derived from it.
#include "calendar/SolarTermMoments.h"

#include "calendar/BuiltInTables.h"
#include "calendar/CalendarLabels.h"
#include "calendar/TableLines.h"
#include "core/Script.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <stdexcept>

namespace orlenvo {

namespace {

constexpr int kTermsPerYear = 24;
constexpr int kYears = kLastTableYear - kFirstTableYear + 1;
constexpr int kTerms = kYears * kTermsPerYear;

constexpr int IndexOf(int year, int term)
{
    return (year - kFirstTableYear) * kTermsPerYear + term - 1;
}

// The built-in moments and, by the same index, the day each term is labelled on.
struct TermTables {
    std::vector<TermMoment> moments;
    std::array<std::uint8_t, kTerms> labelledDays{};
};

TermTables ReadTermTables()
{
    TermTables tables{ParseSolarTermMoments(SolarTermMomentsText())};
    for (int i = 0; i < kTerms; ++i)
        tables.labelledDays[i] = static_cast<std::uint8_t>(tables.moments[i].day);
    // Every term falls between days 3 and 24 of its month, so the day before is in the same month.
    for (const TermLabelledEarlier &row : kTermsLabelledEarlier)
        --tables.labelledDays[IndexOf(row.year, row.term)];
    return tables;
}

const TermTables &Tables()
{
    static const TermTables tables = ReadTermTables();
    return tables;
}

}  // namespace

std::vector<TermMoment> ParseSolarTermMoments(std::string_view text, std::string file)
{
    std::vector<TermMoment> moments;
    moments.reserve(kTerms);
    TableReader reader(text, std::move(file));
    for (std::string_view row; reader.NextRow(row);) {
        const int index = static_cast<int>(moments.size());
        const bool shaped = row.size() > 20 && row[10] == ' ' && row[13] == ':' && row[16] == ':' && row[19] == '\t';
        const std::optional<GregorianDate> date = shaped ? IsoDateField(row.substr(0, 10)) : std::nullopt;
        const int hour = shaped ? FieldNumber(row.substr(11, 2)) : -1;
        const int minute = shaped ? FieldNumber(row.substr(14, 2)) : -1;
        const int second = shaped ? FieldNumber(row.substr(17, 2)) : -1;
        if (!date || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
            reader.Fail("expected \"YYYY-MM-DD HH:MM:SS<tab>name\"");
        const TermMoment m{*date, index % kTermsPerYear + 1, hour, minute, second};
        const int year = kFirstTableYear + index / kTermsPerYear;
        if (index >= kTerms || m.year != year || m.month != (m.term + 1) / 2 || row.substr(20) != SolarTermName(m.term))
            reader.Fail("expected " + std::string(SolarTermName(m.term)) + " of " + std::to_string(year) +
                        " in month " + std::to_string((m.term + 1) / 2));
        moments.push_back(m);
    }
    if (moments.size() != static_cast<std::size_t>(kTerms))
        reader.FailTable(std::to_string(moments.size()) + " rows instead of " + std::to_string(kTerms));
    return moments;
}

const TermMoment &SolarTermMoment(int year, int term)
{
    if (year < kFirstTableYear || year > kLastTableYear || term < 1 || term > kTermsPerYear)
        throw std::out_of_range("no solar term " + std::to_string(term) + " in " + std::to_string(year));
    return Tables().moments[static_cast<std::size_t>(IndexOf(year, term))];
}

int LabelledTermDay(int year, int term)
{
    if (year < kFirstTableYear || year > kLastTableYear || term < 1 || term > kTermsPerYear)
        return 0;
    return Tables().labelledDays[static_cast<std::size_t>(IndexOf(year, term))];
}

std::optional<TermMoment> SolarTermMomentOf(CalendarDate date)
{
    const GregorianDate day = GregorianDateOf(date);
    for (const int term : {2 * day.month - 1, 2 * day.month})
        if (day.day == LabelledTermDay(day.year, term))
            return SolarTermMoment(day.year, term);
    return std::nullopt;
}

std::string TermMomentText(const TermMoment &m)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d月%d日 %02d:%02d", m.month, m.day, m.hour, m.minute);
    return std::string(Localized(SolarTermName(m.term))) + " " + text;
}

}  // namespace orlenvo
