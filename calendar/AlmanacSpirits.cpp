// The spirits of a day and its 宜忌, after the 协纪辨方书: each spirit is placed by the month,
// the season, the day 干支 or the year; the day officer and the spirits then say what the
// day suits and forbids, and the grade rules settle where they disagree.
#include "calendar/AlmanacSpirits.h"

#include "calendar/Almanac.h"
#include "calendar/CalendarLabels.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orlenvo {

namespace {

// clang-format off

// The activity words, in the order the almanac lists them (the glossary words and the usual
// almanac vocabulary). Rules name them in their act lists below.
constexpr const char *kActivities[] = {
    "祭祀", "祈福", "求嗣", "斋醮", "开光", "冠笄", "订盟", "纳采", "嫁娶", "会友",
    "出行", "赴任", "移徙", "入宅", "安床", "解除", "沐浴", "扫舍", "求医", "针灸",
    "修造", "动土", "起基", "上梁", "安门", "拆卸", "破屋", "作灶", "开市", "立卷",
    "交易", "纳财", "开仓", "挂匾", "栽种", "纳畜", "捕捉", "畋猎", "结网", "乘船",
    "平治道涂", "塞穴", "词讼", "入殓", "移柩", "破土", "安葬", "修坟",
};

// What a day of 诸事不宜 (月破, 四废) still allows when its officer or a spirit grants it:
// 破日 宜破屋坏垣, and the small matters of the body and the house.
constexpr const char *kAllowedOnEvilDay = "破屋 拆卸 求医 沐浴 扫舍";

// What a day of 大事勿用 (四离, 四绝) still allows: worship and small matters, no undertaking.
constexpr const char *kSmallMatters =
    "祭祀 解除 沐浴 扫舍 求医 破屋 拆卸 平治道涂 塞穴 捕捉 畋猎 结网";

// The twelve officers (建除十二神) and what each suits and forbids.
struct OfficerRule {
    const char *name;
    const char *suits;
    const char *avoids;
};

constexpr OfficerRule kOfficers[12] = {
    // 建: 宜出行上官 冠带 祈福; 忌兴土功 开仓 安葬
    {"建", "祭祀 祈福 冠笄 会友 出行 赴任",
           "动土 起基 破土 开仓 安葬"},
    // 除: 除旧布新 宜解除 沐浴 扫除 疗病; 忌嫁娶 上官 开市
    {"除", "祭祀 祈福 解除 沐浴 扫舍 求医 针灸",
           "嫁娶 赴任 开市"},
    // 满: 宜开市 交易 纳财 开仓; 忌栽种 上官 服药 安葬
    {"满", "祭祀 祈福 斋醮 开市 交易 纳财 开仓 挂匾",
           "栽种 赴任 求医 针灸 安葬"},
    // 平: 宜平治道涂 修饰垣墙; 忌开渠 栽种
    {"平", "平治道涂 塞穴",
           "栽种 破土"},
    // 定: 宜冠带 婚姻 交易 立券 进人口 安床 修造; 忌诉讼 出行 求医 行船
    {"定", "祭祀 祈福 冠笄 订盟 纳采 嫁娶 会友 入宅 安床 修造 动土 上梁 立卷 交易 纳畜",
           "词讼 出行 求医 针灸 乘船"},
    // 执: 宜捕捉 畋猎; 忌出财 开市 移徙 远行
    {"执", "祭祀 祈福 捕捉 畋猎 结网",
           "开市 纳财 开仓 移徙 入宅 出行"},
    // 破: 宜破屋坏垣 求医疗病, 余事不取
    {"破", "破屋 拆卸 求医",
           "嫁娶 出行 开市 修造 安葬"},
    // 危: 宜安床 祭祀; 忌登高 行船 远行
    {"危", "祭祀 祈福 安床 捕捉 畋猎",
           "出行 乘船"},
    // 成: 百事可成 惟忌词讼
    {"成", "祭祀 祈福 求嗣 斋醮 开光 冠笄 订盟 纳采 嫁娶 会友 出行 赴任 移徙 入宅 安床 "
           "修造 动土 起基 上梁 安门 作灶 开市 立卷 交易 纳财 挂匾 栽种 纳畜 入殓 安葬",
           "词讼"},
    // 收: 宜收敛 纳财 捕捉 栽种; 忌出行 安葬 放债
    {"收", "纳财 捕捉 畋猎 栽种 纳畜",
           "出行 入殓 移柩 破土 安葬"},
    // 开: 宜开创 开市 开光 上官 移徙; 忌安葬 破土
    {"开", "祭祀 祈福 求嗣 斋醮 开光 订盟 纳采 嫁娶 出行 赴任 移徙 入宅 修造 安门 作灶 "
           "开市 立卷 交易 纳财 挂匾 栽种",
           "入殓 移柩 破土 安葬"},
    // 闭: 宜筑堤 塞穴 补垣 安葬; 忌开市 出行 求医 上官
    {"闭", "塞穴 入殓 移柩 破土 安葬 修坟",
           "开市 出行 赴任 求医 针灸 开光 上梁"},
};

// How a spirit weighs when the day's spirits disagree (宜忌等第).
enum class Force {
    Plain,    // an auspicious spirit, or an inauspicious one whose taboos a 德 lifts (遇德不忌)
    Virtue,   // 德神 (天德 月德 and their 合, 天赦, 天愿): lifts the taboos of Plain evil spirits
    Firm,     // inauspicious, its taboos stand even beside a 德 (遇德犹忌)
    Major,    // 大事勿用: only worship and small matters remain
    Evil,     // 诸事不宜
};

// Where a spirit's places come from. The places are slots separated by single blanks; a
// slot lists stems, branches and 干支 (a stem directly followed by a branch), any of which
// marks the day.
enum class Basis {
    Month,       // 12 slots: 正月 (寅) ... 十二月 (丑), the 节 months
    Season,      // 4 slots 春 夏 秋 冬, and optionally a fifth for 土王用事
    Always,      // 1 slot, whatever the month
    YearStem,    // 10 slots: 甲年 ... 癸年
    YearBranch,  // 12 slots: 子年 ... 亥年
    EveOfSolstice,     // 四离, no slots
    EveOfSeasonStart,  // 四绝, no slots
    EarthRuling,       // 土王用事, no slots
};

struct SpiritRule {
    const char *name;   // several names when the spirits share their places
    bool good;
    Force force;
    Basis basis;
    const char *places;
    const char *acts;   // auspicious: what it suits; inauspicious: what it forbids
};

constexpr SpiritRule kSpirits[] = {
    // ---- 吉神 ----
    // 岁德: 阳干之年即本干, 阴干之年取其合干 (甲甲 乙庚 丙丙 丁壬 戊戊 …)
    {"岁德", true, Force::Plain, Basis::YearStem, "甲 庚 丙 壬 戊 甲 庚 丙 壬 戊",
     "祭祀 祈福 修造 动土 起基 上梁"},
    // 岁德合: 岁德所合之干
    {"岁德合", true, Force::Plain, Basis::YearStem, "己 乙 辛 丁 癸 己 乙 辛 丁 癸",
     "祭祀 祈福 修造 动土 起基 上梁"},
    // 天德: 正丁 二坤(申) 三壬 四辛 五乾(亥) 六甲 七癸 八艮(寅) 九丙 十乙 十一巽(巳) 十二庚
    {"天德", true, Force::Virtue, Basis::Month, "丁 申 壬 辛 亥 甲 癸 寅 丙 乙 巳 庚",
     "祭祀 祈福 求嗣 斋醮 冠笄 订盟 纳采 嫁娶 会友 出行 赴任 移徙 入宅 修造 动土 起基 上梁 "
     "开市 立卷 交易 纳财 栽种 纳畜 安葬"},
    // 天德合: 天德所合 (干合与支合)
    {"天德合", true, Force::Virtue, Basis::Month, "壬 巳 丁 丙 寅 己 戊 亥 辛 庚 申 乙",
     "祭祀 祈福 求嗣 斋醮 冠笄 订盟 纳采 嫁娶 会友 出行 赴任 移徙 入宅 修造 动土 起基 上梁 "
     "开市 立卷 交易 纳财 栽种 纳畜 安葬"},
    // 月德: 寅午戌月丙 亥卯未月甲 申子辰月壬 巳酉丑月庚
    {"月德", true, Force::Virtue, Basis::Month, "丙 甲 壬 庚 丙 甲 壬 庚 丙 甲 壬 庚",
     "祭祀 祈福 求嗣 斋醮 冠笄 订盟 纳采 嫁娶 会友 出行 赴任 移徙 入宅 修造 动土 起基 上梁 "
     "开市 立卷 交易 纳财 栽种 纳畜 安葬"},
    // 月德合: 月德所合之干 (丙辛 甲己 壬丁 庚乙)
    {"月德合", true, Force::Virtue, Basis::Month, "辛 己 丁 乙 辛 己 丁 乙 辛 己 丁 乙",
     "祭祀 祈福 求嗣 斋醮 冠笄 订盟 纳采 嫁娶 会友 出行 赴任 移徙 入宅 修造 动土 起基 上梁 "
     "开市 立卷 交易 纳财 栽种 纳畜 安葬"},
    // 天赦: 春戊寅 夏甲午 秋戊申 冬甲子
    {"天赦", true, Force::Virtue, Basis::Season, "戊寅 甲午 戊申 甲子",
     "祭祀 祈福 解除 求嗣 修造 动土 起基 上梁 纳财 栽种"},
    // 天愿: 正乙亥 二甲戌 三乙酉 四丙申 五丁未 六戊午 七己巳 八庚辰 九辛卯 十壬寅 十一癸丑 十二甲子
    {"天愿", true, Force::Virtue, Basis::Month,
     "乙亥 甲戌 乙酉 丙申 丁未 戊午 己巳 庚辰 辛卯 壬寅 癸丑 甲子",
     "祭祀 祈福 订盟 纳采 嫁娶 出行 赴任 移徙 入宅 开市 立卷 交易 纳财"},
    // 月恩: 正丙 二丁 三庚 四己 五戊 六辛 七壬 八癸 九庚 十乙 十一甲 十二辛
    {"月恩", true, Force::Plain, Basis::Month, "丙 丁 庚 己 戊 辛 壬 癸 庚 乙 甲 辛",
     "祭祀 祈福 嫁娶 纳采 移徙 入宅 赴任 修造 动土 纳财"},
    // 四相: 春丙丁 夏戊己 秋壬癸 冬甲乙 (四时所生之干)
    {"四相", true, Force::Plain, Basis::Season, "丙丁 戊己 壬癸 甲乙",
     "修造 动土 起基 上梁 移徙 出行 纳财 栽种"},
    // 时德: 春午 夏辰 秋子 冬寅
    {"时德", true, Force::Plain, Basis::Season, "午 辰 子 寅",
     "祈福 会友"},
    // 天恩: 甲子至戊辰 己卯至癸未 己酉至癸丑
    {"天恩", true, Force::Plain, Basis::Always,
     "甲子乙丑丙寅丁卯戊辰己卯庚辰辛巳壬午癸未己酉庚戌辛亥壬子癸丑",
     "祭祀 祈福 会友 解除"},
    // 王日: 春寅 夏巳 秋申 冬亥
    {"王日", true, Force::Plain, Basis::Season, "寅 巳 申 亥", "赴任"},
    // 官日: 春卯 夏午 秋酉 冬子
    {"官日", true, Force::Plain, Basis::Season, "卯 午 酉 子", "赴任"},
    // 守日: 春酉 夏子 秋卯 冬午
    {"守日", true, Force::Plain, Basis::Season, "酉 子 卯 午", ""},
    // 相日: 春巳 夏申 秋亥 冬寅
    {"相日", true, Force::Plain, Basis::Season, "巳 申 亥 寅", "赴任"},
    // 民日: 春午 夏酉 秋子 冬卯; 宜宴会 结婚姻 纳采 进人口 搬移 开市 立券 交易 纳财 栽种 牧养
    {"民日", true, Force::Plain, Basis::Season, "午 酉 子 卯",
     "会友 纳采 嫁娶 移徙 开市 立卷 交易 纳财 栽种 纳畜"},
    // 月空: 寅午戌月壬 亥卯未月庚 申子辰月丙 巳酉丑月甲 (月德所冲之干)
    {"月空", true, Force::Plain, Basis::Month, "壬 庚 丙 甲 壬 庚 丙 甲 壬 庚 丙 甲", ""},
    // 天马: 正午 二申 三戌 四子 五寅 六辰, 七月复起午
    {"天马", true, Force::Plain, Basis::Month, "午 申 戌 子 寅 辰 午 申 戌 子 寅 辰",
     "出行 赴任 移徙"},
    // 驿马: 寅午戌月申 亥卯未月巳 申子辰月寅 巳酉丑月亥 (三合之冲)
    {"驿马", true, Force::Plain, Basis::Month, "申 巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥",
     "出行 赴任 移徙"},
    // 三合: 日支与月建三合
    {"三合", true, Force::Plain, Basis::Month,
     "午戌 未亥 申子 酉丑 戌寅 亥卯 子辰 丑巳 寅午 卯未 辰申 巳酉",
     "订盟 纳采 嫁娶 会友 移徙 入宅 修造 动土 起基 上梁 开市 立卷 交易"},
    // 六合: 日支与月建六合 (子丑 寅亥 卯戌 辰酉 巳申 午未)
    {"六合", true, Force::Plain, Basis::Month, "亥 戌 酉 申 未 午 巳 辰 卯 寅 丑 子",
     "订盟 纳采 嫁娶 会友 开市 立卷 交易"},
    // 五合: 寅卯日 (甲寅乙卯日月合 丙寅丁卯阴阳合 戊寅己卯人民合 庚寅辛卯金石合 壬寅癸卯江河合)
    {"五合", true, Force::Plain, Basis::Always, "寅卯",
     "会友 订盟 纳采 嫁娶 立卷 交易"},
    // 临日: 正午 二亥 三申 四丑 五戌 六卯 七子 八巳 九寅 十未 十一辰 十二酉
    {"临日", true, Force::Plain, Basis::Month, "午 亥 申 丑 戌 卯 子 巳 寅 未 辰 酉", "赴任"},
    // 母仓: 春亥子 夏寅卯 秋辰戌丑未 冬申酉, 土王用事后巳午 (生四时之支)
    {"母仓", true, Force::Plain, Basis::Season, "亥子 寅卯 辰戌丑未 申酉 巳午",
     "栽种 纳畜"},
    // 五富: 正亥 二寅 三巳 四申, 周而复始
    {"五富", true, Force::Plain, Basis::Month, "亥 寅 巳 申 亥 寅 巳 申 亥 寅 巳 申",
     "开市 交易 纳财 开仓 栽种 纳畜"},
    // 阴德: 正酉 二未 三巳 四卯 五丑 六亥, 七月复起酉
    {"阴德", true, Force::Plain, Basis::Month, "酉 未 巳 卯 丑 亥 酉 未 巳 卯 丑 亥", ""},
    // 阳德: 正戌 二子 三寅 四辰 五午 六申, 七月复起戌
    {"阳德", true, Force::Plain, Basis::Month, "戌 子 寅 辰 午 申 戌 子 寅 辰 午 申", ""},
    // 解神: 正二申 三四戌 五六子 七八寅 九十辰 十一十二午
    {"解神", true, Force::Plain, Basis::Month, "申 申 戌 戌 子 子 寅 寅 辰 辰 午 午",
     "祭祀 祈福 解除 沐浴 扫舍"},
    // 除神: 申酉日
    {"除神", true, Force::Plain, Basis::Always, "申酉", "解除 沐浴 扫舍"},
    // 敬安: 正未 二丑 三申 四寅, 奇月顺行 偶月对冲
    {"敬安", true, Force::Plain, Basis::Month, "未 丑 申 寅 酉 卯 戌 辰 亥 巳 子 午", "会友"},
    // 普护: 正申 二寅 三酉 四卯 …
    {"普护", true, Force::Plain, Basis::Month, "申 寅 酉 卯 戌 辰 亥 巳 子 午 丑 未",
     "祭祀 祈福 求医"},
    // 福生: 正酉 二卯 三戌 四辰 …
    {"福生", true, Force::Plain, Basis::Month, "酉 卯 戌 辰 亥 巳 子 午 丑 未 寅 申",
     "祭祀 祈福"},
    // 圣心: 正亥 二巳 三子 四午 …
    {"圣心", true, Force::Plain, Basis::Month, "亥 巳 子 午 丑 未 寅 申 卯 酉 辰 戌",
     "祭祀 祈福"},
    // 益后: 正子 二午 三丑 四未 …
    {"益后", true, Force::Plain, Basis::Month, "子 午 丑 未 寅 申 卯 酉 辰 戌 巳 亥",
     "求嗣 纳采 嫁娶"},
    // 续世: 正丑 二未 三寅 四申 …
    {"续世", true, Force::Plain, Basis::Month, "丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子",
     "祭祀 求嗣 纳采 嫁娶"},
    // 要安: 正寅 二申 三卯 四酉 …
    {"要安", true, Force::Plain, Basis::Month, "寅 申 卯 酉 辰 戌 巳 亥 午 子 未 丑", "安床"},
    // 玉宇: 正卯 二酉 三辰 四戌 …
    {"玉宇", true, Force::Plain, Basis::Month, "卯 酉 辰 戌 巳 亥 午 子 未 丑 申 寅", "修造"},
    // 金堂: 正辰 二戌 三巳 四亥 …
    {"金堂", true, Force::Plain, Basis::Month, "辰 戌 巳 亥 午 子 未 丑 申 寅 酉 卯",
     "修造 上梁 入宅"},

    // ---- 凶神 ----
    // 岁破: 太岁所冲之日
    {"岁破", false, Force::Firm, Basis::YearBranch, "午 未 申 酉 戌 亥 子 丑 寅 卯 辰 巳",
     "嫁娶 移徙 入宅 修造 动土 起基 破土 安葬"},
    // 月破 大耗: 月建所冲之日, 诸事不宜
    {"月破 大耗", false, Force::Evil, Basis::Month, "申 酉 戌 亥 子 丑 寅 卯 辰 巳 午 未", ""},
    // 月建 小时: 月建之日, 忌兴土功
    {"月建 小时", false, Force::Firm, Basis::Month, "寅 卯 辰 巳 午 未 申 酉 戌 亥 子 丑",
     "动土 起基 破土"},
    // 月厌: 正戌 逆行十二辰; 忌嫁娶 远行 归家 移徙
    {"月厌", false, Force::Firm, Basis::Month, "戌 酉 申 未 午 巳 辰 卯 寅 丑 子 亥",
     "纳采 嫁娶 出行 赴任 移徙 入宅"},
    // 厌对: 月厌所冲; 忌嫁娶
    {"厌对", false, Force::Firm, Basis::Month, "辰 卯 寅 丑 子 亥 戌 酉 申 未 午 巳",
     "纳采 嫁娶"},
    // 天罡: 正巳 二子 三未 四寅, 每月进七辰
    {"天罡", false, Force::Plain, Basis::Month, "巳 子 未 寅 酉 辰 亥 午 丑 申 卯 戌",
     "嫁娶 出行 移徙 入宅 修造 动土 开市 安葬"},
    // 河魁: 天罡所冲
    {"河魁", false, Force::Plain, Basis::Month, "亥 午 丑 申 卯 戌 巳 子 未 寅 酉 辰",
     "嫁娶 出行 移徙 入宅 修造 动土 开市 安葬"},
    // 劫煞: 寅午戌月亥 亥卯未月申 申子辰月巳 巳酉丑月寅 (三合之绝)
    {"劫煞", false, Force::Plain, Basis::Month, "亥 申 巳 寅 亥 申 巳 寅 亥 申 巳 寅",
     "嫁娶 出行 赴任 修造 动土 纳财 开仓"},
    // 灾煞: 寅午戌月子 亥卯未月酉 申子辰月午 巳酉丑月卯 (三合之胎, 劫煞之次)
    {"灾煞", false, Force::Plain, Basis::Month, "子 酉 午 卯 子 酉 午 卯 子 酉 午 卯",
     "嫁娶 出行 求医 修造 动土"},
    // 月煞: 寅午戌月丑 亥卯未月戌 申子辰月未 巳酉丑月辰 (三合之养)
    {"月煞", false, Force::Plain, Basis::Month, "丑 戌 未 辰 丑 戌 未 辰 丑 戌 未 辰",
     "嫁娶 修造 动土 纳财 开仓 栽种 纳畜"},
    // 月刑: 月建所刑 (寅刑巳 卯刑子 辰自刑 巳刑申 午自刑 未刑丑 申刑寅 酉自刑 戌刑未 亥自刑 子刑卯 丑刑戌)
    {"月刑", false, Force::Plain, Basis::Month, "巳 子 辰 申 午 丑 寅 酉 未 亥 卯 戌",
     "嫁娶 赴任 修造 词讼"},
    // 月害: 月建所害 (寅巳 卯辰 子未 丑午 申亥 酉戌)
    {"月害", false, Force::Plain, Basis::Month, "巳 辰 卯 寅 丑 子 亥 戌 酉 申 未 午",
     "求医 针灸 纳畜 词讼"},
    // 四废: 春庚申辛酉 夏壬子癸亥 秋甲寅乙卯 冬丙午丁巳, 诸事不宜
    {"四废", false, Force::Evil, Basis::Season, "庚申辛酉 壬子癸亥 甲寅乙卯 丙午丁巳", ""},
    // 四忌: 春甲子 夏丙子 秋庚子 冬壬子
    {"四忌", false, Force::Firm, Basis::Season, "甲子 丙子 庚子 壬子", "嫁娶 安葬"},
    // 四穷: 春乙亥 夏丁亥 秋辛亥 冬癸亥
    {"四穷", false, Force::Firm, Basis::Season, "乙亥 丁亥 辛亥 癸亥", "嫁娶 纳财 开仓 安葬"},
    // 四耗: 春壬子 夏乙卯 秋戊午 冬辛酉
    {"四耗", false, Force::Plain, Basis::Season, "壬子 乙卯 戊午 辛酉", "开市 交易 纳财 开仓"},
    // 四击: 春戌 夏丑 秋辰 冬未
    {"四击", false, Force::Plain, Basis::Season, "戌 丑 辰 未", "出行"},
    // 五虚: 春巳酉丑 夏申子辰 秋亥卯未 冬寅午戌
    {"五虚", false, Force::Plain, Basis::Season, "巳酉丑 申子辰 亥卯未 寅午戌", "纳财 开仓"},
    // 五墓: 春乙未 夏丙戌 秋辛丑 冬壬辰, 土王用事戊辰
    {"五墓", false, Force::Firm, Basis::Season, "乙未 丙戌 辛丑 壬辰 戊辰",
     "修造 动土 起基 破土 安葬"},
    // 往亡: 正寅 二巳 三申 四亥 五卯 六午 七酉 八子 九辰 十未 十一戌 十二丑
    {"往亡", false, Force::Firm, Basis::Month, "寅 巳 申 亥 卯 午 酉 子 辰 未 戌 丑",
     "嫁娶 出行 赴任 移徙 入宅 求医 捕捉 畋猎"},
    // 归忌: 孟月丑 仲月寅 季月子; 忌远回 移徙 入宅 娶妇
    {"归忌", false, Force::Firm, Basis::Month, "丑 寅 子 丑 寅 子 丑 寅 子 丑 寅 子",
     "嫁娶 出行 移徙 入宅"},
    // 天贼: 正辰 二酉 三寅 四未 五子 六巳 七戌 八卯 九申 十丑 十一午 十二亥
    {"天贼", false, Force::Plain, Basis::Month, "辰 酉 寅 未 子 巳 戌 卯 申 丑 午 亥",
     "出行 纳财 开仓"},
    // 天火: 正子 二卯 三午 四酉, 周而复始; 忌修造 苫盖
    {"天火", false, Force::Firm, Basis::Month, "子 卯 午 酉 子 卯 午 酉 子 卯 午 酉",
     "修造 上梁 作灶"},
    // 大时 大败 咸池: 寅午戌月卯 亥卯未月子 申子辰月酉 巳酉丑月午 (三合之沐浴)
    {"大时 大败 咸池", false, Force::Plain, Basis::Month,
     "卯 子 酉 午 卯 子 酉 午 卯 子 酉 午",
     "嫁娶 出行 赴任 移徙 结网 乘船"},
    // 游祸: 正巳 二寅 三亥 四申, 周而复始; 忌祈福 服药
    {"游祸", false, Force::Plain, Basis::Month, "巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥 申",
     "祈福 斋醮 求医 针灸"},
    // 九空: 正辰 二丑 三戌 四未, 周而复始; 忌出财 开仓 进人口
    {"九空", false, Force::Plain, Basis::Month, "辰 丑 戌 未 辰 丑 戌 未 辰 丑 戌 未",
     "开市 交易 纳财 开仓"},
    // 九坎 九焦: 正辰 二丑 三戌 四未 五卯 六子 七酉 八午 九寅 十亥 十一申 十二巳
    {"九坎 九焦", false, Force::Firm, Basis::Month, "辰 丑 戌 未 卯 子 酉 午 寅 亥 申 巳",
     "栽种 结网 乘船 塞穴"},
    // 血支: 正丑 二寅 三卯, 顺行十二辰
    {"血支", false, Force::Firm, Basis::Month, "丑 寅 卯 辰 巳 午 未 申 酉 戌 亥 子", "针灸"},
    // 血忌: 正丑 二未 三寅 四申 五卯 六酉 七辰 八戌 九巳 十亥 十一午 十二子
    {"血忌", false, Force::Firm, Basis::Month, "丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子", "针灸"},
    // 重丧: 正甲 二乙 三己 四丙 五丁 六己 七庚 八辛 九己 十壬 十一癸 十二己
    {"重丧", false, Force::Firm, Basis::Month, "甲 乙 己 丙 丁 己 庚 辛 己 壬 癸 己",
     "入殓 移柩 破土 安葬"},
    // 复日: 正七甲庚 二八乙辛 四十丙壬 五十一丁癸 三六九十二戊己
    {"复日", false, Force::Firm, Basis::Month,
     "甲庚 乙辛 戊己 丙壬 丁癸 戊己 甲庚 乙辛 戊己 丙壬 丁癸 戊己",
     "入殓 移柩 破土 安葬"},
    // 重日: 巳亥日
    {"重日", false, Force::Firm, Basis::Always, "巳亥", "入殓 移柩 破土 安葬"},
    // 八专: 甲寅 乙卯 丁未 戊戌 己未 庚申 辛酉 癸丑; 忌嫁娶
    {"八专", false, Force::Firm, Basis::Always, "甲寅乙卯丁未戊戌己未庚申辛酉癸丑",
     "纳采 嫁娶"},
    // 触水龙: 丙子 癸未 癸丑; 忌乘船渡水
    {"触水龙", false, Force::Firm, Basis::Always, "丙子癸未癸丑", "乘船"},
    // 阳错: 正甲寅 二乙卯 三甲辰 四丁巳 五丙午 六丁未 七庚申 八辛酉 九庚戌 十癸亥 十一壬子 十二癸丑
    {"阳错", false, Force::Firm, Basis::Month,
     "甲寅 乙卯 甲辰 丁巳 丙午 丁未 庚申 辛酉 庚戌 癸亥 壬子 癸丑", "纳采 嫁娶"},
    // 阴错: 正庚戌 二辛酉 三庚申 四丁未 五丙午 六丁巳 七甲辰 八乙卯 九甲寅 十癸丑 十一壬子 十二癸亥
    {"阴错", false, Force::Firm, Basis::Month,
     "庚戌 辛酉 庚申 丁未 丙午 丁巳 甲辰 乙卯 甲寅 癸丑 壬子 癸亥", "纳采 嫁娶"},
    // 四离: 春分 夏至 秋分 冬至之前一日, 大事勿用
    {"四离", false, Force::Major, Basis::EveOfSolstice, "",
     "嫁娶 出行 赴任 移徙 入宅 修造 动土 开市 安葬"},
    // 四绝: 立春 立夏 立秋 立冬之前一日, 大事勿用
    {"四绝", false, Force::Major, Basis::EveOfSeasonStart, "",
     "嫁娶 出行 赴任 移徙 入宅 修造 动土 开市 安葬"},
    // 土王用事: 四立之前十八日, 忌动土 破土 修造
    {"土王用事", false, Force::Firm, Basis::EarthRuling, "",
     "修造 动土 起基 破土 安葬 修坟"},
};

// 黄道十二神: 青龙 falls on 子 in the 寅 and 申 months, on 寅 in 卯 and 酉 … on 戌 in 丑 and 未
// (子午临申位 丑未戌上寻 寅申居子位 卯酉却居寅 辰戌龙在辰 巳亥午中寻); the others follow in
// order. 天德黄道 is written 宝光, so that it is not read as the month's 天德.
struct DayGod {
    const char *name;
    bool good;
};
constexpr DayGod kDayGods[12] = {
    {"青龙", true},  {"明堂", true},  {"天刑", false}, {"朱雀", false},
    {"金匮", true},  {"宝光", true},  {"白虎", false}, {"玉堂", true},
    {"天牢", false}, {"玄武", false}, {"司命", true},  {"勾陈", false},
};

// clang-format on

constexpr int kActivityCount = static_cast<int>(std::size(kActivities));
static_assert(kActivityCount <= 64);

using ActMask = std::uint64_t;

const char *const kStems[10] = {"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
const char *const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳",
                                   "午", "未", "申", "酉", "戌", "亥"};

std::vector<std::string_view> SplitBlanks(std::string_view text)
{
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find(' ', pos), text.size());
        if (end > pos)
            out.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return out;
}

