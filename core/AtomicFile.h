// Writing a whole file or nothing: into a temporary file beside it, then renamed over it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orlenvo {

// Writes text to path through a temporary file in the same folder, flushed to disk and renamed over
// path. Returns the reason on failure ("/x/y.ics: Permission denied"), leaving path as it was and no
// temporary file behind; nullopt on success.
std::optional<std::string> WriteFileAtomically(const std::string &path, std::string_view text);

// The whole file, or nullopt with the reason in error.
std::optional<std::string> ReadWholeFile(const std::string &path, std::string &error);

}  // namespace orlenvo
