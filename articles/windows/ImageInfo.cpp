#include "articles/windows/ImageInfo.h"

#include "core/Text.h"
#include "data/Catalogue.h"
#include "data/KnowledgeDb.h"
#include "ui/Fonts.h"
#include "ui/Keyboard.h"
#include "ui/Language.h"
#include "ui/Messages.h"
#include "ui/Pictures.h"
#include "ui/WindowSetup.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPolygon>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

namespace orlenvo::articles {

namespace {

const QColor kFrameColour(0, 60, 116);
const QColor kMarkColour(255, 0, 0);
const QColor kPageColour(247, 246, 245);

constexpr QSize kClientSize(652, 524);
constexpr QPoint kPlace(229, 126);
constexpr int kMemoHeight = 166;
constexpr int kPanelHeight = 56;
constexpr int kPageButtonWidth = 20;
constexpr int kButtonHeight = 21;

// The glyph of the first/last buttons: a bar and a triangle pointing towards it.
QPixmap EdgeGlyph(bool toStart)
{
    QPixmap glyph = ui::Canvas(QSize(10, 10));
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kFrameColour);
    if (toStart) {
        painter.drawRect(1, 1, 2, 8);
        painter.drawPolygon(QPolygon({QPoint(9, 1), QPoint(9, 9), QPoint(4, 5)}));
    } else {
        painter.drawRect(7, 1, 2, 8);
        painter.drawPolygon(QPolygon({QPoint(1, 1), QPoint(1, 9), QPoint(6, 5)}));
    }
    return glyph;
}

}  // namespace

TImageInfoLoad::TImageInfoLoad(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ImageInfoLoad"));
    setAttribute(Qt::WA_DeleteOnClose);
    ui::CloseBoxOnly(this, Qt::Window);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildPages();
    column->addWidget(RzPageControl1, 1);
    BuildButtonPanel();

    resize(kClientSize);
    move(kPlace);
    FormCreate();
    ui::SetUpKeyboard(this);
}

void TImageInfoLoad::FormCreate()
{
    ADOImage.SetConnectionString(ConnectionStringFor(kQorvFile));
    currentPage_ = 1;
    RzPageControl1->setCurrentIndex(0);
}

int TImageInfoLoad::articleNumber() const
{
    return number_;
}

void TImageInfoLoad::setArticleNumber(int number)
{
    number_ = number;
}

int TImageInfoLoad::pageCount() const
{
    return pageCount_;
}

int TImageInfoLoad::currentPage() const
{
    return currentPage_;
}

void TImageInfoLoad::BuildPages()
{
    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    ui::SetSpokenName(RzPageControl1, ui::Tr(QStringLiteral("图文页面")));
    RzPageControl1->tabBar()->hide();
    RzPageControl1->setDocumentMode(true);

    for (int i = 1; i <= kMaxPages; ++i) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i));
        sheet->setAutoFillBackground(true);
        QPalette palette = sheet->palette();
        palette.setColor(QPalette::Window, kPageColour);
        sheet->setPalette(palette);

        auto *image = new QLabel(sheet);
        image->setObjectName(QStringLiteral("Image%1").arg(i));
        image->setAlignment(Qt::AlignCenter);
        image->setScaledContents(false);
        // A large picture is cut at the edges rather than widening the window.
        image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

        auto *memo = new QPlainTextEdit(sheet);
        memo->setObjectName(QStringLiteral("RzMemo%1").arg(i));
        memo->setFixedHeight(kMemoHeight);
        memo->setFrameShape(QFrame::StyledPanel);
        memo->setFrameShadow(QFrame::Sunken);
        memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if (i < kMaxPages) {
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        } else {
            memo->setReadOnly(true);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        }

        auto *column = new QVBoxLayout(sheet);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        column->addWidget(image, 1);
        column->addWidget(memo);

        RzPageControl1->addTab(sheet, QString::number(i));
        ui::SetSpokenName(memo, ui::Tr(QStringLiteral("第%1页文字")).arg(i));
        images_.append(image);
        memos_.append(memo);
    }
    connect(RzPageControl1, &QTabWidget::currentChanged, this, &TImageInfoLoad::ShowPicture);
}