ActMask ParseActs(std::string_view text, const char *owner)
{
    ActMask mask = 0;
    for (std::string_view word : SplitBlanks(text)) {
        int found = -1;
        for (int i = 0; i < kActivityCount; ++i)
            if (word == kActivities[i])
                found = i;
        if (found < 0)
            throw std::logic_error(std::string("unknown activity '") + std::string(word) +
                                   "' in the rule of " + owner);
        mask |= ActMask{1} << found;
    }
    return mask;
}

// The stems, branches and 干支 that mark a day.
struct Place {
    std::uint16_t stems = 0;
    std::uint16_t branches = 0;
    std::uint64_t cycles = 0;

    bool Has(int cycle) const
    {
        return ((stems >> StemOfCycle(cycle)) & 1U) != 0 ||
               ((branches >> BranchOfCycle(cycle)) & 1U) != 0 || ((cycles >> cycle) & 1U) != 0;
    }
};

int IndexOfCharacter(std::string_view text, std::size_t pos, const char *const *names, int count)
{
    for (int i = 0; i < count; ++i)
        if (text.compare(pos, std::strlen(names[i]), names[i]) == 0)
            return i;
    return -1;
}

// A slot: stems, branches and stem+branch pairs written one after another.
Place ParsePlace(std::string_view slot, const char *owner)
{
    Place place;
    constexpr std::size_t kChar = 3;  // every stem and branch is one 3-byte UTF-8 character
    std::size_t pos = 0;
    while (pos < slot.size()) {
        const int stem = IndexOfCharacter(slot, pos, kStems, 10);
        const int branch = stem < 0 ? IndexOfCharacter(slot, pos, kBranches, 12) : -1;
        if (stem < 0 && branch < 0)
            throw std::logic_error(std::string("bad place '") + std::string(slot) +
                                   "' in the rule of " + owner);
        pos += kChar;
        if (branch >= 0) {
            place.branches |= static_cast<std::uint16_t>(1U << branch);
            continue;
        }
        const int next = pos < slot.size() ? IndexOfCharacter(slot, pos, kBranches, 12) : -1;
        if (next < 0) {
            place.stems |= static_cast<std::uint16_t>(1U << stem);
            continue;
        }
        const int cycle = CycleOf(stem, next);
        if (cycle < 0)
            throw std::logic_error(std::string("no such 干支 in the rule of ") + owner);
        place.cycles |= std::uint64_t{1} << cycle;
        pos += kChar;
    }
    return place;
}

