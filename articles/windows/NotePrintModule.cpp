// The printing module: the article window's text on paper or in a PDF file, and the page-setup
// dialog.
#include "articles/windows/NotePrinting.h"
#include "ui/Modules.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextLayout>

#include <algorithm>
#include <exception>
#include <memory>

namespace orlenvo::articles {

namespace {

// Header and footer bands kept free above and below the text.
constexpr double kHeaderMm = 6.35;
constexpr double kFooterMm = 6.35;

double MillimetresToPixels(double mm, int resolution)
{
    return mm * resolution / 25.4;
}

QString Failed(const QPrinter &printer)
{
    return QStringLiteral("Printing on '%1' failed.").arg(printer.printerName());
}

// The whole text, line by line so that no line is split between two pages.
QString PrintOn(QPrinter &printer, const NotePrintJob &job)
{
    printer.setPageLayout(job.layout);
    if (printer.docName().isEmpty())
        printer.setDocName(job.docName);

    QPainter painter;
    if (!painter.begin(&printer))
        return Failed(printer);

    // The painter starts at the top left inside the margins.
    const int dpi = printer.resolution();
    const QRectF inside = printer.pageLayout().paintRectPixels(dpi);
    const double header = MillimetresToPixels(kHeaderMm, dpi);
    const double footer = MillimetresToPixels(kFooterMm, dpi);
    const QRectF body(0, header, inside.width(), std::max(1.0, inside.height() - header - footer));

    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

    double y = 0;
    for (const QString &paragraph : job.text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, job.font, &printer);
        layout.setTextOption(option);
        layout.setCacheEnabled(true);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(body.width());
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            if (y > 0 && y + line.height() > body.height()) {
                printer.newPage();
                y = 0;
            }
            line.draw(&painter, QPointF(body.left(), body.top() + y) - line.position());
            y += line.height();
        }
    }
    return painter.end() ? QString() : Failed(printer);
}

QString PrintOrFail(const NotePrintJob &job, const QString &pdfFile)
{
    std::unique_ptr<QPrinter> printer;
    if (pdfFile.isEmpty()) {
        const QPrinterInfo target = QPrinterInfo::defaultPrinter();
        if (target.isNull())
            return QStringLiteral("There is no default printer currently selected.");
        printer = std::make_unique<QPrinter>(target, QPrinter::HighResolution);
    } else {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfFile);
    }
    return PrintOn(*printer, job);
}

// The module's entries: no exception leaves the module.
QString Print(const NotePrintJob &job, const QString &pdfFile) noexcept
{
    try {
        return PrintOrFail(job, pdfFile);
    } catch (const std::exception &e) {
        return QStringLiteral("Printing failed: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("Printing failed.");
    }
}

bool EditPageLayout(QPageLayout &layout, QWidget *parent) noexcept
{
    try {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(layout);
        QPageSetupDialog dialog(&printer, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        layout = printer.pageLayout();
        return true;
    } catch (...) {
        return false;
    }
}

const NotePrinting kNotePrinting{Print, EditPageLayout};

}  // namespace

}  // namespace orlenvo::articles

ORLENVO_MODULE_VERSION()

extern "C" Q_DECL_EXPORT const orlenvo::articles::NotePrinting *OrlenvoNotePrinting() noexcept
{
    return &orlenvo::articles::kNotePrinting;
}
