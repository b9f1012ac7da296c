// The table reader and its error.
#include "calendar/TableLines.h"

namespace orlenvo {

namespace {

std::string WhatOf(const std::string &file, int line, const std::string &message)
{
    return file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message;
}

}  // namespace

TableError::TableError(std::string file, int line, std::string message)
    : std::runtime_error(WhatOf(file, line, message)), file_(std::move(file)), line_(line), message_(std::move(message))
{}

TableReader::TableReader(std::string_view text, std::string file) : rest_(text), file_(std::move(file))
{
    if (rest_.starts_with("\xEF\xBB\xBF"))
        rest_.remove_prefix(3);
}

bool TableReader::NextLine(std::string_view &line)
{
    if (rest_.empty())
        return false;
    ++lineNumber_;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return true;
}

void TableReader::Fail(std::string message) const
{
    throw TableError(file_, lineNumber_, std::move(message));
}

void TableReader::FailTable(std::string message) const
{
    throw TableError(file_, 0, std::move(message));
}

std::vector<std::string_view> SplitFields(std::string_view text, char separator)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t end = text.find(separator);
        fields.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return fields;
        text.remove_prefix(end + 1);
    }
}

int FieldNumber(std::string_view text)
{
    if (text.empty() || text.size() > 4)
        return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<GregorianDate> IsoDateField(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const GregorianDate date{FieldNumber(text.substr(0, 4)), FieldNumber(text.substr(5, 2)),
                             FieldNumber(text.substr(8, 2))};
    if (!IsValidDate(date))
        return std::nullopt;
    return date;
}

}  // namespace orlenvo
