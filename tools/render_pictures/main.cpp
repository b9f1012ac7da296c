// Build-time renderer of the program's pictures.
//
//   render_pictures tuwen <content/tuwen> <out>   every <num>/<page>.svg -> <out>/<num>-<page>.jpg
//   render_pictures chart <content/chart> <out>   chart.txt, labels.txt, passage.txt -> the three chart pictures
//   render_pictures icon <icon.svg> <out>         <out>/<n>x<n>.png for the sizes of the icon theme
//
// Pictures are JPEG at a fixed quality and icons PNG, so the same sources give the same files.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <map>
#include <vector>

namespace {

constexpr int kJpegQuality = 90;

void Fail(const QString &message)
{
    std::fprintf(stderr, "render_pictures: %s\n", qPrintable(message));
    std::exit(1);
}

void Save(const QImage &image, const QString &path)
{
    if (!image.save(path, "JPEG", kJpegQuality))
        Fail(QStringLiteral("cannot write %1").arg(path));
}

QString ReadText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(file.readAll());
}

// Renders an SVG at `size`, or at its own size when `size` is empty.
QImage RenderSvg(const QString &path, QSize size = {}, QImage::Format format = QImage::Format_RGB32)
{
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        Fail(QStringLiteral("%1 is no valid SVG").arg(path));
    if (size.isEmpty())
        size = renderer.defaultSize();
    if (size.isEmpty())
        Fail(QStringLiteral("%1 has no size").arg(path));
    QImage image(size, format);
    image.fill(image.hasAlphaChannel() ? QColor(Qt::transparent) : QColor(Qt::white));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

void RenderArticles(const QString &source, const QString &output)
{
    QDir out(output);
    if (!out.mkpath(QStringLiteral(".")))
        Fail(QStringLiteral("cannot create %1").arg(output));
    // Pictures of sources that no longer exist must not reach the database.
    for (const QString &old : out.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        out.remove(old);

    const QRegularExpression number(QStringLiteral("^[1-9][0-9]*$"));
    int count = 0;
    const QDir root(source);
    for (const QString &article : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!number.match(article).hasMatch())
            continue;
        const QDir pages(root.filePath(article));
        for (const QString &svg : pages.entryList({QStringLiteral("*.svg")}, QDir::Files)) {
            const QString page = svg.chopped(4);
            if (!number.match(page).hasMatch())
                Fail(QStringLiteral("unexpected picture name %1").arg(pages.filePath(svg)));
            Save(RenderSvg(pages.filePath(svg)), out.filePath(QStringLiteral("%1-%2.jpg").arg(article, page)));
            ++count;
        }
    }
    std::printf("render_pictures: %d article pictures\n", count);
}

// ---- the gender chart ------------------------------------------------------------------------

const QColor kInk(40, 52, 66);
const QColor kRule(96, 112, 128);
const QColor kHeaderFill(236, 242, 247);
const QColor kBoy(0, 60, 116);
const QColor kGirl(176, 36, 64);

QFont ChartFont(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

using ChartTable = std::map<int, QString>;  // mother's age -> twelve 男/女, month 1 first

// The fixed texts of the chart pictures (labels.txt), in the script of the source folder.
struct ChartLabels {
    QString ageUnit, month, ageCorner, monthCorner, continuedTitle;
};

ChartLabels ReadChartLabels(const QString &path)
{
    QStringList lines;
    for (const QString &line : ReadText(path).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines.append(line.trimmed());
    }
    if (lines.size() != 5 || !lines[1].contains(QStringLiteral("%1")))
        Fail(QStringLiteral("%1: five labels, the month's with %2").arg(path, QStringLiteral("%1")));
    return {lines[0], lines[1], QString(lines[2]).replace(QLatin1Char('|'), QLatin1Char('\n')), lines[3], lines[4]};
}

ChartTable ReadChart(const QString &path)
{
    ChartTable table;
    const QStringList lines = ReadText(path).split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool ok = false;
        const int age = parts.value(0).toInt(&ok);
        const QString cells = parts.value(1);
        if (!ok || parts.size() != 2 || cells.size() != 12)
            Fail(QStringLiteral("bad chart line: %1").arg(line));
        for (const QChar c : cells)
            if (c != QChar(0x7537) && c != QChar(0x5973))  // 男, 女
                Fail(QStringLiteral("bad chart cell in: %1").arg(line));
        table[age] = cells;
    }
    return table;
}

struct ChartLayout {
    QSize size;
    int firstAge;
    int lastAge;
    QString title;  // drawn in a band above the grid when not empty
    int titleHeight;
    int headerWidth;   // the month column
    int headerHeight;  // the age row
    int cellWidth;
    int cellHeight;
};

QImage DrawChart(const ChartTable &table, const ChartLabels &labels, const ChartLayout &layout)
{
    QImage image(layout.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    if (!layout.title.isEmpty()) {
        p.setPen(kInk);
        p.setFont(ChartFont(16, true));
        p.drawText(QRect(0, 0, layout.size.width(), layout.titleHeight), Qt::AlignCenter, layout.title);
    }

    const int columns = layout.lastAge - layout.firstAge + 1;
    const int left = 0;
    const int top = layout.titleHeight;
    const int gridRight = left + layout.headerWidth + columns * layout.cellWidth - 1;
    const int gridBottom = top + layout.headerHeight + 12 * layout.cellHeight - 1;
    if (gridRight != layout.size.width() - 1 || gridBottom != layout.size.height() - 1)
        Fail(QStringLiteral("chart layout does not fill %1 x %2").arg(layout.size.width()).arg(layout.size.height()));

    // Header fills.
    p.fillRect(QRect(left, top, gridRight - left + 1, layout.headerHeight), kHeaderFill);
    p.fillRect(QRect(left, top, layout.headerWidth, gridBottom - top + 1), kHeaderFill);

    // Cells.
    for (int col = 0; col < columns; ++col) {
        const int age = layout.firstAge + col;
        const int x = left + layout.headerWidth + col * layout.cellWidth;
        p.setPen(kInk);
        p.setFont(ChartFont(13, true));
        p.drawText(QRect(x, top + 4, layout.cellWidth, layout.headerHeight / 2 - 2), Qt::AlignHCenter | Qt::AlignBottom,
                   QString::number(age));
        p.setFont(ChartFont(13));
        p.drawText(QRect(x, top + layout.headerHeight / 2 + 2, layout.cellWidth, layout.headerHeight / 2 - 6),
                   Qt::AlignHCenter | Qt::AlignTop, labels.ageUnit);
        const auto row = table.find(age);
        if (row == table.end())
            Fail(QStringLiteral("chart has no row for age %1").arg(age));
        for (int month = 0; month < 12; ++month) {
            const QChar cell = row->second.at(month);
            const int y = top + layout.headerHeight + month * layout.cellHeight;
            p.setPen(cell == QChar(0x7537) ? kBoy : kGirl);
            p.setFont(ChartFont(14));
            p.drawText(QRect(x, y, layout.cellWidth, layout.cellHeight), Qt::AlignCenter, cell);
        }
    }
    p.setPen(kInk);
    p.setFont(ChartFont(13));
    for (int month = 0; month < 12; ++month) {
        const int y = top + layout.headerHeight + month * layout.cellHeight;
        p.drawText(QRect(left, y, layout.headerWidth, layout.cellHeight), Qt::AlignCenter,
                   QString(labels.month).arg(month + 1));
    }

    // Rules: crisp one-pixel lines.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(kRule, 1));
    for (int col = 0; col <= columns; ++col) {
        const int x = col == columns ? gridRight : left + layout.headerWidth + col * layout.cellWidth;
        p.drawLine(x, top, x, gridBottom);
    }
    p.drawLine(left, top, left, gridBottom);
    for (int row = 0; row <= 12; ++row) {
        const int y = row == 12 ? gridBottom : top + layout.headerHeight + row * layout.cellHeight;
        p.drawLine(left, y, gridRight, y);
    }
    p.drawLine(left, top, gridRight, top);

    // The split header cell: age to the upper right, month to the lower left.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawLine(QPointF(left, top), QPointF(left + layout.headerWidth, top + layout.headerHeight));
    p.setPen(kInk);
    p.setFont(ChartFont(11));
    const QRect corner(left + 2, top + 2, layout.headerWidth - 4, layout.headerHeight - 4);
    p.drawText(corner, Qt::AlignRight | Qt::AlignTop, labels.ageCorner);
    p.drawText(corner, Qt::AlignLeft | Qt::AlignBottom, labels.monthCorner);
    p.end();
    return image;
}

QImage DrawPassage(const QString &text)
{
    const QStringList lines = text.trimmed().split(QLatin1Char('\n'));
    if (lines.size() < 2)
        Fail(QStringLiteral("passage needs a heading line and a body"));
    QImage image(544, 178, QImage::Format_RGB32);
    image.fill(QColor(255, 252, 244));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(214, 190, 150), 1));
    p.drawRect(QRectF(4.5, 4.5, 535, 169));

    p.setPen(QColor(150, 40, 40));
    p.setFont(ChartFont(17, true));
    p.drawText(QRect(0, 12, 544, 26), Qt::AlignCenter, lines.first().trimmed());

    p.setPen(kInk);
    QFont body = ChartFont(14);
    p.setFont(body);
    const QString paragraph = lines.mid(1).join(QString()).trimmed();
    const QRect area(22, 46, 500, 124);
    const QFontMetrics metrics(body);
    // Two full-width blanks open the paragraph, as Chinese prose is set.
    const QString set = QStringLiteral("\u3000\u3000") + paragraph;
    const QRect needed = metrics.boundingRect(area, Qt::TextWrapAnywhere, set);
    if (needed.height() > area.height())
        Fail(QStringLiteral("passage does not fit the picture"));
    p.drawText(area, Qt::TextWrapAnywhere | Qt::AlignLeft | Qt::AlignTop, set);
    p.end();
    return image;
}

