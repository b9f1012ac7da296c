// The banner store, BannerField, the start-up fetch sequence and the rotation step.
#include "banner/BannerCore.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <stdexcept>
#include <vector>

namespace orlenvo {
namespace {

TEST(BannerStore, CountsLinesWithoutAFinalEmptyLine)
{
    struct Case {
        const char *text;
        int lines;
    };
    // clang-format off
    const Case cases[] = {
        {"", 0},
        {"\r\n", 1},
        {"a", 1},
        {"a\r\n", 1},
        {"a\r\nb", 2},
        {"a\r\nb\r\n", 2},
        {"a\r\n\r\n", 2},
        {"a\nb\rc\r\n", 3},      // LF and CR alone also end a line
        {"a\r\r\nb", 3},         // CR, then CR LF: an empty line between
        {"   ", 1},
    };
    // clang-format on
    for (const Case &c : cases)
        EXPECT_EQ(BannerStore(c.text).LineCount(), c.lines) << '"' << c.text << '"';

    const BannerStore store("x\r\n\r\ny");
    EXPECT_EQ(store.Line(0), "x");
    EXPECT_EQ(store.Line(1), "");
    EXPECT_EQ(store.Line(2), "y");
    EXPECT_EQ(store.Line(3), "");
    EXPECT_EQ(store.Line(-1), "");
}

TEST(BannerField, SplitsAwkwardLines)
{
    struct Case {
        const char *line;
        const char *f0;
        const char *f1;
        const char *f2;
    };
    // clang-format off
    const Case cases[] = {
        {"1>5>http://a.test/p",             "1",  "5",  "http://a.test/p"},
        {"1>10>http://a.test/p?x=1>2&y>3",  "1",  "10", "http://a.test/p?x=1>2&y>3"},
        {"no marks at all",                 "",   "",   "no marks at all"},
        {"1>5",                             "1",  "",   "5"},
        {">>",                              "",   "",   ""},
        {">>>>",                            "",   "",   ">>"},
        {"  \t1>5>  addr \t ",              "1",  "5",  "addr"},
        {"\x01\x1f" "1>5>addr\x7f",         "1",  "5",  "addr\x7f"},
        {" 1 > 5 > addr ",                  "1 ", " 5 ", "addr"},
        {"",                                "",   "",   ""},
        {"0>3>x",                           "0",  "3",  "x"},
        {"1>>x",                            "1",  "",   "x"},
    };
    // clang-format on
    for (const Case &c : cases) {
        EXPECT_EQ(BannerLineField(c.line, 0), c.f0) << c.line;
        EXPECT_EQ(BannerLineField(c.line, 1), c.f1) << c.line;
        EXPECT_EQ(BannerLineField(c.line, 2), c.f2) << c.line;
    }
    const BannerStore store("0>1>a\r\n1>2>b>c\r\n");
    EXPECT_EQ(BannerField(store, 1, 2), "b>c");
    EXPECT_EQ(BannerField(store, 5, 0), "");
}

TEST(BannerStartup, FlagDocumentCases)
{
    struct Case {
        const char *flag;
        int bannerSwitch;
    };
    // clang-format off
    const Case cases[] = {
        {"10", 0}, {"01", 1}, {"19", 9}, {"1", 0}, {"a1", 0}, {"1a", 0}, {"", 0}, {"1-", 0}, {"07 rest", 7},
    };
    // clang-format on
    for (const Case &c : cases) {
        const BannerDocuments docs = FetchBannerDocuments([&](BannerClient, std::string_view path) {
            return path == kBannerListPath ? std::string("1>5>a\r\n") : std::string(c.flag);
        });
        EXPECT_EQ(docs.bannerSwitch, c.bannerSwitch) << c.flag;
        EXPECT_EQ(docs.list, "1>5>a\r\n");
    }
}

TEST(BannerStartup, FetchesInOrderAndStopsAtTheFirstFailure)
{
    struct Call {
        BannerClient client;
        std::string path;
    };
    std::vector<Call> calls;
    std::map<std::string, bool> fails;
    auto fetch = [&](BannerClient client, std::string_view path) {
        calls.push_back({client, std::string(path)});
        if (fails[std::string(path)])
            throw std::runtime_error("down");
        return path == kBannerListPath ? std::string("list") : std::string("01");
    };

    BannerDocuments docs = FetchBannerDocuments(fetch);
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].client, BannerClient::IdHTTP1);
    EXPECT_EQ(calls[0].path, kBannerListPath);
    EXPECT_EQ(calls[1].client, BannerClient::IdHTTP2);
    EXPECT_EQ(calls[1].path, kBannerFlagPath);
    EXPECT_EQ(calls[2].client, BannerClient::IdHTTP2);
    EXPECT_EQ(docs.bannerSwitch, 1);

    calls.clear();
    fails[std::string(kBannerListPath)] = true;
    docs = FetchBannerDocuments(fetch);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(docs.list, "");
    EXPECT_EQ(docs.bannerSwitch, 0);

    // The list arrived, the flag did not: the store keeps the list, the switch is 0.
    calls.clear();
    fails = {{std::string(kBannerFlagPath), true}};
    docs = FetchBannerDocuments(fetch);
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(docs.list, "list");
    EXPECT_EQ(docs.bannerSwitch, 0);
}

