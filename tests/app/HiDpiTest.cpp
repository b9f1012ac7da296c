// At twice the pixel ratio (run with QT_SCALE_FACTOR=2): windows keep their logical layout and
// the pictures the program makes or loads carry device pixels for the ratio.
#include "app/windows/MenuBar.h"
#include "app/windows/Program.h"
#include "app/windows/Uabout.h"
#include "app/windows/Unt_Main.h"
#include "articles/windows/ImageInfo.h"
#include "articles/windows/Untabt.h"
#include "tests/support/Images.h"
#include "tests/support/ModalAnswer.h"
#include "tests/support/TopLevel.h"
#include "ui/Pictures.h"

#include <QLabel>
#include <QTest>

using orlenvo::app::Program;
using orlenvo::app::TFrmmain;

namespace {

QByteArray Jpeg(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < size.width(); x += 2)
        for (int y = 0; y < size.height(); ++y)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return orlenvo::testing::Encoded(image, "JPEG", 95);
}

// A pixmap made for ratio 2: twice the device pixels of its logical size.
void VerifySharp(const QPixmap &pixmap, QSize logical, const char *what)
{
    QVERIFY2(!pixmap.isNull(), what);
    QCOMPARE(pixmap.devicePixelRatio(), 2.0);
    QCOMPARE(pixmap.size(), logical * 2);
}

}  // namespace

class HiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(orlenvo::ui::ScreenPixelRatio(), 2.0); }

    void canvasAndStoredPictures()
    {
        VerifySharp(orlenvo::ui::Canvas(QSize(10, 7)), QSize(10, 7), "canvas");
        QVERIFY(orlenvo::ui::Canvas(QSize(4, 4)).toImage().pixelColor(1, 1).alpha() == 0);

        // Black and white columns enlarged smoothly: grey appears between them.
        QImage stripes;
        QVERIFY(stripes.loadFromData(Jpeg(QSize(8, 4)), "JPEG"));
        const QPixmap shown = orlenvo::ui::ScreenPixmap(stripes);
        VerifySharp(shown, QSize(8, 4), "stored picture");
        bool grey = false;
        const QImage device = shown.toImage();
        for (int x = 0; x < device.width(); ++x)
            grey = grey || (qGray(device.pixel(x, 3)) > 60 && qGray(device.pixel(x, 3)) < 195);
        QVERIFY(grey);
    }

    void windowPicturesCarryDevicePixels()
    {
        orlenvo::app::TAbout about;
        const auto *aboutPicture = about.findChild<QLabel *>(QStringLiteral("Image1"));
        VerifySharp(aboutPicture->pixmap(), aboutPicture->size(), "About picture");

        orlenvo::articles::TFrm_NanNv chart;
        const QImage first = orlenvo::articles::ChartPicture(0);
        VerifySharp(chart.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap(), first.size(), "chart picture");

        orlenvo::articles::TImageInfoLoad article;
        article.SetPages({{Jpeg(QSize(300, 120)), QStringLiteral("第1页")}});
        VerifySharp(article.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap(), QSize(300, 120),
                    "picture-article page");

        const QPixmap icon = orlenvo::app::CommandIcon(QStringLiteral("QQ号码分析")).pixmap(QSize(16, 16), 2.0);
        VerifySharp(icon, QSize(16, 16), "menu icon");
    }

    void mainWindowKeepsItsLayout()
    {
        orlenvo::app::ServiceEnvironment offline;
        offline.maker.server = QUrl();
        Program program(offline);
        TFrmmain &w = program.mainWindow();
        QVERIFY(orlenvo::testing::ShowOnScreen(&w));
        QCOMPARE(w.size(), QSize(800, 600));
        QCOMPARE(w.menu()->height(), 22);
        QCOMPARE(w.bannerStrip()->height(), 81);
        QCOMPARE(w.sidePanel()->width(), 176);
        QCOMPARE(w.bottomBar()->height(), 30);
        VerifySharp(w.grab(), QSize(800, 600), "main window");
    }
};

ORLENVO_QTEST_MAIN(HiDpiTest)
#include "HiDpiTest.moc"
