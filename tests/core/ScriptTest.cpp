// The Traditional catalogues: the reviewed overrides applied, no Simplified-only character left,
// and the lookups by script.
#include "core/Script.h"
#include "calendar/Sexagenary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace orlenvo {
namespace {

std::vector<std::string> Lines(const std::string &file)
{
    std::ifstream in(std::string(ORLENVO_SOURCE_DIR) + "/content/l10n/" + file);
    EXPECT_TRUE(in) << file;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    return lines;
}

std::vector<std::string> Fields(const std::string &line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        fields.push_back(field);
    return fields;
}

// The texts of texts.txt as the program holds them (the generator's escapes undone).
std::vector<std::string> ProgramTexts()
{
    std::vector<std::string> texts;
    for (const std::string &line : Lines("texts.txt")) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 1 < line.size()) {
                const char e = line[++i];
                text += e == 'n' ? '\n' : e == 'r' ? '\r' : e == 't' ? '\t' : e;
            } else {
                text += line[i];
            }
        }
        texts.push_back(text);
    }
    return texts;
}

// UTF-8 characters of a text.
std::vector<std::string> Characters(std::string_view text)
{
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        out.emplace_back(text.substr(i, n));
        i += n;
    }
    return out;
}

class ScriptTest : public ::testing::Test {
protected:
    void TearDown() override { SetScript(Script::Simplified); }
};

// Every override row, through every program text that holds its Simplified phrase (or is its
// whole text, for a row written ^text$): the catalogue's text holds the row's form.
TEST_F(ScriptTest, OverridesAreAppliedToTheProgramsTexts)
{
    const std::vector<std::string> texts = ProgramTexts();
    std::vector<std::vector<std::string>> rows;
    for (const std::string &row : Lines("overrides.tsv")) {
        rows.push_back(Fields(row));
        ASSERT_EQ(rows.back().size(), 4u) << row;
    }
    // A text with each longer phrase that holds `phrase` taken out: the longer row wins there.
    const auto outsideLongerRows = [&rows](std::string text, const std::string &phrase) {
        for (const std::vector<std::string> &other : rows)
            if (other[0].size() > phrase.size() && other[0].find(phrase) != std::string::npos)
                for (std::size_t at; (at = text.find(other[0])) != std::string::npos;)
                    text.replace(at, other[0].size(), "|");
        return text;
    };
    for (const std::vector<std::string> &f : rows) {
        const bool whole = f[0].front() == '^';
        const std::string phrase = whole ? f[0].substr(1, f[0].size() - 2) : f[0];
        int uses = 0;
        for (const std::string &text : texts) {
            if (whole ? text != phrase : outsideLongerRows(text, phrase).find(phrase) == std::string::npos)
                continue;
            ++uses;
            for (const auto &[script, form] : {std::pair{Script::Taiwan, f[1]}, std::pair{Script::HongKong, f[2]}}) {
                std::string_view shown = CatalogueText(script, text);
                if (shown.empty())
                    shown = text;  // no entry: the conversion left the text as it is
                EXPECT_NE(shown.find(form), std::string_view::npos) << text << " -> " << shown << " lacks " << form;
            }
        }
        // A row of the field's words that no program text uses yet is kept for the content the
        // converter also serves; the rows below are the program's own.
        if (f[0] == "^丑$" || f[0] == "^占$" || f[0] == "^冲$" || f[0] == "^冲:$" || f[0] == "^斗$" || f[0] == "启钻") {
            EXPECT_GT(uses, 0) << f[0];
        }
    }
}

// No character that exists only in Simplified (derived from OpenCC's tables by the generator)
// is left in any Traditional text of the catalogues, nor in a program text without an entry.
TEST_F(ScriptTest, NoSimplifiedOnlyCharacterIsLeft)
{
    const std::vector<std::string> list = Lines("simplified-only.txt");
    ASSERT_GT(list.size(), 2000u);
    const std::set<std::string> simplifiedOnly(list.begin(), list.end());
    ASSERT_TRUE(simplifiedOnly.count("历") && simplifiedOnly.count("们"));
    for (const Script script : {Script::Taiwan, Script::HongKong}) {
        ASSERT_GT(CatalogueSize(script), 1000u);
        for (const std::string &text : ProgramTexts()) {
            std::string_view shown = CatalogueText(script, text);
            if (shown.empty())
                shown = text;
            for (const std::string &c : Characters(shown))
                EXPECT_FALSE(simplifiedOnly.count(c)) << c << " in " << shown;
        }
    }
}

TEST_F(ScriptTest, LookupFollowsTheScript)
{
    const char *calendar = "万年历法";
    EXPECT_EQ(Localized(calendar), calendar);  // Simplified: the very text
    SetScript(Script::Taiwan);
    EXPECT_EQ(std::string(Localized(calendar)), "萬年曆法");
    EXPECT_EQ(Localized(std::string_view("打印")), "列印");
    EXPECT_EQ(Localized(std::string_view(BranchName(1))), "丑");
    EXPECT_EQ(Localized(std::string_view("no such text")), "no such text");
    SetScript(Script::HongKong);
    EXPECT_EQ(Localized(std::string_view("打印")), "打印");
    EXPECT_EQ(Localized(std::string_view("启钻")), "啓攢");
}

}  // namespace
}  // namespace orlenvo
