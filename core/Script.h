// The script of the program's texts: Simplified Chinese, or Traditional for Taiwan or Hong Kong.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orlenvo {

enum class Script { Simplified, Taiwan, HongKong };

// Chosen once at start, before any text is shown (app/main.cpp, the dump tools).
void SetScript(Script script);
Script CurrentScript();

// The script a language name asks for: zh_CN, zh_TW or zh_HK (also written with '-'); none for
// another name.
std::optional<Script> ScriptNamed(std::string_view name);

// The text as the current script writes it: the catalogue's Traditional text (content/l10n,
// converted at build time by tools/gen_traditional), or `simplified` itself under Simplified or
// when the catalogue has no entry for it. Whole texts are looked up, nothing is converted: a
// composed text is composed from localized pieces. The catalogue is read on the first lookup
// under a Traditional script; the result lives as long as the program (or as `simplified`).
std::string_view Localized(std::string_view simplified);
const char *Localized(const char *simplified);

// A list of words separated by blanks (an almanac list: "祭祀 祈福 求嗣"), each word localized.
std::string LocalizedWords(std::string_view words);

// The catalogue of a Traditional script: how many texts it holds, and its text of `simplified`
// (empty when it has none), whatever the current script is.
std::size_t CatalogueSize(Script script);
std::string_view CatalogueText(Script script, std::string_view simplified);

}  // namespace orlenvo
