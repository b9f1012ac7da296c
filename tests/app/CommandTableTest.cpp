// The menu table against the design's lists: counts, captions along paths, separators,
// trailing blanks and the acting commands.
#include "app/CommandTable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace orlenvo {
namespace {

struct Node {
    const CommandRow *row = nullptr;
    std::vector<Node> children;
};

// Rebuilds the tree from the depth-first rows.
std::vector<Node> BuildTree()
{
    std::vector<Node> roots;
    std::vector<std::vector<Node> *> stack{&roots};
    for (const CommandRow &row : CommandTable()) {
        EXPECT_LE(static_cast<std::size_t>(row.depth), stack.size() - 1) << row.caption;
        stack.resize(row.depth + 1);
        stack.back()->push_back(Node{&row, {}});
        if (row.kind == ActionKind::Submenu)
            stack.push_back(&stack.back()->back().children);
    }
    return roots;
}

const Node *Find(const std::vector<Node> &nodes, const std::vector<std::string> &path)
{
    const std::vector<Node> *level = &nodes;
    const Node *found = nullptr;
    for (const std::string &caption : path) {
        found = nullptr;
        for (const Node &n : *level)
            if (caption == n.row->caption) {
                found = &n;
                break;
            }
        if (!found)
            return nullptr;
        level = &found->children;
    }
    return found;
}

void Count(const Node &n, int &commands, int &acting)
{
    if (n.row->kind != ActionKind::Submenu) {
        ++commands;
        if (n.row->kind != ActionKind::None)
            ++acting;
        return;
    }
    for (const Node &c : n.children)
        Count(c, commands, acting);
}

TEST(CommandTable, TwelveMenusWithTheirCounts)
{
    const auto tree = BuildTree();
    struct Expect { const char *caption; int submenus; int commands; int acting; };
    // Counts as the design lists them per top-level menu.
    const Expect expected[] = {
        {"系统(&X)", 0, 1, 1},      {"阳宅(&F)", 13, 188, 0}, {"阴宅(&Y)", 6, 66, 0},
        {"家居(&J)", 12, 143, 2},   {"运用(&Y)", 14, 157, 30}, {"吉日(&D)", 0, 17, 1},
        {"解梦(&M)", 0, 2, 0},      {"占卜(&X)", 0, 7, 7},    {"工具(&Q)", 0, 6, 6},
        {"造命(&P)", 0, 13, 13},    {"服务(&F)", 1, 4, 4},    {"帮助(&H)", 0, 3, 3},
    };
    ASSERT_EQ(tree.size(), 12u);
    int allCommands = 0, allActing = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const Node &top = tree[i];
        EXPECT_STREQ(top.row->caption, expected[i].caption);
        int subs = 0;
        for (const Node &c : top.children)
            subs += c.row->kind == ActionKind::Submenu;
        EXPECT_EQ(subs, expected[i].submenus) << top.row->caption;
        int commands = 0, acting = 0;
        Count(top, commands, acting);
        EXPECT_EQ(commands, expected[i].commands) << top.row->caption;
        EXPECT_EQ(acting, expected[i].acting) << top.row->caption;
        allCommands += commands;
        allActing += acting;
    }
    EXPECT_EQ(allCommands, 607);
    // The 66 commands of the lists, and "风水理气盘[图]" bound to picture article 19.
    EXPECT_EQ(allActing, 67);
}

TEST(CommandTable, CaptionsAlongPaths)
{
    const auto tree = BuildTree();
    // path, index of the item in its menu, expected caption
    struct Case { std::vector<std::string> menu; std::size_t index; const char *caption; };
    const Case cases[] = {
        {{"系统(&X)"}, 0, "退出软件"},
        {{"阳宅(&F)", "住宅风水"}, 0, "住宅风水"},
        {{"阳宅(&F)", "住宅风水"}, 25, "11条原则检验新房是否凶"},
        {{"阳宅(&F)", "建筑风水"}, 10, "企业装修格局风水"},
        {{"阴宅(&Y)", "阴宅设计"}, 0, "墓碑造型的设计"},
        {{"阴宅(&Y)", "祭祀文化"}, 10, "寿衣选择应注意的问题"},
        {{"家居(&J)"}, 12, "家居风水十二招[图]"},
        {{"家居(&J)", "卧室风水"}, 12, "卧室风水位置与格局 "},
        {{"家居(&J)", "卫生间风水"}, 11, "生间风水十二忌"},
        {{"运用(&Y)", "风水常识", "四神兽"}, 3, "北方玄武"},
        {{"运用(&Y)", "风水流派"}, 3, "天星风水 "},
        {{"运用(&Y)", "风水流派", "天星风水 "}, 2, "天星风水学奥仪"},
        {{"运用(&Y)", "风水流派", "杨公风水"}, 3, "风水理气盘[图]"},
        {{"运用(&Y)", "爱情风水"}, 5, "风水秘籍钓 \"金龟婿\" [图]"},
        {{"运用(&Y)", "风水吉凶"}, 9, "七項陽宅应注意事項"},
        {{"吉日(&D)"}, 16, "安葬吉日"},
        {{"解梦(&M)"}, 1, "解梦全书"},
        {{"占卜(&X)"}, 6, "耳鸣测占卜"},
        {{"工具(&Q)"}, 5, "万年历法"},
        {{"造命(&P)"}, 12, "百忍歌"},
        {{"服务(&F)"}, 2, "与QQ对话"},
        {{"帮助(&H)"}, 2, "软件升级"},
    };
    for (const auto &c : cases) {
        const Node *menu = Find(tree, c.menu);
        ASSERT_NE(menu, nullptr) << c.menu.back();
        ASSERT_LT(c.index, menu->children.size()) << c.menu.back();
        EXPECT_STREQ(menu->children[c.index].row->caption, c.caption);
    }
}

