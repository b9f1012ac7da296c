// The catalogues of content/l10n/zh_TW.tsv and zh_HK.tsv, compiled in, read on first use.
#include "core/Script.h"

#include <atomic>
#include <functional>
#include <string>
#include <unordered_map>

namespace orlenvo {

std::string_view TaiwanCatalogueText();    // content/l10n/zh_TW.tsv
std::string_view HongKongCatalogueText();  // content/l10n/zh_HK.tsv

namespace {

std::atomic<Script> currentScript{Script::Simplified};

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

using Catalogue = std::unordered_map<std::string, std::string, TextHash, std::equal_to<>>;

// The generator's escapes: \n, \r, \t and \\.
std::string Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        default: out += text[i]; break;
        }
    }
    return out;
}

// Lines of "Simplified TAB Traditional".
Catalogue Parse(std::string_view text)
{
    Catalogue catalogue;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        const std::size_t tab = line.find('\t');
        if (tab != std::string_view::npos)
            catalogue.emplace(Unescape(line.substr(0, tab)), Unescape(line.substr(tab + 1)));
    }
    return catalogue;
}

const Catalogue *CatalogueOf(Script script)
{
    switch (script) {
    case Script::Taiwan: {
        static const Catalogue catalogue = Parse(TaiwanCatalogueText());
        return &catalogue;
    }
    case Script::HongKong: {
        static const Catalogue catalogue = Parse(HongKongCatalogueText());
        return &catalogue;
    }
    case Script::Simplified: break;
    }
    return nullptr;
}

}  // namespace

void SetScript(Script script)
{
    currentScript.store(script, std::memory_order_relaxed);
}

Script CurrentScript()
{
    return currentScript.load(std::memory_order_relaxed);
}

std::optional<Script> ScriptNamed(std::string_view name)
{
    if (name.size() != 5 || name.substr(0, 2) != "zh" || (name[2] != '_' && name[2] != '-'))
        return std::nullopt;
    const std::string_view region = name.substr(3);
    if (region == "CN")
        return Script::Simplified;
    if (region == "TW")
        return Script::Taiwan;
    if (region == "HK")
        return Script::HongKong;
    return std::nullopt;
}

std::string_view CatalogueText(Script script, std::string_view simplified)
{
    const Catalogue *catalogue = CatalogueOf(script);
    if (catalogue == nullptr)
        return {};
    const auto it = catalogue->find(simplified);
    return it == catalogue->end() ? std::string_view() : std::string_view(it->second);
}

std::size_t CatalogueSize(Script script)
{
    const Catalogue *catalogue = CatalogueOf(script);
    return catalogue == nullptr ? 0 : catalogue->size();
}

std::string_view Localized(std::string_view simplified)
{
    const Script script = CurrentScript();
    if (script == Script::Simplified)
        return simplified;
    const std::string_view text = CatalogueText(script, simplified);
    return text.empty() ? simplified : text;
}

const char *Localized(const char *simplified)
{
    if (CurrentScript() == Script::Simplified)
        return simplified;
    // The catalogue's texts are std::strings, so their data ends with a zero.
    return Localized(std::string_view(simplified)).data();
}

std::string LocalizedWords(std::string_view words)
{
    if (CurrentScript() == Script::Simplified)
        return std::string(words);
    std::string out;
    out.reserve(words.size());
    for (std::size_t begin = 0; begin <= words.size();) {
        const std::size_t end = std::min(words.find(' ', begin), words.size());
        out += Localized(words.substr(begin, end - begin));
        if (end < words.size())
            out += ' ';
        begin = end + 1;
    }
    return out;
}

}  // namespace orlenvo
