// Desktop identity: Qt's own texts in Chinese, and the application icon from the theme or built in.
#include "ui/Desktop.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLibraryInfo>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
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
        const QStringList oldPaths = QIcon::themeSearchPaths();
        const QString oldTheme = QIcon::themeName();
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QIcon::setThemeSearchPaths({root.path()});
        QIcon::setThemeName(QStringLiteral("hicolor"));

        // No theme icon: the built-in picture, drawn sharp at twice the pixel ratio.
        QIcon icon = orlenvo::ui::ApplicationIcon();
        QVERIFY(icon.name().isEmpty());
        const QPixmap sharp = icon.pixmap(QSize(32, 32), 2.0);
        QCOMPARE(sharp.size(), QSize(64, 64));
        QVERIFY(sharp.toImage().pixelColor(32, 32).alpha() == 255);  // the disc's centre
        QVERIFY(sharp.toImage().pixelColor(0, 0).alpha() == 0);      // transparent corner

        // An installed theme icon wins.
        QDir dir(root.path());
        QVERIFY(dir.mkpath(QStringLiteral("hicolor/32x32/apps")));
        QFile index(dir.filePath(QStringLiteral("hicolor/index.theme")));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=Hicolor\nDirectories=32x32/apps\n\n[32x32/apps]\nSize=32\nType=Fixed\n");
        index.close();
        QImage red(32, 32, QImage::Format_ARGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(dir.filePath(QStringLiteral("hicolor/32x32/apps/%1.png").arg(orlenvo::ui::DesktopId()))));
        icon = orlenvo::ui::ApplicationIcon();
        QCOMPARE(icon.name(), orlenvo::ui::DesktopId());
        QCOMPARE(icon.pixmap(32).toImage().pixelColor(16, 16), QColor(Qt::red));

        QIcon::setThemeSearchPaths(oldPaths);
        QIcon::setThemeName(oldTheme);
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
