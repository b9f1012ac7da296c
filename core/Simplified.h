// Traditional -> Simplified normalization of typed input, over a table generated from OpenCC.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orlenvo {

// One row of the generated table: a Traditional character or phrase and its Simplified form.
struct SimplifiedRow {
    std::string_view traditional;
    std::string_view simplified;
};

// The generated rows (SimplifiedTable.cpp), sorted by the bytes of `traditional`, and the
// length in characters of the longest key.
extern const SimplifiedRow kSimplifiedRows[];
extern const std::size_t kSimplifiedRowCount;
extern const std::size_t kSimplifiedLongestKey;

// The byte after the UTF-8 character that starts at `at` (< text.size()): its lead byte and
// the continuation bytes that lead byte announces; any other byte is a character of its own.
std::size_t NextUtf8Character(std::string_view text, std::size_t at);

// The UTF-8 text with its Traditional characters and phrases in their Simplified forms, the
// longest phrase first; Simplified text (every GB2312 character), Latin text and anything the
// table does not hold pass unchanged. For input normalization only: shown texts are never
// converted while the program runs.
std::string ToSimplified(std::string_view utf8);

}  // namespace orlenvo
