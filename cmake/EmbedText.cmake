# Writes a C++ source that holds a file's bytes (UTF-8 text) behind a function
#   std::string_view <FUNCTION>();   in namespace orlenvo
# as an array of byte values: string literals this long go beyond what compilers must accept.
# Run as: cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P EmbedText.cmake
foreach(var INPUT OUTPUT FUNCTION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedText.cmake: ${var} is not set")
  endif()
endforeach()
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
# 32 bytes to a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 32 line)
string(REGEX REPLACE "(${line})" "\\1\n        " bytes "${bytes}")
file(RELATIVE_PATH source "${CMAKE_CURRENT_LIST_DIR}/.." "${INPUT}")
file(WRITE "${OUTPUT}.tmp" "// Generated at build time by cmake/EmbedText.cmake from ${source}; do not edit.
#include <string_view>

namespace orlenvo {

std::string_view ${FUNCTION}();

namespace {

// clang-format off
constexpr unsigned char kText[${size} + 1] = {
        ${bytes}0x00};
// clang-format on

}  // namespace

std::string_view ${FUNCTION}()
{
    return {reinterpret_cast<const char *>(kText), ${size}};
}

}  // namespace orlenvo
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
