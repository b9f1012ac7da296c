// Pinyin initials of GBK text and the net-name trait read from them.
#pragma once

#include "core/Text.h"

#include <string>
#include <string_view>

namespace orlenvo {

// A double-byte code outside the reading table (lead or trail byte 0xFF).
class UnreadableCodeError : public UserError {
public:
    UnreadableCodeError(unsigned char lead, unsigned char trail);
};

// The capital initial of the Mandarin reading of the GBK code (lead, trail), or 0 when the
// code has none. Lead bytes 0x81..0xFE and trail bytes 0x40..0xFE form the table; any other
// code gives 0. (Generated table, ReadingTable.cpp.)
char ReadingInitial(unsigned char lead, unsigned char trail);

// The initials string of a GBK text: the capital pinyin initial of each Chinese character,
// ASCII letters in capitals and ASCII digits as they are, the numbers of enclosed and Roman
// numerals, full-width letters and digits (case kept), transcribed Greek letters, "?" for a
// double-byte character without a reading; single-byte symbols add nothing.
// Throws UnreadableCodeError for a double-byte code outside the reading table.
std::string PinyinInitials(std::string_view gbk);

// The trait text (UTF-8) of a trimmed GBK net name: its initials string with digits turned
// to letters ("1" -> "A" ... "9" -> "I", "0" -> "J"), keyed by the last letter. Empty when
// the name gives no letter at its end. Throws UnreadableCodeError as PinyinInitials does.
std::string NetNameTrait(std::string_view gbkName);

// The GBK text whose initials a typed UTF-8 net name gives: a Traditional character is read
// as its Simplified form (ToSimplified, phrases first) when that form is a GBK character with
// a reading, and as itself otherwise; every other character is converted as Utf8ToGbk does.
std::string NetNameGbk(std::string_view utf8Name);

}  // namespace orlenvo
