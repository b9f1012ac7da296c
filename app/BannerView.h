// The banner browser `EmbeddedWB2`: shows the banner pages over the banner strip.
#pragma once

#include "app/BannerHttp.h"

#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QTextBrowser;

namespace orlenvo::app {

// What the banner timer asks of its browser.
class BannerView {
public:
    virtual ~BannerView() = default;
    virtual void Navigate(const QString &address) = 0;
    // Hides the browser for the rest of the run.
    virtual void Hide() = 0;
};

// The program's browser. It runs nothing from the network: a page is fetched through the
// bounded banner fetch and shown as a picture (PNG, JPEG, GIF, SVG) or as rich text without
// scripts and without loading anything the page refers to. Only web addresses are fetched.
class BannerBrowser final : public QWidget, public BannerView {
    Q_OBJECT
public:
    // Places itself 803 × 107 at (−12, −17) inside the strip, which clips it.
    explicit BannerBrowser(QWidget *strip);

    void Navigate(const QString &address) override;
    void Hide() override;

    bool IsHiddenForGood() const { return hiddenForGood_; }
    // The address of the last navigation, and what it shows.
    const QUrl &Address() const { return address_; }
    enum class Shows { Nothing, Picture, Text };
    Shows Showing() const { return showing_; }
    QTextBrowser *TextPage() const { return text_; }
    QLabel *PicturePage() const { return picture_; }

signals:
    // A navigation has been shown (or shows nothing, when it failed).
    void PageShown();

private:
    void ShowResult(const HttpResult &result);
    void ShowNothing();

    HttpClient client_;
    QLabel *picture_;
    QTextBrowser *text_;
    QUrl address_;
    Shows showing_ = Shows::Nothing;
    bool hiddenForGood_ = false;
};

}  // namespace orlenvo::app