void TImageInfoLoad::BuildButtonPanel()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setFrameShape(QFrame::Box);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setFixedHeight(kPanelHeight);
    layout()->addWidget(panel);

    auto *rows = new QVBoxLayout(panel);
    rows->setContentsMargins(8, 5, 8, 5);
    rows->setSpacing(4);

    auto *first = new QHBoxLayout;
    first->setSpacing(0);
    // The buttons to the first and the last page, each side of the page numbers; a screen
    // reader calls them as the captioned buttons of the same action.
    const auto addEdgeButton = [&](const QString &name, const QString &spokenName, bool toStart,
                                   void (TImageInfoLoad::*click)()) {
        auto *edge = new ui::FrameButton(QString(), panel);
        edge->setObjectName(name);
        ui::SetSpokenName(edge, spokenName);
        edge->setIcon(EdgeGlyph(toStart));
        edge->setFixedSize(22, 20);
        connect(edge, &QPushButton::clicked, this, ui::Guard(this, click));
        first->addWidget(edge);
    };
    addEdgeButton(QStringLiteral("BtnBegin"), ui::Tr(QStringLiteral("首页")), true, &TImageInfoLoad::BtnBeginClick);
    first->addSpacing(2);
    for (int i = 1; i <= kMaxPages; ++i) {
        auto *button = new ui::FrameButton(QString::number(i), panel);
        button->setObjectName(QStringLiteral("ABtn%1").arg(i));
        button->setFixedSize(kPageButtonWidth, 20);
        connect(button, &QPushButton::clicked, this, ui::Guard(this, &TImageInfoLoad::ABtnClick));
        first->addWidget(button);
        pageButtons_.append(button);
    }
    first->addSpacing(2);
    addEdgeButton(QStringLiteral("BtnEnd"), ui::Tr(QStringLiteral("最末")), false, &TImageInfoLoad::BtnEndClick);
    first->addStretch(1);
    rows->addLayout(first);

    auto *second = new QHBoxLayout;
    second->setSpacing(6);
    const auto addButton = [&](const char *name, const QString &caption, void (TImageInfoLoad::*handler)()) {
        auto *button = new ui::FrameButton(caption, panel);
        button->setObjectName(QString::fromLatin1(name));
        button->setFixedHeight(kButtonHeight);
        button->setMinimumWidth(58);
        connect(button, &QPushButton::clicked, this, ui::Guard(this, handler));
        second->addWidget(button);
    };
    addButton("RzBitBtn20", ui::Tr(QStringLiteral("首页")), &TImageInfoLoad::BtnBeginClick);
    addButton("RzBitBtn18", ui::Tr(QStringLiteral("上一页")), &TImageInfoLoad::RzBitBtn18Click);
    addButton("RzBitBtn19", ui::Tr(QStringLiteral("下一页")), &TImageInfoLoad::RzBitBtn19Click);
    addButton("RzBitBtn21", ui::Tr(QStringLiteral("最末")), &TImageInfoLoad::BtnEndClick);
    second->addStretch(1);
    addButton("RzBitBtn1", ui::Tr(QStringLiteral("关闭")), &TImageInfoLoad::RzBitBtn1Click);
    rows->addLayout(second);
}

int TImageInfoLoad::LoadContent()
{
    SetPages(ReadPicturePages(ADOImage, number_));
    return pageCount_;
}

void TImageInfoLoad::SetPages(const QList<PicturePage> &pages)
{
    pageCount_ = static_cast<int>(std::min<qsizetype>(pages.size(), kMaxPages));
    pictures_.clear();
    for (int i = 0; i < kMaxPages; ++i) {
        images_[i]->clear();
        memos_[i]->setPlainText(i < pageCount_ ? pages[i].text : QString());
        if (i < pageCount_)
            pictures_.append(pages[i].picture);
    }
    currentPage_ = 1;
    RzPageControl1->setCurrentIndex(0);
    ShowPicture(0);
    for (int i = 0; i < kMaxPages; ++i)
        pageButtons_[i]->setEnabled(i < pageCount_);
}

void TImageInfoLoad::ShowPicture(int index)
{
    // Only the visible page holds its decoded picture (hundreds of kilobytes); the others keep
    // their JPEG bytes until they show.
    for (int i = 0; i < static_cast<int>(images_.size()); ++i) {
        QLabel *image = images_[i];
        if (i != index) {
            image->clear();
            continue;
        }
        QImage decoded;
        if (image->pixmap().isNull() && i < static_cast<int>(pictures_.size()) &&
            decoded.loadFromData(pictures_[i], "JPEG"))
            image->setPixmap(ui::ScreenPixmap(decoded));
    }
}

void TImageInfoLoad::ShowPage(int n)
{
    const auto buttons = findChildren<ui::FrameButton *>();
    for (ui::FrameButton *button : buttons) {
        const QString name = button->objectName();
        if (!name.startsWith(QStringLiteral("ABtn")))
            continue;
        const int number = name.mid(4, 2).trimmed().toInt();
        button->setFrameColour(number == n ? kMarkColour : kFrameColour);
    }
    if (n >= 1 && n <= kMaxPages)
        RzPageControl1->setCurrentIndex(n - 1);
}

void TImageInfoLoad::BtnBeginClick()
{
    currentPage_ = 1;
    ShowPage(currentPage_);
}

void TImageInfoLoad::BtnEndClick()
{
    // With no page loaded there is no last page; stay on page 1.
    currentPage_ = std::max(pageCount_, 1);
    ShowPage(currentPage_);
}

void TImageInfoLoad::RzBitBtn18Click()
{
    if (currentPage_ > 1)
        --currentPage_;
    ShowPage(currentPage_);
}

void TImageInfoLoad::RzBitBtn19Click()
{
    if (currentPage_ < pageCount_)
        ++currentPage_;
    ShowPage(currentPage_);
}

void TImageInfoLoad::ABtnClick()
{
    const QString name = sender()->objectName();
    const int number = name.mid(4, 2).trimmed().toInt();
    if (number < 1 || number > kMaxPages)
        return;
    currentPage_ = number;
    ShowPage(currentPage_);
}

void TImageInfoLoad::RzBitBtn1Click()
{
    close();
}

QList<PicturePage> ReadPicturePages(Query &query, int number)
{
    QList<PicturePage> pages;
    try {
        for (int page = 1; page <= TImageInfoLoad::kMaxPages; ++page) {
            query.Close();
            query.ClearStatement();
            query.SetStatement(PicturePageStatement(number, page));
            query.Open();
            if (query.IsEmpty())
                break;
            const std::vector<unsigned char> bytes = query.FieldBytesByName("picture");
            PicturePage content;
            content.picture =
                QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
            content.text = ui::FromUtf8(Trim(query.FieldByName("text")));
            pages.append(content);
        }
        query.Close();
    } catch (const std::exception &) {
        query.Close();
        return {};
    }
    return pages;
}

void OpenPictureArticle(int number, const QString &caption, QWidget *parent)
{
    auto *window = new TImageInfoLoad(parent);
    window->setArticleNumber(number);
    window->setWindowTitle(ui::Tr(caption));
    window->LoadContent();
    window->show();
}

}  // namespace orlenvo::articles
