#include "articles/windows/UntNote.h"

#include "articles/windows/NotePrinting.h"
#include "ui/Language.h"

#include "core/Text.h"
#include "data/Catalogue.h"
#include "data/Query.h"
#include "ui/Fonts.h"
#include "ui/FrameButton.h"
#include "ui/Keyboard.h"
#include "ui/Messages.h"
#include "ui/Modules.h"
#include "ui/Pictures.h"
#include "ui/WindowSetup.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace orlenvo::articles {

namespace {

// Outer size 615 x 466 less a 4-pixel frame on each side and a 26-pixel caption.
constexpr int kClientWidth = 607;
constexpr int kClientHeight = 432;
constexpr int kToolStripHeight = 33;
constexpr int kMemoPixelHeight = 12;
const QColor kMemoColour(239, 248, 254);
const QColor kInk(0, 60, 116);

QPageLayout DefaultPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                       QPageLayout::Millimeter);
}

enum class Glyph { Print, PageSetup, Close };

// The small pictures beside the tool-strip captions.
QIcon GlyphIcon(Glyph glyph)
{
    QPixmap pixmap = ui::Canvas(QSize(16, 16));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    switch (glyph) {
    case Glyph::Print:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));  // paper going in
        p.setBrush(QColor(200, 200, 196));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1.5, 1.5);  // body
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));  // paper coming out
        p.setPen(QPen(QColor(0, 160, 0), 1));
        p.drawPoint(QPointF(12.5, 8.5));
        break;
    case Glyph::PageSetup:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 10, 13));  // page
        p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DotLine));
        p.drawRect(QRectF(4.5, 3.5, 6, 9));  // margins
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(5, 6), QPointF(10, 6));
        p.drawLine(QPointF(5, 8), QPointF(10, 8));
        p.drawLine(QPointF(5, 10), QPointF(9, 10));
        break;
    case Glyph::Close:
        p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
    return QIcon(pixmap);
}

QPushButton *ToolButton(QWidget *parent, const QString &name, const QString &caption, Glyph glyph)
{
    auto *button = new ui::FrameButton(caption, parent);
    button->setObjectName(name);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(84, 25);
    return button;
}

// The printing module, looked up on each print and page set-up: once loaded it stays, and one
// that failed (logged by the loader) is tried again on the user's next click, so a module
// installed meanwhile works without a restart. Throws UserError when it cannot be used.
const NotePrinting &Printing()
{
    const auto entry = reinterpret_cast<NotePrintingFn>(ui::ModuleEntry(kPrintModule, kNotePrintingSymbol));
    const NotePrinting *printing = entry ? entry() : nullptr;
    if (!printing)
        throw UserError(std::string("打印模块 ") + kPrintModule + " 未能加载，无法打印。");
    return *printing;
}

}  // namespace

TFrmNote::TFrmNote(QWidget *parent) : QWidget(parent, Qt::Window), pageLayout_(DefaultPageLayout())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{12}));
    ui::SetUpWindow(this, {QStringLiteral("FrmNote"), QStringLiteral("算命"), QSize(kClientWidth, kClientHeight)});

    toolStrip_ = new QFrame(this);
    toolStrip_->setObjectName(QStringLiteral("RzToolbar1"));
    toolStrip_->setFrameStyle(QFrame::Box | QFrame::Sunken);  // a groove
    toolStrip_->setFixedHeight(kToolStripHeight);
    auto *strip = new QHBoxLayout(toolStrip_);
    strip->setContentsMargins(4, 3, 4, 3);
    strip->setSpacing(4);
    RzBitBtn1 = ToolButton(toolStrip_, QStringLiteral("RzBitBtn1"), ui::Tr(QStringLiteral("打印")), Glyph::Print);
    RzBitBtn2 =
        ToolButton(toolStrip_, QStringLiteral("RzBitBtn2"), ui::Tr(QStringLiteral("打印设置")), Glyph::PageSetup);
    RzBitBtn3 = ToolButton(toolStrip_, QStringLiteral("RzBitBtn3"), ui::Tr(QStringLiteral("关闭")), Glyph::Close);
    strip->addWidget(RzBitBtn1);
    strip->addWidget(RzBitBtn2);
    strip->addWidget(RzBitBtn3);
    strip->addStretch(1);

    RzMemo1 = new QPlainTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RzMemo1->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    RzMemo1->setFont(ui::Font(QStringLiteral("宋体"), ui::Pixels{kMemoPixelHeight}));
    RzMemo1->setContextMenuPolicy(Qt::PreventContextMenu);
    QPalette palette = RzMemo1->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::Base, kMemoColour);
    // The selection stays visible when the text area loses focus.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    RzMemo1->setPalette(palette);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(toolStrip_);
    column->addWidget(RzMemo1, 1);
    ui::SetSpokenName(toolStrip_, ui::Tr(QStringLiteral("工具栏")));
    ui::SetSpokenName(RzMemo1, ui::Tr(QStringLiteral("文章内容")));
    ui::SetUpKeyboard(this);

    connect(RzBitBtn1, &QPushButton::clicked, this, ui::Guard(this, &TFrmNote::RzBitBtn1Click));
    connect(RzBitBtn2, &QPushButton::clicked, this, ui::Guard(this, &TFrmNote::RzBitBtn2Click));
    connect(RzBitBtn3, &QPushButton::clicked, this, ui::Guard(this, &TFrmNote::RzBitBtn3Click));
}

QPlainTextEdit *TFrmNote::Memo() const
{
    return RzMemo1;
}

const QPageLayout &TFrmNote::PageLayout() const
{
    return pageLayout_;
}

void TFrmNote::Print(const QString &pdfFile) const
{
    // The screen's 12 pixels on paper.
    QFont font = RzMemo1->font();
    font.setPointSizeF(kMemoPixelHeight * 72.0 / 96.0);
    const QString error = Printing().print({RzMemo1->toPlainText(), font, pageLayout_, windowTitle()}, pdfFile);
    if (!error.isEmpty())
        throw UserError(ui::ToUtf8(error));
}

void TFrmNote::RzBitBtn1Click()
{
    Print({});
}

void TFrmNote::RzBitBtn2Click()
{
    try {
        Printing().editPageLayout(pageLayout_, this);
    } catch (...) {
        // Errors of the page-setup dialog are not reported.
    }
}

void TFrmNote::RzBitBtn3Click()
{
    close();
}

std::optional<QString> LoadArticle(const std::string &id, QPlainTextEdit *memo)
{
    Query query;
    query.SetConnectionString(ConnectionStringFor(kQorvBirthFile));
    query.SetStatement(ArticleStatement(id));
    try {
        query.Open();
    } catch (const DbError &) {
        return std::nullopt;
    }
    if (query.IsEmpty()) {
        memo->clear();
        return ui::Tr(QStringLiteral("算命"));
    }
    memo->appendPlainText(ui::FromUtf8(Trim(query.Field(1))));
    memo->moveCursor(QTextCursor::Start);  // the reader starts at the top
    return ui::FromUtf8(Trim(query.Field(0)));
}

void OpenArticle(const std::string &id, QWidget *parent)
{
    auto window = std::make_unique<TFrmNote>(parent);
    const std::optional<QString> title = LoadArticle(id, window->Memo());
    if (!title)
        return;
    window->setWindowTitle(*title);
    window.release()->show();
}

}  // namespace orlenvo::articles
