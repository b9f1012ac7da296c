// Printing of the article window's text, in a module of its own that the window loads on its first
// print or page set-up: the program links no printing library. Only Qt and standard types cross
// the module boundary, and no exception does.
#pragma once

#include <QFont>
#include <QPageLayout>
#include <QString>

class QWidget;

namespace orlenvo::articles {

struct NotePrintJob {
    QString text;  // paragraphs separated by '\n'
    QFont font;
    QPageLayout layout;
    QString docName;
};

struct NotePrinting {
    // Prints `job` on the default printer, or into the PDF file `pdfFile` when it is not empty;
    // returns the error message, empty on success.
    QString (*print)(const NotePrintJob &job, const QString &pdfFile) noexcept;
    // Shows the page-setup dialog over `layout`; true, with `layout` changed, when accepted.
    bool (*editPageLayout)(QPageLayout &layout, QWidget *parent) noexcept;
};

inline constexpr char kPrintModule[] = "liborlenvo_print.so";
inline constexpr char kNotePrintingSymbol[] = "OrlenvoNotePrinting";
using NotePrintingFn = const NotePrinting *(*)() noexcept;

}  // namespace orlenvo::articles