void RenderChart(const QString &source, const QString &output)
{
    if (!QDir(output).mkpath(QStringLiteral(".")))
        Fail(QStringLiteral("cannot create %1").arg(output));
    const QDir dir(source);
    const ChartTable table = ReadChart(dir.filePath(QStringLiteral("chart.txt")));
    const ChartLabels labels = ReadChartLabels(dir.filePath(QStringLiteral("labels.txt")));
    const QDir out(output);
    // 45 + 14 x 37 = 563 wide, 58 + 12 x 22 = 322 high.
    Save(DrawChart(table, labels, {{563, 322}, 18, 31, QString(), 0, 45, 58, 37, 22}),
         out.filePath(QStringLiteral("chart-18-31.jpg")));
    // 43 + 13 x 38 = 537 wide, 30 + 50 + 12 x 22 = 344 high.
    Save(DrawChart(table, labels, {{537, 344}, 32, 44, labels.continuedTitle, 30, 43, 50, 38, 22}),
         out.filePath(QStringLiteral("chart-32-44.jpg")));
    Save(DrawPassage(ReadText(dir.filePath(QStringLiteral("passage.txt")))),
         out.filePath(QStringLiteral("passage.jpg")));
    std::printf("render_pictures: chart pictures\n");
}

// The application icon at the fixed sizes of the hicolor theme.
void RenderIcon(const QString &svg, const QString &output)
{
    if (!QDir(output).mkpath(QStringLiteral(".")))
        Fail(QStringLiteral("cannot create %1").arg(output));
    const QDir out(output);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image = RenderSvg(svg, QSize(size, size), QImage::Format_ARGB32);
        const QString path = out.filePath(QStringLiteral("%1x%1.png").arg(size));
        if (!image.save(path, "PNG"))
            Fail(QStringLiteral("cannot write %1").arg(path));
    }
    std::printf("render_pictures: icon sizes\n");
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        Fail(QStringLiteral("usage: render_pictures tuwen|chart|icon <source> <output folder>"));
    if (args[1] == QStringLiteral("tuwen"))
        RenderArticles(args[2], args[3]);
    else if (args[1] == QStringLiteral("chart"))
        RenderChart(args[2], args[3]);
    else if (args[1] == QStringLiteral("icon"))
        RenderIcon(args[2], args[3]);
    else
        Fail(QStringLiteral("unknown mode %1").arg(args[1]));
    return 0;
}
