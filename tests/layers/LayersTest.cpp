#include <gtest/gtest.h>

#include "tests/layers/Layers.h"

#include <algorithm>
#include <filesystem>

namespace {

using orlenvo::layers::CheckFile;
using orlenvo::layers::CheckTree;

struct Case {
    const char *path;
    const char *text;
    bool allowed;
};

void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.path << (c.allowed ? " allowed" : " refused");
}

class LayerRules : public testing::TestWithParam<Case> {};

TEST_P(LayerRules, ApplyToOneFile)
{
    const Case &c = GetParam();
    EXPECT_EQ(CheckFile(c.path, c.text).empty(), c.allowed) << c.path << ": " << c.text;
}

INSTANTIATE_TEST_SUITE_P(Includes, LayerRules,
                         testing::Values(
                             // Qt headers
                             Case{"calendar/LunarCalendar.cpp", "#include <string>\n#include \"core/Text.h\"\n", true},
                             Case{"calendar/LunarCalendar.cpp", "#include <QString>\n", false},
                             Case{"data/Query.h", "  #  include <QtCore/QDate>\n", false},
                             Case{"core/Text.cpp", "#include <qglobal.h>\n", false},
                             Case{"app/CommandTable.h", "#include <QtWidgets>\n", false},
                             Case{"calendar/windows/DateWin.cpp", "#include <QLabel>\n", true},
                             Case{"ui/Fonts.cpp", "#include <QFont>\n", true},
                             Case{"app/main.cpp", "#include <QApplication>\n", true},
                             Case{"app/Other.cpp", "#include <QApplication>\n", false},
                             // Qt-free files reaching into the Qt layer
                             Case{"numerology/Pinyin.cpp", "#include \"ui/Messages.h\"\n", false},
                             Case{"data/Catalogue.cpp", "#include \"calendar/windows/huangdao.h\"\n", false},
                             Case{"calendar/Almanac.cpp", "#include \"calendar/LunarCalendar.h\"\n", true},
                             // the toolkit stays below the windows
                             Case{"ui/Controls.cpp", "#include \"articles/windows/ImageInfo.h\"\n", false},
                             Case{"ui/Controls.cpp", "#include \"core/Text.h\"\n", true},
                             // windows of one subsystem keep to their own folder; app/ assembles them all
                             Case{"articles/windows/UntNote.cpp", "#include \"articles/windows/ImageInfo.h\"\n", true},
                             Case{"articles/windows/UntNote.cpp", "#include \"calendar/windows/DateWin.h\"\n", false},
                             Case{"numerology/windows/Unt_sjcs.h",
                                  "#include \"calendar/LunarCalendar.h\"\n#include \"ui/UpDown.h\"\n", true},
                             Case{"app/windows/Operations.cpp", "#include \"calendar/windows/DateWin.h\"\n", true},
                             // the banner: a Qt-free core, windows that keep to their room, placed by the main window
                             Case{"banner/BannerCore.cpp", "#include <QUrl>\n", false},
                             Case{"banner/windows/BannerView.cpp", "#include \"app/windows/Links.h\"\n", false},
                             Case{"app/windows/Unt_Main.cpp", "#include \"banner/windows/Banner.h\"\n", true},
                             // commented-out includes are text, not includes
                             Case{"core/Text.h", "// #include <QString> is not needed here\n", true}));

TEST(LayerRules, ReportFileAndLine)
{
    const auto found = CheckFile("data/Query.cpp", "#include <string>\n\n#include <QByteArray>\n");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].file, "data/Query.cpp");
    EXPECT_EQ(found[0].line, 3);
}

struct ConnectCase {
    const char *text;
    bool contextless;
};

class ConnectionRule : public testing::TestWithParam<ConnectCase> {};

TEST_P(ConnectionRule, NeedsAContextObject)
{
    const ConnectCase &c = GetParam();
    EXPECT_EQ(orlenvo::layers::CheckConnections("tests/app/X.cpp", c.text).size(), c.contextless ? 1u : 0u) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Connections, ConnectionRule,
    testing::Values(ConnectCase{"connect(&timer, &QTimer::timeout, [&] { ++ticks; });", true},
                    ConnectCase{"QObject::connect(b, &QPushButton::clicked,\n    [this](bool on) { Run(on, 1); });",
                                true},
                    ConnectCase{"connect(&timer, &QTimer::timeout, &timer, [&] { ++ticks; });", false},
                    ConnectCase{"connect(b, &QPushButton::clicked, this, ui::Guard(this, &W::Click));", false},
                    // commas inside calls, lambdas, templates of the context argument and in literals
                    ConnectCase{"connect(b, &B::s, Pick(a, c), [x, y] { f(x, y); });", false},
                    ConnectCase{"connect(b, &B::s, [] { Say(\"a, b\", ','); });", true},
                    ConnectCase{"disconnect(b, &B::s, this);", false},
                    ConnectCase{"socket->connectToHost(host, port, mode);", false},
                    ConnectCase{"// A slot for connect() that runs fn.", false}));

TEST(ConnectionRule, ReportsTheLineOfTheCall)
{
    const auto found = orlenvo::layers::CheckConnections("bench/B.cpp", "int a;\n\n  connect(t, &T::s,\n [] {});\n");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].line, 3);
}

TEST(SourceTree, EveryFolderOfSourcesIsARoom)
{
    // A new top-level folder of C++ sources is a subsystem the rules must cover.
    const std::vector<std::string> outside = {"tests", "tools", "bench", "build", "cmake", "content", "packaging"};
    for (const auto &entry : std::filesystem::directory_iterator(ORLENVO_SOURCE_DIR)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_directory() || name.starts_with('.') || name.starts_with("build") ||
            std::ranges::count(outside, name) > 0)
            continue;
        bool sources = false;
        for (const auto &file : std::filesystem::recursive_directory_iterator(entry.path()))
            sources = sources || file.path().extension() == ".cpp" || file.path().extension() == ".h";
        if (sources) {
            EXPECT_EQ(std::ranges::count(orlenvo::layers::kSubsystems, name), 1) << name;
        }
    }
}

TEST(SourceTree, KeepsItsLayers)
{
    for (const auto &v : CheckTree(ORLENVO_SOURCE_DIR))
        ADD_FAILURE() << v.file << ":" << v.line << ": " << v.reason;
}

}  // namespace