TEST(CommandTable, SeparatorsStandWhereTheListsPutThem)
{
    const auto tree = BuildTree();
    std::map<std::string, std::vector<std::string>> expected = {
        {"阳宅(&F)", {"城市风水", "公司风水"}},
        {"家居(&J)", {"家居风水十二招[图]"}},
        {"运用(&Y)", {"风水择日", "爱情风水"}},
        {"吉日(&D)", {"开市吉日"}},
        {"工具(&Q)", {"生男生女"}},
        {"服务(&F)", {"其他产品"}},
        {"帮助(&H)", {"软件升级"}},
    };
    int total = 0;
    for (const CommandRow &row : CommandTable())
        total += row.separatorBefore;
    EXPECT_EQ(total, 9);
    for (const auto &[menu, before] : expected) {
        const Node *m = Find(tree, {menu});
        ASSERT_NE(m, nullptr);
        std::vector<std::string> seen;
        for (const Node &c : m->children)
            if (c.row->separatorBefore)
                seen.push_back(c.row->caption);
        EXPECT_EQ(seen, before) << menu;
    }
}

TEST(CommandTable, ActionsCarryTheirArguments)
{
    std::map<std::string, std::vector<CommandAction>> byCaption;
    for (const CommandRow &row : CommandTable())
        if (row.kind != ActionKind::Submenu && row.kind != ActionKind::None)
            byCaption[row.caption].push_back(ActionOf(row));

    using K = ActionKind;
    const std::vector<std::pair<std::string, CommandAction>> expected = {
        {"退出软件", {K::EndProgram}},
        {"风水常识", {K::Article, "c1"}},
        {"七項陽宅应注意事項", {K::Article, "c9"}},
        {"求职与家居风水", {K::Article, "c7"}},
        {"命自我立", {K::Article, "b1"}},
        {"百忍歌", {K::Article, "b13"}},
        {"家居风水十二招[图]", {K::Picture, "家居风水十二招[图]", 17}},
        {"6大吉利风水家饰[图]", {K::Picture, "6大吉利风水家饰[图]", 21}},
        {"风水理气盘[图]", {K::Picture, "风水理气盘[图]", 19}},
        {"风水秘籍钓 \"金龟婿\" [图]", {K::Picture, "风水秘籍钓 \"金龟婿\" [图]", 5}},
        {"居家风水15件宝添财运 [图]", {K::Picture, "居家风水15件宝添财运 [图]", 16}},
        {"打喷嚏占卜", {K::Omen, "打喷嚏占卜吉凶", 0}},
        {"耳鸣测占卜", {K::Omen, "耳鸣测吉凶", 6}},
        {"黄道吉日", {K::AlmanacWindow}},
        {"手机号码分析", {K::ModalWindow, "TFrm_SJcs"}},
        {"万年历法", {K::ModalWindow, "TFRM_Date"}},
        {"客户服务", {K::CustomerService}},
        {"给我们发邮件", {K::MailLink}},
        {"与QQ对话", {K::ChatLink}},
        {"公司主页", {K::HomePage}},
        {"关于系统", {K::About}},
        {"软件升级", {K::UpgradeNote}},
    };
    for (const auto &[caption, action] : expected) {
        ASSERT_EQ(byCaption.count(caption), 1u) << caption;
        EXPECT_EQ(byCaption[caption].front(), action) << caption;
    }
    // Picture article 8 stands twice with one caption; 16 twice with two captions.
    EXPECT_EQ(byCaption["财神摆放指南 [图]"].size(), 2u);
    EXPECT_EQ(byCaption["居家好风水的15件宝贝 [图]"].front().number, 16);
}

TEST(CommandTable, VisibleCaption)
{
    EXPECT_EQ(VisibleCaption("系统(&X)"), "系统(X)");
    EXPECT_EQ(VisibleCaption("a&&b"), "a&b");
    EXPECT_EQ(VisibleCaption("天星风水 "), "天星风水 ");
}

}  // namespace
}  // namespace orlenvo