std::size_t SlotCount(Basis basis)
{
    switch (basis) {
    case Basis::Month: return 12;
    case Basis::Season: return 4;
    case Basis::Always: return 1;
    case Basis::YearStem: return 10;
    case Basis::YearBranch: return 12;
    default: return 0;
    }
}

struct CompiledSpirit {
    const SpiritRule *rule = nullptr;
    std::vector<Place> places;
    ActMask acts = 0;
};

struct CompiledOfficer {
    ActMask suits = 0;
    ActMask avoids = 0;
};

struct CompiledRules {
    std::vector<CompiledSpirit> spirits;
    std::array<CompiledOfficer, 12> officers{};
    ActMask allowedOnEvilDay = 0;
    ActMask smallMatters = 0;
};

CompiledRules Compile()
{
    CompiledRules out;
    for (const SpiritRule &rule : kSpirits) {
        CompiledSpirit spirit;
        spirit.rule = &rule;
        spirit.acts = ParseActs(rule.acts, rule.name);
        for (std::string_view slot : SplitBlanks(rule.places))
            spirit.places.push_back(ParsePlace(slot, rule.name));
        const std::size_t want = SlotCount(rule.basis);
        const bool earthSlot = rule.basis == Basis::Season && spirit.places.size() == want + 1;
        if (spirit.places.size() != want && !earthSlot)
            throw std::logic_error(std::string("wrong number of places in the rule of ") +
                                   rule.name);
        out.spirits.push_back(std::move(spirit));
    }
    for (int i = 0; i < 12; ++i) {
        out.officers[i].suits = ParseActs(kOfficers[i].suits, kOfficers[i].name);
        out.officers[i].avoids = ParseActs(kOfficers[i].avoids, kOfficers[i].name);
    }
    out.allowedOnEvilDay = ParseActs(kAllowedOnEvilDay, "诸事不宜");
    out.smallMatters = ParseActs(kSmallMatters, "大事勿用");
    return out;
}

