// The eighty-one number table: a reading for any whole number.
#pragma once

#include <string>
#include <string_view>

namespace orlenvo {

// The text given for a negative number that 81 does not divide.
extern const char *const kEightyOneNotFound;

// The reading of a whole number: the entry of its remainder modulo 81, as one text
// "verdict|luck class|character text", or kEightyOneNotFound when the remainder is negative.
// numberText is converted with StrToInt64 and throws its ConvertError when it is not a whole
// number.
std::string LookupEightyOne(std::string_view numberText);

// A LookupEightyOne text split at its first two "|": verdict, luck class, character text.
// A text without "|" lands whole in character, the fields before it empty.
struct EightyOneRows {
    std::string verdict;
    std::string luck;
    std::string character;
};
EightyOneRows SplitEightyOne(std::string_view text);

}  // namespace orlenvo
