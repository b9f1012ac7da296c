// The article window: one stored article of table Noter, read-only, printable.
#pragma once

#include <QPageLayout>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>

class QFrame;
class QPlainTextEdit;
class QPushButton;

namespace orlenvo::articles {

class TFrmNote final : public QWidget {
    Q_OBJECT
public:
    explicit TFrmNote(QWidget *parent = nullptr);

    QPlainTextEdit *Memo() const;

    // The window's page settings: paper, orientation and margins.
    const QPageLayout &PageLayout() const;

    // Prints the whole text of RzMemo1 with the window's page settings, below and above the
    // header and footer bands: on the default printer, or into the PDF file `pdfFile` when it is
    // not empty. Throws UserError when it cannot print.
    void Print(const QString &pdfFile) const;

private:
    void RzBitBtn1Click();
    void RzBitBtn2Click();
    void RzBitBtn3Click();

    QFrame *toolStrip_;
    QPushButton *RzBitBtn1;
    QPushButton *RzBitBtn2;
    QPushButton *RzBitBtn3;
    QPlainTextEdit *RzMemo1;
    QPageLayout pageLayout_;
};

// Reads the article `id` from QorvBirth.dll and appends its body, trimmed, to `memo`; returns
// its title, trimmed ("算命" when there is no such article). Returns nothing when the database
// cannot be read.
std::optional<QString> LoadArticle(const std::string &id, QPlainTextEdit *memo);

// Opens a new article window for `id`; shows nothing when the database cannot be read.
void OpenArticle(const std::string &id, QWidget *parent);

}  // namespace orlenvo::articles