const CompiledRules &Rules()
{
    static const CompiledRules rules = Compile();
    return rules;
}

bool Applies(const CompiledSpirit &spirit, const SpiritDay &day, int monthIndex)
{
    const int season = monthIndex / 3;
    const std::vector<Place> &places = spirit.places;
    switch (spirit.rule->basis) {
    case Basis::Month: return places[monthIndex].Has(day.dayCycle);
    case Basis::Season:
        if (day.earthRuling && places.size() == 5)
            return places[4].Has(day.dayCycle);
        return places[season].Has(day.dayCycle);
    case Basis::Always: return places[0].Has(day.dayCycle);
    case Basis::YearStem: return places[StemOfCycle(day.yearCycle)].Has(day.dayCycle);
    case Basis::YearBranch: return places[BranchOfCycle(day.yearCycle)].Has(day.dayCycle);
    case Basis::EveOfSolstice: return day.eveOfSolstice;
    case Basis::EveOfSeasonStart: return day.eveOfSeasonStart;
    case Basis::EarthRuling: return day.earthRuling;
    }
    return false;
}

void AppendActs(std::vector<const char *> &out, ActMask mask)
{
    for (int i = 0; i < kActivityCount; ++i)
        if ((mask >> i) & 1U)
            out.push_back(kActivities[i]);
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double Normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// Julian day (UT) of the end of a date in Beijing time (UTC+8): the midnight that starts the
// next day. Day 0 of CalendarDate (30 December 1899) begins at JD 2415018.5 UT.
double JulianDayAtEndOf(CalendarDate date)
{
    return std::floor(date) + 1.0 + 2415018.5 - 8.0 / 24.0;
}

}  // namespace