// Runs `ticks` ticks and returns the addresses navigated to ("-" for a tick without one).
std::vector<std::string> Ticks(BannerRotation &rotation, int ticks)
{
    std::vector<std::string> shown;
    for (int i = 0; i < ticks; ++i) {
        const BannerTick tick = rotation.Tick();
        shown.push_back(tick.navigate ? tick.address : "-");
    }
    return shown;
}

BannerRotation Started(const std::string &list, int bannerSwitch = 1)
{
    BannerRotation rotation;
    rotation.Start({list, bannerSwitch});
    return rotation;
}

using Shown = std::vector<std::string>;

TEST(BannerRotation, StartUpState)
{
    struct Case {
        const char *list;
        int bannerSwitch;
        int lastIndex;
        bool hidden;
    };
    // clang-format off
    const Case cases[] = {
        {"", 1, -1, true},
        {"", 0, -1, true},
        {"1>5>a\r\n", 0, 0, true},
        {"1>5>a\r\n", 1, 0, false},
        {"1>5>a\r\n1>5>b\r\n1>5>c", 3, 2, false},
        {"\r\n", 1, 0, false},   // one empty line: shown, but the timer finds nothing
    };
    // clang-format on
    for (const Case &c : cases) {
        const BannerRotation rotation = Started(c.list, c.bannerSwitch);
        EXPECT_EQ(rotation.LastIndex(), c.lastIndex) << c.list;
        EXPECT_EQ(rotation.HideAtStart(), c.hidden) << c.list;
        EXPECT_EQ(rotation.Index(), 0);
    }
}

TEST(BannerRotation, ThreeActiveLinesAlternateTheFirstTwo)
{
    BannerRotation rotation = Started("1>5>a\r\n1>5>b\r\n1>5>c\r\n");
    const BannerTick first = rotation.Tick();
    EXPECT_TRUE(first.navigate);
    EXPECT_EQ(first.timer, BannerTick::Timer::SetInterval);
    EXPECT_EQ(first.intervalMs, 5000);
    EXPECT_EQ(Ticks(rotation, 5), (Shown{"b", "a", "b", "a", "b"}));
}

TEST(BannerRotation, LastLineReachedFromInactiveLinesStaysForGood)
{
    BannerRotation rotation = Started("0>5>a\r\nx\r\n0>5>c\r\n1>7>d\r\n");
    EXPECT_EQ(Ticks(rotation, 4), (Shown{"d", "-", "-", "-"}));
    EXPECT_EQ(rotation.Index(), 4);
}

TEST(BannerRotation, InactiveLinesAreSkippedWithoutMovingTheIndex)
{
    BannerRotation rotation = Started("0>5>a\r\n1>5>b\r\n0>5>c\r\n1>5>d\r\n1>5>e\r\n");
    // Last index 4: after d (line 3) the index reaches 4 and returns to 0, so e never shows.
    EXPECT_EQ(Ticks(rotation, 4), (Shown{"b", "d", "b", "d"}));

    BannerRotation none = Started("0>5>a\r\n2>5>b\r\n");
    EXPECT_EQ(Ticks(none, 3), (Shown{"-", "-", "-"}));
    EXPECT_EQ(none.Index(), 0);
}

TEST(BannerRotation, NothingHappensWhenOffOrBlank)
{
    BannerRotation off = Started("1>5>a\r\n1>5>b\r\n", 0);
    EXPECT_EQ(Ticks(off, 2), (Shown{"-", "-"}));
    BannerRotation blank = Started(" \r\n\t\r\n");
    EXPECT_EQ(Ticks(blank, 2), (Shown{"-", "-"}));
}

TEST(BannerRotation, DisplayTimes)
{
    struct Case {
        const char *time;
        bool navigate;
        BannerTick::Timer timer;
        int intervalMs;
    };
    using T = BannerTick::Timer;
    // clang-format off
    const Case cases[] = {
        {"5",        true,  T::SetInterval, 5000},
        {"$A",       true,  T::SetInterval, 10000},   // the integer conversion reads hexadecimal too
        {"0",        true,  T::Stop,        0},
        {"-3",       true,  T::Stop,        0},
        {"2147483",  true,  T::SetInterval, 2147483000},
        {"2147484",  true,  T::SetInterval, INT_MAX},  // longer than a timer can wait: the longest wait
        {"99999999999", false, T::Keep,     0},        // not a 32-bit integer: skipped
        {"five",     false, T::Keep,        0},
        {"",         false, T::Keep,        0},
        {" 5",       false, T::Keep,        0},
    };
    // clang-format on
    for (const Case &c : cases) {
        BannerRotation rotation = Started(std::string("1>") + c.time + ">http://a.test/x\r\n1>5>b\r\n1>5>c\r\n");
        const BannerTick tick = rotation.Tick();
        EXPECT_EQ(tick.navigate, c.navigate) << c.time;
        EXPECT_EQ(tick.timer, c.timer) << c.time;
        EXPECT_EQ(tick.intervalMs, c.intervalMs) << c.time;
        // Shown or skipped, the index moves on past the line.
        EXPECT_EQ(rotation.Index(), 1) << c.time;
    }
}

TEST(BannerRotation, BadDisplayTimeIsSkippedAndTheRotationGoesOn)
{
    BannerRotation rotation = Started("1>x>a\r\n1>5>b\r\n1>5>c\r\n1>5>d\r\n");
    EXPECT_EQ(Ticks(rotation, 6), (Shown{"-", "b", "c", "-", "b", "c"}));
}

}  // namespace
}  // namespace orlenvo
