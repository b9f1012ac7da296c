# Writes a C++ source that holds a UTF-8 text file as a string literal, behind a function
#   std::string_view <FUNCTION>();   in namespace orlenvo
# Run as: cmake -DINPUT=<file> -DOUTPUT=<file.cpp> -DFUNCTION=<name> -P EmbedText.cmake
foreach(var INPUT OUTPUT FUNCTION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "EmbedText.cmake: ${var} is not set")
  endif()
endforeach()
file(READ "${INPUT}" text)
set(delimiter "orlenvo_text")
string(FIND "${text}" ")${delimiter}\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} holds the raw-string delimiter )${delimiter}\"")
endif()
file(RELATIVE_PATH source "${CMAKE_CURRENT_LIST_DIR}/.." "${INPUT}")
file(WRITE "${OUTPUT}.tmp" "// Generated at build time by cmake/EmbedText.cmake from ${source}; do not edit.
#include <string_view>

namespace orlenvo {

std::string_view ${FUNCTION}();

std::string_view ${FUNCTION}()
{
    static constexpr char kText[] = R\"${delimiter}(${text})${delimiter}\";
    return {kText, sizeof kText - 1};
}

}  // namespace orlenvo
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