const std::vector<const char *> &AlmanacActivities()
{
    static const std::vector<const char *> list(std::begin(kActivities), std::end(kActivities));
    return list;
}

SpiritVerdict JudgeDay(const SpiritDay &day)
{
    const CompiledRules &rules = Rules();
    const int monthIndex = (day.monthBranch + 10) % 12;  // 0 = 寅 (正月)
    const int dayBranch = BranchOfCycle(day.dayCycle);
    const CompiledOfficer &officer = rules.officers[OfficerOf(day.monthBranch, dayBranch)];

    SpiritVerdict verdict;
    // The officer's own taboos are the nature of the day: no 德 lifts them.
    ActMask granted = officer.suits;
    ActMask firm = officer.avoids;
    ActMask yielding = 0;
    bool virtue = false;
    bool evil = false;
    bool major = false;
    for (const CompiledSpirit &spirit : rules.spirits) {
        if (!Applies(spirit, day, monthIndex))
            continue;
        const SpiritRule &rule = *spirit.rule;
        (rule.good ? verdict.good : verdict.bad).push_back(rule.name);
        if (rule.good) {
            granted |= spirit.acts;
            virtue = virtue || rule.force == Force::Virtue;
            continue;
        }
        switch (rule.force) {
        case Force::Plain: yielding |= spirit.acts; break;
        case Force::Evil: evil = true; break;
        case Force::Major: major = true; firm |= spirit.acts; break;
        default: firm |= spirit.acts; break;
        }
    }
    const DayGod &god = kDayGods[(dayBranch - 2 * monthIndex + 24) % 12];
    (god.good ? verdict.good : verdict.bad).push_back(god.name);

    // 宜忌等第: a 德 lifts the taboos of the lesser evil spirits; a day of
    // 诸事不宜 keeps only what its officer or spirits grant of the smallest matters, a day of
    // 大事勿用 only worship and small matters.
    const ActMask forbidden = firm | (virtue ? 0 : yielding);
    ActMask suits = granted & ~forbidden;
    if (evil)
        suits &= rules.allowedOnEvilDay;
    else if (major)
        suits &= rules.smallMatters;
    AppendActs(verdict.suits, suits);
    if (verdict.suits.empty())
        verdict.suits.push_back("诸事不宜");
    else if (evil || major)
        verdict.suits.push_back("余事勿取");

    if (evil)
        verdict.avoids.push_back("诸事不宜");
    else
        AppendActs(verdict.avoids, forbidden);
    if (verdict.avoids.empty())
        verdict.avoids.push_back("诸事不忌");
    return verdict;
}

