// The built picture-article table of QorvFile.dll: every article with its pages, pictures and
// texts, as the picture-article window reads them; and the drawing of the page sources.
#include "articles/windows/ImageInfo.h"
#include "data/KnowledgeDb.h"
#include "data/Query.h"
#include "tests/support/ModalAnswer.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QtTest>

#include <cstdlib>

using orlenvo::articles::PicturePage;
using orlenvo::articles::ReadPicturePages;

namespace {

// The picture area of a page, as the picture-article window lays it out.
QSize PictureArea()
{
    static const QSize area = [] {
        orlenvo::articles::TImageInfoLoad window;
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return QSize();
        return window.findChild<QLabel *>(QStringLiteral("Image1"))->size();
    }();
    return area;
}

QString Source(int number, int page, const char *extension)
{
    return QStringLiteral(ORLENVO_SOURCE_DIR "/content/tuwen/%1/%2.%3")
        .arg(number)
        .arg(page)
        .arg(QLatin1String(extension));
}

// The check and cross marks of a page source, each as a picture of its own: the page's <svg>
// element holding only that mark.
QList<QByteArray> MarksOf(const QByteArray &svg)
{
    static const QRegularExpression root(QStringLiteral("<svg[^>]*>"));
    static const QRegularExpression mark(QStringLiteral(R"re(<g class="mark">.*?</g>)re"));
    const QString text = QString::fromUtf8(svg);
    const QString head = root.match(text).captured();
    QList<QByteArray> marks;
    for (const auto &m : mark.globalMatch(text))
        marks.append((head + m.captured() + QStringLiteral("</svg>")).toUtf8());
    return marks;
}

// An SVG picture drawn as the build draws it, on a transparent ground.
QImage Render(const QByteArray &svg)
{
    QSvgRenderer renderer(svg);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

}  // namespace

class PictureTableTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { orlenvo::OverrideProgramFolder(ORLENVO_BIN_DIR "/"); }
    void cleanupTestCase() { orlenvo::OverrideProgramFolder({}); }

    void everyArticle_data()
    {
        QTest::addColumn<int>("number");
        for (int n = 1; n <= 21; ++n)
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }

    void everyArticle()
    {
        QFETCH(int, number);
        orlenvo::Query query;
        query.SetConnectionString(orlenvo::ConnectionStringFor(orlenvo::kQorvFile));
        const QList<PicturePage> pages = ReadPicturePages(query, number);
        QVERIFY2(pages.size() >= 3 && pages.size() <= 8, qPrintable(QStringLiteral("%1 pages").arg(pages.size())));

        // No page stored past a gap, none twice: the rows of the article are exactly its pages.
        query.SetStatement("select count(*) as n from tuwen where num = " + std::to_string(number));
        query.Open();
        QCOMPARE(QString::fromStdString(query.FieldByName("n")).toInt(), pages.size());
        query.Close();

        for (int i = 0; i < pages.size(); ++i) {
            const PicturePage &page = pages[i];
            QVERIFY(page.picture.startsWith("\xFF\xD8\xFF"));
            QImage image;
            QVERIFY2(image.loadFromData(page.picture, "JPEG"), qPrintable(QStringLiteral("page %1").arg(i + 1)));
            // Shown whole, and across most of the window's width.
            const QSize area = PictureArea();
            QVERIFY2(image.width() <= area.width() && image.height() <= area.height(),
                     qPrintable(QStringLiteral("page %1: %2x%3 in %4x%5")
                                    .arg(i + 1)
                                    .arg(image.width())
                                    .arg(image.height())
                                    .arg(area.width())
                                    .arg(area.height())));
            QVERIFY(image.width() >= area.width() * 3 / 4);
            // A rendered drawing, not a blank: the picture holds many different colours.
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); y += 4)
                for (int x = 0; x < image.width(); x += 4)
                    colours.insert(image.pixel(x, y) & 0xF0F0F0);
            QVERIFY2(colours.size() > 40, qPrintable(QStringLiteral("page %1").arg(i + 1)));

            QVERIFY2(page.text.size() >= 80 && page.text.size() <= 250,
                     qPrintable(QStringLiteral("page %1: %2 characters").arg(i + 1).arg(page.text.size())));
            // The stored text is the page's source text.
            QFile source(Source(number, i + 1, "txt"));
            QVERIFY(source.open(QIODevice::ReadOnly));
            QCOMPARE(page.text, QString::fromUtf8(source.readAll()).trimmed());
            QVERIFY(QFile::exists(Source(number, i + 1, "svg")));
        }
        QVERIFY(!QFile::exists(Source(number, static_cast<int>(pages.size()) + 1, "svg")));
    }

    // A mark must be the topmost thing where it is drawn: a room or cabinet painted after it would
    // cover part of it. Every pixel that the mark alone paints fully must look the same on the page.
    void marksLieOnTop()
    {
        int checked = 0;
        QStringList covered;
        for (int number = 1; number <= 21; ++number) {
            for (int page = 1; QFile::exists(Source(number, page, "svg")); ++page) {
                QFile file(Source(number, page, "svg"));
                QVERIFY(file.open(QIODevice::ReadOnly));
                const QByteArray svg = file.readAll();
                const QList<QByteArray> marks = MarksOf(svg);
                if (marks.isEmpty())
                    continue;
                const QImage drawn = Render(svg);
                QVERIFY(!drawn.isNull());
                for (const QByteArray &markSvg : marks) {
                    const QImage mark = Render(markSvg);
                    QCOMPARE(mark.size(), drawn.size());
                    int painted = 0;
                    int hidden = 0;
                    for (int y = 0; y < mark.height(); ++y) {
                        for (int x = 0; x < mark.width(); ++x) {
                            const QRgb m = mark.pixel(x, y);
                            if (qAlpha(m) < 255)
                                continue;
                            ++painted;
                            const QRgb d = drawn.pixel(x, y);
                            hidden += std::abs(qRed(m) - qRed(d)) + std::abs(qGreen(m) - qGreen(d)) +
                                          std::abs(qBlue(m) - qBlue(d)) >
                                      12;
                        }
                    }
                    QVERIFY(painted > 50);
                    if (hidden > 0)
                        covered.append(QStringLiteral("%1-%2: %3 of %4 pixels of a mark hidden")
                                           .arg(number)
                                           .arg(page)
                                           .arg(hidden)
                                           .arg(painted));
                    ++checked;
                }
            }
        }
        QVERIFY2(covered.isEmpty(), qPrintable(covered.join(QStringLiteral("; "))));
        QVERIFY2(checked >= 30, qPrintable(QStringLiteral("%1 marks").arg(checked)));
    }

    void noOtherArticles()
    {
        orlenvo::Query query;
        query.SetConnectionString(orlenvo::ConnectionStringFor(orlenvo::kQorvFile));
        query.SetStatement("select count(*) as n from tuwen where num < 1 or num > 21 or page < 1");
        query.Open();
        QCOMPARE(query.FieldByName("n"), std::string("0"));
    }
};

ORLENVO_QTEST_MAIN(PictureTableTest)
#include "PictureTableTest.moc"
