// The built picture-article table of QorvFile.dll: every article with its pages, pictures and
// texts, as the picture-article window reads them.
#include "articles/ImageInfo.h"
#include "data/KnowledgeDb.h"
#include "data/Query.h"
#include "tests/support/ModalAnswer.h"

#include <QDir>
#include <QFile>
#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <cstdlib>

using orlenvo::articles::PicturePage;
using orlenvo::articles::ReadPicturePages;

namespace {

// The picture area of a page: the window's client less the button panel and the text area.
constexpr int kPictureWidth = 652;
constexpr int kPictureHeight = 524 - 56 - 166;

QString Source(int number, int page, const char *extension)
{
    return QStringLiteral(ORLENVO_SOURCE_DIR "/content/tuwen/%1/%2.%3").arg(number).arg(page).arg(QLatin1String(extension));
}

// A check or cross mark of a page source: its disc (centre, radius, colour).
struct Mark {
    double x, y, r;
    QColor colour;
};

QList<Mark> MarksOf(const QString &svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression disc(QStringLiteral(
        R"re(<g class="mark"><circle cx="([0-9.]+)" cy="([0-9.]+)" r="([0-9.]+)" fill="(#[0-9a-fA-F]{6})")re"));
    QList<Mark> marks;
    for (const auto &m : disc.globalMatch(QString::fromUtf8(file.readAll())))
        marks.append({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(), QColor(m.captured(4))});
    return marks;
}

bool Near(QColor a, QColor b)
{
    constexpr int kTolerance = 60;  // JPEG blur at the edge of a small disc
    return std::abs(a.red() - b.red()) <= kTolerance && std::abs(a.green() - b.green()) <= kTolerance &&
           std::abs(a.blue() - b.blue()) <= kTolerance;
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
            QVERIFY(image.width() <= kPictureWidth && image.height() <= kPictureHeight);
            QVERIFY(image.width() >= kPictureWidth * 3 / 4);
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
    // cover part of its disc. Four points of each disc, clear of the white tick or cross, must show
    // the mark's colour in the stored picture.
    void marksLieOnTop()
    {
        orlenvo::Query query;
        query.SetConnectionString(orlenvo::ConnectionStringFor(orlenvo::kQorvFile));
        int checked = 0;
        for (int number = 1; number <= 21; ++number) {
            const QList<PicturePage> pages = ReadPicturePages(query, number);
            for (int i = 0; i < pages.size(); ++i) {
                QImage image;
                QVERIFY(image.loadFromData(pages[i].picture, "JPEG"));
                for (const Mark &mark : MarksOf(Source(number, i + 1, "svg"))) {
                    const double d = mark.r * 0.72;
                    for (const QPointF offset : {QPointF(0, -d), QPointF(0, d), QPointF(-d, 0), QPointF(d, 0)}) {
                        const QPoint at = (QPointF(mark.x, mark.y) + offset).toPoint();
                        const QColor seen = image.pixelColor(at);
                        QVERIFY2(Near(seen, mark.colour),
                                 qPrintable(QStringLiteral("%1-%2: mark at %3,%4 covered at %5,%6 (%7)")
                                                .arg(number).arg(i + 1).arg(mark.x).arg(mark.y)
                                                .arg(at.x()).arg(at.y()).arg(seen.name())));
                    }
                    ++checked;
                }
            }
        }
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
