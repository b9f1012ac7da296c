// Text helpers shared by the whole core: trimming, integer conversion, GBK.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orlenvo {

// An error whose text is shown to the user as it stands by the general error box.
class UserError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Failure of StrToInt / StrToInt64: "'<text>' is not a valid integer value".
class ConvertError : public UserError {
public:
    explicit ConvertError(std::string_view text);
};

// Removes leading and trailing blanks and control characters (bytes 0..32).
std::string Trim(std::string_view text);

// Equality of two texts with ASCII letters compared without regard to case.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Whole-number conversion as the windows use it: optional sign, then decimal digits,
// or a hexadecimal number written "$FF" or "0xFF". No blanks anywhere.
// Throws ConvertError on anything else, including overflow.
std::int64_t StrToInt64(std::string_view text);
std::int32_t StrToInt(std::string_view text);

// The number of characters of UTF-8 text: the bytes that do not continue a sequence.
std::size_t Utf8Length(std::string_view utf8);

// UTF-8 <-> GBK (code page 936). A character that GBK cannot hold becomes "?" (0x3F).
std::string Utf8ToGbk(std::string_view utf8);
// Bytes that do not form a GBK character become U+FFFD.
std::string GbkToUtf8(std::string_view gbk);

}  // namespace orlenvo
