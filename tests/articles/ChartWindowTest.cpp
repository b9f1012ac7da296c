// The gender chart window: its three pictures, the tabs on each opening, modality.
#include "app/windows/Dispatch.h"
#include "articles/windows/Untabt.h"
#include "core/Script.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextStream>
#include <QtTest>

#include <map>

using orlenvo::articles::ChartPicture;
using orlenvo::articles::TFrm_NanNv;

namespace {

struct Grid {
    int firstAge, lastAge;
    int top;  // y of the age row
    int headerWidth, headerHeight, cellWidth, cellHeight;
};

// The layouts the chart pictures are drawn in (see tools/render_pictures).
const Grid kGrids[] = {
    {18, 31, 0, 45, 58, 37, 22},
    {32, 44, 30, 43, 50, 38, 22},
};

// content/chart/chart.txt: age -> twelve 男/女.
std::map<int, QString> ChartTable()
{
    std::map<int, QString> table;
    QFile file(QStringLiteral(ORLENVO_SOURCE_DIR "/content/chart/chart.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QStringList parts = line.trimmed().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() == 2 && !parts[0].startsWith(QLatin1Char('#')))
            table[parts[0].toInt()] = parts[1];
    }
    return table;
}

// The ink of a cell: 'B' when its darkest pixels are blue (男), 'G' when red (女), '?' otherwise.
char CellInk(const QImage &image, const QRect &cell)
{
    int blue = 0, red = 0;
    for (int y = cell.top() + 3; y < cell.bottom() - 2; ++y)
        for (int x = cell.left() + 3; x < cell.right() - 2; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.value() > 200)
                continue;
            if (c.blue() > c.red() + 40)
                ++blue;
            else if (c.red() > c.blue() + 40)
                ++red;
        }
    if (blue > 20 && red < blue / 4)
        return 'B';
    if (red > 20 && blue < red / 4)
        return 'G';
    return '?';
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void picturesHaveTheirExactSizes()
    {
        const QSize sizes[] = {{563, 322}, {537, 344}, {544, 178}};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ChartPicture(i).size(), sizes[i]);
        QVERIFY(ChartPicture(3).isNull());

        // The pictures are stored as JPEG and shown at their own size from the top-left corner.
        const char *files[] = {":/chart/chart-18-31.jpg", ":/chart/chart-32-44.jpg", ":/chart/passage.jpg"};
        TFrm_NanNv window;
        for (int i = 0; i < 3; ++i) {
            QFile file(QString::fromLatin1(files[i]));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.read(3) == QByteArray("\xFF\xD8\xFF"));
            auto *image = window.findChild<QLabel *>(QStringLiteral("Image%1").arg(i + 1));
            QVERIFY(image);
            QCOMPARE(image->pixmap().size(), sizes[i]);
            QCOMPARE(image->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QVERIFY(!image->hasScaledContents());
        }
    }

    // Under the Traditional scripts the pictures are drawn anew in that script, at the same sizes,
    // with the same cells.
    void traditionalPictures()
    {
        using orlenvo::Script;
        QImage simplified[3];
        for (int i = 0; i < 3; ++i)
            simplified[i] = ChartPicture(i);
        for (const Script script : {Script::Taiwan, Script::HongKong}) {
            orlenvo::SetScript(script);
            for (int i = 0; i < 3; ++i) {
                const QImage picture = ChartPicture(i);
                QCOMPARE(picture.size(), simplified[i].size());
                QVERIFY2(picture != simplified[i], qPrintable(QStringLiteral("picture %1").arg(i)));
            }
            chartCellsFollowTheTable();
            orlenvo::SetScript(Script::Simplified);
        }
    }

    // Every cell of both charts shows the 男 or 女 of the chart table for its age and month.
    void chartCellsFollowTheTable()
    {
        const std::map<int, QString> table = ChartTable();
        QCOMPARE(static_cast<int>(table.size()), 27);
        for (int g = 0; g < 2; ++g) {
            const Grid &grid = kGrids[g];
            const QImage image = ChartPicture(g);
            for (int age = grid.firstAge; age <= grid.lastAge; ++age) {
                QVERIFY(table.count(age));
                const QString cells = table.at(age);
                QCOMPARE(cells.size(), 12);
                for (int month = 0; month < 12; ++month) {
                    const QRect cell(grid.headerWidth + (age - grid.firstAge) * grid.cellWidth,
                                     grid.top + grid.headerHeight + month * grid.cellHeight, grid.cellWidth,
                                     grid.cellHeight);
                    const char expected = cells[month] == QChar(0x7537) ? 'B' : 'G';
                    QVERIFY2(CellInk(image, cell) == expected,
                             qPrintable(QStringLiteral("age %1, month %2").arg(age).arg(month + 1)));
                }
            }
        }
    }

