// Reading line-based text tables (content/almanac and files of the same form): one reader of rows
// and fields, and one error that names the file and the line.
#pragma once

#include "calendar/LunarCalendar.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orlenvo {

// A table text that does not follow its format. what() reads "holidays.txt:12: message", or
// "holidays.txt: message" for a fault of the whole table (line 0).
class TableError : public std::runtime_error {
public:
    TableError(std::string file, int line, std::string message);

    const std::string &File() const { return file_; }
    int Line() const { return line_; }
    const std::string &Message() const { return message_; }

private:
    std::string file_;
    int line_;
    std::string message_;
};

// Walks the rows of a table text: UTF-8, a leading byte-order mark skipped, lines ending in LF or
// CR LF (the last may lack it), numbered from 1. Empty lines and lines starting with '#' hold no row.
class TableReader {
public:
    // `file` is the name the errors give.
    TableReader(std::string_view text, std::string file);

    // The next row; false at the end of the text.
    bool NextRow(std::string_view &row)
    {
        return NextRow(row, [](std::string_view) {});
    }
    // The same, handing each comment line ("# ...") to onComment on the way.
    template <typename OnComment>
    bool NextRow(std::string_view &row, OnComment onComment)
    {
        while (NextLine(row)) {
            if (row.starts_with('#'))
                onComment(row);
            else if (!row.empty())
                return true;
        }
        return false;
    }

    // The number of the line last read.
    int LineNumber() const { return lineNumber_; }
    const std::string &File() const { return file_; }

    // Throw TableError naming the line last read, or the whole table.
    [[noreturn]] void Fail(std::string message) const;
    [[noreturn]] void FailTable(std::string message) const;

private:
    bool NextLine(std::string_view &line);

    std::string_view rest_;
    std::string file_;
    int lineNumber_ = 0;
};

// The parts of text between separators: "a\tb" gives "a" and "b", "" one empty part.
std::vector<std::string_view> SplitFields(std::string_view text, char separator);

// The value of 1 to 4 decimal digits, or -1 for anything else.
int FieldNumber(std::string_view text);

// The index of a field among count names given by nameOf (a stem, a branch, a 干支 ...), or -1.
template <typename NameOf>
int IndexOfName(std::string_view name, int count, NameOf nameOf)
{
    for (int i = 0; i < count; ++i)
        if (name == std::string_view(nameOf(i)))
            return i;
    return -1;
}

// The valid date written "YYYY-MM-DD", else nullopt.
std::optional<GregorianDate> IsoDateField(std::string_view text);

}  // namespace orlenvo
