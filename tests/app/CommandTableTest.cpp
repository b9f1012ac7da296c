// The menu table against its fixed lists: counts, captions along paths, separators,
// trailing blanks and the acting commands.
#include "app/CommandTable.h"
#include "tests/support/Rows.h"

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
    struct Expect {
        const char *caption;
        int submenus;
        int commands;
        int acting;
    };
    // Counts per top-level menu.
    const Expect expected[] = {
        {"系统(&X)", 0, 1, 1},     {"阳宅(&F)", 13, 188, 0}, {"阴宅(&Y)", 6, 66, 0}, {"家居(&J)", 12, 143, 2},
        {"运用(&Y)", 14, 157, 30}, {"吉日(&D)", 0, 17, 1},   {"解梦(&M)", 0, 2, 0},  {"占卜(&X)", 0, 7, 7},
        {"工具(&Q)", 0, 6, 6},     {"造命(&P)", 0, 13, 13},  {"服务(&F)", 1, 4, 4},  {"帮助(&H)", 0, 3, 3},
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
    struct Case {
        std::vector<std::string> menu;
        std::size_t index;
        const char *caption;
    };
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
    using K = ActionKind;
    using Expected = std::pair<std::string, CommandAction>;
    auto pic = [](const char *caption, int n) { return Expected{caption, {K::PictureArticle, caption, n}}; };
    auto art = [](const char *caption, const char *id) { return Expected{caption, {K::Article, id}}; };
    // The 66 acting commands of the lists in menu order, and "风水理气盘[图]", which carries
    // picture article 19 like the other picture commands carry theirs. Picture article 8 stands
    // twice with one caption, 16 twice with two captions.
    const std::vector<Expected> expected = {
        {"退出软件", {K::EndProgram}},
        pic("家居风水十二招[图]", 17),
        pic("6大吉利风水家饰[图]", 21),
        art("风水常识", "c1"),
        art("选房风水", "c2"),
        pic("风水理气盘[图]", 19),
        pic("财神摆放指南 [图]", 8),
        pic("家居风水开运方法 [图]", 7),
        pic("居家好风水的15件宝贝 [图]", 16),
        pic("除夕家居风水摆设与新年运 [图]", 13),
        pic("家居装饰吉祥物的悬挂方法 [图]", 15),
        pic("客厅招财布局 [图]", 11),
        pic("如何选择吉祥物增财旺运[图]", 18),
        pic("居家风水15件宝添财运 [图]", 16),
        pic("家中放置哪些吉祥物能招财 [图]", 20),
        pic("财神摆放指南 [图]", 8),
        art("家居风水注意几个方位", "c3"),
        pic("随意改房对风水影响 [图]", 9),
        pic("装修颜色与风水吉凶 [图]", 10),
        art("六大贫贱家居风水", "c4"),
        pic("九种最常见风水煞气及解救方法 [图]", 12),
        pic("6种类型的住宅学会驱邪避凶 [图]", 14),
        art("改变运势的装修技巧", "c5"),
        art("通用12种风水方式", "c6"),
        art("鼠年家居风水新讲究", "c8"),
        art("七項陽宅应注意事項", "c9"),
        pic("旺夫家居风水设计 [图]", 1),
        pic("家居风水与姻缘 [图]", 2),
        pic("桃花盛开制胜秘笈 [图]", 3),
        pic("家居风水与桃花运 [图]", 4),
        pic("风水秘籍钓 \"金龟婿\" [图]", 5),
        pic("十二星座卧室桃花运大揭密 [图]", 6),
        art("求职与家居风水", "c7"),
        {"黄道吉日", {K::AlmanacWindow}},
        {"打喷嚏占卜", {K::Omen, "打喷嚏占卜吉凶", 0}},
        {"面热测占卜", {K::Omen, "面热测吉凶", 1}},
        {"心惊测占卜", {K::Omen, "心惊测吉凶", 2}},
        {"犬吠测占卜", {K::Omen, "犬吠测吉凶", 3}},
        {"眼跳测占卜", {K::Omen, "眼跳测吉凶", 4}},
        {"耳热测占卜", {K::Omen, "耳热测吉凶", 5}},
        {"耳鸣测占卜", {K::Omen, "耳鸣测吉凶", 6}},
        {"手机号码分析", {K::ModalWindow, "TFrm_SJcs"}},
        {"QQ号码分析", {K::ModalWindow, "TFrmQQhm"}},
        {"更多数字分析", {K::ModalWindow, "TFrm_onther"}},
        {"网名分析", {K::ModalWindow, "TFrmWangming"}},
        {"生男生女", {K::ModalWindow, "TFrm_NanNv"}},
        {"万年历法", {K::ModalWindow, "TFRM_Date"}},
        art("命自我立", "b1"),
        art("三世因果经", "b2"),
        art("心命歌", "b3"),
        art("太上感应篇", "b4"),
        art("孝经", "b5"),
        art("孝悌歌", "b6"),
        art("孝顺歌", "b7"),
        art("亲恩歌", "b8"),
        art("孝道良心歌", "b9"),
        art("闺训千字文", "b10"),
        art("孔子与小儿论", "b11"),
        art("朱子治家格言", "b12"),
        art("百忍歌", "b13"),
        {"客户服务", {K::CustomerService}},
        {"给我们发邮件", {K::MailLink}},
        {"与QQ对话", {K::ChatLink}},
        {"Orlenvo 起名宝典", {K::ProductPage}},
        {"公司主页", {K::HomePage}},
        {"关于系统", {K::About}},
        {"软件升级", {K::UpgradeNote}},
    };
    std::vector<Expected> acting;
    for (const CommandRow &row : CommandTable())
        if (row.kind != ActionKind::Submenu && row.kind != ActionKind::None)
            acting.emplace_back(row.caption, ActionOf(row));
    ASSERT_EQ(acting.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(acting[i].first, expected[i].first);
        EXPECT_EQ(acting[i].second, expected[i].second) << expected[i].first;
    }
}

TEST(CommandTable, VisibleCaption)
{
    testing::ExpectEach<std::string, std::string>(
        VisibleCaption, {{"系统(&X)", "系统(X)"}, {"a&&b", "a&b"}, {"天星风水 ", "天星风水 "}});
}

}  // namespace
}  // namespace orlenvo
