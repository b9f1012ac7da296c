// The picture-article window: up to fifteen pages of a picture above its text, paged by buttons.
#pragma once

#include "data/Query.h"
#include "ui/FrameButton.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

namespace orlenvo::articles {

// One page of a picture article as stored: the JPEG picture and its text.
struct PicturePage {
    QByteArray picture;
    QString text;
};

// Reads the pages of one picture article in page order through `query`, whose connection
// string is already set: one lookup per page in table tuwen, up to the first missing page.
// An empty list when the database cannot be read.
QList<PicturePage> ReadPicturePages(Query &query, int number);

class TImageInfoLoad final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxPages = 15;

    explicit TImageInfoLoad(QWidget *parent = nullptr);

    int articleNumber() const;
    void setArticleNumber(int number);
    int pageCount() const;
    int currentPage() const;

    // Loads the article's pages from the knowledge database into the page controls; returns
    // the page count.
    int LoadContent();

    // Puts the pages into the page controls (at most fifteen), sets the page count, goes to
    // page 1 and enables exactly the numbered buttons up to the page count.
    void SetPages(const QList<PicturePage> &pages);

    // Marks button n in red, every other numbered button in the normal frame colour, and
    // makes page n visible.
    void ShowPage(int n);

private:
    // Decodes the picture of the page at `index` into its control and lets go of the others'.
    void ShowPicture(int index);
    void FormCreate();
    void BuildPages();
    void BuildButtonPanel();
    void BtnBeginClick();
    void BtnEndClick();
    void RzBitBtn18Click();
    void RzBitBtn19Click();
    void ABtnClick();
    void RzBitBtn1Click();

    Query ADOImage;
    int number_ = 0;
    int pageCount_ = 0;
    int currentPage_ = 1;
    QTabWidget *RzPageControl1 = nullptr;
    QList<QLabel *> images_;
    QList<QByteArray> pictures_;  // the JPEG of each loaded page
    QList<QPlainTextEdit *> memos_;
    QList<ui::FrameButton *> pageButtons_;
};

// Opens a new picture-article window for the article number with the caption as its title.
void OpenPictureArticle(int number, const QString &caption, QWidget *parent);

}  // namespace orlenvo::articles