double SolarLongitude(double julianDay)
{
    // Meeus ch. 25, low accuracy: geometric mean longitude, mean anomaly, equation of the
    // centre, then nutation and aberration for the apparent longitude. ΔT is neglected
    // (under two minutes within 1901-2050).
    const double t = (julianDay - 2451545.0) / 36525.0;
    const double l0 = 280.46646 + 36000.76983 * t + 0.0003032 * t * t;
    const double m = Radians(357.52911 + 35999.05029 * t - 0.0001537 * t * t);
    const double c = (1.914602 - 0.004817 * t - 0.000014 * t * t) * std::sin(m) +
                     (0.019993 - 0.000101 * t) * std::sin(2 * m) + 0.000289 * std::sin(3 * m);
    const double omega = Radians(125.04 - 1934.136 * t);
    return Normalised(l0 + c - 0.00569 - 0.00478 * std::sin(omega));
}

bool IsEarthRulingDay(CalendarDate date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    if (year < kFirstTableYear || year > kLastTableYear)
        return false;
    // Months that hold a 立 term: the period runs up to its eve.
    if (month % 3 == 2)
        return day < SolarTermDay(year, month, 0);
    // The month before: the period starts on the day the sun reaches 18° short of the 立.
    if (month % 3 == 1) {
        const double start = Normalised(297.0 + 90.0 * (month / 3));  // 297 27 117 207
        const double reached = Normalised(SolarLongitude(JulianDayAtEndOf(date)) - start);
        return reached < 90.0;  // at or past the start, well short of the next quarter
    }
    return false;
}

}  // namespace orlenvo