    void layoutOfTheWindow()
    {
        TFrm_NanNv window;
        QVERIFY(orlenvo::testing::ShowOnScreen(&window));
        QCOMPARE(window.windowTitle(), QStringLiteral("生男生女"));
        QCOMPARE(window.size(), QSize(588, 455));
        QVERIFY(!window.testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(orlenvo::testing::CloseButtonOnly(&window));
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
        QCOMPARE(pages->height(), 393);
        QVERIFY(pages->tabBar()->isVisible());
        QCOMPARE(pages->tabBar()->tabRect(0).height(), 19);
        const QStringList captions = {QStringLiteral("18到31岁"), QStringLiteral("32到44岁"),
                                      QStringLiteral("生男生女有秘诀")};
        QCOMPARE(pages->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(pages->tabText(i), captions[i]);
        auto *note = window.findChild<QLabel *>(QStringLiteral("RzLabel1"));
        QCOMPARE(
            note->text(),
            QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
                           "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。"));
        QVERIFY(note->wordWrap());
        QVERIFY(note->geometry().top() >= pages->geometry().bottom());
        QVERIFY(note->geometry().top() + note->heightForWidth(note->width()) <= window.height());
    }

    // Opened the way the command opens it: modal, the main window blocked, the first tab active
    // on each opening, hidden (not destroyed) on close and replaced by the next opening.
    void openedLikeTheCommand()
    {
        QWidget main;
        auto *menuButton = new QPushButton(QStringLiteral("菜单"), &main);
        int menuClicks = 0;
        connect(menuButton, &QPushButton::clicked, menuButton, [&] { ++menuClicks; });
        QVERIFY(orlenvo::testing::ShowOnScreen(&main));

        QPointer<QDialog> ref;
        bool checked = false;
        orlenvo::testing::WithNextModal([&](QWidget *modal) {
            QCOMPARE(modal, static_cast<QWidget *>(ref.data()));
            QCOMPARE(QApplication::activeModalWidget(), modal);
            // A click on the main window, delivered as the window system delivers it, is refused.
            QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, menuButton->geometry().center());
            auto *pages = modal->findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
            QCOMPARE(pages->currentIndex(), 0);
            pages->setCurrentIndex(2);
            checked = true;
            modal->close();
        });
        orlenvo::app::OpenModalWindow(ref, [&] { return new TFrm_NanNv(&main); });
        QVERIFY(checked);
        QCOMPARE(menuClicks, 0);
        QVERIFY(!ref.isNull());
        QVERIFY(!ref->isVisible());
        QPointer<QDialog> first = ref;

        checked = false;
        orlenvo::testing::WithNextModal([&](QWidget *modal) {
            QCOMPARE(modal->findChild<QTabWidget *>(QStringLiteral("RzPageControl1"))->currentIndex(), 0);
            checked = true;
            modal->close();
        });
        orlenvo::app::OpenModalWindow(ref, [&] { return new TFrm_NanNv(&main); });
        QVERIFY(checked);
        QVERIFY(first.isNull());

        // The main window answers again once the chart is closed.
        QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, menuButton->geometry().center());
        QCOMPARE(menuClicks, 1);
    }

    void showingAgainStartsOnTheFirstTab()
    {
        TFrm_NanNv window;
        window.show();
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("RzPageControl1"));
        pages->setCurrentIndex(1);
        window.hide();
        window.show();
        QCOMPARE(pages->currentIndex(), 0);
    }

    // With ORLENVO_SCREENSHOT_DIR set, the window is saved as chart.png.
    void screenshot()
    {
        const QString dir = qEnvironmentVariable("ORLENVO_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("ORLENVO_SCREENSHOT_DIR not set");
        TFrm_NanNv window;
        QVERIFY(orlenvo::testing::ShowOnScreen(&window));
        QVERIFY(window.grab().save(dir + QStringLiteral("/chart.png")));
    }
};

ORLENVO_QTEST_MAIN(ChartWindowTest)
#include "ChartWindowTest.moc"
