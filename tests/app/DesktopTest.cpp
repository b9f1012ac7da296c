// Desktop identity: Qt's own texts in Chinese, and the application icon from the theme or built in.
#include "ui/Desktop.h"
#include "ui/Application.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QProxyStyle>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A theme root holding hicolor/index.theme and a red 32 px application icon; the search paths and
// theme name come back when it goes.
class RedIconTheme {
public:
    RedIconTheme() : oldPaths_(QIcon::themeSearchPaths()), oldTheme_(QIcon::themeName())
    {
        QIcon::setThemeSearchPaths({root_.path()});
        QIcon::setThemeName(QStringLiteral("hicolor"));
    }
    ~RedIconTheme()
    {
        QIcon::setThemeSearchPaths(oldPaths_);
        QIcon::setThemeName(oldTheme_);
    }
    bool Install()
    {
        QDir dir(root_.path());
        QFile index(dir.filePath(QStringLiteral("hicolor/index.theme")));
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        return dir.mkpath(QStringLiteral("hicolor/32x32/apps")) && index.open(QIODevice::WriteOnly) &&
               index.write(
                   "[Icon Theme]\nName=Hicolor\nDirectories=32x32/apps\n\n[32x32/apps]\nSize=32\nType=Fixed\n") > 0 &&
               index.flush() &&
               red.save(dir.filePath(QStringLiteral("hicolor/32x32/apps/%1.png").arg(orlenvo::ui::DesktopId())));
    }

private:
    QTemporaryDir root_;
    QStringList oldPaths_;
    QString oldTheme_;
};

// `plugin`: a plugin's folder and file name, as "imageformats/libqjpeg".
bool LoadedPlugin(const char *plugin)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(plugin);
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    // First: later cases read pictures by their content, which loads every image plugin.
    void menuBarsLoadNoImagePlugins()
    {
        QVERIFY(!LoadedPlugin("imageformats/libqjpeg"));
        orlenvo::ui::SetUpApplication(*qApp);
        QMenuBar bar;
        bar.addMenu(QStringLiteral("系统"));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QVERIFY(!LoadedPlugin("imageformats/libqjpeg"));
        QVERIFY(!LoadedPlugin("imageformats/libqtiff"));

        // The overflow button's icon is the platform style's own once drawn.
        auto *style = qobject_cast<QProxyStyle *>(QApplication::style());
        QVERIFY(style);
        const QImage drawn =
            QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
        QVERIFY(!drawn.isNull());
        QCOMPARE(drawn,
                 style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage());
    }

    void windowIconIsTheBuiltInPictureUntilAWindowIsDrawn()
    {
        RedIconTheme theme;
        QVERIFY(theme.Install());
        orlenvo::ui::InstallDesktopIdentity(*qApp);
        const QIcon builtIn = QGuiApplication::windowIcon();
        QVERIFY(builtIn.name().isEmpty());
        // The sizes an X11 window's icon is sent in, known without the SVG icon engine.
        QCOMPARE(builtIn.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
        QVERIFY(!LoadedPlugin("iconengines/libqsvgicon"));

        // Drawn ahead or by the SVG engine, the same pixels, at every ratio.
        const QIcon svg(QStringLiteral(":/pictures/orlenvo.svg"));
        for (int side : {16, 24, 32, 64, 128})
            for (qreal ratio : {1.0, 2.0}) {
                const QImage expected = svg.pixmap(QSize(side, side), ratio).toImage();
                QCOMPARE(expected.size(), QSize(side, side) * ratio);
                QCOMPARE(builtIn.pixmap(QSize(side, side), ratio).toImage().convertToFormat(expected.format()),
                         expected);
            }

        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(QGuiApplication::windowIcon().name(), orlenvo::ui::DesktopId());
        QCOMPARE(window.windowIcon().pixmap(32).toImage().pixelColor(16, 16), QColor(Qt::red));
    }

    void qtStandardTextsReadInChinese()
    {
        QVERIFY2(orlenvo::ui::LoadQtTranslation(*qApp),
                 qPrintable(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_zh_CN.qm")));
        const struct {
            QDialogButtonBox::StandardButton button;
            const char *text;
        } buttons[] = {
            {QDialogButtonBox::Ok, "确定"},
            {QDialogButtonBox::Cancel, "取消"},
            {QDialogButtonBox::Close, "关闭"},
        };
        QDialogButtonBox box;
        for (const auto &b : buttons) {
            box.addButton(b.button);
            QCOMPARE(box.button(b.button)->text().remove(QLatin1Char('&')), QString::fromUtf8(b.text));
        }

        // The article window's page-setup dialog.
        QPrinter printer;
        QPageSetupDialog dialog(&printer);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("页面设置"));
        QStringList groups;
        for (const QGroupBox *g : dialog.findChildren<QGroupBox *>())
            groups << g->title();
        QVERIFY2(groups.contains(QStringLiteral("边距")), qPrintable(groups.join(QLatin1Char(','))));
    }

    void iconComesFromTheThemeOrIsBuiltIn()
    {
        RedIconTheme theme;

        // No theme icon: the built-in picture, drawn sharp at twice the pixel ratio.
        QIcon icon = orlenvo::ui::ApplicationIcon();
        QVERIFY(icon.name().isEmpty());
        const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
        QCOMPARE(sharp.size(), QSize(64, 64));
        QVERIFY(sharp.toImage().pixelColor(32, 32).alpha() == 255);  // the disc's centre
        QVERIFY(sharp.toImage().pixelColor(0, 0).alpha() == 0);      // transparent corner

        // An installed theme icon wins.
        QVERIFY(theme.Install());
        icon = orlenvo::ui::ApplicationIcon();
        QCOMPARE(icon.name(), orlenvo::ui::DesktopId());
        QCOMPARE(icon.pixmap(32).toImage().pixelColor(16, 16), QColor(Qt::red));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
